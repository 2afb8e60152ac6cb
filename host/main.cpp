// xy_plot_host: a test-cell XY plot screen, drawn live from simulated
// channels and configured through the plot configuration dialog.
//
//   xy_plot_host [screen.json]            the screen (default: the sample)
//   xy_plot_host --screenshot DIR [json]  renders the window and the
//                                         dialog's pages to PNG files in DIR
//   --print-applied                       every applied description as JSON
//                                         on standard output
//   --variables FILE                      the channel catalogue, one name a
//                                         line (default: the live channels)
//   --audit FILE                          the audit trail of applied screens
//                                         (default: see defaultAuditFile;
//                                         none for --screenshot)
//   --no-audit                            keeps no audit trail
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QPixmap>
#include <QTabWidget>
#include <QTextStream>

#include <cstdio>
#include <functional>

#include <interfaces/spreadsheet.h>

#include "host_files.h"
#include "plot_host_window.h"

namespace {

void usage()
{
    std::fputs("usage: xy_plot_host [--print-applied] [--variables FILE]\n"
               "                    [--audit FILE | --no-audit]\n"
               "                    [--screenshot DIR] [screen.json]\n",
               stderr);
}

// Enough simulated time for the sample run to reach take-off power.
const double ScreenshotSeconds = 75.0;

int takeScreenshots(PlotHostWindow &window, const QString &dir)
{
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }
    window.setLive(false);
    window.resize(1400, 900);
    window.show();
    QApplication::processEvents();
    window.advance(ScreenshotSeconds);
    QApplication::processEvents();

    QTextStream out(stdout);
    auto save = [&](QWidget *widget, const QString &name) {
        const QString path = QDir(dir).filePath(name);
        if (!widget->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        out << path << '\n';
        out.flush();
        return true;
    };
    if (!save(&window, QStringLiteral("xy_plot_host.png")))
        return 1;

    struct Page
    {
        const char *name;
        XY_Plot_Config_Dialog::DialogOpenArea area;
        bool allTab;
    };
    const Page pages[] = {{"plot", XY_Plot_Config_Dialog::PlotArea, false},
                          {"all", XY_Plot_Config_Dialog::PlotArea, true},
                          {"axes", XY_Plot_Config_Dialog::AxesArea, false},
                          {"frame", XY_Plot_Config_Dialog::FrameArea, false}};
    for (const Page &page : pages) {
        window.configure(page.area, 0);
        XY_Plot_Config_Dialog *dialog = window.dialog();
        if (page.allTab) {
            if (auto *tabs = dialog->findChild<QTabWidget *>(QStringLiteral("plotConfigTabs")))
                tabs->setCurrentIndex(0);
        }
        QApplication::processEvents();
        if (!save(dialog,
                  QStringLiteral("xy_plot_host_dialog_%1.png").arg(QLatin1String(page.name))))
            return 1;
    }
    window.dialog()->hide();

    // The History panel after a few applied changes, as the dialog would
    // hand them over.
    const auto apply = [&window](const std::function<void(Plot_Screen_Info &)> &edit) {
        auto *applied = new Plot_Screen_Info;
        applied->copyFrom(*window.screen());
        edit(*applied);
        window.takeAppliedScreen(applied);
    };
    apply([](Plot_Screen_Info &s) { s.setScreenRefreshInterval(s.screenRefreshInterval / 2); });
    if (window.screen()->plotAxisInfo.size() > 1)
        apply([](Plot_Screen_Info &s) {
            s.plotAxisInfo[1].leftYAxis.autoRange = false;
            s.plotAxisInfo[1].leftYAxis.rangeMax = 1200;
        });
    apply([](Plot_Screen_Info &s) {
        s.setTitle(s.title + QStringLiteral(" (rerun)"));
        s.setDataStorage(s.dataStorage * 2);
        s.setLegend(!s.legend);
    });
    window.historyPanel()->show();
    QApplication::processEvents();
    return save(&window, QStringLiteral("xy_plot_host_history.png")) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QString screenshotDir;
    QString variablesFile;
    QString screenFile;
    bool printApplied = false;
    QString auditFile;
    bool noAudit = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if (arg == "--screenshot" && i + 1 < argc) {
            screenshotDir = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--variables" && i + 1 < argc) {
            variablesFile = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--audit" && i + 1 < argc) {
            auditFile = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--no-audit") {
            noAudit = true;
        } else if (arg == "--print-applied") {
            printApplied = true;
        } else if (arg == "--help" || arg == "-h") {
            usage();
            return 0;
        } else if (!arg.startsWith('-') && screenFile.isEmpty()) {
            screenFile = QString::fromLocal8Bit(arg);
        } else {
            usage();
            return 2;
        }
    }
    // Pictures need no display.
    if (!screenshotDir.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xy_plot_host"));

    QStringList catalogue;
    if (!variablesFile.isEmpty()) {
        QString error;
        if (!readChannelCatalogue(variablesFile, &catalogue, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 2;
        }
    } else {
        catalogue = ChannelSimulator::channelNames();
    }
    ZelVariable::setAvailableVariables(catalogue);

    PlotHostWindow window;
    window.setPrintApplied(printApplied);
    const bool headless = !screenshotDir.isEmpty();
    // Scripted runs get their reports on standard error, never a box to
    // answer.
    window.setQuiet(headless || printApplied);
    // Every applied screen is kept on record, except for pictures.
    if (!noAudit && (!auditFile.isEmpty() || !headless))
        window.setAuditFile(auditFile.isEmpty() ? PlotHostWindow::defaultAuditFile() : auditFile);

    if (screenFile.isEmpty())
        screenFile = PlotHostWindow::sampleScreenPath();
    if (screenFile.isEmpty()) {
        std::fputs("sample screen engine_run.json not found: showing a default screen\n", stderr);
    } else if (!window.openScreen(screenFile) && headless) {
        return 1;
    }

    if (headless)
        return takeScreenshots(window, screenshotDir);

    window.show();
    window.advance(2.0); // a little history so the curves show at once
    return app.exec();
}

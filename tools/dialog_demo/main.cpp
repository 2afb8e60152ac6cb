// Opens the XY plot configuration dialog on a sample test-cell plot screen
// and prints every description the dialog applies as JSON on stdout.
//
//   xy_plot_dialog_demo                  interactive
//   xy_plot_dialog_demo --screenshot DIR renders the Plot, All, Axes and
//                                        Frame pages to PNG files in DIR
#include <QApplication>
#include <QBitArray>
#include <QDir>
#include <QPixmap>
#include <QStringList>
#include <QTabWidget>
#include <QTextStream>

#include <cstdio>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

namespace {

// Channels a turbofan test cell typically logs.
QStringList channelCatalogue()
{
    return {QStringLiteral("Time"),        QStringLiteral("N1_Speed"),    QStringLiteral("N2_Speed"),
            QStringLiteral("N1_Corr"),     QStringLiteral("N2_Corr"),     QStringLiteral("EGT_Avg"),
            QStringLiteral("EGT_Spread"),  QStringLiteral("T2_Inlet"),    QStringLiteral("T25_LPC_Out"),
            QStringLiteral("T3_HPC_Out"),  QStringLiteral("T45_HPT_Out"), QStringLiteral("P2_Inlet"),
            QStringLiteral("P25_LPC_Out"), QStringLiteral("PS3_HPC_Out"), QStringLiteral("P49_LPT_In"),
            QStringLiteral("Fuel_Flow"),   QStringLiteral("Fuel_Temp"),   QStringLiteral("Fuel_Press"),
            QStringLiteral("Oil_Press"),   QStringLiteral("Oil_Temp"),    QStringLiteral("Oil_Qty"),
            QStringLiteral("Thrust_Gross"), QStringLiteral("Thrust_Net"), QStringLiteral("TSFC"),
            QStringLiteral("Vib_Fan_Ips"), QStringLiteral("Vib_Core_Ips"), QStringLiteral("Vib_LPT_Ips"),
            QStringLiteral("Throttle_PLA"), QStringLiteral("VSV_Pos"),    QStringLiteral("VBV_Pos"),
            QStringLiteral("Cell_Baro"),   QStringLiteral("Cell_Temp"),   QStringLiteral("Cell_Humidity"),
            QStringLiteral("Bleed_Valve"), QStringLiteral("Starter_Press"), QStringLiteral("Ignition_On")};
}

void addVariable(Plot_Axis_Info &graph, const QString &x, const QString &y, bool leftAxis,
                 const QColor &colour)
{
    Plot_Channel_Info &channel = graph.varChannels[graph.numVarChannels++];
    channel.xVarName = x;
    channel.yVarName = y;
    channel.useLeftAxis = leftAxis;
    channel.lineColor = colour;
}

// Three graphs: spool speeds, the hot section against fuel flow, and
// vibration during the run.
void fillSampleScreen(Plot_Screen_Info &info)
{
    info.configFileName = QStringLiteral("/opt/testcell/plots/cell3_engine_run.xyp");
    info.title = QStringLiteral("Cell 3 - Engine Run");
    info.subtitle = QStringLiteral("Acceptance test, ESN 874-112");
    info.screenRefreshInterval = 200;
    info.dataSampleInterval = 50;
    info.dataStorage = 600;
    info.dataUnits = UnitMinutes;
    info.numPlots = 3;
    info.plotAxisInfo.resize(3);

    Plot_Axis_Info &speeds = info.plotAxisInfo[0];
    addVariable(speeds, QStringLiteral("Time"), QStringLiteral("N1_Speed"), true, QColor(Qt::green));
    addVariable(speeds, QStringLiteral("Time"), QStringLiteral("N2_Speed"), false, QColor(Qt::cyan));
    speeds.leftYAxis.label = QStringLiteral("N1 [rpm]");
    speeds.rightYAxis.label = QStringLiteral("N2 [rpm]");
    speeds.xAxis.rangeMax = 120.0;

    Plot_Axis_Info &hot = info.plotAxisInfo[1];
    addVariable(hot, QStringLiteral("Fuel_Flow"), QStringLiteral("EGT_Avg"), true, QColor(Qt::red));
    addVariable(hot, QStringLiteral("Fuel_Flow"), QStringLiteral("T3_HPC_Out"), true, QColor(Qt::yellow));
    hot.leftYAxis.label = QStringLiteral("Temperature [degC]");
    hot.leftYAxis.autoRange = false;
    hot.leftYAxis.rangeMin = 0.0;
    hot.leftYAxis.rangeMax = 1000.0;
    hot.displayType = DisplayComet;
    hot.cometLength = 20;
    hot.showDatapoints = true;

    Plot_Axis_Info &vibration = info.plotAxisInfo[2];
    addVariable(vibration, QStringLiteral("N1_Speed"), QStringLiteral("Vib_Fan_Ips"), true,
                QColor(Qt::magenta));
    addVariable(vibration, QStringLiteral("N2_Speed"), QStringLiteral("Vib_Core_Ips"), true,
                QColor(Qt::white));
    vibration.leftYAxis.label = QStringLiteral("Vibration [ips]");
    vibration.displayType = DisplayMarkerOnly;
}

int takeScreenshots(XY_Plot_Config_Dialog &dialog, Plot_Screen_Info &info, const QString &dir)
{
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }
    const QBitArray none(8);
    auto *plotTabs = dialog.findChild<QTabWidget *>(QStringLiteral("plotConfigTabs"));

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
    QTextStream out(stdout);
    for (const Page &page : pages) {
        dialog.show(&info, none, none, page.area, 0, false);
        if (page.allTab && plotTabs)
            plotTabs->setCurrentIndex(0);
        QApplication::processEvents();
        const QString path =
            QDir(dir).filePath(QStringLiteral("xy_plot_dialog_%1.png").arg(QLatin1String(page.name)));
        if (!dialog.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        out << path << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QString screenshotDir;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            screenshotDir = QString::fromLocal8Bit(argv[++i]);
    }
    // Pictures need no display.
    if (!screenshotDir.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    ZelVariable::setAvailableVariables(channelCatalogue());

    Plot_Screen_Info info;
    fillSampleScreen(info);

    XY_Plot_Config_Dialog dialog(&info, nullptr, false);
    if (!screenshotDir.isEmpty())
        return takeScreenshots(dialog, info, screenshotDir);

    QObject::connect(&dialog, &XY_Plot_Config_Dialog::applyPressedSignal,
                     [&info](Plot_Screen_Info *applied) {
                         // The host owns what it is handed: take it over.
                         const QByteArray json = applied->toJson();
                         std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
                         std::fputc('\n', stdout);
                         std::fflush(stdout);
                         info.copyFrom(*applied);
                         delete applied;
                     });
    QObject::connect(&dialog, &XY_Plot_Config_Dialog::okPressedSignal, &app, &QApplication::quit);
    QObject::connect(&dialog, &XY_Plot_Config_Dialog::cancelPressedSignal, &app,
                     &QApplication::quit);
    QObject::connect(&dialog, &XY_Plot_Config_Dialog::addDeleteGraphSignal, [] {
        std::fputs("graphs added or deleted\n", stderr);
    });

    dialog.show(&info, QBitArray(8), QBitArray(8), XY_Plot_Config_Dialog::PlotArea, 0, false);
    return app.exec();
}

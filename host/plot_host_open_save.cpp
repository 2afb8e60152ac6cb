// The demo host's plot screen files: opening, saving, the sample screen
// and what the dialog would change in a screen that was opened.
#include "plot_host_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QStatusBar>

#include <algorithm>
#include <cstdio>

#include <interfaces/spreadsheet.h>

#include "host_files.h"

namespace {

const int GraphSlots = PlotSingleton::NumSlots;

// Loading selects the first catalogue name that starts with a stored
// variable name, so a name that is not itself that entry changes on OK.
QStringList catalogueChanges(const Plot_Screen_Info &screen, const QStringList &catalogue)
{
    QStringList changes;
    auto check = [&](const QString &name, const QString &where) {
        if (name.isEmpty())
            return; // the engine's own checks name empty names
        const auto found =
            std::find_if(catalogue.cbegin(), catalogue.cend(),
                         [&](const QString &entry) { return entry.startsWith(name); });
        if (found == catalogue.cend())
            changes.append(PlotHostWindow::tr(
                               "%1: \"%2\" is not in the channel list; the dialog drops the row")
                               .arg(where, name));
        else if (*found != name)
            changes.append(PlotHostWindow::tr(
                               "%1: \"%2\" selects \"%3\", the first channel that starts with it")
                               .arg(where, name, *found));
    };
    const int shown = static_cast<int>(qMin<unsigned long>(screen.numPlots, GraphSlots));
    for (int g = 0; g < qMin(shown, screen.plotAxisInfo.size()); ++g) {
        const Plot_Axis_Info &graph = screen.plotAxisInfo.at(g);
        const int rows = static_cast<int>(
            qMin<unsigned long>(graph.numVarChannels, Plot_Axis_Info::MaxChannels));
        for (int r = 0; r < rows; ++r) {
            const QString where = QStringLiteral("Graph %1 (plotAxisInfo[%2]).varChannels[%3].")
                                      .arg(g + 1)
                                      .arg(g)
                                      .arg(r);
            check(graph.varChannels[r].xVarName, where + QStringLiteral("xVarName"));
            check(graph.varChannels[r].yVarName, where + QStringLiteral("yVarName"));
        }
    }
    return changes;
}

} // namespace

QString PlotHostWindow::sampleScreenPath()
{
    // Next to the program first (a build tree's copy, then an install's
    // share folder), so an installed host does not depend on the sources.
    const QString name = QStringLiteral("engine_run.json");
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QStringList candidates = {programDir.filePath(QStringLiteral("samples/") + name),
                                    programDir.filePath(
                                        QStringLiteral("../share/xy_plot_config/samples/") + name),
                                    programDir.filePath(name),
                                    QDir(QStringLiteral(XY_PLOT_HOST_SAMPLES_DIR)).filePath(name)};
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

void PlotHostWindow::report(const QString &title, const QString &text)
{
    if (m_quiet) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.exec();
}

bool PlotHostWindow::openScreen(const QString &path)
{
    const QString title = tr("Open Plot Screen");
    // Opening a FIFO would wait for a writer that never comes.
    const QString irregular = irregularFileProblem(path);
    if (!irregular.isEmpty()) {
        report(title, tr("%1 cannot be read:\n%2").arg(path, irregular));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(title, tr("%1 cannot be read:\n%2").arg(path, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.read(MaxScreenFileBytes + 1);
    if (bytes.size() > MaxScreenFileBytes) {
        report(title, tr("%1 is not a plot screen:\nlarger than %2 MiB")
                          .arg(path)
                          .arg(MaxScreenFileBytes / (1024 * 1024)));
        return false;
    }
    std::unique_ptr<Plot_Screen_Info> loaded(new Plot_Screen_Info);
    QString error;
    if (!loaded->fromJson(bytes, &error)) {
        report(title, tr("%1 is not a plot screen:\n%2").arg(path, error));
        return false;
    }
    const QStringList problems = loaded->consistencyErrors();
    if (!problems.isEmpty()) {
        report(title, tr("%1 is not a plot screen that can be drawn:\n%2")
                          .arg(path, problems.join(QLatin1Char('\n'))));
        return false;
    }
    loaded->setConfigFileName(QFileInfo(path).absoluteFilePath());
    // Drawn as it is; what the dialog cannot show as it is would change on
    // the first OK, so the user hears of it before configuring anything.
    QStringList changes = loaded->dialogChanges();
    changes += catalogueChanges(*loaded, ZelVariable::availableVariables());
    changes += setScreen(std::move(loaded));
    statusBar()->showMessage(tr("Opened %1").arg(m_screen->configFileName), 4000);
    if (!changes.isEmpty())
        report(title,
               tr("%1: the dialog will change:\n%2").arg(path, changes.join(QLatin1Char('\n'))));
    return true;
}

bool PlotHostWindow::saveScreen(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString previous = m_screen->configFileName;
    // The file names itself.
    m_screen->setConfigFileName(absolute);
    QSaveFile file(absolute);
    const QByteArray json = m_screen->toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        m_screen->setConfigFileName(previous);
        report(tr("Save Plot Screen"),
               tr("%1 cannot be written:\n%2").arg(absolute, file.errorString()));
        return false;
    }
    if (m_dialog)
        m_dialog->setConfigFilename(absolute);
    m_modified = false;
    updateWindowTitle();
    statusBar()->showMessage(tr("Saved %1").arg(absolute), 4000);
    return true;
}

void PlotHostWindow::openFile()
{
    const QString start = m_screen->configFileName.isEmpty()
                              ? QDir::homePath()
                              : QFileInfo(m_screen->configFileName).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Plot Screen"), start,
                                                      tr("Plot screens (*.json);;All files (*)"));
    if (!path.isEmpty())
        openScreen(path);
}

void PlotHostWindow::save()
{
    if (m_screen->configFileName.isEmpty())
        saveAs();
    else
        saveScreen(m_screen->configFileName);
}

void PlotHostWindow::saveAs()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save Plot Screen"), m_screen->configFileName,
                                     tr("Plot screens (*.json);;All files (*)"));
    if (!path.isEmpty())
        saveScreen(path);
}

void PlotHostWindow::updateWindowTitle()
{
    const QString name =
        m_screen->configFileName.isEmpty() ? tr("untitled") : m_screen->configFileName;
    setWindowTitle(tr("%1[*] - XY Plot").arg(name));
    setWindowModified(m_modified);
}

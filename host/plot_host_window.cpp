#include "plot_host_window.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <qwt_text.h>
#include <qwt_text_label.h>

#include <algorithm>
#include <cstdio>

#include <interfaces/darlen_data_input.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/plot_screen_history.h>

#include "audit_trail.h"
#include "elided_text_label.h"
#include "host_files.h"

namespace {

const int GraphSlots = PlotSingleton::NumSlots;

// Columns of the graph grid: stacked up to three graphs, two columns above.
int columnsFor(int graphs)
{
    return graphs <= 3 ? 1 : 2;
}

QColor textColourOn(const QColor &background)
{
    return background.lightness() < 128 ? QColor(225, 225, 225) : QColor(15, 15, 15);
}

void setLabel(QwtTextLabel *label, const QString &text, const QFont &font, const QColor &colour,
              bool shown)
{
    QwtText t(text);
    t.setFont(font);
    t.setColor(colour);
    label->setText(t);
    label->setToolTip(text); // the whole text, however much of it fits
    label->setVisible(shown && !text.isEmpty());
}

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

PlotHostWindow::PlotHostWindow(QWidget *parent)
    : QMainWindow(parent)
{
    m_frame = new QWidget;
    m_frame->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(m_frame);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);
    m_title = new ElidedTextLabel;
    m_title->setObjectName(QStringLiteral("screenTitle"));
    m_subtitle = new ElidedTextLabel;
    m_subtitle->setObjectName(QStringLiteral("screenSubtitle"));
    m_note = new ElidedTextLabel;
    m_note->setObjectName(QStringLiteral("screenNote"));
    m_graphArea = new QWidget;
    m_graphLayout = new QGridLayout(m_graphArea);
    m_graphLayout->setContentsMargins(0, 4, 0, 4);
    m_graphLayout->setSpacing(6);
    layout->addWidget(m_title);
    layout->addWidget(m_subtitle);
    layout->addWidget(m_graphArea, 1);
    layout->addWidget(m_note);
    setCentralWidget(m_frame);

    m_statusClock = new QLabel;
    m_statusLock = new QLabel;
    statusBar()->addPermanentWidget(m_statusLock);
    statusBar()->addPermanentWidget(m_statusClock);
    createMenus();

    m_sampleTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_sampleTimer, &QTimer::timeout, this, &PlotHostWindow::sampleTick);
    connect(&m_redrawTimer, &QTimer::timeout, this, &PlotHostWindow::redraw);

    // Until a file is opened: one graph of the spool speeds.
    std::unique_ptr<Plot_Screen_Info> initial(new Plot_Screen_Info);
    initial->numPlots = 1;
    initial->plotAxisInfo.resize(1);
    Plot_Channel_Info &n1 = initial->plotAxisInfo[0].varChannels[0];
    n1.xVarName = QStringLiteral("Time");
    n1.yVarName = QStringLiteral("N1_Speed");
    n1.lineColor = QColor(80, 220, 80);
    initial->plotAxisInfo[0].numVarChannels = 1;
    initial->plotAxisInfo[0].leftYAxis.label = QStringLiteral("N1 [rpm]");
    initial->plotAxisInfo[0].xAxis.label = QStringLiteral("Time [s]");
    m_history.reset(m_sim.channelCount(), 1);
    setScreen(std::move(initial));
    resize(1280, 860);
}

PlotHostWindow::~PlotHostWindow()
{
    // The dialog is a child; it goes first so it never sees a screen that
    // is already gone.
    delete m_dialog.data();
}

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

void PlotHostWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *open = file->addAction(tr("&Open..."), this, &PlotHostWindow::openFile);
    open->setShortcut(QKeySequence::Open);
    QAction *save = file->addAction(tr("&Save"), this, &PlotHostWindow::save);
    save->setShortcut(QKeySequence::Save);
    QAction *saveAs = file->addAction(tr("Save &As..."), this, &PlotHostWindow::saveAs);
    saveAs->setShortcut(QKeySequence::SaveAs);
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    QMenu *plot = menuBar()->addMenu(tr("&Plot"));
    QAction *configureAction = plot->addAction(tr("&Configure..."), this, [this] { configure(); });
    configureAction->setObjectName(QStringLiteral("configureAction"));
    configureAction->setShortcut(QKeySequence(tr("Ctrl+K")));
    plot->addAction(tr("Configure &Axes..."), this,
                    [this] { configure(XY_Plot_Config_Dialog::AxesArea, 0); });
    plot->addAction(tr("Configure &Frame..."), this,
                    [this] { configure(XY_Plot_Config_Dialog::FrameArea, 0); });
    plot->addSeparator();
    m_resetZoomAction = plot->addAction(tr("&Reset zoom"), this, &PlotHostWindow::resetZoom);
    m_resetZoomAction->setObjectName(QStringLiteral("resetZoomAction"));
    m_resetZoomAction->setShortcut(QKeySequence(tr("Ctrl+0")));
    m_resetZoomAction->setEnabled(false);
    QAction *restart = plot->addAction(tr("Restart &run"), this, [this] {
        m_sim.reset();
        m_history.reset(m_sim.channelCount(), m_history.capacity());
        redraw();
    });
    Q_UNUSED(restart);
    createHistory(edit, plot);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Mouse"), this, [this] {
        QMessageBox::information(
            this, tr("Mouse on a graph"),
            tr("Left drag: zoom into a box\nMouse wheel: zoom in and out\nMiddle drag: pan\n"
               "Ctrl+right click: back out of the zoom\nRight click: configure the graph\n\n"
               "While any graph is panned or zoomed the configuration is locked;\n"
               "Plot > Reset zoom unlocks it."));
    });
}

// ----------------------------------------------------------------- screens

QStringList PlotHostWindow::setScreen(std::unique_ptr<Plot_Screen_Info> screen)
{
    // A new plot screen gets a dialog of its own.
    if (m_dialog) {
        m_dialog->hide();
        delete m_dialog.data();
    }
    m_screen = std::move(screen);
    m_modified = false;
    m_screenHistory->reset(*m_screen);
    const QStringList overlayProblems = publishOverlayNames();
    rebuildScreen();
    return overlayProblems;
}

QStringList PlotHostWindow::publishOverlayNames()
{
    // The dialog offers, per graph slot, the channels of that graph's
    // logger file; it reads them from the process-wide singleton. A graph
    // whose file offers nothing loses its overlay channels on the first
    // Apply, so the user hears of it now.
    QStringList problems;
    const int shown = static_cast<int>(qMin<unsigned long>(m_screen->numPlots, GraphSlots));
    for (int g = 0; g < GraphSlots; ++g) {
        auto *names = new QStringList;
        if (g < m_screen->plotAxisInfo.size()) {
            const Plot_Axis_Info &graph = m_screen->plotAxisInfo.at(g);
            const QString path = resolveOverlayPath(graph.overlayFileName);
            QString problem = path.isEmpty() ? QString() : irregularFileProblem(path);
            if (!path.isEmpty() && problem.isEmpty()) {
                if (const LoggerFileInfo *info = DarlenDataInput::getLoggerFileInfo(path)) {
                    names->append(QString());
                    names->append(info->channelNames);
                } else {
                    problem = QStringLiteral("is not a logger file");
                }
            }
            if (!problem.isEmpty() && g < shown) {
                const unsigned long lost =
                    qMin<unsigned long>(graph.numOverlayChannels, Plot_Axis_Info::MaxChannels);
                QString text =
                    tr("Graph %1 (plotAxisInfo[%2]).overlayFileName: %3 %4; the dialog offers "
                       "none of its channels")
                        .arg(g + 1)
                        .arg(g)
                        .arg(path, problem);
                if (lost > 0)
                    text += tr(" and drops the graph's %1 overlay channels on the first Apply")
                                .arg(lost);
                problems.append(text);
            }
        }
        PlotSingleton::replaceOverlayChannelNames(g, names);
    }
    return problems;
}

QString PlotHostWindow::resolveOverlayPath(const QString &fileName) const
{
    if (fileName.isEmpty() || QFileInfo(fileName).isAbsolute() || !m_screen
        || m_screen->configFileName.isEmpty())
        return fileName;
    // A relative name lives next to the screen file.
    return QFileInfo(m_screen->configFileName).dir().filePath(fileName);
}

const LoggerSeries *PlotHostWindow::overlayFor(const QString &fileName)
{
    if (fileName.isEmpty())
        return nullptr;
    const QString path = resolveOverlayPath(fileName);
    auto it = m_overlays.find(path);
    if (it == m_overlays.end()) {
        // A pipe or device would never end.
        const QString problem = irregularFileProblem(path);
        if (!problem.isEmpty()) {
            statusBar()->showMessage(tr("Overlay not drawn: %1 %2").arg(path, problem), 10000);
            return nullptr;
        }
        auto series = std::make_shared<LoggerSeries>();
        QString error;
        if (!series->load(path, &error)) {
            statusBar()->showMessage(tr("Overlay not drawn: %1").arg(error), 10000);
            return nullptr;
        }
        it = m_overlays.insert(path, series);
    }
    return it.value().get();
}

void PlotHostWindow::rebuildScreen()
{
    qDeleteAll(m_graphs);
    m_graphs.clear();
    m_overlays.clear(); // a file may have changed since it was last drawn

    const int count = qMin(m_screen->plotAxisInfo.size(), GraphSlots);
    const int columns = columnsFor(count);
    const int rows = (count + columns - 1) / qMax(1, columns);
    for (int g = 0; g < count; ++g) {
        auto *view = new GraphView(g, m_graphArea);
        view->setObjectName(QStringLiteral("graph%1").arg(g + 1));
        const Plot_Axis_Info &info = m_screen->plotAxisInfo.at(g);
        view->configure(info, *m_screen, m_sim, overlayFor(info.overlayFileName));
        connect(view, &GraphView::panZoomChanged, this, &PlotHostWindow::onPanZoomChanged);
        connect(view, &GraphView::requested, this, &PlotHostWindow::onGraphRequest);
        view->setPanZoomGate([this] { return panZoomMayChange(); });
        // Stacked top to bottom, then filled row by row in two columns.
        const int row = columns == 1 ? g : g / columns;
        const int column = columns == 1 ? 0 : g % columns;
        m_graphLayout->addWidget(view, row, column);
        view->show();
        m_graphs.append(view);
    }
    for (int r = 0; r < m_graphLayout->rowCount(); ++r)
        m_graphLayout->setRowStretch(r, r < rows ? 1 : 0);
    for (int c = 0; c < m_graphLayout->columnCount(); ++c)
        m_graphLayout->setColumnStretch(c, c < columns ? 1 : 0);

    applyFrame();
    applyRates();
    updateWindowTitle();
    onPanZoomChanged();
    redraw();
}

void PlotHostWindow::applyFrame()
{
    QColor background(m_screen->plotBgColorName);
    if (!background.isValid())
        background = Qt::black;
    const QColor text = textColourOn(background);
    // The screen around the canvases is a shade off the plot background.
    QPalette pal = m_frame->palette();
    pal.setColor(QPalette::Window,
                 background.lightness() < 128 ? background.lighter(140) : background.darker(108));
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Text, text);
    m_frame->setPalette(pal);
    // Menu and status bar dark as well, as on a control room display.
    QPalette bars = palette();
    bars.setColor(QPalette::Window,
                  background.lightness() < 128 ? QColor(28, 32, 38) : QColor(235, 235, 235));
    bars.setColor(QPalette::WindowText, text);
    bars.setColor(QPalette::ButtonText, text);
    menuBar()->setPalette(bars);
    menuBar()->setAutoFillBackground(true);
    statusBar()->setPalette(bars);
    statusBar()->setAutoFillBackground(true);

    setLabel(m_title, m_screen->title, m_screen->titleFont, text, m_screen->showTitleSubtitle);
    setLabel(m_subtitle, m_screen->subtitle, m_screen->subtitleFont, text.darker(115),
             m_screen->showTitleSubtitle);
    setLabel(m_note, m_screen->note, m_screen->noteFont, text.darker(125), m_screen->showNote);
}

void PlotHostWindow::applyRates()
{
    const unsigned long sampleMs = qMax(1UL, m_screen->dataSampleInterval);
    const unsigned long refreshMs = qMax(1UL, m_screen->screenRefreshInterval);
    const double wanted = static_cast<double>(m_screen->dataStorage) * 1000.0 / sampleMs + 2.0;
    m_history.setCapacity(static_cast<int>(qMin<double>(wanted, MaxHistorySamples)));
    m_sampleTimer.setInterval(static_cast<int>(qMin(sampleMs, 3600000UL)));
    m_redrawTimer.setInterval(static_cast<int>(qMin(refreshMs, 3600000UL)));
    setLive(m_live);
}

void PlotHostWindow::setLive(bool live)
{
    m_live = live;
    if (live) {
        m_sampleTimer.start();
        m_redrawTimer.start();
    } else {
        m_sampleTimer.stop();
        m_redrawTimer.stop();
    }
}

void PlotHostWindow::advance(double seconds)
{
    const double dt = qMax(1UL, m_screen->dataSampleInterval) / 1000.0;
    const qint64 steps = qMin<qint64>(qRound64(seconds / dt), 10000000);
    for (qint64 i = 0; i < steps; ++i)
        sampleTick();
    redraw();
}

void PlotHostWindow::sampleTick()
{
    m_sim.step(qMax(1UL, m_screen->dataSampleInterval) / 1000.0);
    m_history.append(m_sim.time(), m_sim.values());
    m_history.dropBefore(m_sim.time() - static_cast<double>(m_screen->dataStorage));
}

void PlotHostWindow::redraw()
{
    for (GraphView *view : qAsConst(m_graphs))
        view->refresh(m_history, m_sim.time());
    m_statusClock->setText(tr("  t = %1 s   |   sample %2 ms, refresh %3 ms, %4 samples kept  ")
                               .arg(m_sim.time(), 0, 'f', 1)
                               .arg(m_screen->dataSampleInterval)
                               .arg(m_screen->screenRefreshInterval)
                               .arg(m_history.size()));
}

// ----------------------------------------------------------- host protocol

QBitArray PlotHostWindow::panBits() const
{
    QBitArray bits(GraphSlots);
    for (const GraphView *view : m_graphs)
        bits.setBit(view->slot(), view->isPanned());
    return bits;
}

QBitArray PlotHostWindow::zoomBits() const
{
    QBitArray bits(GraphSlots);
    for (const GraphView *view : m_graphs)
        bits.setBit(view->slot(), view->isZoomed());
    return bits;
}

void PlotHostWindow::configure(int area, int graphSlot)
{
    if (!m_dialog) {
        m_dialog = new XY_Plot_Config_Dialog(m_screen.get(), this, false);
        // Room for every column of the tables.
        m_dialog->resize(qMax(m_dialog->width(), 1120), qMax(m_dialog->height(), 680));
        connect(m_dialog, &XY_Plot_Config_Dialog::applyPressedSignal, this,
                &PlotHostWindow::takeAppliedScreen);
        connect(m_dialog, &XY_Plot_Config_Dialog::okPressedSignal, this, [this] {
            if (statusBar()->currentMessage().isEmpty())
                statusBar()->showMessage(tr("Configuration applied"), 4000);
        });
        connect(m_dialog, &XY_Plot_Config_Dialog::cancelPressedSignal, this,
                [this] { statusBar()->showMessage(tr("Configuration unchanged"), 4000); });
        connect(m_dialog, &XY_Plot_Config_Dialog::addDeleteGraphSignal, this, [this] {
            statusBar()->showMessage(tr("Graphs added or deleted: Apply to show them"), 6000);
        });
    }
    const int slot = qBound(0, graphSlot, qMax(0, m_graphs.size() - 1));
    // show() reloads every widget: an open dialog is only turned to the
    // page, so the user's unapplied edits stay.
    if (m_dialog->isVisible())
        turnDialogTo(area, slot);
    else
        showDialog(area, slot);
    m_dialog->raise();
    m_dialog->activateWindow();
}

void PlotHostWindow::showDialog(int area, int graphSlot)
{
    m_dialogLocked = anyPanZoom();
    m_dialog->show(m_screen.get(), panBits(), zoomBits(),
                   static_cast<XY_Plot_Config_Dialog::DialogOpenArea>(area), graphSlot, false);
}

void PlotHostWindow::turnDialogTo(int area, int graphSlot)
{
    auto *pages = m_dialog->findChild<QTabWidget *>(QStringLiteral("configTabs"));
    auto *graphs = m_dialog->findChild<QTabWidget *>(QStringLiteral("plotConfigTabs"));
    auto *axes = m_dialog->findChild<QTabWidget *>(QStringLiteral("axesConfigTabs"));
    if (!pages || !graphs || !axes)
        return;
    const bool known =
        area >= XY_Plot_Config_Dialog::PlotArea && area <= XY_Plot_Config_Dialog::FrameArea;
    pages->setCurrentIndex(known ? area : XY_Plot_Config_Dialog::PlotArea);
    // By label: graphs added or deleted in the dialog and not yet applied
    // move the tabs. The dialog keeps the two tab widgets in step.
    const QString label = QStringLiteral("Graph %1").arg(graphSlot + 1);
    for (int i = 0; i < axes->count(); ++i) {
        if (axes->tabText(i) == label) {
            graphs->setCurrentIndex(i + 1);
            axes->setCurrentIndex(i);
            break;
        }
    }
}

bool PlotHostWindow::anyPanZoom() const
{
    return std::any_of(m_graphs.cbegin(), m_graphs.cend(),
                       [](const GraphView *view) { return view->isPanned() || view->isZoomed(); });
}

bool PlotHostWindow::panZoomMayChange()
{
    // The open dialog follows the lock through show(), which reloads it:
    // that may not throw unapplied edits away.
    if (!m_dialog || !m_dialog->isVisible() || !m_dialog->hasUnappliedEdits())
        return true;
    statusBar()->showMessage(tr("Pan and zoom wait: the configuration dialog has unapplied edits "
                                "(apply or cancel them first)"),
                             6000);
    return false;
}

void PlotHostWindow::takeAppliedScreen(Plot_Screen_Info *applied)
{
    // Ours from here on, whatever happens next.
    std::unique_ptr<Plot_Screen_Info> taken(applied);
    if (!taken)
        return;
    if (m_printApplied) {
        const QByteArray json = taken->toJson();
        std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    const QStringList errors = taken->consistencyErrors();
    if (!errors.isEmpty()) {
        report(tr("Apply Configuration"),
               tr("The configuration cannot be drawn:\n%1").arg(errors.join(QLatin1Char('\n'))));
        return;
    }
    // The dialog's edits go into our own description, so what the dialog
    // does not show (screen id, channel visibility, marker sizes, time units
    // of ranges, long texts, bold fonts) is not lost.
    std::unique_ptr<Plot_Screen_Info> merged(new Plot_Screen_Info);
    merged->copyFrom(*m_screen);
    const QStringList renamed = mergeDialogEdits(*merged, *taken);
    std::unique_ptr<Plot_Screen_Info> before = std::move(m_screen);
    m_screen = std::move(merged);
    m_modified = true;
    rebuildScreen();
    recordApplied(*before, tr("Configuration applied"));
    if (!renamed.isEmpty())
        statusBar()
            ->showMessage(tr("Configuration applied; variables now selected by another name: %1")
                              .arg(renamed.join(QStringLiteral("; "))),
                          10000);
}

void PlotHostWindow::resetZoom()
{
    if (anyPanZoom() && !panZoomMayChange())
        return;
    for (GraphView *view : qAsConst(m_graphs)) {
        if (view->isPanned() || view->isZoomed())
            view->resetView();
    }
    redraw();
}

void PlotHostWindow::onPanZoomChanged()
{
    QStringList locked;
    for (const GraphView *view : qAsConst(m_graphs)) {
        if (view->isPanned() || view->isZoomed())
            locked.append(QString::number(view->slot() + 1));
    }
    m_resetZoomAction->setEnabled(!locked.isEmpty());
    m_statusLock->setText(locked.isEmpty()
                              ? QString()
                              : tr("Graph %1 panned/zoomed: configuration locked (Ctrl+0 resets)  ")
                                    .arg(locked.join(QStringLiteral(", "))));
    // The open dialog follows: the gestures wait while it holds edits, so
    // reloading it here loses nothing.
    if (m_dialog && m_dialog->isVisible() && m_dialogLocked != !locked.isEmpty()
        && !m_dialog->hasUnappliedEdits()) {
        auto *pages = m_dialog->findChild<QTabWidget *>(QStringLiteral("configTabs"));
        auto *graphs = m_dialog->findChild<QTabWidget *>(QStringLiteral("plotConfigTabs"));
        auto *axes = m_dialog->findChild<QTabWidget *>(QStringLiteral("axesConfigTabs"));
        const bool overview = graphs && graphs->currentIndex() == 0;
        showDialog(pages ? pages->currentIndex() : 0, axes ? qMax(0, axes->currentIndex()) : 0);
        if (overview)
            graphs->setCurrentIndex(0);
    }
}

void PlotHostWindow::onGraphRequest(int slot, GraphView::Request request)
{
    switch (request) {
    case GraphView::ConfigurePlot:
        configure(XY_Plot_Config_Dialog::PlotArea, slot);
        break;
    case GraphView::ConfigureAxes:
        configure(XY_Plot_Config_Dialog::AxesArea, slot);
        break;
    case GraphView::ResetZoom:
        resetZoom();
        break;
    }
}

// ------------------------------------------------------------------- files

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

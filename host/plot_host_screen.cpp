// The demo host's drawing of a plot screen: the graphs, the frame around
// them, the overlay files and the live sampling the rates ask for.
#include "plot_host_window.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include <qwt_text.h>
#include <qwt_text_label.h>

#include <interfaces/darlen_data_input.h>
#include <plot_config_dialog/plot_screen_history.h>

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

} // namespace

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

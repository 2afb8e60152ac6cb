// The demo host's main window: its layout, timers and menus.
#include "plot_host_window.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include <qwt_text_label.h>

#include "audit_trail.h"
#include "elided_text_label.h"

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

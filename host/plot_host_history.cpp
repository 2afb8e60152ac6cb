// The demo host's way back: undo and redo of applied screens, the History
// panel, copying settings between graphs, restoring defaults, and the audit
// trail of every applied screen.
#include "plot_host_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QFormLayout>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QUndoStack>
#include <QUndoView>
#include <QVBoxLayout>

#include <plot_config_dialog/plot_screen_history.h>

#include "audit_trail.h"

QString PlotHostWindow::defaultAuditFile()
{
    // Where a user's applications keep their state; the trail outlives runs.
    QString dir = qEnvironmentVariable("XDG_STATE_HOME");
    if (dir.isEmpty())
        dir = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(dir).filePath(QStringLiteral("xy_plot_host/applied_screens.jsonl"));
}

void PlotHostWindow::setAuditFile(const QString &path)
{
    if (path.isEmpty()) {
        m_audit.reset();
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_audit.reset(new AuditTrail(path));
}

QString PlotHostWindow::auditFile() const
{
    return m_audit ? m_audit->fileName() : QString();
}

void PlotHostWindow::createHistory(QMenu *edit, QMenu *plot)
{
    m_screenHistory =
        new Plot_Screen_History(Plot_Screen_Info(), Plot_Screen_History::DefaultUndoLimit, this);
    connect(m_screenHistory, &Plot_Screen_History::restored, this,
            &PlotHostWindow::showRestoredScreen);

    QUndoStack *stack = m_screenHistory->undoStack();
    QAction *undo = stack->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcut(QKeySequence(tr("Ctrl+Z")));
    QAction *redo = stack->createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcut(QKeySequence(tr("Ctrl+Shift+Z")));
    edit->addAction(undo);
    edit->addAction(redo);

    m_historyPanel = new QDockWidget(tr("History"), this);
    m_historyPanel->setObjectName(QStringLiteral("historyPanel"));
    auto *view = new QUndoView(stack, m_historyPanel);
    view->setEmptyLabel(tr("Screen as opened"));
    view->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    m_historyPanel->setWidget(view);
    addDockWidget(Qt::RightDockWidgetArea, m_historyPanel);
    m_historyPanel->hide();
    edit->addSeparator();
    QAction *panel = m_historyPanel->toggleViewAction();
    panel->setText(tr("&History"));
    panel->setShortcut(QKeySequence(tr("Ctrl+H")));
    edit->addAction(panel);

    plot->addSeparator();
    plot->addAction(tr("Co&py settings of a graph..."), this, &PlotHostWindow::copyGraphSettings)
        ->setObjectName(QStringLiteral("copySettingsAction"));
    QMenu *defaults = plot->addMenu(tr("Restore &defaults"));
    defaults->addAction(tr("Whole screen"), this, [this] { restoreDefaults(-1); });
    for (int g = 0; g < PlotSingleton::NumSlots; ++g)
        defaults->addAction(tr("Graph %1").arg(g + 1), this, [this, g] { restoreDefaults(g); });
    connect(defaults, &QMenu::aboutToShow, this, [this, defaults] {
        const QList<QAction *> actions = defaults->actions();
        for (int i = 1; i < actions.size(); ++i)
            actions.at(i)->setVisible(i - 1 < m_screen->plotAxisInfo.size());
    });
}

void PlotHostWindow::recordApplied(const Plot_Screen_Info &before, const QString &how)
{
    // The status bar names the change, as the History panel lists it.
    if (m_screenHistory->record(*m_screen))
        statusBar()->showMessage(tr("%1: %2").arg(how, m_screenHistory->undoStack()->undoText()),
                                 8000);
    else
        statusBar()->showMessage(tr("%1: nothing changed").arg(how), 4000);
    if (!m_audit)
        return;
    if (!m_audit->append(m_screen->configFileName, before, *m_screen))
        report(tr("Audit Trail"),
               tr("The applied screen could not be written to the audit trail:\n%1")
                   .arg(m_audit->errorString()));
}

void PlotHostWindow::showRestoredScreen()
{
    m_screen->copyFrom(m_screenHistory->current());
    m_modified = true;
    publishOverlayNames();
    rebuildScreen();
    statusBar()->showMessage(tr("Restored: %1")
                                 .arg(m_screenHistory->undoStack()->undoText().isEmpty()
                                          ? tr("screen as opened")
                                          : m_screenHistory->undoStack()->undoText()),
                             6000);
    followInOpenDialog();
}

// An open dialog shows what is drawn, unless it holds edits of the user's.
void PlotHostWindow::followInOpenDialog()
{
    if (!m_dialog || !m_dialog->isVisible())
        return;
    if (m_dialog->hasUnappliedEdits()) {
        statusBar()->showMessage(tr("The open dialog keeps your unapplied edits; "
                                    "cancel it to see the screen as drawn"),
                                 8000);
        return;
    }
    auto *pages = m_dialog->findChild<QTabWidget *>(QStringLiteral("configTabs"));
    auto *graphs = m_dialog->findChild<QTabWidget *>(QStringLiteral("axesConfigTabs"));
    showDialog(pages ? qBound(0, pages->currentIndex(), 2) : 0,
               graphs ? qMax(0, graphs->currentIndex()) : 0);
}

// Applies a change made by the host itself, as an Apply would.
void PlotHostWindow::applyHostChange(const std::function<bool(Plot_Screen_Info &)> &change,
                                     const QString &how)
{
    std::unique_ptr<Plot_Screen_Info> before(new Plot_Screen_Info);
    before->copyFrom(*m_screen);
    if (!change(*m_screen))
        return;
    m_modified = true;
    publishOverlayNames();
    rebuildScreen();
    recordApplied(*before, how);
    followInOpenDialog();
}

void PlotHostWindow::copyGraphSettings()
{
    const int graphs = m_screen->plotAxisInfo.size();
    if (graphs < 2) {
        report(tr("Copy Settings"), tr("The screen has only one graph."));
        return;
    }
    QDialog chooser(this);
    chooser.setWindowTitle(tr("Copy Settings of a Graph"));
    auto *form = new QFormLayout;
    auto *source = new QComboBox;
    auto *what = new QComboBox;
    what->addItems(
        {tr("Axes"), tr("Channel styles (colours, line styles, widths)"), tr("Display settings")});
    auto *targets = new QVBoxLayout;
    QList<QCheckBox *> boxes;
    for (int g = 0; g < graphs; ++g) {
        source->addItem(tr("Graph %1").arg(g + 1));
        boxes.append(new QCheckBox(tr("Graph %1").arg(g + 1)));
        targets->addWidget(boxes.last());
    }
    form->addRow(tr("Copy the"), what);
    form->addRow(tr("of"), source);
    form->addRow(tr("to"), targets);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &chooser, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &chooser, &QDialog::reject);
    auto *layout = new QVBoxLayout(&chooser);
    layout->addLayout(form);
    layout->addWidget(buttons);
    const auto follow = [&](int from) {
        for (int g = 0; g < boxes.size(); ++g) {
            boxes[g]->setEnabled(g != from);
            if (g == from)
                boxes[g]->setChecked(false);
        }
    };
    connect(source, QOverload<int>::of(&QComboBox::currentIndexChanged), &chooser, follow);
    follow(0);
    if (chooser.exec() != QDialog::Accepted)
        return;

    const int from = source->currentIndex();
    QList<int> to;
    for (int g = 0; g < boxes.size(); ++g) {
        if (boxes[g]->isChecked())
            to.append(g);
    }
    if (to.isEmpty())
        return;
    const int kind = what->currentIndex();
    applyHostChange(
        [=](Plot_Screen_Info &screen) {
            if (kind == 0)
                return copyGraphAxes(screen, from, to);
            if (kind == 1)
                return copyChannelStyles(screen, from, to);
            return copyDisplaySettings(screen, from, to);
        },
        tr("Settings of graph %1 copied").arg(from + 1));
}

void PlotHostWindow::restoreDefaults(int graph)
{
    if (graph < 0) {
        applyHostChange(
            [](Plot_Screen_Info &screen) {
                restoreScreenDefaults(screen);
                return true;
            },
            tr("Defaults restored"));
        return;
    }
    applyHostChange([graph](
                        Plot_Screen_Info &screen) { return restoreGraphDefaults(screen, graph); },
                    tr("Defaults of graph %1 restored").arg(graph + 1));
}

// The demo host's side of the dialog: opening and turning it, taking what
// it applies, and keeping it and the graphs agreeing on the pan/zoom lock.
#include "plot_host_window.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>

namespace {

const int GraphSlots = PlotSingleton::NumSlots;

} // namespace

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

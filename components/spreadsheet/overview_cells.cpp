// The cells of the "All" overview (kind 9), kept from visit to visit.
#include "overview_cells.h"

#include "cell_support.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QTableWidget>

#include <algorithm>

namespace xy_table {

QWidget *OverviewCells::take(Cell cell, QWidget *viewport, const QStringList &channels)
{
    QVector<QWidget *> &kept = m_spare[int(cell)];
    if (!kept.isEmpty()) {
        QWidget *widget = kept.takeFirst();
        resetCell(cell, widget, channels);
        return widget;
    }
    // Most rows lie out of view: the editors wait until the cell is seen.
    const xy_cells::DeferredEditors deferred;
    QWidget *widget = createCell(cell, viewport, channels);
    keepOutOfTabChain(widget);
    m_reusable.insert(widget, cell);
    QObject::connect(widget, &QObject::destroyed, this, [this](QObject *gone) { forget(gone); });
    polishLater(widget);
    return widget;
}

// Most of the overview's cells are out of view, and the table shows each
// cell as it takes it, which has the style sheet engine style the cell and
// every editor in it: a fifth of filling the overview the first time. A new
// cell is styled when it first comes into view instead.
void OverviewCells::polishLater(QWidget *cell)
{
    m_unpolished.insert(cell);
    cell->installEventFilter(this);
    for (QWidget *editor : cell->findChildren<QWidget *>())
        editor->installEventFilter(this);
}

// The polish a widget asks for when it is first shown, which the cell and
// its editors were kept from; parents before their children, as Qt does.
void OverviewCells::polishNow(QWidget *cell)
{
    if (!m_unpolished.remove(cell))
        return;
    QWidgetList widgets = cell->findChildren<QWidget *>();
    widgets.prepend(cell);
    for (QWidget *widget : qAsConst(widgets))
        widget->removeEventFilter(this);
    // Editors still to be built are built before the cell is styled, as
    // those of a cell made whole are: under a style sheet only a widget not
    // yet styled passes its font on to a new child. They are styled
    // themselves when shown with the cell.
    buildEditors(m_reusable.value(cell), cell);
    keepOutOfTabChain(cell);
    for (QWidget *widget : qAsConst(widgets)) {
        QEvent polish(QEvent::Polish);
        QCoreApplication::sendEvent(widget, &polish);
    }
    // Sizes taken before the cell was styled are taken again.
    if (QLayout *layout = cell->layout())
        layout->invalidate();
}

bool OverviewCells::eventFilter(QObject *, QEvent *event)
{
    return event->type() == QEvent::Polish;
}

bool OverviewCells::keep(QWidget *cell)
{
    const auto found = m_reusable.constFind(cell);
    if (found == m_reusable.constEnd())
        return false;
    cell->hide();
    m_spare[int(*found)].append(cell);
    return true;
}

void OverviewCells::keepRows(QTableWidget *table, int first, int last)
{
    if (table->viewport()->isVisible())
        return; // the view hides the cells and hands them to keep()
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            QWidget *cell = table->cellWidget(row, column);
            if (!cell || !holds(cell))
                continue;
            // Taken from the view, which would hide it, and kept from the
            // deletion the view then asks for.
            table->removeCellWidget(row, column);
            QCoreApplication::removePostedEvents(cell, QEvent::DeferredDelete);
            m_spare[int(m_reusable.value(cell))].append(cell);
            m_sparesShown = m_sparesShown || !cell->isHidden();
        }
    }
}

void OverviewCells::hideSpares()
{
    if (!m_sparesShown)
        return;
    m_sparesShown = false;
    for (const QVector<QWidget *> &kept : qAsConst(m_spare)) {
        for (QWidget *cell : kept)
            cell->hide();
    }
}

void OverviewCells::forget(QObject *cell)
{
    const auto found = m_reusable.find(static_cast<QWidget *>(cell));
    if (found == m_reusable.end())
        return;
    m_spare[int(*found)].removeAll(static_cast<QWidget *>(cell));
    m_unpolished.remove(static_cast<QWidget *>(cell));
    m_inView.remove(static_cast<QWidget *>(cell));
    m_reusable.erase(found);
}

// The overview lists up to 128 rows of six cells, read only, of which a
// screenful is in view: only the cells in view are shown, the rest wait
// hidden until scrolled to. Showing, hiding and painting hundreds of styled
// widgets is most of what a visit to the overview would cost; so is asking
// the view where each of them lies, so only the rows in view are asked.
void OverviewCells::placeInView(QTableWidget *table)
{
    hideSpares();
    const QRect area = table->viewport()->rect();
    QSet<QWidget *> inView;
    const int rows = table->rowCount();
    const int first = rows > 0 ? std::max(table->rowAt(area.top()), 0) : 0;
    int last = table->rowAt(area.bottom());
    if (last < 0)
        last = rows - 1;
    for (int row = first; row <= last && row < rows; ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            QWidget *cell = table->cellWidget(row, column);
            if (!cell)
                continue;
            const QRect rect = table->visualRect(table->model()->index(row, column));
            if (!rect.isValid() || !rect.intersects(area))
                continue;
            polishNow(cell);
            cell->setGeometry(rect);
            cell->setVisible(true);
            inView.insert(cell);
        }
    }
    // Cells in view before and out of it now.
    for (QWidget *cell : qAsConst(m_inView)) {
        if (!inView.contains(cell))
            cell->hide();
    }
    m_inView = inView;
    // A widget that is shown asks for its first paint with a posted event;
    // answered after the window's pending paint, it would paint every cell
    // in view a second time. Answered now, the cells join that paint.
    if (table->viewport()->isVisible())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
}

} // namespace xy_table

// The cells of the "All" overview (kind 9), kept from visit to visit.
#ifndef XY_SPREADSHEET_OVERVIEW_CELLS_H
#define XY_SPREADSHEET_OVERVIEW_CELLS_H

#include "table_columns.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QVector>

class QTableWidget;

namespace xy_table {

// The overview is emptied and filled again on every visit. Building
// hundreds of cells each time is most of what a visit would cost, and
// styled widgets leave traces in the style caches for good; so the
// cells of its removed rows are kept and serve the next rows, each
// type's in the order they were kept: a row filled again takes the
// cells it had.
class OverviewCells : public QObject
{
public:
    // A kept cell of that type, set back to a new one's state, or a new
    // cell on `viewport` that will be kept in its turn.
    QWidget *take(Cell cell, QWidget *viewport, const QStringList &channels);
    // Hides and keeps a cell of a removed row; false for a cell that is
    // not the overview's, which then goes its usual way.
    bool keep(QWidget *cell);
    // Of rows about to be removed while the cells are hidden (the
    // overview's viewport is hidden while it is emptied and filled again,
    // and while another tab is current), takes the cells from
    // the table and keeps them as they are, shown or not: a cell in view
    // that comes back to its row is not hidden and shown again. On screen
    // the view hides them itself and hands them to keep().
    void keepRows(QTableWidget *table, int first, int last);
    // Whether the cell is one the overview keeps when its row goes.
    bool holds(QWidget *cell) const { return m_reusable.contains(cell); }

    // Shows and places the cells in view of the table; hides the rest,
    // and the kept cells that no row took again.
    void placeInView(QTableWidget *table);
    // Hides the kept cells that no row took again.
    void hideSpares();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void forget(QObject *cell);
    void polishLater(QWidget *cell);
    void polishNow(QWidget *cell);

    QHash<QWidget *, Cell> m_reusable;
    QSet<QWidget *> m_unpolished; // not yet styled: never in view so far
    QSet<QWidget *> m_inView;     // shown by the last placing
    QHash<int, QVector<QWidget *>> m_spare;
    bool m_sparesShown = false; // kept cells may still be shown
};

} // namespace xy_table

#endif // XY_SPREADSHEET_OVERVIEW_CELLS_H

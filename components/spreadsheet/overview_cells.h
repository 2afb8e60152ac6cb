// The cells of the "All" overview (kind 9), kept from visit to visit.
#ifndef XY_SPREADSHEET_OVERVIEW_CELLS_H
#define XY_SPREADSHEET_OVERVIEW_CELLS_H

#include "table_columns.h"

#include <QHash>
#include <QObject>
#include <QVector>

class QTableWidget;

namespace xy_table {

// The overview is emptied and filled again on every visit. Building
// hundreds of cells each time is most of what a visit would cost, and
// styled widgets leave traces in the style caches for good; so the
// cells of its removed rows are kept, hidden, and serve the next rows.
class OverviewCells : public QObject
{
public:
    // A kept cell of that type, set back to a new one's state, or a new
    // cell on `viewport` that will be kept in its turn.
    QWidget *take(Cell cell, QWidget *viewport, const QStringList &channels);
    // Hides and keeps a cell of a removed row; false for a cell that is
    // not the overview's, which then goes its usual way.
    bool keep(QWidget *cell);
    // Whether the cell is one the overview keeps when its row goes.
    bool holds(QWidget *cell) const { return m_reusable.contains(cell); }

    // Shows and places the cells in view of the table; hides the rest.
    static void placeInView(QTableWidget *table);

private:
    void forget(QObject *cell);

    QHash<QWidget *, Cell> m_reusable;
    QHash<int, QVector<QWidget *>> m_spare;
};

} // namespace xy_table

#endif // XY_SPREADSHEET_OVERVIEW_CELLS_H

// Typed access to the cell widgets of the dialog's tables.
#ifndef XY_PLOT_CONFIG_DIALOG_ROW_KINDS_TABLE_CELLS_H
#define XY_PLOT_CONFIG_DIALOG_ROW_KINDS_TABLE_CELLS_H

#include <QTableWidget>

namespace RowKinds {

// The cell widget at (row, column) as T, or null when the table has no such
// cell or it holds another kind of widget.
template<class T>
T *cell(const QTableWidget *table, int row, int column)
{
    return table ? qobject_cast<T *>(table->cellWidget(row, column)) : nullptr;
}

} // namespace RowKinds

#endif // XY_PLOT_CONFIG_DIALOG_ROW_KINDS_TABLE_CELLS_H

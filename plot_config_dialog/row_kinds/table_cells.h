// Typed access to the cell widgets of the dialog's tables, and the line
// style cell that axes grids and channel lines share.
#ifndef XY_PLOT_CONFIG_DIALOG_ROW_KINDS_TABLE_CELLS_H
#define XY_PLOT_CONFIG_DIALOG_ROW_KINDS_TABLE_CELLS_H

#include <QTableWidget>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

namespace RowKinds {

// The cell widget at (row, column) as T, or null when the table has no such
// cell or it holds another kind of widget.
template<class T>
T *cell(const QTableWidget *table, int row, int column)
{
    return table ? qobject_cast<T *>(table->cellWidget(row, column)) : nullptr;
}

// A stored pattern the combo does not offer shows as solid.
inline void loadLine(Combo_SpinBoxWidget *line, int pattern, int width)
{
    if (!line)
        return;
    line->setComboBoxCurrentIndex(lineStyleToIndex(pattern));
    line->setSpinBoxValue(width);
}

inline void storeLine(const Combo_SpinBoxWidget *line, int &pattern, int &width)
{
    if (!line)
        return;
    pattern = indexToLineStyle(line->getComboBoxCurrentIndex());
    width = line->getSpinBoxValue();
}

} // namespace RowKinds

#endif // XY_PLOT_CONFIG_DIALOG_ROW_KINDS_TABLE_CELLS_H

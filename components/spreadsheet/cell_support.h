// Helpers shared by the cell widgets of the spreadsheet library.
#ifndef XY_SPREADSHEET_CELL_SUPPORT_H
#define XY_SPREADSHEET_CELL_SUPPORT_H

#include <QHBoxLayout>
#include <QWidget>

namespace xy_cells {

// The one layout of a cell: no margins, so that the editors fill the table
// cell, and a small gap between two editors.
inline QHBoxLayout *cellLayout(QWidget *cell)
{
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    return layout;
}

} // namespace xy_cells

#endif // XY_SPREADSHEET_CELL_SUPPORT_H

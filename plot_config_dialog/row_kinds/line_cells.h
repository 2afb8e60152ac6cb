// The line style cell that axes grids and channel lines share.
#ifndef XY_PLOT_CONFIG_DIALOG_ROW_KINDS_LINE_CELLS_H
#define XY_PLOT_CONFIG_DIALOG_ROW_KINDS_LINE_CELLS_H

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

namespace RowKinds {

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

#endif // XY_PLOT_CONFIG_DIALOG_ROW_KINDS_LINE_CELLS_H

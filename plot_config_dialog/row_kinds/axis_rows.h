// The rows of the axes tables: a Y axes table holds the left axis in row 0
// and the right one in row 1, an X axis table its one axis in row 0.
#ifndef XY_PLOT_CONFIG_DIALOG_ROW_KINDS_AXIS_ROWS_H
#define XY_PLOT_CONFIG_DIALOG_ROW_KINDS_AXIS_ROWS_H

#include "row_problem.h"

#include <interfaces/plot_screen_info.h>

class QTableWidget;

namespace RowKinds {

// Shows axis in a Y axes row; the range fields are editable only with the
// automatic range off.
void loadYAxisRow(QTableWidget *table, int row, const Single_Axis_Info &axis);
// axis with what the Y axes row shows; an automatic range keeps no range.
Single_Axis_Info storeYAxisRow(const QTableWidget *table, int row, Single_Axis_Info axis);
// The tick counts, then a manual range without both ends.
RowProblem checkYAxisRow(const QTableWidget *table, int row);

// Shows axis in the X axis row, leaving the range fields' state alone.
void loadXAxisRow(QTableWidget *table, const Single_Axis_Info &axis);
// axis with what the X axis row shows; the X grid is always drawn.
Single_Axis_Info storeXAxisRow(const QTableWidget *table, Single_Axis_Info axis);

// Both axes tables of a graph from its record; either table may be null.
void loadAxes(QTableWidget *yAxes, QTableWidget *xAxis, const Plot_Axis_Info &record);

} // namespace RowKinds

#endif // XY_PLOT_CONFIG_DIALOG_ROW_KINDS_AXIS_ROWS_H

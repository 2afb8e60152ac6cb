/// @file
/// Spreadsheet widgets: the column of every cell in the rows of each table
/// kind, so that the tables and the code that reads and writes their cells
/// agree on one layout.
#ifndef XY_PLOT_INTERFACES_SPREADSHEET_COLUMNS_H
#define XY_PLOT_INTERFACES_SPREADSHEET_COLUMNS_H

/// Columns of the rows of every table kind.
namespace SpreadsheetColumns {

/// A row of a Y axes table (kind 2): row 0 the left axis, row 1 the right.
namespace YAxisRow {
/// The columns, left to right.
enum Column : int {
    Side = 0,      ///< IconButtonWidget: the axis side, fixed by the row.
    Color = 1,     ///< LineEditColorWidget: axis colour.
    AutoRange = 2, ///< CheckBoxWidget: automatic range.
    Range = 3,     ///< LineEdit_LineEditWidget: range minimum (field 0) and maximum (field 1).
    Ticks = 4,     ///< LineEdit_LineEditWidget: major (field 0) and minor (field 1) tick counts.
    Label = 5,     ///< LineEditWidget: axis label.
    Grid = 6,      ///< LineEditColorWidget with its grid check box: grid colour and visibility.
    GridLine = 7,  ///< Combo_SpinBoxWidget: grid line style and width.
    Count = 8,     ///< Number of columns.
};
} // namespace YAxisRow

/// The row of an X axis table (kind 12).
namespace XAxisRow {
/// The columns, left to right.
enum Column : int {
    AutoRange = 0, ///< CheckBoxWidget: automatic range.
    Range = 1,     ///< LineEdit_LineEditWidget: range minimum (field 0) and maximum (field 1).
    Ticks = 2,     ///< LineEdit_LineEditWidget: major (field 0) and minor (field 1) tick counts.
    Color = 3,     ///< LineEditColorWidget: axis colour.
    Label = 4,     ///< LineEditWidget: axis label.
    Grid = 5,      ///< LineEditColorWidget: grid colour (the X grid is always drawn).
    GridLine = 6,  ///< Combo_SpinBoxWidget: grid line style and width.
    Count = 7,     ///< Number of columns.
};
} // namespace XAxisRow

/// A row of an X/Y variable table (kind 10) or of an overlay channel table
/// (kind 11): one X/Y pair of a graph.
namespace ChannelRow {
/// The columns, left to right.
enum Column : int {
    X = 0,     ///< X choice: ZelVariable (variables) or ComboBoxWidget (overlay channels).
    Y = 1,     ///< Y choice, the same cell kind as X.
    Side = 2,  ///< IconButtonWidget: left or right Y axis.
    Color = 3, ///< LineEditColorWidget: line colour.
    Line = 4,  ///< Combo_SpinBoxWidget: line style and width.
    Count = 5, ///< Number of columns.
};
} // namespace ChannelRow

/// A row of the all-graphs overview (kind 9), variables and overlay
/// channels alike: a channel row behind the number of its graph.
namespace OverviewRow {
/// The columns, left to right.
enum Column : int {
    Graph = 0, ///< LineEditWidget: the graph the row belongs to.
    X = 1,     ///< X choice, as in a channel row.
    Y = 2,     ///< Y choice, as in a channel row.
    Side = 3,  ///< IconButtonWidget: left or right Y axis.
    Color = 4, ///< LineEditColorWidget: line colour.
    Line = 5,  ///< Combo_SpinBoxWidget: line style and width.
    Count = 6, ///< Number of columns.
};
} // namespace OverviewRow

} // namespace SpreadsheetColumns

#endif // XY_PLOT_INTERFACES_SPREADSHEET_COLUMNS_H

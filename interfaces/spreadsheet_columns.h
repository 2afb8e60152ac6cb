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
    /// IconButtonWidget: the axis side, fixed by the row.
    Side = 0,
    /// LineEditColorWidget: axis colour.
    Color = 1,
    /// CheckBoxWidget: automatic range.
    AutoRange = 2,
    /// LineEdit_LineEditWidget: range minimum (field 0) and maximum (field 1).
    Range = 3,
    /// LineEdit_LineEditWidget: major (field 0) and minor (field 1) tick counts.
    Ticks = 4,
    /// LineEditWidget: axis label.
    Label = 5,
    /// LineEditColorWidget with its grid check box: grid colour and visibility.
    Grid = 6,
    /// Combo_SpinBoxWidget: grid line style and width.
    GridLine = 7,
    /// Number of columns.
    Count = 8
};
} // namespace YAxisRow

/// The row of an X axis table (kind 12).
namespace XAxisRow {
/// The columns, left to right.
enum Column : int {
    /// CheckBoxWidget: automatic range.
    AutoRange = 0,
    /// LineEdit_LineEditWidget: range minimum (field 0) and maximum (field 1).
    Range = 1,
    /// LineEdit_LineEditWidget: major (field 0) and minor (field 1) tick counts.
    Ticks = 2,
    /// LineEditColorWidget: axis colour.
    Color = 3,
    /// LineEditWidget: axis label.
    Label = 4,
    /// LineEditColorWidget: grid colour (the X grid is always drawn).
    Grid = 5,
    /// Combo_SpinBoxWidget: grid line style and width.
    GridLine = 6,
    /// Number of columns.
    Count = 7
};
} // namespace XAxisRow

/// A row of an X/Y variable table (kind 10) or of an overlay channel table
/// (kind 11): one X/Y pair of a graph.
namespace ChannelRow {
/// The columns, left to right.
enum Column : int {
    /// X choice: ZelVariable (variables) or ComboBoxWidget (overlay channels).
    X = 0,
    /// Y choice, the same cell kind as X.
    Y = 1,
    /// IconButtonWidget: left or right Y axis.
    Side = 2,
    /// LineEditColorWidget: line colour.
    Color = 3,
    /// Combo_SpinBoxWidget: line style and width.
    Line = 4,
    /// Number of columns.
    Count = 5
};
} // namespace ChannelRow

/// A row of the all-graphs overview (kind 9), variables and overlay
/// channels alike: a channel row behind the number of its graph.
namespace OverviewRow {
/// The columns, left to right.
enum Column : int {
    /// LineEditWidget: the graph the row belongs to.
    Graph = 0,
    /// X choice, as in a channel row.
    X = 1,
    /// Y choice, as in a channel row.
    Y = 2,
    /// IconButtonWidget: left or right Y axis.
    Side = 3,
    /// LineEditColorWidget: line colour.
    Color = 4,
    /// Combo_SpinBoxWidget: line style and width.
    Line = 5,
    /// Number of columns.
    Count = 6
};
} // namespace OverviewRow

} // namespace SpreadsheetColumns

#endif // XY_PLOT_INTERFACES_SPREADSHEET_COLUMNS_H

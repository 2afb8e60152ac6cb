// The columns of each table kind and the cell widgets that fill them.
#ifndef XY_SPREADSHEET_TABLE_COLUMNS_H
#define XY_SPREADSHEET_TABLE_COLUMNS_H

#include <QStringList>
#include <QVector>

class QWidget;

namespace xy_table {

enum class Cell {
    AxisSide,   // IconButtonWidget
    Color,      // LineEditColorWidget
    GridColor,  // LineEditColorWidget with its grid check box
    AutoRange,  // CheckBoxWidget
    Range,      // LineEdit_LineEditWidget, axis range min and max
    Ticks,      // LineEdit_LineEditWidget, major and minor tick counts
    Text,       // LineEditWidget
    GraphLabel, // LineEditWidget holding a graph number
    LineStyle,  // Combo_SpinBoxWidget
    Variable,   // ZelVariable
    Channel     // ComboBoxWidget
};

struct Column
{
    Cell cell;
    const char *header;
    const char *tip = nullptr; // what a shortened header stands for
};

// What a row holds; a table's kind decides it, except that the insert
// operations ask for a layout explicitly.
enum class RowLayout { None, YAxis, XAxis, Variables, Overlay, AllVariables, AllOverlay };

const QVector<Column> &columnsOf(RowLayout layout);

// A new cell of the given type; a channel cell offers `channels`, nothing
// chosen.
QWidget *createCell(Cell cell, QWidget *parent, const QStringList &channels);

bool isOverview(RowLayout layout);

// Builds the editors of a cell made while editors were deferred
// (xy_cells::DeferredEditors); a cell that has them is left as it is.
void buildEditors(Cell cell, QWidget *widget);

// Takes the cell and its editors out of the window's Tab chain: the table
// leads Tab through its cells itself.
void keepOutOfTabChain(QWidget *cell);

// Puts a kept cell back into the state of a new one.
void resetCell(Cell cell, QWidget *widget, const QStringList &channels);

} // namespace xy_table

#endif // XY_SPREADSHEET_TABLE_COLUMNS_H

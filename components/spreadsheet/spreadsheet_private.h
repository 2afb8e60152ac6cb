// The inner state of a Spreadsheet, shared by the files that implement it.
#ifndef XY_SPREADSHEET_PRIVATE_H
#define XY_SPREADSHEET_PRIVATE_H

#include <interfaces/spreadsheet.h>
#include <interfaces/spreadsheet_columns.h>

#include "cell_keeper.h"
#include "overview_cells.h"
#include "table_columns.h"

#include <QObject>
#include <QVector>

class QAction;
class QLineEdit;

using xy_table::Cell;
using xy_table::CellKeeper;
using xy_table::Column;
using xy_table::RowLayout;
namespace ChannelRow = SpreadsheetColumns::ChannelRow;
namespace XAxisRow = SpreadsheetColumns::XAxisRow;
namespace YAxisRow = SpreadsheetColumns::YAxisRow;

struct Spreadsheet::Private : public QObject
{
    explicit Private(Spreadsheet *table)
        : q(table)
    {}

    Spreadsheet *q;
    int kind = NoKind;
    int graphNumber = 0;
    RowLayout requested = RowLayout::None;             // set while an insert operation runs
    RowLayout allGraphsRows = RowLayout::AllVariables; // what a kind 9 table lists
    bool measured = false;
    bool geometriesPending = false; // rows came while the cells were hidden
    bool heightFollowsRows = false;
    // Row the open menu was asked for; -1 without a menu (Delete Row then
    // takes the last row), NoRowPointed when the menu opened below the rows.
    enum { NoRowPointed = -2 };
    int menuRow = -1;
    QAction *addRowAction = nullptr;
    QAction *deleteRowAction = nullptr;
    QMetaObject::Connection modelConnections[3];
    CellKeeper *keeper = nullptr;

    xy_table::OverviewCells overview;

    RowLayout kindLayout() const;
    QStringList overlayChannels() const;

    // Cells and rows (spreadsheet_table.cpp).
    void showHeaders(RowLayout layout);
    void fillRow(int row, RowLayout layout);
    void takeTableFont(QWidget *cell) const;
    void shareTableFont() const;
    void fontChanged();
    void followAutoRange(int row, int checkColumn, int rangeColumn);
    void markAxisSides();
    void rowsInserted(const QModelIndex &parent, int first, int last);
    void refillAllRows();
    void insertRowWith(int row, RowLayout layout);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void cellsShown();

    // The row context menu (row_menu.cpp).
    void updateRowActions();
    void addRow();
    void deleteRow();

    // Tab navigation (tab_navigation.cpp).
    struct Field
    {
        QWidget *widget;
        int row;
        int column;
    };
    QVector<Field> tabFields() const;
    static int fieldHolding(const QVector<Field> &fields, const QWidget *focus);
    void focusField(const Field &field, bool next);
    QWidget *neighbourOutside(bool next) const;
    bool moveFocus(bool next);

    // Measuring (table_measure.cpp).
    void measure();
    void remeasure();
    static bool isNamesColumn(Cell cell);
    static int lineEditWidth(const QLineEdit *edit, int chars);
    int cellWidth(Cell cell, QWidget *probe, int hintWidth) const;
    int headerWidth(const QString &text, int column) const;
    void followRowsInHeight();
    void fitHeightToRows();
};

namespace xy_table {
// Kinds whose rows the user adds and deletes from the context menu.
bool hasRowMenuKind(int kind);
} // namespace xy_table
using xy_table::hasRowMenuKind;

#endif // XY_SPREADSHEET_PRIVATE_H

// Tables: every row gets the cells of the table's kind, however it is made;
// the variable and overlay tables add and delete rows from a menu.
#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QTimer>
#include <QToolButton>
#include <QTabWidget>
#include <QtTest>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

enum Way { BySetRowCount, ByInsertRow, RowsBeforeKind, ByOwnInsert };

const QStringList yAxesCells{"IconButtonWidget",        "LineEditColorWidget",     "CheckBoxWidget",
                             "LineEdit_LineEditWidget", "LineEdit_LineEditWidget", "LineEditWidget",
                             "LineEditColorWidget",     "Combo_SpinBoxWidget"};
const QStringList xAxisCells{"CheckBoxWidget",          "LineEdit_LineEditWidget",
                             "LineEdit_LineEditWidget", "LineEditColorWidget",
                             "LineEditWidget",          "LineEditColorWidget",
                             "Combo_SpinBoxWidget"};
const QStringList varCells{"ZelVariable", "ZelVariable", "IconButtonWidget", "LineEditColorWidget",
                           "Combo_SpinBoxWidget"};
const QStringList overlayCells{"ComboBoxWidget", "ComboBoxWidget", "IconButtonWidget",
                               "LineEditColorWidget", "Combo_SpinBoxWidget"};
const QStringList allVarCells{"LineEditWidget",   "ZelVariable",         "ZelVariable",
                              "IconButtonWidget", "LineEditColorWidget", "Combo_SpinBoxWidget"};
const QStringList allOverlayCells{"LineEditWidget",   "ComboBoxWidget",      "ComboBoxWidget",
                                  "IconButtonWidget", "LineEditColorWidget", "Combo_SpinBoxWidget"};

QStringList cellClasses(const Spreadsheet &table, int row)
{
    QStringList classes;
    for (int column = 0; column < table.columnCount(); ++column) {
        QWidget *cell = table.cellWidget(row, column);
        classes << (cell ? QString::fromLatin1(cell->metaObject()->className())
                         : QStringLiteral("-"));
    }
    return classes;
}

QAction *tableAction(Spreadsheet &table, const char *name)
{
    return table.findChild<QAction *>(QLatin1String(name));
}

// Colour of a row's line colour cell, used to tell rows apart.
QString rowMark(const Spreadsheet &table, int row, int column)
{
    auto *cell = qobject_cast<LineEditColorWidget *>(table.cellWidget(row, column));
    return cell ? cell->getBGStyleSheet() : QString();
}

void markRows(Spreadsheet &table, int column)
{
    for (int row = 0; row < table.rowCount(); ++row)
        qobject_cast<LineEditColorWidget *>(table.cellWidget(row, column))
            ->setBGStyleSheet(QColor(row * 10, 0, 0).name());
}

} // namespace

class TestSpreadsheetTables : public QObject
{
    Q_OBJECT

private slots:
    void rowsGetCellsOfTheirKind_data();
    void rowsGetCellsOfTheirKind();
    void insertOperationsChooseTheirCells_data();
    void insertOperationsChooseTheirCells();
    void insertPosition_data();
    void insertPosition();
    void yAxesRowsAreTheirAxis();
    void rangeFollowsAutoRange_data();
    void rangeFollowsAutoRange();
    void rowMenuActions_data();
    void rowMenuActions();
    void menuDeletesRowUnderCursor_data();
    void menuDeletesRowUnderCursor();
    void menuOnlyOnChannelTables_data();
    void menuOnlyOnChannelTables();
    void newOverlayRowsOfferGraphChannels_data();
    void newOverlayRowsOfferGraphChannels();
    void allGraphsCellsAreReadOnly();
    void refillingRowsLeavesNothingBehind();
    void refilledRowsStartAfresh_data();
    void refilledRowsStartAfresh();
    void cellsCoverTheirCells_data();
    void cellsCoverTheirCells();
    void popupsWaitUntilOpened();
    void allGraphsOverlayRowsFindEveryGraphsChannels();
    void allGraphsOverlayRowsFollowChangedChannels();
    void headersAndSizes_data();
    void headersAndSizes();
    void fitsDialogWidth_data();
    void fitsDialogWidth();
    void cellsTakeTableFont();
    void axesTablesFollowTheirRows_data();
    void axesTablesFollowTheirRows();
    void channelTablesShareHeight_data();
    void channelTablesShareHeight();
};

void TestSpreadsheetTables::rowsGetCellsOfTheirKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("way");
    QTest::addColumn<QStringList>("cells");
    const struct
    {
        int kind;
        const char *name;
        QStringList cells;
    } kinds[] = {{Spreadsheet::YAxesKind, "Y axes", yAxesCells},
                 {Spreadsheet::XAxisKind, "X axis", xAxisCells},
                 {Spreadsheet::XYVarKind, "variables", varCells},
                 {Spreadsheet::XYOverlayKind, "overlay", overlayCells},
                 {Spreadsheet::AllGraphsKind, "all graphs", allVarCells}};
    for (const auto &k : kinds) {
        QTest::addRow("%s, setRowCount", k.name) << k.kind << int(BySetRowCount) << k.cells;
        QTest::addRow("%s, insertRow", k.name) << k.kind << int(ByInsertRow) << k.cells;
        QTest::addRow("%s, rows before kind", k.name) << k.kind << int(RowsBeforeKind) << k.cells;
    }
    QTest::newRow("variables, insertXYVarRow")
        << int(Spreadsheet::XYVarKind) << int(ByOwnInsert) << varCells;
    QTest::newRow("overlay, insertXYOverlayRow")
        << int(Spreadsheet::XYOverlayKind) << int(ByOwnInsert) << overlayCells;
    QTest::newRow("all graphs, insertAllVarRow")
        << int(Spreadsheet::AllGraphsKind) << int(ByOwnInsert) << allVarCells;
}

void TestSpreadsheetTables::rowsGetCellsOfTheirKind()
{
    QFETCH(int, kind);
    QFETCH(int, way);
    QFETCH(QStringList, cells);
    Spreadsheet table;
    const int rows = 3;
    if (way == RowsBeforeKind) {
        table.setColumnCount(cells.size());
        table.setRowCount(rows);
    }
    table.setSpreadsheetKind(kind);
    QCOMPARE(table.spreadsheetKind(), kind);
    QCOMPARE(table.columnCount(), cells.size());
    switch (way) {
    case BySetRowCount:
        table.setRowCount(1);
        table.setRowCount(rows);
        break;
    case ByInsertRow:
        for (int i = 0; i < rows; ++i)
            table.insertRow(i == 2 ? 1 : 0);
        break;
    case ByOwnInsert:
        for (int i = 0; i < rows; ++i) {
            if (kind == Spreadsheet::XYVarKind)
                table.insertXYVarRow(i, 0);
            else if (kind == Spreadsheet::XYOverlayKind)
                table.insertXYOverlayRow(i, 0);
            else
                table.insertAllVarRow(i, 1);
        }
        break;
    default:
        break;
    }
    QCOMPARE(table.rowCount(), rows);
    for (int row = 0; row < rows; ++row)
        QCOMPARE(cellClasses(table, row), cells);

    // A kind set again rebuilds the rows with fresh cells of that kind.
    table.setSpreadsheetKind(kind);
    for (int row = 0; row < rows; ++row)
        QCOMPARE(cellClasses(table, row), cells);
}

void TestSpreadsheetTables::insertOperationsChooseTheirCells_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("operation"); // 0 var, 1 overlay, 2 all var, 3 all overlay
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("all graphs overlay rows")
        << int(Spreadsheet::AllGraphsKind) << 3 << allOverlayCells;
    QTest::newRow("overlay row in a variable table")
        << int(Spreadsheet::XYVarKind) << 1 << overlayCells;
    QTest::newRow("variable row in an overlay table")
        << int(Spreadsheet::XYOverlayKind) << 0 << varCells;
    QTest::newRow("all graphs row, table without kind")
        << int(Spreadsheet::NoKind) << 2 << allVarCells;
}

void TestSpreadsheetTables::insertOperationsChooseTheirCells()
{
    QFETCH(int, kind);
    QFETCH(int, operation);
    QFETCH(QStringList, cells);
    Spreadsheet table;
    table.setSpreadsheetKind(kind);
    for (int row = 0; row < 2; ++row) {
        switch (operation) {
        case 0:
            table.insertXYVarRow(row, 0);
            break;
        case 1:
            table.insertXYOverlayRow(row, 0);
            break;
        case 2:
            table.insertAllVarRow(row, 1);
            break;
        default:
            table.insertAllOverlayRow(row, row);
            break;
        }
    }
    QCOMPARE(table.rowCount(), 2);
    for (int row = 0; row < 2; ++row)
        QCOMPARE(cellClasses(table, row).mid(0, cells.size()), cells);

    if (kind == Spreadsheet::AllGraphsKind) {
        // An overview table keeps listing what it was last given.
        table.setRowCount(0);
        table.setRowCount(1);
        QCOMPARE(cellClasses(table, 0), cells);
        QCOMPARE(table.horizontalHeaderItem(1)->text(), QStringLiteral("X Channel"));
        table.insertAllVarRow(1, 1);
        QCOMPARE(cellClasses(table, 1), allVarCells);
        QCOMPARE(table.horizontalHeaderItem(1)->text(), QStringLiteral("X Variable"));
    }
}

void TestSpreadsheetTables::insertPosition_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("newRow");
    QTest::newRow("first") << 0 << 0;
    QTest::newRow("middle") << 1 << 1;
    QTest::newRow("end") << 2 << 2;
    QTest::newRow("past the end appends") << 7 << 2;
    QTest::newRow("negative appends") << -1 << 2;
}

void TestSpreadsheetTables::insertPosition()
{
    QFETCH(int, index);
    QFETCH(int, newRow);
    Spreadsheet table;
    table.setSpreadsheetKind(Spreadsheet::XYVarKind);
    table.setRowCount(2);
    markRows(table, 3);
    const QString first = rowMark(table, 0, 3);
    const QString second = rowMark(table, 1, 3);
    table.insertXYVarRow(index, 0);
    QCOMPARE(table.rowCount(), 3);
    QCOMPARE(cellClasses(table, newRow), varCells);
    QCOMPARE(rowMark(table, newRow, 3), QStringLiteral("#ffffff"));
    QStringList order;
    for (int row = 0; row < 3; ++row)
        if (row != newRow)
            order << rowMark(table, row, 3);
    QCOMPARE(order, (QStringList{first, second}));
}

void TestSpreadsheetTables::yAxesRowsAreTheirAxis()
{
    Spreadsheet table;
    table.setColumnCount(8);
    table.setRowCount(2);
    table.setSpreadsheetKind(Spreadsheet::YAxesKind);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    auto *left = qobject_cast<IconButtonWidget *>(table.cellWidget(0, 0));
    auto *right = qobject_cast<IconButtonWidget *>(table.cellWidget(1, 0));
    QVERIFY(left && right);
    QVERIFY(left->getLeftSelected());
    QVERIFY(!right->getLeftSelected());
    // The row is the axis: a click does not turn the left axis into the right.
    QTest::mouseClick(left, Qt::LeftButton, Qt::NoModifier, left->rect().center());
    QVERIFY(left->getLeftSelected());

    // The grid colour column carries the grid check box, the axis colour not.
    for (int row = 0; row < 2; ++row) {
        auto *grid = table.cellWidget(row, 6)->findChild<QCheckBox *>();
        QVERIFY(grid && grid->isVisible());
        QVERIFY(!table.cellWidget(row, 1)->findChild<QCheckBox *>());
    }
}

void TestSpreadsheetTables::rangeFollowsAutoRange_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("checkColumn");
    QTest::addColumn<int>("rangeColumn");
    QTest::newRow("Y axes") << int(Spreadsheet::YAxesKind) << 2 << 2 << 3;
    QTest::newRow("X axis") << int(Spreadsheet::XAxisKind) << 1 << 0 << 1;
}

void TestSpreadsheetTables::rangeFollowsAutoRange()
{
    QFETCH(int, kind);
    QFETCH(int, rows);
    QFETCH(int, checkColumn);
    QFETCH(int, rangeColumn);
    Spreadsheet table;
    table.setSpreadsheetKind(kind);
    table.setRowCount(rows);
    const int row = rows - 1;
    auto *check = qobject_cast<CheckBoxWidget *>(table.cellWidget(row, checkColumn));
    auto *range = qobject_cast<LineEdit_LineEditWidget *>(table.cellWidget(row, rangeColumn));
    QVERIFY(check && range);
    QVERIFY(range->lineEdit(0)->isEnabled());

    check->checkBox()->click();
    QVERIFY(check->getCheckBoxTrue());
    QVERIFY(!range->lineEdit(0)->isEnabled());
    QVERIFY(!range->lineEdit(1)->isEnabled());
    if (rows > 1) {
        auto *otherRange =
            qobject_cast<LineEdit_LineEditWidget *>(table.cellWidget(0, rangeColumn));
        QVERIFY(otherRange->lineEdit(0)->isEnabled());
    }
    check->checkBox()->click();
    QVERIFY(range->lineEdit(0)->isEnabled());
    QVERIFY(range->lineEdit(1)->isEnabled());

    // What the loading sets explicitly stays as it set it.
    check->setCheckBoxTrue(true);
    range->setLineEditBoxEnabled(0, true);
    QVERIFY(range->lineEdit(0)->isEnabled());
}

void TestSpreadsheetTables::rowMenuActions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("hasMenu");
    QTest::newRow("variables") << int(Spreadsheet::XYVarKind) << true;
    QTest::newRow("overlay") << int(Spreadsheet::XYOverlayKind) << true;
    QTest::newRow("all graphs") << int(Spreadsheet::AllGraphsKind) << false;
    QTest::newRow("Y axes") << int(Spreadsheet::YAxesKind) << false;
}

void TestSpreadsheetTables::rowMenuActions()
{
    QFETCH(int, kind);
    QFETCH(bool, hasMenu);
    Spreadsheet table;
    table.setSpreadsheetKind(kind);
    table.setRowCount(1);
    QAction *add = tableAction(table, "addRowAction");
    QAction *remove = tableAction(table, "deleteRowAction");
    QVERIFY(add && remove);
    QCOMPARE(add->text(), QStringLiteral("Add Row"));
    QCOMPARE(remove->text(), QStringLiteral("Delete Row"));

    if (!hasMenu) {
        QVERIFY(!add->isEnabled());
        add->trigger();
        remove->trigger();
        QCOMPARE(table.rowCount(), 1);
        return;
    }

    const QStringList cells = kind == Spreadsheet::XYVarKind ? varCells : overlayCells;
    for (int i = 0; i < 10; ++i)
        add->trigger();
    QCOMPARE(table.rowCount(), int(Spreadsheet::MaxChannelRows));
    QVERIFY(!add->isEnabled());
    QCOMPARE(cellClasses(table, Spreadsheet::MaxChannelRows - 1), cells);

    // Without a row under the cursor, Delete takes the last row.
    markRows(table, 3);
    remove->trigger();
    QCOMPARE(table.rowCount(), Spreadsheet::MaxChannelRows - 1);
    QCOMPARE(rowMark(table, table.rowCount() - 1, 3),
             QColor((table.rowCount() - 1) * 10, 0, 0).name());
    QVERIFY(add->isEnabled());

    while (table.rowCount() > 0)
        remove->trigger();
    QVERIFY(!remove->isEnabled());
    remove->trigger();
    QCOMPARE(table.rowCount(), 0);
    add->trigger();
    QCOMPARE(table.rowCount(), 1);
    QCOMPARE(cellClasses(table, 0), cells);
}

void TestSpreadsheetTables::menuDeletesRowUnderCursor_data()
{
    QTest::addColumn<int>("pointedRow"); // -1: below the last row
    QTest::addColumn<QStringList>("marksLeft");
    QTest::newRow("middle row") << 1
                                << QStringList{QColor(0, 0, 0).name(), QColor(20, 0, 0).name()};
    QTest::newRow("below the rows")
        << -1
        << QStringList{QColor(0, 0, 0).name(), QColor(10, 0, 0).name(), QColor(20, 0, 0).name()};
}

void TestSpreadsheetTables::menuDeletesRowUnderCursor()
{
    QFETCH(int, pointedRow);
    QFETCH(QStringList, marksLeft);
    Spreadsheet table;
    table.setSpreadsheetKind(Spreadsheet::XYVarKind);
    table.setRowCount(3);
    markRows(table, 3);
    table.resize(800, 300);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));

    QStringList offered;
    bool deleteEnabled = false;
    QTimer::singleShot(0, &table, [&]() {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            offered << action->text();
            if (action->objectName() == QLatin1String("deleteRowAction")) {
                deleteEnabled = action->isEnabled();
                menu->close();
                action->trigger();
            }
        }
    });
    const QRect lastRow = table.visualRect(table.model()->index(2, 4));
    const QPoint at = pointedRow >= 0
                          ? table.visualRect(table.model()->index(pointedRow, 4)).center()
                          : QPoint(lastRow.center().x(), lastRow.bottom() + 20);
    QVERIFY(at.y() < table.viewport()->height());
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, table.viewport()->mapToGlobal(at));
    QApplication::sendEvent(table.viewport(), &event);

    QCOMPARE(offered, (QStringList{QStringLiteral("Add Row"), QStringLiteral("Delete Row")}));
    QCOMPARE(deleteEnabled, pointedRow >= 0);
    QStringList marks;
    for (int row = 0; row < table.rowCount(); ++row)
        marks << rowMark(table, row, 3);
    QCOMPARE(marks, marksLeft);
    // Outside the menu the action works as before.
    QCOMPARE(tableAction(table, "deleteRowAction")->isEnabled(), true);
}

void TestSpreadsheetTables::menuOnlyOnChannelTables_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QVariant>("contextMenuVisible");
    QTest::newRow("all graphs, property set") << int(Spreadsheet::AllGraphsKind) << QVariant(true);
    QTest::newRow("Y axes") << int(Spreadsheet::YAxesKind) << QVariant();
    QTest::newRow("X axis") << int(Spreadsheet::XAxisKind) << QVariant();
    QTest::newRow("variables, switched off") << int(Spreadsheet::XYVarKind) << QVariant(false);
}

void TestSpreadsheetTables::menuOnlyOnChannelTables()
{
    QFETCH(int, kind);
    QFETCH(QVariant, contextMenuVisible);
    Spreadsheet table;
    table.setSpreadsheetKind(kind);
    table.setRowCount(1);
    if (contextMenuVisible.isValid())
        table.setProperty("contextMenuVisible", contextMenuVisible);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));

    bool popupSeen = false;
    QTimer::singleShot(0, &table, [&popupSeen]() {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            popupSeen = true;
            popup->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            table.viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&table, &event);
    QTest::qWait(20);
    QVERIFY(!popupSeen);
    QCOMPARE(table.rowCount(), 1);
}

void TestSpreadsheetTables::newOverlayRowsOfferGraphChannels_data()
{
    QTest::addColumn<int>("graph");
    QTest::addColumn<int>("way");
    for (int graph : {1, 3, 8}) {
        QTest::addRow("graph %d, setRowCount", graph) << graph << int(BySetRowCount);
        QTest::addRow("graph %d, menu", graph) << graph << int(ByInsertRow);
        QTest::addRow("graph %d, insertXYOverlayRow", graph) << graph << int(ByOwnInsert);
        QTest::addRow("graph %d, number after rows", graph) << graph << int(RowsBeforeKind);
    }
    QTest::newRow("no graph number") << 0 << int(BySetRowCount);
}

void TestSpreadsheetTables::newOverlayRowsOfferGraphChannels()
{
    QFETCH(int, graph);
    QFETCH(int, way);
    for (int slot = 0; slot < PlotSingleton::NumSlots; ++slot)
        PlotSingleton::replaceOverlayChannelNames(slot, new QStringList{QString(),
                                                                        QStringLiteral("X_%1").arg(
                                                                            slot + 1),
                                                                        QStringLiteral("Y_%1").arg(
                                                                            slot + 1)});
    const QStringList expected =
        graph > 0 ? PlotSingleton::overlayChannelNamesOf(graph - 1) : QStringList();

    Spreadsheet table;
    table.setSpreadsheetKind(Spreadsheet::XYOverlayKind);
    if (way != RowsBeforeKind)
        table.setGraphNumber(graph);
    switch (way) {
    case BySetRowCount:
    case RowsBeforeKind:
        table.setRowCount(2);
        break;
    case ByInsertRow:
        tableAction(table, "addRowAction")->trigger();
        tableAction(table, "addRowAction")->trigger();
        break;
    default:
        table.insertXYOverlayRow(0, 0);
        table.insertXYOverlayRow(1, 0);
        break;
    }
    if (way == RowsBeforeKind)
        table.setGraphNumber(graph);
    QCOMPARE(table.graphNumber(), graph);
    QCOMPARE(table.rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            auto *channel = qobject_cast<ComboBoxWidget *>(table.cellWidget(row, column));
            QVERIFY(channel);
            QStringList offered;
            for (int i = 0; i < channel->comboBox()->count(); ++i)
                offered << channel->comboBox()->itemText(i);
            QCOMPARE(offered, expected);
            QCOMPARE(channel->getComboBoxCurrentIndex(), -1);
        }
    }
}

void TestSpreadsheetTables::allGraphsCellsAreReadOnly()
{
    Spreadsheet table;
    table.setSpreadsheetKind(Spreadsheet::AllGraphsKind);
    table.insertAllVarRow(0, 1);
    table.insertAllOverlayRow(1, 0);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 6; ++column) {
            QWidget *cell = table.cellWidget(row, column);
            QVERIFY(cell);
            QVERIFY2(!cell->isEnabled(),
                     qPrintable(QStringLiteral("cell %1,%2").arg(row).arg(column)));
        }
    }
}

// The overview is emptied and refilled on every visit: the cells of removed
// rows must leave nothing behind in the table, or every visit grows the heap.
void TestSpreadsheetTables::refillingRowsLeavesNothingBehind()
{
#if defined(__GLIBC__)
    Spreadsheet table;
    table.setSpreadsheetKind(Spreadsheet::AllGraphsKind);
    const int rows = 40;
    auto refill = [&table]() {
        table.setRowCount(0);
        for (int row = 0; row < rows; ++row)
            table.insertAllVarRow(row, 1);
        // What an event loop would do: polish the new cells, delete the old.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    for (int round = 0; round < 5; ++round)
        refill();
    auto heapInUse = []() {
        const struct mallinfo2 info = mallinfo2();
        return qint64(info.uordblks + info.hblkhd);
    };
    const int rounds = 150;
    const qint64 before = heapInUse();
    for (int round = 0; round < rounds; ++round)
        refill();
    const qint64 grown = heapInUse() - before;
    const qint64 cells = qint64(rounds) * rows * table.columnCount();
    // A forgotten cell costs a hash node (about 30 bytes) or more; the event
    // queue's buffer adds a fixed noise of some 100 KiB at most.
    QVERIFY2(grown < 8 * cells,
             qPrintable(QStringLiteral("%1 bytes for %2 cells").arg(grown).arg(cells)));
#else
    QSKIP("needs glibc's heap statistics");
#endif
}

// What a row's cells show, as text, to compare rows.
QStringList rowState(const Spreadsheet &table, int row)
{
    QStringList state;
    for (int column = 0; column < table.columnCount(); ++column) {
        QWidget *cell = table.cellWidget(row, column);
        QString text =
            cell ? QString::fromLatin1(cell->metaObject()->className()) : QStringLiteral("-");
        if (auto *line = qobject_cast<LineEditWidget *>(cell))
            text += ":" + line->getLineEditText();
        else if (auto *variable = qobject_cast<ZelVariable *>(cell))
            text += QStringLiteral(":%1").arg(variable->comboBox()->currentIndex());
        else if (auto *channel = qobject_cast<ComboBoxWidget *>(cell))
            text += QStringLiteral(":%1/%2")
                        .arg(channel->getComboBoxCurrentIndex())
                        .arg(channel->comboBox()->count());
        else if (auto *side = qobject_cast<IconButtonWidget *>(cell))
            text += side->getLeftSelected() ? ":left" : ":right";
        else if (auto *color = qobject_cast<LineEditColorWidget *>(cell))
            text += ":" + color->getBGStyleSheet();
        else if (auto *line = qobject_cast<Combo_SpinBoxWidget *>(cell))
            text += QStringLiteral(":%1/%2")
                        .arg(line->getComboBoxCurrentIndex())
                        .arg(line->getSpinBoxValue());
        if (cell)
            text += cell->isEnabled() ? ":on" : ":off";
        state << text;
    }
    return state;
}

// Every cell set away from how a new row shows it.
void changeRow(Spreadsheet &table, int row)
{
    for (int column = 0; column < table.columnCount(); ++column) {
        QWidget *cell = table.cellWidget(row, column);
        if (auto *line = qobject_cast<LineEditWidget *>(cell))
            line->setLineEditText(QStringLiteral("7"));
        else if (auto *variable = qobject_cast<ZelVariable *>(cell))
            variable->comboBox()->setCurrentIndex(1);
        else if (auto *channel = qobject_cast<ComboBoxWidget *>(cell))
            channel->setComboBoxContentsList({QStringLiteral("ONLY")});
        else if (auto *side = qobject_cast<IconButtonWidget *>(cell))
            side->setLeftSelected(false);
        else if (auto *color = qobject_cast<LineEditColorWidget *>(cell))
            color->setBGStyleSheet(QStringLiteral("#123456"));
        else if (auto *style = qobject_cast<Combo_SpinBoxWidget *>(cell)) {
            style->setComboBoxCurrentIndex(3);
            style->setSpinBoxValue(9);
        }
    }
}

void TestSpreadsheetTables::refilledRowsStartAfresh_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("overlayRows");
    QTest::newRow("overview, variable rows") << int(Spreadsheet::AllGraphsKind) << false;
    QTest::newRow("overview, overlay rows") << int(Spreadsheet::AllGraphsKind) << true;
    QTest::newRow("variable table, overview rows") << int(Spreadsheet::XYVarKind) << false;
}

// The overview is emptied and filled on every visit; whatever a row showed
// before, a row inserted afterwards shows what a row of a new table shows.
void TestSpreadsheetTables::refilledRowsStartAfresh()
{
    QFETCH(int, kind);
    QFETCH(bool, overlayRows);
    ZelVariable::setAvailableVariables(
        {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    for (int slot = 0; slot < PlotSingleton::NumSlots; ++slot)
        PlotSingleton::replaceOverlayChannelNames(slot, new QStringList{QString(),
                                                                        QStringLiteral("TIME")});
    auto insert = [overlayRows](Spreadsheet &table, int row) {
        if (overlayRows)
            table.insertAllOverlayRow(row, 0);
        else
            table.insertAllVarRow(row, 1);
    };
    Spreadsheet fresh;
    fresh.setSpreadsheetKind(kind);
    insert(fresh, 0);
    const QStringList expected = rowState(fresh, 0);

    Spreadsheet table;
    table.setSpreadsheetKind(kind);
    for (int round = 0; round < 3; ++round) {
        for (int row = 0; row < 4; ++row) {
            insert(table, row);
            QCOMPARE(rowState(table, row), expected);
            changeRow(table, row);
            if (round == 1)
                table.cellWidget(row, 1)->setEnabled(kind == Spreadsheet::AllGraphsKind);
        }
        table.setRowCount(round == 0 ? 1 : 0); // then a removal of some rows only
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Rows come back in another layout: the other kind of overview row.
    overlayRows = !overlayRows;
    table.setRowCount(0);
    insert(table, 0);
    insert(fresh, 1);
    QCOMPARE(rowState(table, 0), rowState(fresh, 1));
}

void TestSpreadsheetTables::cellsCoverTheirCells_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("filledWhileHidden");
    QTest::addColumn<bool>("scrolled");
    for (int kind : {int(Spreadsheet::XYVarKind), int(Spreadsheet::AllGraphsKind)}) {
        const char *name = kind == Spreadsheet::XYVarKind ? "variables" : "overview";
        QTest::addRow("%s, filled on screen", name) << kind << false << false;
        QTest::addRow("%s, filled while hidden", name) << kind << true << false;
        QTest::addRow("%s, filled while hidden, then scrolled", name) << kind << true << true;
    }
}

// However the rows came, each cell widget lies on its table cell once the
// table is on screen. The overview shows the cells in view only, and shows
// others as they are scrolled to.
void TestSpreadsheetTables::cellsCoverTheirCells()
{
    QFETCH(int, kind);
    QFETCH(bool, filledWhileHidden);
    QFETCH(bool, scrolled);
    const bool overview = kind == Spreadsheet::AllGraphsKind;
    QWidget page;
    auto *layout = new QVBoxLayout(&page);
    auto *table = new Spreadsheet;
    table->setSpreadsheetKind(kind);
    layout->addWidget(table);
    page.resize(700, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    if (filledWhileHidden)
        table->hide();
    for (int row = 0; row < 40; ++row) {
        if (overview)
            table->insertAllVarRow(row, 1);
        else
            table->insertXYVarRow(row, 0);
    }
    table->show();
    if (scrolled)
        table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum() / 2);
    QCoreApplication::sendPostedEvents();
    QVERIFY(table->verticalScrollBar()->maximum() > 0);
    const QRect area = table->viewport()->rect();
    int inView = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            QWidget *widget = table->cellWidget(row, column);
            const QRect cell = table->visualRect(table->model()->index(row, column));
            if (overview && !cell.intersects(area)) {
                QVERIFY(widget->isHidden());
                continue;
            }
            ++inView;
            QCOMPARE(widget->geometry(), cell);
            QVERIFY(widget->isVisible());
        }
    }
    QVERIFY(inView > 0);
    QCOMPARE(inView < table->rowCount() * table->columnCount(), overview);
}

// Combo boxes under a style sheet and a table font build their popup lists
// only when opened: hundreds of cells would otherwise each build one, and a
// selector's lays out the whole catalogue.
void TestSpreadsheetTables::popupsWaitUntilOpened()
{
    ZelVariable::setAvailableVariables({QStringLiteral("A"), QStringLiteral("B")});
    for (int slot = 0; slot < PlotSingleton::NumSlots; ++slot)
        PlotSingleton::replaceOverlayChannelNames(slot, new QStringList{QString(),
                                                                        QStringLiteral("TIME")});
    QWidget page;
    page.setStyleSheet(QStringLiteral("QTabBar::tab { height: 30px; }"));
    auto *layout = new QVBoxLayout(&page);
    QFont small = QApplication::font();
    small.setPointSize(QApplication::font().pointSize() - 2);
    QVector<Spreadsheet *> tables;
    for (int kind : {int(Spreadsheet::XYVarKind), int(Spreadsheet::XYOverlayKind),
                     int(Spreadsheet::YAxesKind)}) {
        auto *table = new Spreadsheet;
        table->setGraphNumber(1);
        table->setSpreadsheetKind(kind);
        table->setFont(small);
        table->setRowCount(2);
        layout->addWidget(table);
        tables << table;
    }
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto popupOf = [](QComboBox *combo) {
        return combo->findChild<QFrame *>(QString(), Qt::FindDirectChildrenOnly);
    };
    int combos = 0;
    for (Spreadsheet *table : tables) {
        for (QComboBox *combo : table->viewport()->findChildren<QComboBox *>()) {
            ++combos;
            QVERIFY2(!popupOf(combo), combo->parentWidget()->metaObject()->className());
        }
    }
    QCOMPARE(combos, 2 * 3 + 2 * 3 + 2 * 1);

    auto *selector = qobject_cast<ZelVariable *>(tables[0]->cellWidget(1, 0));
    QVERIFY(selector);
    QComboBox *combo = selector->comboBox();
    combo->showPopup();
    QVERIFY(popupOf(combo));
    QTRY_VERIFY(combo->view()->isVisible());
    QCOMPARE(combo->view()->model()->rowCount(), 2);
    QCOMPARE(combo->view()->font().pointSize(), small.pointSize());
    combo->hidePopup();
}

void TestSpreadsheetTables::allGraphsOverlayRowsFindEveryGraphsChannels()
{
    for (int slot = 0; slot < PlotSingleton::NumSlots; ++slot)
        PlotSingleton::replaceOverlayChannelNames(slot,
                                                  new QStringList{QString(), QStringLiteral("TIME"),
                                                                  QStringLiteral("CH_%1").arg(
                                                                      slot + 1)});
    Spreadsheet table;
    table.setSpreadsheetKind(Spreadsheet::AllGraphsKind);
    // Graphs 1, 2, 4 shown: the third overlay row carries position 2.
    table.insertAllOverlayRow(0, 0);
    table.insertAllOverlayRow(1, 1);
    table.insertAllOverlayRow(2, 2);
    const QStringList stored{QStringLiteral("CH_1"), QStringLiteral("CH_2"), QStringLiteral("CH_4")};
    for (int row = 0; row < 3; ++row) {
        for (int column : {1, 2}) {
            auto *channel = qobject_cast<ComboBoxWidget *>(table.cellWidget(row, column));
            QVERIFY(channel);
            const QString name = column == 1 ? QStringLiteral("TIME") : stored.at(row);
            channel->setComboBoxCurrentIndex(channel->findIndex(name));
            QCOMPARE(channel->getComboBoxCurrentText(), name);
        }
    }
}

// Rows made after a slot's channels were replaced, or edited in place, offer
// the channels as they are then, not as an earlier row saw them.
void TestSpreadsheetTables::allGraphsOverlayRowsFollowChangedChannels()
{
    for (int slot = 0; slot < PlotSingleton::NumSlots; ++slot)
        PlotSingleton::replaceOverlayChannelNames(slot, new QStringList{QString(),
                                                                        QStringLiteral("TIME")});
    Spreadsheet table;
    table.setSpreadsheetKind(Spreadsheet::AllGraphsKind);
    const auto offered = [&table](int row) {
        QStringList names;
        auto *channel = qobject_cast<ComboBoxWidget *>(table.cellWidget(row, 1));
        if (channel) {
            for (int i = 0; i < channel->comboBox()->count(); ++i)
                names << channel->comboBox()->itemText(i);
        }
        return names;
    };
    table.insertAllOverlayRow(0, 0);
    QCOMPARE(offered(0), (QStringList{QString(), QStringLiteral("TIME")}));

    PlotSingleton::replaceOverlayChannelNames(3, new QStringList{QString(), QStringLiteral("RPM")});
    table.insertAllOverlayRow(1, 1);
    QCOMPARE(offered(1), (QStringList{QString(), QStringLiteral("TIME"), QStringLiteral("RPM")}));

    PlotSingleton::instance()->overlayChannelNames[5]->append(QStringLiteral("OIL"));
    table.insertAllOverlayRow(2, 2);
    QCOMPARE(offered(2), (QStringList{QString(), QStringLiteral("TIME"), QStringLiteral("RPM"),
                                      QStringLiteral("OIL")}));

    PlotSingleton::instance()->overlayChannelNames[3]->clear();
    table.insertAllOverlayRow(3, 3);
    QCOMPARE(offered(3), (QStringList{QString(), QStringLiteral("TIME"), QStringLiteral("OIL")}));
    // Rows made earlier keep what they were given.
    QCOMPARE(offered(1), (QStringList{QString(), QStringLiteral("TIME"), QStringLiteral("RPM")}));
}

void TestSpreadsheetTables::headersAndSizes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("headers");
    QTest::newRow("Y axes") << int(Spreadsheet::YAxesKind) << 2
                            << QStringList{"Axis",          "Color",
                                           "Auto",          "Min / Max",
                                           "Major / Minor", "Label",
                                           "Grid Color",    "Grid Style / Width"};
    QTest::newRow("X axis") << int(Spreadsheet::XAxisKind) << 1
                            << QStringList{"Auto",  "Min / Max",  "Major / Minor",     "Color",
                                           "Label", "Grid Color", "Grid Style / Width"};
    QTest::newRow("variables") << int(Spreadsheet::XYVarKind) << 3
                               << QStringList{"X Variable", "Y Variable", "Y Axis", "Line Color",
                                              "Line Style / Width"};
    QTest::newRow("overlay") << int(Spreadsheet::XYOverlayKind) << 1
                             << QStringList{"X Channel", "Y Channel", "Y Axis", "Line Color",
                                            "Line Style / Width"};
    QTest::newRow("all graphs") << int(Spreadsheet::AllGraphsKind) << 2
                                << QStringList{"Graph",  "X Variable", "Y Variable",
                                               "Y Axis", "Line Color", "Line Style / Width"};
}

void TestSpreadsheetTables::headersAndSizes()
{
    QFETCH(int, kind);
    QFETCH(int, rows);
    QFETCH(QStringList, headers);
    Spreadsheet table;
    table.setSpreadsheetKind(kind);
    table.setRowCount(rows);
    QStringList shown;
    for (int column = 0; column < table.columnCount(); ++column)
        shown << table.horizontalHeaderItem(column)->text();
    QCOMPARE(shown, headers);

    table.resize(1600, 400);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    const QFontMetrics headerFm(table.horizontalHeader()->font());
    for (int column = 0; column < table.columnCount(); ++column) {
        const int width = table.columnWidth(column);
        QVERIFY2(width > headerFm.horizontalAdvance(headers.at(column)),
                 qPrintable(headers.at(column)));
        for (int row = 0; row < rows; ++row) {
            QWidget *cell = table.cellWidget(row, column);
            QVERIFY2(width >= cell->minimumSizeHint().width(), qPrintable(headers.at(column)));
            QVERIFY2(table.rowHeight(row) >= cell->sizeHint().height(),
                     qPrintable(headers.at(column)));
        }
    }
    // Rows added later are as tall as the first ones.
    table.setRowCount(rows + 1);
    QCOMPARE(table.rowHeight(rows), table.rowHeight(0));
}

// A table page of the dialog (866 px wide) leaves a table this wide, beside
// the vertical graph tabs.
const int dialogTableWidth = 829;

// The form gives the axes and all-graphs tables a 10 pt font; the channel
// tables keep the default one.
QFont formFont(int kind)
{
    QFont font = QApplication::font();
    if (kind == Spreadsheet::YAxesKind || kind == Spreadsheet::XAxisKind
        || kind == Spreadsheet::AllGraphsKind)
        font.setPointSize(10);
    return font;
}

void TestSpreadsheetTables::fitsDialogWidth_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("rows");
    const struct
    {
        const char *name;
        int kind;
        int rows;
    } tables[] = {{"Y axes", Spreadsheet::YAxesKind, 2},
                  {"X axis", Spreadsheet::XAxisKind, 1},
                  {"variables", Spreadsheet::XYVarKind, Spreadsheet::MaxChannelRows},
                  {"overlay", Spreadsheet::XYOverlayKind, Spreadsheet::MaxChannelRows},
                  {"all graphs", Spreadsheet::AllGraphsKind, 2 * Spreadsheet::MaxChannelRows}};
    for (const auto &table : tables)
        QTest::newRow(table.name) << table.kind << table.rows;
}

// Every table fits the dialog's width without scrolling sideways, and still
// shows every header and cell whole; the names columns take the rest.
void TestSpreadsheetTables::fitsDialogWidth()
{
    QFETCH(int, kind);
    QFETCH(int, rows);
    Spreadsheet table;
    table.setFont(formFont(kind));
    table.setSpreadsheetKind(kind);
    for (int row = 0; row < rows; ++row) {
        if (kind == Spreadsheet::AllGraphsKind)
            table.insertAllVarRow(row, 0);
        else
            table.insertRow(row);
    }
    table.resize(dialogTableWidth, 300);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QApplication::processEvents();

    QCOMPARE(table.horizontalScrollBar()->maximum(), 0);
    QHeaderView *header = table.horizontalHeader();
    const QFontMetrics headerFm(header->font());
    const QFontMetrics cellFm(table.font());
    int total = 0;
    for (int column = 0; column < table.columnCount(); ++column) {
        const QString text = table.horizontalHeaderItem(column)->text();
        const int width = table.columnWidth(column);
        total += width;
        QVERIFY2(width > headerFm.horizontalAdvance(text), qPrintable(text));
        QWidget *cell = table.cellWidget(0, column);
        QVERIFY(cell);
        if (header->sectionResizeMode(column) == QHeaderView::Stretch) {
            QVERIFY2(width >= 8 * cellFm.averageCharWidth(), qPrintable(text));
            QVERIFY2(qobject_cast<ZelVariable *>(cell) || qobject_cast<ComboBoxWidget *>(cell)
                         || (qobject_cast<LineEditWidget *>(cell) && column > 0),
                     qPrintable(text));
        } else {
            QVERIFY2(width >= cell->minimumSizeHint().width(), qPrintable(text));
        }
    }
    // The stretched names leave no gap at the end.
    QVERIFY(total >= table.viewport()->width() - 1);
}

// Under a style sheet, as in the dialog, the cells do not inherit the font
// the form gives a table; they are given it, or the columns measured for it
// would clip them.
void TestSpreadsheetTables::cellsTakeTableFont()
{
    // A page that goes into styled tabs with a larger font than the
    // table's once its table is made, as in the dialog's form.
    QTabWidget tabs;
    tabs.setStyleSheet(QStringLiteral("QTabBar::tab { height: 30px; }"));
    QFont large = QApplication::font();
    large.setPointSize(QApplication::font().pointSize() + 3);
    tabs.setFont(large);
    auto *outerPage = new QWidget;
    outerPage->setStyleSheet(QStringLiteral("QTabBar::tab { height: 75px; width: 30px; }"));
    auto *innerTabs = new QTabWidget(outerPage);
    QFont small = QApplication::font();
    small.setPointSize(QApplication::font().pointSize() - 2);
    innerTabs->setFont(small);
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *table = new Spreadsheet;
    table->setFont(small);
    table->setSpreadsheetKind(Spreadsheet::YAxesKind);
    table->setRowCount(2);
    layout->addWidget(table);
    innerTabs->addTab(page, QStringLiteral("Graph 1"));
    tabs.addTab(outerPage, QStringLiteral("Axes"));
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    // Every cell paints in the font its column was measured in (a colour
    // name in a larger one is cut).
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < table->columnCount(); ++column) {
            QWidget *cell = table->cellWidget(row, column);
            QCOMPARE(cell->font().pointSize(), small.pointSize());
            for (const QWidget *editor : cell->findChildren<QWidget *>())
                QCOMPARE(editor->font().pointSize(), small.pointSize());
        }
    auto *label = qobject_cast<LineEditWidget *>(table->cellWidget(0, 5));
    QVERIFY(label);
    // Rows added later and a later font change follow too.
    table->insertRow(2);
    auto *added = qobject_cast<LineEditWidget *>(table->cellWidget(2, 5));
    QVERIFY(added);
    QCOMPARE(added->lineEdit()->font().pointSize(), small.pointSize());
    small.setPointSize(small.pointSize() + 4);
    table->setFont(small);
    QCOMPARE(label->lineEdit()->font().pointSize(), small.pointSize());
}

void TestSpreadsheetTables::axesTablesFollowTheirRows_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("rows");
    QTest::newRow("Y axes") << int(Spreadsheet::YAxesKind) << 2;
}

// The axes tables are as tall as header and rows in a tall page, so that
// both fit the axes page without empty areas; they do not scroll.
void TestSpreadsheetTables::axesTablesFollowTheirRows()
{
    QFETCH(int, kind);
    QFETCH(int, rows);
    QWidget page;
    auto *layout = new QVBoxLayout(&page);
    auto *table = new Spreadsheet;
    table->setFont(formFont(kind));
    table->setSpreadsheetKind(kind);
    table->setRowCount(rows);
    layout->addWidget(table);
    layout->addStretch();
    page.resize(dialogTableWidth, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QApplication::processEvents();

    auto rowsHeight = [table]() {
        return 2 * table->frameWidth() + table->horizontalHeader()->height()
               + table->verticalHeader()->length();
    };
    QCOMPARE(table->height(), rowsHeight());
    QCOMPARE(table->verticalScrollBar()->maximum(), 0);
    QCOMPARE(table->sizePolicy().verticalPolicy(), QSizePolicy::Maximum);
    const int before = table->sizeHint().height();

    // A row more: the hint and the table grow by one row.
    table->insertRow(rows);
    QApplication::processEvents();
    QCOMPARE(table->sizeHint().height(), before + table->rowHeight(rows));
    QCOMPARE(table->height(), rowsHeight());

    // A channel kind gives the height back to the page.
    table->setSpreadsheetKind(Spreadsheet::XYVarKind);
    QCOMPARE(table->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(table->maximumHeight(), QWIDGETSIZE_MAX);
}

void TestSpreadsheetTables::channelTablesShareHeight_data()
{
    QTest::addColumn<int>("upperKind");
    QTest::addColumn<int>("lowerKind");
    QTest::addColumn<int>("upperRows");
    QTest::addColumn<int>("lowerRows");
    QTest::newRow("graph page") << int(Spreadsheet::XYVarKind) << int(Spreadsheet::XYOverlayKind)
                                << int(Spreadsheet::MaxChannelRows) << 1;
    QTest::newRow("all graphs page")
        << int(Spreadsheet::AllGraphsKind) << int(Spreadsheet::AllGraphsKind) << 12 << 0;
}

// The two tables of a page share its height, however many rows each holds.
void TestSpreadsheetTables::channelTablesShareHeight()
{
    QFETCH(int, upperKind);
    QFETCH(int, lowerKind);
    QFETCH(int, upperRows);
    QFETCH(int, lowerRows);
    QWidget page;
    auto *layout = new QVBoxLayout(&page);
    Spreadsheet *tables[2] = {new Spreadsheet, new Spreadsheet};
    tables[0]->setFont(formFont(upperKind));
    tables[1]->setFont(formFont(lowerKind));
    tables[0]->setSpreadsheetKind(upperKind);
    tables[1]->setSpreadsheetKind(lowerKind);
    const int rows[2] = {upperRows, lowerRows};
    for (int i = 0; i < 2; ++i) {
        for (int row = 0; row < rows[i]; ++row) {
            if (tables[i]->spreadsheetKind() == Spreadsheet::AllGraphsKind)
                tables[i]->insertAllVarRow(row, 0);
            else
                tables[i]->insertRow(row);
        }
        layout->addWidget(tables[i]);
    }
    page.resize(dialogTableWidth, 560);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QApplication::processEvents();
    QVERIFY2(qAbs(tables[0]->height() - tables[1]->height()) <= 1,
             qPrintable(
                 QStringLiteral("%1 / %2").arg(tables[0]->height()).arg(tables[1]->height())));
    QVERIFY(tables[0]->height() + tables[1]->height() >= 560 - 3 * layout->spacing()
                                                             - layout->contentsMargins().top()
                                                             - layout->contentsMargins().bottom());
}

QTEST_MAIN(TestSpreadsheetTables)
#include "tst_spreadsheet_tables.moc"

// Tables: every row gets the cells of the table's kind, however it is made;
// the variable and overlay tables add and delete rows from a menu; the
// overview lists every graph's rows read only.
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
#include <QTimer>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

enum Way { SetRowCount, InsertRow, RowsBeforeKind, OwnInsert, OtherInsert };
constexpr int Y = Spreadsheet::YAxesKind, X = Spreadsheet::XAxisKind, Vars = Spreadsheet::XYVarKind,
              Overlay = Spreadsheet::XYOverlayKind, All = Spreadsheet::AllGraphsKind;
const QString axisCells = "LineEdit_LineEditWidget,LineEdit_LineEditWidget,";
const QString lineCells = "IconButtonWidget,LineEditColorWidget,Combo_SpinBoxWidget";
const QString yAxesCells = "IconButtonWidget,LineEditColorWidget,CheckBoxWidget," + axisCells
                           + "LineEditWidget,LineEditColorWidget,Combo_SpinBoxWidget";
const QString xAxisCells = "CheckBoxWidget," + axisCells
                           + "LineEditColorWidget,LineEditWidget,LineEditColorWidget,"
                             "Combo_SpinBoxWidget";
const QString varCells = "ZelVariable,ZelVariable," + lineCells;
const QString overlayCells = "ComboBoxWidget,ComboBoxWidget," + lineCells;

template<class W>
W *cellAt(const Spreadsheet &table, int row, int column)
{
    return qobject_cast<W *>(table.cellWidget(row, column));
}

QString cellClasses(const Spreadsheet &table, int row)
{
    QStringList classes;
    for (int column = 0; column < table.columnCount(); ++column)
        classes << table.cellWidget(row, column)->metaObject()->className(); // none: a crash
    return classes.join(',');
}

// Rows are told apart by the colour of their line colour cell (column 3):
// row r is marked with red 10 * r, a new row is white ("w").
QString marks(const Spreadsheet &table)
{
    QStringList found;
    for (int row = 0; row < table.rowCount(); ++row) {
        const QColor color(cellAt<LineEditColorWidget>(table, row, 3)->getBGStyleSheet());
        found << (color == Qt::white ? QString("w") : QString::number(color.red() / 10));
    }
    return found.join(',');
}
void markRows(Spreadsheet &table)
{
    for (int row = 0; row < table.rowCount(); ++row)
        cellAt<LineEditColorWidget>(table, row, 3)->setBGStyleSheet(QColor(row * 10, 0, 0).name());
}

QAction *rowAction(Spreadsheet &table, bool add)
{
    for (QAction *action : table.findChildren<QAction *>())
        if (action->text() == (add ? "Add Row" : "Delete Row"))
            return action;
    return nullptr;
}

QStringList offered(QWidget *cell)
{
    QStringList names;
    auto *channel = qobject_cast<ComboBoxWidget *>(cell);
    for (int i = 0; channel && i < channel->comboBox()->count(); ++i)
        names << channel->comboBox()->itemText(i);
    return names;
}

void insertOverviewRow(Spreadsheet &table, int row, bool overlay)
{
    overlay ? table.insertAllOverlayRow(row, 0) : table.insertAllVarRow(row, 1);
}

// What an overview cell shows; then every part of it is changed.
QString touchCell(QWidget *cell, int row)
{
    QString state = QString::number(cell->isEnabled());
    if (auto *text = qobject_cast<LineEditWidget *>(cell)) {
        state += text->getLineEditText();
        text->setLineEditText("7");
    } else if (auto *variable = qobject_cast<ZelVariable *>(cell)) {
        state += QString::number(variable->comboBox()->currentIndex());
        variable->comboBox()->setCurrentIndex(1);
    } else if (auto *channel = qobject_cast<ComboBoxWidget *>(cell)) {
        state += offered(cell).join('/') + QString::number(channel->getComboBoxCurrentIndex());
        row % 2 ? channel->setComboBoxContentsList({"ONLY"}) : channel->setComboBoxCurrentIndex(1);
    } else if (auto *side = qobject_cast<IconButtonWidget *>(cell)) {
        state += QString::number(side->getLeftSelected());
        side->setLeftSelected(false);
    } else if (auto *color = qobject_cast<LineEditColorWidget *>(cell)) {
        state += color->getBGStyleSheet();
        color->setBGStyleSheet("#123456");
    } else if (auto *line = qobject_cast<Combo_SpinBoxWidget *>(cell)) {
        state +=
            QString::asprintf("%d/%d", line->getComboBoxCurrentIndex(), line->getSpinBoxValue());
        line->setComboBoxCurrentIndex(3);
        line->setSpinBoxValue(9);
    }
    return state;
}

} // namespace

class TestSpreadsheetTables : public QObject
{
    Q_OBJECT

private slots:
    // A refilled overview's rows start as new ones, whatever their cells had;
    // overlay rows offer every graph's channels as they are when made.
    void overviewRows_data()
    {
        QTest::addColumn<bool>("overlay");
        QTest::newRow("variable rows") << false;
        QTest::newRow("overlay rows") << true;
    }
    void overviewRows()
    {
        QFETCH(bool, overlay);
        ZelVariable::setAvailableVariables({"A", "B", "C"});
        for (int slot = 0; slot < PlotSingleton::NumSlots; ++slot)
            PlotSingleton::replaceOverlayChannelNames(slot, new QStringList{{}, "TIME"});
        Spreadsheet fresh, table;
        fresh.setSpreadsheetKind(All);
        insertOverviewRow(fresh, 0, overlay);
        QStringList expected;
        for (int column = 0; column < fresh.columnCount(); ++column)
            expected << touchCell(fresh.cellWidget(0, column), 0);
        table.setSpreadsheetKind(All);
        for (int round = 0; round < 3; ++round) {
            for (int row = 0; row < 3; ++row) {
                insertOverviewRow(table, row, overlay);
                QCOMPARE(cellClasses(table, row), cellClasses(fresh, 0));
                QStringList found;
                for (int column = 0; column < table.columnCount(); ++column)
                    found << touchCell(table.cellWidget(row, column), row);
                QCOMPARE(found, expected);
            }
            table.setRowCount(round == 0 ? 1 : 0); // some rows go, then all
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (!overlay)
            return;
        // Channels replaced, edited in place, cleared: later rows follow,
        // earlier rows keep what they were given.
        table.setRowCount(0);
        PlotSingleton::replaceOverlayChannelNames(3, new QStringList{{}, "RPM"});
        insertOverviewRow(table, 0, true);
        PlotSingleton::instance()->overlayChannelNames[5]->append("OIL");
        insertOverviewRow(table, 1, true);
        PlotSingleton::instance()->overlayChannelNames[3]->clear();
        insertOverviewRow(table, 2, true);
        QStringList lists;
        for (int row = 0; row < 3; ++row)
            lists << offered(table.cellWidget(row, 2)).join('/');
        QCOMPARE(lists.join(' '), QString("/TIME/RPM /TIME/RPM/OIL /TIME/OIL"));
    }

    // OwnInsert: the table's insert operation (the overview: variable rows),
    // OtherInsert: the other one's. Overlay rows offer their graph's channels.
    void rowsGetCellsOfTheirKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("way");
        for (int kind : {Y, X, Vars, Overlay, All})
            for (int way = SetRowCount; way <= OtherInsert; ++way)
                if (way <= RowsBeforeKind || (kind != Y && kind != X))
                    QTest::addRow("kind %d, way %d", kind, way) << kind << way;
    }
    void rowsGetCellsOfTheirKind()
    {
        QFETCH(int, kind);
        QFETCH(int, way);
        QString cells = kind == Y                                   ? yAxesCells
                        : kind == X                                 ? xAxisCells
                        : (kind == Overlay) != (way == OtherInsert) ? overlayCells
                                                                    : varCells;
        if (kind == All)
            cells.prepend("LineEditWidget,");
        for (int slot = 0; slot < PlotSingleton::NumSlots; ++slot) {
            const QString channel = QString::asprintf("X_%d", slot + 1);
            PlotSingleton::replaceOverlayChannelNames(slot, new QStringList{{}, channel});
        }
        const int graph = way == SetRowCount ? 1 : way == OwnInsert ? 9 : 8; // 1 to 8 offer
        Spreadsheet table;
        if (way == RowsBeforeKind) {
            table.setColumnCount(cells.count(',') + 1);
            table.setRowCount(3);
        }
        table.setSpreadsheetKind(kind);
        table.setGraphNumber(way == RowsBeforeKind ? 0 : graph);
        for (int i = 0; i < 3 && way != RowsBeforeKind; ++i) {
            if (way == SetRowCount)
                table.setRowCount(i + 1);
            else if (way == InsertRow)
                table.insertRow(i == 2 ? 1 : 0);
            else if (kind == All)
                insertOverviewRow(table, i, way == OtherInsert);
            else if ((kind == Vars) == (way == OwnInsert))
                table.insertXYVarRow(i, 0);
            else
                table.insertXYOverlayRow(i, 0);
        }
        QCOMPARE(table.rowCount(), 3);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(cellClasses(table, row), cells);
        QCOMPARE(table.cellWidget(1, 1)->isEnabled(), kind != All); // the overview is read only
        table.setGraphNumber(graph);               // rows made before get the graph's channels too
        if (kind == Overlay && way != OtherInsert) // nothing chosen
            QCOMPARE(offered(table.cellWidget(2, 0)).join('/') + '|'
                         + offered(table.cellWidget(0, 1)).join('/')
                         + QString::number(
                             cellAt<ComboBoxWidget>(table, 1, 0)->getComboBoxCurrentIndex()),
                     graph > 8 ? QString("|-1") : QString::asprintf("/X_%d|/X_%d-1", graph, graph));
        table.setSpreadsheetKind(Spreadsheet::NoKind); // no kind takes the cells away
        QVERIFY(!table.cellWidget(2, 0));
    }

    void insertPosition()
    {
        QStringList found;
        for (int index : {0, 1, 3, -1}) {
            Spreadsheet table;
            table.setSpreadsheetKind(Vars);
            table.setRowCount(2);
            markRows(table);
            table.insertXYVarRow(index, 0);
            found << marks(table);
        }
        QCOMPARE(found.join(' '), QString("w,0,1 0,w,1 0,1,w 0,1,w")); // outside: appended
    }

    // Y axes rows are their axis, left then right, whatever the click; the
    // range fields of an axis are editable while it is not auto ranged;
    // only the grid colour carries the grid check box.
    void axisRows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("Y axes") << Y;
        QTest::newRow("X axis") << X;
    }
    void axisRows()
    {
        QFETCH(int, kind);
        const int autoColumn = kind == Y ? 2 : 0;
        Spreadsheet table;
        table.setSpreadsheetKind(kind);
        table.setRowCount(2);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QString states;
        for (int row : {0, 1, 1, 0}) {
            if (states.size() < 9)
                cellAt<CheckBoxWidget>(table, row, autoColumn)->checkBox()->click();
            auto *range = cellAt<LineEdit_LineEditWidget>(table, row, autoColumn + 1);
            states += QString::asprintf("%d%d ", range->lineEdit(0)->isEnabled(),
                                        range->lineEdit(1)->isEnabled());
            QCOMPARE(table.cellWidget(row, 6)->findChild<QCheckBox *>() != nullptr, kind == Y);
            auto *side = cellAt<IconButtonWidget>(table, row, 0);
            if (kind == Y) {
                QTest::mouseClick(table.windowHandle(), Qt::LeftButton, {},
                                  side->mapTo(&table, side->rect().center()));
                QCOMPARE(side->getLeftSelected(), row == 0);
            }
        }
        QCOMPARE(states, QString("00 00 11 00 ")); // the other row untouched
    }

    // The menu on a row deletes that row, below the rows none; other kinds,
    // or a form that switched it off, show none. Then, as a host does:
    // Delete Row takes the last row, Add Row appends up to eight rows.
    void rowMenu_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QVariant>("menuVisible");
        QTest::addColumn<int>("pointedRow"); // past the rows: below them
        // actions offered | rows left | add, delete enabled | after delete, add, add | enabled
        QTest::addColumn<QString>("result");
        const QString both = "Add Row,Delete Row|";
        QTest::newRow("middle row") << Vars << 3 << QVariant() << 1 << both + "0,2|11|0,w,w|11";
        QTest::newRow("first, on")
            << Overlay << 3 << QVariant(true) << 0 << both + "1,2|11|1,w,w|11";
        QTest::newRow("below") << Vars << 3 << QVariant() << 3 << "Add Row|0,1,2|11|0,1,w,w|11";
        QTest::newRow("empty") << Vars << 0 << QVariant() << 0 << "Add Row||10|w,w|11";
        QTest::newRow("full") << Overlay << 8 << QVariant() << 7
                              << "Delete Row|0,1,2,3,4,5,6|11|0,1,2,3,4,5,w,w|01";
        QTest::newRow("off") << Vars << 3 << QVariant(false) << 1 << "|0,1,2|11|0,1,w,w|11";
        QTest::newRow("X axis") << X << 3 << QVariant() << 0 << "|0,1,2|00|0,1,2|00";
    }
    void rowMenu()
    {
        QFETCH(int, kind);
        QFETCH(int, rows);
        QFETCH(QVariant, menuVisible);
        QFETCH(int, pointedRow);
        Spreadsheet table;
        table.setSpreadsheetKind(kind);
        table.setRowCount(rows);
        markRows(table);
        table.setProperty("contextMenuVisible", menuVisible);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QAction *add = rowAction(table, true), *remove = rowAction(table, false);
        QStringList enabled;
        QTimer::singleShot(0, &table, [&]() {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (QAction *action : menu ? menu->actions() : QList<QAction *>())
                if (action->isEnabled())
                    enabled << action->text();
            if (menu)
                menu->close();
            if (enabled.contains("Delete Row"))
                remove->trigger();
        });
        const QPoint at(table.columnViewportPosition(4) + 5,
                        (pointedRow < rows ? table.rowViewportPosition(pointedRow)
                                           : table.verticalHeader()->length())
                            + 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, table.viewport()->mapToGlobal(at));
        QApplication::sendEvent(table.viewport(), &event);
        QApplication::processEvents();
        const auto states = [&]() {
            return QString::asprintf("|%d%d|", add->isEnabled(), remove->isEnabled());
        };
        QString found = enabled.join(',') + '|' + marks(table) + states();
        remove->trigger();
        add->trigger();
        add->trigger();
        QTEST(found + marks(table) + states().chopped(1), "result");
    }

    // The overview on screen: refilled hidden, it shows only the cells of
    // its rows that are in view, each styled, and none left from before.
    void overviewOnScreen()
    {
        QWidget window;
        window.resize(500, 300);
        Spreadsheet table(&window);
        table.setGeometry(window.rect());
        table.setSpreadsheetKind(All);
        // As in the dialog: a style sheet above, a font of the table's own.
        window.setStyleSheet("QTabBar::tab { min-width: 75px; }");
        table.setFont(QFont(table.font().family(), 7));
        window.show();
        const auto refill = [&](int rows) {
            table.hide(); // as the dialog fills it
            table.setRowCount(0);
            for (int row = 0; row < rows; ++row)
                insertOverviewRow(table, row, row % 2);
            table.show();
            QCoreApplication::processEvents();
        };
        const auto shown = [&]() {
            QStringList found;
            const QRect area = table.viewport()->rect();
            for (QWidget *cell :
                 table.viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                if (cell->isHidden())
                    continue;
                int row = -1;
                for (int r = 0; r < table.rowCount() && row < 0; ++r)
                    for (int column = 0; column < table.columnCount(); ++column)
                        row = table.cellWidget(r, column) == cell ? r : row;
                bool styled = cell->testAttribute(Qt::WA_WState_Polished);
                for (QWidget *editor : cell->findChildren<QWidget *>())
                    styled = styled && editor->testAttribute(Qt::WA_WState_Polished)
                             && editor->font().pointSize() == 7;
                if (row < 0 || !styled || !cell->geometry().intersects(area))
                    found << QString::asprintf("stray %d/%d", row, styled);
                else if (!found.contains(QString::number(row)))
                    found << QString::number(row);
            }
            found.sort();
            return found.join(',');
        };
        refill(40);
        const QString top = shown();
        QVERIFY2(top.startsWith("0,1,") && !top.contains("39") && !top.contains("stray"),
                 qPrintable(top));
        table.scrollToBottom();
        QCoreApplication::processEvents();
        QVERIFY2(shown().contains("39") && !shown().contains("stray"), qPrintable(shown()));
        table.setRowCount(1); // rows going on screen
        QCoreApplication::processEvents();
        QCOMPARE(shown(), QString("0"));
        refill(3);
        QCOMPARE(shown(), QString("0,1,2"));
    }

    // An overview cell out of view holds what it is given until its editors
    // are built, and hands it to them then.
    void deferredEditors()
    {
        Spreadsheet table;
        table.setSpreadsheetKind(All);
        insertOverviewRow(table, 0, true);
        QVERIFY(!table.cellWidget(0, 1)->findChild<QComboBox *>());
        auto *text = qobject_cast<LineEditWidget *>(table.cellWidget(0, 0));
        auto *channel = qobject_cast<ComboBoxWidget *>(table.cellWidget(0, 1));
        auto *side = qobject_cast<IconButtonWidget *>(table.cellWidget(0, 3));
        auto *line = qobject_cast<Combo_SpinBoxWidget *>(table.cellWidget(0, 5));
        text->setLineEditText("4");
        channel->setComboBoxContentsList({"A", "B", "C"});
        channel->setComboBoxCurrentIndex(2);
        side->setLeftSelected(false);
        line->setComboBoxCurrentIndex(7); // no such style
        line->setSpinBoxValue(99);
        const auto held = [&]() {
            return QString("%1 %2 %3 %4 %5/%6")
                .arg(text->getLineEditText(), channel->getComboBoxCurrentText())
                .arg(channel->findIndex("B"))
                .arg(side->getLeftSelected())
                .arg(line->getComboBoxCurrentIndex())
                .arg(line->getSpinBoxValue());
        };
        QCOMPARE(held(), QString("4 C 1 0 -1/50"));
        const QString built = QString("%1 %2 %3 %4/%5")
                                  .arg(text->lineEdit()->text(), channel->comboBox()->currentText(),
                                       side->button()->text())
                                  .arg(line->comboBox()->currentIndex())
                                  .arg(line->spinBox()->value());
        QCOMPARE(built, QString("4 C Right -1/50"));
        QCOMPARE(held(), QString("4 C 1 0 -1/50"));
    }

    // On a page of the dialog's width every header and cell shows whole,
    // without scrolling sideways.
    void fitsPage()
    {
        for (int kind : {Y, X, Vars, Overlay}) {
            QWidget page;
            auto *table = new Spreadsheet(&page);
            QFont font = QApplication::font(); // the form's axes tables: 10 pt
            font.setPointSize(kind == Vars || kind == Overlay ? font.pointSize() : 10);
            table->setFont(font);
            table->setSpreadsheetKind(kind);
            table->setRowCount(2);
            table->setGeometry(0, 0, 829, 300);
            page.show();
            QApplication::processEvents();
            QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
            const QFontMetrics metrics(table->horizontalHeader()->font());
            for (int column = 0; column < table->columnCount(); ++column) {
                const QString header = table->horizontalHeaderItem(column)->text();
                const int width = table->columnWidth(column);
                QVERIFY2(width > metrics.horizontalAdvance(header)
                             && (width >= table->cellWidget(0, column)->minimumSizeHint().width()
                                 || table->horizontalHeader()->sectionResizeMode(column)
                                        == QHeaderView::Stretch),
                         qPrintable(header));
            }
        }
    }

    void removedRowsAndColumnsTakeTheirCells()
    {
        Spreadsheet table;
        table.setSpreadsheetKind(Vars);
        table.setRowCount(3);
        const QPointer<QWidget> inColumn = table.cellWidget(1, 1), inRow = table.cellWidget(2, 0);
        table.removeColumn(1);
        table.setRowCount(2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(inColumn.isNull());
        QVERIFY(inRow.isNull());
#if defined(__GLIBC__)
        // Tables are refilled on every load: a refill leaves nothing behind.
        Spreadsheet refilled;
        refilled.setSpreadsheetKind(Vars);
        const auto refill = [&refilled](int rounds) {
            for (int round = 0; round < rounds; ++round) {
                refilled.setRowCount(0);
                refilled.setRowCount(8);
                QCoreApplication::sendPostedEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            return qint64(mallinfo2().uordblks + mallinfo2().hblkhd);
        };
        const qint64 before = refill(5), grown = refill(60) - before;
        QVERIFY2(grown < 60 * 8 * 8 * 8, qPrintable(QString::number(grown))); // 20 bytes a cell
#endif
    }
};

QTEST_MAIN(TestSpreadsheetTables)
#include "tst_spreadsheet_tables.moc"

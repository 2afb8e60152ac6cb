// Keyboard walk through the dialog: Tab and Shift+Tab reach every field of
// a page once, go through each table cell by cell and leave it after its
// last cell.
#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

using Dialog = XY_Plot_Config_Dialog;

namespace {

std::unique_ptr<Plot_Screen_Info> makeHost()
{
    auto host = std::make_unique<Plot_Screen_Info>();
    host->numPlots = 2;
    host->plotAxisInfo.resize(2);
    for (Plot_Axis_Info &graph : host->plotAxisInfo) {
        graph.numVarChannels = 3;
        graph.numOverlayChannels = 2;
        for (int row = 0; row < 3; ++row) {
            graph.varChannels[row].xVarName = QStringLiteral("Time");
            graph.varChannels[row].yVarName = QStringLiteral("N1_Speed");
        }
    }
    return host;
}

// Where a widget that can hold the keyboard focus sits in a table: the
// cell that holds it, or none.
struct Place
{
    Spreadsheet *table = nullptr;
    int row = -1;
    int column = -1;
};

Place placeOf(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        auto *table = qobject_cast<Spreadsheet *>(w);
        if (!table)
            continue;
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column) {
                QWidget *cell = table->cellWidget(row, column);
                if (cell && (cell == widget || cell->isAncestorOf(widget)))
                    return {table, row, column};
            }
        return {table, -1, -1};
    }
    return {};
}

// The fields of a table the user can type into or switch: what in its
// cells takes the focus itself.
QList<QWidget *> fieldsOf(Spreadsheet *table)
{
    QList<QWidget *> fields;
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column) {
            QWidget *cell = table->cellWidget(row, column);
            if (!cell)
                continue;
            QList<QWidget *> candidates = cell->findChildren<QWidget *>();
            candidates.prepend(cell);
            for (QWidget *w : candidates) {
                if (w->focusPolicy() != Qt::NoFocus && !w->focusProxy() && w->isEnabled()
                    && w->isVisible())
                    fields << w;
            }
        }
    return fields;
}

// Presses the key until the focus is back at the start; the widgets that
// had the focus, the start first.
QList<QWidget *> walk(QWidget *start, Qt::KeyboardModifiers modifiers)
{
    QList<QWidget *> visited{start};
    for (int step = 0; step < 400; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        QWidget *now = QApplication::focusWidget();
        if (now == start || !now)
            return visited;
        visited << now;
    }
    return visited << nullptr; // never came back
}

} // namespace

class TstTabOrder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ZelVariable::setAvailableVariables({"Time", "N1_Speed", "N2_Speed", "EGT_1"});
    }

    void walkThroughPage_data()
    {
        QTest::addColumn<Dialog::DialogOpenArea>("area");
        QTest::addColumn<int>("graph");
        QTest::addColumn<QStringList>("tables");
        QTest::newRow("first graph page")
            << Dialog::PlotArea << 0
            << QStringList{"plot1XYVarSpreadsheet", "plot1XYOverlaySpreadsheet"};
        QTest::newRow("second graph page")
            << Dialog::PlotArea << 1
            << QStringList{"plot2XYVarSpreadsheet", "plot2XYOverlaySpreadsheet"};
        QTest::newRow("axes page")
            << Dialog::AxesArea << 0
            << QStringList{"graph1YAxesSpreadsheet", "graph1XAxisSpreadsheet"};
    }

    void walkThroughPage()
    {
        QFETCH(Dialog::DialogOpenArea, area);
        QFETCH(int, graph);
        QFETCH(QStringList, tables);
        auto host = makeHost();
        Dialog dialog(host.get(), nullptr, false);
        dialog.show(host.get(), QBitArray(8), QBitArray(8), area, graph, false);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *start = dialog.findChild<QPushButton *>(QStringLiteral("btnApply"));
        start->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), start);

        const QList<QWidget *> forward = walk(start, Qt::NoModifier);
        QVERIFY2(!forward.contains(nullptr), "Tab never came back to Apply");
        const QList<QWidget *> backward = walk(start, Qt::ShiftModifier);
        QVERIFY2(!backward.contains(nullptr), "Shift+Tab never came back to Apply");
        // Shift+Tab walks the same fields the other way round.
        QList<QWidget *> reversed{start};
        for (int i = forward.size() - 1; i > 0; --i)
            reversed << forward.at(i);
        QCOMPARE(backward, reversed);

        for (const QString &name : tables) {
            auto *table = dialog.findChild<Spreadsheet *>(name);
            QVERIFY(table);
            const QList<QWidget *> fields = fieldsOf(table);
            QVERIFY(!fields.isEmpty());
            // Each field once, one after the other, row by row and column by
            // column; nothing else of the table in between.
            int first = -1;
            int last = -1;
            for (int i = 0; i < forward.size(); ++i) {
                if (placeOf(forward.at(i)).table != table)
                    continue;
                QVERIFY2(fields.contains(forward.at(i)),
                         qPrintable(name + ": stop on a widget that is no field"));
                QCOMPARE(forward.count(forward.at(i)), 1);
                if (first < 0)
                    first = i;
                last = i;
            }
            QCOMPARE(last - first + 1, fields.size());
            for (int i = first + 1; i <= last; ++i) {
                const Place before = placeOf(forward.at(i - 1));
                const Place now = placeOf(forward.at(i));
                QVERIFY2(now.row > before.row
                             || (now.row == before.row && now.column >= before.column),
                         qPrintable(QStringLiteral("%1: cell %2,%3 after %4,%5")
                                        .arg(name)
                                        .arg(now.row)
                                        .arg(now.column)
                                        .arg(before.row)
                                        .arg(before.column)));
            }
        }
    }

    // The graph tabs on the left read whole at the dialog's size and larger:
    // the room the style leaves a tab's label holds its text.
    void graphTabLabelsFit_data()
    {
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<QSize>("size");
        QTest::newRow("graph pages, form size") << "plotConfigTabs" << QSize();
        QTest::newRow("axes pages, form size") << "axesConfigTabs" << QSize();
        QTest::newRow("graph pages, larger") << "plotConfigTabs" << QSize(1200, 800);
    }

    void graphTabLabelsFit()
    {
        QFETCH(QString, tabs);
        QFETCH(QSize, size);
        auto host = makeHost();
        Dialog dialog(host.get(), nullptr, false);
        if (size.isValid())
            dialog.resize(size);
        dialog.show(host.get(), QBitArray(8), QBitArray(8),
                    tabs == "axesConfigTabs" ? Dialog::AxesArea : Dialog::PlotArea, 0, false);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *bar = dialog.findChild<QTabWidget *>(tabs)->findChild<QTabBar *>();
        QVERIFY(bar && bar->isVisible());
        for (int i = 0; i < bar->count(); ++i) {
            QStyleOptionTab option;
            option.initFrom(bar);
            option.shape = bar->shape();
            option.rect = bar->tabRect(i);
            option.text = bar->tabText(i);
            option.position = QStyleOptionTab::Middle;
            const QRect label =
                bar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, bar);
            const int room = qMax(label.width(), label.height()); // the tabs stand on end
            const int needed = bar->fontMetrics().horizontalAdvance(option.text);
            QVERIFY2(needed <= room, qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3")
                                                    .arg(option.text)
                                                    .arg(needed)
                                                    .arg(room)));
        }
    }
};

QTEST_MAIN(TstTabOrder)
#include "tst_tab_order.moc"

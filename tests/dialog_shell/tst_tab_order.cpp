// Keyboard walk through the dialog: Tab and Shift+Tab reach every field of
// a page once, go through each table cell by cell and leave it after its
// last cell; the graph tabs on the left read whole.
#include <QApplication>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

using Dialog = XY_Plot_Config_Dialog;

namespace {

// Where a focus stop sits in a table, as row * 100 + column; -1 outside.
int cellOf(Spreadsheet *table, QWidget *widget)
{
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column) {
            QWidget *cell = table->cellWidget(row, column);
            if (cell && (cell == widget || cell->isAncestorOf(widget)))
                return row * 100 + column;
        }
    return -1;
}

// Presses the key until the focus is back at the start; the widgets that
// had the focus, the start first, null at the end if it never came back.
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
    return visited << nullptr;
}

} // namespace

class TstTabOrder : public QObject
{
    Q_OBJECT

    Plot_Screen_Info host;

private slots:
    void initTestCase()
    {
        ZelVariable::setAvailableVariables({"Time", "N1_Speed", "N2_Speed", "EGT_1"});
        host.numPlots = 2;
        host.plotAxisInfo.resize(2);
        for (Plot_Axis_Info &graph : host.plotAxisInfo) {
            graph.numVarChannels = 3;
            graph.numOverlayChannels = 2;
            for (int row = 0; row < 3; ++row) {
                graph.varChannels[row].xVarName = QStringLiteral("Time");
                graph.varChannels[row].yVarName = QStringLiteral("N1_Speed");
            }
        }
    }

    void walkThroughPage_data()
    {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("graph");
        QTest::addColumn<QStringList>("tables");
        QTest::newRow("graph 1") << 0 << 0 << QStringList{"plot1XYVar", "plot1XYOverlay"};
        QTest::newRow("graph 2") << 0 << 1 << QStringList{"plot2XYVar", "plot2XYOverlay"};
        QTest::newRow("axes") << 1 << 0 << QStringList{"graph1YAxes", "graph1XAxis"};
    }
    void walkThroughPage()
    {
        QFETCH(int, area);
        QFETCH(int, graph);
        Dialog dialog(&host, nullptr, false);
        dialog.show(&host, QBitArray(8), QBitArray(8), Dialog::DialogOpenArea(area), graph, false);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *start = dialog.findChild<QWidget *>(QStringLiteral("btnApply"));
        start->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), start);
        const QList<QWidget *> forward = walk(start, Qt::NoModifier);
        QVERIFY2(!forward.contains(nullptr), "Tab never came back to Apply");
        QList<QWidget *> backward = walk(start, Qt::ShiftModifier); // the same fields reversed
        std::reverse(backward.begin() + 1, backward.end());
        QCOMPARE(backward, forward);
        QFETCH(QStringList, tables);
        for (const QString &name : tables) {
            auto *table = dialog.findChild<Spreadsheet *>(name + "Spreadsheet");
            QList<int> fields, stops; // what in the cells takes the focus itself, row by row
            for (QWidget *w : table->viewport()->findChildren<QWidget *>())
                if (w->focusPolicy() != Qt::NoFocus && !w->focusProxy() && w->isEnabled()
                    && w->isVisible() && cellOf(table, w) >= 0)
                    fields << cellOf(table, w);
            std::sort(fields.begin(), fields.end());
            // Each field once, one after the other, nothing else in between.
            int first = -1, last = -1;
            for (int i = 0; i < forward.size(); ++i)
                if (table->isAncestorOf(forward.at(i))) {
                    stops << cellOf(table, forward.at(i));
                    first = first < 0 ? i : first;
                    last = i;
                }
            QCOMPARE(last - first + 1, stops.size());
            QVERIFY(!fields.isEmpty());
            QCOMPARE(stops, fields);
        }
    }

    // The graph tabs stand on end on the left; at the dialog's size the
    // room the style leaves each label holds its text.
    void graphTabLabelsFit()
    {
        Dialog dialog(&host, nullptr, false);
        for (int area : {Dialog::PlotArea, Dialog::AxesArea}) {
            dialog.show(&host, QBitArray(8), QBitArray(8), Dialog::DialogOpenArea(area), 0, false);
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTabBar *bar =
                dialog.findChild<QTabWidget *>(area ? "axesConfigTabs" : "plotConfigTabs")->tabBar();
            QVERIFY(bar->isVisible());
            for (int i = 0; i < bar->count(); ++i) {
                QStyleOptionTab option;
                option.initFrom(bar);
                option.shape = bar->shape();
                option.rect = bar->tabRect(i);
                option.text = bar->tabText(i);
                option.position = QStyleOptionTab::Middle;
                const QRect label =
                    bar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, bar);
                const int needed = bar->fontMetrics().horizontalAdvance(option.text);
                QVERIFY2(needed <= qMax(label.width(), label.height()), qPrintable(option.text));
            }
        }
    }
};

QTEST_MAIN(TstTabOrder)
#include "tst_tab_order.moc"

// The "All" tab's overview of every shown graph, reached as a user reaches
// it: show(), the tab bar's "Delete Graph" action, selecting the tab.
#include <QComboBox>
#include <QTabWidget>
#include <QtTest>

#include "exchange_fixture.h"

using namespace ExchangeFixture;

namespace {

// X variables of graph slots 0..4; each selects itself in a graph tab.
const char *const xVariables[] = {"AIR", "TEMP_1", "OIL", "AIR", "OIL"};

QStringList column0(Spreadsheet *table)
{
    QStringList texts;
    for (int r = 0; r < table->rowCount(); ++r)
        texts.append(cellAt<LineEditWidget>(table, r, 0)->getLineEditText());
    return texts;
}

bool allCellsDisabled(Spreadsheet *table)
{
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
            if (!table->cellWidget(r, c) || table->cellWidget(r, c)->isEnabled())
                return false;
    return true;
}

} // namespace

class ExchangeAllGraphsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installNames();
        dialog = std::make_unique<Dialog>(makeInfo(8).get(), nullptr, false);
        tabs = dialog->findChild<QTabWidget *>("plotConfigTabs");
        vars = dialog->findChild<Spreadsheet *>("plotAllVarSpreadsheet");
        overlays = dialog->findChild<Spreadsheet *>("plotAllOverlaySpreadsheet");
    }
    void cleanupTestCase() { dialog.reset(); }

    // Rows run on one dialog, so each visit of the tab must rebuild it.
    void numbering_data()
    {
        QTest::addColumn<QList<int>>("varRows");     // per graph slot 0..4
        QTest::addColumn<QList<int>>("overlayRows"); // per graph slot 0..4
        QTest::addColumn<int>("deletedTab");         // 0: none
        QTest::addColumn<QStringList>("varNumbers");
        QTest::addColumn<QStringList>("overlayNumbers");
        // Variables are numbered by graph, overlays by position among the shown.
        QTest::newRow("graph 3 deleted")
            << QList<int>{1, 1, 1, 1, 1} << QList<int>{1, 1, 1, 1, 1} << 3
            << QStringList{"1", "2", "4", "5"} << QStringList{"1", "2", "3", "4"};
        QTest::newRow("graphs without channels add no row")
            << QList<int>{1, 0, 2, 0, 0} << QList<int>{0, 2, 1, 0, 0} << 0
            << QStringList{"1", "3", "3"} << QStringList{"2", "2", "3"};
    }
    void numbering()
    {
        QFETCH(QList<int>, varRows);
        QFETCH(QList<int>, overlayRows);
        QFETCH(int, deletedTab);
        QFETCH(QStringList, varNumbers);
        auto info = makeInfo(5);
        for (int g = 0; g < 5; ++g) {
            Plot_Axis_Info &record = info->plotAxisInfo[g];
            record.numVarChannels = unsigned(varRows[g]);
            record.numOverlayChannels = unsigned(overlayRows[g]);
            for (int r = 0; r < varRows[g]; ++r) {
                record.varChannels[r].xVarName = QLatin1String(xVariables[g]);
                record.varChannels[r].yVarName = QStringLiteral("OIL");
                record.varChannels[r].lineStyle = 0x1111;
                record.varChannels[r].lineWidth = 3;
            }
            for (int r = 0; r < overlayRows[g]; ++r) {
                record.overlayChannels[r].xVarName = overlayNames(g)[1];
                record.overlayChannels[r].yVarName = overlayNames(g)[2];
                record.overlayChannels[r].lineColor = QColor(g * 40, 0, 255);
                record.overlayChannels[r].useLeftAxis = g % 2 == 0;
            }
        }
        for (int g = 0; g < 5; ++g) // a fresh graph's overlay table: no channel picked
            of(*dialog, Overlays, g)->setRowCount(0);
        showInfo(*dialog, info.get());
        if (deletedTab > 0)
            deleteGraphTab(*dialog, deletedTab);
        tabs->setCurrentIndex(0);
        QCOMPARE(column0(vars), varNumbers);
        QTEST(column0(overlays), "overlayNumbers");
        for (int r = 0; r < vars->rowCount(); ++r) {
            const int g = varNumbers[r].toInt() - 1;
            QCOMPARE(cellAt<ZelVariable>(vars, r, 1)->comboBox()->currentText(),
                     QLatin1String(xVariables[g]));
            QCOMPARE(cellAt<ZelVariable>(vars, r, 2)->comboBox()->currentText(),
                     QStringLiteral("OIL"));
            QCOMPARE(cellAt<Combo_SpinBoxWidget>(vars, r, 5)->getComboBoxCurrentIndex(), 2);
            QCOMPARE(cellAt<Combo_SpinBoxWidget>(vars, r, 5)->getSpinBoxValue(), 3);
        }
        // The stored channel names show, also in rows whose position is not
        // their graph slot.
        QList<int> overlayGraphs;
        for (int g = 0; g < 5; ++g)
            for (int r = 0; g + 1 != deletedTab && r < overlayRows[g]; ++r)
                overlayGraphs.append(g);
        for (int r = 0; r < overlays->rowCount(); ++r) {
            const int g = overlayGraphs[r];
            QCOMPARE(cellAt<ComboBoxWidget>(overlays, r, 1)->getComboBoxCurrentText(),
                     overlayNames(g)[1]);
            QCOMPARE(cellAt<ComboBoxWidget>(overlays, r, 2)->getComboBoxCurrentText(),
                     overlayNames(g)[2]);
            QCOMPARE(cellAt<IconButtonWidget>(overlays, r, 3)->getLeftSelected(), g % 2 == 0);
            QCOMPARE(cellAt<LineEditColorWidget>(overlays, r, 4)->getBGStyleSheet(),
                     QColor(g * 40, 0, 255).name());
        }
        QVERIFY(allCellsDisabled(vars));
        QVERIFY(allCellsDisabled(overlays));
        QVERIFY(vars->isVisible());
        QVERIFY(overlays->isVisible());
    }

private:
    std::unique_ptr<Dialog> dialog;
    QTabWidget *tabs = nullptr;
    Spreadsheet *vars = nullptr;
    Spreadsheet *overlays = nullptr;
};

QTEST_MAIN(ExchangeAllGraphsTest)
#include "tst_exchange_all_graphs.moc"

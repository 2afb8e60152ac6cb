// The "All" tab's overview of every shown graph.
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
    void init() { dialog = makeDialog(); }
    void cleanup() { dialog.reset(); }

    void numbering_data()
    {
        QTest::addColumn<QList<int>>("shown");       // graph slots
        QTest::addColumn<QList<int>>("varRows");     // per graph slot 0..4
        QTest::addColumn<QList<int>>("overlayRows"); // per graph slot 0..4
        QTest::addColumn<QStringList>("varNumbers");
        QTest::addColumn<QStringList>("overlayNumbers");
        QTest::newRow("graphs 1 and 2")
            << QList<int>{0, 1} << QList<int>{2, 1, 0, 0, 0} << QList<int>{0, 0, 0, 0, 0}
            << QStringList{"1", "1", "2"} << QStringList{};
        // Variables are numbered by graph, overlays by position among the shown.
        QTest::newRow("graph 3 deleted")
            << QList<int>{0, 1, 3, 4} << QList<int>{1, 1, 1, 1, 1} << QList<int>{1, 1, 1, 1, 1}
            << QStringList{"1", "2", "4", "5"} << QStringList{"1", "2", "3", "4"};
        QTest::newRow("graph without channels adds no row")
            << QList<int>{0, 1, 2} << QList<int>{1, 0, 2, 0, 0} << QList<int>{0, 2, 1, 0, 0}
            << QStringList{"1", "3", "3"} << QStringList{"2", "2", "3"};
    }
    void numbering()
    {
        QFETCH(QList<int>, shown);
        QFETCH(QList<int>, varRows);
        QFETCH(QList<int>, overlayRows);
        QFETCH(QStringList, varNumbers);
        auto info = makeInfo(5);
        for (int g = 0; g < 5; ++g) {
            Plot_Axis_Info &record = info->plotAxisInfo[g];
            record.numVarChannels = unsigned(varRows[g]);
            record.numOverlayChannels = unsigned(overlayRows[g]);
            for (int r = 0; r < varRows[g]; ++r) {
                record.varChannels[r].xVarName = QLatin1String(xVariables[g]);
                record.varChannels[r].yVarName = QStringLiteral("OIL");
            }
            for (int r = 0; r < overlayRows[g]; ++r) {
                record.overlayChannels[r].xVarName = overlayNames(g)[1];
                record.overlayChannels[r].yVarName = overlayNames(g)[2];
                record.overlayChannels[r].lineColor = QColor(g * 40, 0, 255);
            }
        }
        load(*dialog, *info);
        QBitArray &visible = A::plotVisible(*dialog);
        visible.fill(false);
        for (int g : shown)
            visible.setBit(g);
        A::writeScreenInfoToDataStructure(*dialog);
        A::fillAllGraphTab(*dialog);
        Ui_Plot_Config_Dialog *ui = A::ui(*dialog);
        Spreadsheet *vars = ui->plotAllVarSpreadsheet;
        Spreadsheet *overlays = ui->plotAllOverlaySpreadsheet;
        QCOMPARE(column0(vars), varNumbers);
        QTEST(column0(overlays), "overlayNumbers");
        for (int r = 0; r < vars->rowCount(); ++r) {
            const int g = varNumbers[r].toInt() - 1;
            QCOMPARE(cellAt<ZelVariable>(vars, r, 1)->comboBox()->currentText(),
                     QLatin1String(xVariables[g]));
            QCOMPARE(cellAt<ZelVariable>(vars, r, 2)->comboBox()->currentText(),
                     QStringLiteral("OIL"));
        }
        // The stored channel names show, also in rows whose position is not
        // their graph slot.
        QList<int> overlayGraphs;
        for (int g : shown)
            for (int r = 0; r < overlayRows[g]; ++r)
                overlayGraphs.append(g);
        for (int r = 0; r < overlays->rowCount(); ++r) {
            const int g = overlayGraphs[r];
            QCOMPARE(cellAt<ComboBoxWidget>(overlays, r, 1)->getComboBoxCurrentText(),
                     overlayNames(g)[1]);
            QCOMPARE(cellAt<ComboBoxWidget>(overlays, r, 2)->getComboBoxCurrentText(),
                     overlayNames(g)[2]);
            QCOMPARE(cellAt<LineEditColorWidget>(overlays, r, 4)->getBGStyleSheet(),
                     QColor(g * 40, 0, 255).name());
        }
        QVERIFY(allCellsDisabled(vars));
        QVERIFY(allCellsDisabled(overlays));
    }

    void overviewMatchesAnyCase_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("index");
        QTest::newRow("temp finds TEMP_1") << "temp" << 1;
        QTest::newRow("Oi finds OIL") << "Oi" << 3;
        QTest::newRow("no such name") << "fuel" << -1;
    }
    void overviewMatchesAnyCase()
    {
        QFETCH(QString, stored);
        QFETCH(int, index);
        auto info = makeInfo(1);
        load(*dialog, *info);
        A::writeScreenInfoToDataStructure(*dialog);
        // The graph tab would not select such a name; the overview reads the
        // description, so the name is put there directly.
        Plot_Axis_Info &record = A::psi(*dialog)->plotAxisInfo[0];
        record.numVarChannels = 1;
        record.varChannels[0].xVarName = stored;
        record.varChannels[0].yVarName = stored.toUpper();
        record.varChannels[0].lineStyle = 0x1111;
        A::fillAllGraphTab(*dialog);
        Spreadsheet *vars = A::ui(*dialog)->plotAllVarSpreadsheet;
        QCOMPARE(vars->rowCount(), 1);
        QCOMPARE(cellAt<ZelVariable>(vars, 0, 1)->comboBox()->currentIndex(), index);
        QCOMPARE(cellAt<ZelVariable>(vars, 0, 2)->comboBox()->currentIndex(), index);
        QCOMPARE(cellAt<Combo_SpinBoxWidget>(vars, 0, 5)->getComboBoxCurrentIndex(), 2);
    }

    void rebuiltOnEverySwitch()
    {
        auto info = makeInfo(2);
        for (Plot_Axis_Info &record : info->plotAxisInfo) {
            record.numVarChannels = 3;
            for (int r = 0; r < 3; ++r) {
                record.varChannels[r].xVarName = QStringLiteral("AIR");
                record.varChannels[r].yVarName = QStringLiteral("OIL");
            }
        }
        dialog->show(info.get(), bits(8), bits(8), XY_Plot_Config_Dialog::PlotArea, 0, false);
        QTabWidget *tabs = A::ui(*dialog)->plotConfigTabs;
        Spreadsheet *overview = A::ui(*dialog)->plotAllVarSpreadsheet;
        tabs->setCurrentIndex(0);
        QCOMPARE(overview->rowCount(), 6);
        QPointer<Plot_Screen_Info> first = A::psi(*dialog);
        tabs->setCurrentIndex(2);
        A::xyVar(*dialog)[1]->removeRow(2);
        tabs->setCurrentIndex(0);
        QCOMPARE(overview->rowCount(), 5);
        QCOMPARE(column0(overview), (QStringList{"1", "1", "1", "2", "2"}));
        // The description written for the first visit went with the second.
        QVERIFY(first.isNull());
    }

private:
    std::unique_ptr<XY_Plot_Config_Dialog> dialog;
};

QTEST_MAIN(ExchangeAllGraphsTest)
#include "tst_exchange_all_graphs.moc"

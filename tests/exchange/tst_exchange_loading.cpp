// Loading the dialog's widgets from a plot screen description.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "exchange_fixture.h"

using namespace ExchangeFixture;

class ExchangeLoadingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dialog = makeDialog(); }
    void cleanupTestCase() { dialog.reset(); }

    void screenFields_data()
    {
        QTest::addColumn<qulonglong>("refresh");
        QTest::addColumn<qulonglong>("sample");
        QTest::addColumn<qulonglong>("storage");
        QTest::addColumn<int>("units");
        QTest::addColumn<QStringList>(
            "texts"); // rate, interval, sample rate, sample interval, storage
        QTest::addColumn<int>("unitIndex");
        QTest::newRow("10 Hz, 33.3333 Hz") << 100ull << 30ull << 30ull << 0
                                           << QStringList{"10", "100", "33.3333", "30", "30"} << 0;
        QTest::newRow("zero intervals")
            << 0ull << 0ull << 0ull << 0 << QStringList{"inf", "0", "inf", "0", "0"} << 0;
        // Only the sample interval goes through 'g' and loses digits.
        QTest::newRow("large intervals")
            << 1234567ull << 1234567ull << 7200ull << 2
            << QStringList{"0.000810001", "1234567", "0.000810001", "1.23457e+06", "2"} << 2;
        QTest::newRow("90 s in minutes")
            << 100ull << 20ull << 90ull << 1 << QStringList{"10", "100", "50", "20", "1.5"} << 1;
        // The three-entry combo box has no index 3; Qt leaves it without a choice.
        QTest::newRow("90 s in days") << 100ull << 20ull << 90ull << 3
                                      << QStringList{"10", "100", "50", "20", "0.00104167"} << -1;
        QTest::newRow("unknown unit")
            << 100ull << 20ull << 90ull << 7 << QStringList{"10", "100", "50", "20", "0"} << -1;
    }
    void screenFields()
    {
        QFETCH(qulonglong, refresh);
        QFETCH(qulonglong, sample);
        QFETCH(qulonglong, storage);
        QFETCH(int, units);
        auto info = makeInfo(1);
        info->screenRefreshInterval = refresh;
        info->dataSampleInterval = sample;
        info->dataStorage = storage;
        info->dataUnits = static_cast<UnitType>(units);
        ui()->cmbDataStorageUnits->setCurrentIndex(0);
        load(*dialog, *info);
        const QStringList shown{ui()->lineEditScreenRefreshRate->text(),
                                ui()->lineEditScreenRefreshInterval->text(),
                                ui()->lineEditDataSampleRate->text(),
                                ui()->lineEditDataSampleInterval->text(),
                                ui()->lineEditDataStorage->text()};
        QTEST(shown, "texts");
        QTEST(ui()->cmbDataStorageUnits->currentIndex(), "unitIndex");
    }

    void yAxes_data()
    {
        QTest::addColumn<bool>("autoRange");
        QTest::addColumn<double>("rangeMin");
        QTest::addColumn<double>("rangeMax");
        QTest::addColumn<int>("pattern");
        QTest::addColumn<QStringList>("rangeTexts");
        QTest::addColumn<int>("styleIndex");
        QTest::newRow("auto range, dotted grid")
            << true << -50.0 << 250.0 << 0x1111 << QStringList{"-50", "250"} << 2;
        QTest::newRow("fixed range, unknown pattern")
            << false << 0.25 << 1.0e7 << 0x1234 << QStringList{"0.25", "1e+07"} << 0;
        QTest::newRow("six digits, dash-dot")
            << false << -1.5 << 33.333333 << 0xF33C << QStringList{"-1.5", "33.3333"} << 3;
    }
    void yAxes()
    {
        QFETCH(bool, autoRange);
        QFETCH(double, rangeMin);
        QFETCH(double, rangeMax);
        QFETCH(int, pattern);
        QFETCH(QStringList, rangeTexts);
        QFETCH(int, styleIndex);
        auto info = makeInfo(2);
        Plot_Axis_Info &record = info->plotAxisInfo[1];
        for (Single_Axis_Info *axis : {&record.leftYAxis, &record.rightYAxis, &record.xAxis}) {
            axis->autoRange = autoRange;
            axis->rangeMin = rangeMin;
            axis->rangeMax = rangeMax;
            axis->gridLineStyle = pattern;
            axis->gridLineWidth = 3;
            axis->numMajorTicks = 7;
            axis->numMinorTicks = 12;
            axis->axisColorName = QStringLiteral("#00ff00");
            axis->gridVisible = false;
        }
        load(*dialog, *info);
        Spreadsheet *yAxes = A::yAxes(*dialog)[1];
        for (int row = 0; row < 2; ++row) {
            const Single_Axis_Info &axis = row == 0 ? record.leftYAxis : record.rightYAxis;
            QCOMPARE(cellAt<IconButtonWidget>(yAxes, row, 0)->getLeftSelected(), row == 0);
            QCOMPARE(cellAt<LineEditColorWidget>(yAxes, row, 1)->getBGStyleSheet(),
                     axis.axisColorName);
            QCOMPARE(cellAt<CheckBoxWidget>(yAxes, row, 2)->getCheckBoxTrue(), autoRange);
            auto *range = cellAt<LineEdit_LineEditWidget>(yAxes, row, 3);
            QCOMPARE((QStringList{range->getLineEditText(0), range->getLineEditText(1)}),
                     rangeTexts);
            QCOMPARE(range->lineEdit(0)->isEnabled(), !autoRange);
            QCOMPARE(range->lineEdit(1)->isEnabled(), !autoRange);
            auto *ticks = cellAt<LineEdit_LineEditWidget>(yAxes, row, 4);
            QCOMPARE(ticks->getLineEditText(0), QStringLiteral("7"));
            QCOMPARE(ticks->getLineEditText(1), QStringLiteral("12"));
            QCOMPARE(cellAt<LineEditWidget>(yAxes, row, 5)->getLineEditText(), axis.label);
            QCOMPARE(cellAt<LineEditColorWidget>(yAxes, row, 6)->getGridVisible(), false);
            QCOMPARE(cellAt<Combo_SpinBoxWidget>(yAxes, row, 7)->getComboBoxCurrentIndex(),
                     styleIndex);
            QCOMPARE(cellAt<Combo_SpinBoxWidget>(yAxes, row, 7)->getSpinBoxValue(), 3);
        }
        Spreadsheet *xAxis = A::xAxis(*dialog)[1];
        auto *xRange = cellAt<LineEdit_LineEditWidget>(xAxis, 0, 1);
        QCOMPARE(cellAt<CheckBoxWidget>(xAxis, 0, 0)->getCheckBoxTrue(), autoRange);
        QCOMPARE((QStringList{xRange->getLineEditText(0), xRange->getLineEditText(1)}), rangeTexts);
        QCOMPARE(cellAt<LineEditWidget>(xAxis, 0, 4)->getLineEditText(), QStringLiteral("X Axis"));
        QCOMPARE(cellAt<Combo_SpinBoxWidget>(xAxis, 0, 6)->getComboBoxCurrentIndex(), styleIndex);
    }

    void rowCounts_data()
    {
        QTest::addColumn<bool>("overlay");
        QTest::addColumn<int>("rowsBefore");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rowsAfter");
        QTest::newRow("variables: 5 rows, 3 channels") << false << 5 << 3 << 3;
        QTest::newRow("variables: 5 rows, 0 channels") << false << 5 << 0 << 0;
        QTest::newRow("variables: 0 rows, 8 channels") << false << 0 << 8 << 8;
        QTest::newRow("variables: count beyond the records") << false << 2 << 9 << 8;
        QTest::newRow("overlay: 0 rows, 0 channels") << true << 0 << 0 << 1;
        QTest::newRow("overlay: 4 rows, 0 channels") << true << 4 << 0 << 1;
        QTest::newRow("overlay: 4 rows, 2 channels") << true << 4 << 2 << 2;
        QTest::newRow("overlay: 1 row, 3 channels") << true << 1 << 3 << 3;
    }
    void rowCounts()
    {
        QFETCH(bool, overlay);
        QFETCH(int, rowsBefore);
        QFETCH(int, channels);
        QFETCH(int, rowsAfter);
        auto info = makeInfo(3);
        Plot_Axis_Info &record = info->plotAxisInfo[2];
        (overlay ? record.numOverlayChannels : record.numVarChannels) = unsigned(channels);
        for (int r = 0; r < qMin(channels, 8); ++r) {
            Plot_Channel_Info &channel =
                overlay ? record.overlayChannels[r] : record.varChannels[r];
            channel.xVarName = overlay ? QStringLiteral("TIME") : QStringLiteral("AIR");
            channel.yVarName = overlay ? QStringLiteral("G3_Y") : QStringLiteral("OIL");
        }
        Spreadsheet *table = (overlay ? A::xyOverlay(*dialog) : A::xyVar(*dialog))[2];
        table->setRowCount(rowsBefore);
        load(*dialog, *info);
        QCOMPARE(table->rowCount(), rowsAfter);
        if (channels == 0)
            return;
        const int last = rowsAfter - 1;
        if (overlay) {
            QCOMPARE(cellAt<ComboBoxWidget>(table, last, 0)->getComboBoxCurrentText(),
                     QStringLiteral("TIME"));
            QCOMPARE(cellAt<ComboBoxWidget>(table, last, 1)->getComboBoxCurrentText(),
                     QStringLiteral("G3_Y"));
        } else {
            QCOMPARE(cellAt<ZelVariable>(table, last, 0)->comboBox()->currentText(),
                     QStringLiteral("AIR"));
            QCOMPARE(cellAt<ZelVariable>(table, last, 1)->comboBox()->currentText(),
                     QStringLiteral("OIL"));
        }
    }

    void variableMatching_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("index");
        QTest::newRow("TEMP selects TEMP_1, the first that starts with it") << "TEMP" << 1;
        QTest::newRow("exact name") << "OIL" << 3;
        QTest::newRow("stem of a name") << "AI" << 0;
        QTest::newRow("case counts") << "temp" << -1;
        QTest::newRow("no such name") << "TEMP_2" << -1;
    }
    void variableMatching()
    {
        QFETCH(QString, stored);
        QFETCH(int, index);
        auto info = makeInfo(1);
        info->plotAxisInfo[0].numVarChannels = 1;
        info->plotAxisInfo[0].varChannels[0].xVarName = stored;
        info->plotAxisInfo[0].varChannels[0].yVarName = stored;
        load(*dialog, *info);
        Spreadsheet *vars = A::xyVar(*dialog)[0];
        QCOMPARE(cellAt<ZelVariable>(vars, 0, 0)->comboBox()->currentIndex(), index);
        QCOMPARE(cellAt<ZelVariable>(vars, 0, 1)->comboBox()->currentIndex(), index);
    }

    void overlayLabel_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("label");
        QTest::newRow("middle parts dropped") << "/data/run.2024.log"
                                              << "run.log";
        QTest::newRow("plain name") << "/data/PC_format/engine.dat"
                                    << "engine.dat";
        QTest::newRow("no file") << ""
                                 << ".";
    }
    void overlayLabel()
    {
        QFETCH(QString, path);
        auto info = makeInfo(2);
        info->plotAxisInfo[1].overlayFileName = path;
        load(*dialog, *info);
        QTEST(A::overlayFileLabels(*dialog)[1]->text(), "label");
    }

    void locking_data()
    {
        QTest::addColumn<QBitArray>("pan");
        QTest::addColumn<QBitArray>("zoom");
        QTest::addColumn<QString>("mode");
        QTest::newRow("graph 2 panned") << bits(8, {1}) << bits(8) << "Pan Mode";
        QTest::newRow("graph 2 zoomed") << bits(8) << bits(8, {1}) << "Zoom Mode";
    }
    void locking()
    {
        QFETCH(QBitArray, pan);
        QFETCH(QBitArray, zoom);
        QFETCH(QString, mode);
        auto info = makeInfo(3);
        load(*dialog, *info, pan, zoom);
        for (int g = 0; g < 3; ++g) {
            const bool locked = g == 1;
            for (Spreadsheet *table : {A::yAxes(*dialog)[g], A::xAxis(*dialog)[g],
                                       A::xyVar(*dialog)[g], A::xyOverlay(*dialog)[g]})
                QCOMPARE(table->isEnabled(), !locked);
        }
        QVERIFY(!ui()->lblPlot2Mode->isHidden());
        QCOMPARE(ui()->lblPlot2Mode->text(), mode);
        QCOMPARE(ui()->lblAxes2Mode->text(), mode);
        QVERIFY(ui()->lblPlot1Mode->isHidden());

        // Only a load with clear bits unlocks the graph again.
        load(*dialog, *info);
        QVERIFY(A::xyVar(*dialog)[1]->isEnabled());
        QVERIFY(ui()->lblPlot2Mode->isHidden());
    }

    void graphSettings_data()
    {
        QTest::addColumn<int>("displayType");
        QTest::addColumn<bool>("datapoints");
        QTest::addColumn<bool>("xyValues");
        QTest::addColumn<qint64>("cometLength");
        QTest::newRow("comet") << 2 << true << false << qint64(25);
        QTest::newRow("marker only") << 1 << false << true << qint64(7);
        QTest::newRow("full trace") << 0 << true << true << qint64(0);
    }
    void graphSettings()
    {
        QFETCH(int, displayType);
        QFETCH(bool, datapoints);
        QFETCH(bool, xyValues);
        QFETCH(qint64, cometLength);
        auto info = makeInfo(4);
        // Start from the opposite display type, so the change is announced.
        info->plotAxisInfo[3].displayType = displayType == 2 ? 0 : 2;
        load(*dialog, *info);
        Plot_Axis_Info &record = info->plotAxisInfo[3];
        record.displayType = displayType;
        record.showDatapoints = datapoints;
        record.showXYValues = xyValues;
        record.cometLength = cometLength;
        load(*dialog, *info);
        QCOMPARE(A::displayTypeCombos(*dialog)[3]->currentIndex(), displayType);
        QCOMPARE(A::cometLengthSpins(*dialog)[3]->isEnabled(), displayType == 2);
        QCOMPARE(A::cometLengthSpins(*dialog)[3]->value(), int(cometLength));
        QCOMPARE(A::datapointShowRadios(*dialog)[3]->isChecked(), datapoints);
        QCOMPARE(A::datapointHideRadios(*dialog)[3]->isChecked(), !datapoints);
        QCOMPARE(A::xyValuesShowRadios(*dialog)[3]->isChecked(), xyValues);
        QCOMPARE(A::xyValuesHideRadios(*dialog)[3]->isChecked(), !xyValues);
    }

private:
    Ui_Plot_Config_Dialog *ui() { return A::ui(*dialog); }
    std::unique_ptr<XY_Plot_Config_Dialog> dialog;
};

QTEST_MAIN(ExchangeLoadingTest)
#include "tst_exchange_loading.moc"

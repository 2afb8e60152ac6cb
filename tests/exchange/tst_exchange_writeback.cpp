// Writing the dialog back into a new plot screen description.
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include <interfaces/base_plot_frame_tab.h>

#include "exchange_fixture.h"

using namespace ExchangeFixture;

// Qt's hook for observing every signal emission (the one QtTest's -vs uses):
// the description is made inside the write-back, too late to connect to.
// Its declaration is not public, so it is repeated here for the Qt 5.15 ABI
// this suite is built against; a different ABI fails to link, not silently.
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0) && QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#define XY_PLOT_HAVE_SIGNAL_SPY_HOOK 1
struct QSignalSpyCallbackSet
{
    typedef void (*BeginCallback)(QObject *caller, int signalOrMethodIndex, void **argv);
    typedef void (*EndCallback)(QObject *caller, int signalOrMethodIndex);
    BeginCallback signal_begin_callback, slot_begin_callback;
    EndCallback signal_end_callback, slot_end_callback;
};
Q_DECL_IMPORT void qt_register_signal_spy_callbacks(QSignalSpyCallbackSet *callbackSet);
#endif

namespace {

struct Emission
{
    QObject *sender;
    QByteArray name;
    QVariant value;
};
QList<Emission> emissions;

// The hook passes the index among the class's signals, base classes first.
void recordEmission(QObject *caller, int signalIndex, void **argv)
{
    const QMetaObject *meta = caller->metaObject();
    if (meta != &Plot_Screen_Info::staticMetaObject)
        return;
    QMetaMethod signal;
    for (int i = 0, k = 0; i < meta->methodCount() && !signal.isValid(); ++i) {
        if (meta->method(i).methodType() == QMetaMethod::Signal && k++ == signalIndex)
            signal = meta->method(i);
    }
    const QVariant value =
        signal.parameterCount() == 1 ? QVariant(signal.parameterType(0), argv[1]) : QVariant();
    emissions.append({caller, signal.name(), value});
}

} // namespace

class ExchangeWritebackTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        dialog = makeDialog();
        registerPlotScreenInfoMetaType();
        loadValid();
    }
    void cleanupTestCase() { dialog.reset(); }

    void screenFields_data()
    {
        QTest::addColumn<QString>("refreshText");
        QTest::addColumn<QString>("sampleText");
        QTest::addColumn<QString>("storageText");
        QTest::addColumn<int>("unitIndex");
        QTest::addColumn<qulonglong>("refresh");
        QTest::addColumn<qulonglong>("sample");
        QTest::addColumn<qulonglong>("storage");
        QTest::newRow("seconds") << "100"
                                 << "20"
                                 << "30" << 0 << 100ull << 20ull << 30ull;
        QTest::newRow("hours") << "100"
                               << "20"
                               << "30" << 2 << 100ull << 20ull << 108000ull;
        QTest::newRow("nearest whole unit") << "33.3333"
                                            << "33.5"
                                            << "1.5" << 1 << 33ull << 34ull << 90ull;
        QTest::newRow("days shown as 0.00104167 leave the combo without unit")
            << "10"
            << "10"
            << "0.00104167" << -1 << 10ull << 10ull << 0ull;
        QTest::newRow("not numbers") << ""
                                     << "abc"
                                     << "-5" << 0 << 0ull << 0ull << 0ull;
        QTest::newRow("not finite") << "inf"
                                    << "nan"
                                    << "-inf" << 0 << 0ull << 0ull << 0ull;
        QTest::newRow("beyond 64 bits") << "1e30"
                                        << "18446744073709551616"
                                        << "6e15" << 2 << 0ull << 0ull << 0ull;
        QTest::newRow("within 64 bits")
            << "1.8e19"
            << "1e3"
            << "5e14" << 2 << 18000000000000000000ull << 1000ull << 1800000000000000000ull;
    }
    void screenFields()
    {
        QFETCH(QString, refreshText);
        QFETCH(QString, sampleText);
        QFETCH(QString, storageText);
        QFETCH(int, unitIndex);
        ui()->lineEditScreenRefreshInterval->setText(refreshText);
        ui()->lineEditDataSampleInterval->setText(sampleText);
        ui()->lineEditDataStorage->setText(storageText);
        ui()->cmbDataStorageUnits->setCurrentIndex(unitIndex);
        const Plot_Screen_Info *info = write();
        QTEST(qulonglong(info->screenRefreshInterval), "refresh");
        QTEST(qulonglong(info->dataSampleInterval), "sample");
        QTEST(qulonglong(info->dataStorage), "storage");
        QCOMPARE(int(info->dataUnits), unitIndex);
    }

    void axes_data()
    {
        QTest::addColumn<bool>("autoRange");
        QTest::addColumn<QStringList>("rangeTexts");
        QTest::addColumn<QStringList>("tickTexts");
        QTest::addColumn<int>("styleIndex");
        QTest::addColumn<double>("rangeMin");
        QTest::addColumn<double>("rangeMax");
        QTest::addColumn<qulonglong>("major");
        QTest::addColumn<qulonglong>("minor");
        QTest::addColumn<int>("pattern");
        using L = QStringList;
        QTest::newRow("auto range drops the fields")
            << true << L{"10", "20"} << L{"5", "4"} << 2 << 0.0 << 0.0 << 5ull << 4ull << 0x1111;
        QTest::newRow("fixed range")
            << false << L{"10", "20"} << L{"2", "1"} << 0 << 10.0 << 20.0 << 2ull << 1ull << 0xFFFF;
        QTest::newRow("ticks capped at 10") << false << L{"-1.5e3", "0.25"} << L{"12", "3"} << 3
                                            << -1500.0 << 0.25 << 10ull << 3ull << 0xF33C;
        QTest::newRow("not numbers")
            << false << L{"abc", ""} << L{"-1", "2.5"} << 1 << 0.0 << 0.0 << 0ull << 0ull << 0xF0F0;
        QTest::newRow("no line style chosen") << true << L{"1", "2"} << L{"99999999999", ""} << -1
                                              << 0.0 << 0.0 << 0ull << 0ull << 0xFFFF;
    }
    void axes()
    {
        QFETCH(bool, autoRange);
        QFETCH(QStringList, rangeTexts);
        QFETCH(QStringList, tickTexts);
        QFETCH(int, styleIndex);
        QFETCH(double, rangeMin);
        QFETCH(double, rangeMax);

        // Y axes rows have the auto range at column 2, the X axis row at 0.
        struct Row
        {
            Spreadsheet *table;
            int row;
            int first;
        };
        Spreadsheet *yAxes = A::yAxes(*dialog)[1];
        Spreadsheet *xAxis = A::xAxis(*dialog)[1];
        for (const Row &r : {Row{yAxes, 0, 2}, Row{yAxes, 1, 2}, Row{xAxis, 0, 0}}) {
            cellAt<CheckBoxWidget>(r.table, r.row, r.first)->setCheckBoxTrue(autoRange);
            for (int field = 0; field < 2; ++field) {
                cellAt<LineEdit_LineEditWidget>(r.table, r.row, r.first + 1)
                    ->setLineEditText(field, rangeTexts[field]);
                cellAt<LineEdit_LineEditWidget>(r.table, r.row, r.first + 2)
                    ->setLineEditText(field, tickTexts[field]);
            }
            cellAt<Combo_SpinBoxWidget>(r.table, r.row, r.table->columnCount() - 1)
                ->setComboBoxCurrentIndex(styleIndex);
        }
        // The X axis table has no grid switch, whatever its cell holds.
        cellAt<LineEditColorWidget>(yAxes, 1, 6)->setGridVisible(false);
        cellAt<LineEditColorWidget>(xAxis, 0, 5)->setGridVisible(false);
        const Plot_Axis_Info &record = write()->plotAxisInfo.at(1);
        for (const Single_Axis_Info *axis : {&record.leftYAxis, &record.rightYAxis, &record.xAxis}) {
            QCOMPARE(axis->autoRange, autoRange);
            QCOMPARE(axis->rangeMin, rangeMin);
            QCOMPARE(axis->rangeMax, rangeMax);
            QTEST(qulonglong(axis->numMajorTicks), "major");
            QTEST(qulonglong(axis->numMinorTicks), "minor");
            QTEST(axis->gridLineStyle, "pattern");
        }
        QCOMPARE(record.rightYAxis.gridVisible, false);
        QCOMPARE(record.xAxis.gridVisible, true);
    }

    void fonts_data()
    {
        QTest::addColumn<QFont>("edited");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pointSize");
        QFont bold(QStringLiteral("Serif"), 30, QFont::Bold);
        QFont italic(QStringLiteral("Monospace"), 10);
        italic.setItalic(true);
        QFont pixels(QStringLiteral("Serif"));
        pixels.setPixelSize(40);
        QTest::newRow("bold 30 points") << bold << "Serif" << 24;
        QTest::newRow("italic 10 points") << italic << "Monospace" << 10;
        QTest::newRow("24 points") << QFont(QStringLiteral("Sans"), 24) << "Sans" << 24;
        QTest::newRow("sized in pixels keeps 12 points") << pixels << "Serif" << 12;
    }
    void fonts()
    {
        QFETCH(QFont, edited);
        QFETCH(QString, family);
        QFETCH(int, pointSize);
        Base_Plot_Frame_Tab *frame = ui()->plot_frame_tab;
        frame->setTitleFont(edited);
        frame->setSubtitleFont(edited);
        frame->setNoteFont(edited);
        const Plot_Screen_Info *info = write();
        QFont expected(QStringLiteral("Sans Serif"), 12);
        expected.setFamily(family);
        expected.setPointSize(pointSize);
        QCOMPARE(info->titleFont, expected);
        QCOMPARE(info->subtitleFont, expected);
        QCOMPARE(info->noteFont, expected);
        QVERIFY(!info->titleFont.bold());
        QVERIFY(!info->titleFont.italic());
    }

    // Every property is stored in its order, each change signal after its
    // store and carrying the stored value.
    void signalOrder()
    {
#ifdef XY_PLOT_HAVE_SIGNAL_SPY_HOOK
        dialog->setConfigFilename(QStringLiteral("/cfg/screen4.xml"));
        ui()->plot_frame_tab->setTitle(QStringLiteral("T").repeated(60));
        emissions.clear();
        QSignalSpyCallbackSet hooks = {recordEmission, nullptr, nullptr, nullptr};
        qt_register_signal_spy_callbacks(&hooks);
        Plot_Screen_Info *info = write();
        qt_register_signal_spy_callbacks(nullptr);

        QList<QByteArray> names;
        for (const Emission &e : qAsConst(emissions)) {
            QCOMPARE(e.sender, info);
            names.append(e.name);
        }
        const QList<QByteArray>
            expected{"configFileNameChanged",     "titleChanged",
                     "titleFontChanged",          "subtitleChanged",
                     "subtitleFontChanged",       "noteChanged",
                     "noteFontChanged",           "legendChanged",
                     "numPlotsChanged",           "screenRefreshIntervalChanged",
                     "dataSampleIntervalChanged", "showTitleSubtitleChanged",
                     "showNoteChanged",           "condenseControlsChanged",
                     "dataUnitsChanged",          "dataStorageChanged",
                     "plotBgColorNameChanged"};
        QCOMPARE(names, expected);
        QCOMPARE(emissions[0].value.toString(), QStringLiteral("/cfg/screen4.xml"));
        QCOMPARE(emissions[1].value.toString(), info->title);
        QCOMPARE(info->title.size(), 50);
        QCOMPARE(emissions[2].value.value<QFont>(), info->titleFont);
        QCOMPARE(emissions[16].value.toString(), info->plotBgColorName);
#else
        QSKIP("no signal hook for this Qt version");
#endif
    }

    void graphRecords()
    {
        for (int g = 0; g < 3; ++g)
            cellAt<LineEditWidget>(A::xAxis(*dialog)[g], 0, 4)
                ->setLineEditText(QString::number(g + 1));
        QBitArray &visible = A::plotVisible(*dialog);
        const QBitArray before = visible;
        visible = bits(8, {0, 2});
        const Plot_Screen_Info *info = write();
        visible = before;

        // Records follow the shown graphs; the count of graphs follows the tabs.
        QCOMPARE(info->plotAxisInfo.size(), 2);
        QCOMPARE(info->plotAxisInfo[0].xAxis.label, QStringLiteral("1"));
        QCOMPARE(info->plotAxisInfo[1].xAxis.label, QStringLiteral("3"));
        QCOMPARE(int(info->numPlots), ui()->plotConfigTabs->count() - 1);
    }

    void variableRows_data()
    {
        QTest::addColumn<QList<int>>("xs"); // catalogue index chosen per row, -1 none
        QTest::addColumn<QList<int>>("ys");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("xNames"); // of records 0 and 1
        QTest::newRow("two complete rows")
            << QList<int>{0, 3} << QList<int>{2, 1} << 2 << QStringList{"AIR", "OIL"};
        QTest::newRow("second row without Y")
            << QList<int>{0, 3} << QList<int>{2, -1} << 1 << QStringList{"AIR", ""};
        // The count covers complete rows, but rows are read from the top.
        QTest::newRow("first row without X")
            << QList<int>{-1, 3} << QList<int>{2, 1} << 1 << QStringList{"", ""};
    }
    void variableRows()
    {
        QFETCH(QList<int>, xs);
        QFETCH(QList<int>, ys);
        QFETCH(QStringList, xNames);
        Spreadsheet *vars = A::xyVar(*dialog)[0];
        vars->setRowCount(xs.size());
        for (int r = 0; r < xs.size(); ++r) {
            cellAt<ZelVariable>(vars, r, 0)->comboBox()->setCurrentIndex(xs[r]);
            cellAt<ZelVariable>(vars, r, 1)->comboBox()->setCurrentIndex(ys[r]);
            cellAt<LineEditColorWidget>(vars, r, 3)->setBGStyleSheet(QStringLiteral("#a0b0c0"));
        }
        const Plot_Axis_Info &record = write()->plotAxisInfo.at(0);
        QTEST(int(record.numVarChannels), "count");
        for (int r = 0; r < 2; ++r) {
            QCOMPARE(record.varChannels[r].xVarName, xNames[r]);
            // Unwritten records keep the default colour.
            QCOMPARE(record.varChannels[r].lineColor.name(),
                     QLatin1String(xNames[r].isEmpty() ? "#ffe1ff" : "#a0b0c0"));
        }
        if (!xNames[0].isEmpty())
            QCOMPARE(record.varChannels[0].yVarName, catalogue()[ys[0]]);
    }

    void overlayRows_data()
    {
        QTest::addColumn<QList<int>>("xs"); // index into overlayNames(0), -1 none
        QTest::addColumn<QList<int>>("ys");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("xNames");
        QTest::newRow("two complete rows")
            << QList<int>{1, 3} << QList<int>{2, 2} << 2 << QStringList{"G1_X", "TIME"};
        // The record is still written, but the graph has no usable overlay.
        QTest::newRow("empty entry in the first row")
            << QList<int>{0, 3} << QList<int>{2, 2} << 0 << QStringList{"", "TIME"};
        QTest::newRow("incomplete second row")
            << QList<int>{1, 3} << QList<int>{2, -1} << 1 << QStringList{"G1_X", ""};
    }
    void overlayRows()
    {
        QFETCH(QList<int>, xs);
        QFETCH(QList<int>, ys);
        QFETCH(QStringList, xNames);
        Spreadsheet *overlay = A::xyOverlay(*dialog)[0];
        overlay->setRowCount(xs.size());
        for (int r = 0; r < xs.size(); ++r) {
            cellAt<ComboBoxWidget>(overlay, r, 0)->setComboBoxCurrentIndex(xs[r]);
            cellAt<ComboBoxWidget>(overlay, r, 1)->setComboBoxCurrentIndex(ys[r]);
            cellAt<IconButtonWidget>(overlay, r, 2)->setLeftSelected(false);
        }
        const Plot_Axis_Info &record = write()->plotAxisInfo.at(0);
        QTEST(int(record.numOverlayChannels), "count");
        for (int r = 0; r < 2; ++r) {
            QCOMPARE(record.overlayChannels[r].xVarName, xNames[r]);
            QCOMPARE(record.overlayChannels[r].useLeftAxis, r == 1 && ys[1] < 0);
        }
        QCOMPARE(record.overlayChannels[0].yVarName, QStringLiteral("G1_Y"));
    }

    void graphSettings_data()
    {
        QTest::addColumn<int>("comboIndex");
        QTest::addColumn<int>("displayType");
        QTest::newRow("full trace") << 0 << 0;
        QTest::newRow("marker only") << 1 << 1;
        QTest::newRow("comet") << 2 << 2;
        QTest::newRow("nothing chosen") << -1 << 0;
    }
    void graphSettings()
    {
        QFETCH(int, comboIndex);
        QFETCH(int, displayType);
        A::displayTypeCombos(*dialog)[2]->setCurrentIndex(comboIndex);
        const Plot_Axis_Info &record = write()->plotAxisInfo.at(2);
        QCOMPARE(record.displayType, displayType);
        QCOMPARE(record.traceMode, 4);
    }

    void replacedDescriptions()
    {
        // A description nobody received goes when the next one is written.
        QPointer<Plot_Screen_Info> unused = write();
        QPointer<Plot_Screen_Info> current = write();
        QVERIFY(unused.isNull());
        QVERIFY(!current.isNull());

        // An Apply that nobody receives hands nothing out: the dialog keeps
        // that description and frees it like any other of its own.
        loadValid();
        QTest::qWait(600); // past the window in which a second Apply is skipped
        QVERIFY(A::applyPressed(*dialog));
        QPointer<Plot_Screen_Info> unreceived = A::psi(*dialog);
        QVERIFY(!unreceived.isNull());
        write();
        QVERIFY(unreceived.isNull());

        // One handed to the host stays the host's.
        current = write();
        QTest::qWait(600);
        QSignalSpy applied(dialog.get(), &XY_Plot_Config_Dialog::applyPressedSignal);
        QVERIFY(A::applyPressed(*dialog));
        QCOMPARE(applied.count(), 1);
        QPointer<Plot_Screen_Info> handedOut = applied.at(0).at(0).value<Plot_Screen_Info *>();
        QVERIFY(current.isNull());
        write();
        QPointer<Plot_Screen_Info> last = write();
        QVERIFY(!handedOut.isNull());

        // The dialog takes its own along when it goes; the host's stays.
        dialog.reset();
        QVERIFY(last.isNull());
        QVERIFY(!handedOut.isNull());
        delete handedOut.data();
        dialog = makeDialog();
        loadValid();
    }

    // A host may delete the dialog in the slot of either signal of OK.
    void deletedByItsReceiver_data()
    {
        QTest::addColumn<bool>("onApply");
        QTest::newRow("on apply") << true;
        QTest::newRow("on ok") << false;
    }
    void deletedByItsReceiver()
    {
        QFETCH(bool, onApply);
        QTest::qWait(600); // past the window in which a second Apply is skipped
        auto info = makeInfo(1);
        info->plotAxisInfo[0].numVarChannels = 1;
        info->plotAxisInfo[0].varChannels[0].xVarName = QStringLiteral("AIR");
        info->plotAxisInfo[0].varChannels[0].yVarName = QStringLiteral("OIL");
        QPointer<XY_Plot_Config_Dialog> doomed = makeDialog().release();
        load(*doomed, *info);
        Plot_Screen_Info *received = nullptr;
        connect(doomed.data(), &XY_Plot_Config_Dialog::applyPressedSignal, this,
                [&](Plot_Screen_Info *applied) {
                    received = applied;
                    if (onApply)
                        delete doomed.data();
                });
        connect(doomed.data(), &XY_Plot_Config_Dialog::okPressedSignal, this,
                [&] { delete doomed.data(); });
        A::okPressed(*doomed);
        QVERIFY(doomed.isNull());
        QVERIFY(received);
        delete received;
    }

private:
    Ui_Plot_Config_Dialog *ui()
    {
        return A::ui(*dialog);
    }
    Plot_Screen_Info *write()
    {
        A::writeScreenInfoToDataStructure(*dialog);
        return A::psi(*dialog);
    }

    // Graphs 1 to 3 shown, each with one complete variable row: a valid
    // configuration.
    void loadValid()
    {
        auto info = makeInfo(3);
        for (Plot_Axis_Info &record : info->plotAxisInfo) {
            record.numVarChannels = 1;
            record.varChannels[0].xVarName = QStringLiteral("AIR");
            record.varChannels[0].yVarName = QStringLiteral("OIL");
        }
        load(*dialog, *info);
    }
    std::unique_ptr<XY_Plot_Config_Dialog> dialog;
};

QTEST_MAIN(ExchangeWritebackTest)
#include "tst_exchange_writeback.moc"

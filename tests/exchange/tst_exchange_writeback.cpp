// Writing the dialog back into a new plot screen description.
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include <interfaces/base_plot_frame_tab.h>

#include "exchange_fixture.h"

using namespace ExchangeFixture;

// Qt's hook for observing every signal emission (the one QtTest's -vs uses).
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
QMetaMethod signalAt(const QMetaObject *meta, int signalIndex)
{
    for (int i = 0, k = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal && k++ == signalIndex)
            return method;
    }
    return QMetaMethod();
}

void recordEmission(QObject *caller, int signalIndex, void **argv)
{
    const QMetaObject *meta = caller->metaObject();
    if (meta != &Plot_Screen_Info::staticMetaObject)
        return;
    const QMetaMethod signal = signalAt(meta, signalIndex);
    QVariant value;
    if (signal.parameterCount() == 1)
        value = QVariant(signal.parameterType(0), argv[1]);
    emissions.append({caller, signal.name(), value});
}

} // namespace

class ExchangeWritebackTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { dialog.reset(); }

    void screenFields_data();
    void screenFields();
    void axes_data();
    void axes();
    void fonts_data();
    void fonts();
    void signalOrder();
    void graphRecords();
    void variableRows_data();
    void variableRows();
    void overlayRows_data();
    void overlayRows();
    void graphSettings_data();
    void graphSettings();
    void replacedDescriptions();

private:
    Ui_Plot_Config_Dialog *ui() { return A::ui(*dialog); }
    Plot_Screen_Info *write()
    {
        A::writeScreenInfoToDataStructure(*dialog);
        return A::psi(*dialog);
    }
    void loadValid();
    std::unique_ptr<XY_Plot_Config_Dialog> dialog;
};

// Graphs 1 to 3 shown, each with one complete variable row: a valid
// configuration.
void ExchangeWritebackTest::loadValid()
{
    auto info = makeInfo(3);
    for (Plot_Axis_Info &record : info->plotAxisInfo) {
        record.numVarChannels = 1;
        record.varChannels[0].xVarName = QStringLiteral("AIR");
        record.varChannels[0].yVarName = QStringLiteral("OIL");
    }
    load(*dialog, *info);
}

void ExchangeWritebackTest::initTestCase()
{
    dialog = makeDialog();
    registerPlotScreenInfoMetaType();
    loadValid();
}

void ExchangeWritebackTest::screenFields_data()
{
    QTest::addColumn<QString>("refreshText");
    QTest::addColumn<QString>("sampleText");
    QTest::addColumn<QString>("storageText");
    QTest::addColumn<int>("unitIndex");
    QTest::addColumn<qulonglong>("refresh");
    QTest::addColumn<qulonglong>("sample");
    QTest::addColumn<qulonglong>("storage");

    QTest::newRow("seconds") << "100" << "20" << "30" << 0 << 100ull << 20ull << 30ull;
    QTest::newRow("minutes") << "100" << "20" << "30" << 1 << 100ull << 20ull << 1800ull;
    QTest::newRow("hours") << "100" << "20" << "30" << 2 << 100ull << 20ull << 108000ull;
    QTest::newRow("nearest whole unit")
        << "33.3333" << "33.5" << "1.5" << 1 << 33ull << 34ull << 90ull;
    QTest::newRow("days shown as 0.00104167 leave the combo without unit")
        << "10" << "10" << "0.00104167" << -1 << 10ull << 10ull << 0ull;
    QTest::newRow("not numbers") << "" << "abc" << "-5" << 0 << 0ull << 0ull << 0ull;
    QTest::newRow("not finite") << "inf" << "nan" << "-inf" << 0 << 0ull << 0ull << 0ull;
    QTest::newRow("beyond 64 bits") << "1e30" << "18446744073709551616" << "6e15" << 2
                                    << 0ull << 0ull << 0ull;
    QTest::newRow("within 64 bits") << "1.8e19" << "1e3" << "5e14" << 2
                                    << 18000000000000000000ull << 1000ull
                                    << 1800000000000000000ull;
}

void ExchangeWritebackTest::screenFields()
{
    QFETCH(QString, refreshText);
    QFETCH(QString, sampleText);
    QFETCH(QString, storageText);
    QFETCH(int, unitIndex);
    QFETCH(qulonglong, refresh);
    QFETCH(qulonglong, sample);
    QFETCH(qulonglong, storage);

    ui()->lineEditScreenRefreshInterval->setText(refreshText);
    ui()->lineEditDataSampleInterval->setText(sampleText);
    ui()->lineEditDataStorage->setText(storageText);
    ui()->cmbDataStorageUnits->setCurrentIndex(unitIndex);
    const Plot_Screen_Info *info = write();

    QCOMPARE(qulonglong(info->screenRefreshInterval), refresh);
    QCOMPARE(qulonglong(info->dataSampleInterval), sample);
    QCOMPARE(qulonglong(info->dataStorage), storage);
    QCOMPARE(int(info->dataUnits), unitIndex);
}

void ExchangeWritebackTest::axes_data()
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

    QTest::newRow("auto range drops the fields")
        << true << QStringList{"10", "20"} << QStringList{"5", "4"} << 2
        << 0.0 << 0.0 << 5ull << 4ull << 0x1111;
    QTest::newRow("fixed range")
        << false << QStringList{"10", "20"} << QStringList{"2", "1"} << 0
        << 10.0 << 20.0 << 2ull << 1ull << 0xFFFF;
    QTest::newRow("ticks capped at 10")
        << false << QStringList{"-1.5e3", "0.25"} << QStringList{"12", "3"} << 3
        << -1500.0 << 0.25 << 10ull << 3ull << 0xF33C;
    QTest::newRow("not numbers")
        << false << QStringList{"abc", ""} << QStringList{"-1", "2.5"} << 1
        << 0.0 << 0.0 << 0ull << 0ull << 0xF0F0;
    QTest::newRow("no line style chosen")
        << true << QStringList{"1", "2"} << QStringList{"99999999999", ""} << -1
        << 0.0 << 0.0 << 0ull << 0ull << 0xFFFF;
}

void ExchangeWritebackTest::axes()
{
    QFETCH(bool, autoRange);
    QFETCH(QStringList, rangeTexts);
    QFETCH(QStringList, tickTexts);
    QFETCH(int, styleIndex);
    QFETCH(double, rangeMin);
    QFETCH(double, rangeMax);
    QFETCH(qulonglong, major);
    QFETCH(qulonglong, minor);
    QFETCH(int, pattern);

    // Y axes rows have the auto range at column 2, the X axis row at 0.
    struct Row { Spreadsheet *table; int row; int first; };
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
        QCOMPARE(qulonglong(axis->numMajorTicks), major);
        QCOMPARE(qulonglong(axis->numMinorTicks), minor);
        QCOMPARE(axis->gridLineStyle, pattern);
    }
    QCOMPARE(record.rightYAxis.gridVisible, false);
    QCOMPARE(record.xAxis.gridVisible, true);
}

void ExchangeWritebackTest::fonts_data()
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

void ExchangeWritebackTest::fonts()
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

void ExchangeWritebackTest::signalOrder()
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
    const QList<QByteArray> expected{
        "configFileNameChanged", "titleChanged", "titleFontChanged", "subtitleChanged",
        "subtitleFontChanged", "noteChanged", "noteFontChanged", "legendChanged",
        "numPlotsChanged", "screenRefreshIntervalChanged", "dataSampleIntervalChanged",
        "showTitleSubtitleChanged", "showNoteChanged", "condenseControlsChanged",
        "dataUnitsChanged", "dataStorageChanged", "plotBgColorNameChanged"};
    QCOMPARE(names, expected);
    // Each signal carries the value just stored.
    QCOMPARE(emissions[0].value.toString(), QStringLiteral("/cfg/screen4.xml"));
    QCOMPARE(emissions[1].value.toString(), info->title);
    QCOMPARE(info->title.size(), 50);
    QCOMPARE(emissions[2].value.value<QFont>(), info->titleFont);
    QCOMPARE(emissions[16].value.toString(), info->plotBgColorName);
#else
    QSKIP("no signal hook for this Qt version");
#endif
}

void ExchangeWritebackTest::graphRecords()
{
    for (int g = 0; g < 3; ++g)
        cellAt<LineEditWidget>(A::xAxis(*dialog)[g], 0, 4)->setLineEditText(QString::number(g + 1));
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

void ExchangeWritebackTest::variableRows_data()
{
    QTest::addColumn<QList<int>>("xs"); // catalogue index chosen per row, -1 none
    QTest::addColumn<QList<int>>("ys");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("xNames"); // of records 0 and 1

    QTest::newRow("two complete rows") << QList<int>{0, 3} << QList<int>{2, 1} << 2
                                       << QStringList{"AIR", "OIL"};
    QTest::newRow("second row without Y") << QList<int>{0, 3} << QList<int>{2, -1} << 1
                                          << QStringList{"AIR", ""};
    // The count covers complete rows, but rows are read from the top.
    QTest::newRow("first row without X") << QList<int>{-1, 3} << QList<int>{2, 1} << 1
                                         << QStringList{"", ""};
}

void ExchangeWritebackTest::variableRows()
{
    QFETCH(QList<int>, xs);
    QFETCH(QList<int>, ys);
    QFETCH(int, count);
    QFETCH(QStringList, xNames);

    Spreadsheet *vars = A::xyVar(*dialog)[0];
    vars->setRowCount(xs.size());
    for (int r = 0; r < xs.size(); ++r) {
        cellAt<ZelVariable>(vars, r, 0)->comboBox()->setCurrentIndex(xs[r]);
        cellAt<ZelVariable>(vars, r, 1)->comboBox()->setCurrentIndex(ys[r]);
        cellAt<LineEditColorWidget>(vars, r, 3)->setBGStyleSheet(QStringLiteral("#a0b0c0"));
    }
    const Plot_Axis_Info &record = write()->plotAxisInfo.at(0);

    QCOMPARE(int(record.numVarChannels), count);
    for (int r = 0; r < 2; ++r) {
        QCOMPARE(record.varChannels[r].xVarName, xNames[r]);
        // Unwritten records keep the default colour.
        QCOMPARE(record.varChannels[r].lineColor.name(),
                 QLatin1String(xNames[r].isEmpty() ? "#ffe1ff" : "#a0b0c0"));
    }
    if (!xNames[0].isEmpty())
        QCOMPARE(record.varChannels[0].yVarName, catalogue()[ys[0]]);
}

void ExchangeWritebackTest::overlayRows_data()
{
    QTest::addColumn<QList<int>>("xs"); // index into overlayNames(0), -1 none
    QTest::addColumn<QList<int>>("ys");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("xNames");

    QTest::newRow("two complete rows") << QList<int>{1, 3} << QList<int>{2, 2} << 2
                                       << QStringList{"G1_X", "TIME"};
    // The record is still written, but the graph has no usable overlay.
    QTest::newRow("empty entry in the first row") << QList<int>{0, 3} << QList<int>{2, 2} << 0
                                                  << QStringList{"", "TIME"};
    QTest::newRow("incomplete second row") << QList<int>{1, 3} << QList<int>{2, -1} << 1
                                           << QStringList{"G1_X", ""};
}

void ExchangeWritebackTest::overlayRows()
{
    QFETCH(QList<int>, xs);
    QFETCH(QList<int>, ys);
    QFETCH(int, count);
    QFETCH(QStringList, xNames);

    Spreadsheet *overlay = A::xyOverlay(*dialog)[0];
    overlay->setRowCount(xs.size());
    for (int r = 0; r < xs.size(); ++r) {
        cellAt<ComboBoxWidget>(overlay, r, 0)->setComboBoxCurrentIndex(xs[r]);
        cellAt<ComboBoxWidget>(overlay, r, 1)->setComboBoxCurrentIndex(ys[r]);
        cellAt<IconButtonWidget>(overlay, r, 2)->setLeftSelected(false);
    }
    const Plot_Axis_Info &record = write()->plotAxisInfo.at(0);

    QCOMPARE(int(record.numOverlayChannels), count);
    for (int r = 0; r < 2; ++r) {
        QCOMPARE(record.overlayChannels[r].xVarName, xNames[r]);
        QCOMPARE(record.overlayChannels[r].useLeftAxis, r == 1 && ys[1] < 0);
    }
    QCOMPARE(record.overlayChannels[0].yVarName, QStringLiteral("G1_Y"));
}

void ExchangeWritebackTest::graphSettings_data()
{
    QTest::addColumn<int>("comboIndex");
    QTest::addColumn<int>("displayType");

    QTest::newRow("full trace") << 0 << 0;
    QTest::newRow("marker only") << 1 << 1;
    QTest::newRow("comet") << 2 << 2;
    QTest::newRow("nothing chosen") << -1 << 0;
}

void ExchangeWritebackTest::graphSettings()
{
    QFETCH(int, comboIndex);
    QFETCH(int, displayType);

    A::displayTypeCombos(*dialog)[2]->setCurrentIndex(comboIndex);
    const Plot_Axis_Info &record = write()->plotAxisInfo.at(2);
    QCOMPARE(record.displayType, displayType);
    QCOMPARE(record.traceMode, 4);
}

void ExchangeWritebackTest::replacedDescriptions()
{
    // A description nobody received goes when the next one is written.
    QPointer<Plot_Screen_Info> unused = write();
    QPointer<Plot_Screen_Info> current = write();
    QVERIFY(unused.isNull());
    QVERIFY(!current.isNull());

    // One handed to the host stays the host's.
    loadValid();
    QSignalSpy applied(dialog.get(), &XY_Plot_Config_Dialog::applyPressedSignal);
    QVERIFY(A::applyPressed(*dialog));
    QCOMPARE(applied.count(), 1);
    QPointer<Plot_Screen_Info> handedOut = applied.at(0).at(0).value<Plot_Screen_Info *>();
    QVERIFY(current.isNull());
    write();
    write();
    QVERIFY(!handedOut.isNull());
    delete handedOut.data();
}

QTEST_MAIN(ExchangeWritebackTest)
#include "tst_exchange_writeback.moc"

// Plot data in and out of the dialog: what the widgets show after show(),
// what the write-back builds from edited widgets, and the round trip over
// random descriptions.
//
// The random cases run XY_PLOT_EXCHANGE_DESCRIPTIONS descriptions (default
// 160) from seed XY_PLOT_EXCHANGE_SEED; ctest runs them under several seeds
// side by side. More cases, for instance: XY_PLOT_EXCHANGE_SEED=9
// XY_PLOT_EXCHANGE_DESCRIPTIONS=5000 tst_exchange_roundtrip showThenWriteBack
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <functional>
#include <limits>

#include <interfaces/base_plot_frame_tab.h>

#include "exchange_fixture.h"
#include "random_description.h"

using namespace ExchangeFixture;

using Edit = std::function<void(Plot_Screen_Info &, Dialog &)>;
using Probe = std::function<QString(Dialog &)>;
using Act = std::function<void(Dialog &)>;
Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Probe)
Q_DECLARE_METATYPE(Act)

namespace {

const auto ULongMax = std::numeric_limits<unsigned long>::max();

// What a cell shows, whatever its kind; "off" for each field not editable.
QString shown(QWidget *cell)
{
    if (auto *w = qobject_cast<LineEdit_LineEditWidget *>(cell))
        return w->getLineEditText(0) + ',' + w->getLineEditText(1)
               + (w->lineEdit(0)->isEnabled() ? "" : " off")
               + (w->lineEdit(1)->isEnabled() ? "" : " off");
    if (auto *w = qobject_cast<Combo_SpinBoxWidget *>(cell))
        return QStringLiteral("%1/%2").arg(w->getComboBoxCurrentIndex()).arg(w->getSpinBoxValue());
    if (auto *w = qobject_cast<LineEditColorWidget *>(cell))
        return w->getBGStyleSheet() + (w->getGridVisible() ? "" : " hidden");
    if (auto *w = qobject_cast<LineEditWidget *>(cell))
        return w->getLineEditText();
    if (auto *w = qobject_cast<CheckBoxWidget *>(cell))
        return w->getCheckBoxTrue() ? "auto" : "fixed";
    if (auto *w = qobject_cast<IconButtonWidget *>(cell))
        return w->getLeftSelected() ? "L" : "R";
    if (auto *w = qobject_cast<ZelVariable *>(cell))
        return QString::number(w->comboBox()->currentIndex());
    if (auto *w = qobject_cast<ComboBoxWidget *>(cell))
        return '"' + w->getComboBoxCurrentText() + '"';
    return QStringLiteral("?");
}
// Row count of graph slot g's table, then every cell of one of its rows.
Probe row(const char *table, int g, int r)
{
    return [=](Dialog &d) {
        Spreadsheet *t = of(d, table, g);
        QStringList cells{QString::number(t->rowCount())};
        for (int c = 0; c < t->columnCount() && r < t->rowCount(); ++c)
            cells.append(shown(t->cellWidget(r, c)));
        return cells.join(' ');
    };
}
QString screenFields(Dialog &d)
{
    QStringList texts;
    for (const char *name :
         {"lineEditScreenRefreshRate", "lineEditScreenRefreshInterval", "lineEditDataSampleRate",
          "lineEditDataSampleInterval", "lineEditDataStorage"})
        texts.append(child<QLineEdit>(d, name)->text());
    return texts.join(' ') + ' '
           + QString::number(child<QComboBox>(d, "cmbDataStorageUnits")->currentIndex());
}
QString graphSettings(Dialog &d)
{
    QStringList parts{QString::number(of<QComboBox>(d, "cboDisplayType%1", 3)->currentIndex())};
    auto *comet = of<QSpinBox>(d, "spinCometLength%1", 3);
    parts << QString::number(comet->value()) + (comet->isEnabled() ? "" : " off");
    for (const char *name : {"radDatapointShowPlot%1", "radDatapointHidePlot%1",
                             "radXYValuesShowPlot%1", "radXYValuesHidePlot%1"})
        parts << (of<QRadioButton>(d, name, 3)->isChecked() ? "on" : "-");
    return parts.join(' ') + ' ' + of<QLabel>(d, "lblOverlayFilePlot%1", 3)->text();
}

// Edits of the description shown; each row starts from four fresh graphs.
Edit screen(unsigned long refresh, unsigned long sample, unsigned long storage, int units)
{
    return [=](Plot_Screen_Info &info, Dialog &) {
        info.screenRefreshInterval = refresh;
        info.dataSampleInterval = sample;
        info.dataStorage = storage;
        info.dataUnits = static_cast<UnitType>(units);
    };
}
Edit axes(bool autoRange, double low, double high, int pattern, int width, unsigned long ticks)
{
    return [=](Plot_Screen_Info &info, Dialog &) {
        Plot_Axis_Info &record = info.plotAxisInfo[1];
        for (Single_Axis_Info *a : {&record.leftYAxis, &record.rightYAxis, &record.xAxis}) {
            a->autoRange = autoRange;
            a->rangeMin = low;
            a->rangeMax = high;
            a->gridLineStyle = pattern;
            a->gridLineWidth = width;
            a->numMajorTicks = ticks;
            a->numMinorTicks = 3;
            a->label = QStringLiteral("Oil");
            a->gridColorName = QStringLiteral("#102030");
            a->axisColorName = QStringLiteral("#00FF00");
            a->gridVisible = false;
        }
    };
}
Edit channels(const char *table, int rowsBefore, unsigned long count, QString x, QString y)
{
    return [=](Plot_Screen_Info &info, Dialog &d) {
        of(d, table, 2)->setRowCount(rowsBefore);
        Plot_Axis_Info &record = info.plotAxisInfo[2];
        const bool overlay = table == Overlays;
        (overlay ? record.numOverlayChannels : record.numVarChannels) = count;
        for (Plot_Channel_Info &c : overlay ? record.overlayChannels : record.varChannels) {
            c.xVarName = x;
            c.yVarName = y;
            c.lineStyle = 0xF0F0;
        }
    };
}
Edit settings(int displayType, bool datapoints, qint64 comet, QString file = QString())
{
    return [=](Plot_Screen_Info &info, Dialog &) {
        Plot_Axis_Info &record = info.plotAxisInfo[3];
        record.displayType = displayType;
        record.showDatapoints = datapoints;
        record.showXYValues = !datapoints;
        record.cometLength = comet;
        record.overlayFileName = file;
    };
}

// Edits of the widgets before a write-back.
Act screenTexts(QString refresh, QString sample, QString storage, int unit)
{
    return [=](Dialog &d) {
        child<QLineEdit>(d, "lineEditScreenRefreshInterval")->setText(refresh);
        child<QLineEdit>(d, "lineEditDataSampleInterval")->setText(sample);
        child<QLineEdit>(d, "lineEditDataStorage")->setText(storage);
        child<QComboBox>(d, "cmbDataStorageUnits")->setCurrentIndex(unit);
    };
}
// The same texts in the left Y row and the X row of graph slot 1.
Act axisTexts(bool autoRange, QString low, QString high, QString major, QString minor, int style)
{
    return [=](Dialog &d) {
        for (Spreadsheet *t : {of(d, YAxes, 1), of(d, XAxis, 1)}) {
            const int first = t == of(d, YAxes, 1) ? 2 : 0;
            cellAt<CheckBoxWidget>(t, 0, first)->setCheckBoxTrue(autoRange);
            const QStringList texts{low, high, major, minor};
            for (int i = 0; i < 4; ++i)
                cellAt<LineEdit_LineEditWidget>(t, 0, first + 1 + i / 2)
                    ->setLineEditText(i % 2, texts[i]);
            cellAt<Combo_SpinBoxWidget>(t, 0, t->columnCount() - 1)->setComboBoxCurrentIndex(style);
        }
    };
}
// Row r of graph 1's table picks entry xs[r] and ys[r] (-1: none).
Act pick(const char *table, QList<int> xs, QList<int> ys)
{
    return [=](Dialog &d) {
        Spreadsheet *t = of(d, table, 0);
        t->setRowCount(xs.size());
        for (int r = 0; r < xs.size(); ++r) {
            for (int c = 0; c < 2; ++c) {
                const int index = (c == 0 ? xs : ys)[r];
                if (auto *variable = cellAt<ZelVariable>(t, r, c))
                    variable->comboBox()->setCurrentIndex(index);
                else
                    cellAt<ComboBoxWidget>(t, r, c)->setComboBoxCurrentIndex(index);
            }
            cellAt<IconButtonWidget>(t, r, 2)->setLeftSelected(false);
        }
    };
}

// Members of a written description as JSON values, by path ("1/xAxis/label"
// is of plotAxisInfo[1]).
QString members(const Plot_Screen_Info &info, const QString &paths)
{
    const QJsonObject root = QJsonDocument::fromJson(info.toJson()).object();
    QStringList values;
    for (QString path : paths.split(' ')) {
        if (path.at(0).isDigit())
            path.prepend(QLatin1String("plotAxisInfo/"));
        QJsonValue v = root;
        for (const QString &key : path.split('/'))
            v = v.isArray() ? v.toArray().at(key.toInt()) : v.toObject().value(key);
        values.append(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).mid(1).chopped(1));
    }
    return values.join(' ');
}

// Graphs 1 to 3 shown, each with one complete variable row: valid as it is.
std::unique_ptr<Plot_Screen_Info> validInfo()
{
    auto info = makeInfo(3);
    info->screenRefreshInterval = 100;
    info->dataSampleInterval = 20;
    info->dataStorage = 30;
    for (Plot_Axis_Info &record : info->plotAxisInfo) {
        record.numVarChannels = 1;
        record.varChannels[0].xVarName = QStringLiteral("AIR");
        record.varChannels[0].yVarName = QStringLiteral("OIL");
    }
    return info;
}

} // namespace

class ExchangeRoundTripTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installNames(RandomDescription::names());
        dialog = RandomDescription::dialog();
    }
    void cleanupTestCase() { dialog.reset(); }

    void shownAfterLoading_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<Probe>("probe");
        QTest::addColumn<QString>("expected");
        const Probe fields(screenFields), graph(graphSettings);
        QTest::newRow("zero intervals") << screen(0, 0, 0, 0) << fields << "inf 0 inf 0 0 0";
        // Only the sample interval goes through 'g' and loses digits.
        QTest::newRow("large intervals") << screen(1234567, 1234567, 7200, 2) << fields
                                         << "0.000810001 1234567 0.000810001 1.23457e+06 2 2";
        QTest::newRow("largest intervals")
            << screen(ULongMax, ULongMax, ULongMax, 0) << fields
            << "5.42101e-17 18446744073709551615 5.42101e-17 1.84467e+19 1.84467e+19 0";
        // The three-entry combo box has no index 3; Qt leaves it without a choice.
        QTest::newRow("90 s in days")
            << screen(100, 30, 90, 3) << fields << "10 100 33.3333 30 0.00104167 -1";

        QTest::newRow("left Y axis: automatic range, dotted")
            << axes(true, -50, 250, 0x1111, 1, 0) << row(YAxes, 1, 0)
            << "2 L #00ff00 auto -50,250 off off 0,3 Oil #102030 hidden 2/1";
        QTest::newRow("right Y axis: not finite, unknown pattern, widths beyond the box")
            << axes(false, qQNaN(), -qInf(), 0x1234, 100000, ULongMax) << row(YAxes, 1, 1)
            << "2 R #00ff00 fixed nan,-inf 18446744073709551615,3 Oil #102030 hidden 0/50";
        QTest::newRow("X axis") << axes(true, 0.25, 1e7, 0xF0F0, -5, 4) << row(XAxis, 1, 0)
                                << "1 auto 0.25,1e+07 4,3 #00ff00 Oil #102030 1/0";

        QTest::newRow("variables: count beyond the records")
            << channels(Vars, 2, ULongMax, "AIR", "OIL") << row(Vars, 2, 7)
            << "8 0 3 L #ffe1ff 1/1";
        QTest::newRow("variables: TEMP selects TEMP_1, the first that starts with it")
            << channels(Vars, 1, 1, "TEMP", "AI") << row(Vars, 2, 0) << "1 1 0 L #ffe1ff 1/1";
        QTest::newRow("variables: case counts, no such name")
            << channels(Vars, 1, 1, "temp", "TEMP_2") << row(Vars, 2, 0) << "1 -1 -1 L #ffe1ff 1/1";
        QTest::newRow("variables: name of 10000 characters")
            << channels(Vars, 1, 1, QString(10000, 'O'), "OIL") << row(Vars, 2, 0)
            << "1 -1 3 L #ffe1ff 1/1";
        QTest::newRow("overlay: three channels")
            << channels(Overlays, 1, 3, "TIME", "G3_Y") << row(Overlays, 2, 2)
            << "3 \"TIME\" \"G3_Y\" L #ffe1ff 1/1";
        QTest::newRow("overlay: no channel keeps one row")
            << channels(Overlays, 4, 0, "TIME", "G3_Y") << row(Overlays, 2, 1) << "1";
        QTest::newRow("overlay: channel of another graph")
            << channels(Overlays, 1, 1, "G1_X", "G3_X") << row(Overlays, 2, 0)
            << "1 \"\" \"G3_X\" L #ffe1ff 1/1";

        QTest::newRow("comet") << settings(2, true, 25, "/data/run.2024.log") << graph
                               << "2 25 on - - on run.log";
        QTest::newRow("comet length beyond the box")
            << settings(2, false, 1000) << graph << "2 99 - on on - .";
        // An index the combo box does not have changes nothing else.
        QTest::newRow("unknown display type")
            << settings(7, false, 5) << graph << "-1 5 - on on - .";
        QTest::newRow("marker only") << settings(1, false, 7, "/data/PC_format/engine.dat") << graph
                                     << "1 7 off - on on - engine.dat";
    }
    void shownAfterLoading()
    {
        QFETCH(Edit, edit);
        QFETCH(Probe, probe);
        auto info = makeInfo(4);
        edit(*info, *dialog);
        showInfo(*dialog, info.get());
        QTEST(probe(*dialog), "expected");
    }

    // Any pan or zoom bit locks the tables of every graph until a show with
    // clear bits.
    void locking()
    {
        auto info = makeInfo(3);
        for (const QBitArray &zoom : {bits(8, {2}), bits(8)}) {
            showInfo(*dialog, info.get(), bits(8), zoom);
            for (int g = 0; g < 3; ++g)
                for (const char *table : {YAxes, XAxis, Vars, Overlays})
                    QCOMPARE(of(*dialog, table, g)->isEnabled(), zoom.count(true) == 0);
        }
    }

    void writtenBack_data()
    {
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("paths");
        QTest::addColumn<QString>("expected");
        const QString screen = "screenRefreshInterval dataSampleInterval dataStorage dataUnits";
        QTest::newRow("nearest whole unit")
            << screenTexts("33.3333", "33.5", "1.5", 1) << screen << "33 34 90 1";
        QTest::newRow("no unit chosen")
            << screenTexts("10", "10", "0.00104167", -1) << screen << "10 10 0 -1";
        QTest::newRow("not numbers") << screenTexts("", "abc", "-5", 0) << screen << "0 0 0 0";
        QTest::newRow("not finite") << screenTexts("inf", "nan", "-inf", 0) << screen << "0 0 0 0";
        QTest::newRow("beyond 64 bits")
            << screenTexts("1e30", "18446744073709551616", "6e15", 2) << screen << "0 0 0 2";
        QTest::newRow("within 64 bits")
            << screenTexts("1.8e19", "1e3", "5e14", 2) << screen
            << "\"18000000000000000000\" 1000 \"1800000000000000000\" 2";

        const QString axes = "1/leftYAxis/autoRange 1/leftYAxis/rangeMin 1/leftYAxis/rangeMax "
                             "1/leftYAxis/numMajorTicks 1/leftYAxis/numMinorTicks "
                             "1/leftYAxis/gridLineStyle 1/xAxis/rangeMin 1/xAxis/numMajorTicks "
                             "1/xAxis/gridLineStyle";
        QTest::newRow("automatic range drops the fields")
            << axisTexts(true, "10", "20", "5", "4", 2) << axes << "true 0 0 5 4 4369 0 5 4369";
        QTest::newRow("ticks capped at 10") << axisTexts(false, "-1.5e3", "0.25", "12", "3", 3)
                                            << axes << "false -1500 0.25 10 3 62268 -1500 10 62268";
        QTest::newRow("not numbers") << axisTexts(false, "abc", "1,5", "-1", "2.5", 1) << axes
                                     << "false 0 0 0 0 61680 0 0 61680";
        QTest::newRow("not finite, blanks around ticks")
            << axisTexts(false, "nan", "1e309", " 7 ", "", 0) << axes
            << "false \"nan\" \"inf\" 7 0 65535 \"nan\" 7 65535";
        QTest::newRow("beyond 32 bits, no style chosen")
            << axisTexts(false, "-0", "1e-320", "4294967296", "2147483648", -1) << axes
            << "false \"-0\" 1e-320 0 10 65535 \"-0\" 0 65535";
        // The X axis table has no grid switch, whatever its cell holds.
        QTest::newRow("grid switches") << Act([](Dialog &d) {
            cellAt<LineEditColorWidget>(of(d, YAxes, 1), 1, 6)->setGridVisible(false);
            cellAt<LineEditColorWidget>(of(d, XAxis, 1), 0, 5)->setGridVisible(false);
        }) << "1/leftYAxis/gridVisible 1/rightYAxis/gridVisible 1/xAxis/gridVisible"
                                       << "true false true";
        QTest::newRow("font sized in pixels keeps 12 points") << Act([](Dialog &d) {
            QFont pixels(QStringLiteral("Serif"));
            pixels.setPixelSize(40);
            child<Base_Plot_Frame_Tab>(d, "plot_frame_tab")->setNoteFont(pixels);
        }) << "noteFont/family noteFont/pointSize"
                                                              << "\"Serif\" 12";

        const QString vars =
            "0/numVarChannels 0/varChannels/0/xVarName 0/varChannels/0/useLeftAxis "
            "0/varChannels/1/xVarName 0/varChannels/1/yVarName";
        QTest::newRow("variables: second row without Y")
            << pick(Vars, {0, 3}, {2, -1}) << vars << "1 \"AIR\" false \"\" \"\"";
        // The count covers complete rows, but rows are read from the top.
        QTest::newRow("variables: first row without X")
            << pick(Vars, {-1, 3}, {2, 1}) << vars << "1 \"\" true \"\" \"\"";
        QTest::newRow("variables: nine rows")
            << pick(Vars, {3, 3, 3, 3, 3, 3, 3, 3, 0}, {1, 1, 1, 1, 1, 1, 1, 1, 1})
            << vars + " 0/varChannels/7/xVarName"
            << "8 \"OIL\" false \"OIL\" \"TEMP_1\" \"OIL\"";
        const QString overlays = "0/numOverlayChannels 0/overlayChannels/0/xVarName "
                                 "0/overlayChannels/0/yVarName 0/overlayChannels/1/xVarName";
        // The record is still written, but the graph has no usable overlay.
        QTest::newRow("overlay: empty entry in the first row")
            << pick(Overlays, {0, 3}, {2, 2}) << overlays << "0 \"\" \"G1_Y\" \"TIME\"";
        QTest::newRow("overlay: incomplete second row")
            << pick(Overlays, {1, 3}, {2, -1}) << overlays << "1 \"G1_X\" \"G1_Y\" \"\"";
        QTest::newRow("no display type")
            << Act([](Dialog &d) { of<QComboBox>(d, "cboDisplayType%1", 2)->setCurrentIndex(-1); })
            << "2/displayType 2/traceMode"
            << "0 4";
    }
    void writtenBack()
    {
        QFETCH(Act, act);
        QFETCH(QString, paths);
        const auto info = validInfo();
        showInfo(*dialog, info.get());
        act(*dialog);
        QTEST(members(*writeBack(*dialog), paths), "expected");
    }

    // Records follow the shown graphs, the count of graphs the tabs.
    void recordsOfShownGraphs()
    {
        auto info = makeInfo(4);
        for (int g = 0; g < 4; ++g)
            info->plotAxisInfo[g].xAxis.label = QString::number(g + 1);
        showInfo(*dialog, info.get());
        deleteGraphTab(*dialog, 2); // "Graph 2"
        QCOMPARE(members(*writeBack(*dialog), "numPlots 0/xAxis/label 1/xAxis/label 2/xAxis/label"),
                 QString("3 \"1\" \"3\" \"4\""));
    }

    // What Apply hands out is the host's; every other description the dialog
    // wrote goes with the next write or with the dialog. A host may also
    // delete the dialog in the slot of either signal of OK.
    void ownership()
    {
        dialog->hide(); // not painted while the event loop runs here
        const auto info = validInfo();
        std::unique_ptr<Dialog> own = RandomDescription::dialog();
        showInfo(*own, info.get());
        QPointer<Plot_Screen_Info> unused = writeBack(*own);
        QTest::qWait(510); // past the window in which a second Apply is skipped
        child<QPushButton>(*own, "btnApply")->click(); // nothing connected: the dialog keeps it
        QPointer<Plot_Screen_Info> unreceived = A::psi(*own);
        QVERIFY(unused.isNull());
        QVERIFY(!unreceived.isNull());
        writeBack(*own);
        QVERIFY(unreceived.isNull());

        for (bool onApply : {true, false}) {
            QTest::qWait(510);
            QPointer<Dialog> doomed = RandomDescription::dialog().release();
            showInfo(*doomed, info.get());
            QPointer<Plot_Screen_Info> received;
            connect(doomed.data(), &Dialog::applyPressedSignal, this, [&](Plot_Screen_Info *p) {
                received = p;
                if (onApply)
                    delete doomed.data();
            });
            connect(doomed.data(), &Dialog::okPressedSignal, this, [&] {
                child<QTabWidget>(*doomed, "plotConfigTabs")->setCurrentIndex(0); // a new write
                delete doomed.data();
            });
            child<QPushButton>(*doomed, "btnOk")->click();
            QVERIFY(doomed.isNull());
            QVERIFY(!received.isNull()); // the host's outlives the dialog
            delete received.data();
        }
    }

    // Showing a description and writing it straight back gives it again, up
    // to what the write-back deliberately changes. A host that adopts such an
    // unedited Apply through mergeDialogEdits gets its own description back,
    // also with what the dialog does not show (every fifth case).
    void showThenWriteBack()
    {
        using namespace RandomDescription;
        Generator generate(seed(20240611u));
        for (int i = 0; i < count(); ++i) {
            const auto input = generate.description();
            const bool merge = i % 5 == 4;
            if (merge)
                generate.beyondTheDialog(*input);
            const Plot_Screen_Info &written = showAndWriteBack(*dialog, *input);
            Plot_Screen_Info merged;
            merged.copyFrom(*input);
            const QStringList replaced = merge ? mergeDialogEdits(merged, written) : QStringList();
            const QString difference =
                merge ? firstDifference(input->toJson(), merged.toJson()) + replaced.join('\n')
                      : firstDifference(expectedFor(*input, written)->toJson(), written.toJson());
            QVERIFY2(difference.isEmpty(), qPrintable(generate.where(i) + difference));
        }
    }

private:
    std::unique_ptr<Dialog> dialog;
};

QTEST_MAIN(ExchangeRoundTripTest)
#include "tst_exchange_roundtrip.moc"

// Plot data in and out of the dialog: what the widgets show after show(),
// what the write-back builds from edited widgets, and the round trip over
// XY_PLOT_EXCHANGE_DESCRIPTIONS random descriptions (default 160) from seed
// XY_PLOT_EXCHANGE_SEED, which ctest varies.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <functional>

#include "random_description.h"

using namespace ExchangeFixture;

using Act = std::function<void(Dialog &)>;
Q_DECLARE_METATYPE(Act)

namespace {

// Texts of the interval and storage fields, then of the left Y row of
// graph slot 1 with a fixed range; unit and line style as combo box indexes.
Act texts(QStringList screen, int unit, QStringList axis, int style)
{
    return [=](Dialog &d) {
        const char *const names[] = {"ScreenRefreshInterval", "DataSampleInterval", "DataStorage"};
        for (int i = 0; i < 3; ++i)
            d.findChild<QLineEdit *>(QLatin1String("lineEdit") + names[i])->setText(screen[i]);
        d.findChild<QComboBox *>("cmbDataStorageUnits")->setCurrentIndex(unit);
        Spreadsheet *t = of(d, YAxes, 1);
        cellAt<CheckBoxWidget>(t, 0, 2)->setCheckBoxTrue(false);
        for (int i = 0; i < 4; ++i)
            cellAt<LineEdit_LineEditWidget>(t, 0, 3 + i / 2)->setLineEditText(i % 2, axis[i]);
        cellAt<Combo_SpinBoxWidget>(t, 0, 7)->setComboBoxCurrentIndex(style);
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

    // Rows of one description as shown: the table's row count, then the cells.
    void shownAfterLoading_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("expected");
        QTest::newRow("left Y axis: automatic range, dotted")
            << YAxes << 1 << 0
            << "2 L #ffffff auto -50,250 off off 5,4 Left Axis #ffffff hidden 2/1";
        QTest::newRow("right Y axis: not finite, unknown pattern, widths beyond the box")
            << YAxes << 1 << 1
            << "2 R #ffffff fixed nan,-inf 18446744073709551615,4 Right Axis #ffffff 0/50";
        QTest::newRow("variables: TEMP selects TEMP_1, the first that starts with it")
            << Vars << 2 << 0 << "8 TEMP_1 AIR L #ffe1ff 0/1";
        QTest::newRow("variables: case counts, no such name")
            << Vars << 2 << 1 << "8 none none L #ffe1ff 0/1";
        QTest::newRow("variables: count beyond the records")
            << Vars << 2 << 7 << "8 AIR OIL L #ffe1ff 0/1";
        QTest::newRow("overlay: no channel keeps one row") << Overlays << 3 << 1 << "1";
    }
    void shownAfterLoading()
    {
        QFETCH(QString, table);
        QFETCH(int, g);
        QFETCH(int, r);
        auto info = makeInfo(4);
        Single_Axis_Info &left = info->plotAxisInfo[1].leftYAxis;
        Single_Axis_Info &right = info->plotAxisInfo[1].rightYAxis;
        left.autoRange = true;
        left.rangeMin = -50;
        left.rangeMax = 250;
        left.gridLineStyle = 0x1111;
        left.gridVisible = false;
        right.autoRange = false;
        right.rangeMin = qQNaN();
        right.rangeMax = -qInf();
        right.gridLineStyle = 0x1234;
        right.gridLineWidth = 100000;
        right.numMajorTicks = std::numeric_limits<unsigned long>::max();
        Plot_Axis_Info &vars = info->plotAxisInfo[2];
        vars.numVarChannels = right.numMajorTicks;
        for (Plot_Channel_Info &c : vars.varChannels) {
            c.xVarName = QStringLiteral("AIR");
            c.yVarName = QStringLiteral("OIL");
        }
        vars.varChannels[0].xVarName = QStringLiteral("TEMP");
        vars.varChannels[0].yVarName = QStringLiteral("AI");
        vars.varChannels[1].xVarName = QStringLiteral("temp");
        vars.varChannels[1].yVarName = QStringLiteral("TEMP_2");
        of(*dialog, Vars, 2)->setRowCount(2);
        of(*dialog, Overlays, 3)->setRowCount(4);
        showInfo(*dialog, info.get());
        Spreadsheet *t = of(*dialog, qPrintable(table), g);
        QStringList cells{QString::number(t->rowCount())};
        for (int c = 0; r < t->rowCount() && c < t->columnCount(); ++c)
            cells << cellText(t->cellWidget(r, c));
        QTEST(cells.join(' '), "expected");
    }

    // Any pan or zoom bit locks the tables of every graph until a show with
    // clear bits.
    void locking()
    {
        auto info = makeInfo(3);
        for (bool zoomed : {true, false}) {
            QBitArray zoom(8);
            zoom.setBit(2, zoomed);
            showInfo(*dialog, info.get(), zoom);
            for (int g = 0; g < 3; ++g)
                for (const char *table : {YAxes, XAxis, Vars, Overlays})
                    QCOMPARE(of(*dialog, table, g)->isEnabled(), !zoomed);
        }
    }

    void writtenBack_data()
    {
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("paths");
        QTest::addColumn<QString>("expected");
        const QString fields =
            "screenRefreshInterval dataSampleInterval dataStorage dataUnits "
            "1/leftYAxis/rangeMin 1/leftYAxis/rangeMax 1/leftYAxis/numMajorTicks "
            "1/leftYAxis/numMinorTicks 1/leftYAxis/gridLineStyle";
        // An index without a unit keeps the storage number as typed.
        QTest::newRow("nearest whole numbers, no unit chosen, ticks capped")
            << texts({"33.3333", "33.5", "90"}, -1, {"-1.5e3", "0.25", "12", "3"}, 3) << fields
            << "33 34 90 -1 -1500 0.25 10 3 62268";
        QTest::newRow("not numbers, not finite, beyond 32 or 64 bits, blanks, no style")
            << texts({"", "1e30", "-5"}, 0, {"abc", "nan", "4294967296", " 7 "}, -1) << fields
            << "0 0 0 0 0 \"nan\" 0 7 65535";
        // The X axis table has no grid switch, whatever its cell holds.
        QTest::newRow("grid switches") << Act([](Dialog &d) {
            cellAt<LineEditColorWidget>(of(d, YAxes, 1), 1, 6)->setGridVisible(false);
            cellAt<LineEditColorWidget>(of(d, XAxis, 1), 0, 5)->setGridVisible(false);
        }) << "1/leftYAxis/gridVisible 1/rightYAxis/gridVisible 1/xAxis/gridVisible"
                                       << "true false true";
        const QString vars =
            "0/numVarChannels 0/varChannels/0/xVarName 0/varChannels/0/useLeftAxis "
            "0/varChannels/1/xVarName 0/varChannels/1/yVarName";
        QTest::newRow("variables: second row without Y")
            << pick(Vars, {0, 3}, {2, -1}) << vars << "1 \"AIR\" false \"\" \"\"";
        // The count covers complete rows, but rows are read from the top.
        QTest::newRow("variables: first row without X")
            << pick(Vars, {-1, 3}, {2, 1}) << vars << "1 \"\" true \"\" \"\"";
        const QString overlays = "0/numOverlayChannels 0/overlayChannels/0/xVarName "
                                 "0/overlayChannels/0/yVarName 0/overlayChannels/1/xVarName";
        // The record is still written, but the graph has no usable overlay.
        QTest::newRow("overlay: empty entry in the first row")
            << pick(Overlays, {0, 3}, {2, 2}) << overlays << "0 \"\" \"G1_Y\" \"TIME\"";
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

    // What Apply hands out is the host's; every other description the dialog
    // wrote goes with the next write or with the dialog. A host may also
    // delete the dialog in the slot of either signal of OK.
    void ownership()
    {
        dialog->hide(); // not painted while the event loop runs here
        const auto info = validInfo();
        for (int onApply : {-1, 1, 0}) {
            QTest::qWait(510); // past the window in which a second Apply is skipped
            QPointer<Dialog> own = RandomDescription::dialog().release();
            showInfo(*own, info.get());
            QPointer<Plot_Screen_Info> received, unused = writeBack(*own);
            connect(own.data(), &Dialog::applyPressedSignal, this, [&](Plot_Screen_Info *p) {
                received = p;
                if (onApply == 1)
                    delete own.data();
            });
            connect(own.data(), &Dialog::okPressedSignal, this, [&] {
                own->findChild<QTabWidget *>("plotConfigTabs")->setCurrentIndex(0); // a new write
                delete own.data();
            });
            own->findChild<QPushButton *>(onApply < 0 ? "btnApply" : "btnOk")->click();
            QVERIFY(unused.isNull());
            QVERIFY(!received.isNull()); // the host's outlives a new write and the dialog
            QCOMPARE(own.isNull(), onApply >= 0);
            delete own.data();
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
        const int seed = fromEnvironment("XY_PLOT_EXCHANGE_SEED", 20240611);
        Generator generate{quint32(seed)};
        QList<Spreadsheet *> overlayTables;
        for (int g = 0; g < 8; ++g)
            overlayTables << of(*dialog, Overlays, g);
        for (int i = 0; i < fromEnvironment("XY_PLOT_EXCHANGE_DESCRIPTIONS", 160); ++i) {
            const auto input = generate.description();
            const bool merge = i % 5 == 4;
            if (merge)
                generate.beyondTheDialog(*input);
            for (Spreadsheet *overlay : overlayTables) // as a fresh graph's: no channel picked
                overlay->setRowCount(0);
            showInfo(*dialog, input.get());
            const Plot_Screen_Info &written = *writeBack(*dialog);
            // Removed rows' cells are deleted later, and layout requests
            // queue up: piled up, every deletion searches them all.
            QCoreApplication::sendPostedEvents();
            Plot_Screen_Info merged;
            merged.copyFrom(*input);
            const QStringList replaced = merge ? mergeDialogEdits(merged, written) : QStringList();
            const QByteArray actual = merge ? merged.toJson() : written.toJson();
            const QByteArray expected =
                merge ? input->toJson() : expectedFor(*input, written)->toJson();
            if (actual != expected || !replaced.isEmpty())
                qWarning("seed %d, description %d: %s", seed, i, qPrintable(replaced.join(' ')));
            QCOMPARE(actual.split('\n'), expected.split('\n'));
            QCOMPARE(replaced, QStringList());
        }
    }

private:
    std::unique_ptr<Dialog> dialog;
};

QTEST_MAIN(ExchangeRoundTripTest)
#include "tst_exchange_roundtrip.moc"

// Plot data in and out of the dialog; the round trip runs
// XY_PLOT_EXCHANGE_DESCRIPTIONS (160) descriptions from XY_PLOT_EXCHANGE_SEED.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

#include <functional>

#include "exchange_fixture.h"

using namespace ExchangeFixture;

namespace {

// Random variable names of equal length, so no name is the stem of another.
QStringList names()
{
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names.append(QStringLiteral("SIG_%1").arg(i, 3, 10, QLatin1Char('0')));
    return names;
}

int fromEnvironment(const char *name, int fallback)
{
    return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
}

// Given to the constructor; show() keeps the file chosen in the dialog.
QString constructorOverlayFile(int g)
{
    return QStringLiteral("/data/PC_format/graph%1.log").arg(g + 1);
}

// Built as a host builds it: eight graphs, each with an overlay file.
std::unique_ptr<Dialog> hostDialog()
{
    auto initial = makeInfo(8);
    for (int g = 0; g < 8; ++g)
        initial->plotAxisInfo[g].overlayFileName = constructorOverlayFile(g);
    return std::make_unique<Dialog>(initial.get(), nullptr, false);
}

const int KnownPatterns[] = {0xFFFF, 0xF0F0, 0x1111, 0xF33C};
const char *const Families[] = {"Sans Serif", "Serif", "Monospace", "DejaVu Sans"};

struct Generator
{
    QRandomGenerator rng;

    std::unique_ptr<Plot_Screen_Info> description()
    {
        static const QStringList catalogue = names();
        const int graphs = between(1, 8);
        auto info = makeInfo(graphs);
        // Fields show six significant digits: below 100000 s all come back.
        info->screenRefreshInterval = unsigned(between(10, 10000));
        info->dataSampleInterval = unsigned(between(10, 10000));
        info->dataUnits = static_cast<UnitType>(between(0, 2));
        info->dataStorage = unsigned(between(0, 99999));
        info->plotBgColorName = colorName();
        for (QString *t : {&info->title, &info->subtitle, &info->note})
            *t = text(70);
        for (QFont *f : {&info->titleFont, &info->subtitleFont, &info->noteFont}) {
            *f = QFont(QLatin1String(Families[between(0, 3)]), between(6, 40));
            f->setBold(coin());
            f->setItalic(coin());
        }
        for (bool *b :
             {&info->showTitleSubtitle, &info->showNote, &info->condenseControls, &info->legend})
            *b = coin();
        info->configFileName = QStringLiteral("/cfg/%1.xml").arg(text(8));
        for (int g = 0; g < graphs; ++g) {
            Plot_Axis_Info &record = info->plotAxisInfo[g];
            for (Single_Axis_Info *a : {&record.leftYAxis, &record.rightYAxis, &record.xAxis})
                *a = axis();
            record.numVarChannels = unsigned(between(0, 8));
            for (unsigned r = 0; r < record.numVarChannels; ++r)
                record.varChannels[r] = channel(catalogue);
            record.numOverlayChannels = unsigned(between(0, 8));
            for (unsigned r = 0; r < record.numOverlayChannels; ++r)
                record.overlayChannels[r] = channel(overlayNames(g).mid(1));
            record.traceMode = between(0, 9);
            record.showDatapoints = coin();
            record.showXYValues = coin();
            record.overlayFileName = text(30);
            record.displayType = between(0, 2);
            record.cometLength = between(0, 99);
        }
        return info;
    }

    // What the dialog does not show, or cannot show as it is.
    void beyondTheDialog(Plot_Screen_Info &info)
    {
        info.screenId = between(-1000, 1000);
        info.lastSavedTime = qint64(rng.generate()) << 8;
        for (int g = 0; g < info.plotAxisInfo.size(); ++g) {
            Plot_Axis_Info &record = info.plotAxisInfo[g];
            record.overlayFileName = constructorOverlayFile(g);
            for (Single_Axis_Info *a : {&record.leftYAxis, &record.rightYAxis, &record.xAxis}) {
                a->rangeUnits = between(0, 3);
                a->gridLineWidth = coin() ? a->gridLineWidth : between(-3, 100000);
            }
            for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r) {
                for (Plot_Channel_Info *c : {&record.varChannels[r], &record.overlayChannels[r]}) {
                    c->visible = coin();
                    c->markerSize = float(between(1, 40));
                    c->lineColor.setAlpha(between(0, 255));
                    c->lineWidth = coin() ? c->lineWidth : between(-3, 100000);
                }
            }
            record.engineState = between(0, 9);
            record.firstSampleTime = between(0, 1 << 30);
            record.overlayState = between(0, 9);
            record.zoomOffset = between(-500, 500);
            record.autoScroll = coin();
            record.displayType = between(-1, 4);
            if (coin())
                record.cometLength = qint64(between(0, 1 << 20)) << between(0, 30);
        }
    }

private:
    int between(int low, int high) { return low + int(rng.bounded(quint32(high - low + 1))); }
    bool coin() { return rng.bounded(2u) == 1; }
    QString text(int maxLength)
    {
        static const QString chars = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRST"
                                                    "UVWXYZ0123456789 .,:;-_/()%#\u00e4\u00b0");
        QString s;
        for (int i = between(0, maxLength); i > 0; --i)
            s.append(chars.at(between(0, chars.size() - 1)));
        return s;
    }
    QColor color() { return QColor(between(0, 255), between(0, 255), between(0, 255)); }
    // Both spellings of a colour name occur in stored descriptions.
    QString colorName() { return coin() ? color().name().toUpper() : color().name(); }
    int pattern() { return coin() ? KnownPatterns[between(0, 3)] : between(0, 0xFFFF); }
    Single_Axis_Info axis()
    {
        Single_Axis_Info a;
        a.axisColorName = colorName();
        // Quarters of at most six significant digits, which the fields show exactly.
        a.rangeMin = between(-39999, 39999) / 4.0;
        a.rangeMax = between(-39999, 39999) / 4.0;
        a.autoRange = coin();
        a.numMajorTicks = unsigned(between(0, 15));
        a.numMinorTicks = unsigned(between(0, 15));
        a.label = text(20);
        a.gridColorName = colorName();
        a.gridLineStyle = pattern();
        a.gridLineWidth = between(1, 5);
        a.gridVisible = coin();
        return a;
    }
    Plot_Channel_Info channel(const QStringList &names)
    {
        Plot_Channel_Info c;
        c.xVarName = names.at(between(0, names.size() - 1));
        c.yVarName = names.at(between(0, names.size() - 1));
        c.useLeftAxis = coin();
        c.lineColor = color();
        c.lineStyle = pattern();
        c.lineWidth = between(1, 5);
        return c;
    }
};

int writtenPattern(int pattern)
{
    return std::count(std::begin(KnownPatterns), std::end(KnownPatterns), pattern) ? pattern
                                                                                   : 0xFFFF;
}

// Without overlay channels the overlay table keeps one row the loading
// leaves alone; what the write-back makes of it is taken from the written one.
std::unique_ptr<Plot_Screen_Info> expectedFor(const Plot_Screen_Info &in,
                                              const Plot_Screen_Info &written)
{
    auto out = std::make_unique<Plot_Screen_Info>();
    out->copyFrom(in);
    for (QString *t : {&out->title, &out->subtitle, &out->note})
        t->truncate(50);
    for (QFont *f : {&out->titleFont, &out->subtitleFont, &out->noteFont})
        *f = QFont(f->family(), qMin(f->pointSize(), 24)); // only family and size are kept
    out->plotBgColorName = QColor(in.plotBgColorName).name();
    for (int g = 0; g < out->plotAxisInfo.size(); ++g) {
        Plot_Axis_Info &record = out->plotAxisInfo[g];
        for (Single_Axis_Info *a : {&record.leftYAxis, &record.rightYAxis, &record.xAxis}) {
            a->axisColorName = QColor(a->axisColorName).name();
            a->gridColorName = QColor(a->gridColorName).name();
            if (a->autoRange)
                a->rangeMin = a->rangeMax = 0.0;
            a->numMajorTicks = qMin(a->numMajorTicks, 10ul);
            a->numMinorTicks = qMin(a->numMinorTicks, 10ul);
            a->gridLineStyle = writtenPattern(a->gridLineStyle);
            a->gridVisible = a->gridVisible || a == &record.xAxis; // the X grid has no switch
        }
        for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r)
            for (Plot_Channel_Info *c : {&record.varChannels[r], &record.overlayChannels[r]})
                c->lineStyle = writtenPattern(c->lineStyle);
        if (record.numOverlayChannels == 0 && g < written.plotAxisInfo.size())
            record.overlayChannels[0] = written.plotAxisInfo[g].overlayChannels[0];
        record.traceMode = 4;
        record.overlayFileName = constructorOverlayFile(g);
    }
    return out;
}

using Act = std::function<void(Dialog &)>;

// Interval and storage fields, then the left Y row of graph slot 1, fixed range.
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

// Members as JSON values, by path ("1/xAxis/label" is of plotAxisInfo[1]).
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

} // namespace

Q_DECLARE_METATYPE(Act)

class ExchangeRoundTripTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installNames(names());
        dialog = hostDialog();
    }

    // One description as shown: a table's row count, then the cells of one row.
    void shownAfterLoading()
    {
        auto info = makeInfo(4);
        Single_Axis_Info &left = info->plotAxisInfo[1].leftYAxis;
        left.autoRange = true;
        left.rangeMin = -50;
        left.rangeMax = 250;
        left.gridLineStyle = 0x1111;
        left.gridVisible = false;
        Plot_Axis_Info &vars = info->plotAxisInfo[2];
        vars.numVarChannels = std::numeric_limits<unsigned long>::max();
        for (Plot_Channel_Info &c : vars.varChannels) {
            c.xVarName = QStringLiteral("AIR");
            c.yVarName = QStringLiteral("OIL");
        }
        vars.varChannels[0].xVarName =
            QStringLiteral("TEMP"); // selects TEMP_1, which starts with it
        vars.varChannels[0].yVarName = QStringLiteral("AI");
        vars.varChannels[1].xVarName = QStringLiteral("temp");   // case counts
        vars.varChannels[1].yVarName = QStringLiteral("TEMP_2"); // no such name
        of(*dialog, Vars, 2)->setRowCount(2);
        of(*dialog, Overlays, 3)->setRowCount(4);
        showInfo(*dialog, info.get());
        const auto row = [this](const char *table, int g, int r) {
            Spreadsheet *t = of(*dialog, table, g);
            QStringList cells{QString::number(t->rowCount())};
            for (int c = 0; r < t->rowCount() && c < t->columnCount(); ++c)
                cells << cellText(t->cellWidget(r, c));
            return cells.join(' ');
        };
        QCOMPARE(row(YAxes, 1, 0),
                 "2 L #ffffff auto -50,250 off off 5,4 Left Axis #ffffff hidden 2/1");
        QCOMPARE(row(Vars, 2, 0), "8 TEMP_1 AIR L #ffe1ff 0/1");
        QCOMPARE(row(Vars, 2, 1), "8 none none L #ffe1ff 0/1");
        QCOMPARE(row(Vars, 2, 7), "8 AIR OIL L #ffe1ff 0/1"); // the count beyond the records
        QCOMPARE(row(Overlays, 3, 1), "1");                   // with no channel, one row to pick in
    }

    // Any pan or zoom bit locks every graph's tables until a show without.
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
        const auto info = makeInfo(3);
        showInfo(*dialog, info.get());
        act(*dialog);
        QTEST(members(*writeBack(*dialog), paths), "expected");
    }

    // What Apply hands out is the host's; any other goes with the next write.
    // A host may delete the dialog in the slot of either signal of OK.
    void ownership()
    {
        dialog->hide(); // not painted while the event loop runs here
        const auto info = makeInfo(3);
        for (bool onApply : {true, false}) {
            QTest::qWait(510); // past the window in which a second Apply is skipped
            QPointer<Dialog> own = hostDialog().release();
            showInfo(*own, info.get());
            QPointer<Plot_Screen_Info> received, unused = writeBack(*own);
            connect(own.data(), &Dialog::applyPressedSignal, this, [&](Plot_Screen_Info *p) {
                received = p;
                if (onApply)
                    delete own.data();
            });
            connect(own.data(), &Dialog::okPressedSignal, this, [&] {
                own->findChild<QTabWidget *>("plotConfigTabs")->setCurrentIndex(0); // a new write
                delete own.data();
            });
            own->findChild<QPushButton *>("btnOk")->click();
            QVERIFY(unused.isNull());
            QVERIFY(!received.isNull()); // the host's outlives a new write and the dialog
            QVERIFY(own.isNull());
            delete received.data();
        }
    }

    // Shown and written straight back, a description comes back as the
    // write-back makes it; merged into the host's (every fifth), unchanged.
    void showThenWriteBack()
    {
        const int seed = fromEnvironment("XY_PLOT_EXCHANGE_SEED", 20240611);
        Generator generate{QRandomGenerator(quint32(seed))};
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
            // Deleted cells and layout requests would pile up and slow every deletion.
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

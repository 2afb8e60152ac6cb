// Plot engine: codings, change signals, the overlay name store, the checks
// made before drawing a screen and before the dialog shows one, JSON
// persistence, differences and copies between graphs.
//
// copies() writes and reads random descriptions: XY_PLOT_ENGINE_SEED (first
// seed, default 1) and XY_PLOT_ENGINE_CASES (default 40) choose them.
#include <interfaces/plot_screen_info.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <cstring>
#include <functional>
#include <limits>

using Setter = std::function<void(Plot_Screen_Info *)>;
using JsonEdit = std::function<void(QJsonObject *)>;
using Operation = std::function<bool(Plot_Screen_Info &)>;
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(JsonEdit)
Q_DECLARE_METATYPE(Operation)

namespace {

// Random descriptions, including the values JSON cannot hold as numbers.
class Randomiser
{
public:
    explicit Randomiser(quint32 seed)
        : rng(seed)
    {}
    bool flag() { return rng.bounded(2) == 1; }
    int between(int lo, int hi) { return lo + int(rng.bounded(quint32(hi - lo + 1))); }
    int anyInt() { return int(rng.generate()); }
    qint64 anyInt64() { return qint64(rng.generate64()); }
    unsigned long anyULong() { return flag() ? rng.generate64() : rng.bounded(20); }
    double anyDouble()
    {
        switch (rng.bounded(6)) {
        case 0:
            return qQNaN();
        case 1:
            return flag() ? qInf() : -qInf();
        case 2:
            return -0.0;
        case 3:
            return std::numeric_limits<double>::denorm_min() * between(1, 1000);
        }
        double d;
        do {
            const quint64 bits = rng.generate64();
            std::memcpy(&d, &bits, sizeof d);
        } while (!qIsFinite(d));
        return d;
    }
    // Quotes, escapes, control characters and characters beyond the BMP.
    QString text()
    {
        static const uint pool[] = {'a', '"', '\\', '\n', 0x01, 0xe4, 0xfeff, 0x1f600, 0x10ffff};
        QString s;
        for (int n = between(0, 8); n > 0; --n)
            s += QString::fromUcs4(&pool[rng.bounded(9)], 1);
        return s;
    }
    QFont font()
    {
        QFont f(flag() ? QStringLiteral("DejaVu Serif") : QStringLiteral("Mono, with comma"));
        flag() ? f.setPixelSize(between(1, 200)) : f.setPointSizeF(between(1, 960) / 8.0);
        f.setWeight(between(0, 99));
        f.setItalic(flag());
        f.setStrikeOut(flag());
        return f;
    }
    // Every listed member of o gets a fresh value from make.
    template<class T, class M, class F>
    static void fill(T *o, std::initializer_list<M T::*> members, F make)
    {
        for (M T::*m : members)
            o->*m = make();
    }
    void axis(Single_Axis_Info *a)
    {
        using A = Single_Axis_Info;
        fill(a, {&A::axisColorName, &A::label, &A::gridColorName}, [&] { return text(); });
        fill(a, {&A::rangeMin, &A::rangeMax}, [&] { return anyDouble(); });
        fill(a, {&A::autoRange, &A::gridVisible}, [&] { return flag(); });
        fill(a, {&A::numMajorTicks, &A::numMinorTicks}, [&] { return anyULong(); });
        fill(a, {&A::gridLineStyle, &A::gridLineWidth, &A::rangeUnits}, [&] { return anyInt(); });
    }
    void channel(Plot_Channel_Info *c)
    {
        using C = Plot_Channel_Info;
        fill(c, {&C::yVarName, &C::xVarName}, [&] { return text(); });
        fill(c, {&C::useLeftAxis, &C::visible}, [&] { return flag(); });
        fill(c, {&C::lineStyle, &C::lineWidth}, [&] { return anyInt(); });
        c->lineColor = QColor::fromRgba(rng.generate());
        const quint32 bits = rng.generate() & 0x7fbfffffu; // never a NaN
        std::memcpy(&c->markerSize, &bits, sizeof bits);
    }
    Plot_Axis_Info graph()
    {
        using G = Plot_Axis_Info;
        G g;
        for (Single_Axis_Info *a : {&g.leftYAxis, &g.rightYAxis, &g.xAxis})
            axis(a);
        for (int r = 0; r < G::MaxChannels; ++r) {
            channel(&g.varChannels[r]);
            channel(&g.overlayChannels[r]);
        }
        fill(&g, {&G::numVarChannels, &G::numOverlayChannels}, [&] { return ulong(between(0, 8)); });
        fill(&g,
             {&G::traceMode, &G::engineState, &G::overlayState, &G::panState, &G::zoomState,
              &G::displayType},
             [&] { return anyInt(); });
        fill(&g, {&G::showDatapoints, &G::showXYValues, &G::engineDirty, &G::autoScroll},
             [&] { return flag(); });
        fill(&g,
             {&G::firstSampleTime, &G::lastSampleTime, &G::overlayFirstTime, &G::overlayLastTime,
              &G::panOffset, &G::zoomOffset, &G::cometLength, &G::timeScaleNumerator,
              &G::timeScaleDenominator},
             [&] { return anyInt64(); });
        g.overlayFileName = text();
        return g;
    }
    void screen(Plot_Screen_Info *s)
    {
        using S = Plot_Screen_Info;
        for (int g = between(0, 8); g > 0; --g)
            s->plotAxisInfo.append(graph());
        s->numPlots = ulong(between(0, 8));
        fill(s, {&S::screenRefreshInterval, &S::dataSampleInterval, &S::dataStorage},
             [&] { return anyULong(); });
        s->dataUnits = UnitType(anyInt());
        s->screenId = anyInt();
        s->lastSavedTime = anyInt64();
        fill(s, {&S::plotBgColorName, &S::title, &S::subtitle, &S::note, &S::configFileName},
             [&] { return text(); });
        fill(s, {&S::titleFont, &S::subtitleFont, &S::noteFont}, [&] { return font(); });
        fill(s, {&S::showTitleSubtitle, &S::showNote, &S::condenseControls, &S::legend},
             [&] { return flag(); });
    }

private:
    QRandomGenerator rng;
};

quint32 envNumber(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 n = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? n : fallback;
}

// Three graphs, graph 2 with two channels and graph 3 with one overlay
// channel in use, every variable named: what the dialog shows unchanged.
void fillWithinDialogLimits(Plot_Screen_Info *s)
{
    s->plotAxisInfo.resize(3);
    s->numPlots = 3;
    s->plotAxisInfo[1].numVarChannels = 2;
    s->plotAxisInfo[2].numOverlayChannels = 1;
    for (Plot_Axis_Info &g : s->plotAxisInfo) {
        for (Single_Axis_Info *axis : {&g.leftYAxis, &g.rightYAxis, &g.xAxis})
            axis->rangeMin = axis->rangeMax = 0.0;
        for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r)
            g.varChannels[r].xVarName = g.varChannels[r].yVarName = g.overlayChannels[r].xVarName =
                g.overlayChannels[r].yVarName = QStringLiteral("Time");
    }
}

using S = Plot_Screen_Info;
Plot_Axis_Info &g(S *s, int i)
{
    return s->plotAxisInfo[i];
}

// A row of a subjects table, tagged "subject subject|note".
void row(const char *tag, const Setter &edit)
{
    QTest::newRow(tag) << edit << QString(tag).section('|', 0, 0).split(' ', Qt::SkipEmptyParts);
}

// Every bound the engine accepts, at once.
void atTheLimits(S *s)
{
    s->plotAxisInfo.resize(8);
    s->numPlots = 8;
    s->screenRefreshInterval = s->dataSampleInterval = 1;
    s->dataUnits = UnitDays;
    Plot_Axis_Info &a = g(s, 2);
    a.numVarChannels = a.numOverlayChannels = 8;
    a.leftYAxis.numMajorTicks = a.xAxis.numMinorTicks = 10;
    a.xAxis.rangeUnits = UnitDays;
    a.rightYAxis.gridLineStyle = LineStyleDashDot;
    a.varChannels[7].lineStyle = LineStyleDot;
    a.overlayChannels[7].lineStyle = LineStyleDash;
    a.displayType = DisplayComet;
    a.cometLength = a.varChannels[7].lineWidth = a.xAxis.gridLineWidth = 0;
    a.varChannels[7].markerSize = 0.0f;
}

// What each line names, the text before ": ", with "Graph 2 (plotAxisInfo[1])."
// shortened to "2.".
QStringList subjects(const QStringList &lines)
{
    static const QRegularExpression graph(
        QStringLiteral("^Graph (\\d) \\(plotAxisInfo\\[\\d\\]\\)\\."));
    QStringList out;
    for (const QString &line : lines)
        out << line.section(QStringLiteral(": "), 0, 0).replace(graph, QStringLiteral("\\1."));
    return out;
}

QJsonObject jsonOf(const Plot_Screen_Info &s)
{
    return QJsonDocument::fromJson(s.toJson()).object();
}

// Applies edit to the object at a path of keys and array indexes.
QJsonObject edited(const QJsonValue &v, const QStringList &path, const JsonEdit &edit)
{
    QJsonObject o = v.toObject();
    if (path.isEmpty()) {
        edit(&o);
    } else if (o[path.first()].isArray()) {
        QJsonArray a = o[path.first()].toArray();
        a[path.value(1).toInt()] = edited(a[path.value(1).toInt()], path.mid(2), edit);
        o[path.first()] = a;
    } else {
        o[path.first()] = edited(o[path.first()], path.mid(1), edit);
    }
    return o;
}

JsonEdit setMember(const QString &key, const QJsonValue &value)
{
    return [=](QJsonObject *o) { o->insert(key, value); };
}

void collectLeaves(const QJsonValue &v, const QStringList &path, QList<QStringList> *out)
{
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            collectLeaves(it.value(), path + QStringList{it.key()}, out);
    } else if (v.isArray()) {
        for (int i = 0; i < v.toArray().size(); ++i)
            collectLeaves(v.toArray().at(i), path + QStringList{QString::number(i)}, out);
    } else {
        out->append(path);
    }
}

// Values of the same JSON type to try in place of v.
QList<QJsonValue> otherValues(const QJsonValue &v)
{
    if (v.isBool())
        return {!v.toBool()};
    if (v.isDouble())
        return {v.toDouble() + 1, v.toDouble() - 1, v.toDouble() * 2, 0.0, 1.0, "nan"};
    const QString t = v.toString();
    const qint64 n = t.toLongLong();
    return {t + "x", "#123456", "#80123456", QString::number(n / 2), QString::number(n - 1), "nan",
            "-0",    "1",       QString()};
}

QStringList graphDifferences(const Plot_Axis_Info &a, const Plot_Axis_Info &b)
{
    Plot_Screen_Info x, y;
    x.plotAxisInfo = {a};
    y.plotAxisInfo = {b};
    return plotScreenDifferenceLines(x, y);
}
} // namespace

class TestPlotEngine : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        delete PlotSingleton::pInstance;
        PlotSingleton::pInstance = nullptr;
    }

    // Line style patterns and index both ways; anything unknown is solid.
    void codings_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<int>("toIndex");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("toPattern");
        const int patterns[] = {0xFFFF, 0xF0F0, 0x1111, 0xF33C};
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(QString::number(i))) << patterns[i] << i << i << patterns[i];
        QTest::newRow("unknown, index -1") << 0x00FF << 0 << -1 << 0xFFFF;
        QTest::newRow("zero, index 4") << 0 << 0 << 4 << 0xFFFF;
    }
    void codings()
    {
        QFETCH(int, pattern);
        QFETCH(int, index);
        QTEST(lineStyleToIndex(pattern), "toIndex");
        QTEST(indexToLineStyle(index), "toPattern");
    }

    void units_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<qint64>("perUnit");
        for (int unit : {-1, 0, 1, 2, 3, 4})
            QTest::newRow(qPrintable(QString::number(unit)))
                << unit << qint64(unit < 0 || unit > 3 ? 0 : QList<int>{1, 60, 3600, 86400}[unit]);
    }
    void units()
    {
        QFETCH(int, unit);
        QFETCH(qint64, perUnit);
        QCOMPARE(secondsPerUnit(unit), perUnit);
        QCOMPARE(convertSecondsToUnit(7200.0, unit), perUnit ? 7200.0 / perUnit : 0.0);
    }

    // A setter of each kind stores its value before it tells of it, once.
    void setters()
    {
        Plot_Screen_Info s;
        QStringList seen;
        auto note = [&](const char *member, const QVariant &sent, const QVariant &stored) {
            seen << QStringLiteral("%1 %2 %3").arg(member, sent.toString(), stored.toString());
        };
        connect(&s, &S::numPlotsChanged,
                [&](ulong v) { note("plots", quint64(v), quint64(s.numPlots)); });
        connect(&s, &S::dataUnitsChanged, [&](UnitType v) { note("units", v, int(s.dataUnits)); });
        connect(&s, &S::titleFontChanged,
                [&](const QFont &v) { note("font", v.pointSize(), s.titleFont.pointSize()); });
        connect(&s, &S::legendChanged, [&](bool v) { note("legend", v, s.legend); });
        connect(&s, &S::configFileNameChanged,
                [&](const QString &v) { note("file", v, s.configFileName); });
        s.setNumPlots(3);
        s.setDataUnits(UnitHours);
        s.setTitleFont(QFont("DejaVu Serif", 17));
        s.setLegend(false);
        s.setConfigFileName("/cfg/s.json");
        QCOMPARE(seen, QStringList({"plots 3 3", "units 2 2", "font 17 17", "legend false false",
                                    "file /cfg/s.json /cfg/s.json"}));
    }

    // Eight overlay name slots; a list for any other slot is dropped.
    void singletonSlots()
    {
        for (int slot : {-1, 0, 7, 8}) {
            cleanup();
            const bool stored = slot >= 0 && slot < PlotSingleton::NumSlots;
            QVERIFY(PlotSingleton::overlayChannelNamesOf(slot).isEmpty());
            PlotSingleton *s = PlotSingleton::instance();
            for (int i = 0; i < PlotSingleton::NumSlots; ++i) {
                QCOMPARE(s->overlayTimeScale[i], qint64(1));
                QCOMPARE(s->overlayChannelNames[i] != nullptr, stored && i == slot);
            }
            const QStringList names{QString(), "speed", "torque"};
            PlotSingleton::replaceOverlayChannelNames(slot, new QStringList(names));
            QCOMPARE(PlotSingleton::overlayChannelNamesOf(slot), stored ? names : QStringList());
        }
    }

    // Through JSON and through copyFrom, a copy keeps every member.
    void copies()
    {
        const quint32 first = envNumber("XY_PLOT_ENGINE_SEED", 1);
        const quint32 cases = envNumber("XY_PLOT_ENGINE_CASES", 40);
        for (quint32 seed = first; seed < first + cases; ++seed) {
            Plot_Screen_Info original;
            Randomiser(seed).screen(&original);
            if (seed == first) { // integers around the last one a JSON number holds exactly
                const qint64 exact = Q_INT64_C(1) << 53;
                original.dataStorage = ulong(exact) + 1;
                original.lastSavedTime = -exact - 1;
                original.plotAxisInfo.resize(1);
                original.plotAxisInfo[0].panOffset = std::numeric_limits<qint64>::min();
                original.plotAxisInfo[0].xAxis.numMajorTicks = ~0ul;
            }
            Plot_Screen_Info viaJson, viaCopy;
            const QByteArray text = original.toJson();
            QString error;
            QVERIFY2(viaJson.fromJson(text, &error), qPrintable(error));
            viaCopy.copyFrom(original);
            for (const Plot_Screen_Info *copy : {&viaJson, &viaCopy}) {
                const QStringList diff = plotScreenDifferenceLines(original, *copy);
                QVERIFY2(diff.isEmpty(), qPrintable(QString("seed %1, %2: %3")
                                                        .arg(seed)
                                                        .arg(copy == &viaJson ? "JSON" : "copy")
                                                        .arg(diff.join("; "))));
            }
            QCOMPARE(viaJson.toJson(), text);
        }
    }

    // Members a file may leave out take their defaults, whatever the
    // description read into held before.
    void optionalMembersTakeDefaults()
    {
        Plot_Screen_Info s;
        fillWithinDialogLimits(&s);
        QJsonObject o = jsonOf(s);
        o.remove("screenId");
        o.remove("formatVersion");
        o = edited(o, {"plotAxisInfo", "1"}, [](QJsonObject *g) {
            for (const char *key :
                 {"engineState", "firstSampleTime", "lastSampleTime", "overlayState",
                  "overlayFirstTime", "overlayLastTime", "panState", "zoomState", "panOffset",
                  "zoomOffset", "engineDirty", "timeScaleNumerator", "timeScaleDenominator",
                  "autoScroll"})
                g->remove(key);
            g->insert("varChannels", QJsonArray{g->value("varChannels").toArray().at(0)});
        });
        Plot_Screen_Info read;
        read.screenId = 77;
        read.plotAxisInfo.resize(5);
        read.plotAxisInfo[1].autoScroll = false;
        read.plotAxisInfo[1].varChannels[3].yVarName = "left over";
        QString error;
        QVERIFY2(read.fromJson(QJsonDocument(o).toJson(), &error), qPrintable(error));
        for (int r = 1; r < Plot_Axis_Info::MaxChannels; ++r)
            s.plotAxisInfo[1].varChannels[r] = Plot_Channel_Info();
        const QStringList diff = plotScreenDifferenceLines(s, read);
        QVERIFY2(diff.isEmpty(), qPrintable(diff.join("; ")));
    }

    void jsonErrors_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        Plot_Screen_Info s;
        fillWithinDialogLimits(&s);
        const QJsonObject valid = jsonOf(s);
        // Sets key (removes it when value is undefined) in the object at path.
        auto row = [&](const char *path, const char *key, const QJsonValue &value,
                       const QString &message) {
            const JsonEdit edit = [=](QJsonObject *o) {
                value.isUndefined() ? o->remove(key) : void(o->insert(key, value));
            };
            const QStringList keys = QString(path).split('/', Qt::SkipEmptyParts);
            QTest::newRow(qPrintable(message))
                << QJsonDocument(edited(valid, keys, edit)).toJson() << message;
        };
        const char *channel = "plotAxisInfo/2/varChannels/3";
        QTest::newRow("cut short") << QByteArray("{\"numPlots\": 1,") << "not valid JSON at offset";
        QTest::newRow("array at top") << QByteArray("[1, 2]") << "expected a JSON object";
        row("", "numPlots", QJsonValue::Undefined, "numPlots: missing");
        row(channel, "lineWidth", true,
            "plotAxisInfo[2].varChannels[3].lineWidth: expected a number");
        row(channel, "lineWidth", "wide", "\"wide\" is not a whole");
        row(channel, "lineWidth", 1.5, "1.5 is not a whole");
        row("plotAxisInfo/1/leftYAxis", "gridLineWidth", 3e9,
            "plotAxisInfo[1].leftYAxis.gridLineWidth: 3000000000 is out of range");
        row("plotAxisInfo/0/xAxis", "numMajorTicks", -1, "xAxis.numMajorTicks: -1 is negative");
        row("", "numPlots", 9, "numPlots: 9 is more than 8");
        row("plotAxisInfo/1", "numOverlayChannels", 9,
            "plotAxisInfo[1].numOverlayChannels: 9 is more than 8");
        QJsonArray nine = valid["plotAxisInfo"].toArray();
        while (nine.size() < 9)
            nine.append(nine.first());
        row("", "plotAxisInfo", nine, "plotAxisInfo: 9 records, at most 8");
        row("plotAxisInfo/0", "cometLength", 1e17, "cometLength: 1e+17 is too large");
        row("plotAxisInfo/0", "panOffset", "9223372036854775808",
            "panOffset: 9223372036854775808 is out of range");
        row("plotAxisInfo/0/varChannels/0", "markerSize", 1e300,
            "markerSize: 1e+300 is out of range for a float");
        row("", "title", 5, "title: expected a string");
        row("", "legend", 1, "legend: expected true or false");
        row("noteFont", "family", QJsonValue::Undefined, "noteFont.family: missing");
        row("titleFont", "pointSize", 0, "0 is not a point size");
        row("subtitleFont", "weight", 100, "100 is out of range");
        row("plotAxisInfo/0", "varChannels", 1, "plotAxisInfo[0].varChannels: expected an array");
        row("", "formatVersion", 2, "formatVersion: 2 is not a known");
    }
    void jsonErrors()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        Plot_Screen_Info target;
        Randomiser(5).screen(&target);
        const QByteArray before = target.toJson();
        QString error;
        QVERIFY(!target.fromJson(json, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(target.toJson(), before); // a refused file changes nothing
    }

    void colours_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<bool>("readable"); // as a channel's colour in a file
        QTest::addColumn<bool>("drawable"); // as an axis, grid or background colour
        QTest::newRow("every boundary digit") << "#09afAF" << true << true;
        QTest::newRow("alpha") << "#8009afAF" << true << false;
        for (const char *bad : {"#/00000", "#:00000", "#`00000", "#g00000", "#@00000", "#G00000",
                                "#12345", "#1234567", "x123456", "white"})
            QTest::newRow(bad) << bad << false << false;
    }
    void colours()
    {
        QFETCH(QString, colour);
        QFETCH(bool, drawable);
        Plot_Screen_Info s;
        fillWithinDialogLimits(&s);
        const QJsonObject o = edited(jsonOf(s), {"plotAxisInfo", "2", "overlayChannels", "0"},
                                     setMember("lineColor", colour));
        Plot_Screen_Info read;
        QString error;
        QTEST(read.fromJson(QJsonDocument(o).toJson(), &error), "readable");
        QVERIFY2(error.isEmpty() || error.contains(colour + "\" is not"), qPrintable(error));
        s.plotBgColorName = colour;
        s.plotAxisInfo[1].leftYAxis.axisColorName = colour;
        s.plotAxisInfo[2].xAxis.gridColorName = colour;
        const QStringList named{"plotBgColorName", "2.leftYAxis.axisColorName",
                                "3.xAxis.gridColorName"};
        QCOMPARE(subjects(s.consistencyErrors()), drawable ? QStringList() : named);
    }

    // What the engine refuses to draw (the row's tag, space-separated),
    // starting from a screen the engine and the dialog both take.
    void consistency_data()
    {
        QTest::addColumn<Setter>("edit");
        QTest::addColumn<QStringList>("subjects");
        row("|channel past the count", [](S *s) { g(s, 1).varChannels[2].lineStyle = 0x00FF; });
        row("|overlay past count", [](S *s) { g(s, 2).overlayChannels[1].lineColor = QColor(); });
        row("|at the limits", atTheLimits);
        row("numPlots plotAxisInfo", [](S *s) { s->plotAxisInfo.resize(9), s->numPlots = 9; });
        row("screenRefreshInterval", [](S *s) { s->screenRefreshInterval = 0; });
        row("dataSampleInterval", [](S *s) { s->dataSampleInterval = 0; });
        row("dataUnits", [](S *s) { s->dataUnits = UnitType(4); });
        row("2.leftYAxis.rangeMin", [](S *s) { g(s, 1).leftYAxis.rangeMin = qQNaN(); });
        row("2.leftYAxis.rangeMax", [](S *s) { g(s, 1).leftYAxis.rangeMax = -qInf(); });
        row("2.leftYAxis.numMajorTicks", [](S *s) { g(s, 1).leftYAxis.numMajorTicks = 11; });
        row("2.rightYAxis.numMinorTicks", [](S *s) { g(s, 1).rightYAxis.numMinorTicks = 11; });
        row("2.rightYAxis.gridLineStyle", [](S *s) { g(s, 1).rightYAxis.gridLineStyle = 0xFF; });
        row("2.xAxis.gridLineWidth", [](S *s) { g(s, 1).xAxis.gridLineWidth = -1; });
        row("2.xAxis.rangeUnits", [](S *s) { g(s, 1).xAxis.rangeUnits = -1; });
        row("3.rightYAxis.rangeUnits", [](S *s) { g(s, 2).rightYAxis.rangeUnits = 4; });
        row("2.numOverlayChannels 2.overlayChannels[0].markerSize 2.overlayChannels[7].lineWidth",
            [](S *s) {
                g(s, 1).numOverlayChannels = 9, g(s, 1).overlayChannels[7].lineWidth = -1,
                     g(s, 1).overlayChannels[0].markerSize = -1.0f;
            });
        row("2.varChannels[1].lineColor", [](S *s) { g(s, 1).varChannels[1].lineColor = QColor(); });
        row("2.varChannels[1].lineStyle", [](S *s) { g(s, 1).varChannels[1].lineStyle = 0; });
        row("2.displayType 3.displayType 3.cometLength", [](S *s) {
            g(s, 1).displayType = -1, g(s, 2).displayType = 3, g(s, 2).cometLength = -1;
        });
    }
    void consistency()
    {
        QFETCH(Setter, edit);
        Plot_Screen_Info s;
        fillWithinDialogLimits(&s);
        edit(&s);
        QTEST(subjects(s.consistencyErrors()), "subjects");
    }

    // What the dialog would change on OK without an edit.
    void dialogChanges_data()
    {
        QTest::addColumn<Setter>("edit");
        QTest::addColumn<QStringList>("subjects");
        row("|within limits", [](S *) {});
        row("|one graph", [](S *s) { s->numPlots = 1, s->plotAxisInfo.resize(1); });
        row("|at the limits", [](S *s) {
            s->title = s->subtitle = s->note = QString(50, 't');
            s->titleFont.setPointSize(24);
            s->dataSampleInterval = 123456;
            s->dataUnits = UnitHours;
            s->dataStorage = 7200;
            g(s, 0).leftYAxis.autoRange = false;
            g(s, 0).leftYAxis.rangeMin = -123456;
            g(s, 0).leftYAxis.rangeMax = 0.000123456;
            g(s, 0).rightYAxis.gridVisible = false; // only the X axis table lacks the switch
            g(s, 0).xAxis.label = QString(32767, 'l');
            g(s, 0).xAxis.gridLineWidth = g(s, 1).varChannels[1].lineWidth = 50;
            g(s, 0).cometLength = 99;
            g(s, 1).varChannels[2].yVarName.clear(); // not in use
        });
        row("title subtitle note",
            [](S *s) { s->title = s->subtitle = s->note = QString(51, 't'); });
        row("titleFont.weight titleFont.underline",
            [](S *s) { s->titleFont.setBold(true), s->titleFont.setUnderline(true); });
        row("subtitleFont.pointSize", [](S *s) { s->subtitleFont.setPointSize(25); });
        row("subtitleFont.italic subtitleFont.strikeOut",
            [](S *s) { s->subtitleFont.setItalic(true), s->subtitleFont.setStrikeOut(true); });
        row("noteFont noteFont.overline",
            [](S *s) { s->noteFont.setPixelSize(20), s->noteFont.setOverline(true); });
        row("noteFont.pointSize", [](S *s) { s->noteFont.setPointSizeF(10.5); });
        row("dataSampleInterval dataUnits",
            [](S *s) { s->dataSampleInterval = 1234567, s->dataUnits = UnitDays; });
        row("dataStorage", [](S *s) { s->dataStorage = 12345678; });
        row("numPlots|none", [](S *s) { s->numPlots = 0, s->plotAxisInfo.clear(); });
        row("numPlots|nine", [](S *s) { s->plotAxisInfo.fill(g(s, 0), 9), s->numPlots = 9; });
        row("plotAxisInfo|records beyond numPlots", [](S *s) { s->numPlots = 2; });
        row("plotAxisInfo|records short of numPlots", [](S *s) { s->numPlots = 4; });
        row("1.leftYAxis.rangeMin..rangeMax", [](S *s) { g(s, 0).leftYAxis.rangeMin = -50; });
        row("1.rightYAxis.rangeMin..rangeMax", [](S *s) { g(s, 0).rightYAxis.rangeMax = 1; });
        row("1.xAxis.rangeMin 1.xAxis.rangeMax", [](S *s) {
            g(s, 0).xAxis.autoRange = false, g(s, 0).xAxis.rangeMin = 1234567.0,
                 g(s, 0).xAxis.rangeMax = 0.1234567;
        });
        row("1.xAxis.label", [](S *s) { g(s, 0).xAxis.label = QString(32768, 'l'); });
        row("1.xAxis.gridLineWidth", [](S *s) { g(s, 0).xAxis.gridLineWidth = 51; });
        row("1.xAxis.gridVisible", [](S *s) { g(s, 0).xAxis.gridVisible = false; });
        row("1.xAxis.rangeUnits", [](S *s) { g(s, 0).xAxis.rangeUnits = UnitMinutes; });
        row("3.leftYAxis.gridLineWidth", [](S *s) { g(s, 2).leftYAxis.gridLineWidth = -1; });
        row("2.varChannels[0].yVarName", [](S *s) { g(s, 1).varChannels[0].yVarName.clear(); });
        row("2.varChannels[1].xVarName", [](S *s) { g(s, 1).varChannels[1].xVarName.clear(); });
        row("2.varChannels[1].lineColor",
            [](S *s) { g(s, 1).varChannels[1].lineColor.setAlpha(1); });
        row("2.varChannels[1].lineWidth", [](S *s) { g(s, 1).varChannels[1].lineWidth = 51; });
        row("2.varChannels[1].visible", [](S *s) { g(s, 1).varChannels[1].visible = false; });
        row("2.varChannels[1].markerSize", [](S *s) { g(s, 1).varChannels[1].markerSize = 3.0f; });
        row("2.cometLength 3.cometLength",
            [](S *s) { g(s, 1).cometLength = 100, g(s, 2).cometLength = -1; });
        row("3.overlayChannels[0].xVarName 3.overlayChannels[0].lineWidth", [](S *s) {
            g(s, 2).overlayChannels[0].xVarName.clear(),
                g(s, 2).overlayChannels[0].yVarName.clear(),
                g(s, 2).overlayChannels[0].lineWidth = -1;
        });
    }
    void dialogChanges()
    {
        QFETCH(Setter, edit);
        Plot_Screen_Info s;
        fillWithinDialogLimits(&s);
        edit(&s);
        QTEST(subjects(s.dialogChanges()), "subjects");
    }

    // The messages a host shows: values before and after, in the dialog's units.
    void dialogChangeTexts()
    {
        Plot_Screen_Info s;
        fillWithinDialogLimits(&s);
        s.note = QString(67, 'n');
        s.dataStorage = 12345678;
        s.plotAxisInfo[1].rightYAxis.rangeMin = -50.0;
        s.plotAxisInfo[1].rightYAxis.rangeMax = 250.0;
        s.plotAxisInfo[2].cometLength = Q_INT64_C(1000000000000000);
        QCOMPARE(s.dialogChanges(),
                 QStringList({"note: 67 characters; the dialog keeps the first 50",
                              "dataStorage: 12345678 s is shown with 6 significant digits; the "
                              "dialog stores 12345700 s",
                              "Graph 2 (plotAxisInfo[1]).rightYAxis.rangeMin..rangeMax: -50..250 "
                              "with autoRange on; the dialog stores 0..0",
                              "Graph 3 (plotAxisInfo[2]).cometLength: 1000000000000000 is outside "
                              "the comet length field's 0..99"}));
    }

    void differenceLines_data()
    {
        QTest::addColumn<Setter>("after");
        QTest::addColumn<QStringList>("lines");
        auto row = [](const QString &lines, const Setter &edit) {
            QTest::newRow(qPrintable(lines.left(30)))
                << edit << lines.split("; ", Qt::SkipEmptyParts);
        };
        row("", [](S *) {});
        row("Graph 1 / Y axis (right) / range min: 0 -> -0; "
            "Graph 1 / Y axis (right) / range max: 0 -> 250.00000000000003; "
            "Graph 2 / Y axis (left) / range max: 0 -> 8000",
            [](S *s) {
                g(s, 1).leftYAxis.rangeMax = 8000, g(s, 0).rightYAxis.rangeMin = -0.0;
                g(s, 0).rightYAxis.rangeMax = 250.00000000000003;
            });
        row("Graph 1 / overlay channel 8 / line style: solid -> dot; "
            "Graph 2 / channel 2 / colour: #ffe1ff -> #8000ff00; "
            "Graph 2 / display type: Full Trace -> Comet; Graph 3 / channel 1 / Y variable: Time "
            "-> T3",
            [](S *s) {
                g(s, 2).varChannels[0].yVarName = "T3",
                     g(s, 0).overlayChannels[7].lineStyle = LineStyleDot;
                g(s, 1).displayType = DisplayComet,
                     g(s, 1).varChannels[1].lineColor = QColor(0, 255, 0, 128);
            });
        row("Refresh interval: 100 ms -> 50 ms; Data storage units: seconds -> minutes; "
            "Title font: Sans Serif, 12 pt -> Sans Serif, 12 pt, weight 75; Legend: shown -> "
            "hidden",
            [](S *s) {
                s->screenRefreshInterval = 50, s->dataUnits = UnitMinutes;
                s->titleFont.setBold(true), s->legend = false;
            });
        row("Graph 4 added; Graphs shown: 3 -> 4",
            [](S *s) { s->plotAxisInfo.append(Plot_Axis_Info()), s->numPlots = 4; });
        row("Graph 2 removed; Graph 3 removed", [](S *s) { s->plotAxisInfo.resize(1); });
    }
    void differenceLines()
    {
        QFETCH(Setter, after);
        Plot_Screen_Info a, b;
        fillWithinDialogLimits(&a);
        fillWithinDialogLimits(&b);
        after(&b);
        QTEST(plotScreenDifferenceLines(a, b), "lines");
    }

    // Every leaf of the screen file, changed on its own, is one difference
    // of its own name: a member added later cannot be left out.
    void differencesCoverEveryMember()
    {
        Randomiser random(31);
        Plot_Screen_Info original;
        random.screen(&original);
        original.plotAxisInfo = {random.graph(), random.graph()};
        const QByteArray json = original.toJson();
        const QJsonObject top = jsonOf(original);
        QList<QStringList> leaves;
        collectLeaves(top, {}, &leaves);
        QHash<QString, QString> memberOfPath;
        int changed = 0;
        for (const QStringList &leaf : leaves) {
            // A font is one member, whichever attribute changed.
            const bool inFont = leaf.size() > 1 && leaf.at(leaf.size() - 2).endsWith("Font");
            const QString member =
                (inFont ? leaf.mid(0, leaf.size() - 1) : QStringList(leaf)).join('.');
            QJsonValue value = top;
            for (const QString &key : leaf)
                value =
                    value.isArray() ? value.toArray().at(key.toInt()) : value.toObject().value(key);
            bool done = false;
            for (const QJsonValue &other : otherValues(value)) {
                Plot_Screen_Info read;
                const QJsonObject o =
                    edited(top, leaf.mid(0, leaf.size() - 1), setMember(leaf.last(), other));
                if (!read.fromJson(QJsonDocument(o).toJson()) || read.toJson() == json)
                    continue;
                const QVector<PlotScreenDifference> d = plotScreenDifferences(original, read);
                QVERIFY2(d.size() == 1, qPrintable(QString("%1: %2").arg(member).arg(d.size())));
                const QString path = d.first().path;
                QVERIFY2(d.first().oldValue != d.first().newValue, qPrintable(member));
                QVERIFY2(memberOfPath.value(path, member) == member,
                         qPrintable(member + " and " + memberOfPath[path] + " read " + path));
                memberOfPath.insert(path, member);
                done = true;
                break;
            }
            // A pixel-sized font ignores its point size; the version is not a member.
            QVERIFY2(done || leaf.last() == "pointSize" || leaf.last() == "formatVersion",
                     qPrintable("no change found for " + leaf.join('.')));
            changed += done;
        }
        QVERIFY(changed > 300);
    }

    // A host adopting the dialog's edits takes each shown member it changed.
    void mergeAdoptsShownEdits_data()
    {
        QTest::addColumn<Setter>("edit");
        QTest::newRow("left Y label") << Setter([](S *s) { g(s, 0).leftYAxis.label = "L"; });
        QTest::newRow("right Y label") << Setter([](S *s) { g(s, 1).rightYAxis.label = "R"; });
        QTest::newRow("X label") << Setter([](S *s) { g(s, 2).xAxis.label = "X"; });
        QTest::newRow("channel") << Setter([](S *s) { g(s, 1).varChannels[1].yVarName = "N2"; });
        QTest::newRow("overlay") << Setter([](S *s) { g(s, 2).overlayChannels[0].lineWidth = 3; });
        QTest::newRow("points") << Setter([](S *s) { g(s, 0).showDatapoints ^= true; });
        QTest::newRow("values") << Setter([](S *s) { g(s, 2).showXYValues ^= true; });
        QTest::newRow("title") << Setter([](S *s) { s->setTitle("T"); });
    }
    void mergeAdoptsShownEdits()
    {
        QFETCH(Setter, edit);
        S host, edited;
        fillWithinDialogLimits(&host);
        fillWithinDialogLimits(&edited);
        edit(&edited);
        QVERIFY(!plotScreenDifferenceLines(host, edited).isEmpty());
        mergeDialogEdits(host, edited);
        QCOMPARE(plotScreenDifferenceLines(host, edited), QStringList());
    }

    // Copies between graphs and the defaults of the data model.
    void presets_data()
    {
        QTest::addColumn<QString>("mayChange"); // every difference it makes matches this
        QTest::addColumn<QList<int>>("targets");
        QTest::addColumn<int>("reference");     // graph the targets now match; -1: defaults
        QTest::addColumn<QString>("mayDiffer"); // differences left between target and reference
        QTest::addColumn<QString>("screenMayDiffer"); // from a new screen; empty: not checked
        QTest::addColumn<Operation>("operation");
        const QString engine = "(engine state|first sample time|last sample time|overlay state|"
                               "overlay first time|overlay last time|pan state|zoom state|"
                               "pan offset|zoom offset|engine dirty|time scale \\w+|auto scroll)";
        const QString axes = "(Y axis \\(left\\)|Y axis \\(right\\)|X axis)";
        const QString styles = "(overlay )?channel \\d / (colour|line style|line width)";
        const QString display = "(display type|comet length|Datapoints|XY Values)";
        QTest::newRow("axes to two")
            << "^Graph [23] / " + axes << QList<int>{1, 2} << 0 << "^Graph 1 / (?!" + axes + ")"
            << QString() << Operation([](S &s) {
                   return copyGraphAxes(s, 0, {2, 1, 0});
               });
        QTest::newRow("channel styles")
            << "^Graph 1 / " + styles << QList<int>{0} << 2 << "^Graph 1 / (?!" + styles + ")"
            << QString() << Operation([](S &s) { return copyChannelStyles(s, 2, {0}); });
        QTest::newRow("display") << "^Graph 3 / " + display << QList<int>{2} << 1
                                 << "^Graph 1 / (?!" + display + ")" << QString()
                                 << Operation([](S &s) { return copyDisplaySettings(s, 1, {2}); });
        QTest::newRow("graph defaults")
            << "^Graph 2 / (?!" + engine + ")" << QList<int>{1} << -1
            << "^Graph 1 / " + engine + ":" << QString()
            << Operation([](S &s) { return restoreGraphDefaults(s, 1); });
        QTest::newRow("screen defaults")
            << "^(Graph \\d / (?!" + engine
                   + ")|(?!Graph|Graphs shown|Configuration file|Screen id|Last saved))"
            << QList<int>{0, 1, 2} << -1 << "^Graph 1 / " + engine + ":"
            << "^(Graphs shown|Configuration file|Screen id|Last saved time):"
            << Operation([](S &s) { return restoreScreenDefaults(s), true; });
    }
    void presets()
    {
        QFETCH(Operation, operation);
        QFETCH(QList<int>, targets);
        QFETCH(int, reference);
        QFETCH(QString, mayChange);
        QFETCH(QString, mayDiffer);
        QFETCH(QString, screenMayDiffer);
        Plot_Screen_Info before;
        Randomiser random(77);
        random.screen(&before);
        before.plotAxisInfo = {random.graph(), random.graph(), random.graph()};
        // Switches off their defaults, which a random screen may not give.
        before.showTitleSubtitle = before.showNote = before.legend = false;
        before.condenseControls = true;
        Plot_Screen_Info after;
        after.copyFrom(before);
        // A bad source, target or graph is refused without a change.
        QVERIFY(!copyGraphAxes(after, 0, {1, 3}) && !copyChannelStyles(after, -1, {1})
                && !restoreGraphDefaults(after, 3));
        QVERIFY(plotScreenDifferenceLines(before, after).isEmpty());
        QVERIFY(operation(after));
        const QStringList changes = plotScreenDifferenceLines(before, after);
        QVERIFY(!changes.isEmpty());
        for (const QString &line : changes)
            QVERIFY2(QRegularExpression(mayChange).match(line).hasMatch(), qPrintable(line));
        const Plot_Axis_Info expected =
            reference < 0 ? Plot_Axis_Info() : after.plotAxisInfo.at(reference);
        for (int t : targets)
            for (const QString &line : graphDifferences(after.plotAxisInfo.at(t), expected))
                QVERIFY2(QRegularExpression(mayDiffer).match(line).hasMatch(),
                         qPrintable(QString("graph %1: %2").arg(t + 1).arg(line)));
        if (screenMayDiffer.isEmpty())
            return;
        Plot_Screen_Info defaults;
        defaults.plotAxisInfo = after.plotAxisInfo;
        for (const QString &line : plotScreenDifferenceLines(defaults, after))
            QVERIFY2(QRegularExpression(screenMayDiffer).match(line).hasMatch(), qPrintable(line));
    }
};

QTEST_MAIN(TestPlotEngine)
#include "tst_plot_engine.moc"

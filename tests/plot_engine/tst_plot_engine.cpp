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
using Getter = std::function<QVariant(const Plot_Screen_Info *)>;
using JsonEdit = std::function<void(QJsonObject *)>;
using Operation = std::function<bool(Plot_Screen_Info &)>;
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(Getter)
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
    void axis(Single_Axis_Info *a)
    {
        a->axisColorName = text();
        a->rangeMin = anyDouble();
        a->rangeMax = anyDouble();
        a->autoRange = flag();
        a->numMajorTicks = anyULong();
        a->numMinorTicks = anyULong();
        a->label = text();
        a->gridColorName = text();
        a->gridLineStyle = anyInt();
        a->gridLineWidth = anyInt();
        a->gridVisible = flag();
        a->rangeUnits = anyInt();
    }
    void channel(Plot_Channel_Info *c)
    {
        c->yVarName = text();
        c->useLeftAxis = flag();
        c->visible = flag();
        c->lineColor = QColor::fromRgba(rng.generate());
        c->lineStyle = anyInt();
        c->lineWidth = anyInt();
        const quint32 bits = rng.generate() & 0x7fbfffffu; // never a NaN
        std::memcpy(&c->markerSize, &bits, sizeof bits);
        c->xVarName = text();
    }
    Plot_Axis_Info graph()
    {
        Plot_Axis_Info g;
        for (Single_Axis_Info *a : {&g.leftYAxis, &g.rightYAxis, &g.xAxis})
            axis(a);
        for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r) {
            channel(&g.varChannels[r]);
            channel(&g.overlayChannels[r]);
        }
        g.numVarChannels = ulong(between(0, 8));
        g.numOverlayChannels = ulong(between(0, 8));
        g.traceMode = anyInt();
        g.showDatapoints = flag();
        g.showXYValues = flag();
        g.overlayFileName = text();
        g.engineState = anyInt();
        g.firstSampleTime = anyInt64();
        g.lastSampleTime = anyInt64();
        g.overlayState = anyInt();
        g.overlayFirstTime = anyInt64();
        g.overlayLastTime = anyInt64();
        g.panState = anyInt();
        g.zoomState = anyInt();
        g.panOffset = anyInt64();
        g.zoomOffset = anyInt64();
        g.engineDirty = flag();
        g.displayType = anyInt();
        g.cometLength = anyInt64();
        g.timeScaleNumerator = anyInt64();
        g.timeScaleDenominator = anyInt64();
        g.autoScroll = flag();
        return g;
    }
    void screen(Plot_Screen_Info *s)
    {
        for (int g = between(0, 8); g > 0; --g)
            s->plotAxisInfo.append(graph());
        s->numPlots = ulong(between(0, 8));
        s->screenRefreshInterval = anyULong();
        s->dataSampleInterval = anyULong();
        s->dataStorage = anyULong();
        s->dataUnits = UnitType(anyInt());
        s->screenId = anyInt();
        s->lastSavedTime = anyInt64();
        s->plotBgColorName = text();
        s->title = text();
        s->titleFont = font();
        s->subtitle = text();
        s->subtitleFont = font();
        s->note = text();
        s->noteFont = font();
        s->showTitleSubtitle = flag();
        s->showNote = flag();
        s->condenseControls = flag();
        s->legend = flag();
        s->configFileName = text();
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

// Keeps the member's value at the moment its change signal arrives.
class EmissionProbe : public QObject
{
    Q_OBJECT
public:
    const Plot_Screen_Info *screen = nullptr;
    Getter getter;
    QVariantList seen;
public slots:
    void record() { seen.append(getter(screen)); }
};

bool sameVariant(const QVariant &a, const QVariant &b)
{
    if (a.userType() == qMetaTypeId<UnitType>() || b.userType() == qMetaTypeId<UnitType>())
        return a.userType() == b.userType() && a.value<UnitType>() == b.value<UnitType>();
    return a == b;
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

    // The defaults a host relies on when it builds a screen from scratch.
    void defaults()
    {
        const Plot_Screen_Info s;
        const Plot_Axis_Info g;
        QCOMPARE(QVariantList({s.title, qulonglong(s.screenRefreshInterval),
                               qulonglong(s.dataSampleInterval), qulonglong(s.dataStorage),
                               s.plotBgColorName, s.titleFont.pointSize(), g.leftYAxis.rangeMax,
                               g.rightYAxis.rangeMin, qulonglong(g.xAxis.numMajorTicks),
                               g.xAxis.rangeMax, g.rightYAxis.label}),
                 QVariantList({"Plotter", 100ull, 20ull, 30ull, "#000000", 12, 250.0, -50.0, 2ull,
                               30.0, "Right Axis"}));
        QVERIFY(s.consistencyErrors().isEmpty());
        QVERIFY(QMetaType::type("Plot_Screen_Info*") != QMetaType::UnknownType);
    }

    void codings_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<int>("toIndex");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("toPattern");
        QTest::newRow("solid") << 0xFFFF << 0 << 0 << 0xFFFF;
        QTest::newRow("dash") << 0xF0F0 << 1 << 1 << 0xF0F0;
        QTest::newRow("dot") << 0x1111 << 2 << 2 << 0x1111;
        QTest::newRow("dash-dot") << 0xF33C << 3 << 3 << 0xF33C;
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
        QTest::addColumn<double>("converted"); // 7200 s
        QTest::addColumn<qint64>("perUnit");
        QTest::newRow("seconds") << 0 << 7200.0 << qint64(1);
        QTest::newRow("minutes") << 1 << 120.0 << qint64(60);
        QTest::newRow("hours") << 2 << 2.0 << qint64(3600);
        QTest::newRow("days") << 3 << 7200.0 / 86400 << qint64(86400);
        QTest::newRow("code 4") << 4 << 0.0 << qint64(0);
        QTest::newRow("code -1") << -1 << 0.0 << qint64(0);
    }
    void units()
    {
        QFETCH(int, unit);
        QTEST(convertSecondsToUnit(7200.0, unit), "converted");
        QTEST(secondsPerUnit(unit), "perUnit");
    }

    // A setter of each kind stores its value before it tells of it.
    void setters_data()
    {
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<Setter>("set");
        QTest::addColumn<Getter>("get");
        QTest::addColumn<QVariant>("value");
        const QFont font("DejaVu Serif", 17, QFont::Bold, true);
#define ROW(member, Member, Type, v) \
    QTest::newRow(#member) << QByteArray(SIGNAL(member##Changed(Type))) \
                           << Setter([=](Plot_Screen_Info *s) { s->set##Member(v); }) \
                           << Getter([](const Plot_Screen_Info *s) { \
                                  return QVariant::fromValue(s->member); \
                              }) \
                           << QVariant::fromValue(v)
        ROW(numPlots, NumPlots, unsigned long, 3ul);
        ROW(dataUnits, DataUnits, UnitType, UnitHours);
        ROW(plotBgColorName, PlotBgColorName, QString, QString("#102030"));
        ROW(titleFont, TitleFont, QFont, font);
        ROW(legend, Legend, bool, false);
        ROW(configFileName, ConfigFileName, QString, QString("/cfg/screen1.json"));
#undef ROW
    }
    void setters()
    {
        QFETCH(QByteArray, signal);
        QFETCH(Setter, set);
        QFETCH(Getter, get);
        QFETCH(QVariant, value);
        Plot_Screen_Info s;
        QVERIFY(!sameVariant(get(&s), value)); // the row must change something
        QSignalSpy spy(&s, signal.constData());
        EmissionProbe probe;
        probe.screen = &s;
        probe.getter = get;
        QVERIFY(connect(&s, signal.constData(), &probe, SLOT(record())));
        set(&s);
        QCOMPARE(spy.count(), 1);
        QVERIFY(sameVariant(spy.at(0).at(0), value));
        QCOMPARE(probe.seen.size(), 1);
        QVERIFY2(sameVariant(probe.seen.at(0), value), "signal came before the value was stored");
    }

    void singletonSlots_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("first") << 0;
        QTest::newRow("last") << 7;
        QTest::newRow("-1") << -1;
        QTest::newRow("8") << 8;
    }
    void singletonSlots()
    {
        QFETCH(int, slot);
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
        // The instance deletes the lists it holds (checked by the leak sanitizer).
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
        auto row = [&](const char *name, const QStringList &path, const JsonEdit &edit,
                       const QString &message) {
            QTest::newRow(name) << QJsonDocument(edited(valid, path, edit)).toJson() << message;
        };
        const QStringList channel{"plotAxisInfo", "2", "varChannels", "3"};
        QTest::newRow("cut short") << QByteArray("{\"numPlots\": 1,") << "not valid JSON at offset";
        QTest::newRow("array at top") << QByteArray("[1, 2]") << "expected a JSON object";
        row(
            "missing numPlots", {}, [](QJsonObject *o) { o->remove("numPlots"); },
            "numPlots: missing");
        row("width is true", channel, setMember("lineWidth", true),
            "plotAxisInfo[2].varChannels[3].lineWidth: expected a number");
        row("width is text", channel, setMember("lineWidth", "wide"), "\"wide\" is not a whole");
        row("width is fractional", channel, setMember("lineWidth", 1.5), "1.5 is not a whole");
        row("int beyond 32 bits", {"plotAxisInfo", "1", "leftYAxis"},
            setMember("gridLineWidth", 3e9),
            "plotAxisInfo[1].leftYAxis.gridLineWidth: 3000000000 is out of range");
        row("negative ticks", {"plotAxisInfo", "0", "xAxis"}, setMember("numMajorTicks", -1),
            "xAxis.numMajorTicks: -1 is negative");
        row("nine plots", {}, setMember("numPlots", 9), "numPlots: 9 is more than 8");
        row("nine channels in use", {"plotAxisInfo", "1"}, setMember("numOverlayChannels", 9),
            "plotAxisInfo[1].numOverlayChannels: 9 is more than 8");
        row(
            "nine graphs", {},
            [](QJsonObject *o) {
                QJsonArray a = o->value("plotAxisInfo").toArray();
                while (a.size() < 9)
                    a.append(a.first());
                o->insert("plotAxisInfo", a);
            },
            "plotAxisInfo: 9 records, at most 8");
        row("big number not as text", {"plotAxisInfo", "0"}, setMember("cometLength", 1e17),
            "cometLength: 1e+17 is too large");
        row("64-bit overflow", {"plotAxisInfo", "0"}, setMember("panOffset", "9223372036854775808"),
            "panOffset: 9223372036854775808 is out of range");
        row("marker beyond float", {"plotAxisInfo", "0", "varChannels", "0"},
            setMember("markerSize", 1e300), "markerSize: 1e+300 is out of range for a float");
        row("title is a number", {}, setMember("title", 5), "title: expected a string");
        row("legend is 1", {}, setMember("legend", 1), "legend: expected true or false");
        row(
            "font without family", {"noteFont"}, [](QJsonObject *o) { o->remove("family"); },
            "noteFont.family: missing");
        row("font of size 0", {"titleFont"}, setMember("pointSize", 0), "0 is not a point size");
        row("font weight 100", {"subtitleFont"}, setMember("weight", 100), "100 is out of range");
        row("channels not an array", {"plotAxisInfo", "0"}, setMember("varChannels", 1),
            "plotAxisInfo[0].varChannels: expected an array");
        row("future format", {}, setMember("formatVersion", 2), "formatVersion: 2 is not a known");
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

    // What the engine refuses to draw; every problem is named.
    void consistency_data()
    {
        QTest::addColumn<Setter>("edit");
        QTest::addColumn<QStringList>("subjects");
        QTest::newRow("consistent") << Setter([](Plot_Screen_Info *) {}) << QStringList();
        QTest::newRow("at the limits") << Setter([](Plot_Screen_Info *s) {
            s->plotAxisInfo.resize(8);
            s->numPlots = 8;
            s->screenRefreshInterval = s->dataSampleInterval = 1;
            s->dataUnits = UnitDays;
            Plot_Axis_Info &g = s->plotAxisInfo[2];
            g.numVarChannels = g.numOverlayChannels = 8;
            g.leftYAxis.numMajorTicks = g.xAxis.numMinorTicks = 10;
            g.xAxis.rangeUnits = UnitDays;
            g.rightYAxis.gridLineStyle = LineStyleDashDot;
            g.varChannels[7].lineStyle = LineStyleDot;
            g.overlayChannels[7].lineStyle = LineStyleDash;
            g.displayType = DisplayComet;
            g.cometLength = 0;
            g.varChannels[7].lineWidth = g.xAxis.gridLineWidth = 0;
            g.varChannels[7].markerSize = 0.0f;
        }) << QStringList();
        QTest::newRow("channels past the counts") << Setter([](Plot_Screen_Info *s) {
            s->plotAxisInfo[1].varChannels[2].lineStyle = 0x00FF;
            s->plotAxisInfo[2].overlayChannels[1].lineColor = QColor();
        }) << QStringList();
        QTest::newRow("nine graphs") << Setter([](Plot_Screen_Info *s) {
            s->plotAxisInfo.resize(9);
            s->numPlots = 9;
        }) << QStringList{"numPlots", "plotAxisInfo"};
        QTest::newRow("screen") << Setter([](Plot_Screen_Info *s) {
            s->screenRefreshInterval = 0;
            s->dataSampleInterval = 0;
            s->dataUnits = UnitType(4);
        }) << QStringList{"screenRefreshInterval", "dataSampleInterval", "dataUnits"};
        QTest::newRow("axes") << Setter([](Plot_Screen_Info *s) {
            Plot_Axis_Info &g = s->plotAxisInfo[1];
            g.leftYAxis.rangeMin = qQNaN();
            g.leftYAxis.rangeMax = -qInf();
            g.leftYAxis.numMajorTicks = 11;
            g.rightYAxis.numMinorTicks = 11;
            g.rightYAxis.gridLineStyle = 0x00FF;
            g.xAxis.gridLineWidth = -1;
            g.xAxis.rangeUnits = -1;
            s->plotAxisInfo[2].rightYAxis.rangeUnits = 4;
        }) << QStringList{"2.leftYAxis.rangeMin",       "2.leftYAxis.rangeMax",
                          "2.leftYAxis.numMajorTicks",  "2.rightYAxis.numMinorTicks",
                          "2.rightYAxis.gridLineStyle", "2.xAxis.gridLineWidth",
                          "2.xAxis.rangeUnits",         "3.rightYAxis.rangeUnits"};
        QTest::newRow("graphs and channels") << Setter([](Plot_Screen_Info *s) {
            Plot_Axis_Info &g = s->plotAxisInfo[1];
            g.numOverlayChannels = 9;
            g.varChannels[1].lineColor = QColor();
            g.varChannels[1].lineStyle = 0;
            g.overlayChannels[8 - 1].lineWidth = -1;
            g.overlayChannels[0].markerSize = -1.0f;
            g.displayType = -1;
            s->plotAxisInfo[2].displayType = 3;
            s->plotAxisInfo[2].cometLength = -1;
        })
                                             << QStringList{"2.numOverlayChannels",
                                                            "2.varChannels[1].lineColor",
                                                            "2.varChannels[1].lineStyle",
                                                            "2.overlayChannels[0].markerSize",
                                                            "2.overlayChannels[7].lineWidth",
                                                            "2.displayType",
                                                            "3.displayType",
                                                            "3.cometLength"};
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
        using S = Plot_Screen_Info;
        QTest::addColumn<Setter>("edit");
        QTest::addColumn<QStringList>("subjects");
        QTest::newRow("within limits") << Setter([](S *) {}) << QStringList();
        QTest::newRow("at the limits") << Setter([](S *s) {
            s->title = s->subtitle = s->note = QString(50, 't');
            s->titleFont.setPointSize(24);
            s->dataSampleInterval = 123456;
            s->dataUnits = UnitHours;
            s->dataStorage = 7200;
            Plot_Axis_Info &g = s->plotAxisInfo[0];
            g.leftYAxis.autoRange = false;
            g.leftYAxis.rangeMin = -123456;
            g.leftYAxis.rangeMax = 0.000123456;
            g.rightYAxis.gridVisible = false;
            g.xAxis.label = QString(32767, 'l');
            g.xAxis.gridLineWidth = 50;
            g.cometLength = 99;
            s->plotAxisInfo[1].varChannels[1].lineWidth = 50;
            s->plotAxisInfo[1].varChannels[2].yVarName.clear(); // not in use
        }) << QStringList();
        QTest::newRow("one graph") << Setter([](S *s) {
            s->numPlots = 1;
            s->plotAxisInfo.resize(1);
        }) << QStringList();
        QTest::newRow("texts one too long")
            << Setter([](S *s) { s->title = s->subtitle = s->note = QString(51, 't'); })
            << QStringList{"title", "subtitle", "note"};
        QTest::newRow("fonts") << Setter([](S *s) {
            s->titleFont.setBold(true);
            s->titleFont.setUnderline(true);
            s->subtitleFont.setPointSize(25);
            s->subtitleFont.setItalic(true);
            s->subtitleFont.setStrikeOut(true);
            s->noteFont.setPixelSize(20);
            s->noteFont.setOverline(true);
        }) << QStringList{"titleFont.weight",    "titleFont.underline",    "subtitleFont.pointSize",
                          "subtitleFont.italic", "subtitleFont.strikeOut", "noteFont",
                          "noteFont.overline"};
        QTest::newRow("fractional point size")
            << Setter([](S *s) { s->noteFont.setPointSizeF(10.5); })
            << QStringList{"noteFont.pointSize"};
        QTest::newRow("sample interval, days") << Setter([](S *s) {
            s->dataSampleInterval = 1234567;
            s->dataUnits = UnitDays;
        }) << QStringList{"dataSampleInterval", "dataUnits"};
        QTest::newRow("storage of eight digits")
            << Setter([](S *s) { s->dataStorage = 12345678; }) << QStringList{"dataStorage"};
        QTest::newRow("no graphs") << Setter([](S *s) {
            s->numPlots = 0;
            s->plotAxisInfo.clear();
        }) << QStringList{"numPlots"};
        QTest::newRow("nine graphs") << Setter([](S *s) {
            s->numPlots = 9;
            s->plotAxisInfo.fill(s->plotAxisInfo.at(0), 9);
        }) << QStringList{"numPlots"};
        QTest::newRow("records beyond numPlots")
            << Setter([](S *s) { s->numPlots = 2; }) << QStringList{"plotAxisInfo"};
        QTest::newRow("records short of numPlots")
            << Setter([](S *s) { s->numPlots = 4; }) << QStringList{"plotAxisInfo"};
        QTest::newRow("axes") << Setter([](S *s) {
            Plot_Axis_Info &g = s->plotAxisInfo[0];
            g.leftYAxis.rangeMin = -50.0;
            g.rightYAxis.rangeMax = 1.0;
            g.xAxis.autoRange = false;
            g.xAxis.rangeMin = 1234567.0;
            g.xAxis.rangeMax = 0.1234567;
            g.xAxis.label = QString(32768, 'l');
            g.xAxis.gridLineWidth = 51;
            g.xAxis.gridVisible = false;
            g.xAxis.rangeUnits = UnitMinutes;
            s->plotAxisInfo[2].leftYAxis.gridLineWidth = -1;
        })
                              << QStringList{"1.leftYAxis.rangeMin..rangeMax",
                                             "1.rightYAxis.rangeMin..rangeMax",
                                             "1.xAxis.rangeMin",
                                             "1.xAxis.rangeMax",
                                             "1.xAxis.label",
                                             "1.xAxis.gridLineWidth",
                                             "1.xAxis.gridVisible",
                                             "1.xAxis.rangeUnits",
                                             "3.leftYAxis.gridLineWidth"};
        QTest::newRow("channels and comet") << Setter([](S *s) {
            Plot_Axis_Info &g = s->plotAxisInfo[1];
            g.varChannels[0].yVarName.clear();
            g.varChannels[1].xVarName.clear();
            g.varChannels[1].lineColor.setAlpha(128);
            g.varChannels[1].lineWidth = 51;
            g.varChannels[1].visible = false;
            g.varChannels[1].markerSize = 3.0f; // the dialog keeps 10
            g.cometLength = 100;
            s->plotAxisInfo[2].overlayChannels[0].xVarName.clear();
            s->plotAxisInfo[2].overlayChannels[0].yVarName.clear();
            s->plotAxisInfo[2].overlayChannels[0].lineWidth = -1;
            s->plotAxisInfo[2].cometLength = -1;
        })
                                            << QStringList{"2.varChannels[0].yVarName",
                                                           "2.varChannels[1].xVarName",
                                                           "2.varChannels[1].lineColor",
                                                           "2.varChannels[1].lineWidth",
                                                           "2.varChannels[1].visible",
                                                           "2.varChannels[1].markerSize",
                                                           "2.cometLength",
                                                           "3.overlayChannels[0].xVarName",
                                                           "3.overlayChannels[0].lineWidth",
                                                           "3.cometLength"};
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
        QTest::newRow("equal") << Setter([](Plot_Screen_Info *) {}) << QStringList();
        QTest::newRow("axes, -0 and a fine step")
            << Setter([](Plot_Screen_Info *s) {
                   s->plotAxisInfo[1].leftYAxis.rangeMax = 8000;
                   s->plotAxisInfo[0].rightYAxis.rangeMin = -0.0;
                   s->plotAxisInfo[0].rightYAxis.rangeMax = 250.00000000000003;
               })
            << QStringList{"Graph 1 / Y axis (right) / range min: 0 -> -0",
                           "Graph 1 / Y axis (right) / range max: 0 -> 250.00000000000003",
                           "Graph 2 / Y axis (left) / range max: 0 -> 8000"};
        QTest::newRow("channels, display")
            << Setter([](Plot_Screen_Info *s) {
                   s->plotAxisInfo[2].varChannels[0].yVarName = "T3";
                   s->plotAxisInfo[0].overlayChannels[7].lineStyle = LineStyleDot;
                   s->plotAxisInfo[1].displayType = DisplayComet;
                   s->plotAxisInfo[1].varChannels[1].lineColor = QColor(0, 255, 0, 128);
               })
            << QStringList{"Graph 1 / overlay channel 8 / line style: solid -> dot",
                           "Graph 2 / channel 2 / colour: #ffe1ff -> #8000ff00",
                           "Graph 2 / display type: Full Trace -> Comet",
                           "Graph 3 / channel 1 / Y variable: Time -> T3"};
        QTest::newRow("screen")
            << Setter([](Plot_Screen_Info *s) {
                   s->screenRefreshInterval = 50;
                   s->dataUnits = UnitMinutes;
                   s->titleFont.setBold(true);
                   s->legend = false;
               })
            << QStringList{"Refresh interval: 100 ms -> 50 ms",
                           "Data storage units: seconds -> minutes",
                           "Title font: Sans Serif, 12 pt -> Sans Serif, 12 pt, weight 75",
                           "Legend: shown -> hidden"};
        QTest::newRow("graph added") << Setter([](Plot_Screen_Info *s) {
            s->plotAxisInfo.append(Plot_Axis_Info());
            s->numPlots = 4;
        }) << QStringList{"Graph 4 added", "Graphs shown: 3 -> 4"};
        QTest::newRow("graphs removed")
            << Setter([](Plot_Screen_Info *s) { s->plotAxisInfo.resize(1); })
            << QStringList{"Graph 2 removed", "Graph 3 removed"};
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

    // Copies between graphs and the defaults of the data model.
    void presets_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("mayChange"); // every difference it makes matches this
        QTest::addColumn<QList<int>>("targets");
        QTest::addColumn<int>("reference");     // graph the targets now match; -1: defaults
        QTest::addColumn<QString>("mayDiffer"); // differences left between target and reference
        QTest::addColumn<QString>("screenMayDiffer"); // from a new screen; empty: not checked
        const QString engine = "(engine state|first sample time|last sample time|overlay state|"
                               "overlay first time|overlay last time|pan state|zoom state|"
                               "pan offset|zoom offset|engine dirty|time scale \\w+|auto scroll)";
        const QString axes = "(Y axis \\(left\\)|Y axis \\(right\\)|X axis)";
        const QString styles = "(overlay )?channel \\d / (colour|line style|line width)";
        const QString display = "(display type|comet length|Datapoints|XY Values)";
        auto row = [](const char *name, const Operation &op, bool ok, const QString &mayChange,
                      const QList<int> &targets, int reference, const QString &mayDiffer,
                      const QString &screenMayDiffer = QString()) {
            QTest::newRow(name) << op << ok << mayChange << targets << reference << mayDiffer
                                << screenMayDiffer;
        };
        row(
            "axes to two",
            [](Plot_Screen_Info &s) {
                return copyGraphAxes(s, 0, {2, 1, 0});
            },
            true, "^Graph [23] / " + axes, {1, 2}, 0, "^Graph 1 / (?!" + axes + ")");
        row(
            "channel styles", [](Plot_Screen_Info &s) { return copyChannelStyles(s, 2, {0}); },
            true, "^Graph 1 / " + styles, {0}, 2, "^Graph 1 / (?!" + styles + ")");
        row(
            "display", [](Plot_Screen_Info &s) { return copyDisplaySettings(s, 1, {2}); }, true,
            "^Graph 3 / " + display, {2}, 1, "^Graph 1 / (?!" + display + ")");
        row(
            "bad target",
            [](Plot_Screen_Info &s) {
                return copyGraphAxes(s, 0, {1, 3});
            },
            false, "^$", {}, 0, "");
        row(
            "bad source", [](Plot_Screen_Info &s) { return copyChannelStyles(s, -1, {1}); }, false,
            "^$", {}, 0, "");
        row(
            "graph defaults", [](Plot_Screen_Info &s) { return restoreGraphDefaults(s, 1); }, true,
            "^Graph 2 / (?!" + engine + ")", {1}, -1, "^Graph 1 / " + engine + ":");
        row(
            "graph 4 of 3", [](Plot_Screen_Info &s) { return restoreGraphDefaults(s, 3); }, false,
            "^$", {}, 0, "");
        row(
            "screen defaults",
            [](Plot_Screen_Info &s) {
                restoreScreenDefaults(s);
                return true;
            },
            true,
            "^(Graph \\d / (?!" + engine
                + ")|(?!Graph|Graphs shown|Configuration file|Screen id|Last saved))",
            {0, 1, 2}, -1, "^Graph 1 / " + engine + ":",
            "^(Graphs shown|Configuration file|Screen id|Last saved time):");
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
        QTEST(operation(after), "ok");

        const QStringList changes = plotScreenDifferenceLines(before, after);
        QCOMPARE(changes.isEmpty(), targets.isEmpty());
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

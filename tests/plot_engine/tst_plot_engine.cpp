// Plot engine: defaults, codings, change signals, the overlay name store,
// JSON persistence, differences, copies between graphs and defaults.
#include <interfaces/plot_screen_info.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
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

// ------------------------------------------------ comparing descriptions

bool sameDouble(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

// Collects the paths of members that differ.
struct Diff
{
    QStringList paths;
    template<typename T>
    void check(const QString &path, const T &a, const T &b)
    {
        if (!(a == b))
            paths.append(path);
    }
    void check(const QString &path, double a, double b)
    {
        if (!sameDouble(a, b))
            paths.append(path);
    }
    void check(const QString &path, float a, float b) { check(path, double(a), double(b)); }
};

// Compares member m of records a and b, reporting it under path p.
#define SAME(m) d.check(p + "." #m, a.m, b.m)

void compareAxis(Diff &d, const QString &p, const Single_Axis_Info &a, const Single_Axis_Info &b)
{
    SAME(axisColorName);
    SAME(rangeMin);
    SAME(rangeMax);
    SAME(autoRange);
    SAME(numMajorTicks);
    SAME(numMinorTicks);
    SAME(label);
    SAME(gridColorName);
    SAME(gridLineStyle);
    SAME(gridLineWidth);
    SAME(gridVisible);
    SAME(rangeUnits);
}

void compareChannel(Diff &d, const QString &p, const Plot_Channel_Info &a,
                    const Plot_Channel_Info &b)
{
    SAME(yVarName);
    SAME(useLeftAxis);
    SAME(visible);
    SAME(lineColor);
    SAME(lineStyle);
    SAME(lineWidth);
    SAME(markerSize);
    SAME(xVarName);
}

void compareGraph(Diff &d, const QString &p, const Plot_Axis_Info &a, const Plot_Axis_Info &b)
{
    compareAxis(d, p + ".leftYAxis", a.leftYAxis, b.leftYAxis);
    compareAxis(d, p + ".rightYAxis", a.rightYAxis, b.rightYAxis);
    compareAxis(d, p + ".xAxis", a.xAxis, b.xAxis);
    for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r) {
        compareChannel(d, p + QString(".varChannels[%1]").arg(r), a.varChannels[r],
                       b.varChannels[r]);
        compareChannel(d, p + QString(".overlayChannels[%1]").arg(r), a.overlayChannels[r],
                       b.overlayChannels[r]);
    }
    SAME(numVarChannels);
    SAME(numOverlayChannels);
    SAME(traceMode);
    SAME(showDatapoints);
    SAME(showXYValues);
    SAME(overlayFileName);
    SAME(engineState);
    SAME(firstSampleTime);
    SAME(lastSampleTime);
    SAME(overlayState);
    SAME(overlayFirstTime);
    SAME(overlayLastTime);
    SAME(panState);
    SAME(zoomState);
    SAME(panOffset);
    SAME(zoomOffset);
    SAME(engineDirty);
    SAME(displayType);
    SAME(cometLength);
    SAME(timeScaleNumerator);
    SAME(timeScaleDenominator);
    SAME(autoScroll);
}

QStringList differences(const Plot_Screen_Info &a, const Plot_Screen_Info &b)
{
    Diff d;
    const QString p = "screen";
    d.check("plotAxisInfo.size", a.plotAxisInfo.size(), b.plotAxisInfo.size());
    for (int g = 0; g < qMin(a.plotAxisInfo.size(), b.plotAxisInfo.size()); ++g)
        compareGraph(d, QString("plotAxisInfo[%1]").arg(g), a.plotAxisInfo[g], b.plotAxisInfo[g]);
    SAME(numPlots);
    SAME(screenRefreshInterval);
    SAME(dataSampleInterval);
    SAME(dataStorage);
    SAME(dataUnits);
    SAME(screenId);
    SAME(lastSavedTime);
    SAME(plotBgColorName);
    SAME(title);
    SAME(titleFont);
    SAME(subtitle);
    SAME(subtitleFont);
    SAME(note);
    SAME(noteFont);
    SAME(showTitleSubtitle);
    SAME(showNote);
    SAME(condenseControls);
    SAME(legend);
    SAME(configFileName);
    return d.paths;
}
#undef SAME

// ------------------------------------------------ random descriptions

class Randomiser
{
public:
    explicit Randomiser(quint32 seed)
        : rng(seed)
    {}

    bool flag() { return rng.bounded(2) == 1; }
    int smallInt(int lo, int hi) { return lo + int(rng.bounded(quint32(hi - lo + 1))); }
    int anyInt() { return int(rng.generate()); }
    qint64 anyInt64() { return qint64(rng.generate64()); }
    unsigned long anyULong()
    {
        return flag() ? (unsigned long)rng.generate64() : (unsigned long)rng.bounded(20);
    }

    // Finite doubles from raw bit patterns plus the values JSON cannot hold.
    double anyDouble()
    {
        switch (rng.bounded(8)) {
        case 0:
            return std::numeric_limits<double>::quiet_NaN();
        case 1:
            return flag() ? qInf() : -qInf();
        case 2:
            return -0.0;
        case 3:
            return std::numeric_limits<double>::denorm_min() * smallInt(1, 1000);
        case 4:
            return smallInt(-1000, 1000) / 7.0;
        }
        double d;
        do {
            const quint64 bits = rng.generate64();
            std::memcpy(&d, &bits, sizeof d);
        } while (!std::isfinite(d));
        return d;
    }

    float anyFloat()
    {
        if (rng.bounded(6) == 0)
            return std::numeric_limits<float>::infinity();
        float f;
        do {
            const quint32 bits = rng.generate();
            std::memcpy(&f, &bits, sizeof f);
        } while (std::isnan(f));
        return f;
    }

    // Text with quotes, escapes, control characters and characters beyond
    // the Basic Multilingual Plane.
    QString text()
    {
        static const uint pool[] = {'a',  'Z',  '0',  ' ',   '"',    '\\',   '/',     '\n',    '\t',
                                    0x01, 0x7f, 0xe4, 0x3bc, 0x6e29, 0xfeff, 0x1f600, 0x10ffff};
        QString s;
        const int n = smallInt(0, 12);
        for (int i = 0; i < n; ++i) {
            const uint cp = pool[rng.bounded(quint32(sizeof pool / sizeof pool[0]))];
            s += QString::fromUcs4(&cp, 1);
        }
        return s;
    }

    QFont font()
    {
        static const char *families[] = {"Sans Serif", "DejaVu Serif", "Mono, with comma", ""};
        QFont f(QString::fromLatin1(families[rng.bounded(4)]));
        flag() ? f.setPixelSize(smallInt(1, 200)) : f.setPointSizeF(smallInt(1, 960) / 8.0);
        f.setWeight(smallInt(0, 99));
        f.setItalic(flag());
        f.setUnderline(flag());
        f.setStrikeOut(flag());
        return f;
    }

    QColor colour()
    {
        const int r = smallInt(0, 255), g = smallInt(0, 255), b = smallInt(0, 255);
        return QColor(r, g, b, flag() ? 255 : smallInt(0, 255));
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
        c->lineColor = colour();
        c->lineStyle = anyInt();
        c->lineWidth = anyInt();
        c->markerSize = anyFloat();
        c->xVarName = text();
    }

    Plot_Axis_Info graph()
    {
        Plot_Axis_Info g;
        axis(&g.leftYAxis);
        axis(&g.rightYAxis);
        axis(&g.xAxis);
        for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r) {
            channel(&g.varChannels[r]);
            channel(&g.overlayChannels[r]);
        }
        g.numVarChannels = ulong(smallInt(0, 8));
        g.numOverlayChannels = ulong(smallInt(0, 8));
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
        for (int g = smallInt(0, 8); g > 0; --g)
            s->plotAxisInfo.append(graph());
        s->numPlots = ulong(smallInt(0, 8));
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

// A consistent screen of three graphs to start edits from.
void fillConsistent(Plot_Screen_Info *s)
{
    s->plotAxisInfo.resize(3);
    s->numPlots = 3;
    s->plotAxisInfo[1].numVarChannels = 2;
    s->plotAxisInfo[2].numOverlayChannels = 1;
}

// A consistent description that the dialog shows exactly as it is.
void fillWithinDialogLimits(Plot_Screen_Info *s)
{
    fillConsistent(s);
    for (Plot_Axis_Info &g : s->plotAxisInfo) {
        for (Single_Axis_Info *axis : {&g.leftYAxis, &g.rightYAxis, &g.xAxis})
            axis->rangeMin = axis->rangeMax = 0.0;
        for (Plot_Channel_Info &c : g.varChannels)
            c.xVarName = c.yVarName = "Time";
        for (Plot_Channel_Info &c : g.overlayChannels)
            c.xVarName = c.yVarName = "Time";
    }
}

QJsonObject jsonOf(const Plot_Screen_Info &s)
{
    return QJsonDocument::fromJson(s.toJson()).object();
}

// Applies edit to the object at a path of keys and array indexes.
QJsonObject edited(const QJsonValue &v, const QStringList &path, const JsonEdit &edit)
{
    QJsonObject o = v.toObject();
    if (path.isEmpty())
        edit(&o);
    else if (o[path.first()].isArray()) {
        QJsonArray a = o[path.first()].toArray();
        a[path.value(1).toInt()] = edited(a[path.value(1).toInt()], path.mid(2), edit);
        o[path.first()] = a;
    } else
        o[path.first()] = edited(o[path.first()], path.mid(1), edit);
    return o;
}

JsonEdit setMember(const QString &key, const QJsonValue &value)
{
    return [=](QJsonObject *o) { o->insert(key, value); };
}
JsonEdit removeMember(const QString &key)
{
    return [=](QJsonObject *o) { o->remove(key); };
}
JsonEdit appendRecords(const QString &key, int count)
{
    return [=](QJsonObject *o) {
        QJsonArray a = o->value(key).toArray();
        while (a.size() < count)
            a.append(a.first());
        o->insert(key, a);
    };
}

// Keeps the argument that a signal carried and the member at emission time.
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

// Every leaf of a JSON value with its path of keys and array indexes.
void collectLeaves(const QJsonValue &v, const QStringList &path, QList<QStringList> *out)
{
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            collectLeaves(it.value(), path + QStringList{it.key()}, out);
    } else if (v.isArray()) {
        const QJsonArray a = v.toArray();
        for (int i = 0; i < a.size(); ++i)
            collectLeaves(a.at(i), path + QStringList{QString::number(i)}, out);
    } else {
        out->append(path);
    }
}

// Values of the same JSON type to try in place of v.
QList<QJsonValue> otherValues(const QJsonValue &v)
{
    if (v.isBool())
        return {!v.toBool()};
    if (v.isDouble()) {
        const double d = v.toDouble();
        return {d + 1, d - 1, d * 2, 0.0, 1.0, "nan"};
    }
    const QString t = v.toString();
    const qint64 n = t.toLongLong();
    return {t + "x", "#123456", "#80123456", QString::number(n / 2), QString::number(n - 1), "nan",
            "-0",    "1",       QString()};
}

// The one graph g of s alone in a screen, so two graphs compare as "Graph 1".
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

    void axisDefaults_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<double>("rangeMin");
        QTest::addColumn<double>("rangeMax");
        QTest::addColumn<ulong>("major");
        QTest::addColumn<ulong>("minor");
        QTest::addColumn<QString>("label");
        QTest::newRow("left") << 0 << -50.0 << 250.0 << 5ul << 4ul << "Left Axis";
        QTest::newRow("right") << 1 << -50.0 << 250.0 << 5ul << 4ul << "Right Axis";
        QTest::newRow("x") << 2 << 0.0 << 30.0 << 2ul << 1ul << "X Axis";
    }

    void axisDefaults()
    {
        QFETCH(int, axis);
        const Plot_Axis_Info g;
        const Single_Axis_Info &a = axis == 0 ? g.leftYAxis : axis == 1 ? g.rightYAxis : g.xAxis;
        QTEST(a.rangeMin, "rangeMin");
        QTEST(a.rangeMax, "rangeMax");
        QTEST(a.numMajorTicks, "major");
        QTEST(a.numMinorTicks, "minor");
        QTEST(a.label, "label");
        QVERIFY(a.autoRange);
        QCOMPARE(QColor(a.axisColorName), QColor(Qt::white));
        QCOMPARE(QColor(a.gridColorName), QColor(Qt::white));
        QCOMPARE(a.gridLineStyle, 0xFFFF);
        QCOMPARE(a.gridLineWidth, 1);
        QVERIFY(a.gridVisible);
        QCOMPARE(g.varChannels[7].lineColor.name(), QString("#ffe1ff"));
        QCOMPARE(g.overlayChannels[0].lineColor.alpha(), 255);
    }

    void screenDefaults()
    {
        Plot_Screen_Info s;
        QCOMPARE(s.title, QString("Plotter"));
        QCOMPARE(s.screenRefreshInterval, 100ul);
        QCOMPARE(s.dataSampleInterval, 20ul);
        QCOMPARE(s.dataStorage, 30ul);
        QCOMPARE(s.dataUnits, UnitSeconds);
        QCOMPARE(s.plotBgColorName, QString("#000000"));
        QVERIFY(s.plotAxisInfo.isEmpty());
        for (const QFont &f : {s.titleFont, s.subtitleFont, s.noteFont}) {
            QCOMPARE(f.family(), QString("Sans Serif"));
            QCOMPARE(f.pointSize(), 12);
            QCOMPARE(f.weight(), int(QFont::Normal));
            QVERIFY(!f.italic());
        }
        QVERIFY(QMetaType::type("Plot_Screen_Info*") != QMetaType::UnknownType);
        QCOMPARE(registerPlotScreenInfoMetaType(), registerPlotScreenInfoMetaType());
        QVERIFY(s.consistencyErrors().isEmpty());
    }

    void lineStyles_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("writtenBack");
        QTest::newRow("solid") << 0xFFFF << 0 << 0xFFFF;
        QTest::newRow("dash") << 0xF0F0 << 1 << 0xF0F0;
        QTest::newRow("dot") << 0x1111 << 2 << 0x1111;
        QTest::newRow("dash-dot") << 0xF33C << 3 << 0xF33C;
        QTest::newRow("unknown 0x00FF") << 0x00FF << 0 << 0xFFFF;
        QTest::newRow("zero") << 0 << 0 << 0xFFFF;
        QTest::newRow("negative") << -1 << 0 << 0xFFFF;
    }

    void lineStyles()
    {
        QFETCH(int, pattern);
        QFETCH(int, index);
        QCOMPARE(lineStyleToIndex(pattern), index);
        QTEST(indexToLineStyle(index), "writtenBack");
    }

    void indexesOutsideTheCombo()
    {
        for (int index : {-1, 4, 0xF0F0})
            QCOMPARE(indexToLineStyle(index), 0xFFFF);
    }

    void units_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("converted");
        QTest::addColumn<qint64>("perUnit");
        QTest::newRow("seconds") << 45.5 << 0 << 45.5 << qint64(1);
        QTest::newRow("minutes") << 90.0 << 1 << 1.5 << qint64(60);
        QTest::newRow("hours") << 7200.0 << 2 << 2.0 << qint64(3600);
        QTest::newRow("days") << 86400.0 << 3 << 1.0 << qint64(86400);
        QTest::newRow("code 4") << 86400.0 << 4 << 0.0 << qint64(0);
        QTest::newRow("code -1") << 60.0 << -1 << 0.0 << qint64(0);
    }

    void units()
    {
        QFETCH(double, seconds);
        QFETCH(int, unit);
        QTEST(convertSecondsToUnit(seconds, unit), "converted");
        QTEST(secondsPerUnit(unit), "perUnit");
    }

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
        ROW(screenRefreshInterval, ScreenRefreshInterval, unsigned long, 250ul);
        ROW(dataSampleInterval, DataSampleInterval, unsigned long, 7ul);
        ROW(dataStorage, DataStorage, unsigned long, 3600ul);
        ROW(dataUnits, DataUnits, UnitType, UnitHours);
        ROW(plotBgColorName, PlotBgColorName, QString, QString("#102030"));
        ROW(title, Title, QString, QString("Engine run 7"));
        ROW(titleFont, TitleFont, QFont, font);
        ROW(subtitle, Subtitle, QString, QString("Cell 3"));
        ROW(subtitleFont, SubtitleFont, QFont, font);
        ROW(note, Note, QString, QString("warm-up"));
        ROW(noteFont, NoteFont, QFont, font);
        ROW(showTitleSubtitle, ShowTitleSubtitle, bool, false);
        ROW(showNote, ShowNote, bool, false);
        ROW(condenseControls, CondenseControls, bool, true);
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
        QVERIFY(spy.isValid());
        EmissionProbe probe;
        probe.screen = &s;
        probe.getter = get;
        QVERIFY(connect(&s, signal.constData(), &probe, SLOT(record())));
        set(&s);
        QCOMPARE(spy.count(), 1);
        QVERIFY(sameVariant(spy.at(0).at(0), value));
        QVERIFY(sameVariant(get(&s), value));
        QCOMPARE(probe.seen.size(), 1);
        QVERIFY2(sameVariant(probe.seen.at(0), value), "signal came before the value was stored");
    }

    void singletonSlots_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("stored");
        QTest::newRow("first") << 0 << true;
        QTest::newRow("last") << 7 << true;
        QTest::newRow("-1") << -1 << false;
        QTest::newRow("8") << 8 << false;
    }

    void singletonSlots()
    {
        QFETCH(int, slot);
        QFETCH(bool, stored);
        QVERIFY(PlotSingleton::overlayChannelNamesOf(slot).isEmpty());
        PlotSingleton *s = PlotSingleton::instance();
        for (int i = 0; i < PlotSingleton::NumSlots; ++i) {
            QCOMPARE(s->overlayTimeScale[i], qint64(1));
            const bool expectList = stored && i == slot;
            QCOMPARE(s->overlayChannelNames[i] != nullptr, expectList);
            if (expectList)
                QVERIFY(s->overlayChannelNames[i]->isEmpty());
        }

        const QStringList names{QString(), "speed", "torque"};
        PlotSingleton::replaceOverlayChannelNames(slot, new QStringList(names));
        QCOMPARE(PlotSingleton::overlayChannelNamesOf(slot), stored ? names : QStringList());
        // The instance deletes the lists it holds (checked by the leak sanitizer).
    }

    // A copy, through JSON or copyFrom, keeps every member.
    void copies_data()
    {
        QTest::addColumn<Setter>("fill");
        QTest::addColumn<bool>("json"); // else copyFrom
        auto random = [](quint32 seed) {
            return Setter([seed](Plot_Screen_Info *s) { Randomiser(seed).screen(s); });
        };
        QTest::newRow("defaults") << Setter([](Plot_Screen_Info *) {}) << true;
        for (quint32 seed : {1u, 42u, 0xC0FFEEu})
            QTest::newRow(qPrintable(QString("random, seed %1").arg(seed))) << random(seed) << true;
        QTest::newRow("copyFrom, random") << random(20240611) << false;
        // Integers around the last one a JSON number holds exactly.
        QTest::newRow("integer limits") << Setter([](Plot_Screen_Info *s) {
            const qint64 exact = Q_INT64_C(1) << 53;
            s->dataStorage = ulong(exact);
            s->dataSampleInterval = ulong(exact) + 1;
            s->screenRefreshInterval = ulong(exact) - 1;
            s->plotAxisInfo.resize(1);
            s->plotAxisInfo[0].rightYAxis.numMinorTicks = std::numeric_limits<unsigned long>::max();
            s->lastSavedTime = -exact - 1;
            Plot_Axis_Info &g = s->plotAxisInfo[0];
            g.firstSampleTime = exact + 1;
            g.lastSampleTime = -exact + 1;
            g.panOffset = std::numeric_limits<qint64>::min();
            g.zoomOffset = std::numeric_limits<qint64>::max();
            g.cometLength = -exact;
            g.engineState = std::numeric_limits<int>::min();
            g.xAxis.numMajorTicks = ulong(exact) + 3;
        }) << true;
    }

    void copies()
    {
        QFETCH(Setter, fill);
        QFETCH(bool, json);
        Plot_Screen_Info original;
        fill(&original);
        Plot_Screen_Info copy;
        if (!json) {
            copy.copyFrom(original);
            const QStringList diff = differences(original, copy);
            QVERIFY2(diff.isEmpty(), qPrintable(diff.join(", ")));
            return;
        }
        const QByteArray text = original.toJson();
        QString error;
        QVERIFY2(copy.fromJson(text, &error),
                 qPrintable(QString("%1: %2").arg(QTest::currentDataTag(), error)));
        const QStringList diff = differences(original, copy);
        QVERIFY2(diff.isEmpty(),
                 qPrintable(
                     QString("%1 differs in %2").arg(QTest::currentDataTag(), diff.join(", "))));
        QCOMPARE(copy.toJson(), text);
    }

    void optionalMembersTakeDefaults()
    {
        Plot_Screen_Info s;
        fillConsistent(&s);
        QJsonObject o = jsonOf(s);
        o.remove("screenId");
        o.remove("formatVersion");
        const QStringList engineState{"engineState",
                                      "firstSampleTime",
                                      "lastSampleTime",
                                      "overlayState",
                                      "overlayFirstTime",
                                      "overlayLastTime",
                                      "panState",
                                      "zoomState",
                                      "panOffset",
                                      "zoomOffset",
                                      "engineDirty",
                                      "timeScaleNumerator",
                                      "timeScaleDenominator",
                                      "autoScroll"};
        o = edited(o, {"plotAxisInfo", "1"}, [&](QJsonObject *g) {
            for (const QString &key : engineState)
                g->remove(key);
            QJsonArray channels = g->value("varChannels").toArray();
            QJsonObject first = channels.at(0).toObject();
            first["yVarName"] = "rpm";
            g->insert("varChannels", QJsonArray{first});
        });
        Plot_Screen_Info read;
        read.screenId = 77;
        read.plotAxisInfo.resize(5);
        read.plotAxisInfo[1].autoScroll = false;
        QString error;
        QVERIFY2(read.fromJson(QJsonDocument(o).toJson(), &error), qPrintable(error));
        s.plotAxisInfo[1].varChannels[0].yVarName = "rpm";
        const QStringList diff = differences(s, read);
        QVERIFY2(diff.isEmpty(), qPrintable(diff.join(", ")));
    }

    void differenceLines_data()
    {
        QTest::addColumn<Setter>("before");
        QTest::addColumn<Setter>("after");
        QTest::addColumn<QStringList>("lines");
        const Setter none = [](Plot_Screen_Info *) {};
        QTest::newRow("equal") << none << none << QStringList();
        QTest::newRow("range max")
            << Setter([](Plot_Screen_Info *s) { s->plotAxisInfo[1].leftYAxis.rangeMax = 6000; })
            << Setter([](Plot_Screen_Info *s) { s->plotAxisInfo[1].leftYAxis.rangeMax = 8000; })
            << QStringList{"Graph 2 / Y axis (left) / range max: 6000 -> 8000"};
        QTest::newRow("right axis, -0 and a fine step")
            << none << Setter([](Plot_Screen_Info *s) {
                   s->plotAxisInfo[0].rightYAxis.rangeMin = -0.0;
                   s->plotAxisInfo[0].rightYAxis.rangeMax = 250.00000000000003;
               })
            << QStringList{"Graph 1 / Y axis (right) / range min: -50 -> -0",
                           "Graph 1 / Y axis (right) / range max: 250 -> 250.00000000000003"};
        QTest::newRow("variable name") << Setter([](Plot_Screen_Info *s) {
            s->plotAxisInfo[2].varChannels[0].yVarName = "EGT";
        }) << Setter([](Plot_Screen_Info *s) {
            s->plotAxisInfo[2].varChannels[0].yVarName = "T3";
        }) << QStringList{"Graph 3 / channel 1 / Y variable: EGT -> T3"};
        QTest::newRow("overlay row past the count")
            << none << Setter([](Plot_Screen_Info *s) {
                   s->plotAxisInfo[0].overlayChannels[7].xVarName = "Time";
                   s->plotAxisInfo[0].overlayChannels[7].lineStyle = LineStyleDot;
               })
            << QStringList{"Graph 1 / overlay channel 8 / line style: solid -> dot",
                           "Graph 1 / overlay channel 8 / X variable: (empty) -> Time"};
        QTest::newRow("display and colour")
            << none << Setter([](Plot_Screen_Info *s) {
                   s->plotAxisInfo[1].displayType = DisplayComet;
                   s->plotAxisInfo[1].varChannels[1].lineColor = QColor(0, 255, 0, 128);
               })
            << QStringList{"Graph 2 / channel 2 / colour: #ffe1ff -> #8000ff00",
                           "Graph 2 / display type: Full Trace -> Comet"};
        QTest::newRow("screen")
            << none << Setter([](Plot_Screen_Info *s) {
                   s->screenRefreshInterval = 50;
                   s->dataUnits = UnitMinutes;
                   s->titleFont.setBold(true);
                   s->legend = false;
               })
            << QStringList{"Refresh interval: 100 ms -> 50 ms",
                           "Data storage units: seconds -> minutes",
                           "Title font: Sans Serif, 12 pt -> Sans Serif, 12 pt, weight 75",
                           "Legend: shown -> hidden"};
        QTest::newRow("graph added") << none << Setter([](Plot_Screen_Info *s) {
            s->plotAxisInfo.append(Plot_Axis_Info());
            s->numPlots = 4;
        }) << QStringList{"Graph 4 added", "Graphs shown: 3 -> 4"};
        QTest::newRow("graphs removed")
            << none << Setter([](Plot_Screen_Info *s) { s->plotAxisInfo.resize(1); })
            << QStringList{"Graph 2 removed", "Graph 3 removed"};
    }

    void differenceLines()
    {
        QFETCH(Setter, before);
        QFETCH(Setter, after);
        Plot_Screen_Info a, b;
        fillConsistent(&a);
        fillConsistent(&b);
        before(&a);
        before(&b);
        after(&b);
        QTEST(plotScreenDifferenceLines(a, b), "lines");
    }

    // Every leaf of the screen file, changed on its own, is a difference of
    // its own name: a member added later cannot be left out.
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
        QHash<QString, QString> leafOfPath; // difference path -> member
        int changed = 0;
        for (const QStringList &leaf : leaves) {
            // A font is one member, whichever attribute changed.
            const bool inFont = leaf.size() > 1 && leaf.at(leaf.size() - 2).endsWith("Font");
            const QString member =
                (inFont ? QStringList(leaf.mid(0, leaf.size() - 1)) : leaf).join('.');
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
                QVERIFY2(d.size() == 1,
                         qPrintable(QString("%1: %2 differences").arg(member).arg(d.size())));
                const QString path = d.first().path;
                QVERIFY2(!path.isEmpty() && d.first().oldValue != d.first().newValue,
                         qPrintable(member));
                QVERIFY2(leafOfPath.value(path, member) == member,
                         qPrintable(
                             QString("%1 and %2 both read %3").arg(leafOfPath[path], member, path)));
                leafOfPath.insert(path, member);
                done = true;
                break;
            }
            // A pixel-sized font ignores its point size; the version is not a member.
            const bool unchangeable = leaf.last() == "pointSize" || leaf.last() == "formatVersion";
            QVERIFY2(done || unchangeable, qPrintable("no change found for " + leaf.join('.')));
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
        QTest::newRow("axes to two") << Operation([](Plot_Screen_Info &s) {
            return copyGraphAxes(s, 0, {2, 1, 0});
        }) << true << "^Graph [23] / " + axes
                                     << QList<int>{1, 2} << 0 << "^Graph 1 / (?!" + axes + ")"
                                     << "";
        QTest::newRow("channel styles")
            << Operation([](Plot_Screen_Info &s) { return copyChannelStyles(s, 2, {0}); }) << true
            << "^Graph 1 / " + styles << QList<int>{0} << 2 << "^Graph 1 / (?!" + styles + ")"
            << "";
        QTest::newRow("display") << Operation([](Plot_Screen_Info &s) {
            return copyDisplaySettings(s, 1, {2});
        }) << true << "^Graph 3 / " + display
                                 << QList<int>{2} << 1 << "^Graph 1 / (?!" + display + ")"
                                 << "";
        QTest::newRow("bad target") << Operation([](Plot_Screen_Info &s) {
            return copyGraphAxes(s, 0, {1, 3});
        }) << false << "^$" << QList<int>()
                                    << 0 << ""
                                    << "";
        QTest::newRow("bad source")
            << Operation([](Plot_Screen_Info &s) { return copyDisplaySettings(s, -1, {1}); })
            << false << "^$" << QList<int>() << 0 << ""
            << "";
        QTest::newRow("graph defaults")
            << Operation([](Plot_Screen_Info &s) { return restoreGraphDefaults(s, 1); }) << true
            << "^Graph 2 / (?!" + engine + ")" << QList<int>{1} << -1
            << "^Graph 1 / " + engine + ":"
            << "";
        QTest::newRow("graph 4 of 3")
            << Operation([](Plot_Screen_Info &s) { return restoreGraphDefaults(s, 3); }) << false
            << "^$" << QList<int>() << 0 << ""
            << "";
        QTest::newRow("screen defaults")
            << Operation([](Plot_Screen_Info &s) {
                   restoreScreenDefaults(s);
                   return true;
               })
            << true
            << "^(Graph \\d / (?!" + engine
                   + ")|(?!Graph|Graphs shown|Configuration file|Screen id|Last saved))"
            << QList<int>{0, 1, 2} << -1 << "^Graph 1 / " + engine + ":"
            << "^(Graphs shown|Configuration file|Screen id|Last saved time):";
    }

    void presets()
    {
        QFETCH(Operation, operation);
        QFETCH(QList<int>, targets);
        QFETCH(int, reference);
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

        QFETCH(QString, mayChange);
        const QStringList changes = plotScreenDifferenceLines(before, after);
        if (!targets.isEmpty())
            QVERIFY(!changes.isEmpty());
        for (const QString &line : changes)
            QVERIFY2(QRegularExpression(mayChange).match(line).hasMatch(), qPrintable(line));

        QFETCH(QString, mayDiffer);
        const Plot_Axis_Info expected =
            reference < 0 ? Plot_Axis_Info() : after.plotAxisInfo.at(reference);
        for (int t : targets)
            for (const QString &line : graphDifferences(after.plotAxisInfo.at(t), expected))
                QVERIFY2(QRegularExpression(mayDiffer).match(line).hasMatch(),
                         qPrintable(QString("graph %1: %2").arg(t + 1).arg(line)));

        QFETCH(QString, screenMayDiffer);
        if (screenMayDiffer.isEmpty())
            return;
        Plot_Screen_Info defaults;
        defaults.plotAxisInfo = after.plotAxisInfo;
        for (const QString &line : plotScreenDifferenceLines(defaults, after))
            QVERIFY2(QRegularExpression(screenMayDiffer).match(line).hasMatch(), qPrintable(line));
    }

    void jsonErrors_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        Plot_Screen_Info s;
        fillConsistent(&s);
        const QJsonObject valid = jsonOf(s);
        auto row = [&](const char *name, const QStringList &path, const JsonEdit &edit,
                       const QString &message) {
            QTest::newRow(name) << QJsonDocument(edited(valid, path, edit)).toJson() << message;
        };

        QTest::newRow("cut short") << QByteArray("{\"numPlots\": 1,") << "not valid JSON at offset";
        QTest::newRow("empty") << QByteArray() << "not valid JSON at offset 0";
        QTest::newRow("array at top") << QByteArray("[1, 2]") << "expected a JSON object";
        row("missing numPlots", {}, removeMember("numPlots"), "numPlots: missing");
        row("width is true", {"plotAxisInfo", "2", "varChannels", "3"},
            setMember("lineWidth", true),
            "plotAxisInfo[2].varChannels[3].lineWidth: expected a number");
        row("width is text", {"plotAxisInfo", "2", "varChannels", "3"},
            setMember("lineWidth", "wide"),
            "plotAxisInfo[2].varChannels[3].lineWidth: \"wide\" is not a whole number");
        row("width is fractional", {"plotAxisInfo", "0", "overlayChannels", "7"},
            setMember("lineWidth", 1.5),
            "plotAxisInfo[0].overlayChannels[7].lineWidth: 1.5 is not a whole number");
        row("int beyond 32 bits", {"plotAxisInfo", "1", "leftYAxis"},
            setMember("gridLineWidth", 3e9),
            "plotAxisInfo[1].leftYAxis.gridLineWidth: 3000000000 is out of range");
        row("negative ticks", {"plotAxisInfo", "0", "leftYAxis"}, setMember("numMajorTicks", -1),
            "plotAxisInfo[0].leftYAxis.numMajorTicks: -1 is negative");
        row("nine plots", {}, setMember("numPlots", 9), "numPlots: 9 is more than 8");
        row("nine channels in use", {"plotAxisInfo", "1"}, setMember("numVarChannels", 9),
            "plotAxisInfo[1].numVarChannels: 9 is more than 8");
        row("nine graphs", {}, appendRecords("plotAxisInfo", 9),
            "plotAxisInfo: 9 records, at most 8");
        row(
            "graph is a number", {},
            [](QJsonObject *o) {
                QJsonArray a = o->value("plotAxisInfo").toArray();
                a[1] = 5;
                o->insert("plotAxisInfo", a);
            },
            "plotAxisInfo[1]: expected an object");
        row("big number not as text", {"plotAxisInfo", "0"}, setMember("cometLength", 1e17),
            "plotAxisInfo[0].cometLength: 1e+17 is too large");
        row("64-bit overflow", {"plotAxisInfo", "0"}, setMember("panOffset", "9223372036854775808"),
            "plotAxisInfo[0].panOffset: 9223372036854775808 is out of range");
        row("marker beyond float", {"plotAxisInfo", "0", "varChannels", "0"},
            setMember("markerSize", 1e300), "markerSize: 1e+300 is out of range for a float");
        row("named colour", {"plotAxisInfo", "1", "varChannels", "1"},
            setMember("lineColor", "red"),
            "plotAxisInfo[1].varChannels[1].lineColor: \"red\" is not");
        row("title is a number", {}, setMember("title", 5), "title: expected a string");
        row("legend is 1", {}, setMember("legend", 1), "legend: expected true or false");
        row("font without family", {"noteFont"}, removeMember("family"), "noteFont.family: missing");
        row("font of size 0", {"titleFont"}, setMember("pointSize", 0),
            "titleFont.pointSize: 0 is not a point size");
        row("font weight 100", {"subtitleFont"}, setMember("weight", 100),
            "subtitleFont.weight: 100 is out of range");
        row("channels not an array", {"plotAxisInfo", "0"}, setMember("varChannels", QJsonObject()),
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
        QCOMPARE(target.toJson(), before);
    }

    void consistency_data()
    {
        QTest::addColumn<Setter>("edit");
        QTest::addColumn<QString>("message"); // of the first problem; empty: consistent
        QTest::addColumn<int>("count");
        auto row = [](const char *name, const Setter &edit, const QString &message, int count = 1) {
            QTest::newRow(name) << edit << message << (message.isEmpty() ? 0 : count);
        };
        row(
            "consistent", [](Plot_Screen_Info *) {}, QString());
        // What the dialog writes for a screen of 0 graphs still draws.
        row(
            "one graph without records",
            [](Plot_Screen_Info *s) {
                s->numPlots = 1;
                s->plotAxisInfo.clear();
            },
            QString());
        row(
            "nine graphs",
            [](Plot_Screen_Info *s) {
                s->plotAxisInfo.resize(9);
                s->numPlots = 9;
            },
            "numPlots: 9 is more than the 8 graphs", 2);
        row(
            "channels above 8",
            [](Plot_Screen_Info *s) { s->plotAxisInfo[1].numOverlayChannels = 9; },
            "Graph 2 (plotAxisInfo[1]).numOverlayChannels: 9 is more than 8");
        row(
            "display type", [](Plot_Screen_Info *s) { s->plotAxisInfo[2].displayType = 3; },
            "Graph 3 (plotAxisInfo[2]).displayType: 3");
        row(
            "unit code", [](Plot_Screen_Info *s) { s->dataUnits = UnitType(4); }, "dataUnits: 4");
        row(
            "axis unit code", [](Plot_Screen_Info *s) { s->plotAxisInfo[0].xAxis.rangeUnits = -1; },
            "Graph 1 (plotAxisInfo[0]).xAxis.rangeUnits: -1");
        row(
            "short colour", [](Plot_Screen_Info *s) { s->plotBgColorName = "#12345"; },
            "plotBgColorName: \"#12345\"");
        row(
            "grid style",
            [](Plot_Screen_Info *s) { s->plotAxisInfo[0].rightYAxis.gridLineStyle = 0x00FF; },
            "rightYAxis.gridLineStyle: 0xff");
        row(
            "unused channel",
            [](Plot_Screen_Info *s) { s->plotAxisInfo[1].varChannels[2].lineStyle = 0x00FF; },
            QString());
        row(
            "invalid channel colour",
            [](Plot_Screen_Info *s) { s->plotAxisInfo[2].overlayChannels[0].lineColor = QColor(); },
            "Graph 3 (plotAxisInfo[2]).overlayChannels[0].lineColor");
        row(
            "eleven ticks",
            [](Plot_Screen_Info *s) { s->plotAxisInfo[2].leftYAxis.numMinorTicks = 11; },
            "leftYAxis.numMinorTicks: 11");
        row(
            "ten ticks",
            [](Plot_Screen_Info *s) { s->plotAxisInfo[2].leftYAxis.numMajorTicks = 10; },
            QString());
        row(
            "infinite range",
            [](Plot_Screen_Info *s) { s->plotAxisInfo[1].xAxis.rangeMax = qInf(); },
            "xAxis.rangeMax: not a finite number");
        row(
            "zero interval", [](Plot_Screen_Info *s) { s->dataSampleInterval = 0; },
            "dataSampleInterval");
    }

    void dialogChanges_data()
    {
        QTest::addColumn<Setter>("edit");
        QTest::addColumn<QString>("message"); // empty: shown as it is
        auto row = [](const char *name, const Setter &edit, const QString &message) {
            QTest::newRow(name) << edit << message;
        };
        using S = Plot_Screen_Info;
        row(
            "within limits", [](S *) {}, QString());
        row(
            "note of 67 characters", [](S *s) { s->note = QString(67, 'n'); },
            "note: 67 characters; the dialog keeps the first 50");
        row(
            "title of 50 characters", [](S *s) { s->title = QString(50, 't'); }, QString());
        row(
            "bold title", [](S *s) { s->titleFont.setBold(true); },
            "titleFont.weight: 75; the dialog stores 50");
        row(
            "italic note", [](S *s) { s->noteFont.setItalic(true); }, "noteFont.italic: true");
        row(
            "30-point subtitle", [](S *s) { s->subtitleFont.setPointSize(30); },
            "subtitleFont.pointSize: 30 is more than 24");
        row(
            "24-point title", [](S *s) { s->titleFont.setPointSize(24); }, QString());
        row(
            "font in pixels", [](S *s) { s->noteFont.setPixelSize(20); },
            "noteFont: sized in pixels (20 px)");
        row(
            "range under auto range",
            [](S *s) {
                s->plotAxisInfo[1].rightYAxis.rangeMin = -50.0;
                s->plotAxisInfo[1].rightYAxis.rangeMax = 250.0;
            },
            "Graph 2 (plotAxisInfo[1]).rightYAxis.rangeMin..rangeMax: -50..250 with autoRange on; "
            "the dialog stores 0..0");
        row(
            "range of seven digits",
            [](S *s) {
                s->plotAxisInfo[0].leftYAxis.autoRange = false;
                s->plotAxisInfo[0].leftYAxis.rangeMax = 1234567.0;
            },
            "leftYAxis.rangeMax: 1234567 has more than the 6 significant digits");
        row(
            "comet of 120 s", [](S *s) { s->plotAxisInfo[2].cometLength = 120; },
            "Graph 3 (plotAxisInfo[2]).cometLength: 120 is outside the comet length field's 0..99");
        row(
            "comet of 1e15 s",
            [](S *s) { s->plotAxisInfo[0].cometLength = Q_INT64_C(1000000000000000); },
            "cometLength: 1000000000000000 is outside");
        row(
            "comet of 99 s", [](S *s) { s->plotAxisInfo[0].cometLength = 99; }, QString());
        row(
            "line width 100000", [](S *s) { s->plotAxisInfo[1].varChannels[1].lineWidth = 100000; },
            "varChannels[1].lineWidth: 100000 is outside the line width field's 0..50");
        row(
            "grid width 51", [](S *s) { s->plotAxisInfo[0].xAxis.gridLineWidth = 51; },
            "xAxis.gridLineWidth: 51");
        row(
            "storage in days", [](S *s) { s->dataUnits = UnitDays; },
            "dataUnits: 3 is not in the storage unit list");
        row(
            "storage of eight digits", [](S *s) { s->dataStorage = 12345678; },
            "dataStorage: 12345678 s is shown with 6 significant digits; the dialog stores "
            "12345700 s");
        row(
            "no graphs",
            [](S *s) {
                s->numPlots = 0;
                s->plotAxisInfo.clear();
            },
            "numPlots: 0 is outside the dialog's 1..8 graphs");
        row(
            "records beyond numPlots", [](S *s) { s->numPlots = 2; },
            "plotAxisInfo: 3 records for numPlots 2");
        row(
            "empty variable", [](S *s) { s->plotAxisInfo[1].varChannels[0].yVarName.clear(); },
            "varChannels[0].yVarName: empty");
    }

    void dialogChanges()
    {
        QFETCH(Setter, edit);
        QFETCH(QString, message);
        Plot_Screen_Info s;
        fillWithinDialogLimits(&s);
        edit(&s);
        const QStringList changes = s.dialogChanges();
        if (message.isEmpty()) {
            QVERIFY2(changes.isEmpty(), qPrintable(changes.join("; ")));
        } else {
            QCOMPARE(changes.size(), 1);
            QVERIFY2(changes.first().contains(message), qPrintable(changes.first()));
        }
    }

    void consistency()
    {
        QFETCH(Setter, edit);
        QFETCH(QString, message);
        Plot_Screen_Info s;
        fillConsistent(&s);
        edit(&s);
        const QStringList errors = s.consistencyErrors();
        if (message.isEmpty()) {
            QVERIFY2(errors.isEmpty(), qPrintable(errors.join("; ")));
        } else {
            QVERIFY2(errors.size() > 0, "no problem reported");
            QTEST(int(errors.size()), "count");
            QVERIFY2(errors.first().contains(message), qPrintable(errors.first()));
        }
    }
};

QTEST_MAIN(TestPlotEngine)
#include "tst_plot_engine.moc"

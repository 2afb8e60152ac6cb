// Plot engine: the checks made before drawing a screen and before the dialog
// shows one, JSON persistence, differences, merges and copies between graphs.
// XY_PLOT_ENGINE_SEED (default 1) and _CASES (default 40) choose the random copies.
#include <interfaces/plot_screen_info.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QtTest>

#include <functional>
#include <limits>

using S = Plot_Screen_Info;
using Setter = std::function<void(S *)>;
using Operation = std::function<bool(S &)>;
using JsonEdit = std::function<QJsonValue(QJsonValue)>;
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(JsonEdit)

namespace {

// Random descriptions, including the values JSON cannot hold as numbers.
struct Randomiser
{
    QRandomGenerator rng;
    bool flag() { return rng.bounded(2) == 1; }
    int between(int lo, int hi) { return lo + int(rng.bounded(quint32(hi - lo + 1))); }
    int anyInt() { return int(rng.generate()); }
    qint64 anyInt64() { return qint64(rng.generate64()); }
    unsigned long anyULong() { return flag() ? rng.generate64() : rng.bounded(20); }
    double anyDouble()
    {
        const double odd[] = {qQNaN(), qInf(), -qInf(), -0.0};
        const quint64 bits = rng.generate64();
        const double d = qFromUnaligned<double>(&bits), k = rng.bounded(10);
        const double subnormal = std::numeric_limits<double>::denorm_min() * between(1, 9);
        return k < 4 ? odd[int(k)] : k < 5 ? subnormal : qIsFinite(d) ? d : -d / 2;
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
        f.setWeight(between(0, 99)), f.setItalic(flag()), f.setStrikeOut(flag());
        return f;
    }
    // Every listed member of o gets a fresh value from make.
    template<class T, class M, class V>
    void fill(T *o, std::initializer_list<M T::*> members, V (Randomiser::*make)())
    {
        for (M T::*m : members)
            o->*m = M((this->*make)());
    }
    void screen(S *s, int graphs = -1)
    {
        using A = Single_Axis_Info;
        using C = Plot_Channel_Info;
        using G = Plot_Axis_Info;
        using R = Randomiser;
        s->plotAxisInfo.resize(graphs < 0 ? between(0, 8) : graphs);
        for (G &g : s->plotAxisInfo) {
            for (A *a : {&g.leftYAxis, &g.rightYAxis, &g.xAxis}) {
                fill(a, {&A::axisColorName, &A::label, &A::gridColorName}, &R::text);
                fill(a, {&A::rangeMin, &A::rangeMax}, &R::anyDouble);
                fill(a, {&A::autoRange, &A::gridVisible}, &R::flag);
                fill(a, {&A::numMajorTicks, &A::numMinorTicks}, &R::anyULong);
                fill(a, {&A::gridLineStyle, &A::gridLineWidth, &A::rangeUnits}, &R::anyInt);
            }
            for (int r = 0; r < 2 * G::MaxChannels; ++r) {
                C *c =
                    &(r < G::MaxChannels ? g.varChannels : g.overlayChannels)[r % G::MaxChannels];
                fill(c, {&C::yVarName, &C::xVarName}, &R::text);
                fill(c, {&C::useLeftAxis, &C::visible}, &R::flag);
                fill(c, {&C::lineStyle, &C::lineWidth}, &R::anyInt);
                c->lineColor = QColor::fromRgba(rng.generate());
                const quint32 bits = rng.generate() & 0x7fbfffffu; // never a NaN
                c->markerSize = qFromUnaligned<float>(&bits);
            }
            g.numVarChannels = ulong(between(0, 8));
            g.numOverlayChannels = ulong(between(0, 8));
            fill(&g,
                 {&G::traceMode, &G::engineState, &G::overlayState, &G::panState, &G::zoomState,
                  &G::displayType},
                 &R::anyInt);
            fill(&g, {&G::showDatapoints, &G::showXYValues, &G::engineDirty, &G::autoScroll},
                 &R::flag);
            fill(&g,
                 {&G::firstSampleTime, &G::lastSampleTime, &G::overlayFirstTime,
                  &G::overlayLastTime, &G::panOffset, &G::zoomOffset, &G::cometLength,
                  &G::timeScaleNumerator, &G::timeScaleDenominator},
                 &R::anyInt64);
            g.overlayFileName = text();
        }
        s->numPlots = ulong(between(0, 8));
        fill(s, {&S::screenRefreshInterval, &S::dataSampleInterval, &S::dataStorage}, &R::anyULong);
        s->dataUnits = UnitType(anyInt());
        s->screenId = anyInt();
        s->lastSavedTime = anyInt64();
        fill(s, {&S::plotBgColorName, &S::title, &S::subtitle, &S::note, &S::configFileName},
             &R::text);
        fill(s, {&S::titleFont, &S::subtitleFont, &S::noteFont}, &R::font);
        fill(s, {&S::showTitleSubtitle, &S::showNote, &S::condenseControls, &S::legend}, &R::flag);
    }
};

// Three graphs, graph 2 with two channels and graph 3 with one overlay
// channel in use, every variable named: what the dialog shows unchanged.
void fillWithinDialogLimits(S *s)
{
    s->plotAxisInfo.resize(int(s->numPlots = 3));
    s->plotAxisInfo[1].numVarChannels = 2, s->plotAxisInfo[2].numOverlayChannels = 1;
    for (Plot_Axis_Info &g : s->plotAxisInfo) {
        for (Single_Axis_Info *axis : {&g.leftYAxis, &g.rightYAxis, &g.xAxis})
            axis->rangeMin = axis->rangeMax = 0.0;
        for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r)
            g.varChannels[r].xVarName = g.varChannels[r].yVarName = g.overlayChannels[r].xVarName =
                g.overlayChannels[r].yVarName = QStringLiteral("Time");
    }
}

const auto g = [](S *s, int i) -> Plot_Axis_Info & { return s->plotAxisInfo[i]; };
const auto jsonOf = [](const S &s) { return QJsonDocument::fromJson(s.toJson()).object(); };
const auto doc = [](const QJsonValue &v) { return QJsonDocument(v.toObject()).toJson(); };

// v with the member at a "key/index/key" path set to leaf (Undefined removes it).
QJsonValue with(const QJsonValue &v, const QString &path, const QJsonValue &leaf)
{
    const QString key = path.section('/', 0, 0), rest = path.section('/', 1);
    if (path.isEmpty())
        return leaf;
    if (v.isArray()) {
        QJsonArray a = v.toArray();
        a[key.toInt()] = with(a.at(key.toInt()), rest, leaf);
        return a;
    }
    QJsonObject o = v.toObject();
    o.insert(key, with(o.value(key), rest, leaf));
    return o;
}

const auto row = [](const char *tag, const Setter &edit) { QTest::newRow(tag) << edit; };

// What list names after the row's edit of a screen within the limits, against
// the row's tag "subject subject|note" ("Graph 2 (plotAxisInfo[1])." is "2.").
void checkSubjects(QStringList (S::*list)() const)
{
    QFETCH(Setter, edit);
    S s;
    fillWithinDialogLimits(&s);
    edit(&s);
    QStringList subjects;
    for (const QString &line : (s.*list)())
        subjects << line.section(": ", 0, 0)
                        .replace(QRegularExpression("^Graph (\\d) \\(.*?\\)\\."), "\\1.");
    QCOMPARE(subjects.join(' '), QString(QTest::currentDataTag()).section('|', 0, 0));
}

using Leaves = QList<QPair<QString, QJsonValue>>;
void collectLeaves(const QJsonValue &v, const QString &path, Leaves *out)
{
    for (const QString &key : v.toObject().keys())
        collectLeaves(v.toObject().value(key), path + '/' + key, out);
    for (int i = 0; i < v.toArray().size(); ++i)
        collectLeaves(v.toArray().at(i), path + '/' + QString::number(i), out);
    if (!v.isObject() && !v.isArray())
        out->append({path.mid(1), v});
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
} // namespace

class TestPlotEngine : public QObject
{
    Q_OBJECT

private slots:
    // Through JSON and through copyFrom, a copy keeps every member, whatever
    // the description it lands in held before.
    void copies()
    {
        const quint32 first = qEnvironmentVariable("XY_PLOT_ENGINE_SEED", "1").toUInt();
        const quint32 cases = qEnvironmentVariable("XY_PLOT_ENGINE_CASES", "40").toUInt();
        for (quint32 seed = first; seed < first + cases; ++seed) {
            S original, viaJson, viaCopy;
            Randomiser{seed}.screen(&original);
            Randomiser{~seed}.screen(&viaJson), Randomiser{~seed}.screen(&viaCopy);
            if (seed == first) { // integers around the last one a JSON number holds exactly
                original.dataStorage = (1ul << 53) + 1, original.lastSavedTime = -(1ll << 53) - 1;
                original.plotAxisInfo.resize(1);
                g(&original, 0).panOffset = std::numeric_limits<qint64>::min();
                g(&original, 0).xAxis.numMajorTicks = ~0ul;
            }
            QString error;
            QVERIFY2(viaJson.fromJson(original.toJson(), &error), qPrintable(error));
            viaCopy.copyFrom(original);
            for (const S *copy : {&viaJson, &viaCopy}) {
                const QString diff = plotScreenDifferenceLines(original, *copy).join("; ");
                QVERIFY2(diff.isEmpty(), qPrintable(QString("seed %1: %2").arg(seed).arg(diff)));
            }
            QCOMPARE(viaJson.toJson(), original.toJson());
        }
    }

    void jsonErrors_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        S s;
        fillWithinDialogLimits(&s);
        const QJsonObject valid = jsonOf(s);
        auto row = [&](const QString &path, const QJsonValue &value, const QString &message) {
            QTest::newRow(qPrintable(message.isEmpty() ? path : message))
                << doc(with(valid, path, value)) << message;
        };
        const QString channel = "plotAxisInfo/2/varChannels/3/lineWidth";
        const QJsonValue graph = valid["plotAxisInfo"][0];
        QTest::newRow("cut short") << QByteArray("{\"numPlots\": 1,") << "not valid JSON at offset";
        QTest::newRow("array at top") << QByteArray("[1, 2]") << "expected a JSON object";
        row("numPlots", QJsonValue::Undefined, "numPlots: missing");
        row(channel, true, "plotAxisInfo[2].varChannels[3].lineWidth: expected a number");
        row(channel, "wide", "\"wide\" is not a whole");
        row(channel, 1.5, "1.5 is not a whole");
        row("plotAxisInfo/1/leftYAxis/gridLineWidth", 3e9, "gridLineWidth: 3000000000 is out of");
        row("plotAxisInfo/0/xAxis/numMajorTicks", -1, "xAxis.numMajorTicks: -1 is negative");
        row("numPlots", 9, "numPlots: 9 is more than 8");
        row("plotAxisInfo/1/numOverlayChannels", 9, "numOverlayChannels: 9 is more than 8");
        row("plotAxisInfo",
            QJsonArray{graph, graph, graph, graph, graph, graph, graph, graph, graph},
            "plotAxisInfo: 9 records, at most 8");
        row("plotAxisInfo/0/cometLength", 1e17, "cometLength: 1e+17 is too large");
        row("plotAxisInfo/0/panOffset", "9223372036854775808", "9223372036854775808 is out of");
        row("plotAxisInfo/0/varChannels/0/markerSize", 1e300, "1e+300 is out of range for a float");
        row("title", 5, "title: expected a string");
        row("legend", 1, "legend: expected true or false");
        row("noteFont/family", QJsonValue::Undefined, "noteFont.family: missing");
        row("titleFont/pointSize", 0, "0 is not a point size");
        row("subtitleFont/weight", 100, "100 is out of range");
        row("subtitleFont/weight", 99, ""); // an empty message: the bounds are taken
        row("titleFont/weight", 0, "");
        row("plotAxisInfo/0/varChannels", 1, "plotAxisInfo[0].varChannels: expected an array");
        row("formatVersion", 2, "formatVersion: 2 is not a known");
        row("plotAxisInfo/0/varChannels/0/lineColor", "#:/g@G`", "\"#:/g@G`\" is not");
        row("plotAxisInfo/0/varChannels/0/lineColor", "#12345", "\"#12345\" is not");
    }
    void jsonErrors()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        S target;
        Randomiser{5}.screen(&target);
        const QByteArray before = target.toJson();
        QString error;
        QCOMPARE(target.fromJson(json, &error), message.isEmpty());
        if (message.isEmpty())
            return;
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(target.toJson(), before); // a refused file changes nothing
    }

    // What the engine refuses to draw (the row's tag, space-separated),
    // starting from a screen the engine and the dialog both take.
    void consistency_data()
    {
        QTest::addColumn<Setter>("edit");
        row("plotBgColorName 2.leftYAxis.axisColorName 3.xAxis.gridColorName", [](S *s) {
            s->plotBgColorName = "#8009afAF", g(s, 1).leftYAxis.axisColorName = "#:/g@G`";
            g(s, 2).xAxis.gridColorName = "white";
        });
        row("|every bound and hex digit at once", [](S *s) {
            s->plotAxisInfo.resize(8), s->numPlots = 8, s->dataUnits = UnitDays;
            s->screenRefreshInterval = s->dataSampleInterval = 1;
            Plot_Axis_Info &a = g(s, 2);
            a.numVarChannels = a.numOverlayChannels = 8, a.displayType = DisplayComet;
            a.leftYAxis.numMajorTicks = a.xAxis.numMinorTicks = 10, a.xAxis.rangeUnits = UnitDays;
            a.rightYAxis.gridLineStyle = LineStyleDashDot,
            a.varChannels[7].lineStyle = LineStyleDot;
            a.overlayChannels[7].lineStyle = LineStyleDash, a.varChannels[7].markerSize = 0.0f;
            a.cometLength = a.varChannels[7].lineWidth = a.xAxis.gridLineWidth = 0;
            s->plotBgColorName = a.leftYAxis.axisColorName = a.xAxis.gridColorName = "#09afAF";
            g(s, 1).varChannels[2].lineStyle = 0x00FF; // past the count
        });
        row("numPlots plotAxisInfo", [](S *s) { s->plotAxisInfo.resize(9), s->numPlots = 9; });
        row("screenRefreshInterval dataSampleInterval dataUnits", [](S *s) {
            s->screenRefreshInterval = s->dataSampleInterval = 0, s->dataUnits = UnitType(4);
        });
        row("2.leftYAxis.rangeMin 2.leftYAxis.rangeMax 2.leftYAxis.numMajorTicks", [](S *s) {
            g(s, 1).leftYAxis.rangeMin = qQNaN(), g(s, 1).leftYAxis.rangeMax = -qInf();
            g(s, 1).leftYAxis.numMajorTicks = 11;
        });
        row("2.rightYAxis.numMinorTicks 2.rightYAxis.gridLineStyle", [](S *s) {
            g(s, 1).rightYAxis.numMinorTicks = 11, g(s, 1).rightYAxis.gridLineStyle = 0xFF;
        });
        row("2.xAxis.gridLineWidth 2.xAxis.rangeUnits 3.rightYAxis.rangeUnits", [](S *s) {
            g(s, 1).xAxis.gridLineWidth = g(s, 1).xAxis.rangeUnits = -1;
            g(s, 2).rightYAxis.rangeUnits = 4;
        });
        row("2.numOverlayChannels 2.overlayChannels[0].markerSize 2.overlayChannels[7].lineWidth",
            [](S *s) {
                g(s, 1).numOverlayChannels = 9, g(s, 1).overlayChannels[7].lineWidth = -1;
                g(s, 1).overlayChannels[0].markerSize = -1.0f;
            });
        row("2.varChannels[1].lineColor 2.varChannels[1].lineStyle", [](S *s) {
            g(s, 1).varChannels[1].lineColor = QColor(), g(s, 1).varChannels[1].lineStyle = 0;
        });
        row("2.displayType 3.displayType 3.cometLength", [](S *s) {
            g(s, 1).displayType = -1, g(s, 2).displayType = 3, g(s, 2).cometLength = -1;
        });
    }
    void consistency() { checkSubjects(&S::consistencyErrors); }

    // What the dialog would change on OK without an edit.
    void dialogChanges_data()
    {
        QTest::addColumn<Setter>("edit");
        row("|within limits", [](S *) {});
        row("|one graph", [](S *s) { s->numPlots = 1, s->plotAxisInfo.resize(1); });
        row("|at the limits", [](S *s) {
            s->title = s->subtitle = s->note = QString(50, 't');
            s->titleFont.setPointSize(24), s->dataSampleInterval = 123456;
            s->dataUnits = UnitHours, s->dataStorage = 7200;
            Single_Axis_Info &left = g(s, 0).leftYAxis;
            left.autoRange = false, left.rangeMin = -123456, left.rangeMax = 0.000123456;
            g(s, 0).rightYAxis.gridVisible = false; // only the X axis table lacks the switch
            g(s, 0).xAxis.label = QString(32767, 'l'), g(s, 0).cometLength = 99;
            g(s, 0).xAxis.gridLineWidth = g(s, 1).varChannels[1].lineWidth = 50;
            g(s, 1).varChannels[2].yVarName.clear(); // not in use
        });
        row("title subtitle note",
            [](S *s) { s->title = s->subtitle = s->note = QString(51, 't'); });
        row("titleFont.weight subtitleFont.pointSize subtitleFont.italic noteFont", [](S *s) {
            s->titleFont.setBold(true), s->subtitleFont.setPointSize(25);
            s->subtitleFont.setItalic(true), s->noteFont.setPixelSize(20);
        });
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
        row("1.xAxis.rangeMin 1.xAxis.rangeMax 1.xAxis.label 1.xAxis.gridLineWidth "
            "1.xAxis.gridVisible 1.xAxis.rangeUnits 3.leftYAxis.gridLineWidth",
            [](S *s) {
                Single_Axis_Info &x = g(s, 0).xAxis;
                x.autoRange = false, x.rangeMin = 1234567.0, x.rangeMax = 0.1234567;
                x.label = QString(32768, 'l'), x.gridLineWidth = 51, x.gridVisible = false;
                x.rangeUnits = UnitMinutes, g(s, 2).leftYAxis.gridLineWidth = -1;
            });
        row("2.varChannels[0].yVarName 2.varChannels[1].xVarName 2.varChannels[1].lineColor "
            "2.varChannels[1].lineWidth 2.varChannels[1].visible 2.varChannels[1].markerSize",
            [](S *s) {
                Plot_Channel_Info &c = g(s, 1).varChannels[1];
                g(s, 1).varChannels[0].yVarName.clear(), c.xVarName.clear();
                c.lineColor.setAlpha(1), c.lineWidth = 51, c.visible = false, c.markerSize = 3.0f;
            });
        row("2.cometLength 3.overlayChannels[0].xVarName 3.overlayChannels[0].lineWidth "
            "3.cometLength",
            [](S *s) {
                Plot_Channel_Info &c = g(s, 2).overlayChannels[0];
                g(s, 1).cometLength = 100, g(s, 2).cometLength = -1;
                c.xVarName.clear(), c.yVarName.clear(), c.lineWidth = -1;
            });
    }
    void dialogChanges() { checkSubjects(&S::dialogChanges); }

    // The lines a host shows, in the dialog's words and units.
    void differenceLines()
    {
        S a, b;
        fillWithinDialogLimits(&a);
        fillWithinDialogLimits(&b);
        // Every hex digit boundary, in either case, and an alpha.
        QVERIFY(b.fromJson(
            doc(with(jsonOf(b), "plotAxisInfo/1/varChannels/1/lineColor", "#8009afAF"))));
        g(&b, 1).leftYAxis.rangeMax = 8000, g(&b, 0).rightYAxis.rangeMin = -0.0;
        g(&b, 0).rightYAxis.rangeMax = 250.00000000000003;
        g(&b, 2).varChannels[0].yVarName = "T3", g(&b, 1).displayType = DisplayComet;
        g(&b, 0).overlayChannels[7].lineStyle = LineStyleDot;
        b.screenRefreshInterval = 50, b.dataUnits = UnitMinutes, b.numPlots = 4;
        b.titleFont.setBold(true), b.legend = false;
        QCOMPARE(plotScreenDifferenceLines(a, b).join('\n'),
                 "Graph 1 / Y axis (right) / range min: 0 -> -0\n"
                 "Graph 1 / Y axis (right) / range max: 0 -> 250.00000000000003\n"
                 "Graph 1 / overlay channel 8 / line style: solid -> dot\n"
                 "Graph 2 / Y axis (left) / range max: 0 -> 8000\n"
                 "Graph 2 / channel 2 / colour: #ffe1ff -> #8009afaf\n"
                 "Graph 2 / display type: Full Trace -> Comet\n"
                 "Graph 3 / channel 1 / Y variable: Time -> T3\n"
                 "Graphs shown: 3 -> 4\nRefresh interval: 100 ms -> 50 ms\n"
                 "Data storage units: seconds -> minutes\n"
                 "Title font: Sans Serif, 12 pt -> Sans Serif, 12 pt, weight 75\n"
                 "Legend: shown -> hidden");
    }

    // Every leaf of the screen file, changed on its own, is one difference
    // of its own name: a member added later cannot be left out.
    void differencesCoverEveryMember()
    {
        S original;
        Randomiser{31}.screen(&original, 2);
        const QByteArray text = original.toJson();
        const QJsonObject json = QJsonDocument::fromJson(text).object();
        Leaves leaves;
        collectLeaves(json, QString(), &leaves);
        QHash<QString, QString> memberOfPath;
        for (const auto &leaf : leaves) {
            // A font is one member, whichever attribute changed.
            const bool inFont = leaf.first.section('/', -2, -2).endsWith("Font");
            const QString member = inFont ? leaf.first.section('/', 0, -2) : leaf.first;
            QString path; // of the one difference the first change that reads back makes
            for (const QJsonValue &other : otherValues(leaf.second)) {
                S read;
                if (!read.fromJson(doc(with(json, leaf.first, other))) || read.toJson() == text)
                    continue;
                const QVector<PlotScreenDifference> d = plotScreenDifferences(original, read);
                QVERIFY2(d.size() == 1 && d[0].oldValue != d[0].newValue, qPrintable(member));
                path = d[0].path;
                break;
            }
            // A pixel-sized font ignores its point size; the version is not a member.
            QVERIFY2(!path.isEmpty() || leaf.first.endsWith("pointSize")
                         || leaf.first == "formatVersion",
                     qPrintable("no change found for " + leaf.first));
            QVERIFY2(path.isEmpty() || memberOfPath.value(path, member) == member,
                     qPrintable(member + " and " + memberOfPath[path] + " read " + path));
            memberOfPath.insert(path, member);
        }
        QVERIFY(leaves.size() > 300);
    }

    // A host adopting the dialog's edits takes each shown member it changed.
    void mergeAdoptsShownEdits()
    {
        S host, e;
        fillWithinDialogLimits(&host);
        fillWithinDialogLimits(&e);
        g(&e, 0).leftYAxis.label = "L", g(&e, 1).rightYAxis.label = "R", g(&e, 2).xAxis.label = "X";
        g(&e, 1).varChannels[1].yVarName = "N2", g(&e, 1).varChannels[0].lineStyle = LineStyleDot;
        g(&e, 2).overlayChannels[0].lineWidth = 3, g(&e, 0).showDatapoints = true;
        g(&e, 2).showXYValues = true, e.setTitle("T");
        e.screenRefreshInterval = host.screenRefreshInterval + 50;
        mergeDialogEdits(host, e);
        QCOMPARE(plotScreenDifferenceLines(host, e), QStringList());
    }

    // Copies between graphs and the defaults of the data model, each checked
    // against the same edit of the file: a default graph keeps its runtime
    // state, a default screen its graphs, file and identity.
    void presets()
    {
        S before, after, plain;
        Randomiser{77}.screen(&before, 3);
        // Switches off their defaults, which a random screen may not give.
        before.showTitleSubtitle = before.showNote = before.legend = false;
        before.condenseControls = true;
        after.copyFrom(before);
        plain.plotAxisInfo.resize(1);
        const QJsonValue fresh = jsonOf(plain);
        QJsonValue j = jsonOf(before);
        auto copy = [&](int from, int to, const QString &key) {
            QJsonValue v = j["plotAxisInfo"][from];
            for (const QString &k : key.split('/'))
                v = v.isArray() ? v[k.toInt()] : v[k];
            j = with(j, QString("plotAxisInfo/%1/").arg(to) + key, v);
        };
        auto restore = [&](int t) { // a default graph keeps its runtime state
            QJsonValue graph = fresh["plotAxisInfo"][0];
            for (const char *key :
                 {"engineState", "firstSampleTime", "lastSampleTime", "overlayState",
                  "overlayFirstTime", "overlayLastTime", "panState", "zoomState", "panOffset",
                  "zoomOffset", "engineDirty", "timeScaleNumerator", "timeScaleDenominator",
                  "autoScroll"})
                graph = with(graph, key, j["plotAxisInfo"][t][key]);
            j = with(j, "plotAxisInfo/" + QString::number(t), graph);
        };
        // A bad source, target or graph is refused without a change.
        QVERIFY(!copyGraphAxes(after, 0, {1, 3}) && !copyChannelStyles(after, -1, {1})
                && !restoreGraphDefaults(after, 3));
        QVERIFY(copyGraphAxes(after, 0, {2, 1, 0}) && copyChannelStyles(after, 2, {0})
                && copyDisplaySettings(after, 1, {2}) && restoreGraphDefaults(after, 1));
        for (const char *key : {"leftYAxis", "rightYAxis", "xAxis"})
            copy(0, 1, key), copy(0, 2, key);
        for (int r = 0; r < 8; ++r)
            for (const char *m : {"lineColor", "lineStyle", "lineWidth"})
                copy(2, 0, QString("varChannels/%1/%2").arg(r).arg(m)),
                    copy(2, 0, QString("overlayChannels/%1/%2").arg(r).arg(m));
        for (const char *key : {"displayType", "cometLength", "showDatapoints", "showXYValues"})
            copy(1, 2, key);
        restore(1);
        QCOMPARE(doc(jsonOf(after)), doc(j));
        restoreScreenDefaults(after);
        const QJsonValue kept = j;
        j = fresh;
        for (const char *key :
             {"plotAxisInfo", "numPlots", "configFileName", "screenId", "lastSavedTime"})
            j = with(j, key, kept[key]);
        restore(0), restore(1), restore(2);
        QCOMPARE(doc(jsonOf(after)), doc(j));
    }
};

QTEST_MAIN(TestPlotEngine)
#include "tst_plot_engine.moc"

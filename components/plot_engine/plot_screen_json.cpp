// JSON persistence of a plot screen description.
//
// Layout: one object per record, member names as in the classes. Values:
// - whole numbers are JSON numbers while a double holds them exactly
//   (|v| < 2^53) and decimal strings from there on, so 64-bit values survive;
//   the reader accepts either form for every integer member;
// - doubles are JSON numbers, except "nan", "inf", "-inf" and "-0", which
//   JSON numbers cannot carry;
// - channel colours are "#rrggbb" (opaque) or "#aarrggbb", "" when invalid;
// - fonts are objects {family, pointSize, pixelSize, weight, italic,
//   underline, strikeOut}.
//
// Reading is strict about types and about what a member can hold (no
// negative unsigned values, no ints beyond 32 bits, at most 8 graphs and 8
// channels per graph); codes and colour names are left to
// consistencyErrors(), so that any consistent description reads back exactly
// as it was written. What may be missing:
// - the engine's run-time state (screenId, lastSavedTime and the
//   engine-private members of a graph) and formatVersion: they take their
//   defaults, so a hand-written screen file needs only what a user sets;
// - trailing records of varChannels/overlayChannels: default records;
// every other member is required. Unknown members are ignored.
#include <interfaces/plot_screen_info.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <limits>

namespace {

const int FormatVersion = 1;
// Whole numbers below 2^53 in magnitude are exact as JSON numbers; from
// 2^53 on, neighbouring integers share one double.
const qint64 MaxExactInteger = Q_INT64_C(1) << 53;
const int MaxGraphs = PlotSingleton::NumSlots;
const int MaxChannels = Plot_Axis_Info::MaxChannels;

// ---------------------------------------------------------------- writing

// Compared as integers: converting first would round 2^53 + 1 into range.
QJsonValue signedValue(qint64 value)
{
    if (value > -MaxExactInteger && value < MaxExactInteger)
        return QJsonValue(static_cast<double>(value));
    return QJsonValue(QString::number(value));
}

QJsonValue unsignedValue(unsigned long value)
{
    if (value < static_cast<quint64>(MaxExactInteger))
        return QJsonValue(static_cast<double>(value));
    return QJsonValue(QString::number(value));
}

QJsonValue doubleValue(double value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    if (value == 0.0 && std::signbit(value))
        return QStringLiteral("-0");
    return QJsonValue(value);
}

QString colourText(const QColor &colour)
{
    if (!colour.isValid())
        return QString();
    return colour.name(colour.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

QJsonObject fontObject(const QFont &font)
{
    QJsonObject o;
    o.insert(QStringLiteral("family"), font.family());
    o.insert(QStringLiteral("pointSize"), doubleValue(font.pointSizeF()));
    o.insert(QStringLiteral("pixelSize"), font.pixelSize());
    o.insert(QStringLiteral("weight"), font.weight());
    o.insert(QStringLiteral("italic"), font.italic());
    o.insert(QStringLiteral("underline"), font.underline());
    o.insert(QStringLiteral("strikeOut"), font.strikeOut());
    return o;
}

QJsonObject axisObject(const Single_Axis_Info &axis)
{
    QJsonObject o;
    o.insert(QStringLiteral("axisColorName"), axis.axisColorName);
    o.insert(QStringLiteral("rangeMin"), doubleValue(axis.rangeMin));
    o.insert(QStringLiteral("rangeMax"), doubleValue(axis.rangeMax));
    o.insert(QStringLiteral("autoRange"), axis.autoRange);
    o.insert(QStringLiteral("numMajorTicks"), unsignedValue(axis.numMajorTicks));
    o.insert(QStringLiteral("numMinorTicks"), unsignedValue(axis.numMinorTicks));
    o.insert(QStringLiteral("label"), axis.label);
    o.insert(QStringLiteral("gridColorName"), axis.gridColorName);
    o.insert(QStringLiteral("gridLineStyle"), axis.gridLineStyle);
    o.insert(QStringLiteral("gridLineWidth"), axis.gridLineWidth);
    o.insert(QStringLiteral("gridVisible"), axis.gridVisible);
    o.insert(QStringLiteral("rangeUnits"), axis.rangeUnits);
    return o;
}

QJsonObject channelObject(const Plot_Channel_Info &channel)
{
    QJsonObject o;
    o.insert(QStringLiteral("yVarName"), channel.yVarName);
    o.insert(QStringLiteral("useLeftAxis"), channel.useLeftAxis);
    o.insert(QStringLiteral("visible"), channel.visible);
    o.insert(QStringLiteral("lineColor"), colourText(channel.lineColor));
    o.insert(QStringLiteral("lineStyle"), channel.lineStyle);
    o.insert(QStringLiteral("lineWidth"), channel.lineWidth);
    o.insert(QStringLiteral("markerSize"), doubleValue(static_cast<double>(channel.markerSize)));
    o.insert(QStringLiteral("xVarName"), channel.xVarName);
    return o;
}

QJsonArray channelArray(const Plot_Channel_Info (&channels)[Plot_Axis_Info::MaxChannels])
{
    QJsonArray a;
    for (const Plot_Channel_Info &channel : channels)
        a.append(channelObject(channel));
    return a;
}

QJsonObject graphObject(const Plot_Axis_Info &graph)
{
    QJsonObject o;
    o.insert(QStringLiteral("leftYAxis"), axisObject(graph.leftYAxis));
    o.insert(QStringLiteral("rightYAxis"), axisObject(graph.rightYAxis));
    o.insert(QStringLiteral("xAxis"), axisObject(graph.xAxis));
    o.insert(QStringLiteral("varChannels"), channelArray(graph.varChannels));
    o.insert(QStringLiteral("overlayChannels"), channelArray(graph.overlayChannels));
    o.insert(QStringLiteral("numVarChannels"), unsignedValue(graph.numVarChannels));
    o.insert(QStringLiteral("numOverlayChannels"), unsignedValue(graph.numOverlayChannels));
    o.insert(QStringLiteral("traceMode"), graph.traceMode);
    o.insert(QStringLiteral("showDatapoints"), graph.showDatapoints);
    o.insert(QStringLiteral("showXYValues"), graph.showXYValues);
    o.insert(QStringLiteral("overlayFileName"), graph.overlayFileName);
    o.insert(QStringLiteral("engineState"), graph.engineState);
    o.insert(QStringLiteral("firstSampleTime"), signedValue(graph.firstSampleTime));
    o.insert(QStringLiteral("lastSampleTime"), signedValue(graph.lastSampleTime));
    o.insert(QStringLiteral("overlayState"), graph.overlayState);
    o.insert(QStringLiteral("overlayFirstTime"), signedValue(graph.overlayFirstTime));
    o.insert(QStringLiteral("overlayLastTime"), signedValue(graph.overlayLastTime));
    o.insert(QStringLiteral("panState"), graph.panState);
    o.insert(QStringLiteral("zoomState"), graph.zoomState);
    o.insert(QStringLiteral("panOffset"), signedValue(graph.panOffset));
    o.insert(QStringLiteral("zoomOffset"), signedValue(graph.zoomOffset));
    o.insert(QStringLiteral("engineDirty"), graph.engineDirty);
    o.insert(QStringLiteral("displayType"), graph.displayType);
    o.insert(QStringLiteral("cometLength"), signedValue(graph.cometLength));
    o.insert(QStringLiteral("timeScaleNumerator"), signedValue(graph.timeScaleNumerator));
    o.insert(QStringLiteral("timeScaleDenominator"), signedValue(graph.timeScaleDenominator));
    o.insert(QStringLiteral("autoScroll"), graph.autoScroll);
    return o;
}

// ---------------------------------------------------------------- reading

enum Need { Required, Optional };

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
           || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
           || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// Reads members into their targets and keeps the first problem, named by
// the member's path ("plotAxisInfo[2].varChannels[3].lineWidth"). After a
// problem further reads change nothing that matters: the caller discards
// the half-filled copy.
class Reader
{
public:
    QString error;

    bool failed() const { return !error.isEmpty(); }

    static QString path(const QString &parent, const QString &key)
    {
        return parent.isEmpty() ? key : parent + QLatin1Char('.') + key;
    }

    void fail(const QString &where, const QString &what)
    {
        if (error.isEmpty())
            error = where + QStringLiteral(": ") + what;
    }

    // The member's value; false when absent (a problem only if required).
    bool member(const QJsonObject &o, const QString &parent, const QString &key, Need need,
                QJsonValue *out)
    {
        const auto it = o.constFind(key);
        if (it == o.constEnd()) {
            if (need == Required)
                fail(path(parent, key), QStringLiteral("missing"));
            return false;
        }
        *out = it.value();
        return true;
    }

    void readBool(const QJsonObject &o, const QString &parent, const QString &key, bool *out,
                  Need need = Required)
    {
        QJsonValue v;
        if (!member(o, parent, key, need, &v))
            return;
        if (!v.isBool())
            fail(path(parent, key), QStringLiteral("expected true or false"));
        else
            *out = v.toBool();
    }

    void readString(const QJsonObject &o, const QString &parent, const QString &key, QString *out)
    {
        QJsonValue v;
        if (!member(o, parent, key, Required, &v))
            return;
        if (!v.isString())
            fail(path(parent, key), QStringLiteral("expected a string"));
        else
            *out = v.toString();
    }

    // Whole number as sign and magnitude, from a JSON number or a decimal string.
    bool wholeNumber(const QJsonValue &v, const QString &where, bool *negative, quint64 *magnitude)
    {
        if (v.isDouble()) {
            const double d = v.toDouble();
            if (d != std::floor(d)) {
                fail(where, QStringLiteral("%1 is not a whole number").arg(d));
                return false;
            }
            if (!(std::fabs(d) < static_cast<double>(MaxExactInteger))) {
                fail(where, QStringLiteral("%1 is too large for a JSON number; "
                                           "write it as a decimal string")
                                .arg(d));
                return false;
            }
            *negative = d < 0;
            *magnitude = static_cast<quint64>(std::fabs(d));
            return true;
        }
        if (!v.isString()) {
            fail(where, QStringLiteral("expected a number"));
            return false;
        }
        const QString text = v.toString();
        int i = 0;
        *negative = false;
        if (text.startsWith(QLatin1Char('-'))) {
            *negative = true;
            i = 1;
        }
        if (i == text.size()) {
            fail(where, QStringLiteral("\"%1\" is not a whole number").arg(text));
            return false;
        }
        quint64 m = 0;
        const quint64 max = std::numeric_limits<quint64>::max();
        for (; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                fail(where, QStringLiteral("\"%1\" is not a whole number").arg(text));
                return false;
            }
            const quint64 digit = static_cast<quint64>(c.unicode() - '0');
            if (m > (max - digit) / 10) {
                fail(where, QStringLiteral("%1 is out of range").arg(text));
                return false;
            }
            m = m * 10 + digit;
        }
        *magnitude = m;
        return true;
    }

    void readSigned(const QJsonObject &o, const QString &parent, const QString &key, qint64 min,
                    qint64 max, qint64 *out, Need need)
    {
        QJsonValue v;
        if (!member(o, parent, key, need, &v))
            return;
        const QString where = path(parent, key);
        bool negative = false;
        quint64 magnitude = 0;
        if (!wholeNumber(v, where, &negative, &magnitude))
            return;
        // Compare magnitudes in unsigned arithmetic: -min does not fit a
        // qint64 when min is its lowest value.
        const quint64 limit = negative ? quint64(-(min + 1)) + 1 : quint64(max);
        if (magnitude > limit) {
            fail(where, QStringLiteral("%1%2 is out of range (%3..%4)")
                            .arg(negative ? QStringLiteral("-") : QString())
                            .arg(magnitude)
                            .arg(min)
                            .arg(max));
            return;
        }
        *out = negative ? static_cast<qint64>(0 - magnitude) : static_cast<qint64>(magnitude);
    }

    void readInt(const QJsonObject &o, const QString &parent, const QString &key, int *out,
                 Need need = Required)
    {
        qint64 value = *out;
        readSigned(o, parent, key, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                   &value, need);
        *out = static_cast<int>(value);
    }

    void readInt64(const QJsonObject &o, const QString &parent, const QString &key, qint64 *out,
                   Need need = Required)
    {
        readSigned(o, parent, key, std::numeric_limits<qint64>::min(),
                   std::numeric_limits<qint64>::max(), out, need);
    }

    void readUnsigned(const QJsonObject &o, const QString &parent, const QString &key,
                      unsigned long *out,
                      unsigned long max = std::numeric_limits<unsigned long>::max())
    {
        QJsonValue v;
        if (!member(o, parent, key, Required, &v))
            return;
        const QString where = path(parent, key);
        bool negative = false;
        quint64 magnitude = 0;
        if (!wholeNumber(v, where, &negative, &magnitude))
            return;
        if (negative && magnitude != 0) {
            fail(where,
                 QStringLiteral("-%1 is negative; expected an unsigned number").arg(magnitude));
            return;
        }
        if (magnitude > max) {
            fail(where, QStringLiteral("%1 is more than %2").arg(magnitude).arg(max));
            return;
        }
        *out = static_cast<unsigned long>(magnitude);
    }

    bool doubleOf(const QJsonValue &v, const QString &where, double *out)
    {
        if (v.isDouble()) {
            *out = v.toDouble();
            return true;
        }
        if (v.isString()) {
            const QString text = v.toString();
            if (text == QLatin1String("nan")) {
                *out = std::numeric_limits<double>::quiet_NaN();
                return true;
            }
            if (text == QLatin1String("inf") || text == QLatin1String("-inf")) {
                const double inf = std::numeric_limits<double>::infinity();
                *out = text.startsWith(QLatin1Char('-')) ? -inf : inf;
                return true;
            }
            if (text == QLatin1String("-0")) {
                *out = -0.0;
                return true;
            }
        }
        fail(where, QStringLiteral("expected a number"));
        return false;
    }

    void readDouble(const QJsonObject &o, const QString &parent, const QString &key, double *out)
    {
        QJsonValue v;
        if (member(o, parent, key, Required, &v))
            doubleOf(v, path(parent, key), out);
    }

    void readFloat(const QJsonObject &o, const QString &parent, const QString &key, float *out)
    {
        QJsonValue v;
        double d = 0.0;
        if (!member(o, parent, key, Required, &v) || !doubleOf(v, path(parent, key), &d))
            return;
        // A finite double beyond float range has no float value at all.
        if (std::isfinite(d) && std::fabs(d) > double(std::numeric_limits<float>::max())) {
            fail(path(parent, key), QStringLiteral("%1 is out of range for a float").arg(d));
            return;
        }
        *out = static_cast<float>(d);
    }

    void readColour(const QJsonObject &o, const QString &parent, const QString &key, QColor *out)
    {
        QString text;
        readString(o, parent, key, &text);
        if (failed())
            return;
        if (text.isEmpty()) {
            *out = QColor();
            return;
        }
        bool hex = text.startsWith(QLatin1Char('#')) && (text.size() == 7 || text.size() == 9);
        for (int i = 1; hex && i < text.size(); ++i)
            hex = isHexDigit(text.at(i));
        if (!hex) {
            fail(path(parent, key),
                 QStringLiteral("\"%1\" is not a #rrggbb or #aarrggbb colour").arg(text));
            return;
        }
        *out = QColor(text);
    }

    bool object(const QJsonObject &o, const QString &parent, const QString &key, QJsonObject *out)
    {
        QJsonValue v;
        if (!member(o, parent, key, Required, &v))
            return false;
        if (!v.isObject()) {
            fail(path(parent, key), QStringLiteral("expected an object"));
            return false;
        }
        *out = v.toObject();
        return true;
    }

    bool array(const QJsonObject &o, const QString &parent, const QString &key, int maxRecords,
               QJsonArray *out)
    {
        QJsonValue v;
        if (!member(o, parent, key, Required, &v))
            return false;
        if (!v.isArray()) {
            fail(path(parent, key), QStringLiteral("expected an array"));
            return false;
        }
        *out = v.toArray();
        if (out->size() > maxRecords) {
            fail(path(parent, key),
                 QStringLiteral("%1 records, at most %2").arg(out->size()).arg(maxRecords));
            return false;
        }
        return true;
    }

    void readFont(const QJsonObject &o, const QString &parent, const QString &key, QFont *out)
    {
        QJsonObject f;
        if (!object(o, parent, key, &f))
            return;
        const QString where = path(parent, key);
        QString family;
        double pointSize = -1.0;
        int pixelSize = -1;
        int weight = QFont::Normal;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        readString(f, where, QStringLiteral("family"), &family);
        readDouble(f, where, QStringLiteral("pointSize"), &pointSize);
        readInt(f, where, QStringLiteral("pixelSize"), &pixelSize);
        readInt(f, where, QStringLiteral("weight"), &weight);
        readBool(f, where, QStringLiteral("italic"), &italic);
        readBool(f, where, QStringLiteral("underline"), &underline);
        readBool(f, where, QStringLiteral("strikeOut"), &strikeOut);
        if (failed())
            return;
        // A font is sized either in pixels or in points; QFont keeps the other -1.
        if (pixelSize <= 0 && !(pointSize > 0.0 && std::isfinite(pointSize))) {
            fail(path(where, QStringLiteral("pointSize")),
                 QStringLiteral("%1 is not a point size").arg(pointSize));
            return;
        }
        if (weight < 0 || weight > 99) {
            fail(path(where, QStringLiteral("weight")),
                 QStringLiteral("%1 is out of range (0..99)").arg(weight));
            return;
        }
        QFont font(family);
        if (pixelSize > 0)
            font.setPixelSize(pixelSize);
        else
            font.setPointSizeF(pointSize);
        font.setWeight(weight);
        font.setItalic(italic);
        font.setUnderline(underline);
        font.setStrikeOut(strikeOut);
        *out = font;
    }

    void readAxis(const QJsonObject &o, const QString &parent, const QString &key,
                  Single_Axis_Info *axis)
    {
        QJsonObject a;
        if (!object(o, parent, key, &a))
            return;
        const QString where = path(parent, key);
        readString(a, where, QStringLiteral("axisColorName"), &axis->axisColorName);
        readDouble(a, where, QStringLiteral("rangeMin"), &axis->rangeMin);
        readDouble(a, where, QStringLiteral("rangeMax"), &axis->rangeMax);
        readBool(a, where, QStringLiteral("autoRange"), &axis->autoRange);
        readUnsigned(a, where, QStringLiteral("numMajorTicks"), &axis->numMajorTicks);
        readUnsigned(a, where, QStringLiteral("numMinorTicks"), &axis->numMinorTicks);
        readString(a, where, QStringLiteral("label"), &axis->label);
        readString(a, where, QStringLiteral("gridColorName"), &axis->gridColorName);
        readInt(a, where, QStringLiteral("gridLineStyle"), &axis->gridLineStyle);
        readInt(a, where, QStringLiteral("gridLineWidth"), &axis->gridLineWidth);
        readBool(a, where, QStringLiteral("gridVisible"), &axis->gridVisible);
        readInt(a, where, QStringLiteral("rangeUnits"), &axis->rangeUnits);
    }

    void readChannels(const QJsonObject &o, const QString &parent, const QString &key,
                      Plot_Channel_Info (&channels)[Plot_Axis_Info::MaxChannels])
    {
        QJsonArray records;
        if (!array(o, parent, key, MaxChannels, &records))
            return;
        for (int r = 0; r < records.size(); ++r) {
            const QString where = path(parent, key) + QStringLiteral("[%1]").arg(r);
            if (!records.at(r).isObject()) {
                fail(where, QStringLiteral("expected an object"));
                return;
            }
            const QJsonObject c = records.at(r).toObject();
            Plot_Channel_Info &channel = channels[r];
            readString(c, where, QStringLiteral("yVarName"), &channel.yVarName);
            readBool(c, where, QStringLiteral("useLeftAxis"), &channel.useLeftAxis);
            readBool(c, where, QStringLiteral("visible"), &channel.visible);
            readColour(c, where, QStringLiteral("lineColor"), &channel.lineColor);
            readInt(c, where, QStringLiteral("lineStyle"), &channel.lineStyle);
            readInt(c, where, QStringLiteral("lineWidth"), &channel.lineWidth);
            readFloat(c, where, QStringLiteral("markerSize"), &channel.markerSize);
            readString(c, where, QStringLiteral("xVarName"), &channel.xVarName);
        }
    }

    void readGraph(const QJsonObject &o, const QString &where, Plot_Axis_Info *graph)
    {
        readAxis(o, where, QStringLiteral("leftYAxis"), &graph->leftYAxis);
        readAxis(o, where, QStringLiteral("rightYAxis"), &graph->rightYAxis);
        readAxis(o, where, QStringLiteral("xAxis"), &graph->xAxis);
        readChannels(o, where, QStringLiteral("varChannels"), graph->varChannels);
        readChannels(o, where, QStringLiteral("overlayChannels"), graph->overlayChannels);
        readUnsigned(o, where, QStringLiteral("numVarChannels"), &graph->numVarChannels,
                     MaxChannels);
        readUnsigned(o, where, QStringLiteral("numOverlayChannels"), &graph->numOverlayChannels,
                     MaxChannels);
        readInt(o, where, QStringLiteral("traceMode"), &graph->traceMode);
        readBool(o, where, QStringLiteral("showDatapoints"), &graph->showDatapoints);
        readBool(o, where, QStringLiteral("showXYValues"), &graph->showXYValues);
        readString(o, where, QStringLiteral("overlayFileName"), &graph->overlayFileName);
        readInt(o, where, QStringLiteral("engineState"), &graph->engineState, Optional);
        readInt64(o, where, QStringLiteral("firstSampleTime"), &graph->firstSampleTime, Optional);
        readInt64(o, where, QStringLiteral("lastSampleTime"), &graph->lastSampleTime, Optional);
        readInt(o, where, QStringLiteral("overlayState"), &graph->overlayState, Optional);
        readInt64(o, where, QStringLiteral("overlayFirstTime"), &graph->overlayFirstTime, Optional);
        readInt64(o, where, QStringLiteral("overlayLastTime"), &graph->overlayLastTime, Optional);
        readInt(o, where, QStringLiteral("panState"), &graph->panState, Optional);
        readInt(o, where, QStringLiteral("zoomState"), &graph->zoomState, Optional);
        readInt64(o, where, QStringLiteral("panOffset"), &graph->panOffset, Optional);
        readInt64(o, where, QStringLiteral("zoomOffset"), &graph->zoomOffset, Optional);
        readBool(o, where, QStringLiteral("engineDirty"), &graph->engineDirty, Optional);
        readInt(o, where, QStringLiteral("displayType"), &graph->displayType);
        readInt64(o, where, QStringLiteral("cometLength"), &graph->cometLength);
        readInt64(o, where, QStringLiteral("timeScaleNumerator"), &graph->timeScaleNumerator,
                  Optional);
        readInt64(o, where, QStringLiteral("timeScaleDenominator"), &graph->timeScaleDenominator,
                  Optional);
        readBool(o, where, QStringLiteral("autoScroll"), &graph->autoScroll, Optional);
    }

    void readScreen(const QJsonObject &o, Plot_Screen_Info *screen)
    {
        const QString top;
        int version = FormatVersion;
        readInt(o, top, QStringLiteral("formatVersion"), &version, Optional);
        if (!failed() && version != FormatVersion) {
            fail(QStringLiteral("formatVersion"),
                 QStringLiteral("%1 is not a known format version").arg(version));
            return;
        }
        QJsonArray graphs;
        if (array(o, top, QStringLiteral("plotAxisInfo"), MaxGraphs, &graphs)) {
            for (int g = 0; g < graphs.size() && !failed(); ++g) {
                const QString where = QStringLiteral("plotAxisInfo[%1]").arg(g);
                if (!graphs.at(g).isObject()) {
                    fail(where, QStringLiteral("expected an object"));
                    break;
                }
                Plot_Axis_Info graph;
                readGraph(graphs.at(g).toObject(), where, &graph);
                screen->plotAxisInfo.append(graph);
            }
        }
        readUnsigned(o, top, QStringLiteral("numPlots"), &screen->numPlots, MaxGraphs);
        readUnsigned(o, top, QStringLiteral("screenRefreshInterval"),
                     &screen->screenRefreshInterval);
        readUnsigned(o, top, QStringLiteral("dataSampleInterval"), &screen->dataSampleInterval);
        readUnsigned(o, top, QStringLiteral("dataStorage"), &screen->dataStorage);
        int units = screen->dataUnits;
        readInt(o, top, QStringLiteral("dataUnits"), &units);
        screen->dataUnits = static_cast<UnitType>(units);
        int screenId = screen->screenId;
        readInt(o, top, QStringLiteral("screenId"), &screenId, Optional);
        screen->screenId = screenId;
        readInt64(o, top, QStringLiteral("lastSavedTime"), &screen->lastSavedTime, Optional);
        readString(o, top, QStringLiteral("plotBgColorName"), &screen->plotBgColorName);
        readString(o, top, QStringLiteral("title"), &screen->title);
        readFont(o, top, QStringLiteral("titleFont"), &screen->titleFont);
        readString(o, top, QStringLiteral("subtitle"), &screen->subtitle);
        readFont(o, top, QStringLiteral("subtitleFont"), &screen->subtitleFont);
        readString(o, top, QStringLiteral("note"), &screen->note);
        readFont(o, top, QStringLiteral("noteFont"), &screen->noteFont);
        readBool(o, top, QStringLiteral("showTitleSubtitle"), &screen->showTitleSubtitle);
        readBool(o, top, QStringLiteral("showNote"), &screen->showNote);
        readBool(o, top, QStringLiteral("condenseControls"), &screen->condenseControls);
        readBool(o, top, QStringLiteral("legend"), &screen->legend);
        readString(o, top, QStringLiteral("configFileName"), &screen->configFileName);
    }
};

} // namespace

QByteArray Plot_Screen_Info::toJson() const
{
    QJsonObject o;
    o.insert(QStringLiteral("formatVersion"), FormatVersion);
    QJsonArray graphs;
    for (const Plot_Axis_Info &graph : plotAxisInfo)
        graphs.append(graphObject(graph));
    o.insert(QStringLiteral("plotAxisInfo"), graphs);
    o.insert(QStringLiteral("numPlots"), unsignedValue(numPlots));
    o.insert(QStringLiteral("screenRefreshInterval"), unsignedValue(screenRefreshInterval));
    o.insert(QStringLiteral("dataSampleInterval"), unsignedValue(dataSampleInterval));
    o.insert(QStringLiteral("dataStorage"), unsignedValue(dataStorage));
    o.insert(QStringLiteral("dataUnits"), static_cast<qint32>(dataUnits));
    o.insert(QStringLiteral("screenId"), screenId);
    o.insert(QStringLiteral("lastSavedTime"), signedValue(lastSavedTime));
    o.insert(QStringLiteral("plotBgColorName"), plotBgColorName);
    o.insert(QStringLiteral("title"), title);
    o.insert(QStringLiteral("titleFont"), fontObject(titleFont));
    o.insert(QStringLiteral("subtitle"), subtitle);
    o.insert(QStringLiteral("subtitleFont"), fontObject(subtitleFont));
    o.insert(QStringLiteral("note"), note);
    o.insert(QStringLiteral("noteFont"), fontObject(noteFont));
    o.insert(QStringLiteral("showTitleSubtitle"), showTitleSubtitle);
    o.insert(QStringLiteral("showNote"), showNote);
    o.insert(QStringLiteral("condenseControls"), condenseControls);
    o.insert(QStringLiteral("legend"), legend);
    o.insert(QStringLiteral("configFileName"), configFileName);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool Plot_Screen_Info::fromJson(const QByteArray &json, QString *errorMessage)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    QString problem;
    if (parseError.error != QJsonParseError::NoError) {
        problem = QStringLiteral("not valid JSON at offset %1: %2")
                      .arg(parseError.offset)
                      .arg(parseError.errorString());
    } else if (!doc.isObject()) {
        problem = QStringLiteral("expected a JSON object at the top level");
    } else {
        // Read into a scratch copy so that a failure leaves this one untouched.
        Plot_Screen_Info scratch;
        Reader reader;
        reader.readScreen(doc.object(), &scratch);
        if (!reader.failed()) {
            copyFrom(scratch);
            return true;
        }
        problem = reader.error;
    }
    if (errorMessage)
        *errorMessage = problem;
    return false;
}

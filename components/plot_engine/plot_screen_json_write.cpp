// Writing a plot screen description as JSON (layout: plot_screen_json_format.h).
#include <interfaces/plot_screen_info.h>

#include "plot_screen_json_format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>

using plot_json::FormatVersion;
using plot_json::MaxExactInteger;

namespace {

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

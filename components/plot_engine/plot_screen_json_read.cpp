// Reading a plot screen description from JSON (layout:
// plot_screen_json_format.h).
#include <interfaces/plot_screen_info.h>

#include "json_member_reader.h"
#include "plot_screen_json_format.h"

#include <QJsonDocument>
#include <QJsonParseError>

using namespace plot_json;

namespace {

const int MaxGraphs = PlotSingleton::NumSlots;
const int MaxChannels = Plot_Axis_Info::MaxChannels;

// The records of a screen, member by member, as the writer lays them out.
class ScreenReader : public JsonMemberReader
{
public:
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
        ScreenReader reader;
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

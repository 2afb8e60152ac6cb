// Copying one graph's settings to others and going back to the defaults of
// the data model: operations on a description, so that any host can offer
// them and then apply the result like any edit.
#include <interfaces/plot_screen_presets.h>

#include <interfaces/plot_screen_info.h>

namespace {

bool isGraph(const Plot_Screen_Info &screen, int g)
{
    return g >= 0 && g < screen.plotAxisInfo.size();
}

// Checks every slot first, so that a bad target leaves the screen untouched.
template<typename Copy>
bool copyToGraphs(Plot_Screen_Info &screen, int from, const QList<int> &to, Copy copy)
{
    if (!isGraph(screen, from))
        return false;
    for (int g : to)
        if (!isGraph(screen, g))
            return false;
    const Plot_Axis_Info source = screen.plotAxisInfo.at(from);
    for (int g : to)
        if (g != from)
            copy(source, screen.plotAxisInfo[g]);
    return true;
}

void copyStyle(const Plot_Channel_Info &from, Plot_Channel_Info &to)
{
    to.lineColor = from.lineColor;
    to.lineStyle = from.lineStyle;
    to.lineWidth = from.lineWidth;
}

// Settings from a new record, the engine's run-time members from the old.
Plot_Axis_Info defaultSettingsOf(const Plot_Axis_Info &graph)
{
    Plot_Axis_Info fresh;
    fresh.engineState = graph.engineState;
    fresh.firstSampleTime = graph.firstSampleTime;
    fresh.lastSampleTime = graph.lastSampleTime;
    fresh.overlayState = graph.overlayState;
    fresh.overlayFirstTime = graph.overlayFirstTime;
    fresh.overlayLastTime = graph.overlayLastTime;
    fresh.panState = graph.panState;
    fresh.zoomState = graph.zoomState;
    fresh.panOffset = graph.panOffset;
    fresh.zoomOffset = graph.zoomOffset;
    fresh.engineDirty = graph.engineDirty;
    fresh.timeScaleNumerator = graph.timeScaleNumerator;
    fresh.timeScaleDenominator = graph.timeScaleDenominator;
    fresh.autoScroll = graph.autoScroll;
    return fresh;
}

} // namespace

bool copyGraphAxes(Plot_Screen_Info &screen, int from, const QList<int> &to)
{
    return copyToGraphs(screen, from, to, [](const Plot_Axis_Info &source, Plot_Axis_Info &target) {
        target.leftYAxis = source.leftYAxis;
        target.rightYAxis = source.rightYAxis;
        target.xAxis = source.xAxis;
    });
}

bool copyChannelStyles(Plot_Screen_Info &screen, int from, const QList<int> &to)
{
    return copyToGraphs(screen, from, to, [](const Plot_Axis_Info &source, Plot_Axis_Info &target) {
        for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r) {
            copyStyle(source.varChannels[r], target.varChannels[r]);
            copyStyle(source.overlayChannels[r], target.overlayChannels[r]);
        }
    });
}

bool copyDisplaySettings(Plot_Screen_Info &screen, int from, const QList<int> &to)
{
    return copyToGraphs(screen, from, to, [](const Plot_Axis_Info &source, Plot_Axis_Info &target) {
        target.displayType = source.displayType;
        target.cometLength = source.cometLength;
        target.showDatapoints = source.showDatapoints;
        target.showXYValues = source.showXYValues;
    });
}

bool restoreGraphDefaults(Plot_Screen_Info &screen, int graph)
{
    if (!isGraph(screen, graph))
        return false;
    screen.plotAxisInfo[graph] = defaultSettingsOf(screen.plotAxisInfo.at(graph));
    return true;
}

void restoreScreenDefaults(Plot_Screen_Info &screen)
{
    for (int g = 0; g < screen.plotAxisInfo.size(); ++g)
        restoreGraphDefaults(screen, g);

    const Plot_Screen_Info d;
    // Through the setters, so the screen hears of what changed.
    if (screen.screenRefreshInterval != d.screenRefreshInterval)
        screen.setScreenRefreshInterval(d.screenRefreshInterval);
    if (screen.dataSampleInterval != d.dataSampleInterval)
        screen.setDataSampleInterval(d.dataSampleInterval);
    if (screen.dataStorage != d.dataStorage)
        screen.setDataStorage(d.dataStorage);
    if (screen.dataUnits != d.dataUnits)
        screen.setDataUnits(d.dataUnits);
    if (screen.plotBgColorName != d.plotBgColorName)
        screen.setPlotBgColorName(d.plotBgColorName);
    if (screen.title != d.title)
        screen.setTitle(d.title);
    if (screen.titleFont != d.titleFont)
        screen.setTitleFont(d.titleFont);
    if (screen.subtitle != d.subtitle)
        screen.setSubtitle(d.subtitle);
    if (screen.subtitleFont != d.subtitleFont)
        screen.setSubtitleFont(d.subtitleFont);
    if (screen.note != d.note)
        screen.setNote(d.note);
    if (screen.noteFont != d.noteFont)
        screen.setNoteFont(d.noteFont);
    if (screen.showTitleSubtitle != d.showTitleSubtitle)
        screen.setShowTitleSubtitle(d.showTitleSubtitle);
    if (screen.showNote != d.showNote)
        screen.setShowNote(d.showNote);
    if (screen.condenseControls != d.condenseControls)
        screen.setCondenseControls(d.condenseControls);
    if (screen.legend != d.legend)
        screen.setLegend(d.legend);
}

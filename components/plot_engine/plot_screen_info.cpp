// Plot_Screen_Info: defaults, change-signalling setters, copying and the
// checks the engine makes before it draws a screen.
#include <interfaces/plot_screen_info.h>

#include <cmath>

namespace {

QFont defaultScreenFont()
{
    return QFont(QStringLiteral("Sans Serif"), 12);
}

// The engine keeps colours as "#rrggbb" names; anything else (named colours,
// alpha, short forms) would draw differently from what the dialog shows.
bool isColourName(const QString &name)
{
    if (name.size() != 7 || name.at(0) != QLatin1Char('#'))
        return false;
    for (int i = 1; i < 7; ++i) {
        const QChar c = name.at(i);
        const bool hex = (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                         || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
                         || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
        if (!hex)
            return false;
    }
    return true;
}

bool isKnownLineStyle(int pattern)
{
    return pattern == LineStyleSolid || pattern == LineStyleDash || pattern == LineStyleDot
           || pattern == LineStyleDashDot;
}

bool isUnitCode(qint64 code)
{
    return code >= UnitSeconds && code <= UnitDays;
}

// Tick marks the engine lays out per axis; the dialog caps its fields here too.
const unsigned long MaxTicks = Plot_Screen_Info::MaxTicks;

void checkAxis(const Single_Axis_Info &axis, const QString &where, QStringList *errors)
{
    if (!isColourName(axis.axisColorName))
        errors->append(QStringLiteral("%1.axisColorName: \"%2\" is not a #rrggbb colour")
                           .arg(where, axis.axisColorName));
    if (!isColourName(axis.gridColorName))
        errors->append(QStringLiteral("%1.gridColorName: \"%2\" is not a #rrggbb colour")
                           .arg(where, axis.gridColorName));
    if (!std::isfinite(axis.rangeMin))
        errors->append(QStringLiteral("%1.rangeMin: not a finite number").arg(where));
    if (!std::isfinite(axis.rangeMax))
        errors->append(QStringLiteral("%1.rangeMax: not a finite number").arg(where));
    if (axis.numMajorTicks > MaxTicks)
        errors->append(QStringLiteral("%1.numMajorTicks: %2 is more than %3")
                           .arg(where)
                           .arg(axis.numMajorTicks)
                           .arg(MaxTicks));
    if (axis.numMinorTicks > MaxTicks)
        errors->append(QStringLiteral("%1.numMinorTicks: %2 is more than %3")
                           .arg(where)
                           .arg(axis.numMinorTicks)
                           .arg(MaxTicks));
    if (!isKnownLineStyle(axis.gridLineStyle))
        errors->append(QStringLiteral("%1.gridLineStyle: 0x%2 is not a known line style")
                           .arg(where)
                           .arg(axis.gridLineStyle, 0, 16));
    if (axis.gridLineWidth < 0)
        errors->append(
            QStringLiteral("%1.gridLineWidth: %2 is negative").arg(where).arg(axis.gridLineWidth));
    if (!isUnitCode(axis.rangeUnits))
        errors->append(QStringLiteral("%1.rangeUnits: %2 is not a unit code (0..3)")
                           .arg(where)
                           .arg(axis.rangeUnits));
}

void checkChannel(const Plot_Channel_Info &channel, const QString &where, QStringList *errors)
{
    if (!channel.lineColor.isValid())
        errors->append(QStringLiteral("%1.lineColor: not a valid colour").arg(where));
    if (!isKnownLineStyle(channel.lineStyle))
        errors->append(QStringLiteral("%1.lineStyle: 0x%2 is not a known line style")
                           .arg(where)
                           .arg(channel.lineStyle, 0, 16));
    if (channel.lineWidth < 0)
        errors->append(
            QStringLiteral("%1.lineWidth: %2 is negative").arg(where).arg(channel.lineWidth));
    if (!std::isfinite(channel.markerSize) || channel.markerSize < 0.0f)
        errors->append(QStringLiteral("%1.markerSize: %2 is not a size")
                           .arg(where)
                           .arg(double(channel.markerSize)));
}

void checkGraph(const Plot_Axis_Info &graph, int index, QStringList *errors)
{
    // "Graph 3 (plotAxisInfo[2])" names it both as the user and the file see it.
    const QString where = QStringLiteral("Graph %1 (plotAxisInfo[%2])").arg(index + 1).arg(index);
    checkAxis(graph.leftYAxis, where + QStringLiteral(".leftYAxis"), errors);
    checkAxis(graph.rightYAxis, where + QStringLiteral(".rightYAxis"), errors);
    checkAxis(graph.xAxis, where + QStringLiteral(".xAxis"), errors);

    const unsigned long maxChannels = Plot_Axis_Info::MaxChannels;
    if (graph.numVarChannels > maxChannels)
        errors->append(QStringLiteral("%1.numVarChannels: %2 is more than %3")
                           .arg(where)
                           .arg(graph.numVarChannels)
                           .arg(maxChannels));
    if (graph.numOverlayChannels > maxChannels)
        errors->append(QStringLiteral("%1.numOverlayChannels: %2 is more than %3")
                           .arg(where)
                           .arg(graph.numOverlayChannels)
                           .arg(maxChannels));
    // Only the channels in use are drawn, so only those must be drawable.
    const unsigned long vars = qMin(graph.numVarChannels, maxChannels);
    for (unsigned long r = 0; r < vars; ++r)
        checkChannel(graph.varChannels[r], where + QStringLiteral(".varChannels[%1]").arg(r),
                     errors);
    const unsigned long overlays = qMin(graph.numOverlayChannels, maxChannels);
    for (unsigned long r = 0; r < overlays; ++r)
        checkChannel(graph.overlayChannels[r],
                     where + QStringLiteral(".overlayChannels[%1]").arg(r), errors);

    if (graph.displayType < DisplayFullTrace || graph.displayType > DisplayComet)
        errors->append(QStringLiteral("%1.displayType: %2 is not a display type (0..2)")
                           .arg(where)
                           .arg(graph.displayType));
    if (graph.cometLength < 0)
        errors->append(
            QStringLiteral("%1.cometLength: %2 is negative").arg(where).arg(graph.cometLength));
}

} // namespace

int registerPlotScreenInfoMetaType()
{
    // Function-local static: registered once, however often it is asked for.
    static const int id = [] {
        qRegisterMetaType<UnitType>("UnitType");
        return qRegisterMetaType<Plot_Screen_Info *>("Plot_Screen_Info*");
    }();
    return id;
}

Plot_Screen_Info::Plot_Screen_Info(QObject *parent)
    : QObject(parent)
    , titleFont(defaultScreenFont())
    , subtitleFont(defaultScreenFont())
    , noteFont(defaultScreenFont())
{
    title = QStringLiteral("Plotter");
    title.truncate(MaxTitleLength);
    registerPlotScreenInfoMetaType();
}

Plot_Screen_Info::~Plot_Screen_Info() = default;

void Plot_Screen_Info::setNumPlots(unsigned long value)
{
    numPlots = value;
    emit numPlotsChanged(numPlots);
}

void Plot_Screen_Info::setScreenRefreshInterval(unsigned long value)
{
    screenRefreshInterval = value;
    emit screenRefreshIntervalChanged(screenRefreshInterval);
}

void Plot_Screen_Info::setDataSampleInterval(unsigned long value)
{
    dataSampleInterval = value;
    emit dataSampleIntervalChanged(dataSampleInterval);
}

void Plot_Screen_Info::setDataStorage(unsigned long value)
{
    dataStorage = value;
    emit dataStorageChanged(dataStorage);
}

void Plot_Screen_Info::setDataUnits(UnitType value)
{
    dataUnits = value;
    emit dataUnitsChanged(dataUnits);
}

void Plot_Screen_Info::setPlotBgColorName(const QString &value)
{
    plotBgColorName = value;
    emit plotBgColorNameChanged(plotBgColorName);
}

void Plot_Screen_Info::setTitle(const QString &value)
{
    title = value;
    emit titleChanged(title);
}

void Plot_Screen_Info::setTitleFont(const QFont &value)
{
    titleFont = value;
    emit titleFontChanged(titleFont);
}

void Plot_Screen_Info::setSubtitle(const QString &value)
{
    subtitle = value;
    emit subtitleChanged(subtitle);
}

void Plot_Screen_Info::setSubtitleFont(const QFont &value)
{
    subtitleFont = value;
    emit subtitleFontChanged(subtitleFont);
}

void Plot_Screen_Info::setNote(const QString &value)
{
    note = value;
    emit noteChanged(note);
}

void Plot_Screen_Info::setNoteFont(const QFont &value)
{
    noteFont = value;
    emit noteFontChanged(noteFont);
}

void Plot_Screen_Info::setShowTitleSubtitle(bool value)
{
    showTitleSubtitle = value;
    emit showTitleSubtitleChanged(showTitleSubtitle);
}

void Plot_Screen_Info::setShowNote(bool value)
{
    showNote = value;
    emit showNoteChanged(showNote);
}

void Plot_Screen_Info::setCondenseControls(bool value)
{
    condenseControls = value;
    emit condenseControlsChanged(condenseControls);
}

void Plot_Screen_Info::setLegend(bool value)
{
    legend = value;
    emit legendChanged(legend);
}

void Plot_Screen_Info::setConfigFileName(const QString &value)
{
    configFileName = value;
    emit configFileNameChanged(configFileName);
}

void Plot_Screen_Info::copyFrom(const Plot_Screen_Info &other)
{
    if (&other == this)
        return;
    plotAxisInfo = other.plotAxisInfo;
    numPlots = other.numPlots;
    screenRefreshInterval = other.screenRefreshInterval;
    dataSampleInterval = other.dataSampleInterval;
    dataStorage = other.dataStorage;
    dataUnits = other.dataUnits;
    screenId = other.screenId;
    lastSavedTime = other.lastSavedTime;
    plotBgColorName = other.plotBgColorName;
    title = other.title;
    titleFont = other.titleFont;
    subtitle = other.subtitle;
    subtitleFont = other.subtitleFont;
    note = other.note;
    noteFont = other.noteFont;
    showTitleSubtitle = other.showTitleSubtitle;
    showNote = other.showNote;
    condenseControls = other.condenseControls;
    legend = other.legend;
    configFileName = other.configFileName;
}

QStringList Plot_Screen_Info::consistencyErrors() const
{
    QStringList errors;
    const unsigned long maxGraphs = PlotSingleton::NumSlots;
    const unsigned long graphs = static_cast<unsigned long>(plotAxisInfo.size());
    if (numPlots > maxGraphs)
        errors.append(QStringLiteral("numPlots: %1 is more than the %2 graphs of a screen")
                          .arg(numPlots)
                          .arg(maxGraphs));
    if (graphs > maxGraphs)
        errors.append(QStringLiteral("plotAxisInfo: %1 graphs, more than the %2 of a screen")
                          .arg(graphs)
                          .arg(maxGraphs));
    // numPlots against the records is the dialog's matter, not the
    // drawing's: the engine draws the records there are.
    if (screenRefreshInterval == 0)
        errors.append(QStringLiteral("screenRefreshInterval: must be at least 1 ms"));
    if (dataSampleInterval == 0)
        errors.append(QStringLiteral("dataSampleInterval: must be at least 1 ms"));
    if (!isUnitCode(dataUnits))
        errors.append(QStringLiteral("dataUnits: %1 is not a unit code (0..3)")
                          .arg(static_cast<qint32>(dataUnits)));
    if (!isColourName(plotBgColorName))
        errors.append(
            QStringLiteral("plotBgColorName: \"%1\" is not a #rrggbb colour").arg(plotBgColorName));
    for (int g = 0; g < plotAxisInfo.size(); ++g)
        checkGraph(plotAxisInfo.at(g), g, &errors);
    return errors;
}

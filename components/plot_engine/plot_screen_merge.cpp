// Adopting what a configuration dialog emitted without losing what it
// could not show: a member takes the emitted value only when that value is
// not simply how the dialog showed the host's own.
#include <interfaces/plot_screen_merge.h>

#include <interfaces/plot_screen_info.h>

#include <QtGlobal>

namespace {

// What the dialog's fields can hold and how it writes them back.
const int ShownTextLength = Plot_Screen_Info::MaxTitleLength;
const int LargestShownFontPointSize = Plot_Screen_Info::MaxFontPointSize;
const unsigned long MostShownTicks = Plot_Screen_Info::MaxTicks;
const int LargestLineWidth = Plot_Screen_Info::MaxLineWidth;
const int LongestShownCometLength = Plot_Screen_Info::MaxCometLength;

bool sameColorName(const QString &a, const QString &b)
{
    return QColor(a).name() == QColor(b).name();
}

// The number as a field shows it.
double shownNumber(double value)
{
    return QString::number(value, 'g', Plot_Screen_Info::DialogSignificantDigits).toDouble();
}

int shownPattern(int pattern)
{
    return indexToLineStyle(lineStyleToIndex(pattern));
}

int shownLineWidth(int width)
{
    return qBound(0, width, LargestLineWidth);
}

bool sameShownFont(const QFont &host, const QFont &edited)
{
    const int size = host.pointSize() > 0 ? qMin(host.pointSize(), LargestShownFontPointSize) : 12;
    return edited.family() == host.family() && edited.pointSize() == size;
}

// host keeps its value unless the edited one is more than its shown form.
template<typename T, typename Same>
void adopt(T &host, const T &edited, Same sameAsShown)
{
    if (!sameAsShown(host, edited))
        host = edited;
}

template<typename T>
void adoptEqual(T &host, const T &edited)
{
    if (!(host == edited))
        host = edited;
}

void mergeAxis(Single_Axis_Info &host, const Single_Axis_Info &edited, bool isXAxis)
{
    adopt(host.axisColorName, edited.axisColorName, sameColorName);
    // An automatic range is written back empty: the stored one stays.
    if (!(host.autoRange && edited.autoRange)) {
        adopt(host.rangeMin, edited.rangeMin,
              [](double h, double e) { return shownNumber(h) == e; });
        adopt(host.rangeMax, edited.rangeMax,
              [](double h, double e) { return shownNumber(h) == e; });
    }
    adoptEqual(host.autoRange, edited.autoRange);
    const auto sameTicks = [](unsigned long h, unsigned long e) {
        return qMin(h, MostShownTicks) == e;
    };
    adopt(host.numMajorTicks, edited.numMajorTicks, sameTicks);
    adopt(host.numMinorTicks, edited.numMinorTicks, sameTicks);
    adoptEqual(host.label, edited.label);
    adopt(host.gridColorName, edited.gridColorName, sameColorName);
    adopt(host.gridLineStyle, edited.gridLineStyle,
          [](int h, int e) { return shownPattern(h) == e; });
    adopt(host.gridLineWidth, edited.gridLineWidth,
          [](int h, int e) { return shownLineWidth(h) == e; });
    // The X axis has no grid switch; its grid comes back drawn.
    if (!isXAxis || !edited.gridVisible)
        adoptEqual(host.gridVisible, edited.gridVisible);
}

QString channelPath(int graph, const char *kind, int row, const char *column)
{
    return QStringLiteral("Graph %1 / %2 %3 / %4")
        .arg(graph + 1)
        .arg(QLatin1String(kind))
        .arg(row + 1)
        .arg(QLatin1String(column));
}

// A stored name that the dialog showed as the first catalogue name starting
// with it: not the user's edit, but worth telling the host.
void mergeName(QString &host, const QString &edited, const QString &path, QStringList *replaced)
{
    if (host == edited)
        return;
    if (!host.isEmpty() && edited.startsWith(host, Qt::CaseInsensitive))
        replaced->append(QStringLiteral("%1: %2 -> %3").arg(path, host, edited));
    host = edited;
}

void mergeChannel(Plot_Channel_Info &host, const Plot_Channel_Info &edited, int graph,
                  const char *kind, int row, QStringList *replaced)
{
    mergeName(host.xVarName, edited.xVarName, channelPath(graph, kind, row, "X variable"), replaced);
    mergeName(host.yVarName, edited.yVarName, channelPath(graph, kind, row, "Y variable"), replaced);
    adoptEqual(host.useLeftAxis, edited.useLeftAxis);
    // Colour cells show the colour's name: the alpha is not theirs.
    adopt(host.lineColor, edited.lineColor,
          [](const QColor &h, const QColor &e) { return h.name() == e.name(); });
    adopt(host.lineStyle, edited.lineStyle, [](int h, int e) { return shownPattern(h) == e; });
    adopt(host.lineWidth, edited.lineWidth, [](int h, int e) { return shownLineWidth(h) == e; });
}

void mergeGraph(Plot_Axis_Info &host, const Plot_Axis_Info &edited, int graph, QStringList *replaced)
{
    mergeAxis(host.leftYAxis, edited.leftYAxis, false);
    mergeAxis(host.rightYAxis, edited.rightYAxis, false);
    mergeAxis(host.xAxis, edited.xAxis, true);
    // Entries past the counts are not channels: the stored ones stay.
    const int vars = int(qMin<unsigned long>(edited.numVarChannels, Plot_Axis_Info::MaxChannels));
    for (int r = 0; r < vars; ++r)
        mergeChannel(host.varChannels[r], edited.varChannels[r], graph, "channel", r, replaced);
    const int overlays =
        int(qMin<unsigned long>(edited.numOverlayChannels, Plot_Axis_Info::MaxChannels));
    for (int r = 0; r < overlays; ++r)
        mergeChannel(host.overlayChannels[r], edited.overlayChannels[r], graph, "overlay channel",
                     r, replaced);
    host.numVarChannels = edited.numVarChannels;
    host.numOverlayChannels = edited.numOverlayChannels;
    adoptEqual(host.showDatapoints, edited.showDatapoints);
    adoptEqual(host.showXYValues, edited.showXYValues);
    adoptEqual(host.overlayFileName, edited.overlayFileName);
    adopt(host.displayType, edited.displayType, [](int h, int e) {
        return (h == DisplayMarkerOnly || h == DisplayComet ? h : int(DisplayFullTrace)) == e;
    });
    // The comet length field holds an int up to 99.
    adopt(host.cometLength, edited.cometLength, [](qint64 h, qint64 e) {
        return qBound(0, static_cast<int>(h), LongestShownCometLength) == e;
    });
}

} // namespace

QStringList mergeDialogEdits(Plot_Screen_Info &host, const Plot_Screen_Info &edited)
{
    QStringList replaced;
    if (&host == &edited)
        return replaced;

    QVector<Plot_Axis_Info> graphs = edited.plotAxisInfo;
    for (int g = 0; g < graphs.size() && g < host.plotAxisInfo.size(); ++g) {
        Plot_Axis_Info merged = host.plotAxisInfo.at(g);
        mergeGraph(merged, graphs.at(g), g, &replaced);
        graphs[g] = merged;
    }
    host.plotAxisInfo = graphs;

    // Through the setters, so the host's screen hears of what changed.
    if (host.numPlots != edited.numPlots)
        host.setNumPlots(edited.numPlots);
    if (host.screenRefreshInterval != edited.screenRefreshInterval)
        host.setScreenRefreshInterval(edited.screenRefreshInterval);
    if (host.dataSampleInterval != edited.dataSampleInterval)
        host.setDataSampleInterval(edited.dataSampleInterval);
    if (host.dataStorage != edited.dataStorage)
        host.setDataStorage(edited.dataStorage);
    if (host.dataUnits != edited.dataUnits)
        host.setDataUnits(edited.dataUnits);
    if (!sameColorName(host.plotBgColorName, edited.plotBgColorName))
        host.setPlotBgColorName(edited.plotBgColorName);
    const auto sameShownText = [](const QString &h, const QString &e) {
        return h.left(ShownTextLength) == e;
    };
    if (!sameShownText(host.title, edited.title))
        host.setTitle(edited.title);
    if (!sameShownFont(host.titleFont, edited.titleFont))
        host.setTitleFont(edited.titleFont);
    if (!sameShownText(host.subtitle, edited.subtitle))
        host.setSubtitle(edited.subtitle);
    if (!sameShownFont(host.subtitleFont, edited.subtitleFont))
        host.setSubtitleFont(edited.subtitleFont);
    if (!sameShownText(host.note, edited.note))
        host.setNote(edited.note);
    if (!sameShownFont(host.noteFont, edited.noteFont))
        host.setNoteFont(edited.noteFont);
    if (host.showTitleSubtitle != edited.showTitleSubtitle)
        host.setShowTitleSubtitle(edited.showTitleSubtitle);
    if (host.showNote != edited.showNote)
        host.setShowNote(edited.showNote);
    if (host.condenseControls != edited.condenseControls)
        host.setCondenseControls(edited.condenseControls);
    if (host.legend != edited.legend)
        host.setLegend(edited.legend);
    if (host.configFileName != edited.configFileName)
        host.setConfigFileName(edited.configFileName);
    return replaced;
}

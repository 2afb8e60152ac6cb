// What changed between two plot screen descriptions, in the dialog's words,
// so that a host can show, name and log each Apply.
//
// Every member is compared, including those the dialog does not show: the
// list says what the screen file would say differently. Paths use the same
// words as the name report of mergeDialogEdits ("Graph 2 / channel 1 /
// X variable").
#include <interfaces/plot_screen_differences.h>

#include <interfaces/plot_screen_info.h>

#include <QLocale>

#include <cmath>

namespace {

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}
QString shownHidden(bool value)
{
    return value ? QStringLiteral("shown") : QStringLiteral("hidden");
}
QString onOff(bool value)
{
    return value ? QStringLiteral("on") : QStringLiteral("off");
}

QString text(const QString &value)
{
    return value.isEmpty() ? QStringLiteral("(empty)") : value;
}

// Shortest text that reads back as the same double, so that two values that
// differ never read the same.
QString number(double value)
{
    if (value == 0.0 && std::signbit(value))
        return QStringLiteral("-0");
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString unitName(qint64 code)
{
    switch (code) {
    case UnitSeconds:
        return QStringLiteral("seconds");
    case UnitMinutes:
        return QStringLiteral("minutes");
    case UnitHours:
        return QStringLiteral("hours");
    case UnitDays:
        return QStringLiteral("days");
    }
    return QStringLiteral("unit %1").arg(code);
}

QString lineStyleName(int pattern)
{
    switch (pattern) {
    case LineStyleSolid:
        return QStringLiteral("solid");
    case LineStyleDash:
        return QStringLiteral("dash");
    case LineStyleDot:
        return QStringLiteral("dot");
    case LineStyleDashDot:
        return QStringLiteral("dash-dot");
    }
    return QStringLiteral("pattern 0x%1").arg(uint(pattern), 0, 16);
}

QString displayTypeName(int code)
{
    switch (code) {
    case DisplayFullTrace:
        return QStringLiteral("Full Trace");
    case DisplayMarkerOnly:
        return QStringLiteral("Marker Only");
    case DisplayComet:
        return QStringLiteral("Comet");
    }
    return QStringLiteral("display type %1").arg(code);
}

QString colourName(const QColor &colour)
{
    if (!colour.isValid())
        return QStringLiteral("(none)");
    return colour.name(colour.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

// The attributes the screen file keeps, so that fonts that differ read
// differently.
QString fontText(const QFont &font)
{
    QStringList parts{text(font.family())};
    parts.append(font.pixelSize() > 0 ? QStringLiteral("%1 px").arg(font.pixelSize())
                                      : QStringLiteral("%1 pt").arg(number(font.pointSizeF())));
    if (font.weight() != QFont::Normal)
        parts.append(QStringLiteral("weight %1").arg(font.weight()));
    if (font.italic())
        parts.append(QStringLiteral("italic"));
    if (font.underline())
        parts.append(QStringLiteral("underline"));
    if (font.strikeOut())
        parts.append(QStringLiteral("strike-out"));
    return parts.join(QStringLiteral(", "));
}

bool same(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

bool same(const QFont &a, const QFont &b)
{
    return a == b && a.family() == b.family() && a.pixelSize() == b.pixelSize()
           && same(a.pointSizeF(), b.pointSizeF()) && a.weight() == b.weight()
           && a.italic() == b.italic() && a.underline() == b.underline()
           && a.strikeOut() == b.strikeOut();
}

template<typename T>
bool same(const T &a, const T &b)
{
    return a == b;
}

class Collector
{
public:
    QVector<PlotScreenDifference> list;

    // Adds path when a and b differ, each shown by format.
    template<typename T, typename Format>
    void check(const QString &path, const T &a, const T &b, Format format)
    {
        if (!same(a, b))
            list.append({path, format(a), format(b), PlotScreenDifference::Changed});
    }

    template<typename T>
    void check(const QString &path, const T &a, const T &b)
    {
        check(path, a, b, [](const T &v) { return QStringLiteral("%1").arg(v); });
    }

    void check(const QString &path, double a, double b) { check(path, a, b, number); }
    void check(const QString &path, const QString &a, const QString &b) { check(path, a, b, text); }

    void axis(const QString &p, const Single_Axis_Info &a, const Single_Axis_Info &b)
    {
        check(p + QStringLiteral(" / colour"), a.axisColorName, b.axisColorName);
        check(p + QStringLiteral(" / range min"), a.rangeMin, b.rangeMin);
        check(p + QStringLiteral(" / range max"), a.rangeMax, b.rangeMax);
        check(p + QStringLiteral(" / auto range"), a.autoRange, b.autoRange, onOff);
        check(p + QStringLiteral(" / major ticks"), a.numMajorTicks, b.numMajorTicks);
        check(p + QStringLiteral(" / minor ticks"), a.numMinorTicks, b.numMinorTicks);
        check(p + QStringLiteral(" / label"), a.label, b.label);
        check(p + QStringLiteral(" / grid colour"), a.gridColorName, b.gridColorName);
        check(p + QStringLiteral(" / grid line style"), a.gridLineStyle, b.gridLineStyle,
              lineStyleName);
        check(p + QStringLiteral(" / grid line width"), a.gridLineWidth, b.gridLineWidth);
        check(p + QStringLiteral(" / grid"), a.gridVisible, b.gridVisible, shownHidden);
        check(p + QStringLiteral(" / range units"), a.rangeUnits, b.rangeUnits,
              [](int code) { return unitName(code); });
    }

    void channel(const QString &p, const Plot_Channel_Info &a, const Plot_Channel_Info &b)
    {
        check(p + QStringLiteral(" / Y variable"), a.yVarName, b.yVarName);
        check(p + QStringLiteral(" / Y axis"), a.useLeftAxis, b.useLeftAxis,
              [](bool left) { return left ? QStringLiteral("left") : QStringLiteral("right"); });
        check(p + QStringLiteral(" / drawn"), a.visible, b.visible, yesNo);
        check(p + QStringLiteral(" / colour"), a.lineColor, b.lineColor, colourName);
        check(p + QStringLiteral(" / line style"), a.lineStyle, b.lineStyle, lineStyleName);
        check(p + QStringLiteral(" / line width"), a.lineWidth, b.lineWidth);
        check(p + QStringLiteral(" / marker size"), double(a.markerSize), double(b.markerSize));
        check(p + QStringLiteral(" / X variable"), a.xVarName, b.xVarName);
    }

    void graph(int g, const Plot_Axis_Info &a, const Plot_Axis_Info &b)
    {
        const QString p = QStringLiteral("Graph %1 / ").arg(g + 1);
        axis(p + QStringLiteral("Y axis (left)"), a.leftYAxis, b.leftYAxis);
        axis(p + QStringLiteral("Y axis (right)"), a.rightYAxis, b.rightYAxis);
        axis(p + QStringLiteral("X axis"), a.xAxis, b.xAxis);
        for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r)
            channel(p + QStringLiteral("channel %1").arg(r + 1), a.varChannels[r], b.varChannels[r]);
        for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r)
            channel(p + QStringLiteral("overlay channel %1").arg(r + 1), a.overlayChannels[r],
                    b.overlayChannels[r]);
        check(p + QStringLiteral("channels in use"), a.numVarChannels, b.numVarChannels);
        check(p + QStringLiteral("overlay channels in use"), a.numOverlayChannels,
              b.numOverlayChannels);
        check(p + QStringLiteral("trace mode"), a.traceMode, b.traceMode);
        check(p + QStringLiteral("Datapoints"), a.showDatapoints, b.showDatapoints, shownHidden);
        check(p + QStringLiteral("XY Values"), a.showXYValues, b.showXYValues, shownHidden);
        check(p + QStringLiteral("overlay file"), a.overlayFileName, b.overlayFileName);
        check(p + QStringLiteral("engine state"), a.engineState, b.engineState);
        check(p + QStringLiteral("first sample time"), a.firstSampleTime, b.firstSampleTime);
        check(p + QStringLiteral("last sample time"), a.lastSampleTime, b.lastSampleTime);
        check(p + QStringLiteral("overlay state"), a.overlayState, b.overlayState);
        check(p + QStringLiteral("overlay first time"), a.overlayFirstTime, b.overlayFirstTime);
        check(p + QStringLiteral("overlay last time"), a.overlayLastTime, b.overlayLastTime);
        check(p + QStringLiteral("pan state"), a.panState, b.panState);
        check(p + QStringLiteral("zoom state"), a.zoomState, b.zoomState);
        check(p + QStringLiteral("pan offset"), a.panOffset, b.panOffset);
        check(p + QStringLiteral("zoom offset"), a.zoomOffset, b.zoomOffset);
        check(p + QStringLiteral("engine dirty"), a.engineDirty, b.engineDirty, yesNo);
        check(p + QStringLiteral("display type"), a.displayType, b.displayType, displayTypeName);
        check(p + QStringLiteral("comet length"), a.cometLength, b.cometLength,
              [](qint64 s) { return QStringLiteral("%1 s").arg(s); });
        check(p + QStringLiteral("time scale numerator"), a.timeScaleNumerator,
              b.timeScaleNumerator);
        check(p + QStringLiteral("time scale denominator"), a.timeScaleDenominator,
              b.timeScaleDenominator);
        check(p + QStringLiteral("auto scroll"), a.autoScroll, b.autoScroll, onOff);
    }
};

QString milliseconds(unsigned long ms)
{
    return QStringLiteral("%1 ms").arg(ms);
}

} // namespace

QVector<PlotScreenDifference> plotScreenDifferences(const Plot_Screen_Info &before,
                                                    const Plot_Screen_Info &after)
{
    Collector c;
    const int common = qMin(before.plotAxisInfo.size(), after.plotAxisInfo.size());
    for (int g = 0; g < common; ++g)
        c.graph(g, before.plotAxisInfo.at(g), after.plotAxisInfo.at(g));
    for (int g = common; g < after.plotAxisInfo.size(); ++g)
        c.list.append({QStringLiteral("Graph %1").arg(g + 1), QString(), QString(),
                       PlotScreenDifference::GraphAdded});
    for (int g = common; g < before.plotAxisInfo.size(); ++g)
        c.list.append({QStringLiteral("Graph %1").arg(g + 1), QString(), QString(),
                       PlotScreenDifference::GraphRemoved});

    const Plot_Screen_Info &a = before;
    const Plot_Screen_Info &b = after;
    c.check(QStringLiteral("Graphs shown"), a.numPlots, b.numPlots);
    c.check(QStringLiteral("Refresh interval"), a.screenRefreshInterval, b.screenRefreshInterval,
            milliseconds);
    c.check(QStringLiteral("Sample interval"), a.dataSampleInterval, b.dataSampleInterval,
            milliseconds);
    c.check(QStringLiteral("Data storage"), a.dataStorage, b.dataStorage,
            [](unsigned long s) { return QStringLiteral("%1 s").arg(s); });
    c.check(QStringLiteral("Data storage units"), a.dataUnits, b.dataUnits,
            [](UnitType code) { return unitName(code); });
    c.check(QStringLiteral("Screen id"), a.screenId, b.screenId);
    c.check(QStringLiteral("Last saved time"), a.lastSavedTime, b.lastSavedTime);
    c.check(QStringLiteral("Background colour"), a.plotBgColorName, b.plotBgColorName);
    c.check(QStringLiteral("Title"), a.title, b.title);
    c.check(QStringLiteral("Title font"), a.titleFont, b.titleFont, fontText);
    c.check(QStringLiteral("Subtitle"), a.subtitle, b.subtitle);
    c.check(QStringLiteral("Subtitle font"), a.subtitleFont, b.subtitleFont, fontText);
    c.check(QStringLiteral("Note"), a.note, b.note);
    c.check(QStringLiteral("Note font"), a.noteFont, b.noteFont, fontText);
    c.check(QStringLiteral("Title bar"), a.showTitleSubtitle, b.showTitleSubtitle, shownHidden);
    c.check(QStringLiteral("Note shown"), a.showNote, b.showNote, yesNo);
    c.check(QStringLiteral("Condensed controls"), a.condenseControls, b.condenseControls, yesNo);
    c.check(QStringLiteral("Legend"), a.legend, b.legend, shownHidden);
    c.check(QStringLiteral("Configuration file"), a.configFileName, b.configFileName);
    return c.list;
}

QStringList plotScreenDifferenceLines(const Plot_Screen_Info &before, const Plot_Screen_Info &after)
{
    QStringList lines;
    for (const PlotScreenDifference &d : plotScreenDifferences(before, after))
        lines.append(d.toString());
    return lines;
}

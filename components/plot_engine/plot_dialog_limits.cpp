// What the configuration dialog would change in a description on OK
// without an edit: values beyond the reach of its fields and lists, and
// members it does not show and so writes back at their defaults.
#include <interfaces/plot_screen_info.h>

#include <cmath>

namespace {

using Screen = Plot_Screen_Info;

// The text a real-number field shows for value, read back as the dialog
// reads it.
double asShown(double value)
{
    return QString::number(value, 'g', Screen::DialogSignificantDigits).toDouble();
}

void checkText(const QString &text, const QString &where, int maxLength, QStringList *changes)
{
    if (text.size() > maxLength)
        changes->append(QStringLiteral("%1: %2 characters; the dialog keeps the first %3")
                            .arg(where)
                            .arg(text.size())
                            .arg(maxLength));
}

void checkFont(const QFont &font, const QString &where, QStringList *changes)
{
    // Only family and whole point size reach the stored font; the rest
    // comes back as the engine's default font has it.
    const QFont plain(QStringLiteral("Sans Serif"), 12);
    if (font.pointSizeF() <= 0.0)
        changes->append(QStringLiteral("%1: sized in pixels (%2 px); the dialog stores %3 points")
                            .arg(where)
                            .arg(font.pixelSize())
                            .arg(plain.pointSize()));
    else if (font.pointSize() > Screen::MaxFontPointSize)
        changes->append(QStringLiteral("%1.pointSize: %2 is more than %3; the dialog stores %3")
                            .arg(where)
                            .arg(font.pointSize())
                            .arg(int(Screen::MaxFontPointSize)));
    else if (font.pointSizeF() != double(font.pointSize()))
        changes->append(
            QStringLiteral("%1.pointSize: %2 is not a whole point size; the dialog stores %3")
                .arg(where)
                .arg(font.pointSizeF())
                .arg(font.pointSize()));
    if (font.weight() != plain.weight())
        changes->append(QStringLiteral("%1.weight: %2; the dialog stores %3 (normal)")
                            .arg(where)
                            .arg(font.weight())
                            .arg(plain.weight()));
    if (font.italic() != plain.italic())
        changes->append(
            QStringLiteral("%1.italic: true; the dialog stores upright text").arg(where));
    if (font.underline() != plain.underline())
        changes->append(
            QStringLiteral("%1.underline: true; the dialog stores no underline").arg(where));
    if (font.strikeOut() != plain.strikeOut())
        changes->append(
            QStringLiteral("%1.strikeOut: true; the dialog stores no strike-out").arg(where));
    if (font.overline() != plain.overline())
        changes->append(
            QStringLiteral("%1.overline: true; the dialog stores no overline").arg(where));
}

void checkLineWidth(int width, const QString &where, QStringList *changes)
{
    if (width < 0 || width > Screen::MaxLineWidth)
        changes->append(QStringLiteral("%1: %2 is outside the line width field's 0..%3")
                            .arg(where)
                            .arg(width)
                            .arg(int(Screen::MaxLineWidth)));
}

void checkRangeEnd(double value, const QString &where, QStringList *changes)
{
    if (std::isfinite(value) && asShown(value) != value)
        changes->append(
            QStringLiteral("%1: %2 has more than the %3 significant digits the range field shows; "
                           "the dialog stores %4")
                .arg(where)
                .arg(value, 0, 'g', 17)
                .arg(int(Screen::DialogSignificantDigits))
                .arg(asShown(value), 0, 'g', 17));
}

void checkAxis(const Single_Axis_Info &axis, const QString &where, bool isXAxis,
               QStringList *changes)
{
    if (axis.autoRange) {
        // An automatic range is not applied, so the dialog does not keep it.
        if (axis.rangeMin != 0.0 || axis.rangeMax != 0.0)
            changes->append(
                QStringLiteral(
                    "%1.rangeMin..rangeMax: %2..%3 with autoRange on; the dialog stores 0..0")
                    .arg(where)
                    .arg(axis.rangeMin)
                    .arg(axis.rangeMax));
    } else {
        checkRangeEnd(axis.rangeMin, where + QStringLiteral(".rangeMin"), changes);
        checkRangeEnd(axis.rangeMax, where + QStringLiteral(".rangeMax"), changes);
    }
    checkText(axis.label, where + QStringLiteral(".label"), Screen::MaxLabelLength, changes);
    checkLineWidth(axis.gridLineWidth, where + QStringLiteral(".gridLineWidth"), changes);
    if (isXAxis && !axis.gridVisible)
        changes->append(QStringLiteral("%1.gridVisible: false; the X axis table has no grid "
                                       "switch, the dialog stores true")
                            .arg(where));
    if (axis.rangeUnits != UnitSeconds)
        changes->append(
            QStringLiteral("%1.rangeUnits: %2; the axis tables do not show it, the dialog stores 0")
                .arg(where)
                .arg(axis.rangeUnits));
}

void checkChannel(const Plot_Channel_Info &channel, const QString &where, bool overlay,
                  QStringList *changes)
{
    if (overlay) {
        // The empty entry of an overlay list stands for no channel.
        if (channel.xVarName.isEmpty())
            changes->append(
                QStringLiteral("%1.xVarName: empty; the dialog then stores numOverlayChannels 0")
                    .arg(where));
    } else if (channel.xVarName.isEmpty() || channel.yVarName.isEmpty()) {
        changes->append(QStringLiteral("%1.%2: empty; the variable list offers no empty name")
                            .arg(where, channel.xVarName.isEmpty() ? QStringLiteral("xVarName")
                                                                   : QStringLiteral("yVarName")));
    }
    if (channel.lineColor.isValid() && channel.lineColor.alpha() != 255)
        changes->append(QStringLiteral("%1.lineColor: alpha %2; the colour field holds #rrggbb, "
                                       "the dialog stores alpha 255")
                            .arg(where)
                            .arg(channel.lineColor.alpha()));
    checkLineWidth(channel.lineWidth, where + QStringLiteral(".lineWidth"), changes);
    const Plot_Channel_Info plain;
    if (channel.visible != plain.visible)
        changes->append(
            QStringLiteral("%1.visible: false; the dialog does not show it and stores true")
                .arg(where));
    if (channel.markerSize != plain.markerSize)
        changes->append(
            QStringLiteral("%1.markerSize: %2; the dialog does not show it and stores %3")
                .arg(where)
                .arg(double(channel.markerSize))
                .arg(double(plain.markerSize)));
}

void checkGraph(const Plot_Axis_Info &graph, int index, QStringList *changes)
{
    const QString where = QStringLiteral("Graph %1 (plotAxisInfo[%2])").arg(index + 1).arg(index);
    checkAxis(graph.leftYAxis, where + QStringLiteral(".leftYAxis"), false, changes);
    checkAxis(graph.rightYAxis, where + QStringLiteral(".rightYAxis"), false, changes);
    checkAxis(graph.xAxis, where + QStringLiteral(".xAxis"), true, changes);
    const unsigned long maxChannels = Plot_Axis_Info::MaxChannels;
    for (unsigned long r = 0; r < qMin(graph.numVarChannels, maxChannels); ++r)
        checkChannel(graph.varChannels[r], where + QStringLiteral(".varChannels[%1]").arg(r), false,
                     changes);
    for (unsigned long r = 0; r < qMin(graph.numOverlayChannels, maxChannels); ++r)
        checkChannel(graph.overlayChannels[r],
                     where + QStringLiteral(".overlayChannels[%1]").arg(r), true, changes);
    if (graph.cometLength < 0 || graph.cometLength > Screen::MaxCometLength)
        changes->append(
            QStringLiteral("%1.cometLength: %2 is outside the comet length field's 0..%3")
                .arg(where)
                .arg(graph.cometLength)
                .arg(int(Screen::MaxCometLength)));
}

} // namespace

QStringList Plot_Screen_Info::dialogChanges() const
{
    QStringList changes;
    const unsigned long records = static_cast<unsigned long>(plotAxisInfo.size());
    if (numPlots < static_cast<unsigned long>(MinDialogGraphs)
        || numPlots > static_cast<unsigned long>(MaxDialogGraphs)) {
        // The dialog always keeps the Graph 1 tab, so 0 comes back as 1.
        changes.append(QStringLiteral("numPlots: %1 is outside the dialog's %2..%3 graphs")
                           .arg(numPlots)
                           .arg(int(MinDialogGraphs))
                           .arg(int(MaxDialogGraphs)));
    } else if (records > numPlots) {
        changes.append(
            QStringLiteral(
                "plotAxisInfo: %1 records for numPlots %2; the dialog drops records %3..%1")
                .arg(records)
                .arg(numPlots)
                .arg(numPlots + 1));
    } else if (records < numPlots) {
        changes.append(
            QStringLiteral(
                "plotAxisInfo: %1 records for numPlots %2; the dialog adds default graphs %3..%2")
                .arg(records)
                .arg(numPlots)
                .arg(records + 1));
    }

    const int maxText = MaxTitleLength;
    checkText(title, QStringLiteral("title"), maxText, &changes);
    checkFont(titleFont, QStringLiteral("titleFont"), &changes);
    checkText(subtitle, QStringLiteral("subtitle"), maxText, &changes);
    checkFont(subtitleFont, QStringLiteral("subtitleFont"), &changes);
    checkText(note, QStringLiteral("note"), maxText, &changes);
    checkFont(noteFont, QStringLiteral("noteFont"), &changes);

    const double sampleMs = static_cast<double>(dataSampleInterval);
    if (asShown(sampleMs) != sampleMs)
        changes.append(
            QStringLiteral(
                "dataSampleInterval: %1 ms has more than the %2 significant digits its field "
                "shows; the dialog stores %3")
                .arg(dataSampleInterval)
                .arg(int(DialogSignificantDigits))
                .arg(asShown(sampleMs), 0, 'f', 0));
    const qint32 unit = static_cast<qint32>(dataUnits);
    if (unit < 0 || unit >= int(DialogStorageUnits)) {
        changes.append(
            QStringLiteral("dataUnits: %1 is not in the storage unit list (0 seconds, 1 minutes, "
                           "2 hours)")
                .arg(unit));
    } else {
        // Shown in its unit with six significant digits, stored back in
        // whole seconds.
        const double perUnit = static_cast<double>(secondsPerUnit(dataUnits));
        const double stored =
            std::round(asShown(convertSecondsToUnit(double(dataStorage), dataUnits)) * perUnit);
        if (stored != static_cast<double>(dataStorage))
            changes.append(
                QStringLiteral("dataStorage: %1 s is shown with %2 significant digits; the dialog "
                               "stores %3 s")
                    .arg(dataStorage)
                    .arg(int(DialogSignificantDigits))
                    .arg(stored, 0, 'f', 0));
    }

    const int shown = static_cast<int>(
        qMin(qMin(records, numPlots), static_cast<unsigned long>(MaxDialogGraphs)));
    for (int g = 0; g < shown; ++g)
        checkGraph(plotAxisInfo.at(g), g, &changes);
    return changes;
}

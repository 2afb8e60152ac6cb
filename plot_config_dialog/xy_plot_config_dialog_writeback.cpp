// Building a new plot screen description from what the dialog shows.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"
#include "xy_plot_config_dialog_exchange.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <cmath>
#include <limits>

#include <interfaces/base_plot_frame_tab.h>
#include <interfaces/spreadsheet.h>

using PlotExchange::cell;

namespace {

const int MaxFontPointSize = Plot_Screen_Info::MaxFontPointSize;
const unsigned long MaxTicks = Plot_Screen_Info::MaxTicks;
// Trace mode the plot engine expects of every graph this dialog configured.
const int TraceModeOfConfiguredGraph = 4;

// The number in a rate or storage field times factor, rounded to the
// nearest whole unit. Text that is not a non-negative finite number, and a
// result the member cannot hold, give 0.
unsigned long roundedField(const QString &text, double factor)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || !(value >= 0.0))
        return 0;
    const double rounded = std::round(value * factor);
    // 2^64 for a 64-bit member; every double below it converts exactly.
    const double limit = std::ldexp(1.0, std::numeric_limits<unsigned long>::digits);
    if (!(rounded < limit))
        return 0;
    return static_cast<unsigned long>(rounded);
}

// Only family and point size are taken over; the plot engine draws the
// texts with its own weight and slant, and larger sizes do not fit the
// title bar.
QFont cappedFont(QFont stored, const QFont &edited)
{
    stored.setFamily(edited.family());
    // pointSize() is -1 for a font sized in pixels; the stored size stays.
    const int size = qMin(edited.pointSize(), MaxFontPointSize);
    if (size > 0)
        stored.setPointSize(size);
    return stored;
}

unsigned long tickCount(const QString &text)
{
    return qMin<unsigned long>(text.toUInt(nullptr, 10), MaxTicks);
}

void readRangeAndTicks(LineEdit_LineEditWidget *range, LineEdit_LineEditWidget *ticks,
                       Single_Axis_Info &axis)
{
    // An automatic range is not applied, so its fields are not kept.
    axis.rangeMin = 0.0;
    axis.rangeMax = 0.0;
    if (range && !axis.autoRange) {
        axis.rangeMin = range->getLineEditText(0).toDouble();
        axis.rangeMax = range->getLineEditText(1).toDouble();
    }
    if (ticks) {
        axis.numMajorTicks = tickCount(ticks->getLineEditText(0));
        axis.numMinorTicks = tickCount(ticks->getLineEditText(1));
    }
}

void readStyle(Combo_SpinBoxWidget *style, int &pattern, int &width)
{
    if (!style)
        return;
    pattern = indexToLineStyle(style->getComboBoxCurrentIndex());
    width = style->getSpinBoxValue();
}

Single_Axis_Info readYAxisRow(Spreadsheet *table, int row, Single_Axis_Info axis)
{
    if (auto *color = cell<LineEditColorWidget>(table, row, 1))
        axis.axisColorName = color->getBGStyleSheet();
    if (auto *autoRange = cell<CheckBoxWidget>(table, row, 2))
        axis.autoRange = autoRange->getCheckBoxTrue();
    readRangeAndTicks(cell<LineEdit_LineEditWidget>(table, row, 3),
                      cell<LineEdit_LineEditWidget>(table, row, 4), axis);
    if (auto *label = cell<LineEditWidget>(table, row, 5))
        axis.label = label->getLineEditText();
    if (auto *grid = cell<LineEditColorWidget>(table, row, 6)) {
        axis.gridColorName = grid->getBGStyleSheet();
        axis.gridVisible = grid->getGridVisible();
    }
    readStyle(cell<Combo_SpinBoxWidget>(table, row, 7), axis.gridLineStyle, axis.gridLineWidth);
    return axis;
}

// The X axis table has no grid switch: its grid is always drawn.
Single_Axis_Info readXAxisRow(Spreadsheet *table, Single_Axis_Info axis)
{
    if (auto *autoRange = cell<CheckBoxWidget>(table, 0, 0))
        axis.autoRange = autoRange->getCheckBoxTrue();
    readRangeAndTicks(cell<LineEdit_LineEditWidget>(table, 0, 1),
                      cell<LineEdit_LineEditWidget>(table, 0, 2), axis);
    if (auto *color = cell<LineEditColorWidget>(table, 0, 3))
        axis.axisColorName = color->getBGStyleSheet();
    if (auto *label = cell<LineEditWidget>(table, 0, 4))
        axis.label = label->getLineEditText();
    if (auto *grid = cell<LineEditColorWidget>(table, 0, 5))
        axis.gridColorName = grid->getBGStyleSheet();
    readStyle(cell<Combo_SpinBoxWidget>(table, 0, 6), axis.gridLineStyle, axis.gridLineWidth);
    return axis;
}

// Colour (column 3, read first), axis side (column 2), style and width
// (column 4) of a channel row.
void readChannelLine(Spreadsheet *table, int row, Plot_Channel_Info &channel)
{
    if (auto *color = cell<LineEditColorWidget>(table, row, 3))
        channel.lineColor.setNamedColor(color->getBGStyleSheet());
    if (auto *side = cell<IconButtonWidget>(table, row, 2))
        channel.useLeftAxis = side->getLeftSelected();
    readStyle(cell<Combo_SpinBoxWidget>(table, row, 4), channel.lineStyle, channel.lineWidth);
}

} // namespace

void XY_Plot_Config_Dialog::writeScreenInfoToDataStructure()
{
    // A description the host never received is of no use to anyone once a
    // newer one replaces it.
    if (psi && !psiHandedOut)
        delete psi;
    psi = new Plot_Screen_Info;
    psiHandedOut = false;

    const Base_Plot_Frame_Tab *frame = ui->plot_frame_tab;
    const int maxText = Plot_Screen_Info::MaxTitleLength;
    psi->setConfigFileName(getConfigFilename());
    psi->setTitle(frame->getTitle().left(maxText));
    psi->setTitleFont(cappedFont(psi->titleFont, frame->getTitleFont()));
    psi->setSubtitle(frame->getSubtitle().left(maxText));
    psi->setSubtitleFont(cappedFont(psi->subtitleFont, frame->getSubtitleFont()));
    psi->setNote(frame->getNote().left(maxText));
    psi->setNoteFont(cappedFont(psi->noteFont, frame->getNoteFont()));
    psi->setLegend(frame->getShowLegend());
    // The "All" page is no graph.
    psi->setNumPlots(static_cast<unsigned long>(qMax(0, ui->plotConfigTabs->count() - 1)));
    psi->setScreenRefreshInterval(roundedField(ui->lineEditScreenRefreshInterval->text(), 1.0));
    psi->setDataSampleInterval(roundedField(ui->lineEditDataSampleInterval->text(), 1.0));
    psi->setShowTitleSubtitle(frame->getShowTitleBar());
    psi->setShowNote(frame->getShowNote());
    psi->setCondenseControls(frame->getCondensedControls());
    psi->setDataUnits(static_cast<UnitType>(ui->cmbDataStorageUnits->currentIndex()));
    // The storage period is kept in seconds whatever unit shows it.
    const qint64 unitSeconds = secondsPerUnit(psi->dataUnits);
    psi->setDataStorage(roundedField(ui->lineEditDataStorage->text(),
                                     unitSeconds > 0 ? static_cast<double>(unitSeconds) : 1.0));
    psi->setPlotBgColorName(frame->getColor().name());

    for (int g = 0; g < plotVisible.size(); ++g) {
        if (!plotVisible.testBit(g))
            continue;
        Plot_Axis_Info record;

        if (Spreadsheet *yAxes = yAxesSpreadsheets.value(g)) {
            record.leftYAxis = readYAxisRow(yAxes, 0, record.leftYAxis);
            record.rightYAxis = readYAxisRow(yAxes, 1, record.rightYAxis);
        }
        if (Spreadsheet *xAxis = xAxisSpreadsheets.value(g))
            record.xAxis = readXAxisRow(xAxis, record.xAxis);

        // Row r goes to record r; rows past the records' capacity are not kept.
        if (Spreadsheet *vars = xyVarSpreadsheets.value(g)) {
            const int count = PlotExchange::channelRows(
                static_cast<unsigned long>(qMax(0, getNumVarChannelsForPlot(g))));
            record.numVarChannels = static_cast<unsigned long>(count);
            for (int r = 0; r < count; ++r) {
                auto *x = cell<ZelVariable>(vars, r, 0);
                if (!x || x->comboBox()->currentIndex() < 0)
                    continue;
                Plot_Channel_Info channel;
                channel.xVarName = x->comboBox()->currentText();
                if (auto *y = cell<ZelVariable>(vars, r, 1))
                    channel.yVarName = y->comboBox()->currentText();
                readChannelLine(vars, r, channel);
                record.varChannels[r] = channel;
            }
        }

        if (Spreadsheet *overlay = xyOverlaySpreadsheets.value(g)) {
            const int count = PlotExchange::channelRows(
                static_cast<unsigned long>(qMax(0, getNumOverlayChannelsForPlot(g))));
            record.numOverlayChannels = static_cast<unsigned long>(count);
            for (int r = 0; r < count; ++r) {
                auto *x = cell<ComboBoxWidget>(overlay, r, 0);
                if (!x || x->getComboBoxCurrentIndex() < 0)
                    continue;
                Plot_Channel_Info channel;
                channel.xVarName = x->getComboBoxCurrentText();
                // The empty entry stands for no channel: the graph then has
                // no usable overlay.
                if (channel.xVarName.isEmpty())
                    record.numOverlayChannels = 0;
                if (auto *y = cell<ComboBoxWidget>(overlay, r, 1))
                    channel.yVarName = y->getComboBoxCurrentText();
                readChannelLine(overlay, r, channel);
                record.overlayChannels[r] = channel;
            }
        }

        if (QRadioButton *show = datapointShowRadios.value(g))
            record.showDatapoints = show->isChecked();
        if (QRadioButton *show = xyValuesShowRadios.value(g))
            record.showXYValues = show->isChecked();
        if (QSpinBox *cometLength = cometLengthSpins.value(g))
            record.cometLength = cometLength->value();
        record.overlayFileName = overlayFilenames.value(g);
        const int displayType = displayTypeCombos.value(g)
                                    ? displayTypeCombos.value(g)->currentIndex()
                                    : DisplayFullTrace;
        record.displayType = (displayType == DisplayMarkerOnly || displayType == DisplayComet)
                                 ? displayType
                                 : DisplayFullTrace;
        record.traceMode = TraceModeOfConfiguredGraph;
        psi->plotAxisInfo.append(record);
    }
}

// Loading the dialog's widgets from a plot screen description.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"
#include "overlay_files.h"
#include "xy_plot_config_dialog_exchange.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <interfaces/base_plot_frame_tab.h>
#include <interfaces/spreadsheet.h>

using PlotExchange::cell;
using PlotExchange::realText;
using PlotExchange::wholeText;

namespace {

bool bitSet(const QBitArray &bits, int index)
{
    return index < bits.size() && bits.testBit(index);
}

void loadRange(LineEdit_LineEditWidget *range, const Single_Axis_Info &axis)
{
    if (!range)
        return;
    range->setLineEditText(0, realText(axis.rangeMin));
    range->setLineEditText(1, realText(axis.rangeMax));
}

void loadTicks(LineEdit_LineEditWidget *ticks, const Single_Axis_Info &axis)
{
    if (!ticks)
        return;
    ticks->setLineEditText(0, wholeText(axis.numMajorTicks));
    ticks->setLineEditText(1, wholeText(axis.numMinorTicks));
}

void loadStyle(Combo_SpinBoxWidget *style, int pattern, int width)
{
    if (!style)
        return;
    style->setComboBoxCurrentIndex(lineStyleToIndex(pattern));
    style->setSpinBoxValue(width);
}

// Row 0 of a Y axes table is the left axis, row 1 the right one.
void loadYAxisRow(Spreadsheet *table, int row, const Single_Axis_Info &axis)
{
    if (auto *side = cell<IconButtonWidget>(table, row, 0))
        side->setLeftSelected(row == 0);
    if (auto *color = cell<LineEditColorWidget>(table, row, 1))
        color->setBGStyleSheet(axis.axisColorName);
    auto *autoRange = cell<CheckBoxWidget>(table, row, 2);
    if (autoRange)
        autoRange->setCheckBoxTrue(axis.autoRange);
    auto *range = cell<LineEdit_LineEditWidget>(table, row, 3);
    loadRange(range, axis);
    loadTicks(cell<LineEdit_LineEditWidget>(table, row, 4), axis);
    if (range && autoRange) {
        // An automatic range ignores the fields, so they are not editable.
        const bool editable = !autoRange->getCheckBoxTrue();
        range->setLineEditBoxEnabled(0, editable);
        range->setLineEditBoxEnabled(1, editable);
    }
    if (auto *label = cell<LineEditWidget>(table, row, 5))
        label->setLineEditText(axis.label);
    if (auto *grid = cell<LineEditColorWidget>(table, row, 6)) {
        grid->setBGStyleSheet(axis.gridColorName);
        grid->setGridVisible(axis.gridVisible);
        grid->setCheckBoxChecked(grid->getGridVisible());
    }
    loadStyle(cell<Combo_SpinBoxWidget>(table, row, 7), axis.gridLineStyle, axis.gridLineWidth);
}

void loadXAxisRow(Spreadsheet *table, const Single_Axis_Info &axis)
{
    if (auto *autoRange = cell<CheckBoxWidget>(table, 0, 0))
        autoRange->setCheckBoxTrue(axis.autoRange);
    loadRange(cell<LineEdit_LineEditWidget>(table, 0, 1), axis);
    loadTicks(cell<LineEdit_LineEditWidget>(table, 0, 2), axis);
    if (auto *color = cell<LineEditColorWidget>(table, 0, 3))
        color->setBGStyleSheet(axis.axisColorName);
    if (auto *label = cell<LineEditWidget>(table, 0, 4))
        label->setLineEditText(axis.label);
    if (auto *grid = cell<LineEditColorWidget>(table, 0, 5))
        grid->setBGStyleSheet(axis.gridColorName);
    loadStyle(cell<Combo_SpinBoxWidget>(table, 0, 6), axis.gridLineStyle, axis.gridLineWidth);
}

// Axis side, colour, style and width: columns 2 to 4 of both channel tables.
void loadChannelLine(Spreadsheet *table, int row, const Plot_Channel_Info &channel)
{
    if (auto *side = cell<IconButtonWidget>(table, row, 2))
        side->setLeftSelected(channel.useLeftAxis);
    if (auto *color = cell<LineEditColorWidget>(table, row, 3))
        color->setBGStyleSheet(channel.lineColor.name());
    loadStyle(cell<Combo_SpinBoxWidget>(table, row, 4), channel.lineStyle, channel.lineWidth);
}

// Selects the first catalogue entry that starts with name, case-sensitively:
// a stored name may be the stem of a longer catalogue name.
void selectVariable(ZelVariable *selector, const QString &name)
{
    if (selector)
        selector->comboBox()->setCurrentIndex(
            ZelVariable::findFirstStartingWith(name, Qt::CaseSensitive));
}

void selectChannel(ComboBoxWidget *selector, const QString &name)
{
    if (selector)
        selector->setComboBoxCurrentIndex(selector->findIndex(name));
}

// Appends rows with insertRow (so they get the table's cells) or removes
// rows from the end until the table has exactly target rows.
template<class InsertRow>
void setRowTarget(Spreadsheet *table, int target, InsertRow insertRow)
{
    for (int row = table->rowCount(); row < target; ++row)
        insertRow(row);
    while (table->rowCount() > target)
        table->removeRow(table->rowCount() - 1);
}

} // namespace

void PlotExchange::loadAxes(QTableWidget *yAxes, QTableWidget *xAxis, const Plot_Axis_Info &record)
{
    if (auto *table = qobject_cast<Spreadsheet *>(yAxes)) {
        loadYAxisRow(table, 0, record.leftYAxis);
        loadYAxisRow(table, 1, record.rightYAxis);
    }
    if (auto *table = qobject_cast<Spreadsheet *>(xAxis))
        loadXAxisRow(table, record.xAxis);
}

void XY_Plot_Config_Dialog::fillScreensWithDataStructureInfo(Plot_Screen_Info *info,
                                                             QBitArray allPlotsPanStatus,
                                                             QBitArray allPlotsZoomStatus)
{
    if (!info)
        return;

    Base_Plot_Frame_Tab *frame = ui->plot_frame_tab;
    frame->setTitle(info->title);
    frame->setTitleFont(info->titleFont);
    frame->setSubtitle(info->subtitle);
    frame->setSubtitleFont(info->subtitleFont);
    frame->setNote(info->note);
    frame->setNoteFont(info->noteFont);
    frame->setShowTitleBar(info->showTitleSubtitle);
    frame->setShowNote(info->showNote);
    frame->setCondenseControls(info->condenseControls);
    frame->setShowLegend(info->legend);
    QColor background;
    background.setNamedColor(info->plotBgColorName);
    frame->setColor(background);

    // setText emits no editingFinished, so the rate slots stay out of this.
    ui->lineEditScreenRefreshRate->setText(
        realText(1000.0 / static_cast<double>(info->screenRefreshInterval)));
    ui->lineEditScreenRefreshInterval->setText(wholeText(info->screenRefreshInterval));
    ui->lineEditDataSampleRate->setText(
        realText(1000.0 / static_cast<double>(info->dataSampleInterval)));
    ui->lineEditDataSampleInterval->setText(realText(static_cast<double>(info->dataSampleInterval)));
    ui->lineEditDataStorage->setText(
        realText(convertSecondsToUnit(static_cast<double>(info->dataStorage), info->dataUnits)));
    ui->cmbDataStorageUnits->setCurrentIndex(info->dataUnits);

    // A shown graph without a record is shown with a fresh graph's values.
    const Plot_Axis_Info fresh;
    for (int g = 0; g < plotVisible.size(); ++g) {
        if (!plotVisible.testBit(g))
            continue;
        const Plot_Axis_Info &record =
            g < info->plotAxisInfo.size() ? info->plotAxisInfo.at(g) : fresh;
        const bool panned = bitSet(allPlotsPanStatus, g);
        const bool zoomed = bitSet(allPlotsZoomStatus, g);
        const bool unlocked = !panned && !zoomed;

        PlotExchange::loadAxes(yAxesSpreadsheets.value(g), xAxisSpreadsheets.value(g), record);
        if (g < axesLoaded.size())
            axesLoaded.setBit(g);
        if (Spreadsheet *yAxes = yAxesSpreadsheets.value(g))
            yAxes->setEnabled(unlocked);
        if (Spreadsheet *xAxis = xAxisSpreadsheets.value(g))
            xAxis->setEnabled(unlocked);

        if (Spreadsheet *vars = xyVarSpreadsheets.value(g)) {
            const int n = PlotExchange::channelRows(record.numVarChannels);
            setRowTarget(vars, n, [vars](int row) { vars->insertXYVarRow(row, 0); });
            vars->setEnabled(unlocked);
            for (int r = 0; r < n; ++r) {
                const Plot_Channel_Info &channel = record.varChannels[r];
                selectVariable(cell<ZelVariable>(vars, r, 0), channel.xVarName);
                selectVariable(cell<ZelVariable>(vars, r, 1), channel.yVarName);
                loadChannelLine(vars, r, channel);
            }
        }

        if (Spreadsheet *overlay = xyOverlaySpreadsheets.value(g)) {
            const int n = PlotExchange::channelRows(record.numOverlayChannels);
            // The overlay table always keeps one row to pick channels in.
            setRowTarget(overlay, qMax(1, n),
                         [overlay](int row) { overlay->insertXYOverlayRow(row, 0); });
            overlay->setEnabled(unlocked);
            for (int r = 0; r < n; ++r) {
                const Plot_Channel_Info &channel = record.overlayChannels[r];
                selectChannel(cell<ComboBoxWidget>(overlay, r, 0), channel.xVarName);
                selectChannel(cell<ComboBoxWidget>(overlay, r, 1), channel.yVarName);
                loadChannelLine(overlay, r, channel);
            }
        }

        turnPanZoomModeLabelsOn(g, panned, zoomed);

        if (QLabel *label = overlayFileLabels.value(g))
            label->setText(OverlayFiles::labelText(record.overlayFileName));
        // An unchanged index sends no currentIndexChanged, so the comet
        // length is matched to the display type here as well.
        if (QComboBox *displayType = displayTypeCombos.value(g)) {
            displayType->setCurrentIndex(record.displayType);
            handleDisplayTypeChange(g, displayType->currentIndex());
        }
        QRadioButton *datapoints =
            record.showDatapoints ? datapointShowRadios.value(g) : datapointHideRadios.value(g);
        if (datapoints)
            datapoints->setChecked(true);
        QRadioButton *xyValues =
            record.showXYValues ? xyValuesShowRadios.value(g) : xyValuesHideRadios.value(g);
        if (xyValues)
            xyValues->setChecked(true);
        if (QSpinBox *cometLength = cometLengthSpins.value(g))
            cometLength->setValue(static_cast<int>(record.cometLength));
    }
}

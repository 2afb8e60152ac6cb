// Loading the dialog's widgets from a plot screen description.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"
#include "overlay_files.h"
#include "row_kinds/axis_rows.h"
#include "row_kinds/channel_rows.h"
#include "row_kinds/field_numbers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <interfaces/base_plot_frame_tab.h>
#include <interfaces/spreadsheet.h>

using RowKinds::realText;
using RowKinds::wholeText;

namespace {

bool bitSet(const QBitArray &bits, int index)
{
    return index < bits.size() && bits.testBit(index);
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

        RowKinds::loadAxes(yAxesSpreadsheets.value(g), xAxisSpreadsheets.value(g), record);
        if (g < axesLoaded.size())
            axesLoaded.setBit(g);
        if (Spreadsheet *yAxes = yAxesSpreadsheets.value(g))
            yAxes->setEnabled(unlocked);
        if (Spreadsheet *xAxis = xAxisSpreadsheets.value(g))
            xAxis->setEnabled(unlocked);

        if (Spreadsheet *vars = xyVarSpreadsheets.value(g)) {
            const int n = RowKinds::channelRows(record.numVarChannels);
            setRowTarget(vars, n, [vars](int row) { vars->insertXYVarRow(row, 0); });
            vars->setEnabled(unlocked);
            for (int r = 0; r < n; ++r)
                RowKinds::loadChannelRow(RowKinds::Channels::Variables, vars, r,
                                         record.varChannels[r]);
        }

        if (Spreadsheet *overlay = xyOverlaySpreadsheets.value(g)) {
            const int n = RowKinds::channelRows(record.numOverlayChannels);
            // The overlay table always keeps one row to pick channels in.
            setRowTarget(overlay, qMax(1, n),
                         [overlay](int row) { overlay->insertXYOverlayRow(row, 0); });
            overlay->setEnabled(unlocked);
            for (int r = 0; r < n; ++r)
                RowKinds::loadChannelRow(RowKinds::Channels::Overlay, overlay, r,
                                         record.overlayChannels[r]);
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

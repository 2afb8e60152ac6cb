// Building a new plot screen description from what the dialog shows.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"
#include "row_kinds/axis_rows.h"
#include "row_kinds/channel_rows.h"
#include "row_kinds/field_numbers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <cmath>
#include <limits>

#include <interfaces/base_plot_frame_tab.h>
#include <interfaces/spreadsheet.h>

namespace {

const int MaxFontPointSize = Plot_Screen_Info::MaxFontPointSize;
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
    psi->setDataStorage(roundedField(ui->lineEditDataStorage->text(),
                                     RowKinds::secondsPerStorageUnit(psi->dataUnits)));
    psi->setPlotBgColorName(frame->getColor().name());

    for (int g = 0; g < plotVisible.size(); ++g) {
        if (!plotVisible.testBit(g))
            continue;
        Plot_Axis_Info record;

        if (Spreadsheet *yAxes = yAxesSpreadsheets.value(g)) {
            record.leftYAxis = RowKinds::storeYAxisRow(yAxes, 0, record.leftYAxis);
            record.rightYAxis = RowKinds::storeYAxisRow(yAxes, 1, record.rightYAxis);
        }
        if (Spreadsheet *xAxis = xAxisSpreadsheets.value(g))
            record.xAxis = RowKinds::storeXAxisRow(xAxis, record.xAxis);

        if (Spreadsheet *vars = xyVarSpreadsheets.value(g))
            record.numVarChannels =
                RowKinds::storeChannelRows(RowKinds::Channels::Variables, vars,
                                           getNumVarChannelsForPlot(g), record.varChannels);
        if (Spreadsheet *overlay = xyOverlaySpreadsheets.value(g))
            record.numOverlayChannels =
                RowKinds::storeChannelRows(RowKinds::Channels::Overlay, overlay,
                                           getNumOverlayChannelsForPlot(g), record.overlayChannels);

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

#include <plot_config_dialog/xy_plot_config_tab.h>

#include <interfaces/darlen_data_input.h>

#include "overlay_files.h"

XY_Plot_Config_Tab::XY_Plot_Config_Tab(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);

    lblPlotMode->hide();
    lblPlotMode->setToolTip(QStringLiteral(
        "The Plot Configuration Information can not be modified\nwhile in Pan or Zoom Mode"));

    // Every change of a checked state counts, so flipping a group reports
    // twice: once for the button losing its check, once for the one gaining it.
    connect(radDatapointShowPlot, &QRadioButton::toggled, this, &XY_Plot_Config_Tab::dirty);
    connect(radDatapointHidePlot, &QRadioButton::toggled, this, &XY_Plot_Config_Tab::dirty);
    connect(radXYValuesShowPlot, &QRadioButton::toggled, this, &XY_Plot_Config_Tab::dirty);
    connect(radXYValuesHidePlot, &QRadioButton::toggled, this, &XY_Plot_Config_Tab::dirty);
}

XY_Plot_Config_Tab::~XY_Plot_Config_Tab() = default;

void XY_Plot_Config_Tab::handleDisplayTypeChange(int dsplyTypeIndx)
{
    switch (dsplyTypeIndx) {
    case 0: // Full Trace
    case 1: // Marker Only
        spinCometLength->setEnabled(false);
        break;
    case 2: // Comet
        spinCometLength->setEnabled(true);
        break;
    default:
        // No item selected, or an index the combo does not offer.
        break;
    }
}

void XY_Plot_Config_Tab::handleOverlayButtonSelection(int btnIndx)
{
    Q_UNUSED(btnIndx) // the widget shows a single graph

    const QString path = OverlayFiles::askForLoggerFile();
    if (path.isNull())
        return; // cancelled

    const LoggerFileInfo *info = DarlenDataInput::getLoggerFileInfo(path);
    if (!info) {
        OverlayFiles::reportInvalidFile(path);
        return;
    }

    // The stand-alone widget keeps no path and does not share its channels
    // with the dialogs of the process.
    OverlayFiles::fillChannelCombos(plotXYOverlaySpreadsheet, OverlayFiles::channelListFor(*info),
                                    0);
    lblOverlayFilePlot->setText(OverlayFiles::labelText(path));
}

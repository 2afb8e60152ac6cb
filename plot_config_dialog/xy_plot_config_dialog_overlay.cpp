#include <plot_config_dialog/xy_plot_config_dialog.h>

#include <interfaces/darlen_data_input.h>
#include <interfaces/plot_screen_info.h>

#include "overlay_files.h"
#include "ui_xy_plot_config_dialog.h"

#include <QLabel>

void XY_Plot_Config_Dialog::handleOverlayButtonSelection(int btnIndx)
{
    // A slot without a graph (e.g. graphs 2 to 8 in plugin mode) has no
    // table or label to fill.
    if (btnIndx < 0 || btnIndx >= overlayFilenames.size() || btnIndx >= xyOverlaySpreadsheets.size()
        || btnIndx >= overlayFileLabels.size())
        return;

    const QString path = OverlayFiles::askForLoggerFile();
    if (path.isNull())
        return; // cancelled

    // Recorded before the check: a refused file still is the graph's choice
    // and reaches the plot data on Apply.
    overlayFilenames[btnIndx] = path;

    const LoggerFileInfo *info = DarlenDataInput::getLoggerFileInfo(path);
    if (!info) {
        OverlayFiles::reportInvalidFile(path);
        return;
    }

    const QStringList channels = OverlayFiles::channelListFor(*info);
    // Kept process-wide, so that a dialog built later for this screen offers
    // the same channels for the graph.
    PlotSingleton::replaceOverlayChannelNames(btnIndx, new QStringList(channels));
    OverlayFiles::fillChannelCombos(xyOverlaySpreadsheets[btnIndx], channels, 0);
    overlayFileLabels[btnIndx]->setText(OverlayFiles::labelText(path));
}

void XY_Plot_Config_Dialog::on_btnOverlayFile1_clicked()
{
    handleOverlayButtonSelection(0);
}
void XY_Plot_Config_Dialog::on_btnOverlayFile2_clicked()
{
    handleOverlayButtonSelection(1);
}
void XY_Plot_Config_Dialog::on_btnOverlayFile3_clicked()
{
    handleOverlayButtonSelection(2);
}
void XY_Plot_Config_Dialog::on_btnOverlayFile4_clicked()
{
    handleOverlayButtonSelection(3);
}
void XY_Plot_Config_Dialog::on_btnOverlayFile5_clicked()
{
    handleOverlayButtonSelection(4);
}
void XY_Plot_Config_Dialog::on_btnOverlayFile6_clicked()
{
    handleOverlayButtonSelection(5);
}
void XY_Plot_Config_Dialog::on_btnOverlayFile7_clicked()
{
    handleOverlayButtonSelection(6);
}
void XY_Plot_Config_Dialog::on_btnOverlayFile8_clicked()
{
    handleOverlayButtonSelection(7);
}

#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

void XY_Plot_Config_Dialog::handleOverlayButtonSelection(int) {}
void XY_Plot_Config_Dialog::on_btnOverlayFile1_clicked() { handleOverlayButtonSelection(0); }
void XY_Plot_Config_Dialog::on_btnOverlayFile2_clicked() { handleOverlayButtonSelection(1); }
void XY_Plot_Config_Dialog::on_btnOverlayFile3_clicked() { handleOverlayButtonSelection(2); }
void XY_Plot_Config_Dialog::on_btnOverlayFile4_clicked() { handleOverlayButtonSelection(3); }
void XY_Plot_Config_Dialog::on_btnOverlayFile5_clicked() { handleOverlayButtonSelection(4); }
void XY_Plot_Config_Dialog::on_btnOverlayFile6_clicked() { handleOverlayButtonSelection(5); }
void XY_Plot_Config_Dialog::on_btnOverlayFile7_clicked() { handleOverlayButtonSelection(6); }
void XY_Plot_Config_Dialog::on_btnOverlayFile8_clicked() { handleOverlayButtonSelection(7); }

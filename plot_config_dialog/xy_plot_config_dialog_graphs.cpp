#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

void XY_Plot_Config_Dialog::setPlotVisibleValues(Plot_Screen_Info *, bool) {}
void XY_Plot_Config_Dialog::createActionsForPlotTabs() {}
void XY_Plot_Config_Dialog::addNewTab() {}
void XY_Plot_Config_Dialog::delOldTab() {}
void XY_Plot_Config_Dialog::handleDisplayTypeChange(int, int) {}
void XY_Plot_Config_Dialog::on_cboDisplayType1_currentIndexChanged(int) {}
void XY_Plot_Config_Dialog::on_cboDisplayType2_currentIndexChanged(int) {}
void XY_Plot_Config_Dialog::on_cboDisplayType3_currentIndexChanged(int) {}
void XY_Plot_Config_Dialog::on_cboDisplayType4_currentIndexChanged(int) {}
void XY_Plot_Config_Dialog::on_cboDisplayType5_currentIndexChanged(int) {}
void XY_Plot_Config_Dialog::on_cboDisplayType6_currentIndexChanged(int) {}
void XY_Plot_Config_Dialog::on_cboDisplayType7_currentIndexChanged(int) {}
void XY_Plot_Config_Dialog::on_cboDisplayType8_currentIndexChanged(int) {}

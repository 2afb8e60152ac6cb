#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

void XY_Plot_Config_Dialog::capture_ms_interval_values() {}
double XY_Plot_Config_Dialog::convertXRangeToUnits(Plot_Screen_Info *, int) { return 0.0; }
double XY_Plot_Config_Dialog::convertXRangeToSeconds(int) { return 0.0; }
void XY_Plot_Config_Dialog::on_lineEditScreenRefreshRate_editingFinished() {}
void XY_Plot_Config_Dialog::on_lineEditDataSampleRate_editingFinished() {}
void XY_Plot_Config_Dialog::on_lineEditScreenRefreshInterval_editingFinished() {}
void XY_Plot_Config_Dialog::on_lineEditDataSampleInterval_editingFinished() {}

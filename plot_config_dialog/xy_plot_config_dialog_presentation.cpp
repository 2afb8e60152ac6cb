#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

void XY_Plot_Config_Dialog::addToolTips() {}
void XY_Plot_Config_Dialog::addValidatorsToFields() {}
void XY_Plot_Config_Dialog::turnPanZoomModeLabelsOn(int, bool, bool) {}

#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

bool XY_Plot_Config_Dialog::checkIfDataIsValid() { return true; }
bool XY_Plot_Config_Dialog::validatePlotConfigValues(int) { return true; }
bool XY_Plot_Config_Dialog::validateYAxesValues(int, int) { return true; }
bool XY_Plot_Config_Dialog::validateDataStorageInfo() { return true; }

#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

void XY_Plot_Config_Dialog::setupWidgetArrays(bool) {}
void XY_Plot_Config_Dialog::setupSpreadsheetArrays(bool) {}
int XY_Plot_Config_Dialog::getRowCountOfTablesForOneGraph(int) { return 0; }
int XY_Plot_Config_Dialog::getNumVarChannelsForPlot(int) { return 0; }
int XY_Plot_Config_Dialog::getNumOverlayChannelsForPlot(int) { return 0; }

#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

void XY_Plot_Config_Dialog::fillAllGraphTab() {}

#include "ui_xy_plot_config_dialog.h"

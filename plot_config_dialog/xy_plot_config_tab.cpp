#include <plot_config_dialog/xy_plot_config_tab.h>

#include <plot_config_dialog/xy_plot_config_tab.h>

XY_Plot_Config_Tab::XY_Plot_Config_Tab(QWidget *parent) : QWidget(parent) { setupUi(this); }
XY_Plot_Config_Tab::~XY_Plot_Config_Tab() = default;
void XY_Plot_Config_Tab::handleDisplayTypeChange(int) {}
void XY_Plot_Config_Tab::handleOverlayButtonSelection(int) {}

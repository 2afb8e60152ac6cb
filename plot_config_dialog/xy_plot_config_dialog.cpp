#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

#include <QCloseEvent>

XY_Plot_Config_Dialog::XY_Plot_Config_Dialog(Plot_Screen_Info *, QWidget *parent, bool)
    : QDialog(parent), psi(nullptr), ui(new Ui_Plot_Config_Dialog), sloIntervalMs(0),
      fasIntervalMs(0), addGraphAction(nullptr), deleteGraphAction(nullptr),
      rateWarningShowing(false), psiHandedOut(false)
{
    ui->setupUi(this);
}
XY_Plot_Config_Dialog::~XY_Plot_Config_Dialog() { delete ui; }
QString XY_Plot_Config_Dialog::getConfigFilename() { return configFilename; }
void XY_Plot_Config_Dialog::setConfigFilename(QString name) { configFilename = name; }
void XY_Plot_Config_Dialog::show(Plot_Screen_Info *, QBitArray, QBitArray, DialogOpenArea, int, bool) { QDialog::setVisible(true); }
bool XY_Plot_Config_Dialog::applyPressed() { return true; }
void XY_Plot_Config_Dialog::okPressed() {}
void XY_Plot_Config_Dialog::cancelPressed() {}
void XY_Plot_Config_Dialog::closeEvent(QCloseEvent *) {}
void XY_Plot_Config_Dialog::on_btnOk_clicked() {}
void XY_Plot_Config_Dialog::on_btnApply_clicked() {}
void XY_Plot_Config_Dialog::on_btnCancel_clicked() {}
void XY_Plot_Config_Dialog::on_plotConfigTabs_currentChanged(int) {}
void XY_Plot_Config_Dialog::on_axesConfigTabs_currentChanged(int) {}

// Stand-alone widget with the configuration controls of one graph.
#ifndef XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_TAB_H
#define XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_TAB_H

#include <QWidget>

#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_tab.h"

class XY_PLOT_CONFIG_EXPORT XY_Plot_Config_Tab : public QWidget, public Ui_XY_Plot_Config_Tab
{
    Q_OBJECT

public:
    explicit XY_Plot_Config_Tab(QWidget *parent = nullptr);
    ~XY_Plot_Config_Tab() override;

    // Comet length editable only for the "Comet" display type.
    void handleDisplayTypeChange(int dsplyTypeIndx);
    // Lets the user pick a logger file and offers its channels in every
    // overlay row; the argument is not used.
    void handleOverlayButtonSelection(int btnIndx);

signals:
    // One of the four visibility radio buttons changed its checked state.
    void dirty();
};

#endif // XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_TAB_H

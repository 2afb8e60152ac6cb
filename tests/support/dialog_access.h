// Reaches the dialog's own members and internal operations from the test
// suites (the class is a friend of XY_Plot_Config_Dialog).
#ifndef XY_PLOT_TESTS_DIALOG_ACCESS_H
#define XY_PLOT_TESTS_DIALOG_ACCESS_H

#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

class XY_Plot_Config_Dialog_TestAccess
{
public:
    using D = XY_Plot_Config_Dialog;

    static Ui_Plot_Config_Dialog *ui(D &d) { return d.ui; }
    static Plot_Screen_Info *psi(D &d) { return d.psi; }
    static QBitArray &plotVisible(D &d) { return d.plotVisible; }
    static QBitArray &panStatus(D &d) { return d.allPlotsPanStatus; }
    static QBitArray &zoomStatus(D &d) { return d.allPlotsZoomStatus; }
    static QList<QString> &overlayFilenames(D &d) { return d.overlayFilenames; }
    static int sloIntervalMs(D &d) { return d.sloIntervalMs; }
    static int fasIntervalMs(D &d) { return d.fasIntervalMs; }
    static bool &rateWarningShowing(D &d) { return d.rateWarningShowing; }
    static bool &psiHandedOut(D &d) { return d.psiHandedOut; }
    static QAction *addGraphAction(D &d) { return d.addGraphAction; }
    static QAction *deleteGraphAction(D &d) { return d.deleteGraphAction; }
    static QDoubleValidator *validator(D &d, int i)
    {
        QDoubleValidator *v[] = {d.screenRefreshRateValidator, d.screenRefreshIntervalValidator,
                                 d.dataSampleRateValidator, d.dataSampleIntervalValidator,
                                 d.dataStorageValidator};
        return v[i];
    }

    static QList<Spreadsheet *> &yAxes(D &d) { return d.yAxesSpreadsheets; }
    static QList<Spreadsheet *> &xAxis(D &d) { return d.xAxisSpreadsheets; }
    static QList<Spreadsheet *> &xyVar(D &d) { return d.xyVarSpreadsheets; }
    static QList<Spreadsheet *> &xyOverlay(D &d) { return d.xyOverlaySpreadsheets; }
    static QList<QPushButton *> &overlayFileButtons(D &d) { return d.overlayFileButtons; }
    static QList<QComboBox *> &displayTypeCombos(D &d) { return d.displayTypeCombos; }
    static QList<QSpinBox *> &cometLengthSpins(D &d) { return d.cometLengthSpins; }
    static QList<QRadioButton *> &datapointShowRadios(D &d) { return d.datapointShowRadios; }
    static QList<QRadioButton *> &datapointHideRadios(D &d) { return d.datapointHideRadios; }
    static QList<QRadioButton *> &xyValuesShowRadios(D &d) { return d.xyValuesShowRadios; }
    static QList<QRadioButton *> &xyValuesHideRadios(D &d) { return d.xyValuesHideRadios; }
    static QList<QLabel *> &overlayFileLabels(D &d) { return d.overlayFileLabels; }

    static bool applyPressed(D &d) { return d.applyPressed(); }
    static void okPressed(D &d) { d.okPressed(); }
    static void cancelPressed(D &d) { d.cancelPressed(); }
    static int getRowCountOfTablesForOneGraph(D &d, int g)
    {
        return d.getRowCountOfTablesForOneGraph(g);
    }
    static int getNumVarChannelsForPlot(D &d, int g) { return d.getNumVarChannelsForPlot(g); }
    static int getNumOverlayChannelsForPlot(D &d, int g)
    {
        return d.getNumOverlayChannelsForPlot(g);
    }
    static void turnPanZoomModeLabelsOn(D &d, int g, bool pan, bool zoom)
    {
        d.turnPanZoomModeLabelsOn(g, pan, zoom);
    }
    static void fillScreensWithDataStructureInfo(D &d, Plot_Screen_Info *p, QBitArray pan,
                                                 QBitArray zoom)
    {
        d.fillScreensWithDataStructureInfo(p, pan, zoom);
    }
    static void fillAllGraphTab(D &d) { d.fillAllGraphTab(); }
    static void writeScreenInfoToDataStructure(D &d) { d.writeScreenInfoToDataStructure(); }
    static bool checkIfDataIsValid(D &d) { return d.checkIfDataIsValid(); }
    static bool validatePlotConfigValues(D &d, int g) { return d.validatePlotConfigValues(g); }
    static bool validateYAxesValues(D &d, int g, int a) { return d.validateYAxesValues(g, a); }
    static bool validateDataStorageInfo(D &d) { return d.validateDataStorageInfo(); }
    static void setPlotVisibleValues(D &d, Plot_Screen_Info *p, bool plugin)
    {
        d.setPlotVisibleValues(p, plugin);
    }
    static void addNewTab(D &d) { d.addNewTab(); }
    static void delOldTab(D &d) { d.delOldTab(); }
    static void handleOverlayButtonSelection(D &d, int g) { d.handleOverlayButtonSelection(g); }
    static void handleDisplayTypeChange(D &d, int g, int i) { d.handleDisplayTypeChange(g, i); }
};

#endif // XY_PLOT_TESTS_DIALOG_ACCESS_H

// Reaches the dialog's own members from the suites and the benchmark (the
// class is a friend of XY_Plot_Config_Dialog). Everything else is driven as
// a host drives it: show(), widgets by object name, signals. Each hook says
// why no public path serves.
#ifndef XY_PLOT_TESTS_DIALOG_ACCESS_H
#define XY_PLOT_TESTS_DIALOG_ACCESS_H

#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

class XY_Plot_Config_Dialog_TestAccess
{
public:
    using D = XY_Plot_Config_Dialog;

    // The benchmark times single steps without the object lookups around them.
    static Ui_Plot_Config_Dialog *ui(D &d) { return d.ui; }
    static void addNewTab(D &d) { d.addNewTab(); }
    static void delOldTab(D &d) { d.delOldTab(); }

    // What the "All" tab or a write-back left: kept by the dialog and handed
    // to nobody while no Apply receiver takes it.
    static Plot_Screen_Info *psi(D &d) { return d.psi; }

    // Validation and write-back without Apply's one-press-per-500-ms guard,
    // so that a walk or a table can check hundreds of descriptions per run.
    static bool checkIfDataIsValid(D &d) { return d.checkIfDataIsValid(); }
    static void writeScreenInfoToDataStructure(D &d) { d.writeScreenInfoToDataStructure(); }

    // show() locks every graph as soon as one is panned or zoomed, so the
    // checks' per-graph skips are reachable only by setting the bits.
    static QBitArray &plotVisible(D &d) { return d.plotVisible; }
    static QBitArray &panStatus(D &d) { return d.allPlotsPanStatus; }
    static QBitArray &zoomStatus(D &d) { return d.allPlotsZoomStatus; }

    // A refused overlay file is still the graph's choice; no getter shows it
    // short of Apply (guarded) or OK (closes the shared dialog).
    static QList<QString> &overlayFilenames(D &d) { return d.overlayFilenames; }

    // The re-entry flag of the rate warning has no outward sign.
    static bool &rateWarningShowing(D &d) { return d.rateWarningShowing; }
};

#endif // XY_PLOT_TESTS_DIALOG_ACCESS_H

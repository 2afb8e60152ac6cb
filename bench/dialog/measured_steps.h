// The steps the dialog benchmark times, each out of line so that a
// profiler can collect it alone (valgrind --toggle-collect='bench::*'), and
// what runs between them.
#ifndef XY_PLOT_BENCH_MEASURED_STEPS_H
#define XY_PLOT_BENCH_MEASURED_STEPS_H

#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "widget_census.h"

class QObject;

namespace dialog_bench {

// What a host's event loop does before the user sees the result: posted
// events (layout, polish, expose, paint) and the deletion of widgets that
// tables released with deleteLater.
void settle();

// A message box from validation or a refusal would wait for a person; this
// answers it and counts it, so that the run says its figures are not valid.
extern int modalsAnswered;
void watchForModals(QObject *parent);

} // namespace dialog_bench

namespace bench {

// Takes the tab-bar style sheets off the dialog right after construction.
extern bool dropFormStyleSheets;

XY_Plot_Config_Dialog *construct(Plot_Screen_Info *host);
void showDialog(XY_Plot_Config_Dialog *d, Plot_Screen_Info *host);
// Validation and write-back, what Apply does after its rate limit.
bool applyWriteBack(XY_Plot_Config_Dialog *d);
void switchToAll(XY_Plot_Config_Dialog *d);
// The same, apart for profiling: later visits reuse the overview's cells.
void switchToAllAgain(XY_Plot_Config_Dialog *d);
void deleteGraph(XY_Plot_Config_Dialog *d);
void addGraph(XY_Plot_Config_Dialog *d);
void destroyDialog(XY_Plot_Config_Dialog *d);
QDialog *buildAndShowBaseline(const dialog_bench::Census &target, bool styleSheet);

} // namespace bench

#endif // XY_PLOT_BENCH_MEASURED_STEPS_H

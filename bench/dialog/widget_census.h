// The dialog's widgets counted per class, and the plain dialog built to the
// same count that the benchmark measures the real one against.
#ifndef XY_PLOT_BENCH_WIDGET_CENSUS_H
#define XY_PLOT_BENCH_WIDGET_CENSUS_H

#include <QByteArray>
#include <QDialog>
#include <QMap>

#include <memory>

namespace dialog_bench {

using Census = QMap<QByteArray, int>;

// Widgets below root, counted per class name as the meta-object gives it;
// with nearest, per nearest Qt class the baseline can build.
Census censusOf(QWidget *root, bool nearest);

// Widgets in a census.
int total(const Census &c);

// The plain dialog: the same number of widgets of the same (nearest) Qt
// classes as the real one, on nine tab pages like its graph tabs, without
// any of its logic. Widgets that create children of their own come first,
// so that the simple classes only make up what is still missing.
// With styleSheet, its tab widget carries the style sheet the form gives
// its top-level tab widget, which puts every widget below it under the style
// sheet engine (shown for comparison, not a bar).
std::unique_ptr<QDialog> buildBaseline(const Census &target, bool styleSheet);

} // namespace dialog_bench

#endif // XY_PLOT_BENCH_WIDGET_CENSUS_H

// Tick layouts of the graphs' axes: the configured numbers of major and
// minor ticks, for a fixed range and for a scrolling time window.
#ifndef XY_PLOT_HOST_SCALE_DIVISIONS_H
#define XY_PLOT_HOST_SCALE_DIVISIONS_H

#include <qwt_scale_div.h>

// Exactly the configured number of major ticks, evenly spread over the
// range, and the configured number of minor ticks between each two.
QwtScaleDiv evenDivision(double lower, double upper, unsigned long majors, unsigned long minors);

// For a scrolling time axis: ticks on whole multiples of the configured
// step, so the labels stay round while the window moves.
QwtScaleDiv alignedDivision(double lower, double upper, unsigned long majors, unsigned long minors);

#endif // XY_PLOT_HOST_SCALE_DIVISIONS_H

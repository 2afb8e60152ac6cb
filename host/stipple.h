// Line styles of the plot screen: the 16-bit stipple pattern of a curve or
// grid turned into a QPen.
#ifndef XY_PLOT_HOST_STIPPLE_H
#define XY_PLOT_HOST_STIPPLE_H

#include <QColor>
#include <QPen>
#include <QVector>

// Dash pattern of a 16-bit stipple, read from the most significant bit:
// alternating on and off run lengths, starting with an on run. Empty for a
// solid line (0xFFFF) and for a pattern with no bit set.
QVector<qreal> stippleDashPattern(int pattern);

// A cosmetic pen of the given colour and width drawing the pattern; no pen
// (Qt::NoPen) for a pattern with no bit set.
QPen stipplePen(const QColor &colour, int width, int pattern);

#endif // XY_PLOT_HOST_STIPPLE_H

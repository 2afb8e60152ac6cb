#include "scale_divisions.h"

#include <QList>
#include <QtGlobal>

#include <cmath>

QwtScaleDiv evenDivision(double lower, double upper, unsigned long majors, unsigned long minors)
{
    const int n = static_cast<int>(qBound(2UL, majors, 50UL));
    const int m = static_cast<int>(qMin(minors, 20UL));
    const double step = (upper - lower) / (n - 1);
    QList<double> majorTicks;
    QList<double> minorTicks;
    for (int i = 0; i < n; ++i) {
        const double at = i == n - 1 ? upper : lower + i * step;
        majorTicks.append(at);
        if (i < n - 1) {
            for (int j = 1; j <= m; ++j)
                minorTicks.append(at + j * step / (m + 1));
        }
    }
    return QwtScaleDiv(lower, upper, minorTicks, QList<double>(), majorTicks);
}

QwtScaleDiv alignedDivision(double lower, double upper, unsigned long majors, unsigned long minors)
{
    const int n = static_cast<int>(qBound(2UL, majors, 50UL));
    const int m = static_cast<int>(qMin(minors, 20UL));
    const double step = (upper - lower) / (n - 1);
    QList<double> majorTicks;
    QList<double> minorTicks;
    if (step > 0.0) {
        const double first = std::ceil(lower / step - 1e-9) * step;
        for (double at = first - step; at <= upper + step * 1e-9; at += step) {
            if (at >= lower - step * 1e-9)
                majorTicks.append(at);
            for (int j = 1; j <= m; ++j) {
                const double minor = at + j * step / (m + 1);
                if (minor >= lower && minor <= upper)
                    minorTicks.append(minor);
            }
        }
    }
    return QwtScaleDiv(lower, upper, minorTicks, QList<double>(), majorTicks);
}

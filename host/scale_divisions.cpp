#include "scale_divisions.h"

#include <QList>
#include <QtGlobal>

#include <cmath>

namespace {

// Major ticks at least 2 and at most 50, at most 20 minor ticks between
// two majors, and the distance of two majors.
struct Spacing
{
    int majors;
    int minors;
    double step;
};

Spacing spacing(double lower, double upper, unsigned long majors, unsigned long minors)
{
    const int n = static_cast<int>(qBound(2UL, majors, 50UL));
    return {n, static_cast<int>(qMin(minors, 20UL)), (upper - lower) / (n - 1)};
}

} // namespace

QwtScaleDiv evenDivision(double lower, double upper, unsigned long majors, unsigned long minors)
{
    const Spacing sp = spacing(lower, upper, majors, minors);
    const int n = sp.majors, m = sp.minors;
    const double step = sp.step;
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
    const Spacing sp = spacing(lower, upper, majors, minors);
    const int m = sp.minors;
    const double step = sp.step;
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

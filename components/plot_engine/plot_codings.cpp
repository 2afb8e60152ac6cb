// Value codings shared by the plot engine and the configuration dialog:
// time units and the line stipple patterns offered in the line style combos.
#include <interfaces/plot_screen_info.h>

qint64 secondsPerUnit(int unitCode)
{
    switch (unitCode) {
    case UnitSeconds:
        return 1;
    case UnitMinutes:
        return 60;
    case UnitHours:
        return 3600;
    case UnitDays:
        return 86400;
    default:
        return 0;
    }
}

double convertSecondsToUnit(double seconds, int unitCode)
{
    const qint64 perUnit = secondsPerUnit(unitCode);
    // An unknown unit shows nothing rather than dividing by zero.
    return perUnit == 0 ? 0.0 : seconds / static_cast<double>(perUnit);
}

int lineStyleToIndex(int pattern)
{
    switch (pattern) {
    case LineStyleDash:
        return 1;
    case LineStyleDot:
        return 2;
    case LineStyleDashDot:
        return 3;
    default:
        // Solid, and any pattern the combo does not offer, shows as solid.
        return 0;
    }
}

int indexToLineStyle(int index)
{
    switch (index) {
    case 1:
        return LineStyleDash;
    case 2:
        return LineStyleDot;
    case 3:
        return LineStyleDashDot;
    default:
        return LineStyleSolid;
    }
}

// The numbers of the dialog's fields and cells: how they show, and the
// unit of the data storage field.
#ifndef XY_PLOT_CONFIG_DIALOG_ROW_KINDS_FIELD_NUMBERS_H
#define XY_PLOT_CONFIG_DIALOG_ROW_KINDS_FIELD_NUMBERS_H

#include <QString>

#include <interfaces/plot_screen_info.h>

namespace RowKinds {

// Real numbers as every field shows them: format 'g', six significant
// digits (an infinite rate shows as "inf").
inline QString realText(double value)
{
    return QStringLiteral("%1").arg(value);
}

// Whole numbers in base 10.
inline QString wholeText(qulonglong value)
{
    return QStringLiteral("%1").arg(value);
}

// Seconds in one unit of the data storage field, as the plot engine counts
// them; an index it does not know leaves the number as typed.
inline double secondsPerStorageUnit(int unitIndex)
{
    const qint64 seconds = secondsPerUnit(unitIndex);
    return seconds > 0 ? static_cast<double>(seconds) : 1.0;
}

} // namespace RowKinds

#endif // XY_PLOT_CONFIG_DIALOG_ROW_KINDS_FIELD_NUMBERS_H

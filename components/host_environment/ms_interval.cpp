// The master scheduler intervals of the host environment.
#include <interfaces/ms_interval.h>

#include <QByteArray>

#include <cstring>

namespace {

// Statuses other than 0; the caller only tells 0 from the rest.
const qint16 StatusNullArgument = 1;
const qint16 StatusUnknownScheduler = 2;
const qint16 StatusForcedFailure = 3;

} // namespace

qint16 get_ms_interval(const char *name, char *buffer, qint32 *intervalMs)
{
    if (!name || !buffer || !intervalMs)
        return StatusNullArgument;

    qint32 interval = 0;
    if (std::strcmp(name, "SLO") == 0)
        interval = 1000;
    else if (std::strcmp(name, "FAS") == 0)
        interval = 10;
    else
        return StatusUnknownScheduler;

    // Read on every call so that a test or a start-up script can switch it
    // between calls within one process.
    if (qgetenv("XY_PLOT_MS_INTERVAL_FAIL") == QByteArray(name))
        return StatusForcedFailure;

    *intervalMs = interval;
    return 0;
}

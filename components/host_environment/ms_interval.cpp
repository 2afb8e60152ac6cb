// The master scheduler intervals of the host environment.
#include <interfaces/ms_interval.h>

#include <QByteArray>

#include <cstring>
#include <utility>

namespace {

// Statuses other than 0; the caller only tells 0 from the rest.
const qint16 StatusNullArgument = 1;
const qint16 StatusUnknownScheduler = 2;
const qint16 StatusForcedFailure = 3;

// The host's own scheduler, when it gave one. Touched on the GUI thread only.
MsIntervalSource &installedSource()
{
    static MsIntervalSource source;
    return source;
}

qint16 builtInInterval(const char *name, qint32 *intervalMs)
{
    if (std::strcmp(name, "SLO") == 0)
        *intervalMs = 1000;
    else if (std::strcmp(name, "FAS") == 0)
        *intervalMs = 10;
    else
        return StatusUnknownScheduler;
    return 0;
}

} // namespace

qint16 get_ms_interval(const char *name, char *buffer, qint32 *intervalMs)
{
    if (!name || !buffer || !intervalMs)
        return StatusNullArgument;

    // Read on every call so that a test or a start-up script can switch it
    // between calls within one process.
    if (qgetenv("XY_PLOT_MS_INTERVAL_FAIL") == QByteArray(name))
        return StatusForcedFailure;

    // The caller's variable changes only on success, whatever the source
    // does with it on the way to a failure.
    // A copy, so that a source may replace itself while it answers.
    qint32 interval = 0;
    const MsIntervalSource source = installedSource();
    const qint16 status =
        source ? source(name, buffer, &interval) : builtInInterval(name, &interval);
    if (status == 0)
        *intervalMs = interval;
    return status;
}

MsIntervalSource set_ms_interval_source(MsIntervalSource source)
{
    return std::exchange(installedSource(), std::move(source));
}

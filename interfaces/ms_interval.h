// Host environment: the intervals of the host's master scheduler.
#ifndef XY_PLOT_INTERFACES_MS_INTERVAL_H
#define XY_PLOT_INTERFACES_MS_INTERVAL_H

#include <QtGlobal>

#if defined(XY_HOST_ENVIRONMENT_LIBRARY)
#define XY_HOST_ENVIRONMENT_EXPORT Q_DECL_EXPORT
#else
#define XY_HOST_ENVIRONMENT_EXPORT Q_DECL_IMPORT
#endif

// Reports the interval of the master scheduler named by the NUL-terminated
// name ("SLO" or "FAS") in *intervalMs. buffer points to 32 bytes of the
// caller's that the call may use as scratch space. Returns 0 when the
// interval was stored, any other value on failure.
//
// This implementation knows "SLO" (1000 ms) and "FAS" (10 ms). Setting the
// environment variable XY_PLOT_MS_INTERVAL_FAIL to SLO or FAS makes that
// name fail, so that a host's fatal start-up path can be seen and tested.
XY_HOST_ENVIRONMENT_EXPORT qint16 get_ms_interval(const char *name, char *buffer,
                                                  qint32 *intervalMs);

#endif // XY_PLOT_INTERFACES_MS_INTERVAL_H

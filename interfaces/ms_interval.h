/// @file
/// Host environment: the intervals of the host's master scheduler, which the
/// configuration dialog reads once, in its constructor.
#ifndef XY_PLOT_INTERFACES_MS_INTERVAL_H
#define XY_PLOT_INTERFACES_MS_INTERVAL_H

#include <QtGlobal>

#include <functional>

/// Marks the API that the host environment library exports.
#if defined(XY_HOST_ENVIRONMENT_LIBRARY)
#define XY_HOST_ENVIRONMENT_EXPORT Q_DECL_EXPORT
#else
#define XY_HOST_ENVIRONMENT_EXPORT Q_DECL_IMPORT
#endif

/// Reports the interval of the master scheduler named @p name.
///
/// @param name       NUL-terminated scheduler name; the dialog asks for "SLO"
///                   and then "FAS".
/// @param buffer     32 bytes of the caller's that the call may use as
///                   scratch space; the dialog zero-fills it once and passes
///                   it unchanged to both calls.
/// @param intervalMs receives the interval in milliseconds; written only
///                   when the call succeeds.
/// @return 0 when the interval was stored, any other value on failure. A
///         failure while the dialog is being built shows a "Fatal Error" box
///         and ends the process with exit status 4.
///
/// The intervals come from the source installed with
/// set_ms_interval_source(). Without one, "SLO" reports 1000 ms, "FAS"
/// 10 ms, and every other name fails.
///
/// Test aid: the environment variable XY_PLOT_MS_INTERVAL_FAIL, set to SLO or
/// FAS, makes that name fail whatever source is installed, so that the fatal
/// start-up path can be seen and tested. It is read at every call.
///
/// Thread: the GUI thread, like the dialog that calls it.
XY_HOST_ENVIRONMENT_EXPORT qint16 get_ms_interval(const char *name, char *buffer,
                                                  qint32 *intervalMs);

/// A host's own master scheduler: called by get_ms_interval() with the same
/// arguments (never null); returns 0 after storing the interval in
/// milliseconds in its third argument, any other value to make that name
/// fail. A plain function with get_ms_interval()'s signature fits, as does a
/// lambda that looks the name up in a table.
typedef std::function<qint16(const char *name, char *buffer, qint32 *intervalMs)> MsIntervalSource;

/// Installs @p source as the host's master scheduler and returns the one it
/// replaces (empty when the built-in intervals were in use). An empty
/// @p source goes back to the built-in intervals ("SLO" 1000 ms, "FAS"
/// 10 ms).
///
/// Install it before the first XY_Plot_Config_Dialog is constructed: each
/// dialog reads "SLO" and "FAS" once, in its constructor, and keeps them. The
/// source is shared by the whole process; call this on the GUI thread only.
XY_HOST_ENVIRONMENT_EXPORT MsIntervalSource set_ms_interval_source(MsIntervalSource source);

#endif // XY_PLOT_INTERFACES_MS_INTERVAL_H

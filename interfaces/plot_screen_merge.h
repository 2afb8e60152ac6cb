/// @file
/// Plot engine: taking the edits of a description the configuration dialog
/// emitted into the host's own description.
#ifndef XY_PLOT_INTERFACES_PLOT_SCREEN_MERGE_H
#define XY_PLOT_INTERFACES_PLOT_SCREEN_MERGE_H

#include <QStringList>

#include <interfaces/plot_engine_export.h>

class Plot_Screen_Info;

/// Adopts the edits of a description the configuration dialog emitted
/// (@p edited) into the host's own description (@p host), keeping what the
/// dialog does not show or cannot show as it is.
///
/// A member of @p host takes the emitted value only when that value is more
/// than how the dialog showed the host's value: texts cut to the field
/// length, fonts reduced to family and size, an automatic range written
/// empty, values clamped to a field's range and unknown codes shown as the
/// default all count as unedited. Members the dialog does not show at all
/// are kept: screenId, lastSavedTime, the channels' visible and markerSize,
/// the axes' rangeUnits and the engine's own members. Graphs and channels
/// are matched by position; the emitted description decides how many there
/// are. Changed screen properties go through the setters of @p host, so
/// their change signals are emitted. @p edited is only read; it still
/// belongs to whoever received it.
///
/// Returns one line per stored variable or overlay channel name that the
/// dialog showed as a different catalogue name starting with it, and so
/// wrote back (see "Behaviour a host should know" in the README), for
/// example "Graph 2 / channel 1 / X variable: N1 -> N10"; empty when every
/// name came back as stored.
XY_PLOT_ENGINE_EXPORT QStringList mergeDialogEdits(Plot_Screen_Info &host,
                                                   const Plot_Screen_Info &edited);

#endif // XY_PLOT_INTERFACES_PLOT_SCREEN_MERGE_H

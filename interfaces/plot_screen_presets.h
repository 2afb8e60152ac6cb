/// @file
/// Plot engine: copying settings from one graph of a screen to others, and
/// restoring the defaults of a graph or of the whole screen.
#ifndef XY_PLOT_INTERFACES_PLOT_SCREEN_PRESETS_H
#define XY_PLOT_INTERFACES_PLOT_SCREEN_PRESETS_H

#include <QList>

#include <interfaces/plot_engine_export.h>

class Plot_Screen_Info;

/// Copies the axes of graph slot @p from (its left Y, right Y and X axis
/// records, labels included) to each graph slot in @p to. Returns false and
/// changes nothing when @p from or any slot of @p to is not a graph of
/// @p screen; @p from itself in @p to is left as it is.
XY_PLOT_ENGINE_EXPORT bool copyGraphAxes(Plot_Screen_Info &screen, int from, const QList<int> &to);

/// Copies the channel styles of graph slot @p from (colour, line style and
/// line width of each of its eight channel and eight overlay channel rows)
/// to the same rows of each graph slot in @p to; names, axes and counts stay.
/// Returns false and changes nothing when @p from or any slot of @p to is not
/// a graph of @p screen.
XY_PLOT_ENGINE_EXPORT bool copyChannelStyles(Plot_Screen_Info &screen, int from,
                                             const QList<int> &to);

/// Copies the display settings of graph slot @p from (display type, comet
/// length, "Datapoints" and "XY Values") to each graph slot in @p to.
/// Returns false and changes nothing when @p from or any slot of @p to is not
/// a graph of @p screen.
XY_PLOT_ENGINE_EXPORT bool copyDisplaySettings(Plot_Screen_Info &screen, int from,
                                               const QList<int> &to);

/// Gives graph slot @p graph the settings of a new Plot_Axis_Info(): default
/// axes, empty channels, no overlay file, "Full Trace". The plot engine's
/// run-time members of the graph (sample times, pan and zoom state, time
/// scale, auto scroll) stay. Returns false and changes nothing when
/// @p graph is not a graph of @p screen.
XY_PLOT_ENGINE_EXPORT bool restoreGraphDefaults(Plot_Screen_Info &screen, int graph);

/// Gives the whole screen the settings of a new Plot_Screen_Info(): rates,
/// storage, colours, texts, fonts and switches, and restoreGraphDefaults()
/// for each of its graphs. The screen keeps its graphs (numPlots and
/// plotAxisInfo's size), its configFileName and the engine's screenId and
/// lastSavedTime. Changed screen properties go through the setters, so
/// their change signals are emitted.
XY_PLOT_ENGINE_EXPORT void restoreScreenDefaults(Plot_Screen_Info &screen);

#endif // XY_PLOT_INTERFACES_PLOT_SCREEN_PRESETS_H

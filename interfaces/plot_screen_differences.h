/// @file
/// Plot engine: how two plot screen descriptions differ, member by member,
/// in the words of the dialog.
#ifndef XY_PLOT_INTERFACES_PLOT_SCREEN_DIFFERENCES_H
#define XY_PLOT_INTERFACES_PLOT_SCREEN_DIFFERENCES_H

#include <QString>
#include <QStringList>
#include <QVector>

#include <interfaces/plot_engine_export.h>

class Plot_Screen_Info;

/// One way in which two plot screen descriptions differ, as
/// plotScreenDifferences() reports it.
struct PlotScreenDifference
{
    /// What kind of difference it is.
    enum Kind {
        /// A member changed from oldValue to newValue.
        Changed,
        /// A graph exists only in the later description.
        GraphAdded,
        /// A graph exists only in the earlier description.
        GraphRemoved
    };

    /// What differs, in the words of the dialog, from the screen down to
    /// the member: "Refresh interval", "Graph 2 / Y axis (left) / range max",
    /// "Graph 3 / channel 1 / Y variable", "Graph 4".
    QString path;
    /// The earlier value as text; empty for an added or removed graph.
    QString oldValue;
    /// The later value as text; empty for an added or removed graph.
    QString newValue;
    /// Changed, or a graph added or removed.
    Kind kind = Changed;

    /// One line for a person: "path: old -> new", "Graph 4 added" or
    /// "Graph 4 removed".
    QString toString() const
    {
        if (kind == GraphAdded)
            return path + QStringLiteral(" added");
        if (kind == GraphRemoved)
            return path + QStringLiteral(" removed");
        return path + QStringLiteral(": ") + oldValue + QStringLiteral(" -> ") + newValue;
    }
};

/// Everything in which @p after differs from @p before, member by member
/// and in declaration order: each graph (its axes, every one of its eight
/// channel and eight overlay channel records, whether in use or not, its own
/// properties and the engine's members), then the screen's properties.
/// Graphs are matched by position; a graph present in only one of the two is
/// reported once, as added or removed. Empty when the descriptions are equal
/// member for member (a NaN equals a NaN; -0 and 0 differ, as in the screen
/// file).
XY_PLOT_ENGINE_EXPORT QVector<PlotScreenDifference> plotScreenDifferences(
    const Plot_Screen_Info &before, const Plot_Screen_Info &after);

/// The differences of plotScreenDifferences() as lines for a person, each
/// PlotScreenDifference::toString().
XY_PLOT_ENGINE_EXPORT QStringList plotScreenDifferenceLines(const Plot_Screen_Info &before,
                                                            const Plot_Screen_Info &after);

#endif // XY_PLOT_INTERFACES_PLOT_SCREEN_DIFFERENCES_H

// The overlay channel names a table offers, as the plot engine holds them
// per graph slot.
#include "overlay_channels.h"

#include <interfaces/plot_screen_info.h>

#include <QSet>

namespace xy_table {

QStringList overlayChannelsOf(int graphNumber)
{
    // Graph numbers are 1 to 8; a table without one offers no channels.
    if (graphNumber < 1 || graphNumber > PlotSingleton::NumSlots)
        return QStringList();
    return PlotSingleton::overlayChannelNamesOf(graphNumber - 1);
}

// The overview lists the overlay channels of every shown graph, and the
// position it passes along is not the graph's slot once a graph in the
// middle has been deleted; so its rows offer every slot's channels, and
// any stored channel name is found.
// The union is asked for once per overview row; it is rebuilt only when
// a slot's list changed. A held copy still shares its data with the
// slot's list exactly while that list is unchanged: editing the list in
// place detaches it, and a replaced list has data of its own.
QStringList everyGraphsChannels()
{
    static QStringList heldSlots[PlotSingleton::NumSlots];
    static QStringList names;
    static bool built = false;
    bool current = built;
    for (int slot = 0; slot < PlotSingleton::NumSlots; ++slot) {
        const QStringList channels = PlotSingleton::overlayChannelNamesOf(slot);
        if (!channels.isSharedWith(heldSlots[slot])) {
            heldSlots[slot] = channels;
            current = false;
        }
    }
    if (current)
        return names;
    names.clear();
    QSet<QString> seen;
    for (const QStringList &channels : heldSlots) {
        for (const QString &name : channels) {
            if (!seen.contains(name)) {
                seen.insert(name);
                names << name;
            }
        }
    }
    built = true;
    return names;
}

} // namespace xy_table

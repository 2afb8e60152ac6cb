// The overlay channel names a table offers, as the plot engine holds them
// per graph slot. The one place where the tables reach the plot engine.
#ifndef XY_SPREADSHEET_OVERLAY_CHANNELS_H
#define XY_SPREADSHEET_OVERLAY_CHANNELS_H

#include <QStringList>

namespace xy_table {

// The channels of graph `graphNumber` (1 to 8); none for another number.
QStringList overlayChannelsOf(int graphNumber);

// Every graph slot's channels, each name once.
QStringList everyGraphsChannels();

} // namespace xy_table

#endif // XY_SPREADSHEET_OVERLAY_CHANNELS_H

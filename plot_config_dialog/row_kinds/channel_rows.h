// The rows of a graph's channel tables: X/Y variable pairs and overlay
// channel pairs, and the rows of the "All" overview that list them.
#ifndef XY_PLOT_CONFIG_DIALOG_ROW_KINDS_CHANNEL_ROWS_H
#define XY_PLOT_CONFIG_DIALOG_ROW_KINDS_CHANNEL_ROWS_H

#include "row_problem.h"

#include <interfaces/plot_screen_info.h>

class QTableWidget;

namespace RowKinds {

// Rows of a channel table that have a record in Plot_Axis_Info.
inline int channelRows(unsigned long count)
{
    return count < unsigned(Plot_Axis_Info::MaxChannels) ? int(count)
                                                         : int(Plot_Axis_Info::MaxChannels);
}

// Variables are chosen among the host's variables, overlay channels among
// the channels of the graph's logger file.
enum class Channels { Variables, Overlay };

// A stored variable selects the first offered name that starts with it,
// case-sensitively, a stored channel its entry; nothing when none matches.
void loadChannelRow(Channels kind, QTableWidget *table, int row, const Plot_Channel_Info &channel);
// Rows 0 to counted - 1 into the records of the same number (as many as
// there are records); a row without its X choice leaves its record alone.
// Gives the number of channels the records then hold: none when an overlay
// row chose the empty entry, which stands for no channel.
unsigned long storeChannelRows(Channels kind, const QTableWidget *table, int counted,
                               Plot_Channel_Info (&records)[Plot_Axis_Info::MaxChannels]);
// Both choices made.
bool isCompleteChannelRow(Channels kind, const QTableWidget *table, int row);
// The X variable, then the Y variable must be chosen.
RowProblem checkVariableRow(const QTableWidget *table, int row);

// An overview row, read only: every cell is disabled once set. A variable
// is found whatever its case; a channel the row does not offer is added.
void loadOverviewRow(Channels kind, QTableWidget *table, int row, qint64 graph,
                     const Plot_Channel_Info &channel);

} // namespace RowKinds

#endif // XY_PLOT_CONFIG_DIALOG_ROW_KINDS_CHANNEL_ROWS_H

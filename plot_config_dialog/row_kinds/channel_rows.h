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

// A stored variable selects the first offered name that starts with it,
// case-sensitively; nothing when none does.
void loadVariableRow(QTableWidget *table, int row, const Plot_Channel_Info &channel);
// False, and channel untouched, when the row's X variable is not chosen.
bool storeVariableRow(const QTableWidget *table, int row, Plot_Channel_Info &channel);
// Both variables chosen.
bool isCompleteVariableRow(const QTableWidget *table, int row);
// The X variable, then the Y variable must be chosen.
RowProblem checkVariableRow(const QTableWidget *table, int row);

// A stored channel selects its entry of the offered channels.
void loadOverlayRow(QTableWidget *table, int row, const Plot_Channel_Info &channel);
// False, and channel untouched, when the row's X channel is not chosen.
bool storeOverlayRow(const QTableWidget *table, int row, Plot_Channel_Info &channel);
// Both channels chosen.
bool isCompleteOverlayRow(const QTableWidget *table, int row);

// Overview rows, read only: every cell is disabled once set. A variable is
// found whatever its case; a channel the row does not offer is added.
void loadOverviewVariableRow(QTableWidget *table, int row, qint64 graph,
                             const Plot_Channel_Info &channel);
void loadOverviewOverlayRow(QTableWidget *table, int row, qint64 graph,
                            const Plot_Channel_Info &channel);

} // namespace RowKinds

#endif // XY_PLOT_CONFIG_DIALOG_ROW_KINDS_CHANNEL_ROWS_H

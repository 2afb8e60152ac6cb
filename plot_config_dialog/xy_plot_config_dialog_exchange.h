// Small pieces shared by the loading, the write-back and the all-graphs tab:
// typed access to table cells, the number formats of the fields and the
// capacity of the channel tables. Internal to the dialog library.
#ifndef XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_DIALOG_EXCHANGE_H
#define XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_DIALOG_EXCHANGE_H

#include <QString>
#include <QTableWidget>

#include <interfaces/plot_screen_info.h>

namespace PlotExchange {

// The cell widget at (row, column) as T, or null when the table has no such
// cell or it holds another kind of widget.
template<class T>
T *cell(QTableWidget *table, int row, int column)
{
    return table ? qobject_cast<T *>(table->cellWidget(row, column)) : nullptr;
}

// Real numbers as every field shows them: format 'g', six significant
// digits (an infinite rate shows as "inf").
inline QString realText(double value)
{
    return QStringLiteral("%1").arg(value);
}

// Whole numbers in base 10.
inline QString wholeText(qulonglong value)
{
    return QStringLiteral("%1").arg(value);
}

// Rows of a variable or overlay table that have a record in Plot_Axis_Info.
inline int channelRows(unsigned long count)
{
    return count < unsigned(Plot_Axis_Info::MaxChannels) ? int(count)
                                                         : int(Plot_Axis_Info::MaxChannels);
}

// The overview's tables while another tab is current: hidden, so that coming
// back to the overview does not show the cells of its last visit only to
// replace them. Filling the overview shows them again.
void hideOverview(QWidget *variables, QWidget *overlays);

// Shows the axes of record in a graph's Y axes table (left axis in row 0,
// right axis in row 1) and X axis table; either table may be null.
void loadAxes(QTableWidget *yAxes, QTableWidget *xAxis, const Plot_Axis_Info &record);

} // namespace PlotExchange

#endif // XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_DIALOG_EXCHANGE_H

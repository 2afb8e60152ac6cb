// What the plot data exchange suites share: a variable catalogue and overlay
// channel lists, descriptions with a given number of graphs, a dialog built
// on them, and typed access to table cells.
#ifndef XY_PLOT_TESTS_EXCHANGE_FIXTURE_H
#define XY_PLOT_TESTS_EXCHANGE_FIXTURE_H

#include <QBitArray>
#include <QStringList>
#include <QTableWidget>

#include <memory>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/dialog_access.h"

namespace ExchangeFixture {

using A = XY_Plot_Config_Dialog_TestAccess;

// TEMP_1 comes before TEMP, so a stored TEMP selects TEMP_1 in a graph tab.
inline QStringList catalogue()
{
    return {"AIR", "TEMP_1", "TEMP", "OIL"};
}

// The overlay channels of graph slot g: "" (no channel), "G<g+1>_X",
// "G<g+1>_Y", "TIME", so every graph offers names of its own.
inline QStringList overlayNames(int g)
{
    return {QString(), QStringLiteral("G%1_X").arg(g + 1), QStringLiteral("G%1_Y").arg(g + 1),
            "TIME"};
}

// Installs catalogue() and overlayNames(); call before building a dialog,
// whose constructor gives the overlay rows the singleton's names.
inline void installNames()
{
    ZelVariable::setAvailableVariables(catalogue());
    for (int g = 0; g < PlotSingleton::NumSlots; ++g)
        PlotSingleton::replaceOverlayChannelNames(g, new QStringList(overlayNames(g)));
}

inline std::unique_ptr<Plot_Screen_Info> makeInfo(int graphs)
{
    std::unique_ptr<Plot_Screen_Info> info(new Plot_Screen_Info);
    info->numPlots = static_cast<unsigned long>(graphs);
    info->plotAxisInfo.resize(graphs);
    return info;
}

inline QBitArray bits(int size, std::initializer_list<int> set = {})
{
    QBitArray result(size);
    for (int i : set)
        result.setBit(i);
    return result;
}

// A dialog on an eight-graph description, so every graph's overlay rows are
// given its channel names.
inline std::unique_ptr<XY_Plot_Config_Dialog> makeDialog()
{
    installNames();
    return std::make_unique<XY_Plot_Config_Dialog>(makeInfo(8).get(), nullptr, false);
}

// Loads info into d with graphs 1..numPlots shown, as show() does, but with
// the pan and zoom bits given here.
inline void load(XY_Plot_Config_Dialog &d, Plot_Screen_Info &info, QBitArray pan = bits(8),
                 QBitArray zoom = bits(8))
{
    QBitArray &visible = A::plotVisible(d);
    visible.fill(false);
    for (int g = 0; g < visible.size() && g < int(info.numPlots); ++g)
        visible.setBit(g);
    A::fillScreensWithDataStructureInfo(d, &info, pan, zoom);
}

template<class T>
T *cellAt(QTableWidget *table, int row, int column)
{
    return qobject_cast<T *>(table->cellWidget(row, column));
}

} // namespace ExchangeFixture

#endif // XY_PLOT_TESTS_EXCHANGE_FIXTURE_H

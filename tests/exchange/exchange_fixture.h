// What the plot data exchange suites share: a variable catalogue and overlay
// channel lists, descriptions with a given number of graphs, and a dialog's
// tables and cells found by object name, as a host finds them.
#ifndef XY_PLOT_TESTS_EXCHANGE_FIXTURE_H
#define XY_PLOT_TESTS_EXCHANGE_FIXTURE_H

#include <QAction>
#include <QBitArray>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>

#include <memory>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/dialog_access.h"

namespace ExchangeFixture {

using A = XY_Plot_Config_Dialog_TestAccess;
using Dialog = XY_Plot_Config_Dialog;

// The overlay channels of graph slot g: "" (no channel), "G<g+1>_X",
// "G<g+1>_Y", "TIME", so every graph offers names of its own.
inline QStringList overlayNames(int g)
{
    return {QString(), QStringLiteral("G%1_X").arg(g + 1), QStringLiteral("G%1_Y").arg(g + 1),
            "TIME"};
}

// Installs the overlay names and the catalogue (plus extra names); call
// before building a dialog, whose constructor gives the overlay rows the
// singleton's names.
inline void installNames(const QStringList &extra = {})
{
    // TEMP_1 comes before TEMP, so a stored TEMP selects TEMP_1 in a graph tab.
    ZelVariable::setAvailableVariables(QStringList{"AIR", "TEMP_1", "TEMP", "OIL"} + extra);
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

inline void showInfo(Dialog &d, Plot_Screen_Info *info, QBitArray pan = bits(8),
                     QBitArray zoom = bits(8))
{
    d.show(info, pan, zoom, Dialog::PlotArea, 0, false);
}

// What Apply would hand out, without its validation and the 500 ms window
// that takes a second Apply as done.
inline Plot_Screen_Info *writeBack(Dialog &d)
{
    A::writeScreenInfoToDataStructure(d);
    return A::psi(d);
}

template<class T>
T *child(Dialog &d, const char *name)
{
    return d.findChild<T *>(QLatin1String(name));
}
// A widget of graph slot g by its object name, pattern as "plot%1XYVarSpreadsheet".
template<class T = Spreadsheet>
T *of(Dialog &d, const char *pattern, int g)
{
    return d.findChild<T *>(QString::fromLatin1(pattern).arg(g + 1));
}
const char *const YAxes = "graph%1YAxesSpreadsheet";
const char *const XAxis = "graph%1XAxisSpreadsheet";
const char *const Vars = "plot%1XYVarSpreadsheet";
const char *const Overlays = "plot%1XYOverlaySpreadsheet";

// What the graph tab bar's context menu does on tab index.
inline void deleteGraphTab(Dialog &d, int index)
{
    auto *tabs = d.findChild<QTabWidget *>("plotConfigTabs");
    tabs->setCurrentIndex(index);
    for (QAction *action : tabs->actions())
        if (action->text() == QLatin1String("Delete Graph"))
            action->trigger();
}

template<class T>
T *cellAt(QTableWidget *table, int row, int column)
{
    return qobject_cast<T *>(table->cellWidget(row, column));
}

} // namespace ExchangeFixture

#endif // XY_PLOT_TESTS_EXCHANGE_FIXTURE_H

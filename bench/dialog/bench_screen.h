// The screen the dialog benchmark configures: every graph slot full.
#ifndef XY_PLOT_BENCH_BENCH_SCREEN_H
#define XY_PLOT_BENCH_BENCH_SCREEN_H

#include <interfaces/plot_screen_info.h>

#include <QStringList>

#include <memory>

namespace dialog_bench {

const int GraphSlots = 8;
const int ChannelsPerGraph = 8;
const int OverlayChannelsPerSlot = 200;

// The list a logger file gives a slot: an empty entry in front, then the
// file's channels; every slot's file has channels of its own.
QStringList overlayNames(int slot);

// Eight graphs, each with eight variable and eight overlay channels whose
// names come from the catalogue and the slot's overlay list.
std::unique_ptr<Plot_Screen_Info> fullDescription(const QStringList &names);

} // namespace dialog_bench

#endif // XY_PLOT_BENCH_BENCH_SCREEN_H

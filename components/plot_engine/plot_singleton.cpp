// The process-wide store of overlay channel names per graph slot. The
// instance pointer itself is defined by whoever owns the process-wide
// instance (the configuration dialog library), so this file never names it.
#include <interfaces/plot_singleton.h>

PlotSingleton::PlotSingleton()
    : QObject(nullptr)
{
    for (int slot = 0; slot < NumSlots; ++slot) {
        overlayChannelNames[slot] = nullptr;
        overlayTimeScale[slot] = 1;
    }
}

PlotSingleton::~PlotSingleton()
{
    for (QStringList *&names : overlayChannelNames) {
        delete names;
        names = nullptr;
    }
}

/// @file
/// Plot engine: the process-wide PlotSingleton that keeps the overlay channel
/// names of each graph slot. GUI thread only.
#ifndef XY_PLOT_INTERFACES_PLOT_SINGLETON_H
#define XY_PLOT_INTERFACES_PLOT_SINGLETON_H

#include <QObject>
#include <QStringList>
#include <QtGlobal>

#include <interfaces/plot_engine_export.h>

/// Process-wide store of the overlay channel names of each graph slot,
/// shared by every dialog of the process: a dialog built later offers the
/// overlay channels chosen in an earlier one for the same slot.
///
/// The one instance (pInstance) is created on first use, has no QObject
/// parent and lives to the end of the process; the library never deletes
/// it. The definition of pInstance comes with the configuration dialog
/// library. GUI thread only: nothing here is locked.
class XY_PLOT_ENGINE_EXPORT PlotSingleton : public QObject
{
    Q_OBJECT

public:
    /// Graph slots, 0 for "Graph 1" to 7 for "Graph 8".
    enum { NumSlots = 8 };

    /// An empty store: every list pointer null, every time scale 1. Use
    /// instance() rather than constructing one.
    PlotSingleton();
    /// Deletes the lists it holds.
    ~PlotSingleton() override;

    /// The process-wide instance; null until instance() first creates it.
    static PlotSingleton *pInstance;

    /// Channel names of each slot's overlay logger file, with an empty entry
    /// in front that stands for "no channel"; owned by the singleton, null
    /// until first needed.
    QStringList *overlayChannelNames[NumSlots];
    /// Per-slot overlay time scale of the plot engine, 1 on creation; not
    /// used by the dialog.
    qint64 overlayTimeScale[NumSlots];

    /// The instance, created (and stored in pInstance) on first use.
    static PlotSingleton *instance()
    {
        if (!pInstance)
            pInstance = new PlotSingleton;
        return pInstance;
    }

    /// A copy of the list of @p slot (0 to 7); creates and stores an empty
    /// list for a slot never filled. Slots outside 0 to 7 give an empty list
    /// and store nothing.
    static QStringList overlayChannelNamesOf(int slot)
    {
        if (slot < 0 || slot >= NumSlots)
            return QStringList();
        PlotSingleton *s = instance();
        if (!s->overlayChannelNames[slot])
            s->overlayChannelNames[slot] = new QStringList;
        return *s->overlayChannelNames[slot];
    }

    /// Replaces the list of @p slot with @p names, taking ownership of it
    /// and deleting the old list. For slots outside 0 to 7, deletes
    /// @p names and stores nothing.
    static void replaceOverlayChannelNames(int slot, QStringList *names)
    {
        if (slot < 0 || slot >= NumSlots) {
            delete names;
            return;
        }
        PlotSingleton *s = instance();
        delete s->overlayChannelNames[slot];
        s->overlayChannelNames[slot] = names;
    }

private:
    Q_DISABLE_COPY(PlotSingleton)
};

#endif // XY_PLOT_INTERFACES_PLOT_SINGLETON_H

/// @file
/// Plot_Screen_History: the undo history of the descriptions a host applied
/// to one plot screen.
#ifndef XY_PLOT_CONFIG_DIALOG_PLOT_SCREEN_HISTORY_H
#define XY_PLOT_CONFIG_DIALOG_PLOT_SCREEN_HISTORY_H

#include <QObject>
#include <QString>
#include <QVector>

#include <memory>

#include <interfaces/plot_screen_info.h>

#ifndef XY_PLOT_CONFIG_EXPORT
/// Marks the API that the configuration dialog library exports.
#if defined(XY_PLOT_CONFIG_LIBRARY)
#define XY_PLOT_CONFIG_EXPORT Q_DECL_EXPORT
#else
#define XY_PLOT_CONFIG_EXPORT Q_DECL_IMPORT
#endif
#endif

class QUndoStack;

/// The descriptions a host applied to one plot screen, one undo entry per
/// Apply, on a QUndoStack.
///
/// The host records each description it applies (record()); undo and redo
/// step back and forth through them and announce with restored() that
/// current() is the description to show. Every description here is a copy
/// owned by the history: record() only reads its argument, and the
/// description that current() gives stays the history's, valid until the next change of
/// the history (copy it with Plot_Screen_Info::copyFrom()). Each entry is
/// named by what it changed (entryName()), so that a QUndoView or the texts
/// of QUndoStack::createUndoAction() tell the user what undo will take back.
/// GUI thread only.
class XY_PLOT_CONFIG_EXPORT Plot_Screen_History : public QObject
{
    Q_OBJECT

public:
    /// Entries kept when no other limit is given.
    enum { DefaultUndoLimit = 100 };

    /// A history that starts at a copy of @p initial and keeps at most
    /// @p undoLimit entries (0: no limit); the oldest entry goes first.
    /// @p parent, if any, owns the history.
    explicit Plot_Screen_History(const Plot_Screen_Info &initial, int undoLimit = DefaultUndoLimit,
                                 QObject *parent = nullptr);
    /// Frees the stack and every description it holds.
    ~Plot_Screen_History() override;

    /// Records @p applied as the new current description: one entry that
    /// undo takes back to the description current before. Entries that were
    /// undone are dropped. Returns false and records nothing when @p applied
    /// does not differ from current(). Emits no restored().
    bool record(const Plot_Screen_Info &applied);

    /// Starts again from a copy of @p initial, with no entries.
    void reset(const Plot_Screen_Info &initial);

    /// The description at the history's current point; owned by the history.
    const Plot_Screen_Info &current() const;

    /// The stack of entries, owned by the history: for undo and redo
    /// actions, a QUndoView and the clean state. Push nothing onto it.
    QUndoStack *undoStack() const;

    /// Most entries kept; 0 for no limit.
    int undoLimit() const;

    /// The name of an entry with the differences @p differences: the one
    /// change ("Graph 2: Y axis (left) / range max", "Refresh interval",
    /// "Graph 4 added") or their number ("3 changes").
    static QString entryName(const QVector<PlotScreenDifference> &differences);

public slots:
    /// Takes the last entry back: current() becomes the description before
    /// it and restored() is emitted. Nothing when there is nothing to undo.
    void undo();
    /// Applies the next undone entry again: current() becomes its
    /// description and restored() is emitted. Nothing when there is nothing
    /// to redo.
    void redo();

signals:
    /// Undo or redo changed the current description: the host shows
    /// current() (and may copy it).
    void restored();

private:
    friend class Plot_Screen_History_Entry;
    void restore(const Plot_Screen_Info &screen);

    std::unique_ptr<Plot_Screen_Info> m_current;
    QUndoStack *m_stack;
};

#endif // XY_PLOT_CONFIG_DIALOG_PLOT_SCREEN_HISTORY_H

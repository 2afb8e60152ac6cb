// Undo history of applied plot screen descriptions.
#include "plot_screen_history.h"

#include <QUndoCommand>
#include <QUndoStack>

// One Apply: the description before and after it, both copies of its own.
class Plot_Screen_History_Entry : public QUndoCommand
{
public:
    Plot_Screen_History_Entry(Plot_Screen_History *history, const Plot_Screen_Info &before,
                              const Plot_Screen_Info &after, const QString &name)
        : QUndoCommand(name)
        , m_history(history)
    {
        m_before.copyFrom(before);
        m_after.copyFrom(after);
    }

    void undo() override { m_history->restore(m_before); }

    void redo() override
    {
        // The push itself: the host already shows what it applied.
        if (m_pushed)
            m_history->restore(m_after);
        m_pushed = true;
    }

private:
    Plot_Screen_History *m_history;
    Plot_Screen_Info m_before;
    Plot_Screen_Info m_after;
    bool m_pushed = false;
};

Plot_Screen_History::Plot_Screen_History(const Plot_Screen_Info &initial, int undoLimit,
                                         QObject *parent)
    : QObject(parent)
    , m_current(new Plot_Screen_Info)
    , m_stack(new QUndoStack(this))
{
    // QUndoStack takes a limit only while it is empty.
    m_stack->setUndoLimit(qMax(0, undoLimit));
    m_current->copyFrom(initial);
}

Plot_Screen_History::~Plot_Screen_History() = default;

bool Plot_Screen_History::record(const Plot_Screen_Info &applied)
{
    const QVector<PlotScreenDifference> differences = plotScreenDifferences(*m_current, applied);
    if (differences.isEmpty())
        return false;
    m_stack->push(new Plot_Screen_History_Entry(this, *m_current, applied, entryName(differences)));
    m_current->copyFrom(applied);
    return true;
}

void Plot_Screen_History::reset(const Plot_Screen_Info &initial)
{
    m_stack->clear();
    m_current->copyFrom(initial);
}

const Plot_Screen_Info &Plot_Screen_History::current() const
{
    return *m_current;
}

QUndoStack *Plot_Screen_History::undoStack() const
{
    return m_stack;
}

int Plot_Screen_History::undoLimit() const
{
    return m_stack->undoLimit();
}

QString Plot_Screen_History::entryName(const QVector<PlotScreenDifference> &differences)
{
    if (differences.size() != 1)
        return tr("%1 changes").arg(differences.size());
    const PlotScreenDifference &only = differences.first();
    if (only.kind != PlotScreenDifference::Changed)
        return only.toString();
    // "Graph 2 / Y axis (left) / range max" reads "Graph 2: Y axis (left) / range max".
    QString name = only.path;
    const int graphEnd =
        name.startsWith(QLatin1String("Graph ")) ? name.indexOf(QLatin1String(" / ")) : -1;
    if (graphEnd > 0)
        name.replace(graphEnd, 3, QStringLiteral(": "));
    return name;
}

void Plot_Screen_History::undo()
{
    m_stack->undo();
}

void Plot_Screen_History::redo()
{
    m_stack->redo();
}

void Plot_Screen_History::restore(const Plot_Screen_Info &screen)
{
    m_current->copyFrom(screen);
    emit restored();
}

// Loading, storing and checking the rows of the channel tables and of the
// overview that lists them.
#include "channel_rows.h"

#include "line_cells.h"
#include "table_cells.h"

#include <interfaces/spreadsheet.h>
#include <interfaces/spreadsheet_columns.h>

#include <QComboBox>
#include <QStringList>

namespace RowKinds {

namespace {

namespace ChannelRow = SpreadsheetColumns::ChannelRow;
namespace OverviewRow = SpreadsheetColumns::OverviewRow;

// The X and Y cells of a variable row: selectors over the host's variables.
struct VariableChoice
{
    using Cell = ZelVariable;
    static int index(const ZelVariable *choice) { return choice->comboBox()->currentIndex(); }
    static QString text(const ZelVariable *choice) { return choice->comboBox()->currentText(); }
    // A stored name may be the stem of a longer catalogue name.
    static void select(ZelVariable *choice, const QString &name)
    {
        choice->comboBox()->setCurrentIndex(
            ZelVariable::findFirstStartingWith(name, Qt::CaseSensitive));
    }
    // The overview finds a variable whatever the case of the stored name.
    static void show(ZelVariable *choice, const QString &name)
    {
        choice->comboBox()->setCurrentIndex(
            ZelVariable::findFirstStartingWith(name, Qt::CaseInsensitive));
    }
};

// The X and Y cells of an overlay row: the channels of the graph's file.
struct ChannelChoice
{
    using Cell = ComboBoxWidget;
    static int index(const ComboBoxWidget *choice) { return choice->getComboBoxCurrentIndex(); }
    static QString text(const ComboBoxWidget *choice) { return choice->getComboBoxCurrentText(); }
    static void select(ComboBoxWidget *choice, const QString &name)
    {
        choice->setComboBoxCurrentIndex(choice->findIndex(name));
    }
    // A new overview row offers the channels of the graph at its position,
    // which after a deleted graph is not the graph the row lists; the stored
    // name is then added, so the overview still shows what the graph uses.
    static void show(ComboBoxWidget *choice, const QString &name)
    {
        int index = choice->findIndex(name);
        if (index < 0) {
            QStringList names;
            const QComboBox *combo = choice->comboBox();
            for (int i = 0; i < combo->count(); ++i)
                names.append(combo->itemText(i));
            names.append(name);
            choice->clearContents();
            choice->setComboBoxContentsList(names);
            index = choice->findIndex(name);
            if (index < 0)
                index = names.size() - 1;
        }
        choice->setComboBoxCurrentIndex(index);
    }
};

// Sets a cell, then, in the overview, disables it.
template<class T, class Set>
void setCell(const QTableWidget *table, int row, int column, bool readOnly, Set set)
{
    if (auto *widget = cell<T>(table, row, column)) {
        set(widget);
        if (readOnly)
            widget->setEnabled(false);
    }
}

// The overview lists a channel row behind the number of its graph.
const int overviewShift = OverviewRow::X - ChannelRow::X;
static_assert(OverviewRow::Line == ChannelRow::Line + overviewShift, "overview rows shifted");

// The cells of a channel row, shift columns to the right in the overview.
template<class Choice, class Select>
void loadPair(const QTableWidget *table, int row, int shift, const Plot_Channel_Info &channel,
              Select select)
{
    using Cell = typename Choice::Cell;
    const bool readOnly = shift != 0;
    setCell<Cell>(table, row, ChannelRow::X + shift, readOnly,
                  [&](Cell *w) { select(w, channel.xVarName); });
    setCell<Cell>(table, row, ChannelRow::Y + shift, readOnly,
                  [&](Cell *w) { select(w, channel.yVarName); });
    setCell<IconButtonWidget>(table, row, ChannelRow::Side + shift, readOnly,
                              [&](IconButtonWidget *w) { w->setLeftSelected(channel.useLeftAxis); });
    setCell<LineEditColorWidget>(table, row, ChannelRow::Color + shift, readOnly,
                                 [&](LineEditColorWidget *w) {
                                     w->setBGStyleSheet(channel.lineColor.name());
                                 });
    setCell<Combo_SpinBoxWidget>(table, row, ChannelRow::Line + shift, readOnly,
                                 [&](Combo_SpinBoxWidget *w) {
                                     loadLine(w, channel.lineStyle, channel.lineWidth);
                                 });
}

template<class Choice>
void loadOverviewRow(QTableWidget *table, int row, qint64 graph, const Plot_Channel_Info &channel)
{
    setCell<LineEditWidget>(table, row, OverviewRow::Graph, true, [graph](LineEditWidget *w) {
        w->setLineEditText(QStringLiteral("%1").arg(graph));
    });
    loadPair<Choice>(table, row, overviewShift, channel, Choice::show);
}

// The colour is read before the axis side.
template<class Choice>
bool storeRow(const QTableWidget *table, int row, Plot_Channel_Info &channel)
{
    using Cell = typename Choice::Cell;
    const Cell *x = cell<Cell>(table, row, ChannelRow::X);
    if (!x || Choice::index(x) < 0)
        return false;
    channel.xVarName = Choice::text(x);
    if (const Cell *y = cell<Cell>(table, row, ChannelRow::Y))
        channel.yVarName = Choice::text(y);
    if (auto *color = cell<LineEditColorWidget>(table, row, ChannelRow::Color))
        channel.lineColor.setNamedColor(color->getBGStyleSheet());
    if (auto *side = cell<IconButtonWidget>(table, row, ChannelRow::Side))
        channel.useLeftAxis = side->getLeftSelected();
    storeLine(cell<Combo_SpinBoxWidget>(table, row, ChannelRow::Line), channel.lineStyle,
              channel.lineWidth);
    return true;
}

// A cell without the expected selector leaves its row incomplete.
template<class Choice>
bool isComplete(const QTableWidget *table, int row)
{
    using Cell = typename Choice::Cell;
    const Cell *x = cell<Cell>(table, row, ChannelRow::X);
    const Cell *y = cell<Cell>(table, row, ChannelRow::Y);
    return x && y && Choice::index(x) != -1 && Choice::index(y) != -1;
}

} // namespace

void loadVariableRow(QTableWidget *table, int row, const Plot_Channel_Info &channel)
{
    loadPair<VariableChoice>(table, row, 0, channel, VariableChoice::select);
}

bool storeVariableRow(const QTableWidget *table, int row, Plot_Channel_Info &channel)
{
    return storeRow<VariableChoice>(table, row, channel);
}

bool isCompleteVariableRow(const QTableWidget *table, int row)
{
    return isComplete<VariableChoice>(table, row);
}

RowProblem checkVariableRow(const QTableWidget *table, int row)
{
    auto *x = cell<ZelVariable>(table, row, ChannelRow::X);
    if (x && x->comboBox()->currentIndex() == -1)
        return {QStringLiteral("A X variable name must be selected.\n\n")
                    + QStringLiteral("Please select a X Variable Name to be plotted.\n"),
                QStringLiteral("No X Variable Name Selected"), [x] { x->setFocus(); }};
    auto *y = cell<ZelVariable>(table, row, ChannelRow::Y);
    if (y && y->comboBox()->currentIndex() == -1)
        return {QStringLiteral("A Y variable name must be selected.\n\n")
                    + QStringLiteral("Please select a Y Variable Name to be plotted.\n"),
                QStringLiteral("No Y Variable Name Selected"), [y] { y->setFocus(); }};
    return {};
}

void loadOverlayRow(QTableWidget *table, int row, const Plot_Channel_Info &channel)
{
    loadPair<ChannelChoice>(table, row, 0, channel, ChannelChoice::select);
}

bool storeOverlayRow(const QTableWidget *table, int row, Plot_Channel_Info &channel)
{
    return storeRow<ChannelChoice>(table, row, channel);
}

bool isCompleteOverlayRow(const QTableWidget *table, int row)
{
    return isComplete<ChannelChoice>(table, row);
}

void loadOverviewVariableRow(QTableWidget *table, int row, qint64 graph,
                             const Plot_Channel_Info &channel)
{
    loadOverviewRow<VariableChoice>(table, row, graph, channel);
}

void loadOverviewOverlayRow(QTableWidget *table, int row, qint64 graph,
                            const Plot_Channel_Info &channel)
{
    loadOverviewRow<ChannelChoice>(table, row, graph, channel);
}

} // namespace RowKinds

// Loading, storing and checking the rows of the channel tables and of the
// overview that lists them.
#include "channel_rows.h"

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

// The overview lists a channel row behind the number of its graph, read
// only.
const int overviewShift = OverviewRow::X - ChannelRow::X;
static_assert(OverviewRow::Line == ChannelRow::Line + overviewShift, "overview rows shifted");

template<class Choice>
void loadRow(QTableWidget *table, int row, bool overview, const Plot_Channel_Info &channel)
{
    using Cell = typename Choice::Cell;
    const int shift = overview ? overviewShift : 0;
    const auto select = overview ? Choice::show : Choice::select;
    setCell<Cell>(table, row, ChannelRow::X + shift, overview,
                  [&](Cell *w) { select(w, channel.xVarName); });
    setCell<Cell>(table, row, ChannelRow::Y + shift, overview,
                  [&](Cell *w) { select(w, channel.yVarName); });
    setCell<IconButtonWidget>(table, row, ChannelRow::Side + shift, overview,
                              [&](IconButtonWidget *w) { w->setLeftSelected(channel.useLeftAxis); });
    setCell<LineEditColorWidget>(table, row, ChannelRow::Color + shift, overview,
                                 [&](LineEditColorWidget *w) {
                                     w->setBGStyleSheet(channel.lineColor.name());
                                 });
    setCell<Combo_SpinBoxWidget>(table, row, ChannelRow::Line + shift, overview,
                                 [&](Combo_SpinBoxWidget *w) {
                                     loadLine(w, channel.lineStyle, channel.lineWidth);
                                 });
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

void loadChannelRow(Channels kind, QTableWidget *table, int row, const Plot_Channel_Info &channel)
{
    kind == Channels::Variables ? loadRow<VariableChoice>(table, row, false, channel)
                                : loadRow<ChannelChoice>(table, row, false, channel);
}

unsigned long storeChannelRows(Channels kind, const QTableWidget *table, int counted,
                               Plot_Channel_Info (&records)[Plot_Axis_Info::MaxChannels])
{
    const int rows = channelRows(static_cast<unsigned long>(qMax(0, counted)));
    unsigned long channels = static_cast<unsigned long>(rows);
    for (int r = 0; r < rows; ++r) {
        Plot_Channel_Info channel;
        const bool chosen = kind == Channels::Variables
                                ? storeRow<VariableChoice>(table, r, channel)
                                : storeRow<ChannelChoice>(table, r, channel);
        if (!chosen)
            continue;
        if (kind == Channels::Overlay && channel.xVarName.isEmpty())
            channels = 0;
        records[r] = channel; // kept all the same
    }
    return channels;
}

bool isCompleteChannelRow(Channels kind, const QTableWidget *table, int row)
{
    return kind == Channels::Variables ? isComplete<VariableChoice>(table, row)
                                       : isComplete<ChannelChoice>(table, row);
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

void loadOverviewRow(Channels kind, QTableWidget *table, int row, qint64 graph,
                     const Plot_Channel_Info &channel)
{
    setCell<LineEditWidget>(table, row, OverviewRow::Graph, true, [graph](LineEditWidget *w) {
        w->setLineEditText(QStringLiteral("%1").arg(graph));
    });
    kind == Channels::Variables ? loadRow<VariableChoice>(table, row, true, channel)
                                : loadRow<ChannelChoice>(table, row, true, channel);
}

} // namespace RowKinds

// The columns of each table kind and the cell widgets that fill them.
#include "table_columns.h"

#include <interfaces/spreadsheet.h>
#include <interfaces/spreadsheet_columns.h>

#include "cell_support.h"

#include <QComboBox>

namespace xy_table {

namespace {

// A layout's columns with their published numbers, which they must follow
// in order: the dialog addresses the cells by those numbers.
struct Numbered
{
    int number;
    Column column;
};

QVector<Column> laidOut(std::initializer_list<Numbered> numbered, int count)
{
    QVector<Column> columns;
    for (const Numbered &entry : numbered) {
        Q_ASSERT(entry.number == columns.size());
        columns.append(entry.column);
    }
    Q_ASSERT(columns.size() == count);
    return columns;
}

// Variable and overlay rows differ only in their X and Y cells.
QVector<Column> channelColumns(const Column &x, const Column &y)
{
    using Row = SpreadsheetColumns::ChannelRow::Column;
    return laidOut({{Row::X, x},
                    {Row::Y, y},
                    {Row::Side, {Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Y Axis")}},
                    {Row::Color, {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Line Color")}},
                    {Row::Line,
                     {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Line Style / Width")}}},
                   Row::Count);
}

// An overview row is a channel row behind the number of its graph.
QVector<Column> overviewColumns(const QVector<Column> &channelRow)
{
    namespace C = SpreadsheetColumns;
    static_assert(C::OverviewRow::Graph == 0 && C::OverviewRow::X == C::ChannelRow::X + 1
                      && C::OverviewRow::Count == C::ChannelRow::Count + 1,
                  "an overview row is a channel row behind its graph number");
    QVector<Column> columns{{Cell::GraphLabel, QT_TRANSLATE_NOOP("Spreadsheet", "Graph")}};
    return columns + channelRow;
}

} // namespace

const QVector<Column> &columnsOf(RowLayout layout)
{
    static const QVector<Column> none;
    // The axes tables have the most columns; short headers let them fit the
    // dialog's width, the tips say what they stand for.
    static const char *const axisColor = QT_TRANSLATE_NOOP("Spreadsheet", "Axis color");
    static const char *const autoRange = QT_TRANSLATE_NOOP("Spreadsheet", "Automatic range");
    static const char *const range = QT_TRANSLATE_NOOP("Spreadsheet", "Range minimum / maximum");
    static const char *const ticks =
        QT_TRANSLATE_NOOP("Spreadsheet", "Number of major / minor ticks");
    static const char *const gridLine = QT_TRANSLATE_NOOP("Spreadsheet", "Grid line style / width");
    namespace C = SpreadsheetColumns;
    static const QVector<Column> yAxis = laidOut(
        {{C::YAxisRow::Side, {Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Axis")}},
         {C::YAxisRow::Color, {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Color"), axisColor}},
         {C::YAxisRow::AutoRange,
          {Cell::AutoRange, QT_TRANSLATE_NOOP("Spreadsheet", "Auto"), autoRange}},
         {C::YAxisRow::Range, {Cell::Range, QT_TRANSLATE_NOOP("Spreadsheet", "Min / Max"), range}},
         {C::YAxisRow::Ticks,
          {Cell::Ticks, QT_TRANSLATE_NOOP("Spreadsheet", "Major / Minor"), ticks}},
         {C::YAxisRow::Label, {Cell::Text, QT_TRANSLATE_NOOP("Spreadsheet", "Label")}},
         {C::YAxisRow::Grid, {Cell::GridColor, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Color")}},
         {C::YAxisRow::GridLine,
          {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Style / Width"), gridLine}}},
        C::YAxisRow::Count);
    static const QVector<Column> xAxis =
        laidOut({{C::XAxisRow::AutoRange,
                  {Cell::AutoRange, QT_TRANSLATE_NOOP("Spreadsheet", "Auto"), autoRange}},
                 {C::XAxisRow::Range,
                  {Cell::Range, QT_TRANSLATE_NOOP("Spreadsheet", "Min / Max"), range}},
                 {C::XAxisRow::Ticks,
                  {Cell::Ticks, QT_TRANSLATE_NOOP("Spreadsheet", "Major / Minor"), ticks}},
                 {C::XAxisRow::Color,
                  {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Color"), axisColor}},
                 {C::XAxisRow::Label, {Cell::Text, QT_TRANSLATE_NOOP("Spreadsheet", "Label")}},
                 {C::XAxisRow::Grid, {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Color")}},
                 {C::XAxisRow::GridLine,
                  {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Style / Width"),
                   gridLine}}},
                C::XAxisRow::Count);
    static const QVector<Column> variables =
        channelColumns({Cell::Variable, QT_TRANSLATE_NOOP("Spreadsheet", "X Variable")},
                       {Cell::Variable, QT_TRANSLATE_NOOP("Spreadsheet", "Y Variable")});
    static const QVector<Column> overlay =
        channelColumns({Cell::Channel, QT_TRANSLATE_NOOP("Spreadsheet", "X Channel")},
                       {Cell::Channel, QT_TRANSLATE_NOOP("Spreadsheet", "Y Channel")});
    static const QVector<Column> allVariables = overviewColumns(variables);
    static const QVector<Column> allOverlay = overviewColumns(overlay);
    switch (layout) {
    case RowLayout::YAxis:
        return yAxis;
    case RowLayout::XAxis:
        return xAxis;
    case RowLayout::Variables:
        return variables;
    case RowLayout::Overlay:
        return overlay;
    case RowLayout::AllVariables:
        return allVariables;
    case RowLayout::AllOverlay:
        return allOverlay;
    case RowLayout::None:
        break;
    }
    return none;
}

QWidget *createCell(Cell cell, QWidget *parent, const QStringList &channels)
{
    switch (cell) {
    case Cell::AxisSide:
        return new IconButtonWidget(parent);
    case Cell::Color:
        return new LineEditColorWidget(parent);
    case Cell::GridColor: {
        auto *color = new LineEditColorWidget(parent);
        color->setGridCheckBoxShown(true);
        return color;
    }
    case Cell::AutoRange:
        return new CheckBoxWidget(parent);
    case Cell::Range:
    case Cell::Ticks:
        return new LineEdit_LineEditWidget(parent);
    case Cell::Text:
    case Cell::GraphLabel:
        return new LineEditWidget(parent);
    case Cell::LineStyle:
        return new Combo_SpinBoxWidget(parent);
    case Cell::Variable:
        return new ZelVariable(parent);
    case Cell::Channel: {
        auto *combo = new ComboBoxWidget(parent);
        if (!channels.isEmpty())
            combo->setComboBoxContentsList(channels); // nothing chosen
        return combo;
    }
    }
    return nullptr;
}

bool isOverview(RowLayout layout)
{
    return layout == RowLayout::AllVariables || layout == RowLayout::AllOverlay;
}

void buildEditors(Cell cell, QWidget *widget)
{
    // Asking for an editor builds it.
    switch (cell) {
    case Cell::AxisSide:
        static_cast<IconButtonWidget *>(widget)->button();
        break;
    case Cell::Text:
    case Cell::GraphLabel:
        static_cast<LineEditWidget *>(widget)->lineEdit();
        break;
    case Cell::LineStyle:
        static_cast<Combo_SpinBoxWidget *>(widget)->comboBox();
        break;
    case Cell::Channel:
        static_cast<ComboBoxWidget *>(widget)->comboBox();
        break;
    default:
        break; // built with the cell
    }
}

void resetCell(Cell cell, QWidget *widget, const QStringList &channels)
{
    switch (cell) {
    case Cell::AxisSide:
        static_cast<IconButtonWidget *>(widget)->setLeftSelected(true);
        break;
    case Cell::Color:
        static_cast<LineEditColorWidget *>(widget)->setBGStyleSheet(xy_cells::newCellColor().name());
        break;
    case Cell::GraphLabel:
        static_cast<LineEditWidget *>(widget)->setLineEditText(QString());
        break;
    case Cell::LineStyle: {
        auto *line = static_cast<Combo_SpinBoxWidget *>(widget);
        line->setComboBoxCurrentIndex(xy_cells::newLineStyleIndex);
        line->setSpinBoxValue(xy_cells::newLineWidth);
        break;
    }
    case Cell::Variable:
        static_cast<ZelVariable *>(widget)->comboBox()->setCurrentIndex(-1);
        break;
    case Cell::Channel:
        static_cast<ComboBoxWidget *>(widget)->setComboBoxContentsList(channels); // nothing chosen
        break;
    default:
        break;
    }
}

} // namespace xy_table

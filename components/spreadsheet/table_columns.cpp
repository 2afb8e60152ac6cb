// The columns of each table kind and the cell widgets that fill them.
#include "table_columns.h"

#include <interfaces/spreadsheet.h>

#include "cell_support.h"

#include <QComboBox>
#include <QStringListModel>

namespace xy_table {

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
    static const QVector<Column>
        yAxis{{Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Axis")},
              {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Color"), axisColor},
              {Cell::AutoRange, QT_TRANSLATE_NOOP("Spreadsheet", "Auto"), autoRange},
              {Cell::Range, QT_TRANSLATE_NOOP("Spreadsheet", "Min / Max"), range},
              {Cell::Ticks, QT_TRANSLATE_NOOP("Spreadsheet", "Major / Minor"), ticks},
              {Cell::Text, QT_TRANSLATE_NOOP("Spreadsheet", "Label")},
              {Cell::GridColor, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Color")},
              {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Style / Width"), gridLine}};
    static const QVector<Column>
        xAxis{{Cell::AutoRange, QT_TRANSLATE_NOOP("Spreadsheet", "Auto"), autoRange},
              {Cell::Range, QT_TRANSLATE_NOOP("Spreadsheet", "Min / Max"), range},
              {Cell::Ticks, QT_TRANSLATE_NOOP("Spreadsheet", "Major / Minor"), ticks},
              {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Color"), axisColor},
              {Cell::Text, QT_TRANSLATE_NOOP("Spreadsheet", "Label")},
              {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Color")},
              {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Style / Width"), gridLine}};
    static const QVector<Column>
        variables{{Cell::Variable, QT_TRANSLATE_NOOP("Spreadsheet", "X Variable")},
                  {Cell::Variable, QT_TRANSLATE_NOOP("Spreadsheet", "Y Variable")},
                  {Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Y Axis")},
                  {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Line Color")},
                  {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Line Style / Width")}};
    static const QVector<Column>
        overlay{{Cell::Channel, QT_TRANSLATE_NOOP("Spreadsheet", "X Channel")},
                {Cell::Channel, QT_TRANSLATE_NOOP("Spreadsheet", "Y Channel")},
                {Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Y Axis")},
                {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Line Color")},
                {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Line Style / Width")}};
    static const QVector<Column>
        allVariables{{Cell::GraphLabel, QT_TRANSLATE_NOOP("Spreadsheet", "Graph")},
                     {Cell::Variable, QT_TRANSLATE_NOOP("Spreadsheet", "X Variable")},
                     {Cell::Variable, QT_TRANSLATE_NOOP("Spreadsheet", "Y Variable")},
                     {Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Y Axis")},
                     {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Line Color")},
                     {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Line Style / Width")}};
    static const QVector<Column>
        allOverlay{{Cell::GraphLabel, QT_TRANSLATE_NOOP("Spreadsheet", "Graph")},
                   {Cell::Channel, QT_TRANSLATE_NOOP("Spreadsheet", "X Channel")},
                   {Cell::Channel, QT_TRANSLATE_NOOP("Spreadsheet", "Y Channel")},
                   {Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Y Axis")},
                   {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Line Color")},
                   {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Line Style / Width")}};
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
    case Cell::Channel: {
        auto *combo = static_cast<ComboBoxWidget *>(widget);
        // The list a cell holds is mostly the very list offered now, which
        // compares at once.
        const auto *names = qobject_cast<const QStringListModel *>(combo->comboBox()->model());
        if (names && names->stringList() == channels)
            combo->setComboBoxCurrentIndex(-1);
        else
            combo->setComboBoxContentsList(channels); // nothing chosen
        break;
    }
    default:
        break;
    }
}

} // namespace xy_table

// Loading, storing and checking the rows of the axes tables.
#include "axis_rows.h"

#include "field_numbers.h"
#include "table_cells.h"

#include <interfaces/spreadsheet.h>
#include <interfaces/spreadsheet_columns.h>

namespace RowKinds {

namespace {

namespace XAxisRow = SpreadsheetColumns::XAxisRow;
namespace YAxisRow = SpreadsheetColumns::YAxisRow;

// Most major or minor ticks an axis is stored with.
const int MaxTicks = Plot_Screen_Info::MaxTicks;

// Both axis rows hold these cells, in columns of their own: Row is the
// row kind's column enumeration.
template<class Row>
void loadRangeAndTicks(const QTableWidget *table, int row, const Single_Axis_Info &axis)
{
    if (auto *range = cell<LineEdit_LineEditWidget>(table, row, Row::Range)) {
        range->setLineEditText(0, realText(axis.rangeMin));
        range->setLineEditText(1, realText(axis.rangeMax));
    }
    if (auto *ticks = cell<LineEdit_LineEditWidget>(table, row, Row::Ticks)) {
        ticks->setLineEditText(0, wholeText(axis.numMajorTicks));
        ticks->setLineEditText(1, wholeText(axis.numMinorTicks));
    }
}

unsigned long tickCount(const QString &text)
{
    return qMin<unsigned long>(text.toUInt(nullptr, 10), MaxTicks);
}

// Only the Y axes have a grid switch; the X grid is always drawn.
template<class Row>
Single_Axis_Info storeAxisRow(const QTableWidget *table, int row, bool gridSwitch,
                              Single_Axis_Info axis)
{
    if (auto *color = cell<LineEditColorWidget>(table, row, Row::Color))
        axis.axisColorName = color->getBGStyleSheet();
    if (auto *autoRange = cell<CheckBoxWidget>(table, row, Row::AutoRange))
        axis.autoRange = autoRange->getCheckBoxTrue();
    // An automatic range is not applied, so its fields are not kept.
    axis.rangeMin = 0.0;
    axis.rangeMax = 0.0;
    auto *range = cell<LineEdit_LineEditWidget>(table, row, Row::Range);
    if (range && !axis.autoRange) {
        axis.rangeMin = range->getLineEditText(0).toDouble();
        axis.rangeMax = range->getLineEditText(1).toDouble();
    }
    if (auto *ticks = cell<LineEdit_LineEditWidget>(table, row, Row::Ticks)) {
        axis.numMajorTicks = tickCount(ticks->getLineEditText(0));
        axis.numMinorTicks = tickCount(ticks->getLineEditText(1));
    }
    if (auto *label = cell<LineEditWidget>(table, row, Row::Label))
        axis.label = label->getLineEditText();
    if (auto *grid = cell<LineEditColorWidget>(table, row, Row::Grid)) {
        axis.gridColorName = grid->getBGStyleSheet();
        if (gridSwitch)
            axis.gridVisible = grid->getGridVisible();
    }
    storeLine(cell<Combo_SpinBoxWidget>(table, row, Row::GridLine), axis.gridLineStyle,
              axis.gridLineWidth);
    return axis;
}

} // namespace

void loadYAxisRow(QTableWidget *table, int row, const Single_Axis_Info &axis)
{
    if (auto *side = cell<IconButtonWidget>(table, row, YAxisRow::Side))
        side->setLeftSelected(row == 0);
    if (auto *color = cell<LineEditColorWidget>(table, row, YAxisRow::Color))
        color->setBGStyleSheet(axis.axisColorName);
    auto *autoRange = cell<CheckBoxWidget>(table, row, YAxisRow::AutoRange);
    if (autoRange)
        autoRange->setCheckBoxTrue(axis.autoRange);
    loadRangeAndTicks<YAxisRow::Column>(table, row, axis);
    auto *range = cell<LineEdit_LineEditWidget>(table, row, YAxisRow::Range);
    if (range && autoRange) {
        // An automatic range ignores the fields, so they are not editable.
        const bool editable = !autoRange->getCheckBoxTrue();
        range->setLineEditBoxEnabled(0, editable);
        range->setLineEditBoxEnabled(1, editable);
    }
    if (auto *label = cell<LineEditWidget>(table, row, YAxisRow::Label))
        label->setLineEditText(axis.label);
    if (auto *grid = cell<LineEditColorWidget>(table, row, YAxisRow::Grid)) {
        grid->setBGStyleSheet(axis.gridColorName);
        grid->setGridVisible(axis.gridVisible);
        grid->setCheckBoxChecked(grid->getGridVisible());
    }
    loadLine(cell<Combo_SpinBoxWidget>(table, row, YAxisRow::GridLine), axis.gridLineStyle,
             axis.gridLineWidth);
}

Single_Axis_Info storeYAxisRow(const QTableWidget *table, int row, Single_Axis_Info axis)
{
    return storeAxisRow<YAxisRow::Column>(table, row, true, axis);
}

RowProblem checkYAxisRow(const QTableWidget *table, int row)
{
    // Field 0 holds the major tick count, of which there is at least one,
    // field 1 the minor one.
    struct TickField
    {
        int fewest;
        const char *name;
        const char *tooFew;
    };
    static const TickField fields[] =
        {{1, "Major",
          "The entered value of Number of Major Tick\nMarks must be greater than 0.\n\n"
          "Please enter in a value for Number of Major Tick Marks\n"},
         {0, "Minor",
          "The entered Number of Minor Tick Marks must\nbe greater than or equal to 0.\n\n"
          "Please enter in the value for Number of Minor Ticks.\n"}};
    auto *ticks = cell<LineEdit_LineEditWidget>(table, row, YAxisRow::Ticks);
    for (int field = 0; ticks && field < 2; ++field) {
        const QString text = ticks->getLineEditText(field);
        if (text.isEmpty())
            continue;
        const QString name = QLatin1String(fields[field].name);
        const QString title = QStringLiteral("Invalid Number for Y %1 Ticks").arg(name);
        const int count = text.toInt(nullptr, 10);
        if (count < fields[field].fewest)
            return {QLatin1String(fields[field].tooFew), title,
                    [ticks, field] { ticks->setLineEditFocus(field); }};
        // A count above the limit is put back to the limit.
        const QString most = QStringLiteral("%1").arg(MaxTicks);
        if (count > MaxTicks)
            return {QStringLiteral("The entered value for Number of %1 Tick\n"
                                   "Marks must be less than %2.\n")
                        .arg(name, most),
                    title, [ticks, field, most] {
                        ticks->setLineEditFocus(field);
                        ticks->setLineEditText(field, most);
                    }};
    }

    // With auto range on the range fields are not applied.
    auto *autoRange = cell<CheckBoxWidget>(table, row, YAxisRow::AutoRange);
    if (autoRange && autoRange->getCheckBoxTrue())
        return {};
    auto *range = cell<LineEdit_LineEditWidget>(table, row, YAxisRow::Range);
    if (!range)
        return {};
    const bool minEmpty = range->getLineEditText(0).isEmpty();
    if (!minEmpty && !range->getLineEditText(1).isEmpty())
        return {};
    return {QStringLiteral("The Y Axes Auto Range is off, a value must be specified\n"
                           "for the Y Axes Range Min and Y Axes Range Max Values.\n\n"
                           "Please enter in a Y Axes Range Min or Range Max value\n"),
            QStringLiteral("Missing Range Min or Max Values"),
            [range, minEmpty] { range->setLineEditFocus(minEmpty ? 0 : 1); }};
}

void loadXAxisRow(QTableWidget *table, const Single_Axis_Info &axis)
{
    if (auto *autoRange = cell<CheckBoxWidget>(table, 0, XAxisRow::AutoRange))
        autoRange->setCheckBoxTrue(axis.autoRange);
    loadRangeAndTicks<XAxisRow::Column>(table, 0, axis);
    if (auto *color = cell<LineEditColorWidget>(table, 0, XAxisRow::Color))
        color->setBGStyleSheet(axis.axisColorName);
    if (auto *label = cell<LineEditWidget>(table, 0, XAxisRow::Label))
        label->setLineEditText(axis.label);
    if (auto *grid = cell<LineEditColorWidget>(table, 0, XAxisRow::Grid))
        grid->setBGStyleSheet(axis.gridColorName);
    loadLine(cell<Combo_SpinBoxWidget>(table, 0, XAxisRow::GridLine), axis.gridLineStyle,
             axis.gridLineWidth);
}

Single_Axis_Info storeXAxisRow(const QTableWidget *table, Single_Axis_Info axis)
{
    return storeAxisRow<XAxisRow::Column>(table, 0, false, axis);
}

void loadAxes(QTableWidget *yAxes, QTableWidget *xAxis, const Plot_Axis_Info &record)
{
    loadYAxisRow(yAxes, 0, record.leftYAxis);
    loadYAxisRow(yAxes, 1, record.rightYAxis);
    loadXAxisRow(xAxis, record.xAxis);
}

} // namespace RowKinds

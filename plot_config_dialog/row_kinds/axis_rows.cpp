// Loading, storing and checking the rows of the axes tables.
#include "axis_rows.h"

#include "field_numbers.h"
#include "line_cells.h"
#include "table_cells.h"

#include <interfaces/spreadsheet.h>
#include <interfaces/spreadsheet_columns.h>

namespace RowKinds {

namespace {

namespace XAxisRow = SpreadsheetColumns::XAxisRow;
namespace YAxisRow = SpreadsheetColumns::YAxisRow;

// Most major or minor ticks an axis is stored with.
const int MaxTicks = Plot_Screen_Info::MaxTicks;

// The cells that both axis rows hold, by their columns in the row kind.
struct AxisColumns
{
    int autoRange;
    int range;
    int ticks;
    int color;
    int label;
    int grid;
    int gridLine;
};

const AxisColumns yAxisColumns{YAxisRow::AutoRange, YAxisRow::Range, YAxisRow::Ticks,
                               YAxisRow::Color,     YAxisRow::Label, YAxisRow::Grid,
                               YAxisRow::GridLine};
const AxisColumns xAxisColumns{XAxisRow::AutoRange, XAxisRow::Range, XAxisRow::Ticks,
                               XAxisRow::Color,     XAxisRow::Label, XAxisRow::Grid,
                               XAxisRow::GridLine};

void loadRangeAndTicks(const QTableWidget *table, int row, const AxisColumns &columns,
                       const Single_Axis_Info &axis)
{
    if (auto *range = cell<LineEdit_LineEditWidget>(table, row, columns.range)) {
        range->setLineEditText(0, realText(axis.rangeMin));
        range->setLineEditText(1, realText(axis.rangeMax));
    }
    if (auto *ticks = cell<LineEdit_LineEditWidget>(table, row, columns.ticks)) {
        ticks->setLineEditText(0, wholeText(axis.numMajorTicks));
        ticks->setLineEditText(1, wholeText(axis.numMinorTicks));
    }
}

unsigned long tickCount(const QString &text)
{
    return qMin<unsigned long>(text.toUInt(nullptr, 10), MaxTicks);
}

// What both rows hold; only the Y axes have a grid switch, the X grid is
// always drawn.
Single_Axis_Info storeAxisRow(const QTableWidget *table, int row, const AxisColumns &columns,
                              bool gridSwitch, Single_Axis_Info axis)
{
    if (auto *color = cell<LineEditColorWidget>(table, row, columns.color))
        axis.axisColorName = color->getBGStyleSheet();
    if (auto *autoRange = cell<CheckBoxWidget>(table, row, columns.autoRange))
        axis.autoRange = autoRange->getCheckBoxTrue();
    // An automatic range is not applied, so its fields are not kept.
    axis.rangeMin = 0.0;
    axis.rangeMax = 0.0;
    auto *range = cell<LineEdit_LineEditWidget>(table, row, columns.range);
    if (range && !axis.autoRange) {
        axis.rangeMin = range->getLineEditText(0).toDouble();
        axis.rangeMax = range->getLineEditText(1).toDouble();
    }
    if (auto *ticks = cell<LineEdit_LineEditWidget>(table, row, columns.ticks)) {
        axis.numMajorTicks = tickCount(ticks->getLineEditText(0));
        axis.numMinorTicks = tickCount(ticks->getLineEditText(1));
    }
    if (auto *label = cell<LineEditWidget>(table, row, columns.label))
        axis.label = label->getLineEditText();
    if (auto *grid = cell<LineEditColorWidget>(table, row, columns.grid)) {
        axis.gridColorName = grid->getBGStyleSheet();
        if (gridSwitch)
            axis.gridVisible = grid->getGridVisible();
    }
    storeLine(cell<Combo_SpinBoxWidget>(table, row, columns.gridLine), axis.gridLineStyle,
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
    loadRangeAndTicks(table, row, yAxisColumns, axis);
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
    return storeAxisRow(table, row, yAxisColumns, true, axis);
}

RowProblem checkYAxisRow(const QTableWidget *table, int row)
{
    const QString maxTicks = QStringLiteral("%1").arg(MaxTicks);
    // A field the count is put back into is refilled once the box is closed.
    const auto focusTicks = [](LineEdit_LineEditWidget *ticks, int field, const QString &refill) {
        return [ticks, field, refill] {
            ticks->setLineEditFocus(field);
            if (!refill.isEmpty())
                ticks->setLineEditText(field, refill);
        };
    };
    if (auto *ticks = cell<LineEdit_LineEditWidget>(table, row, YAxisRow::Ticks)) {
        const QString majorText = ticks->getLineEditText(0);
        const QString minorText = ticks->getLineEditText(1);
        if (!majorText.isEmpty()) {
            const int major = majorText.toInt(nullptr, 10);
            if (major < 1)
                return {QStringLiteral("The entered value of Number of Major Tick\n"
                                       "Marks must be greater than 0.\n\n"
                                       "Please enter in a value for Number of Major "
                                       "Tick Marks\n"),
                        QStringLiteral("Invalid Number for Y Major Ticks"),
                        focusTicks(ticks, 0, QString())};
            if (major > MaxTicks)
                return {QStringLiteral("The entered value for Number of Major Tick\n"
                                       "Marks must be less than ")
                            + maxTicks + QStringLiteral(".\n"),
                        QStringLiteral("Invalid Number for Y Major Ticks"),
                        focusTicks(ticks, 0, maxTicks)};
        }
        if (!minorText.isEmpty()) {
            const int minor = minorText.toInt(nullptr, 10);
            if (minor < 0)
                return {QStringLiteral("The entered Number of Minor Tick Marks must\n"
                                       "be greater than or equal to 0.\n\n"
                                       "Please enter in the value for Number of Minor "
                                       "Ticks.\n"),
                        QStringLiteral("Invalid Number for Y Minor Ticks"),
                        focusTicks(ticks, 1, QString())};
            if (minor > MaxTicks)
                return {QStringLiteral("The entered value for Number of Minor Tick\n"
                                       "Marks must be less than ")
                            + maxTicks + QStringLiteral(".\n"),
                        QStringLiteral("Invalid Number for Y Minor Ticks"),
                        focusTicks(ticks, 1, maxTicks)};
        }
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
    loadRangeAndTicks(table, 0, xAxisColumns, axis);
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
    return storeAxisRow(table, 0, xAxisColumns, false, axis);
}

void loadAxes(QTableWidget *yAxes, QTableWidget *xAxis, const Plot_Axis_Info &record)
{
    loadYAxisRow(yAxes, 0, record.leftYAxis);
    loadYAxisRow(yAxes, 1, record.rightYAxis);
    loadXAxisRow(xAxis, record.xAxis);
}

} // namespace RowKinds

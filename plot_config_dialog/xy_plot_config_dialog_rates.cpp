// Timing: the refresh and sample rate fields, the master scheduler
// intervals and the X range conversions.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"
#include "row_kinds/table_cells.h"

#include <interfaces/ms_interval.h>
#include <interfaces/spreadsheet.h>
#include <interfaces/spreadsheet_columns.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

#include <cstdlib>
#include <vector>

namespace {

const Qt::WindowFlags kNoCloseBoxFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;

// Accepted range of one rate or interval field (both ends inclusive) and the
// warning that refuses a value outside it.
struct RateFieldRule
{
    double lower;
    double upper;
    QString warningText;
};

enum RateField { ScreenRefreshRate, ScreenRefreshInterval, DataSampleRate, DataSampleInterval };

// The warning names the bounds in shortest notation ("0.1", "50").
const RateFieldRule &rateFieldRule(RateField field)
{
    struct Wording
    {
        double lower, upper;
        const char *lead, *tail;
    };
    static const Wording wordings[] = {
        {0.1, 50.0,
         "Please reenter the Screen Refresh Rate.\n\nThe Screen Refresh Rate must be between ",
         "\n"},
        {20.0, 10000.0,
         "Please reenter the Screen Refresh Rate Interval.\nThe Screen Refresh Rate Interval must "
         "be between ",
         "\n"},
        {0.1, 100.0,
         "Please reenter the Data Sample Rate.\n\nThe Data Sample Rate value must be between ",
         "\n"},
        {10.0, 10000.0,
         "Please reenter the Data Sample Interval.\n\nThe Data Sample Interval must be between ",
         " \n"},
    };
    static const auto rules = [] {
        std::vector<RateFieldRule> built;
        for (const Wording &w : wordings)
            built.push_back({w.lower, w.upper,
                             QLatin1String(w.lead) + QString::number(w.lower)
                                 + QLatin1String(" and ") + QString::number(w.upper)
                                 + QLatin1String(w.tail)});
        return built;
    }();
    return rules[field];
}

} // namespace

void XY_Plot_Config_Dialog::capture_ms_interval_values()
{
    QMessageBox fatalBox;
    char buffer[32] = {};

    const auto fail = [&fatalBox](const char *name) {
        fatalBox.setWindowFlags(kNoCloseBoxFlags);
        fatalBox.setText(QStringLiteral("The %1 master scheduler interval was unable to be "
                                        "retrieved - Exiting\n")
                             .arg(QLatin1String(name)));
        fatalBox.setWindowTitle(QStringLiteral("Fatal Error"));
        fatalBox.setStandardButtons(QMessageBox::Ok);
        fatalBox.exec();
        // The host cannot run its plot screens without both intervals.
        exit(4);
    };

    if (get_ms_interval("SLO", buffer, &sloIntervalMs) != 0)
        fail("SLO");
    if (get_ms_interval("FAS", buffer, &fasIntervalMs) != 0)
        fail("FAS");
}

namespace {

// Escape and the window's close button hide the dialog before the field
// being edited hears that it lost the focus: the user is throwing the edit
// away, and a warning about it would only stand in the way. A dialog that
// was never shown is not being left.
bool editsBeingDiscarded(const QWidget *dialog)
{
    return dialog->isHidden() && dialog->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

// Shared by the four editing slots: an in-range value rewrites the partner
// with its reciprocal; anything else is refused with one warning, the
// refused text left in place and the focus handed back to the field.
void finishRateFieldEdit(QLineEdit *edited, QLineEdit *partner, const RateFieldRule &rule,
                         bool &warningShowing, QWidget *dialog)
{
    const double value = edited->text().toDouble();
    // A NaN fails both comparisons and is refused.
    if (rule.lower <= value && value <= rule.upper) {
        partner->setText(QString::number(1000.0 / value, 'g', 6));
        return;
    }
    // The box's own nested loop can deliver further editingFinished signals;
    // at most one warning is open at a time.
    if (warningShowing || editsBeingDiscarded(dialog))
        return;

    QMessageBox box;
    box.setWindowFlags(kNoCloseBoxFlags);
    box.setText(rule.warningText);
    box.setWindowTitle(QStringLiteral("Warning"));
    box.setStandardButtons(QMessageBox::Ok);

    QPointer<QObject> dialogAlive(dialog);
    QPointer<QLineEdit> field(edited);
    warningShowing = true;
    box.exec();
    if (!dialogAlive)
        return;
    warningShowing = false;
    if (field)
        field->setFocus(Qt::OtherFocusReason);
}

} // namespace

void XY_Plot_Config_Dialog::on_lineEditScreenRefreshRate_editingFinished()
{
    finishRateFieldEdit(ui->lineEditScreenRefreshRate, ui->lineEditScreenRefreshInterval,
                        rateFieldRule(ScreenRefreshRate), rateWarningShowing, this);
}

void XY_Plot_Config_Dialog::on_lineEditDataSampleRate_editingFinished()
{
    finishRateFieldEdit(ui->lineEditDataSampleRate, ui->lineEditDataSampleInterval,
                        rateFieldRule(DataSampleRate), rateWarningShowing, this);
}

void XY_Plot_Config_Dialog::on_lineEditScreenRefreshInterval_editingFinished()
{
    finishRateFieldEdit(ui->lineEditScreenRefreshInterval, ui->lineEditScreenRefreshRate,
                        rateFieldRule(ScreenRefreshInterval), rateWarningShowing, this);
}

void XY_Plot_Config_Dialog::on_lineEditDataSampleInterval_editingFinished()
{
    finishRateFieldEdit(ui->lineEditDataSampleInterval, ui->lineEditDataSampleRate,
                        rateFieldRule(DataSampleInterval), rateWarningShowing, this);
}

double XY_Plot_Config_Dialog::convertXRangeToUnits(Plot_Screen_Info *info, int graph)
{
    if (!info || graph < 0 || graph >= info->plotAxisInfo.size())
        return 0.0;
    const Single_Axis_Info &xAxis = info->plotAxisInfo.at(graph).xAxis;
    return convertSecondsToUnit(xAxis.rangeMax - xAxis.rangeMin, xAxis.rangeUnits);
}

double XY_Plot_Config_Dialog::convertXRangeToSeconds(int graph)
{
    if (graph < 0 || graph >= xAxisSpreadsheets.size() || !xAxisSpreadsheets.at(graph))
        return 0.0;
    const auto *rangeCell =
        RowKinds::cell<LineEdit_LineEditWidget>(xAxisSpreadsheets.at(graph), 0,
                                                SpreadsheetColumns::XAxisRow::Range);
    if (!rangeCell)
        return 0.0;
    // The X axis table shows its range in seconds and has no unit cell.
    return rangeCell->getLineEditText(1).toDouble() - rangeCell->getLineEditText(0).toDouble();
}

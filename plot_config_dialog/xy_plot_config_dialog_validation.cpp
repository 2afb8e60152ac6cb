// Validation: the checks that gate Apply and OK. They read widgets only and
// stop at the first failure, which they report in one message box.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"
#include "row_kinds/axis_rows.h"
#include "row_kinds/channel_rows.h"
#include "row_kinds/field_numbers.h"

#include <interfaces/spreadsheet.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>

#include <limits>

namespace {

const Qt::WindowFlags kNoCloseBoxFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;

const double kMinDataStorageSeconds = 30.0;
// The plot keeps at most this many samples of each variable.
const double kMaxStoredSamples = 360000.0;

bool bitSet(const QBitArray &bits, int i)
{
    return i >= 0 && i < bits.size() && bits.testBit(i);
}

void runBox(QMessageBox &box, const QString &text, const QString &title)
{
    box.setText(text);
    box.setWindowTitle(title);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace

bool XY_Plot_Config_Dialog::checkIfDataIsValid()
{
    for (int g = 0; g < plotVisible.size(); ++g) {
        if (!plotVisible.testBit(g))
            continue;
        // A panned or zoomed graph is locked and cannot have been edited.
        if (bitSet(allPlotsPanStatus, g) || bitSet(allPlotsZoomStatus, g))
            continue;
        if (!validatePlotConfigValues(g))
            return false;
        if (!validateYAxesValues(g, 0))
            return false;
        if (!validateYAxesValues(g, 1))
            return false;
    }
    return validateDataStorageInfo();
}

bool XY_Plot_Config_Dialog::validatePlotConfigValues(int plotNum)
{
    QMessageBox box;
    if (plotNum < 0 || plotNum >= xyVarSpreadsheets.size() || !xyVarSpreadsheets.at(plotNum))
        return true;
    Spreadsheet *table = xyVarSpreadsheets.at(plotNum);

    // Overlay rows are not checked: the write-back stores only the rows whose
    // channels are chosen.
    for (int r = 0; r < table->rowCount(); ++r) {
        if (const RowKinds::RowProblem problem = RowKinds::checkVariableRow(table, r)) {
            runBox(box,
                   QStringLiteral("For Graph: ") + QString("%1").arg(plotNum + 1)
                       + QStringLiteral(" Row: ") + QString("%1").arg(r + 1)
                       + QStringLiteral("\n\n") + problem.text,
                   problem.title);
            problem.afterBox();
            return false;
        }
    }
    return true;
}

bool XY_Plot_Config_Dialog::validateYAxesValues(int plotNum, int axisIndex)
{
    QMessageBox box;
    box.setWindowFlags(kNoCloseBoxFlags);
    box.setStandardButtons(QMessageBox::Ok);
    if (plotNum < 0 || plotNum >= yAxesSpreadsheets.size() || !yAxesSpreadsheets.at(plotNum))
        return true;
    const RowKinds::RowProblem problem =
        RowKinds::checkYAxisRow(yAxesSpreadsheets.at(plotNum), axisIndex == 0 ? 0 : 1);
    if (!problem)
        return true;
    runBox(box,
           QStringLiteral("For Graph: ") + QString("%1").arg(plotNum + 1)
               + QStringLiteral(" - Axes: ")
               + (axisIndex == 0 ? QStringLiteral("Left") : QStringLiteral("Right"))
               + QStringLiteral("\n\n") + problem.text,
           problem.title);
    problem.afterBox();
    return false;
}

bool XY_Plot_Config_Dialog::validateDataStorageInfo()
{
    QMessageBox box;
    box.setWindowFlags(kNoCloseBoxFlags);

    const double rate = ui->lineEditDataSampleRate->text().toDouble();
    // The bounds hold for the period in seconds, as the write-back stores it.
    const double storage =
        ui->lineEditDataStorage->text().toDouble()
        * RowKinds::secondsPerStorageUnit(ui->cmbDataStorageUnits->currentIndex());

    if (storage < kMinDataStorageSeconds) {
        runBox(box,
               QStringLiteral("Please reenter the Data Storage value.\n\n"
                              "The Data Storage value must be 30 seconds or more."),
               QStringLiteral("Warning"));
        ui->lineEditDataStorage->setFocus();
        return false;
    }

    // An empty or zero rate gives an infinite limit: only the lower bound holds.
    const double limit =
        rate == 0.0 ? std::numeric_limits<double>::infinity() : kMaxStoredSamples / rate;
    if (storage > limit) {
        runBox(box,
               QStringLiteral("Please reenter the Data Storage value.\n\n"
                              "The Data Storage value must be between 30 and %1 seconds.")
                   .arg(limit),
               QStringLiteral("Warning"));
        ui->lineEditDataStorage->setFocus();
        return false;
    }
    return true;
}

// Validation: the checks that gate Apply and OK. They read widgets only and
// stop at the first failure, which they report in one message box.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

#include <interfaces/spreadsheet.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>

#include <limits>

namespace {

const Qt::WindowFlags kNoCloseBoxFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;

// Shared by major and minor tick marks.
const int kMaxTickMarks = Plot_Screen_Info::MaxTicks;

const double kMinDataStorageSeconds = 30.0;
// The plot keeps at most this many samples of each variable.
const double kMaxStoredSamples = 360000.0;

// Y axes table columns read here.
const int kAutoRangeColumn = 2;
const int kRangeColumn = 3;
const int kTicksColumn = 4;

bool bitSet(const QBitArray &bits, int i)
{
    return i >= 0 && i < bits.size() && bits.testBit(i);
}

// Seconds per unit of cmbDataStorageUnits (seconds, minutes, hours); an
// index the combo cannot show leaves the number as typed.
double secondsPerStorageUnit(int unitIndex)
{
    switch (unitIndex) {
    case 1:
        return 60.0;
    case 2:
        return 3600.0;
    default:
        return 1.0;
    }
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
        const QString prefix = QStringLiteral("For Graph: ") + QString("%1").arg(plotNum + 1)
                               + QStringLiteral(" Row: ") + QString("%1").arg(r + 1)
                               + QStringLiteral("\n\n");

        auto *xCell = qobject_cast<ZelVariable *>(table->cellWidget(r, 0));
        if (xCell && xCell->comboBox()->currentIndex() == -1) {
            runBox(box,
                   prefix + QStringLiteral("A X variable name must be selected.\n\n")
                       + QStringLiteral("Please select a X Variable Name to be plotted.\n"),
                   QStringLiteral("No X Variable Name Selected"));
            xCell->setFocus();
            return false;
        }

        auto *yCell = qobject_cast<ZelVariable *>(table->cellWidget(r, 1));
        if (yCell && yCell->comboBox()->currentIndex() == -1) {
            runBox(box,
                   prefix + QStringLiteral("A Y variable name must be selected.\n\n")
                       + QStringLiteral("Please select a Y Variable Name to be plotted.\n"),
                   QStringLiteral("No Y Variable Name Selected"));
            yCell->setFocus();
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
    Spreadsheet *table = yAxesSpreadsheets.at(plotNum);

    const int row = axisIndex == 0 ? 0 : 1;
    const QString prefix = QStringLiteral("For Graph: ") + QString("%1").arg(plotNum + 1)
                           + QStringLiteral(" - Axes: ")
                           + (axisIndex == 0 ? QStringLiteral("Left") : QStringLiteral("Right"))
                           + QStringLiteral("\n\n");
    const QString maxTicks = QString("%1").arg(kMaxTickMarks);

    if (auto *ticks =
            qobject_cast<LineEdit_LineEditWidget *>(table->cellWidget(row, kTicksColumn))) {
        const QString majorText = ticks->getLineEditText(0);
        const QString minorText = ticks->getLineEditText(1);

        if (!majorText.isEmpty()) {
            const int major = majorText.toInt(nullptr, 10);
            if (major < 1) {
                runBox(box,
                       prefix
                           + QStringLiteral("The entered value of Number of Major Tick\n"
                                            "Marks must be greater than 0.\n\n"
                                            "Please enter in a value for Number of Major "
                                            "Tick Marks\n"),
                       QStringLiteral("Invalid Number for Y Major Ticks"));
                ticks->setLineEditFocus(0);
                return false;
            }
            if (major > kMaxTickMarks) {
                runBox(box,
                       prefix
                           + QStringLiteral("The entered value for Number of Major Tick\n"
                                            "Marks must be less than ")
                           + maxTicks + QStringLiteral(".\n"),
                       QStringLiteral("Invalid Number for Y Major Ticks"));
                ticks->setLineEditFocus(0);
                ticks->setLineEditText(0, maxTicks);
                return false;
            }
        }

        if (!minorText.isEmpty()) {
            const int minor = minorText.toInt(nullptr, 10);
            if (minor < 0) {
                runBox(box,
                       prefix
                           + QStringLiteral("The entered Number of Minor Tick Marks must\n"
                                            "be greater than or equal to 0.\n\n"
                                            "Please enter in the value for Number of Minor "
                                            "Ticks.\n"),
                       QStringLiteral("Invalid Number for Y Minor Ticks"));
                ticks->setLineEditFocus(1);
                return false;
            }
            if (minor > kMaxTickMarks) {
                runBox(box,
                       prefix
                           + QStringLiteral("The entered value for Number of Minor Tick\n"
                                            "Marks must be less than ")
                           + maxTicks + QStringLiteral(".\n"),
                       QStringLiteral("Invalid Number for Y Minor Ticks"));
                ticks->setLineEditFocus(1);
                ticks->setLineEditText(1, maxTicks);
                return false;
            }
        }
    }

    // With auto range on the range fields are not applied.
    auto *autoRange = qobject_cast<CheckBoxWidget *>(table->cellWidget(row, kAutoRangeColumn));
    if (autoRange && autoRange->getCheckBoxTrue())
        return true;

    auto *range = qobject_cast<LineEdit_LineEditWidget *>(table->cellWidget(row, kRangeColumn));
    if (!range)
        return true;
    const bool minEmpty = range->getLineEditText(0).isEmpty();
    const bool maxEmpty = range->getLineEditText(1).isEmpty();
    if (!minEmpty && !maxEmpty)
        return true;

    runBox(box,
           prefix
               + QStringLiteral("The Y Axes Auto Range is off, a value must be specified\n"
                                "for the Y Axes Range Min and Y Axes Range Max Values.\n\n"
                                "Please enter in a Y Axes Range Min or Range Max value\n"),
           QStringLiteral("Missing Range Min or Max Values"));
    range->setLineEditFocus(minEmpty ? 0 : 1);
    return false;
}

bool XY_Plot_Config_Dialog::validateDataStorageInfo()
{
    QMessageBox box;
    box.setWindowFlags(kNoCloseBoxFlags);

    const double rate = ui->lineEditDataSampleRate->text().toDouble();
    // The bounds hold for the period in seconds, as the write-back stores it.
    const double storage = ui->lineEditDataStorage->text().toDouble()
                           * secondsPerStorageUnit(ui->cmbDataStorageUnits->currentIndex());

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

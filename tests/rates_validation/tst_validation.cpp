// The checks that gate Apply and OK: variable rows, Y axes and the data
// storage period, their order, messages and where they put the focus.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/dialog_access.h"
#include "support/modal_answerer.h"

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using Access = XY_Plot_Config_Dialog_TestAccess;

namespace {

const Qt::WindowFlags kNoCloseBoxFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;

const int kShownGraphs = 3;

ZelVariable *selector(XY_Plot_Config_Dialog &d, int g, int row, int column)
{
    return qobject_cast<ZelVariable *>(Access::xyVar(d)[g]->cellWidget(row, column));
}

LineEdit_LineEditWidget *pairCell(XY_Plot_Config_Dialog &d, int g, int axis, int column)
{
    return qobject_cast<LineEdit_LineEditWidget *>(Access::yAxes(d)[g]->cellWidget(axis, column));
}

CheckBoxWidget *autoRangeCell(XY_Plot_Config_Dialog &d, int g, int axis)
{
    return qobject_cast<CheckBoxWidget *>(Access::yAxes(d)[g]->cellWidget(axis, 2));
}

bool selectAllRows(XY_Plot_Config_Dialog &d, int g)
{
    Spreadsheet *table = Access::xyVar(d)[g];
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < 2; ++c) {
            ZelVariable *cell = selector(d, g, r, c);
            if (!cell)
                return false;
            cell->comboBox()->setCurrentIndex(c);
        }
    }
    return true;
}

// Graphs 1 to 3 shown, every table of every graph slot filled in so that
// all checks pass, 30 s of storage at 50 Hz.
bool makeValid(XY_Plot_Config_Dialog &d)
{
    Access::plotVisible(d).fill(false);
    for (int g = 0; g < kShownGraphs; ++g)
        Access::plotVisible(d).setBit(g);
    Access::panStatus(d).fill(false, 8);
    Access::zoomStatus(d).fill(false, 8);
    for (int g = 0; g < Access::xyVar(d).size(); ++g) {
        Access::xyVar(d)[g]->setRowCount(1);
        if (!selectAllRows(d, g))
            return false;
        for (int axis = 0; axis < 2; ++axis) {
            LineEdit_LineEditWidget *ticks = pairCell(d, g, axis, 4);
            LineEdit_LineEditWidget *range = pairCell(d, g, axis, 3);
            CheckBoxWidget *autoRange = autoRangeCell(d, g, axis);
            if (!ticks || !range || !autoRange)
                return false;
            ticks->setLineEditText(0, QStringLiteral("5"));
            ticks->setLineEditText(1, QStringLiteral("4"));
            range->setLineEditText(0, QStringLiteral("-50"));
            range->setLineEditText(1, QStringLiteral("250"));
            autoRange->setCheckBoxTrue(true);
        }
    }
    Ui_Plot_Config_Dialog *ui = Access::ui(d);
    ui->lineEditDataStorage->setText(QStringLiteral("30"));
    ui->cmbDataStorageUnits->setCurrentIndex(0);
    ui->lineEditDataSampleRate->setText(QStringLiteral("50"));
    return true;
}

// The field a failure names, as "x g r", "y g r", "major g a", "minor g a",
// "min g a", "max g a", "storage" or "rate".
QWidget *fieldOf(XY_Plot_Config_Dialog &d, const QString &field)
{
    const QStringList p = field.split(QLatin1Char(' '));
    const int g = p.value(1).toInt();
    const int n = p.value(2).toInt();
    const int pairField = p[0] == QLatin1String("minor") || p[0] == QLatin1String("max") ? 1 : 0;
    if (p[0] == QLatin1String("storage"))
        return Access::ui(d)->lineEditDataStorage;
    if (p[0] == QLatin1String("rate"))
        return Access::ui(d)->lineEditDataSampleRate;
    if (p[0] == QLatin1String("x") || p[0] == QLatin1String("y"))
        return selector(d, g, n, p[0] == QLatin1String("x") ? 0 : 1);
    if (p[0] == QLatin1String("major") || p[0] == QLatin1String("minor"))
        return pairCell(d, g, n, 4)->lineEdit(pairField);
    if (p[0] == QLatin1String("min") || p[0] == QLatin1String("max"))
        return pairCell(d, g, n, 3)->lineEdit(pairField);
    return nullptr;
}

// One edit of the dialog, as "<what> <graph slot> <row or axis> <text>":
//   rows g n, overlay g n, x g r, y g r, hide g, pan g, zoom g,
//   major g a text, minor g a text, min g a text, max g a text, manual g a,
//   storage text, unit index, rate text
// A text runs to the end of the line and may be empty or blank.
bool applyEdit(XY_Plot_Config_Dialog &d, const QString &edit)
{
    const QString what = edit.section(QLatin1Char(' '), 0, 0);
    const int g = edit.section(QLatin1Char(' '), 1, 1).toInt();
    const int n = edit.section(QLatin1Char(' '), 2, 2).toInt();
    const bool global = what == QLatin1String("storage") || what == QLatin1String("rate");
    QWidget *field = fieldOf(d, edit.section(QLatin1Char(' '), 0, global ? 0 : 2));

    if (what == QLatin1String("rows")) {
        Access::xyVar(d)[g]->setRowCount(n);
        return selectAllRows(d, g);
    }
    if (what == QLatin1String("overlay"))
        Access::xyOverlay(d)[g]->setRowCount(n);
    else if (auto *selector = qobject_cast<ZelVariable *>(field))
        selector->comboBox()->setCurrentIndex(-1);
    else if (auto *text = qobject_cast<QLineEdit *>(field))
        text->setText(edit.section(QLatin1Char(' '), global ? 1 : 3));
    else if (what == QLatin1String("hide"))
        Access::plotVisible(d).clearBit(g);
    else if (what == QLatin1String("pan"))
        Access::panStatus(d).setBit(g);
    else if (what == QLatin1String("zoom"))
        Access::zoomStatus(d).setBit(g);
    else if (what == QLatin1String("manual"))
        autoRangeCell(d, g, n)->setCheckBoxTrue(false);
    else if (what == QLatin1String("unit"))
        Access::ui(d)->cmbDataStorageUnits->setCurrentIndex(edit.section(QLatin1Char(' '), 1).toInt());
    else
        return false;
    return true;
}

bool showActive(QWidget *w)
{
    w->QWidget::show();
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

// The field a check focuses may sit on a page that is not shown (the
// checks never switch pages), so the window's focus child is what tells
// where the keyboard focus went.
bool focusChildIsIn(QWidget *window, QWidget *field)
{
    QWidget *focus = window->focusWidget();
    return field && focus && (focus == field || field->isAncestorOf(focus));
}

QString xMessage(int graph, int row)
{
    return QStringLiteral("For Graph: %1 Row: %2\n\nA X variable name must be selected.\n\n"
                          "Please select a X Variable Name to be plotted.\n")
        .arg(graph)
        .arg(row);
}

QString yMessage(int graph, int row)
{
    return QStringLiteral("For Graph: %1 Row: %2\n\nA Y variable name must be selected.\n\n"
                          "Please select a Y Variable Name to be plotted.\n")
        .arg(graph)
        .arg(row);
}

QString axisPrefix(int graph, const char *side)
{
    return QStringLiteral("For Graph: %1 - Axes: %2\n\n").arg(graph).arg(QLatin1String(side));
}

const QString kMajorLow = QStringLiteral(
    "The entered value of Number of Major Tick\nMarks must be greater than 0.\n\n"
    "Please enter in a value for Number of Major Tick Marks\n");
const QString kMajorHigh =
    QStringLiteral("The entered value for Number of Major Tick\nMarks must be less than 10.\n");
const QString kMinorLow = QStringLiteral(
    "The entered Number of Minor Tick Marks must\nbe greater than or equal to 0.\n\n"
    "Please enter in the value for Number of Minor Ticks.\n");
const QString kMinorHigh =
    QStringLiteral("The entered value for Number of Minor Tick\nMarks must be less than 10.\n");
const QString kRangeMissing = QStringLiteral(
    "The Y Axes Auto Range is off, a value must be specified\n"
    "for the Y Axes Range Min and Y Axes Range Max Values.\n\n"
    "Please enter in a Y Axes Range Min or Range Max value\n");
const QString kStorageLow = QStringLiteral(
    "Please reenter the Data Storage value.\n\nThe Data Storage value must be 30 seconds or more.");

QString storageHigh(const char *limit)
{
    return QStringLiteral("Please reenter the Data Storage value.\n\n"
                          "The Data Storage value must be between 30 and %1 seconds.")
        .arg(QLatin1String(limit));
}

const QString kMajorTitle = QStringLiteral("Invalid Number for Y Major Ticks");
const QString kMinorTitle = QStringLiteral("Invalid Number for Y Minor Ticks");
const QString kRangeTitle = QStringLiteral("Missing Range Min or Max Values");
const QString kXTitle = QStringLiteral("No X Variable Name Selected");
const QString kYTitle = QStringLiteral("No Y Variable Name Selected");
const QString kWarning = QStringLiteral("Warning");

} // namespace

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void checks_data();
    void checks();
    void anyOtherAxisIndexIsTheRightAxis();
};

void TestValidation::initTestCase()
{
    ZelVariable::setAvailableVariables({QStringLiteral("Speed"), QStringLiteral("Torque"),
                                        QStringLiteral("Temp")});
}

void TestValidation::checks_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("title");   // empty: every check passes
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus");
    // Fields to look at afterwards, as "<field> <expected text>".
    QTest::addColumn<QStringList>("after");

    using L = QStringList;
    const QString none;

    QTest::newRow("all valid") << L{} << none << none << none << L{};
    QTest::newRow("empty variable table") << L{"rows 1 0"} << none << none << none << L{};
    QTest::newRow("overlay rows not checked") << L{"overlay 0 3"} << none << none << none << L{};

    // Variable rows.
    QTest::newRow("X empty in row 2") << L{"rows 0 3", "x 0 1"} << kXTitle << xMessage(1, 2)
                                      << "x 0 1" << L{};
    QTest::newRow("graph 1 before graph 2") << L{"rows 0 3", "x 0 1", "y 1 0"} << kXTitle
                                            << xMessage(1, 2) << "x 0 1" << L{};
    QTest::newRow("both empty reports X") << L{"x 0 0", "y 0 0"} << kXTitle << xMessage(1, 1)
                                          << "x 0 0" << L{};
    QTest::newRow("Y empty") << L{"y 0 0"} << kYTitle << yMessage(1, 1) << "y 0 0" << L{};
    QTest::newRow("Y empty in a later row") << L{"rows 0 2", "y 0 1"} << kYTitle
                                            << yMessage(1, 2) << "y 0 1" << L{};
    QTest::newRow("graph 2 row 3") << L{"rows 1 3", "x 1 2"} << kXTitle << xMessage(2, 3)
                                   << "x 1 2" << L{};
    QTest::newRow("hidden graph 3 skipped") << L{"hide 2", "rows 2 2", "x 2 1", "major 2 0 0"}
                                            << none << none << none << L{};
    QTest::newRow("graph never shown skipped") << L{"x 5 0", "major 6 0 99"} << none << none
                                               << none << L{"major 6 0 99"};
    QTest::newRow("panned graph skipped") << L{"pan 0", "x 0 0", "y 1 0"} << kYTitle
                                          << yMessage(2, 1) << "y 1 0" << L{};
    QTest::newRow("zoomed graph skipped") << L{"zoom 0", "x 0 0", "major 0 0 0"} << none << none
                                          << none << L{};
    QTest::newRow("panned graph's axes skipped") << L{"pan 1", "major 1 0 11"} << none << none
                                                 << none << L{"major 1 0 11"};

    // Tick marks. Which texts pass or fail each tick check is the hostile
    // value suite's table; these rows hold the messages, order and focus.
    QTest::newRow("major 0") << L{"major 0 0 0"} << kMajorTitle
                             << axisPrefix(1, "Left") + kMajorLow << "major 0 0"
                             << L{"major 0 0 0"};
    QTest::newRow("major 11") << L{"major 0 0 11"} << kMajorTitle
                              << axisPrefix(1, "Left") + kMajorHigh << "major 0 0"
                              << L{"major 0 0 10"};
    QTest::newRow("minor -1") << L{"minor 0 0 -1"} << kMinorTitle
                              << axisPrefix(1, "Left") + kMinorLow << "minor 0 0"
                              << L{"minor 0 0 -1"};
    QTest::newRow("minor 11") << L{"minor 2 1 11"} << kMinorTitle
                              << axisPrefix(3, "Right") + kMinorHigh << "minor 2 1"
                              << L{"minor 2 1 10"};
    QTest::newRow("major before minor") << L{"major 0 0 0", "minor 0 0 -1"} << kMajorTitle
                                        << axisPrefix(1, "Left") + kMajorLow << "major 0 0"
                                        << L{"minor 0 0 -1"};
    QTest::newRow("left before right") << L{"minor 0 1 11", "major 0 0 11"} << kMajorTitle
                                       << axisPrefix(1, "Left") + kMajorHigh << "major 0 0"
                                       << L{"major 0 0 10", "minor 0 1 11"};
    QTest::newRow("right axis of graph 3") << L{"major 2 1 0"} << kMajorTitle
                                           << axisPrefix(3, "Right") + kMajorLow << "major 2 1"
                                           << L{};

    // Range of an axis without auto range.
    QTest::newRow("auto range with empty range") << L{"min 0 0 ", "max 0 0 "} << none << none
                                                 << none << L{};
    QTest::newRow("only maximum filled") << L{"manual 0 0", "min 0 0 "} << kRangeTitle
                                         << axisPrefix(1, "Left") + kRangeMissing << "min 0 0"
                                         << L{};
    QTest::newRow("only minimum filled") << L{"manual 1 1", "max 1 1 "} << kRangeTitle
                                         << axisPrefix(2, "Right") + kRangeMissing << "max 1 1"
                                         << L{};
    QTest::newRow("both range fields empty") << L{"manual 0 1", "min 0 1 ", "max 0 1 "}
                                             << kRangeTitle
                                             << axisPrefix(1, "Right") + kRangeMissing
                                             << "min 0 1" << L{};
    QTest::newRow("blank range counts as entered") << L{"manual 0 0", "min 0 0  ", "max 0 0  "}
                                                   << none << none << none << L{};
    QTest::newRow("tick error before missing range")
        << L{"manual 0 0", "min 0 0 ", "max 0 0 ", "major 0 0 0"} << kMajorTitle
        << axisPrefix(1, "Left") + kMajorLow << "major 0 0" << L{};

    // Order across the checks.
    QTest::newRow("variables before axes") << L{"x 0 0", "major 0 0 0"} << kXTitle
                                           << xMessage(1, 1) << "x 0 0" << L{"major 0 0 0"};
    QTest::newRow("graph 1 axes before graph 2 variables")
        << L{"major 0 1 11", "y 1 0"} << kMajorTitle << axisPrefix(1, "Right") + kMajorHigh
        << "major 0 1" << L{"major 0 1 10"};
    QTest::newRow("graph 3 axes before storage") << L{"manual 2 0", "max 2 0 ", "storage 1"}
                                                 << kRangeTitle
                                                 << axisPrefix(3, "Left") + kRangeMissing
                                                 << "max 2 0" << L{"storage 1"};

    // Storage period against the sample rate, in seconds after its unit
    // (empty text, 0.4 and 1 minute are rows of the hostile value suite).
    QTest::newRow("s 3600 at 100 Hz") << L{"storage 3600", "rate 100"} << none << none << none
                                      << L{};
    QTest::newRow("s 3601 at 100 Hz") << L{"storage 3601", "rate 100"} << kWarning
                                      << storageHigh("3600") << "storage" << L{"storage 3601"};
    QTest::newRow("s 30 at 20000 Hz") << L{"storage 30", "rate 20000"} << kWarning
                                      << storageHigh("18") << "storage" << L{};
    QTest::newRow("s 30 without rate") << L{"storage 30", "rate "} << none << none << none
                                       << L{};
    QTest::newRow("s 29 without rate") << L{"storage 29", "rate "} << kWarning << kStorageLow
                                       << "storage" << L{};
    QTest::newRow("s 100000 at 0 Hz") << L{"storage 100000", "rate 0"} << none << none << none
                                      << L{};
    QTest::newRow("six significant digits") << L{"storage 51429", "rate 7"} << kWarning
                                            << storageHigh("51428.6") << "storage" << L{};
    QTest::newRow("min 60 at 100 Hz") << L{"storage 60", "unit 1", "rate 100"} << none << none
                                      << none << L{};
    QTest::newRow("min 61 at 100 Hz") << L{"storage 61", "unit 1", "rate 100"} << kWarning
                                      << storageHigh("3600") << "storage" << L{"storage 61"};
    QTest::newRow("h 1 at 100 Hz") << L{"storage 1", "unit 2", "rate 100"} << none << none
                                   << none << L{};
    QTest::newRow("h 1.01 at 100 Hz") << L{"storage 1.01", "unit 2", "rate 100"} << kWarning
                                      << storageHigh("3600") << "storage" << L{};
    QTest::newRow("h 0.005 is 18 s") << L{"storage 0.005", "unit 2", "rate "} << kWarning
                                     << kStorageLow << "storage" << L{};
    QTest::newRow("unknown unit is seconds") << L{"storage 29", "unit -1", "rate "} << kWarning
                                             << kStorageLow << "storage" << L{};
}

void TestValidation::checks()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, focus);
    QFETCH(QStringList, after);

    Plot_Screen_Info info;
    info.numPlots = kShownGraphs;
    info.plotAxisInfo.resize(kShownGraphs);
    XY_Plot_Config_Dialog d(&info, nullptr, false);
    QVERIFY(makeValid(d));
    for (const QString &edit : edits)
        QVERIFY2(applyEdit(d, edit), qPrintable(edit));

    QVERIFY(showActive(&d));
    Ui_Plot_Config_Dialog *ui = Access::ui(d);
    ui->btnCancel->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(ui->btnCancel));
    QCOMPARE(d.focusWidget(), static_cast<QWidget *>(ui->btnCancel));
    const int configTab = ui->configTabs->currentIndex();
    const int plotTab = ui->plotConfigTabs->currentIndex();
    const int axesTab = ui->axesConfigTabs->currentIndex();

    ModalAnswerer answerer;
    const bool valid = Access::checkIfDataIsValid(d);

    QCOMPARE(valid, title.isEmpty());
    QCOMPARE(answerer.count(), title.isEmpty() ? 0 : 1);
    QCOMPARE(ui->configTabs->currentIndex(), configTab);
    QCOMPARE(ui->plotConfigTabs->currentIndex(), plotTab);
    QCOMPARE(ui->axesConfigTabs->currentIndex(), axesTab);
    for (const QString &field : after) {
        QWidget *w = fieldOf(d, field.section(QLatin1Char(' '), 0, 2));
        auto *edit = qobject_cast<QLineEdit *>(w);
        QVERIFY2(edit, qPrintable(field));
        const QString expected = field.section(QLatin1Char(' '),
                                               field.startsWith(QLatin1String("storage")) ? 1 : 3);
        QCOMPARE(edit->text(), expected);
    }
    if (title.isEmpty())
        return;

    const ModalAnswerer::Seen box = answerer.last();
    QCOMPARE(box.className, QStringLiteral("QMessageBox"));
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QVERIFY(!box.hasParent);
    // The variable check keeps a message box's own window flags.
    const bool variableCheck = title == kXTitle || title == kYTitle;
    QCOMPARE(box.flags, variableCheck ? QMessageBox().windowFlags() : kNoCloseBoxFlags);

    QWidget *expectedFocus = fieldOf(d, focus);
    QVERIFY2(expectedFocus, qPrintable(focus));
    QVERIFY2(focusChildIsIn(&d, expectedFocus), qPrintable(focus));
}

void TestValidation::anyOtherAxisIndexIsTheRightAxis()
{
    Plot_Screen_Info info;
    info.numPlots = kShownGraphs;
    info.plotAxisInfo.resize(kShownGraphs);
    XY_Plot_Config_Dialog d(&info, nullptr, false);
    QVERIFY(makeValid(d));
    QVERIFY(applyEdit(d, QStringLiteral("major 1 1 0")));

    ModalAnswerer answerer;
    QVERIFY(Access::validateYAxesValues(d, 1, 0));
    QVERIFY(!Access::validateYAxesValues(d, 1, 2));
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(answerer.last().text, axisPrefix(2, "Right") + kMajorLow);
}

QTEST_MAIN(TestValidation)
#include "tst_validation.moc"

// The checks that gate Apply and OK, run directly (Apply lets one press
// through per 500 ms) on one dialog that each row first makes valid again.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/dialog_access.h"
#include "support/modal_answerer.h"

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using Access = XY_Plot_Config_Dialog_TestAccess;
using Dialog = XY_Plot_Config_Dialog;

namespace {

const char kVars[] = "plot%1XYVarSpreadsheet", kAxes[] = "graph%1YAxesSpreadsheet";

QWidget *cellOf(QWidget &d, const char *table, int g, int row, int column)
{
    auto *t = d.findChild<Spreadsheet *>(QString(table).arg(g + 1));
    return t ? t->cellWidget(row, column) : nullptr;
}

// The field named by "x g r", "y g r" (variable rows), "major g a",
// "minor g a", "min g a", "max g a" (Y axes), "storage" or "rate".
QWidget *fieldOf(Dialog &d, const QStringList &p)
{
    const int g = p.value(1).toInt(), n = p.value(2).toInt();
    if (p[0] == "storage" || p[0] == "rate")
        return d.findChild<QLineEdit *>(p[0] == "rate" ? "lineEditDataSampleRate"
                                                       : "lineEditDataStorage");
    if (p[0] == "x" || p[0] == "y")
        return cellOf(d, kVars, g, n, p[0] == "y");
    auto *pair = qobject_cast<LineEdit_LineEditWidget *>(
        cellOf(d, kAxes, g, n, p[0] == "min" || p[0] == "max" ? 3 : 4));
    return pair ? pair->lineEdit(p[0] == "minor" || p[0] == "max") : nullptr;
}

// "rows g n", "hide g", "pan g", "zoom g", "manual g a", "auto g a", "unit i",
// a selector cleared ("x g r") or a field given the rest of the line as text.
bool applyEdit(Dialog &d, const QString &edit)
{
    const QStringList p = edit.split(' ');
    const int g = p.value(1).toInt(), n = p.value(2).toInt();
    if (p[0] == "rows") {
        d.findChild<Spreadsheet *>(QString(kVars).arg(g + 1))->setRowCount(n);
        for (int cell = 0; cell < 2 * n; ++cell) {
            auto *selector = qobject_cast<ZelVariable *>(cellOf(d, kVars, g, cell / 2, cell % 2));
            if (!selector)
                return false;
            selector->comboBox()->setCurrentIndex(cell % 2);
        }
        return true;
    }
    auto *autoRange = qobject_cast<CheckBoxWidget *>(cellOf(d, kAxes, g, n, 2));
    if (p[0] == "hide")
        Access::plotVisible(d).clearBit(g);
    else if (p[0] == "pan" || p[0] == "zoom")
        (p[0] == "pan" ? Access::panStatus(d) : Access::zoomStatus(d)).setBit(g);
    else if ((p[0] == "manual" || p[0] == "auto") && autoRange)
        autoRange->setCheckBoxTrue(p[0] == "auto");
    else if (p[0] == "unit")
        d.findChild<QComboBox *>("cmbDataStorageUnits")->setCurrentIndex(g);
    else if (auto *selector = qobject_cast<ZelVariable *>(fieldOf(d, p)))
        selector->comboBox()->setCurrentIndex(-1);
    else if (auto *text = qobject_cast<QLineEdit *>(fieldOf(d, p)))
        text->setText(edit.section(' ', p[0] == "storage" || p[0] == "rate" ? 1 : 3));
    else
        return false;
    return true;
}

// Graphs 1 to 3 shown, every table of every graph slot filled in so that
// all checks pass, 30 s of storage at 50 Hz.
bool makeValid(Dialog &d)
{
    Access::plotVisible(d).fill(false);
    Access::plotVisible(d).fill(true, 0, 3);
    Access::panStatus(d).fill(false, 8);
    Access::zoomStatus(d).fill(false, 8);
    bool ok = applyEdit(d, "storage 30") && applyEdit(d, "unit 0") && applyEdit(d, "rate 50");
    for (int g = 0; g < 8; ++g) {
        ok = applyEdit(d, QStringLiteral("rows %1 1").arg(g)) && ok;
        for (const char *edit :
             {"major %1 %2 5", "minor %1 %2 4", "min %1 %2 -50", "max %1 %2 250", "auto %1 %2"})
            for (int axis = 0; axis < 2; ++axis)
                ok = applyEdit(d, QString(edit).arg(g).arg(axis)) && ok;
    }
    return ok;
}

// "title|paragraph naming the place" of the box from "X g r", "Y g r",
// "major g side", "minor g side", "range g side", "storage [limit]".
QString expectedBox(const QString &key)
{
    const QStringList p = key.split(' ');
    if (p[0] == "X" || p[0] == "Y")
        return QStringLiteral("No %1 Variable Name Selected|For Graph: %2 Row: %3")
            .arg(p[0], p[1], p[2]);
    if (p[0] == "storage")
        return "Warning|The Data Storage value must be "
               + (p.size() < 2 ? QStringLiteral("30 seconds or more.")
                               : QStringLiteral("between 30 and %1 seconds.").arg(p[1]));
    return (p[0] == "range" ? QStringLiteral("Missing Range Min or Max Values")
                            : QStringLiteral("Invalid Number for Y %1 Ticks")
                                  .arg(p[0] == "major" ? "Major" : "Minor"))
           + QStringLiteral("|For Graph: %1 - Axes: %2").arg(p[1], p[2]);
}

} // namespace

class TestValidation : public QObject
{
    Q_OBJECT

    Plot_Screen_Info info;
    std::unique_ptr<Dialog> shared;

private slots:
    void initTestCase()
    {
        ZelVariable::setAvailableVariables({"Speed", "Torque", "Temp"});
        shared = std::make_unique<Dialog>(&info, nullptr, false);
        shared->QWidget::show();
    }

    // "edits|box|focus": the edits, split at commas; the box the checks open
    // (none: every check passes); the field that gets the focus, with the
    // text it then shows where a check puts it right (a count above 10 is put
    // back to 10). The storage period is compared in seconds after its unit.
    void checks_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : {"rows 1 0",
                                "major 0 0 1,minor 0 0 0,major 0 1 10,minor 0 1 10",
                                "rows 0 3,x 0 1,y 1 0|X 1 2|x 0 1",
                                "x 0 0,y 0 0|X 1 1|x 0 0",
                                "hide 2,rows 2 2,x 2 1,major 2 0 0",
                                "pan 0,x 0 0,y 1 0|Y 2 1|y 1 0",
                                "zoom 0,x 0 0,major 0 0 0",
                                "major 0 0 0|major 1 Left|major 0 0 0",
                                "major 0 0 11|major 1 Left|major 0 0 10",
                                "minor 0 0 -1|minor 1 Left|minor 0 0 -1",
                                "minor 2 1 11|minor 3 Right|minor 2 1 10",
                                "minor 0 1 11,major 0 0 11|major 1 Left|major 0 0",
                                "min 0 0 ,max 0 0 ",
                                "manual 0 0,min 0 0 |range 1 Left|min 0 0",
                                "manual 1 1,max 1 1 |range 2 Right|max 1 1",
                                "manual 2 0,max 2 0 ,storage 1|range 3 Left|max 2 0",
                                "storage 3600,rate 100",
                                "storage 3601,rate 100|storage 3600|storage 3601",
                                "storage 30,rate ",
                                "storage 29,rate |storage|storage",
                                "storage 51429,rate 7|storage 51428.6|storage",
                                "storage 61,unit 1,rate 100|storage 3600|storage",
                                "storage 29,unit -1,rate |storage|storage"})
            QTest::newRow(row) << QString(row);
    }
    void checks()
    {
        QFETCH(QString, row);
        const QString box = row.section('|', 1, 1), focus = row.section('|', 2, 2);
        Dialog &d = *shared;
        QVERIFY(makeValid(d));
        for (const QString &edit : row.section('|', 0, 0).split(',', Qt::SkipEmptyParts))
            QVERIFY2(applyEdit(d, edit), qPrintable(edit));
        auto *cancel = d.findChild<QWidget *>("btnCancel");
        cancel->setFocus();
        QCOMPARE(d.focusWidget(), cancel);
        ModalAnswerer answerer;
        QCOMPARE(Access::checkIfDataIsValid(d), box.isEmpty());
        QCOMPARE(answerer.count(), box.isEmpty() ? 0 : 1);
        if (box.isEmpty())
            return;
        const ModalAnswerer::Seen seen = answerer.last();
        const int part = box.startsWith("storage"); // the paragraph that names the place
        QCOMPARE(seen.title + '|' + seen.text.section("\n\n", part, part), expectedBox(box));
        // Only the variable check's box keeps its close box.
        QCOMPARE(seen.flags, box.startsWith('X') || box.startsWith('Y')
                                 ? QMessageBox().windowFlags()
                                 : Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!seen.hasParent);
        // The field sits on a page that may not be shown, so the window's
        // focus child tells where the keyboard focus went.
        const QStringList p = focus.split(' ');
        QWidget *expected = fieldOf(d, p), *focused = d.focusWidget();
        QVERIFY2(expected && focused && (focused == expected || expected->isAncestorOf(focused)),
                 qPrintable(focus));
        const int textAt = p[0] == "storage" ? 1 : 3;
        if (p.size() > textAt)
            QCOMPARE(qobject_cast<QLineEdit *>(expected)->text(), p[textAt]);
    }
};

QTEST_MAIN(TestValidation)
#include "tst_validation.moc"

// Cell widgets: what the dialog stores in a cell, or the user enters, is
// what it reads back.
#include <interfaces/spreadsheet.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include "support/modal_answerer.h"

class TestSpreadsheetCells : public QObject
{
    Q_OBJECT

private slots:
    // A pair's operations reach the field named only (-1 and 2: none). State:
    // the texts of fields -1 to 2, then whether fields 0 and 1 are enabled.
    void fieldPair_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("state");
        QTest::newRow("-1") << -1 << "|a|b||11";
        QTest::newRow("0") << 0 << "|x|b||01";
        QTest::newRow("1") << 1 << "|a|x||10";
        QTest::newRow("2") << 2 << "|a|b||11";
    }
    void fieldPair()
    {
        QFETCH(int, field);
        LineEdit_LineEditWidget two;
        two.setLineEditText(0, "a");
        two.setLineEditText(1, "b");
        two.setLineEditText(field, "x");
        two.setLineEditFocus(field);
        two.setLineEditBoxEnabled(field, false);
        QString found;
        for (int f : {-1, 0, 1, 2})
            found += two.getLineEditText(f) + '|';
        found +=
            QString::asprintf("%d%d", two.lineEdit(0)->isEnabled(), two.lineEdit(1)->isEnabled());
        QTEST(found, "state");
    }

    // Long lists (a logger file's channels) are looked up another way than
    // short ones; the look-up answers for the list the combo holds now.
    void channelCombo_data()
    {
        QTest::addColumn<int>("extra");
        QTest::newRow("short list") << 0;
        QTest::newRow("long list") << 300;
    }
    void channelCombo()
    {
        QFETCH(int, extra);
        QStringList entries{"", "TEMP", "TEMP_1", "Pressure", "TEMP"};
        for (int i = 0; i < extra; ++i)
            entries << QString::asprintf("CH_%d", i);
        ComboBoxWidget cell;
        cell.setComboBoxContentsList({"OLD", "LIST"});
        cell.setComboBoxCurrentIndex(1);
        cell.setComboBoxContentsList(entries);
        QCOMPARE(cell.getComboBoxCurrentIndex(), -1); // a new list carries no choice
        for (const QString name : {"TEMP_1", "TEMP", "TEM", "temp", "", "Flow", "CH_299"}) {
            cell.setComboBoxCurrentIndex(cell.findIndex(name));
            QCOMPARE(cell.getComboBoxCurrentText() + QString::number(cell.findIndex(name)),
                     (entries.contains(name) ? name : QString())
                         + QString::number(entries.indexOf(name)));
        }
        entries.prepend("NEW"); // the caller's copy changing, then the combo's own list
        cell.comboBox()->setItemText(1, "RENAMED");
        QString found =
            QString::asprintf("%d %d ", cell.findIndex("NEW"), cell.findIndex("RENAMED"));
        cell.setComboBoxContentsList(entries);
        found += QString::asprintf("%d %d ", cell.findIndex("TEMP_1"), cell.findIndex("RENAMED"));
        cell.clearContents();
        QCOMPARE(found + QString::number(cell.findIndex("NEW")), QString("-1 1 3 -1 -1"));
        cell.show(); // the keyboard reaches the list when the table gives the cell focus
        cell.activateWindow();
        cell.setFocus();
        QTRY_VERIFY(cell.comboBox()->hasFocus());
    }

    // The axis side button says which side it stands for; a click flips it.
    void axisSide()
    {
        IconButtonWidget cell;
        auto *button = cell.findChild<QToolButton *>();
        QString shown;
        for (bool left : {false, true}) {
            cell.setLeftSelected(left);
            shown += button->text() + QString::number(button->arrowType());
            button->click();
            shown += QString::number(cell.getLeftSelected()) + button->text() + ' ';
        }
        QCOMPARE(shown, QString("Right41Left Left30Right "));
    }

    // The check box cell passes the box's changes on, and the focus to it.
    void checkBoxCell()
    {
        CheckBoxWidget cell;
        QSignalSpy toggled(&cell, &CheckBoxWidget::toggled);
        cell.checkBox()->click();
        cell.setCheckBoxTrue(false);
        QCOMPARE(toggled, QList<QVariantList>({{true}, {false}}));
        QCOMPARE(cell.focusProxy(), cell.checkBox());
    }

    // A name given by the host, or the chooser that a click on the swatch or
    // Space/Return/Enter opens at the cell's colour (#00ff80 is picked).
    void colors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key"); // -1 none, 0 a left click, 1 a right click
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("stored");
        QTest::newRow("upper-case hex") << "#FFAA00" << -1 << false << "#ffaa00";
        QTest::newRow("colour name") << "red" << -1 << false << "#ff0000";
        QTest::newRow("not a colour") << "#GGHHII" << -1 << false << "#123456";
        QTest::newRow("click, chosen") << "" << 0 << true << "#00ff80";
        QTest::newRow("click, cancelled") << "" << 0 << false << "#123456";
        QTest::newRow("right click") << "" << 1 << true << "#123456";
        QTest::newRow("Space") << "" << int(Qt::Key_Space) << true << "#00ff80";
        QTest::newRow("Return") << "" << int(Qt::Key_Return) << true << "#00ff80";
        QTest::newRow("Enter") << "" << int(Qt::Key_Enter) << true << "#00ff80";
        QTest::newRow("other key") << "" << int(Qt::Key_A) << true << "#123456";
    }
    void colors()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(bool, accept);
        QFETCH(QString, stored);
        LineEditColorWidget cell;
        QCOMPARE(cell.getBGStyleSheet(), QStringLiteral("#ffffff")); // a new cell
        cell.setBGStyleSheet("#123456");
        cell.setBGStyleSheet(name);
        cell.resize(80, 24);
        cell.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cell));
        QColor offered;
        ModalDialogAnswer<QColorDialog> answer([&](QColorDialog *dialog) {
            offered = dialog->currentColor();
            dialog->setCurrentColor(QColor(0, 255, 128));
            accept ? dialog->accept() : dialog->reject();
        });
        if (key > 1)
            QTest::keyClick(&cell, Qt::Key(key));
        else if (key >= 0)
            QTest::mouseClick(&cell, key ? Qt::RightButton : Qt::LeftButton, {}, {40, 12});
        const bool opens = key >= 0 && (stored != "#123456" || !accept);
        QCOMPARE(answer.seen(), int(opens));
        QVERIFY(!opens || offered.name() == "#123456");
        QCOMPARE(cell.getBGStyleSheet(), stored);
    }

    // Only the grid colour has a check box; the host's check mark waits for
    // the box, and only the user's click is the grid flag.
    void gridFlagAndCheckBox()
    {
        LineEditColorWidget cell;
        QVERIFY(!cell.findChild<QCheckBox *>());
        cell.setGridVisible(false);
        cell.setCheckBoxChecked(true);
        cell.setGridCheckBoxShown(true);
        auto *box = cell.findChild<QCheckBox *>();
        QVERIFY(box && !box->isHidden() && box->isChecked() && !cell.getGridVisible());
        cell.setCheckBoxChecked(false);
        QVERIFY(!box->isChecked());
        box->click();
        QVERIFY(cell.getGridVisible());
        cell.setGridCheckBoxShown(false);
        QVERIFY(box->isHidden());
    }
};

QTEST_MAIN(TestSpreadsheetCells)
#include "tst_spreadsheet_cells.moc"

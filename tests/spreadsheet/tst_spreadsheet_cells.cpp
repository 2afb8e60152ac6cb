// Cell widgets: what the dialog stores in a cell, or the user enters, is
// what it reads back.
#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "support/modal_answerer.h"

class TestSpreadsheetCells : public QObject
{
    Q_OBJECT

private slots:
    // Field -1 is the one-field cell; 0 and 1 the fields of a pair, 2 and
    // -1 (pair) fields a pair does not have.
    void textFields_data()
    {
        QTest::addColumn<bool>("pair");
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("typed");
        for (int field : {-1, 0, 1})
            for (bool typed : {false, true})
                QTest::addRow("field %d, typed %d", field, typed) << (field >= 0) << field << typed;
        QTest::newRow("pair 2") << true << 2 << false;
        QTest::newRow("pair -1") << true << -1 << false;
    }
    void textFields()
    {
        QFETCH(bool, pair);
        QFETCH(int, field);
        QFETCH(bool, typed);
        QWidget window;
        auto *single = new LineEditWidget(&window);
        auto *two = new LineEdit_LineEditWidget(&window);
        two->setLineEditText(0, "a");
        two->setLineEditText(1, "b");
        const bool exists = !pair || field == 0 || field == 1;
        QLineEdit *edit = pair ? two->lineEdit(field) : single->lineEdit();
        QCOMPARE(edit != nullptr, exists);
        const QString text = QStringLiteral("-12.5e3 \u6e29");
        if (typed) {
            edit->setText("12");
            edit->selectAll();
            QTest::keyClicks(edit, "3.5");
        } else if (pair) {
            two->setLineEditText(field, text);
        } else {
            single->setLineEditText(text);
        }
        const QString expected = !exists ? QString() : typed ? QStringLiteral("3.5") : text;
        QCOMPARE(pair ? two->getLineEditText(field) : single->getLineEditText(), expected);
        if (!pair)
            return;
        for (int other : {0, 1})
            if (other != field)
                QCOMPARE(two->getLineEditText(other), QString(other ? "b" : "a"));

        // Enabling and focus reach the one field named.
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        single->lineEdit()->setFocus();
        two->setLineEditFocus(field);
        for (int other : {0, 1})
            QCOMPARE(two->lineEdit(other)->hasFocus(), other == field);
        two->setLineEditBoxEnabled(field, false);
        for (int other : {0, 1})
            QCOMPARE(two->lineEdit(other)->isEnabled(), other != field);
        two->setLineEditBoxEnabled(field, true);
        QVERIFY(!exists || edit->isEnabled());
    }

    void checkBox()
    {
        CheckBoxWidget cell;
        QSignalSpy toggled(&cell, &CheckBoxWidget::toggled);
        QVERIFY(!cell.getCheckBoxTrue());
        cell.setCheckBoxTrue(true);
        QVERIFY(cell.getCheckBoxTrue());
        cell.checkBox()->click(); // as a user's click or space bar does
        QVERIFY(!cell.getCheckBoxTrue());
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(toggled.last().at(0).toBool(), false);
    }

    // Long lists (a logger file's channels) are looked up another way than
    // short ones.
    void channelCombo_data()
    {
        QTest::addColumn<int>("extra"); // further names after the six
        QTest::newRow("short list") << 0;
        QTest::newRow("long list") << 300;
    }
    void channelCombo()
    {
        QFETCH(int, extra);
        QStringList entries{"", "TEMP", "TEMP_1", "Pressure", "\u00c4ther", "TEMP"};
        for (int i = 0; i < extra; ++i)
            entries << QString::asprintf("CH_%d", i);
        ComboBoxWidget cell;
        cell.setComboBoxContentsList({"OLD", "LIST"});
        cell.setComboBoxCurrentIndex(1);
        cell.setComboBoxContentsList(entries);
        QCOMPARE(cell.getComboBoxCurrentIndex(), -1); // a new list carries no choice
        QCOMPARE(cell.getComboBoxCurrentText(), QString());
        // Exact, the first of two, a prefix only, in other case, empty, absent, last.
        for (const QString name : {"TEMP_1", "TEMP", "TEM", "temp", "", "Flow", "CH_299"}) {
            const int index = entries.indexOf(name);
            QCOMPARE(cell.findIndex(name), index);
            cell.setComboBoxCurrentIndex(index);
            QCOMPARE(cell.getComboBoxCurrentIndex(), index);
            QCOMPARE(cell.getComboBoxCurrentText(), index < 0 ? QString() : entries.at(index));
        }

        // The look-up answers for the list the combo holds now: the caller's
        // copy changing, the combo's own list changing, a new list.
        entries.prepend("NEW");
        QCOMPARE(cell.findIndex("NEW"), -1);
        cell.comboBox()->insertItem(0, "INSERTED");
        QCOMPARE(cell.findIndex("Pressure"), 4);
        cell.comboBox()->setItemText(1, "RENAMED");
        QCOMPARE(cell.findIndex("RENAMED"), 1);
        cell.setComboBoxContentsList(entries.mid(0, entries.size() - 1));
        QCOMPARE(cell.findIndex("NEW"), 0);
        QCOMPARE(cell.findIndex("INSERTED"), -1);
        cell.clearContents();
        QCOMPARE(cell.comboBox()->count(), 0);
        QCOMPARE(cell.findIndex("NEW"), -1);
    }

    void axisSide()
    {
        IconButtonWidget cell;
        QVERIFY(cell.getLeftSelected()); // a new cell
        const QString leftText = cell.button()->text();
        for (bool left : {false, true}) {
            cell.setLeftSelected(left);
            QCOMPARE(cell.getLeftSelected(), left);
            QCOMPARE(cell.button()->arrowType(), left ? Qt::LeftArrow : Qt::RightArrow);
            QCOMPARE(cell.button()->text() == leftText, left);
            QTest::mouseClick(cell.button(), Qt::LeftButton); // a click switches sides
            QCOMPARE(cell.getLeftSelected(), !left);
        }
    }

    // Runs along the style's line, in pixels, painted first; a stipple bit is 2 px.
    void lineStyleAndWidth_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("shownWidth");
        QTest::addColumn<QVector<int>>("runs");
        QTest::newRow("solid, thinnest") << 0 << 0 << 0 << QVector<int>{48};
        QTest::newRow("dashed, too wide") << 1 << 51 << 50 << QVector<int>{8, 8, 8, 8};
        QTest::newRow("dotted, negative") << 2 << -3 << 0 << QVector<int>{2, 6, 2, 6, 2, 6};
        QTest::newRow("dash-dot, widest") << 3 << 50 << 50 << QVector<int>{8, 4, 4, 4, 8, 4};
    }
    void lineStyleAndWidth()
    {
        QFETCH(int, style);
        QFETCH(int, width);
        QFETCH(int, shownWidth);
        QFETCH(QVector<int>, runs);
        Combo_SpinBoxWidget cell;
        cell.setComboBoxCurrentIndex(style);
        cell.setSpinBoxValue(width);
        QCOMPARE(cell.getComboBoxCurrentIndex(), style);
        QCOMPARE(cell.getSpinBoxValue(), shownWidth);
        cell.spinBox()->selectAll();
        QTest::keyClicks(cell.spinBox(), "12");
        QCOMPARE(cell.getSpinBoxValue(), 12);

        // The style is drawn as its line, not named.
        QCOMPARE(cell.comboBox()->itemText(style), QString());
        const QIcon icon = cell.comboBox()->itemIcon(style);
        QVERIFY(!icon.availableSizes().isEmpty());
        const QImage image = icon.pixmap(icon.availableSizes().first()).toImage();
        QVector<int> found{0};
        bool ink = true;
        const int y = image.height() / 2;
        for (int x = 0; x < image.width() && found.size() <= runs.size(); ++x) {
            if ((qAlpha(image.pixel(x, y)) > 0) != ink) {
                ink = !ink;
                found << 0;
            }
            ++found.last();
        }
        QCOMPARE(found.mid(0, runs.size()), runs);
    }

    // A name given by the host, or the chooser that a click on the swatch
    // or Space/Return on the cell opens at the cell's colour (where #00ff80
    // is picked).
    void colors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key"); // -1 none, 0 a left click, 1 a right click
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("stored");
        QTest::newRow("upper-case hex") << "#FFAA00" << -1 << false << "#ffaa00";
        QTest::newRow("colour name") << "red" << -1 << false << "#ff0000";
        QTest::newRow("not a colour") << "#GGHHII" << -1 << false << "#123456";
        QTest::newRow("empty") << "" << -1 << false << "#123456";
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

    void gridFlagAndCheckBox()
    {
        LineEditColorWidget cell;
        QVERIFY(!cell.findChild<QCheckBox *>()); // only the grid column has one
        cell.setGridVisible(false);
        cell.setCheckBoxChecked(true);   // kept until the box is shown
        QVERIFY(!cell.getGridVisible()); // the box alone is not the flag...
        cell.setGridCheckBoxShown(true);
        auto *box = cell.findChild<QCheckBox *>();
        QVERIFY(box && !box->isHidden() && box->isChecked());
        cell.setCheckBoxChecked(false);
        QVERIFY(!box->isChecked());
        box->click(); // ...the user's click is
        QVERIFY(cell.getGridVisible());
        box->click();
        QVERIFY(!cell.getGridVisible());
        cell.setGridCheckBoxShown(false);
        QVERIFY(box->isHidden());
    }
};

QTEST_MAIN(TestSpreadsheetCells)
#include "tst_spreadsheet_cells.moc"

// Cell widgets: what the dialog stores in a cell, or the user enters, is
// what it reads back.
#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

#include "support/modal_answerer.h"

namespace {

// Lengths of the painted and empty runs along the middle of an icon row.
QVector<int> inkRuns(const QImage &image, int width)
{
    QVector<int> runs;
    const int y = image.height() / 2;
    bool ink = qAlpha(image.pixel(0, y)) > 0;
    int run = 0;
    for (int x = 0; x < width; ++x) {
        const bool here = qAlpha(image.pixel(x, y)) > 0;
        if (here == ink) {
            ++run;
        } else {
            runs << run;
            ink = here;
            run = 1;
        }
    }
    runs << run;
    return runs;
}

} // namespace

class TestSpreadsheetCells : public QObject
{
    Q_OBJECT

private slots:
    void textFields_data();
    void textFields();
    void userTypingIsRead_data();
    void userTypingIsRead();
    void fieldOutsidePairIsIgnored();
    void pairFieldEnableAndFocus();
    void checkBox_data();
    void checkBox();
    void channelCombo_data();
    void channelCombo();
    void channelComboLists();
    void channelLookupFollowsListChanges();
    void axisSide_data();
    void axisSide();
    void lineStyleAndWidth_data();
    void lineStyleAndWidth();
    void lineStylesAreDrawnAsLines_data();
    void lineStylesAreDrawnAsLines();
    void colorNames_data();
    void colorNames();
    void colorChooser_data();
    void colorChooser();
    void gridFlagAndCheckBox();
};

void TestSpreadsheetCells::textFields_data()
{
    QTest::addColumn<int>("field"); // -1: LineEditWidget; 0, 1: pair fields
    QTest::addColumn<QString>("text");
    const QString longText(300, QLatin1Char('x'));
    for (int field : {-1, 0, 1}) {
        const QByteArray f = QByteArray::number(field);
        QTest::newRow("empty " + f) << field << QString();
        QTest::newRow("number " + f) << field << QStringLiteral("-12.5e3");
        QTest::newRow("unicode " + f)
            << field << QStringLiteral("Temp \u00e4\u00f6 \u03a9 \u6e29\u5ea6");
        QTest::newRow("long " + f) << field << longText;
    }
}

void TestSpreadsheetCells::textFields()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    if (field < 0) {
        LineEditWidget cell;
        cell.setLineEditText(QStringLiteral("before"));
        cell.setLineEditText(text);
        QCOMPARE(cell.getLineEditText(), text);
        QCOMPARE(cell.lineEdit()->text(), text);
        return;
    }
    LineEdit_LineEditWidget cell;
    const int other = 1 - field;
    cell.setLineEditText(other, QStringLiteral("other field"));
    cell.setLineEditText(field, text);
    QCOMPARE(cell.getLineEditText(field), text);
    QCOMPARE(cell.getLineEditText(other), QStringLiteral("other field"));
}

void TestSpreadsheetCells::userTypingIsRead_data()
{
    QTest::addColumn<int>("field");
    QTest::newRow("single field") << -1;
    QTest::newRow("pair field 0") << 0;
    QTest::newRow("pair field 1") << 1;
}

void TestSpreadsheetCells::userTypingIsRead()
{
    QFETCH(int, field);
    LineEditWidget single;
    LineEdit_LineEditWidget pair;
    QLineEdit *edit = field < 0 ? single.lineEdit() : pair.lineEdit(field);
    if (field < 0)
        single.setLineEditText(QStringLiteral("12"));
    else
        pair.setLineEditText(field, QStringLiteral("12"));
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("3.5"));
    QCOMPARE(field < 0 ? single.getLineEditText() : pair.getLineEditText(field),
             QStringLiteral("3.5"));
}

void TestSpreadsheetCells::fieldOutsidePairIsIgnored()
{
    LineEdit_LineEditWidget pair;
    pair.setLineEditText(0, QStringLiteral("a"));
    pair.setLineEditText(1, QStringLiteral("b"));
    for (int field : {-1, 2, 100}) {
        pair.setLineEditText(field, QStringLiteral("z"));
        pair.setLineEditBoxEnabled(field, false);
        pair.setLineEditFocus(field);
        QCOMPARE(pair.getLineEditText(field), QString());
        QCOMPARE(pair.lineEdit(field), static_cast<QLineEdit *>(nullptr));
    }
    QCOMPARE(pair.getLineEditText(0), QStringLiteral("a"));
    QCOMPARE(pair.getLineEditText(1), QStringLiteral("b"));
    QVERIFY(pair.lineEdit(0)->isEnabled());
    QVERIFY(pair.lineEdit(1)->isEnabled());
}

void TestSpreadsheetCells::pairFieldEnableAndFocus()
{
    QWidget window;
    auto *pair = new LineEdit_LineEditWidget(&window);
    auto *elsewhere = new QLineEdit(&window);
    new QHBoxLayout(&window);
    window.layout()->addWidget(pair);
    window.layout()->addWidget(elsewhere);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    pair->setLineEditBoxEnabled(1, false);
    QVERIFY(pair->lineEdit(0)->isEnabled());
    QVERIFY(!pair->lineEdit(1)->isEnabled());

    elsewhere->setFocus();
    pair->setLineEditFocus(0);
    QTRY_VERIFY(pair->lineEdit(0)->hasFocus());
    pair->setLineEditBoxEnabled(1, true);
    pair->setLineEditFocus(1);
    QTRY_VERIFY(pair->lineEdit(1)->hasFocus());
}

void TestSpreadsheetCells::checkBox_data()
{
    QTest::addColumn<bool>("stored");
    QTest::newRow("checked") << true;
    QTest::newRow("unchecked") << false;
}

void TestSpreadsheetCells::checkBox()
{
    QFETCH(bool, stored);
    CheckBoxWidget cell;
    QSignalSpy toggled(&cell, &CheckBoxWidget::toggled);
    cell.setCheckBoxTrue(!stored);
    cell.setCheckBoxTrue(stored);
    QCOMPARE(cell.getCheckBoxTrue(), stored);
    QCOMPARE(toggled.count(), stored ? 1 : 2); // unchecked is where a cell starts
    cell.checkBox()->click();                  // as a user's click or space bar does
    QCOMPARE(cell.getCheckBoxTrue(), !stored);
    QCOMPARE(toggled.last().at(0).toBool(), !stored);
}

void TestSpreadsheetCells::channelCombo_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    const QStringList channels{QString(),
                               QStringLiteral("TEMP"),
                               QStringLiteral("TEMP_1"),
                               QStringLiteral("Pressure"),
                               QStringLiteral("\u00c4ther"),
                               QStringLiteral("TEMP")};
    // Channel lists of a logger file run to hundreds of names; long lists
    // are looked up another way than short ones.
    QStringList longList = channels;
    for (int i = 0; i < 300; ++i)
        longList << QStringLiteral("CH_%1").arg(i);
    for (const QStringList &list : {channels, longList}) {
        const QByteArray size = list.size() > 100 ? " (long list)" : "";
        QTest::newRow("exact" + size) << list << QStringLiteral("TEMP_1") << 2;
        QTest::newRow("twice, first wins" + size) << list << QStringLiteral("TEMP") << 1;
        QTest::newRow("not a prefix match" + size) << list << QStringLiteral("TEM") << -1;
        QTest::newRow("case differs" + size) << list << QStringLiteral("temp") << -1;
        QTest::newRow("empty entry" + size) << list << QString() << 0;
        QTest::newRow("non-ASCII" + size) << list << QStringLiteral("\u00c4ther") << 4;
        QTest::newRow("absent" + size) << list << QStringLiteral("Flow") << -1;
    }
    QTest::newRow("last of a long list")
        << longList << QStringLiteral("CH_299") << int(longList.size() - 1);
    QTest::newRow("no entries") << QStringList() << QStringLiteral("TEMP") << -1;
}

// The look-up answers for the list the combo holds now, however it changed
// since the last question.
void TestSpreadsheetCells::channelLookupFollowsListChanges()
{
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names << QStringLiteral("CH_%1").arg(i);
    ComboBoxWidget first;
    ComboBoxWidget second;
    first.setComboBoxContentsList(names);
    second.setComboBoxContentsList(names); // the same list, shared
    QCOMPARE(first.findIndex(QStringLiteral("CH_150")), 150);
    QCOMPARE(second.findIndex(QStringLiteral("CH_150")), 150);

    // The caller's list changes after it was handed over: the cells keep
    // what they were given.
    names.prepend(QStringLiteral("NEW"));
    QCOMPARE(first.findIndex(QStringLiteral("CH_150")), 150);
    QCOMPARE(first.findIndex(QStringLiteral("NEW")), -1);

    // A cell's own list changes under it.
    second.comboBox()->insertItem(0, QStringLiteral("INSERTED"));
    QCOMPARE(second.findIndex(QStringLiteral("INSERTED")), 0);
    QCOMPARE(second.findIndex(QStringLiteral("CH_150")), 151);
    second.comboBox()->removeItem(0);
    QCOMPARE(second.findIndex(QStringLiteral("INSERTED")), -1);
    second.comboBox()->setItemText(10, QStringLiteral("RENAMED"));
    QCOMPARE(second.findIndex(QStringLiteral("RENAMED")), 10);
    QCOMPARE(second.findIndex(QStringLiteral("CH_10")), -1);
    QCOMPARE(first.findIndex(QStringLiteral("CH_10")), 10);

    // A new list, and many lists in turn.
    for (int round = 0; round < 20; ++round) {
        QStringList list;
        for (int i = 0; i < 50; ++i)
            list << QStringLiteral("R%1_%2").arg(round).arg(i);
        first.setComboBoxContentsList(list);
        QCOMPARE(first.findIndex(QStringLiteral("R%1_49").arg(round)), 49);
        QCOMPARE(first.findIndex(QStringLiteral("R%1_0").arg(round - 1)), -1);
    }
}

void TestSpreadsheetCells::channelCombo()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, name);
    QFETCH(int, index);
    ComboBoxWidget cell;
    cell.setComboBoxContentsList(entries);
    QCOMPARE(cell.getComboBoxCurrentIndex(), -1);
    QCOMPARE(cell.getComboBoxCurrentText(), QString());

    QCOMPARE(cell.findIndex(name), index);
    cell.setComboBoxCurrentIndex(index);
    QCOMPARE(cell.getComboBoxCurrentIndex(), index);
    QCOMPARE(cell.getComboBoxCurrentText(), index < 0 ? QString() : entries.at(index));
}

void TestSpreadsheetCells::channelComboLists()
{
    ComboBoxWidget cell;
    cell.setComboBoxContentsList({QString(), QStringLiteral("A"), QStringLiteral("B")});
    cell.setComboBoxCurrentIndex(2);
    QCOMPARE(cell.getComboBoxCurrentText(), QStringLiteral("B"));

    // A new list replaces the old one and carries no choice.
    cell.setComboBoxContentsList({QStringLiteral("C")});
    QCOMPARE(cell.comboBox()->count(), 1);
    QCOMPARE(cell.getComboBoxCurrentIndex(), -1);
    QCOMPARE(cell.findIndex(QStringLiteral("B")), -1);

    cell.setComboBoxCurrentIndex(0);
    cell.clearContents();
    QCOMPARE(cell.comboBox()->count(), 0);
    QCOMPARE(cell.getComboBoxCurrentIndex(), -1);
    QCOMPARE(cell.getComboBoxCurrentText(), QString());

    // The user picking an entry is what the cell reports.
    cell.setComboBoxContentsList({QString(), QStringLiteral("A"), QStringLiteral("B")});
    cell.comboBox()->setFocus();
    QTest::keyClick(cell.comboBox(), Qt::Key_Down);
    QVERIFY(cell.getComboBoxCurrentIndex() >= 0);
    QCOMPARE(cell.getComboBoxCurrentText(),
             cell.comboBox()->itemText(cell.getComboBoxCurrentIndex()));
}

void TestSpreadsheetCells::axisSide_data()
{
    QTest::addColumn<bool>("left");
    QTest::newRow("left") << true;
    QTest::newRow("right") << false;
}

void TestSpreadsheetCells::axisSide()
{
    QFETCH(bool, left);
    IconButtonWidget cell;
    cell.setLeftSelected(!left);
    const QString otherText = cell.button()->text();
    cell.setLeftSelected(left);
    QCOMPARE(cell.getLeftSelected(), left);
    QCOMPARE(cell.button()->arrowType(), left ? Qt::LeftArrow : Qt::RightArrow);
    QVERIFY(cell.button()->text() != otherText);

    // A click switches to the other axis.
    QTest::mouseClick(cell.button(), Qt::LeftButton);
    QCOMPARE(cell.getLeftSelected(), !left);
    QCOMPARE(cell.button()->text(), otherText);
}

void TestSpreadsheetCells::lineStyleAndWidth_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("shownWidth");
    QTest::newRow("solid, thinnest") << 0 << 0 << 0;
    QTest::newRow("dashed, 1") << 1 << 1 << 1;
    QTest::newRow("dotted, 7") << 2 << 7 << 7;
    QTest::newRow("dash-dot, widest") << 3 << 50 << 50;
    QTest::newRow("too wide") << 1 << 51 << 50;
    QTest::newRow("negative") << 2 << -3 << 0;
}

void TestSpreadsheetCells::lineStyleAndWidth()
{
    QFETCH(int, style);
    QFETCH(int, width);
    QFETCH(int, shownWidth);
    Combo_SpinBoxWidget cell;
    QCOMPARE(cell.comboBox()->count(), 4);
    cell.setComboBoxCurrentIndex(style);
    cell.setSpinBoxValue(width);
    QCOMPARE(cell.getComboBoxCurrentIndex(), style);
    QCOMPARE(cell.getSpinBoxValue(), shownWidth);
    // The style round-trips through the plot's pattern coding.
    QCOMPARE(lineStyleToIndex(indexToLineStyle(cell.getComboBoxCurrentIndex())), style);

    cell.spinBox()->selectAll();
    QTest::keyClicks(cell.spinBox(), QStringLiteral("12"));
    QCOMPARE(cell.getSpinBoxValue(), 12);
}

void TestSpreadsheetCells::lineStylesAreDrawnAsLines_data()
{
    // Runs along the line, in pixels, painted first; a stipple bit is 2 px.
    QTest::addColumn<int>("index");
    QTest::addColumn<QVector<int>>("period");
    QTest::newRow("solid 0xFFFF") << 0 << QVector<int>{48};
    QTest::newRow("dash 0xF0F0") << 1 << QVector<int>{8, 8, 8, 8};
    QTest::newRow("dot 0x1111") << 2 << QVector<int>{2, 6, 2, 6, 2, 6, 2, 6};
    QTest::newRow("dash-dot 0xF33C") << 3 << QVector<int>{8, 4, 4, 4, 8, 4};
}

void TestSpreadsheetCells::lineStylesAreDrawnAsLines()
{
    QFETCH(int, index);
    QFETCH(QVector<int>, period);
    Combo_SpinBoxWidget cell;
    QCOMPARE(cell.comboBox()->itemText(index), QString()); // no numbers, no names
    const QIcon icon = cell.comboBox()->itemIcon(index);
    QVERIFY(!icon.isNull());
    QVERIFY(!icon.availableSizes().isEmpty());
    const QSize size = icon.availableSizes().first();
    QVERIFY(size.width() >= 32);                                 // one full stipple period
    QVERIFY(cell.comboBox()->sizeHint().width() > size.width()); // the closed combo shows it whole
    const QImage image = icon.pixmap(size).toImage();
    int periodLength = 0;
    for (int run : period)
        periodLength += run;
    const QVector<int> runs = inkRuns(image, qMin(periodLength, image.width()));
    QCOMPARE(runs, period);
}

void TestSpreadsheetCells::colorNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    const QString before = QStringLiteral("#123456");
    QTest::newRow("upper-case hex") << QStringLiteral("#FFAA00") << QStringLiteral("#ffaa00");
    QTest::newRow("lower-case hex") << QStringLiteral("#0a0b0c") << QStringLiteral("#0a0b0c");
    QTest::newRow("short hex") << QStringLiteral("#abc") << QStringLiteral("#aabbcc");
    QTest::newRow("colour name") << QStringLiteral("red") << QStringLiteral("#ff0000");
    QTest::newRow("with alpha") << QStringLiteral("#80FF0000") << QStringLiteral("#ff0000");
    QTest::newRow("black") << QStringLiteral("#000000") << QStringLiteral("#000000");
    QTest::newRow("not a colour") << QStringLiteral("#GGHHII") << before;
    QTest::newRow("empty") << QString() << before;
    QTest::newRow("word") << QStringLiteral("reddish") << before;
}

void TestSpreadsheetCells::colorNames()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    LineEditColorWidget cell;
    cell.setBGStyleSheet(QStringLiteral("#123456"));
    cell.setBGStyleSheet(name);
    QCOMPARE(cell.getBGStyleSheet(), stored);
}

void TestSpreadsheetCells::colorChooser_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("stored");
    QTest::newRow("colour chosen") << true << QStringLiteral("#00ff80");
    QTest::newRow("chooser cancelled") << false << QStringLiteral("#123456");
}

void TestSpreadsheetCells::colorChooser()
{
    QFETCH(bool, accept);
    QFETCH(QString, stored);
    LineEditColorWidget cell;
    cell.resize(80, 24);
    cell.setBGStyleSheet(QStringLiteral("#123456"));
    cell.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cell));

    QColor offered;
    ModalDialogAnswer<QColorDialog> answer([&](QColorDialog *dialog) {
        offered = dialog->currentColor();
        dialog->setCurrentColor(QColor(0, 255, 128));
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
    QTest::mouseClick(&cell, Qt::LeftButton, Qt::NoModifier, cell.rect().center());
    QCOMPARE(answer.seen(), 1);
    QCOMPARE(offered.name(), QStringLiteral("#123456"));
    QCOMPARE(cell.getBGStyleSheet(), stored);
}

void TestSpreadsheetCells::gridFlagAndCheckBox()
{
    LineEditColorWidget cell;
    cell.setGridCheckBoxShown(true);
    auto *box = cell.findChild<QCheckBox *>();
    QVERIFY(box);

    // As the loading does it: the flag, then the box showing the flag.
    cell.setGridVisible(false);
    QVERIFY(!cell.getGridVisible());
    cell.setCheckBoxChecked(cell.getGridVisible());
    QVERIFY(!box->isChecked());

    // Setting the box alone does not change the stored flag...
    cell.setCheckBoxChecked(true);
    QVERIFY(box->isChecked());
    QVERIFY(!cell.getGridVisible());

    // ...the user switching it does.
    box->click();
    QVERIFY(!box->isChecked());
    QVERIFY(!cell.getGridVisible());
    box->click();
    QVERIFY(cell.getGridVisible());

    cell.setGridVisible(false);
    QVERIFY(!cell.getGridVisible());

    // A colour cell without the grid column has no check box, but keeps
    // the flag it is given.
    LineEditColorWidget plain;
    QVERIFY(!plain.findChild<QCheckBox *>());
    plain.setGridVisible(false);
    plain.setCheckBoxChecked(true);
    QVERIFY(!plain.getGridVisible());
}

QTEST_MAIN(TestSpreadsheetCells)
#include "tst_spreadsheet_cells.moc"

// Frame tab: what the user types or picks in a chooser reads back and leaves
// the other settings alone; the choosers open at what was set.
#include <interfaces/base_plot_frame_tab.h>

#include <QColorDialog>
#include <QDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/modal_answerer.h"

using Tab = Base_Plot_Frame_Tab;

// The three texts and their fonts; the name is the stem of the editors' object names.
struct TextSetting
{
    const char *name;
    void (Tab::*setText)(const QString &);
    QString (Tab::*text)() const;
    void (Tab::*setFont)(const QFont &);
    QFont (Tab::*font)() const;
} const textSettings[] = {
    {"title", &Tab::setTitle, &Tab::getTitle, &Tab::setTitleFont, &Tab::getTitleFont},
    {"subtitle", &Tab::setSubtitle, &Tab::getSubtitle, &Tab::setSubtitleFont, &Tab::getSubtitleFont},
    {"note", &Tab::setNote, &Tab::getNote, &Tab::setNoteFont, &Tab::getNoteFont},
};

class TestFrameTab : public QObject
{
    Q_OBJECT

private slots:
    // "typed" ends with Return, which must open no chooser in the dialog
    // holding the tab; "chosen" and "cancelled" go through the font chooser.
    void textsAndFonts_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("how");
        for (int which = 0; which < 3; ++which)
            for (const char *how : {"typed", "chosen", "cancelled"})
                QTest::addRow("%s %s", textSettings[which].name, how) << which << QString(how);
    }
    void textsAndFonts()
    {
        QFETCH(int, which);
        QFETCH(QString, how);
        QDialog dialog;
        Tab tab(&dialog);
        for (const TextSetting &s : textSettings) {
            (tab.*s.setText)(s.name);
            (tab.*s.setFont)(QFont("Courier", 11));
        }
        const TextSetting &s = textSettings[which];
        QFont expected("DejaVu Sans");
        expected.setPixelSize(17);
        (tab.*s.setFont)(expected);
        auto *edit = tab.findChild<QLineEdit *>(s.name + QString("Edit"));
        auto *button = tab.findChild<QPushButton *>(s.name + QString("FontButton"));
        QVERIFY(edit && button);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QString text = s.name;
        if (how == "typed") {
            ModalAnswerer answerer;
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text = "Typed");
            QTest::keyClick(edit, Qt::Key_Return);
            QVERIFY2(answerer.count() == 0, qPrintable(answerer.last().title));
        } else {
            QFont offered;
            ModalDialogAnswer<QFontDialog> answer([&](QFontDialog *chooser) {
                offered = chooser->currentFont();
                chooser->setCurrentFont(QFont("DejaVu Serif", 20));
                if (how == "chosen")
                    expected = chooser->currentFont();
                how == "chosen" ? chooser->accept() : chooser->reject();
            });
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(answer.seen(), 1);
            QCOMPARE(offered.family(), QString("DejaVu Sans"));
        }
        for (const TextSetting &other : textSettings) {
            QCOMPARE((tab.*other.text)(), &other == &s ? text : QString(other.name));
            QCOMPARE((tab.*other.font)(), &other == &s ? expected : QFont("Courier", 11));
        }
        // The button names the font it holds.
        const int size = expected.pointSize() > 0 ? expected.pointSize() : expected.pixelSize();
        QVERIFY2(button->text().contains(expected.family())
                     && button->text().contains(QString::number(size)),
                 qPrintable(button->text()));
    }

    // The colour chooser opens at the colour that was set; a cancel keeps it.
    void colors()
    {
        const QColor set(0xab, 0xcd, 0xef), picked(0x20, 0x40, 0x60);
        Tab tab;
        auto *button = tab.findChild<QPushButton *>("backgroundColorButton");
        QVERIFY(button);
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        for (bool accept : {false, true}) {
            tab.setColor(set);
            QColor offered;
            ModalDialogAnswer<QColorDialog> answer([&](QColorDialog *dialog) {
                offered = dialog->currentColor();
                dialog->setCurrentColor(picked);
                accept ? dialog->accept() : dialog->reject();
            });
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(answer.seen(), 1);
            QCOMPARE(offered, set);
            QCOMPARE(tab.getColor(), accept ? picked : set);
            QCOMPARE(button->text(), tab.getColor().name());
        }
    }
};

QTEST_MAIN(TestFrameTab)
#include "tst_frame_tab.moc"

// Frame tab: every setting reads back as it was set, or as the user chose
// it, and leaves the other settings alone.
#include <interfaces/base_plot_frame_tab.h>

#include <QApplication>
#include <QCheckBox>
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
    // "set": by the host; "typed": by the user, ending with Return (which
    // opens no chooser in the dialog holding the tab); "chosen",
    // "cancelled": the font chooser, opened at the font that was set.
    void textsAndFonts_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("how");
        for (int which = 0; which < 3; ++which)
            for (const char *how : {"set", "typed", "chosen", "cancelled"})
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
        if (how == "set") {
            (tab.*s.setText)(text = "Pr\u00fcfstand 7");
        } else if (how == "typed") {
            ModalAnswerer answerer;
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text = "Typed");
            QTest::keyClick(edit, Qt::Key_Return);
            QCOMPARE(answerer.count(), 0);
            QVERIFY(dialog.isVisible());
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

    // Each switch, set by the host or clicked by the user, is its own.
    void switches()
    {
        const struct
        {
            const char *label;
            void (Tab::*set)(bool);
            bool (Tab::*get)() const;
        } settings[] = {{"Show Title Bar", &Tab::setShowTitleBar, &Tab::getShowTitleBar},
                        {"Show Note", &Tab::setShowNote, &Tab::getShowNote},
                        {"Condense Controls", &Tab::setCondenseControls, &Tab::getCondensedControls},
                        {"Show Legend", &Tab::setShowLegend, &Tab::getShowLegend}};
        Tab tab;
        for (int which = 0; which < 4; ++which) {
            for (bool value : {true, false}) {
                for (const auto &other : settings)
                    (tab.*other.set)(!value);
                (tab.*settings[which].set)(value);
                for (int other = 0; other < 4; ++other)
                    QCOMPARE((tab.*settings[other].get)(), other == which ? value : !value);
            }
            QCheckBox *box = nullptr;
            for (QCheckBox *candidate : tab.findChildren<QCheckBox *>())
                if (candidate->text() == settings[which].label)
                    box = candidate;
            QVERIFY(box);
            box->click();
            QCOMPARE((tab.*settings[which].get)(), true);
        }
    }

    // Set by the host, or picked in the colour chooser (#204060), which opens
    // at the colour that was set.
    void colors_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("with alpha")
            << QColor(10, 20, 30, 40) << QString() << QColor(10, 20, 30, 40);
        QTest::newRow("invalid") << QColor() << QString() << QColor();
        QTest::newRow("chosen") << QColor(0xab, 0xcd, 0xef) << "chosen" << QColor(0x20, 0x40, 0x60);
        QTest::newRow("cancelled")
            << QColor(0xab, 0xcd, 0xef) << "cancelled" << QColor(0xab, 0xcd, 0xef);
    }
    void colors()
    {
        QFETCH(QColor, color);
        QFETCH(QString, chooser);
        QFETCH(QColor, expected);
        Tab tab;
        tab.setColor(Qt::white);
        tab.setColor(color);
        auto *button = tab.findChild<QPushButton *>("backgroundColorButton");
        QVERIFY(button);
        if (!chooser.isEmpty()) {
            tab.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tab));
            QColor offered;
            ModalDialogAnswer<QColorDialog> answer([&](QColorDialog *dialog) {
                offered = dialog->currentColor();
                dialog->setCurrentColor(QColor(0x20, 0x40, 0x60));
                chooser == "chosen" ? dialog->accept() : dialog->reject();
            });
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(answer.seen(), 1);
            QCOMPARE(offered, color);
        }
        QCOMPARE(tab.getColor(), expected);
        if (expected.isValid())
            QCOMPARE(button->text(), expected.name());
    }
};

QTEST_MAIN(TestFrameTab)
#include "tst_frame_tab.moc"

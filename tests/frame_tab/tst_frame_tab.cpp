// Frame tab: every setting reads back as it was set, or as the user chose it,
// and leaves the other settings alone.
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

namespace {

using Tab = Base_Plot_Frame_Tab;

// The three texts and their fonts; the name is the stem of the editors' object names.
struct TextSetting
{
    const char *name;
    void (Tab::*setText)(const QString &);
    QString (Tab::*text)() const;
    void (Tab::*setFont)(const QFont &);
    QFont (Tab::*font)() const;
};
const TextSetting texts[] = {
    {"title", &Tab::setTitle, &Tab::getTitle, &Tab::setTitleFont, &Tab::getTitleFont},
    {"subtitle", &Tab::setSubtitle, &Tab::getSubtitle, &Tab::setSubtitleFont, &Tab::getSubtitleFont},
    {"note", &Tab::setNote, &Tab::getNote, &Tab::setNoteFont, &Tab::getNoteFont},
};

struct SwitchSetting
{
    const char *label;
    void (Tab::*set)(bool);
    bool (Tab::*get)() const;
};
const SwitchSetting switchSettings[] = {
    {"Show Title Bar", &Tab::setShowTitleBar, &Tab::getShowTitleBar},
    {"Show Note", &Tab::setShowNote, &Tab::getShowNote},
    {"Condense Controls", &Tab::setCondenseControls, &Tab::getCondensedControls},
    {"Show Legend", &Tab::setShowLegend, &Tab::getShowLegend},
};

template<typename W>
W *editorOf(Tab &tab, int which, const char *suffix)
{
    return tab.findChild<W *>(QLatin1String(texts[which].name) + QLatin1String(suffix));
}
} // namespace

class TestFrameTab : public QObject
{
    Q_OBJECT

private slots:
    // "set", "typed": the text; "chosen", "cancelled": the font chooser,
    // where DejaVu Serif 20 pt is picked over the font that was set.
    void textsAndFonts_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("how");
        for (int which = 0; which < 3; ++which)
            for (const char *how : {"set", "typed", "chosen", "cancelled"})
                QTest::addRow("%s %s", texts[which].name, how) << which << QString(how);
    }
    void textsAndFonts()
    {
        QFETCH(int, which);
        QFETCH(QString, how);
        Tab tab;
        const QFont untouched(QStringLiteral("Courier"), 11);
        for (const TextSetting &other : texts) {
            (tab.*other.setText)(QLatin1String(other.name));
            (tab.*other.setFont)(untouched);
        }
        QFont pixels(QStringLiteral("DejaVu Sans"));
        pixels.setPixelSize(17);
        (tab.*texts[which].setFont)(pixels);
        const QString text = QStringLiteral("Pr\u00fcfstand 7");
        QFont expected = pixels;
        auto *button = editorOf<QPushButton>(tab, which, "FontButton");
        QVERIFY(button);
        if (how == QLatin1String("set")) {
            (tab.*texts[which].setText)(text);
        } else if (how == QLatin1String("typed")) {
            auto *edit = editorOf<QLineEdit>(tab, which, "Edit");
            QVERIFY(edit);
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("Typed"));
        } else {
            tab.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tab));
            QFont offered;
            ModalDialogAnswer<QFontDialog> answer([&](QFontDialog *dialog) {
                offered = dialog->currentFont();
                dialog->setCurrentFont(QFont(QStringLiteral("DejaVu Serif"), 20));
                if (how == QLatin1String("chosen")) {
                    expected = dialog->currentFont();
                    dialog->accept();
                } else {
                    dialog->reject();
                }
            });
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(answer.seen(), 1);
            QCOMPARE(offered.family(), pixels.family()); // opens at the font set
        }
        for (int other = 0; other < 3; ++other) {
            const QString name = QLatin1String(texts[other].name);
            const QString shown = other != which                  ? name
                                  : how == QLatin1String("set")   ? text
                                  : how == QLatin1String("typed") ? QStringLiteral("Typed")
                                                                  : name;
            QCOMPARE((tab.*texts[other].text)(), shown);
            QCOMPARE((tab.*texts[other].font)(), other == which ? expected : untouched);
        }
        // The button names the font it holds.
        const int size = expected.pointSize() > 0 ? expected.pointSize() : expected.pixelSize();
        QVERIFY2(button->text().contains(expected.family())
                     && button->text().contains(QString::number(size)),
                 qPrintable(button->text()));
    }

    // In whatever dialog holds the tab, Return in a text only ends its edit.
    void returnInATextOpensNoChooser()
    {
        QDialog dialog;
        Tab tab(&dialog);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        ModalAnswerer answerer;
        for (int which = 0; which < 3; ++which) {
            auto *edit = editorOf<QLineEdit>(tab, which, "Edit");
            edit->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), edit);
            QTest::keyClick(edit, Qt::Key_Return);
        }
        QCOMPARE(answerer.count(), 0);
        QVERIFY(dialog.isVisible());
    }

    void switches_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("value");
        for (int which = 0; which < 4; ++which) {
            QTest::addRow("%s on", switchSettings[which].label) << which << true;
            QTest::addRow("%s off", switchSettings[which].label) << which << false;
        }
    }
    void switches()
    {
        QFETCH(int, which);
        QFETCH(bool, value);
        Tab tab;
        for (const SwitchSetting &other : switchSettings)
            (tab.*other.set)(!value);
        (tab.*switchSettings[which].set)(value);
        for (int other = 0; other < 4; ++other)
            QCOMPARE((tab.*switchSettings[other].get)(), other == which ? value : !value);
        // The user's click on the labelled box is the setting.
        QCheckBox *box = nullptr;
        for (QCheckBox *candidate : tab.findChildren<QCheckBox *>())
            if (candidate->text() == QLatin1String(switchSettings[which].label))
                box = candidate;
        QVERIFY(box);
        box->click();
        QCOMPARE((tab.*switchSettings[which].get)(), !value);
    }

    // Set by the host, or chosen in the colour chooser, where #204060 is
    // picked over the colour that was set.
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
        tab.setColor(QColor(Qt::white));
        tab.setColor(color);
        auto *button = tab.findChild<QPushButton *>(QStringLiteral("backgroundColorButton"));
        QVERIFY(button);
        if (!chooser.isEmpty()) {
            tab.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tab));
            QColor offered;
            ModalDialogAnswer<QColorDialog> answer([&](QColorDialog *dialog) {
                offered = dialog->currentColor();
                dialog->setCurrentColor(QColor(0x20, 0x40, 0x60));
                chooser == QLatin1String("chosen") ? dialog->accept() : dialog->reject();
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

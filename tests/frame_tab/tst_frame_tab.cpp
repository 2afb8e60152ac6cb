// Frame tab: every setting reads back as it was set, or as the user chose it.
#include <interfaces/base_plot_frame_tab.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "support/modal_answerer.h"

namespace {

using Tab = Base_Plot_Frame_Tab;

// The three texts of the frame and their fonts, by index.
struct TextSetting
{
    const char *name; // also the object name stem of its editors
    void (Tab::*setText)(const QString &);
    QString (Tab::*text)() const;
    void (Tab::*setFont)(const QFont &);
    QFont (Tab::*font)() const;
};
const TextSetting textSettings[] = {
    {"title", &Tab::setTitle, &Tab::getTitle, &Tab::setTitleFont, &Tab::getTitleFont},
    {"subtitle", &Tab::setSubtitle, &Tab::getSubtitle, &Tab::setSubtitleFont, &Tab::getSubtitleFont},
    {"note", &Tab::setNote, &Tab::getNote, &Tab::setNoteFont, &Tab::getNoteFont},
};

// The four switches, by index, with the label the user sees.
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
    return tab.findChild<W *>(QLatin1String(textSettings[which].name) + QLatin1String(suffix));
}
} // namespace

class TestFrameTab : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed"); // by the user into the line edit
        for (int which = 0; which < 3; ++which) {
            QTest::addRow("%s, empty", textSettings[which].name) << which << QString() << false;
            // The write-back cuts long texts; the tab itself keeps all of them.
            QTest::addRow("%s, 60 characters", textSettings[which].name)
                << which << QString(60, QLatin1Char('T')) << false;
            QTest::addRow("%s, non-ASCII", textSettings[which].name)
                << which << QStringLiteral("Pr\u00fcfstand \u2013 \u6e29\u5ea6") << false;
            QTest::addRow("%s, typed", textSettings[which].name)
                << which << QStringLiteral("Typed by hand") << true;
        }
    }
    void texts()
    {
        QFETCH(int, which);
        QFETCH(QString, text);
        QFETCH(bool, typed);
        Tab tab;
        for (const TextSetting &other : textSettings)
            (tab.*other.setText)(QLatin1String(other.name));
        if (typed) {
            auto *edit = editorOf<QLineEdit>(tab, which, "Edit");
            QVERIFY(edit);
            edit->selectAll();
            QTest::keyClicks(edit, text);
        } else {
            (tab.*textSettings[which].setText)(text);
        }
        for (int other = 0; other < 3; ++other)
            QCOMPARE((tab.*textSettings[other].text)(),
                     other == which ? text : QString::fromLatin1(textSettings[other].name));
    }

    // Set by the host, or chosen in the font dialog ("chosen", "cancelled"),
    // where DejaVu Serif 20 pt italic is picked over the font that was set.
    void fonts_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("chooser");
        QFont bold(QStringLiteral("DejaVu Serif"), 30, QFont::Bold);
        QFont pixels(QStringLiteral("Sans"));
        pixels.setPixelSize(17);
        const QFont before(QStringLiteral("DejaVu Sans"), 12);
        for (int which = 0; which < 3; ++which) {
            QTest::addRow("%s, bold 30 pt", textSettings[which].name) << which << bold << QString();
            QTest::addRow("%s, 17 px", textSettings[which].name) << which << pixels << QString();
            QTest::addRow("%s, chosen", textSettings[which].name) << which << before << "chosen";
            QTest::addRow("%s, cancelled", textSettings[which].name)
                << which << before << "cancelled";
        }
    }
    void fonts()
    {
        QFETCH(int, which);
        QFETCH(QFont, font);
        QFETCH(QString, chooser);
        Tab tab;
        const QFont untouched(QStringLiteral("Courier"), 11);
        for (const TextSetting &other : textSettings)
            (tab.*other.setFont)(untouched);
        (tab.*textSettings[which].setFont)(font);
        auto *button = editorOf<QPushButton>(tab, which, "FontButton");
        QVERIFY(button);
        QFont expected = font;
        if (!chooser.isEmpty()) {
            tab.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tab));
            QFont offered;
            ModalDialogAnswer<QFontDialog> answer([&](QFontDialog *dialog) {
                offered = dialog->currentFont();
                QFont pick(QStringLiteral("DejaVu Serif"), 20);
                pick.setItalic(true);
                dialog->setCurrentFont(pick);
                if (chooser == QLatin1String("chosen")) {
                    expected = dialog->currentFont();
                    dialog->accept();
                } else {
                    dialog->reject();
                }
            });
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(answer.seen(), 1);
            QCOMPARE(offered.family(), font.family());
            QCOMPARE(offered.pointSize(), font.pointSize());
        }
        const QFont stored = (tab.*textSettings[which].font)();
        QCOMPARE(stored, expected);
        for (int other = 0; other < 3; ++other)
            if (other != which)
                QCOMPARE((tab.*textSettings[other].font)(), untouched);

        // The button shows which font is set.
        const int size = expected.pointSize() > 0 ? expected.pointSize() : expected.pixelSize();
        QVERIFY2(button->text().contains(expected.family())
                     && button->text().contains(QString::number(size)),
                 qPrintable(button->text()));
    }

    // In whatever dialog holds the tab, Return in a text only ends its edit.
    void returnInATextOpensNoChooser_data()
    {
        QTest::addColumn<int>("which");
        for (int which = 0; which < 3; ++which)
            QTest::addRow("%s", textSettings[which].name) << which;
    }
    void returnInATextOpensNoChooser()
    {
        QFETCH(int, which);
        QDialog dialog;
        Tab tab(&dialog);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *edit = editorOf<QLineEdit>(tab, which, "Edit");
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        ModalAnswerer answerer;
        QTest::keyClick(edit, Qt::Key_Return);
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

        // The switch the user sees carries the label and changes the setting.
        QCheckBox *box = nullptr;
        for (QCheckBox *candidate : tab.findChildren<QCheckBox *>())
            if (candidate->text() == QLatin1String(switchSettings[which].label))
                box = candidate;
        QVERIFY(box);
        QCOMPARE(box->isChecked(), value);
        box->click();
        QCOMPARE((tab.*switchSettings[which].get)(), !value);
    }

    // Set by the host, or chosen in the colour dialog ("chosen", "cancelled"),
    // where #204060 is picked over the #abcdef that was set.
    void colors_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("black") << QColor(Qt::black) << QString() << QColor(Qt::black);
        QTest::newRow("with alpha")
            << QColor(10, 20, 30, 40) << QString() << QColor(10, 20, 30, 40);
        QTest::newRow("invalid") << QColor() << QString() << QColor();
        QTest::newRow("chosen") << QColor(QStringLiteral("#abcdef")) << "chosen"
                                << QColor(QStringLiteral("#204060"));
        QTest::newRow("cancelled") << QColor(QStringLiteral("#abcdef")) << "cancelled"
                                   << QColor(QStringLiteral("#abcdef"));
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
                dialog->setCurrentColor(QColor(QStringLiteral("#204060")));
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

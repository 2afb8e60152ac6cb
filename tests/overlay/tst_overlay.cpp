// Choosing overlay logger files in the dialog and in the single-graph tab.
// One dialog of eight graphs serves every row: each row first gives its
// graph the speed file, then makes the choice the row is about.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>
#include <plot_config_dialog/xy_plot_config_tab.h>

#include "support/dialog_access.h"
#include "support/modal_answerer.h"

#include <memory>

namespace {

const QString kInvalidText = QStringLiteral("The selected Overlay file - %1 - is not in the "
                                            "expected file format - a logger file is required");

// What a table's X and Y cells offer and select, row by row: "a|b@1".
QStringList offered(Spreadsheet *table)
{
    QStringList cells;
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < 2; ++column) {
            auto *combo = qobject_cast<ComboBoxWidget *>(table->cellWidget(row, column));
            QStringList names;
            for (int i = 0; combo && i < combo->comboBox()->count(); ++i)
                names << combo->comboBox()->itemText(i);
            cells << names.join('|') + '@'
                         + QString::number(combo ? combo->getComboBoxCurrentIndex() : -2);
        }
    return cells;
}

QStringList repeated(const QString &cell, int times)
{
    QStringList cells;
    while (times-- > 0)
        cells << cell;
    return cells;
}

} // namespace

class TstOverlay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_speedFile = writeFile("speed.log", "# bench 4\ntime\tspeed\ttorque\n0\t1200\t35.5\n");
        m_info.numPlots = 8;
        m_info.plotAxisInfo.resize(8);
        m_dialog.reset(new XY_Plot_Config_Dialog(&m_info, nullptr, false));
    }
    void init() { m_answerer.reset(new ModalAnswerer); }

    void choice_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("fileName"); // empty: cancelled
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("label"); // empty: the graph keeps the speed file
        QTest::addColumn<QString>("names"); // offered when taken
        auto row = [](const char *tag, int slot, int rows, const char *fileName,
                      const QByteArray &content, const char *label = "", const char *names = "") {
            QTest::newRow(tag) << slot << rows << fileName << content << label << names;
        };
        row("cancelled, graph 8", 7, 2, "", QByteArray());
        row("refused, header only", 6, 2, "names_only.txt", "coolant;oil\n");
        row("refused, empty", 6, 1, "empty.log", "");
        row("refused, text in the data line", 0, 2, "words.dat", "a,b\nx,y\n");
        row("taken, graph 2", 1, 2, "coolant.csv", "coolant,oil\n81.5,92\n", "coolant.csv",
            "|coolant|oil");
        row("taken, eight rows, file order kept", 3, 8, "order.csv", "zeta;alpha;mid\n1;2;3\n",
            "order.csv", "|zeta|alpha|mid");
        row("taken, name with two dots", 5, 1, "engine.run1.dat", "a,b\n1,2\n", "engine.dat",
            "|a|b");
        row("taken, name without a dot", 4, 3, "data", "rpm\n900\n", "data.", "|rpm");
    }
    void choice()
    {
        QFETCH(int, slot);
        QFETCH(int, rows);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, label);
        QFETCH(QString, names);
        const QString path = fileName.isEmpty() ? QString() : writeFile(fileName, content);
        Spreadsheet *table = overlayTable(slot);
        QVERIFY(table);
        table->setRowCount(rows);
        const int neighbour = slot == 2 ? 0 : 2; // must keep its file throughout
        choose(neighbour, m_speedFile);
        choose(slot, m_speedFile);
        const QString speed = QStringLiteral("|time|speed|torque");
        auto *selected = qobject_cast<ComboBoxWidget *>(table->cellWidget(rows - 1, 1));
        selected->setComboBoxCurrentIndex(3);
        m_answerer->clear();

        QCOMPARE(choose(slot, path), label.isEmpty() ? QStringLiteral("speed.log") : label);
        const bool refused = !path.isEmpty() && label.isEmpty();
        QCOMPARE(m_answerer->count(), refused ? 2 : 1);
        const ModalAnswerer::Seen picker = m_answerer->seen().first();
        QCOMPARE(picker.title, QStringLiteral("Select Logger File"));
        QCOMPARE(picker.nameFilters, QStringList{QStringLiteral("Logger Files (*.*)")});
        if (refused) {
            const ModalAnswerer::Seen box = m_answerer->last();
            QCOMPARE(box.title, QStringLiteral("Invalid file format"));
            QCOMPARE(box.text, kInvalidText.arg(path));
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        // A refused file is still the graph's choice and reaches the plot data.
        QCOMPARE(XY_Plot_Config_Dialog_TestAccess::overlayFilenames(*m_dialog)[slot],
                 path.isEmpty() ? m_speedFile : path);
        const QString shown = label.isEmpty() ? speed : names;
        QCOMPARE(PlotSingleton::overlayChannelNamesOf(slot), shown.split('|'));
        QStringList expected = repeated(shown + "@0", 2 * rows);
        if (label.isEmpty())
            expected[2 * rows - 1] = speed + "@3";
        QCOMPARE(offered(table), expected);
        QCOMPARE(offered(overlayTable(neighbour)),
                 repeated(speed + "@0", 2 * overlayTable(neighbour)->rowCount()));
    }

    // No graph behind the slot: nothing opens, nothing changes.
    void slotWithoutGraph_data()
    {
        QTest::addColumn<bool>("pluginMode");
        QTest::addColumn<int>("slot");
        QTest::newRow("below the first") << false << -1;
        QTest::newRow("past the eighth") << false << 8;
        QTest::newRow("graph 2 in plugin mode") << true << 1;
    }
    void slotWithoutGraph()
    {
        QFETCH(bool, pluginMode);
        QFETCH(int, slot);
        std::unique_ptr<XY_Plot_Config_Dialog> plugin;
        if (pluginMode)
            plugin.reset(new XY_Plot_Config_Dialog(&m_info, nullptr, true));
        XY_Plot_Config_Dialog *dialog = pluginMode ? plugin.get() : m_dialog.get();
        m_answerer->queueFile(m_speedFile);
        QVERIFY(QMetaObject::invokeMethod(dialog, "handleOverlayButtonSelection", Q_ARG(int, slot)));
        QCOMPARE(m_answerer->count(), 0);
    }

    // Kept process-wide: a later dialog offers the chosen channels, with
    // none selected until it is loaded.
    void laterDialogOffersChosenChannels()
    {
        const QString path = writeFile("later.csv", "coolant,oil\n81.5,92\n");
        choose(4, path);
        XY_Plot_Config_Dialog later(&m_info, nullptr, false);
        auto *table = later.findChild<Spreadsheet *>(QStringLiteral("plot5XYOverlaySpreadsheet"));
        QVERIFY(table && table->rowCount() > 0);
        QCOMPARE(offered(table), repeated("|coolant|oil@-1", 2 * table->rowCount()));
    }

    // Only Comet uses the comet length; an unknown index leaves the field as it was.
    void tabDisplayType()
    {
        XY_Plot_Config_Tab tab(nullptr);
        QString seen;
        for (int index : {2, 0, 2, 1, 3, -1, 2, -1, 3}) {
            tab.handleDisplayTypeChange(index);
            seen += tab.spinCometLength->isEnabled() ? '+' : '-';
        }
        QCOMPARE(seen, QStringLiteral("+-+---+++"));
    }

    // The tab fills its own table and keeps its channels to itself.
    void tabOverlay_data()
    {
        QTest::addColumn<int>("argument");
        QTest::addColumn<QString>("secondFile"); // empty: cancelled
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("valid, argument -3") << -3 << "run.1.dat" << QByteArray("rpm;t\n9;1\n");
        QTest::newRow("cancelled") << 2 << "" << QByteArray();
        QTest::newRow("refused") << 7 << "header.txt" << QByteArray("rpm;t\n");
    }
    void tabOverlay()
    {
        QFETCH(int, argument);
        QFETCH(QString, secondFile);
        QFETCH(QByteArray, content);
        const QString second = secondFile.isEmpty() ? QString() : writeFile(secondFile, content);
        QStringList singleton;
        for (int slot = 0; slot < 8; ++slot)
            singleton << PlotSingleton::overlayChannelNamesOf(slot).join('|');
        XY_Plot_Config_Tab tab(nullptr);
        tab.plotXYOverlaySpreadsheet->setRowCount(2);
        m_answerer->queueFile(m_speedFile);
        tab.handleOverlayButtonSelection(argument);
        QCOMPARE(tab.lblOverlayFilePlot->text(), QStringLiteral("speed.log"));
        qobject_cast<ComboBoxWidget *>(tab.plotXYOverlaySpreadsheet->cellWidget(1, 1))
            ->setComboBoxCurrentIndex(1);
        m_answerer->clear();
        m_answerer->queueFile(second);
        tab.handleOverlayButtonSelection(argument);
        const bool refused = secondFile == QLatin1String("header.txt");
        const bool changed = !second.isEmpty() && !refused;
        QCOMPARE(m_answerer->last().text, refused ? kInvalidText.arg(second) : QString());
        QCOMPARE(tab.lblOverlayFilePlot->text(), QString(changed ? "run.dat" : "speed.log"));
        QCOMPARE(offered(tab.plotXYOverlaySpreadsheet).last(),
                 QString(changed ? "|rpm|t@0" : "|time|speed|torque@1"));
        for (int slot = 0; slot < 8; ++slot)
            QCOMPARE(PlotSingleton::overlayChannelNamesOf(slot).join('|'), singleton.at(slot));
    }

private:
    Spreadsheet *overlayTable(int slot)
    {
        return m_dialog->findChild<Spreadsheet *>(
            QStringLiteral("plot%1XYOverlaySpreadsheet").arg(slot + 1));
    }
    // Answers the file dialog that the graph's button opens with path; the
    // label the graph then shows.
    QString choose(int slot, const QString &path)
    {
        m_answerer->queueFile(path);
        m_dialog->findChild<QPushButton *>(QStringLiteral("btnOverlayFile%1").arg(slot + 1))->click();
        return m_dialog->findChild<QLabel *>(QStringLiteral("lblOverlayFilePlot%1").arg(slot + 1))
            ->text();
    }
    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QTemporaryDir m_dir;
    Plot_Screen_Info m_info;
    std::unique_ptr<XY_Plot_Config_Dialog> m_dialog;
    std::unique_ptr<ModalAnswerer> m_answerer;
    QString m_speedFile; // time, speed, torque
};

QTEST_MAIN(TstOverlay)
#include "tst_overlay.moc"

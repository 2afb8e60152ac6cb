// Choosing overlay logger files in the dialog and in the single-graph tab.
#include <QComboBox>
#include <QDir>
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

using Access = XY_Plot_Config_Dialog_TestAccess;

namespace {

const char *const kInvalidText = "The selected Overlay file - %1 - is not in the expected file "
                                 "format - a logger file is required";

QStringList withEmptyFront(QStringList names)
{
    names.prepend(QString());
    return names;
}

ComboBoxWidget *cell(Spreadsheet *table, int row, int column)
{
    return qobject_cast<ComboBoxWidget *>(table->cellWidget(row, column));
}

QStringList items(ComboBoxWidget *combo)
{
    QStringList result;
    for (int i = 0; i < combo->comboBox()->count(); ++i)
        result << combo->comboBox()->itemText(i);
    return result;
}

// Empty when every row of the table, X and Y column, offers names with index
// current; otherwise the first cell that differs.
QString everyCellProblem(Spreadsheet *table, const QStringList &names, int current)
{
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < 2; ++column) {
            ComboBoxWidget *combo = cell(table, row, column);
            if (!combo || items(combo) != names || combo->getComboBoxCurrentIndex() != current)
                return QStringLiteral("row %1 column %2: %3 at %4")
                    .arg(row)
                    .arg(column)
                    .arg(combo ? items(combo).join('|') : "no cell")
                    .arg(combo ? combo->getComboBoxCurrentIndex() : -2);
        }
    return table->rowCount() > 0 ? QString() : QStringLiteral("no rows");
}
#define VERIFY_EVERY_CELL(table, names, current) \
    QVERIFY2(everyCellProblem(table, names, current).isEmpty(), \
             qPrintable(everyCellProblem(table, names, current)))

std::unique_ptr<Plot_Screen_Info> eightGraphs()
{
    std::unique_ptr<Plot_Screen_Info> info(new Plot_Screen_Info);
    info->numPlots = 8;
    info->plotAxisInfo.resize(8);
    return info;
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
        m_coolantFile = writeFile("coolant.csv", "coolant,oil\n81.5,92\n");
        writeFile("names_only.txt", "coolant;oil\n"); // no data line: refused
    }

    void init() { m_answerer.reset(new ModalAnswerer); }

    // A second file chosen for a graph that shows the speed file's channels,
    // with a channel selected in its second row: cancelled, refused, or taken.
    // A refused file is still recorded as the graph's overlay file.
    void secondChoice_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("fileName"); // empty: cancelled
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("refused");
        QTest::newRow("cancelled, graph 8") << 7 << QString() << QByteArray() << false;
        QTest::newRow("refused, header only")
            << 6 << "names_only.txt" << QByteArray("coolant;oil\n") << true;
        QTest::newRow("refused, empty") << 6 << "empty.log" << QByteArray() << true;
        QTest::newRow("refused, text in the data line")
            << 6 << "words.dat" << QByteArray("a,b\nx,y\n") << true;
        QTest::newRow("taken, graph 2")
            << 1 << "coolant.csv" << QByteArray("coolant,oil\n81.5,92\n") << false;
    }
    void secondChoice()
    {
        QFETCH(int, slot);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(bool, refused);
        const QString path = fileName.isEmpty() ? QString() : writeFile(fileName, content);
        auto info = eightGraphs();
        XY_Plot_Config_Dialog dialog(info.get(), nullptr, false);
        Spreadsheet *table = Access::xyOverlay(dialog)[slot];
        table->setRowCount(2);
        chooseFor(dialog, slot, m_speedFile);
        chooseFor(dialog, 2, m_speedFile); // a neighbour that must keep its file
        cell(table, 1, 0)->setComboBoxCurrentIndex(3);
        m_answerer->clear();
        const bool taken = !path.isEmpty() && !refused;
        QCOMPARE(chooseFor(dialog, slot, path),
                 taken ? QStringLiteral("coolant.csv") : QStringLiteral("speed.log"));
        QCOMPARE(m_answerer->count(), refused ? 2 : 1);
        const ModalAnswerer::Seen seen = m_answerer->seen().first();
        QCOMPARE(seen.className, QStringLiteral("QFileDialog"));
        QCOMPARE(seen.title, QStringLiteral("Select Logger File"));
        QCOMPARE(seen.nameFilters, QStringList{QStringLiteral("Logger Files (*.*)")});
        QVERIFY(!seen.hasParent);
        if (QDir(QStringLiteral("/data/PC_format")).exists())
            QCOMPARE(seen.directory, QStringLiteral("/data/PC_format"));
        if (refused) {
            const ModalAnswerer::Seen box = m_answerer->last();
            QCOMPARE(box.className, QStringLiteral("QMessageBox"));
            QCOMPARE(box.title, QStringLiteral("Invalid file format"));
            QCOMPARE(box.text, QString::fromLatin1(kInvalidText).arg(path));
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(box.icon, QMessageBox::NoIcon);
            QVERIFY(!box.hasParent);
        }

        QCOMPARE(Access::overlayFilenames(dialog)[slot], path.isEmpty() ? m_speedFile : path);
        const QStringList speed = withEmptyFront({"time", "speed", "torque"});
        const QStringList names = taken ? withEmptyFront({"coolant", "oil"}) : speed;
        QCOMPARE(PlotSingleton::overlayChannelNamesOf(slot), names);
        if (taken) {
            VERIFY_EVERY_CELL(table, names, 0);
        } else {
            QCOMPARE(items(cell(table, 1, 0)), speed);
            QCOMPARE(cell(table, 1, 0)->getComboBoxCurrentIndex(), 3);
        }
        if (slot != 2) {
            VERIFY_EVERY_CELL(Access::xyOverlay(dialog)[2], speed, 0);
            QCOMPARE(PlotSingleton::overlayChannelNamesOf(2), speed);
            QCOMPARE(Access::overlayFileLabels(dialog)[2]->text(), QStringLiteral("speed.log"));
        }
    }

    void validFileFillsEveryRow_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("channels");
        QTest::addColumn<QString>("label");
        QTest::newRow("graph 1, one row")
            << 0 << 1 << "speed.log" << QByteArray("time\tspeed\ttorque\n0\t1\t2\n")
            << QStringList{"time", "speed", "torque"} << "speed.log";
        QTest::newRow("graph 4, eight rows, file order kept")
            << 3 << 8 << "order.csv" << QByteArray("zeta;alpha;mid\n1;2;3\n")
            << QStringList{"zeta", "alpha", "mid"} << "order.csv";
        QTest::newRow("name with two dots")
            << 5 << 2 << "engine.run1.dat" << QByteArray("a,b\n1,2\n") << QStringList{"a", "b"}
            << "engine.dat";
        QTest::newRow("name without a dot")
            << 7 << 3 << "data" << QByteArray("rpm\n900\n") << QStringList{"rpm"} << "data.";
    }
    void validFileFillsEveryRow()
    {
        QFETCH(int, slot);
        QFETCH(int, rows);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, channels);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("valid")));
        const QString path = writeFile(QStringLiteral("valid/") + fileName, content);
        auto info = eightGraphs();
        XY_Plot_Config_Dialog dialog(info.get(), nullptr, false);
        Spreadsheet *table = Access::xyOverlay(dialog)[slot];
        table->setRowCount(rows);
        QTEST(chooseFor(dialog, slot, path), "label");
        QCOMPARE(m_answerer->count(), 1); // the file dialog only, no refusal
        VERIFY_EVERY_CELL(table, withEmptyFront(channels), 0);
        QCOMPARE(Access::overlayFilenames(dialog)[slot], path);
        QCOMPARE(PlotSingleton::overlayChannelNamesOf(slot), withEmptyFront(channels));
    }

    void buttonsChooseForTheirGraph_data()
    {
        QTest::addColumn<int>("graph");
        for (int graph = 1; graph <= 8; ++graph)
            QTest::newRow(qPrintable(QStringLiteral("btnOverlayFile%1").arg(graph))) << graph;
    }
    void buttonsChooseForTheirGraph()
    {
        QFETCH(int, graph);
        auto info = eightGraphs();
        XY_Plot_Config_Dialog dialog(info.get(), nullptr, false);
        auto *button =
            dialog.findChild<QPushButton *>(QStringLiteral("btnOverlayFile%1").arg(graph));
        QVERIFY(button);
        m_answerer->queueFile(m_coolantFile);
        button->click();
        for (int g = 0; g < 8; ++g) {
            const bool chosen = g == graph - 1;
            QCOMPARE(Access::overlayFilenames(dialog)[g].isEmpty(), !chosen);
            QCOMPARE(Access::overlayFileLabels(dialog)[g]->text() == QLatin1String("coolant.csv"),
                     chosen);
        }
    }

    void slotWithoutGraphOpensNothing_data()
    {
        QTest::addColumn<bool>("pluginMode");
        QTest::addColumn<int>("slot");
        QTest::newRow("below the first") << false << -1;
        QTest::newRow("past the eighth") << false << 8;
        QTest::newRow("graph 2 in plugin mode") << true << 1;
    }
    void slotWithoutGraphOpensNothing()
    {
        QFETCH(bool, pluginMode);
        QFETCH(int, slot);
        auto info = eightGraphs();
        XY_Plot_Config_Dialog dialog(info.get(), nullptr, pluginMode);
        const QList<QString> before = Access::overlayFilenames(dialog);
        m_answerer->queueFile(m_speedFile);
        Access::handleOverlayButtonSelection(dialog, slot);
        QCOMPARE(m_answerer->count(), 0);
        QCOMPARE(Access::overlayFilenames(dialog), before);
    }

    void laterDialogOffersChosenChannels()
    {
        auto info = eightGraphs();
        {
            XY_Plot_Config_Dialog first(info.get(), nullptr, false);
            chooseFor(first, 4, m_coolantFile);
        }
        XY_Plot_Config_Dialog later(info.get(), nullptr, false);
        // Offered again, with no channel selected until the dialog is loaded.
        VERIFY_EVERY_CELL(Access::xyOverlay(later)[4], withEmptyFront({"coolant", "oil"}), -1);
    }

    void tabConstruction()
    {
        XY_Plot_Config_Tab tab(nullptr);
        QVERIFY(tab.lblPlotMode->isHidden());
        QCOMPARE(tab.lblPlotMode->toolTip(),
                 QStringLiteral("The Plot Configuration Information can not be modified\n"
                                "while in Pan or Zoom Mode"));
    }

    void tabDisplayType_data()
    {
        QTest::addColumn<bool>("enabledBefore");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("enabledAfter");
        QTest::newRow("Full Trace") << true << 0 << false;
        QTest::newRow("Marker Only") << true << 1 << false;
        QTest::newRow("Comet") << false << 2 << true;
        QTest::newRow("3 keeps enabled") << true << 3 << true;
        QTest::newRow("-1 keeps disabled") << false << -1 << false;
    }
    void tabDisplayType()
    {
        QFETCH(bool, enabledBefore);
        QFETCH(int, index);
        XY_Plot_Config_Tab tab(nullptr);
        tab.spinCometLength->setEnabled(enabledBefore);
        tab.handleDisplayTypeChange(index);
        QTEST(tab.spinCometLength->isEnabled(), "enabledAfter");
    }

    void tabOverlay_data()
    {
        QTest::addColumn<int>("argument");
        QTest::addColumn<QString>("secondFile"); // empty: cancelled
        QTest::addColumn<bool>("refused");
        QTest::newRow("valid, argument 0") << 0 << "engine.run1.dat" << false;
        QTest::newRow("valid, argument -3") << -3 << "engine.run1.dat" << false;
        QTest::newRow("cancelled") << 2 << "" << false;
        QTest::newRow("refused") << 7 << "names_only.txt" << true;
    }
    void tabOverlay()
    {
        QFETCH(int, argument);
        QFETCH(QString, secondFile);
        QFETCH(bool, refused);
        const QString second = secondFile.isEmpty() ? QString() : m_dir.filePath(secondFile);
        if (secondFile == QLatin1String("engine.run1.dat"))
            writeFile(secondFile, "rpm;torque\n900;12\n");

        // The tab keeps its channels to itself.
        auto singleton = [] {
            QStringList names;
            for (int slot = 0; slot < 8; ++slot)
                names << PlotSingleton::overlayChannelNamesOf(slot).join('|');
            return names;
        };
        const QStringList singletonBefore = singleton();
        XY_Plot_Config_Tab tab(nullptr);
        Spreadsheet *table = tab.plotXYOverlaySpreadsheet;
        table->setRowCount(3);
        m_answerer->queueFile(m_speedFile);
        tab.handleOverlayButtonSelection(argument);
        QCOMPARE(tab.lblOverlayFilePlot->text(), QStringLiteral("speed.log"));
        VERIFY_EVERY_CELL(table, withEmptyFront({"time", "speed", "torque"}), 0);
        cell(table, 2, 1)->setComboBoxCurrentIndex(1);
        m_answerer->clear();
        m_answerer->queueFile(second);
        tab.handleOverlayButtonSelection(argument);
        const bool changed = !second.isEmpty() && !refused;
        QCOMPARE(m_answerer->count(), refused ? 2 : 1);
        if (refused)
            QCOMPARE(m_answerer->last().text, QString::fromLatin1(kInvalidText).arg(second));
        QCOMPARE(tab.lblOverlayFilePlot->text(),
                 changed ? QStringLiteral("engine.dat") : QStringLiteral("speed.log"));
        QCOMPARE(items(cell(table, 2, 1)), changed ? withEmptyFront({"rpm", "torque"})
                                                   : withEmptyFront({"time", "speed", "torque"}));
        QCOMPARE(cell(table, 2, 1)->getComboBoxCurrentIndex(), changed ? 0 : 1);
        QCOMPARE(singleton(), singletonBefore);
    }

private:
    QString writeFile(const QString &name, const QByteArray &content);
    QString chooseFor(XY_Plot_Config_Dialog &dialog, int slot, const QString &path);
    QTemporaryDir m_dir;
    std::unique_ptr<ModalAnswerer> m_answerer;
    QString m_speedFile;   // time, speed, torque
    QString m_coolantFile; // coolant, oil
};

QString TstOverlay::writeFile(const QString &name, const QByteArray &content)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString TstOverlay::chooseFor(XY_Plot_Config_Dialog &dialog, int slot, const QString &path)
{
    m_answerer->queueFile(path);
    Access::handleOverlayButtonSelection(dialog, slot);
    return Access::overlayFileLabels(dialog)[slot]->text();
}

QTEST_MAIN(TstOverlay)
#include "tst_overlay.moc"

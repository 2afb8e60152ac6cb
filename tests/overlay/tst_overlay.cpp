// Choosing overlay logger files in the dialog and in the single-graph tab.
#include <QFile>
#include <QLabel>
#include <QPushButton>
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

const QString kSpeed = QStringLiteral("|time|speed|torque");

// What a table's X and Y cells offer and select, cell by cell: "|a|b@1".
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

    void choice_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("fileName"); // empty: cancelled
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("taken"); // "label|names offered"; empty: kept speed.log
        auto row = [](const char *tag, int slot, int rows, const char *fileName,
                      const QByteArray &content, const char *taken = "") {
            QTest::newRow(tag) << slot << rows << fileName << content << taken;
        };
        row("cancelled, graph 8", 7, 2, "", QByteArray());
        row("refused, header only", 6, 2, "names_only.txt", "coolant;oil\n");
        row("taken, graph 1", 0, 2, "coolant.csv", "coolant,oil\n81.5,92\n",
            "coolant.csv|coolant|oil");
        row("taken, eight rows, file order kept", 3, 8, "order.csv", "zeta;alpha;mid\n1;2;3\n",
            "order.csv|zeta|alpha|mid");
        row("taken, name with two dots", 5, 1, "engine.run1.dat", "a,b\n1,2\n", "engine.dat|a|b");
        row("taken, name without a dot", 4, 3, "data", "rpm\n900\n", "data.|rpm");
    }
    void choice()
    {
        QFETCH(int, slot);
        QFETCH(int, rows);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, taken);
        const QString path = fileName.isEmpty() ? QString() : writeFile(fileName, content);
        auto *table = m_dialog->findChild<Spreadsheet *>(
            QStringLiteral("plot%1XYOverlaySpreadsheet").arg(slot + 1));
        table->setRowCount(rows);
        choose(slot, m_speedFile);
        qobject_cast<ComboBoxWidget *>(table->cellWidget(rows - 1, 1))->setComboBoxCurrentIndex(3);
        m_answerer.clear();
        const QString label = choose(slot, path);
        QStringList modals, expectedModals{"Select Logger File|Logger Files (*.*)|"};
        for (const ModalAnswerer::Seen &seen : m_answerer.seen())
            modals << seen.title + '|' + seen.nameFilters.join(',') + '|' + seen.text;
        if (!path.isEmpty() && taken.isEmpty())
            expectedModals << "Invalid file format||The selected Overlay file - " + path
                                  + " - is not in the expected file format - a logger file is "
                                    "required";
        QCOMPARE(modals, expectedModals);
        QCOMPARE(label, taken.isEmpty() ? QStringLiteral("speed.log") : taken.section('|', 0, 0));
        const QString names = taken.isEmpty() ? kSpeed : '|' + taken.section('|', 1);
        QStringList expected = QVector<QString>(2 * rows, names + "@0").toList();
        if (taken.isEmpty())
            expected.last() = kSpeed + "@3";
        QCOMPARE(offered(table), expected);
        QCOMPARE(PlotSingleton::overlayChannelNamesOf(slot), names.split('|'));
        // A refused file is still the graph's choice and reaches the plot data.
        QCOMPARE(XY_Plot_Config_Dialog_TestAccess::overlayFilenames(*m_dialog)[slot],
                 path.isEmpty() ? m_speedFile : path);
    }

    // No graph behind the slot: nothing opens.
    void slotWithoutGraph()
    {
        XY_Plot_Config_Dialog plugin(&m_info, nullptr, true);
        m_answerer.clear();
        for (int slot : {-1, 8, 1})
            QVERIFY(QMetaObject::invokeMethod(slot == 1 ? &plugin : m_dialog.get(),
                                              "handleOverlayButtonSelection", Q_ARG(int, slot)));
        QCOMPARE(m_answerer.count(), 0);
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

    // The tab fills its own table; the argument names no graph.
    void tabOverlay()
    {
        XY_Plot_Config_Tab tab(nullptr);
        tab.plotXYOverlaySpreadsheet->setRowCount(2);
        m_answerer.queueFile(writeFile("run.1.dat", "rpm;t\n9;1\n"));
        tab.handleOverlayButtonSelection(-3);
        QCOMPARE(tab.lblOverlayFilePlot->text() + ' '
                     + offered(tab.plotXYOverlaySpreadsheet).join(' '),
                 QStringLiteral("run.dat |rpm|t@0 |rpm|t@0 |rpm|t@0 |rpm|t@0"));
        // A file that is no logger file is refused, saying so; the tab keeps its file.
        m_answerer.clear();
        m_answerer.queueFile(writeFile("empty.dat", QByteArray()));
        tab.handleOverlayButtonSelection(0);
        QCOMPARE(m_answerer.seen().size(), 2);
        QCOMPARE(m_answerer.seen().last().title + ' ' + tab.lblOverlayFilePlot->text(),
                 QStringLiteral("Invalid file format run.dat"));
    }

private:
    // The label after answering the file dialog of the graph's button.
    QString choose(int slot, const QString &path)
    {
        m_answerer.queueFile(path);
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
    ModalAnswerer m_answerer;
    QString m_speedFile;
};

QTEST_MAIN(TstOverlay)
#include "tst_overlay.moc"

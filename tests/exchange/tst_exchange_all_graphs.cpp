// The "All" tab's overview of every shown graph, reached as a user reaches it.
#include <QtTest>

#include "exchange_fixture.h"

using namespace ExchangeFixture;

namespace {

const char *const xVariables[] = {"AIR", "TEMP_1", "OIL", "AIR", "OIL"};

// The overview's rows, cell by cell; "on" for a cell that can be edited.
QString rows(Spreadsheet *table)
{
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            if (QWidget *w = table->cellWidget(r, c))
                cells << (w->isEnabled() ? "on" : cellText(w));
        rows << cells.join(' ');
    }
    return rows.join(", ");
}

} // namespace

class ExchangeAllGraphsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installNames();
        dialog = std::make_unique<Dialog>(makeInfo(8).get(), nullptr, false);
    }

    // Each visit rebuilds the tab. Variables are numbered by graph, overlays
    // by position among the shown graphs.
    void numbering_data()
    {
        QTest::addColumn<QList<int>>("varRows");     // per graph slot 0..4
        QTest::addColumn<QList<int>>("overlayRows"); // per graph slot 0..4
        QTest::addColumn<int>("deletedTab");         // 0: none
        QTest::addColumn<QString>("vars");
        QTest::addColumn<QString>("overlays");
        QTest::newRow("graph 3 deleted")
            << QList<int>{1, 1, 1, 1, 1} << QList<int>{1, 1, 1, 1, 1} << 3
            << "1 AIR OIL R #ffe1ff 2/3, 2 TEMP_1 OIL R #ffe1ff 2/3, 4 AIR OIL R #ffe1ff 2/3, "
               "5 OIL OIL R #ffe1ff 2/3"
            << "1 G1_X G1_Y L #0000ff 0/1, 2 G2_X G2_Y R #2800ff 0/1, 3 G4_X G4_Y R #7800ff 0/1, "
               "4 G5_X G5_Y L #a000ff 0/1";
        QTest::newRow("graphs without channels add no row")
            << QList<int>{1, 0, 2, 0, 0} << QList<int>{0, 2, 1, 0, 0} << 0
            << "1 AIR OIL R #ffe1ff 2/3, 3 OIL OIL R #ffe1ff 2/3, 3 OIL OIL R #ffe1ff 2/3"
            << "2 G2_X G2_Y R #2800ff 0/1, 2 G2_X G2_Y R #2800ff 0/1, 3 G3_X G3_Y L #5000ff 0/1";
    }
    void numbering()
    {
        QFETCH(QList<int>, varRows);
        QFETCH(QList<int>, overlayRows);
        QFETCH(int, deletedTab);
        auto info = makeInfo(5);
        for (int g = 0; g < 5; ++g) {
            Plot_Axis_Info &record = info->plotAxisInfo[g];
            record.numVarChannels = unsigned(varRows[g]);
            record.numOverlayChannels = unsigned(overlayRows[g]);
            for (Plot_Channel_Info &c : record.varChannels) {
                c.xVarName = QLatin1String(xVariables[g]);
                c.yVarName = QStringLiteral("OIL");
                c.lineStyle = 0x1111;
                c.lineWidth = 3;
                c.useLeftAxis = false;
            }
            for (Plot_Channel_Info &c : record.overlayChannels) {
                c.xVarName = overlayNames(g)[1];
                c.yVarName = overlayNames(g)[2];
                c.lineColor = QColor(g * 40, 0, 255);
                c.useLeftAxis = g % 2 == 0;
            }
            of(*dialog, Overlays, g)->setRowCount(0); // a fresh graph's: no channel picked
        }
        showInfo(*dialog, info.get());
        if (deletedTab > 0) {
            deleteGraphTab(*dialog, deletedTab);
            // Graph 4's file read again without its channels: its row still
            // shows them, added to what every graph offers now.
            PlotSingleton::replaceOverlayChannelNames(3, new QStringList{{}, "NEW"});
        }
        dialog->findChild<QTabWidget *>("plotConfigTabs")->setCurrentIndex(0);
        auto *vars = dialog->findChild<Spreadsheet *>("plotAllVarSpreadsheet");
        auto *overlays = dialog->findChild<Spreadsheet *>("plotAllOverlaySpreadsheet");
        QTEST(rows(vars), "vars");
        QTEST(rows(overlays), "overlays");
        QVERIFY(vars->isVisible() && overlays->isVisible());
        if (deletedTab > 0) {
            const QComboBox *x =
                qobject_cast<ComboBoxWidget *>(overlays->cellWidget(2, 1))->comboBox();
            QVERIFY(x->findText("G1_X") > 0 && x->findText("NEW") > 0);
            QCOMPARE(x->findText("G4_X"), x->count() - 1); // the stored name, added last
            PlotSingleton::replaceOverlayChannelNames(3, new QStringList(overlayNames(3)));
        }
        // Coming back paints each selector in view once, not again after.
        struct SelectorPaints : QObject
        {
            int count = 0;
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                count += event->type() == QEvent::Paint && qobject_cast<ZelVariable *>(watched);
                return false;
            }
        } paints;
        auto *graphs = dialog->findChild<QTabWidget *>("plotConfigTabs");
        for (int index : {1, 0}) {
            graphs->setCurrentIndex(index);
            if (index == 0)
                qApp->installEventFilter(&paints);
            for (int pass = 0; pass < 5; ++pass)
                QCoreApplication::processEvents();
        }
        qApp->removeEventFilter(&paints);
        int inView = 0;
        for (int r = 0; r < vars->rowCount(); ++r)
            inView += vars->cellWidget(r, 1)->isVisible() + vars->cellWidget(r, 2)->isVisible();
        QVERIFY(inView > 0);
        QCOMPARE(paints.count, inView);
    }

private:
    std::unique_ptr<Dialog> dialog;
};

QTEST_MAIN(ExchangeAllGraphsTest)
#include "tst_exchange_all_graphs.moc"

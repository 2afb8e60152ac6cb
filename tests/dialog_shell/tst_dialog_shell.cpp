// The dialog shell as a host drives it: construction and show, the host
// signals and the Apply window, leaving, the pan/zoom lock, the icons and
// adding and deleting graphs. Most functions share one dialog and show it
// again for each row; show() reloads everything the rows change.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/modal_answerer.h"

using Dialog = XY_Plot_Config_Dialog;
using Host = std::unique_ptr<Plot_Screen_Info>;

namespace {

Host makeHost(int graphs, const QString &configName = QString())
{
    auto host = std::make_unique<Plot_Screen_Info>();
    host->numPlots = static_cast<unsigned long>(graphs);
    host->plotAxisInfo.resize(graphs);
    for (Plot_Axis_Info &graph : host->plotAxisInfo) {
        graph.numVarChannels = 1;
        graph.varChannels[0].xVarName = QStringLiteral("Time");
        graph.varChannels[0].yVarName = QStringLiteral("N1_Speed");
    }
    host->configFileName = configName;
    return host;
}

// Eight pan or zoom bits from a pattern such as "01" (graph 2 set).
QBitArray bits(const QString &pattern)
{
    QBitArray b(8);
    for (int i = 0; i < pattern.size(); ++i)
        b.setBit(i, pattern.at(i) == QLatin1Char('1'));
    return b;
}

template<class T = QWidget>
T *child(QWidget &d, const QString &name, int n = 0)
{
    return d.findChild<T *>(n ? name.arg(n) : name);
}

QTabWidget *tabs(QWidget &d, const char *name)
{
    return child<QTabWidget>(d, name);
}

// The labels of a tab widget's tabs, "|"-separated.
QString tabLabels(QWidget &d, const char *name)
{
    QStringList labels;
    for (auto *w = tabs(d, name); labels.size() < w->count();)
        labels << w->tabText(labels.size());
    return labels.join('|');
}

// Selects a tab of the graph pages, then triggers a tab bar menu action:
// 0 "Add Graph", 1 "Delete Graph".
void trigger(QWidget &d, int tab, int action)
{
    tabs(d, "plotConfigTabs")->setCurrentIndex(tab);
    tabs(d, "plotConfigTabs")->actions().value(action)->trigger();
}

QComboBox *variable(QWidget &d, int slot, int row, int column)
{
    auto *t = child<Spreadsheet>(d, "plot%1XYVarSpreadsheet", slot + 1);
    return qobject_cast<ZelVariable *>(t->cellWidget(row, column))->comboBox();
}

// A variable in every row of every graph and a storage that pass the checks.
void makeValid(QWidget &d)
{
    for (int g = 0; g < 8; ++g)
        for (int r = child<Spreadsheet>(d, "plot%1XYVarSpreadsheet", g + 1)->rowCount(); r--;)
            for (int c = 0; c < 2; ++c)
                variable(d, g, r, c)->setCurrentIndex(c);
    child<QLineEdit>(d, "lineEditDataSampleRate")->setText(QStringLiteral("50"));
    child<QLineEdit>(d, "lineEditDataStorage")->setText(QStringLiteral("60"));
}

// Focus moves, and key presses reach the dialog, only in an active window.
bool activate(QWidget *w)
{
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

// Apply and OK are let through once per 500 ms, process-wide: before a
// press, wait out what is left of the last press's window.
QElapsedTimer sinceApply;
void settleApplyWindow()
{
    (void)QTest::qWaitFor([] { return !sinceApply.isValid() || sinceApply.hasExpired(510); });
    sinceApply.start();
}

void press(QWidget &d, const char *button)
{
    child<QPushButton>(d, button)->click();
    sinceApply.start();
}

} // namespace

class TstDialogShell : public QObject
{
    Q_OBJECT

    Host sharedHost;
    std::unique_ptr<Dialog> shared;
    std::unique_ptr<Dialog> second; // another dialog of the same process

    // The shared dialog, shown with a host of that many graphs.
    Dialog &shownWith(int graphs, const QString &pan = "", const QString &zoom = "",
                      int area = Dialog::PlotArea, int plotIndex = 0)
    {
        sharedHost = makeHost(graphs);
        shared->show(sharedHost.get(), bits(pan), bits(zoom), Dialog::DialogOpenArea(area),
                     plotIndex, false);
        return *shared;
    }

private slots:
    void initTestCase()
    {
        ZelVariable::setAvailableVariables({"Time", "N1_Speed", "N2_Speed", "EGT_1"});
        sharedHost = makeHost(1);
        shared = std::make_unique<Dialog>(sharedHost.get(), nullptr, false);
    }
    void cleanupTestCase()
    {
        second.reset();
        shared.reset();
    }

    void titles()
    {
        for (const QString name : {"cell3_xy.cfg", ""}) {
            auto host = makeHost(1, name);
            Dialog d(host.get(), nullptr, false);
            QCOMPARE(d.windowTitle(), "Configuration for " + name);
            d.setConfigFilename(QStringLiteral("other.cfg"));
            QCOMPARE(d.getConfigFilename(), QStringLiteral("other.cfg"));
            d.show(host.get(), bits(""), bits(""), Dialog::PlotArea, 0, false);
            QCOMPARE(d.windowTitle(), "Configuration for " + (name.isEmpty() ? "<not set>" : name));
            QCOMPARE(d.getConfigFilename(), name);
        }
    }

    // One panned or zoomed graph locks every graph: OK, Apply, adding and
    // deleting are off, and both labels of each shown graph say so.
    void panZoomLock_data()
    {
        QTest::addColumn<QString>("pan");
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<bool>("locked");
        QTest::newRow("free") << ""
                              << "" << false;
        QTest::newRow("one zoomed") << ""
                                    << "01" << true;
        QTest::newRow("one panned") << "00000001"
                                    << "" << true;
    }
    void panZoomLock()
    {
        QFETCH(bool, locked);
        QFETCH(QString, pan);
        QFETCH(QString, zoom);
        Dialog &d = shownWith(3, pan, zoom);
        QCOMPARE(child(d, "btnOk")->isEnabled(), !locked);
        QCOMPARE(child(d, "btnApply")->isEnabled(), !locked);
        QVERIFY(child(d, "btnCancel")->isEnabled());
        for (const char *name : {"lblPlot1Mode", "lblAxes1Mode", "lblPlot3Mode", "lblAxes3Mode"})
            QCOMPARE(!child(d, name)->isHidden() && child<QLabel>(d, name)->text() == "Pan Mode",
                     locked);
        QSignalSpy changed(&d, &Dialog::addDeleteGraphSignal);
        trigger(d, 3, 1);
        trigger(d, 3, 0);
        QCOMPARE(changed.count(), locked ? 0 : 2);
    }

    // The config tab of the area and the graph of the index open, with
    // "All" current before; the graph and axes pages then follow each other
    // without a host signal.
    void openArea_data()
    {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("plotIndex");
        QTest::addColumn<int>("configTab");
        QTest::addColumn<int>("plotTab");
        QTest::newRow("plot, graph 2") << 0 << 1 << 0 << 2;
        QTest::newRow("axes, graph 3") << 1 << 2 << 1 << 3;
        QTest::newRow("frame, graph 1") << 2 << 0 << 2 << 1;
        QTest::newRow("frame, graph 4") << 2 << 3 << 2 << 4;
        QTest::newRow("unknown area ignores index") << 3 << 2 << 0 << 1;
    }
    void openArea()
    {
        QFETCH(int, area);
        QFETCH(int, plotIndex);
        QFETCH(int, plotTab);
        Dialog &d = shownWith(4);
        QTabWidget *plotTabs = tabs(d, "plotConfigTabs"), *axesTabs = tabs(d, "axesConfigTabs");
        tabs(d, "configTabs")->setCurrentIndex(1);
        plotTabs->setCurrentIndex(1);
        plotTabs->setCurrentIndex(0);
        shownWith(4, "", "", area, plotIndex);
        QTEST(tabs(d, "configTabs")->currentIndex(), "configTab");
        QCOMPARE(plotTabs->currentIndex(), plotTab);
        QCOMPARE(axesTabs->currentIndex(), plotTab - 1);
        QSignalSpy changed(&d, &Dialog::addDeleteGraphSignal);
        axesTabs->setCurrentIndex(2);
        QCOMPARE(plotTabs->currentIndex(), 3);
        plotTabs->setCurrentIndex(2);
        QCOMPARE(axesTabs->currentIndex(), 1);
        plotTabs->setCurrentIndex(0);
        QCOMPARE(axesTabs->currentIndex(), 1);
        QCOMPARE(changed.count(), 0);
    }

    // Presses, in order: A/O Apply/OK on the first dialog, a/o on the second,
    // I Apply on the first with a missing variable, W wait out the window.
    // Then: applied, OKed, boxes, first dialog still visible.
    void applyWindow_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("apply twice, other dialog") << "AAa"
                                                   << "1 0 0 1";
        QTest::newRow("apply then ok") << "AO"
                                       << "1 1 0 0";
        QTest::newRow("other dialog's ok") << "ao"
                                           << "1 1 0 1";
        QTest::newRow("after the window") << "AWA"
                                          << "2 0 0 1";
        QTest::newRow("refused press opens window") << "IA"
                                                    << "0 0 1 1";
        QTest::newRow("refused, then ok") << "IWO"
                                          << "1 1 1 0";
    }
    void applyWindow()
    {
        QFETCH(QString, presses);
        auto host = makeHost(2);
        host->plotAxisInfo[1].overlayFileName = QStringLiteral("/data/PC_format/run7.dat");
        const QByteArray before = host->toJson();
        Dialog &first = shownWith(2);
        if (!second)
            second = std::make_unique<Dialog>(host.get(), nullptr, false);
        second->show(host.get(), bits(""), bits(""), Dialog::PlotArea, 0, false);
        QList<std::shared_ptr<QSignalSpy>> spies;
        for (Dialog *d : {&first, second.get()}) {
            makeValid(*d);
            spies << std::make_shared<QSignalSpy>(d, &Dialog::applyPressedSignal)
                  << std::make_shared<QSignalSpy>(d, &Dialog::okPressedSignal);
        }
        ModalAnswerer answerer;
        settleApplyWindow();
        for (QChar p : presses) {
            if (p == 'W')
                settleApplyWindow();
            variable(first, 0, 0, 0)->setCurrentIndex(p == 'I' ? -1 : 0);
            if (p != 'W')
                press(p.isLower() ? *second : first, p.toLower() == 'o' ? "btnOk" : "btnApply");
        }
        for (int i : {0, 2})
            for (const QList<QVariant> &args : *spies[i]) {
                std::unique_ptr<Plot_Screen_Info> p(args.at(0).value<Plot_Screen_Info *>());
                QVERIFY(p && p.get() != host.get() && p.get() != sharedHost.get());
                QCOMPARE(p->numPlots, 2ul);
            }
        QTEST(QStringLiteral("%1 %2 %3 %4")
                  .arg(spies[0]->count() + spies[2]->count())
                  .arg(spies[1]->count() + spies[3]->count())
                  .arg(answerer.count())
                  .arg(first.isVisible()),
              "outcome");
        QCOMPARE(host->toJson(), before); // what the host showed with is never written
    }

    // Return ends the edit in the field; it never opens a chooser and never
    // presses OK, Apply or Cancel.
    void returnInAField_data()
    {
        QTest::addColumn<int>("area");
        QTest::addColumn<QString>("field");
        QTest::newRow("refresh rate") << int(Dialog::PlotArea) << "lineEditScreenRefreshRate";
        QTest::newRow("comet length") << int(Dialog::PlotArea) << "spinCometLength1";
        QTest::newRow("axis field") << int(Dialog::AxesArea) << "graph1YAxesSpreadsheet";
        QTest::newRow("frame title") << int(Dialog::FrameArea) << "titleEdit";
    }
    void returnInAField()
    {
        QFETCH(int, area);
        QFETCH(QString, field);
        Dialog &d = shownWith(2, "", "", area);
        child<QComboBox>(d, "cboDisplayType1")->setCurrentIndex(2); // comet length editable
        QVERIFY(activate(&d));
        makeValid(d);
        QWidget *w = child(d, field);
        if (auto *cells = qobject_cast<Spreadsheet *>(w)) { // the table's first field
            w = nullptr;
            for (QLineEdit *edit : cells->findChildren<QLineEdit *>())
                if (!w && edit->isVisible() && edit->isEnabled())
                    w = edit;
        }
        QVERIFY2(w && w->isVisible() && w->isEnabled(), qPrintable(field));
        w->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), w);
        QSignalSpy ok(&d, &Dialog::okPressedSignal), applied(&d, &Dialog::applyPressedSignal),
            cancelled(&d, &Dialog::cancelPressedSignal);
        ModalAnswerer answerer;
        settleApplyWindow(); // a press would otherwise go unseen
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(answerer.count() + ok.count() + applied.count() + cancelled.count(), 0);
        QVERIFY(d.isVisible());
    }

    // Cancel and the close button announce leaving; Escape hides without
    // the signal. Each throws a refused edit away without a warning.
    void leaveDiscardsQuietly_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cancelSignals");
        auto row = [](const char *way, const char *field, const char *text, int signal) {
            QTest::addRow("%s %s", way, field)
                << QString(way) << QString(field) << QString(text) << signal;
        };
        row("cancel", "DataSampleInterval", "5", 1);
        row("escape", "ScreenRefreshInterval", "5", 0);
        row("close", "DataSampleRate", "500", 1);
        row("close", "ScreenRefreshRate", "", 1);
    }
    void leaveDiscardsQuietly()
    {
        QFETCH(QString, way);
        QFETCH(QString, field);
        QFETCH(QString, text);
        auto host = makeHost(1);
        Dialog d(host.get(), nullptr, false);
        d.show(host.get(), bits(""), bits(""), Dialog::PlotArea, 0, false);
        QVERIFY(activate(&d));
        auto *edit = child<QLineEdit>(d, "lineEdit" + field);
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QSignalSpy cancelled(&d, &Dialog::cancelPressedSignal);
        ModalAnswerer answerer;
        if (way == QLatin1String("cancel"))
            QTest::mouseClick(child<QPushButton>(d, "btnCancel"), Qt::LeftButton);
        else if (way == QLatin1String("escape"))
            QTest::keyClick(edit, Qt::Key_Escape);
        else
            QVERIFY(d.close());
        QCoreApplication::processEvents(); // a box opened late would be answered now
        QCOMPARE(answerer.count(), 0);
        QVERIFY(d.isHidden());
        QTEST(int(cancelled.count()), "cancelSignals");
    }

    // The comet length can be edited exactly when the graph is a comet
    // (0 Full Trace, 1 Marker Only, 2 Comet).
    void cometLengthFollowsDisplayType()
    {
        for (int type = 0; type < 3; ++type) {
            auto host = makeHost(8);
            for (Plot_Axis_Info &graph : host->plotAxisInfo)
                graph.displayType = type;
            child<QComboBox>(*shared, "cboDisplayType8")->setCurrentIndex(2 - type);
            shared->show(host.get(), bits(""), bits(""), Dialog::PlotArea, 0, false);
            for (int n = 1; n <= 8; ++n) {
                QCOMPARE(child<QComboBox>(*shared, "cboDisplayType%1", n)->currentIndex(), type);
                QCOMPARE(child(*shared, "spinCometLength%1", n)->isEnabled(), type == 2);
            }
            shownWith(1); // no longer showing this host
        }
    }

    // A queued show opens the asked page; what a queued Apply handed the
    // host outlives the dialog (a sanitizer build sees a use after free or
    // a double delete here).
    void queuedShowAndSignal()
    {
        auto host = makeHost(3, QStringLiteral("queued.cfg"));
        auto d = std::make_unique<Dialog>(host.get(), nullptr, false);
        QVERIFY(!child(*d, "spinCometLength1")->isEnabled()); // not loaded yet
        QVERIFY(QMetaObject::invokeMethod(d.get(), "show", Qt::QueuedConnection,
                                          Q_ARG(Plot_Screen_Info *, host.get()),
                                          Q_ARG(QBitArray, bits("")), Q_ARG(QBitArray, bits("")),
                                          Q_ARG(XY_Plot_Config_Dialog::DialogOpenArea,
                                                Dialog::AxesArea),
                                          Q_ARG(int, 2), Q_ARG(bool, false)));
        QVERIFY(!d->isVisible());
        QTRY_VERIFY(d->isVisible());
        QCOMPARE(tabs(*d, "axesConfigTabs")->currentIndex(), 2);
        Plot_Screen_Info *received = nullptr;
        connect(
            d.get(), &Dialog::applyPressedSignal, this, [&](Plot_Screen_Info *p) { received = p; },
            Qt::QueuedConnection);
        makeValid(*d);
        settleApplyWindow();
        press(*d, "btnApply");
        QVERIFY(!received);
        QTRY_VERIFY(received);
        d.reset();
        QCOMPARE(received->configFileName, QStringLiteral("queued.cfg"));
        delete received;
    }

    // A plug-in dialog has one graph and no add/delete menu, however many
    // graphs the host describes, when built and on every show.
    void pluginMode()
    {
        auto host = makeHost(3);
        Dialog d(host.get(), nullptr, true);
        QVERIFY(tabs(d, "plotConfigTabs")->actions().isEmpty());
        QVERIFY(tabs(d, "plotConfigTabs")->tabBar()->tabRect(0).isEmpty()); // the bar takes no room
        for (int opening = 0; opening < 2; ++opening) {
            QCOMPARE(tabLabels(d, "plotConfigTabs") + '/' + tabLabels(d, "axesConfigTabs"),
                     "All|Graph 1/Graph 1");
            d.show(host.get(), bits(""), bits(""), Dialog::PlotArea, 0, true);
        }
        QCOMPARE(tabs(d, "plotConfigTabs")->currentIndex(), 1);
    }

    // Steps: a graph number selects that graph's tab, "A" the All tab; then
    // "+" adds and "-" deletes. Graph tabs are listed by number; the box,
    // if one opened, as "title|text".
    void addDelete_data()
    {
        QTest::addColumn<int>("graphs");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("tabsAfterEachStep");
        QTest::addColumn<int>("signalCount");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("box");
        using L = QStringList;
        auto row = [](const char *name, int graphs, const L &steps, const L &tabs, int signalCount,
                      const char *current, const char *box = "") {
            QTest::newRow(name) << graphs << steps << tabs << signalCount << current << box;
        };
        row("delete a middle graph", 5, {"3-"}, {"1245"}, 1, "Graph 4");
        row("delete, then add it back", 5, {"3-", "2+"}, {"1245", "12345"}, 2, "Graph 2");
        row("add fills the gap after the current", 5, {"3-", "1+"}, {"1245", "12345"}, 2, "Graph 1");
        row("add after the last graph", 3, {"3+"}, {"1234"}, 1, "Graph 3");
        row("add skips shown graphs", 5, {"2-", "4+"}, {"1345", "13456"}, 2, "Graph 4");
        row("add after the current before earlier gaps", 7, {"2-", "7+"}, {"134567", "1345678"}, 2,
            "Graph 7");
        row("only earlier graphs hidden: first hidden", 8, {"2-", "5-", "8+", "8+"},
            {"1345678", "134678", "1234678", "12345678"}, 4, "Graph 8");
        row("no graphs: graph 1 stays and can be added", 0, {"1+"}, {"1"}, 1, "Graph 1");
        row("delete on All", 3, {"A-"}, {"123"}, 1, "All");
        row("add on All", 3, {"A+"}, {"123"}, 0, "All");
        row("delete graph 1 refused", 3, {"1-"}, {"123"}, 1, "Graph 1",
            "One Graph is Minimum|There must be atleast 1 graph shown.\n\nA delete is not "
            "applicable now.");
        row("add with eight shown refused", 8, {"5+"}, {"12345678"}, 0, "Graph 5",
            "Eight Graphs is Max|The application only supports showing 8 graphs.");
    }
    void addDelete()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, tabsAfterEachStep);
        QFETCH(QString, current);
        QFETCH(QString, box);
        QFETCH(int, graphs);
        Dialog &d = shownWith(graphs);
        QSignalSpy spy(&d, &Dialog::addDeleteGraphSignal);
        ModalAnswerer answerer;
        for (int i = 0; i < steps.size(); ++i) {
            const QString target = steps[i].startsWith('A') ? "All" : "Graph " + steps[i].left(1);
            const int index = tabLabels(d, "plotConfigTabs").split('|').indexOf(target);
            QVERIFY2(index >= 0, qPrintable(target));
            trigger(d, index, steps[i].endsWith('+') ? 0 : 1);
            const QString expected =
                QString(tabsAfterEachStep[i]).replace(QRegularExpression("(.)"), "|Graph \\1");
            QCOMPARE(tabLabels(d, "plotConfigTabs"), "All" + expected);
            QCOMPARE(tabLabels(d, "axesConfigTabs"), expected.mid(1));
        }
        QTEST(int(spy.count()), "signalCount");
        QTabWidget *plotTabs = tabs(d, "plotConfigTabs"), *axesTabs = tabs(d, "axesConfigTabs");
        QCOMPARE(plotTabs->tabText(plotTabs->currentIndex()), current);
        if (current != QLatin1String("All"))
            QCOMPARE(axesTabs->tabText(axesTabs->currentIndex()), current);
        QCOMPARE(answerer.count(), box.isEmpty() ? 0 : 1);
        if (box.isEmpty())
            return;
        const ModalAnswerer::Seen seen = answerer.last();
        QCOMPARE(seen.title + '|' + seen.text, box);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!seen.hasParent && !(seen.flags & Qt::WindowCloseButtonHint));
    }

    // An added graph starts from the plain settings and at least one row;
    // a deleted one keeps its settings while it is hidden.
    void addedGraphIsReset()
    {
        Dialog &d = shownWith(4);
        child<QComboBox>(d, "cboDisplayType3")->setCurrentIndex(2);
        child<QSpinBox>(d, "spinCometLength3")->setValue(7);
        child<QRadioButton>(d, "radDatapointShowPlot3")->setChecked(true);
        child<QRadioButton>(d, "radXYValuesShowPlot3")->setChecked(true);
        child<Spreadsheet>(d, "plot3XYVarSpreadsheet")->setRowCount(0);
        child<Spreadsheet>(d, "plot4XYVarSpreadsheet")->setRowCount(2);
        trigger(d, 3, 1);
        QCOMPARE(child<QSpinBox>(d, "spinCometLength3")->value(), 7);
        trigger(d, 2, 0);
        QCOMPARE(tabs(d, "plotConfigTabs")->count(), 5);
        QCOMPARE(child<QComboBox>(d, "cboDisplayType3")->currentIndex(), 0);
        QCOMPARE(child<QSpinBox>(d, "spinCometLength3")->value(), 0);
        QVERIFY(!child(d, "spinCometLength3")->isEnabled());
        QVERIFY(child<QRadioButton>(d, "radDatapointHidePlot3")->isChecked());
        QVERIFY(child<QRadioButton>(d, "radXYValuesHidePlot3")->isChecked());
        QCOMPARE(child<Spreadsheet>(d, "plot3XYVarSpreadsheet")->rowCount(), 1);
        trigger(d, 4, 1); // graph 4 added back keeps its two rows
        trigger(d, 3, 0);
        QCOMPARE(child<Spreadsheet>(d, "plot4XYVarSpreadsheet")->rowCount(), 2);
    }

    // What a host asks before re-showing the open dialog: only edits the
    // next Apply would write count, and an Apply settles them.
    void unappliedEdits_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("edited");
        QTest::newRow("nothing") << QString() << false;
        QTest::newRow("storage typed") << "storage" << true;
        QTest::newRow("graph deleted") << "delete" << true;
        QTest::newRow("new file name") << "file" << false;
        QTest::newRow("storage typed, applied") << "storage apply" << false;
    }
    void unappliedEdits()
    {
        QFETCH(QString, edit);
        auto host = makeHost(3);
        Dialog d(host.get(), nullptr, false);
        QVERIFY(!d.hasUnappliedEdits());
        d.show(host.get(), bits(""), bits(""), Dialog::PlotArea, 0, false);
        if (edit.startsWith(QLatin1String("storage")))
            child<QLineEdit>(d, "lineEditDataStorage")->setText(QStringLiteral("45"));
        if (edit == QLatin1String("delete"))
            trigger(d, 3, 1);
        if (edit == QLatin1String("file"))
            d.setConfigFilename(QStringLiteral("/data/saved_as.json"));
        if (edit.endsWith(QLatin1String("apply"))) {
            QSignalSpy applied(&d, &Dialog::applyPressedSignal);
            settleApplyWindow();
            press(d, "btnApply");
            QCOMPARE(applied.count(), 1);
            delete applied.at(0).at(0).value<Plot_Screen_Info *>();
        }
        QTEST(d.hasUnappliedEdits(), "edited");
    }

    // The icon files the form names come first; where they are missing the
    // buttons show the icons the library carries, not none.
    void buttonIcons()
    {
        for (bool statedFilesPresent : {false, true}) {
            QTemporaryDir tmp;
            const QString actions = tmp.path() + "/specs/qt/crystal_project/16x16/actions/";
            QVERIFY(QDir().mkpath(tmp.path() + "/a/b/c") && QDir().mkpath(actions));
            QImage stated(16, 16, QImage::Format_ARGB32_Premultiplied);
            stated.fill(QColor(10, 20, 30));
            const QString previous = QDir::currentPath();
            QVERIFY(QDir::setCurrent(tmp.path() + "/a/b/c"));
            for (const char *icon : {"ok", "apply", "cancel"})
                QVERIFY(!statedFilesPresent || stated.save(actions + icon + ".png", "PNG"));
            Dialog d(sharedHost.get(), nullptr, false);
            QVERIFY(QDir::setCurrent(previous));
            for (const QString icon : {"Ok", "Apply", "Cancel"}) {
                const QString file = icon.toLower() + ".png";
                const QImage expected =
                    statedFilesPresent ? stated : QImage(":/xy_plot_config/icons/" + file);
                const QImage shown =
                    child<QPushButton>(d, "btn" + icon)->icon().pixmap(16).toImage();
                QVERIFY2(!expected.isNull()
                             && shown.convertToFormat(stated.format())
                                    == expected.convertToFormat(stated.format()),
                         qPrintable(file));
            }
        }
    }
};

QTEST_MAIN(TstDialogShell)
#include "tst_dialog_shell.moc"

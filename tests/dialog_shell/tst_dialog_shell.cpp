// The dialog shell as a host drives it: show, the host signals and the Apply
// window, the keys that leave or not, the pan/zoom lock, the icons and adding
// and deleting graphs. Most functions share one dialog; show() reloads it.
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
QBitArray bits(const QString &pattern = QString())
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

const auto tabs = [](QWidget &d, const char *name) { return child<QTabWidget>(d, name); };

// The tab labels, "|"-separated, and after "@" the current one.
QString tabState(QWidget &d, const char *name)
{
    QStringList labels;
    for (auto *w = tabs(d, name); labels.size() < w->count();)
        labels << w->tabText(labels.size());
    return labels.join('|') + '@' + tabs(d, name)->tabText(tabs(d, name)->currentIndex());
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
bool focusIn(QWidget &d, QWidget *w)
{
    QApplication::setActiveWindow(&d);
    w->setFocus();
    return QTest::qWaitForWindowActive(&d)
           && QTest::qWaitFor([w] { return QApplication::focusWidget() == w; });
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
            d.show(host.get(), bits(), bits(), Dialog::PlotArea, 0, false);
            QCOMPARE(d.windowTitle() + d.getConfigFilename(),
                     "Configuration for " + (name.isEmpty() ? "<not set>" : name + name));
        }
    }

    // A script on the shared dialog: "sN/pan/zoom/area/index" shows N graphs;
    // "gN" selects graph N's tab ("gA" All), "+" adds and "-" deletes there;
    // "pN", "hN", "cN" set the graph, axes and config tab index; "xN" makes
    // graph N a comet of length 7 showing data points and values; "rN:k"
    // gives it k rows; "k" types a storage, "f" sets a file name, "a" presses
    // Apply. Queries: "?t" graph tabs, "@" the current (axes after "/" where
    // they differ), "?c" config tab, "?l" OK, Apply, Cancel on and the
    // number of "Pan Mode" labels of graphs 1 and 3, "?gN" graph N as type/
    // comet length/hide radios/rows, "?s" add/delete signals, "?b" the box,
    // "?e" unapplied edits.
    void script_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *script, const char *expected) {
            QTest::newRow(script) << QString(script) << QString(expected);
        };
        // One panned or zoomed graph locks every graph.
        row("s3 ?l g3 - + ?s", "1110 s2");
        row("s3//01 ?l g3 - + ?t ?s", "0014 123@3 s0");
        row("s3/00000001 ?l g3 - + ?t ?s", "0014 123@3 s0");
        // The area's config tab and the index's graph open, whatever was current.
        row("s4 c1 p0 s4///0/1 ?c ?t", "c0 1234@2");
        row("s4 c1 p0 s4///1/2 ?c ?t", "c1 1234@3");
        row("s4 c1 p0 s4///2/0 ?c ?t", "c2 1234@1");
        row("s4 c1 p0 s4///2/3 ?c ?t", "c2 1234@4");
        row("s4 c1 p0 s4///3/2 ?c ?t", "c0 1234@1");
        row("s4 h2 ?t p2 p0 ?t ?s", "1234@3 1234@A/1234@2 s0"); // the pages follow each other
        row("s5 g3 - ?t ?s", "1245@4 s1");
        row("s5 g3 - g2 + ?t", "12345@2");
        row("s5 g3 - g1 + ?t", "12345@1"); // the gap after the current
        row("s3 g3 + ?t", "1234@3");
        row("s5 g2 - g4 + ?t", "13456@4");   // shown graphs are skipped
        row("s7 g2 - g7 + ?t", "1345678@7"); // after the current before earlier gaps
        row("s8 g2 - g5 - g8 + ?t g8 + ?t ?s", "1234678@8 12345678@8 s4"); // first hidden
        row("s0 ?t g1 + ?t ?s", "1@1 1@1 s1");
        row("s3 gA - ?t ?s", "123@A/123@1 s1");
        row("s3 gA + ?t ?s", "123@A/123@1 s0");
        row("s3 g1 - ?t ?s ?b", "123@1 s1 One Graph is Minimum|There must be atleast 1 graph "
                                "shown.\n\nA delete is not applicable now.");
        row("s8 g5 + ?t ?s ?b",
            "12345678@5 s0 Eight Graphs is Max|The application only supports showing 8 graphs.");
        // An added graph starts plain with a row at least; a deleted one keeps
        // its settings while hidden, its rows when added back.
        row("s4 x3 r3:0 r4:2 g3 - ?g3 g2 + ?g3 g4 - g3 + ?g4", "2/7/00/0 0/0off/11/1 0/0off/11/2");
        // Only edits the next Apply would write count, and an Apply settles them.
        row("s3 ?e", "e0");
        row("s3 k ?e", "e1");
        row("s3 g3 - ?e", "e1");
        row("s3 f ?e", "e0");
        row("s3 k a ?e", "A1 e0");
    }
    void script()
    {
        QFETCH(QString, script);
        Dialog &d = *shared;
        QSignalSpy changed(&d, &Dialog::addDeleteGraphSignal);
        ModalAnswerer answerer;
        QStringList out;
        auto compact = [](QString s) {
            return s.remove("All|").remove("Graph ").remove('|').replace("All", "A");
        };
        for (const QString &op : script.split(' ')) {
            const QString arg = op.mid(1);
            const int n = arg.section(':', 0, 0).mid(arg.startsWith('g')).toInt();
            QTabWidget *plotTabs = tabs(d, "plotConfigTabs");
            switch (op.at(0).toLatin1()) {
            case 's': {
                const QStringList p = (arg + "////").split('/');
                shownWith(p[0].toInt(), p[1], p[2], p[3].toInt(), p[4].toInt());
                changed.clear();
                break;
            }
            case 'g':
                plotTabs->setCurrentIndex(tabState(d, "plotConfigTabs")
                                              .section('@', 0, 0)
                                              .split('|')
                                              .indexOf(arg == "A" ? "All" : "Graph " + arg));
                break;
            case '+':
            case '-':
                plotTabs->actions().value(op == "-")->trigger();
                break;
            case 'p':
                plotTabs->setCurrentIndex(n);
                break;
            case 'h':
                tabs(d, "axesConfigTabs")->setCurrentIndex(n);
                break;
            case 'c':
                tabs(d, "configTabs")->setCurrentIndex(n);
                break;
            case 'x':
                child<QComboBox>(d, "cboDisplayType%1", n)->setCurrentIndex(2);
                child<QSpinBox>(d, "spinCometLength%1", n)->setValue(7);
                child<QRadioButton>(d, "radDatapointShowPlot%1", n)->setChecked(true);
                child<QRadioButton>(d, "radXYValuesShowPlot%1", n)->setChecked(true);
                break;
            case 'r':
                child<Spreadsheet>(d, "plot%1XYVarSpreadsheet", n)
                    ->setRowCount(arg.section(':', 1).toInt());
                break;
            case 'k':
                child<QLineEdit>(d, "lineEditDataStorage")->setText(QStringLiteral("45"));
                break;
            case 'f':
                d.setConfigFilename(QStringLiteral("/data/saved_as.json"));
                break;
            case 'a': {
                makeValid(d);
                QSignalSpy applied(&d, &Dialog::applyPressedSignal);
                settleApplyWindow();
                press(d, "btnApply");
                out << "A" + QString::number(applied.count());
                for (const QList<QVariant> &args : applied)
                    delete args.at(0).value<Plot_Screen_Info *>();
                break;
            }
            case '?':
                if (arg == "t") {
                    const QString p = compact(tabState(d, "plotConfigTabs")),
                                  a = compact(tabState(d, "axesConfigTabs"));
                    out << (p == a ? p : p + '/' + a);
                } else if (arg == "c") {
                    out << "c" + QString::number(tabs(d, "configTabs")->currentIndex());
                } else if (arg == "l") {
                    int labels = 0;
                    for (const char *name :
                         {"lblPlot1Mode", "lblAxes1Mode", "lblPlot3Mode", "lblAxes3Mode"})
                        labels += !child(d, name)->isHidden()
                                  && child<QLabel>(d, name)->text() == "Pan Mode";
                    out << QString("%1%2%3%4")
                               .arg(child(d, "btnOk")->isEnabled())
                               .arg(child(d, "btnApply")->isEnabled())
                               .arg(child(d, "btnCancel")->isEnabled())
                               .arg(labels);
                } else if (arg.startsWith('g')) {
                    auto *spin = child<QSpinBox>(d, "spinCometLength%1", n);
                    out << QString("%1/%2%3/%4%5/%6")
                               .arg(child<QComboBox>(d, "cboDisplayType%1", n)->currentIndex())
                               .arg(spin->value())
                               .arg(spin->isEnabled() ? "" : "off")
                               .arg(child<QRadioButton>(d, "radDatapointHidePlot%1", n)->isChecked())
                               .arg(child<QRadioButton>(d, "radXYValuesHidePlot%1", n)->isChecked())
                               .arg(child<Spreadsheet>(d, "plot%1XYVarSpreadsheet", n)->rowCount());
                } else if (arg == "s") {
                    out << "s" + QString::number(changed.count());
                } else if (arg == "e") {
                    out << "e" + QString::number(d.hasUnappliedEdits());
                } else if (arg == "b") {
                    const ModalAnswerer::Seen seen = answerer.last();
                    const bool plain = seen.buttons == QMessageBox::Ok && !seen.hasParent
                                       && !(seen.flags & Qt::WindowCloseButtonHint);
                    out << (answerer.count() == 1 && plain ? "" : "!") + seen.title + '|'
                               + seen.text;
                }
            }
        }
        QTEST(out.join(' '), "expected");
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
        second->show(host.get(), bits(), bits(), Dialog::PlotArea, 0, false);
        makeValid(first);
        makeValid(*second);
        QSignalSpy applied(&first, &Dialog::applyPressedSignal),
            ok(&first, &Dialog::okPressedSignal),
            applied2(second.get(), &Dialog::applyPressedSignal),
            ok2(second.get(), &Dialog::okPressedSignal);
        ModalAnswerer answerer;
        settleApplyWindow();
        for (QChar p : presses) {
            if (p == 'W')
                settleApplyWindow();
            variable(first, 0, 0, 0)->setCurrentIndex(p == 'I' ? -1 : 0);
            if (p != 'W')
                press(p.isLower() ? *second : first, p.toLower() == 'o' ? "btnOk" : "btnApply");
        }
        for (const QList<QVariant> &args : QList<QList<QVariant>>(applied) + applied2) {
            std::unique_ptr<Plot_Screen_Info> p(args.at(0).value<Plot_Screen_Info *>());
            QVERIFY(p && p.get() != host.get() && p.get() != sharedHost.get() && p->numPlots == 2);
        }
        QTEST(QStringLiteral("%1 %2 %3 %4")
                  .arg(applied.count() + applied2.count())
                  .arg(ok.count() + ok2.count())
                  .arg(answerer.count())
                  .arg(first.isVisible()),
              "outcome");
        QCOMPARE(host->toJson(), before); // what the host showed with is never written
    }

    // Return ends the edit in the field: it never opens a chooser and never
    // presses OK, Apply or Cancel. Cancel and the close button announce
    // leaving, Escape hides without the signal; each throws a refused edit
    // away without a warning. Outcome: boxes and presses, cancel signals,
    // dialog still visible.
    void keys_data()
    {
        QTest::addColumn<int>("area");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed"); // null: left as loaded
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("outcome");
        auto row = [](int area, const char *field, const char *typed, const char *way,
                      const char *outcome) {
            QTest::addRow("%s %s", way, field)
                << area << field << (typed ? QString(typed) : QString()) << way << outcome;
        };
        row(0, "lineEditScreenRefreshRate", nullptr, "return", "0 0 1");
        row(0, "spinCometLength1", nullptr, "return", "0 0 1");
        row(1, "graph1YAxesSpreadsheet", nullptr, "return", "0 0 1");
        row(2, "titleEdit", nullptr, "return", "0 0 1");
        row(0, "lineEditDataSampleInterval", "5", "cancel", "0 1 0");
        row(0, "lineEditScreenRefreshInterval", "5", "escape", "0 0 0");
        row(0, "lineEditDataSampleRate", "500", "close", "0 1 0");
        row(0, "lineEditScreenRefreshRate", "", "close", "0 1 0");
    }
    void keys()
    {
        QFETCH(int, area);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, way);
        Dialog &d = shownWith(2, "", "", area);
        child<QComboBox>(d, "cboDisplayType1")->setCurrentIndex(2); // comet length editable
        makeValid(d);
        QWidget *w = child(d, field);
        if (auto *cells = qobject_cast<Spreadsheet *>(w)) { // the table's first field
            w = nullptr;
            for (QLineEdit *edit : cells->findChildren<QLineEdit *>())
                w = w || !edit->isVisible() || !edit->isEnabled() ? w : edit;
        }
        QVERIFY2(w && w->isVisible() && w->isEnabled() && focusIn(d, w), qPrintable(field));
        if (!typed.isNull()) {
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(w, Qt::Key_Backspace);
            QTest::keyClicks(w, typed);
        }
        QSignalSpy ok(&d, &Dialog::okPressedSignal), applied(&d, &Dialog::applyPressedSignal),
            cancelled(&d, &Dialog::cancelPressedSignal);
        ModalAnswerer answerer;
        settleApplyWindow(); // a press would otherwise go unseen
        if (way == QLatin1String("return")) {
            QTest::keyClick(w, Qt::Key_Return);
            QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
        } else if (way == QLatin1String("cancel")) {
            QTest::mouseClick(child<QPushButton>(d, "btnCancel"), Qt::LeftButton);
        } else if (way == QLatin1String("escape")) {
            QTest::keyClick(w, Qt::Key_Escape);
        } else {
            QVERIFY(d.close());
        }
        QCoreApplication::processEvents(); // a box opened late would be answered now
        QTEST(QStringLiteral("%1 %2 %3")
                  .arg(answerer.count() + ok.count() + applied.count())
                  .arg(cancelled.count())
                  .arg(d.isVisible()),
              "outcome");
    }

    // A queued show opens the asked page; what a queued Apply handed the
    // host outlives the dialog (a sanitizer build sees a use after free or
    // a double delete here).
    void queuedShowAndSignal()
    {
        auto host = makeHost(3, QStringLiteral("queued.cfg"));
        auto d = std::make_unique<Dialog>(host.get(), nullptr, false);
        QVERIFY(QMetaObject::invokeMethod(d.get(), "show", Qt::QueuedConnection,
                                          Q_ARG(Plot_Screen_Info *, host.get()),
                                          Q_ARG(QBitArray, bits()), Q_ARG(QBitArray, bits()),
                                          Q_ARG(XY_Plot_Config_Dialog::DialogOpenArea,
                                                Dialog::AxesArea),
                                          Q_ARG(int, 2), Q_ARG(bool, false)));
        QTRY_COMPARE(tabs(*d, "axesConfigTabs")->currentIndex() * d->isVisible(), 2);
        Plot_Screen_Info *received = nullptr;
        connect(
            d.get(), &Dialog::applyPressedSignal, this, [&](Plot_Screen_Info *p) { received = p; },
            Qt::QueuedConnection);
        makeValid(*d);
        settleApplyWindow();
        press(*d, "btnApply");
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
            QCOMPARE(tabState(d, "plotConfigTabs") + ' ' + tabState(d, "axesConfigTabs"),
                     "All|Graph 1@Graph 1 Graph 1@Graph 1");
            d.show(host.get(), bits(), bits(), Dialog::PlotArea, 0, true);
        }
    }

    // The icon files the form names come first; where they are missing the
    // buttons show the icons the library carries, not none.
    void buttonIcons()
    {
        QImage stated(16, 16, QImage::Format_ARGB32_Premultiplied);
        stated.fill(QColor(10, 20, 30));
        for (bool statedFilesPresent : {false, true}) {
            QTemporaryDir tmp;
            const QString actions = tmp.path() + "/specs/qt/crystal_project/16x16/actions/";
            QVERIFY(QDir().mkpath(tmp.path() + "/a/b/c") && QDir().mkpath(actions));
            const QString previous = QDir::currentPath();
            QVERIFY(QDir::setCurrent(tmp.path() + "/a/b/c"));
            for (const char *icon : {"ok", "apply", "cancel"})
                QVERIFY(!statedFilesPresent || stated.save(actions + icon + ".png", "PNG"));
            Dialog d(sharedHost.get(), nullptr, false);
            QVERIFY(QDir::setCurrent(previous));
            for (const QString icon : {"Ok", "Apply", "Cancel"}) {
                const QString file = ":/xy_plot_config/icons/" + icon.toLower() + ".png";
                const QImage expected = statedFilesPresent ? stated : QImage(file);
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

// The dialog shell as a host drives it, scripted on one dialog and a second
// one of the same process; then the tab order, the tab labels, titles,
// plug-in mode and the icons.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOptionTab>
#include <QtTest>

#include <memory>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/modal_answerer.h"

using Dialog = XY_Plot_Config_Dialog;
using Host = std::unique_ptr<Plot_Screen_Info>;

namespace {

Host makeHost(int graphs, int rows = 1)
{
    auto host = std::make_unique<Plot_Screen_Info>();
    host->numPlots = static_cast<unsigned long>(graphs);
    host->plotAxisInfo.resize(graphs);
    for (Plot_Axis_Info &graph : host->plotAxisInfo)
        graph.numVarChannels = graph.numOverlayChannels = rows;
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

QComboBox *variable(QWidget &d, int graph, int row, int column)
{
    auto *table = child<Spreadsheet>(d, "plot%1XYVarSpreadsheet", graph);
    return qobject_cast<ZelVariable *>(table->cellWidget(row, column))->comboBox();
}

// A variable in every row of every graph and a storage that pass the checks.
void makeValid(QWidget &d)
{
    for (int g = 1; g <= 8; ++g)
        for (int r = child<Spreadsheet>(d, "plot%1XYVarSpreadsheet", g)->rowCount(); r--;)
            for (int c = 0; c < 2; ++c)
                variable(d, g, r, c)->setCurrentIndex(c);
    child<QLineEdit>(d, "lineEditDataSampleRate")->setText(QStringLiteral("50"));
    child<QLineEdit>(d, "lineEditDataStorage")->setText(QStringLiteral("60"));
}

// Where a focus stop sits in a table, as row * 100 + column; -1 outside.
const auto cellOf = [](Spreadsheet *table, QWidget *w) {
    const QModelIndex cell = table->indexAt(w->mapTo(table->viewport(), QPoint(1, 1)));
    return cell.isValid() ? cell.row() * 100 + cell.column() : -1;
};

// Presses Tab until the focus is back at the start; the widgets that had
// the focus, the start first, null at the end if it never came back.
QList<QWidget *> walk(QWidget *start, Qt::KeyboardModifiers modifiers)
{
    QList<QWidget *> visited{start};
    while (visited.size() < 400) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        if (QApplication::focusWidget() == start || !QApplication::focusWidget())
            return visited;
        visited << QApplication::focusWidget();
    }
    return visited << nullptr;
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

    Host sharedHost, secondHost;
    std::unique_ptr<Dialog> shared, second;

private slots:
    void initTestCase()
    {
        ZelVariable::setAvailableVariables({"Time", "N1_Speed", "N2_Speed", "EGT_1"});
        sharedHost = makeHost(1);
        secondHost = makeHost(2);
        secondHost->plotAxisInfo[1].overlayFileName = QStringLiteral("/data/PC_format/run7.dat");
        shared = std::make_unique<Dialog>(sharedHost.get(), nullptr, false);
        second = std::make_unique<Dialog>(secondHost.get(), nullptr, false);
    }

    // "sN/pan/zoom/area/index" shows N graphs, "S" the second dialog; "gN"/"gA"
    // selects a tab, "+"/"-" adds/deletes there; "pN"/"hN"/"cN" set the graph/
    // axes/config tab; "xN" makes graph N a comet of length 7 showing points
    // and values, "rN:k" gives it k rows; "k" edits the storage, "f" the file
    // name; "v" makes both dialogs valid and waits out the Apply window;
    // "A"/"O" (second dialog "a"/"o") press Apply/OK, "I" Apply
    // with a variable missing; "Fname" focuses a field, "Ttext" retypes it,
    // "R" Return and Enter, "E" Escape, "C" Cancel, "X" close. Queries: "?t"
    // graph tabs@current (axes after "/" if they differ), "?c" config tab,
    // "?l" OK, Apply, Cancel on, "Pan Mode" on graphs 1 and 3, "?gN" type/
    // comet/hide radios/rows, "?s" add/delete signals, "?b" the box, "?e"
    // unapplied edits, "?p" applied, OKed, boxes, cancelled, still shown.
    void script_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *script, const char *expected) {
            QTest::newRow(script) << QString(script) << QString(expected);
        };
        // One panned or zoomed graph locks every graph.
        row("s3 ?l g3 - + ?s", "1110000 s2");
        row("s3//01 ?l g3 - + ?t ?s", "0011111 123@3 s0");
        row("s3/00000001 ?l g3 - + ?t ?s", "0011111 123@3 s0");
        // The area's config tab and the index's graph open, whatever was current.
        row("s4 c1 p0 s4///0/1 ?c ?t c1 p0 s4///1/2 ?c ?t", "c0 1234@2 c1 1234@3");
        row("s4 c1 p0 s4///2/0 ?c ?t c1 p0 s4///2/3 ?c ?t", "c2 1234@1 c2 1234@4");
        row("s4 c1 p0 s4///3/2 ?c ?t", "c0 1234@1");            // an unknown area ignores the index
        row("s4 h2 ?t p2 p0 ?t ?s", "1234@3 1234@A/1234@2 s0"); // the pages follow each other
        // Add takes the first hidden graph after the current, else the first of all.
        row("s5 g3 - ?t ?s g2 + ?t", "1245@4 s1 12345@2");
        row("s5 g3 - g1 + ?t", "12345@1");
        row("s3 g3 + ?t", "1234@3");
        row("s5 g2 - g4 + ?t", "13456@4");
        row("s7 g2 - g7 + ?t", "1345678@7");
        row("s8 g2 - g5 - g8 + ?t g8 + ?t ?s", "1234678@8 12345678@8 s4");
        row("s0 ?t g1 + ?t ?s", "1@1 1@1 s1");
        row("s3 gA - ?t ?s gA + ?t ?s", "123@A/123@1 s1 123@A/123@1 s1");
        row("s3 g1 - ?t ?s ?b", "123@1 s1 One Graph is Minimum|There must be atleast 1 graph "
                                "shown.\n\nA delete is not applicable now.");
        row("s8 g5 + ?t ?s ?b",
            "12345678@5 s0 Eight Graphs is Max|The application only supports showing 8 graphs.");
        // An added graph starts plain with a row at least; a hidden one keeps all.
        row("s4 x3 r3:0 r4:2 g3 - ?g3 g2 + ?g3 g4 - g3 + ?g4", "2/7/00/0 0/0off/11/1 0/0off/11/2");
        // One Apply window for Apply and OK of all dialogs; a refusal opens it too.
        row("s2 S v A A a ?p", "p10001");
        row("s2 S v A O ?p", "p11000");
        row("s2 S v a o ?p", "p11001");
        row("s2 S v A v A ?p", "p20001");
        row("s2 S v I A ?p", "p00101");
        row("s2 S v I v O ?p", "p11100");
        // Return ends the edit: no chooser opens, no button is pressed.
        row("s2 x1 v FlineEditScreenRefreshRate R FspinCometLength1 R ?p", "p00001");
        row("s2///1 v Fgraph1YAxesSpreadsheet R c2 FtitleEdit R ?p", "p00001");
        // Leaving throws a refused edit away quietly; Escape sends no signal.
        row("s1 FlineEditDataSampleInterval T5 C ?p", "p00010");
        row("s1 FlineEditScreenRefreshInterval T5 E ?p", "p00000");
        row("s1 FlineEditDataSampleRate T500 X ?p", "p00010");
        row("s1 FlineEditScreenRefreshRate T X ?p", "p00010");
        // Only edits the next Apply would write count, and an Apply settles them.
        row("s3 ?e k ?e s3 g3 - ?e s3 f ?e", "e0 e1 e1 e0");
        row("s3 v k ?e A ?e", "e1 e0");
    }
    void script()
    {
        QFETCH(QString, script);
        Dialog &d = *shared;
        QSignalSpy changed(&d, &Dialog::addDeleteGraphSignal), ok(&d, &Dialog::okPressedSignal),
            applied(&d, &Dialog::applyPressedSignal), cancelled(&d, &Dialog::cancelPressedSignal),
            ok2(second.get(), &Dialog::okPressedSignal),
            applied2(second.get(), &Dialog::applyPressedSignal);
        ModalAnswerer answerer;
        QStringList out;
        QByteArray before;
        QWidget *field = nullptr;
        auto compact = [](QString s) {
            return s.remove("All|").remove("Graph ").remove('|').replace("All", "A");
        };
        for (const QString &op : script.split(' ')) {
            const QChar c = op.at(0);
            const QString arg = op.mid(1);
            const int n = arg.section(':', 0, 0).mid(arg.startsWith('g')).toInt();
            QTabWidget *plotTabs = tabs(d, "plotConfigTabs");
            if (c == 's') { // queued, as a host of another thread would call it
                const QStringList p = (arg + "////").split('/');
                sharedHost = makeHost(p[0].toInt());
                QVERIFY(QMetaObject::invokeMethod(&d, "show", Qt::QueuedConnection,
                                                  Q_ARG(Plot_Screen_Info *, sharedHost.get()),
                                                  Q_ARG(QBitArray, bits(p[1])),
                                                  Q_ARG(QBitArray, bits(p[2])),
                                                  Q_ARG(XY_Plot_Config_Dialog::DialogOpenArea,
                                                        Dialog::DialogOpenArea(p[3].toInt())),
                                                  Q_ARG(int, p[4].toInt()), Q_ARG(bool, false)));
                QCoreApplication::sendPostedEvents(&d, QEvent::MetaCall);
                changed.clear();
            } else if (c == 'S') {
                second->show(secondHost.get(), bits(), bits(), Dialog::PlotArea, 0, false);
            } else if (c == 'g') {
                plotTabs->setCurrentIndex(
                    arg == "A" ? 0 : compact(tabState(d, "plotConfigTabs")).indexOf(arg) + 1);
            } else if (c == '+' || c == '-') {
                plotTabs->actions().value(c == '-')->trigger();
            } else if (c == 'p' || c == 'h' || c == 'c') {
                const char *name = c == 'p' ? "plotConfigTabs" : "axesConfigTabs";
                tabs(d, c == 'c' ? "configTabs" : name)->setCurrentIndex(n);
            } else if (c == 'x') {
                child<QComboBox>(d, "cboDisplayType%1", n)->setCurrentIndex(2);
                child<QSpinBox>(d, "spinCometLength%1", n)->setValue(7);
                child<QRadioButton>(d, "radDatapointShowPlot%1", n)->setChecked(true);
                child<QRadioButton>(d, "radXYValuesShowPlot%1", n)->setChecked(true);
            } else if (c == 'r') {
                child<Spreadsheet>(d, "plot%1XYVarSpreadsheet", n)
                    ->setRowCount(arg.section(':', 1).toInt());
            } else if (c == 'k') {
                child<QLineEdit>(d, "lineEditDataStorage")->setText(QStringLiteral("45"));
            } else if (c == 'f') {
                d.setConfigFilename(QStringLiteral("/data/saved_as.json"));
            } else if (c == 'v') {
                makeValid(d);
                makeValid(*second);
                settleApplyWindow();
            } else if (c == 'I') {
                variable(d, 1, 0, 0)->setCurrentIndex(-1);
                press(d, "btnApply");
                variable(d, 1, 0, 0)->setCurrentIndex(0);
            } else if (QString("AOao").contains(c)) {
                press(c.isLower() ? *second : d, c.toLower() == 'o' ? "btnOk" : "btnApply");
            } else if (c == 'F') { // focus moves only in an active window
                field = child(d, arg);
                if (auto *cells = qobject_cast<Spreadsheet *>(field)) { // its first
                    field = nullptr;
                    for (QLineEdit *edit : cells->findChildren<QLineEdit *>())
                        field = field || !edit->isVisible() || !edit->isEnabled() ? field : edit;
                }
                QVERIFY2(field && field->isVisible() && field->isEnabled(), qPrintable(arg));
                QApplication::setActiveWindow(&d);
                QVERIFY(QTest::qWaitForWindowActive(&d));
                field->setFocus();
                QTRY_COMPARE(QApplication::focusWidget(), field);
            } else if (c == 'T') {
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(field, Qt::Key_Backspace);
                QTest::keyClicks(field, arg);
            } else if (c == 'R') {
                QTest::keyClick(field, Qt::Key_Return);
                QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
            } else if (c == 'E') {
                QTest::keyClick(field, Qt::Key_Escape);
            } else if (c == 'C') {
                QTest::mouseClick(child<QPushButton>(d, "btnCancel"), Qt::LeftButton);
            } else if (c == 'X') {
                QVERIFY(d.close());
            } else if (arg == "t") {
                const QString p = compact(tabState(d, "plotConfigTabs")),
                              a = compact(tabState(d, "axesConfigTabs"));
                out << (p == a ? p : p + '/' + a);
            } else if (arg == "c") {
                out << "c" + QString::number(tabs(d, "configTabs")->currentIndex());
            } else if (arg == "l") {
                QString on;
                for (const char *w : {"btnOk", "btnApply", "btnCancel", "lblPlot1Mode",
                                      "lblAxes1Mode", "lblPlot3Mode", "lblAxes3Mode"})
                    on += QString::number(*w == 'b'
                                              ? child(d, w)->isEnabled()
                                              : !child(d, w)->isHidden()
                                                    && child<QLabel>(d, w)->text() == "Pan Mode");
                out << on;
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
                const bool plain = answerer.count() == 1 && seen.buttons == QMessageBox::Ok
                                   && !seen.hasParent && !(seen.flags & Qt::WindowCloseButtonHint);
                out << (plain ? "" : "!") + seen.title + '|' + seen.text;
            } else if (arg == "p") {
                QCoreApplication::processEvents(); // a box opened late would be answered now
                out << QString("p%1%2%3%4%5")
                           .arg(applied.count() + applied2.count())
                           .arg(ok.count() + ok2.count())
                           .arg(answerer.count())
                           .arg(cancelled.count())
                           .arg(d.isVisible());
            }
            if (c == 's' || c == 'S') // what a host showed with is never written
                before = sharedHost->toJson() + secondHost->toJson();
        }
        QTEST(out.join(' '), "expected");
        QCOMPARE(sharedHost->toJson() + secondHost->toJson(), before);
        for (const QList<QVariant> &args : QList<QList<QVariant>>(applied) + applied2) {
            std::unique_ptr<Plot_Screen_Info> p(args.at(0).value<Plot_Screen_Info *>());
            QVERIFY(p && p.get() != sharedHost.get() && p.get() != secondHost.get());
        }
    }

    // Tab and Shift+Tab reach every field of a page once, go through each
    // table cell by cell and leave it after its last cell.
    void tabOrder_data()
    {
        QTest::addColumn<QStringList>("tables"); // of a graph page or an axes page
        QTest::newRow("graph 1") << QStringList{"plot1XYVar", "plot1XYOverlay"};
        QTest::newRow("graph 2") << QStringList{"plot2XYVar", "plot2XYOverlay"};
        QTest::newRow("axes") << QStringList{"graph1YAxes", "graph1XAxis"};
    }
    void tabOrder()
    {
        QFETCH(QStringList, tables);
        auto host = makeHost(2, 3);
        Dialog dialog(host.get(), nullptr, false);
        dialog.show(host.get(), bits(), bits(), Dialog::DialogOpenArea(tables[0].startsWith('g')),
                    tables[0].at(tables[0].indexOf(QRegularExpression("\\d"))).digitValue() - 1,
                    false);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *start = child(dialog, "btnApply");
        start->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), start);
        const QList<QWidget *> forward = walk(start, Qt::NoModifier);
        QVERIFY2(!forward.contains(nullptr), "Tab never came back to Apply");
        QList<QWidget *> backward = walk(start, Qt::ShiftModifier); // the same fields reversed
        std::reverse(backward.begin() + 1, backward.end());
        QCOMPARE(backward, forward);
        for (const QString &name : tables) {
            auto *table = child<Spreadsheet>(dialog, name + "Spreadsheet");
            QList<int> fields, stops; // what in the cells takes the focus itself, row by row
            for (QWidget *w : table->viewport()->findChildren<QWidget *>())
                if (w->focusPolicy() != Qt::NoFocus && !w->focusProxy() && w->isEnabled()
                    && w->isVisible() && cellOf(table, w) >= 0)
                    fields << cellOf(table, w);
            std::sort(fields.begin(), fields.end());
            int first = -1, last = -1; // one after the other, nothing else in between
            for (int i = 0; i < forward.size(); ++i)
                if (table->isAncestorOf(forward.at(i))) {
                    stops << cellOf(table, forward.at(i));
                    first = first < 0 ? i : first;
                    last = i;
                }
            QCOMPARE(last - first + 1, stops.size());
            QVERIFY(!fields.isEmpty());
            QCOMPARE(stops, fields);
        }
    }

    // The graph tabs stand on end on the left; at the dialog's size the room
    // the style leaves each label holds its text.
    void graphTabLabelsFit()
    {
        for (int area : {Dialog::PlotArea, Dialog::AxesArea}) {
            shared->show(sharedHost.get(), bits(), bits(), Dialog::DialogOpenArea(area), 0, false);
            QVERIFY(QTest::qWaitForWindowExposed(shared.get()));
            QTabBar *bar = tabs(*shared, area ? "axesConfigTabs" : "plotConfigTabs")->tabBar();
            for (int i = 0; i < bar->count(); ++i) {
                QStyleOptionTab option;
                option.initFrom(bar);
                option.shape = bar->shape();
                option.rect = bar->tabRect(i);
                option.text = bar->tabText(i);
                option.position = QStyleOptionTab::Middle;
                const QRect label =
                    bar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, bar);
                QVERIFY2(bar->fontMetrics().horizontalAdvance(option.text)
                             <= qMax(label.width(), label.height()),
                         qPrintable(option.text));
            }
        }
    }

    // A right click on the graph tabs offers the graph entries.
    void graphTabMenu()
    {
        shared->show(sharedHost.get(), bits(), bits(), Dialog::PlotArea, 0, false);
        QVERIFY(QTest::qWaitForWindowExposed(shared.get()));
        QTabBar *bar = tabs(*shared, "plotConfigTabs")->tabBar();
        QStringList offered;
        QTimer::singleShot(0, shared.get(), [&offered]() {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (QAction *entry : menu->actions())
                    offered << entry->text();
                menu->close();
            }
        });
        const QPoint at = bar->tabRect(1).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
        QApplication::sendEvent(bar, &click);
        QCOMPARE(offered, QStringList({"Add Graph", "Delete Graph"}));
    }

    // Switching graphs repaints the page shown, not the rest of the dialog.
    void graphSwitchPaintsItsPage()
    {
        shared->show(sharedHost.get(), bits(), bits(), Dialog::PlotArea, 0, false);
        QVERIFY(QTest::qWaitForWindowExposed(shared.get()));
        struct PaintCount : QObject
        {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } outside;
        for (int index : {1, 0, 2, 0}) {
            tabs(*shared, "plotConfigTabs")->setCurrentIndex(index);
            for (int pass = 0; pass < 5; ++pass)
                QCoreApplication::processEvents();
            // From the first switch on: the show's own paints are done.
            child(*shared, "lblScreenRefreshRate")->installEventFilter(&outside);
        }
        QCOMPARE(outside.paints, 0);
    }

    // The title names the host's file, "<not set>" once shown without one;
    // where the icon files the form names are missing, the buttons show the
    // icons the library carries, not none.
    void construction()
    {
        auto host = makeHost(3);
        host->configFileName = QStringLiteral("cell3_xy.cfg");
        QTemporaryDir tmp;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tmp.path()));
        Dialog d(host.get(), nullptr, false);
        QVERIFY(QDir::setCurrent(previous));
        QVERIFY(!d.hasUnappliedEdits());
        d.setConfigFilename(QStringLiteral("other.cfg"));
        QStringList titles{d.windowTitle() + '|' + d.getConfigFilename()};
        for (const QString name : {"cell3_xy.cfg", ""}) {
            host->configFileName = name;
            d.show(host.get(), bits(), bits(), Dialog::PlotArea, 0, false);
            titles << d.windowTitle() + '|' + d.getConfigFilename();
        }
        QCOMPARE(titles, QStringList({"Configuration for cell3_xy.cfg|other.cfg",
                                      "Configuration for cell3_xy.cfg|cell3_xy.cfg",
                                      "Configuration for <not set>|"}));
        for (const QString icon : {"ok", "apply", "cancel"}) {
            const QImage expected(":/xy_plot_config/icons/" + icon + ".png");
            auto *button = child<QPushButton>(d, "btn" + icon.left(1).toUpper() + icon.mid(1));
            const QImage::Format f = QImage::Format_ARGB32_Premultiplied;
            QVERIFY2(!expected.isNull()
                         && button->icon().pixmap(16).toImage().convertToFormat(f)
                                == expected.convertToFormat(f),
                     qPrintable(icon));
        }
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"--exit-scene"});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());
        // A plug-in dialog has one graph and no add/delete menu, however many
        // graphs the host describes, when built and on every show.
        Dialog plugin(host.get(), nullptr, true);
        QVERIFY(tabs(plugin, "plotConfigTabs")->actions().isEmpty());
        QVERIFY(tabs(plugin, "plotConfigTabs")->tabBar()->tabRect(0).isEmpty()); // takes no room
        for (int opening = 0; opening < 2; ++opening) {
            QCOMPARE(tabState(plugin, "plotConfigTabs") + ' ' + tabState(plugin, "axesConfigTabs"),
                     "All|Graph 1@Graph 1 Graph 1@Graph 1");
            plugin.show(host.get(), bits(), bits(), Dialog::PlotArea, 0, true);
        }
    }
};

// A host that deletes a shown dialog after its application, in a child
// process of this very executable: no crash.
int main(int argc, char **argv)
{
    if (argc == 2 && qstrcmp(argv[1], "--exit-scene") == 0) {
        auto *app = new QApplication(argc, argv);
        Plot_Screen_Info host;
        host.numPlots = 1;
        host.plotAxisInfo.resize(1);
        auto *dialog = new Dialog(&host, nullptr, false);
        dialog->show(&host, QBitArray(8), QBitArray(8), Dialog::PlotArea);
        QCoreApplication::processEvents();
        delete app;
        delete dialog;
        return 0;
    }
    QApplication app(argc, argv);
    TstDialogShell test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_dialog_shell.moc"

// The dialog shell: construction, show, the host signals and the Apply
// window, closing, tool tips, pan/zoom locking and adding and deleting
// graphs.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QDoubleValidator>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <functional>
#include <memory>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/dialog_access.h"
#include "support/modal_answerer.h"

using A = XY_Plot_Config_Dialog_TestAccess;
using Dialog = XY_Plot_Config_Dialog;

namespace {

std::unique_ptr<Plot_Screen_Info> makeHost(int graphs, const QString &configName = QString())
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

QBitArray bits(const QString &pattern)
{
    QBitArray b(pattern.size());
    for (int i = 0; i < pattern.size(); ++i)
        b.setBit(i, pattern.at(i) == QLatin1Char('1'));
    return b;
}

QString bitString(const QBitArray &b)
{
    QString s;
    for (int i = 0; i < b.size(); ++i)
        s += b.testBit(i) ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

QStringList tabLabels(const QTabWidget *tabs)
{
    QStringList labels;
    for (int i = 0; i < tabs->count(); ++i)
        labels << tabs->tabText(i);
    return labels;
}

void showDialog(Dialog &d, Plot_Screen_Info *host, const QString &pan = QStringLiteral("00000000"),
                const QString &zoom = QStringLiteral("00000000"),
                Dialog::DialogOpenArea area = Dialog::PlotArea, int plotIndex = 0,
                bool plugin = false)
{
    d.show(host, bits(pan), bits(zoom), area, plotIndex, plugin);
}

// Chooses a variable in every row of every shown graph and gives the rate
// and storage fields values that pass the checks.
void makeValid(Dialog &d)
{
    for (int g = 0; g < A::plotVisible(d).size(); ++g)
        for (int r = 0; A::plotVisible(d).testBit(g) && r < A::xyVar(d)[g]->rowCount(); ++r)
            for (int c = 0; c < 2; ++c)
                qobject_cast<ZelVariable *>(A::xyVar(d)[g]->cellWidget(r, c))
                    ->comboBox()
                    ->setCurrentIndex(c);
    A::ui(d)->lineEditDataSampleRate->setText(QStringLiteral("50"));
    A::ui(d)->lineEditDataStorage->setText(QStringLiteral("60"));
}

// Per row "XY" both chosen, "X-" only X, "-Y" only Y, "--" neither.
void chooseVariables(Spreadsheet *table, const QStringList &rows)
{
    table->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 2; ++c)
            qobject_cast<ZelVariable *>(table->cellWidget(r, c))
                ->comboBox()
                ->setCurrentIndex(rows[r].at(c) == '-' ? -1 : c);
}

void chooseOverlayChannels(Spreadsheet *table, const QStringList &rows)
{
    table->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 2; ++c) {
            auto *cell = qobject_cast<ComboBoxWidget *>(table->cellWidget(r, c));
            cell->setComboBoxContentsList({QString(), QStringLiteral("Time"), QStringLiteral("N1")});
            cell->setComboBoxCurrentIndex(rows[r].at(c) == '-' ? -1 : c + 1);
        }
}

// Focus moves, and key presses reach the dialog, only in an active window.
bool activate(QWidget *w)
{
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

// "name" is a widget of the dialog; "name>Class" the first widget of that
// class inside it (a line edit in a table cell, say).
QWidget *fieldOf(Dialog &d, const QString &path)
{
    QWidget *w = d.findChild<QWidget *>(path.section(QLatin1Char('>'), 0, 0));
    const QString inner = path.section(QLatin1Char('>'), 1);
    if (!w || inner.isEmpty())
        return w;
    for (QWidget *child : w->findChildren<QWidget *>())
        if (child->inherits(qPrintable(inner)) && child->isVisible() && child->isEnabled())
            return child;
    return nullptr;
}

} // namespace

// Takes the description of a queued applyPressedSignal.
class Receiver : public QObject
{
    Q_OBJECT
public:
    Plot_Screen_Info *received = nullptr;
public slots:
    void take(Plot_Screen_Info *p) { received = p; }
};

class TstDialogShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ZelVariable::setAvailableVariables({"Time", "N1_Speed", "N2_Speed", "EGT_1"});
    }
    void titles_data()
    {
        QTest::addColumn<QString>("configName");
        QTest::addColumn<QString>("builtTitle");
        QTest::addColumn<QString>("shownTitle");
        QTest::newRow("named") << "cell3_xy.cfg"
                               << "Configuration for cell3_xy.cfg"
                               << "Configuration for cell3_xy.cfg";
        QTest::newRow("unnamed") << QString() << "Configuration for "
                                 << "Configuration for <not set>";
    }
    void titles()
    {
        QFETCH(QString, configName);
        auto host = makeHost(1, configName);
        Dialog d(host.get(), nullptr, false);
        QTEST(d.windowTitle(), "builtTitle");
        QCOMPARE(d.getConfigFilename(), configName);
        QVERIFY(!d.isVisible());
        auto other = makeHost(1, configName);
        showDialog(d, other.get());
        QTEST(d.windowTitle(), "shownTitle");
        QCOMPARE(d.getConfigFilename(), configName);
        QVERIFY(d.isVisible());
    }

    void lockAndUnlock()
    {
        auto host = makeHost(3);
        Dialog d(host.get(), nullptr, false);
        Ui_Plot_Config_Dialog *ui = A::ui(d);
        // One zoomed graph locks all of them, and with every bit of both arrays
        // set the labels read "Pan Mode".
        showDialog(d, host.get(), QStringLiteral("00000000"), QStringLiteral("01000000"));
        QCOMPARE(bitString(A::panStatus(d)), QStringLiteral("11111111"));
        QCOMPARE(bitString(A::zoomStatus(d)), QStringLiteral("11111111"));
        QVERIFY(!ui->btnOk->isEnabled() && !ui->btnApply->isEnabled() && ui->btnCancel->isEnabled());
        const QList<QLabel *> modeLabels = {ui->lblPlot1Mode, ui->lblAxes1Mode, ui->lblPlot3Mode,
                                            ui->lblAxes3Mode};
        for (QLabel *label : modeLabels) {
            QVERIFY(!label->isHidden());
            QCOMPARE(label->text(), QStringLiteral("Pan Mode"));
        }

        showDialog(d, host.get());
        QCOMPARE(bitString(A::panStatus(d)), QStringLiteral("00000000"));
        QCOMPARE(bitString(A::zoomStatus(d)), QStringLiteral("00000000"));
        QVERIFY(ui->btnOk->isEnabled() && ui->btnApply->isEnabled());
        for (QLabel *label : modeLabels)
            QVERIFY(label->isHidden());
    }

    void openArea_data()
    {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("plotIndex");
        QTest::addColumn<int>("configTab");
        QTest::addColumn<int>("plotTab");
        QTest::addColumn<int>("axesTab");
        QTest::newRow("plot, graph 2") << 0 << 1 << 0 << 2 << 1;
        QTest::newRow("axes, graph 3") << 1 << 2 << 1 << 3 << 2;
        QTest::newRow("frame, graph 4") << 2 << 3 << 2 << 4 << 3;
        QTest::newRow("unknown area ignores index") << 3 << 2 << 0 << 1 << 0;
    }
    void openArea()
    {
        QFETCH(int, area);
        QFETCH(int, plotIndex);
        auto host = makeHost(4);
        Dialog d(host.get(), nullptr, false);
        showDialog(d, host.get(), "00000000", "00000000", static_cast<Dialog::DialogOpenArea>(area),
                   plotIndex);
        QTEST(A::ui(d)->configTabs->currentIndex(), "configTab");
        QTEST(A::ui(d)->plotConfigTabs->currentIndex(), "plotTab");
        QTEST(A::ui(d)->axesConfigTabs->currentIndex(), "axesTab");
    }

    // Presses, in order: A/O Apply/OK on the first dialog, a/o on the second,
    // I Apply on the first with a missing variable, W wait out the window.
    void applyWindow_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<int>("applied");
        QTest::addColumn<int>("oked");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("firstVisible");
        QTest::newRow("apply twice") << "AA" << 1 << 0 << 0 << true;
        QTest::newRow("apply then ok") << "AO" << 1 << 1 << 0 << false;
        QTest::newRow("shared by dialogs") << "Aa" << 1 << 0 << 0 << true;
        QTest::newRow("other dialog's ok") << "ao" << 1 << 1 << 0 << true;
        QTest::newRow("after the window") << "AWA" << 2 << 0 << 0 << true;
        QTest::newRow("refused press opens window") << "IA" << 0 << 0 << 1 << true;
        QTest::newRow("refused ok stays open") << "IWO" << 1 << 1 << 1 << false;
    }
    void applyWindow()
    {
        QFETCH(QString, presses);
        QTest::qWait(510); // the window of an earlier test
        auto host = makeHost(2);
        Dialog first(host.get(), nullptr, false), second(host.get(), nullptr, false);
        QList<std::shared_ptr<QSignalSpy>> applySpies, okSpies;
        for (Dialog *d : {&first, &second}) {
            showDialog(*d, host.get());
            makeValid(*d);
            applySpies << std::make_shared<QSignalSpy>(d, &Dialog::applyPressedSignal);
            okSpies << std::make_shared<QSignalSpy>(d, &Dialog::okPressedSignal);
        }
        ModalAnswerer answerer;
        QComboBox *firstX =
            qobject_cast<ZelVariable *>(A::xyVar(first)[0]->cellWidget(0, 0))->comboBox();
        for (QChar press : presses) {
            switch (press.toLatin1()) {
            case 'A':
                A::ui(first)->btnApply->click();
                break;
            case 'O':
                A::ui(first)->btnOk->click();
                break;
            case 'a':
                A::ui(second)->btnApply->click();
                break;
            case 'o':
                A::ui(second)->btnOk->click();
                break;
            case 'W':
                QTest::qWait(510);
                firstX->setCurrentIndex(0);
                break;
            case 'I':
                firstX->setCurrentIndex(-1);
                A::ui(first)->btnApply->click();
                break;
            }
        }
        int appliedTotal = 0, okTotal = 0;
        for (int i = 0; i < 2; ++i) {
            appliedTotal += applySpies[i]->count();
            okTotal += okSpies[i]->count();
            for (const QList<QVariant> &args : *applySpies[i]) {
                std::unique_ptr<Plot_Screen_Info> p(
                    args.at(0).value<Plot_Screen_Info *>()); // the host's now
                QVERIFY(p && p.get() != host.get());
                QCOMPARE(p->numPlots, 2ul);
            }
        }
        QTEST(appliedTotal, "applied");
        QTEST(okTotal, "oked");
        QTEST(answerer.count(), "boxes");
        QTEST(first.isVisible(), "firstVisible");
    }

    void hostDescriptionNeverChanges()
    {
        QTest::qWait(510);
        auto host = makeHost(3, QStringLiteral("bay2.cfg"));
        host->plotAxisInfo[1].overlayFileName = QStringLiteral("/data/PC_format/run7.dat");
        const QByteArray before = host->toJson();
        Dialog d(host.get(), nullptr, false);
        showDialog(d, host.get());
        makeValid(d);
        A::displayTypeCombos(d)[0]->setCurrentIndex(2);
        A::ui(d)->plotConfigTabs->setCurrentIndex(0); // "All" writes back
        QSignalSpy applied(&d, &Dialog::applyPressedSignal);
        A::ui(d)->btnApply->click();
        QCOMPARE(applied.count(), 1);
        std::unique_ptr<Plot_Screen_Info> written(applied.at(0).at(0).value<Plot_Screen_Info *>());
        QCOMPARE(written->plotAxisInfo[0].displayType, 2);
        QCOMPARE(host->toJson(), before);
    }

    void escapeAndClose()
    {
        auto host = makeHost(1);
        Dialog d(host.get(), nullptr, false);
        QSignalSpy cancelled(&d, &Dialog::cancelPressedSignal);
        // Escape hides without the signal; closing and Cancel announce it.
        const std::function<void()> ways[] = {[&] { QTest::keyClick(&d, Qt::Key_Escape); },
                                              [&] { QVERIFY(d.close()); },
                                              [&] { A::ui(d)->btnCancel->click(); }};
        for (int i = 0; i < 3; ++i) {
            showDialog(d, host.get());
            ways[i]();
            QVERIFY(!d.isVisible());
            QCOMPARE(cancelled.count(), i);
        }
    }

    // Return ends the edit in the field; it never opens a chooser and never
    // presses OK, Apply or Cancel.
    void returnInAField_data()
    {
        QTest::addColumn<int>("area");
        QTest::addColumn<QString>("field");
        QTest::newRow("refresh rate") << int(Dialog::PlotArea) << "lineEditScreenRefreshRate";
        QTest::newRow("comet length") << int(Dialog::PlotArea) << "spinCometLength1";
        QTest::newRow("axis field") << int(Dialog::AxesArea) << "graph1YAxesSpreadsheet>QLineEdit";
        QTest::newRow("frame title") << int(Dialog::FrameArea) << "titleEdit";
        QTest::newRow("frame note") << int(Dialog::FrameArea) << "noteEdit";
    }
    void returnInAField()
    {
        QFETCH(int, area);
        QFETCH(QString, field);
        QTest::qWait(510); // no Apply window of an earlier test may hide a press
        auto host = makeHost(2);
        host->plotAxisInfo[0].displayType = 2; // a comet, so its length can be edited
        Dialog d(host.get(), nullptr, false);
        showDialog(d, host.get(), "00000000", "00000000", Dialog::DialogOpenArea(area));
        QVERIFY(activate(&d));
        makeValid(d);
        QWidget *w = fieldOf(d, field);
        QVERIFY2(w && w->isEnabled(), qPrintable(field));
        w->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), w);
        QList<std::shared_ptr<QSignalSpy>> spies;
        spies << std::make_shared<QSignalSpy>(&d, &Dialog::okPressedSignal)
              << std::make_shared<QSignalSpy>(&d, &Dialog::applyPressedSignal)
              << std::make_shared<QSignalSpy>(&d, &Dialog::cancelPressedSignal);
        ModalAnswerer answerer;
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(answerer.count(), 0);
        for (const auto &spy : spies)
            QCOMPARE(spy->count(), 0);
        QVERIFY(d.isVisible());
    }

    // Leaving with Cancel, Escape or the close button throws the edit away:
    // no warning about a refused value, and the dialog goes at once.
    void discardQuietly_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cancelSignals");
        const char *const fields[][2] = {{"lineEditScreenRefreshRate", "60"},
                                         {"lineEditScreenRefreshInterval", "5"},
                                         {"lineEditDataSampleRate", "500"},
                                         {"lineEditDataSampleInterval", "5"}};
        // Escape is the dialog's own rejection, which hides without the signal.
        const std::pair<const char *, int> ways[] = {{"cancel", 1}, {"escape", 0}, {"close", 1}};
        for (const auto &way : ways)
            for (const auto &f : fields)
                QTest::addRow("%s, %s", way.first, f[0]) << way.first << f[0] << f[1] << way.second;
        QTest::newRow("close, refresh rate emptied") << "close"
                                                     << "lineEditScreenRefreshRate"
                                                     << "" << 1;
    }
    void discardQuietly()
    {
        QFETCH(QString, way);
        QFETCH(QString, field);
        QFETCH(QString, text);
        auto host = makeHost(1);
        Dialog d(host.get(), nullptr, false);
        showDialog(d, host.get());
        QVERIFY(activate(&d));
        auto *edit = d.findChild<QLineEdit *>(field);
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QCOMPARE(edit->text(), text);
        QSignalSpy cancelled(&d, &Dialog::cancelPressedSignal);
        ModalAnswerer answerer;
        if (way == QLatin1String("cancel"))
            QTest::mouseClick(A::ui(d)->btnCancel, Qt::LeftButton);
        else if (way == QLatin1String("escape"))
            QTest::keyClick(edit, Qt::Key_Escape);
        else
            QVERIFY(d.close());
        QTest::qWait(50); // a box opened late would show up now
        QCOMPARE(answerer.count(), 0);
        QVERIFY(d.isHidden());
        QTEST(int(cancelled.count()), "cancelSignals");
    }

    // The comet length can be edited exactly when the graph is a comet, from
    // the first opening on.
    void cometLengthFollowsDisplayType_data()
    {
        QTest::addColumn<int>("displayType");
        QTest::addColumn<bool>("editable");
        QTest::newRow("Full Trace") << 0 << false;
        QTest::newRow("Marker Only") << 1 << false;
        QTest::newRow("Comet") << 2 << true;
    }
    void cometLengthFollowsDisplayType()
    {
        QFETCH(int, displayType);
        auto host = makeHost(8);
        for (Plot_Axis_Info &graph : host->plotAxisInfo)
            graph.displayType = displayType;
        Dialog d(host.get(), nullptr, false);
        // Built, every graph reads "Full Trace" until the dialog is loaded.
        for (QSpinBox *spin : A::cometLengthSpins(d))
            QVERIFY(!spin->isEnabled());
        showDialog(d, host.get());
        for (int g = 0; g < 8; ++g) {
            QCOMPARE(A::displayTypeCombos(d)[g]->currentIndex(), displayType);
            QTEST(A::cometLengthSpins(d)[g]->isEnabled(), "editable");
        }
    }

    void tabCoupling()
    {
        auto host = makeHost(4);
        Dialog d(host.get(), nullptr, false);
        showDialog(d, host.get());
        makeValid(d);
        Ui_Plot_Config_Dialog *ui = A::ui(d);
        ui->axesConfigTabs->setCurrentIndex(2);
        QCOMPARE(ui->plotConfigTabs->currentIndex(), 3);
        ui->plotConfigTabs->setCurrentIndex(2);
        QCOMPARE(ui->axesConfigTabs->currentIndex(), 1);
        QList<std::shared_ptr<QSignalSpy>> spies;
        spies << std::make_shared<QSignalSpy>(&d, &Dialog::okPressedSignal)
              << std::make_shared<QSignalSpy>(&d, &Dialog::applyPressedSignal)
              << std::make_shared<QSignalSpy>(&d, &Dialog::cancelPressedSignal)
              << std::make_shared<QSignalSpy>(&d, &Dialog::addDeleteGraphSignal);
        Plot_Screen_Info *before = A::psi(d);
        ui->plotConfigTabs->setCurrentIndex(0);
        QVERIFY(A::psi(d) && A::psi(d) != before && A::psi(d) != host.get());
        QCOMPARE(A::psi(d)->numPlots, 4ul);
        QCOMPARE(ui->axesConfigTabs->currentIndex(), 1);
        for (const auto &spy : spies)
            QCOMPARE(spy->count(), 0);
    }

    void queuedShowAndSignal()
    {
        QTest::qWait(510);
        auto host = makeHost(3, QStringLiteral("queued.cfg"));
        auto d = std::make_unique<Dialog>(host.get(), nullptr, false);
        QVERIFY(QMetaObject::invokeMethod(d.get(), "show", Qt::QueuedConnection,
                                          Q_ARG(Plot_Screen_Info *, host.get()),
                                          Q_ARG(QBitArray, QBitArray(8)),
                                          Q_ARG(QBitArray, QBitArray(8)),
                                          Q_ARG(XY_Plot_Config_Dialog::DialogOpenArea,
                                                Dialog::AxesArea),
                                          Q_ARG(int, 2), Q_ARG(bool, false)));
        QVERIFY(!d->isVisible());
        QTRY_VERIFY(d->isVisible());
        QCOMPARE(A::ui(*d)->configTabs->currentIndex(), 1);
        QCOMPARE(A::ui(*d)->axesConfigTabs->currentIndex(), 2);
        Receiver receiver;
        QVERIFY(connect(d.get(), SIGNAL(applyPressedSignal(Plot_Screen_Info *)), &receiver,
                        SLOT(take(Plot_Screen_Info *)), Qt::QueuedConnection));
        makeValid(*d);
        A::ui(*d)->btnApply->click();
        QVERIFY(!receiver.received);
        QTRY_VERIFY(receiver.received);
        QCOMPARE(receiver.received, A::psi(*d));
        // What the host was handed outlives the dialog (a sanitizer build sees
        // a use after free or a double delete here).
        d.reset();
        QCOMPARE(receiver.received->numPlots, 3ul);
        delete receiver.received;
    }

    void pluginMode()
    {
        // More graphs than a plug-in dialog has: only the first is taken.
        auto host = makeHost(3);
        host->plotAxisInfo[0].overlayFileName = QStringLiteral("/data/PC_format/a.dat");
        host->plotAxisInfo[1].overlayFileName = QStringLiteral("/data/PC_format/b.dat");
        Dialog d(host.get(), nullptr, true);
        Ui_Plot_Config_Dialog *ui = A::ui(d);
        QCOMPARE(A::overlayFilenames(d), QList<QString>{QStringLiteral("/data/PC_format/a.dat")});
        QCOMPARE(A::overlayFileLabels(d)[0]->text(), QStringLiteral("/data/PC_format/a.dat"));
        QVERIFY(!A::addGraphAction(d) && !A::deleteGraphAction(d));
        QCOMPARE(ui->plotConfigTabs->contextMenuPolicy(), Qt::DefaultContextMenu);
        QVERIFY(ui->plotConfigTabs->actions().isEmpty());
        const QString collapsed = QStringLiteral("QTabBar::tab { height: 0px; width: 0px; }");
        QCOMPARE(ui->plotConfigTabs->styleSheet(), collapsed);
        QCOMPARE(ui->axesConfigTabs->styleSheet(), collapsed);
        for (int opening = 0; opening < 2; ++opening) {
            QCOMPARE(tabLabels(ui->plotConfigTabs), QStringList({"All", "Graph 1"}));
            QCOMPARE(tabLabels(ui->axesConfigTabs), QStringList({"Graph 1"}));
            QCOMPARE(bitString(A::plotVisible(d)), QStringLiteral("1"));
            showDialog(d, host.get(), QStringLiteral("0"), QStringLiteral("0"), Dialog::PlotArea, 0,
                       true);
        }
        QCOMPARE(ui->plotConfigTabs->currentIndex(), 1);
    }

    void rowCounts_data()
    {
        QTest::addColumn<QStringList>("varRows");
        QTest::addColumn<QStringList>("overlayRows");
        QTest::addColumn<int>("varCount");
        QTest::addColumn<int>("overlayCount");
        QTest::newRow("empty tables") << QStringList() << QStringList() << 0 << 0;
        QTest::newRow("gap is skipped")
            << QStringList({"XY", "X-", "XY"}) << QStringList({"XY", "-Y", "XY"}) << 2 << 2;
        QTest::newRow("nothing chosen")
            << QStringList({"--", "-Y"}) << QStringList({"--"}) << 0 << 0;
        const QStringList full = QVector<QString>(8, QStringLiteral("XY")).toList();
        QTest::newRow("full tables") << full << full << 8 << 8;
    }
    void rowCounts()
    {
        QFETCH(QStringList, varRows);
        QFETCH(QStringList, overlayRows);
        QFETCH(int, varCount);
        auto host = makeHost(3);
        Dialog d(host.get(), nullptr, false);
        const int g = 2;
        chooseVariables(A::xyVar(d)[g], varRows);
        chooseOverlayChannels(A::xyOverlay(d)[g], overlayRows);
        QCOMPARE(A::getNumVarChannelsForPlot(d, g), varCount);
        QTEST(A::getNumOverlayChannelsForPlot(d, g), "overlayCount");
        QCOMPARE(A::getRowCountOfTablesForOneGraph(d, g), varRows.size() + overlayRows.size());
        // Other graphs keep the form's single empty row.
        QCOMPARE(A::getNumVarChannelsForPlot(d, 1), 0);
        QCOMPARE(A::getRowCountOfTablesForOneGraph(d, 1), 2);
        int invoked = -1;
        QVERIFY(QMetaObject::invokeMethod(&d, "getNumVarChannelsForPlot",
                                          Q_RETURN_ARG(int, invoked), Q_ARG(int, g)));
        QCOMPARE(invoked, varCount);
    }

    void toolTips_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("tip");
        QTest::newRow("ok") << "btnOk"
                            << "Apply and Save the current settings and close the dialog";
        QTest::newRow("apply") << "btnApply"
                               << "Apply the current settings to the plot";
        QTest::newRow("cancel")
            << "btnCancel"
            << "Close the dialog without applying or saving the current settings";
        QTest::newRow("refresh rate") << "lineEditScreenRefreshRate"
                                      << "Set the refresh rate [Hz] of the Plot display";
        QTest::newRow("refresh interval") << "lineEditScreenRefreshInterval"
                                          << "Set the refresh interval [time] of the Plot display";
        QTest::newRow("sample rate") << "lineEditDataSampleRate"
                                     << "Set the sample rate [Hz] of the Plot data";
        QTest::newRow("sample interval")
            << "lineEditDataSampleInterval"
            << "Set the sample interval [time] of the Plot data\n\nThe lower and upper limits are "
               "equal to the SLO "
               "and FAS\nupdate rates from the master scheduler";
        QTest::newRow("storage") << "lineEditDataStorage"
                                 << "Set the storage period [time] for the Plot data";
        QTest::newRow("storage units") << "cmbDataStorageUnits"
                                       << "Set the storage period units for the Plot data";
        const QString locked = QStringLiteral(
            "The Plot Configuration Information can not be modified\nwhile in Pan or Zoom Mode");
        QTest::newRow("first axes mode label") << "lblAxes1Mode" << locked;
        QTest::newRow("last graph mode label") << "lblPlot8Mode" << locked;
    }
    void toolTips()
    {
        QFETCH(QString, widget);
        auto host = makeHost(2);
        Dialog d(host.get(), nullptr, false);
        auto *w = d.findChild<QWidget *>(widget);
        QVERIFY(w);
        QTEST(w->toolTip(), "tip");
    }

    void graphTabToolTips()
    {
        const QString tip = QStringLiteral("Right click to Add or Delete a Graph");
        auto host = makeHost(3);
        Dialog d(host.get(), nullptr, false);
        QTabWidget *tabs = A::ui(d)->plotConfigTabs;
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->tabToolTip(0), QString());
        for (int i = 1; i < tabs->count(); ++i)
            QCOMPARE(tabs->tabToolTip(i), tip);
        // Showing puts graphs 2 and up back as new tabs, which carry no tip.
        showDialog(d, host.get());
        QCOMPARE(tabs->tabToolTip(1), tip);
        QCOMPARE(tabs->tabToolTip(2), QString());
        QCOMPARE(tabs->tabToolTip(3), QString());
    }

    // Pan wins over zoom; a graph neither panned nor zoomed hides its labels
    // and leaves their text as it was.
    void modeLabels_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("pan");
        QTest::addColumn<bool>("zoom");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("text");
        QTest::newRow("pan") << 0 << true << false << true << QStringLiteral("Pan Mode");
        QTest::newRow("zoom") << 7 << false << true << true << QStringLiteral("Zoom Mode");
        QTest::newRow("pan wins") << 3 << true << true << true << QStringLiteral("Pan Mode");
        QTest::newRow("neither") << 5 << false << false << false << QStringLiteral("Zoom Mode");
    }
    void modeLabels()
    {
        QFETCH(int, slot);
        QFETCH(bool, pan);
        QFETCH(bool, zoom);
        QFETCH(bool, shown);
        QFETCH(QString, text);
        auto host = makeHost(8);
        Dialog d(host.get(), nullptr, false);
        const QString n = QString::number(slot + 1);
        auto *axesLabel = d.findChild<QLabel *>(QStringLiteral("lblAxes%1Mode").arg(n));
        auto *plotLabel = d.findChild<QLabel *>(QStringLiteral("lblPlot%1Mode").arg(n));
        QVERIFY(axesLabel->isHidden() && plotLabel->isHidden());
        // Every slot was zoomed before, so the earlier state shows.
        A::turnPanZoomModeLabelsOn(d, slot, false, true);
        A::turnPanZoomModeLabelsOn(d, slot, pan, zoom);
        QCOMPARE(!axesLabel->isHidden(), shown);
        QCOMPARE(!plotLabel->isHidden(), shown);
        QCOMPARE(axesLabel->text(), text);
        QCOMPARE(plotLabel->text(), text);
        const int other = slot == 0 ? 1 : slot - 1;
        QVERIFY(d.findChild<QLabel *>(QStringLiteral("lblPlot%1Mode").arg(other + 1))->isHidden());
    }

    // The validators only keep letters out: the dialog owns them, and they
    // leave the ranges to the editing slots and the checks.
    void validators()
    {
        auto host = makeHost(1);
        Dialog d(host.get(), nullptr, false);
        QLineEdit *fields[] = {A::ui(d)->lineEditScreenRefreshRate,
                               A::ui(d)->lineEditScreenRefreshInterval,
                               A::ui(d)->lineEditDataSampleRate,
                               A::ui(d)->lineEditDataSampleInterval, A::ui(d)->lineEditDataStorage};
        for (int i = 0; i < 5; ++i) {
            QDoubleValidator *v = A::validator(d, i);
            QVERIFY(v);
            QCOMPARE(v->parent(), &d);
            QCOMPARE(fields[i]->validator(), v);
            QVERIFY(std::isinf(v->bottom()) && v->bottom() < 0);
            QVERIFY(std::isinf(v->top()) && v->top() > 0);
            QCOMPARE(v->decimals(), 1000);
            QCOMPARE(v->notation(), QDoubleValidator::ScientificNotation);
        }
    }

    // Operations: a graph number selects that graph's tab, "A" the All tab;
    // then "+" adds and "-" deletes. Tabs are listed without "All". The lock is
    // pan bits, or "z" and zoom bits.
    void addDelete_data()
    {
        QTest::addColumn<int>("graphs");
        QTest::addColumn<QString>("lock");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("tabsAfterEachStep");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<int>("signalCount");
        QTest::addColumn<QString>("currentTab");
        QTest::addColumn<QString>("boxTitle");
        QTest::addColumn<QString>("boxText");
        auto row = [](const char *name, int graphs, const QString &lock, const QStringList &steps,
                      const QStringList &tabs, const char *visible, int signalCount,
                      const char *current, const QString &boxTitle = QString(),
                      const QString &boxText = QString()) {
            QTest::newRow(name) << graphs << lock << steps << tabs << QString::fromLatin1(visible)
                                << signalCount << QString::fromLatin1(current) << boxTitle
                                << boxText;
        };
        row("delete a middle graph", 5, "", {"3-"}, {"1245"}, "11011000", 1, "Graph 4");
        row("delete, then add it back", 5, "", {"3-", "2+"}, {"1245", "12345"}, "11111000", 2,
            "Graph 2");
        row("add fills the gap after the current graph", 5, "", {"3-", "1+"}, {"1245", "12345"},
            "11111000", 2, "Graph 1");
        row("add after the last graph", 3, "", {"3+"}, {"1234"}, "11110000", 1, "Graph 3");
        row("add skips shown graphs", 5, "", {"2-", "4+"}, {"1345", "13456"}, "10111100", 2,
            "Graph 4");
        row("only earlier graphs hidden: first hidden", 8, "", {"2-", "5-", "8+", "8+"},
            {"1345678", "134678", "1234678", "12345678"}, "11111111", 4, "Graph 8");
        row("no graphs: graph 1 stays and can be added", 0, "", {"1+"}, {"1"}, "10000000", 1,
            "Graph 1");
        row("delete on All", 3, "", {"A-"}, {"123"}, "11100000", 1, "All");
        row("add on All", 3, "", {"A+"}, {"123"}, "11100000", 0, "All");
        row("delete graph 1 refused", 3, "", {"1-"}, {"123"}, "11100000", 1, "Graph 1",
            "One Graph is Minimum",
            "There must be atleast 1 graph shown.\n\nA delete is not applicable now.");
        row("add with eight shown refused", 8, "", {"5+"}, {"12345678"}, "11111111", 0, "Graph 5",
            "Eight Graphs is Max", "The application only supports showing 8 graphs.");
        row("add while panned", 3, "00100000", {"3+"}, {"123"}, "11100000", 0, "Graph 3");
        row("delete while zoomed", 3, "z10000000", {"2-"}, {"123"}, "11100000", 0, "Graph 2");
    }
    void addDelete()
    {
        QFETCH(int, graphs);
        QFETCH(QString, lock);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, tabsAfterEachStep);
        QFETCH(QString, currentTab);
        QFETCH(QString, boxTitle);
        auto host = makeHost(graphs);
        Dialog d(host.get(), nullptr, false);
        const QString clear = QStringLiteral("00000000");
        const bool zoomed = lock.startsWith(QLatin1Char('z'));
        const QString lockBits = lock.isEmpty() ? clear : lock.mid(zoomed ? 1 : 0);
        showDialog(d, host.get(), zoomed ? clear : lockBits, zoomed ? lockBits : clear);
        Ui_Plot_Config_Dialog *ui = A::ui(d);
        QSignalSpy spy(&d, &Dialog::addDeleteGraphSignal);
        ModalAnswerer answerer;
        for (int i = 0; i < steps.size(); ++i) {
            const QString target =
                steps[i].at(0) == 'A' ? QStringLiteral("All") : "Graph " + steps[i].left(1);
            const int index = tabLabels(ui->plotConfigTabs).indexOf(target);
            QVERIFY2(index >= 0, qPrintable(target));
            ui->plotConfigTabs->setCurrentIndex(index);
            (steps[i].endsWith('+') ? A::addGraphAction(d) : A::deleteGraphAction(d))->trigger();
            QStringList expected;
            for (QChar c : tabsAfterEachStep[i])
                expected << "Graph " + QString(c);
            QCOMPARE(tabLabels(ui->axesConfigTabs), expected);
            QCOMPARE(tabLabels(ui->plotConfigTabs), QStringList("All") + expected);
        }
        QTEST(bitString(A::plotVisible(d)), "visible");
        QTEST(int(spy.count()), "signalCount");
        QCOMPARE(ui->plotConfigTabs->tabText(ui->plotConfigTabs->currentIndex()), currentTab);
        if (currentTab != QLatin1String("All"))
            QCOMPARE(ui->axesConfigTabs->tabText(ui->axesConfigTabs->currentIndex()), currentTab);
        QCOMPARE(answerer.count(), boxTitle.isEmpty() ? 0 : 1);
        if (boxTitle.isEmpty())
            return;
        const ModalAnswerer::Seen box = answerer.last();
        QCOMPARE(box.className, QStringLiteral("QMessageBox"));
        QCOMPARE(box.title, boxTitle);
        QTEST(box.text, "boxText");
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QVERIFY(!box.hasParent);
        const Qt::WindowFlags wanted = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
        QCOMPARE(box.flags & wanted, wanted);
        QVERIFY(!(box.flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
    }

    // What a host asks before re-showing the open dialog: only edits the
    // next Apply would write count, and an Apply settles them.
    void unappliedEdits_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("edited");
        QTest::newRow("nothing") << QString() << false;
        QTest::newRow("storage typed") << QStringLiteral("storage") << true;
        QTest::newRow("graph deleted") << QStringLiteral("delete") << true;
        QTest::newRow("new file name") << QStringLiteral("file") << false;
        QTest::newRow("storage typed, applied") << QStringLiteral("storage apply") << false;
    }
    void unappliedEdits()
    {
        QFETCH(QString, edit);
        QTest::qWait(600); // one Apply per 500 ms, process-wide
        auto host = makeHost(3);
        Dialog d(host.get(), nullptr, false);
        QVERIFY(!d.hasUnappliedEdits());
        showDialog(d, host.get());
        Ui_Plot_Config_Dialog *ui = A::ui(d);
        Plot_Screen_Info *const written = A::psi(d);
        if (edit.startsWith(QLatin1String("storage")))
            ui->lineEditDataStorage->setText(QStringLiteral("45"));
        if (edit == QLatin1String("delete")) {
            ui->plotConfigTabs->setCurrentIndex(3);
            A::deleteGraphAction(d)->trigger();
        }
        if (edit == QLatin1String("file"))
            d.setConfigFilename(QStringLiteral("/data/saved_as.json"));
        if (edit.endsWith(QLatin1String("apply"))) {
            QSignalSpy applied(&d, &Dialog::applyPressedSignal);
            QVERIFY(A::applyPressed(d));
            QCOMPARE(applied.count(), 1);
            delete applied.at(0).at(0).value<Plot_Screen_Info *>();
        } else {
            QCOMPARE(A::psi(d), written); // asking writes nothing the host sees
        }
        QTEST(d.hasUnappliedEdits(), "edited");
    }

    // At its smallest the dialog still shows its page tabs and every choice
    // of its lists whole.
    void readableAtMinimumSize()
    {
        auto host = makeHost(3);
        Dialog d(host.get(), nullptr, false);
        showDialog(d, host.get());
        d.resize(1, 1);
        Ui_Plot_Config_Dialog *ui = A::ui(d);
        for (int g = 0; g < 3; ++g) {
            ui->plotConfigTabs->setCurrentIndex(g + 1);
            QApplication::processEvents();
            for (QComboBox *list : {A::displayTypeCombos(d)[g], ui->cmbDataStorageUnits})
                QVERIFY2(list->width() >= list->sizeHint().width(), qPrintable(list->objectName()));
        }
        QVERIFY(ui->configTabs->tabBar()->width() >= ui->configTabs->tabBar()->sizeHint().width());
    }

    void addedGraphIsReset()
    {
        auto host = makeHost(4);
        Dialog d(host.get(), nullptr, false);
        showDialog(d, host.get());
        Ui_Plot_Config_Dialog *ui = A::ui(d);
        ui->cboDisplayType3->setCurrentIndex(2);
        ui->spinCometLength3->setValue(7);
        ui->radDatapointShowPlot3->setChecked(true);
        ui->radXYValuesShowPlot3->setChecked(true);
        A::xyVar(d)[2]->setRowCount(0);
        chooseVariables(A::xyVar(d)[3], {"XY", "XY"});
        ui->plotConfigTabs->setCurrentIndex(3);
        A::deleteGraphAction(d)->trigger();
        // A deleted graph keeps its settings while it is hidden.
        QCOMPARE(ui->cboDisplayType3->currentIndex(), 2);
        QCOMPARE(ui->spinCometLength3->value(), 7);
        ui->plotConfigTabs->setCurrentIndex(2);
        A::addGraphAction(d)->trigger();
        QCOMPARE(bitString(A::plotVisible(d)), QStringLiteral("11110000"));
        QCOMPARE(ui->cboDisplayType3->currentIndex(), 0);
        QCOMPARE(ui->spinCometLength3->value(), 0);
        QVERIFY(!ui->spinCometLength3->isEnabled());
        QVERIFY(ui->radDatapointHidePlot3->isChecked() && ui->radXYValuesHidePlot3->isChecked());
        QCOMPARE(A::xyVar(d)[2]->rowCount(), 1);

        // Adding graph 4 back keeps its two rows.
        ui->plotConfigTabs->setCurrentIndex(4);
        A::deleteGraphAction(d)->trigger();
        ui->plotConfigTabs->setCurrentIndex(3);
        A::addGraphAction(d)->trigger();
        QCOMPARE(A::xyVar(d)[3]->rowCount(), 2);
        QCOMPARE(A::getNumVarChannelsForPlot(d, 3), 2);
    }

    // The icon files the form names come first; where they are missing the
    // buttons show the icons the library carries, not none.
    void buttonIcons_data()
    {
        QTest::addColumn<bool>("statedFilesPresent");
        QTest::newRow("stated files missing") << false;
        QTest::newRow("stated files present") << true;
    }
    void buttonIcons()
    {
        QFETCH(bool, statedFilesPresent);
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString workDir = tmp.path() + QStringLiteral("/a/b/c");
        const QString actions =
            tmp.path() + QStringLiteral("/specs/qt/crystal_project/16x16/actions/");
        QVERIFY(QDir().mkpath(workDir) && QDir().mkpath(actions));
        const char *const files[] = {"ok.png", "apply.png", "cancel.png"};
        QImage stated(16, 16, QImage::Format_ARGB32);
        stated.fill(QColor(10, 20, 30));
        if (statedFilesPresent)
            for (const char *file : files)
                QVERIFY(stated.save(actions + QLatin1String(file), "PNG"));

        auto host = makeHost(1);
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir));
        Dialog d(host.get(), nullptr, false);
        QVERIFY(QDir::setCurrent(previous));
        Ui_Plot_Config_Dialog *ui = A::ui(d);
        const QPushButton *buttons[] = {ui->btnOk, ui->btnApply, ui->btnCancel};
        for (int i = 0; i < 3; ++i) {
            const QImage expected =
                statedFilesPresent
                    ? stated
                    : QImage(QStringLiteral(":/xy_plot_config/icons/") + QLatin1String(files[i]));
            QVERIFY2(!expected.isNull(), files[i]);
            const QImage shown = buttons[i]->icon().pixmap(16).toImage();
            QVERIFY2(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                         == expected.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     files[i]);
        }
    }
};

QTEST_MAIN(TstDialogShell)
#include "tst_dialog_shell.moc"

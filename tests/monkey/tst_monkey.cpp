// Seeded random walks over the dialog and the single-graph tab, invariants checked after every
// step. Seeds: XY_PLOT_MONKEY_SEED, XY_PLOT_MONKEY_TAB_SEED (comma lists); XY_PLOT_MONKEY_STEPS.
#include <QtTest>
#include <QtWidgets>

#include <memory>
#include <vector>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>
#include <plot_config_dialog/xy_plot_config_tab.h>

#include "support/dialog_access.h"
#include "support/modal_answerer.h"

namespace {

using A = XY_Plot_Config_Dialog_TestAccess;
const int GraphSlots = 8;
const QStringList catalogue{"AIR", "TEMP_1", "TEMP", "OIL", "N_ENG", "P_RAIL"};

QStringList overlayNames(int slot)
{
    return {QString(), QString::asprintf("G%d_X", slot + 1), "TIME"};
}

struct Rng : QRandomGenerator // the same walk for a seed on every platform
{
    using QRandomGenerator::QRandomGenerator;
    int below(int n) { return n <= 0 ? 0 : int(bounded(quint32(n))); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
};

// What users and hosts put into numeric and text fields.
QString randomText(Rng &rng)
{
    static const QStringList texts =
        QStringLiteral(
            "| |nan|inf|-inf|1e309|-0|0|4294967296|18446744073709551616|-1|11|10|3|0.5|"
            "1,5|0x10|33.3333|1e-320|50|20|100|30|7.25|-12,5|2e3|1.5e-3x|12 34|%1%2%n|"
            "<b>b</b>|'\";--|\u00d6l \u00b0C \u6e29\u5ea6|\u202e12|\U0001F600|\t\r\n\x01\x1b\x7f")
            .split(QLatin1Char('|'))
        + QStringList{QString(10000, QLatin1Char('9')), QString(QChar(0)) + '1',
                      QString(QChar(0xD800)) /* lone surrogate */};
    return texts.at(rng.below(texts.size()));
}

// A description as a host may hand it over: 0 to 8 graphs, sometimes fewer records than graphs
// (shown with fresh values). Axes vary little: the round trip tests cover them.
std::unique_ptr<Plot_Screen_Info> randomDescription(Rng &rng)
{
    std::unique_ptr<Plot_Screen_Info> info(new Plot_Screen_Info);
    info->numPlots = static_cast<unsigned long>(rng.chance(5) ? 0 : rng.between(1, GraphSlots));
    const int records = rng.chance(10) ? rng.between(0, int(info->numPlots)) : int(info->numPlots);
    info->plotAxisInfo.resize(records);
    const unsigned long intervals[] = {20, 33, 100, 1000, 10000, 10, 5, 0};
    info->screenRefreshInterval = intervals[rng.below(rng.chance(90) ? 5 : 8)];
    info->dataSampleInterval = intervals[rng.below(rng.chance(90) ? 6 : 8)];
    info->dataStorage = static_cast<unsigned long>(rng.between(30, 3600));
    info->dataUnits = static_cast<UnitType>(rng.below(3));
    info->title = randomText(rng);
    for (int g = 0; g < records; ++g) {
        Plot_Axis_Info &r = info->plotAxisInfo[g];
        for (Single_Axis_Info *axis : {&r.leftYAxis, &r.rightYAxis, &r.xAxis})
            axis->autoRange = rng.chance(50);
        r.numVarChannels = static_cast<unsigned long>(rng.between(0, 8));
        r.numOverlayChannels = static_cast<unsigned long>(rng.between(0, 8));
        for (int i = 0; i < 16; ++i) { // variables, then overlay channels
            Plot_Channel_Info &c = i < 8 ? r.varChannels[i] : r.overlayChannels[i - 8];
            const QStringList names = i < 8 ? catalogue : overlayNames(g);
            c.xVarName = rng.chance(90) ? names.at(rng.below(names.size())) : "UNKNOWN";
            c.yVarName = rng.chance(90) ? names.at(rng.below(names.size())) : "UNKNOWN";
            c.useLeftAxis = rng.chance(50);
        }
        r.displayType = rng.below(3);
        r.cometLength = rng.between(0, 99);
        r.showDatapoints = rng.chance(50);
        r.showXYValues = rng.chance(50);
        r.overlayFileName = rng.chance(30) ? QString::asprintf("/data/run%d.log", g) : QString();
    }
    return info;
}

// Empty when every row has the cells a fresh table of its kind gives a new row (an overview: a
// variable or an overlay row) and the row count is in bounds; otherwise what is wrong.
QString cellProblem(const Spreadsheet *table, bool overlayOverview = false)
{
    const auto classes = [](const Spreadsheet *t, int row) {
        QString names;
        for (int column = 0; column < t->columnCount(); ++column) {
            const QWidget *cell = t->cellWidget(row, column);
            names += QLatin1String(cell ? cell->metaObject()->className() : "-") + ',';
        }
        return names;
    };
    static QHash<int, QString> fresh;
    const int kind = table->spreadsheetKind(), rows = table->rowCount();
    if (!fresh.contains(kind * 2 + overlayOverview)) {
        Spreadsheet reference;
        reference.setSpreadsheetKind(kind);
        kind != Spreadsheet::AllGraphsKind ? reference.setRowCount(1)
        : overlayOverview                  ? reference.insertAllOverlayRow(0, 0)
                                           : reference.insertAllVarRow(0, 0);
        fresh.insert(kind * 2 + overlayOverview, classes(&reference, 0));
    }
    for (int row = 0; row < rows; ++row)
        if (classes(table, row) != fresh.value(kind * 2 + overlayOverview))
            return table->objectName() + QString::asprintf(" row %d: ", row) + classes(table, row);
    const bool fits = kind == Spreadsheet::YAxesKind   ? rows == 2
                      : kind == Spreadsheet::XAxisKind ? rows == 1
                                                       : kind == Spreadsheet::AllGraphsKind
                                                             || rows <= Spreadsheet::MaxChannelRows;
    return fits ? QString() : table->objectName() + QString::asprintf(" has %d rows", rows);
}

void addSeedRows(const char *variable, quint32 defaultSeed, int defaultSteps)
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    const int steps = qEnvironmentVariableIntValue("XY_PLOT_MONKEY_STEPS");
    QStringList seeds = qEnvironmentVariable(variable).split(',', Qt::SkipEmptyParts);
    for (const QString &seed : seeds.isEmpty() ? QStringList{QString::number(defaultSeed)} : seeds)
        QTest::newRow(qPrintable("seed " + seed.trimmed()))
            << seed.trimmed().toUInt() << (steps > 0 ? steps : defaultSteps);
}

class DialogWalk // over a dialog, acting as user and host at once
{
public:
    QString failure; // the first broken invariant

    explicit DialogWalk(quint32 seed)
        : m_rng(seed)
    {
        rebuild();
    }
    ~DialogWalk()
    {
        // Descriptions the host received outlive the dialog and stay readable.
        m_dialog.reset();
        for (const auto &received : m_received)
            (void)received->consistencyErrors();
    }

    // One user or host action, then the invariants: mostly editing, regularly graphs, show, Apply.
    int step()
    {
        // Text fields, combos, switches, spin boxes, rows, tabs, graphs, show, press, wait, repair.
        static const int weights[] = {23, 11, 8, 5, 6, 8, 10, 5, 12, 9, 3};
        static void (*const actions[])(DialogWalk &) = {[](DialogWalk &w) { w.addOrDeleteRow(); },
                                                        [](DialogWalk &w) { w.switchTab(); },
                                                        [](DialogWalk &w) { w.graphEntry(); },
                                                        [](DialogWalk &w) { w.show(); },
                                                        [](DialogWalk &w) { w.press(); },
                                                        [](DialogWalk &w) { w.waitOrRebuild(); },
                                                        [](DialogWalk &w) { w.repair(); }};
        int r = m_rng.below(100), kind = 0;
        while (r >= weights[kind])
            r -= weights[kind++];
        if (kind < 4)
            edit(kind);
        else
            actions[kind - 4](*this);
        checkInvariants();
        return kind;
    }

private:
    Rng m_rng;
    std::unique_ptr<Plot_Screen_Info> m_hostInfo;
    std::unique_ptr<XY_Plot_Config_Dialog> m_dialog;
    std::vector<std::unique_ptr<Plot_Screen_Info>> m_received;
    QHash<QString, QWidget *> m_widgets;
    // A description with no graphs clears bit 0 yet keeps the "Graph 1" tabs.
    bool m_graphOneTabWithoutBit = false;

    // A widget of the dialog by object name ("%1": the graph number), looked up once.
    template<class W = QWidget>
    W *find(const QString &name, int g = 0)
    {
        const QString full = QString(name).replace("%1", QString::number(g + 1));
        QWidget *&widget = m_widgets[full];
        if (!widget)
            widget = m_dialog->findChild<QWidget *>(full);
        return static_cast<W *>(widget);
    }
    void check(bool ok, const QString &what) // the first problem is kept
    {
        if (!ok && failure.isEmpty())
            failure = what;
    }

    void rebuild()
    {
        m_dialog.reset();
        m_widgets.clear();
        m_hostInfo = randomDescription(m_rng);
        m_dialog.reset(new XY_Plot_Config_Dialog(m_hostInfo.get(), nullptr, false));
        // The host owns every description it receives, keeps the latest few, deletes the others.
        QObject::connect(m_dialog.get(), &XY_Plot_Config_Dialog::applyPressedSignal,
                         [this](Plot_Screen_Info *info) {
                             m_received.emplace_back(info);
                             info->setProperty("xyMonkeyChecked", true);
                             checkDescription(*info, "emitted");
                             if (m_received.size() > 4)
                                 m_received.erase(m_received.begin());
                         });
        show();
    }
    void waitOrRebuild() { m_rng.below(180) == 0 ? rebuild() : QCoreApplication::processEvents(); }

    // Typing into fields (combo fields too), picking in combos, clicking check and radio buttons
    // and the tables' axis side buttons, spinning. Mostly what a user can reach.
    void edit(int kind)
    {
        const bool userOnly = m_rng.chance(85), visible = m_dialog->isVisible();
        QList<QWidget *> candidates;
        for (QWidget *w : m_dialog->findChildren<QWidget *>()) {
            const bool wanted =
                kind == 0 ? qobject_cast<QLineEdit *>(w)
                                && !qobject_cast<QAbstractSpinBox *>(w->parentWidget())
                : kind == 1 ? qobject_cast<QComboBox *>(w) != nullptr
                : kind == 2 ? qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)
                                  || (qobject_cast<QAbstractButton *>(w)
                                      && w->parentWidget()->inherits("IconButtonWidget"))
                            : qobject_cast<QSpinBox *>(w) != nullptr;
            if (wanted && !(userOnly && (!w->isEnabled() || (visible && !w->isVisible()))))
                candidates.append(w);
        }
        QWidget *w = candidates.value(m_rng.below(candidates.size()));
        if (auto *combo = qobject_cast<QComboBox *>(w)) // a variable selector can be emptied
            combo->setCurrentIndex(combo->parentWidget()->inherits("ZelVariable") && m_rng.chance(15)
                                       ? -1
                                       : m_rng.below(combo->count()));
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            button->click();
        else if (auto *spin = qobject_cast<QSpinBox *>(w))
            spin->setValue(m_rng.between(spin->minimum() - 5, spin->maximum() + 5));
        else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            edit->setText(randomText(m_rng));
            if (m_rng.chance(60))
                emit edit->editingFinished();
        }
    }

    void addOrDeleteRow() // in a channel table, through its menu
    {
        const int g = m_rng.below(GraphSlots);
        auto *table =
            find(m_rng.chance(60) ? "plot%1XYVarSpreadsheet" : "plot%1XYOverlaySpreadsheet", g);
        const QString text = m_rng.chance(55) ? "Add Row" : "Delete Row";
        for (QAction *entry : table->findChildren<QAction *>())
            if (entry->text() == text && entry->isEnabled())
                entry->trigger();
    }

    void switchTab()
    {
        auto *tabs = find<QTabWidget>(
            QStringList{"plotConfigTabs", "axesConfigTabs", "configTabs"}.at(m_rng.below(3)));
        tabs->setCurrentIndex(m_rng.below(tabs->count()));
    }

    void graphEntry() // the graph tab bar's menu entries, as the user picks them
    {
        const QString text = m_rng.chance(50) ? "Add Graph" : "Delete Graph";
        auto *tabs = find<QTabWidget>("plotConfigTabs");
        tabs->setCurrentIndex(m_rng.between(m_rng.chance(15) ? 0 : 1, tabs->count() - 1));
        for (QAction *entry : tabs->actions())
            if (entry->text() == text)
                entry->trigger();
        m_graphOneTabWithoutBit = m_graphOneTabWithoutBit && !A::plotVisible(*m_dialog).testBit(0);
    }

    void show()
    {
        m_hostInfo = randomDescription(m_rng);
        QBitArray locks[2] = {QBitArray(GraphSlots), QBitArray(GraphSlots)}; // pan, zoom
        for (QBitArray &bits : locks)
            if (m_rng.chance(12))
                bits.setBit(m_rng.below(GraphSlots));
        const auto area = static_cast<XY_Plot_Config_Dialog::DialogOpenArea>(m_rng.below(3));
        const int plotIndex = m_rng.below(qMax(1, int(m_hostInfo->numPlots)));
        m_dialog->show(m_hostInfo.get(), locks[0], locks[1], area, plotIndex);
        m_graphOneTabWithoutBit = m_hostInfo->numPlots == 0;
    }

    // Apply, OK, Cancel, the close button, Escape, or Apply without its double-press window.
    void press()
    {
        const int which = m_rng.below(12);
        const char *buttons[] = {"btnApply", "btnOk", "btnCancel", "btnApply", "btnOk"};
        if (which < 5)
            find<QPushButton>(buttons[which])->click();
        else if (which == 5)
            m_dialog->close();
        else if (which == 6)
            QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        else if (A::checkIfDataIsValid(*m_dialog))
            A::writeScreenInfoToDataStructure(*m_dialog);
    }

    // The user puts the channel and axis fields right, so that Apply gets through.
    void repair()
    {
        for (int g = 0; g < GraphSlots; ++g) {
            for (auto *selector : find("plot%1XYVarSpreadsheet", g)->findChildren<ZelVariable *>())
                selector->comboBox()->setCurrentIndex(m_rng.below(catalogue.size()));
            for (auto *pair :
                 find("graph%1YAxesSpreadsheet", g)->findChildren<LineEdit_LineEditWidget *>()) {
                pair->setLineEditText(0, "1"); // ranges 1 to n, 1 major and n minor ticks
                pair->setLineEditText(1, QString::number(m_rng.between(2, 10)));
            }
        }
    }

    // Engine checks the dialog cannot keep for what a user types (intervals, ranges that give no
    // finite number), and the graph 1 tab that a description with no graphs keeps.
    bool excuse(const QString &error) const
    {
        return error.startsWith("screenRefreshInterval:") || error.startsWith("dataSampleInterval:")
               || (error.contains(".range") && error.endsWith("not a finite number"))
               || (error.startsWith("numPlots: ") && m_graphOneTabWithoutBit);
    }

    void checkDescription(const Plot_Screen_Info &info, const char *how)
    {
        const int shown = A::plotVisible(*m_dialog).count(true),
                  tabs = find<QTabWidget>("plotConfigTabs")->count() - 1;
        check(info.plotAxisInfo.size() == shown && int(info.numPlots) == tabs,
              QString("%1 description for %2 graphs, %3 tabs").arg(how).arg(shown).arg(tabs));
        for (const QString &error : info.consistencyErrors())
            check(excuse(error), how + QString(" description is inconsistent: ") + error);
    }

    void checkInvariants()
    {
        // The "All" tab writes one unvalidated, yet as consistent as Apply's (marked when checked).
        Plot_Screen_Info *current = A::psi(*m_dialog);
        if (current && !current->property("xyMonkeyChecked").toBool()) {
            current->setProperty("xyMonkeyChecked", true);
            checkDescription(*current, "written");
        }
        // Tabs and bits agree, in slot order, each tab on its own page.
        const QBitArray &visible = A::plotVisible(*m_dialog);
        auto *graphs = find<QTabWidget>("plotConfigTabs"),
             *axes = find<QTabWidget>("axesConfigTabs");
        const auto entry = [](QTabWidget *t, int i) {
            return t->tabText(i) + ' ' + (t->widget(i) ? t->widget(i)->objectName() : "-");
        };
        QString expected = "All", shown = graphs->tabText(0);
        for (int g = 0; g < GraphSlots; ++g)
            if (visible.testBit(g) || (g == 0 && m_graphOneTabWithoutBit))
                expected += QString(",Graph %1 plot%1Tab Graph %1 graphAxes%1").arg(g + 1);
        for (int i = 1; i < qMax(graphs->count(), axes->count() + 1); ++i)
            shown += ',' + entry(graphs, i) + ' ' + entry(axes, i - 1);
        if (shown != expected)
            return check(false, "tabs " + shown + " instead of " + expected);

        // Every table, shown or not, has the cells of its kind in every row.
        QString cells = cellProblem(find<Spreadsheet>("plotAllVarSpreadsheet"))
                        + cellProblem(find<Spreadsheet>("plotAllOverlaySpreadsheet"), true);
        for (int g = 0; g < GraphSlots; ++g) {
            for (const char *table : {"graph%1YAxesSpreadsheet", "graph%1XAxisSpreadsheet",
                                      "plot%1XYVarSpreadsheet", "plot%1XYOverlaySpreadsheet"})
                cells += cellProblem(find<Spreadsheet>(table, g));
            // Never both switches of a pair; exactly one for a shown graph.
            for (const QString pair : {"radDatapoint", "radXYValues"}) {
                const bool show = find<QRadioButton>(pair + "ShowPlot%1", g)->isChecked(),
                           hide = find<QRadioButton>(pair + "HidePlot%1", g)->isChecked();
                check(!(show && hide) && !(visible.testBit(g) && show == hide),
                      QString("graph %1: both or none of %2").arg(g + 1).arg(pair));
            }
        }
        check(cells.isEmpty(), cells);
        // Between steps no message box is open or thought open.
        check(!A::rateWarningShowing(*m_dialog), "a rate warning is still marked as showing");
        check(!QApplication::activeModalWidget(), "a modal window is still open");
    }
};

} // namespace

class tst_Monkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ZelVariable::setAvailableVariables(catalogue);
        for (int g = 0; g < PlotSingleton::NumSlots; ++g)
            PlotSingleton::replaceOverlayChannelNames(g, new QStringList(overlayNames(g)));
        new ModalAnswerer(this);
    }

    void dialogWalk_data() { addSeedRows("XY_PLOT_MONKEY_SEED", 1, 2000); }
    void dialogWalk()
    {
        QFETCH(quint32, seed);
        QFETCH(int, steps);
        DialogWalk walk(seed);
        int step = 0, kind = 0;
        while (step < steps && walk.failure.isEmpty())
            kind = walk.step(), ++step;
        QVERIFY2(walk.failure.isEmpty(),
                 qPrintable(QString::asprintf("step %d, action %d: ", step, kind) + walk.failure));
    }

    // The single-graph tab, its host following the display type: a dirty() per radio button that
    // changes, never both of a pair, a comet length only for a comet.
    void tabWalk_data() { addSeedRows("XY_PLOT_MONKEY_TAB_SEED", 7, 1500); }
    void tabWalk()
    {
        QFETCH(quint32, seed);
        QFETCH(int, steps);
        Rng rng(seed);
        XY_Plot_Config_Tab tab;
        tab.show();
        int dirty = 0;
        connect(&tab, &XY_Plot_Config_Tab::dirty, this, [&dirty]() { ++dirty; });
        QRadioButton *const radios[] = {tab.radDatapointShowPlot, tab.radDatapointHidePlot,
                                        tab.radXYValuesShowPlot, tab.radXYValuesHidePlot};
        const QList<QComboBox *> combos = tab.findChildren<QComboBox *>();
        bool typeHandled = false; // the form starts with the comet length editable
        for (int step = 0; step < steps; ++step) {
            const int kind = rng.below(4), before = dirty, b = rng.below(4);
            int expected = 0;
            if (kind < 2) { // a display type, or any choice, and the comet length
                QComboBox *combo =
                    kind ? tab.cboDisplayType : combos.value(rng.below(combos.size()));
                combo->setCurrentIndex(rng.between(-1, combo->count() - 1));
                tab.spinCometLength->setValue(rng.between(-10, 200));
                tab.handleDisplayTypeChange(tab.cboDisplayType->currentIndex());
                typeHandled = typeHandled || tab.cboDisplayType->currentIndex() >= 0;
            } else { // a click, or checking by key (the form starts with neither checked)
                expected = radios[b]->isChecked() ? 0 : radios[b ^ 1]->isChecked() ? 2 : 1;
                kind == 2 ? radios[b]->click() : radios[b]->setChecked(true);
            }
            const int type = tab.cboDisplayType->currentIndex();
            const QByteArray where = "step " + QByteArray::number(step);
            QVERIFY2(dirty - before == expected, where);
            for (int pair = 0; pair < 4; pair += 2)
                QVERIFY2(!radios[pair]->isChecked() || !radios[pair + 1]->isChecked(), where);
            if ((typeHandled && type >= 0) || type == DisplayComet)
                QVERIFY2(tab.spinCometLength->isEnabled() == (type == DisplayComet), where);
        }
    }
};

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"

// Seeded random walks over the dialog and the single-graph tab, invariants
// checked after every step; a failure names the seed and the step. ctest
// runs the seeds as entries side by side. More: XY_PLOT_MONKEY_SEED and
// XY_PLOT_MONKEY_TAB_SEED (comma lists), XY_PLOT_MONKEY_STEPS (length), e.g.
// XY_PLOT_MONKEY_SEED=1,2,3,20240517 XY_PLOT_MONKEY_TAB_SEED=7,8 (every entry's walks).
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <cmath>
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

// splitmix64: the same walk for a seed whatever the compiler or library.
struct Rng
{
    quint64 state;
    quint64 next()
    {
        quint64 z = (state += Q_UINT64_C(0x9E3779B97F4A7C15));
        z = (z ^ (z >> 30)) * Q_UINT64_C(0xBF58476D1CE4E5B9);
        z = (z ^ (z >> 27)) * Q_UINT64_C(0x94D049BB133111EB);
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template<class T>
    T pick(const QList<T> &list)
    {
        return list.at(below(list.size()));
    }
};

// What users and hosts put into numeric and text fields.
QString randomText(Rng &rng)
{
    static const QStringList hostile =
        QStringLiteral("| |   |nan|inf|-inf|1e309|-0|0|4294967296|18446744073709551616|-1|"
                       "2147483648|11|10|3|0.5|1,5|0x10|33.3333|1e-320|50|20|100|30|%1%2%n|"
                       "<b>b</b>|'\";--|\u00d6ltemp \u00b0C \u2206p \u6e29\u5ea6|\u202e12|"
                       "\t\r\n\x01\x1b\x7f")
            .split(QLatin1Char('|'))
        + QStringList{QString(10000, QLatin1Char('9')), QString::fromUcs4(U"\U0001F600"),
                      QString(QChar(0)) + '1', QString(QChar(0xD800)) /* lone surrogate */};
    if (rng.chance(60))
        return rng.pick(hostile);
    static const QString alphabet =
        QStringLiteral("0123456789.,-+eE xyzAB#;\t\u00e4\u00df\u20ac\u6e29");
    QString text;
    for (int i = 0, n = rng.below(24); i < n; ++i)
        text.append(alphabet.at(rng.below(alphabet.size())));
    return text;
}

QStringList catalogue()
{
    return {"AIR", "TEMP_1", "TEMP", "OIL", "N_ENG", "P_RAIL"};
}
QStringList overlayNames(int slot)
{
    return {QString(), QString::asprintf("G%d_X", slot + 1), "TIME"};
}

Single_Axis_Info randomAxis(Rng &rng)
{
    Single_Axis_Info a;
    a.axisColorName = rng.pick(QStringList{"#000000", "#ff0000", "#12ab9f", "#00FF00"});
    a.gridColorName = a.axisColorName;
    a.rangeMin = rng.between(-1000, 1000) / 4.0;
    a.rangeMax = a.rangeMin + rng.between(0, 4000);
    a.autoRange = rng.chance(50);
    a.numMajorTicks = static_cast<unsigned long>(rng.between(1, 10));
    a.numMinorTicks = static_cast<unsigned long>(rng.between(0, 10));
    a.label = rng.chance(80) ? QString::asprintf("Axis %d", rng.below(100)) : randomText(rng);
    a.gridLineStyle = indexToLineStyle(rng.below(4));
    a.gridLineWidth = rng.between(0, 5);
    a.gridVisible = rng.chance(50);
    return a;
}

// A description as a host may hand it over: 0 to 8 graphs, sometimes fewer
// records than graphs (the dialog shows such a graph with fresh values).
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
    // A channel row, its colour, style and side taken from a random axis.
    const auto channel = [&rng](const QStringList &names) {
        const Single_Axis_Info axis = randomAxis(rng);
        Plot_Channel_Info c;
        c.xVarName = rng.chance(90) ? rng.pick(names) : QStringLiteral("UNKNOWN");
        c.yVarName = rng.chance(90) ? rng.pick(names) : QStringLiteral("UNKNOWN");
        c.useLeftAxis = axis.autoRange;
        c.lineColor = QColor(axis.axisColorName);
        c.lineStyle = axis.gridLineStyle;
        c.lineWidth = rng.between(0, 10);
        return c;
    };
    for (int g = 0; g < records; ++g) {
        Plot_Axis_Info &r = info->plotAxisInfo[g];
        r.leftYAxis = randomAxis(rng);
        r.rightYAxis = randomAxis(rng);
        r.xAxis = randomAxis(rng);
        r.numVarChannels = static_cast<unsigned long>(rng.between(0, 8));
        for (unsigned long i = 0; i < r.numVarChannels; ++i)
            r.varChannels[i] = channel(catalogue());
        r.numOverlayChannels = static_cast<unsigned long>(rng.between(0, 8));
        for (unsigned long i = 0; i < r.numOverlayChannels; ++i)
            r.overlayChannels[i] = channel(overlayNames(g));
        r.displayType = rng.below(3);
        r.cometLength = rng.between(0, 99);
        r.showDatapoints = rng.chance(50);
        r.showXYValues = rng.chance(50);
        r.overlayFileName = rng.chance(30) ? QString::asprintf("/data/run%d.log", g) : QString();
    }
    return info;
}

QString rowClasses(const Spreadsheet *table, int row)
{
    QString classes;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QWidget *cell = table->cellWidget(row, column);
        classes += QLatin1String(cell ? cell->metaObject()->className() : "-") + ',';
    }
    return classes;
}

// Empty when every row of the table has the cells that a fresh table of its
// kind gives a new row (an overview: a variable or an overlay row);
// otherwise what is wrong.
QString cellProblem(const Spreadsheet *table, bool overlayOverview = false)
{
    static QHash<int, QString> fresh;
    const int key = table->spreadsheetKind() * 2 + int(overlayOverview);
    if (!fresh.contains(key)) {
        Spreadsheet reference;
        reference.setSpreadsheetKind(table->spreadsheetKind());
        if (table->spreadsheetKind() != Spreadsheet::AllGraphsKind)
            reference.setRowCount(1);
        else
            overlayOverview ? reference.insertAllOverlayRow(0, 0) : reference.insertAllVarRow(0, 0);
        fresh.insert(key, rowClasses(&reference, 0));
    }
    for (int row = 0; row < table->rowCount(); ++row)
        if (rowClasses(table, row) != fresh.value(key))
            return table->objectName() + QString::asprintf(" row %d: ", row)
                   + rowClasses(table, row);
    return QString();
}

void addSeedRows(const char *variable, quint64 defaultSeed, int defaultSteps)
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("steps");
    QList<quint64> seeds;
    for (const QString &part : qEnvironmentVariable(variable).split(',', Qt::SkipEmptyParts))
        seeds.append(part.trimmed().toULongLong());
    const int steps = qEnvironmentVariableIntValue("XY_PLOT_MONKEY_STEPS");
    for (quint64 seed : seeds.isEmpty() ? QList<quint64>{defaultSeed} : seeds)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed)))
            << seed << (steps > 0 ? steps : defaultSteps);
}

// Adds or deletes a row through the table's menu entry, when it is enabled.
// False when the table has no such entry.
bool addOrDeleteRowIn(Spreadsheet *table, Rng &rng)
{
    const QString text = rng.chance(55) ? "Add Row" : "Delete Row";
    for (QAction *entry : table->findChildren<QAction *>()) {
        if (entry->text() == text && entry->isEnabled())
            entry->trigger();
        if (entry->text() == text)
            return true;
    }
    return false;
}

// A logger file and a file that is not one, for the overlay buttons.
struct OverlayFiles
{
    QTemporaryDir dir;
    QString good = write("run.log", "time;N_ENG;\"P_RAIL\"\n0;800;1.5\n");
    QString bad = write("notes.txt", "not a logger file\n");
    QString write(const char *name, const QByteArray &content)
    {
        QFile file(dir.filePath(QLatin1String(name)));
        return file.open(QIODevice::WriteOnly) && file.write(content) ? file.fileName() : "";
    }
    QString byChoice(int choice) const { return choice == 0 ? good : choice == 1 ? bad : ""; }
};

// The widgets of one graph slot, found by their object names.
struct GraphWidgets
{
    Spreadsheet *tables[4]; // Y axes, X axis, variables, overlay
    QComboBox *type;
    QSpinBox *comet;
    QRadioButton *radios[4]; // data points show/hide, XY values show/hide
    QPushButton *overlayButton;
};

// One walk over a dialog, acting as user and host at once.
class DialogWalk
{
public:
    DialogWalk(quint64 seed, ModalAnswerer *answerer, const OverlayFiles *files)
        : m_rng{seed}
        , m_answerer(answerer)
        , m_files(files)
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

    QString action, failure; // what the current step did, the first broken invariant

    // One user or host action, then the invariants.
    void step()
    {
        // Weights: mostly editing, regularly the graph, show and Apply paths.
        // clang-format off
        enum { Type, Combo, Toggle, Spin, Row, Tab, AddGraph, DeleteGraph, Show, WriteBack, Press,
               OverlayFile, Rebuild, Events, Repair };
        // clang-format on
        static const int weights[] = {23, 11, 8, 5, 6, 8, 5, 5, 4, 5, 7, 1, 1, 8, 3};
        int r = m_rng.below(100), kind = 0;
        while (r >= weights[kind])
            r -= weights[kind++];
        action = QString::asprintf("step kind %d", kind);
        switch (kind) {
        case Type:
            typeIntoLineEdit();
            break;
        case Combo:
            if (QComboBox *combo = randomWidget<QComboBox>()) {
                // A variable selector can be emptied; other combos always hold a choice.
                const bool selector = combo->parentWidget()->inherits("ZelVariable");
                const int index = selector && m_rng.chance(15) ? -1 : m_rng.below(combo->count());
                action = QString::asprintf("combo %s -> %d", qPrintable(path(combo)), index);
                combo->setCurrentIndex(index);
            }
            break;
        case Toggle:
            // Check and radio buttons, and the axis side buttons of the tables.
            if (QAbstractButton *button = randomWidget<QAbstractButton>([](QAbstractButton *b) {
                    return qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b)
                           || b->parentWidget()->inherits("IconButtonWidget");
                })) {
                action = "toggle " + path(button);
                button->click();
            }
            break;
        case Spin:
            if (QSpinBox *spin = randomWidget<QSpinBox>()) {
                action = "spin " + path(spin);
                if (m_rng.chance(50)) {
                    spin->setValue(m_rng.between(spin->minimum() - 5, spin->maximum() + 5));
                } else {
                    spin->selectAll();
                    QTest::keyClicks(spin, typeable(randomText(m_rng)).left(12));
                    QTest::keyClick(spin, Qt::Key_Return);
                }
            }
            break;
        case Row: {
            Spreadsheet *table = m_graphs[m_rng.below(GraphSlots)].tables[m_rng.chance(60) ? 2 : 3];
            action = "row in " + table->objectName();
            if (!addOrDeleteRowIn(table, m_rng))
                fail(table->objectName() + " has no row action");
            break;
        }
        case Tab: {
            QTabWidget *t = m_tabs[m_rng.below(3)];
            t->setCurrentIndex(m_rng.below(t->count()));
            break;
        }
        case AddGraph:
        case DeleteGraph: {
            // The graph tab bar's menu entries, as the user picks them.
            QTabWidget *tabs = m_tabs[0];
            tabs->setCurrentIndex(m_rng.between(m_rng.chance(15) ? 0 : 1, tabs->count() - 1));
            const QString text = kind == AddGraph ? "Add Graph" : "Delete Graph";
            action = QString::asprintf("%s at tab %d", qPrintable(text), tabs->currentIndex());
            const QBitArray before = A::plotVisible(*m_dialog);
            for (QAction *entry : tabs->actions())
                if (entry->text() == text)
                    entry->trigger();
            const QBitArray &after = A::plotVisible(*m_dialog);
            m_typeHandled |= after & ~before;
            m_graphOneTabWithoutBit = m_graphOneTabWithoutBit && !after.testBit(0);
            break;
        }
        case Show:
            showDescription();
            break;
        case WriteBack: // Apply without its double-press window
            if (A::checkIfDataIsValid(*m_dialog))
                A::writeScreenInfoToDataStructure(*m_dialog);
            break;
        case Press: { // Apply, OK, Cancel, the close button or Escape
            const int which = m_rng.below(7) % 5;
            action = QString::asprintf("press %d, locked %d", which, m_locked);
            if (which < 3)
                m_buttons[which]->click();
            else if (which == 3)
                m_dialog->close();
            else
                QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
            break;
        }
        case OverlayFile: {
            const int slot = m_rng.below(GraphSlots), choice = m_rng.below(3);
            action = QString::asprintf("overlay file %d for graph %d", choice, slot + 1);
            if (m_graphs[slot].overlayButton->isEnabled()) {
                m_answerer->queueFile(m_files->byChoice(choice));
                m_graphs[slot].overlayButton->click();
            }
            break;
        }
        case Rebuild: // now and then the host throws the dialog away and builds a new one
            if (m_rng.chance(5)) {
                rebuild();
                break;
            }
            Q_FALLTHROUGH();
        case Events:
            QCoreApplication::processEvents();
            break;
        case Repair:
            repair();
            break;
        }
        checkInvariants();
    }

    // QTest types printable ASCII only; other characters reach the fields through setText.
    static QString typeable(const QString &text)
    {
        QString keys;
        for (QChar c : text)
            if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
                keys.append(c);
        return keys;
    }

private:
    Rng m_rng;
    ModalAnswerer *m_answerer;
    const OverlayFiles *m_files;
    std::unique_ptr<Plot_Screen_Info> m_hostInfo;
    std::unique_ptr<XY_Plot_Config_Dialog> m_dialog;
    std::vector<std::unique_ptr<Plot_Screen_Info>> m_received;
    GraphWidgets m_graphs[GraphSlots];
    QTabWidget *m_tabs[3];      // graphs, axes, pages
    QPushButton *m_buttons[3];  // Apply, OK, Cancel
    Spreadsheet *m_overview[2]; // the "All" tab's variables and overlay channels
    bool m_locked = false;      // the last show had a pan or zoom bit
    // A loaded description with no graphs clears bit 0 yet keeps the
    // "Graph 1" tabs, until graph 1 is added again.
    bool m_graphOneTabWithoutBit = false;
    // Graphs whose display type rule has run (a change of the combo, or an
    // added graph): the form starts with the comet length editable under
    // "Full Trace", and a load that keeps the index announces nothing.
    QBitArray m_typeHandled{GraphSlots};

    void fail(const QString &what) // the first problem is kept
    {
        if (failure.isEmpty())
            failure = what;
    }
    template<class W>
    W *named(const char *name, int g = 0)
    {
        W *w = m_dialog->findChild<W *>(QString::asprintf(name, g + 1));
        if (!w)
            fail(QString::asprintf("no widget %s", name));
        return w;
    }

    void rebuild()
    {
        action = "rebuild the dialog";
        m_dialog.reset();
        m_hostInfo = randomDescription(m_rng);
        m_dialog.reset(new XY_Plot_Config_Dialog(m_hostInfo.get(), nullptr, false));
        QObject::connect(m_dialog.get(), &XY_Plot_Config_Dialog::applyPressedSignal,
                         [this](Plot_Screen_Info *info) { received(info); });
        const char *tabs[] = {"plotConfigTabs", "axesConfigTabs", "configTabs"};
        const char *buttons[] = {"btnApply", "btnOk", "btnCancel"};
        for (int i = 0; i < 3; ++i) {
            m_tabs[i] = named<QTabWidget>(tabs[i]);
            m_buttons[i] = named<QPushButton>(buttons[i]);
        }
        m_overview[0] = named<Spreadsheet>("plotAllVarSpreadsheet");
        m_overview[1] = named<Spreadsheet>("plotAllOverlaySpreadsheet");
        m_typeHandled.fill(false);
        for (int g = 0; g < GraphSlots; ++g) {
            m_graphs[g] = {{named<Spreadsheet>("graph%dYAxesSpreadsheet", g),
                            named<Spreadsheet>("graph%dXAxisSpreadsheet", g),
                            named<Spreadsheet>("plot%dXYVarSpreadsheet", g),
                            named<Spreadsheet>("plot%dXYOverlaySpreadsheet", g)},
                           named<QComboBox>("cboDisplayType%d", g),
                           named<QSpinBox>("spinCometLength%d", g),
                           {named<QRadioButton>("radDatapointShowPlot%d", g),
                            named<QRadioButton>("radDatapointHidePlot%d", g),
                            named<QRadioButton>("radXYValuesShowPlot%d", g),
                            named<QRadioButton>("radXYValuesHidePlot%d", g)},
                           named<QPushButton>("btnOverlayFile%d", g)};
            QObject::connect(m_graphs[g].type, QOverload<int>::of(&QComboBox::currentIndexChanged),
                             [this, g](int) { m_typeHandled.setBit(g); });
        }
        showDescription();
    }

    // Mostly what a user can reach (enabled, and shown when the dialog is);
    // sometimes anything, as a host or script may.
    template<class W>
    W *randomWidget(bool (*usable)(W *) = nullptr)
    {
        QList<W *> candidates;
        const bool userOnly = m_rng.chance(85);
        for (W *w : m_dialog->findChildren<W *>())
            if ((!usable || usable(w))
                && !(userOnly && (!w->isEnabled() || (m_dialog->isVisible() && !w->isVisible()))))
                candidates.append(w);
        return candidates.isEmpty() ? nullptr : m_rng.pick(candidates);
    }
    static QString path(QWidget *w)
    {
        return w->parentWidget()->objectName() + '/' + w->objectName();
    }

    void typeIntoLineEdit()
    {
        // Spin boxes have their own action; combo fields are typed into.
        QLineEdit *edit = randomWidget<QLineEdit>(
            [](QLineEdit *e) { return !qobject_cast<QAbstractSpinBox *>(e->parentWidget()); });
        if (!edit)
            return;
        const QString text = randomText(m_rng);
        action =
            QString::asprintf("type %d chars into %s", int(text.size()), qPrintable(path(edit)));
        QPointer<QLineEdit> guard(edit);
        if (text.size() <= 24 && m_rng.chance(30) && m_dialog->isVisible()) {
            // Real keys: the validator has its say, Return ends the edit.
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, typeable(text));
            if (guard)
                QTest::keyClick(edit, Qt::Key_Return);
        } else {
            edit->setText(text);
            if (m_rng.chance(60))
                emit edit->editingFinished();
        }
    }

    void showDescription()
    {
        m_hostInfo = randomDescription(m_rng);
        QBitArray locks[2] = {QBitArray(GraphSlots), QBitArray(GraphSlots)}; // pan, zoom
        for (QBitArray &bits : locks)
            if (m_rng.chance(12))
                bits.setBit(m_rng.below(GraphSlots));
        const auto area = static_cast<XY_Plot_Config_Dialog::DialogOpenArea>(m_rng.below(3));
        const int plotIndex = m_rng.below(qMax(1, int(m_hostInfo->numPlots)));
        action = QString::asprintf("show %d graphs (%d records), area %d graph %d",
                                   int(m_hostInfo->numPlots), int(m_hostInfo->plotAxisInfo.size()),
                                   int(area), plotIndex);
        m_dialog->show(m_hostInfo.get(), locks[0], locks[1], area, plotIndex);
        m_locked = locks[0].count(true) + locks[1].count(true) > 0;
        m_graphOneTabWithoutBit = m_hostInfo->numPlots == 0;
    }

    // The user puts every checked field right, so that Apply gets through.
    void repair()
    {
        action = "repair";
        for (int g = 0; g < GraphSlots; ++g) {
            Spreadsheet *vars = m_graphs[g].tables[2], *yAxes = m_graphs[g].tables[0];
            for (int r = 0; r < vars->rowCount(); ++r)
                for (int c = 0; c < 2; ++c)
                    if (auto *selector = qobject_cast<ZelVariable *>(vars->cellWidget(r, c)))
                        selector->comboBox()->setCurrentIndex(m_rng.below(catalogue().size()));
            for (int row = 0; row < 2; ++row) {
                const QString texts[] = {"-10", "250.5", QString::number(m_rng.between(1, 10)),
                                         QString::number(m_rng.between(0, 10))};
                for (int field = 0; field < 4; ++field)
                    if (auto *pair = qobject_cast<LineEdit_LineEditWidget *>(
                            yAxes->cellWidget(row, 3 + field / 2)))
                        pair->setLineEditText(field % 2, texts[field]);
            }
        }
        const QStringList fields{"ScreenRefreshInterval", "ScreenRefreshRate", "DataSampleInterval",
                                 "DataSampleRate", "DataStorage"};
        const QStringList values{"100", "10", "20", "50", QString::number(m_rng.between(30, 7200))};
        for (int i = 0; i < 5; ++i)
            named<QLineEdit>(qPrintable("lineEdit" + fields[i]))->setText(values[i]);
        named<QComboBox>("cmbDataStorageUnits")->setCurrentIndex(0);
    }

    void received(Plot_Screen_Info *info)
    {
        // The host owns every description it receives, keeps the latest few
        // and deletes the others.
        m_received.emplace_back(info);
        info->setProperty("xyMonkeyChecked", true);
        checkDescription(*info, "emitted");
        if (m_received.size() > 4)
            m_received.erase(m_received.begin());
    }

    // Engine checks the dialog cannot guarantee for what a user may type
    // (range and interval texts that give no finite number or no whole
    // millisecond), and the graph 1 tab a description with no graphs keeps.
    bool excuse(const QString &error)
    {
        if (error.endsWith("not a finite number") && error.contains(".range"))
            return true;
        const bool refresh = error.startsWith("screenRefreshInterval:");
        if (refresh || error.startsWith("dataSampleInterval:")) {
            bool ok = false;
            const double value = named<QLineEdit>(refresh ? "lineEditScreenRefreshInterval"
                                                          : "lineEditDataSampleInterval")
                                     ->text()
                                     .toDouble(&ok);
            return !(ok && std::isfinite(value) && value >= 0.5 && value < 1.8e19);
        }
        return error.startsWith("numPlots: ") && m_graphOneTabWithoutBit;
    }

    void checkDescription(const Plot_Screen_Info &info, const char *how)
    {
        const int shown = A::plotVisible(*m_dialog).count(true);
        if (info.plotAxisInfo.size() != shown || int(info.numPlots) != m_tabs[0]->count() - 1)
            fail(QString::asprintf("%s description: %d records, numPlots %d, %d shown, %d tabs",
                                   how, int(info.plotAxisInfo.size()), int(info.numPlots), shown,
                                   m_tabs[0]->count() - 1));
        for (const QString &error : info.consistencyErrors())
            if (!excuse(error))
                fail(QString::asprintf("%s description is inconsistent: ", how) + error);
    }

    void checkInvariants()
    {
        XY_Plot_Config_Dialog &d = *m_dialog;
        // The "All" tab writes a description without validation; it must be
        // as consistent as one that Apply hands out. A checked description
        // is marked, since a new one may take the address of the one it replaced.
        Plot_Screen_Info *current = A::psi(d);
        if (current && !current->property("xyMonkeyChecked").toBool()) {
            current->setProperty("xyMonkeyChecked", true);
            checkDescription(*current, "written");
        }
        const QBitArray &visible = A::plotVisible(d);
        if (visible.size() != GraphSlots)
            return fail(QString::asprintf("plotVisible has %d bits", int(visible.size())));

        // Tabs and bits agree, in slot order, each tab on its own page.
        QString expected = "All", shown = m_tabs[0]->tabText(0);
        for (int g = 0; g < GraphSlots; ++g)
            if (visible.testBit(g) || (g == 0 && m_graphOneTabWithoutBit))
                expected += QString::asprintf(",Graph %d plot%dTab Graph %d graphAxes%d", g + 1,
                                              g + 1, g + 1, g + 1);
        for (int i = 1; i < qMax(m_tabs[0]->count(), m_tabs[1]->count() + 1); ++i)
            shown += ',' + m_tabs[0]->tabText(i) + ' '
                     + (m_tabs[0]->widget(i) ? m_tabs[0]->widget(i)->objectName() : "-") + ' '
                     + m_tabs[1]->tabText(i - 1) + ' '
                     + (m_tabs[1]->widget(i - 1) ? m_tabs[1]->widget(i - 1)->objectName() : "-");
        if (shown != expected)
            return fail("tabs " + shown + " instead of " + expected);

        for (int g = 0; g < GraphSlots; ++g) {
            const GraphWidgets &w = m_graphs[g];
            // Every table, shown or not, has the cells of its kind in every
            // row; axes tables keep their rows, channel tables their limit.
            for (int t = 0; t < 4; ++t) {
                const int rows = w.tables[t]->rowCount();
                if (t < 2 ? rows != 2 - t : rows > Spreadsheet::MaxChannelRows)
                    fail(w.tables[t]->objectName() + QString::asprintf(" has %d rows", rows));
                fail(cellProblem(w.tables[t]));
            }
            // Only a comet has a length to edit.
            const int type = w.type->currentIndex();
            const bool spinOn = !w.comet->testAttribute(Qt::WA_Disabled);
            if ((m_typeHandled.testBit(g) && type >= 0 && spinOn != (type == DisplayComet))
                || (type == DisplayComet && !spinOn))
                fail(QString::asprintf("graph %d: comet length on %d for type %d", g + 1, spinOn,
                                       type));
            // Never both switches of a pair; exactly one for a shown graph.
            for (int pair = 0; pair < 4; pair += 2) {
                const bool show = w.radios[pair]->isChecked(),
                           hide = w.radios[pair + 1]->isChecked();
                if ((show && hide) || (visible.testBit(g) && show == hide))
                    fail(QString::asprintf("graph %d pair %d: show %d, hide %d", g + 1, pair, show,
                                           hide));
            }
        }
        fail(cellProblem(m_overview[0]));
        fail(cellProblem(m_overview[1], true));

        // A pan or zoom bit locks OK and Apply; nothing locks them otherwise.
        if (m_buttons[1]->isEnabled() == m_locked || m_buttons[0]->isEnabled() == m_locked)
            fail(QString::asprintf("OK/Apply enabled %d/%d while locked %d",
                                   m_buttons[1]->isEnabled(), m_buttons[0]->isEnabled(), m_locked));
        // Between steps no message box is open or thought open.
        if (A::rateWarningShowing(d))
            fail("a rate warning is still marked as showing");
        if (QWidget *modal = QApplication::activeModalWidget())
            fail("a modal window is still open: " + modal->windowTitle());
    }
};

} // namespace

class tst_Monkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ZelVariable::setAvailableVariables(catalogue());
        for (int g = 0; g < PlotSingleton::NumSlots; ++g)
            PlotSingleton::replaceOverlayChannelNames(g, new QStringList(overlayNames(g)));
        m_answerer = new ModalAnswerer(this);
        m_files.reset(new OverlayFiles);
        QVERIFY(m_files->dir.isValid());
    }

    void dialogWalk_data() { addSeedRows("XY_PLOT_MONKEY_SEED", 1, 2000); }
    void dialogWalk()
    {
        QFETCH(quint64, seed);
        QFETCH(int, steps);
        DialogWalk walk(seed, m_answerer, m_files.get());
        int step = 0;
        while (step < steps && walk.failure.isEmpty())
            walk.step(), ++step;
        QVERIFY2(walk.failure.isEmpty(), qPrintable(QString::asprintf("step %d, ", step)
                                                    + walk.action + ": " + walk.failure));
    }

    // The single-graph tab, with the host reacting to its display type and
    // overlay button as the dialog does.
    void tabWalk_data() { addSeedRows("XY_PLOT_MONKEY_TAB_SEED", 7, 1500); }
    void tabWalk()
    {
        QFETCH(quint64, seed);
        QFETCH(int, steps);
        Rng rng{seed};
        XY_Plot_Config_Tab tab;
        tab.show();
        int dirty = 0;
        connect(&tab, &XY_Plot_Config_Tab::dirty, this, [&dirty]() { ++dirty; });
        QRadioButton *const pairs[2][2] = {{tab.radDatapointShowPlot, tab.radDatapointHidePlot},
                                           {tab.radXYValuesShowPlot, tab.radXYValuesHidePlot}};
        // The form starts with the comet length editable; the rule applies from
        // the first display type the host hands on.
        bool typeHandled = false;
        for (int step = 0; step < steps; ++step) {
            const int kind = rng.below(7), before = dirty, seen = m_answerer->count();
            const QByteArray place = QByteArray::number(step) + " kind " + QByteArray::number(kind);
            const char *where = place.constData();
            int expectedDirty = 0, expectedModals = 0;
            if (kind == 0) {
                const int index = rng.between(-1, tab.cboDisplayType->count() - 1);
                tab.cboDisplayType->setCurrentIndex(index);
                tab.handleDisplayTypeChange(index);
                typeHandled = typeHandled || index >= 0;
            } else if (kind == 1) {
                QVERIFY(addOrDeleteRowIn(rng.chance(50) ? tab.plotXYVarSpreadsheet
                                                        : tab.plotXYOverlaySpreadsheet,
                                         rng));
            } else if (kind == 2) {
                QLineEdit *edit = rng.pick(tab.findChildren<QLineEdit *>());
                edit->setText(randomText(rng));
                emit edit->editingFinished();
            } else if (kind == 3) {
                QComboBox *combo = rng.pick(tab.findChildren<QComboBox *>());
                combo->setCurrentIndex(rng.below(combo->count()));
                tab.spinCometLength->setValue(rng.between(-10, 200));
            } else if (kind == 4 && rng.chance(20)) {
                // The file dialog, and the refusal of a file that is no log.
                const int choice = rng.below(3);
                expectedModals = choice == 1 ? 2 : 1;
                m_answerer->queueFile(m_files->byChoice(choice));
                tab.handleOverlayButtonSelection(rng.between(-1, 9));
                if (choice == 0)
                    QCOMPARE(tab.lblOverlayFilePlot->text(), QStringLiteral("run.log"));
            } else if (kind >= 5) {
                // A click, or checking by key: one dirty() per radio button of
                // the pair whose state changes (the form starts with neither checked).
                QRadioButton *const *pair = pairs[rng.below(2)];
                const int b = rng.below(2);
                expectedDirty = pair[b]->isChecked() ? 0 : pair[1 - b]->isChecked() ? 2 : 1;
                kind == 5 ? pair[b]->click() : pair[b]->setChecked(true);
            } else {
                QCoreApplication::processEvents();
            }
            typeHandled = typeHandled || (kind == 3 && tab.cboDisplayType->currentIndex() >= 0);
            if (kind == 3) // the host follows a changed display type
                tab.handleDisplayTypeChange(tab.cboDisplayType->currentIndex());
            QVERIFY2(dirty - before == expectedDirty && m_answerer->count() - seen == expectedModals,
                     where);
            for (auto &pair : pairs)
                QVERIFY2(!(pair[0]->isChecked() && pair[1]->isChecked()), where);
            const int type = tab.cboDisplayType->currentIndex();
            if ((typeHandled && type >= 0) || type == DisplayComet)
                QVERIFY2(tab.spinCometLength->isEnabled() == (type == DisplayComet), where);
            for (Spreadsheet *table : {tab.plotXYVarSpreadsheet, tab.plotXYOverlaySpreadsheet}) {
                QVERIFY2(cellProblem(table).isEmpty(), where);
                QVERIFY2(table->rowCount() <= Spreadsheet::MaxChannelRows, where);
            }
            QVERIFY2(!QApplication::activeModalWidget(), where);
        }
    }

private:
    ModalAnswerer *m_answerer = nullptr;
    std::unique_ptr<OverlayFiles> m_files;
};

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"

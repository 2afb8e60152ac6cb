// Seeded random walks over the configuration dialog and the single-graph
// tab: thousands of user and host actions per seed, with the dialog's
// invariants checked after every step. A failure names the seed and the
// step; XY_PLOT_MONKEY_SEED (one seed or a comma list) and
// XY_PLOT_MONKEY_STEPS replay or lengthen a walk.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
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
    static const QStringList hostile = [] {
        QStringList t;
        for (const char *s : {"",
                              " ",
                              "   ",
                              "nan",
                              "NaN",
                              "inf",
                              "-inf",
                              "1e309",
                              "-1e309",
                              "-0",
                              "0",
                              "4294967296",
                              "18446744073709551616",
                              "-1",
                              "2147483648",
                              "11",
                              "10",
                              "3",
                              "0.5",
                              "1,5",
                              "0x10",
                              "33.3333",
                              "1e-320",
                              "50",
                              "20",
                              "100",
                              "30"})
            t << QString::fromLatin1(s);
        return t << QString(10000, QLatin1Char('9')) << QString(10000, QLatin1Char('x'))
                 << QStringLiteral("\u00d6ltemp \u00b0C \u2206p \u6e29\u5ea6")
                 << QString::fromUcs4(U"\U0001F600\U0001F4C8")
                 << QStringLiteral("\t\r\n\x01\x1b\x7f") << QStringLiteral("%1%2%n")
                 << QStringLiteral("<b>bold</b>") << QStringLiteral("'\";--")
                 << QString(QChar(0)) + QStringLiteral("1")
                 << QString(QChar(0xD800)) /* lone surrogate */ << QStringLiteral("\u202e12");
    }();
    if (rng.chance(60))
        return rng.pick(hostile);
    static const QString alphabet =
        QStringLiteral("0123456789.,-+eE xyzAB#;\t\u00e4\u00df\u20ac\u6e29");
    QString text;
    for (int i = 0, n = rng.below(24); i < n; ++i)
        text.append(alphabet.at(rng.below(alphabet.size())));
    return text;
}

// QTest types printable ASCII only; other characters reach the fields through setText.
QString typeable(const QString &text)
{
    QString keys;
    for (QChar c : text)
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            keys.append(c);
    return keys;
}

QStringList catalogue()
{
    return {"AIR", "TEMP_1", "TEMP", "OIL", "N_ENG", "P_RAIL"};
}
QStringList overlayNames(int slot)
{
    return {QString(), QStringLiteral("G%1_X").arg(slot + 1), QStringLiteral("G%1_Y").arg(slot + 1),
            "TIME"};
}
const char *const ColourNames[] = {"#000000", "#ffffff", "#ff0000", "#12ab9f", "#00FF00"};
QString colour(Rng &rng)
{
    return QLatin1String(ColourNames[rng.below(5)]);
}

Single_Axis_Info randomAxis(Rng &rng)
{
    Single_Axis_Info a;
    a.axisColorName = colour(rng);
    a.gridColorName = colour(rng);
    a.rangeMin = rng.between(-1000, 1000) / 4.0;
    a.rangeMax = a.rangeMin + rng.between(0, 4000);
    a.autoRange = rng.chance(50);
    a.numMajorTicks = static_cast<unsigned long>(rng.between(1, 10));
    a.numMinorTicks = static_cast<unsigned long>(rng.between(0, 10));
    a.label = rng.chance(80) ? QStringLiteral("Axis %1").arg(rng.below(100)) : randomText(rng);
    a.gridLineStyle = indexToLineStyle(rng.below(4));
    a.gridLineWidth = rng.between(0, 5);
    a.gridVisible = rng.chance(50);
    return a;
}

Plot_Channel_Info randomChannel(Rng &rng, const QStringList &names)
{
    Plot_Channel_Info c;
    c.xVarName = rng.chance(90) ? rng.pick(names) : QStringLiteral("UNKNOWN");
    c.yVarName = rng.chance(90) ? rng.pick(names) : QStringLiteral("UNKNOWN");
    c.useLeftAxis = rng.chance(50);
    c.lineColor = QColor(colour(rng));
    c.lineStyle = indexToLineStyle(rng.below(4));
    c.lineWidth = rng.between(0, 10);
    return c;
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
    info->configFileName =
        rng.chance(50) ? QStringLiteral("screen%1.cfg").arg(rng.below(9)) : QString();
    for (int g = 0; g < records; ++g) {
        Plot_Axis_Info &r = info->plotAxisInfo[g];
        r.leftYAxis = randomAxis(rng);
        r.rightYAxis = randomAxis(rng);
        r.xAxis = randomAxis(rng);
        r.numVarChannels = static_cast<unsigned long>(rng.between(0, 8));
        for (unsigned long i = 0; i < r.numVarChannels; ++i)
            r.varChannels[i] = randomChannel(rng, catalogue());
        r.numOverlayChannels = static_cast<unsigned long>(rng.between(0, 8));
        for (unsigned long i = 0; i < r.numOverlayChannels; ++i)
            r.overlayChannels[i] = randomChannel(rng, overlayNames(g));
        r.displayType = rng.below(3);
        r.cometLength = rng.between(0, 99);
        r.showDatapoints = rng.chance(50);
        r.showXYValues = rng.chance(50);
        r.overlayFileName =
            rng.chance(30) ? QStringLiteral("/data/PC_format/run%1.log").arg(g) : QString();
    }
    return info;
}

// Empty when every row of table has the cells of its kind; otherwise what is wrong.
QString cellProblem(const Spreadsheet *table, bool allVariables = false)
{
    const QStringList style{"IconButtonWidget", "LineEditColorWidget", "Combo_SpinBoxWidget"};
    const QString channel = allVariables ? "ZelVariable" : "ComboBoxWidget";
    QStringList classes;
    switch (table->spreadsheetKind()) {
    case Spreadsheet::YAxesKind:
        classes =
            QStringList{"IconButtonWidget",        "LineEditColorWidget",     "CheckBoxWidget",
                        "LineEdit_LineEditWidget", "LineEdit_LineEditWidget", "LineEditWidget",
                        "LineEditColorWidget",     "Combo_SpinBoxWidget"};
        break;
    case Spreadsheet::XAxisKind:
        classes =
            QStringList{"CheckBoxWidget",      "LineEdit_LineEditWidget", "LineEdit_LineEditWidget",
                        "LineEditColorWidget", "LineEditWidget",          "LineEditColorWidget",
                        "Combo_SpinBoxWidget"};
        break;
    case Spreadsheet::XYVarKind:
        classes = QStringList{"ZelVariable", "ZelVariable"} + style;
        break;
    case Spreadsheet::XYOverlayKind:
        classes = QStringList{"ComboBoxWidget", "ComboBoxWidget"} + style;
        break;
    case Spreadsheet::AllGraphsKind:
        classes = QStringList{"LineEditWidget", channel, channel} + style;
        break;
    default:
        break;
    }
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < classes.size(); ++column) {
            const QWidget *w = table->cellWidget(row, column);
            if (!w || !w->inherits(classes.at(column).toLatin1().constData()))
                return QStringLiteral("%1 row %2 column %3: %4 instead of %5")
                    .arg(table->objectName())
                    .arg(row)
                    .arg(column)
                    .arg(w ? QLatin1String(w->metaObject()->className()) : QLatin1String("no cell"))
                    .arg(classes.at(column));
        }
    return QString();
}

void addSeedRows(const QList<quint64> &defaults, int defaultSteps)
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("steps");
    QList<quint64> seeds;
    for (const QString &part :
         qEnvironmentVariable("XY_PLOT_MONKEY_SEED").split(',', Qt::SkipEmptyParts))
        seeds.append(part.trimmed().toULongLong());
    const int steps = qEnvironmentVariableIntValue("XY_PLOT_MONKEY_STEPS");
    for (quint64 seed : seeds.isEmpty() ? defaults : seeds)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed)))
            << seed << (steps > 0 ? steps : defaultSteps);
}

// Adds or deletes a row through the table's menu, when the menu offers it.
// False when the table has no such menu entry.
bool addOrDeleteRowIn(Spreadsheet *table, Rng &rng, QString *action)
{
    const bool add = rng.chance(55);
    auto *menuAction = table->findChild<QAction *>(add ? "addRowAction" : "deleteRowAction");
    *action = QStringLiteral("%1 row in %2").arg(add ? "add" : "delete", table->objectName());
    if (menuAction && menuAction->isEnabled())
        menuAction->trigger();
    return menuAction;
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
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        return file.fileName();
    }
    QString byChoice(int choice) const
    {
        return choice == 0 ? good : choice == 1 ? bad : QString();
    }
};

QString bitText(const QBitArray &bits)
{
    QString text;
    for (int i = 0; i < bits.size(); ++i)
        text.append(bits.testBit(i) ? '1' : '0');
    return text;
}
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
        enum {
            Type,
            Combo,
            Toggle,
            Spin,
            Row,
            Tab,
            AddGraph,
            DeleteGraph,
            Show,
            WriteBack,
            Apply,
            Ok,
            Cancel,
            Close,
            Escape,
            OverlayFile,
            Rebuild,
            Events,
            Repair
        };
        static const int weights[] = {23, 11, 8, 5, 6, 8, 5, 5, 4, 5, 3, 1, 1, 1, 1, 1, 1, 8, 3};
        int r = m_rng.below(100), kind = 0;
        while (r >= weights[kind])
            r -= weights[kind++];
        XY_Plot_Config_Dialog &d = *m_dialog;
        switch (kind) {
        case Type:
            typeIntoLineEdit();
            break;
        case Combo: {
            QComboBox *combo = randomWidget<QComboBox>();
            if (!combo) {
                action = "combo: none";
                break;
            }
            // A variable selector can be emptied; other combos always hold a choice.
            const bool selector =
                combo->parentWidget() && combo->parentWidget()->inherits("ZelVariable");
            const int index = selector && m_rng.chance(15) ? -1 : m_rng.below(combo->count());
            action = QStringLiteral("combo %1 -> %2").arg(path(combo)).arg(index);
            combo->setCurrentIndex(index);
            break;
        }
        case Toggle: {
            // Check and radio buttons, and the axis side buttons of the tables.
            QAbstractButton *button = randomWidget<QAbstractButton>([](QAbstractButton *b) {
                return qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b)
                       || (qobject_cast<QToolButton *>(b) && b->parentWidget()
                           && b->parentWidget()->inherits("IconButtonWidget"));
            });
            action = "toggle " + (button ? button->objectName() : QStringLiteral("none"));
            if (button)
                button->click();
            break;
        }
        case Spin:
            changeSpin();
            break;
        case Row: {
            const int slot = m_rng.below(GraphSlots);
            Spreadsheet *table = (m_rng.chance(60) ? A::xyVar(d) : A::xyOverlay(d)).at(slot);
            if (!addOrDeleteRowIn(table, m_rng, &action))
                fail(table->objectName() + " has no row action");
            break;
        }
        case Tab: {
            QTabWidget *tabs[] = {ui()->plotConfigTabs, ui()->axesConfigTabs, ui()->configTabs};
            QTabWidget *t = tabs[m_rng.below(3)];
            const int index = m_rng.below(t->count());
            action = QStringLiteral("tab %1 -> %2").arg(t->objectName()).arg(index);
            t->setCurrentIndex(index);
            break;
        }
        case AddGraph:
        case DeleteGraph: {
            QTabWidget *tabs = ui()->plotConfigTabs;
            tabs->setCurrentIndex(m_rng.between(m_rng.chance(15) ? 0 : 1, tabs->count() - 1));
            action = QStringLiteral("%1 graph at tab %2")
                         .arg(kind == AddGraph ? "add" : "delete")
                         .arg(tabs->currentIndex());
            const QBitArray before = A::plotVisible(d);
            kind == AddGraph ? A::addNewTab(d) : A::delOldTab(d);
            if (kind == AddGraph) {
                m_typeHandled |= A::plotVisible(d) & ~before;
                m_graphOneTabWithoutBit = m_graphOneTabWithoutBit && !A::plotVisible(d).testBit(0);
            }
            break;
        }
        case Show:
            showDescription();
            break;
        case WriteBack: // Apply without the double-click window
            action = "validate and write back";
            if (A::checkIfDataIsValid(d))
                A::writeScreenInfoToDataStructure(d);
            break;
        case Apply:
        case Ok:
        case Cancel: {
            QPushButton *button = kind == Apply ? ui()->btnApply
                                  : kind == Ok  ? ui()->btnOk
                                                : ui()->btnCancel;
            action = QStringLiteral("press %1 (%2)")
                         .arg(button->text(), button->isEnabled() ? "enabled" : "disabled");
            button->click();
            break;
        }
        case Close:
            action = "close";
            m_dialog->close();
            break;
        case Escape:
            action = "Escape";
            QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
            break;
        case OverlayFile: {
            const int slot = m_rng.below(GraphSlots), choice = m_rng.below(3);
            m_answerer->queueFile(m_files->byChoice(choice));
            action = QStringLiteral("overlay file %1 for graph %2").arg(choice).arg(slot + 1);
            A::handleOverlayButtonSelection(d, slot);
            break;
        }
        case Rebuild: // now and then the host throws the dialog away and builds a new one
            if (m_rng.chance(5)) {
                action = "rebuild the dialog";
                rebuild();
                break;
            }
            Q_FALLTHROUGH();
        case Events:
            action = "process events";
            QCoreApplication::processEvents();
            break;
        case Repair:
            repair();
            break;
        }
        checkInvariants();
    }

private:
    Rng m_rng;
    ModalAnswerer *m_answerer;
    const OverlayFiles *m_files;
    std::unique_ptr<Plot_Screen_Info> m_hostInfo;
    std::unique_ptr<XY_Plot_Config_Dialog> m_dialog;
    std::vector<std::unique_ptr<Plot_Screen_Info>> m_received;
    // A loaded description with no graphs clears bit 0 yet keeps the
    // "Graph 1" tabs, until graph 1 is added again.
    bool m_graphOneTabWithoutBit = false;
    // Graphs whose display type rule has run (a change of the combo, or an
    // added graph): the form starts with the comet length editable under
    // "Full Trace", and a load that keeps the index announces nothing.
    QBitArray m_typeHandled{GraphSlots};
    Ui_Plot_Config_Dialog *ui() { return A::ui(*m_dialog); }
    void fail(const QString &what)
    {
        if (failure.isEmpty())
            failure = what;
    }

    void rebuild()
    {
        m_dialog.reset();
        m_hostInfo = randomDescription(m_rng);
        m_dialog.reset(new XY_Plot_Config_Dialog(m_hostInfo.get(), nullptr, false));
        QObject::connect(m_dialog.get(), &XY_Plot_Config_Dialog::applyPressedSignal,
                         [this](Plot_Screen_Info *info) { received(info); });
        m_graphOneTabWithoutBit = m_hostInfo->numPlots == 0;
        m_typeHandled.fill(false);
        for (int g = 0; g < GraphSlots; ++g)
            QObject::connect(A::displayTypeCombos(*m_dialog).at(g),
                             QOverload<int>::of(&QComboBox::currentIndexChanged),
                             [this, g](int) { m_typeHandled.setBit(g); });
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
        return (w->parentWidget() ? w->parentWidget()->objectName() : QString()) + '/'
               + w->objectName();
    }

    void typeIntoLineEdit()
    {
        // Spin boxes have their own action; combo fields are typed into.
        QLineEdit *edit = randomWidget<QLineEdit>(
            [](QLineEdit *e) { return !qobject_cast<QAbstractSpinBox *>(e->parentWidget()); });
        if (!edit)
            return void(action = "type: no line edit");
        const QString text = randomText(m_rng);
        action = QStringLiteral("type %1 chars into %2").arg(text.size()).arg(path(edit));
        QPointer<QLineEdit> guard(edit);
        if (text.size() <= 24 && m_rng.chance(30) && m_dialog->isVisible()) {
            // Real keys: the validator has its say, Return ends the edit.
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, typeable(text));
            if (guard)
                QTest::keyClick(edit, Qt::Key_Return);
            return;
        }
        edit->setText(text);
        if (m_rng.chance(60) && guard)
            emit edit->editingFinished();
    }

    void changeSpin()
    {
        QSpinBox *spin = randomWidget<QSpinBox>();
        if (!spin)
            return void(action = "spin: none");
        if (m_rng.chance(50)) {
            const int value = m_rng.between(spin->minimum() - 5, spin->maximum() + 5);
            action = QStringLiteral("spin %1 = %2").arg(spin->objectName()).arg(value);
            spin->setValue(value);
        } else {
            const QString text = typeable(randomText(m_rng)).left(12);
            action = QStringLiteral("spin %1 keys \"%2\"").arg(spin->objectName(), text);
            spin->selectAll();
            QTest::keyClicks(spin, text);
            QTest::keyClick(spin, Qt::Key_Return);
        }
    }

    QBitArray randomLockBits()
    {
        QBitArray b(GraphSlots);
        if (m_rng.chance(12))
            b.setBit(m_rng.below(GraphSlots));
        return b;
    }
    void showDescription()
    {
        m_hostInfo = randomDescription(m_rng);
        const QBitArray pan = randomLockBits();
        const QBitArray zoom = randomLockBits();
        const auto area = static_cast<XY_Plot_Config_Dialog::DialogOpenArea>(m_rng.below(3));
        const int plotIndex = m_rng.below(qMax(1, int(m_hostInfo->numPlots)));
        action = QStringLiteral("show %1 graphs (%2 records), pan %3 zoom %4, area %5 graph %6")
                     .arg(m_hostInfo->numPlots)
                     .arg(m_hostInfo->plotAxisInfo.size())
                     .arg(pan.count(true))
                     .arg(zoom.count(true))
                     .arg(int(area))
                     .arg(plotIndex);
        m_dialog->show(m_hostInfo.get(), pan, zoom, area, plotIndex);
        m_graphOneTabWithoutBit = m_hostInfo->numPlots == 0;
    }

    // The user puts every checked field right, so that Apply gets through.
    void repair()
    {
        action = "repair";
        XY_Plot_Config_Dialog &d = *m_dialog;
        for (int g = 0; g < GraphSlots; ++g) {
            if (!A::plotVisible(d).testBit(g))
                continue;
            Spreadsheet *vars = A::xyVar(d).at(g);
            for (int r = 0; r < vars->rowCount(); ++r)
                for (int c = 0; c < 2; ++c)
                    if (auto *selector = qobject_cast<ZelVariable *>(vars->cellWidget(r, c)))
                        selector->comboBox()->setCurrentIndex(m_rng.below(catalogue().size()));
            for (int row = 0; row < 2; ++row) {
                Spreadsheet *yAxes = A::yAxes(d).at(g);
                if (auto *ticks =
                        qobject_cast<LineEdit_LineEditWidget *>(yAxes->cellWidget(row, 4))) {
                    ticks->setLineEditText(0, QString::number(m_rng.between(1, 10)));
                    ticks->setLineEditText(1, QString::number(m_rng.between(0, 10)));
                }
                if (auto *range = qobject_cast<LineEdit_LineEditWidget *>(yAxes->cellWidget(row, 3)))
                    range->setLineEditText(0, "-10"), range->setLineEditText(1, "250.5");
            }
        }
        ui()->lineEditScreenRefreshInterval->setText("100");
        ui()->lineEditScreenRefreshRate->setText("10");
        ui()->lineEditDataSampleInterval->setText("20");
        ui()->lineEditDataSampleRate->setText("50");
        ui()->lineEditDataStorage->setText(QString::number(m_rng.between(30, 7200)));
        ui()->cmbDataStorageUnits->setCurrentIndex(0);
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

    // Engine checks the dialog cannot guarantee for what a user may type:
    // each is excused only when the field behind it holds such text.
    bool excuse(const QString &error)
    {
        static const QRegularExpression axisRange(
            QStringLiteral("^Graph (\\d) "
                           "\\(plotAxisInfo\\[(\\d)\\]\\)\\.(leftYAxis|rightYAxis|xAxis)\\.range("
                           "Min|Max): not a finite number$"));
        const QRegularExpressionMatch m = axisRange.match(error);
        if (m.hasMatch()) {
            // A range text that converts to a non-finite number, in the
            // record-th shown graph.
            int record = m.captured(2).toInt(), slot = -1;
            for (int g = 0; g < GraphSlots && slot < 0; ++g)
                if (A::plotVisible(*m_dialog).testBit(g) && record-- == 0)
                    slot = g;
            if (slot < 0)
                return false;
            const bool x = m.captured(3) == "xAxis";
            Spreadsheet *table = (x ? A::xAxis(*m_dialog) : A::yAxes(*m_dialog)).at(slot);
            auto *range = qobject_cast<LineEdit_LineEditWidget *>(
                table->cellWidget(m.captured(3) == "rightYAxis" ? 1 : 0, x ? 1 : 3));
            return range
                   && !std::isfinite(
                       range->getLineEditText(m.captured(4) == "Min" ? 0 : 1).toDouble());
        }
        const bool refresh = error.startsWith("screenRefreshInterval:");
        if (refresh || error.startsWith("dataSampleInterval:")) {
            // Apply does not re-check the interval fields: text that gives
            // no whole millisecond reaches the description as 0.
            bool ok = false;
            const double value =
                (refresh ? ui()->lineEditScreenRefreshInterval : ui()->lineEditDataSampleInterval)
                    ->text()
                    .toDouble(&ok);
            return !(ok && std::isfinite(value) && value >= 0.5 && value < 1.8e19);
        }
        return error.startsWith("numPlots: ") && error.contains("but plotAxisInfo")
               && m_graphOneTabWithoutBit;
    }

    void checkDescription(const Plot_Screen_Info &info, const QString &how)
    {
        const int shown = A::plotVisible(*m_dialog).count(true);
        if (info.plotAxisInfo.size() != shown)
            fail(QStringLiteral("%1 description has %2 records for %3 shown graphs")
                     .arg(how)
                     .arg(info.plotAxisInfo.size())
                     .arg(shown));
        if (info.numPlots != static_cast<unsigned long>(ui()->plotConfigTabs->count() - 1))
            fail(QStringLiteral("%1 numPlots %2 for %3 graph tabs")
                     .arg(how)
                     .arg(info.numPlots)
                     .arg(ui()->plotConfigTabs->count() - 1));
        for (const QString &error : info.consistencyErrors())
            if (!excuse(error))
                fail(QStringLiteral("%1 description is inconsistent: %2").arg(how, error));
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
            return fail(QStringLiteral("plotVisible has %1 bits").arg(visible.size()));

        // Tabs and bits agree, in slot order, each tab on its own page.
        QList<int> expected;
        for (int g = 0; g < GraphSlots; ++g)
            if (visible.testBit(g) || (g == 0 && m_graphOneTabWithoutBit))
                expected.append(g);
        QTabWidget *plotTabs = ui()->plotConfigTabs, *axesTabs = ui()->axesConfigTabs;
        if (plotTabs->count() != expected.size() + 1 || axesTabs->count() != expected.size())
            return fail(QStringLiteral("%1 graph tabs and %2 axes tabs for bits %3")
                            .arg(plotTabs->count() - 1)
                            .arg(axesTabs->count())
                            .arg(bitText(visible)));
        if (plotTabs->tabText(0) != "All")
            return fail(QStringLiteral("first graph tab is \"%1\"").arg(plotTabs->tabText(0)));
        for (int i = 0; i < expected.size(); ++i) {
            const int n = expected.at(i) + 1;
            const QString label = QStringLiteral("Graph %1").arg(n);
            if (plotTabs->tabText(i + 1) != label
                || plotTabs->widget(i + 1)->objectName() != QStringLiteral("plot%1Tab").arg(n)
                || axesTabs->tabText(i) != label
                || axesTabs->widget(i)->objectName() != QStringLiteral("graphAxes%1").arg(n))
                return fail(QStringLiteral("tab %1 is \"%2\"/\"%3\", expected %4 for bits %5")
                                .arg(i + 1)
                                .arg(plotTabs->tabText(i + 1), axesTabs->tabText(i), label,
                                     bitText(visible)));
        }

        for (int g = 0; g < GraphSlots; ++g) {
            // Every table, shown or not, has the cells of its kind in every
            // row; axes tables keep their rows, channel tables their limit.
            Spreadsheet *tables[] = {A::yAxes(d).at(g), A::xAxis(d).at(g), A::xyVar(d).at(g),
                                     A::xyOverlay(d).at(g)};
            for (int t = 0; t < 4; ++t) {
                const QString problem = cellProblem(tables[t]);
                if (!problem.isEmpty())
                    return fail(problem);
                const int rows = tables[t]->rowCount();
                if (t < 2 ? rows != 2 - t : rows > Spreadsheet::MaxChannelRows)
                    return fail(
                        QStringLiteral("%1 has %2 rows").arg(tables[t]->objectName()).arg(rows));
            }
            // Only a comet has a length to edit.
            const int type = A::displayTypeCombos(d).at(g)->currentIndex();
            const bool spinOn = !A::cometLengthSpins(d).at(g)->testAttribute(Qt::WA_Disabled);
            if (m_typeHandled.testBit(g) && (type == DisplayFullTrace || type == DisplayMarkerOnly)
                && spinOn)
                return fail(QStringLiteral("graph %1: comet length editable for type %2")
                                .arg(g + 1)
                                .arg(type));
            if (type == DisplayComet && !spinOn)
                return fail(QStringLiteral("graph %1: comet length locked for a comet").arg(g + 1));
            // Never both switches of a pair; exactly one for a shown graph.
            const bool dp[] = {A::datapointShowRadios(d).at(g)->isChecked(),
                               A::datapointHideRadios(d).at(g)->isChecked()};
            const bool xy[] = {A::xyValuesShowRadios(d).at(g)->isChecked(),
                               A::xyValuesHideRadios(d).at(g)->isChecked()};
            if ((dp[0] && dp[1]) || (xy[0] && xy[1]))
                return fail(QStringLiteral("graph %1: show and hide both on").arg(g + 1));
            if (visible.testBit(g) && (dp[0] == dp[1] || xy[0] == xy[1]))
                return fail(
                    QStringLiteral("graph %1: shown with a show/hide pair unset").arg(g + 1));
        }
        if (const QString problem = cellProblem(ui()->plotAllVarSpreadsheet, true)
                                    + cellProblem(ui()->plotAllOverlaySpreadsheet);
            !problem.isEmpty())
            return fail(problem);

        // A pan or zoom bit locks OK and Apply; nothing locks them otherwise.
        const bool locked = A::panStatus(d).count(true) > 0 || A::zoomStatus(d).count(true) > 0;
        if (ui()->btnOk->isEnabled() == locked || ui()->btnApply->isEnabled() == locked)
            return fail(QStringLiteral("OK/Apply enabled %1 while locked %2")
                            .arg(ui()->btnOk->isEnabled())
                            .arg(locked));

        // Between steps no message box is open or thought open.
        if (A::rateWarningShowing(d))
            return fail("a rate warning is still marked as showing");
        if (QWidget *modal = QApplication::activeModalWidget())
            return fail(
                QStringLiteral("a modal %1 \"%2\" is still open")
                    .arg(QLatin1String(modal->metaObject()->className()), modal->windowTitle()));
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
    void dialogWalk_data() { addSeedRows({1, 2, 3, 20240517}, 2000); }
    void dialogWalk()
    {
        QFETCH(quint64, seed);
        QFETCH(int, steps);
        DialogWalk walk(seed, m_answerer, m_files.get());
        QVERIFY2(walk.failure.isEmpty(),
                 qPrintable(
                     QStringLiteral("seed %1, construction: %2").arg(seed).arg(walk.failure)));
        for (int step = 0; step < steps; ++step) {
            walk.step();
            if (!walk.failure.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1 step %2 (%3): %4")
                                     .arg(seed)
                                     .arg(step)
                                     .arg(walk.action, walk.failure)));
        }
    }
    void tabWalk_data() { addSeedRows({7, 8}, 1500); }

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
            QString action;
            const auto where = [&](const QString &what = QString()) {
                return QStringLiteral("seed %1 step %2 (%3)%4")
                    .arg(seed)
                    .arg(step)
                    .arg(action, what)
                    .toLocal8Bit();
            };
            const int before = dirty;
            int expectedDirty = 0;
            const int kind = rng.below(8);
            switch (kind) {
            case 0: {
                // The host reacts to the display type as the dialog does.
                const int index = rng.between(-1, tab.cboDisplayType->count() - 1);
                action = QStringLiteral("display type %1").arg(index);
                tab.cboDisplayType->setCurrentIndex(index);
                tab.handleDisplayTypeChange(index);
                typeHandled = typeHandled || index >= 0;
                break;
            }
            case 2:
                QVERIFY2(addOrDeleteRowIn(rng.chance(50) ? tab.plotXYVarSpreadsheet
                                                         : tab.plotXYOverlaySpreadsheet,
                                          rng, &action),
                         where().constData());
                break;
            case 3: {
                const QList<QLineEdit *> edits = tab.findChildren<QLineEdit *>();
                if (edits.isEmpty())
                    break;
                QLineEdit *edit = rng.pick(edits);
                const QString text = randomText(rng);
                action = QStringLiteral("type %1 chars").arg(text.size());
                edit->setText(text);
                emit edit->editingFinished();
                break;
            }
            case 4: {
                QComboBox *combo = rng.pick(tab.findChildren<QComboBox *>());
                const int index = rng.below(combo->count());
                action = QStringLiteral("combo %1 -> %2").arg(combo->objectName()).arg(index);
                combo->setCurrentIndex(index);
                if (combo == tab.cboDisplayType) {
                    tab.handleDisplayTypeChange(index);
                    typeHandled = true;
                }
                break;
            }
            case 5: {
                const int value = rng.between(-10, 200);
                action = QStringLiteral("comet length %1").arg(value);
                tab.spinCometLength->setValue(value);
                break;
            }
            case 6: {
                if (!rng.chance(20)) {
                    action = "process events";
                    QCoreApplication::processEvents();
                    break;
                }
                const int choice = rng.below(3);
                m_answerer->queueFile(m_files->byChoice(choice));
                action = QStringLiteral("overlay file %1").arg(choice);
                const int seenBefore = m_answerer->count();
                tab.handleOverlayButtonSelection(rng.between(-1, 9));
                // The file dialog, plus the refusal for a file that is no log.
                QVERIFY2(m_answerer->count() - seenBefore == (choice == 1 ? 2 : 1),
                         where().constData());
                if (choice == 0) {
                    if (auto *x = qobject_cast<ComboBoxWidget *>(
                            tab.plotXYOverlaySpreadsheet->cellWidget(0, 0)))
                        QVERIFY2(x->findIndex("P_RAIL") > 0 && x->getComboBoxCurrentIndex() == 0,
                                 where().constData());
                    QVERIFY2(tab.lblOverlayFilePlot->text() == "run.log", where().constData());
                }
                break;
            }
            default: {
                // A click, or (7) checking by key: one dirty() per radio button
                // of the pair whose state changes (the form starts with neither checked).
                const int p = rng.below(2), b = rng.below(2);
                QRadioButton *button = pairs[p][b];
                action = QString::fromLatin1(kind == 1 ? "click %1" : "toggle %1 by key")
                             .arg(button->objectName());
                expectedDirty = button->isChecked() ? 0 : pairs[p][1 - b]->isChecked() ? 2 : 1;
                kind == 1 ? button->click() : button->setChecked(true);
                break;
            }
            }

            // Invariants of the single-graph tab.
            QVERIFY2(dirty - before == expectedDirty,
                     where(QStringLiteral(": %1 dirty signals").arg(dirty - before)).constData());
            for (auto &pair : pairs)
                QVERIFY2(!(pair[0]->isChecked() && pair[1]->isChecked()), where().constData());
            const int type = tab.cboDisplayType->currentIndex();
            if (typeHandled && (type == DisplayFullTrace || type == DisplayMarkerOnly))
                QVERIFY2(!tab.spinCometLength->isEnabled(), where().constData());
            else if (type == DisplayComet)
                QVERIFY2(tab.spinCometLength->isEnabled(), where().constData());
            for (Spreadsheet *table : {tab.plotXYVarSpreadsheet, tab.plotXYOverlaySpreadsheet}) {
                const QString problem = cellProblem(table);
                QVERIFY2(problem.isEmpty(), where(": " + problem).constData());
                QVERIFY2(table->rowCount() <= Spreadsheet::MaxChannelRows, where().constData());
            }
            QVERIFY2(!QApplication::activeModalWidget(), where().constData());
        }
    }

private:
    ModalAnswerer *m_answerer = nullptr;
    std::unique_ptr<OverlayFiles> m_files;
};

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"

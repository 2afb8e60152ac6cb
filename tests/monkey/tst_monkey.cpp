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
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QRegularExpression>
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
class Rng
{
public:
    explicit Rng(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += Q_UINT64_C(0x9E3779B97F4A7C15));
        z = (z ^ (z >> 30)) * Q_UINT64_C(0xBF58476D1CE4E5B9);
        z = (z ^ (z >> 27)) * Q_UINT64_C(0x94D049BB133111EB);
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T>
    T pick(const QList<T> &list) { return list.at(below(list.size())); }

private:
    quint64 m_state;
};

// What users and hosts put into numeric and text fields.
QStringList hostileTexts()
{
    QStringList texts;
    for (const char *text : {"", " ", "   ", "nan", "NaN", "inf", "-inf", "1e309", "-1e309", "-0", "0",
                             "4294967296", "18446744073709551616", "-1", "2147483648", "11", "10", "3",
                             "0.5", "1,5", "0x10", "33.3333", "1e-320", "50", "20", "100", "30"})
        texts.append(QString::fromLatin1(text));
    texts << QString(10000, QLatin1Char('9')) << QString(10000, QLatin1Char('x'))
          << QStringLiteral("\u00d6ltemp \u00b0C \u2206p \u6e29\u5ea6") << QString::fromUcs4(U"\U0001F600\U0001F4C8")
          << QStringLiteral("\t\r\n\x01\x1b\x7f") << QStringLiteral("%1%2%n") << QStringLiteral("<b>bold</b>")
          << QStringLiteral("'\";--") << QString(QChar(0)) + QStringLiteral("1");
    texts.append(QString(QChar(0xD800))); // a lone surrogate
    texts.append(QStringLiteral("\u202e12")); // right-to-left override
    return texts;
}

QString randomText(Rng &rng)
{
    static const QStringList hostile = hostileTexts();
    if (rng.chance(60))
        return rng.pick(hostile);
    static const QString alphabet =
        QStringLiteral("0123456789.,-+eE xyzAB#;\t\u00e4\u00df\u20ac\u6e29");
    QString text;
    const int length = rng.below(24);
    for (int i = 0; i < length; ++i)
        text.append(alphabet.at(rng.below(alphabet.size())));
    return text;
}

// QTest types printable ASCII only; other characters reach the fields
// through setText.
QString typeable(const QString &text)
{
    QString keys;
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            keys.append(c);
    }
    return keys;
}

QStringList catalogue()
{
    return {QStringLiteral("AIR"), QStringLiteral("TEMP_1"), QStringLiteral("TEMP"),
            QStringLiteral("OIL"), QStringLiteral("N_ENG"), QStringLiteral("P_RAIL")};
}

const char *const ColourNames[] = {"#000000", "#ffffff", "#ff0000", "#12ab9f", "#00FF00"};

Single_Axis_Info randomAxis(Rng &rng)
{
    Single_Axis_Info axis;
    axis.axisColorName = QLatin1String(ColourNames[rng.below(5)]);
    axis.gridColorName = QLatin1String(ColourNames[rng.below(5)]);
    axis.rangeMin = rng.between(-1000, 1000) / 4.0;
    axis.rangeMax = axis.rangeMin + rng.between(0, 4000);
    axis.autoRange = rng.chance(50);
    axis.numMajorTicks = static_cast<unsigned long>(rng.between(1, 10));
    axis.numMinorTicks = static_cast<unsigned long>(rng.between(0, 10));
    axis.label = rng.chance(80) ? QStringLiteral("Axis %1").arg(rng.below(100)) : randomText(rng);
    axis.gridLineStyle = indexToLineStyle(rng.below(4));
    axis.gridLineWidth = rng.between(0, 5);
    axis.gridVisible = rng.chance(50);
    return axis;
}

Plot_Channel_Info randomChannel(Rng &rng, const QStringList &names)
{
    Plot_Channel_Info channel;
    channel.xVarName = rng.chance(90) ? rng.pick(names) : QStringLiteral("UNKNOWN");
    channel.yVarName = rng.chance(90) ? rng.pick(names) : QStringLiteral("UNKNOWN");
    channel.useLeftAxis = rng.chance(50);
    channel.lineColor = QColor(QLatin1String(ColourNames[rng.below(5)]));
    channel.lineStyle = indexToLineStyle(rng.below(4));
    channel.lineWidth = rng.between(0, 10);
    return channel;
}

QStringList overlayNames(int slot)
{
    return {QString(), QStringLiteral("G%1_X").arg(slot + 1), QStringLiteral("G%1_Y").arg(slot + 1),
            QStringLiteral("TIME")};
}

// A description as a host may hand it over: 0 to 8 graphs, sometimes fewer
// records than graphs (the dialog shows such a graph with fresh values).
std::unique_ptr<Plot_Screen_Info> randomDescription(Rng &rng)
{
    std::unique_ptr<Plot_Screen_Info> info(new Plot_Screen_Info);
    info->numPlots = static_cast<unsigned long>(rng.chance(5) ? 0 : rng.between(1, GraphSlots));
    const int records = rng.chance(10) ? rng.between(0, int(info->numPlots))
                                       : int(info->numPlots);
    info->plotAxisInfo.resize(records);
    const unsigned long intervals[] = {20, 33, 100, 1000, 10000, 10, 5, 0};
    info->screenRefreshInterval = intervals[rng.below(rng.chance(90) ? 5 : 8)];
    info->dataSampleInterval = intervals[rng.below(rng.chance(90) ? 6 : 8)];
    info->dataStorage = static_cast<unsigned long>(rng.between(30, 3600));
    info->dataUnits = static_cast<UnitType>(rng.below(3));
    info->title = randomText(rng);
    info->configFileName = rng.chance(50) ? QStringLiteral("screen%1.cfg").arg(rng.below(9))
                                          : QString();
    for (int g = 0; g < records; ++g) {
        Plot_Axis_Info &record = info->plotAxisInfo[g];
        record.leftYAxis = randomAxis(rng);
        record.rightYAxis = randomAxis(rng);
        record.xAxis = randomAxis(rng);
        record.numVarChannels = static_cast<unsigned long>(rng.between(0, 8));
        for (unsigned long r = 0; r < record.numVarChannels; ++r)
            record.varChannels[r] = randomChannel(rng, catalogue());
        record.numOverlayChannels = static_cast<unsigned long>(rng.between(0, 8));
        for (unsigned long r = 0; r < record.numOverlayChannels; ++r)
            record.overlayChannels[r] = randomChannel(rng, overlayNames(g));
        record.displayType = rng.below(3);
        record.cometLength = rng.between(0, 99);
        record.showDatapoints = rng.chance(50);
        record.showXYValues = rng.chance(50);
        record.overlayFileName = rng.chance(30) ? QStringLiteral("/data/PC_format/run%1.log").arg(g)
                                                : QString();
    }
    return info;
}

// Cell classes of every column, by table kind.
QStringList cellClasses(const Spreadsheet *table, bool allVariables)
{
    const QStringList style{"IconButtonWidget", "LineEditColorWidget", "Combo_SpinBoxWidget"};
    const QString channel = allVariables ? QStringLiteral("ZelVariable") : QStringLiteral("ComboBoxWidget");
    switch (table->spreadsheetKind()) {
    case Spreadsheet::YAxesKind:
        return {"IconButtonWidget", "LineEditColorWidget", "CheckBoxWidget",
                "LineEdit_LineEditWidget", "LineEdit_LineEditWidget", "LineEditWidget",
                "LineEditColorWidget", "Combo_SpinBoxWidget"};
    case Spreadsheet::XAxisKind:
        return {"CheckBoxWidget", "LineEdit_LineEditWidget", "LineEdit_LineEditWidget",
                "LineEditColorWidget", "LineEditWidget", "LineEditColorWidget",
                "Combo_SpinBoxWidget"};
    case Spreadsheet::XYVarKind:
        return QStringList{"ZelVariable", "ZelVariable"} + style;
    case Spreadsheet::XYOverlayKind:
        return QStringList{"ComboBoxWidget", "ComboBoxWidget"} + style;
    case Spreadsheet::AllGraphsKind:
        return QStringList{"LineEditWidget", channel, channel} + style;
    default:
        return {};
    }
}

// Empty when every row of table has its cells; otherwise what is wrong.
QString cellProblem(const Spreadsheet *table, bool allVariables = false)
{
    const QStringList classes = cellClasses(table, allVariables);
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < classes.size(); ++column) {
            const QWidget *w = table->cellWidget(row, column);
            if (!w || !w->inherits(classes.at(column).toLatin1().constData()))
                return QStringLiteral("%1 row %2 column %3: %4 instead of %5")
                        .arg(table->objectName()).arg(row).arg(column)
                        .arg(w ? QLatin1String(w->metaObject()->className()) : QLatin1String("no cell"))
                        .arg(classes.at(column));
        }
    }
    return QString();
}

QList<quint64> seedsToRun(const QList<quint64> &defaults)
{
    QList<quint64> seeds;
    for (const QString &part : qEnvironmentVariable("XY_PLOT_MONKEY_SEED").split(QLatin1Char(','), Qt::SkipEmptyParts))
        seeds.append(part.trimmed().toULongLong());
    return seeds.isEmpty() ? defaults : seeds;
}

int stepsToRun(int defaultSteps)
{
    const int steps = qEnvironmentVariableIntValue("XY_PLOT_MONKEY_STEPS");
    return steps > 0 ? steps : defaultSteps;
}

// Adds or deletes a row through the table's menu, when the menu offers it.
// False when the table has no such menu entry.
bool addOrDeleteRowIn(Spreadsheet *table, Rng &rng, QString *action)
{
    const bool add = rng.chance(55);
    auto *menuAction = table->findChild<QAction *>(add ? QStringLiteral("addRowAction") : QStringLiteral("deleteRowAction"));
    *action = QStringLiteral("%1 row in %2").arg(add ? "add" : "delete", table->objectName());
    if (menuAction && menuAction->isEnabled())
        menuAction->trigger();
    return menuAction;
}

// A logger file and a file that is not one, for the overlay buttons.
struct OverlayFiles
{
    QTemporaryDir dir;
    QString good;
    QString bad;
    OverlayFiles() : good(write("run.log", "time;N_ENG;\"P_RAIL\"\n0;800;1.5\n")), bad(write("notes.txt", "not a logger file\n")) {}
    QString write(const char *name, const QByteArray &content)
    {
        QFile file(dir.filePath(QLatin1String(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        return file.fileName();
    }
};

// One walk over a dialog, acting as user and host at once.
class DialogWalk
{
public:
    DialogWalk(quint64 seed, ModalAnswerer *answerer, const OverlayFiles *files)
        : m_rng(seed), m_answerer(answerer), m_files(files)
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

    QString action;   // what the current step did
    QString failure;  // first broken invariant
    int emitted = 0;
    int written = 0;
    int excused = 0;
    QMap<QString, int> excuseCounts;

    void step()
    {
        // Weights: mostly editing, regularly the graph, show and Apply paths.
        static const struct
        {
            int weight;
            void (DialogWalk::*act)();
        } actions[] = {
            {23, &DialogWalk::typeIntoLineEdit}, {11, &DialogWalk::changeCombo},
            {8, &DialogWalk::toggleButton},      {5, &DialogWalk::changeSpin},
            {6, &DialogWalk::addOrDeleteRow},    {8, &DialogWalk::switchTab},
            {5, &DialogWalk::addGraph},          {5, &DialogWalk::deleteGraph},
            {4, &DialogWalk::showDescription},   {5, &DialogWalk::writeLikeApply},
            {3, &DialogWalk::pressApply},        {1, &DialogWalk::pressOk},
            {1, &DialogWalk::pressCancel},       {1, &DialogWalk::closeDialog},
            {1, &DialogWalk::pressEscape},       {1, &DialogWalk::chooseOverlayFile},
            {1, &DialogWalk::rebuildRarely},     {8, &DialogWalk::processEvents},
            {3, &DialogWalk::repair},
        };
        int total = 0;
        for (const auto &a : actions)
            total += a.weight;
        int r = m_rng.below(total);
        for (const auto &a : actions) {
            if (r < a.weight) {
                (this->*a.act)();
                break;
            }
            r -= a.weight;
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
    // Graphs whose display type rule has run (a change of the combo, or
    // an added graph): the form starts with the comet length editable under
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
    template <class W>
    W *randomWidget(bool (*usable)(W *) = nullptr)
    {
        const QList<W *> all = m_dialog->findChildren<W *>();
        QList<W *> candidates;
        const bool userOnly = m_rng.chance(85);
        for (W *w : all) {
            if (usable && !usable(w))
                continue;
            if (userOnly && (!w->isEnabled() || (m_dialog->isVisible() && !w->isVisible())))
                continue;
            candidates.append(w);
        }
        return candidates.isEmpty() ? nullptr : m_rng.pick(candidates);
    }

    static bool editableLineEdit(QLineEdit *edit)
    {
        // Spin boxes have their own action; combo fields are typed into.
        return !qobject_cast<QAbstractSpinBox *>(edit->parentWidget());
    }

    void typeIntoLineEdit()
    {
        QLineEdit *edit = randomWidget<QLineEdit>(&DialogWalk::editableLineEdit);
        if (!edit)
            return void(action = QStringLiteral("type: no line edit"));
        const QString text = randomText(m_rng);
        action = QStringLiteral("type %1 chars into %2/%3")
                         .arg(text.size())
                         .arg(edit->parentWidget() ? edit->parentWidget()->objectName() : QString())
                         .arg(edit->objectName());
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

    void changeCombo()
    {
        QComboBox *combo = randomWidget<QComboBox>();
        if (!combo)
            return void(action = QStringLiteral("combo: none"));
        // A variable selector can be emptied; other combos always hold a choice.
        const bool selector = combo->parentWidget() && combo->parentWidget()->inherits("ZelVariable");
        const int index = selector && m_rng.chance(15) ? -1 : m_rng.below(combo->count());
        action = QStringLiteral("combo %1/%2 -> %3")
                         .arg(combo->parentWidget() ? combo->parentWidget()->objectName() : QString())
                         .arg(combo->objectName()).arg(index);
        combo->setCurrentIndex(index);
    }

    static bool toggleable(QAbstractButton *button)
    {
        // Check and radio buttons, and the axis side buttons of the tables.
        return qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button)
                || (qobject_cast<QToolButton *>(button) && button->parentWidget()
                    && button->parentWidget()->inherits("IconButtonWidget"));
    }

    void toggleButton()
    {
        QAbstractButton *button = randomWidget<QAbstractButton>(&DialogWalk::toggleable);
        if (!button)
            return void(action = QStringLiteral("toggle: none"));
        action = QStringLiteral("toggle %1").arg(button->objectName());
        button->click();
    }

    void changeSpin()
    {
        QSpinBox *spin = randomWidget<QSpinBox>();
        if (!spin)
            return void(action = QStringLiteral("spin: none"));
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

    void addOrDeleteRow()
    {
        const int slot = m_rng.below(GraphSlots);
        Spreadsheet *table = m_rng.chance(60) ? A::xyVar(*m_dialog).at(slot)
                                              : A::xyOverlay(*m_dialog).at(slot);
        if (!addOrDeleteRowIn(table, m_rng, &action))
            fail(QStringLiteral("%1 has no row action").arg(table->objectName()));
    }

    void selectRandomPlotTab(bool allowAll)
    {
        QTabWidget *tabs = ui()->plotConfigTabs;
        const int first = allowAll && m_rng.chance(15) ? 0 : 1;
        tabs->setCurrentIndex(m_rng.between(first, tabs->count() - 1));
    }

    void switchTab()
    {
        QTabWidget *tabs[] = {ui()->plotConfigTabs, ui()->axesConfigTabs, ui()->configTabs};
        QTabWidget *t = tabs[m_rng.below(3)];
        const int index = m_rng.below(t->count());
        action = QStringLiteral("tab %1 -> %2").arg(t->objectName()).arg(index);
        t->setCurrentIndex(index);
    }

    void addGraph()
    {
        selectRandomPlotTab(true);
        action = QStringLiteral("add graph at tab %1").arg(ui()->plotConfigTabs->currentIndex());
        const QBitArray before = A::plotVisible(*m_dialog);
        A::addNewTab(*m_dialog);
        const QBitArray added = A::plotVisible(*m_dialog) & ~before;
        for (int g = 0; g < added.size(); ++g) {
            if (added.testBit(g))
                m_typeHandled.setBit(g);
        }
        if (A::plotVisible(*m_dialog).testBit(0))
            m_graphOneTabWithoutBit = false;
    }

    void deleteGraph()
    {
        selectRandomPlotTab(true);
        action = QStringLiteral("delete graph at tab %1").arg(ui()->plotConfigTabs->currentIndex());
        A::delOldTab(*m_dialog);
    }

    QBitArray randomLockBits()
    {
        QBitArray bits(GraphSlots);
        if (m_rng.chance(12))
            bits.setBit(m_rng.below(GraphSlots));
        return bits;
    }

    void showDescription()
    {
        m_hostInfo = randomDescription(m_rng);
        const QBitArray pan = randomLockBits();
        const QBitArray zoom = randomLockBits();
        const auto area = static_cast<XY_Plot_Config_Dialog::DialogOpenArea>(m_rng.below(3));
        const int plotIndex = m_rng.below(qMax(1, int(m_hostInfo->numPlots)));
        action = QStringLiteral("show %1 graphs (%2 records), pan %3 zoom %4, area %5 graph %6")
                         .arg(m_hostInfo->numPlots).arg(m_hostInfo->plotAxisInfo.size())
                         .arg(pan.count(true)).arg(zoom.count(true)).arg(int(area)).arg(plotIndex);
        m_dialog->show(m_hostInfo.get(), pan, zoom, area, plotIndex);
        m_graphOneTabWithoutBit = m_hostInfo->numPlots == 0;
    }

    void press(QPushButton *button, const char *name)
    {
        action = QStringLiteral("press %1 (%2)")
                         .arg(QLatin1String(name),
                              button->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
        button->click();
    }

    void pressApply() { press(ui()->btnApply, "Apply"); }
    void pressOk() { press(ui()->btnOk, "OK"); }
    void pressCancel() { press(ui()->btnCancel, "Cancel"); }

    void closeDialog()
    {
        action = QStringLiteral("close");
        m_dialog->close();
    }

    void pressEscape()
    {
        action = QStringLiteral("Escape");
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    }

    void processEvents()
    {
        action = QStringLiteral("process events");
        QCoreApplication::processEvents();
    }

    // Now and then the host throws the dialog away and builds a new one.
    void rebuildRarely()
    {
        if (!m_rng.chance(5))
            return processEvents();
        action = QStringLiteral("rebuild the dialog");
        rebuild();
    }

    // The user puts every checked field right, so that Apply gets through.
    void repair()
    {
        action = QStringLiteral("repair");
        XY_Plot_Config_Dialog &d = *m_dialog;
        const QBitArray &visible = A::plotVisible(d);
        for (int g = 0; g < GraphSlots; ++g) {
            if (!visible.testBit(g))
                continue;
            Spreadsheet *vars = A::xyVar(d).at(g);
            for (int r = 0; r < vars->rowCount(); ++r) {
                for (int c = 0; c < 2; ++c) {
                    if (auto *selector = qobject_cast<ZelVariable *>(vars->cellWidget(r, c)))
                        selector->comboBox()->setCurrentIndex(m_rng.below(catalogue().size()));
                }
            }
            for (int row = 0; row < 2; ++row) {
                Spreadsheet *yAxes = A::yAxes(d).at(g);
                if (auto *ticks = qobject_cast<LineEdit_LineEditWidget *>(yAxes->cellWidget(row, 4))) {
                    ticks->setLineEditText(0, QString::number(m_rng.between(1, 10)));
                    ticks->setLineEditText(1, QString::number(m_rng.between(0, 10)));
                }
                if (auto *range = qobject_cast<LineEdit_LineEditWidget *>(yAxes->cellWidget(row, 3))) {
                    range->setLineEditText(0, QStringLiteral("-10"));
                    range->setLineEditText(1, QStringLiteral("250.5"));
                }
            }
        }
        ui()->lineEditScreenRefreshInterval->setText(QStringLiteral("100"));
        ui()->lineEditScreenRefreshRate->setText(QStringLiteral("10"));
        ui()->lineEditDataSampleInterval->setText(QStringLiteral("20"));
        ui()->lineEditDataSampleRate->setText(QStringLiteral("50"));
        ui()->lineEditDataStorage->setText(QString::number(m_rng.between(30, 7200)));
        ui()->cmbDataStorageUnits->setCurrentIndex(0);
    }

    // Apply without the double-click window: validate, then write back.
    void writeLikeApply()
    {
        action = QStringLiteral("validate and write back");
        if (A::checkIfDataIsValid(*m_dialog))
            A::writeScreenInfoToDataStructure(*m_dialog);
    }

    void chooseOverlayFile()
    {
        const int slot = m_rng.below(GraphSlots);
        const int choice = m_rng.below(3);
        m_answerer->queueFile(choice == 0 ? m_files->good : choice == 1 ? m_files->bad : QString());
        action = QStringLiteral("overlay file %1 for graph %2").arg(choice).arg(slot + 1);
        A::handleOverlayButtonSelection(*m_dialog, slot);
    }

    void received(Plot_Screen_Info *info)
    {
        // The host owns every description it receives.
        m_received.emplace_back(info);
        ++emitted;
        info->setProperty("xyMonkeyChecked", true);
        checkDescription(*info, QStringLiteral("emitted"));
        // A host keeps the latest few and deletes the others.
        if (m_received.size() > 4)
            m_received.erase(m_received.begin());
    }

    // Engine checks the dialog cannot guarantee for what a user may type:
    // each is excused only when the field behind it holds such text.
    bool excuse(const QString &error)
    {
        static const QRegularExpression axisRange(
            QStringLiteral("^Graph (\\d) \\(plotAxisInfo\\[(\\d)\\]\\)\\.(leftYAxis|rightYAxis|xAxis)\\.range(Min|Max): not a finite number$"));
        const QRegularExpressionMatch m = axisRange.match(error);
        if (m.hasMatch()) {
            // A range text that converts to a non-finite number.
            const int record = m.captured(2).toInt();
            const int slot = slotOfRecord(record);
            if (slot < 0)
                return false;
            const QString axis = m.captured(3);
            const int field = m.captured(4) == QLatin1String("Min") ? 0 : 1;
            Spreadsheet *table = axis == QLatin1String("xAxis") ? A::xAxis(*m_dialog).at(slot)
                                                                 : A::yAxes(*m_dialog).at(slot);
            const int row = axis == QLatin1String("rightYAxis") ? 1 : 0;
            const int column = axis == QLatin1String("xAxis") ? 1 : 3;
            auto *range = qobject_cast<LineEdit_LineEditWidget *>(table->cellWidget(row, column));
            if (!range || std::isfinite(range->getLineEditText(field).toDouble()))
                return false;
            ++excuseCounts[QStringLiteral("non-finite range text")];
            return true;
        }
        const bool refresh = error.startsWith(QLatin1String("screenRefreshInterval:"));
        const bool sample = error.startsWith(QLatin1String("dataSampleInterval:"));
        if (refresh || sample) {
            // Apply does not re-check the interval fields: text that gives
            // no whole millisecond reaches the description as 0.
            QLineEdit *field = refresh ? ui()->lineEditScreenRefreshInterval
                                       : ui()->lineEditDataSampleInterval;
            bool ok = false;
            const double value = field->text().toDouble(&ok);
            if (ok && std::isfinite(value) && value >= 0.5 && value < 1.8e19)
                return false;
            ++excuseCounts[QStringLiteral("interval field without a whole ms")];
            return true;
        }
        if (error.startsWith(QLatin1String("numPlots: ")) && error.contains(QLatin1String("but plotAxisInfo"))
            && m_graphOneTabWithoutBit) {
            ++excuseCounts[QStringLiteral("graph 1 tab kept after a load without graphs")];
            return true;
        }
        return false;
    }

    // Slot of the record-th shown graph.
    int slotOfRecord(int record)
    {
        const QBitArray &visible = A::plotVisible(*m_dialog);
        for (int g = 0; g < visible.size(); ++g) {
            if (visible.testBit(g) && record-- == 0)
                return g;
        }
        return -1;
    }

    void checkDescription(const Plot_Screen_Info &info, const QString &how)
    {
        const QBitArray &visible = A::plotVisible(*m_dialog);
        if (info.plotAxisInfo.size() != visible.count(true))
            fail(QStringLiteral("%1 description has %2 records for %3 shown graphs")
                         .arg(how).arg(info.plotAxisInfo.size()).arg(visible.count(true)));
        if (info.numPlots != static_cast<unsigned long>(ui()->plotConfigTabs->count() - 1))
            fail(QStringLiteral("%1 numPlots %2 for %3 graph tabs")
                         .arg(how).arg(info.numPlots).arg(ui()->plotConfigTabs->count() - 1));
        for (const QString &error : info.consistencyErrors()) {
            if (excuse(error))
                ++excused;
            else
                fail(QStringLiteral("%1 description is inconsistent: %2").arg(how, error));
        }
    }

    void checkInvariants()
    {
        XY_Plot_Config_Dialog &d = *m_dialog;
        // The "All" tab writes a description without validation; it must
        // be as consistent as one that Apply hands out.
        // A checked description is marked, since a new one may take the
        // address of the one it replaced.
        Plot_Screen_Info *current = A::psi(d);
        if (current && !current->property("xyMonkeyChecked").toBool()) {
            current->setProperty("xyMonkeyChecked", true);
            checkDescription(*current, QStringLiteral("written"));
            ++written;
        }
        const QBitArray &visible = A::plotVisible(d);
        if (visible.size() != GraphSlots)
            return fail(QStringLiteral("plotVisible has %1 bits").arg(visible.size()));

        // Tabs and bits agree, in slot order, each tab on its own page.
        QList<int> expected;
        for (int g = 0; g < GraphSlots; ++g) {
            if (visible.testBit(g) || (g == 0 && m_graphOneTabWithoutBit))
                expected.append(g);
        }
        QTabWidget *plotTabs = ui()->plotConfigTabs;
        QTabWidget *axesTabs = ui()->axesConfigTabs;
        if (plotTabs->count() != expected.size() + 1 || axesTabs->count() != expected.size())
            return fail(QStringLiteral("%1 graph tabs and %2 axes tabs for bits %3")
                                .arg(plotTabs->count() - 1).arg(axesTabs->count())
                                .arg(bitText(visible)));
        if (plotTabs->tabText(0) != QLatin1String("All"))
            return fail(QStringLiteral("first graph tab is \"%1\"").arg(plotTabs->tabText(0)));
        for (int i = 0; i < expected.size(); ++i) {
            const int g = expected.at(i);
            const QString label = QStringLiteral("Graph %1").arg(g + 1);
            const QString plotPage = QStringLiteral("plot%1Tab").arg(g + 1);
            const QString axesPage = QStringLiteral("graphAxes%1").arg(g + 1);
            if (plotTabs->tabText(i + 1) != label || plotTabs->widget(i + 1)->objectName() != plotPage
                || axesTabs->tabText(i) != label || axesTabs->widget(i)->objectName() != axesPage)
                return fail(QStringLiteral("tab %1 is \"%2\"/\"%3\", expected %4 for bits %5")
                                    .arg(i + 1).arg(plotTabs->tabText(i + 1), axesTabs->tabText(i),
                                                    label, bitText(visible)));
        }

        // Every per-graph list keeps one entry per slot.
        const int sizes[] = {A::yAxes(d).size(), A::xAxis(d).size(), A::xyVar(d).size(),
                             A::xyOverlay(d).size(), A::overlayFileButtons(d).size(),
                             A::displayTypeCombos(d).size(), A::cometLengthSpins(d).size(),
                             A::datapointShowRadios(d).size(), A::datapointHideRadios(d).size(),
                             A::xyValuesShowRadios(d).size(), A::xyValuesHideRadios(d).size(),
                             A::overlayFileLabels(d).size(), A::overlayFilenames(d).size()};
        for (int size : sizes) {
            if (size != GraphSlots)
                return fail(QStringLiteral("a per-graph list has %1 entries").arg(size));
        }

        // Every table, shown or not, has the cells of its kind in every row.
        for (int g = 0; g < GraphSlots; ++g) {
            Spreadsheet *tables[] = {A::yAxes(d).at(g), A::xAxis(d).at(g), A::xyVar(d).at(g),
                                     A::xyOverlay(d).at(g)};
            const int rowsOfAxes[] = {2, 1};
            for (int t = 0; t < 4; ++t) {
                const QString problem = cellProblem(tables[t]);
                if (!problem.isEmpty())
                    return fail(problem);
                if (t < 2 && tables[t]->rowCount() != rowsOfAxes[t])
                    return fail(QStringLiteral("%1 has %2 rows").arg(tables[t]->objectName())
                                        .arg(tables[t]->rowCount()));
                if (t >= 2 && tables[t]->rowCount() > Spreadsheet::MaxChannelRows)
                    return fail(QStringLiteral("%1 has %2 rows").arg(tables[t]->objectName())
                                        .arg(tables[t]->rowCount()));
            }
            // Only a comet has a length to edit.
            const int type = A::displayTypeCombos(d).at(g)->currentIndex();
            const bool spinOn = !A::cometLengthSpins(d).at(g)->testAttribute(Qt::WA_Disabled);
            if (m_typeHandled.testBit(g) && (type == DisplayFullTrace || type == DisplayMarkerOnly)
                && spinOn)
                return fail(QStringLiteral("graph %1: comet length editable for type %2").arg(g + 1).arg(type));
            if (type == DisplayComet && !spinOn)
                return fail(QStringLiteral("graph %1: comet length locked for a comet").arg(g + 1));
            // Never both switches of a pair; exactly one for a shown graph.
            const bool datapoints[] = {A::datapointShowRadios(d).at(g)->isChecked(),
                                       A::datapointHideRadios(d).at(g)->isChecked()};
            const bool xyValues[] = {A::xyValuesShowRadios(d).at(g)->isChecked(),
                                     A::xyValuesHideRadios(d).at(g)->isChecked()};
            if ((datapoints[0] && datapoints[1]) || (xyValues[0] && xyValues[1]))
                return fail(QStringLiteral("graph %1: show and hide both on").arg(g + 1));
            if (visible.testBit(g) && (datapoints[0] == datapoints[1] || xyValues[0] == xyValues[1]))
                return fail(QStringLiteral("graph %1: shown with a show/hide pair unset").arg(g + 1));
        }
        QString problem = cellProblem(ui()->plotAllVarSpreadsheet, true);
        if (problem.isEmpty())
            problem = cellProblem(ui()->plotAllOverlaySpreadsheet, false);
        if (!problem.isEmpty())
            return fail(problem);

        // A pan or zoom bit locks OK and Apply; nothing locks them otherwise.
        const bool locked = A::panStatus(d).count(true) > 0 || A::zoomStatus(d).count(true) > 0;
        if (ui()->btnOk->isEnabled() == locked || ui()->btnApply->isEnabled() == locked)
            return fail(QStringLiteral("OK/Apply enabled %1 while locked %2")
                                .arg(ui()->btnOk->isEnabled()).arg(locked));

        // Between steps no message box is open or thought open.
        if (A::rateWarningShowing(d))
            return fail(QStringLiteral("a rate warning is still marked as showing"));
        if (QWidget *modal = QApplication::activeModalWidget())
            return fail(QStringLiteral("a modal %1 \"%2\" is still open")
                                .arg(QLatin1String(modal->metaObject()->className()), modal->windowTitle()));
    }

    static QString bitText(const QBitArray &bits)
    {
        QString text;
        for (int i = 0; i < bits.size(); ++i)
            text.append(bits.testBit(i) ? QLatin1Char('1') : QLatin1Char('0'));
        return text;
    }
};

// dirty() signals that checking button gives: one per radio button of its
// pair whose state changes (the form starts with neither checked).
int dirtyForChecking(QRadioButton *button, QRadioButton *const pairs[2][2])
{
    if (button->isChecked())
        return 0;
    for (int p = 0; p < 2; ++p) {
        for (int b = 0; b < 2; ++b) {
            if (pairs[p][b] == button)
                return pairs[p][1 - b]->isChecked() ? 2 : 1;
        }
    }
    return -1;
}

} // namespace

class tst_Monkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dialogWalk_data();
    void dialogWalk();
    void tabWalk_data();
    void tabWalk();

private:
    ModalAnswerer *m_answerer = nullptr;
    std::unique_ptr<OverlayFiles> m_files;
};

void tst_Monkey::initTestCase()
{
    ZelVariable::setAvailableVariables(catalogue());
    for (int g = 0; g < PlotSingleton::NumSlots; ++g)
        PlotSingleton::replaceOverlayChannelNames(g, new QStringList(overlayNames(g)));
    m_answerer = new ModalAnswerer(this);
    m_files.reset(new OverlayFiles);
    QVERIFY(m_files->dir.isValid());
}

void tst_Monkey::dialogWalk_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("steps");
    const int steps = stepsToRun(2000);
    for (quint64 seed : seedsToRun({1, 2, 3, 20240517}))
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << steps;
}

void tst_Monkey::dialogWalk()
{
    QFETCH(quint64, seed);
    QFETCH(int, steps);
    QElapsedTimer timer;
    timer.start();
    DialogWalk walk(seed, m_answerer, m_files.get());
    if (!walk.failure.isEmpty())
        QFAIL(qPrintable(QStringLiteral("seed %1, construction: %2").arg(seed).arg(walk.failure)));
    for (int step = 0; step < steps; ++step) {
        walk.step();
        if (!walk.failure.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1 step %2 (%3): %4").arg(seed).arg(step).arg(walk.action, walk.failure)));
    }
    QString excuseText;
    for (auto it = walk.excuseCounts.cbegin(); it != walk.excuseCounts.cend(); ++it)
        excuseText += QStringLiteral("; %1: %2").arg(it.key()).arg(it.value());
    qInfo("seed %llu: %d steps in %lld ms, %d descriptions emitted, %d written, %d engine findings excused%s",
          seed, steps, timer.elapsed(), walk.emitted, walk.written, walk.excused, qPrintable(excuseText));
}

void tst_Monkey::tabWalk_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("steps");
    const int steps = stepsToRun(1500);
    for (quint64 seed : seedsToRun({7, 8}))
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << steps;
}

void tst_Monkey::tabWalk()
{
    QFETCH(quint64, seed);
    QFETCH(int, steps);
    Rng rng(seed);
    XY_Plot_Config_Tab tab;
    tab.show();
    int dirty = 0;
    connect(&tab, &XY_Plot_Config_Tab::dirty, this, [&dirty]() { ++dirty; });
    QRadioButton *const pairs[2][2] = {{tab.radDatapointShowPlot, tab.radDatapointHidePlot},
                                       {tab.radXYValuesShowPlot, tab.radXYValuesHidePlot}};
    int fileChoices = 0;
    // The form starts with the comet length editable; the rule applies from
    // the first display type the host hands on.
    bool typeHandled = false;

    for (int step = 0; step < steps; ++step) {
        QString action;
        const auto where = [&]() {
            return QStringLiteral("seed %1 step %2 (%3)").arg(seed).arg(step).arg(action);
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
            QVERIFY2(addOrDeleteRowIn(rng.chance(50) ? tab.plotXYVarSpreadsheet : tab.plotXYOverlaySpreadsheet, rng, &action),
                     qPrintable(where()));
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
            const QList<QComboBox *> combos = tab.findChildren<QComboBox *>();
            QComboBox *combo = rng.pick(combos);
            const int index = rng.below(combo->count());
            action = QStringLiteral("combo %1 -> %2").arg(combo->objectName()).arg(index);
            combo->setCurrentIndex(index);
            // The host reacts to the display type, as the dialog does.
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
                action = QStringLiteral("process events");
                QCoreApplication::processEvents();
                break;
            }
            const int choice = rng.below(3);
            ++fileChoices;
            m_answerer->queueFile(choice == 0 ? m_files->good : choice == 1 ? m_files->bad : QString());
            action = QStringLiteral("overlay file %1").arg(choice);
            const int seenBefore = m_answerer->count();
            tab.handleOverlayButtonSelection(rng.between(-1, 9));
            // The file dialog, plus the refusal for a file that is no log.
            QVERIFY2(m_answerer->count() - seenBefore == (choice == 1 ? 2 : 1), qPrintable(where()));
            if (choice == 0) {
                auto *x = qobject_cast<ComboBoxWidget *>(tab.plotXYOverlaySpreadsheet->cellWidget(0, 0));
                if (x) {
                    QVERIFY2(x->findIndex(QStringLiteral("P_RAIL")) > 0, qPrintable(where()));
                    QVERIFY2(x->getComboBoxCurrentIndex() == 0, qPrintable(where()));
                }
                QVERIFY2(tab.lblOverlayFilePlot->text() == QLatin1String("run.log"), qPrintable(where()));
            }
            break;
        }
        default: {
            // A click, or (7) checking by key.
            QRadioButton *button = pairs[rng.below(2)][rng.below(2)];
            action = QString::fromLatin1(kind == 1 ? "click %1" : "toggle %1 by key").arg(button->objectName());
            expectedDirty = dirtyForChecking(button, pairs);
            kind == 1 ? button->click() : button->setChecked(true);
            break;
        }
        }

        // Invariants of the single-graph tab.
        if (kind == 1 || kind == 7)
            QVERIFY2(dirty - before == expectedDirty,
                     qPrintable(where() + QStringLiteral(": %1 dirty signals").arg(dirty - before)));
        else
            QVERIFY2(dirty == before, qPrintable(where() + QStringLiteral(": unexpected dirty signal")));
        for (auto &pair : pairs)
            QVERIFY2(!(pair[0]->isChecked() && pair[1]->isChecked()), qPrintable(where()));
        const int type = tab.cboDisplayType->currentIndex();
        if (typeHandled && (type == DisplayFullTrace || type == DisplayMarkerOnly))
            QVERIFY2(!tab.spinCometLength->isEnabled(), qPrintable(where()));
        else if (type == DisplayComet)
            QVERIFY2(tab.spinCometLength->isEnabled(), qPrintable(where()));
        for (Spreadsheet *table : {tab.plotXYVarSpreadsheet, tab.plotXYOverlaySpreadsheet}) {
            const QString problem = cellProblem(table);
            QVERIFY2(problem.isEmpty(), qPrintable(where() + QStringLiteral(": ") + problem));
            QVERIFY2(table->rowCount() <= Spreadsheet::MaxChannelRows, qPrintable(where()));
        }
        QVERIFY2(!QApplication::activeModalWidget(), qPrintable(where()));
    }
    qInfo("seed %llu: %d steps, %d overlay file choices", seed, steps, fileChoices);
}

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"

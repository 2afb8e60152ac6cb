// Times the configuration dialog on a full eight-graph screen over a variable
// catalogue of 100 and of 50,000 names, beside a plain QDialog holding the
// same widgets without any of the dialog's logic, and watches the resident
// memory over many "All" switches and Apply write-backs. Prints a table
// (median and min-max per operation) and ends with one line per bar:
//   bar <name>: <value> (limit <limit>) ok|over
//
// The measured variants take turns inside each repetition, so that a busy
// shared machine slows all of them alike; the bars are ratios for that
// reason. Options (for profiling a reduced run):
//   --reps N      repetitions measured (default 15, at least 1)
//   --warmups N   repetitions run first and not counted (default 2)
//   --loops N     "All" switches and Applies of the memory check (default 1000)
//   --sizes A,B   catalogue sizes (default 100,50000)
//   --no-form-style-sheets  an experiment: right after construction, take
//                 the tab-bar style sheets off the two tab widgets and the axes
//                 page that carry them (they put every widget below under the
//                 style sheet engine); what the rest then costs shows what
//                 styling only the tab bars would give
//   --cpu-time    time each step by the CPU time of the GUI thread instead of
//                 the wall clock: on a shared, busy machine the wall clock
//                 also counts the time other processes held the core
//   --clear-pixmap-cache  empty Qt's pixmap cache (bounded, 10 MiB by
//                 default, filled by the style's drawing) before each memory
//                 reading, to tell that cache from a leak
//
// Apply: on_btnApply_clicked lets one press through per 500 ms, which leaves
// no room for repetitions; what Apply does after that check is validation
// and write-back, so that is what is timed (through the test accessor).
#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/dialog_access.h"

#include <QApplication>
#include <QBitArray>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QPixmapCache>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include "bench_support.h"

using Access = XY_Plot_Config_Dialog_TestAccess;

namespace {

const int GraphSlots = 8;
const int ChannelsPerGraph = 8;
const int OverlayChannelsPerSlot = 200;

struct Options
{
    int reps = 15;
    int warmups = 2;
    int loops = 1000;
    std::vector<int> sizes{100, 50000};
    bool clearPixmapCache = false;
    bool noFormStyleSheets = false;
    bool cpuTime = false;
};

Options parseOptions(const QStringList &args)
{
    Options o;
    for (int i = 1; i < args.size(); i += 2) {
        const QString &key = args.at(i);
        if (key == QLatin1String("--clear-pixmap-cache")
            || key == QLatin1String("--no-form-style-sheets")
            || key == QLatin1String("--cpu-time")) {
            (key == QLatin1String("--clear-pixmap-cache")     ? o.clearPixmapCache
             : key == QLatin1String("--no-form-style-sheets") ? o.noFormStyleSheets
                                                              : o.cpuTime) = true;
            --i;
            continue;
        }
        if (i + 1 >= args.size())
            break;
        const QString &value = args.at(i + 1);
        if (key == QLatin1String("--reps"))
            o.reps = std::max(1, value.toInt());
        else if (key == QLatin1String("--warmups"))
            o.warmups = std::max(0, value.toInt());
        else if (key == QLatin1String("--loops"))
            o.loops = std::max(0, value.toInt());
        else if (key == QLatin1String("--sizes")) {
            o.sizes.clear();
            for (const QString &s : value.split(QLatin1Char(','), Qt::SkipEmptyParts))
                o.sizes.push_back(std::max(1, s.toInt()));
        }
    }
    if (o.sizes.empty())
        o.sizes.push_back(100);
    return o;
}

using bench_support::catalogue;

// The list a logger file gives a slot: an empty entry in front, then the
// file's channels; every slot's file has channels of its own.
QStringList overlayNames(int slot)
{
    QStringList names;
    names.reserve(OverlayChannelsPerSlot + 1);
    names << QString();
    for (int i = 0; i < OverlayChannelsPerSlot; ++i)
        names << QStringLiteral("RUN%1.LOG.CH_%2").arg(slot + 1).arg(i, 3, 10, QLatin1Char('0'));
    return names;
}

// Eight graphs, each with eight variable and eight overlay channels whose
// names come from the catalogue and the slot's overlay list.
std::unique_ptr<Plot_Screen_Info> fullDescription(const QStringList &names)
{
    std::unique_ptr<Plot_Screen_Info> info(new Plot_Screen_Info);
    info->configFileName = QStringLiteral("/data/config/cell4_xy.cfg");
    info->title = QStringLiteral("Cell 4 engine map");
    info->numPlots = GraphSlots;
    info->plotAxisInfo.resize(GraphSlots);
    const int n = names.size();
    for (int g = 0; g < GraphSlots; ++g) {
        Plot_Axis_Info &graph = info->plotAxisInfo[g];
        graph.numVarChannels = ChannelsPerGraph;
        graph.numOverlayChannels = ChannelsPerGraph;
        graph.overlayFileName = QStringLiteral("/data/PC_format/run%1.log").arg(g + 1);
        const QStringList overlay = overlayNames(g);
        for (int r = 0; r < ChannelsPerGraph; ++r) {
            Plot_Channel_Info &var = graph.varChannels[r];
            const int k = g * ChannelsPerGraph + r;
            var.xVarName = names.at(int((qint64(k) * 7919) % n));
            var.yVarName = names.at(int((qint64(k) * 104729 + 17) % n));
            var.useLeftAxis = (r % 2) == 0;
            var.lineColor = QColor::fromHsv((k * 37) % 360, 200, 230);
            Plot_Channel_Info &ov = graph.overlayChannels[r];
            ov.xVarName = overlay.at(1 + (r * 13) % OverlayChannelsPerSlot);
            ov.yVarName = overlay.at(1 + (r * 29 + 5) % OverlayChannelsPerSlot);
            ov.lineColor = QColor::fromHsv((k * 53) % 360, 180, 200);
        }
    }
    return info;
}

using bench_support::residentKiB;

// What a host's event loop does before the user sees the result: posted
// events (layout, polish, expose, paint) and the deletion of widgets that
// tables released with deleteLater.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A message box from validation or a refusal would wait for a person; this
// answers it and counts it, so that the run says its figures are not valid.
int modalsAnswered = 0;

void watchForModals(QObject *parent)
{
    auto *timer = new QTimer(parent);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++modalsAnswered;
            std::fprintf(stderr, "unexpected modal window answered: %s\n",
                         qPrintable(modal->windowTitle()));
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    timer->start(50);
}

// Bytes the allocator has handed out and not had back: what a leak grows,
// unlike resident memory, which also holds freed but unreturned pages.
qint64 heapInUseKiB()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64((info.uordblks + info.hblkhd) / 1024);
}

// Wall clock, or with --cpu-time the CPU time of the calling thread.
class StepTimer
{
public:
    explicit StepTimer(bool cpuTime)
        : m_cpuTime(cpuTime)
    {}
    void start() { m_start = now(); }
    double elapsedMs() const { return double(now() - m_start) / 1e6; }

private:
    qint64 now() const
    {
        timespec ts{};
        clock_gettime(m_cpuTime ? CLOCK_THREAD_CPUTIME_ID : CLOCK_MONOTONIC, &ts);
        return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
    }

    bool m_cpuTime;
    qint64 m_start = 0;
};

double msSince(const StepTimer &timer)
{
    return timer.elapsedMs();
}

struct Stats
{
    double median = 0, min = 0, max = 0;
    int n = 0;
};

Stats statsOf(std::vector<double> v)
{
    Stats s;
    if (v.empty())
        return s;
    std::sort(v.begin(), v.end());
    s.n = int(v.size());
    s.min = v.front();
    s.max = v.back();
    s.median = v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2.0;
    return s;
}

QBitArray clearBits()
{
    return QBitArray(GraphSlots);
}

// ------------------------------------------------------------ widget census

// The Qt classes the baseline can build, by name.
using Factory = std::function<QWidget *(QWidget *)>;

const QMap<QByteArray, Factory> &factories()
{
    static const QMap<QByteArray, Factory> map{
        {"QWidget", [](QWidget *p) { return new QWidget(p); }},
        {"QFrame", [](QWidget *p) { return new QFrame(p); }},
        {"QLabel", [](QWidget *p) { return new QLabel(QStringLiteral("Label"), p); }},
        {"QPushButton", [](QWidget *p) { return new QPushButton(QStringLiteral("Button"), p); }},
        {"QToolButton", [](QWidget *p) { return new QToolButton(p); }},
        {"QRadioButton", [](QWidget *p) { return new QRadioButton(QStringLiteral("Radio"), p); }},
        {"QCheckBox", [](QWidget *p) { return new QCheckBox(p); }},
        {"QComboBox", [](QWidget *p) { return new QComboBox(p); }},
        {"QSpinBox", [](QWidget *p) { return new QSpinBox(p); }},
        {"QDoubleSpinBox", [](QWidget *p) { return new QDoubleSpinBox(p); }},
        {"QLineEdit", [](QWidget *p) { return new QLineEdit(p); }},
        {"QGroupBox", [](QWidget *p) { return new QGroupBox(QStringLiteral("Group"), p); }},
        {"QTabWidget", [](QWidget *p) { return new QTabWidget(p); }},
        {"QTabBar", [](QWidget *p) { return new QTabBar(p); }},
        {"QStackedWidget", [](QWidget *p) { return new QStackedWidget(p); }},
        {"QTableWidget", [](QWidget *p) { return new QTableWidget(p); }},
        {"QHeaderView", [](QWidget *p) { return new QHeaderView(Qt::Horizontal, p); }},
        {"QScrollBar", [](QWidget *p) { return new QScrollBar(p); }},
        {"QScrollArea", [](QWidget *p) { return new QScrollArea(p); }},
        {"QListView", [](QWidget *p) { return new QListView(p); }},
    };
    return map;
}

// The nearest Qt class the baseline can build for a widget of the dialog:
// the class itself, or its closest base that is one.
QByteArray nearestQtClass(const QMetaObject *meta)
{
    for (; meta; meta = meta->superClass()) {
        if (factories().contains(meta->className()))
            return meta->className();
    }
    return "QWidget";
}

using Census = QMap<QByteArray, int>;

// Widgets below root, counted per class name as the meta-object gives it.
Census censusOf(QWidget *root, bool nearest)
{
    Census census;
    for (QWidget *w : root->findChildren<QWidget *>())
        census[nearest ? nearestQtClass(w->metaObject())
                       : QByteArray(w->metaObject()->className())]++;
    return census;
}

int total(const Census &c)
{
    int n = 0;
    for (int v : c)
        n += v;
    return n;
}

// The plain dialog: the same number of widgets of the same (nearest) Qt
// classes as the real one, on nine tab pages like its graph tabs, without
// any of its logic. Widgets that create children of their own come first,
// so that the simple classes only make up what is still missing.
// With styleSheet, its tab widget carries the style sheet the form gives
// its top-level tab widget, which puts every widget below it under the style
// sheet engine (shown for comparison, not a bar).
std::unique_ptr<QDialog> buildBaseline(const Census &target, bool styleSheet)
{
    std::unique_ptr<QDialog> dialog(new QDialog);
    auto *outer = new QVBoxLayout(dialog.get());
    auto *tabs = new QTabWidget(dialog.get());
    if (styleSheet)
        tabs->setStyleSheet(QStringLiteral("QTabBar::tab { height: 30px; width: 250px; }"));
    outer->addWidget(tabs);
    std::vector<QGridLayout *> grids;
    for (int p = 0; p < GraphSlots + 1; ++p) {
        auto *page = new QWidget;
        grids.push_back(new QGridLayout(page));
        tabs->addTab(page, QStringLiteral("Page %1").arg(p));
    }
    static const QByteArray composites[] = {"QTabWidget", "QTableWidget", "QScrollArea",
                                            "QGroupBox",  "QComboBox",    "QDoubleSpinBox",
                                            "QSpinBox",   "QListView",    "QStackedWidget"};
    QList<QByteArray> order(std::begin(composites), std::end(composites));
    for (const QByteArray &name : target.keys()) {
        if (!order.contains(name))
            order << name;
    }
    int placed = 0;
    for (const QByteArray &name : order) {
        const int missing = target.value(name) - censusOf(dialog.get(), true).value(name);
        for (int i = 0; i < missing; ++i) {
            QGridLayout *grid = grids[size_t(placed % int(grids.size()))];
            const int slot = placed / int(grids.size());
            grid->addWidget(factories().value(name)(nullptr), slot / 8, slot % 8);
            ++placed;
        }
    }
    return dialog;
}

// ------------------------------------------------------------ measured steps
// Kept out of line so that a profiler can collect each of them alone
// (valgrind --toggle-collect='bench::*').

} // namespace

namespace bench {

bool dropFormStyleSheets = false;

__attribute__((noinline)) XY_Plot_Config_Dialog *construct(Plot_Screen_Info *host)
{
    auto *d = new XY_Plot_Config_Dialog(host, nullptr, false);
    if (dropFormStyleSheets) {
        Ui_Plot_Config_Dialog *ui = Access::ui(*d);
        ui->configTabs->setStyleSheet(QString());
        ui->plotConfigTabs->setStyleSheet(QString());
        ui->axesConfigTab->setStyleSheet(QString());
    }
    return d;
}

__attribute__((noinline)) void showDialog(XY_Plot_Config_Dialog *d, Plot_Screen_Info *host)
{
    d->show(host, clearBits(), clearBits(), XY_Plot_Config_Dialog::PlotArea, 0, false);
    settle();
}

__attribute__((noinline)) bool applyWriteBack(XY_Plot_Config_Dialog *d)
{
    if (!Access::checkIfDataIsValid(*d))
        return false;
    Access::writeScreenInfoToDataStructure(*d);
    return true;
}

__attribute__((noinline)) void switchToAll(XY_Plot_Config_Dialog *d)
{
    Access::ui(*d)->plotConfigTabs->setCurrentIndex(0);
    settle();
}

// The same, apart for profiling: later visits reuse the overview's cells.
__attribute__((noinline)) void switchToAllAgain(XY_Plot_Config_Dialog *d)
{
    Access::ui(*d)->plotConfigTabs->setCurrentIndex(0);
    settle();
}

__attribute__((noinline)) void deleteGraph(XY_Plot_Config_Dialog *d)
{
    Access::delOldTab(*d);
    settle();
}

__attribute__((noinline)) void addGraph(XY_Plot_Config_Dialog *d)
{
    Access::addNewTab(*d);
    settle();
}

__attribute__((noinline)) void destroyDialog(XY_Plot_Config_Dialog *d)
{
    delete d;
    settle();
}

__attribute__((noinline)) QDialog *buildAndShowBaseline(const Census &target, bool styleSheet)
{
    QDialog *dialog = buildBaseline(target, styleSheet).release();
    dialog->show();
    settle();
    return dialog;
}

} // namespace bench

namespace {

struct SizeResults
{
    std::vector<double> construct, firstShow, constructAndShow, laterShow, apply, allSwitch,
        laterAllSwitch, deleteGraph, addGraph, destroy, baseline, styledBaseline;
};

void printRow(const char *operation, int size, const Stats &s)
{
    std::printf("%-34s %7d %10.2f %10.2f - %-10.2f %3d\n", operation, size, s.median, s.min, s.max,
                s.n);
}

void bar(const char *name, double value, double limit, const char *unit, bool lessThan = false)
{
    const bool ok = lessThan ? value < limit : value <= limit;
    std::printf("bar %s: %.3f%s (limit %.3f%s) %s\n", name, value, unit, limit, unit,
                ok ? "ok" : "over");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options = parseOptions(QCoreApplication::arguments());
    watchForModals(&app);
    bench::dropFormStyleSheets = options.noFormStyleSheets;

    for (int slot = 0; slot < GraphSlots; ++slot)
        PlotSingleton::replaceOverlayChannelNames(slot, new QStringList(overlayNames(slot)));

    std::vector<QStringList> names;
    std::vector<std::unique_ptr<Plot_Screen_Info>> hosts;
    for (int size : options.sizes) {
        names.push_back(catalogue(size));
        hosts.push_back(fullDescription(names.back()));
    }
    // A host sets its catalogue once; the index behind "first name starting
    // with" is built on the first query and is not part of the dialog's work.
    auto useCatalogue = [&](size_t i) {
        ZelVariable::setAvailableVariables(names[i]);
        ZelVariable::findFirstStartingWith(QString(), Qt::CaseSensitive);
        ZelVariable::findFirstStartingWith(QString(), Qt::CaseInsensitive);
    };

    // The real dialog's widgets, counted once after its first show.
    useCatalogue(names.size() - 1);
    Census exact, nearest;
    {
        std::unique_ptr<XY_Plot_Config_Dialog> d(bench::construct(hosts.back().get()));
        bench::showDialog(d.get(), hosts.back().get());
        exact = censusOf(d.get(), false);
        nearest = censusOf(d.get(), true);
    }
    settle();

    std::vector<SizeResults> results(options.sizes.size());
    bool applyValid = true;
    StepTimer timer(options.cpuTime);
    for (int rep = 0; rep < options.warmups + options.reps; ++rep) {
        const bool counted = rep >= options.warmups;
        for (size_t i = 0; i < options.sizes.size(); ++i) {
            useCatalogue(i);
            Plot_Screen_Info *host = hosts[i].get();
            SizeResults &r = results[i];

            timer.start();
            XY_Plot_Config_Dialog *d = bench::construct(host);
            const double constructMs = msSince(timer);
            timer.start();
            bench::showDialog(d, host);
            const double firstShowMs = msSince(timer);

            timer.start();
            bench::showDialog(d, host);
            const double laterShowMs = msSince(timer);

            timer.start();
            applyValid = bench::applyWriteBack(d) && applyValid;
            const double applyMs = msSince(timer);

            QTabWidget *graphs = Access::ui(*d)->plotConfigTabs;
            graphs->setCurrentIndex(1);
            settle();
            timer.start();
            bench::switchToAll(d);
            const double allMs = msSince(timer);
            // Later visits fill the overview with the cells the first one
            // built.
            graphs->setCurrentIndex(1);
            settle();
            timer.start();
            bench::switchToAllAgain(d);
            const double laterAllMs = msSince(timer);

            graphs->setCurrentIndex(graphs->count() - 1); // the last graph is deleted
            settle();
            timer.start();
            bench::deleteGraph(d);
            const double deleteMs = msSince(timer);
            timer.start();
            bench::addGraph(d);
            const double addMs = msSince(timer);

            timer.start();
            bench::destroyDialog(d);
            const double destroyMs = msSince(timer);

            timer.start();
            QDialog *plain = bench::buildAndShowBaseline(nearest, false);
            const double baselineMs = msSince(timer);
            delete plain;
            settle();

            timer.start();
            QDialog *styled = bench::buildAndShowBaseline(nearest, true);
            const double styledBaselineMs = msSince(timer);
            delete styled;
            settle();

            if (counted) {
                r.construct.push_back(constructMs);
                r.firstShow.push_back(firstShowMs);
                r.constructAndShow.push_back(constructMs + firstShowMs);
                r.laterShow.push_back(laterShowMs);
                r.apply.push_back(applyMs);
                r.allSwitch.push_back(allMs);
                r.laterAllSwitch.push_back(laterAllMs);
                r.deleteGraph.push_back(deleteMs);
                r.addGraph.push_back(addMs);
                r.destroy.push_back(destroyMs);
                r.baseline.push_back(baselineMs);
                r.styledBaseline.push_back(styledBaselineMs);
            }
        }
    }

    std::printf("XY plot configuration dialog: 8 graphs, 8 variable + 8 overlay channels each, "
                "%d overlay channels per slot; %d repetitions after %d warm-ups; %s\n",
                OverlayChannelsPerSlot, options.reps, options.warmups,
                options.cpuTime ? "CPU time of the GUI thread" : "wall clock");
    std::printf("%-34s %7s %10s %23s %3s\n", "operation (ms)", "names", "median", "min - max", "n");
    std::vector<Stats> cfs, apply, all, laterAll, base;
    for (size_t i = 0; i < options.sizes.size(); ++i) {
        const int size = options.sizes[i];
        const SizeResults &r = results[i];
        printRow("construct", size, statsOf(r.construct));
        printRow("first show", size, statsOf(r.firstShow));
        printRow("construct + first show", size, statsOf(r.constructAndShow));
        printRow("later show", size, statsOf(r.laterShow));
        printRow("apply (validate + write-back)", size, statsOf(r.apply));
        printRow("first switch to \"All\"", size, statsOf(r.allSwitch));
        printRow("later switch to \"All\"", size, statsOf(r.laterAllSwitch));
        printRow("delete graph", size, statsOf(r.deleteGraph));
        printRow("add graph", size, statsOf(r.addGraph));
        printRow("destroy", size, statsOf(r.destroy));
        printRow("baseline: plain QDialog build+show", size, statsOf(r.baseline));
        printRow("  same + tab widget style sheet", size, statsOf(r.styledBaseline));
        cfs.push_back(statsOf(r.constructAndShow));
        apply.push_back(statsOf(r.apply));
        all.push_back(statsOf(r.allSwitch));
        laterAll.push_back(statsOf(r.laterAllSwitch));
        base.push_back(statsOf(r.baseline));
    }
    std::printf(
        "widgets in the dialog after first show: %d (baseline built to match: %d classes)\n",
        total(exact), int(nearest.size()));
    for (auto it = exact.cbegin(); it != exact.cend(); ++it)
        std::printf("  %-36s %5d\n", it.key().constData(), it.value());

    // Resident memory of one dialog over the largest catalogue.
    const size_t large = options.sizes.size() - 1;
    useCatalogue(large);
    settle();
    const qint64 beforeDialog = residentKiB();
    std::unique_ptr<XY_Plot_Config_Dialog> d(bench::construct(hosts[large].get()));
    const qint64 afterConstruct = residentKiB();
    bench::showDialog(d.get(), hosts[large].get());
    QTabWidget *graphs = Access::ui(*d)->plotConfigTabs;
    // The first switches and write-backs build what stays (the overview's
    // rows, caches of fonts and styles, allocator pools); growth is counted
    // from there.
    const int warmLoops = std::min(options.loops, 10);
    for (int i = 0; i < warmLoops; ++i) {
        bench::switchToAllAgain(d.get());
        graphs->setCurrentIndex(1);
        settle();
    }
    auto cleared = [&options] {
        if (options.clearPixmapCache)
            QPixmapCache::clear();
        return true;
    };
    cleared();
    const qint64 beforeSwitches = residentKiB();
    const qint64 heapBeforeSwitches = heapInUseKiB();
    const int widgetsBeforeSwitches = QApplication::allWidgets().size();
    for (int i = 0; i < options.loops; ++i) {
        bench::switchToAllAgain(d.get());
        graphs->setCurrentIndex(1);
        settle();
    }
    cleared();
    const qint64 afterSwitches = residentKiB();
    const qint64 heapAfterSwitches = heapInUseKiB();
    const int widgetsAfterSwitches = QApplication::allWidgets().size();
    // Each write-back replaces the description; one that was never handed
    // to a host is the dialog's and goes with the next write-back.
    for (int i = 0; i < warmLoops; ++i)
        applyValid = bench::applyWriteBack(d.get()) && applyValid;
    settle();
    cleared();
    const qint64 beforeApplies = residentKiB();
    for (int i = 0; i < options.loops; ++i)
        applyValid = bench::applyWriteBack(d.get()) && applyValid;
    settle();
    cleared();
    const qint64 afterApplies = residentKiB();
    d.reset();
    settle();

    std::printf("resident memory (KiB), catalogue %d:\n", options.sizes[large]);
    std::printf("  before the dialog                   %8lld\n",
                static_cast<long long>(beforeDialog));
    std::printf("  after construction                  %8lld\n",
                static_cast<long long>(afterConstruct));
    std::printf("  after first show + %2d warm switches %8lld\n", warmLoops,
                static_cast<long long>(beforeSwitches));
    std::printf("  after %d \"All\" switches          %8lld\n", options.loops,
                static_cast<long long>(afterSwitches));
    std::printf("  (widgets in the process before and after the switches: %d, %d;"
                " heap in use %lld, %lld KiB)\n",
                widgetsBeforeSwitches, widgetsAfterSwitches,
                static_cast<long long>(heapBeforeSwitches),
                static_cast<long long>(heapAfterSwitches));
    std::printf("  after %2d warm Applies                %8lld\n", warmLoops,
                static_cast<long long>(beforeApplies));
    std::printf("  after %d Applies (write-backs)     %8lld\n", options.loops,
                static_cast<long long>(afterApplies));

    if (!applyValid || modalsAnswered > 0)
        std::printf(
            "WARNING: validation failed or a message box appeared (%d); figures are not valid\n",
            modalsAnswered);

    const size_t small = 0;
    if (options.sizes.size() > 1)
        bar("construct_first_show_large_vs_small_catalogue", cfs[large].median / cfs[small].median,
            1.2, "");
    for (size_t i = 0; i < options.sizes.size(); ++i) {
        const QByteArray name =
            "construct_first_show_vs_baseline_" + QByteArray::number(options.sizes[i]);
        bar(name.constData(), cfs[i].median / base[i].median, 1.5, "");
    }
    bar("apply_vs_construct_first_show", apply[large].median / cfs[large].median, 0.05, "");
    bar("first_all_switch_vs_construct_first_show", all[large].median / cfs[large].median, 0.05, "");
    bar("all_switch_vs_construct_first_show", laterAll[large].median / cfs[large].median, 0.05, "");
    bar("rss_growth_all_switches", double(afterSwitches - beforeSwitches) / 1024.0, 1.0, " MiB");
    bar("rss_growth_applies", double(afterApplies - beforeApplies) / 1024.0, 1.0, " MiB");
    bar("construct_first_show_ms", cfs[large].median, 100.0, " ms", true);
    bar("apply_ms", apply[large].median, 5.0, " ms", true);
    bar("first_all_switch_ms", all[large].median, 5.0, " ms", true);
    bar("all_switch_ms", laterAll[large].median, 5.0, " ms", true);
    return 0;
}

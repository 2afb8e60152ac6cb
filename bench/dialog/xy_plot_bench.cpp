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
#include <QPixmapCache>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <malloc.h>
#include <time.h>

#include "bench_screen.h"
#include "bench_support.h"
#include "dialog_bench_options.h"
#include "measured_steps.h"
#include "widget_census.h"

using Access = XY_Plot_Config_Dialog_TestAccess;
using namespace dialog_bench;
using bench_support::catalogue;
using bench_support::residentKiB;

namespace {

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

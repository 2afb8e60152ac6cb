// Builds 64 variable selectors, as a dialog's tables do, over a catalogue
// of 10 and of 50,000 names, shows them and processes events; prints the
// median times, their ratio and the resident memory the selectors take.
#include <interfaces/spreadsheet.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <unistd.h>

#include "bench_support.h"

namespace {

const int selectorCount = 64;
const int warmUps = 3;
const int repetitions = 31;
const double timeLimit = 1.3;
const qint64 memoryLimitKiB = 1024;

using bench_support::catalogue;

using bench_support::residentKiB;

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// A page of selectors loaded the way the dialog loads them: each picks the
// first name starting with a stored one.
std::unique_ptr<QWidget> buildPage(int catalogueSize)
{
    std::unique_ptr<QWidget> page(new QWidget);
    auto *grid = new QGridLayout(page.get());
    for (int i = 0; i < selectorCount; ++i) {
        auto *selector = new ZelVariable(page.get());
        const QString stored = QStringLiteral("CELL4.ENGINE.CHANNEL_%1")
                                   .arg((i * 7919) % catalogueSize, 5, 10, QLatin1Char('0'));
        selector->comboBox()->setCurrentIndex(
            ZelVariable::findFirstStartingWith(stored, Qt::CaseSensitive));
        grid->addWidget(selector, i / 4, i % 4);
    }
    page->show();
    settle();
    return page;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timedBuildMs(int catalogueSize)
{
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QWidget> page = buildPage(catalogueSize);
    page.reset();
    settle();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The two catalogue sizes take turns, so that both see the same load on a
// shared machine; switching catalogues is not part of the timed work.
void medianBuildMs(double *small, double *large)
{
    const QStringList smallNames = catalogue(10);
    const QStringList largeNames = catalogue(50000);
    auto use = [](const QStringList &names) {
        ZelVariable::setAvailableVariables(names);
        ZelVariable::findFirstStartingWith(QString(),
                                           Qt::CaseSensitive); // index built once per catalogue
    };
    std::vector<double> smallTimes;
    std::vector<double> largeTimes;
    for (int i = 0; i < warmUps + repetitions; ++i) {
        use(smallNames);
        const double s = timedBuildMs(10);
        use(largeNames);
        const double l = timedBuildMs(50000);
        if (i >= warmUps) {
            smallTimes.push_back(s);
            largeTimes.push_back(l);
        }
    }
    *small = median(smallTimes);
    *large = median(largeTimes);
}

// Resident memory added by one page of selectors kept alive.
qint64 pageGrowthKiB(int catalogueSize, std::vector<std::unique_ptr<QWidget>> &keep)
{
    ZelVariable::setAvailableVariables(catalogue(catalogueSize));
    ZelVariable::findFirstStartingWith(QString(), Qt::CaseSensitive);
    buildPage(catalogueSize); // warm caches (fonts, styles, allocator)
    settle();
    const qint64 before = residentKiB();
    for (int i = 0; i < 4; ++i)
        keep.push_back(buildPage(catalogueSize));
    const qint64 after = residentKiB();
    return (after - before) / 4;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    double small = 0;
    double large = 0;
    medianBuildMs(&small, &large);
    const double ratio = large / small;
    std::printf("selectors: %d, median of %d builds (shown, events processed)\n", selectorCount,
                repetitions);
    std::printf("time catalogue 10:     %8.2f ms\n", small);
    std::printf("time catalogue 50000:  %8.2f ms\n", large);

    const qint64 beforeCatalogue = residentKiB();
    std::vector<std::unique_ptr<QWidget>> keep;
    const qint64 growthSmall = pageGrowthKiB(10, keep);
    keep.clear();
    settle();
    const qint64 growthLarge = pageGrowthKiB(50000, keep);
    const qint64 catalogueKiB = residentKiB() - beforeCatalogue - growthLarge * 4;
    keep.clear();
    std::printf("memory per %d selectors, catalogue 10:    %6lld KiB\n", selectorCount,
                static_cast<long long>(growthSmall));
    std::printf("memory per %d selectors, catalogue 50000: %6lld KiB\n", selectorCount,
                static_cast<long long>(growthLarge));
    std::printf("memory of the shared 50000-name catalogue and its index (once): ~%lld KiB\n",
                static_cast<long long>(catalogueKiB));

    const qint64 extra = growthLarge - growthSmall;
    std::printf("bar selectors_50000_vs_10: %.3f (limit %.1f) %s\n", ratio, timeLimit,
                ratio <= timeLimit ? "ok" : "over");
    std::printf("bar memory_selectors_50000_vs_10: %+lld KiB per %d selectors (limit %lld KiB; a "
                "per-selector copy "
                "of the catalogue would add ~%lld KiB) %s\n",
                static_cast<long long>(extra), selectorCount,
                static_cast<long long>(memoryLimitKiB),
                static_cast<long long>(qint64(selectorCount) * 50000 * 48 / 1024),
                extra <= memoryLimitKiB ? "ok" : "over");
    return 0;
}

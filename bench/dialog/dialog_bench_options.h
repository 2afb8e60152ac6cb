// The dialog benchmark's command line (see xy_plot_bench.cpp).
#ifndef XY_PLOT_BENCH_DIALOG_BENCH_OPTIONS_H
#define XY_PLOT_BENCH_DIALOG_BENCH_OPTIONS_H

#include <QStringList>

#include <vector>

namespace dialog_bench {

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

// Options from the program's arguments (args[0] is the program).
Options parseOptions(const QStringList &args);

} // namespace dialog_bench

#endif // XY_PLOT_BENCH_DIALOG_BENCH_OPTIONS_H

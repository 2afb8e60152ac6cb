#include "dialog_bench_options.h"

#include <algorithm>

namespace dialog_bench {

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

} // namespace dialog_bench

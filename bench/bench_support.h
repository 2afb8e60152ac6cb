// What every benchmark of the project needs besides its own measurements.
#ifndef XY_PLOT_BENCH_SUPPORT_H
#define XY_PLOT_BENCH_SUPPORT_H

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <unistd.h>

namespace bench_support {

// Resident memory of this process in KiB, or -1 where /proc is missing.
inline qint64 residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return -1;
    return fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024;
}

// A variable catalogue of count names that sort in catalogue order, as a
// site's channel list would.
inline QStringList catalogue(int count)
{
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("CELL4.ENGINE.CHANNEL_%1.VALUE").arg(i, 5, 10, QLatin1Char('0'));
    return names;
}

} // namespace bench_support

#endif // XY_PLOT_BENCH_SUPPORT_H

// What every benchmark of the project needs besides its own measurements.
#ifndef XY_PLOT_BENCH_SUPPORT_H
#define XY_PLOT_BENCH_SUPPORT_H

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

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

} // namespace bench_support

#endif // XY_PLOT_BENCH_SUPPORT_H

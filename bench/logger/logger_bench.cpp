// Times DarlenDataInput::getLoggerFileInfo on a 2 GiB logger file and on a
// 1 KiB one. The large file starts with 1 MiB of complete data lines (well
// beyond the prefix the recogniser may read) and continues as a sparse tail,
// so each call performs a real, successful recognition of both files.
#include <interfaces/darlen_data_input.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const qint64 TwoGiB = qint64(2) * 1024 * 1024 * 1024;
const int Repetitions = 2000;
const double RatioLimit = 2.0;

QByteArray loggerText(int bytes)
{
    QByteArray text = "# bench run\ntime;rpm;torque;oil_temp\n";
    for (int i = 0; text.size() < bytes; ++i) {
        const QByteArray line =
            QByteArray::number(i * 0.02) + ';' + QByteArray::number(800 + i % 4000) + ';'
            + QByteArray::number(i % 97 * 1.5) + ';' + QByteArray::number(85.25 + i % 10) + '\n';
        if (text.size() + line.size() > bytes && text.count('\n') > 2)
            break;
        text += line;
    }
    return text;
}

bool writeFile(const QString &path, const QByteArray &bytes, qint64 size)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.resize(size);
}

double medianMicroseconds(std::vector<qint64> &nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return nanoseconds[nanoseconds.size() / 2] / 1000.0;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary directory\n");
        return 1;
    }
    const QString small = dir.filePath("small.log");
    const QString large = dir.filePath("large.log");
    const QByteArray smallText = loggerText(1024);
    const QByteArray largeText = loggerText(1024 * 1024);
    if (!writeFile(small, smallText, smallText.size()) || !writeFile(large, largeText, TwoGiB)) {
        std::fprintf(stderr, "cannot write the bench files in %s\n", qPrintable(dir.path()));
        return 1;
    }
    for (const QString &path : {small, large}) {
        const LoggerFileInfo *info = DarlenDataInput::getLoggerFileInfo(path);
        if (!info || info->channelNames.size() != 4) {
            std::fprintf(stderr, "%s is not recognised as a logger file\n", qPrintable(path));
            return 1;
        }
    }

    // Alternate the two files so that both see the same cache and CPU state.
    std::vector<qint64> smallTimes;
    std::vector<qint64> largeTimes;
    smallTimes.reserve(Repetitions);
    largeTimes.reserve(Repetitions);
    QElapsedTimer clock;
    for (int i = 0; i < Repetitions; ++i) {
        clock.start();
        DarlenDataInput::getLoggerFileInfo(small);
        smallTimes.push_back(clock.nsecsElapsed());
        clock.start();
        DarlenDataInput::getLoggerFileInfo(large);
        largeTimes.push_back(clock.nsecsElapsed());
    }

    const double smallUs = medianMicroseconds(smallTimes);
    const double largeUs = medianMicroseconds(largeTimes);
    const double ratio = smallUs > 0 ? largeUs / smallUs : 0.0;
    std::printf("logger small (%d bytes): median %.2f us over %d calls\n", int(smallText.size()),
                smallUs, Repetitions);
    std::printf("logger large (%lld bytes, sparse after %d bytes): median %.2f us over %d calls\n",
                static_cast<long long>(TwoGiB), int(largeText.size()), largeUs, Repetitions);
    std::printf("bar logger_large_vs_small: %.2f (limit %g) %s\n", ratio, RatioLimit,
                ratio <= RatioLimit ? "ok" : "over");
    return 0;
}

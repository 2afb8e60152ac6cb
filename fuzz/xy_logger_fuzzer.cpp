// libFuzzer target for the logger file recogniser.
//
// Every input is judged as a whole file and as the cut start of a longer
// one; every 16th input also goes through a real file, so that the reader's
// block-wise prefix loop runs on the same bytes. Beyond "no crash, no UB" the
// target checks what a caller relies on: a rejected input leaves the record
// untouched, an accepted one has non-empty names, a separator that agrees
// with the channel count, one unit per channel or none, a time column in
// range and a first data line right after the leading lines, and the file
// reader agrees with the in-memory recogniser on a file that fits in one read.
#include <interfaces/darlen_data_input.h>

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "xy_logger_fuzzer: %s\n", what);
    std::abort();
}

// A record that no successful parse can produce: detects partial writes.
LoggerFileInfo sentinel()
{
    LoggerFileInfo info;
    info.filePath = QStringLiteral("untouched");
    info.channelNames = QStringList{QStringLiteral("\x01sentinel")};
    info.separator = QLatin1Char('!');
    info.commentLines = -7;
    info.units = QStringList{QStringLiteral("\x02unit")};
    info.timeColumn = -9;
    info.metadataLines = -5;
    info.firstDataLine = -3;
    info.latin1 = true;
    return info;
}

bool sameRecord(const LoggerFileInfo &a, const LoggerFileInfo &b)
{
    return a.filePath == b.filePath && a.channelNames == b.channelNames
           && a.separator == b.separator && a.commentLines == b.commentLines && a.units == b.units
           && a.timeColumn == b.timeColumn && a.metadataLines == b.metadataLines
           && a.firstDataLine == b.firstDataLine && a.latin1 == b.latin1;
}

void checkAccepted(const LoggerFileInfo &info)
{
    if (info.channelNames.isEmpty())
        fail("accepted without channels");
    for (const QString &name : info.channelNames) {
        if (name.trimmed().isEmpty())
            fail("accepted an empty channel name");
    }
    const QChar sep = info.separator;
    if (!sep.isNull() && sep != QLatin1Char('\t') && sep != QLatin1Char(';')
        && sep != QLatin1Char(','))
        fail("unknown separator");
    if (sep.isNull() && info.channelNames.size() != 1)
        fail("several channels without a separator");
    if (info.commentLines < 0 || info.metadataLines < 0)
        fail("negative count of leading lines");
    if (!info.units.isEmpty() && info.units.size() != info.channelNames.size())
        fail("units do not match the channels");
    if (info.timeColumn < -1 || info.timeColumn >= info.channelNames.size())
        fail("time column out of range");
    if (info.firstDataLine
        != info.commentLines + info.metadataLines + 1 + (info.units.isEmpty() ? 0 : 1))
        fail("first data line does not follow the leading lines");
}

// One temporary file per fuzzing process, rewritten for each file run.
struct ScratchFile
{
    char path[64];
    int fd = -1;
    ScratchFile()
    {
        std::snprintf(path, sizeof path, "/tmp/xy_logger_fuzz_XXXXXX");
        fd = ::mkstemp(path);
        if (fd < 0)
            fail("cannot create the scratch file");
    }
    ~ScratchFile()
    {
        ::close(fd);
        ::unlink(path);
    }
    void write(const uint8_t *data, size_t size)
    {
        if (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0)
            fail("cannot reset the scratch file");
        size_t done = 0;
        while (done < size) {
            const ssize_t n = ::write(fd, data + done, size - done);
            if (n <= 0)
                fail("cannot write the scratch file");
            done += static_cast<size_t>(n);
        }
    }
};

void runFile(const uint8_t *data, size_t size, bool acceptedWhole, const LoggerFileInfo &whole)
{
    static ScratchFile scratch;
    scratch.write(data, size);
    const QString path = QString::fromLocal8Bit(scratch.path);
    const LoggerFileInfo *record = DarlenDataInput::getLoggerFileInfo(path);
    if (record) {
        checkAccepted(*record);
        if (record->filePath != path)
            fail("record names another file");
    }
    // Below the first block the reader sees the whole file, exactly as the
    // in-memory recogniser did; a longer file may be judged on a prefix.
    if (size < 4096) {
        if (bool(record) != acceptedWhole)
            fail("file reader and in-memory recogniser disagree");
        if (record) {
            LoggerFileInfo same = *record;
            same.filePath = whole.filePath;
            if (!sameRecord(same, whole))
                fail("file reader reports another header");
        }
    } else if (acceptedWhole && size <= DarlenDataInput::MaxPrefixBytes && !record) {
        // A valid file within the read limit is never lost to the prefix.
        fail("file reader rejects a valid file");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static unsigned runs = 0;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<int>(size));
    bool acceptedWhole = false;
    LoggerFileInfo whole = sentinel();
    for (const bool wholeFile : {true, false}) {
        LoggerFileInfo info = sentinel();
        const bool accepted = DarlenDataInput::parseLoggerHeader(bytes, wholeFile, &info);
        if (accepted) {
            checkAccepted(info);
            if (!info.filePath.isEmpty() && info.filePath != QLatin1String("untouched"))
                fail("parse invented a file path");
        } else if (!sameRecord(info, sentinel())) {
            fail("rejected input changed the record");
        }
        // Without a record to fill the verdict is the same.
        if (DarlenDataInput::parseLoggerHeader(bytes, wholeFile, nullptr) != accepted)
            fail("verdict depends on the record pointer");
        if (wholeFile) {
            acceptedWhole = accepted;
            whole = info;
        }
    }
    if (++runs % 16 == 0)
        runFile(data, size, acceptedWhole, whole);
    return 0;
}

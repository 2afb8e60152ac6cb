// Recognises a logger file from its first lines and reports its channels.
//
// Accepted layout, as the loggers at test cells and on vehicles write it:
//   [BOM] {"#" comment line | quoted metadata line}
//   header line, [units line,] data line [, more lines ...]
// - Text is UTF-8 (a leading BOM is dropped), or Latin-1 when the lines up
//   to the end of the first data line are not valid UTF-8. Lines end in LF
//   or CRLF. A NUL byte or any other control character than tab, CR and LF
//   anywhere in the bytes read marks the file as binary.
// - A comment line starts with '#'. A metadata line starts with '"' and has
//   no tab, ';' or ',' outside double quotes; so a header of one quoted
//   name is metadata, not a header.
// - The header separator is whichever of tab, ';' and ',' comes first in
//   the header line outside double quotes; without any of them the file has
//   one channel and the reported separator is a null QChar. A field whose
//   first non-blank character is '"' runs to the closing quote ("" inside
//   is one quote) and may hold the separator. Names are trimmed and lose one
//   pair of surrounding quotes; no name may be empty or blank. A header
//   longer than MaxHeaderBytes is refused.
// - A field is empty when it holds nothing but blanks. A field counts as a
//   value when it is a number (C notation, or with a decimal comma when the
//   separator is ';' or tab) or a time stamp (ISO 8601 date and time, or a
//   clock time); see logger_values.h. A quoted field, "nan", "inf", a hex
//   value like 0x1F or a date alone is other text.
// - The line after the header must have one field per channel. When none
//   of its fields is a value and at least one is not empty, it is the units
//   line (units trimmed and unquoted like names), and the data line follows
//   it with one field per channel again.
// - The first data line needs a non-empty field (a line of empty fields is
//   refused) and more than half of its non-empty fields must be values.
//   Lines after it are not judged, except for binary bytes.
// - The time column is the first channel whose name says time (Time, Zeit,
//   t, timestamp, ..., a unit in brackets or after '/' aside) or whose value
//   in the first data line is a time stamp; -1 without one.
// A file is read up to the end of its first data line, but at least its
// first 4 KiB and at most MaxPrefixBytes. Every step is a forward scan over
// the bytes read, so the recogniser is linear in the prefix.
#include <interfaces/darlen_data_input.h>

#include "logger_text.h"
#include "logger_values.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace logger_text;

namespace {

enum class Verdict { Accepted, Refused, NeedMore };

struct Field
{
    const char *begin;
    const char *end;
};

// Splits line into at most want fields; false when it holds another count.
bool splitLine(const Line &line, char separator, int want, std::vector<Field> *fields)
{
    fields->clear();
    const char *cursor = line.begin;
    while (cursor) {
        if (int(fields->size()) == want)
            return false;
        Field f;
        nextField(&cursor, line.end, separator, &f.begin, &f.end);
        fields->push_back(f);
    }
    return int(fields->size()) == want;
}

QString text(const char *begin, const char *end, bool latin1)
{
    const int n = static_cast<int>(end - begin);
    QString s = latin1 ? QString::fromLatin1(begin, n) : QString::fromUtf8(begin, n);
    s = s.trimmed();
    if (s.size() >= 2 && s.startsWith(QLatin1Char('"')) && s.endsWith(QLatin1Char('"')))
        s = s.mid(1, s.size() - 2);
    return s;
}

bool isEmptyField(const Field &f)
{
    const char *b = f.begin;
    const char *e = f.end;
    trimBlanks(&b, &e);
    return b == e;
}

bool isValue(const Field &f, bool decimalComma)
{
    return logger_values::isNumber(f.begin, f.end, decimalComma)
           || logger_values::isTimeStamp(f.begin, f.end);
}

bool nameSaysTime(const QString &name)
{
    static const char *const timeNames[] = {"t",
                                            "time",
                                            "zeit",
                                            "timestamp",
                                            "time stamp",
                                            "time_stamp",
                                            "zeitstempel",
                                            "datetime",
                                            "date time",
                                            "date/time",
                                            "date_time",
                                            "uhrzeit",
                                            "datum/uhrzeit",
                                            "datum uhrzeit",
                                            "datum_uhrzeit",
                                            "elapsed time",
                                            "relative time"};
    const QString lower = name.toLower();
    QStringList forms{lower};
    // "Time [s]", "Zeit (s)", "t/s": the unit does not change what it is.
    for (const char mark : {'[', '(', '/'}) {
        const int unit = lower.indexOf(QLatin1Char(mark));
        if (unit > 0)
            forms << lower.left(unit).trimmed();
    }
    for (const QString &form : forms) {
        for (const char *t : timeNames) {
            if (form == QLatin1String(t))
                return true;
        }
    }
    return false;
}

Verdict judge(const char *data, size_t size, bool wholeFile, LoggerFileInfo *info)
{
    if (size == 0)
        return wholeFile ? Verdict::Refused : Verdict::NeedMore;
    if (hasBinaryBytes(data, size))
        return Verdict::Refused;
    // Not judged yet: the rest of the file decides, or the verdict is final.
    const Verdict cut = wholeFile ? Verdict::Refused : Verdict::NeedMore;

    size_t pos = (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) ? 3 : 0;
    Line line;
    int commentLines = 0;
    int metadataLines = 0;
    for (;;) {
        if (!nextLine(data, size, wholeFile, &pos, &line))
            return cut;
        const bool comment = line.begin != line.end && *line.begin == '#';
        const bool quoted = line.begin != line.end && *line.begin == '"';
        if (!line.complete) {
            // A header cannot grow shorter: past the limit it is refused now.
            return !comment && !quoted && line.end - line.begin > DarlenDataInput::MaxHeaderBytes
                       ? Verdict::Refused
                       : cut;
        }
        if (comment) {
            ++commentLines;
        } else if (quoted && !findSeparator(line.begin, line.end)) {
            ++metadataLines;
        } else {
            break;
        }
    }
    if (line.end - line.begin > DarlenDataInput::MaxHeaderBytes)
        return Verdict::Refused;

    const char separator = findSeparator(line.begin, line.end);
    std::vector<Field> nameFields;
    splitLine(line, separator, int(line.end - line.begin) + 1, &nameFields);
    for (const Field &f : nameFields) {
        if (isEmptyField(f))
            return Verdict::Refused;
    }
    const int channels = int(nameFields.size());
    const bool decimalComma = separator == ';' || separator == '\t';

    int firstDataLine = commentLines + metadataLines + 1;
    std::vector<Field> fields;
    std::vector<Field> unitFields;
    int values = 0;
    int nonEmpty = 0;
    for (int candidate = 0; candidate < 2; ++candidate) {
        if (!nextLine(data, size, wholeFile, &pos, &line) || !line.complete)
            return cut;
        if (!splitLine(line, separator, channels, &fields))
            return Verdict::Refused;
        values = 0;
        nonEmpty = 0;
        for (const Field &f : fields) {
            if (isEmptyField(f))
                continue;
            ++nonEmpty;
            if (isValue(f, decimalComma))
                ++values;
        }
        if (candidate == 1 || values > 0 || nonEmpty == 0)
            break;
        unitFields.swap(fields);
        ++firstDataLine;
    }
    if (nonEmpty == 0 || 2 * values <= nonEmpty)
        return Verdict::Refused;

    // The lines judged decide the encoding, so that a file reads the same
    // whatever follows its first data line.
    const bool latin1 = checkUtf8(data, size_t(line.end - data)) != Utf8::Valid;
    QStringList names;
    for (const Field &f : nameFields) {
        const QString name = text(f.begin, f.end, latin1);
        if (name.trimmed().isEmpty())
            return Verdict::Refused; // blank beyond ASCII, or a quoted blank
        names.append(name);
    }
    QStringList units;
    for (const Field &f : unitFields)
        units.append(text(f.begin, f.end, latin1));

    if (info) {
        int timeColumn = -1;
        for (int i = 0; i < channels && timeColumn < 0; ++i) {
            if (nameSaysTime(names.at(i))
                || logger_values::isTimeStamp(fields[size_t(i)].begin, fields[size_t(i)].end))
                timeColumn = i;
        }
        info->channelNames = names;
        info->separator = separator ? QChar::fromLatin1(separator) : QChar();
        info->commentLines = commentLines;
        info->units = units;
        info->timeColumn = timeColumn;
        info->metadataLines = metadataLines;
        info->firstDataLine = firstDataLine;
        info->latin1 = latin1;
    }
    return Verdict::Accepted;
}

// Reads from the start of the file until the recogniser can judge it, in
// blocks that double from FirstBlockBytes, never more than MaxPrefixBytes
// (plus one byte that tells whether the file goes on). A log of any size
// therefore costs about one page when its first lines are short, while the
// first block still exposes binary content early in the file.
Verdict readAndJudge(int fd, LoggerFileInfo *info)
{
    const int FirstBlockBytes = 4096;
    const int limit = DarlenDataInput::MaxPrefixBytes + 1;
    QByteArray prefix;
    int want = FirstBlockBytes;
    int got = 0;
    for (;;) {
        prefix.resize(want);
        while (got < want) {
            const ssize_t n = ::read(fd, prefix.data() + got, static_cast<size_t>(want - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return Verdict::Refused;
            if (n == 0)
                break;
            got += static_cast<int>(n);
        }
        const bool wholeFile = got < want;
        prefix.truncate(qMin(got, int(DarlenDataInput::MaxPrefixBytes)));
        const Verdict verdict = judge(prefix.constData(), size_t(prefix.size()), wholeFile, info);
        if (verdict != Verdict::NeedMore)
            return verdict;
        if (wholeFile || got == limit)
            return Verdict::Refused;
        want = qMin(want * 2, limit);
    }
}

} // namespace

bool DarlenDataInput::parseLoggerHeader(const QByteArray &prefix, bool wholeFile,
                                        LoggerFileInfo *info)
{
    return judge(prefix.constData(), size_t(prefix.size()), wholeFile, info) == Verdict::Accepted;
}

LoggerFileInfo *DarlenDataInput::getLoggerFileInfo(const QString &path)
{
    // Owned here, valid until the next call; the GUI thread is the only caller.
    static LoggerFileInfo record;

    if (path.isEmpty() || path.contains(QChar(0)))
        return nullptr;
    // O_NONBLOCK: a FIFO or device picked by mistake must not hang the
    // dialog before fstat tells it is not a regular file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    LoggerFileInfo info;
    const Verdict verdict = readAndJudge(fd, &info);
    ::close(fd);
    if (verdict != Verdict::Accepted)
        return nullptr;
    info.filePath = path;
    record = info;
    return &record;
}

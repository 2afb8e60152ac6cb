// Recognises a logger file from its first lines and reports its channels.
//
// Accepted layout (UTF-8 throughout, LF or CRLF line ends):
//   [BOM] {"#" comment line} header line, data line [, more lines ...]
// The header separator is whichever of tab, ';' and ',' comes first in the
// header line; without any of them the file has a single channel and the
// reported separator is a null QChar. Names are trimmed and lose one pair of
// surrounding double quotes; quotes do not protect a separator. The first
// data line needs one field per channel, each a decimal number in C notation
// ([+-] digits [. digits] [e[+-]digits], also ".5" and "5.") with optional
// blanks around it; "nan", "inf" and hexadecimal forms are not numbers here.
// Lines after the first data line are not judged, except that all bytes
// read must be NUL-free valid UTF-8 (a cut prefix may end inside a
// character). A file is read up to the end of its first data line, but at
// least its first 4 KiB and at most MaxPrefixBytes.
//
// Every step is a forward scan over at most MaxPrefixBytes, so the
// recogniser is linear in the prefix and never reads past it.
#include <interfaces/darlen_data_input.h>

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Utf8 { Valid, Invalid, Truncated };

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
// Truncated: valid up to a sequence that the end of the bytes cuts short.
Utf8 checkUtf8(const unsigned char *p, size_t n)
{
    size_t i = 0;
    while (i < n) {
        // Logger text is nearly all ASCII: skip it eight bytes at a time.
        if (i + 8 <= n) {
            quint64 word;
            std::memcpy(&word, p + i, sizeof word);
            if ((word & Q_UINT64_C(0x8080808080808080)) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t len = 0;
        unsigned char lo = 0x80;
        unsigned char hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            if (c == 0xE0)
                lo = 0xA0; // overlong
            else if (c == 0xED)
                hi = 0x9F; // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            if (c == 0xF0)
                lo = 0x90; // overlong
            else if (c == 0xF4)
                hi = 0x8F; // above U+10FFFF
        } else {
            return Utf8::Invalid;
        }
        for (size_t k = 1; k < len; ++k) {
            if (i + k >= n)
                return Utf8::Truncated;
            const unsigned char b = p[i + k];
            if (b < lo || b > hi)
                return Utf8::Invalid;
            lo = 0x80;
            hi = 0xBF;
        }
        i += len;
    }
    return Utf8::Valid;
}

struct Line
{
    const char *begin = nullptr;
    const char *end = nullptr; // without the line end
    bool complete = false;     // ended by a line break, or by the end of the whole file
};

// The line starting at *pos; false when no bytes are left.
bool nextLine(const char *data, size_t size, bool wholeFile, size_t *pos, Line *line)
{
    if (*pos >= size)
        return false;
    const char *begin = data + *pos;
    const size_t left = size - *pos;
    const char *lf = static_cast<const char *>(std::memchr(begin, '\n', left));
    line->begin = begin;
    if (lf) {
        line->end = (lf > begin && lf[-1] == '\r') ? lf - 1 : lf;
        line->complete = true;
        *pos = static_cast<size_t>(lf - data) + 1;
    } else {
        line->end = begin + left;
        if (left > 0 && line->end[-1] == '\r')
            --line->end;
        line->complete = wholeFile;
        *pos = size;
    }
    return true;
}

char separatorOf(const char *begin, const char *end)
{
    for (const char *p = begin; p != end; ++p) {
        if (*p == '\t' || *p == ';' || *p == ',')
            return *p;
    }
    return 0;
}

// The next field of [*cursor, end) up to separator (0: the rest); moves past it.
void nextField(const char **cursor, const char *end, char separator, const char **fieldEnd)
{
    const char *p = *cursor;
    const char *stop = separator
            ? static_cast<const char *>(std::memchr(p, separator, static_cast<size_t>(end - p)))
            : nullptr;
    *fieldEnd = stop ? stop : end;
    *cursor = stop ? stop + 1 : nullptr; // null: that was the last field
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isCNumber(const char *p, const char *end)
{
    while (p != end && isBlank(*p))
        ++p;
    while (end != p && isBlank(end[-1]))
        --end;
    if (p != end && (*p == '+' || *p == '-'))
        ++p;
    int digits = 0;
    while (p != end && isDigit(*p)) {
        ++p;
        ++digits;
    }
    if (p != end && *p == '.') {
        ++p;
        while (p != end && isDigit(*p)) {
            ++p;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p != end && (*p == '+' || *p == '-'))
            ++p;
        if (p == end || !isDigit(*p))
            return false;
        while (p != end && isDigit(*p))
            ++p;
    }
    return p == end;
}

QString channelName(const char *begin, const char *end)
{
    QString name = QString::fromUtf8(begin, static_cast<int>(end - begin)).trimmed();
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2);
    return name;
}

// True when bytes hold the line end of the first data line: what the
// recogniser must see before it can judge the file.
bool holdsFirstDataLine(const QByteArray &bytes)
{
    const char *data = bytes.constData();
    const size_t size = static_cast<size_t>(bytes.size());
    size_t pos = (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) ? 3 : 0;
    bool headerSeen = false;
    while (pos < size) {
        const bool comment = !headerSeen && data[pos] == '#';
        const void *lf = std::memchr(data + pos, '\n', size - pos);
        if (!lf)
            return false;
        if (headerSeen)
            return true;
        headerSeen = !comment;
        pos = static_cast<size_t>(static_cast<const char *>(lf) - data) + 1;
    }
    return false;
}

// Reads from the start of the file until the first data line is complete,
// in blocks that double from FirstBlockBytes, never more than
// MaxPrefixBytes (plus one byte that tells whether the file goes on). A log
// of any size therefore costs about one page when its first lines are short,
// while the first block still exposes binary content early in the file.
bool readPrefix(int fd, QByteArray *prefix, bool *wholeFile)
{
    const int FirstBlockBytes = 4096;
    const int limit = DarlenDataInput::MaxPrefixBytes + 1;
    int want = FirstBlockBytes;
    int got = 0;
    for (;;) {
        prefix->resize(want);
        while (got < want) {
            const ssize_t n = ::read(fd, prefix->data() + got, static_cast<size_t>(want - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return false;
            if (n == 0)
                break;
            got += static_cast<int>(n);
        }
        prefix->truncate(got);
        if (got < want) {
            *wholeFile = true;
            return true;
        }
        if (got == limit) {
            prefix->truncate(DarlenDataInput::MaxPrefixBytes);
            *wholeFile = false;
            return true;
        }
        if (holdsFirstDataLine(*prefix)) {
            *wholeFile = false;
            return true;
        }
        want = qMin(want * 2, limit);
    }
}

} // namespace

bool DarlenDataInput::parseLoggerHeader(const QByteArray &prefix, bool wholeFile,
                                        LoggerFileInfo *info)
{
    const char *data = prefix.constData();
    const size_t size = static_cast<size_t>(prefix.size());
    if (size == 0 || std::memchr(data, '\0', size))
        return false;
    const Utf8 encoding = checkUtf8(reinterpret_cast<const unsigned char *>(data), size);
    if (encoding == Utf8::Invalid || (encoding == Utf8::Truncated && wholeFile))
        return false;

    size_t pos = 0;
    if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
        pos = 3;

    Line line;
    int commentLines = 0;
    bool haveLine = nextLine(data, size, wholeFile, &pos, &line);
    while (haveLine && line.begin != line.end && *line.begin == '#') {
        if (!line.complete)
            return false;
        ++commentLines;
        haveLine = nextLine(data, size, wholeFile, &pos, &line);
    }
    // The header must be complete: a data line has to follow it.
    if (!haveLine || !line.complete || line.end - line.begin > MaxHeaderBytes)
        return false;

    const char separator = separatorOf(line.begin, line.end);
    QStringList names;
    const char *cursor = line.begin;
    while (cursor) {
        const char *fieldEnd = nullptr;
        const char *fieldBegin = cursor;
        nextField(&cursor, line.end, separator, &fieldEnd);
        const QString name = channelName(fieldBegin, fieldEnd);
        if (name.trimmed().isEmpty())
            return false;
        names.append(name);
    }

    // The first data line, judged only when the prefix holds all of it.
    if (!nextLine(data, size, wholeFile, &pos, &line) || !line.complete)
        return false;
    int fields = 0;
    cursor = line.begin;
    while (cursor) {
        const char *fieldEnd = nullptr;
        const char *fieldBegin = cursor;
        nextField(&cursor, line.end, separator, &fieldEnd);
        if (++fields > names.size() || !isCNumber(fieldBegin, fieldEnd))
            return false;
    }
    if (fields != names.size())
        return false;

    if (info) {
        info->channelNames = names;
        info->separator = separator ? QChar::fromLatin1(separator) : QChar();
        info->commentLines = commentLines;
    }
    return true;
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
    bool wholeFile = false;
    QByteArray prefix;
    const bool readOk = readPrefix(fd, &prefix, &wholeFile);
    ::close(fd);
    if (!readOk)
        return nullptr;

    LoggerFileInfo info;
    if (!parseLoggerHeader(prefix, wholeFile, &info))
        return nullptr;
    info.filePath = path;
    record = info;
    return &record;
}

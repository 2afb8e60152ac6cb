#include "logger_text.h"

#include <QtGlobal>

#include <cstring>

namespace logger_text {

bool hasBinaryBytes(const char *data, size_t size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    // Branch-free blocks: the compiler turns them into vector code, which
    // keeps this pass cheap next to the read itself.
    const size_t Block = 64;
    size_t i = 0;
    for (; i + Block <= size; i += Block) {
        unsigned bad = 0;
        for (size_t k = 0; k < Block; ++k) {
            const unsigned char c = p[i + k];
            bad |= unsigned(c < 0x20) & unsigned(c != '\t') & unsigned(c != '\n')
                   & unsigned(c != '\r');
        }
        if (bad)
            return true;
    }
    for (; i < size; ++i) {
        const unsigned char c = p[i];
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return true;
    }
    return false;
}

Utf8 checkUtf8(const char *data, size_t n)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
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
        if (line->end[-1] == '\r')
            --line->end;
        line->complete = wholeFile;
        *pos = size;
    }
    return true;
}

namespace {

// The closing quote of a quoted section whose opening quote is at open;
// null when the line ends first.
const char *closingQuote(const char *open, const char *end)
{
    const char *p = open + 1;
    while (p < end) {
        p = static_cast<const char *>(std::memchr(p, '"', static_cast<size_t>(end - p)));
        if (!p)
            return nullptr;
        if (p + 1 != end && p[1] == '"') {
            p += 2; // a doubled quote stands for one quote
            continue;
        }
        return p;
    }
    return nullptr;
}

} // namespace

void nextField(const char **cursor, const char *end, char separator, const char **fieldBegin,
               const char **fieldEnd)
{
    const char *p = *cursor;
    *fieldBegin = p;
    const char *q = p;
    while (q != end && (*q == ' ' || (*q == '\t' && separator != '\t')))
        ++q;
    const char *scanFrom = p;
    if (q != end && *q == '"') {
        const char *close = closingQuote(q, end);
        if (!close) {
            *fieldEnd = end;
            *cursor = nullptr;
            return;
        }
        scanFrom = close + 1;
    }
    const char *stop = separator ? static_cast<const char *>(
                           std::memchr(scanFrom, separator, static_cast<size_t>(end - scanFrom)))
                                 : nullptr;
    *fieldEnd = stop ? stop : end;
    *cursor = stop ? stop + 1 : nullptr;
}

char findSeparator(const char *begin, const char *end)
{
    // Only the first field can hide a separator from this scan: the first
    // separator found ends it.
    const char *p = begin;
    while (p != end && *p == ' ')
        ++p;
    if (p != end && *p == '"') {
        const char *close = closingQuote(p, end);
        if (!close)
            return 0;
        p = close + 1;
    }
    for (; p != end; ++p) {
        if (*p == '\t' || *p == ';' || *p == ',')
            return *p;
    }
    return 0;
}

void trimBlanks(const char **begin, const char **end)
{
    while (*begin != *end && (**begin == ' ' || **begin == '\t'))
        ++*begin;
    while (*end != *begin && ((*end)[-1] == ' ' || (*end)[-1] == '\t'))
        --*end;
}

} // namespace logger_text

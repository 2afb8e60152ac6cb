// Byte-level pieces of the logger file recogniser: binary and encoding
// checks, lines, and fields with double quotes.
#ifndef XY_PLOT_LOGGER_TEXT_H
#define XY_PLOT_LOGGER_TEXT_H

#include <cstddef>

namespace logger_text {

// A NUL byte or a control character other than tab, line feed and carriage
// return: what text written by a logger never holds.
bool hasBinaryBytes(const char *data, size_t size);

enum class Utf8 { Valid, Invalid, Truncated };

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
// Truncated: valid up to a sequence that the end of the bytes cuts short.
Utf8 checkUtf8(const char *data, size_t size);

struct Line
{
    const char *begin = nullptr;
    const char *end = nullptr; // without the line end
    bool complete = false;     // ended by a line feed, or by the end of the whole file
};

// The line starting at *pos, which moves past it; false when no bytes are left.
bool nextLine(const char *data, size_t size, bool wholeFile, size_t *pos, Line *line);

// The field at *cursor up to the next separator outside double quotes
// (separator 0: the rest of the line); *cursor moves past that separator,
// or becomes null after the last field. A field is quoted when its first
// non-blank character is a double quote: it then runs to the closing quote
// ("" inside stands for one quote) and on to the next separator; without a
// closing quote it takes the rest of the line.
void nextField(const char **cursor, const char *end, char separator, const char **fieldBegin,
               const char **fieldEnd);

// The first tab, ';' or ',' of a header line outside double quotes, or 0.
char findSeparator(const char *begin, const char *end);

// [*begin, *end) without blanks (spaces and tabs) at either end.
void trimBlanks(const char **begin, const char **end);

} // namespace logger_text

#endif // XY_PLOT_LOGGER_TEXT_H

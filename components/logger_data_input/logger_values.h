// What a field of a logger file's data line holds: a number or a time stamp.
#ifndef XY_PLOT_LOGGER_VALUES_H
#define XY_PLOT_LOGGER_VALUES_H

namespace logger_values {

// A decimal number in C notation ([+-] digits [. digits] [e[+-]digits],
// also ".5" and "5."), with blanks around it allowed. With decimalComma a
// ',' may stand in place of the point. "nan", "inf" and hexadecimal forms
// such as 0x1F are not numbers here.
bool isNumber(const char *begin, const char *end, bool decimalComma);

// An ISO 8601 date and time in extended form, "2024-03-01T10:15:30" (a
// blank in place of the T, seconds optional, a fraction after '.' or ',',
// then optionally Z or an offset +hh, +hhmm or +hh:mm), or a clock time
// "h:mm", "hh:mm:ss" or "hh:mm:ss.fff". Dates and times must exist
// (no 2023-02-29, no 24:00); blanks around it are allowed.
bool isTimeStamp(const char *begin, const char *end);

} // namespace logger_values

#endif // XY_PLOT_LOGGER_VALUES_H

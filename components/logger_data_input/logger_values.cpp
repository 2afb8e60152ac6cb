#include "logger_values.h"

#include "logger_text.h"

namespace logger_values {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads exactly count digits at *p into *value.
bool digits(const char **p, const char *end, int count, int *value)
{
    int v = 0;
    for (int i = 0; i < count; ++i) {
        if (*p == end || !isDigit(**p))
            return false;
        v = v * 10 + (**p - '0');
        ++*p;
    }
    *value = v;
    return true;
}

bool skip(const char **p, const char *end, char c)
{
    if (*p == end || **p != c)
        return false;
    ++*p;
    return true;
}

// mm[:ss[(.|,)digits]] after the hour, which the caller has read.
bool minutesAndSeconds(const char **p, const char *end)
{
    int minute = 0;
    if (!skip(p, end, ':') || !digits(p, end, 2, &minute) || minute > 59)
        return false;
    if (*p == end || **p != ':')
        return true;
    ++*p;
    int second = 0;
    if (!digits(p, end, 2, &second) || second > 60) // 60: a leap second
        return false;
    if (*p != end && (**p == '.' || **p == ',')) {
        ++*p;
        if (*p == end || !isDigit(**p))
            return false;
        while (*p != end && isDigit(**p))
            ++*p;
    }
    return true;
}

bool clockTime(const char *p, const char *end)
{
    int hour = 0;
    const bool twoDigits = end - p > 1 && isDigit(p[1]);
    if (!digits(&p, end, twoDigits ? 2 : 1, &hour) || hour > 23)
        return false;
    return minutesAndSeconds(&p, end) && p == end;
}

int daysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

bool isoDateTime(const char *p, const char *end)
{
    int year = 0;
    int month = 0;
    int day = 0;
    if (!digits(&p, end, 4, &year) || !skip(&p, end, '-') || !digits(&p, end, 2, &month)
        || !skip(&p, end, '-') || !digits(&p, end, 2, &day))
        return false;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return false;
    if (p == end || (*p != 'T' && *p != ' '))
        return false; // a date alone is not a time stamp
    ++p;
    int hour = 0;
    if (!digits(&p, end, 2, &hour) || hour > 23 || !minutesAndSeconds(&p, end))
        return false;
    if (p == end)
        return true;
    if (*p == 'Z')
        return p + 1 == end;
    if (*p != '+' && *p != '-')
        return false;
    ++p;
    int offsetHours = 0;
    int offsetMinutes = 0;
    if (!digits(&p, end, 2, &offsetHours) || offsetHours > 23)
        return false;
    if (p == end)
        return true;
    skip(&p, end, ':');
    return digits(&p, end, 2, &offsetMinutes) && offsetMinutes <= 59 && p == end;
}

} // namespace

bool isNumber(const char *p, const char *end, bool decimalComma)
{
    logger_text::trimBlanks(&p, &end);
    if (p != end && (*p == '+' || *p == '-'))
        ++p;
    int count = 0;
    while (p != end && isDigit(*p)) {
        ++p;
        ++count;
    }
    if (p != end && (*p == '.' || (decimalComma && *p == ','))) {
        ++p;
        while (p != end && isDigit(*p)) {
            ++p;
            ++count;
        }
    }
    if (count == 0)
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

bool isTimeStamp(const char *begin, const char *end)
{
    logger_text::trimBlanks(&begin, &end);
    if (end - begin < 4)
        return false;
    // A colon in the second or third place: a clock time; else a date first.
    if (begin[1] == ':' || begin[2] == ':')
        return clockTime(begin, end);
    return isoDateTime(begin, end);
}

} // namespace logger_values

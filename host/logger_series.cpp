#include "logger_series.h"

#include <QDate>
#include <QFile>
#include <QObject>
#include <QRegularExpression>

#include <interfaces/darlen_data_input.h>

#include <cmath>
#include <limits>

namespace {

const double Gap = std::numeric_limits<double>::quiet_NaN();

// The fields of a data line; a field that starts with a double quote runs
// to its closing quote and may hold the separator, as in the header.
QList<QByteArray> splitFields(const QByteArray &line, char separator)
{
    QList<QByteArray> fields;
    if (!separator) {
        fields.append(line);
        return fields;
    }
    int i = 0;
    const int n = line.size();
    for (;;) {
        int start = i;
        while (start < n && (line.at(start) == ' ' || (line.at(start) == '\t' && separator != '\t')))
            ++start;
        int scan = i;
        if (start < n && line.at(start) == '"') {
            int close = start + 1;
            while (close < n
                   && !(line.at(close) == '"' && (close + 1 == n || line.at(close + 1) != '"')))
                close += line.at(close) == '"' ? 2 : 1;
            if (close >= n) {
                fields.append(line.mid(i));
                return fields;
            }
            scan = close + 1;
        }
        const int stop = line.indexOf(separator, scan);
        if (stop < 0) {
            fields.append(line.mid(i));
            return fields;
        }
        fields.append(line.mid(i, stop - i));
        i = stop + 1;
    }
}

// Seconds of one channel's time stamps, counted from its first one. Clock
// times that jump back by more than half a day have passed midnight.
struct TimeAxis
{
    double origin = Gap;
    double lastClock = Gap;
    double days = 0.0;

    double seconds(double stamp, bool isClock)
    {
        if (isClock) {
            if (!std::isnan(lastClock) && stamp < lastClock - 43200.0)
                days += 86400.0;
            lastClock = stamp;
            stamp += days;
        }
        if (std::isnan(origin))
            origin = stamp;
        return stamp - origin;
    }
};

} // namespace

double LoggerSeries::number(QByteArray field, bool decimalComma)
{
    field = field.trimmed();
    if (field.isEmpty() || field.startsWith('"'))
        return Gap;
    if (decimalComma && !field.contains('.'))
        field.replace(',', '.');
    bool ok = false;
    const double v = field.toDouble(&ok); // C locale
    return ok && std::isfinite(v) ? v : Gap;
}

double LoggerSeries::timeStamp(const QByteArray &field, bool *isClock)
{
    static const QRegularExpression iso(QStringLiteral(
        "^(\\d{4})-(\\d{2})-(\\d{2})[T ](\\d{2}):(\\d{2})(?::(\\d{2})(?:[.,](\\d+))?)?"
        "(Z|[+-]\\d{2}(?::?\\d{2})?)?$"));
    static const QRegularExpression clock(
        QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2})(?:[.,](\\d+))?)?$"));
    const QString text = QString::fromLatin1(field.trimmed());
    auto clockSeconds = [](const QRegularExpressionMatch &m, int first) {
        return m.captured(first).toInt() * 3600.0 + m.captured(first + 1).toInt() * 60.0
               + m.captured(first + 2).toInt()
               + (m.captured(first + 3).isEmpty()
                      ? 0.0
                      : QString(QStringLiteral("0.") + m.captured(first + 3)).toDouble());
    };
    QRegularExpressionMatch m = clock.match(text);
    if (m.hasMatch()) {
        *isClock = true;
        return clockSeconds(m, 1);
    }
    m = iso.match(text);
    if (!m.hasMatch())
        return Gap;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid())
        return Gap;
    double offset = 0.0;
    const QString zone = m.captured(8);
    if (zone.size() > 1) {
        const QString digits = zone.mid(1).remove(QLatin1Char(':'));
        offset = digits.left(2).toInt() * 3600.0 + digits.mid(2).toInt() * 60.0;
        if (zone.startsWith(QLatin1Char('-')))
            offset = -offset;
    }
    *isClock = false;
    return double(date.toJulianDay()) * 86400.0 + clockSeconds(m, 4) - offset;
}

bool LoggerSeries::load(const QString &path, QString *error)
{
    m_path = path;
    m_names.clear();
    m_columns.clear();
    // The site's recogniser decides what a logger file is and where its data
    // starts; this only reads the data lines it vouched for.
    const LoggerFileInfo *info = DarlenDataInput::getLoggerFileInfo(path);
    if (!info) {
        if (error)
            *error = QObject::tr("%1 is not a logger file").arg(path);
        return false;
    }
    const QStringList names = info->channelNames;
    const char separator =
        info->separator.isNull() ? '\0' : static_cast<char>(info->separator.unicode());
    const bool decimalComma = separator == ';' || separator == '\t';
    const int skip = info->firstDataLine;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QObject::tr("%1 cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    QVector<QVector<double>> columns(names.size());
    QVector<TimeAxis> times(names.size());
    for (int lineNumber = 0; !file.atEnd(); ++lineNumber) {
        QByteArray line = file.readLine(1 << 20);
        if (lineNumber < skip)
            continue;
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QList<QByteArray> fields = splitFields(line, separator);
        if (fields.size() != names.size())
            break;
        for (int i = 0; i < fields.size(); ++i) {
            double v = number(fields.at(i), decimalComma);
            if (std::isnan(v)) {
                bool isClock = false;
                const double stamp = timeStamp(fields.at(i), &isClock);
                if (!std::isnan(stamp))
                    v = times[i].seconds(stamp, isClock);
            }
            columns[i].append(v);
        }
        if (columns.first().size() >= MaxRows)
            break;
    }
    m_names = names;
    m_columns = columns;
    return true;
}

QVector<double> LoggerSeries::column(const QString &name) const
{
    const int i = m_names.indexOf(name);
    return i < 0 ? QVector<double>() : m_columns.at(i);
}

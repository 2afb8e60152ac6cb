// The recorded channels of a logger file, read for drawing overlay curves.
#ifndef XY_PLOT_HOST_LOGGER_SERIES_H
#define XY_PLOT_HOST_LOGGER_SERIES_H

#include <QString>
#include <QStringList>
#include <QVector>

class LoggerSeries
{
public:
    // Most data lines read from one file; a longer log is cut there.
    enum { MaxRows = 200000 };

    // Reads path: false with a reason in *error when it is not a logger
    // file. Reading stops at the first line that does not fit the header.
    bool load(const QString &path, QString *error);

    const QString &path() const { return m_path; }
    const QStringList &channelNames() const { return m_names; }
    int rowCount() const { return m_columns.isEmpty() ? 0 : m_columns.first().size(); }
    // The values of a channel, or empty for a name the file does not have.
    // An empty cell or a text reads as NaN (a gap, not a zero); time stamps
    // read as seconds from the first time stamp of the channel.
    QVector<double> column(const QString &name) const;

    // A number in C notation, or with a decimal comma when decimalComma;
    // NaN for anything else.
    static double number(QByteArray field, bool decimalComma);
    // An ISO 8601 date and time as seconds since the start of the Julian
    // day count, or a clock time as seconds since midnight; NaN otherwise.
    // *isClock tells which of the two it was.
    static double timeStamp(const QByteArray &field, bool *isClock);

private:
    QString m_path;
    QStringList m_names;
    QVector<QVector<double>> m_columns;
};

#endif // XY_PLOT_HOST_LOGGER_SERIES_H

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
    QVector<double> column(const QString &name) const;

private:
    QString m_path;
    QStringList m_names;
    QVector<QVector<double>> m_columns;
};

#endif // XY_PLOT_HOST_LOGGER_SERIES_H

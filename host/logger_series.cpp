#include "logger_series.h"

#include <QFile>
#include <QObject>

#include <interfaces/darlen_data_input.h>

bool LoggerSeries::load(const QString &path, QString *error)
{
    m_path = path;
    m_names.clear();
    m_columns.clear();
    // The site's recogniser decides what a logger file is; this only reads
    // the data lines it vouched for.
    const LoggerFileInfo *info = DarlenDataInput::getLoggerFileInfo(path);
    if (!info) {
        if (error)
            *error = QObject::tr("%1 is not a logger file").arg(path);
        return false;
    }
    const QStringList names = info->channelNames;
    const char separator = info->separator.isNull() ? '\0' : static_cast<char>(info->separator.unicode());

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QObject::tr("%1 cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    QVector<QVector<double>> columns(names.size());
    bool headerSeen = false;
    bool first = true;
    while (!file.atEnd()) {
        QByteArray line = file.readLine(1 << 20);
        if (first && line.startsWith("\xEF\xBB\xBF"))
            line.remove(0, 3);
        first = false;
        line = line.trimmed();
        if (!headerSeen) {
            if (line.startsWith('#'))
                continue;
            headerSeen = true; // the header line: names came from the recogniser
            continue;
        }
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields =
            separator ? line.split(separator) : QList<QByteArray>{line};
        if (fields.size() != names.size())
            break;
        QVector<double> row(fields.size());
        bool ok = true;
        for (int i = 0; i < fields.size() && ok; ++i)
            row[i] = fields.at(i).trimmed().toDouble(&ok); // C locale
        if (!ok)
            break;
        for (int i = 0; i < row.size(); ++i)
            columns[i].append(row.at(i));
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

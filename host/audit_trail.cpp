#include "audit_trail.h"

#include <interfaces/plot_screen_info.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString failure(const QString &fileName, int error)
{
    return QStringLiteral("%1: %2").arg(fileName, QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

AuditTrail::AuditTrail(const QString &fileName)
    : m_fileName(fileName)
{}

QString AuditTrail::userName()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}

QByteArray AuditTrail::entryLine(const QDateTime &time, const QString &screenFile,
                                 const Plot_Screen_Info &before, const Plot_Screen_Info &applied)
{
    QJsonObject entry;
    entry.insert(QStringLiteral("time"), time.toUTC().toString(Qt::ISODateWithMs));
    entry.insert(QStringLiteral("screenFile"), screenFile);
    entry.insert(QStringLiteral("user"), userName());
    entry.insert(QStringLiteral("differences"),
                 QJsonArray::fromStringList(plotScreenDifferenceLines(before, applied)));
    entry.insert(QStringLiteral("screen"), QJsonDocument::fromJson(applied.toJson()).object());
    // Compact JSON escapes line breaks inside strings: one entry, one line.
    return QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n';
}

bool AuditTrail::append(const QString &screenFile, const Plot_Screen_Info &before,
                        const Plot_Screen_Info &applied)
{
    m_error.clear();
    const QByteArray line = entryLine(QDateTime::currentDateTimeUtc(), screenFile, before, applied);
    const QByteArray name = QFile::encodeName(m_fileName);
    // O_APPEND: each write lands at the end, whoever else appends.
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_error = failure(m_fileName, errno);
        return false;
    }
    struct stat info;
    const off_t sizeBefore = ::fstat(fd, &info) == 0 ? info.st_size : -1;
    // The whole line in one write, so that a crash cannot leave half of it.
    ssize_t written;
    do
        written = ::write(fd, line.constData(), size_t(line.size()));
    while (written < 0 && errno == EINTR);
    if (written != ssize_t(line.size())) {
        // A full disk may take part of the line: cut it off again, so that
        // the file stays whole lines.
        m_error = written < 0 ? failure(m_fileName, errno)
                              : QStringLiteral("%1: only %2 of %3 bytes written")
                                    .arg(m_fileName)
                                    .arg(written)
                                    .arg(line.size());
        if (written > 0 && sizeBefore >= 0 && S_ISREG(info.st_mode))
            (void)::ftruncate(fd, sizeBefore);
        ::close(fd);
        return false;
    }
    // A write error that the file system reports late (NFS, quota) shows
    // up at close.
    if (::close(fd) != 0) {
        m_error = failure(m_fileName, errno);
        return false;
    }
    return true;
}

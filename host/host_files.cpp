#include "host_files.h"

#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

namespace {

// Far more names than any test cell has channels.
const qint64 MaxCatalogueBytes = 64 * 1024 * 1024;

// A channel name is printable text: no control characters (tabs aside),
// which is how a binary file shows up within its first few lines.
bool isNameText(const QString &line)
{
    for (const QChar c : line) {
        if (c == QLatin1Char('\t'))
            continue;
        if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter)
            return false;
    }
    return true;
}

} // namespace

QString irregularFileProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("does not exist");
    if (info.isDir())
        return QStringLiteral("is a directory");
    if (!info.isFile())
        return QStringLiteral("is not a regular file (a pipe, device or socket)");
    return QString();
}

bool readChannelCatalogue(const QString &path, QStringList *names, QString *error)
{
    const QString problem = irregularFileProblem(path);
    if (!problem.isEmpty()) {
        *error = QStringLiteral("%1 %2").arg(path, problem);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > MaxCatalogueBytes) {
        *error = QStringLiteral("%1 is larger than %2 MiB")
                     .arg(path)
                     .arg(MaxCatalogueBytes / (1024 * 1024));
        return false;
    }
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    QStringList read;
    int lineNumber = 0;
    while (!file.atEnd()) {
        QByteArray bytes = file.readLine();
        ++lineNumber;
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
        if (lineNumber == 1 && bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        QTextCodec::ConverterState state;
        const QString line = utf8->toUnicode(bytes.constData(), bytes.size(), &state);
        if (state.invalidChars > 0 || !isNameText(line)) {
            *error = QStringLiteral("%1 is not a channel list: line %2 is not a channel name")
                         .arg(path)
                         .arg(lineNumber);
            return false;
        }
        const QString name = line.trimmed();
        if (!name.isEmpty())
            read.append(name);
    }
    read.removeDuplicates();
    *names = read;
    return true;
}

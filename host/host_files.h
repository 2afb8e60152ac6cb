// Checks the demo host makes before it reads a file a user named: only
// regular files are opened (a FIFO or a device would block or never end),
// and a channel catalogue must be text, one name a line.
#ifndef XY_PLOT_HOST_HOST_FILES_H
#define XY_PLOT_HOST_HOST_FILES_H

#include <QString>
#include <QStringList>

// Why path cannot be read as a file ("does not exist", "is a directory",
// "is not a regular file ..."); empty for a regular file.
QString irregularFileProblem(const QString &path);

// Reads the channel catalogue at path: UTF-8 text, one name a line, blank
// lines skipped, duplicates dropped. On failure returns false and says why
// in *error, naming the first line that is not a channel name.
bool readChannelCatalogue(const QString &path, QStringList *names, QString *error);

#endif // XY_PLOT_HOST_HOST_FILES_H

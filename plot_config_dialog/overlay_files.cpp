#include "overlay_files.h"

#include <interfaces/darlen_data_input.h>
#include <interfaces/spreadsheet.h>

// Minimal versions until the overlay handling is complete.
QString OverlayFiles::askForLoggerFile() { return QString(); }
void OverlayFiles::reportInvalidFile(const QString &) {}
QStringList OverlayFiles::channelListFor(const LoggerFileInfo &info)
{
    QStringList names = info.channelNames;
    names.prepend(QString());
    return names;
}
void OverlayFiles::fillChannelCombos(Spreadsheet *, const QStringList &, int) {}
QString OverlayFiles::labelText(const QString &) { return QString(); }

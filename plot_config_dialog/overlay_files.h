// Overlay logger files as the dialog and the single-graph tab offer them:
// the file question, the refusal box, the channel list and the file label.
#ifndef XY_PLOT_CONFIG_DIALOG_OVERLAY_FILES_H
#define XY_PLOT_CONFIG_DIALOG_OVERLAY_FILES_H

#include <QString>
#include <QStringList>

class Spreadsheet;
struct LoggerFileInfo;

namespace OverlayFiles {

// Asks for a logger file (modal file dialog starting in "/data/PC_format/");
// a null string when the user cancelled.
QString askForLoggerFile();

// The modal "Invalid file format" box naming the full path.
void reportInvalidFile(const QString &path);

// The file's channel names with an empty entry in front, so that index 0
// of a combo box filled from it stands for no channel.
QStringList channelListFor(const LoggerFileInfo &info);

// Gives the X and Y channel cells of every row of an
// overlay table the names, then selects currentIndex in each.
void fillChannelCombos(Spreadsheet *table, const QStringList &names, int currentIndex);

// "%1.%2" of the file's base name (up to its first dot) and suffix (after
// its last dot): engine.run1.dat shows as engine.dat, no file as ".".
QString labelText(const QString &path);

} // namespace OverlayFiles

#endif // XY_PLOT_CONFIG_DIALOG_OVERLAY_FILES_H

// Logger data input: recognises a recorded logger file and reports its
// channel names.
#ifndef XY_PLOT_INTERFACES_DARLEN_DATA_INPUT_H
#define XY_PLOT_INTERFACES_DARLEN_DATA_INPUT_H

#include <QString>
#include <QStringList>
#include <QtGlobal>

#if defined(XY_LOGGER_DATA_INPUT_LIBRARY)
#define XY_LOGGER_DATA_INPUT_EXPORT Q_DECL_EXPORT
#else
#define XY_LOGGER_DATA_INPUT_EXPORT Q_DECL_IMPORT
#endif

// What a recognised logger file holds, as far as its first lines tell.
struct LoggerFileInfo
{
    QString filePath;         // as passed in
    QStringList channelNames; // header names in file order
    QChar separator;          // tab, ';' or ','; null for a single channel
    int commentLines = 0;     // leading '#' lines
    QStringList units;        // one per channel from the units line; empty without one
    int timeColumn = -1;      // index of the channel that holds the time; -1: none
    int metadataLines = 0;    // leading quoted metadata lines
    int firstDataLine = 0;    // 0-based line number of the first data line
    bool latin1 = false;      // text decoded as Latin-1 (the bytes are not UTF-8)
};

class XY_LOGGER_DATA_INPUT_EXPORT DarlenDataInput
{
public:
    // Null unless path names a logger file. The record belongs to the
    // library and stays valid at least until the next call. Reads the file
    // from its start until the first data line is complete: at least 4 KiB
    // (or the whole file), never more than MaxPrefixBytes.
    static LoggerFileInfo *getLoggerFileInfo(const QString &path);

    // The same recogniser on bytes already in memory (the start of a file);
    // fills info and returns true for a logger file.
    static bool parseLoggerHeader(const QByteArray &prefix, bool wholeFile,
                                  LoggerFileInfo *info);

    // Longest header line accepted, and how much of a file is read at most.
    enum { MaxHeaderBytes = 64 * 1024, MaxPrefixBytes = 256 * 1024 };
};

#endif // XY_PLOT_INTERFACES_DARLEN_DATA_INPUT_H

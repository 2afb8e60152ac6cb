/// @file
/// Logger data input: recognises a recorded logger file and reports its
/// channel names (the overlay files of the dialog).
#ifndef XY_PLOT_INTERFACES_DARLEN_DATA_INPUT_H
#define XY_PLOT_INTERFACES_DARLEN_DATA_INPUT_H

#include <QString>
#include <QStringList>
#include <QtGlobal>

/// Marks the API that the logger data input library exports.
#if defined(XY_LOGGER_DATA_INPUT_LIBRARY)
#define XY_LOGGER_DATA_INPUT_EXPORT Q_DECL_EXPORT
#else
#define XY_LOGGER_DATA_INPUT_EXPORT Q_DECL_IMPORT
#endif

/// What a recognised logger file holds, as far as its first lines tell.
struct LoggerFileInfo
{
    /// The path as passed to DarlenDataInput::getLoggerFileInfo().
    QString filePath; // as passed in
    /// The header's channel names in file order: trimmed, surrounding
    /// double quotes removed, none empty.
    QStringList channelNames; // header names in file order
    /// The header's separator: tab, ';' or ','; null for a single channel.
    QChar separator; // tab, ';' or ','; null for a single channel
    /// Number of leading comment lines ('#').
    int commentLines = 0; // leading '#' lines
    /// The units of the channels, one per channel in file order, from the
    /// units line below the header; empty when the file has none.
    QStringList units;
    /// Index in channelNames of the column that holds the time: the first
    /// whose name says so (such as "Time", "Zeit", "timestamp") or whose
    /// first value is a time stamp; -1 when no column does.
    int timeColumn = -1;
    /// Number of leading quoted metadata lines.
    int metadataLines = 0;
    /// Line number (counted from 0) of the first data line, so that a host
    /// reading the values skips comments, metadata, header and units.
    int firstDataLine = 0;
    /// Whether the text was decoded as Latin-1 because its bytes are not
    /// UTF-8.
    bool latin1 = false;
};

/// Recogniser of logger files: text as the data loggers at test cells and on
/// vehicles write it (UTF-8 or Latin-1, LF or CRLF; optional comment or
/// quoted metadata lines; a header of channel names separated by tabs,
/// semicolons or commas; an optional units line; then data lines).
class XY_LOGGER_DATA_INPUT_EXPORT DarlenDataInput
{
public:
    /// The channel names of the logger file at @p path, or null when it is
    /// not a logger file (or cannot be read). The record belongs to the
    /// library and stays valid at least until the next call; do not delete
    /// it. Reads the file from its start until the first data line is
    /// complete: at least 4 KiB (or the whole file), never more than
    /// MaxPrefixBytes, so a huge log is recognised as fast as a small one.
    /// Blocking file I/O on the calling thread; not reentrant.
    static LoggerFileInfo *getLoggerFileInfo(const QString &path);

    /// The same recogniser on bytes already in memory: @p prefix is the
    /// start of a file, @p wholeFile says whether it is all of it (a last
    /// line without line end then counts as complete). Fills @p info and
    /// returns true for a logger file; returns false otherwise.
    static bool parseLoggerHeader(const QByteArray &prefix, bool wholeFile, LoggerFileInfo *info);

    /// Longest header line accepted, and how much of a file is read at most,
    /// in bytes.
    enum { MaxHeaderBytes = 64 * 1024, MaxPrefixBytes = 256 * 1024 };
};

#endif // XY_PLOT_INTERFACES_DARLEN_DATA_INPUT_H

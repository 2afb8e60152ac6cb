// Logger data input: which files are logger files and what their header says.
#include <interfaces/darlen_data_input.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/types.h>

namespace {

// How a row's file comes into being besides its bytes.
enum Kind { Plain, Directory, Missing, Unreadable, Sparse2GiB, Fifo };

const qint64 TwoGiB = qint64(2) * 1024 * 1024 * 1024;

QByteArray numberedLines(int bytes)
{
    QByteArray lines;
    for (int i = 0; lines.size() < bytes; ++i)
        lines += QByteArray::number(i) + ";" + QByteArray::number(i * 0.5) + "\n";
    return lines;
}

} // namespace
Q_DECLARE_METATYPE(Kind)

class TestLoggerDataInput : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int rowNumber = 0;

    // A file made as the row says, read back; null when refused.
    const LoggerFileInfo *read(const QByteArray &bytes, int kind, QString *path, bool *skip)
    {
        *skip = false;
        *path = dir.filePath(QString("row%1.log").arg(++rowNumber));
        if (kind == Directory)
            return QDir().mkpath(*path) ? DarlenDataInput::getLoggerFileInfo(*path) : nullptr;
        if (kind == Fifo) {
            if (::mkfifo(QFile::encodeName(*path).constData(), 0600) != 0)
                return nullptr;
        } else if (kind != Missing) {
            QFile f(*path);
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
                return nullptr;
            if (kind == Sparse2GiB && !f.resize(TwoGiB))
                return nullptr;
            f.close();
            if (kind == Unreadable) {
                f.setPermissions(QFileDevice::Permissions());
                if (f.open(QIODevice::ReadOnly)) {
                    *skip = true;
                    return nullptr;
                }
            }
        }
        const LoggerFileInfo *info = DarlenDataInput::getLoggerFileInfo(*path);
        if (kind == Sparse2GiB || kind == Plain || kind == Unreadable)
            QFile::remove(*path);
        return info;
    }

    // A row that expects a logger file with these channels, units (empty:
    // no units line) and time column, after these leading lines.
    static void good(const char *tag, const QByteArray &bytes, const QStringList &names,
                     QChar separator, const QStringList &units = {}, int timeColumn = -1,
                     int comments = 0, int metadata = 0, Kind kind = Plain)
    {
        QTest::newRow(tag) << bytes << int(kind) << names << separator << units << timeColumn
                           << comments << metadata;
    }

    static void bad(const char *tag, const QByteArray &bytes, Kind kind = Plain)
    {
        QTest::newRow(tag) << bytes << int(kind);
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void accepted_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QStringList>("units");
        QTest::addColumn<int>("timeColumn");
        QTest::addColumn<int>("comments");
        QTest::addColumn<int>("metadata");
        const QStringList ab{"a", "b"};
        good("comma", "a,b\n1,2\n", ab, ',');
        good("single channel", "speed\n3.5\n", {"speed"}, QChar());
        good("no final line break", "a,b\n1,2", ab, ',');
        good("only the first data line is judged", "a,b\n1,2\n3\nx,y,z\n", ab, ',');
        good("BOM, CRLF", "\xEF\xBB\xBFtime;rpm\r\n0;800\r\n", {"time", "rpm"}, ';', {}, 0);
        good("comments", "# engine 4\n#\n# cell 2\nt,p\n0,1\n", {"t", "p"}, ',', {}, 0, 3);
        good("names trimmed and unquoted", "  \"Time [s]\" ; \"Oil T\" ;  rpm \n1;2;3\n",
             {"Time [s]", "Oil T", "rpm"}, ';', {}, 0);
        good("quotes keep inner blanks", "\" a \",b\n1,2\n", {" a ", "b"}, ',');
        good("quote inside a name", "a\"b,\"c\n1,2\n", {"a\"b", "\"c"}, ',');
        good("quoted name holds the separator", "\"Temp; oil\";\"p, abs\";c\n1;2;3\n",
             {"Temp; oil", "p, abs", "c"}, ';');
        good("separator outside quotes comes first", "\"x,y\";z\n1;2\n", {"x,y", "z"}, ';');
        good("quoted text holds the separator", "a;b;c\n1;\"x;y\";3\n", {"a", "b", "c"}, ';');
        good("UTF-8 names", "Drehzahl \xC2\xB5;\xE6\xB8\xA9\xE5\xBA\xA6\n1;2\n",
             {"Drehzahl \u00B5", "\u6E29\u5EA6"}, ';');
        good("Latin-1 names",
             "Drehzahl;Temp \xB0"
             "C;\xD6ldruck\n1;2;3\n",
             {"Drehzahl", "Temp \u00B0C", "\u00D6ldruck"}, ';');
        good("UTF-8 names, a stray byte after the first data line",
             "Gr\xC3\xB6\xC3\x9F"
             "e\n1\n\xB0\n",
             {"Gr\u00F6\u00DF"
              "e"},
             QChar());
        good("first separator by position: ;", "a;b,c\n1;2\n", {"a", "b,c"}, ';');
        good("first separator by position: ,", "a,b;c\tz\n1,2\n", {"a", "b;c\tz"}, ',');
        good("first separator by position: tab", "a\tb,c;d\n1\t2\n", {"a", "b,c;d"}, '\t');
        good("number forms", "a,b,c,d,e,f,g,h\n1e-3,-0,+5,.5,5.,1E+10, 7 ,-2.5e-300\n",
             {"a", "b", "c", "d", "e", "f", "g", "h"}, ',');
        good("empty cells", "Time,Speed,Temp,Oil\n0.0,,21.5,\n", {"Time", "Speed", "Temp", "Oil"},
             ',', {}, 0);
        good("more than half are values", "a,b,c\n1,2,x\n", {"a", "b", "c"}, ',');
        good("hex status column", "Time,Status,Speed\n0.0,0x1F,800\n", {"Time", "Status", "Speed"},
             ',', {}, 0);
        good("units line", "Time;Speed;Flag\ns;\"1/min\";\n0;800;1\n", {"Time", "Speed", "Flag"},
             ';', {"s", "1/min", ""}, 0);
        good("tab log: metadata, units",
             "\"Logger DL-7\"\n\"Start: 2024-03-01 10:00, cell 3\"\nTime\tSpeed\tTemp\n"
             "s\trpm\tdegC\n0,0\t800\t20,5\n",
             {"Time", "Speed", "Temp"}, '\t', {"s", "rpm", "degC"}, 0, 0, 2);
        good("German spreadsheet export",
             "Zeit;Drehzahl;\xD6ltemperatur\r\ns;1/min;\xB0"
             "C\r\n0,0;800;85,5\r\n0,1;;85,6\r\n",
             {"Zeit", "Drehzahl", "\u00D6ltemperatur"}, ';', {"s", "1/min", "\u00B0C"}, 0);
        good("ISO time stamp first", "Stamp,Speed\n2024-03-01T10:00:00.250Z,800\n",
             {"Stamp", "Speed"}, ',', {}, 0);
        good("ISO time stamp with offset, second column",
             "Record;When;Speed\n1;2024-02-29 23:59:59,5+01:00;800\n", {"Record", "When", "Speed"},
             ';', {}, 1);
        good("clock time", "Uhr\tWert\n9:05:30\t1,5\n", {"Uhr", "Wert"}, '\t', {}, 0);
        good("time named with a unit", "Nr;Zeit [s];v\n1;0;2\n", {"Nr", "Zeit [s]", "v"}, ';', {},
             1);
        good("time named t/s", "Index,t/s\n1,0\n", {"Index", "t/s"}, ',', {}, 1);
        good("the first time column counts", "Timestamp,TIME\n0,1\n", {"Timestamp", "TIME"}, ',',
             {}, 0);
        good("everything at once",
             "\xEF\xBB\xBF# run 7\r\n\"Pr\xC3\xBC"
             "fstand 3\"\r\n# ok\r\n"
             "Uhrzeit\t\"Druck\tabs\"\tT\tStatus\r\nhh:mm:ss\tbar\t\t\r\n"
             "10:00:00,5\t1,25\t\t0x01\r\n10:00:01\t\t\t0x00\r\n",
             {"Uhrzeit", "Druck\tabs", "T", "Status"}, '\t', {"hh:mm:ss", "bar", "", ""}, 0, 2, 1);
        good("header of 64 KiB", QByteArray(DarlenDataInput::MaxHeaderBytes, 'h') + "\n1\n",
             {QString(DarlenDataInput::MaxHeaderBytes, 'h')}, QChar());
        good("many lines after the first",
             "t;v\n" + numberedLines(3 * DarlenDataInput::MaxPrefixBytes), {"t", "v"}, ';', {}, 0);
        good("2 GiB after 300 KiB of lines", "t;v\n" + numberedLines(300 * 1024), {"t", "v"}, ';',
             {}, 0, 0, 0, Sparse2GiB);
    }

    void accepted()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(QStringList, units);
        QFETCH(int, comments);
        QFETCH(int, metadata);
        QString path;
        bool skip = false;
        QElapsedTimer clock;
        clock.start();
        const LoggerFileInfo *info = read(bytes, kind, &path, &skip);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString("took %1 ms").arg(clock.elapsed())));
        QVERIFY(info);
        QCOMPARE(info->filePath, path);
        QTEST(info->channelNames, "names");
        QTEST(info->separator, "separator");
        QCOMPARE(info->units, units);
        QTEST(info->timeColumn, "timeColumn");
        QCOMPARE(info->commentLines, comments);
        QCOMPARE(info->metadataLines, metadata);
        QCOMPARE(info->firstDataLine, comments + metadata + 1 + (units.isEmpty() ? 0 : 1));
        QCOMPARE(info->latin1, QByteArray(QTest::currentDataTag()).contains("Latin-1")
                                   || QByteArray(QTest::currentDataTag()).contains("German"));
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        bad("empty", "");
        bad("header only", "a,b\n");
        bad("header and units only", "a,b\ns,rpm\n");
        bad("comments only", "# a\n# b\n");
        bad("metadata only", "\"run 4\"\n\"cell, 2\"\n");
        bad("one quoted name is metadata", "\"speed\"\n3.5\n");
        bad("blank first data line", "a\n\n1\n");
        bad("blank line before header", "\na,b\n1,2\n");
        bad("ragged: too few", "a,b,c\n1,2\n");
        bad("ragged: too many", "a,b\n1,2,3\n");
        bad("ragged after units", "a;b\ns;m\n1;2;3\n");
        bad("empty name", "a,,b\n1,2,3\n");
        bad("trailing separator", "a,b,\n1,2,3\n");
        bad("quoted empty name", "a,\"\"\n1,2\n");
        bad("quoted blank name", "a,\" \"\n1,2\n");
        bad("all fields empty", "a;b;c\n;;\n1;2;3\n");
        bad("half are values", "a,b\n1,x\n");
        bad("number-free after units", "a,b\ns,m\nx,y\n");
        bad("hex is not a number", "a,b,c\n0x1F,0x20,1\n");
        bad("quoted numbers are text", "a,b,c\n\"1\",\"2\",3\n");
        bad("decimal comma needs ; or tab", "a\n1,5\n2,5\n");
        bad("one quoted field runs to the line end", "a,b\n\"1,2\n");
        bad("CR line ends only", "a,b\r1,2\r");
        bad("NUL byte", QByteArray("a,b\n1,2\n3,4\0\n", 13));
        bad("control character", "a,b\n1,2\x1b\n");
        bad("control character after the first lines",
            "a,b\n1,2\n" + QByteArray(100, ' ') + "\x07" + QByteArray(100, ' ') + "\n");
        bad("binary", QByteArray::fromHex("89504e470d0a1a0a0000000d49484452"));
        bad("header above 64 KiB", QByteArray(DarlenDataInput::MaxHeaderBytes + 1, 'h') + "\n1\n");
        bad("1 MiB without line break", QByteArray(1024 * 1024, '7'));
        bad("first data line beyond the prefix",
            "a\n" + QByteArray(DarlenDataInput::MaxPrefixBytes, '1') + "\n");
        bad("directory", QByteArray(), Directory);
        bad("missing path", QByteArray(), Missing);
        bad("unreadable", "a,b\n1,2\n", Unreadable);
        bad("FIFO", QByteArray(), Fifo);
        bad("2 GiB of zeros after the first lines", "a,b\n1,2\n", Sparse2GiB);
    }

    void refused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QString path;
        bool skip = false;
        QElapsedTimer clock;
        clock.start();
        const LoggerFileInfo *info = read(bytes, kind, &path, &skip);
        if (skip)
            QSKIP("this user reads files without read permission");
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString("took %1 ms").arg(clock.elapsed())));
        QVERIFY(!info);
    }

    // One field between a number and a text: the line is a data line
    // exactly when that field counts as a value.
    void values_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("value");
        QTest::newRow("decimal comma") << QByteArray("-1,5e3") << true;
        QTest::newRow("comma and point") << QByteArray("1.234,5") << false;
        QTest::newRow("nan") << QByteArray("nan") << false;
        QTest::newRow("exponent without digits") << QByteArray("1e") << false;
        QTest::newRow("lone point") << QByteArray(".") << false;
        QTest::newRow("two signs") << QByteArray("--1") << false;
        QTest::newRow("blank inside") << QByteArray("1 2") << false;
        QTest::newRow("ISO, T, fraction") << QByteArray("2024-03-01T10:00:00.125") << true;
        QTest::newRow("ISO, minutes only") << QByteArray("2024-03-01 10:00") << true;
        QTest::newRow("ISO, offset +0100") << QByteArray("2024-03-01T10:00:00+0100") << true;
        QTest::newRow("ISO, offset hours") << QByteArray("2024-03-01T10:00:00-05") << true;
        QTest::newRow("date alone") << QByteArray("2024-03-01") << false;
        QTest::newRow("no such day") << QByteArray("2023-02-29T10:00:00") << false;
        QTest::newRow("month 13") << QByteArray("2024-13-01T10:00:00") << false;
        QTest::newRow("German date") << QByteArray("01.03.2024 10:00:00") << false;
        QTest::newRow("trailing text") << QByteArray("2024-03-01T10:00:00 UTC") << false;
        QTest::newRow("clock, comma fraction") << QByteArray("23:59:60,25") << true;
        QTest::newRow("clock, hour 24") << QByteArray("24:00:00") << false;
        QTest::newRow("clock, one minute digit") << QByteArray("10:5") << false;
        QTest::newRow("clock, fraction without digits") << QByteArray("10:05:00.") << false;
    }

    void values()
    {
        QFETCH(QByteArray, field);
        QTEST(DarlenDataInput::parseLoggerHeader("a;b;c\n1;" + field + ";x\n", true, nullptr),
              "value");
    }

    void recordStaysUntilTheNextCall()
    {
        const QString first = dir.filePath("first.csv");
        const QString second = dir.filePath("second.csv");
        for (const auto &file : {qMakePair(first, QByteArray("x;y\n1;2\n")),
                                 qMakePair(second, QByteArray("p,q,r\n1,2,3\n"))}) {
            QFile f(file.first);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(file.second);
        }
        const LoggerFileInfo *info = DarlenDataInput::getLoggerFileInfo(first);
        QVERIFY(info);
        QVERIFY(!DarlenDataInput::getLoggerFileInfo(dir.filePath("absent.csv")));
        QCOMPARE(info->channelNames, QStringList({"x", "y"}));
        QVERIFY(DarlenDataInput::getLoggerFileInfo(second));
        QCOMPARE(info->channelNames, QStringList({"p", "q", "r"}));
        QCOMPARE(info->commentLines, 0);
    }

    // The recogniser on bytes in memory: a cut prefix must not judge a line
    // that the cut may have shortened.
    void prefixes_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<bool>("wholeFile");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("whole: last line complete") << QByteArray("a,b\n1,2") << true << true;
        QTest::newRow("cut: data line maybe partial") << QByteArray("a,b\n1,2") << false << false;
        QTest::newRow("cut: after the data line") << QByteArray("a,b\n1,2\n3,") << false << true;
        QTest::newRow("cut: inside a character")
            << QByteArray("a,b\n1,2\n\xE6\xB8") << false << true;
        QTest::newRow("whole: inside a character")
            << QByteArray("a,b\n1,2\n\xE6\xB8") << true << true;
        QTest::newRow("cut: inside the units line") << QByteArray("a,b\ns,m\n1,") << false << false;
        QTest::newRow("cut: inside the header") << QByteArray("a,b") << false << false;
        QTest::newRow("cut: inside a comment") << QByteArray("# run") << false << false;
        QTest::newRow("whole: comment without break") << QByteArray("a\n1\n# x") << true << true;
    }

    void prefixes()
    {
        QFETCH(QByteArray, prefix);
        QFETCH(bool, wholeFile);
        LoggerFileInfo info;
        info.commentLines = -1;
        QTEST(DarlenDataInput::parseLoggerHeader(prefix, wholeFile, &info), "accepted");
        QFETCH(bool, accepted);
        QCOMPARE(info.commentLines, accepted ? 0 : -1); // untouched when refused
    }
};

QTEST_GUILESS_MAIN(TestLoggerDataInput)
#include "tst_logger_data_input.moc"

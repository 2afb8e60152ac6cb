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

    // Adds a row that expects the file to be a logger file with these channels.
    static void good(const char *name, const QByteArray &bytes, const QStringList &names,
                     QChar separator, int comments = 0)
    {
        QTest::newRow(name) << bytes << int(Plain) << true << names << separator << comments;
    }

    static void bad(const char *name, const QByteArray &bytes, Kind kind = Plain)
    {
        QTest::newRow(name) << bytes << int(kind) << false << QStringList() << QChar() << 0;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void files_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<int>("comments");
        const QStringList ab{"a", "b"};
        good("comma", "a,b\n1,2\n", ab, ',');
        good("single channel", "speed\n3.5\n", {"speed"}, QChar());
        good("no final line break", "a,b\n1,2", ab, ',');
        good("only the first data line is judged", "a,b\n1,2\n3\nx,y,z\n", ab, ',');
        good("CRLF", "a,b\r\n1,2\r\n", ab, ',');
        good("BOM", "\xEF\xBB\xBFtime;rpm\n0;800\n", {"time", "rpm"}, ';');
        good("comments", "# engine 4\n#\n# cell 2\nt,p\n0,1\n", {"t", "p"}, ',', 3);
        good("comments and BOM", "\xEF\xBB\xBF# run 7\r\nt\tp\r\n0\t1\r\n", {"t", "p"}, '\t', 1);
        good("names trimmed and unquoted", "  \"Time [s]\" ; \"Oil T\" ;  rpm \n1;2;3\n",
             {"Time [s]", "Oil T", "rpm"}, ';');
        good("quotes keep inner blanks", "\" a \",b\n1,2\n", {" a ", "b"}, ',');
        good("quote inside a name", "a\"b,\"c\n1,2\n", {"a\"b", "\"c"}, ',');
        good("UTF-8 names", "Drehzahl µ;温度 °C\n1;2\n", {"Drehzahl µ", "温度 °C"}, ';');
        good("first separator by position: ;", "a;b,c\n1;2\n", {"a", "b,c"}, ';');
        good("first separator by position: ,", "a,b;c\tz\n1,2\n", {"a", "b;c\tz"}, ',');
        good("first separator by position: tab", "a\tb,c;d\n1\t2\n", {"a", "b,c;d"}, '\t');
        good("number forms", "a,b,c,d,e,f,g,h\n1e-3,-0,+5,.5,5.,1E+10, 7 ,-2.5e-300\n",
             {"a", "b", "c", "d", "e", "f", "g", "h"}, ',');
        good("header of 64 KiB", QByteArray(DarlenDataInput::MaxHeaderBytes, 'h') + "\n1\n",
             {QString(DarlenDataInput::MaxHeaderBytes, 'h')}, QChar());
        good("many lines after the first", "t;v\n" + numberedLines(3 * DarlenDataInput::MaxPrefixBytes),
             {"t", "v"}, ';');
        bad("empty", "");
        bad("header only", "a,b\n");
        bad("comments only", "# a\n# b\n");
        bad("blank first data line", "a,b\n\n1,2\n");
        bad("blank line before header", "\na,b\n1,2\n");
        bad("ragged: too few", "a,b,c\n1,2\n");
        bad("ragged: too many", "a,b\n1,2,3\n");
        bad("mixed separators in data", "a;b,c\n1;2,3\n");
        bad("empty name", "a,,b\n1,2,3\n");
        bad("trailing separator", "a,b,\n1,2,3\n");
        bad("quoted empty name", "a,\"\"\n1,2\n");
        bad("empty field", "a,b\n1,\n");
        bad("nan", "a\nnan\n");
        bad("hexadecimal", "a\n0x10\n");
        bad("decimal comma", "a;b\n1,5;2\n");
        bad("exponent without digits", "a\n1e\n");
        bad("lone point", "a\n.\n");
        bad("two signs", "a\n--1\n");
        bad("blank inside number", "a\n1 2\n");
        bad("text", "a,b\nx,y\n");
        bad("CR line ends only", "a,b\r1,2\r");
        bad("NUL byte", QByteArray("a,b\n1,2\n3,4\0\n", 13));
        bad("invalid UTF-8", "a,b\xff\n1,2\n");
        bad("UTF-8 cut at the end", "a,b\n1,2\n\xE6\xB8");
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
        QTest::newRow("2 GiB after 300 KiB of lines")
                << "t;v\n" + numberedLines(300 * 1024) << int(Sparse2GiB) << true
                << QStringList{"t", "v"} << QChar(';') << 0;
    }

    void files()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        const QString path = dir.filePath(QString("row%1.log").arg(++rowNumber));
        if (kind == Directory) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == Fifo) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind != Missing) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(bytes), qint64(bytes.size()));
            if (kind == Sparse2GiB)
                QVERIFY(f.resize(TwoGiB));
            f.close();
            if (kind == Unreadable) {
                QVERIFY(f.setPermissions(QFileDevice::Permissions()));
                if (f.open(QIODevice::ReadOnly)) {
                    f.close();
                    QFile::remove(path);
                    QSKIP("this user reads files without read permission");
                }
            }
        }

        QElapsedTimer clock;
        clock.start();
        const LoggerFileInfo *info = DarlenDataInput::getLoggerFileInfo(path);
        const qint64 ms = clock.elapsed();
        if (kind == Sparse2GiB || kind == Plain)
            QFile::remove(path);
        QVERIFY2(ms < 1000, qPrintable(QString("took %1 ms").arg(ms)));
        QTEST(info != nullptr, "accepted");
        if (!info)
            return;
        QCOMPARE(info->filePath, path);
        QTEST(info->channelNames, "names");
        QTEST(info->separator, "separator");
        QTEST(info->commentLines, "comments");
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
        QTest::newRow("cut: inside a character") << QByteArray("a,b\n1,2\n\xE6\xB8") << false << true;
        QTest::newRow("whole: inside a character") << QByteArray("a,b\n1,2\n\xE6\xB8") << true << false;
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

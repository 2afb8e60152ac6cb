// Logger data input: which files are logger files and what their header says.
#include <interfaces/darlen_data_input.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// How a row's file comes into being besides its bytes.
enum Kind { Plain, Missing, Sparse2GiB, Fifo };

// names | separator | units | time column, comment, metadata, first data line.
QString describe(const LoggerFileInfo &i)
{
    const QString separator = i.separator == '\t' ? "tab" : QString(i.separator).remove(QChar());
    return QStringList{i.channelNames.join(','), separator, i.units.join(','),
                       QString::asprintf("%d %d %d %d", i.timeColumn, i.commentLines,
                                         i.metadataLines, i.firstDataLine)}
               .join(" | ")
           + (i.latin1 ? " Latin-1" : "");
}

} // namespace

class TestLoggerDataInput : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int rowNumber = 0;
    QString path;

    // A file made as the row says, read back; null when refused.
    const LoggerFileInfo *read(const QByteArray &bytes, int kind = Plain)
    {
        path = dir.filePath(QString("row%1.log").arg(++rowNumber));
        if (kind == Fifo && ::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            return nullptr;
        if (kind != Fifo && kind != Missing) {
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()
                || (kind == Sparse2GiB && !f.resize(qint64(2) << 30)))
                return nullptr;
        }
        const LoggerFileInfo *info = DarlenDataInput::getLoggerFileInfo(path);
        QFile::remove(path);
        return info;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void files_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("record"); // empty: refused
        auto row = [](const char *tag, const QByteArray &bytes, const QString &record,
                      Kind kind = Plain) { QTest::newRow(tag) << bytes << int(kind) << record; };
        const int prefix = DarlenDataInput::MaxPrefixBytes;
        const QByteArray header(DarlenDataInput::MaxHeaderBytes, 'h');
        row("comma", "a,b\n1,2", "a,b | , |  | -1 0 0 1");
        row("single channel", "speed\n3.5\n", "speed |  |  | -1 0 0 1");
        row("only the first data line is judged", "a;b\n1;2\n3\nx,y,z\n", "a,b | ; |  | -1 0 0 1");
        row("BOM, CRLF, comments", "\xEF\xBB\xBF# engine 4\r\n#\r\ntime;rpm\r\n0;800\r\n",
            "time,rpm | ; |  | 0 2 0 3");
        row("names trimmed and unquoted", "  \"Time [s]\" ; \" a \";  rpm \n1;2;3\n",
            "Time [s], a ,rpm | ; |  | 0 0 0 1");
        row("quoted names and fields hold the separator", "\"T; oil\";\"p, abs\";c\n1;\"x;y\";3\n",
            "T; oil,p, abs,c | ; |  | -1 0 0 1");
        row("separator outside quotes first", "\"x,y\";z\n1;2\n", "x,y,z | ; |  | -1 0 0 1");
        row("first separator: tab", "a\tb,c;d\n1\t2\n", "a,b,c;d | tab |  | -1 0 0 1");
        row("number forms", "a,b,c,d,e,f,g,h\n1e-3,-0,+5,.5,5.,1E+10, 7 ,-2.5e-300\n",
            "a,b,c,d,e,f,g,h | , |  | -1 0 0 1");
        row("empty cells, hex", "Time,Speed,Status,Oil\n0.0,,0x1F,800\n",
            "Time,Speed,Status,Oil | , |  | 0 0 0 1");
        row("units line", "t;Speed;Flag\ns;\"1/min\";\n0;800;1\n",
            "t,Speed,Flag | ; | s,1/min, | 0 0 0 2");
        row("German export, metadata",
            "\"Pr\xFC"
            "fstand\"\n\"Start: 10:00, cell 3\"\nZeit\tDrehzahl\t\xD6l\ns\t1/min\t\xB0"
            "C\n0,0\t800\t85,5\n",
            "Zeit,Drehzahl,\u00D6l | tab | s,1/min,\u00B0C | 0 0 2 4 Latin-1");
        row("ISO time stamp, second column", "Nr;When;v\n1;2024-02-29 23:59:59,5+01:00;8\n",
            "Nr,When,v | ; |  | 1 0 0 1");
        row("header of 64 KiB", header + "\n1\n", header + " |  |  | -1 0 0 1");
        row("many lines after the first", "t;v\n" + QByteArray("1;0.5\n").repeated(prefix),
            "t,v | ; |  | 0 0 0 1");
        // Refused: no data line, column counts that differ, empty names, text
        // or hex in the data line, lone CR, control characters, NBSP as a name.
        for (const QByteArray &bad :
             QByteArray("|a,b\n|a,b\ns,rpm\n|# a\n# b\n|\"run 4\"\n\"cell, "
                        "2\"\n|\"v\"\n3\n|a\n\n1\n|\na,b\n1,2\n|a,b,c\n1,2\n|a,b\n1,2,3\n|a;b\ns;"
                        "m\n1;2;3\n|a,,b\n1,2,3\n|a,b,\n1,2,3\n|a,\"\"\n1,2\n|a,\" "
                        "\"\n1,2\n|a;b;c\n;;\n1;2;3\n|a,b\n1,x\n|a,b\ns,m\nx,y\n|a,b,c\n0x1F,0x20,"
                        "1\n|a,b,c\n\"1\",\"2\",3\n|a\n1,5\n2,5\n|a,b\n\"1,2\n|a,b\r1,2\r|a,b\n1,"
                        "2\x1b\n|a;\xC2\xA0\n1;2\n")
                 .split('|'))
            row(QByteArray(bad).replace('\n', "\\n").replace('\r', "\\r").constData(), bad, "");
        row("NUL byte", QByteArray("a,b\n1,2\n3,4\0\n", 13), "");
        row("control character later", "a,b\n1,2\n" + QByteArray(100, ' ') + "\x07\n", "");
        row("binary", QByteArray::fromHex("89504e470d0a1a0a0000000d49484452"), "");
        row("header above 64 KiB", header + "h\n1\n", "");
        row("1 MiB without line break", QByteArray(1 << 20, '7'), "");
        row("first data line beyond the prefix", "a\n" + QByteArray(prefix, '1') + "\n", "");
        row("missing path", "", "", Missing);
        row("FIFO", "", "", Fifo);
        row("2 GiB of zeros after the first lines", "a,b\n1,2\n", "", Sparse2GiB);
    }
    void files()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(QString, record);
        QElapsedTimer clock;
        clock.start();
        const LoggerFileInfo *info = read(bytes, kind);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString("took %1 ms").arg(clock.elapsed())));
        QCOMPARE(info ? describe(*info) : QString(), record);
        if (info)
            QCOMPARE(info->filePath, path);
    }

    // UTF-8 only where every sequence is well formed; anything else is Latin-1.
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("latin1");
        // Well formed, then not; the last one after an ASCII word.
        const char *const sequences[] =
            {"c280 dfbf e0a080 e180bf ed9fbf efbfbf f0908080 f1bfbfbf f48fbfbf",
             "80 c080 c1bf c27f c2c0 e09fbf eda080 e180c0 f08fbfbf f4908080 f5808080 ff "
             "31323334353637b0"};
        for (bool latin1 : {false, true})
            for (const QByteArray &hex : QByteArray(sequences[latin1]).split(' '))
                QTest::newRow(hex) << "n" + QByteArray::fromHex(hex) + ";b;c\n1;2;3\n" << latin1;
        for (const char *cut : {"c3", "e6b8", "f09f98"}) // cut at the end of the data line
            QTest::addRow("cut %s", cut) << "a;b;c\n1;2;x" + QByteArray::fromHex(cut) + "\n"
                                         << true;
        QTest::newRow("cut after the first data line") << QByteArray("a;b\n1;2\n\xE6\xB8") << false;
    }
    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, latin1);
        LoggerFileInfo info;
        QVERIFY(DarlenDataInput::parseLoggerHeader(bytes, true, &info));
        QCOMPARE(info.latin1, latin1);
        const QByteArray first = bytes.left(bytes.indexOf(';'));
        QCOMPARE(info.channelNames.first(),
                 latin1 ? QString::fromLatin1(first) : QString::fromUtf8(first));
    }

    // The line is a data line exactly when the field counts as a value.
    void values_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("value");
        for (const char *yes :
             {"-1,5e3", "2024-03-01T10:00:00.125", "2024-03-01 10:00", "2024-03-01T10:00:00+0100",
              "2024-03-01T10:00:00-23", "2024-12-31T23:59Z", "2000-02-29T00:00", "2024-02-29 00:00",
              "2024-03-01T10:00+05:59", "23:59:60,25", "0:00", "23:59", "10:05:00.5"})
            QTest::newRow(yes) << QByteArray(yes) << true;
        for (const QByteArray &no :
             QByteArray("1.234,5|nan|1e|.|--1|1 "
                        "2|2024-03-01|2023-02-29T10:00|1900-02-29T10:00|2024-04-31T10:00|2024-13-"
                        "01T10:00|2024-00-01T10:00|2024-01-00T10:00|2024-03-01T24:00|2024-03-01T10:"
                        "00+24|2024-03-01T10:00+05:60|2024-03-01T10:00Zx|2024-03-01T10:00 "
                        "UTC|01.03.2024 10:00:00|24:00:00|10:60|10:00:61|10:5|10:05:00.")
                 .split('|'))
            QTest::newRow(no) << QByteArray(no) << false;
    }
    void values()
    {
        QFETCH(QByteArray, field);
        QTEST(DarlenDataInput::parseLoggerHeader("a;b;c\n1;" + field + ";x\n", true, nullptr),
              "value");
    }

    // The record stays until the next call that finds a logger file.
    void recordStaysUntilTheNextCall()
    {
        const LoggerFileInfo *info = read("x;y\n1;2\n");
        QVERIFY(info && !read("", Missing));
        QCOMPARE(info->channelNames, QStringList({"x", "y"}));
        QVERIFY(read("p\n1\n"));
        QCOMPARE(info->channelNames, QStringList({"p"}));
    }
};

QTEST_GUILESS_MAIN(TestLoggerDataInput)
#include "tst_logger_data_input.moc"

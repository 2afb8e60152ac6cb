// Host environment: the master scheduler intervals, the host's own source of
// them, and the switch that makes one of them fail.
#include <interfaces/ms_interval.h>

#include <QtTest>

#include <cstring>

class TestHostEnvironment : public QObject
{
    Q_OBJECT

private:
    static constexpr const char *Switch = "XY_PLOT_MS_INTERVAL_FAIL";
    static constexpr qint32 Untouched = -7;

private slots:
    void cleanup()
    {
        qunsetenv(Switch);
        set_ms_interval_source(MsIntervalSource());
    }

    void intervals_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("failSwitch"); // null: not set
        QTest::addColumn<int>("interval");          // Untouched: the call fails
        QTest::newRow("SLO") << QByteArray("SLO") << QByteArray() << 1000;
        QTest::newRow("FAS") << QByteArray("FAS") << QByteArray() << 10;
        QTest::newRow("lower case") << QByteArray("slo") << QByteArray() << int(Untouched);
        QTest::newRow("longer") << QByteArray("SLOW") << QByteArray() << int(Untouched);
        QTest::newRow("shorter") << QByteArray("FA") << QByteArray() << int(Untouched);
        QTest::newRow("empty") << QByteArray("") << QByteArray() << int(Untouched);
        QTest::newRow("SLO, switch SLO")
            << QByteArray("SLO") << QByteArray("SLO") << int(Untouched);
        QTest::newRow("FAS, switch SLO") << QByteArray("FAS") << QByteArray("SLO") << 10;
        QTest::newRow("FAS, switch FAS")
            << QByteArray("FAS") << QByteArray("FAS") << int(Untouched);
        QTest::newRow("SLO, switch FAS") << QByteArray("SLO") << QByteArray("FAS") << 1000;
        QTest::newRow("SLO, switch slo") << QByteArray("SLO") << QByteArray("slo") << 1000;
        QTest::newRow("SLO, switch empty") << QByteArray("SLO") << QByteArray("") << 1000;
        QTest::newRow("other, switch other")
            << QByteArray("MED") << QByteArray("MED") << int(Untouched);
    }

    void intervals()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, failSwitch);
        QFETCH(int, interval);
        if (!failSwitch.isNull())
            qputenv(Switch, failSwitch);
        char buffer[32];
        std::memset(buffer, 0, sizeof buffer);
        qint32 result = Untouched;
        const qint16 status = get_ms_interval(name.constData(), buffer, &result);
        QCOMPARE(status == 0, interval != Untouched);
        QCOMPARE(result, qint32(interval));
    }

    void switchIsReadAtEachCall()
    {
        char buffer[32] = {};
        qint32 result = Untouched;
        QCOMPARE(get_ms_interval("SLO", buffer, &result), qint16(0));
        qputenv(Switch, "SLO");
        result = Untouched;
        QVERIFY(get_ms_interval("SLO", buffer, &result) != 0);
        QCOMPARE(result, Untouched);
        qunsetenv(Switch);
        QCOMPARE(get_ms_interval("SLO", buffer, &result), qint16(0));
        QCOMPARE(result, qint32(1000));
    }

    // The host's scheduler as a table; a negative entry makes its name fail
    // (after scribbling on the result, which must not reach the caller).
    void hostSource_data()
    {
        typedef QMap<QByteArray, int> Table;
        QTest::addColumn<Table>("table");
        QTest::addColumn<bool>("reset");            // back to the built-in intervals
        QTest::addColumn<QByteArray>("failSwitch"); // null: not set
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("interval"); // Untouched: the call fails
        const Table host{{"SLO", 250}, {"FAS", 5}, {"MED", 100}};
        QTest::newRow("host SLO") << host << false << QByteArray() << QByteArray("SLO") << 250;
        QTest::newRow("host FAS") << host << false << QByteArray() << QByteArray("FAS") << 5;
        QTest::newRow("host's own name")
            << host << false << QByteArray() << QByteArray("MED") << 100;
        QTest::newRow("name the host lacks")
            << Table{{"FAS", 5}} << false << QByteArray() << QByteArray("SLO") << int(Untouched);
        QTest::newRow("name the host fails") << Table{{"SLO", -1}, {"FAS", 5}} << false
                                             << QByteArray() << QByteArray("SLO") << int(Untouched);
        QTest::newRow("switch beats host")
            << host << false << QByteArray("FAS") << QByteArray("FAS") << int(Untouched);
        QTest::newRow("reset, SLO") << host << true << QByteArray() << QByteArray("SLO") << 1000;
        QTest::newRow("reset, host's own name")
            << host << true << QByteArray() << QByteArray("MED") << int(Untouched);
    }

    void hostSource()
    {
        typedef QMap<QByteArray, int> Table;
        QFETCH(Table, table);
        QFETCH(bool, reset);
        QFETCH(QByteArray, failSwitch);
        QFETCH(QByteArray, name);
        QFETCH(int, interval);

        char buffer[32] = {};
        const char *bufferSeen = nullptr;
        const MsIntervalSource host = [table, &bufferSeen](const char *asked, char *scratch,
                                                           qint32 *result) -> qint16 {
            bufferSeen = scratch;
            const int value = table.value(QByteArray(asked), -1);
            *result = value;
            return value < 0 ? 9 : 0;
        };
        QVERIFY(!set_ms_interval_source(host));
        if (reset)
            QVERIFY(set_ms_interval_source(MsIntervalSource()));
        if (!failSwitch.isNull())
            qputenv(Switch, failSwitch);

        qint32 result = Untouched;
        const qint16 status = get_ms_interval(name.constData(), buffer, &result);
        QCOMPARE(status == 0, interval != Untouched);
        QCOMPARE(result, qint32(interval));
        if (!reset && failSwitch.isNull())
            QCOMPARE(bufferSeen, static_cast<const char *>(buffer));
    }

    void installingReturnsThePreviousSource()
    {
        const auto answering = [](qint32 value) {
            return MsIntervalSource([value](const char *, char *, qint32 *result) -> qint16 {
                *result = value;
                return 0;
            });
        };
        set_ms_interval_source(answering(1));
        MsIntervalSource previous = set_ms_interval_source(answering(2));
        QVERIFY(previous);
        char buffer[32] = {};
        qint32 result = Untouched;
        QCOMPARE(previous("SLO", buffer, &result), qint16(0));
        QCOMPARE(result, qint32(1));
        QCOMPARE(get_ms_interval("SLO", buffer, &result), qint16(0));
        QCOMPARE(result, qint32(2));
    }

    void nullArguments()
    {
        char buffer[32] = {};
        qint32 result = Untouched;
        QVERIFY(get_ms_interval(nullptr, buffer, &result) != 0);
        QVERIFY(get_ms_interval("SLO", nullptr, &result) != 0);
        QCOMPARE(result, Untouched);
        QVERIFY(get_ms_interval("SLO", buffer, nullptr) != 0);
    }
};

QTEST_GUILESS_MAIN(TestHostEnvironment)
#include "tst_host_environment.moc"

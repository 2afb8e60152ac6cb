// Host environment: the master scheduler intervals and the switch that
// makes one of them fail.
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
    void cleanup() { qunsetenv(Switch); }

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
        QTest::newRow("SLO, switch SLO") << QByteArray("SLO") << QByteArray("SLO") << int(Untouched);
        QTest::newRow("FAS, switch SLO") << QByteArray("FAS") << QByteArray("SLO") << 10;
        QTest::newRow("FAS, switch FAS") << QByteArray("FAS") << QByteArray("FAS") << int(Untouched);
        QTest::newRow("SLO, switch FAS") << QByteArray("SLO") << QByteArray("FAS") << 1000;
        QTest::newRow("SLO, switch slo") << QByteArray("SLO") << QByteArray("slo") << 1000;
        QTest::newRow("SLO, switch empty") << QByteArray("SLO") << QByteArray("") << 1000;
        QTest::newRow("other, switch other") << QByteArray("MED") << QByteArray("MED") << int(Untouched);
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

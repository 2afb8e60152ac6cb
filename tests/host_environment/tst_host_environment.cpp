// Host environment: the master scheduler intervals, the host's own source of
// them, and the switch that makes one of them fail.
#include <interfaces/ms_interval.h>

#include <QtTest>

using Table = QMap<QByteArray, int>;

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
        QTest::addColumn<Table>("host");            // empty: the built-in intervals
        QTest::addColumn<QByteArray>("failSwitch"); // null: not set
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("interval"); // Untouched: the call fails
        const Table none, host{{"SLO", 250}, {"FAS", 5}, {"MED", 100}, {"BAD", -1}};
        auto row = [](const char *tag, const Table &source, const char *failSwitch,
                      const char *name, int interval) {
            QTest::newRow(tag) << source << QByteArray(failSwitch) << QByteArray(name) << interval;
        };
        const int no = Untouched;
        row("SLO", none, nullptr, "SLO", 1000);
        row("FAS", none, nullptr, "FAS", 10);
        for (const char *other : {"slo", "SLOW", "FA", "", "MED"})
            row(other, none, nullptr, other, no);
        row("SLO, switch SLO", none, "SLO", "SLO", no);
        row("FAS, switch SLO", none, "SLO", "FAS", 10);
        row("FAS, switch FAS", none, "FAS", "FAS", no);
        row("SLO, switch slo", none, "slo", "SLO", 1000);
        row("SLO, switch empty", none, "", "SLO", 1000);
        row("host SLO", host, nullptr, "SLO", 250);
        row("host's own name", host, nullptr, "MED", 100);
        row("name the host lacks", host, nullptr, "XYZ", no);
        row("name the host fails", host, nullptr, "BAD", no);
        row("switch beats host", host, "FAS", "FAS", no);
    }
    void intervals()
    {
        QFETCH(Table, host);
        QFETCH(QByteArray, failSwitch);
        QFETCH(QByteArray, name);
        QFETCH(int, interval);
        char buffer[32] = {};
        const char *bufferSeen = nullptr;
        if (!host.isEmpty()) {
            // A failing name scribbles on the result, which must not reach the caller.
            QVERIFY(!set_ms_interval_source([&](const char *asked, char *scratch, qint32 *out) {
                bufferSeen = scratch;
                *out = host.value(QByteArray(asked), -1);
                return qint16(*out < 0 ? 9 : 0);
            }));
        }
        if (!failSwitch.isNull())
            qputenv(Switch, failSwitch);
        qint32 result = Untouched;
        QCOMPARE(get_ms_interval(name.constData(), buffer, &result) == 0, interval != Untouched);
        QCOMPARE(result, qint32(interval));
        if (!host.isEmpty() && failSwitch.isNull())
            QCOMPARE(bufferSeen, static_cast<const char *>(buffer));
        // Back to the built-in intervals, and the switch read again.
        set_ms_interval_source(MsIntervalSource());
        qunsetenv(Switch);
        QCOMPARE(get_ms_interval("SLO", buffer, &result), qint16(0));
        QCOMPARE(result, qint32(1000));
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
        char buffer[32] = {};
        qint32 result = Untouched;
        QVERIFY(previous && previous("SLO", buffer, &result) == 0 && result == 1);
        QCOMPARE(get_ms_interval("SLO", buffer, &result), qint16(0));
        QCOMPARE(result, qint32(2));
        result = Untouched;
        QVERIFY(get_ms_interval(nullptr, buffer, &result) != 0);
        QVERIFY(get_ms_interval("SLO", nullptr, &result) != 0);
        QCOMPARE(result, Untouched);
        QVERIFY(get_ms_interval("SLO", buffer, nullptr) != 0);
    }
};

QTEST_GUILESS_MAIN(TestHostEnvironment)
#include "tst_host_environment.moc"

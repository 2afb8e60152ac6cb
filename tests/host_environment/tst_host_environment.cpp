// Host environment: the master scheduler intervals, the host's own source of
// them, and the switch that makes one of them fail.
#include <interfaces/ms_interval.h>

#include <QtTest>

static const char Switch[] = "XY_PLOT_MS_INTERVAL_FAIL";
static const qint32 Untouched = -7;

class TestHostEnvironment : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        qunsetenv(Switch);
        set_ms_interval_source(MsIntervalSource());
    }

    // Rows run in turn, so a switch or source kept from one row shows in the next.
    void intervals_data()
    {
        QTest::addColumn<bool>("host"); // the host's source: SLO 250, MED 100, others fail
        QTest::addColumn<QByteArray>("failSwitch"); // null: not set
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("interval"); // Untouched: the call fails
        auto row = [](bool host, const char *failSwitch, const char *name, int interval) {
            QTest::addRow("%s%s, switch %s", host ? "host " : "", name,
                          failSwitch ? failSwitch : "unset")
                << host << QByteArray(failSwitch) << QByteArray(name) << interval;
        };
        const int no = Untouched;
        row(false, nullptr, "SLO", 1000);
        row(false, nullptr, "FAS", 10);
        for (const char *other : {"slo", "SLOW", "FA", "", "MED"})
            row(false, nullptr, other, no);
        row(false, "SLO", "SLO", no);
        row(false, "SLO", "FAS", 10);
        row(false, "FAS", "FAS", no);
        row(false, "slo", "SLO", 1000);
        row(false, "", "SLO", 1000);
        row(true, nullptr, "SLO", 250);
        row(true, nullptr, "MED", 100);
        row(true, nullptr, "FAS", no); // the source fails and scribbles on its result
        row(true, "SLO", "SLO", no);
    }
    void intervals()
    {
        QFETCH(bool, host);
        QFETCH(QByteArray, failSwitch);
        QFETCH(QByteArray, name);
        QFETCH(int, interval);
        if (host)
            set_ms_interval_source([](const char *asked, char *, qint32 *out) {
                *out = QMap<QByteArray, int>{{"SLO", 250}, {"MED", 100}}.value(asked, -1);
                return qint16(*out < 0 ? 9 : 0);
            });
        if (!failSwitch.isNull())
            qputenv(Switch, failSwitch);
        char buffer[32] = {};
        qint32 result = Untouched;
        QCOMPARE(get_ms_interval(name.constData(), buffer, &result) == 0, interval != Untouched);
        QCOMPARE(result, qint32(interval));
        if (name == "SLO") {
            QVERIFY(get_ms_interval(nullptr, buffer, &result)
                    && get_ms_interval("SLO", nullptr, &result)
                    && get_ms_interval("SLO", buffer, nullptr));
            QCOMPARE(result, qint32(interval)); // untouched by the refused calls
        }
    }
};

QTEST_GUILESS_MAIN(TestHostEnvironment)
#include "tst_host_environment.moc"

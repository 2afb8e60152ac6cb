// The undo history of applied screens and the audit trail that logs them.
#include "audit_trail.h"

#include <interfaces/plot_screen_info.h>
#include <plot_config_dialog/plot_screen_history.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace {

// One edit as a user makes it between two Applies, sometimes none at all.
void edit(QRandomGenerator &rng, Plot_Screen_Info *s)
{
    QVector<Plot_Axis_Info> &graphs = s->plotAxisInfo;
    const int g = graphs.isEmpty() ? -1 : int(rng.bounded(graphs.size()));
    const int what = int(rng.bounded(5));
    if (what == 0)
        graphs.size() < 8 ? graphs.append(Plot_Axis_Info()) : graphs.removeLast();
    else if (what == 1 && g >= 0)
        graphs.remove(g);
    else if (what == 2 && g >= 0)
        graphs[g].leftYAxis.rangeMax = rng.bounded(2) ? qQNaN() : rng.generateDouble();
    else if (what == 3)
        s->title = QStringLiteral("Run \"%1\"\nline 2").arg(rng.bounded(100));
    s->numPlots = ulong(graphs.size());
}

} // namespace

class TestAuditTrail : public QObject
{
    Q_OBJECT

private slots:
    // Undoing every entry gives back the first description member for
    // member, redoing every entry the last; a limit keeps the newest.
    void historyProperty_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("applies");
        QTest::addColumn<int>("limit");
        QTest::newRow("no limit") << 1u << 40 << 0;
        QTest::newRow("limit 5") << 2u << 30 << 5;
        QTest::newRow("limit 1") << 3u << 12 << 1;
    }
    void historyProperty()
    {
        QFETCH(quint32, seed);
        QFETCH(int, applies);
        QFETCH(int, limit);
        QRandomGenerator rng(seed);
        Plot_Screen_Info next;
        next.plotAxisInfo.resize(2);
        next.numPlots = 2;
        QByteArrayList applied{next.toJson()}; // the distinct descriptions in order
        Plot_Screen_History history(next, limit);
        QSignalSpy restored(&history, &Plot_Screen_History::restored);
        for (int i = 0; i < applies; ++i) {
            edit(rng, &next);
            const bool changed = next.toJson() != applied.last();
            QCOMPARE(history.record(next), changed);
            if (changed)
                applied.append(next.toJson());
        }
        const int last = applied.size() - 1;
        const int kept = limit > 0 ? qMin(limit, last) : last;
        QCOMPARE(history.undoStack()->count(), kept);
        for (int k = 1; k <= 2 * kept; ++k) { // all the way back, then forth again
            k <= kept ? history.undo() : history.redo();
            QCOMPARE(history.current().toJson(), applied.at(last - qMin(k, 2 * kept - k)));
        }
        QCOMPARE(restored.count(), 2 * kept);
    }

    void entryNames_data()
    {
        QTest::addColumn<int>("edits"); // bits: 1 axis, 2 refresh, 4 graph added, 8 channel
        QTest::addColumn<QString>("name");
        QTest::newRow("one axis change") << 1 << "Graph 2: Y axis (left) / range max";
        QTest::newRow("one screen change") << 2 << "Refresh interval";
        QTest::newRow("graph added") << 4 << "Graph 3 added";
        QTest::newRow("three changes") << 1 + 2 + 8 << "3 changes";
    }
    void entryNames()
    {
        QFETCH(int, edits);
        Plot_Screen_Info before, after;
        before.plotAxisInfo.resize(2);
        after.copyFrom(before);
        if (edits & 1)
            after.plotAxisInfo[1].leftYAxis.rangeMax = 8000;
        if (edits & 2)
            after.screenRefreshInterval = 50;
        if (edits & 4)
            after.plotAxisInfo.append(Plot_Axis_Info());
        if (edits & 8)
            after.plotAxisInfo[0].varChannels[0].xVarName = QStringLiteral("N1");
        Plot_Screen_History history(before);
        QVERIFY(history.record(after));
        QTEST(history.undoStack()->undoText(), "name");
    }

    // Each append adds one line of JSON after what the file held: the time,
    // file, user, differences and the description itself.
    void appendsWholeLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("trail.jsonl");
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier\n") == 8);
        earlier.close();
        qputenv("USER", "engineer1");
        Plot_Screen_Info before, after;
        before.plotAxisInfo.resize(1);
        after.copyFrom(before);
        after.title = QStringLiteral("EGT \"hot\"\nsection");
        after.plotAxisInfo[0].varChannels[0].yVarName = QStringLiteral("T3");
        for (int i = 1; i <= 2; ++i) {
            AuditTrail trail(path); // a later run of the host appends too
            QVERIFY2(trail.append(QString::number(i), before, after),
                     qPrintable(trail.errorString()));
        }
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(earlier.readAll()).split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.first() + lines.last(), QStringLiteral("earlier"));
        for (int i = 1; i <= 2; ++i) {
            const QJsonObject entry = QJsonDocument::fromJson(lines.at(i).toUtf8()).object();
            const QDateTime at =
                QDateTime::fromString(entry.value("time").toString(), Qt::ISODateWithMs);
            QVERIFY(at.timeSpec() == Qt::UTC
                    && qAbs(at.secsTo(QDateTime::currentDateTimeUtc())) < 60);
            Plot_Screen_Info read;
            QVERIFY(read.fromJson(QJsonDocument(entry.value("screen").toObject()).toJson()));
            QCOMPARE(QStringList({entry.value("screenFile").toString(),
                                  entry.value("user").toString(),
                                  QString::number(entry.value("differences").toArray().size()),
                                  read.toJson()}),
                     QStringList({QString::number(i), "engineer1", "2", after.toJson()}));
        }
    }

    // A path that cannot take the line is reported, not ignored.
    void reportsFailures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        auto row = [](const char *path, const char *reason) {
            QTest::newRow(path) << QString(path) << QString(reason);
        };
        row(qPrintable(QDir::tempPath()), "Is a directory");
        row("/nonexistent-folder/trail.jsonl", "No such file");
        if (QFile::exists("/dev/full"))
            row("/dev/full", "No space left on device");
    }
    void reportsFailures()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        AuditTrail trail(path);
        Plot_Screen_Info screen;
        QVERIFY(!trail.append(QStringLiteral("screen.json"), screen, screen));
        const QString error = trail.errorString();
        QVERIFY2(error.startsWith(path + ": ") && error.contains(reason), qPrintable(error));
    }
};

QTEST_MAIN(TestAuditTrail)
#include "tst_audit_trail.moc"

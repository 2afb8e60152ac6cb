// The undo history of applied screens and the audit trail that logs them.
#include "audit_trail.h"
#include "plot_host_window.h"

#include <interfaces/plot_screen_info.h>
#include <plot_config_dialog/plot_screen_history.h>

#include <QAction>
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

#include <memory>
#include <vector>

namespace {

using Screen = std::unique_ptr<Plot_Screen_Info>;

Screen copyOf(const Plot_Screen_Info &s)
{
    Screen c(new Plot_Screen_Info);
    c->copyFrom(s);
    return c;
}

// One edit as a user makes it between two Applies, sometimes none at all.
void edit(QRandomGenerator &rng, Plot_Screen_Info *s)
{
    const int g = s->plotAxisInfo.isEmpty() ? -1 : int(rng.bounded(s->plotAxisInfo.size()));
    switch (rng.bounded(8)) {
    case 0:
        if (s->plotAxisInfo.size() < 8)
            s->plotAxisInfo.append(Plot_Axis_Info());
        s->numPlots = ulong(s->plotAxisInfo.size());
        break;
    case 1:
        if (!s->plotAxisInfo.isEmpty())
            s->plotAxisInfo.removeLast();
        s->numPlots = ulong(s->plotAxisInfo.size());
        break;
    case 2:
        if (g >= 0)
            s->plotAxisInfo[g].leftYAxis.rangeMax =
                rng.bounded(2) ? qQNaN() : rng.generateDouble() * 1e4;
        break;
    case 3:
        if (g >= 0)
            s->plotAxisInfo[g].varChannels[rng.bounded(8)].yVarName =
                QString::number(rng.generate(), 36);
        break;
    case 4:
        s->screenRefreshInterval = 1 + rng.bounded(1000u);
        break;
    case 5:
        s->titleFont.setPointSize(6 + int(rng.bounded(20)));
        s->title = QStringLiteral("Run \"%1\"\nline 2").arg(rng.bounded(100));
        break;
    case 6:
        if (g >= 0)
            s->plotAxisInfo[g].overlayChannels[rng.bounded(8)].lineColor =
                QColor::fromRgba(rng.generate());
        break;
    default:
        break; // an Apply without a change
    }
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n');
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
        QTest::newRow("few applies, big limit") << 4u << 4 << 100;
    }

    void historyProperty()
    {
        QFETCH(quint32, seed);
        QFETCH(int, applies);
        QFETCH(int, limit);
        QRandomGenerator rng(seed);
        Plot_Screen_Info start;
        start.plotAxisInfo.resize(2);
        start.numPlots = 2;
        // What the history must give back: the distinct descriptions in order.
        std::vector<Screen> applied;
        applied.push_back(copyOf(start));
        Plot_Screen_History history(start, limit);
        QSignalSpy restored(&history, &Plot_Screen_History::restored);
        Screen next = copyOf(start);
        for (int i = 0; i < applies; ++i) {
            edit(rng, next.get());
            const bool changed = next->toJson() != applied.back()->toJson();
            QCOMPARE(history.record(*next), changed);
            if (changed)
                applied.push_back(copyOf(*next));
        }
        const int last = int(applied.size()) - 1;
        const int kept = limit > 0 ? qMin(limit, last) : last;
        QCOMPARE(history.undoStack()->count(), kept);
        QCOMPARE(history.current().toJson(), applied.back()->toJson());

        for (int k = 1; k <= kept; ++k) {
            history.undo();
            QCOMPARE(history.current().toJson(), applied.at(last - k)->toJson());
        }
        QVERIFY(!history.undoStack()->canUndo());
        for (int k = kept - 1; k >= 0; --k) {
            history.redo();
            QCOMPARE(history.current().toJson(), applied.at(last - k)->toJson());
        }
        QVERIFY(!history.undoStack()->canRedo());
        QCOMPARE(restored.count(), 2 * kept);

        // A new Apply after an undo drops what was undone.
        if (kept > 0) {
            history.undo();
            Plot_Screen_Info other;
            other.copyFrom(history.current());
            other.note = QStringLiteral("after undo");
            QVERIFY(history.record(other));
            QVERIFY(!history.undoStack()->canRedo());
            history.undo();
            QCOMPARE(history.current().toJson(), applied.at(last - 1)->toJson());
        }
    }

    void entryNames_data()
    {
        QTest::addColumn<int>("edits");
        QTest::addColumn<QString>("name");
        QTest::newRow("one axis change") << 1 << "Graph 2: Y axis (left) / range max";
        QTest::newRow("one screen change") << 2 << "Refresh interval";
        QTest::newRow("graph added") << 4 << "Graph 3 added";
        QTest::newRow("three changes") << 1 + 2 + 8 << "3 changes";
    }

    void entryNames()
    {
        QFETCH(int, edits);
        Plot_Screen_Info before;
        before.plotAxisInfo.resize(2);
        Plot_Screen_Info after;
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

    // Every append is one line of JSON with the time, file, user,
    // differences and the description itself.
    void appendsWholeLines()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("trail.jsonl");
        qputenv("USER", "engineer1");
        AuditTrail trail(path);
        Plot_Screen_Info before;
        before.plotAxisInfo.resize(1);
        Plot_Screen_Info after;
        after.copyFrom(before);
        after.title = QStringLiteral("EGT \"hot\"\nsection");
        after.plotAxisInfo[0].varChannels[0].yVarName = QStringLiteral("T3");
        const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(-1);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(trail.append(QStringLiteral("/screens/run %1.json").arg(i), before, after),
                     qPrintable(trail.errorString()));
        QVERIFY(trail.errorString().isEmpty());

        const QStringList lines = readLines(path);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.last(), QString()); // ends with a line break
        for (int i = 0; i < 3; ++i) {
            QJsonParseError error;
            const QJsonObject entry =
                QJsonDocument::fromJson(lines.at(i).toUtf8(), &error).object();
            QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(lines.at(i)));
            const QString timeText = entry.value("time").toString();
            QVERIFY2(timeText.endsWith('Z'), qPrintable(timeText));
            const QDateTime time = QDateTime::fromString(timeText, Qt::ISODateWithMs);
            QVERIFY2(time >= start && time <= QDateTime::currentDateTimeUtc(), qPrintable(timeText));
            QCOMPARE(entry.value("screenFile").toString(),
                     QStringLiteral("/screens/run %1.json").arg(i));
            QCOMPARE(entry.value("user").toString(), QStringLiteral("engineer1"));
            QCOMPARE(entry.value("differences").toArray().size(), 2);
            Plot_Screen_Info read;
            QVERIFY(read.fromJson(QJsonDocument(entry.value("screen").toObject()).toJson()));
            QCOMPARE(read.toJson(), after.toJson());
        }
    }

    // A path that cannot take the line is reported, not ignored.
    void reportsFailures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a directory") << QDir::tempPath() << QString();
        QTest::newRow("missing folder") << "/nonexistent-folder/trail.jsonl" << QString();
        if (QFile::exists("/dev/full"))
            QTest::newRow("full disk") << "/dev/full"
                                       << "No space left on device";
    }

    void reportsFailures()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        AuditTrail trail(path);
        Plot_Screen_Info screen;
        QVERIFY(!trail.append(QStringLiteral("screen.json"), screen, screen));
        QVERIFY2(trail.errorString().startsWith(path + ": "), qPrintable(trail.errorString()));
        QVERIFY2(trail.errorString().contains(reason), qPrintable(trail.errorString()));
    }

    // The host's Edit menu: each Apply is an entry and goes on record; undo
    // and redo draw the screens before and after it.
    void hostUndoesApplies()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        PlotHostWindow window;
        window.setQuiet(true);
        window.setLive(false);
        window.setAuditFile(dir.filePath("trail/applied.jsonl"));
        const unsigned long opened = window.screen()->screenRefreshInterval;
        for (unsigned long interval : {opened + 10, opened + 20}) {
            auto *applied = new Plot_Screen_Info;
            applied->copyFrom(*window.screen());
            applied->screenRefreshInterval = interval;
            window.takeAppliedScreen(applied);
        }
        QCOMPARE(window.screenHistory()->undoStack()->count(), 2);
        QCOMPARE(readLines(dir.filePath("trail/applied.jsonl")).size(), 3);

        auto *undo = window.findChild<QAction *>(QStringLiteral("undoAction"));
        auto *redo = window.findChild<QAction *>(QStringLiteral("redoAction"));
        QVERIFY(undo && redo);
        QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        undo->trigger();
        QCOMPARE(window.screen()->screenRefreshInterval, opened + 10);
        undo->trigger();
        QCOMPARE(window.screen()->screenRefreshInterval, opened);
        QVERIFY(!undo->isEnabled());
        redo->trigger();
        redo->trigger();
        QCOMPARE(window.screen()->screenRefreshInterval, opened + 20);
    }
};

QTEST_MAIN(TestAuditTrail)
#include "tst_audit_trail.moc"

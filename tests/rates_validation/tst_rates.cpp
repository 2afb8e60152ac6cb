// Rate and interval fields, the master scheduler intervals read at start-up
// (and the fatal exit when one is missing) and the X range conversions.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/dialog_access.h"
#include "support/modal_answerer.h"

#include <interfaces/ms_interval.h>
#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <cstdio>
#include <memory>

using Access = XY_Plot_Config_Dialog_TestAccess;
using Dialog = XY_Plot_Config_Dialog;

namespace {

const char kFatalChildEnv[] = "XY_RATES_TEST_FATAL_CHILD";

// Child process: builds a dialog while the host environment fails one
// interval; prints what the box said, if one opened.
int runFatalChild()
{
    ModalAnswerer answerer;
    Plot_Screen_Info info;
    info.numPlots = 1;
    info.plotAxisInfo.resize(1);
    answerer.setWhileOpen([](QWidget *box) {
        auto *b = qobject_cast<QMessageBox *>(box);
        std::printf("BOX %s|%s|%d|%d|%d\n", qPrintable(b->windowTitle()),
                    b->text().toUtf8().toBase64().constData(), int(b->windowFlags()),
                    int(b->standardButtons()), int(b->parentWidget() != nullptr));
        std::fflush(stdout);
    });
    delete new Dialog(&info, nullptr, false);
    std::printf("CONSTRUCTED\n");
    return 0;
}

enum RateField { RefreshRate, RefreshInterval, SampleRate, SampleInterval };

const Qt::WindowFlags kNoCloseBoxFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;

QLineEdit *fieldOf(QWidget &d, int field)
{
    const char *const names[] = {"lineEditScreenRefreshRate", "lineEditScreenRefreshInterval",
                                 "lineEditDataSampleRate", "lineEditDataSampleInterval",
                                 "lineEditDataStorage"};
    return d.findChild<QLineEdit *>(QLatin1String(names[field]));
}

QLineEdit *storageField(QWidget &d)
{
    return fieldOf(d, 4);
}

// A rate and its interval are neighbours in RateField.
QLineEdit *partnerOf(QWidget &d, int field)
{
    return fieldOf(d, field ^ 1);
}

QString warningOf(int field)
{
    const char *const warnings[] =
        {"Please reenter the Screen Refresh Rate.\n\nThe Screen Refresh Rate must be between 0.1 "
         "and 50\n",
         "Please reenter the Screen Refresh Rate Interval.\n"
         "The Screen Refresh Rate Interval must be between 20 and 10000\n",
         "Please reenter the Data Sample Rate.\n\nThe Data Sample Rate value must be between 0.1 "
         "and 100\n",
         "Please reenter the Data Sample Interval.\n\nThe Data Sample Interval must be between 10 "
         "and 10000 \n"};
    return QString::fromLatin1(warnings[field]);
}

// Focus only moves inside an active window. The offscreen platform does not
// hand activation back when a message box closes; a window that becomes
// active again focuses the field that setFocus chose meanwhile.
QWidget *focusAfterActivation(QWidget *w)
{
    w->QWidget::show();
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w) ? QApplication::focusWidget() : nullptr;
}

} // namespace

class TestRates : public QObject
{
    Q_OBJECT

    Plot_Screen_Info info;
    std::unique_ptr<Dialog> d;
    QElapsedTimer sinceApply;

    // The shared dialog active, every rate field in range and the focus in
    // the storage field.
    bool ready()
    {
        ModalAnswerer unexpected;
        const char *const valid[] = {"20", "50", "20", "50"};
        for (int field = RefreshRate; field <= SampleInterval; ++field)
            fieldOf(*d, field)->setText(QLatin1String(valid[field]));
        if (!focusAfterActivation(d.get()))
            return false;
        storageField(*d)->setFocus();
        const bool moved =
            QTest::qWaitFor([this] { return QApplication::focusWidget() == storageField(*d); });
        return moved && unexpected.count() == 0;
    }

private slots:
    void initTestCase()
    {
        info.numPlots = 2;
        info.plotAxisInfo.resize(2);
        d = std::make_unique<Dialog>(&info, nullptr, false);
        sinceApply.start();
    }
    void cleanupTestCase() { d.reset(); }

    // The partner's text after the edit; empty when the value is refused.
    void rateFields_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("partnerText");
        auto row = [](const char *name, int field, const char *text, const char *partner) {
            QTest::newRow(name) << field << QString(text) << QString(partner);
        };
        row("refresh rate lower bound", RefreshRate, "0.1", "10000");
        row("refresh rate exponent", RefreshRate, "2.5e1", "40");
        row("refresh rate just below", RefreshRate, "0.0999", "");
        row("refresh interval lower bound", RefreshInterval, "20", "50");
        row("refresh interval upper bound", RefreshInterval, "10000", "0.1");
        row("refresh interval 30", RefreshInterval, "30", "33.3333");
        row("refresh interval just below", RefreshInterval, "19.9999", "");
        row("sample rate upper bound", SampleRate, "100", "10");
        row("sample rate just above", SampleRate, "100.0001", "");
        row("sample rate below", SampleRate, "0.0999", "");
        row("sample interval lower bound", SampleInterval, "10", "100");
        row("sample interval upper bound", SampleInterval, "10000", "0.1");
        row("sample interval inside lower", SampleInterval, "10.0001", "99.999");
        row("sample interval 9.5", SampleInterval, "9.5", "");
        row("sample interval above", SampleInterval, "10001", "");
    }
    void rateFields()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, partnerText);
        QVERIFY(ready());
        QLineEdit *edited = fieldOf(*d, field);
        QLineEdit *partner = partnerOf(*d, field);
        partner->setText(QStringLiteral("777"));
        edited->setText(text);
        ModalAnswerer answerer;
        emit edited->editingFinished();
        QCOMPARE(edited->text(), text);
        QCOMPARE(answerer.count(), partnerText.isEmpty() ? 1 : 0);
        QCOMPARE(partner->text(), partnerText.isEmpty() ? QStringLiteral("777") : partnerText);
        if (!partnerText.isEmpty())
            return;
        const ModalAnswerer::Seen box = answerer.last();
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QCOMPARE(box.text, warningOf(field));
        QCOMPARE(box.flags, kNoCloseBoxFlags);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!box.hasParent);
        QCOMPARE(focusAfterActivation(d.get()), edited);
    }

    // While a warning is open, a further refused edit opens no second box,
    // but an accepted one still rewrites its partner.
    void oneWarningAtATime_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("secondText");
        QTest::addColumn<QString>("secondPartnerText");
        QTest::newRow("same field again") << int(RefreshRate) << int(RefreshRate) << "70"
                                          << "777";
        QTest::newRow("other field refused") << int(RefreshRate) << int(SampleInterval) << "5"
                                             << "777";
        QTest::newRow("in range still rewrites") << int(SampleInterval) << int(SampleRate) << "25"
                                                 << "40";
    }
    void oneWarningAtATime()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, secondText);
        QVERIFY(ready());
        partnerOf(*d, second)->setText(QStringLiteral("777"));
        fieldOf(*d, first)->setText(QStringLiteral("0"));
        // A second box would block inside the first one; close it and count it.
        QWidget *firstBox = nullptr;
        int extraBoxes = 0;
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (box && box != firstBox && box->isVisible()) {
                ++extraBoxes;
                box->done(0);
            }
        });
        ModalAnswerer answerer;
        QString partnerWhileOpen;
        answerer.setWhileOpen([&](QWidget *box) {
            firstBox = box;
            closer.start();
            fieldOf(*d, second)->setText(secondText);
            emit fieldOf(*d, second)->editingFinished();
            partnerWhileOpen = partnerOf(*d, second)->text();
            closer.stop();
        });
        emit fieldOf(*d, first)->editingFinished();
        QVERIFY(firstBox);
        QCOMPARE(extraBoxes, 0);
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().text, warningOf(first));
        QTEST(partnerWhileOpen, "secondPartnerText");
        QCOMPARE(focusAfterActivation(d.get()), fieldOf(*d, first));
        // The box closed: the next refused edit warns again.
        fieldOf(*d, first)->setText(QStringLiteral("0"));
        emit fieldOf(*d, first)->editingFinished();
        QCOMPARE(answerer.count(), 2);
    }

    // A number is read with a decimal point whatever the locale: what the
    // field lets the user type is what the partner and the write-back use.
    void numbersInAnyLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fieldText");
        QTest::addColumn<QString>("partnerText");
        QTest::addColumn<qulonglong>("appliedMs");
        for (const char *locale : {"C", "de_DE"}) {
            QTest::addRow("%s, 0.3 Hz", locale) << locale << int(SampleRate) << "0.3"
                                                << "0.3"
                                                << "3333.33" << 3333ull;
            // The comma cannot be typed: no group separators, no decimal comma.
            QTest::addRow("%s, 2,5 Hz", locale) << locale << int(RefreshRate) << "2,5"
                                                << "25"
                                                << "40" << 40ull;
            QTest::addRow("%s, 33.5 ms", locale) << locale << int(RefreshInterval) << "33.5"
                                                 << "33.5"
                                                 << "29.8507" << 34ull;
        }
    }
    void numbersInAnyLocale()
    {
        QFETCH(QString, locale);
        QFETCH(int, field);
        QFETCH(QString, typed);
        struct Restore
        {
            QLocale before;
            ~Restore() { QLocale::setDefault(before); }
        } restore;
        QLocale::setDefault(QLocale(locale));
        Dialog local(&info, nullptr, false);
        local.show(&info, QBitArray(8), QBitArray(8), Dialog::PlotArea, 0, false);
        storageField(local)->setText(QStringLiteral("60"));
        QVERIFY(focusAfterActivation(&local));
        QLineEdit *edit = fieldOf(local, field);
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        edit->selectAll();
        ModalAnswerer answerer;
        QTest::keyClicks(edit, typed);
        QTEST(edit->text(), "fieldText");
        storageField(local)->setFocus(); // the user moves on
        QTRY_COMPARE(QApplication::focusWidget(), storageField(local));
        QCOMPARE(answerer.count(), 0);
        QTEST(partnerOf(local, field)->text(), "partnerText");
        // Applied, the interval is whole milliseconds.
        QSignalSpy applied(&local, &Dialog::applyPressedSignal);
        while (!sinceApply.hasExpired(510)) // one Apply per 500 ms, process-wide
            QTest::qWait(10);
        local.findChild<QPushButton *>(QStringLiteral("btnApply"))->click();
        sinceApply.start();
        QCOMPARE(applied.count(), 1);
        std::unique_ptr<Plot_Screen_Info> written(applied.at(0).at(0).value<Plot_Screen_Info *>());
        QTEST(qulonglong(field == SampleRate ? written->dataSampleInterval
                                             : written->screenRefreshInterval),
              "appliedMs");
    }

    // Text the validator lets through but cannot accept yet (empty, a lone
    // sign, an unfinished exponent) is refused like any other when the user
    // moves on or presses Return.
    void unfinishedTextIsRefused_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byReturn");
        QTest::newRow("refresh rate emptied") << int(RefreshRate) << "" << false;
        QTest::newRow("refresh interval sign") << int(RefreshInterval) << "-" << true;
        QTest::newRow("sample rate exponent") << int(SampleRate) << "1e" << false;
        QTest::newRow("sample interval emptied") << int(SampleInterval) << "" << true;
    }
    void unfinishedTextIsRefused()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(bool, byReturn);
        QVERIFY(ready());
        QLineEdit *edit = fieldOf(*d, field);
        partnerOf(*d, field)->setText(QStringLiteral("777"));
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QVERIFY(!edit->hasAcceptableInput());
        ModalAnswerer answerer;
        if (byReturn)
            QTest::keyClick(edit, Qt::Key_Return);
        else
            storageField(*d)->setFocus();
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().text, warningOf(field));
        QCOMPARE(edit->text(), typed);
        QCOMPARE(partnerOf(*d, field)->text(), QStringLiteral("777"));
        QCOMPARE(focusAfterActivation(d.get()), edit);
    }

    void schedulerIntervalsAtConstruction()
    {
        QByteArrayList asked;
        QList<const char *> buffers;
        const MsIntervalSource previous =
            set_ms_interval_source([&](const char *name, char *buffer, qint32 *ms) -> qint16 {
                asked << name;
                buffers << buffer;
                *ms = asked.size() == 1 ? 250 : 7;
                return 0;
            });
        Dialog built(&info, nullptr, false);
        set_ms_interval_source(previous);
        QCOMPARE(asked, QByteArrayList({"SLO", "FAS"}));
        QCOMPARE(buffers.at(0), buffers.at(1));
        QCOMPARE(Access::sloIntervalMs(built), 250);
        QCOMPARE(Access::fasIntervalMs(built), 7);
    }

    // The one fatal path, in a child process: a box that cannot be closed
    // but with Ok, then exit status 4.
    void fatalSchedulerFailure_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::newRow("SLO") << "SLO";
        QTest::newRow("FAS") << "FAS";
    }
    void fatalSchedulerFailure()
    {
        QFETCH(QString, failing);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kFatalChildEnv), QStringLiteral("1"));
        env.insert(QStringLiteral("XY_PLOT_MS_INTERVAL_FAIL"), failing);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // exit() leaves the application and the dialog under construction on
        // the stack undestroyed; what they hold at that point is no leak.
        const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   asan + (asan.isEmpty() ? "" : ":") + QStringLiteral("detect_leaks=0"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(120000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit, child.readAllStandardError());
        QCOMPARE(child.exitCode(), 4);
        const QByteArray out = child.readAllStandardOutput();
        QVERIFY2(!out.contains("CONSTRUCTED") && out.count("BOX ") == 1, out.constData());
        const QList<QByteArray> box = out.mid(out.indexOf("BOX ") + 4).trimmed().split('|');
        QCOMPARE(box.value(0), QByteArray("Fatal Error"));
        QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(box.value(1))),
                 QStringLiteral("The %1 master scheduler interval was unable to be retrieved - "
                                "Exiting\n")
                     .arg(failing));
        QCOMPARE(box.value(2).toInt(), int(kNoCloseBoxFlags));
        QCOMPARE(box.value(3).toInt(), int(QMessageBox::Ok));
        QCOMPARE(box.value(4).toInt(), 0);
    }

    void xRangeToUnits_data()
    {
        QTest::addColumn<double>("rangeMin");
        QTest::addColumn<double>("rangeMax");
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("graph");
        QTest::addColumn<double>("expected");
        QTest::newRow("seconds") << -30.0 << 30.0 << 0 << 0 << 60.0;
        QTest::newRow("minutes") << 10.0 << 130.0 << 1 << 1 << 2.0;
        QTest::newRow("hours") << 0.0 << 7200.0 << 2 << 0 << 2.0;
        QTest::newRow("days") << 0.0 << 86400.0 << 3 << 1 << 1.0;
        QTest::newRow("unit 4") << 0.0 << 86400.0 << 4 << 0 << 0.0;
        QTest::newRow("unit -1") << 0.0 << 60.0 << -1 << 0 << 0.0;
        QTest::newRow("graph beyond the vector") << 0.0 << 60.0 << 0 << 2 << 0.0;
        QTest::newRow("negative graph") << 0.0 << 60.0 << 0 << -1 << 0.0;
    }
    void xRangeToUnits()
    {
        QFETCH(double, rangeMin);
        QFETCH(double, rangeMax);
        QFETCH(int, units);
        QFETCH(int, graph);
        Plot_Screen_Info converted;
        converted.plotAxisInfo.resize(2);
        for (Plot_Axis_Info &axes : converted.plotAxisInfo) {
            axes.xAxis.rangeMin = rangeMin;
            axes.xAxis.rangeMax = rangeMax;
            axes.xAxis.rangeUnits = units;
        }
        // Each graph its own range, so reading a wrong graph shows.
        converted.plotAxisInfo[1 - qBound(0, graph, 1)].xAxis.rangeMax += 1000.0;
        QTEST(d->convertXRangeToUnits(&converted, graph), "expected");
        QCOMPARE(d->convertXRangeToUnits(nullptr, graph), 0.0);
    }

    // The range is read from the graph's X axis table; "foreign" puts another
    // widget in its range cell, "none" removes it.
    void xRangeToSeconds_data()
    {
        QTest::addColumn<bool>("pluginMode");
        QTest::addColumn<int>("graph");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("minText");
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<double>("expected");
        auto row = [](const char *name, bool plugin, int graph, const char *cell, const char *min,
                      const char *max, double expected) {
            QTest::newRow(name) << plugin << graph << QString(cell) << QString(min) << QString(max)
                                << expected;
        };
        row("graph 8", false, 7, "range", "10", "70", 60.0);
        row("reversed range", false, 0, "range", "100", "40", -60.0);
        row("minimum not a number", false, 3, "range", "abc", "30", 30.0);
        row("foreign cell", false, 0, "foreign", "0", "120", 0.0);
        row("no cell", false, 0, "none", "0", "120", 0.0);
        row("graph 9", false, 8, "range", "0", "120", 0.0);
        row("negative graph", false, -1, "range", "0", "120", 0.0);
        row("plugin graph 1", true, 0, "range", "0", "60", 60.0);
        row("plugin graph 2", true, 1, "range", "0", "60", 0.0);
    }
    void xRangeToSeconds()
    {
        QFETCH(bool, pluginMode);
        QFETCH(int, graph);
        QFETCH(QString, cell);
        QFETCH(QString, minText);
        QFETCH(QString, maxText);
        Dialog local(&info, nullptr, pluginMode);
        // Every table holds a range, so reading a wrong graph shows.
        QList<Spreadsheet *> tables;
        for (int n = 1; n <= 8; ++n) {
            const QString name = QStringLiteral("graph%1XAxisSpreadsheet").arg(n);
            tables << local.findChild<Spreadsheet *>(name);
            auto *range = qobject_cast<LineEdit_LineEditWidget *>(tables.last()->cellWidget(0, 1));
            QVERIFY(range);
            const bool chosen = n == graph + 1;
            range->setLineEditText(0, chosen ? minText : QStringLiteral("0"));
            range->setLineEditText(1, chosen ? maxText : QStringLiteral("999"));
        }
        if (graph >= 0 && graph < 8) {
            Spreadsheet *table = tables[graph];
            if (cell == QLatin1String("foreign"))
                table->setCellWidget(0, 1, new QLabel(QStringLiteral("120")));
            else if (cell == QLatin1String("none"))
                table->removeCellWidget(0, 1);
        }
        QTEST(local.convertXRangeToSeconds(graph), "expected");
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kFatalChildEnv))
        return runFatalChild();
    TestRates tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_rates.moc"

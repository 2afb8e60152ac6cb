// Rate and interval fields, the master scheduler intervals read at start-up
// and the X range conversions.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/dialog_access.h"
#include "support/modal_answerer.h"

#include <interfaces/ms_interval.h>
#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <memory>

using Access = XY_Plot_Config_Dialog_TestAccess;

// Every call the dialog makes to the host's get_ms_interval is recorded here
// and then forwarded to the host environment library.

namespace {

struct SchedulerCall
{
    QByteArray name;
    const void *buffer = nullptr; // compared by address only
    bool bufferZeroOnEntry = false;
    qint16 status = 0;
    qint32 intervalMs = 0;
};

QList<SchedulerCall> &schedulerCalls()
{
    static QList<SchedulerCall> calls;
    return calls;
}

} // namespace

qint16 get_ms_interval(const char *name, char *buffer, qint32 *intervalMs)
{
    using Fn = qint16 (*)(const char *, char *, qint32 *);
    // The Itanium C++ name of qint16 get_ms_interval(const char *, char *, qint32 *).
    static const Fn hostFunction =
        reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "_Z15get_ms_intervalPKcPcPi"));
    if (!hostFunction)
        qFatal("get_ms_interval of the host environment library not found");
    SchedulerCall call{name, buffer,
                       std::all_of(buffer, buffer + 32, [](char c) { return c == 0; })};
    call.status = hostFunction(name, buffer, intervalMs);
    call.intervalMs = *intervalMs;
    schedulerCalls().append(call);
    return call.status;
}

// Child process: constructs a dialog while the host environment is told to
// fail one interval, and reports what it saw on stdout.

namespace {

const char kFatalChildEnv[] = "XY_RATES_TEST_FATAL_CHILD";
ModalAnswerer *childAnswerer = nullptr;

void reportChild()
{
    static bool reported = false;
    if (reported)
        return;
    reported = true;
    for (const SchedulerCall &call : qAsConst(schedulerCalls()))
        std::printf("ASKED %s\n", call.name.constData());
    if (childAnswerer) {
        for (const ModalAnswerer::Seen &s : childAnswerer->seen()) {
            std::printf("BOX %s %s %d %d %d %d\n", s.title.toUtf8().toBase64().constData(),
                        s.text.toUtf8().toBase64().constData(), int(s.flags), int(s.buttons),
                        int(s.icon), int(s.hasParent));
        }
    }
    std::fflush(stdout);
}

int runFatalChild()
{
    ModalAnswerer answerer;
    childAnswerer = &answerer;
    // The call list is created first so that it outlives the report that
    // exit() runs.
    schedulerCalls().clear();
    std::atexit(reportChild);
    Plot_Screen_Info info;
    info.numPlots = 1;
    info.plotAxisInfo.resize(1);
    delete new XY_Plot_Config_Dialog(&info, nullptr, false);
    std::printf("CONSTRUCTED\n");
    reportChild();
    childAnswerer = nullptr;
    return 0;
}

enum RateField { RefreshRate, RefreshInterval, SampleRate, SampleInterval };

const Qt::WindowFlags kNoCloseBoxFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;

QLineEdit *fieldOf(XY_Plot_Config_Dialog &d, int field)
{
    Ui_Plot_Config_Dialog *ui = Access::ui(d);
    QLineEdit *const fields[] = {ui->lineEditScreenRefreshRate, ui->lineEditScreenRefreshInterval,
                                 ui->lineEditDataSampleRate, ui->lineEditDataSampleInterval};
    return fields[field];
}

// A rate and its interval are neighbours in RateField.
QLineEdit *partnerOf(XY_Plot_Config_Dialog &d, int field)
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

std::unique_ptr<XY_Plot_Config_Dialog> makeDialog(Plot_Screen_Info &info, int graphs,
                                                  bool pluginMode = false)
{
    info.numPlots = graphs;
    info.plotAxisInfo.resize(graphs);
    return std::make_unique<XY_Plot_Config_Dialog>(&info, nullptr, pluginMode);
}

// Focus only moves inside an active window.
bool showActive(QWidget *w)
{
    w->QWidget::show();
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

// The offscreen platform does not hand activation back to the dialog when a
// message box closes; a window that becomes active again focuses the field
// that setFocus chose while it was inactive.
QWidget *focusOnReturn(QWidget *window)
{
    return showActive(window) ? QApplication::focusWidget() : nullptr;
}

} // namespace

class TestRates : public QObject
{
    Q_OBJECT

private slots:
    void rateFields_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        // The partner's text after the edit; empty when the value is refused.
        // Zero, negative, empty and non-numeric text for every field, 50 Hz
        // refresh and 0.1 Hz sampling are rows of the hostile value suite.
        QTest::addColumn<QString>("partnerText");
        QTest::newRow("refresh rate lower bound") << int(RefreshRate) << "0.1"
                                                  << "10000";
        QTest::newRow("refresh rate inside upper") << int(RefreshRate) << "49.9999"
                                                   << "20";
        QTest::newRow("refresh rate exponent") << int(RefreshRate) << "5e1"
                                               << "20";
        QTest::newRow("refresh rate just below") << int(RefreshRate) << "0.0999"
                                                 << "";
        QTest::newRow("refresh interval lower bound") << int(RefreshInterval) << "20"
                                                      << "50";
        QTest::newRow("refresh interval upper bound") << int(RefreshInterval) << "10000"
                                                      << "0.1";
        QTest::newRow("refresh interval 30") << int(RefreshInterval) << "30"
                                             << "33.3333";
        QTest::newRow("refresh interval just below") << int(RefreshInterval) << "19.9999"
                                                     << "";
        QTest::newRow("refresh interval above") << int(RefreshInterval) << "10000.1"
                                                << "";
        QTest::newRow("sample rate upper bound") << int(SampleRate) << "100"
                                                 << "10";
        QTest::newRow("sample rate just above") << int(SampleRate) << "100.0001"
                                                << "";
        QTest::newRow("sample rate below") << int(SampleRate) << "0.0999"
                                           << "";
        QTest::newRow("sample interval lower bound") << int(SampleInterval) << "10"
                                                     << "100";
        QTest::newRow("sample interval upper bound") << int(SampleInterval) << "10000"
                                                     << "0.1";
        QTest::newRow("sample interval inside lower") << int(SampleInterval) << "10.0001"
                                                      << "99.999";
        QTest::newRow("sample interval 9.5") << int(SampleInterval) << "9.5"
                                             << "";
        QTest::newRow("sample interval above") << int(SampleInterval) << "10001"
                                               << "";
    }
    void rateFields()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, partnerText);
        Plot_Screen_Info info;
        auto d = makeDialog(info, 1);
        QVERIFY(showActive(d.get()));
        QLineEdit *edited = fieldOf(*d, field);
        QLineEdit *partner = partnerOf(*d, field);
        partner->setText(QStringLiteral("777"));
        edited->setText(text);
        Access::ui(*d)->lineEditDataStorage->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), Access::ui(*d)->lineEditDataStorage);
        ModalAnswerer answerer;
        emit edited->editingFinished();
        QCOMPARE(edited->text(), text);
        if (!partnerText.isEmpty()) {
            QCOMPARE(answerer.count(), 0);
            QCOMPARE(partner->text(), partnerText);
            return;
        }

        QCOMPARE(answerer.count(), 1);
        const ModalAnswerer::Seen box = answerer.last();
        QCOMPARE(box.className, QStringLiteral("QMessageBox"));
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QCOMPARE(box.text, warningOf(field));
        QCOMPARE(box.flags, kNoCloseBoxFlags);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QVERIFY(!box.hasParent);
        QCOMPARE(partner->text(), QStringLiteral("777"));
        QVERIFY(!Access::rateWarningShowing(*d));
        QCOMPARE(focusOnReturn(d.get()), edited);
    }

    void oneWarningAtATime_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("secondText");
        // The second field's partner as seen while the first warning is open.
        QTest::addColumn<QString>("secondPartnerText");
        QTest::newRow("same field again") << int(RefreshRate) << "60" << int(RefreshRate) << "70"
                                          << "777";
        QTest::newRow("other field refused")
            << int(RefreshRate) << "60" << int(SampleInterval) << "5"
            << "777";
        QTest::newRow("interval then rate") << int(RefreshInterval) << "5" << int(SampleRate) << "0"
                                            << "777";
        QTest::newRow("in range still rewrites")
            << int(SampleInterval) << "1" << int(SampleRate) << "25"
            << "40";
        QTest::newRow("in range same pair")
            << int(RefreshRate) << "0" << int(RefreshInterval) << "25"
            << "40";
    }
    void oneWarningAtATime()
    {
        QFETCH(int, first);
        QFETCH(QString, firstText);
        QFETCH(int, second);
        QFETCH(QString, secondText);
        Plot_Screen_Info info;
        auto d = makeDialog(info, 1);
        QVERIFY(showActive(d.get()));
        partnerOf(*d, second)->setText(QStringLiteral("777"));
        fieldOf(*d, first)->setText(firstText);

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
        bool ran = false;
        bool guardWhileOpen = false;
        QString partnerWhileOpen;
        answerer.setWhileOpen([&](QWidget *box) {
            ran = true;
            firstBox = box;
            closer.start();
            guardWhileOpen = Access::rateWarningShowing(*d);
            QLineEdit *secondField = fieldOf(*d, second);
            secondField->setText(secondText);
            emit secondField->editingFinished();
            partnerWhileOpen = partnerOf(*d, second)->text();
            closer.stop();
        });
        emit fieldOf(*d, first)->editingFinished();
        QVERIFY(ran);
        QVERIFY(guardWhileOpen);
        QCOMPARE(extraBoxes, 0);
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().text, warningOf(first));
        QTEST(partnerWhileOpen, "secondPartnerText");
        QVERIFY(!Access::rateWarningShowing(*d));
        QCOMPARE(focusOnReturn(d.get()), fieldOf(*d, first));
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
        for (const char *locale : {"C", "en_US", "de_DE"}) {
            QTest::addRow("%s, 2.5 Hz", locale) << locale << int(RefreshRate) << "2.5"
                                                << "2.5"
                                                << "400" << 400ull;
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
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        struct Restore
        {
            QLocale l;
            ~Restore() { QLocale::setDefault(l); }
        } restore{before};
        Plot_Screen_Info info;
        auto d = makeDialog(info, 1);
        QVERIFY(showActive(d.get()));
        QLineEdit *edit = fieldOf(*d, field);
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        edit->selectAll();
        ModalAnswerer answerer;
        QTest::keyClicks(edit, typed);
        QTEST(edit->text(), "fieldText");
        Access::ui(*d)->lineEditDataStorage->setFocus(); // the user moves on
        QTRY_COMPARE(QApplication::focusWidget(), Access::ui(*d)->lineEditDataStorage);
        QCOMPARE(answerer.count(), 0);
        QTEST(partnerOf(*d, field)->text(), "partnerText");
        Access::writeScreenInfoToDataStructure(*d);
        const Plot_Screen_Info *written = Access::psi(*d);
        QTEST(qulonglong(field == SampleRate || field == SampleInterval
                             ? written->dataSampleInterval
                             : written->screenRefreshInterval),
              "appliedMs");
    }

    // Text the validator lets through but cannot accept yet (empty, a lone
    // sign, an unfinished exponent) is not left unchecked when the user
    // moves on or presses Return: it is refused like any other.
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
        Plot_Screen_Info info;
        auto d = makeDialog(info, 1);
        QVERIFY(showActive(d.get()));
        QLineEdit *edit = fieldOf(*d, field);
        partnerOf(*d, field)->setText(QStringLiteral("777"));
        edit->setText(QStringLiteral("25"));
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
        QVERIFY(!edit->hasAcceptableInput());
        ModalAnswerer answerer;
        if (byReturn)
            QTest::keyClick(edit, Qt::Key_Return);
        else
            Access::ui(*d)->lineEditDataStorage->setFocus();
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().text, warningOf(field));
        QCOMPARE(edit->text(), typed);
        QCOMPARE(partnerOf(*d, field)->text(), QStringLiteral("777"));
        QCOMPARE(focusOnReturn(d.get()), edit);
    }

    void schedulerIntervalsAtConstruction()
    {
        schedulerCalls().clear();
        Plot_Screen_Info info;
        auto d = makeDialog(info, 1);
        const QList<SchedulerCall> calls = schedulerCalls();
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls[0].name + calls[1].name, QByteArray("SLOFAS"));
        QVERIFY(calls[0].bufferZeroOnEntry);
        QCOMPARE(calls[1].buffer, calls[0].buffer);
        QCOMPARE(calls[0].status | calls[1].status, 0);
        QCOMPARE(Access::sloIntervalMs(*d), calls[0].intervalMs);
        QCOMPARE(Access::fasIntervalMs(*d), calls[1].intervalMs);
        QVERIFY(!Access::rateWarningShowing(*d));
    }

    void fatalSchedulerFailure_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("text");
        QTest::newRow("SLO")
            << "SLO" << 4 << QStringList{"SLO"}
            << "The SLO master scheduler interval was unable to be retrieved - Exiting\n";
        QTest::newRow("FAS")
            << "FAS" << 4 << QStringList{"SLO", "FAS"}
            << "The FAS master scheduler interval was unable to be retrieved - Exiting\n";
        QTest::newRow("neither") << "" << 0 << QStringList{"SLO", "FAS"} << "";
    }
    void fatalSchedulerFailure()
    {
        QFETCH(QString, failing);
        QFETCH(int, exitCode);
        QFETCH(QString, text);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kFatalChildEnv), QStringLiteral("1"));
        env.insert(QStringLiteral("XY_PLOT_MS_INTERVAL_FAIL"), failing);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!failing.isEmpty()) {
            // exit() leaves the application and the dialog under construction on
            // the stack undestroyed; what they hold at that point is no leak.
            const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
            env.insert(QStringLiteral("ASAN_OPTIONS"),
                       asan + (asan.isEmpty() ? "" : ":") + QStringLiteral("detect_leaks=0"));
        }
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(120000));
        const QByteArray err = child.readAllStandardError();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit, err.constData());
        QCOMPARE(child.exitCode(), exitCode);
        QStringList askedSeen;
        QList<QList<QByteArray>> boxes;
        bool constructed = false;
        const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
        for (const QByteArray &line : lines) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts[0] == "ASKED")
                askedSeen << QString::fromLatin1(parts.value(1));
            else if (parts[0] == "BOX")
                boxes << parts;
            else if (parts[0] == "CONSTRUCTED")
                constructed = true;
        }
        QTEST(askedSeen, "asked");
        if (text.isEmpty()) {
            QVERIFY(constructed);
            QCOMPARE(boxes.size(), 0);
            return;
        }
        QVERIFY(!constructed);
        QCOMPARE(boxes.size(), 1);
        const QList<QByteArray> &box = boxes[0];
        QCOMPARE(box.size(), 7);
        QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(box[1])), QStringLiteral("Fatal Error"));
        QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(box[2])), text);
        QCOMPARE(box[3].toInt(), int(kNoCloseBoxFlags));
        QCOMPARE(box[4].toInt(), int(QMessageBox::Ok));
        QCOMPARE(box[5].toInt(), int(QMessageBox::NoIcon));
        QCOMPARE(box[6].toInt(), 0);
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
        Plot_Screen_Info info;
        auto d = makeDialog(info, 2);
        Plot_Screen_Info converted;
        converted.plotAxisInfo.resize(2);
        for (Plot_Axis_Info &axes : converted.plotAxisInfo) {
            axes.xAxis.rangeMin = rangeMin;
            axes.xAxis.rangeMax = rangeMax;
            axes.xAxis.rangeUnits = units;
        }
        QTEST(d->convertXRangeToUnits(&converted, graph), "expected");
        QCOMPARE(d->convertXRangeToUnits(nullptr, graph), 0.0);
    }

    void xRangeToSeconds_data()
    {
        QTest::addColumn<bool>("pluginMode");
        QTest::addColumn<int>("graph");
        QTest::addColumn<QString>("cell"); // "range", "foreign" or "none"
        QTest::addColumn<QString>("minText");
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<double>("expected");
        QTest::newRow("graph 8") << false << 7 << "range"
                                 << "10"
                                 << "70" << 60.0;
        QTest::newRow("reversed range") << false << 0 << "range"
                                        << "100"
                                        << "40" << -60.0;
        QTest::newRow("minimum not a number") << false << 3 << "range"
                                              << "abc"
                                              << "30" << 30.0;
        QTest::newRow("both empty") << false << 0 << "range"
                                    << ""
                                    << "" << 0.0;
        QTest::newRow("foreign cell") << false << 0 << "foreign"
                                      << "0"
                                      << "120" << 0.0;
        QTest::newRow("no cell") << false << 0 << "none"
                                 << "0"
                                 << "120" << 0.0;
        QTest::newRow("graph 9") << false << 8 << "range"
                                 << "0"
                                 << "120" << 0.0;
        QTest::newRow("negative graph") << false << -1 << "range"
                                        << "0"
                                        << "120" << 0.0;
        QTest::newRow("plugin graph 1") << true << 0 << "range"
                                        << "0"
                                        << "60" << 60.0;
        QTest::newRow("plugin graph 2") << true << 1 << "range"
                                        << "0"
                                        << "60" << 0.0;
    }
    void xRangeToSeconds()
    {
        QFETCH(bool, pluginMode);
        QFETCH(int, graph);
        QFETCH(QString, cell);
        QFETCH(QString, minText);
        QFETCH(QString, maxText);
        Plot_Screen_Info info;
        auto d = makeDialog(info, 1, pluginMode);
        const QList<Spreadsheet *> &tables = Access::xAxis(*d);
        // The range is entered into every table so that reading a wrong graph
        // shows up as a wrong result rather than as 0.
        for (Spreadsheet *table : tables) {
            auto *range = qobject_cast<LineEdit_LineEditWidget *>(table->cellWidget(0, 1));
            QVERIFY(range);
            range->setLineEditText(0, QStringLiteral("0"));
            range->setLineEditText(1, QStringLiteral("999"));
        }
        if (graph >= 0 && graph < tables.size()) {
            Spreadsheet *table = tables[graph];
            auto *range = qobject_cast<LineEdit_LineEditWidget *>(table->cellWidget(0, 1));
            range->setLineEditText(0, minText);
            range->setLineEditText(1, maxText);
            if (cell == QLatin1String("foreign"))
                table->setCellWidget(0, 1, new QLabel(QStringLiteral("120")));
            else if (cell == QLatin1String("none"))
                table->removeCellWidget(0, 1);
        }
        QTEST(d->convertXRangeToSeconds(graph), "expected");
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

// Rate and interval fields, the fatal exit when a master scheduler interval
// is missing at start-up, and the X range conversions.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/modal_answerer.h"

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <cstdio>
#include <memory>

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

// Field numbers: a rate and its interval are neighbours, 4 is the storage.
enum RateField { RefreshRate, RefreshInterval, SampleRate, SampleInterval, Storage };

const Qt::WindowFlags kNoCloseBoxFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;

QLineEdit *fieldOf(QWidget &d, int field)
{
    const char *const names[] = {"lineEditScreenRefreshRate", "lineEditScreenRefreshInterval",
                                 "lineEditDataSampleRate", "lineEditDataSampleInterval",
                                 "lineEditDataStorage"};
    return d.findChild<QLineEdit *>(QLatin1String(names[field]));
}

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

bool focus(QWidget *w)
{
    w->setFocus();
    return QTest::qWaitFor([w] { return QApplication::focusWidget() == w; });
}

} // namespace

class TestRates : public QObject
{
    Q_OBJECT

    Plot_Screen_Info info;
    std::unique_ptr<Dialog> d;

    // The shared dialog active, every rate field in range and the focus in
    // the storage field.
    bool ready()
    {
        ModalAnswerer unexpected;
        const char *const valid[] = {"20", "50", "20", "50"};
        for (int field = RefreshRate; field <= SampleInterval; ++field)
            fieldOf(*d, field)->setText(QLatin1String(valid[field]));
        return focusAfterActivation(d.get()) && focus(fieldOf(*d, Storage))
               && unexpected.count() == 0;
    }

private slots:
    void initTestCase()
    {
        info.numPlots = 2;
        info.plotAxisInfo.resize(2);
        d = std::make_unique<Dialog>(&info, nullptr, false);
    }
    void cleanupTestCase() { d.reset(); }

    // The partner's text after the edit; empty when the value is refused.
    // Text ending in "<" is typed and left with Return, in ">" typed and
    // left for the storage field: what the validator lets through but
    // cannot accept yet is refused like any other value.
    void rateFields_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("partnerText");
        auto row = [](int field, const char *text, const char *partner) {
            QTest::addRow("%d %s", field, text) << field << QString(text) << QString(partner);
        };
        row(RefreshRate, "0.1", "10000");
        row(RefreshRate, "2.5e1", "40");
        row(RefreshRate, "0.0999", "");
        row(RefreshInterval, "20", "50");
        row(RefreshInterval, "10000", "0.1");
        row(RefreshInterval, "30", "33.3333");
        row(RefreshInterval, "19.9999", "");
        row(SampleRate, "100", "10");
        row(SampleRate, "100.0001", "");
        row(SampleRate, "0.0999", "");
        row(SampleInterval, "10", "100");
        row(SampleInterval, "10000", "0.1");
        row(SampleInterval, "10.0001", "99.999");
        row(SampleInterval, "9.5", "");
        row(SampleInterval, "10001", "");
        row(RefreshRate, ">", "");
        row(RefreshInterval, "-<", "");
        row(SampleRate, "1e>", "");
        row(SampleInterval, "<", "");
    }
    void rateFields()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, partnerText);
        QVERIFY(ready());
        QLineEdit *edited = fieldOf(*d, field), *partner = partnerOf(*d, field);
        partner->setText(QStringLiteral("777"));
        const QChar how = text.endsWith('<') || text.endsWith('>') ? text.back() : QChar();
        text.chop(how.isNull() ? 0 : 1);
        QVERIFY(how.isNull() || focus(edited));
        ModalAnswerer answerer;
        if (how.isNull()) {
            edited->setText(text);
            emit edited->editingFinished();
        } else {
            edited->selectAll();
            QTest::keyClick(edited, Qt::Key_Backspace);
            QTest::keyClicks(edited, text);
            QVERIFY(!edited->hasAcceptableInput());
            if (how == '<')
                QTest::keyClick(edited, Qt::Key_Return);
            else
                fieldOf(*d, Storage)->setFocus();
        }
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
        auto row = [](const char *name, int first, int second, const char *text, const char *p) {
            QTest::newRow(name) << first << second << QString(text) << QString(p);
        };
        row("same field again", RefreshRate, RefreshRate, "70", "777");
        row("other field refused", RefreshRate, SampleInterval, "5", "777");
        row("in range still rewrites", SampleInterval, SampleRate, "25", "40");
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

    // Under a decimal-comma locale a number is still read with a decimal
    // point: what the field lets the user type is what the partner and the
    // write-back (whole milliseconds) use.
    void decimalCommaLocale_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fieldText");
        QTest::addColumn<QString>("partnerText");
        QTest::addColumn<qulonglong>("appliedMs");
        auto row = [](int field, const char *typed, const char *text, const char *p, qulonglong ms) {
            QTest::newRow(typed) << field << QString(typed) << QString(text) << QString(p) << ms;
        };
        row(SampleRate, "0.3", "0.3", "3333.33", 3333);
        row(RefreshRate, "2,5", "25", "40", 40); // no group separators, no decimal comma
        row(RefreshInterval, "33.5", "33.5", "29.8507", 34);
    }
    void decimalCommaLocale()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        struct Restore
        {
            QLocale before;
            ~Restore() { QLocale::setDefault(before); }
        } restore;
        QLocale::setDefault(QLocale("de_DE"));
        Dialog local(&info, nullptr, false);
        local.show(&info, QBitArray(8), QBitArray(8), Dialog::PlotArea, 0, false);
        fieldOf(local, Storage)->setText(QStringLiteral("60"));
        QVERIFY(focusAfterActivation(&local));
        QLineEdit *edit = fieldOf(local, field);
        QVERIFY(focus(edit));
        edit->selectAll();
        ModalAnswerer answerer;
        QTest::keyClicks(edit, typed);
        QTEST(edit->text(), "fieldText");
        QVERIFY(focus(fieldOf(local, Storage))); // the user moves on
        QCOMPARE(answerer.count(), 0);
        QTEST(partnerOf(local, field)->text(), "partnerText");
        QSignalSpy applied(&local, &Dialog::applyPressedSignal);
        static QElapsedTimer sinceApply; // one Apply per 500 ms, process-wide
        QVERIFY(!sinceApply.isValid() || QTest::qWaitFor([] { return sinceApply.hasExpired(510); }));
        sinceApply.start();
        local.findChild<QPushButton *>(QStringLiteral("btnApply"))->click();
        QCOMPARE(applied.count(), 1);
        std::unique_ptr<Plot_Screen_Info> written(applied.at(0).at(0).value<Plot_Screen_Info *>());
        QTEST(qulonglong(field == SampleRate ? written->dataSampleInterval
                                             : written->screenRefreshInterval),
              "appliedMs");
    }

    // The one fatal path, in a child process: a box that cannot be closed
    // but with Ok, then exit status 4.
    void fatalSchedulerFailure()
    {
        for (const QString failing : {"SLO", "FAS"}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QString::fromLatin1(kFatalChildEnv), QStringLiteral("1"));
            env.insert(QStringLiteral("XY_PLOT_MS_INTERVAL_FAIL"), failing);
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            // exit() leaves the application and the dialog under construction
            // on the stack undestroyed; what they hold then is no leak.
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
            QList<QByteArray> box = out.mid(out.indexOf("BOX ") + 4).trimmed().split('|');
            box[1] = QByteArray::fromBase64(box.value(1));
            QCOMPARE(box, QList<QByteArray>({"Fatal Error",
                                             "The " + failing.toLatin1()
                                                 + " master scheduler interval was unable to be "
                                                   "retrieved - Exiting\n",
                                             QByteArray::number(int(kNoCloseBoxFlags)),
                                             QByteArray::number(int(QMessageBox::Ok)), "0"}));
        }
    }

    // Each graph its own range, so reading a wrong graph shows.
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
        QFETCH(int, graph);
        Plot_Screen_Info converted;
        converted.plotAxisInfo.resize(2);
        for (Plot_Axis_Info &axes : converted.plotAxisInfo) {
            QFETCH(double, rangeMin);
            QFETCH(double, rangeMax);
            QFETCH(int, units);
            axes.xAxis.rangeMin = rangeMin;
            axes.xAxis.rangeMax = rangeMax;
            axes.xAxis.rangeUnits = units;
        }
        converted.plotAxisInfo[1 - qBound(0, graph, 1)].xAxis.rangeMax += 1000.0;
        QTEST(d->convertXRangeToUnits(&converted, graph), "expected");
        QCOMPARE(d->convertXRangeToUnits(nullptr, graph), 0.0);
    }

    // The range is read from the graph's X axis table ("min max" of the
    // chosen graph, every other graph "0 999"); a "foreign" widget in its
    // range cell or "none" reads as 0.
    void xRangeToSeconds_data()
    {
        QTest::addColumn<bool>("pluginMode");
        QTest::addColumn<int>("graph");
        QTest::addColumn<QString>("range");
        QTest::addColumn<double>("expected");
        QTest::newRow("graph 8") << false << 7 << "10 70" << 60.0;
        QTest::newRow("reversed range") << false << 0 << "100 40" << -60.0;
        QTest::newRow("minimum not a number") << false << 3 << "abc 30" << 30.0;
        QTest::newRow("foreign cell") << false << 0 << "foreign" << 0.0;
        QTest::newRow("no cell") << false << 0 << "none" << 0.0;
        QTest::newRow("graph 9") << false << 8 << "0 120" << 0.0;
        QTest::newRow("negative graph") << false << -1 << "0 120" << 0.0;
        QTest::newRow("plugin graph 1") << true << 0 << "0 60" << 60.0;
        QTest::newRow("plugin graph 2") << true << 1 << "0 60" << 0.0;
    }
    void xRangeToSeconds()
    {
        QFETCH(bool, pluginMode);
        QFETCH(int, graph);
        QFETCH(QString, range);
        Dialog local(&info, nullptr, pluginMode);
        for (int g = 0; g < 8; ++g) {
            auto *table =
                local.findChild<Spreadsheet *>(QString("graph%1XAxisSpreadsheet").arg(g + 1));
            auto *cell = qobject_cast<LineEdit_LineEditWidget *>(table->cellWidget(0, 1));
            QVERIFY(cell);
            const QStringList minMax = (g == graph ? range : QString("0 999")).split(' ');
            cell->setLineEditText(0, minMax.value(0));
            cell->setLineEditText(1, minMax.value(1));
            if (g == graph && range == QLatin1String("foreign"))
                table->setCellWidget(0, 1, new QLabel(QStringLiteral("120")));
            if (g == graph && range == QLatin1String("none"))
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

// Rate and interval fields, the fatal exit when a master scheduler interval
// is missing at start-up, and the X range conversions.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/modal_answerer.h"

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <cstdio>
#include <memory>

using Dialog = XY_Plot_Config_Dialog;

namespace {

const char kFatalChildEnv[] = "XY_RATES_TEST_FATAL_CHILD";

QString boxOf(const ModalAnswerer::Seen &s)
{
    return s.title + '|' + s.text
           + QStringLiteral("|%1|%2|%3").arg(int(s.flags)).arg(int(s.buttons)).arg(s.hasParent);
}

// An Ok box without close box or parent.
QString warningBox(const QString &title, const QString &text)
{
    const auto noCloseBox = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    return title + '|' + text
           + QStringLiteral("|%1|%2|0").arg(int(noCloseBox)).arg(int(QMessageBox::Ok));
}

// Child process: builds a dialog while one interval fails; prints the box.
int runFatalChild()
{
    ModalAnswerer answerer;
    Plot_Screen_Info info;
    answerer.setWhileOpen([&answerer](QWidget *) {
        std::printf("BOX %s\n", boxOf(answerer.last()).toUtf8().toBase64().constData());
        std::fflush(stdout);
    });
    delete new Dialog(&info, nullptr, false);
    std::printf("CONSTRUCTED\n");
    return 0;
}

// A rate and its interval are neighbours (field ^ 1).
enum RateField { RefreshRate, RefreshInterval, SampleRate, SampleInterval, Storage };

QLineEdit *fieldOf(QWidget &d, int field)
{
    const char *const names[] = {"lineEditScreenRefreshRate", "lineEditScreenRefreshInterval",
                                 "lineEditDataSampleRate", "lineEditDataSampleInterval",
                                 "lineEditDataStorage"};
    return d.findChild<QLineEdit *>(QLatin1String(names[field]));
}

// The warning about a field names its bounds.
const char *const kBounds[] = {"0.1 and 50\n", "20 and 10000\n", "0.1 and 100\n", "10 and 10000 \n"};

// The offscreen platform does not hand activation back when a box closes;
// an activated window focuses the field that setFocus chose meanwhile.
QWidget *focusAfterActivation(QWidget *w)
{
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

    // Rates in range, focus in the storage field, then field's partner "777".
    bool ready(int field = Storage)
    {
        ModalAnswerer unexpected;
        for (int f = RefreshRate; f <= SampleInterval; ++f)
            fieldOf(*d, f)->setText(f % 2 ? "50" : "20");
        const bool ok =
            focusAfterActivation(d.get()) && focus(fieldOf(*d, Storage)) && unexpected.count() == 0;
        if (field != Storage)
            fieldOf(*d, field ^ 1)->setText("777");
        return ok;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale("de_DE")); // the fields still read numbers the C way
        d = std::make_unique<Dialog>(&info, nullptr, false);
        d->show(&info, QBitArray(8), QBitArray(8), Dialog::PlotArea, 0, false);
        fieldOf(*d, Storage)->setText(QStringLiteral("60"));
    }

    // "field text partner", partner "-": refused. Text ending in "<" is typed
    // and left with Return, in ">" typed and left for the storage field: what
    // the validator lets through but cannot accept yet is refused too.
    void rateFields_data()
    {
        QTest::addColumn<QString>("edit");
        for (const char *row :
             {"0 0.1 10000", "0 2.5e1 40",   "0 0.0999 -",  "0 50.0001 -",      "1 20 50",
              "1 10000 0.1", "1 30 33.3333", "1 19.9999 -", "2 100 10",         "2 100.0001 -",
              "2 0.0999 -",  "3 10 100",     "3 10000 0.1", "3 10.0001 99.999", "3 9.5 -",
              "3 10001 -",   "0 > -",        "1 -< -",      "2 1e> -",          "3 < -"})
            QTest::newRow(row) << QString(row);
    }
    void rateFields()
    {
        QFETCH(QString, edit);
        const int field = edit.section(' ', 0, 0).toInt();
        QString text = edit.section(' ', 1, 1), partnerText = edit.section(' ', 2);
        QVERIFY(ready(field));
        QLineEdit *edited = fieldOf(*d, field), *partner = fieldOf(*d, field ^ 1);
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
            how == '<' ? QTest::keyClick(edited, Qt::Key_Return) : fieldOf(*d, Storage)->setFocus();
        }
        const bool refused = partnerText == "-";
        QCOMPARE(edited->text() + ' ' + partner->text(),
                 text + ' ' + (refused ? "777" : partnerText));
        QCOMPARE(answerer.count(), int(refused));
        if (refused) {
            QVERIFY(answerer.last().text.endsWith(kBounds[field]));
            QCOMPARE(boxOf(answerer.last()), warningBox("Warning", answerer.last().text));
            QCOMPARE(focusAfterActivation(d.get()), edited);
        }
    }

    // "first second text partner": while the first field's warning is open, a
    // refused second edit opens no box, an accepted one still rewrites its
    // partner; once it closed the next refused edit warns again.
    void oneWarningAtATime_data()
    {
        QTest::addColumn<QString>("edits");
        for (const char *row : {"0 0 70 777", "0 3 5 777", "3 2 25 40"})
            QTest::newRow(row) << QString(row);
    }
    void oneWarningAtATime()
    {
        QFETCH(QString, edits);
        const QStringList p = edits.split(' ');
        QLineEdit *first = fieldOf(*d, p[0].toInt()), *second = fieldOf(*d, p[1].toInt());
        QVERIFY(ready(p[1].toInt()));
        ModalAnswerer answerer;
        QString whileOpen;
        answerer.setWhileOpen([&](QWidget *) {
            ModalAnswerer nested; // a second box would block otherwise
            second->setText(p[2]);
            emit second->editingFinished();
            whileOpen =
                fieldOf(*d, p[1].toInt() ^ 1)->text() + ' ' + QString::number(nested.count());
        });
        for (int round = 1; round <= 2; ++round) {
            first->setText(QStringLiteral("0"));
            emit first->editingFinished();
            QCOMPARE(answerer.count(), round);
        }
        QCOMPARE(whileOpen, p[3] + " 0");
        QVERIFY(answerer.last().text.endsWith(kBounds[p[0].toInt()]));
        QCOMPARE(focusAfterActivation(d.get()), first);
    }

    // Typed under a decimal-comma locale: no decimal comma, no group
    // separators; the write-back keeps whole milliseconds.
    void decimalCommaLocale()
    {
        QVERIFY(ready());
        ModalAnswerer answerer;
        QString seen;
        for (const char *typed : {"0 2,5", "1 33.5", "2 0.3"}) {
            QLineEdit *edit = fieldOf(*d, typed[0] - '0');
            QVERIFY(focus(edit));
            edit->selectAll();
            QTest::keyClicks(edit, QLatin1String(typed + 2));
            QVERIFY(focus(fieldOf(*d, Storage))); // the user moves on
            seen += edit->text() + '|' + fieldOf(*d, (typed[0] - '0') ^ 1)->text() + ' ';
        }
        QSignalSpy applied(d.get(), &Dialog::applyPressedSignal);
        d->findChild<QPushButton *>(QStringLiteral("btnApply"))->click();
        QCOMPARE(applied.count(), 1);
        std::unique_ptr<Plot_Screen_Info> written(applied.at(0).at(0).value<Plot_Screen_Info *>());
        seen += QStringLiteral("%1 %2")
                    .arg(written->screenRefreshInterval)
                    .arg(written->dataSampleInterval);
        QCOMPARE(seen, QStringLiteral("25|40 33.5|29.8507 0.3|3333.33 34 3333"));
        QCOMPARE(answerer.count(), 0);
    }

    // A box that cannot be closed but with Ok, then exit status 4.
    void fatalSchedulerFailure()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // exit() leaves the dialog under construction undestroyed: no leak.
        const QString asan = env.value("ASAN_OPTIONS");
        env.insert("ASAN_OPTIONS", asan + (asan.isEmpty() ? "" : ":") + "detect_leaks=0");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert(kFatalChildEnv, "1");
        for (const QString failing : {"SLO", "FAS"}) {
            env.insert("XY_PLOT_MS_INTERVAL_FAIL", failing);
            QProcess child;
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), QStringList());
            QVERIFY(child.waitForFinished(120000));
            QCOMPARE(child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1, 4);
            const QByteArray out = child.readAllStandardOutput();
            QVERIFY2(out.startsWith("BOX ") && !out.contains("CONSTRUCTED"), out.constData());
            QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(out.mid(4).trimmed())),
                     warningBox("Fatal Error", "The " + failing
                                                   + " master scheduler interval was unable to "
                                                     "be retrieved - Exiting\n"));
        }
    }

    // Graph 1 covers 30 s, graph 2 3 min; the X axis tables "0 10", "1 21", ...,
    // and graph 3 none.
    void xRange()
    {
        Plot_Screen_Info converted;
        converted.plotAxisInfo.resize(2);
        converted.plotAxisInfo[1].xAxis.rangeMax = 180.0;
        converted.plotAxisInfo[1].xAxis.rangeUnits = 1; // minutes
        QString seen;
        for (int g = -1; g <= 2; ++g)
            seen += QString::number(d->convertXRangeToUnits(&converted, g))
                    + QString::number(d->convertXRangeToUnits(nullptr, g)) + ' ';
        for (int g = 0; g < 8; ++g) {
            auto *cell = qobject_cast<LineEdit_LineEditWidget *>(
                d->findChild<Spreadsheet *>(QStringLiteral("graph%1XAxisSpreadsheet").arg(g + 1))
                    ->cellWidget(0, 1));
            QVERIFY(cell);
            cell->setLineEditText(0, QString::number(g));
            cell->setLineEditText(1, QString::number(11 * g + 10));
        }
        d->findChild<Spreadsheet *>("graph3XAxisSpreadsheet")->removeCellWidget(0, 1);
        for (int g = -1; g <= 8; ++g)
            seen += QString::number(d->convertXRangeToSeconds(g)) + ' ';
        QCOMPARE(seen, QStringLiteral("00 300 30 00 0 10 20 0 40 50 60 70 80 0 "));
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

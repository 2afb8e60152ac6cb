// Rate and interval fields, the fatal exit when a master scheduler interval
// is missing at start-up, and the X range conversions.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/modal_answerer.h"

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <cstdio>
#include <memory>

using Dialog = XY_Plot_Config_Dialog;

namespace {

const char kFatalChildEnv[] = "XY_RATES_TEST_FATAL_CHILD";

// "title|text|flags|buttons|has parent" of a box seen, and of an Ok box
// without close box or parent.
QString boxOf(const ModalAnswerer::Seen &s)
{
    return s.title + '|' + s.text
           + QStringLiteral("|%1|%2|%3").arg(int(s.flags)).arg(int(s.buttons)).arg(s.hasParent);
}

QString warningBox(const QString &title, const QString &text)
{
    const auto noCloseBox = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    return title + '|' + text
           + QStringLiteral("|%1|%2|0").arg(int(noCloseBox)).arg(int(QMessageBox::Ok));
}

// Child process: builds a dialog while the host environment fails one
// interval; prints the box that opened, if any.
int runFatalChild()
{
    ModalAnswerer answerer;
    Plot_Screen_Info info;
    info.numPlots = 1;
    info.plotAxisInfo.resize(1);
    answerer.setWhileOpen([&answerer](QWidget *) {
        std::printf("BOX %s\n", boxOf(answerer.last()).toUtf8().toBase64().constData());
        std::fflush(stdout);
    });
    delete new Dialog(&info, nullptr, false);
    std::printf("CONSTRUCTED\n");
    return 0;
}

// Field numbers: a rate and its interval are neighbours (field ^ 1), 4 is
// the storage.
enum RateField { RefreshRate, RefreshInterval, SampleRate, SampleInterval, Storage };

QLineEdit *fieldOf(QWidget &d, int field)
{
    const char *const names[] = {"lineEditScreenRefreshRate", "lineEditScreenRefreshInterval",
                                 "lineEditDataSampleRate", "lineEditDataSampleInterval",
                                 "lineEditDataStorage"};
    return d.findChild<QLineEdit *>(QLatin1String(names[field]));
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
    return warningBox("Warning", warnings[field]);
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

    // The shared dialog active, every rate field in range, the focus in the
    // storage field and then the partner of field showing "777".
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
        QLocale::setDefault(QLocale("de_DE")); // the rate fields read numbers the C way
        info.numPlots = 2;
        info.plotAxisInfo.resize(2);
        d = std::make_unique<Dialog>(&info, nullptr, false);
        d->show(&info, QBitArray(8), QBitArray(8), Dialog::PlotArea, 0, false);
        fieldOf(*d, Storage)->setText(QStringLiteral("60"));
    }
    void cleanupTestCase()
    {
        d.reset();
        QLocale::setDefault(QLocale::c());
    }

    // "field text partner": the partner's text after the edit, "-" when the
    // value is refused. Text ending in "<" is typed and left with Return, in
    // ">" typed and left for the storage field: what the validator lets
    // through but cannot accept yet is refused like any other value.
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
            if (how == '<')
                QTest::keyClick(edited, Qt::Key_Return);
            else
                fieldOf(*d, Storage)->setFocus();
        }
        const bool refused = partnerText == "-";
        QCOMPARE(edited->text(), text);
        QCOMPARE(partner->text(), refused ? QStringLiteral("777") : partnerText);
        QCOMPARE(answerer.count(), int(refused));
        if (refused) {
            QCOMPARE(boxOf(answerer.last()), warningOf(field));
            QCOMPARE(focusAfterActivation(d.get()), edited);
        }
    }

    // "first second partner": while the warning about the first field is
    // open, a refused edit of the second opens no box of its own, an accepted
    // one still rewrites its partner; once it closed the next refused edit
    // warns again.
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
        int nestedBoxes = -1;
        QString partnerWhileOpen;
        answerer.setWhileOpen([&](QWidget *) {
            ModalAnswerer nested; // answers a second box, which would block otherwise
            second->setText(p[2]);
            emit second->editingFinished();
            partnerWhileOpen = fieldOf(*d, p[1].toInt() ^ 1)->text();
            nestedBoxes = nested.count();
        });
        for (int round = 1; round <= 2; ++round) {
            first->setText(QStringLiteral("0"));
            emit first->editingFinished();
            QCOMPARE(answerer.count(), round);
        }
        QCOMPARE(nestedBoxes, 0);
        QCOMPARE(boxOf(answerer.last()), warningOf(p[0].toInt()));
        QCOMPARE(partnerWhileOpen, p[3]);
        QCOMPARE(focusAfterActivation(d.get()), first);
    }

    // Under a decimal-comma locale a number is still read with a decimal
    // point, without group separators: what the field lets the user type is
    // what the partner and the write-back (whole milliseconds) use.
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
        seen += QString::number(written->screenRefreshInterval) + ' '
                + QString::number(written->dataSampleInterval);
        QCOMPARE(seen, QStringLiteral("25|40 33.5|29.8507 0.3|3333.33 34 3333"));
        QCOMPARE(answerer.count(), 0);
    }

    // The one fatal path, in a child process: a box that cannot be closed
    // but with Ok, then exit status 4.
    void fatalSchedulerFailure()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // exit() leaves the application and the dialog under construction on
        // the stack undestroyed; what they hold then is no leak.
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
            QVERIFY2(!out.contains("CONSTRUCTED") && out.count("BOX ") == 1, out.constData());
            QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(out.mid(4).trimmed())),
                     warningBox("Fatal Error", "The " + failing
                                                   + " master scheduler interval was unable to "
                                                     "be retrieved - Exiting\n"));
        }
    }

    // Each graph its own range and unit, so reading a wrong graph shows.
    void xRange()
    {
        Plot_Screen_Info converted;
        converted.plotAxisInfo.resize(2);
        Single_Axis_Info &first = converted.plotAxisInfo[0].xAxis,
                         &second = converted.plotAxisInfo[1].xAxis;
        first.rangeMin = -30.0;
        first.rangeMax = 30.0;
        second.rangeMax = 180.0;
        second.rangeUnits = 1; // minutes
        QString seen;
        for (int graph = -1; graph <= 2; ++graph)
            seen += QString::number(d->convertXRangeToUnits(&converted, graph)) + ' '
                    + QString::number(d->convertXRangeToUnits(nullptr, graph)) + ' ';
        QCOMPARE(seen, QStringLiteral("0 0 60 0 3 0 0 0 "));
        // The X axis tables give graph 1 "0 10", graph 2 "1 21", ...; a graph
        // without its range cell reads as 0.
        Dialog local(&info, nullptr, false), plugin(&info, nullptr, true);
        seen.clear();
        for (Dialog *dialog : {&local, &plugin}) {
            for (int g = 0; g < 8; ++g) {
                auto *table =
                    dialog->findChild<Spreadsheet *>(QString("graph%1XAxisSpreadsheet").arg(g + 1));
                auto *cell = qobject_cast<LineEdit_LineEditWidget *>(table->cellWidget(0, 1));
                QVERIFY(cell);
                cell->setLineEditText(0, QString::number(g));
                cell->setLineEditText(1, QString::number(11 * g + 10));
            }
            for (int g = -1; g <= 8; ++g)
                seen += QString::number(dialog->convertXRangeToSeconds(g)) + ' ';
        }
        QCOMPARE(seen, QStringLiteral("0 10 20 30 40 50 60 70 80 0 0 10 0 0 0 0 0 0 0 0 "));
        local.findChild<Spreadsheet *>("graph1XAxisSpreadsheet")->removeCellWidget(0, 1);
        QCOMPARE(local.convertXRangeToSeconds(0), 0.0);
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

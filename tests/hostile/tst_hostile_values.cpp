// Hostile text in every numeric field of the dialog: what editing does
// (warning or partner field), what validation says and what the write-back
// stores, with every other field left as it was.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/dialog_access.h"
#include "support/modal_answerer.h"

using A = XY_Plot_Config_Dialog_TestAccess;

namespace {

const int Graphs = 2;
const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

QStringList catalogue()
{
    return {QStringLiteral("AIR"), QStringLiteral("OIL"), QStringLiteral("TEMP")};
}

// Two graphs that pass every check: one complete variable row each, fixed
// Y ranges, 30 s of storage at 50 Hz, refresh every 100 ms.
std::unique_ptr<Plot_Screen_Info> validDescription()
{
    std::unique_ptr<Plot_Screen_Info> info(new Plot_Screen_Info);
    info->numPlots = Graphs;
    info->plotAxisInfo.resize(Graphs);
    info->screenRefreshInterval = 100;
    info->dataSampleInterval = 20;
    info->dataStorage = 30;
    info->dataUnits = UnitSeconds;
    for (Plot_Axis_Info &record : info->plotAxisInfo) {
        record.numVarChannels = 1;
        record.varChannels[0].xVarName = QStringLiteral("AIR");
        record.varChannels[0].yVarName = QStringLiteral("OIL");
        record.leftYAxis.autoRange = false;
        record.rightYAxis.autoRange = false;
        record.xAxis.autoRange = false;
    }
    return info;
}

// Where a hostile text goes. Cells are in graph 2 (slot 1), so that graph 1
// shows that nothing else moved.
enum Field {
    RefreshRate,
    RefreshInterval,
    SampleRate,
    SampleInterval,
    Storage,
    YRangeMin,
    YRangeMax,
    YMajorTicks,
    YMinorTicks,
    XRangeMin,
    XRangeMax,
    XMajorTicks,
    XMinorTicks,
    FieldCount
};

const char *const FieldNames[FieldCount] = {"refresh rate",    "refresh interval", "sample rate",
                                            "sample interval", "storage",          "Y range min",
                                            "Y range max",     "Y major ticks",    "Y minor ticks",
                                            "X range min",     "X range max",      "X major ticks",
                                            "X minor ticks"};

const int Slot = 1;

QLineEdit *lineEditOf(XY_Plot_Config_Dialog &d, Field field)
{
    Ui_Plot_Config_Dialog *ui = A::ui(d);
    switch (field) {
    case RefreshRate:
        return ui->lineEditScreenRefreshRate;
    case RefreshInterval:
        return ui->lineEditScreenRefreshInterval;
    case SampleRate:
        return ui->lineEditDataSampleRate;
    case SampleInterval:
        return ui->lineEditDataSampleInterval;
    case Storage:
        return ui->lineEditDataStorage;
    default:
        break;
    }
    const bool yAxis = field <= YMinorTicks;
    Spreadsheet *table = yAxis ? A::yAxes(d).at(Slot) : A::xAxis(d).at(Slot);
    const int offset = yAxis ? field - YRangeMin : field - XRangeMin;
    const int column = (yAxis ? 3 : 1) + offset / 2;
    auto *pair = qobject_cast<LineEdit_LineEditWidget *>(table->cellWidget(0, column));
    return pair ? pair->lineEdit(offset % 2) : nullptr;
}

// Every numeric field of both graphs, by a stable name: Y rows 0 and 1 and
// the X row, each with its range and tick pairs.
QMap<QString, QLineEdit *> allNumericFields(XY_Plot_Config_Dialog &d)
{
    QMap<QString, QLineEdit *> fields;
    for (int f = RefreshRate; f <= Storage; ++f)
        fields.insert(QLatin1String(FieldNames[f]), lineEditOf(d, Field(f)));
    for (int g = 0; g < Graphs; ++g)
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 2; ++column) {
                Spreadsheet *table = row < 2 ? A::yAxes(d).at(g) : A::xAxis(d).at(g);
                auto *pair = qobject_cast<LineEdit_LineEditWidget *>(
                    table->cellWidget(row % 2, (row < 2 ? 3 : 1) + column));
                for (int f = 0; pair && f < 2; ++f)
                    fields.insert(QStringLiteral("graph %1 row %2 column %3 field %4")
                                      .arg(g)
                                      .arg(row)
                                      .arg(column)
                                      .arg(f),
                                  pair->lineEdit(f));
            }
    return fields;
}

QMap<QString, QString> textsOf(const QMap<QString, QLineEdit *> &fields)
{
    QMap<QString, QString> texts;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        texts.insert(it.key(), it.value()->text());
    return texts;
}

bool sameDouble(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

// A stored number as the tables below spell it.
QString numberText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    if (value == 0 && std::signbit(value))
        return QStringLiteral("-0");
    return QString::number(value, 'g', 17);
}

QString tenThousand(QChar c)
{
    return QString(10000, c);
}

} // namespace

class tst_HostileValues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ZelVariable::setAvailableVariables(catalogue());
        m_answerer = new ModalAnswerer(this);
        m_info = validDescription();
        m_dialog.reset(new XY_Plot_Config_Dialog(m_info.get(), nullptr, false));
    }

    void init()
    {
        // Every case starts from the valid description, freshly loaded.
        m_dialog->show(m_info.get(), QBitArray(8), QBitArray(8), XY_Plot_Config_Dialog::PlotArea, 0);
        m_answerer->clear();
        QVERIFY(A::checkIfDataIsValid(*m_dialog));
        QCOMPARE(m_answerer->count(), 0);
    }

    // Editing one of the four rate fields: a value outside its range (and text
    // that gives no number) is refused with the field's warning and leaves the
    // partner alone; a value in range rewrites the partner.
    void rateFieldEditing_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning"); // first line; empty: accepted
        QTest::addColumn<QString>("partner"); // partner text after the edit
        // The interval of the edited pair as written back: whole milliseconds of
        // the interval text, 0 for text that gives none.
        QTest::addColumn<qulonglong>("interval");
        const QStringList warnings = {
            QStringLiteral("Please reenter the Screen Refresh Rate."),
            QStringLiteral("Please reenter the Screen Refresh Rate Interval."),
            QStringLiteral("Please reenter the Data Sample Rate."),
            QStringLiteral("Please reenter the Data Sample Interval."),
        };
        // Partners as loaded from the valid description.
        const QStringList partners = {QStringLiteral("100"), QStringLiteral("10"),
                                      QStringLiteral("20"), QStringLiteral("50")};
        // No number, or a number outside every one of the four ranges.
        const QStringList refused = {QString(),
                                     QStringLiteral(" "),
                                     QStringLiteral("nan"),
                                     QStringLiteral("inf"),
                                     QStringLiteral("-inf"),
                                     QStringLiteral("1e309"),
                                     QStringLiteral("-1e309"),
                                     QStringLiteral("-0"),
                                     QStringLiteral("0"),
                                     QStringLiteral("-1"),
                                     QStringLiteral("4294967296"),
                                     QStringLiteral("1e-320"),
                                     QStringLiteral("0x10"),
                                     QStringLiteral("1,5"),
                                     tenThousand(QLatin1Char('9')),
                                     tenThousand(QLatin1Char('x')),
                                     QStringLiteral("\u00d6l \u6e29\u5ea6"),
                                     QStringLiteral("\t\x01\x1b"),
                                     QString(QChar(0)) + QStringLiteral("25")};
        for (int f = RefreshRate; f <= SampleInterval; ++f) {
            for (const QString &text : refused) {
                const qulonglong interval = f == RefreshRate                      ? 100
                                            : f == SampleRate                     ? 20
                                            : text == QLatin1String("4294967296") ? 4294967296ull
                                                                                  : 0;
                QTest::addRow("%s: \"%s\"", FieldNames[f], qPrintable(text.left(12)))
                    << f << text << warnings.at(f) << partners.at(f) << interval;
            }
        }
        // Blanks around a number in range are accepted; the partner shows six
        // significant digits.
        auto row = [](const char *name, Field f, const char *text, const QString &warning,
                      const char *partner, qulonglong interval) {
            QTest::newRow(name) << int(f) << QString::fromLatin1(text) << warning
                                << QString::fromLatin1(partner) << interval;
        };
        row("refresh rate: \" 30 \"", RefreshRate, " 30 ", QString(), "33.3333", 33);
        row("refresh rate: 50", RefreshRate, "50", QString(), "20", 20);
        row("refresh rate: 50.0001", RefreshRate, "50.0001", warnings.at(0), "100", 100);
        row("refresh interval: 3e3", RefreshInterval, "3e3", QString(), "0.333333", 3000);
        row("refresh interval: 10000.0001", RefreshInterval, "10000.0001", warnings.at(1), "10",
            10000);
        row("sample rate: 1e2", SampleRate, "1e2", QString(), "10", 10);
        row("sample rate: 0.1", SampleRate, "0.1", QString(), "10000", 10000);
        row("sample interval: 9.999", SampleInterval, "9.999", warnings.at(3), "50", 10);
        row("sample interval: +10", SampleInterval, "+10", QString(), "100", 10);
    }
    void rateFieldEditing()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        QFETCH(qulonglong, interval);
        XY_Plot_Config_Dialog &d = *m_dialog;
        const Field partnerField = Field(field ^ 1); // rate <-> interval
        QLineEdit *edit = lineEditOf(d, Field(field));
        const QMap<QString, QLineEdit *> fields = allNumericFields(d);
        const QMap<QString, QString> before = textsOf(fields);
        edit->setText(text);
        emit edit->editingFinished();
        QCOMPARE(m_answerer->count(), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty()) {
            QCOMPARE(m_answerer->last().text.section(QLatin1Char('\n'), 0, 0),
                     warning); // enough to tell the rules apart
            QCOMPARE(m_answerer->last().title, QStringLiteral("Warning"));
        }
        QVERIFY(!A::rateWarningShowing(d));
        // The refused text stays for the user to correct.
        QCOMPARE(edit->text(), text);
        QTEST(lineEditOf(d, partnerField)->text(), "partner");
        // No other field moved.
        QMap<QString, QString> after = textsOf(fields), expected = before;
        for (const char *name : {FieldNames[field], FieldNames[partnerField]}) {
            after.remove(QLatin1String(name));
            expected.remove(QLatin1String(name));
        }
        QCOMPARE(after, expected);

        // Apply does not look at the rate fields again: the write-back turns the
        // interval text into whole milliseconds, 0 for text that gives none.
        m_answerer->clear();
        if (!A::checkIfDataIsValid(d)) {
            // Only the sample rate takes part in a check: it bounds the storage.
            QCOMPARE(field, int(SampleRate));
            QCOMPARE(m_answerer->count(), 1);
            QVERIFY2(m_answerer->last().text.contains(QLatin1String("must be between 30 and")),
                     qPrintable(m_answerer->last().text));
            return;
        }
        A::writeScreenInfoToDataStructure(d);
        const Plot_Screen_Info *written = A::psi(d);
        QVERIFY(written);
        QCOMPARE(qulonglong(field <= RefreshInterval ? written->screenRefreshInterval
                                                     : written->dataSampleInterval),
                 interval);
        // The untouched pair keeps what was loaded.
        if (field <= RefreshInterval)
            QCOMPARE(written->dataSampleInterval, 20ul);
        else
            QCOMPARE(written->screenRefreshInterval, 100ul);
    }

    // The storage period through validation and write-back, at 50 Hz.
    void storageValidation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("message"); // empty: passes
        QTest::addColumn<qulonglong>("stored");
        const QString tooShort =
            QStringLiteral("The Data Storage value must be 30 seconds or more.");
        const QString tooLong =
            QStringLiteral("The Data Storage value must be between 30 and 7200 seconds.");
        QTest::newRow("empty") << QString() << 0 << tooShort << 0ull;
        QTest::newRow("-0") << QStringLiteral("-0") << 0 << tooShort << 0ull;
        QTest::newRow("29.999") << QStringLiteral("29.999") << 0 << tooShort << 0ull;
        QTest::newRow("30") << QStringLiteral("30") << 0 << QString() << 30ull;
        QTest::newRow("30.4 rounds") << QStringLiteral("30.4") << 0 << QString() << 30ull;
        QTest::newRow("30.5 rounds up") << QStringLiteral("30.5") << 0 << QString() << 31ull;
        QTest::newRow("7200") << QStringLiteral("7200") << 0 << QString() << 7200ull;
        QTest::newRow("7200.001") << QStringLiteral("7200.001") << 0 << tooLong << 0ull;
        QTest::newRow("4294967296") << QStringLiteral("4294967296") << 0 << tooLong << 0ull;
        QTest::newRow("1e309") << QStringLiteral("1e309") << 0 << tooLong << 0ull;
        QTest::newRow("inf") << QStringLiteral("inf") << 0 << tooLong << 0ull;
        QTest::newRow("10000 nines") << tenThousand(QLatin1Char('9')) << 0 << tooLong << 0ull;
        QTest::newRow("10000 letters") << tenThousand(QLatin1Char('x')) << 0 << tooShort << 0ull;
        QTest::newRow("unicode") << QStringLiteral("\u0663\u0660") << 0 << tooShort << 0ull;
        // NaN fails no comparison: it passes both bounds and is stored as 0. A
        // user cannot type it (the field's validator keeps letters out).
        QTest::newRow("nan") << QStringLiteral("nan") << 0 << QString() << 0ull;
        // Bounds hold for the period in seconds.
        QTest::newRow("1 minute") << QStringLiteral("1") << 1 << QString() << 60ull;
        QTest::newRow("0.4 minutes") << QStringLiteral("0.4") << 1 << tooShort << 0ull;
        QTest::newRow("2 hours") << QStringLiteral("2") << 2 << QString() << 7200ull;
        QTest::newRow("2.5 hours") << QStringLiteral("2.5") << 2 << tooLong << 0ull;
    }
    void storageValidation()
    {
        QFETCH(QString, text);
        QFETCH(int, unit);
        QFETCH(QString, message);
        XY_Plot_Config_Dialog &d = *m_dialog;
        const QMap<QString, QLineEdit *> fields = allNumericFields(d);
        QMap<QString, QString> expected = textsOf(fields);
        A::ui(d)->cmbDataStorageUnits->setCurrentIndex(unit);
        A::ui(d)->lineEditDataStorage->setText(text);
        expected[QStringLiteral("storage")] = text;
        const bool valid = A::checkIfDataIsValid(d);
        QCOMPARE(valid, message.isEmpty());
        if (!valid) {
            QCOMPARE(m_answerer->count(), 1);
            QCOMPARE(m_answerer->last().text.section(QLatin1Char('\n'), 2), message);
        }
        // A refusal keeps every edit, the storage text included.
        QCOMPARE(textsOf(fields), expected);
        if (!valid)
            return;
        A::writeScreenInfoToDataStructure(d);
        QTEST(qulonglong(A::psi(d)->dataStorage), "stored");
        QCOMPARE(int(A::psi(d)->dataUnits), unit);
        QVERIFY(A::psi(d)->consistencyErrors().isEmpty());
    }

    // Axis range and tick fields of graph 2: validation (Y axes only) and the
    // stored value. Each text states what it becomes as a range and as a tick
    // count, and the verdict of the major and minor tick checks.
    void axisFields_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("verdict");    // title of the refusal; empty: passes
        QTest::addColumn<QString>("stored");     // numberText of the stored member
        QTest::addColumn<QString>("fieldAfter"); // text the field shows after validation
        struct Row
        {
            const char *name;
            QString text;
            const char *range; // stored range value
            const char *ticks; // stored tick count
            const char *major; // "" passes, "low", "high"
            const char *minor; // "" passes, "low", "high"
        };
        const Row rows[] = {
            {"empty", QString(), "0", "0", "", ""},
            {"blank", QStringLiteral(" "), "0", "0", "low", ""},
            {"nan", QStringLiteral("nan"), "nan", "0", "low", ""},
            {"inf", QStringLiteral("inf"), "inf", "0", "low", ""},
            {"1e309", QStringLiteral("1e309"), "inf", "0", "low", ""},
            {"-0", QStringLiteral("-0"), "-0", "0", "low", ""},
            {"0", QStringLiteral("0"), "0", "0", "low", ""},
            {"-1", QStringLiteral("-1"), "-1", "0", "low", "low"},
            {"10", QStringLiteral("10"), "10", "10", "", ""},
            {"11", QStringLiteral("11"), "11", "10", "high", "high"},
            {"4294967296", QStringLiteral("4294967296"), "4294967296", "0", "low", ""},
            {"2147483648", QStringLiteral("2147483648"), "2147483648", "10", "low", ""},
            {" 7 ", QStringLiteral(" 7 "), "7", "7", "", ""},
            {"1,5", QStringLiteral("1,5"), "0", "0", "low", ""},
            {"1e-320", QStringLiteral("1e-320"), "9.9998886718268301e-321", "0", "low", ""},
            {"10000 nines", tenThousand(QLatin1Char('9')), "inf", "0", "low", ""},
            {"10000 letters", tenThousand(QLatin1Char('x')), "0", "0", "low", ""},
            {"unicode", QStringLiteral("\u00d6l \u6e29\u5ea6"), "0", "0", "low", ""},
        };
        const QString lowMajor = QStringLiteral("Invalid Number for Y Major Ticks");
        const QString lowMinor = QStringLiteral("Invalid Number for Y Minor Ticks");
        for (int f = YRangeMin; f <= XMinorTicks; ++f) {
            const bool ticks =
                f == YMajorTicks || f == YMinorTicks || f == XMajorTicks || f == XMinorTicks;
            for (const Row &row : rows) {
                QString verdict;
                QString after = row.text;
                if (f == YMajorTicks && *row.major) {
                    verdict = lowMajor;
                    if (QLatin1String(row.major) == QLatin1String("high"))
                        after = QStringLiteral("10");
                } else if (f == YMinorTicks && *row.minor) {
                    verdict = lowMinor;
                    if (QLatin1String(row.minor) == QLatin1String("high"))
                        after = QStringLiteral("10");
                } else if ((f == YRangeMin || f == YRangeMax) && row.text.isEmpty()) {
                    verdict = QStringLiteral("Missing Range Min or Max Values");
                }
                QTest::addRow("%s: %s", FieldNames[f], row.name)
                    << f << row.text << verdict
                    << QString::fromLatin1(ticks ? row.ticks : row.range) << after;
            }
        }
    }
    void axisFields()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, verdict);
        QFETCH(QString, fieldAfter);
        XY_Plot_Config_Dialog &d = *m_dialog;
        const QMap<QString, QLineEdit *> fields = allNumericFields(d);
        QLineEdit *edit = lineEditOf(d, Field(field));
        QVERIFY(edit);
        const QString key = fields.key(edit);
        QVERIFY(!key.isEmpty());
        QMap<QString, QString> expected = textsOf(fields);
        edit->setText(text);
        emit edit->editingFinished();
        expected[key] = fieldAfter;
        const bool valid = A::checkIfDataIsValid(d);
        QCOMPARE(valid, verdict.isEmpty());
        QCOMPARE(m_answerer->count(), valid ? 0 : 1);
        if (!valid)
            QCOMPARE(m_answerer->last().title, verdict);
        QCOMPARE(textsOf(fields), expected);

        // The write-back stores what the field holds now.
        edit->setText(text);
        A::writeScreenInfoToDataStructure(d);
        const Plot_Screen_Info *written = A::psi(d);
        QCOMPARE(written->plotAxisInfo.size(), Graphs);
        const bool yAxis = field <= YMinorTicks;
        const Single_Axis_Info &axis =
            yAxis ? written->plotAxisInfo.at(Slot).leftYAxis : written->plotAxisInfo.at(Slot).xAxis;
        const int offset = yAxis ? field - YRangeMin : field - XRangeMin;
        double value = 0;
        switch (offset) {
        case 0:
            value = axis.rangeMin;
            break;
        case 1:
            value = axis.rangeMax;
            break;
        case 2:
            value = double(axis.numMajorTicks);
            break;
        default:
            value = double(axis.numMinorTicks);
            break;
        }
        QTEST(numberText(value), "stored");

        // The other graph and the other members are what was loaded.
        const Plot_Axis_Info &loaded = m_info->plotAxisInfo.at(Slot);
        const Single_Axis_Info &loadedAxis = yAxis ? loaded.leftYAxis : loaded.xAxis;
        QVERIFY(offset == 0 || sameDouble(axis.rangeMin, loadedAxis.rangeMin));
        QVERIFY(offset == 1 || sameDouble(axis.rangeMax, loadedAxis.rangeMax));
        QVERIFY(offset == 2 || axis.numMajorTicks == loadedAxis.numMajorTicks);
        QVERIFY(offset == 3 || axis.numMinorTicks == loadedAxis.numMinorTicks);
        const Plot_Axis_Info &first = written->plotAxisInfo.at(0),
                             &firstLoaded = m_info->plotAxisInfo.at(0);
        QCOMPARE(first.leftYAxis.rangeMin, firstLoaded.leftYAxis.rangeMin);
        QCOMPARE(first.leftYAxis.numMajorTicks, firstLoaded.leftYAxis.numMajorTicks);
        QCOMPARE(first.xAxis.rangeMax, firstLoaded.xAxis.rangeMax);
        QCOMPARE(written->screenRefreshInterval, 100ul);
        QCOMPARE(written->dataSampleInterval, 20ul);
        QCOMPARE(written->dataStorage, 30ul);

        // Only a non-finite range is something the plot engine refuses.
        const QStringList errors = written->consistencyErrors();
        if (std::isfinite(value))
            QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
        else
            QCOMPARE(errors.size(), 1);
    }

    // Keys typed into the spin boxes: the comet length and three line widths.
    // The box keeps only what its range allows; the write-back stores its value.
    void spinBoxes_data()
    {
        QTest::addColumn<int>(
            "spin"); // 0 comet, 1 Y grid width, 2 X grid width, 3 variable line width
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("value"); // -1: unchanged
        const char *const names[] = {"comet length", "Y grid width", "X grid width", "line width"};
        for (int s = 0; s < 4; ++s) {
            QTest::addRow("%s: 7", names[s]) << s << QStringLiteral("7") << 7;
            QTest::addRow("%s: letters", names[s]) << s << QStringLiteral("nan") << -1;
            QTest::addRow("%s: empty", names[s]) << s << QString() << -1;
            QTest::addRow("%s: minus", names[s]) << s << QStringLiteral("-") << -1;
            // The minus is refused (no negative values), the digit is taken.
            QTest::addRow("%s: -0", names[s]) << s << QStringLiteral("-0") << 0;
            // "1", then "13"; "130" and "139" are above every maximum.
            QTest::addRow("%s: 1e309", names[s]) << s << QStringLiteral("1e309") << 13;
        }
        // Digits beyond the maximum are not taken: 99 for the comet length, 50
        // for the widths.
        QTest::newRow("comet length: 4294967296") << 0 << QStringLiteral("4294967296") << 42;
        QTest::newRow("comet length: 99") << 0 << QStringLiteral("99") << 99;
        QTest::newRow("comet length: 100") << 0 << QStringLiteral("100") << 10;
        QTest::newRow("line width: 51") << 3 << QStringLiteral("51") << 5;
        QTest::newRow("line width: 50") << 3 << QStringLiteral("50") << 50;
    }
    void spinBoxes()
    {
        QFETCH(int, spin);
        QFETCH(QString, keys);
        QFETCH(int, value);
        XY_Plot_Config_Dialog &d = *m_dialog;
        auto styleSpin = [&d](Spreadsheet *table, int row, int column) -> QSpinBox * {
            auto *cell = qobject_cast<Combo_SpinBoxWidget *>(table->cellWidget(row, column));
            return cell ? cell->spinBox() : nullptr;
        };
        // A comet length only applies to a comet.
        A::displayTypeCombos(d).at(Slot)->setCurrentIndex(DisplayComet);
        QSpinBox *box = nullptr;
        switch (spin) {
        case 0:
            box = A::cometLengthSpins(d).at(Slot);
            break;
        case 1:
            box = styleSpin(A::yAxes(d).at(Slot), 0, 7);
            break;
        case 2:
            box = styleSpin(A::xAxis(d).at(Slot), 0, 6);
            break;
        default:
            box = styleSpin(A::xyVar(d).at(Slot), 0, 4);
            break;
        }
        QVERIFY(box);
        QVERIFY(box->isEnabled());
        const QMap<QString, QLineEdit *> fields = allNumericFields(d);
        const QMap<QString, QString> before = textsOf(fields);
        const int old = box->value();
        box->selectAll();
        QTest::keyClicks(box, keys);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->value(), value < 0 ? old : value);
        QCOMPARE(textsOf(fields), before);
        QVERIFY(A::checkIfDataIsValid(d));
        A::writeScreenInfoToDataStructure(d);
        const Plot_Axis_Info &record = A::psi(d)->plotAxisInfo.at(Slot);
        const qint64 stored[] = {record.cometLength, record.leftYAxis.gridLineWidth,
                                 record.xAxis.gridLineWidth, record.varChannels[0].lineWidth};
        QCOMPARE(stored[spin], qint64(box->value()));
        QVERIFY(A::psi(d)->consistencyErrors().isEmpty());
    }

private:
    std::unique_ptr<Plot_Screen_Info> m_info;
    std::unique_ptr<XY_Plot_Config_Dialog> m_dialog;
    ModalAnswerer *m_answerer = nullptr;
};

QTEST_MAIN(tst_HostileValues)
#include "tst_hostile_values.moc"

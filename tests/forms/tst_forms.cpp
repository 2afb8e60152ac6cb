// The generated dialog form, set up on a plain widget: each graph page's
// tables carry their kind and graph number, its two switches are separate
// groups, and setupUi tells each table its kind between its size and its
// graph number.
#include <QDialog>
#include <QtTest>

#include <interfaces/spreadsheet.h>

#include "ui_xy_plot_config_dialog.h"
#include "ui_xy_plot_config_tab.h" // generated for tableSetupOrder

class tst_Forms : public QObject
{
    Q_OBJECT

private slots:
    void graphPages()
    {
        QDialog dialog;
        Ui_Plot_Config_Dialog ui;
        ui.setupUi(&dialog);
        const auto find = [&](const char *pattern, int n) {
            return dialog.findChild<QWidget *>(QString::fromLatin1(pattern).arg(n));
        };
        const QStringList tables{"plot%1XYVarSpreadsheet:10", "plot%1XYOverlaySpreadsheet:11",
                                 "graph%1YAxesSpreadsheet:2", "graph%1XAxisSpreadsheet:12"};
        for (int n = 1; n <= 8; ++n) {
            for (const QString &entry : tables) {
                QWidget *t = find(qPrintable(entry.section(':', 0, 0)), n);
                QVERIFY2(t, qPrintable(entry));
                QCOMPARE(t->property("spreadsheetKind").toString(), entry.section(':', 1));
                QCOMPARE(t->property("graphNumber").toInt(), n);
            }
            const auto group = [&](const char *p) { return find(p, n)->parent(); };
            QVERIFY(group("radDatapointShowPlot%1") == group("radDatapointHidePlot%1"));
            QVERIFY(group("radXYValuesShowPlot%1") == group("radXYValuesHidePlot%1"));
            QVERIFY(group("radXYValuesShowPlot%1") != group("radDatapointShowPlot%1"));
        }
    }

    // The kind decides the cells of the rows already there, the graph number
    // the channels they offer: setupUi sizes a table (C)olumns, (R)ows, then
    // sets its (S)preadsheet kind, then its (G)raph number.
    void tableSetupOrder_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("tables");
        QTest::newRow("dialog") << "ui_xy_plot_config_dialog.h" << 34;
        QTest::newRow("tab") << "ui_xy_plot_config_tab.h" << 2;
    }
    void tableSetupOrder()
    {
        QFETCH(QString, header);
        QFile file(QStringLiteral(XY_FORMS_UI_HEADER_DIR "/") + header);
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        QMap<QString, QString> steps;
        const QRegularExpression call(
            R"(^\s*(\w+)->set(Column|Row|Spreadsheet|Graph)(Count|Kind|Number)\()");
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch m = call.match(line);
            if (m.hasMatch())
                steps[m.captured(1)] += m.captured(2).at(0);
        }
        int tables = 0;
        for (auto it = steps.cbegin(); it != steps.cend(); ++it) {
            if (!it.value().contains(QLatin1Char('S')))
                continue; // a plain item view
            ++tables;
            QVERIFY2(QRegularExpression("^CR?SG?$").match(it.value()).hasMatch(),
                     qPrintable(it.key() + ": " + it.value()));
        }
        QTEST(tables, "tables");
    }
};

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"

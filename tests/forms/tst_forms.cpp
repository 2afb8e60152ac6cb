// The generated forms: setupUi tells each table its kind between its size
// and its graph number.
#include <QtTest>

#include "ui_xy_plot_config_dialog.h"
#include "ui_xy_plot_config_tab.h" // generated for tableSetupOrder

class tst_Forms : public QObject
{
    Q_OBJECT

private slots:
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

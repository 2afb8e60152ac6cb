// setupUi sizes each table, (C)olumns then (R)ows, before it sets its
// (S)preadsheet kind and then its (G)raph number: the kind decides the cells
// of the rows already there, the graph number the channels they offer.
#include <QtTest>

#include "ui_xy_plot_config_dialog.h"
#include "ui_xy_plot_config_tab.h" // generated for tableSetupOrder

class tst_Forms : public QObject
{
    Q_OBJECT

private slots:
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
            R"((?m)^\s*(\w+)->set(Column|Row|Spreadsheet|Graph)(Count|Kind|Number)\()");
        for (auto calls = call.globalMatch(QString::fromUtf8(file.readAll())); calls.hasNext();) {
            const QRegularExpressionMatch m = calls.next();
            steps[m.captured(1)] += m.captured(2).at(0);
        }
        const QStringList tables = QStringList(steps.values()).filter("S"); // not plain views
        QCOMPARE(tables.filter(QRegularExpression("^CR?SG?$")), tables);
        QTEST(int(tables.size()), "tables");
    }
};

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"

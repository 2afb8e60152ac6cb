// The generated dialog form, set up on a plain widget: the objects the
// dialog reaches by name (its slots connect by object name) exist once with
// the right kinds, the eight graph pages are built alike, Tab follows the
// intended chain and each table learns its kind between its size and its
// graph number.
#include <QComboBox>
#include <QDialog>
#include <QTabWidget>
#include <QtTest>

#include <interfaces/spreadsheet.h>

#include "ui_xy_plot_config_dialog.h"
#include "ui_xy_plot_config_tab.h" // generated for tableSetupOrder

namespace {

QStringList texts(QWidget *w)
{
    QStringList list;
    if (auto *combo = qobject_cast<QComboBox *>(w))
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
    if (auto *tabs = qobject_cast<QTabWidget *>(w))
        for (int i = 0; i < tabs->count(); ++i)
            list << tabs->tabText(i);
    return list.isEmpty() ? QStringList() : QStringList(list.join(QLatin1Char('|')));
}

} // namespace

class tst_Forms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ui.setupUi(&dialog); }

    // "name:Class[:kind]" where %1 is the graph number; the object lies on
    // that graph's page (slot 1 to 8 of its tab widget).
    void objects()
    {
        const QStringList perGraph{"plot%1XYVarSpreadsheet:Spreadsheet:10",
                                   "plot%1XYOverlaySpreadsheet:Spreadsheet:11",
                                   "graph%1YAxesSpreadsheet:Spreadsheet:2",
                                   "graph%1XAxisSpreadsheet:Spreadsheet:12",
                                   "lblPlot%1Mode:QLabel",
                                   "lblAxes%1Mode:QLabel",
                                   "lblOverlayFilePlot%1:QLabel",
                                   "btnOverlayFile%1:QPushButton",
                                   "cboDisplayType%1:QComboBox",
                                   "spinCometLength%1:QSpinBox",
                                   "radDatapointShowPlot%1:QRadioButton",
                                   "radDatapointHidePlot%1:QRadioButton",
                                   "radXYValuesShowPlot%1:QRadioButton",
                                   "radXYValuesHidePlot%1:QRadioButton"};
        QStringList graphTabs;
        for (int n = 1; n <= 8; ++n) {
            graphTabs << QStringLiteral("Graph %1").arg(n);
            for (const QString &entry : perGraph) {
                const QStringList p = entry.split(QLatin1Char(':'));
                const QString name = p[0].arg(n);
                const QList<QWidget *> found = dialog.findChildren<QWidget *>(name);
                QVERIFY2(found.size() == 1 && found[0]->inherits(qPrintable(p[1])),
                         qPrintable(name));
                QWidget *page = name.startsWith("graph") || name.startsWith("lblAxes")
                                    ? ui.axesConfigTabs->widget(n - 1)
                                    : ui.plotConfigTabs->widget(n);
                QVERIFY2(page->isAncestorOf(found[0]), qPrintable(name));
                if (p.size() > 2) {
                    QCOMPARE(found[0]->property("spreadsheetKind").toString(), p[2]);
                    QCOMPARE(found[0]->property("graphNumber").toInt(), n);
                }
            }
            QCOMPARE(texts(dialog.findChild<QWidget *>(QStringLiteral("cboDisplayType%1").arg(n))),
                     QStringList("Full Trace|Marker Only|Comet"));
            // The two switches of a graph are separate groups.
            const auto parentOf = [&](const char *p) {
                return dialog.findChild<QWidget *>(QString(p).arg(n))->parent();
            };
            QVERIFY(parentOf("radDatapointShowPlot%1") == parentOf("radDatapointHidePlot%1"));
            QVERIFY(parentOf("radXYValuesShowPlot%1") == parentOf("radXYValuesHidePlot%1"));
            QVERIFY(parentOf("radXYValuesShowPlot%1") != parentOf("radDatapointShowPlot%1"));
        }
        QCOMPARE(texts(ui.configTabs), QStringList("Plot|Axes|Frame"));
        QCOMPARE(texts(ui.plotConfigTabs), QStringList("All|" + graphTabs.join('|')));
        QCOMPARE(texts(ui.axesConfigTabs), QStringList(graphTabs.join('|')));
        QCOMPARE(texts(ui.cmbDataStorageUnits), QStringList("Seconds|Minutes|Hours"));
        QCOMPARE(ui.plotAllVarSpreadsheet->property("spreadsheetKind").toInt(), 9);
        QCOMPARE(ui.plotAllOverlaySpreadsheet->property("spreadsheetKind").toInt(), 9);
        for (const char *name : {"btnOk", "btnApply", "btnCancel", "lineEditScreenRefreshRate",
                                 "lineEditScreenRefreshInterval", "lineEditDataSampleRate",
                                 "lineEditDataSampleInterval", "lineEditDataStorage",
                                 "plotConfigTabs", "axesConfigTabs", "plot_frame_tab"})
            QVERIFY2(dialog.findChildren<QWidget *>(name).size() == 1, name);
    }

    // The chain Tab follows: between two members only what belongs to the
    // first of them (its pages, its tab bar, a table's cells) takes Tab.
    void tabOrder()
    {
        QStringList chain{"configTabs",
                          "plotConfigTabs",
                          "plotAllVarSpreadsheet",
                          "plot1XYVarSpreadsheet",
                          "lineEditScreenRefreshRate",
                          "lineEditScreenRefreshInterval",
                          "lineEditDataSampleRate",
                          "lineEditDataSampleInterval",
                          "lineEditDataStorage",
                          "axesConfigTabs"};
        for (int n = 1; n <= 8; ++n)
            chain << QStringLiteral("graph%1YAxesSpreadsheet").arg(n)
                  << QStringLiteral("graph%1XAxisSpreadsheet").arg(n);
        for (int i = 0; i + 1 < chain.size(); ++i) {
            QWidget *from = dialog.findChild<QWidget *>(chain.at(i));
            QWidget *to = dialog.findChild<QWidget *>(chain.at(i + 1));
            QVERIFY2(from && to, qPrintable(chain.at(i)));
            QWidget *w = from->nextInFocusChain();
            for (; w != to && w != from; w = w->nextInFocusChain())
                QVERIFY2((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || from->isAncestorOf(w),
                         qPrintable(w->objectName() + " comes after " + chain.at(i)));
            QVERIFY2(w == to, qPrintable(chain.at(i) + " does not lead to " + chain.at(i + 1)));
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

private:
    QDialog dialog;
    Ui_Plot_Config_Dialog ui;
};

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"

// The generated forms of the dialog and of the single-graph tab, each set up
// on a plain widget: the widget tree with its object names, classes and
// parents, layout contents, texts, tables, buddies, tab order, current pages
// and the OK/Apply/Cancel buttons. Layout geometry is left to the designer.

#include <QAbstractItemView>
#include <QLabel>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QIcon>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <interfaces/spreadsheet.h>

#include "ui_xy_plot_config_dialog.h"
#include "ui_xy_plot_config_tab.h"

namespace {

const char *const Red = "color: rgb(255, 0, 0);";
const char *const OverlayHeading = "color: rgb(255, 0, 0);\nfont: 14pt \"Sans Serif\";";
// Graph tabs run down the left side (tab position 2, West) with tall,
// narrow tabs.
const char *const SideTabs = "style=QTabBar::tab { height: 75px; width: 30px; }";

// Solid 16 x 16 image written where a button icon path points.
bool writeIcon(const QString &path, const QColor &color)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(color);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, "PNG");
}

// Graph pages: names that do not follow the graph number, index N - 1.
struct GraphPageNames
{
    const char *pageLayout;
    const char *frame;
    const char *grid;
    const char *datapointBox;
    const char *datapointLayout;
    const char *xyValuesBox;
    const char *xyValuesLayout;
    const char *overlayFileLabel;
};

const GraphPageNames graphPageNames[8] = {
    {"verticalLayout_14", "frame_5", "gridLayout_3", "groupBox", "verticalLayout_32", "groupBox_2",
     "verticalLayout_33", "label_8"},
    {"verticalLayout_16", "frame_6", "gridLayout_4", "groupBox_3", "verticalLayout_34",
     "groupBox_4", "verticalLayout_35", "label_7"},
    {"verticalLayout_17", "frame_7", "gridLayout_5", "groupBox_5", "verticalLayout_36",
     "groupBox_6", "verticalLayout_37", "label_6"},
    {"verticalLayout_18", "frame_8", "gridLayout_6", "groupBox_7", "verticalLayout_38",
     "groupBox_8", "verticalLayout_39", "label_5"},
    {"verticalLayout_19", "frame_9", "gridLayout_7", "groupBox_9", "verticalLayout_40",
     "groupBox_10", "verticalLayout_41", "label_4"},
    {"verticalLayout_20", "frame_10", "gridLayout_8", "groupBox_11", "verticalLayout_42",
     "groupBox_12", "verticalLayout_43", "label_3"},
    {"verticalLayout_21", "frame_11", "gridLayout_9", "groupBox_13", "verticalLayout_44",
     "groupBox_14", "verticalLayout_45", "label_2"},
    {"verticalLayout_15", "frame_12", "gridLayout_10", "groupBox_15", "verticalLayout_46",
     "groupBox_16", "verticalLayout_47", "label"},
};

// Axes pages: page layout and frame layout, index N - 1.
const char *const axesPageLayouts[8][2] = {
    {"verticalLayout_23", "verticalLayout_4"},  {"verticalLayout_24", "verticalLayout_6"},
    {"verticalLayout_25", "verticalLayout_7"},  {"verticalLayout_26", "verticalLayout_8"},
    {"verticalLayout_27", "verticalLayout_9"},  {"verticalLayout_28", "verticalLayout_10"},
    {"verticalLayout_29", "verticalLayout_11"}, {"verticalLayout_30", "verticalLayout_12"},
};

QString numbered(const char *pattern, int n)
{
    return QString::fromLatin1(pattern).arg(n);
}

// Rows of the form "<object> <row> <column> <row span> <column span>".
QString cell(const QString &id, int row, int column, int rowSpan = 1, int columnSpan = 1)
{
    return QStringLiteral("%1 %2 %3 %4 %5").arg(id).arg(row).arg(column).arg(rowSpan).arg(columnSpan);
}

const QString HSpacer = QStringLiteral("<horizontal spacer>");
const QString VSpacer = QStringLiteral("<vertical spacer>");

// Object name of a layout item, or the direction of a spacer.
QString describe(QLayoutItem *item)
{
    if (QWidget *w = item->widget())
        return w->objectName();
    if (QLayout *l = item->layout())
        return l->objectName();
    if (QSpacerItem *s = item->spacerItem())
        return s->expandingDirections() == Qt::Horizontal ? HSpacer
               : s->expandingDirections() == Qt::Vertical ? VSpacer
                                                          : QStringLiteral("<spacer>");
    return QStringLiteral("<unknown item>");
}

// One checked property of an object, spelled as the tables below spell it:
// "font" is "none" when the form sets no font, else "<points>[ bold][ italic]";
// "align" is right, center or plain; "items" are a combo's entries and
// "pages" a tab widget's "<class> <page>:<title>", joined by '|'.
QString probe(QObject *object, const QString &key)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (key == QLatin1String("font")) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            return QStringLiteral("none");
        return QString::number(widget->font().pointSize()) + (widget->font().bold() ? " bold" : "")
               + (widget->font().italic() ? " italic" : "");
    }
    if (key == QLatin1String("style"))
        return widget->styleSheet();
    if (key == QLatin1String("align")) {
        const int a = int(qobject_cast<QLabel *>(object)->alignment());
        return a == int(Qt::AlignRight | Qt::AlignVCenter)  ? QStringLiteral("right")
               : a == int(Qt::AlignCenter)                  ? QStringLiteral("center")
               : a == int(Qt::AlignLeft | Qt::AlignVCenter) ? QStringLiteral("plain")
                                                            : QString::number(a);
    }
    if (key == QLatin1String("buddy")) {
        QWidget *buddy = qobject_cast<QLabel *>(object)->buddy();
        return buddy ? buddy->objectName() : QString();
    }
    if (key == QLatin1String("selectionMode"))
        return QString::number(qobject_cast<QAbstractItemView *>(object)->selectionMode());
    QStringList list;
    if (auto *tabs = qobject_cast<QTabWidget *>(object); tabs && key == QLatin1String("pages"))
        for (int i = 0; i < tabs->count(); ++i)
            list << QStringLiteral("%1 %2:%3")
                        .arg(QLatin1String(tabs->widget(i)->metaObject()->className()),
                             tabs->widget(i)->objectName(), tabs->tabText(i));
    if (auto *combo = qobject_cast<QComboBox *>(object); combo && key == QLatin1String("items"))
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
    if (key == QLatin1String("pages") || key == QLatin1String("items"))
        return list.join(QLatin1Char('|'));
    return object->property(key.toLatin1().constData()).toString();
}

} // namespace

class tst_Forms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui.setupUi(&dialog);
        tabUi.setupUi(&tab);
    }
    // Every object the forms create: class, parent and, as "key=value", the
    // texts, fonts, style sheets, alignments, buddies and choices they set.
    void objects_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QStringList>("properties");
        auto row = [](const char *which, const QString &name, const char *cls,
                      const QString &parent, const QStringList &properties) {
            QTest::addRow("%s %s", which, qPrintable(name))
                << QString::fromLatin1(which) << name << QString::fromLatin1(cls) << parent
                << properties;
        };
        auto d = [&row](const QString &name, const char *cls, const QString &parent,
                        const QStringList &properties = {}) {
            row("dialog", name, cls, parent, properties);
        };
        auto t = [&row](const QString &name, const char *cls, const QString &parent,
                        const QStringList &properties = {}) {
            row("tab", name, cls, parent, properties);
        };
        const QString red = QStringLiteral("style=") + Red;
        const QString heading = QStringLiteral("style=") + OverlayHeading;
        const QString modeLabel[] = {"text=Pan/Zoom Mode", "font=14 bold italic", red,
                                     "align=center"};
        const QStringList mode(std::begin(modeLabel), std::end(modeLabel));
        const QStringList displayTypes{"items=Full Trace|Marker Only|Comet", "currentIndex=0"};
        const QStringList plainButton{"autoDefault=false", "default=false", "toolTip="};
        const QString dlg = QStringLiteral("Plot_Config_Dialog");
        // "*": as a new table has it, when the form leaves it alone.
        auto table = [](int kind, int graph, int columns, int rows, bool contextMenu,
                        const char *font) {
            QStringList p{QStringLiteral("spreadsheetKind=%1").arg(kind),
                          graph ? QStringLiteral("graphNumber=%1").arg(graph)
                                : QStringLiteral("graphNumber=*"),
                          QStringLiteral("columnCount=%1").arg(columns),
                          QStringLiteral("rowCount=%1").arg(rows),
                          QStringLiteral("selectionMode=%1").arg(QAbstractItemView::NoSelection),
                          contextMenu ? QStringLiteral("contextMenuVisible=true")
                                      : QStringLiteral("contextMenuVisible=*")};
            if (*font)
                p << QLatin1String("font=") + QLatin1String(font);
            return p;
        };
        QStringList plotPages{"QWidget plotAllTab:All"}, axesPages;
        for (int n = 1; n <= 8; ++n) {
            plotPages << QStringLiteral("QWidget plot%1Tab:Graph %1").arg(n);
            axesPages << QStringLiteral("QWidget graphAxes%1:Graph %1").arg(n);
        }

        d(dlg, "QDialog", QString(), {"windowTitle=Plot Configuration Dialog"});
        d("verticalLayout_3", "QVBoxLayout", dlg);
        d("verticalLayout", "QVBoxLayout", "verticalLayout_3");
        d("configTabs", "QTabWidget", dlg,
          {"font=12", "style=QTabBar::tab { height: 30px; width: 250px; }\n\n", "currentIndex=0",
           "pages=QWidget plotConfigTab:Plot|QWidget axesConfigTab:Axes|QWidget "
           "frameConfigTab:Frame"});
        d("horizontalLayout_2", "QHBoxLayout", "verticalLayout");
        d("btnOk", "QPushButton", dlg, QStringList{"text=Ok"} + plainButton);
        d("btnApply", "QPushButton", dlg, QStringList{"text=Apply"} + plainButton);
        d("btnCancel", "QPushButton", dlg, QStringList{"text=Cancel"} + plainButton);
        d("verticalLayout_13", "QVBoxLayout", "plotConfigTab");
        d("plotConfigTabs", "QTabWidget", "plotConfigTab",
          {"font=10", SideTabs, "tabPosition=2", "currentIndex=2",
           "pages=" + plotPages.join(QLatin1Char('|'))});
        d("verticalLayout_5", "QVBoxLayout", "plotAllTab");
        d("plotAllVarSpreadsheet", "Spreadsheet", "plotAllTab", table(9, 0, 6, 0, true, "10"));
        d("lblOverlay1_2", "QLabel", "plotAllTab", {"text=Overlay", "font=none", heading});
        d("plotAllOverlaySpreadsheet", "Spreadsheet", "plotAllTab", table(9, 0, 6, 0, true, "10"));
        d("frame", "QFrame", "plotConfigTab");
        d("verticalLayout_2", "QVBoxLayout", "frame");
        d("gridLayout", "QGridLayout", "verticalLayout_2");
        d("lblScreenRefreshRate", "QLabel", "frame",
          {"text=Screen Refresh Rate", "align=right", "buddy=lineEditScreenRefreshRate"});
        d("lblScreenRefreshRateUnits", "QLabel", "frame", {"text=[Hz]", "buddy="});
        d("lblScreenRefreshRateInterval", "QLabel", "frame",
          {"text== Interval", "align=plain", "buddy=lineEditScreenRefreshInterval"});
        d("lblScreenRefreshRateIntervalUnits", "QLabel", "frame", {"text=[msec]"});
        d("lblDataSampleRate", "QLabel", "frame",
          {"text=Data Sample Rate", "align=right", "buddy=lineEditDataSampleRate"});
        d("lblDataSampleRateUnits", "QLabel", "frame", {"text=[Hz]"});
        d("lblDataSampleRateInterval", "QLabel", "frame",
          {"text== Interval", "buddy=lineEditDataSampleInterval"});
        d("lblDataSampleRateIntervalUnits", "QLabel", "frame", {"text=[msec]", "align=plain"});
        d("lblDataStorage", "QLabel", "frame",
          {"text=Data Storage", "align=right", "buddy=lineEditDataStorage"});
        for (const char *edit :
             {"lineEditScreenRefreshRate", "lineEditScreenRefreshInterval",
              "lineEditDataSampleRate", "lineEditDataSampleInterval", "lineEditDataStorage"})
            d(edit, "QLineEdit", "frame");
        d("cmbDataStorageUnits", "QComboBox", "frame",
          {"items=Seconds|Minutes|Hours", "currentIndex=0"});
        d("axesConfigTab", "QWidget", "qt_tabwidget_stackedwidget", {SideTabs});
        d("verticalLayout_22", "QVBoxLayout", "axesConfigTab");
        d("axesConfigTabs", "QTabWidget", "axesConfigTab",
          {"font=10", "tabPosition=2", "currentIndex=0",
           "pages=" + axesPages.join(QLatin1Char('|'))});
        d("verticalLayout_31", "QVBoxLayout", "frameConfigTab");
        d("plot_frame_tab", "Base_Plot_Frame_Tab", "frameConfigTab");
        for (int n = 1; n <= 8; ++n) {
            const GraphPageNames &g = graphPageNames[n - 1];
            const QString page = numbered("plot%1Tab", n);
            const QString frame = QString::fromLatin1(g.frame);
            d(g.pageLayout, "QVBoxLayout", page);
            d(numbered("lblPlot%1Mode", n), "QLabel", page, mode);
            d(numbered("plot%1XYVarSpreadsheet", n), "Spreadsheet", page,
              table(10, n, 5, 1, false, "none"));
            d(numbered("lblOverlay%1", n), "QLabel", page, {"text=Overlay", heading});
            d(numbered("plot%1XYOverlaySpreadsheet", n), "Spreadsheet", page,
              table(11, n, 5, 1, false, "none"));
            d(frame, "QFrame", page);
            d(g.grid, "QGridLayout", frame);
            d(g.overlayFileLabel, "QLabel", frame, {"text=Overlay File:"});
            d(numbered("lblOverlayFilePlot%1", n), "QLabel", frame, {"text="});
            d(numbered("btnOverlayFile%1", n), "QPushButton", frame, {"text=Overlay File ..."});
            d(numbered("lblDisplayType%1", n), "QLabel", frame,
              {"text=Display Type:", "align=right"});
            d(numbered("cboDisplayType%1", n), "QComboBox", frame, displayTypes);
            d(numbered("lblCometLength%1", n), "QLabel", frame,
              {"text=Comet Length [sec]:", "align=right"});
            d(numbered("spinCometLength%1", n), "QSpinBox", frame);
            d(g.datapointBox, "QGroupBox", frame, {"title=Datapoints"});
            d(g.datapointLayout, "QVBoxLayout", g.datapointBox);
            d(numbered("radDatapointShowPlot%1", n), "QRadioButton", g.datapointBox, {"text=Show"});
            d(numbered("radDatapointHidePlot%1", n), "QRadioButton", g.datapointBox, {"text=Hide"});
            d(g.xyValuesBox, "QGroupBox", frame, {"title=XY Values"});
            d(g.xyValuesLayout, "QVBoxLayout", g.xyValuesBox);
            d(numbered("radXYValuesShowPlot%1", n), "QRadioButton", g.xyValuesBox, {"text=Show"});
            d(numbered("radXYValuesHidePlot%1", n), "QRadioButton", g.xyValuesBox, {"text=Hide"});
            const QString axes = numbered("graphAxes%1", n);
            const QString axesFrame = numbered("graphAxesFrame%1", n);
            d(axesPageLayouts[n - 1][0], "QVBoxLayout", axes);
            d(axesFrame, "QFrame", axes);
            d(axesPageLayouts[n - 1][1], "QVBoxLayout", axesFrame);
            d(numbered("lblAxes%1Mode", n), "QLabel", axesFrame, mode);
            d(numbered("lblGraph%1YAxes", n), "QLabel", axesFrame,
              {"text=Y Axes", "font=20", red, "align=plain"});
            d(numbered("graph%1YAxesSpreadsheet", n), "Spreadsheet", axesFrame,
              table(2, n, 8, 2, false, "10"));
            d(numbered("lblGraph%1TimeAxis", n), "QLabel", axesFrame,
              {"text=X Axis", "font=20", red});
            d(numbered("graph%1XAxisSpreadsheet", n), "Spreadsheet", axesFrame,
              table(12, n, 7, 1, false, "10"));
        }

        const QString top = QStringLiteral("XY_Plot_Config_Tab");
        t(top, "QWidget", QString(), {"windowTitle="});
        t("verticalLayout", "QVBoxLayout", top);
        t("lblPlotMode", "QLabel", top, mode);
        t("lblLiveData", "QLabel", top, {"text=Live Data", heading});
        t("plotXYVarSpreadsheet", "Spreadsheet", top, table(10, 0, 5, 1, false, "none"));
        t("lblOverlay", "QLabel", top, {"text=Overlay", heading});
        t("plotXYOverlaySpreadsheet", "Spreadsheet", top, table(11, 0, 5, 1, false, ""));
        t("widget", "QWidget", top);
        t("gridLayout_2", "QGridLayout", "widget");
        t("label_7", "QLabel", "widget", {"text=Overlay File:", "align=plain"});
        t("lblDisplayType", "QLabel", "widget", {"text=Display Type:", "align=right"});
        t("cboDisplayType", "QComboBox", "widget", displayTypes);
        t("DatapointGrpBox", "QGroupBox", "widget", {"title=Datapoints"});
        t("verticalLayout_34", "QVBoxLayout", "DatapointGrpBox");
        t("radDatapointShowPlot", "QRadioButton", "DatapointGrpBox", {"text=Show"});
        t("radDatapointHidePlot", "QRadioButton", "DatapointGrpBox", {"text=Hide"});
        t("XYValuesGrpBox", "QGroupBox", "widget", {"title=XY Values"});
        t("verticalLayout_35", "QVBoxLayout", "XYValuesGrpBox");
        t("radXYValuesShowPlot", "QRadioButton", "XYValuesGrpBox", {"text=Show"});
        t("radXYValuesHidePlot", "QRadioButton", "XYValuesGrpBox", {"text=Hide"});
        t("lblOverlayFilePlot", "QLabel", "widget", {"text="});
        t("btnOverlayFile", "QPushButton", "widget", {"text=Overlay File ..."});
        t("lblCometLength", "QLabel", "widget", {"text=Comet Length [sec]:", "align=right"});
        t("spinCometLength", "QSpinBox", "widget");
    }
    void objects()
    {
        QFETCH(QString, form);
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, parentName);
        QFETCH(QStringList, properties);
        QObject *object = named(form, name);
        QVERIFY2(object, "no object, or more than one, has this name");
        QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
        if (parentName.isEmpty())
            QVERIFY(!object->parent());
        else
            QCOMPARE(object->parent() ? object->parent()->objectName() : QString(), parentName);
        const Spreadsheet fresh;
        const QStringList computed{"font",          "style", "align", "buddy",
                                   "selectionMode", "pages", "items"};
        for (QString property : properties) {
            const QString key = property.section(QLatin1Char('='), 0, 0);
            // A misspelt key would read as an empty text.
            QVERIFY2(computed.contains(key) || property.endsWith(QLatin1String("=*"))
                         || object->property(key.toLatin1().constData()).isValid(),
                     qPrintable(property));
            if (property.endsWith(QLatin1String("=*")))
                property =
                    key + QLatin1Char('=') + fresh.property(key.toLatin1().constData()).toString();
            QCOMPARE(key + QLatin1Char('=') + probe(object, key), property);
        }
    }

    // Box layouts list their items in order; grids list "<item> <row> <column>
    // <row span> <column span>" in any order.
    void layouts_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("items");
        auto row = [](const char *which, const QString &layout, const QStringList &items) {
            QTest::addRow("%s %s", which, qPrintable(layout))
                << QString::fromLatin1(which) << layout << items;
        };
        auto d = [&row](const QString &layout, const QStringList &items) {
            row("dialog", layout, items);
        };
        d("verticalLayout_3", {"verticalLayout"});
        d("verticalLayout", {"configTabs", "horizontalLayout_2"});
        d("horizontalLayout_2", {HSpacer, "btnOk", "btnApply", "btnCancel", HSpacer});
        d("verticalLayout_13", {"plotConfigTabs", "frame"});
        d("verticalLayout_5",
          {"plotAllVarSpreadsheet", "lblOverlay1_2", "plotAllOverlaySpreadsheet"});
        d("verticalLayout_2", {"gridLayout"});
        d("verticalLayout_22", {"axesConfigTabs"});
        d("verticalLayout_31", {"plot_frame_tab"});
        d("gridLayout",
          {cell(HSpacer, 0, 0), cell(HSpacer, 0, 7), cell("lblScreenRefreshRate", 0, 1),
           cell("lineEditScreenRefreshRate", 0, 2), cell("lblScreenRefreshRateUnits", 0, 3),
           cell("lblScreenRefreshRateInterval", 0, 4), cell("lineEditScreenRefreshInterval", 0, 5),
           cell("lblScreenRefreshRateIntervalUnits", 0, 6), cell("lblDataSampleRate", 1, 1),
           cell("lineEditDataSampleRate", 1, 2), cell("lblDataSampleRateUnits", 1, 3),
           cell("lblDataSampleRateInterval", 1, 4), cell("lineEditDataSampleInterval", 1, 5),
           cell("lblDataSampleRateIntervalUnits", 1, 6), cell("lblDataStorage", 2, 1),
           cell("lineEditDataStorage", 2, 2), cell("cmbDataStorageUnits", 2, 3, 1, 2)});
        for (int n : {1, 8}) { // graph pages are built alike
            const GraphPageNames &g = graphPageNames[n - 1];
            d(g.pageLayout,
              {numbered("lblPlot%1Mode", n), numbered("plot%1XYVarSpreadsheet", n),
               numbered("lblOverlay%1", n), numbered("plot%1XYOverlaySpreadsheet", n), g.frame});
            d(g.datapointLayout,
              {numbered("radDatapointShowPlot%1", n), numbered("radDatapointHidePlot%1", n)});
            d(g.xyValuesLayout,
              {numbered("radXYValuesShowPlot%1", n), numbered("radXYValuesHidePlot%1", n)});
            d(g.grid,
              {cell(g.overlayFileLabel, 0, 0), cell(numbered("lblOverlayFilePlot%1", n), 1, 0),
               cell(numbered("btnOverlayFile%1", n), 2, 0), cell(VSpacer, 0, 1, 3, 1),
               cell(VSpacer, 0, 4, 3, 1), cell(numbered("lblDisplayType%1", n), 0, 2),
               cell(numbered("cboDisplayType%1", n), 0, 3),
               cell(numbered("lblCometLength%1", n), 2, 2),
               cell(numbered("spinCometLength%1", n), 2, 3), cell(g.datapointBox, 0, 5, 3, 1),
               cell(g.xyValuesBox, 0, 6, 3, 1)});
            d(axesPageLayouts[n - 1][0], {numbered("graphAxesFrame%1", n)});
            d(axesPageLayouts[n - 1][1],
              {numbered("lblAxes%1Mode", n), numbered("lblGraph%1YAxes", n),
               numbered("graph%1YAxesSpreadsheet", n), numbered("lblGraph%1TimeAxis", n),
               numbered("graph%1XAxisSpreadsheet", n)});
        }
        row("tab", "verticalLayout",
            {"lblPlotMode", "lblLiveData", "plotXYVarSpreadsheet", "lblOverlay",
             "plotXYOverlaySpreadsheet", "widget"});
        row("tab", "gridLayout_2",
            {cell("label_7", 0, 0), cell("lblDisplayType", 0, 1), cell("cboDisplayType", 0, 2, 2, 1),
             cell("DatapointGrpBox", 0, 3, 3, 1), cell("XYValuesGrpBox", 0, 4, 3, 1),
             cell("lblOverlayFilePlot", 1, 0), cell("btnOverlayFile", 2, 0),
             cell("lblCometLength", 2, 1), cell("spinCometLength", 2, 2)});
        row("tab", "verticalLayout_34", {"radDatapointShowPlot", "radDatapointHidePlot"});
        row("tab", "verticalLayout_35", {"radXYValuesShowPlot", "radXYValuesHidePlot"});
    }
    void layouts()
    {
        QFETCH(QString, form);
        QFETCH(QString, layout);
        QFETCH(QStringList, items);
        auto *l = namedAs<QLayout>(form, layout);
        QVERIFY(l);
        auto *grid = qobject_cast<QGridLayout *>(l);
        QVERIFY(grid || qobject_cast<QBoxLayout *>(l));
        QStringList actual;
        for (int i = 0; i < l->count(); ++i) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            if (grid)
                grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            actual << (grid ? cell(describe(l->itemAt(i)), row, column, rowSpan, columnSpan)
                            : describe(l->itemAt(i)));
        }
        if (grid) { // a grid's items come in any order
            actual.sort();
            items.sort();
        }
        QCOMPARE(actual, items);
    }

    // The chain that Tab follows through the dialog. A widget that is not part
    // of the chain may sit between two of its members only when it belongs to
    // the first of them (its pages, its tab bar, a table's cells); the members
    // themselves are in the listed order.
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
            chain << numbered("graph%1YAxesSpreadsheet", n)
                  << numbered("graph%1XAxisSpreadsheet", n);
        QList<QWidget *> members;
        for (const QString &name : chain) {
            auto *w = namedAs<QWidget>("dialog", name);
            QVERIFY2(w, qPrintable(name));
            members << w;
        }

        for (int i = 0; i + 1 < members.size(); ++i) {
            QWidget *from = members.at(i);
            QWidget *to = members.at(i + 1);
            QWidget *w = from->nextInFocusChain();
            int steps = 0;
            while (w != to && w != from && ++steps < 100000) {
                const bool takesTab = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
                QVERIFY2(!takesTab || from->isAncestorOf(w),
                         qPrintable(
                             QStringLiteral("%1 comes between %2 and %3")
                                 .arg(w->objectName(), from->objectName(), to->objectName())));
                w = w->nextInFocusChain();
            }
            QVERIFY2(w == to, qPrintable(QStringLiteral("%1 does not lead to %2")
                                             .arg(chain.at(i), chain.at(i + 1))));
        }
    }

    // Each table learns its kind after its size and before its graph
    // number: the kind decides the cells of the rows already there, the
    // graph number the channels they offer. setupUi must keep that order.
    void tableSetupOrder_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("calls");
        const QStringList sized{"setColumnCount(", "setRowCount(", "setSelectionMode("};
        const QString kind = QStringLiteral("setSpreadsheetKind(");
        const QString graph = QStringLiteral("setGraphNumber(");
        const QString contextMenu = QStringLiteral("setProperty(\"contextMenuVisible\"");
        const QString dialogHeader = QStringLiteral("ui_xy_plot_config_dialog.h");
        for (const char *name : {"plotAllVarSpreadsheet", "plotAllOverlaySpreadsheet"})
            QTest::newRow(name) << dialogHeader << name
                                << QStringList{"setColumnCount(", "setSelectionMode(", kind,
                                               contextMenu};
        for (int n = 1; n <= 8; ++n) {
            for (const char *pattern : {"plot%1XYVarSpreadsheet", "plot%1XYOverlaySpreadsheet",
                                        "graph%1YAxesSpreadsheet", "graph%1XAxisSpreadsheet"}) {
                const QString name = numbered(pattern, n);
                QTest::newRow(qPrintable(name))
                    << dialogHeader << name << (sized + QStringList{kind, graph});
            }
        }
        for (const char *name : {"plotXYVarSpreadsheet", "plotXYOverlaySpreadsheet"})
            QTest::addRow("tab %s", name)
                << QStringLiteral("ui_xy_plot_config_tab.h") << name << (sized + QStringList{kind});
    }
    void tableSetupOrder()
    {
        QFETCH(QString, header);
        QFETCH(QString, name);
        QFETCH(QStringList, calls);
        QFile file(QStringLiteral(XY_FORMS_UI_HEADER_DIR "/") + header);
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        const QString code = QString::fromUtf8(file.readAll());
        const int begin = code.indexOf(QLatin1String("void setupUi("));
        const int end = code.indexOf(QLatin1String("} // setupUi"));
        QVERIFY(begin >= 0 && end > begin);
        // The calls made on this table, in the order setupUi makes them.
        QStringList made;
        const QString prefix = name + QStringLiteral("->");
        for (const QString &line : code.mid(begin, end - begin).split(QLatin1Char('\n'))) {
            const QString statement = line.trimmed();
            if (!statement.startsWith(prefix))
                continue;
            for (const QString &call : calls)
                if (statement.mid(prefix.size()).startsWith(call))
                    made << call;
        }
        QCOMPARE(made, calls);
    }

    // The buttons' icon files are looked up relative to the working
    // directory, three levels up.
    void buttonIcons()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString actions =
            tmp.path() + QStringLiteral("/specs/qt/crystal_project/16x16/actions/");
        const struct
        {
            const char *button;
            const char *file;
            QColor color;
        } icons[] = {{"btnOk", "ok.png", Qt::red},
                     {"btnApply", "apply.png", Qt::green},
                     {"btnCancel", "cancel.png", Qt::blue}};
        for (const auto &icon : icons)
            QVERIFY(writeIcon(actions + QLatin1String(icon.file), icon.color));
        const QString workDir = tmp.path() + QStringLiteral("/a/b/c");
        QVERIFY(QDir().mkpath(workDir));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir));
        QDialog dlg;
        Ui_Plot_Config_Dialog form;
        form.setupUi(&dlg);
        QVERIFY(QDir::setCurrent(previous));
        for (const auto &icon : icons) {
            auto *button = dlg.findChild<QPushButton *>(QLatin1String(icon.button));
            QVERIFY(button);
            const QImage shown =
                button->icon().pixmap(QSize(16, 16), QIcon::Normal, QIcon::Off).toImage();
            QCOMPARE(shown.size(), QSize(16, 16));
            QCOMPARE(QColor(shown.pixel(8, 8)), icon.color);
        }
    }

private:
    QWidget *form(const QString &which) { return which == QLatin1String("tab") ? &tab : &dialog; }
    // The one object of the form with this name (the form itself included),
    // or null when there is none or more than one.
    QObject *named(const QString &which, const QString &name)
    {
        QWidget *root = form(which);
        const QList<QObject *> found = root->findChildren<QObject *>(name);
        return root->objectName() == name ? root : found.size() == 1 ? found.first() : nullptr;
    }
    template<class T>
    T *namedAs(const QString &which, const QString &name)
    {
        return qobject_cast<T *>(named(which, name));
    }
    void addFormColumn() { QTest::addColumn<QString>("form"); }
    QDialog dialog;
    Ui_Plot_Config_Dialog ui;
    QWidget tab;
    Ui_XY_Plot_Config_Tab tabUi;
};

// ------------------------------------------------------------ object tree

// ------------------------------------------------------------- layouts

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"

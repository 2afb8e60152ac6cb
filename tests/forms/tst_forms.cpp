// The generated forms of the dialog and of the single-graph tab, each set up
// on a plain widget: the widget tree with its object names, classes and
// parents, layout contents, texts, tables, fonts, style sheets, buddies, tab
// order, current pages and the OK/Apply/Cancel buttons.

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHash>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <interfaces/spreadsheet.h>

#include "ui_xy_plot_config_dialog.h"
#include "ui_xy_plot_config_tab.h"

namespace {

const char *const Red = "color: rgb(255, 0, 0);";
const char *const OverlayHeading = "color: rgb(255, 0, 0);\nfont: 14pt \"Sans Serif\";";
const char *const SideTabs = "QTabBar::tab { height: 75px; width: 30px; }";

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
    {"verticalLayout_16", "frame_6", "gridLayout_4", "groupBox_3", "verticalLayout_34", "groupBox_4",
     "verticalLayout_35", "label_7"},
    {"verticalLayout_17", "frame_7", "gridLayout_5", "groupBox_5", "verticalLayout_36", "groupBox_6",
     "verticalLayout_37", "label_6"},
    {"verticalLayout_18", "frame_8", "gridLayout_6", "groupBox_7", "verticalLayout_38", "groupBox_8",
     "verticalLayout_39", "label_5"},
    {"verticalLayout_19", "frame_9", "gridLayout_7", "groupBox_9", "verticalLayout_40", "groupBox_10",
     "verticalLayout_41", "label_4"},
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

// Object name of a layout item, or the kind of spacer it is.
QString describe(QLayoutItem *item)
{
    if (QWidget *w = item->widget())
        return w->objectName();
    if (QLayout *l = item->layout())
        return l->objectName();
    if (QSpacerItem *s = item->spacerItem()) {
        const QSize hint = s->sizeHint();
        const QSizePolicy policy = s->sizePolicy();
        if (hint == QSize(40, 20) && policy.horizontalPolicy() == QSizePolicy::Expanding
            && policy.verticalPolicy() == QSizePolicy::Minimum)
            return QStringLiteral("<horizontal spacer>");
        if (hint == QSize(20, 40) && policy.horizontalPolicy() == QSizePolicy::Minimum
            && policy.verticalPolicy() == QSizePolicy::Expanding)
            return QStringLiteral("<vertical spacer>");
        return QStringLiteral("<spacer %1x%2>").arg(hint.width()).arg(hint.height());
    }
    return QStringLiteral("<unknown item>");
}

const QString HSpacer = QStringLiteral("<horizontal spacer>");
const QString VSpacer = QStringLiteral("<vertical spacer>");

// Solid 16 x 16 image written where a button icon path points.
bool writeIcon(const QString &path, const QColor &color)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(color);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, "PNG");
}

} // namespace

class tst_Forms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void objectTree_data();
    void objectTree();
    void objectNamesAreUnique_data();
    void objectNamesAreUnique();
    void boxLayoutItems_data();
    void boxLayoutItems();
    void gridCells_data();
    void gridCells();
    void layoutSpacingAndMargins_data();
    void layoutSpacingAndMargins();
    void tabPages_data();
    void tabPages();
    void texts_data();
    void texts();
    void comboItems_data();
    void comboItems();
    void tables_data();
    void tables();
    void tableSetupOrder_data();
    void tableSetupOrder();
    void fonts_data();
    void fonts();
    void styleSheets_data();
    void styleSheets();
    void alignments_data();
    void alignments();
    void buddies_data();
    void buddies();
    void tabOrder();
    void buttons_data();
    void buttons();
    void buttonIcons();
    void rateFieldsOnPlotPageOnly_data();
    void rateFieldsOnPlotPageOnly();

private:
    QWidget *form(const QString &which) const;
    QObject *named(const QString &which, const QString &name) const;
    template<class T> T *namedAs(const QString &which, const QString &name) const
    {
        return qobject_cast<T *>(named(which, name));
    }
    void addFormColumn() { QTest::addColumn<QString>("form"); }

    std::unique_ptr<QDialog> dialog;
    Ui_Plot_Config_Dialog ui;
    std::unique_ptr<QWidget> tab;
    Ui_XY_Plot_Config_Tab tabUi;
};

void tst_Forms::initTestCase()
{
    dialog.reset(new QDialog);
    ui.setupUi(dialog.get());
    tab.reset(new QWidget);
    tabUi.setupUi(tab.get());
}

void tst_Forms::cleanupTestCase()
{
    dialog.reset();
    tab.reset();
}

QWidget *tst_Forms::form(const QString &which) const
{
    return which == QLatin1String("tab") ? tab.get() : dialog.get();
}

// The one object of the form with this name (the form itself included), or
// null when there is none or more than one.
QObject *tst_Forms::named(const QString &which, const QString &name) const
{
    QWidget *root = form(which);
    if (root->objectName() == name)
        return root;
    const QList<QObject *> found = root->findChildren<QObject *>(name);
    return found.size() == 1 ? found.first() : nullptr;
}

// ------------------------------------------------------------ object tree

void tst_Forms::objectTree_data()
{
    addFormColumn();
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");

    auto row = [](const char *which, const QString &name, const char *cls, const QString &parent) {
        QTest::addRow("%s %s", which, qPrintable(name))
            << QString::fromLatin1(which) << name << QString::fromLatin1(cls) << parent;
    };
    auto d = [&row](const QString &name, const char *cls, const QString &parent) {
        row("dialog", name, cls, parent);
    };
    const QString dlg = QStringLiteral("Plot_Config_Dialog");

    d(dlg, "QDialog", QString());
    d("verticalLayout_3", "QVBoxLayout", dlg);
    d("verticalLayout", "QVBoxLayout", "verticalLayout_3");
    d("configTabs", "QTabWidget", dlg);
    d("horizontalLayout_2", "QHBoxLayout", "verticalLayout");
    d("btnOk", "QPushButton", dlg);
    d("btnApply", "QPushButton", dlg);
    d("btnCancel", "QPushButton", dlg);

    d("verticalLayout_13", "QVBoxLayout", "plotConfigTab");
    d("plotConfigTabs", "QTabWidget", "plotConfigTab");
    d("verticalLayout_5", "QVBoxLayout", "plotAllTab");
    d("plotAllVarSpreadsheet", "Spreadsheet", "plotAllTab");
    d("lblOverlay1_2", "QLabel", "plotAllTab");
    d("plotAllOverlaySpreadsheet", "Spreadsheet", "plotAllTab");

    d("frame", "QFrame", "plotConfigTab");
    d("verticalLayout_2", "QVBoxLayout", "frame");
    d("gridLayout", "QGridLayout", "verticalLayout_2");
    for (const char *label : {"lblScreenRefreshRate", "lblScreenRefreshRateUnits",
                              "lblScreenRefreshRateInterval", "lblScreenRefreshRateIntervalUnits",
                              "lblDataSampleRate", "lblDataSampleRateUnits", "lblDataSampleRateInterval",
                              "lblDataSampleRateIntervalUnits", "lblDataStorage"})
        d(label, "QLabel", "frame");
    for (const char *edit : {"lineEditScreenRefreshRate", "lineEditScreenRefreshInterval",
                             "lineEditDataSampleRate", "lineEditDataSampleInterval", "lineEditDataStorage"})
        d(edit, "QLineEdit", "frame");
    d("cmbDataStorageUnits", "QComboBox", "frame");

    d("verticalLayout_22", "QVBoxLayout", "axesConfigTab");
    d("axesConfigTabs", "QTabWidget", "axesConfigTab");
    d("verticalLayout_31", "QVBoxLayout", "frameConfigTab");
    d("plot_frame_tab", "Base_Plot_Frame_Tab", "frameConfigTab");

    for (int n = 1; n <= 8; ++n) {
        const GraphPageNames &g = graphPageNames[n - 1];
        const QString page = numbered("plot%1Tab", n);
        const QString frame = QString::fromLatin1(g.frame);
        d(g.pageLayout, "QVBoxLayout", page);
        d(numbered("lblPlot%1Mode", n), "QLabel", page);
        d(numbered("plot%1XYVarSpreadsheet", n), "Spreadsheet", page);
        d(numbered("lblOverlay%1", n), "QLabel", page);
        d(numbered("plot%1XYOverlaySpreadsheet", n), "Spreadsheet", page);
        d(frame, "QFrame", page);
        d(g.grid, "QGridLayout", frame);
        d(g.overlayFileLabel, "QLabel", frame);
        d(numbered("lblOverlayFilePlot%1", n), "QLabel", frame);
        d(numbered("btnOverlayFile%1", n), "QPushButton", frame);
        d(numbered("lblDisplayType%1", n), "QLabel", frame);
        d(numbered("cboDisplayType%1", n), "QComboBox", frame);
        d(numbered("lblCometLength%1", n), "QLabel", frame);
        d(numbered("spinCometLength%1", n), "QSpinBox", frame);
        d(g.datapointBox, "QGroupBox", frame);
        d(g.datapointLayout, "QVBoxLayout", g.datapointBox);
        d(numbered("radDatapointShowPlot%1", n), "QRadioButton", g.datapointBox);
        d(numbered("radDatapointHidePlot%1", n), "QRadioButton", g.datapointBox);
        d(g.xyValuesBox, "QGroupBox", frame);
        d(g.xyValuesLayout, "QVBoxLayout", g.xyValuesBox);
        d(numbered("radXYValuesShowPlot%1", n), "QRadioButton", g.xyValuesBox);
        d(numbered("radXYValuesHidePlot%1", n), "QRadioButton", g.xyValuesBox);

        const QString axes = numbered("graphAxes%1", n);
        const QString axesFrame = numbered("graphAxesFrame%1", n);
        d(axesPageLayouts[n - 1][0], "QVBoxLayout", axes);
        d(axesFrame, "QFrame", axes);
        d(axesPageLayouts[n - 1][1], "QVBoxLayout", axesFrame);
        d(numbered("lblAxes%1Mode", n), "QLabel", axesFrame);
        d(numbered("lblGraph%1YAxes", n), "QLabel", axesFrame);
        d(numbered("graph%1YAxesSpreadsheet", n), "Spreadsheet", axesFrame);
        d(numbered("lblGraph%1TimeAxis", n), "QLabel", axesFrame);
        d(numbered("graph%1XAxisSpreadsheet", n), "Spreadsheet", axesFrame);
    }

    auto t = [&row](const QString &name, const char *cls, const QString &parent) {
        row("tab", name, cls, parent);
    };
    const QString top = QStringLiteral("XY_Plot_Config_Tab");
    t(top, "QWidget", QString());
    t("verticalLayout", "QVBoxLayout", top);
    t("lblPlotMode", "QLabel", top);
    t("lblLiveData", "QLabel", top);
    t("plotXYVarSpreadsheet", "Spreadsheet", top);
    t("lblOverlay", "QLabel", top);
    t("plotXYOverlaySpreadsheet", "Spreadsheet", top);
    t("widget", "QWidget", top);
    t("gridLayout_2", "QGridLayout", "widget");
    t("label_7", "QLabel", "widget");
    t("lblDisplayType", "QLabel", "widget");
    t("cboDisplayType", "QComboBox", "widget");
    t("DatapointGrpBox", "QGroupBox", "widget");
    t("verticalLayout_34", "QVBoxLayout", "DatapointGrpBox");
    t("radDatapointShowPlot", "QRadioButton", "DatapointGrpBox");
    t("radDatapointHidePlot", "QRadioButton", "DatapointGrpBox");
    t("XYValuesGrpBox", "QGroupBox", "widget");
    t("verticalLayout_35", "QVBoxLayout", "XYValuesGrpBox");
    t("radXYValuesShowPlot", "QRadioButton", "XYValuesGrpBox");
    t("radXYValuesHidePlot", "QRadioButton", "XYValuesGrpBox");
    t("lblOverlayFilePlot", "QLabel", "widget");
    t("btnOverlayFile", "QPushButton", "widget");
    t("lblCometLength", "QLabel", "widget");
    t("spinCometLength", "QSpinBox", "widget");
}

void tst_Forms::objectTree()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);

    QObject *object = named(form, name);
    QVERIFY2(object, "no object, or more than one, has this name");
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
    if (parentName.isEmpty())
        QVERIFY(!object->parent());
    else
        QCOMPARE(object->parent() ? object->parent()->objectName() : QString(), parentName);
}

void tst_Forms::objectNamesAreUnique_data()
{
    addFormColumn();
    QTest::newRow("dialog") << "dialog";
    QTest::newRow("tab") << "tab";
}

// Every object the form creates carries a name of its own; the inside of
// the tables and of the frame tab belongs to their libraries.
void tst_Forms::objectNamesAreUnique()
{
    QFETCH(QString, form);
    QWidget *root = this->form(form);
    QHash<QString, int> seen;
    for (QObject *object : root->findChildren<QObject *>()) {
        bool foreign = false;
        for (QObject *p = object->parent(); p && p != root; p = p->parent())
            foreign = foreign || p->inherits("QAbstractItemView") || p->inherits("Base_Plot_Frame_Tab")
                || p->inherits("QTabBar") || p->inherits("QComboBox") || p->inherits("QAbstractSpinBox");
        if (foreign || object->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // The page stack inside a tab widget.
        if (qobject_cast<QLayout *>(object) && object->parent()->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (qobject_cast<QWidget *>(object) || qobject_cast<QLayout *>(object))
            ++seen[object->objectName()];
    }
    QStringList duplicates;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        if (it.key().isEmpty() || it.value() > 1)
            duplicates << QStringLiteral("'%1' x%2").arg(it.key()).arg(it.value());
    QVERIFY2(duplicates.isEmpty(), qPrintable(duplicates.join(", ")));
}

// ------------------------------------------------------------- layouts

void tst_Forms::boxLayoutItems_data()
{
    addFormColumn();
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("items");

    auto row = [](const char *which, const QString &layout, const QStringList &items) {
        QTest::addRow("%s %s", which, qPrintable(layout)) << QString::fromLatin1(which) << layout << items;
    };
    row("dialog", "verticalLayout_3", {"verticalLayout"});
    row("dialog", "verticalLayout", {"configTabs", "horizontalLayout_2"});
    row("dialog", "horizontalLayout_2", {HSpacer, "btnOk", "btnApply", "btnCancel", HSpacer});
    row("dialog", "verticalLayout_13", {"plotConfigTabs", "frame"});
    row("dialog", "verticalLayout_5",
        {"plotAllVarSpreadsheet", "lblOverlay1_2", "plotAllOverlaySpreadsheet"});
    row("dialog", "verticalLayout_2", {"gridLayout"});
    row("dialog", "verticalLayout_22", {"axesConfigTabs"});
    row("dialog", "verticalLayout_31", {"plot_frame_tab"});
    for (int n = 1; n <= 8; ++n) {
        const GraphPageNames &g = graphPageNames[n - 1];
        row("dialog", g.pageLayout,
            {numbered("lblPlot%1Mode", n), numbered("plot%1XYVarSpreadsheet", n),
             numbered("lblOverlay%1", n), numbered("plot%1XYOverlaySpreadsheet", n), g.frame});
        row("dialog", g.datapointLayout,
            {numbered("radDatapointShowPlot%1", n), numbered("radDatapointHidePlot%1", n)});
        row("dialog", g.xyValuesLayout,
            {numbered("radXYValuesShowPlot%1", n), numbered("radXYValuesHidePlot%1", n)});
        row("dialog", axesPageLayouts[n - 1][0], {numbered("graphAxesFrame%1", n)});
        row("dialog", axesPageLayouts[n - 1][1],
            {numbered("lblAxes%1Mode", n), numbered("lblGraph%1YAxes", n),
             numbered("graph%1YAxesSpreadsheet", n), numbered("lblGraph%1TimeAxis", n),
             numbered("graph%1XAxisSpreadsheet", n)});
    }
    row("tab", "verticalLayout",
        {"lblPlotMode", "lblLiveData", "plotXYVarSpreadsheet", "lblOverlay",
         "plotXYOverlaySpreadsheet", "widget"});
    row("tab", "verticalLayout_34", {"radDatapointShowPlot", "radDatapointHidePlot"});
    row("tab", "verticalLayout_35", {"radXYValuesShowPlot", "radXYValuesHidePlot"});
}

void tst_Forms::boxLayoutItems()
{
    QFETCH(QString, form);
    QFETCH(QString, layout);
    QFETCH(QStringList, items);

    auto *box = namedAs<QBoxLayout>(form, layout);
    QVERIFY(box);
    QStringList actual;
    for (int i = 0; i < box->count(); ++i)
        actual << describe(box->itemAt(i));
    QCOMPARE(actual, items);
}

void tst_Forms::gridCells_data()
{
    addFormColumn();
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("dialog rates") << "dialog" << "gridLayout"
        << QStringList{cell(HSpacer, 0, 0), cell(HSpacer, 0, 7),
                       cell("lblScreenRefreshRate", 0, 1), cell("lineEditScreenRefreshRate", 0, 2),
                       cell("lblScreenRefreshRateUnits", 0, 3), cell("lblScreenRefreshRateInterval", 0, 4),
                       cell("lineEditScreenRefreshInterval", 0, 5),
                       cell("lblScreenRefreshRateIntervalUnits", 0, 6),
                       cell("lblDataSampleRate", 1, 1), cell("lineEditDataSampleRate", 1, 2),
                       cell("lblDataSampleRateUnits", 1, 3), cell("lblDataSampleRateInterval", 1, 4),
                       cell("lineEditDataSampleInterval", 1, 5),
                       cell("lblDataSampleRateIntervalUnits", 1, 6),
                       cell("lblDataStorage", 2, 1), cell("lineEditDataStorage", 2, 2),
                       cell("cmbDataStorageUnits", 2, 3, 1, 2)};
    for (int n = 1; n <= 8; ++n) {
        const GraphPageNames &g = graphPageNames[n - 1];
        QTest::addRow("dialog graph %d", n) << "dialog" << g.grid
            << QStringList{cell(g.overlayFileLabel, 0, 0), cell(numbered("lblOverlayFilePlot%1", n), 1, 0),
                           cell(numbered("btnOverlayFile%1", n), 2, 0),
                           cell(VSpacer, 0, 1, 3, 1), cell(VSpacer, 0, 4, 3, 1),
                           cell(numbered("lblDisplayType%1", n), 0, 2),
                           cell(numbered("cboDisplayType%1", n), 0, 3),
                           cell(numbered("lblCometLength%1", n), 2, 2),
                           cell(numbered("spinCometLength%1", n), 2, 3),
                           cell(g.datapointBox, 0, 5, 3, 1), cell(g.xyValuesBox, 0, 6, 3, 1)};
    }
    QTest::newRow("tab panel") << "tab" << "gridLayout_2"
        << QStringList{cell("label_7", 0, 0), cell("lblDisplayType", 0, 1),
                       cell("cboDisplayType", 0, 2, 2, 1), cell("DatapointGrpBox", 0, 3, 3, 1),
                       cell("XYValuesGrpBox", 0, 4, 3, 1), cell("lblOverlayFilePlot", 1, 0),
                       cell("btnOverlayFile", 2, 0), cell("lblCometLength", 2, 1),
                       cell("spinCometLength", 2, 2)};
}

void tst_Forms::gridCells()
{
    QFETCH(QString, form);
    QFETCH(QString, grid);
    QFETCH(QStringList, cells);

    auto *layout = namedAs<QGridLayout>(form, grid);
    QVERIFY(layout);
    QStringList actual;
    for (int i = 0; i < layout->count(); ++i) {
        int row, column, rowSpan, columnSpan;
        layout->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        actual << cell(describe(layout->itemAt(i)), row, column, rowSpan, columnSpan);
    }
    actual.sort();
    cells.sort();
    QCOMPARE(actual, cells);
}

namespace {
enum : int { StyleDefault = -1, NotObservable = -2 };
}

void tst_Forms::layoutSpacingAndMargins_data()
{
    addFormColumn();
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("margin");

    auto row = [](const char *which, const QString &layout, int spacing, int margin) {
        QTest::addRow("%s %s", which, qPrintable(layout))
            << QString::fromLatin1(which) << layout << spacing << margin;
    };
    // The margins of a layout nested in another layout are 0 by default, and
    // the spacing of one nested in a layout with spacing 0 is 0 as well:
    // those cases cannot be told from the defaults and are left out.
    row("dialog", "verticalLayout_3", StyleDefault, 0);
    row("dialog", "verticalLayout", 0, NotObservable);
    row("dialog", "verticalLayout_13", StyleDefault, 0);
    row("dialog", "verticalLayout_5", 0, 0);
    row("dialog", "verticalLayout_2", StyleDefault, 0);
    row("dialog", "gridLayout", StyleDefault, NotObservable);
    row("dialog", "verticalLayout_22", StyleDefault, 0);
    row("dialog", "verticalLayout_31", StyleDefault, 0);
    for (int n = 1; n <= 8; ++n) {
        const GraphPageNames &g = graphPageNames[n - 1];
        row("dialog", g.pageLayout, 0, 0);
        row("dialog", g.grid, 0, 0);
        row("dialog", g.datapointLayout, 0, 0);
        row("dialog", g.xyValuesLayout, 0, 0);
        row("dialog", axesPageLayouts[n - 1][0], StyleDefault, 0);
        row("dialog", axesPageLayouts[n - 1][1], 0, 0);
    }
    row("tab", "verticalLayout", StyleDefault, StyleDefault);
    row("tab", "gridLayout_2", StyleDefault, StyleDefault);
    row("tab", "verticalLayout_34", 0, 0);
    row("tab", "verticalLayout_35", 0, 0);
}

void tst_Forms::layoutSpacingAndMargins()
{
    QFETCH(QString, form);
    QFETCH(QString, layout);
    QFETCH(int, spacing);
    QFETCH(int, margin);

    auto *l = namedAs<QLayout>(form, layout);
    QVERIFY(l);

    // The same kind of layout, left at its defaults, on a window or on a
    // child widget like the one under test.
    QWidget referenceWindow;
    QWidget *referenceHost = &referenceWindow;
    if (!l->parentWidget()->isWindow())
        referenceHost = new QWidget(&referenceWindow);
    QLayout *reference = qobject_cast<QGridLayout *>(l) ? static_cast<QLayout *>(new QGridLayout(referenceHost))
                                                       : new QVBoxLayout(referenceHost);

    if (spacing == StyleDefault) {
        QVERIFY(reference->spacing() > 0);
        QCOMPARE(l->spacing(), reference->spacing());
    } else if (spacing != NotObservable) {
        QCOMPARE(l->spacing(), spacing);
    }
    if (margin == StyleDefault) {
        QVERIFY(!reference->contentsMargins().isNull());
        QCOMPARE(l->contentsMargins(), reference->contentsMargins());
    } else if (margin != NotObservable) {
        QCOMPARE(l->contentsMargins(), QMargins(margin, margin, margin, margin));
    }
}

// --------------------------------------------------------- pages and texts

void tst_Forms::tabPages_data()
{
    QTest::addColumn<QString>("tabWidget");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("current");

    QStringList plotPages{"plotAllTab"}, plotTitles{"All"}, axesPages, axesTitles;
    for (int n = 1; n <= 8; ++n) {
        plotPages << numbered("plot%1Tab", n);
        plotTitles << numbered("Graph %1", n);
        axesPages << numbered("graphAxes%1", n);
        axesTitles << numbered("Graph %1", n);
    }
    QTest::newRow("configTabs") << "configTabs"
                                << QStringList{"plotConfigTab", "axesConfigTab", "frameConfigTab"}
                                << QStringList{"Plot", "Axes", "Frame"} << 0;
    QTest::newRow("plotConfigTabs") << "plotConfigTabs" << plotPages << plotTitles << 2;
    QTest::newRow("axesConfigTabs") << "axesConfigTabs" << axesPages << axesTitles << 0;
}

void tst_Forms::tabPages()
{
    QFETCH(QString, tabWidget);
    QFETCH(QStringList, pages);
    QFETCH(QStringList, titles);
    QFETCH(int, current);

    auto *tabs = namedAs<QTabWidget>("dialog", tabWidget);
    QVERIFY(tabs);
    QStringList actualPages, actualTitles;
    for (int i = 0; i < tabs->count(); ++i) {
        actualPages << tabs->widget(i)->objectName();
        actualTitles << tabs->tabText(i);
        QCOMPARE(QString::fromLatin1(tabs->widget(i)->metaObject()->className()), QStringLiteral("QWidget"));
    }
    QCOMPARE(actualPages, pages);
    QCOMPARE(actualTitles, titles);
    QCOMPARE(tabs->currentIndex(), current);
}

void tst_Forms::texts_data()
{
    addFormColumn();
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("expected");

    auto row = [](const char *which, const QString &name, const char *property, const QString &text) {
        QTest::addRow("%s %s %s", which, qPrintable(name), property)
            << QString::fromLatin1(which) << name << QByteArray(property) << text;
    };
    auto d = [&row](const QString &name, const QString &text) { row("dialog", name, "text", text); };

    row("dialog", "Plot_Config_Dialog", "windowTitle", "Plot Configuration Dialog");
    d("lblOverlay1_2", "Overlay");
    for (int n = 1; n <= 8; ++n) {
        const GraphPageNames &g = graphPageNames[n - 1];
        d(numbered("lblPlot%1Mode", n), "Pan/Zoom Mode");
        d(numbered("lblAxes%1Mode", n), "Pan/Zoom Mode");
        d(numbered("lblOverlay%1", n), "Overlay");
        d(g.overlayFileLabel, "Overlay File:");
        d(numbered("lblOverlayFilePlot%1", n), QString());
        d(numbered("btnOverlayFile%1", n), "Overlay File ...");
        d(numbered("lblDisplayType%1", n), "Display Type:");
        d(numbered("lblCometLength%1", n), "Comet Length [sec]:");
        row("dialog", g.datapointBox, "title", "Datapoints");
        row("dialog", g.xyValuesBox, "title", "XY Values");
        d(numbered("radDatapointShowPlot%1", n), "Show");
        d(numbered("radDatapointHidePlot%1", n), "Hide");
        d(numbered("radXYValuesShowPlot%1", n), "Show");
        d(numbered("radXYValuesHidePlot%1", n), "Hide");
        d(numbered("lblGraph%1YAxes", n), "Y Axes");
        d(numbered("lblGraph%1TimeAxis", n), "X Axis");
    }
    d("lblScreenRefreshRate", "Screen Refresh Rate");
    d("lblDataSampleRate", "Data Sample Rate");
    d("lblScreenRefreshRateUnits", "[Hz]");
    d("lblDataSampleRateUnits", "[Hz]");
    d("lblScreenRefreshRateInterval", "= Interval");
    d("lblDataSampleRateInterval", "= Interval");
    d("lblScreenRefreshRateIntervalUnits", "[msec]");
    d("lblDataSampleRateIntervalUnits", "[msec]");
    d("lblDataStorage", "Data Storage");
    d("btnOk", "Ok");
    d("btnApply", "Apply");
    d("btnCancel", "Cancel");

    auto t = [&row](const QString &name, const QString &text) { row("tab", name, "text", text); };
    row("tab", "XY_Plot_Config_Tab", "windowTitle", QString());
    t("lblPlotMode", "Pan/Zoom Mode");
    t("lblLiveData", "Live Data");
    t("lblOverlay", "Overlay");
    t("label_7", "Overlay File:");
    t("lblDisplayType", "Display Type:");
    row("tab", "DatapointGrpBox", "title", "Datapoints");
    row("tab", "XYValuesGrpBox", "title", "XY Values");
    t("radDatapointShowPlot", "Show");
    t("radXYValuesShowPlot", "Show");
    t("radDatapointHidePlot", "Hide");
    t("radXYValuesHidePlot", "Hide");
    t("lblOverlayFilePlot", QString());
    t("btnOverlayFile", "Overlay File ...");
    t("lblCometLength", "Comet Length [sec]:");
}

void tst_Forms::texts()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QString, expected);

    QObject *object = named(form, name);
    QVERIFY(object);
    QCOMPARE(object->property(property.constData()).toString(), expected);
}

void tst_Forms::comboItems_data()
{
    addFormColumn();
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");

    const QStringList displayTypes{"Full Trace", "Marker Only", "Comet"};
    for (int n = 1; n <= 8; ++n)
        QTest::addRow("cboDisplayType%d", n) << "dialog" << numbered("cboDisplayType%1", n) << displayTypes;
    QTest::newRow("cmbDataStorageUnits") << "dialog" << "cmbDataStorageUnits"
                                         << QStringList{"Seconds", "Minutes", "Hours"};
    QTest::newRow("tab cboDisplayType") << "tab" << "cboDisplayType" << displayTypes;
}

void tst_Forms::comboItems()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QStringList, items);

    auto *combo = namedAs<QComboBox>(form, name);
    QVERIFY(combo);
    QStringList actual;
    for (int i = 0; i < combo->count(); ++i)
        actual << combo->itemText(i);
    QCOMPARE(actual, items);
    QCOMPARE(combo->currentIndex(), 0);
}

// ------------------------------------------------------------------ tables

void tst_Forms::tables_data()
{
    addFormColumn();
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("graph"); // 0: not set by the form
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("contextMenuVisible");
    QTest::addColumn<bool>("variableHeader");

    auto row = [](const char *which, const QString &name, int kind, int graph, int columns, int rows,
                  bool contextMenu, bool varHeader) {
        QTest::addRow("%s %s", which, qPrintable(name))
            << QString::fromLatin1(which) << name << kind << graph << columns << rows << contextMenu
            << varHeader;
    };
    row("dialog", "plotAllVarSpreadsheet", 9, 0, 6, 0, true, false);
    row("dialog", "plotAllOverlaySpreadsheet", 9, 0, 6, 0, true, false);
    for (int n = 1; n <= 8; ++n) {
        row("dialog", numbered("plot%1XYVarSpreadsheet", n), 10, n, 5, 1, false, true);
        row("dialog", numbered("plot%1XYOverlaySpreadsheet", n), 11, n, 5, 1, false, false);
        row("dialog", numbered("graph%1YAxesSpreadsheet", n), 2, n, 8, 2, false, false);
        row("dialog", numbered("graph%1XAxisSpreadsheet", n), 12, n, 7, 1, false, false);
    }
    row("tab", "plotXYVarSpreadsheet", 10, 0, 5, 1, false, true);
    row("tab", "plotXYOverlaySpreadsheet", 11, 0, 5, 1, false, false);
}

void tst_Forms::tables()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(int, graph);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(bool, contextMenuVisible);
    QFETCH(bool, variableHeader);

    auto *table = namedAs<QTableWidget>(form, name);
    QVERIFY(table);
    QVERIFY(table->inherits("Spreadsheet"));
    // A table the form leaves alone shows what a new table has.
    Spreadsheet fresh;

    QCOMPARE(table->property("spreadsheetKind").toInt(), kind);
    QCOMPARE(table->property("graphNumber").toInt(),
             graph ? graph : fresh.property("graphNumber").toInt());
    QCOMPARE(table->columnCount(), columns);
    QCOMPARE(table->rowCount(), rows);
    QCOMPARE(table->selectionMode(), QAbstractItemView::NoSelection);
    QCOMPARE(table->property("contextMenuVisible"),
             contextMenuVisible ? QVariant(true) : fresh.property("contextMenuVisible"));
    if (variableHeader) {
        QVERIFY(!table->horizontalHeader()->cascadingSectionResizes());
        QCOMPARE(table->horizontalHeader()->defaultSectionSize(), 100);
    }
}

// The table library is told its kind once the table has its size and
// selection mode, then its graph, then the dynamic property; the generated
// setupUi must keep that order for every table.
void tst_Forms::tableSetupOrder_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("calls");

    const QStringList sized{"setColumnCount(", "setRowCount(", "setSelectionMode("};
    const QString kind = QStringLiteral("setSpreadsheetKind(");
    const QString graph = QStringLiteral("setGraphNumber(");
    const QString contextMenu = QStringLiteral("setProperty(\"contextMenuVisible\"");
    const QString dialogHeader = QStringLiteral("ui_xy_plot_config_dialog.h");
    const QString tabHeader = QStringLiteral("ui_xy_plot_config_tab.h");

    for (const char *name : {"plotAllVarSpreadsheet", "plotAllOverlaySpreadsheet"})
        QTest::newRow(name) << dialogHeader << name
                            << QStringList{"setColumnCount(", "setSelectionMode(", kind, contextMenu};
    for (int n = 1; n <= 8; ++n) {
        for (const char *pattern : {"plot%1XYVarSpreadsheet", "plot%1XYOverlaySpreadsheet",
                                    "graph%1YAxesSpreadsheet", "graph%1XAxisSpreadsheet"}) {
            const QString name = numbered(pattern, n);
            QTest::newRow(qPrintable(name)) << dialogHeader << name << (sized + QStringList{kind, graph});
        }
    }
    for (const char *name : {"plotXYVarSpreadsheet", "plotXYOverlaySpreadsheet"})
        QTest::addRow("tab %s", name) << tabHeader << name << (sized + QStringList{kind});
}

void tst_Forms::tableSetupOrder()
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
        if (!statement.startsWith(prefix) || statement.startsWith(prefix + QLatin1String("setObjectName(")))
            continue;
        for (const QString &call : calls)
            if (statement.mid(prefix.size()).startsWith(call))
                made << call;
    }
    QCOMPARE(made, calls);
}

// ---------------------------------------------------- fonts, styles, alignment

void tst_Forms::fonts_data()
{
    addFormColumn();
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pointSize"); // 0: the form sets no font
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");

    auto row = [](const char *which, const QString &name, int size, bool bold, bool italic) {
        QTest::addRow("%s %s", which, qPrintable(name))
            << QString::fromLatin1(which) << name << size << bold << italic;
    };
    row("dialog", "configTabs", 12, false, false);
    row("dialog", "plotConfigTabs", 10, false, false);
    row("dialog", "axesConfigTabs", 10, false, false);
    row("dialog", "plotAllVarSpreadsheet", 10, false, false);
    row("dialog", "plotAllOverlaySpreadsheet", 10, false, false);
    row("dialog", "lblOverlay1_2", 0, false, false);
    for (int n = 1; n <= 8; ++n) {
        row("dialog", numbered("lblPlot%1Mode", n), 14, true, true);
        row("dialog", numbered("lblAxes%1Mode", n), 14, true, true);
        row("dialog", numbered("lblGraph%1YAxes", n), 20, false, false);
        row("dialog", numbered("lblGraph%1TimeAxis", n), 20, false, false);
        row("dialog", numbered("graph%1YAxesSpreadsheet", n), 10, false, false);
        row("dialog", numbered("graph%1XAxisSpreadsheet", n), 10, false, false);
        row("dialog", numbered("plot%1XYVarSpreadsheet", n), 0, false, false);
        row("dialog", numbered("plot%1XYOverlaySpreadsheet", n), 0, false, false);
    }
    row("tab", "lblPlotMode", 14, true, true);
    row("tab", "plotXYVarSpreadsheet", 0, false, false);
}

void tst_Forms::fonts()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(int, pointSize);
    QFETCH(bool, bold);
    QFETCH(bool, italic);

    auto *widget = namedAs<QWidget>(form, name);
    QVERIFY(widget);
    QCOMPARE(widget->testAttribute(Qt::WA_SetFont), pointSize != 0);
    if (pointSize) {
        QCOMPARE(widget->font().pointSize(), pointSize);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(widget->font().italic(), italic);
    }
}

void tst_Forms::styleSheets_data()
{
    addFormColumn();
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("styleSheet");

    auto row = [](const char *which, const QString &name, const QString &sheet) {
        QTest::addRow("%s %s", which, qPrintable(name)) << QString::fromLatin1(which) << name << sheet;
    };
    row("dialog", "configTabs", "QTabBar::tab { height: 30px; width: 250px; }\n\n");
    row("dialog", "plotConfigTabs", SideTabs);
    row("dialog", "axesConfigTab", SideTabs);
    row("dialog", "axesConfigTabs", QString());
    row("dialog", "lblOverlay1_2", OverlayHeading);
    for (int n = 1; n <= 8; ++n) {
        row("dialog", numbered("lblPlot%1Mode", n), Red);
        row("dialog", numbered("lblAxes%1Mode", n), Red);
        row("dialog", numbered("lblOverlay%1", n), OverlayHeading);
        row("dialog", numbered("lblGraph%1YAxes", n), Red);
        row("dialog", numbered("lblGraph%1TimeAxis", n), Red);
    }
    row("tab", "lblPlotMode", Red);
    row("tab", "lblLiveData", OverlayHeading);
    row("tab", "lblOverlay", OverlayHeading);
}

void tst_Forms::styleSheets()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, styleSheet);

    auto *widget = namedAs<QWidget>(form, name);
    QVERIFY(widget);
    QCOMPARE(widget->styleSheet(), styleSheet);
}

void tst_Forms::alignments_data()
{
    addFormColumn();
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("leftToRightSet");

    const int right = Qt::AlignRight | Qt::AlignVCenter;
    const int center = Qt::AlignCenter;
    const int plain = Qt::AlignLeft | Qt::AlignVCenter;
    auto row = [](const char *which, const QString &name, int alignment, bool ltr) {
        QTest::addRow("%s %s", which, qPrintable(name)) << QString::fromLatin1(which) << name << alignment << ltr;
    };
    row("dialog", "lblScreenRefreshRate", right, true);
    row("dialog", "lblDataSampleRate", right, true);
    row("dialog", "lblDataStorage", right, true);
    row("dialog", "lblScreenRefreshRateInterval", plain, false);
    row("dialog", "lblDataSampleRateIntervalUnits", plain, false);
    for (int n = 1; n <= 8; ++n) {
        row("dialog", numbered("lblDisplayType%1", n), right, false);
        row("dialog", numbered("lblCometLength%1", n), right, false);
        row("dialog", numbered("lblPlot%1Mode", n), center, false);
        row("dialog", numbered("lblAxes%1Mode", n), center, false);
        row("dialog", numbered("lblGraph%1YAxes", n), plain, false);
    }
    row("tab", "lblPlotMode", center, false);
    row("tab", "lblDisplayType", right, false);
    row("tab", "lblCometLength", right, false);
    row("tab", "label_7", plain, false);
}

void tst_Forms::alignments()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(int, alignment);
    QFETCH(bool, leftToRightSet);

    auto *label = namedAs<QLabel>(form, name);
    QVERIFY(label);
    QCOMPARE(int(label->alignment()), alignment);
    QCOMPARE(label->testAttribute(Qt::WA_SetLayoutDirection), leftToRightSet);
    QCOMPARE(label->layoutDirection(), Qt::LeftToRight);
}

// ------------------------------------------------------ buddies, tab order

void tst_Forms::buddies_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("buddy");

    QTest::newRow("screen refresh rate") << "lblScreenRefreshRate" << "lineEditScreenRefreshRate";
    QTest::newRow("screen refresh interval") << "lblScreenRefreshRateInterval" << "lineEditScreenRefreshInterval";
    QTest::newRow("data sample rate") << "lblDataSampleRate" << "lineEditDataSampleRate";
    QTest::newRow("data sample interval") << "lblDataSampleRateInterval" << "lineEditDataSampleInterval";
    QTest::newRow("data storage") << "lblDataStorage" << "lineEditDataStorage";
    QTest::newRow("units have none") << "lblScreenRefreshRateUnits" << QString();
}

void tst_Forms::buddies()
{
    QFETCH(QString, label);
    QFETCH(QString, buddy);

    auto *l = namedAs<QLabel>("dialog", label);
    QVERIFY(l);
    QCOMPARE(l->buddy() ? l->buddy()->objectName() : QString(), buddy);
}

// The chain that Tab follows through the dialog. A widget that is not part
// of the chain may sit between two of its members only when it belongs to
// the first of them (its pages, its tab bar, a table's cells); the members
// themselves are in the listed order.
void tst_Forms::tabOrder()
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
        chain << numbered("graph%1YAxesSpreadsheet", n) << numbered("graph%1XAxisSpreadsheet", n);

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
                     qPrintable(QStringLiteral("%1 comes between %2 and %3")
                                    .arg(w->objectName(), from->objectName(), to->objectName())));
            w = w->nextInFocusChain();
        }
        QVERIFY2(w == to, qPrintable(QStringLiteral("%1 does not lead to %2").arg(chain.at(i), chain.at(i + 1))));
    }
}

// ------------------------------------------------------------------ buttons

void tst_Forms::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("btnOk") << "btnOk";
    QTest::newRow("btnApply") << "btnApply";
    QTest::newRow("btnCancel") << "btnCancel";
}

void tst_Forms::buttons()
{
    QFETCH(QString, name);

    auto *button = namedAs<QPushButton>("dialog", name);
    QVERIFY(button);
    QCOMPARE(button->parentWidget(), dialog.get());
    QVERIFY(!button->autoDefault());
    QVERIFY(!button->isDefault());
    QVERIFY(button->toolTip().isEmpty());
}

// The icons are files relative to the working directory. Set up in a
// directory where the three files exist, each button shows its own.
void tst_Forms::buttonIcons()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString actions = tmp.path() + QStringLiteral("/specs/qt/crystal_project/16x16/actions/");
    const struct
    {
        const char *button;
        const char *file;
        QColor color;
    } icons[] = {{"btnOk", "ok.png", Qt::red}, {"btnApply", "apply.png", Qt::green}, {"btnCancel", "cancel.png", Qt::blue}};
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
        const QIcon buttonIcon = button->icon();
        QVERIFY2(!buttonIcon.isNull(), icon.button);
        const QImage shown = buttonIcon.pixmap(QSize(16, 16), QIcon::Normal, QIcon::Off).toImage();
        QCOMPARE(shown.size(), QSize(16, 16));
        QCOMPARE(QColor(shown.pixel(8, 8)), icon.color);
    }
}

// ------------------------------------------------------------- rate fields

void tst_Forms::rateFieldsOnPlotPageOnly_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"lineEditScreenRefreshRate", "lineEditScreenRefreshInterval",
                             "lineEditDataSampleRate", "lineEditDataSampleInterval", "lineEditDataStorage",
                             "cmbDataStorageUnits"})
        QTest::newRow(name) << name;
}

void tst_Forms::rateFieldsOnPlotPageOnly()
{
    QFETCH(QString, name);

    auto *field = namedAs<QWidget>("dialog", name);
    QVERIFY(field);
    dialog->show();
    QStringList shownOn;
    for (int page = 0; page < ui.configTabs->count(); ++page) {
        ui.configTabs->setCurrentIndex(page);
        if (field->isVisible())
            shownOn << ui.configTabs->widget(page)->objectName();
    }
    ui.configTabs->setCurrentIndex(0);
    dialog->hide();
    QCOMPARE(shownOn, QStringList{"plotConfigTab"});

    // Below the graph pages, whichever graph page is current.
    QVERIFY(!ui.plotConfigTabs->isAncestorOf(field));
}

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"

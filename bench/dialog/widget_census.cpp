#include "widget_census.h"

#include "bench_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>
#include <iterator>
#include <vector>

namespace dialog_bench {

namespace {

// The Qt classes the baseline can build, by name.
using Factory = std::function<QWidget *(QWidget *)>;

const QMap<QByteArray, Factory> &factories()
{
    static const QMap<QByteArray, Factory> map{
        {"QWidget", [](QWidget *p) { return new QWidget(p); }},
        {"QFrame", [](QWidget *p) { return new QFrame(p); }},
        {"QLabel", [](QWidget *p) { return new QLabel(QStringLiteral("Label"), p); }},
        {"QPushButton", [](QWidget *p) { return new QPushButton(QStringLiteral("Button"), p); }},
        {"QToolButton", [](QWidget *p) { return new QToolButton(p); }},
        {"QRadioButton", [](QWidget *p) { return new QRadioButton(QStringLiteral("Radio"), p); }},
        {"QCheckBox", [](QWidget *p) { return new QCheckBox(p); }},
        {"QComboBox", [](QWidget *p) { return new QComboBox(p); }},
        {"QSpinBox", [](QWidget *p) { return new QSpinBox(p); }},
        {"QDoubleSpinBox", [](QWidget *p) { return new QDoubleSpinBox(p); }},
        {"QLineEdit", [](QWidget *p) { return new QLineEdit(p); }},
        {"QGroupBox", [](QWidget *p) { return new QGroupBox(QStringLiteral("Group"), p); }},
        {"QTabWidget", [](QWidget *p) { return new QTabWidget(p); }},
        {"QTabBar", [](QWidget *p) { return new QTabBar(p); }},
        {"QStackedWidget", [](QWidget *p) { return new QStackedWidget(p); }},
        {"QTableWidget", [](QWidget *p) { return new QTableWidget(p); }},
        {"QHeaderView", [](QWidget *p) { return new QHeaderView(Qt::Horizontal, p); }},
        {"QScrollBar", [](QWidget *p) { return new QScrollBar(p); }},
        {"QScrollArea", [](QWidget *p) { return new QScrollArea(p); }},
        {"QListView", [](QWidget *p) { return new QListView(p); }},
    };
    return map;
}

// The nearest Qt class the baseline can build for a widget of the dialog:
// the class itself, or its closest base that is one.
QByteArray nearestQtClass(const QMetaObject *meta)
{
    for (; meta; meta = meta->superClass()) {
        if (factories().contains(meta->className()))
            return meta->className();
    }
    return "QWidget";
}

} // namespace

Census censusOf(QWidget *root, bool nearest)
{
    Census census;
    for (QWidget *w : root->findChildren<QWidget *>())
        census[nearest ? nearestQtClass(w->metaObject())
                       : QByteArray(w->metaObject()->className())]++;
    return census;
}

int total(const Census &c)
{
    int n = 0;
    for (int v : c)
        n += v;
    return n;
}

std::unique_ptr<QDialog> buildBaseline(const Census &target, bool styleSheet)
{
    std::unique_ptr<QDialog> dialog(new QDialog);
    auto *outer = new QVBoxLayout(dialog.get());
    auto *tabs = new QTabWidget(dialog.get());
    if (styleSheet)
        tabs->setStyleSheet(QStringLiteral("QTabBar::tab { height: 30px; width: 250px; }"));
    outer->addWidget(tabs);
    std::vector<QGridLayout *> grids;
    for (int p = 0; p < GraphSlots + 1; ++p) {
        auto *page = new QWidget;
        grids.push_back(new QGridLayout(page));
        tabs->addTab(page, QStringLiteral("Page %1").arg(p));
    }
    static const QByteArray composites[] = {"QTabWidget", "QTableWidget", "QScrollArea",
                                            "QGroupBox",  "QComboBox",    "QDoubleSpinBox",
                                            "QSpinBox",   "QListView",    "QStackedWidget"};
    QList<QByteArray> order(std::begin(composites), std::end(composites));
    for (const QByteArray &name : target.keys()) {
        if (!order.contains(name))
            order << name;
    }
    int placed = 0;
    for (const QByteArray &name : order) {
        const int missing = target.value(name) - censusOf(dialog.get(), true).value(name);
        for (int i = 0; i < missing; ++i) {
            QGridLayout *grid = grids[size_t(placed % int(grids.size()))];
            const int slot = placed / int(grids.size());
            grid->addWidget(factories().value(name)(nullptr), slot / 8, slot % 8);
            ++placed;
        }
    }
    return dialog;
}

} // namespace dialog_bench

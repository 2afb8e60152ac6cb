// Tab widgets that lay themselves out again only when something they place
// has changed size.
#ifndef XY_PLOT_CONFIG_STEADY_TAB_LAYOUT_H
#define XY_PLOT_CONFIG_STEADY_TAB_LAYOUT_H

#include <QHash>
#include <QObject>
#include <QSize>

class QTabWidget;

// A tab widget lays out its tab bar and pages, and repaints itself whole,
// on every layout request from below, and every switch of pages sends one
// up through each tab widget it lies in: a switch between graph tabs would
// repaint the whole dialog, after the page it shows. This filter lets a
// request through only when the sizes the tab widget lays out from differ
// from those of the last layout; its own resizes, new tabs and style
// changes lay it out as before.
class SteadyTabLayout : public QObject
{
public:
    explicit SteadyTabLayout(QObject *parent)
        : QObject(parent)
    {}

    void watch(QTabWidget *tabs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Sizes
    {
        QSize tabs, bar, hint, minimum;
        bool barShown = false;
        int count = 0;
        bool operator==(const Sizes &other) const;
    };
    static Sizes sizesOf(const QTabWidget *tabs);

    QHash<QObject *, Sizes> m_laidOut;
};

#endif // XY_PLOT_CONFIG_STEADY_TAB_LAYOUT_H

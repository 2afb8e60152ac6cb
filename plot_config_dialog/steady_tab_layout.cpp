// Tab widgets that lay themselves out again only when something they place
// has changed size.
#include "steady_tab_layout.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

bool SteadyTabLayout::Sizes::operator==(const Sizes &other) const
{
    return tabs == other.tabs && bar == other.bar && hint == other.hint && minimum == other.minimum
           && barShown == other.barShown && count == other.count;
}

SteadyTabLayout::Sizes SteadyTabLayout::sizesOf(const QTabWidget *tabs)
{
    const QTabBar *bar = tabs->tabBar();
    return {tabs->size(),           bar->sizeHint(), tabs->sizeHint(), tabs->minimumSizeHint(),
            bar->isVisibleTo(tabs), tabs->count()};
}

void SteadyTabLayout::watch(QTabWidget *tabs)
{
    tabs->installEventFilter(this);
    connect(tabs, &QObject::destroyed, this, [this](QObject *gone) { m_laidOut.remove(gone); });
}

bool SteadyTabLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::LayoutRequest)
        return false;
    const auto *tabs = static_cast<const QTabWidget *>(watched);
    // A hidden tab widget only notes that it is to be laid out when shown.
    if (!tabs->isVisible())
        return false;
    const Sizes now = sizesOf(tabs);
    const auto last = m_laidOut.constFind(watched);
    if (last != m_laidOut.constEnd() && *last == now)
        return true; // the same layout: nothing to place or repaint
    m_laidOut.insert(watched, now);
    return false;
}

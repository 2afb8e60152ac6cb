#include "overlay_curve.h"

#include <cmath>

OverlayCurve::OverlayCurve(const QString &title)
    : QwtPlotCurve(title)
{}

void OverlayCurve::setPoints(const QVector<QPointF> &points)
{
    m_segments.clear();
    double left = 0.0, right = 0.0, top = 0.0, bottom = 0.0;
    bool any = false;
    int start = -1;
    for (int i = 0; i <= points.size(); ++i) {
        const bool drawn =
            i < points.size() && std::isfinite(points.at(i).x()) && std::isfinite(points.at(i).y());
        if (drawn) {
            const QPointF &p = points.at(i);
            if (start < 0)
                start = i;
            left = any ? qMin(left, p.x()) : p.x();
            right = any ? qMax(right, p.x()) : p.x();
            top = any ? qMin(top, p.y()) : p.y();
            bottom = any ? qMax(bottom, p.y()) : p.y();
            any = true;
        } else if (start >= 0) {
            m_segments.append(qMakePair(start, i - 1));
            start = -1;
        }
    }
    m_bounds =
        any ? QRectF(QPointF(left, top), QPointF(right, bottom)) : QRectF(1.0, 1.0, -2.0, -2.0);
    setSamples(points);
}

QRectF OverlayCurve::boundingRect() const
{
    return m_bounds;
}

void OverlayCurve::drawSeries(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                              const QRectF &canvasRect, int from, int to) const
{
    if (to < 0)
        to = static_cast<int>(dataSize()) - 1;
    for (const QPair<int, int> &run : m_segments) {
        const int a = qMax(from, run.first);
        const int b = qMin(to, run.second);
        if (a <= b)
            QwtPlotCurve::drawSeries(painter, xMap, yMap, canvasRect, a, b);
    }
}

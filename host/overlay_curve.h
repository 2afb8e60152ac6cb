// An overlay curve of recorded channels: a point with a NaN coordinate (an
// empty cell in the logger file) is a gap, so the line stops there and
// starts again after it instead of running through a made-up value.
#ifndef XY_PLOT_HOST_OVERLAY_CURVE_H
#define XY_PLOT_HOST_OVERLAY_CURVE_H

#include <QPair>
#include <QPointF>
#include <QVector>

#include <qwt_plot_curve.h>

class OverlayCurve : public QwtPlotCurve
{
public:
    explicit OverlayCurve(const QString &title);

    // Takes the points, gaps included.
    void setPoints(const QVector<QPointF> &points);

    // The runs of points without a gap, as first and last index.
    const QVector<QPair<int, int>> &segments() const { return m_segments; }

    // Of the points that are drawn only.
    QRectF boundingRect() const override;

protected:
    void drawSeries(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                    const QRectF &canvasRect, int from, int to) const override;

private:
    QVector<QPair<int, int>> m_segments;
    QRectF m_bounds;
};

#endif // XY_PLOT_HOST_OVERLAY_CURVE_H

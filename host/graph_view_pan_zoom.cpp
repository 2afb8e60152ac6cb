// A graph's pan and zoom: the mouse tools, the gate that may hold a
// gesture back, the pan/zoom state the host locks the configuration on, and
// the graph's context menu.
#include "graph_view.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPen>

#include <qwt_plot_canvas.h>
#include <qwt_plot_magnifier.h>
#include <qwt_plot_panner.h>
#include <qwt_plot_zoomer.h>

// The mouse wheel zooms: that counts as zoom mode like a zoom box does.
class GraphView::Magnifier : public QwtPlotMagnifier
{
public:
    Magnifier(QWidget *canvas, GraphView *view)
        : QwtPlotMagnifier(canvas)
        , m_view(view)
    {
        // Right drag would magnify too; the right button belongs to the menu.
        setMouseButton(Qt::NoButton);
    }

protected:
    void rescale(double factor) override
    {
        QwtPlotMagnifier::rescale(factor);
        m_view->setPanZoom(m_view->m_panned, true);
    }

private:
    GraphView *m_view;
};

void GraphView::createPanZoomTools(QWidget *canvas)
{
    // Left drag: zoom box; Ctrl+right click: back out of every zoom;
    // Ctrl+Shift+right click: one step back; middle drag: pan; wheel:
    // magnify. A plain right click opens the graph's menu.
    m_zoomer = new QwtPlotZoomer(QwtPlot::xBottom, QwtPlot::yLeft, canvas, false);
    m_zoomer->setMousePattern(QwtEventPattern::MouseSelect2, Qt::RightButton, Qt::ControlModifier);
    m_zoomer->setMousePattern(QwtEventPattern::MouseSelect3, Qt::RightButton,
                              Qt::ControlModifier | Qt::ShiftModifier);
    m_zoomer->setRubberBandPen(QPen(QColor(255, 200, 0), 1, Qt::DashLine));
    m_zoomer->setTrackerPen(QPen(QColor(230, 230, 230)));
    m_zoomer->setTrackerMode(QwtPicker::ActiveOnly);
    // The right axis follows the same zoom box.
    m_rightZoomer = new QwtPlotZoomer(QwtPlot::xBottom, QwtPlot::yRight, canvas, false);
    m_rightZoomer->setMousePattern(QwtEventPattern::MouseSelect2, Qt::RightButton,
                                   Qt::ControlModifier);
    m_rightZoomer->setMousePattern(QwtEventPattern::MouseSelect3, Qt::RightButton,
                                   Qt::ControlModifier | Qt::ShiftModifier);
    m_rightZoomer->setRubberBand(QwtPicker::NoRubberBand);
    m_rightZoomer->setTrackerMode(QwtPicker::AlwaysOff);
    connect(m_zoomer, &QwtPlotZoomer::zoomed, this, &GraphView::onZoomed);

    m_panner = new QwtPlotPanner(canvas);
    m_panner->setMouseButton(Qt::MiddleButton);
    connect(m_panner, &QwtPlotPanner::panned, this, &GraphView::onPanned);
    m_magnifier = new Magnifier(canvas, this);

    // Installed again, the plot's own filter moves ahead of the zoomer's,
    // panner's and magnifier's, so the gate sees each gesture first.
    canvas->installEventFilter(this);

    canvas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(canvas, &QWidget::customContextMenuRequested, this, &GraphView::showContextMenu);
}

void GraphView::rebaseZoomers()
{
    // The zoom stack starts from what the graph shows now.
    m_zoomer->setZoomBase(false);
    m_rightZoomer->setZoomBase(false);
}

void GraphView::resetView()
{
    m_panned = false;
    m_zoomed = false;
    applyAxes();
    replot();
    rebaseZoomers();
    emit panZoomChanged(m_slot);
}

bool GraphView::eventFilter(QObject *object, QEvent *event)
{
    if (object == canvas() && m_panZoomGate) {
        bool gesture = false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // Left: zoom box; middle: pan; Ctrl+right: back out of the zoom.
            // A plain right click is the graph's menu.
            const auto *mouse = static_cast<QMouseEvent *>(event);
            gesture = mouse->button() == Qt::LeftButton || mouse->button() == Qt::MiddleButton
                      || (mouse->button() == Qt::RightButton
                          && (mouse->modifiers() & Qt::ControlModifier));
            break;
        }
        case QEvent::Wheel:
        case QEvent::KeyPress: // the zoomer's keys
            gesture = true;
            break;
        default:
            break;
        }
        if (gesture && !m_panZoomGate())
            return true;
    }
    return QwtPlot::eventFilter(object, event);
}

void GraphView::setPanZoom(bool panned, bool zoomed)
{
    if (panned == m_panned && zoomed == m_zoomed)
        return;
    m_panned = panned;
    m_zoomed = zoomed;
    emit panZoomChanged(m_slot);
}

void GraphView::onZoomed()
{
    if (m_zoomer->zoomRectIndex() == 0) {
        // Back at the base: the graph shows what it showed before any zoom.
        resetView();
        return;
    }
    setPanZoom(m_panned, true);
}

void GraphView::onPanned()
{
    setPanZoom(true, m_zoomed);
}

void GraphView::showContextMenu(const QPoint &pos)
{
    QMenu menu(this);
    QAction *plot = menu.addAction(tr("Configure Plot..."));
    QAction *axes = menu.addAction(tr("Configure Axes..."));
    menu.addSeparator();
    QAction *reset = menu.addAction(tr("Reset zoom"));
    reset->setEnabled(m_panned || m_zoomed);
    QAction *chosen = menu.exec(canvas()->mapToGlobal(pos));
    if (chosen == plot)
        emit requested(m_slot, ConfigurePlot);
    else if (chosen == axes)
        emit requested(m_slot, ConfigureAxes);
    else if (chosen == reset)
        emit requested(m_slot, ResetZoom);
}

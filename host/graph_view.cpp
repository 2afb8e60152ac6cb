#include "graph_view.h"

#include "channel_simulator.h"
#include "logger_series.h"
#include "overlay_curve.h"
#include "scale_divisions.h"
#include "stipple.h"

#include <QPen>
#include <QtMath>

#include <qwt_legend.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_textlabel.h>
#include <qwt_plot_zoomer.h>
#include <qwt_scale_widget.h>
#include <qwt_symbol.h>
#include <qwt_text.h>

#include <cmath>

namespace {

const QString TimeChannel = QStringLiteral("Time");

// Eight graphs in two columns of four rows fit a 1280 x 720 window.
const int MinimumWidth = 320;
const int MinimumHeight = 120;

QColor colourOf(const QString &name, const QColor &fallback)
{
    QColor c(name);
    return c.isValid() ? c : fallback;
}

QString formatValue(double v)
{
    const double a = std::fabs(v);
    const int decimals = a >= 1000.0 ? 0 : a >= 100.0 ? 1 : a >= 10.0 ? 2 : 3;
    return QString::number(v, 'f', decimals);
}

void styleGrid(QwtPlotGrid *grid, const Single_Axis_Info &axis)
{
    grid->setMajorPen(
        stipplePen(colourOf(axis.gridColorName, Qt::gray), axis.gridLineWidth, axis.gridLineStyle));
    grid->setVisible(axis.gridVisible);
}

} // namespace

GraphView::GraphView(int slot, QWidget *parent)
    : QwtPlot(parent)
    , m_slot(slot)
{
    setAutoReplot(false);
    // Shrinks down to minimumSizeHint() when space is short (QwtPlot's own
    // policy never lets a layout go below its full size hint).
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto *canvas = new QwtPlotCanvas;
    canvas->setFrameStyle(QFrame::Box | QFrame::Plain);
    canvas->setLineWidth(1);
    canvas->setPaintAttribute(QwtPlotCanvas::BackingStore, false);
    setCanvas(canvas);
    plotLayout()->setAlignCanvasToScales(true);

    createPanZoomTools(canvas);
}

GraphView::~GraphView() = default;

QSize GraphView::minimumSizeHint() const
{
    return QSize(MinimumWidth, MinimumHeight);
}

void GraphView::scrolledTimeRange(double rangeMin, double rangeMax, double now, double *lower,
                                  double *upper)
{
    if (now <= rangeMax) {
        *lower = rangeMin;
        *upper = rangeMax;
    } else {
        *lower = now - (rangeMax - rangeMin);
        *upper = now;
    }
}

void GraphView::configure(const Plot_Axis_Info &graph, const Plot_Screen_Info &screen,
                          const ChannelSimulator &channels, const LoggerSeries *overlay)
{
    m_graph = graph;
    detachItems(QwtPlotItem::Rtti_PlotItem, true);
    m_curves.clear();
    m_overlayCurves.clear();

    const QColor background = colourOf(screen.plotBgColorName, Qt::black);
    setCanvasBackground(background);
    const QColor text = background.lightness() < 128 ? QColor(220, 220, 220) : QColor(20, 20, 20);

    m_xGrid = new QwtPlotGrid;
    m_xGrid->enableY(false);
    styleGrid(m_xGrid, graph.xAxis);
    m_xGrid->attach(this);
    m_leftGrid = new QwtPlotGrid;
    m_leftGrid->enableX(false);
    styleGrid(m_leftGrid, graph.leftYAxis);
    m_leftGrid->attach(this);
    m_rightGrid = new QwtPlotGrid;
    m_rightGrid->enableX(false);
    m_rightGrid->setAxes(QwtPlot::xBottom, QwtPlot::yRight);
    styleGrid(m_rightGrid, graph.rightYAxis);
    m_rightGrid->attach(this);

    const int count =
        static_cast<int>(qMin<unsigned long>(graph.numVarChannels, Plot_Axis_Info::MaxChannels));
    m_rightAxisUsed = false;
    m_timeX = count > 0;
    for (int r = 0; r < count; ++r) {
        const Plot_Channel_Info &ch = graph.varChannels[r];
        LiveCurve live;
        live.xName = ch.xVarName;
        live.yName = ch.yVarName;
        live.xColumn = channels.indexOf(ch.xVarName);
        live.yColumn = channels.indexOf(ch.yVarName);
        live.colour = ch.lineColor.isValid() ? ch.lineColor : QColor(Qt::white);
        m_timeX = m_timeX && ch.xVarName == TimeChannel;
        const int yAxis = ch.useLeftAxis ? QwtPlot::yLeft : QwtPlot::yRight;
        m_rightAxisUsed = m_rightAxisUsed || !ch.useLeftAxis;

        QString title =
            ch.xVarName == TimeChannel ? ch.yVarName : tr("%1 vs %2").arg(ch.yVarName, ch.xVarName);
        if (live.xColumn < 0 || live.yColumn < 0)
            title += tr(" (no live data)");
        live.curve = new QwtPlotCurve(title);
        live.curve->setRenderHint(QwtPlotItem::RenderAntialiased);
        live.curve->setPen(stipplePen(live.colour, ch.lineWidth, ch.lineStyle));
        live.curve->setAxes(QwtPlot::xBottom, yAxis);
        live.curve->setLegendAttribute(QwtPlotCurve::LegendShowLine);
        live.curve->setLegendAttribute(QwtPlotCurve::LegendShowSymbol);
        if (graph.displayType == DisplayMarkerOnly)
            live.curve->setStyle(QwtPlotCurve::NoCurve);
        if (graph.showDatapoints)
            live.curve->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(live.colour),
                                                QPen(live.colour), QSize(5, 5)));
        live.curve->attach(this);

        // The moving head of a comet and the marker of "Marker Only".
        live.head = new QwtPlotMarker;
        live.head->setSymbol(
            new QwtSymbol(QwtSymbol::Ellipse, QBrush(live.colour), QPen(text, 1.5), QSize(9, 9)));
        live.head->setAxes(QwtPlot::xBottom, yAxis);
        live.head->setItemAttribute(QwtPlotItem::Legend, false);
        live.head->setVisible(false);
        live.head->attach(this);
        m_curves.append(live);
    }

    const int overlays = static_cast<int>(
        qMin<unsigned long>(graph.numOverlayChannels, Plot_Axis_Info::MaxChannels));
    for (int r = 0; r < overlays; ++r) {
        const Plot_Channel_Info &ch = graph.overlayChannels[r];
        auto *curve = new OverlayCurve(tr("Ref: %1").arg(ch.yVarName));
        curve->setRenderHint(QwtPlotItem::RenderAntialiased);
        curve->setPen(stipplePen(ch.lineColor, ch.lineWidth, ch.lineStyle));
        const int yAxis = ch.useLeftAxis ? QwtPlot::yLeft : QwtPlot::yRight;
        m_rightAxisUsed = m_rightAxisUsed || !ch.useLeftAxis;
        curve->setAxes(QwtPlot::xBottom, yAxis);
        curve->setLegendAttribute(QwtPlotCurve::LegendShowLine);
        if (overlay) {
            const QVector<double> xs = overlay->column(ch.xVarName);
            const QVector<double> ys = overlay->column(ch.yVarName);
            QVector<QPointF> points;
            const int n = qMin(xs.size(), ys.size());
            points.reserve(n);
            for (int i = 0; i < n; ++i)
                points.append(QPointF(xs.at(i), ys.at(i))); // NaN: a gap in the curve
            curve->setPoints(points);
        }
        curve->attach(this);
        m_overlayCurves.append(curve);
    }

    m_xyValues = new QwtPlotTextLabel;
    m_xyValues->setMargin(6);
    m_xyValues->setVisible(graph.showXYValues);
    m_xyValues->attach(this);

    // Axis colours and labels.
    for (int axisId : {int(QwtPlot::xBottom), int(QwtPlot::yLeft), int(QwtPlot::yRight)}) {
        const Single_Axis_Info &axis = axisId == QwtPlot::xBottom ? graph.xAxis
                                       : axisId == QwtPlot::yLeft ? graph.leftYAxis
                                                                  : graph.rightYAxis;
        const QColor colour = colourOf(axis.axisColorName, text);
        QwtScaleWidget *scale = axisWidget(axisId);
        QPalette pal = scale->palette();
        pal.setColor(QPalette::WindowText, colour);
        pal.setColor(QPalette::Text, colour);
        scale->setPalette(pal);
        QwtText title(axis.label);
        title.setColor(colour);
        QFont font = title.font();
        font.setPointSizeF(9.0);
        font.setBold(true);
        title.setFont(font);
        setAxisTitle(axisId, title);
        QFont tickFont = axisFont(axisId);
        tickFont.setPointSizeF(8.0);
        setAxisFont(axisId, tickFont);
    }
    enableAxis(QwtPlot::yRight, m_rightAxisUsed);
    m_rightGrid->setVisible(m_rightAxisUsed && graph.rightYAxis.gridVisible);

    if (screen.legend) {
        auto *legend = new QwtLegend;
        QPalette pal = legend->palette();
        pal.setColor(QPalette::WindowText, text);
        pal.setColor(QPalette::Text, text);
        legend->setPalette(pal);
        QFont font = legend->font();
        font.setPointSizeF(8.5);
        legend->setFont(font);
        insertLegend(legend, QwtPlot::RightLegend);
    } else {
        insertLegend(nullptr);
    }

    m_zoomer->zoom(0);
    m_panned = false;
    m_zoomed = false;
    applyAxes();
    replot();
    rebaseZoomers();
}

void GraphView::applyAxis(int axisId, const Single_Axis_Info &axis, double lower, double upper)
{
    setAxisMaxMajor(axisId, static_cast<int>(qBound(1UL, axis.numMajorTicks, 50UL)));
    setAxisMaxMinor(axisId, static_cast<int>(qMin(axis.numMinorTicks + 1, 50UL)));
    if (axis.autoRange || !(upper > lower)) {
        setAxisAutoScale(axisId, true);
        return;
    }
    const bool scrolling =
        axisId == QwtPlot::xBottom && m_timeX && (lower != axis.rangeMin || upper != axis.rangeMax);
    setAxisScaleDiv(axisId,
                    scrolling
                        ? alignedDivision(lower, upper, axis.numMajorTicks, axis.numMinorTicks)
                        : evenDivision(lower, upper, axis.numMajorTicks, axis.numMinorTicks));
}

void GraphView::applyAxes()
{
    applyAxis(QwtPlot::xBottom, m_graph.xAxis, m_graph.xAxis.rangeMin, m_graph.xAxis.rangeMax);
    applyAxis(QwtPlot::yLeft, m_graph.leftYAxis, m_graph.leftYAxis.rangeMin,
              m_graph.leftYAxis.rangeMax);
    applyAxis(QwtPlot::yRight, m_graph.rightYAxis, m_graph.rightYAxis.rangeMin,
              m_graph.rightYAxis.rangeMax);
}

void GraphView::refresh(const SampleHistory &history, double now)
{
    const int end = history.size();
    QString values;
    for (LiveCurve &live : m_curves) {
        if (live.xColumn < 0 || live.yColumn < 0 || end == 0) {
            live.curve->setSamples(QVector<QPointF>());
            live.head->setVisible(false);
            continue;
        }
        int start = 0;
        if (m_graph.displayType == DisplayMarkerOnly)
            start = end - 1;
        else if (m_graph.displayType == DisplayComet)
            start = history.firstAtOrAfter(now - qMax<qint64>(1, m_graph.cometLength));
        start = qMin(start, end - 1);
        QVector<QPointF> points;
        if (m_graph.displayType != DisplayMarkerOnly) {
            points.reserve(end - start);
            for (int i = start; i < end; ++i)
                points.append(
                    QPointF(history.value(i, live.xColumn), history.value(i, live.yColumn)));
        }
        live.curve->setSamples(points);
        const QPointF latest(history.value(end - 1, live.xColumn),
                             history.value(end - 1, live.yColumn));
        live.head->setValue(latest);
        live.head->setVisible(m_graph.displayType != DisplayFullTrace);
        values += QStringLiteral("<span style=\"color:%1\">%2 = %3&nbsp;&nbsp;%4 = %5</span><br/>")
                      .arg(live.colour.name(), live.yName.toHtmlEscaped(), formatValue(latest.y()),
                           live.xName.toHtmlEscaped(), formatValue(latest.x()));
    }
    if (m_graph.showXYValues) {
        values.chop(5); // the last <br/>
        QwtText text(values, QwtText::RichText);
        text.setRenderFlags(Qt::AlignLeft | Qt::AlignTop);
        QFont font(QStringLiteral("Monospace"));
        font.setStyleHint(QFont::TypeWriter);
        font.setPointSizeF(8.5);
        text.setFont(font);
        text.setBackgroundBrush(QColor(0, 0, 0, 150));
        text.setBorderRadius(3);
        m_xyValues->setText(text);
    }

    if (!m_panned && !m_zoomed) {
        if (m_timeX && !m_graph.xAxis.autoRange && m_graph.xAxis.rangeMax > m_graph.xAxis.rangeMin) {
            double lower = 0.0;
            double upper = 0.0;
            scrolledTimeRange(m_graph.xAxis.rangeMin, m_graph.xAxis.rangeMax, now, &lower, &upper);
            applyAxis(QwtPlot::xBottom, m_graph.xAxis, lower, upper);
        }
        replot();
        rebaseZoomers();
    } else {
        replot();
    }
}

QString GraphView::xyValuesText() const
{
    return m_xyValues && m_xyValues->isVisible() ? m_xyValues->text().text() : QString();
}

// One graph of the plot screen: a Qwt plot drawn from a Plot_Axis_Info, fed
// with live samples, with mouse pan and zoom.
#ifndef XY_PLOT_HOST_GRAPH_VIEW_H
#define XY_PLOT_HOST_GRAPH_VIEW_H

#include <QColor>
#include <QVector>

#include <functional>

#include <qwt_plot.h>

#include <interfaces/plot_screen_info.h>

class ChannelSimulator;
class LoggerSeries;
class QwtPlotCurve;
class QwtPlotGrid;
class QwtPlotMarker;
class QwtPlotPanner;
class QwtPlotTextLabel;
class QwtPlotZoomer;
class SampleHistory;

class GraphView : public QwtPlot
{
    Q_OBJECT

public:
    // What a right click on the graph asks the host for.
    enum Request { ConfigurePlot, ConfigureAxes, ResetZoom };

    explicit GraphView(int slot, QWidget *parent = nullptr);
    ~GraphView() override;

    int slot() const { return m_slot; }

    // Small enough that eight graphs share a 1280 x 720 window; the canvas
    // gives way before the axes do.
    QSize minimumSizeHint() const override;

    // Rebuilds axes, grids, curves and overlay curves from graph. Channels
    // resolve the X/Y names to live sample columns; overlay, when given,
    // holds the graph's logger file. Clears pan and zoom.
    void configure(const Plot_Axis_Info &graph, const Plot_Screen_Info &screen,
                   const ChannelSimulator &channels, const LoggerSeries *overlay);
    // Redraws the live curves from history at time now (seconds). A panned
    // or zoomed graph keeps its axes where the user put them.
    void refresh(const SampleHistory &history, double now);

    bool isPanned() const { return m_panned; }
    bool isZoomed() const { return m_zoomed; }
    // Leaves pan and zoom and puts the configured axes back.
    void resetView();
    // Asked before each mouse or key gesture that may pan or zoom; a false
    // answer swallows the gesture. Without a gate every gesture goes.
    void setPanZoomGate(std::function<bool()> gate) { m_panZoomGate = std::move(gate); }

    int curveCount() const { return m_curves.size(); }
    QwtPlotCurve *curve(int i) const { return m_curves.at(i).curve; }
    int overlayCurveCount() const { return m_overlayCurves.size(); }
    QwtPlotCurve *overlayCurve(int i) const { return m_overlayCurves.at(i); }
    // The grid of the X axis, the left and the right Y axis.
    QwtPlotGrid *xGrid() const { return m_xGrid; }
    QwtPlotGrid *leftGrid() const { return m_leftGrid; }
    QwtPlotGrid *rightGrid() const { return m_rightGrid; }
    QwtPlotZoomer *zoomer() const { return m_zoomer; }
    QwtPlotPanner *panner() const { return m_panner; }
    // The latest X/Y values as shown on the canvas (empty when hidden).
    QString xyValuesText() const;

    // How the scroll window of a time X axis lies at time now: the
    // configured range until now passes its end, then the same span ending
    // at now.
    static void scrolledTimeRange(double rangeMin, double rangeMax, double now, double *lower,
                                  double *upper);

signals:
    // The graph entered or left pan or zoom.
    void panZoomChanged(int slot);
    void requested(int slot, GraphView::Request request);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private slots:
    void showContextMenu(const QPoint &pos);
    void onZoomed();
    void onPanned();

private:
    struct LiveCurve
    {
        QwtPlotCurve *curve = nullptr;
        QwtPlotMarker *head = nullptr;
        int xColumn = -1;
        int yColumn = -1;
        QString xName;
        QString yName;
        QColor colour;
    };

    // The zoomers, panner and magnifier on canvas, the gate's event filter
    // and the context menu (graph_view_pan_zoom.cpp).
    void createPanZoomTools(QWidget *canvas);
    void applyAxes();
    void applyAxis(int axisId, const Single_Axis_Info &axis, double lower, double upper);
    void setPanZoom(bool panned, bool zoomed);
    void rebaseZoomers();

    int m_slot;
    Plot_Axis_Info m_graph;
    bool m_timeX = false;
    bool m_rightAxisUsed = false;
    bool m_panned = false;
    bool m_zoomed = false;
    QVector<LiveCurve> m_curves;
    QVector<QwtPlotCurve *> m_overlayCurves;
    QwtPlotGrid *m_xGrid = nullptr;
    QwtPlotGrid *m_leftGrid = nullptr;
    QwtPlotGrid *m_rightGrid = nullptr;
    QwtPlotTextLabel *m_xyValues = nullptr;
    QwtPlotZoomer *m_zoomer = nullptr;
    QwtPlotZoomer *m_rightZoomer = nullptr;
    QwtPlotPanner *m_panner = nullptr;
    class Magnifier;
    Magnifier *m_magnifier = nullptr;
    std::function<bool()> m_panZoomGate;
};

#endif // XY_PLOT_HOST_GRAPH_VIEW_H

// The demo host's main window: one plot screen, drawn live from simulated
// test-cell channels, configured through XY_Plot_Config_Dialog, opened from
// and saved to JSON files.
#ifndef XY_PLOT_HOST_PLOT_HOST_WINDOW_H
#define XY_PLOT_HOST_PLOT_HOST_WINDOW_H

#include <QBitArray>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <functional>
#include <memory>

#include <interfaces/plot_screen_info.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "channel_simulator.h"
#include "graph_view.h"
#include "logger_series.h"

class AuditTrail;
class Plot_Screen_History;
class QAction;
class QDockWidget;
class QMenu;
class QGridLayout;
class QLabel;
class QwtTextLabel;

class PlotHostWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Most samples kept whatever the storage period asks for.
    enum { MaxHistorySamples = 100000 };
    // Largest plot screen file read.
    enum { MaxScreenFileBytes = 16 * 1024 * 1024 };

    explicit PlotHostWindow(QWidget *parent = nullptr);
    ~PlotHostWindow() override;

    // The sample screen shipped with the program: in the source tree, else
    // next to the binary; empty when neither exists.
    static QString sampleScreenPath();

    // Opens a plot screen file; on failure tells the user why and keeps
    // the current screen. A screen that can be drawn is shown, and what the
    // dialog would change in it is listed to the user.
    bool openScreen(const QString &path);
    // Saves the screen to path, which becomes its configuration file name.
    bool saveScreen(const QString &path);

    // The description currently drawn; owned by the window.
    const Plot_Screen_Info *screen() const { return m_screen.get(); }
    // The screen's configuration dialog; null until first opened.
    XY_Plot_Config_Dialog *dialog() const { return m_dialog; }
    int graphCount() const { return m_graphs.size(); }
    GraphView *graph(int slot) const { return m_graphs.value(slot); }
    QwtTextLabel *titleLabel() const { return m_title; }
    QwtTextLabel *subtitleLabel() const { return m_subtitle; }
    QwtTextLabel *noteLabel() const { return m_note; }
    QAction *resetZoomAction() const { return m_resetZoomAction; }
    // One bit per graph slot, set while that graph is panned or zoomed.
    QBitArray panBits() const;
    QBitArray zoomBits() const;

    const ChannelSimulator &simulator() const { return m_sim; }
    const SampleHistory &history() const { return m_history; }
    // Runs the simulation for seconds of simulated time at the configured
    // sample interval, without waiting, then redraws.
    void advance(double seconds);
    // Whether the sample and redraw timers run.
    void setLive(bool live);
    bool isLive() const { return m_live; }
    // Writes every applied description as JSON to standard output.
    void setPrintApplied(bool print) { m_printApplied = print; }
    // Reports problems on standard error instead of message boxes (for
    // runs without a person).
    void setQuiet(bool quiet) { m_quiet = quiet; }

    // The undo history of applied screens and the panel that lists it.
    Plot_Screen_History *screenHistory() const { return m_screenHistory; }
    QDockWidget *historyPanel() const { return m_historyPanel; }
    // Every applied screen is appended to this JSON Lines file (see
    // AuditTrail); an empty path keeps no trail. Off until set.
    void setAuditFile(const QString &path);
    QString auditFile() const;
    // The trail a user's runs keep: $XDG_STATE_HOME (or ~/.local/state)
    // /xy_plot_host/applied_screens.jsonl.
    static QString defaultAuditFile();

public slots:
    // Opens the configuration dialog on the given page and graph slot.
    void configure(int area = XY_Plot_Config_Dialog::PlotArea, int graphSlot = 0);
    // Leaves pan and zoom on every graph.
    void resetZoom();
    // Takes over a description the dialog applied (the window owns it from
    // now on) and redraws from it.
    void takeAppliedScreen(Plot_Screen_Info *applied);

private slots:
    void openFile();
    void save();
    void saveAs();
    void sampleTick();
    void redraw();
    void onPanZoomChanged();
    void onGraphRequest(int slot, GraphView::Request request);

private:
    void createMenus();
    // Undo, redo, History panel, copy and defaults (plot_host_history.cpp).
    void createHistory(QMenu *edit, QMenu *plot);
    void recordApplied(const Plot_Screen_Info &before, const QString &how);
    void showRestoredScreen();
    void followInOpenDialog();
    void applyHostChange(const std::function<bool(Plot_Screen_Info &)> &change, const QString &how);
    void copyGraphSettings();
    void restoreDefaults(int graph); // -1: the whole screen
    // Shows screen; returns the problems of its overlay files.
    QStringList setScreen(std::unique_ptr<Plot_Screen_Info> screen);
    void rebuildScreen();
    void applyFrame();
    void applyRates();
    QStringList publishOverlayNames();
    const LoggerSeries *overlayFor(const QString &fileName);
    QString resolveOverlayPath(const QString &fileName) const;
    void updateWindowTitle();
    // Loads the dialog from the screen and shows it on a page and graph.
    void showDialog(int area, int graphSlot);
    // Turns the open dialog to a page and graph without reloading it.
    void turnDialogTo(int area, int graphSlot);
    // Whether a graph may enter or leave pan or zoom now; says why not.
    bool panZoomMayChange();
    bool anyPanZoom() const;
    void report(const QString &title, const QString &text);

    std::unique_ptr<Plot_Screen_Info> m_screen;
    QPointer<XY_Plot_Config_Dialog> m_dialog;
    ChannelSimulator m_sim;
    SampleHistory m_history;
    QHash<QString, std::shared_ptr<LoggerSeries>> m_overlays;
    QVector<GraphView *> m_graphs;
    QTimer m_sampleTimer;
    QTimer m_redrawTimer;
    bool m_live = true;
    bool m_printApplied = false;
    bool m_quiet = false;
    bool m_modified = false;
    // Whether the dialog was last shown locked by pan or zoom.
    bool m_dialogLocked = false;

    QWidget *m_frame = nullptr;
    QwtTextLabel *m_title = nullptr;
    QwtTextLabel *m_subtitle = nullptr;
    QwtTextLabel *m_note = nullptr;
    QWidget *m_graphArea = nullptr;
    QGridLayout *m_graphLayout = nullptr;
    QLabel *m_statusClock = nullptr;
    QLabel *m_statusLock = nullptr;
    QAction *m_resetZoomAction = nullptr;
    Plot_Screen_History *m_screenHistory = nullptr;
    QDockWidget *m_historyPanel = nullptr;
    std::unique_ptr<AuditTrail> m_audit;
};

#endif // XY_PLOT_HOST_PLOT_HOST_WINDOW_H

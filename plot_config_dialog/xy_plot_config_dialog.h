/// @file
/// The configuration dialog of one XY plot screen, XY_Plot_Config_Dialog.
#ifndef XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_DIALOG_H
#define XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_DIALOG_H

#include <QBitArray>
#include <QDialog>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <interfaces/plot_screen_info.h>

/// Marks the API that the configuration dialog library exports.
#if defined(XY_PLOT_CONFIG_LIBRARY)
#define XY_PLOT_CONFIG_EXPORT Q_DECL_EXPORT
#else
#define XY_PLOT_CONFIG_EXPORT Q_DECL_IMPORT
#endif

class QAction;
class QCloseEvent;
class QComboBox;
class QDoubleValidator;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class Spreadsheet;
class Ui_Plot_Config_Dialog;

/// A modeless dialog that shows the configuration of one plot screen and
/// hands an edited copy back to the host.
///
/// Pages: "Plot" (one tab per shown graph, "Graph 1" to "Graph 8", an "All"
/// overview tab, and the refresh, sample and storage fields), "Axes" (the Y
/// axes and X axis tables of each shown graph) and "Frame" (titles, note,
/// fonts, switches, background colour).
///
/// Calling order:
/// 1. Construct it with the host's Plot_Screen_Info, a parent and the plugin
///    mode flag. Install your own master scheduler first if you have one
///    (set_ms_interval_source()), and give the variable selectors their
///    catalogue with ZelVariable::setAvailableVariables(): the dialog offers
///    no other variable names.
/// 2. Connect to applyPressedSignal(), okPressedSignal(),
///    cancelPressedSignal() and addDeleteGraphSignal().
/// 3. Call show(Plot_Screen_Info*, QBitArray, QBitArray, DialogOpenArea, int, bool)
///    each time the configuration is to be shown; it reloads every widget.
/// 4. Take each new description from applyPressedSignal(); delete the dialog
///    when the plot screen goes away.
///
/// Ownership: the dialog belongs to its Qt parent (or to you without one).
/// A Plot_Screen_Info that you pass in is only read, never kept and never
/// changed. Each Apply, OK, and each selection of the "All" tab writes a new
/// Plot_Screen_Info from the widgets; the one emitted by
/// applyPressedSignal() belongs to the receiver, and the dialog deletes the
/// ones it never handed out (also the emitted one when nothing is connected
/// to applyPressedSignal()).
///
/// Thread: everything runs on the GUI thread, through direct calls and
/// signals; the dialog starts no threads or timers. Presses of Apply or OK
/// within 500 ms of the last one let through are taken as done without doing
/// anything, and that 500 ms window is shared by every dialog of the process.
/// A press that fails validation (a modal message names the problem) also
/// starts a new window.
///
/// Pan and zoom lock: while the host reports any graph of the screen panned
/// or zoomed (a set bit in the arrays given to show()), every graph is shown
/// locked, OK and Apply are disabled and graphs cannot be added or deleted.
///
/// Closing: Cancel and the window's close button hide the dialog and emit
/// cancelPressedSignal(); the Escape key hides it through QDialog's own
/// handling without cancelPressedSignal() (QDialog's rejected() and
/// finished() are emitted). OK hides it after emitting okPressedSignal().
///
/// The README's section "Behaviour a host should know" lists the dialog's
/// further surprises.
class XY_PLOT_CONFIG_EXPORT XY_Plot_Config_Dialog : public QDialog
{
    Q_OBJECT

public:
    /// Top-level page that show() opens.
    enum DialogOpenArea {
        /// The "Plot" page, on the requested graph's tab.
        PlotArea = 0,
        /// The "Axes" page, on the requested graph's tab.
        AxesArea = 1,
        /// The "Frame" page.
        FrameArea = 2
    };
    Q_ENUM(DialogOpenArea)

    /// Builds the dialog, hidden; show() loads and shows it.
    ///
    /// @param psi         the host's description of the screen; read during
    ///                    the call only (window title, which graph tabs
    ///                    exist, each graph's overlay file name), never kept
    ///                    or changed. May be null.
    /// @param parent      the Qt parent, which then owns the dialog.
    /// @param plugin_mode true for the one-graph variant: no tab bars on the
    ///                    graph and axes tabs, no Add/Delete Graph menu, and
    ///                    every per-graph list holds one graph. Pass the same
    ///                    flag to show().
    ///
    /// Reads the "SLO" and "FAS" master scheduler intervals through
    /// get_ms_interval(); when either cannot be read it shows a "Fatal Error"
    /// box and ends the process with exit status 4. Fills the overlay
    /// channel choices of each graph slot from PlotSingleton.
    XY_Plot_Config_Dialog(Plot_Screen_Info *psi, QWidget *parent, bool plugin_mode);
    /// Deletes the form and any written description that was never handed
    /// out; a description emitted by applyPressedSignal() to a receiver stays
    /// valid. Widgets go with their Qt parents.
    ~XY_Plot_Config_Dialog() override;

    /// The configuration file name of the screen: the host description's
    /// configFileName as of the last construction or show(), or what
    /// setConfigFilename() stored since. Written back into each new
    /// description.
    QString getConfigFilename();
    /// Replaces the configuration file name that the next Apply or OK
    /// writes; the window title is not changed.
    void setConfigFilename(QString name);

    /// The X range (rangeMax - rangeMin, in seconds) of graph slot @p graph
    /// (0 for "Graph 1") of @p info, converted to that X axis's rangeUnits
    /// (UnitType coding: 0 seconds, 1 minutes, 2 hours, 3 days); 0.0 for any
    /// other code, and for a null @p info or a @p graph outside
    /// info->plotAxisInfo. @p info is only read.
    double convertXRangeToUnits(Plot_Screen_Info *info, int graph);
    /// The X range entered in the X axis table of graph slot @p graph
    /// (0 for "Graph 1"), in seconds. The table shows its range in seconds,
    /// so this is the entered maximum minus minimum (a field that is no
    /// number counts as 0). 0.0 for a @p graph outside the graph slots (8,
    /// or 1 in plugin mode).
    double convertXRangeToSeconds(int graph);

    /// Whether the widgets hold edits that were neither applied nor loaded:
    /// true when what Apply would write now differs from what the widgets
    /// gave right after the last show() or the last Apply or OK let through.
    /// Adding or deleting a graph and choosing an overlay file count as
    /// edits; a new configuration file name (setConfigFilename()) does not. False before the first show(). Validates nothing, shows nothing
    /// and emits nothing; cost about that of an Apply.
    ///
    /// A host uses it to decide whether it can call show() again (which
    /// reloads every widget) without throwing the user's edits away, for
    /// instance to follow a change of its pan and zoom state.
    bool hasUnappliedEdits() const;

signals:
    /// OK was pressed and the configuration applied (or the press came
    /// within the shared 500 ms window, when no new applyPressedSignal()
    /// precedes it). The dialog hides itself right after emitting, unless a
    /// slot deleted it; deleteLater() is still the gentler way to end it.
    void okPressedSignal();
    /// Apply or OK passed validation and wrote a new description of the
    /// screen from the widgets.
    ///
    /// @param psi the new description, allocated for this emission. It
    ///            belongs to the receiver, who must delete it; with several
    ///            receivers, agree on one owner. When nothing is connected
    ///            the dialog keeps it and deletes it. Works through queued
    ///            connections ("Plot_Screen_Info*" is registered).
    void applyPressedSignal(Plot_Screen_Info *psi);
    /// Cancel or the window's close button: the dialog has already hidden
    /// itself and nothing was written. Escape hides the dialog without this
    /// signal (QDialog::rejected() tells of it).
    void cancelPressedSignal();
    /// A graph was added, or a delete request was handled (also one that
    /// removed nothing), from the graph tab bar's context menu. The shown
    /// graphs may have changed; the next Apply carries them.
    void addDeleteGraphSignal();

private slots:
    void on_lineEditScreenRefreshRate_editingFinished();
    void on_lineEditDataSampleRate_editingFinished();
    void on_lineEditScreenRefreshInterval_editingFinished();
    void on_lineEditDataSampleInterval_editingFinished();
    void addNewTab();
    void delOldTab();
    int getNumVarChannelsForPlot(int plotNum);
    int getNumOverlayChannelsForPlot(int plotNum);
    void on_plotConfigTabs_currentChanged(int index);
    void on_axesConfigTabs_currentChanged(int index);
    void on_btnOk_clicked();
    void on_btnApply_clicked();
    void on_btnCancel_clicked();
    void on_btnOverlayFile1_clicked();
    void on_btnOverlayFile2_clicked();
    void on_btnOverlayFile3_clicked();
    void on_btnOverlayFile4_clicked();
    void on_btnOverlayFile5_clicked();
    void on_btnOverlayFile6_clicked();
    void on_btnOverlayFile7_clicked();
    void on_btnOverlayFile8_clicked();
    void handleOverlayButtonSelection(int btnIndx);
    void handleDisplayTypeChange(int whichBtn, int dsplyTypeIndx);
    void on_cboDisplayType1_currentIndexChanged(int index);
    void on_cboDisplayType2_currentIndexChanged(int index);
    void on_cboDisplayType3_currentIndexChanged(int index);
    void on_cboDisplayType4_currentIndexChanged(int index);
    void on_cboDisplayType5_currentIndexChanged(int index);
    void on_cboDisplayType6_currentIndexChanged(int index);
    void on_cboDisplayType7_currentIndexChanged(int index);
    void on_cboDisplayType8_currentIndexChanged(int index);

public slots:
    /// Loads every widget from @p psi and shows the dialog, modeless.
    ///
    /// @param psi                the host's description; read during the
    ///                           call, never kept or changed. Its numPlots
    ///                           decides the shown graphs (1 to numPlots,
    ///                           at most the graph slots); plotAxisInfo
    ///                           entry g describes graph slot g, and a shown
    ///                           graph without an entry shows a default
    ///                           Plot_Axis_Info. A null psi loads nothing
    ///                           (the widgets keep what they showed) and
    ///                           leaves only "Graph 1".
    /// @param allPlotsPanStatus  bit g set: graph g+1 ("Graph 1" is bit 0)
    ///                           is panned. Any size: a graph slot beyond
    ///                           the array counts as not panned.
    /// @param allPlotsZoomStatus bit g set: graph g+1 is zoomed; as above.
    ///                           Any set bit in either array locks the whole
    ///                           configuration: every graph is shown locked
    ///                           with its mode label, OK and Apply are
    ///                           disabled, and
    ///                           graphs cannot be added or deleted until a
    ///                           show() with all bits clear.
    /// @param openArea           the page to open; any other value opens
    ///                           the "Plot" page on the first graph.
    /// @param plotIndex          the graph tab to open, 0 for the first
    ///                           shown graph.
    /// @param plugin_mode        the constructor's flag again.
    ///
    /// This show() hides, and does not override, QWidget::show(): on an
    /// XY_Plot_Config_Dialog pointer show() without arguments does not
    /// compile, and QWidget::show() (or setVisible()) through a base class
    /// pointer shows the dialog without loading it. The dialog's overlay file names are loaded by the
    /// constructor only, not here.
    void show(Plot_Screen_Info *psi, QBitArray allPlotsPanStatus, QBitArray allPlotsZoomStatus,
              DialogOpenArea openArea, int plotIndex = 0, bool plugin_mode = false);

protected:
    /// The window's close button: hides the dialog and emits
    /// cancelPressedSignal(), like Cancel. The event stays accepted.
    void closeEvent(QCloseEvent *event) override;

private:
    // Shell (xy_plot_config_dialog.cpp)
    bool applyPressed();
    void okPressed();
    void cancelPressed();
    // Per-graph lists (xy_plot_config_dialog_lists.cpp)
    void setupWidgetArrays(bool plugin_mode);
    void setupSpreadsheetArrays(bool plugin_mode);
    int getRowCountOfTablesForOneGraph(int plotNum);
    // Presentation (xy_plot_config_dialog_presentation.cpp)
    void addToolTips();
    void addValidatorsToFields();
    void turnPanZoomModeLabelsOn(int plotNum, bool panOn, bool zoomOn);
    // Loading (xy_plot_config_dialog_loading.cpp)
    void fillScreensWithDataStructureInfo(Plot_Screen_Info *psi, QBitArray allPlotsPanStatus,
                                          QBitArray allPlotsZoomStatus);
    // All-graphs tab (xy_plot_config_dialog_all_graphs.cpp)
    void fillAllGraphTab();
    // Write-back (xy_plot_config_dialog_writeback.cpp)
    void writeScreenInfoToDataStructure();
    // Rates (xy_plot_config_dialog_rates.cpp)
    void capture_ms_interval_values();
    // Validation (xy_plot_config_dialog_validation.cpp)
    bool checkIfDataIsValid();
    bool validatePlotConfigValues(int plotNum);
    bool validateYAxesValues(int plotNum, int axisIndex);
    bool validateDataStorageInfo();
    // Graphs (xy_plot_config_dialog_graphs.cpp)
    void setPlotVisibleValues(Plot_Screen_Info *psi, bool plugin_mode);
    void createActionsForPlotTabs();

    QDoubleValidator *screenRefreshRateValidator;
    QDoubleValidator *screenRefreshIntervalValidator;
    QDoubleValidator *dataSampleRateValidator;
    QDoubleValidator *dataSampleIntervalValidator;
    QDoubleValidator *dataStorageValidator;
    Plot_Screen_Info *psi;
    QBitArray allPlotsPanStatus;
    QBitArray allPlotsZoomStatus;
    QString configFilename;
    QList<QString> overlayFilenames;
    Ui_Plot_Config_Dialog *ui;
    int sloIntervalMs;
    int fasIntervalMs;
    QList<Spreadsheet *> yAxesSpreadsheets;
    QList<Spreadsheet *> xAxisSpreadsheets;
    QList<Spreadsheet *> xyVarSpreadsheets;
    QList<Spreadsheet *> xyOverlaySpreadsheets;
    QBitArray plotVisible;
    QAction *addGraphAction;
    QAction *deleteGraphAction;
    bool rateWarningShowing;
    QList<QPushButton *> overlayFileButtons;
    QList<QComboBox *> displayTypeCombos;
    QList<QSpinBox *> cometLengthSpins;
    QList<QRadioButton *> datapointShowRadios;
    QList<QRadioButton *> datapointHideRadios;
    QList<QRadioButton *> xyValuesShowRadios;
    QList<QRadioButton *> xyValuesHideRadios;
    QList<QLabel *> overlayFileLabels;

    // What the widgets would write, as compared by hasUnappliedEdits().
    QByteArray writtenState();

    // Whether psi was handed to the host by applyPressedSignal; a written
    // description the host never received is the dialog's to delete.
    bool psiHandedOut;
    // Bit g set once graph slot g's axis tables showed a description (or a
    // fresh graph's defaults when it was added).
    QBitArray axesLoaded;
    // writtenState() right after the last show() or Apply; empty before.
    QByteArray shownState;

    friend class XY_Plot_Config_Dialog_TestAccess;
};

/// The page argument of XY_Plot_Config_Dialog::show() by its short name.
typedef XY_Plot_Config_Dialog::DialogOpenArea DialogOpenArea;

#endif // XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_DIALOG_H

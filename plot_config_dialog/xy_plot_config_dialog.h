// The configuration dialog of one XY plot screen.
#ifndef XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_DIALOG_H
#define XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_DIALOG_H

#include <QBitArray>
#include <QDialog>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <interfaces/plot_screen_info.h>

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

// A modeless dialog that shows the configuration of one plot screen and
// hands an edited copy back to the host. The host constructs it with its
// Plot_Screen_Info, connects to the four signals and calls show() each time
// the configuration is to be shown.
class XY_PLOT_CONFIG_EXPORT XY_Plot_Config_Dialog : public QDialog
{
    Q_OBJECT

public:
    // Top-level page that show() opens.
    enum DialogOpenArea {
        PlotArea = 0,
        AxesArea = 1,
        FrameArea = 2
    };
    Q_ENUM(DialogOpenArea)

    XY_Plot_Config_Dialog(Plot_Screen_Info *psi, QWidget *parent, bool plugin_mode);
    ~XY_Plot_Config_Dialog() override;

    QString getConfigFilename();
    void setConfigFilename(QString name);

    // X range of graph slot graph of info, from seconds into its range unit.
    double convertXRangeToUnits(Plot_Screen_Info *info, int graph);
    // X range entered in the X axis table of graph slot graph, in seconds.
    double convertXRangeToSeconds(int graph);

signals:
    void okPressedSignal();
    void applyPressedSignal(Plot_Screen_Info *psi);
    void cancelPressedSignal();
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
    // Loads the dialog from the host's description psi and shows it,
    // modeless. Any set pan or zoom bit locks the whole configuration.
    void show(Plot_Screen_Info *psi, QBitArray allPlotsPanStatus,
              QBitArray allPlotsZoomStatus, DialogOpenArea openArea,
              int plotIndex = 0, bool plugin_mode = false);

protected:
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
    void fillScreensWithDataStructureInfo(Plot_Screen_Info *psi,
                                          QBitArray allPlotsPanStatus,
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

    // Whether psi was handed to the host by applyPressedSignal; a written
    // description the host never received is the dialog's to delete.
    bool psiHandedOut;

    friend class XY_Plot_Config_Dialog_TestAccess;
};

typedef XY_Plot_Config_Dialog::DialogOpenArea DialogOpenArea;

#endif // XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_DIALOG_H

/// @file
/// XY_Plot_Config_Tab, a stand-alone widget with the controls of one graph.
#ifndef XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_TAB_H
#define XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_TAB_H

#include <QWidget>

#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_tab.h"

/// The configuration controls of one graph as a widget of its own; the
/// dialog does not use it.
///
/// Its widgets are public members, inherited from the generated form
/// Ui_XY_Plot_Config_Tab (ui_xy_plot_config_tab.h, installed beside this
/// header): lblPlotMode (hidden), lblLiveData, plotXYVarSpreadsheet (a
/// Spreadsheet of kind 10), lblOverlay, plotXYOverlaySpreadsheet (kind 11),
/// cboDisplayType ("Full Trace", "Marker Only", "Comet"),
/// radDatapointShowPlot, radDatapointHidePlot, radXYValuesShowPlot,
/// radXYValuesHidePlot, lblOverlayFilePlot, btnOverlayFile and
/// spinCometLength (comet length in seconds, 0 to 99).
///
/// Nothing is connected for you: call handleDisplayTypeChange() from
/// cboDisplayType and handleOverlayButtonSelection() from btnOverlayFile if
/// you want that behaviour. The widget keeps no state beyond its widgets,
/// belongs to its Qt parent and lives on the GUI thread.
class XY_PLOT_CONFIG_EXPORT XY_Plot_Config_Tab : public QWidget, public Ui_XY_Plot_Config_Tab
{
    Q_OBJECT

public:
    /// Builds the form with no radio button checked and the mode label
    /// hidden; @p parent owns the widget.
    explicit XY_Plot_Config_Tab(QWidget *parent = nullptr);
    /// The widgets go with the widget (Qt ownership).
    ~XY_Plot_Config_Tab() override;

    /// Makes the comet length editable only for the "Comet" display type.
    /// @param dsplyTypeIndx index of cboDisplayType: 0 "Full Trace" and
    ///        1 "Marker Only" disable spinCometLength, 2 "Comet" enables it;
    ///        any other value (-1 for an emptied combo) changes nothing. The
    ///        value of the comet length is kept.
    void handleDisplayTypeChange(int dsplyTypeIndx);
    /// Asks for a logger file (a modal file dialog starting in
    /// "/data/PC_format/") and offers its channel names, after an empty
    /// "no channel" entry, in the X and Y columns of every overlay row, with
    /// that empty entry chosen; lblOverlayFilePlot then shows the file's
    /// base name and suffix. A file that is not a logger file gives the
    /// modal "Invalid file format" box and changes nothing; a cancelled file
    /// dialog changes nothing. The path is not kept and PlotSingleton is not
    /// touched.
    /// @param btnIndx not used.
    void handleOverlayButtonSelection(int btnIndx);

signals:
    /// One of the four visibility radio buttons changed its checked state:
    /// flipping a group from "Show" to "Hide" emits it twice.
    void dirty();
};

#endif // XY_PLOT_CONFIG_DIALOG_XY_PLOT_CONFIG_TAB_H

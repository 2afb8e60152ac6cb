// The per-graph widget lists, indexed by graph slot, and the row counts of
// a graph's variable and overlay tables.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"
#include "row_kinds/channel_rows.h"

#include <QComboBox>

#include <interfaces/spreadsheet.h>

#include <initializer_list>

namespace {

// Graph 1's widget always; graphs 2 to 8 only in the full dialog.
template<typename W>
void appendGraphWidgets(QList<W *> &list, std::initializer_list<W *> graphs, bool plugin_mode)
{
    for (W *widget : graphs) {
        list.append(widget);
        if (plugin_mode)
            return;
    }
}

} // namespace

void XY_Plot_Config_Dialog::setupSpreadsheetArrays(bool plugin_mode)
{
    appendGraphWidgets(yAxesSpreadsheets,
                       {ui->graph1YAxesSpreadsheet, ui->graph2YAxesSpreadsheet,
                        ui->graph3YAxesSpreadsheet, ui->graph4YAxesSpreadsheet,
                        ui->graph5YAxesSpreadsheet, ui->graph6YAxesSpreadsheet,
                        ui->graph7YAxesSpreadsheet, ui->graph8YAxesSpreadsheet},
                       plugin_mode);
    appendGraphWidgets(xAxisSpreadsheets,
                       {ui->graph1XAxisSpreadsheet, ui->graph2XAxisSpreadsheet,
                        ui->graph3XAxisSpreadsheet, ui->graph4XAxisSpreadsheet,
                        ui->graph5XAxisSpreadsheet, ui->graph6XAxisSpreadsheet,
                        ui->graph7XAxisSpreadsheet, ui->graph8XAxisSpreadsheet},
                       plugin_mode);
    appendGraphWidgets(xyVarSpreadsheets,
                       {ui->plot1XYVarSpreadsheet, ui->plot2XYVarSpreadsheet,
                        ui->plot3XYVarSpreadsheet, ui->plot4XYVarSpreadsheet,
                        ui->plot5XYVarSpreadsheet, ui->plot6XYVarSpreadsheet,
                        ui->plot7XYVarSpreadsheet, ui->plot8XYVarSpreadsheet},
                       plugin_mode);
    appendGraphWidgets(xyOverlaySpreadsheets,
                       {ui->plot1XYOverlaySpreadsheet, ui->plot2XYOverlaySpreadsheet,
                        ui->plot3XYOverlaySpreadsheet, ui->plot4XYOverlaySpreadsheet,
                        ui->plot5XYOverlaySpreadsheet, ui->plot6XYOverlaySpreadsheet,
                        ui->plot7XYOverlaySpreadsheet, ui->plot8XYOverlaySpreadsheet},
                       plugin_mode);
}

void XY_Plot_Config_Dialog::setupWidgetArrays(bool plugin_mode)
{
    appendGraphWidgets(overlayFileButtons,
                       {ui->btnOverlayFile1, ui->btnOverlayFile2, ui->btnOverlayFile3,
                        ui->btnOverlayFile4, ui->btnOverlayFile5, ui->btnOverlayFile6,
                        ui->btnOverlayFile7, ui->btnOverlayFile8},
                       plugin_mode);
    appendGraphWidgets(displayTypeCombos,
                       {ui->cboDisplayType1, ui->cboDisplayType2, ui->cboDisplayType3,
                        ui->cboDisplayType4, ui->cboDisplayType5, ui->cboDisplayType6,
                        ui->cboDisplayType7, ui->cboDisplayType8},
                       plugin_mode);
    appendGraphWidgets(cometLengthSpins,
                       {ui->spinCometLength1, ui->spinCometLength2, ui->spinCometLength3,
                        ui->spinCometLength4, ui->spinCometLength5, ui->spinCometLength6,
                        ui->spinCometLength7, ui->spinCometLength8},
                       plugin_mode);
    appendGraphWidgets(datapointShowRadios,
                       {ui->radDatapointShowPlot1, ui->radDatapointShowPlot2,
                        ui->radDatapointShowPlot3, ui->radDatapointShowPlot4,
                        ui->radDatapointShowPlot5, ui->radDatapointShowPlot6,
                        ui->radDatapointShowPlot7, ui->radDatapointShowPlot8},
                       plugin_mode);
    appendGraphWidgets(datapointHideRadios,
                       {ui->radDatapointHidePlot1, ui->radDatapointHidePlot2,
                        ui->radDatapointHidePlot3, ui->radDatapointHidePlot4,
                        ui->radDatapointHidePlot5, ui->radDatapointHidePlot6,
                        ui->radDatapointHidePlot7, ui->radDatapointHidePlot8},
                       plugin_mode);
    appendGraphWidgets(xyValuesShowRadios,
                       {ui->radXYValuesShowPlot1, ui->radXYValuesShowPlot2,
                        ui->radXYValuesShowPlot3, ui->radXYValuesShowPlot4,
                        ui->radXYValuesShowPlot5, ui->radXYValuesShowPlot6,
                        ui->radXYValuesShowPlot7, ui->radXYValuesShowPlot8},
                       plugin_mode);
    appendGraphWidgets(xyValuesHideRadios,
                       {ui->radXYValuesHidePlot1, ui->radXYValuesHidePlot2,
                        ui->radXYValuesHidePlot3, ui->radXYValuesHidePlot4,
                        ui->radXYValuesHidePlot5, ui->radXYValuesHidePlot6,
                        ui->radXYValuesHidePlot7, ui->radXYValuesHidePlot8},
                       plugin_mode);
    appendGraphWidgets(overlayFileLabels,
                       {ui->lblOverlayFilePlot1, ui->lblOverlayFilePlot2, ui->lblOverlayFilePlot3,
                        ui->lblOverlayFilePlot4, ui->lblOverlayFilePlot5, ui->lblOverlayFilePlot6,
                        ui->lblOverlayFilePlot7, ui->lblOverlayFilePlot8},
                       plugin_mode);

    const int graphSlots = plugin_mode ? 1 : 8;
    for (int g = 0; g < graphSlots; ++g)
        overlayFilenames.append(QString());
}

int XY_Plot_Config_Dialog::getRowCountOfTablesForOneGraph(int plotNum)
{
    if (plotNum < 0 || plotNum >= xyVarSpreadsheets.size())
        return 0;
    return xyVarSpreadsheets[plotNum]->rowCount() + xyOverlaySpreadsheets[plotNum]->rowCount();
}

// A row counts when both its X and its Y choice are made; an incomplete row
// in between does not end the count. A cell without the expected selector
// leaves its row uncounted.
int XY_Plot_Config_Dialog::getNumVarChannelsForPlot(int plotNum)
{
    if (plotNum < 0 || plotNum >= xyVarSpreadsheets.size())
        return 0;
    Spreadsheet *table = xyVarSpreadsheets[plotNum];
    int complete = 0;
    for (int r = 0; r < table->rowCount(); ++r)
        complete += RowKinds::isCompleteChannelRow(RowKinds::Channels::Variables, table, r) ? 1 : 0;
    return complete;
}

int XY_Plot_Config_Dialog::getNumOverlayChannelsForPlot(int plotNum)
{
    if (plotNum < 0 || plotNum >= xyOverlaySpreadsheets.size())
        return 0;
    Spreadsheet *table = xyOverlaySpreadsheets[plotNum];
    int complete = 0;
    for (int r = 0; r < table->rowCount(); ++r)
        complete += RowKinds::isCompleteChannelRow(RowKinds::Channels::Overlay, table, r) ? 1 : 0;
    return complete;
}

// The "All" tab: a read-only overview of the variables and overlay channels
// of every shown graph, filled from the description just written back.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"
#include "row_kinds/channel_rows.h"

#include <interfaces/spreadsheet.h>

namespace {

// A table on screen lays out and shows each cell widget as its row comes,
// which makes filling it quadratic in its rows; with its cells hidden it
// does that once, when they are shown after the fill. Only the viewport is
// hidden: hiding the table would lay out the page, and through the tab
// widgets the whole dialog, again, and repaint all of it.
class CellsHiddenWhileFilled
{
public:
    explicit CellsHiddenWhileFilled(QAbstractItemView *table)
        : m_table(table)
    {
        m_table->viewport()->hide();
    }
    ~CellsHiddenWhileFilled()
    {
        m_table->viewport()->show();
        // The layout the view would do on its next pass, done now: the cells
        // are placed before the page is first painted, not after it, which
        // would paint them a second time.
        m_table->doItemsLayout();
    }
    CellsHiddenWhileFilled(const CellsHiddenWhileFilled &) = delete;
    CellsHiddenWhileFilled &operator=(const CellsHiddenWhileFilled &) = delete;

private:
    QAbstractItemView *m_table;
};

} // namespace

void XY_Plot_Config_Dialog::fillAllGraphTab()
{
    Spreadsheet *vars = ui->plotAllVarSpreadsheet;
    Spreadsheet *overlays = ui->plotAllOverlaySpreadsheet;
    const CellsHiddenWhileFilled varsHidden(vars);
    const CellsHiddenWhileFilled overlaysHidden(overlays);
    vars->setRowCount(0);
    overlays->setRowCount(0);
    if (!psi)
        return;

    int nextVarRow = 0;
    int nextOverlayRow = 0;
    // j: position of the graph among the shown ones, which is the index of
    // its record, since the write-back appends one per shown graph in order.
    int j = 0;
    for (int g = 0; g < plotVisible.size() && j < psi->plotAxisInfo.size(); ++g) {
        if (!plotVisible.testBit(g))
            continue;
        const Plot_Axis_Info &record = psi->plotAxisInfo.at(j);

        const int varCount = RowKinds::channelRows(record.numVarChannels);
        for (int r = 0; r < varCount; ++r) {
            const int row = nextVarRow++;
            vars->insertAllVarRow(row, 1);
            RowKinds::loadOverviewRow(RowKinds::Channels::Variables, vars, row, g + 1,
                                      record.varChannels[r]);
        }

        const int overlayCount = RowKinds::channelRows(record.numOverlayChannels);
        for (int r = 0; r < overlayCount; ++r) {
            const int row = nextOverlayRow++;
            overlays->insertAllOverlayRow(row, j);
            RowKinds::loadOverviewRow(RowKinds::Channels::Overlay, overlays, row, j + 1,
                                      record.overlayChannels[r]);
        }
        ++j;
    }
}

// Which graphs are shown: the graph tabs from the plot data, adding and
// deleting graphs from the tab bar's context menu, and the display type
// that decides whether a graph's comet length applies.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"
#include "row_kinds/axis_rows.h"

#include <QAction>
#include <QMessageBox>

#include <interfaces/spreadsheet.h>

#include <algorithm>
#include <array>

namespace {

const int GraphSlots = 8;

QString graphLabel(int slot)
{
    return QStringLiteral("Graph %1").arg(slot + 1);
}

// The slot a tab label names ("Graph 1" is slot 0), or -1.
int slotOfLabel(const QString &label)
{
    for (int g = 0; g < GraphSlots; ++g) {
        if (label == graphLabel(g))
            return g;
    }
    return -1;
}

bool anyBitSet(const QBitArray &bits)
{
    return bits.count(true) > 0;
}

// A refusal box: no parent, title bar without close button, Ok only.
void showRefusal(const QString &title, const QString &text)
{
    QMessageBox box;
    box.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace

void XY_Plot_Config_Dialog::setPlotVisibleValues(Plot_Screen_Info *info, bool plugin_mode)
{
    const std::array<QWidget *, GraphSlots> plotPages = {ui->plot1Tab, ui->plot2Tab, ui->plot3Tab,
                                                         ui->plot4Tab, ui->plot5Tab, ui->plot6Tab,
                                                         ui->plot7Tab, ui->plot8Tab};
    const std::array<QWidget *, GraphSlots> axesPages = {ui->graphAxes1, ui->graphAxes2,
                                                         ui->graphAxes3, ui->graphAxes4,
                                                         ui->graphAxes5, ui->graphAxes6,
                                                         ui->graphAxes7, ui->graphAxes8};

    if (!plugin_mode) {
        // Adding a page a tab widget already holds moves it to the end, so
        // this leaves every graph present, in graph order.
        for (int g = 1; g < GraphSlots; ++g) {
            ui->plotConfigTabs->addTab(plotPages[g], graphLabel(g));
            ui->axesConfigTabs->addTab(axesPages[g], graphLabel(g));
        }
    }

    plotVisible.fill(false);
    if (plugin_mode) {
        plotVisible.setBit(0);
    } else {
        const unsigned long numPlots = info ? info->numPlots : 0;
        const int shown = static_cast<int>(
            std::min<unsigned long>(numPlots, static_cast<unsigned long>(plotVisible.size())));
        for (int g = 0; g < shown; ++g)
            plotVisible.setBit(g);
    }

    // Downwards, so the indices of the tabs still to be checked stay valid.
    // Graph 1's tabs stay whatever its bit says.
    for (int k = plotVisible.size(); k >= 2; --k) {
        if (!plotVisible.testBit(k - 1)) {
            ui->plotConfigTabs->removeTab(k);
            ui->axesConfigTabs->removeTab(k - 1);
        }
    }

    if (plugin_mode) {
        for (int k = GraphSlots; k >= 2; --k) {
            ui->plotConfigTabs->removeTab(k);
            ui->axesConfigTabs->removeTab(k - 1);
        }
    }
}

void XY_Plot_Config_Dialog::createActionsForPlotTabs()
{
    QWidget *const plotPages[] = {ui->plot1Tab, ui->plot2Tab, ui->plot3Tab, ui->plot4Tab,
                                  ui->plot5Tab, ui->plot6Tab, ui->plot7Tab, ui->plot8Tab};
    // The menu belongs to the tab bar, not to the graph pages inside.
    for (QWidget *page : plotPages)
        page->setContextMenuPolicy(Qt::PreventContextMenu);

    addGraphAction = new QAction(QStringLiteral("Add Graph"), ui->plotConfigTabs);
    deleteGraphAction = new QAction(QStringLiteral("Delete Graph"), ui->plotConfigTabs);
    ui->plotConfigTabs->addAction(addGraphAction);
    ui->plotConfigTabs->addAction(deleteGraphAction);
    ui->plotConfigTabs->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(addGraphAction, &QAction::triggered, this, &XY_Plot_Config_Dialog::addNewTab);
    connect(deleteGraphAction, &QAction::triggered, this, &XY_Plot_Config_Dialog::delOldTab);
}

void XY_Plot_Config_Dialog::delOldTab()
{
    // Nothing changes while a graph is panned or zoomed.
    if (anyBitSet(allPlotsZoomStatus) || anyBitSet(allPlotsPanStatus))
        return;

    const int current = ui->plotConfigTabs->currentIndex();
    QString removedLabel;
    if (current == 1) {
        showRefusal(tr("One Graph is Minimum"),
                    QStringLiteral("There must be atleast 1 graph shown.\n\n"
                                   "A delete is not applicable now."));
    } else if (current >= 2 && current <= GraphSlots) {
        removedLabel = ui->plotConfigTabs->tabText(current);
        ui->plotConfigTabs->removeTab(current);
        ui->axesConfigTabs->removeTab(current - 1);
    }

    // The widgets of a deleted graph keep their contents; adding it again
    // resets them.
    const int slot = slotOfLabel(removedLabel);
    if (slot >= 0 && slot < plotVisible.size())
        plotVisible.clearBit(slot);

    emit addDeleteGraphSignal();
}

void XY_Plot_Config_Dialog::addNewTab()
{
    const int current = ui->plotConfigTabs->currentIndex();
    if (current == 0)
        return;
    if (anyBitSet(allPlotsZoomStatus) || anyBitSet(allPlotsPanStatus))
        return;
    // A one-graph dialog has no graph to add.
    if (plotVisible.size() != GraphSlots)
        return;
    if (plotVisible.count(true) == GraphSlots) {
        showRefusal(tr("Eight Graphs is Max"),
                    QString("The application only supports showing %1 graphs.").arg(GraphSlots));
        return;
    }

    // The first hidden graph after the current one; when all of those are
    // shown, the first hidden graph of all.
    QWidget *currentPage = ui->plotConfigTabs->widget(current);
    int slot = std::max(0, slotOfLabel(ui->plotConfigTabs->tabText(current)));
    while (slot <= GraphSlots - 2 && plotVisible.testBit(slot))
        ++slot;
    if (plotVisible.testBit(slot)) {
        slot = 0;
        while (plotVisible.testBit(slot))
            ++slot;
    }

    while (ui->plotConfigTabs->count() > 2)
        ui->plotConfigTabs->removeTab(2);
    while (ui->axesConfigTabs->count() > 2)
        ui->axesConfigTabs->removeTab(2);

    plotVisible.setBit(slot);

    // An added graph starts from the plain settings; its tables keep their
    // rows.
    displayTypeCombos[slot]->setCurrentIndex(0);
    cometLengthSpins[slot]->setValue(0);
    datapointHideRadios[slot]->setChecked(true);
    xyValuesHideRadios[slot]->setChecked(true);
    cometLengthSpins[slot]->setEnabled(false);
    // Axes no description ever filled start from the plot engine's defaults,
    // so that the new graph can be applied as it comes. Axes shown before
    // keep what they hold.
    if (slot < axesLoaded.size() && !axesLoaded.testBit(slot)) {
        RowKinds::loadAxes(yAxesSpreadsheets.value(slot), xAxisSpreadsheets.value(slot),
                           Plot_Axis_Info());
        axesLoaded.setBit(slot);
    }

    QWidget *const plotPages[] = {ui->plot1Tab, ui->plot2Tab, ui->plot3Tab, ui->plot4Tab,
                                  ui->plot5Tab, ui->plot6Tab, ui->plot7Tab, ui->plot8Tab};
    QWidget *const axesPages[] = {ui->graphAxes1, ui->graphAxes2, ui->graphAxes3, ui->graphAxes4,
                                  ui->graphAxes5, ui->graphAxes6, ui->graphAxes7, ui->graphAxes8};
    for (int k = 1; k < plotVisible.size(); ++k) {
        if (plotVisible.testBit(k)) {
            ui->plotConfigTabs->addTab(plotPages[k], graphLabel(k));
            ui->axesConfigTabs->addTab(axesPages[k], graphLabel(k));
        }
    }

    // The graph that was current stays current, wherever the added one went.
    ui->plotConfigTabs->setCurrentWidget(currentPage);

    Spreadsheet *variables = xyVarSpreadsheets[slot];
    if (variables->rowCount() == 0)
        variables->insertXYVarRow(0, 0);

    emit addDeleteGraphSignal();
}

void XY_Plot_Config_Dialog::handleDisplayTypeChange(int whichBtn, int dsplyTypeIndx)
{
    if (whichBtn < 0 || whichBtn >= cometLengthSpins.size())
        return;
    // Only a comet has a length; the value is kept while it does not apply.
    switch (dsplyTypeIndx) {
    case DisplayFullTrace:
    case DisplayMarkerOnly:
        cometLengthSpins[whichBtn]->setEnabled(false);
        break;
    case DisplayComet:
        cometLengthSpins[whichBtn]->setEnabled(true);
        break;
    default:
        break;
    }
}

void XY_Plot_Config_Dialog::on_cboDisplayType1_currentIndexChanged(int index)
{
    handleDisplayTypeChange(0, index);
}

void XY_Plot_Config_Dialog::on_cboDisplayType2_currentIndexChanged(int index)
{
    handleDisplayTypeChange(1, index);
}

void XY_Plot_Config_Dialog::on_cboDisplayType3_currentIndexChanged(int index)
{
    handleDisplayTypeChange(2, index);
}

void XY_Plot_Config_Dialog::on_cboDisplayType4_currentIndexChanged(int index)
{
    handleDisplayTypeChange(3, index);
}

void XY_Plot_Config_Dialog::on_cboDisplayType5_currentIndexChanged(int index)
{
    handleDisplayTypeChange(4, index);
}

void XY_Plot_Config_Dialog::on_cboDisplayType6_currentIndexChanged(int index)
{
    handleDisplayTypeChange(5, index);
}

void XY_Plot_Config_Dialog::on_cboDisplayType7_currentIndexChanged(int index)
{
    handleDisplayTypeChange(6, index);
}

void XY_Plot_Config_Dialog::on_cboDisplayType8_currentIndexChanged(int index)
{
    handleDisplayTypeChange(7, index);
}

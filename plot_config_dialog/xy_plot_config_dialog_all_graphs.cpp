// The "All" tab: a read-only overview of the variables and overlay channels
// of every shown graph, filled from the description just written back.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"
#include "xy_plot_config_dialog_exchange.h"

#include <QComboBox>
#include <QStringList>

#include <interfaces/spreadsheet.h>

using PlotExchange::cell;

namespace {

template<class T, class Setter>
void setAndLock(Spreadsheet *table, int row, int column, Setter set)
{
    if (auto *widget = cell<T>(table, row, column)) {
        set(widget);
        widget->setEnabled(false);
    }
}

// Graph number (variables) or position among the shown graphs (overlays).
void fillNumberCell(Spreadsheet *table, int row, qint64 number)
{
    setAndLock<LineEditWidget>(table, row, 0, [number](LineEditWidget *w) {
        w->setLineEditText(QStringLiteral("%1").arg(number));
    });
}

// Side, colour and line of one overview row.
void fillLineCells(Spreadsheet *table, int row, const Plot_Channel_Info &channel)
{
    setAndLock<IconButtonWidget>(table, row, 3, [&channel](IconButtonWidget *w) {
        w->setLeftSelected(channel.useLeftAxis);
    });
    setAndLock<LineEditColorWidget>(table, row, 4, [&channel](LineEditColorWidget *w) {
        w->setBGStyleSheet(channel.lineColor.name());
    });
    setAndLock<Combo_SpinBoxWidget>(table, row, 5, [&channel](Combo_SpinBoxWidget *w) {
        w->setComboBoxCurrentIndex(lineStyleToIndex(channel.lineStyle));
        w->setSpinBoxValue(channel.lineWidth);
    });
}

// The overview finds a variable whatever the case of the stored name.
void selectVariable(ZelVariable *selector, const QString &name)
{
    selector->comboBox()->setCurrentIndex(
        ZelVariable::findFirstStartingWith(name, Qt::CaseInsensitive));
}

// A new overview row offers the channels of the graph at its position, which
// after a deleted graph is not the graph the row lists; the stored name is
// then added, so the overview still shows what the graph uses.
void selectChannel(ComboBoxWidget *selector, const QString &name)
{
    int index = selector->findIndex(name);
    if (index < 0) {
        QStringList names;
        const QComboBox *combo = selector->comboBox();
        for (int i = 0; i < combo->count(); ++i)
            names.append(combo->itemText(i));
        names.append(name);
        selector->clearContents();
        selector->setComboBoxContentsList(names);
        index = selector->findIndex(name);
        if (index < 0)
            index = names.size() - 1;
    }
    selector->setComboBoxCurrentIndex(index);
}

// A table on screen lays out and shows each cell widget as its row comes,
// which makes filling it quadratic in its rows; a hidden one does that once,
// when it is shown after the fill. Keyboard focus on the table itself comes
// back with it.
class HiddenWhileFilled
{
public:
    explicit HiddenWhileFilled(QWidget *table)
        : m_table(table)
        , m_hadFocus(table->hasFocus())
    {
        m_table->hide();
    }
    ~HiddenWhileFilled()
    {
        m_table->show();
        if (m_hadFocus)
            m_table->setFocus();
    }
    HiddenWhileFilled(const HiddenWhileFilled &) = delete;
    HiddenWhileFilled &operator=(const HiddenWhileFilled &) = delete;

private:
    QWidget *m_table;
    bool m_hadFocus;
};

} // namespace

void PlotExchange::hideOverview(QWidget *variables, QWidget *overlays)
{
    variables->hide();
    overlays->hide();
}

void XY_Plot_Config_Dialog::fillAllGraphTab()
{
    Spreadsheet *vars = ui->plotAllVarSpreadsheet;
    Spreadsheet *overlays = ui->plotAllOverlaySpreadsheet;
    const HiddenWhileFilled varsHidden(vars);
    const HiddenWhileFilled overlaysHidden(overlays);
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

        const int varCount = PlotExchange::channelRows(record.numVarChannels);
        for (int r = 0; r < varCount; ++r) {
            const Plot_Channel_Info &channel = record.varChannels[r];
            const int row = nextVarRow++;
            vars->insertAllVarRow(row, 1);
            fillNumberCell(vars, row, g + 1);
            setAndLock<ZelVariable>(vars, row, 1, [&channel](ZelVariable *w) {
                selectVariable(w, channel.xVarName);
            });
            setAndLock<ZelVariable>(vars, row, 2, [&channel](ZelVariable *w) {
                selectVariable(w, channel.yVarName);
            });
            fillLineCells(vars, row, channel);
        }

        const int overlayCount = PlotExchange::channelRows(record.numOverlayChannels);
        for (int r = 0; r < overlayCount; ++r) {
            const Plot_Channel_Info &channel = record.overlayChannels[r];
            const int row = nextOverlayRow++;
            overlays->insertAllOverlayRow(row, j);
            fillNumberCell(overlays, row, j + 1);
            setAndLock<ComboBoxWidget>(overlays, row, 1, [&channel](ComboBoxWidget *w) {
                selectChannel(w, channel.xVarName);
            });
            setAndLock<ComboBoxWidget>(overlays, row, 2, [&channel](ComboBoxWidget *w) {
                selectChannel(w, channel.yVarName);
            });
            fillLineCells(overlays, row, channel);
        }
        ++j;
    }
}

// The exchange suites' catalogue, overlay channels and widgets by object name.
#ifndef XY_PLOT_TESTS_EXCHANGE_FIXTURE_H
#define XY_PLOT_TESTS_EXCHANGE_FIXTURE_H

#include <QAction>
#include <QBitArray>
#include <QTabWidget>

#include <memory>

#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "support/dialog_access.h"

namespace ExchangeFixture {

using Dialog = XY_Plot_Config_Dialog;

// The overlay channels of graph slot g: none, "G<g+1>_X", "G<g+1>_Y", "TIME".
inline QStringList overlayNames(int g)
{
    return {QString(), QStringLiteral("G%1_X").arg(g + 1), QStringLiteral("G%1_Y").arg(g + 1),
            "TIME"};
}

// Before a dialog is built. TEMP_1 comes first, so a stored TEMP selects it.
inline void installNames(const QStringList &extra = {})
{
    ZelVariable::setAvailableVariables(QStringList{"AIR", "TEMP_1", "TEMP", "OIL"} + extra);
    for (int g = 0; g < PlotSingleton::NumSlots; ++g)
        PlotSingleton::replaceOverlayChannelNames(g, new QStringList(overlayNames(g)));
}

inline std::unique_ptr<Plot_Screen_Info> makeInfo(int graphs)
{
    auto info = std::make_unique<Plot_Screen_Info>();
    info->numPlots = static_cast<unsigned long>(graphs);
    info->plotAxisInfo.resize(graphs);
    return info;
}

inline void showInfo(Dialog &d, Plot_Screen_Info *info, const QBitArray &zoom = QBitArray(8))
{
    d.show(info, QBitArray(8), zoom, Dialog::PlotArea, 0, false);
}

// What Apply would hand out, without its validation and double-press window.
inline Plot_Screen_Info *writeBack(Dialog &d)
{
    XY_Plot_Config_Dialog_TestAccess::writeScreenInfoToDataStructure(d);
    return XY_Plot_Config_Dialog_TestAccess::psi(d);
}

template<class T = Spreadsheet>
T *of(Dialog &d, const char *pattern, int g)
{
    return d.findChild<T *>(QString::fromLatin1(pattern).arg(g + 1));
}
const char *const YAxes = "graph%1YAxesSpreadsheet";
const char *const XAxis = "graph%1XAxisSpreadsheet";
const char *const Vars = "plot%1XYVarSpreadsheet";
const char *const Overlays = "plot%1XYOverlaySpreadsheet";

template<class T>
T *cellAt(QTableWidget *table, int row, int column)
{
    return qobject_cast<T *>(table->cellWidget(row, column));
}

// What a cell shows, whatever its kind; "off" for each field not editable.
inline QString cellText(QWidget *cell)
{
    if (auto *w = qobject_cast<LineEdit_LineEditWidget *>(cell))
        return w->getLineEditText(0) + ',' + w->getLineEditText(1)
               + (w->lineEdit(0)->isEnabled() ? "" : " off")
               + (w->lineEdit(1)->isEnabled() ? "" : " off");
    if (auto *w = qobject_cast<Combo_SpinBoxWidget *>(cell))
        return QStringLiteral("%1/%2").arg(w->getComboBoxCurrentIndex()).arg(w->getSpinBoxValue());
    if (auto *w = qobject_cast<LineEditColorWidget *>(cell))
        return w->getBGStyleSheet() + (w->getGridVisible() ? "" : " hidden");
    if (auto *w = qobject_cast<LineEditWidget *>(cell))
        return w->getLineEditText();
    if (auto *w = qobject_cast<CheckBoxWidget *>(cell))
        return w->getCheckBoxTrue() ? "auto" : "fixed";
    if (auto *w = qobject_cast<IconButtonWidget *>(cell))
        return w->getLeftSelected() ? "L" : "R";
    if (auto *w = qobject_cast<ZelVariable *>(cell))
        return w->comboBox()->currentIndex() < 0 ? "none" : w->comboBox()->currentText();
    auto *w = qobject_cast<ComboBoxWidget *>(cell);
    return w ? w->getComboBoxCurrentText() : "?";
}

inline void deleteGraphTab(Dialog &d, int index)
{
    auto *tabs = d.findChild<QTabWidget *>("plotConfigTabs");
    tabs->setCurrentIndex(index);
    for (QAction *action : tabs->actions())
        if (action->text() == QLatin1String("Delete Graph"))
            action->trigger();
}

} // namespace ExchangeFixture

#endif // XY_PLOT_TESTS_EXCHANGE_FIXTURE_H

// A host in miniature: every public header, one dialog and one tab.
#include <QApplication>
#include <QBitArray>
#include <cstdio>
#include <memory>

#include <interfaces/base_plot_frame_tab.h>
#include <interfaces/darlen_data_input.h>
#include <interfaces/ms_interval.h>
#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>
#include <plot_config_dialog/plot_screen_history.h>
#include <plot_config_dialog/xy_plot_config_dialog.h>
#include <plot_config_dialog/xy_plot_config_tab.h>
#include <plot_config_dialog/xy_plot_config_version.h>

int main(int argc, char **argv)
{
    // Declared before the application, so the still visible dialog is
    // deleted after it, as some hosts do.
    std::unique_ptr<XY_Plot_Config_Dialog> owned;
    QApplication app(argc, argv);
    Plot_Screen_Info screen;
    screen.numPlots = 1;
    screen.plotAxisInfo.append(Plot_Axis_Info());
    owned.reset(new XY_Plot_Config_Dialog(&screen, nullptr, false));
    XY_Plot_Config_Dialog &dialog = *owned;
    dialog.show(&screen, QBitArray(8), QBitArray(8), XY_Plot_Config_Dialog::AxesArea, 0, false);
    XY_Plot_Config_Tab tab;
    Plot_Screen_History history(screen);
    const bool ok =
        dialog.isVisible() && history.current().numPlots == 1 && tab.plotXYVarSpreadsheet != nullptr
        && DarlenDataInput::getLoggerFileInfo(QStringLiteral("/nonexistent")) == nullptr;
    static_assert(XY_PLOT_CONFIG_VERSION_MAJOR == 1, "a 1.x package");
    std::printf("%s %s\n", ok ? "consumer ok" : "consumer broken", XY_PLOT_CONFIG_VERSION);
    return ok ? 0 : 1;
}

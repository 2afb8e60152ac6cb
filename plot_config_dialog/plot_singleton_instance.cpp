#include <interfaces/plot_screen_info.h>

PlotSingleton *PlotSingleton::pInstance = nullptr;

#include "bench_screen.h"

namespace dialog_bench {

QStringList overlayNames(int slot)
{
    QStringList names;
    names.reserve(OverlayChannelsPerSlot + 1);
    names << QString();
    for (int i = 0; i < OverlayChannelsPerSlot; ++i)
        names << QStringLiteral("RUN%1.LOG.CH_%2").arg(slot + 1).arg(i, 3, 10, QLatin1Char('0'));
    return names;
}

std::unique_ptr<Plot_Screen_Info> fullDescription(const QStringList &names)
{
    std::unique_ptr<Plot_Screen_Info> info(new Plot_Screen_Info);
    info->configFileName = QStringLiteral("/data/config/cell4_xy.cfg");
    info->title = QStringLiteral("Cell 4 engine map");
    info->numPlots = GraphSlots;
    info->plotAxisInfo.resize(GraphSlots);
    const int n = names.size();
    for (int g = 0; g < GraphSlots; ++g) {
        Plot_Axis_Info &graph = info->plotAxisInfo[g];
        graph.numVarChannels = ChannelsPerGraph;
        graph.numOverlayChannels = ChannelsPerGraph;
        graph.overlayFileName = QStringLiteral("/data/PC_format/run%1.log").arg(g + 1);
        const QStringList overlay = overlayNames(g);
        for (int r = 0; r < ChannelsPerGraph; ++r) {
            Plot_Channel_Info &var = graph.varChannels[r];
            const int k = g * ChannelsPerGraph + r;
            var.xVarName = names.at(int((qint64(k) * 7919) % n));
            var.yVarName = names.at(int((qint64(k) * 104729 + 17) % n));
            var.useLeftAxis = (r % 2) == 0;
            var.lineColor = QColor::fromHsv((k * 37) % 360, 200, 230);
            Plot_Channel_Info &ov = graph.overlayChannels[r];
            ov.xVarName = overlay.at(1 + (r * 13) % OverlayChannelsPerSlot);
            ov.yVarName = overlay.at(1 + (r * 29 + 5) % OverlayChannelsPerSlot);
            ov.lineColor = QColor::fromHsv((k * 53) % 360, 180, 200);
        }
    }
    return info;
}

} // namespace dialog_bench

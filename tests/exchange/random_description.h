// Random plot screen descriptions for the round trip through the dialog, and
// the description that showing one and writing it straight back must give.
#ifndef XY_PLOT_TESTS_EXCHANGE_RANDOM_DESCRIPTION_H
#define XY_PLOT_TESTS_EXCHANGE_RANDOM_DESCRIPTION_H

#include <QRandomGenerator>

#include "exchange_fixture.h"

namespace RandomDescription {

using namespace ExchangeFixture;

// Names of equal length, so no name is the stem of another and each loads
// as itself.
inline QStringList names()
{
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names.append(QStringLiteral("SIG_%1").arg(i, 3, 10, QLatin1Char('0')));
    return names;
}

inline int fromEnvironment(const char *name, int fallback)
{
    return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
}

// Overlay file of each graph slot given to the constructor. show() does not
// reload it: the dialog keeps the file chosen in it.
inline QString constructorOverlayFile(int g)
{
    return QStringLiteral("/data/PC_format/graph%1.log").arg(g + 1);
}

// A dialog built as a host builds it: eight graphs, each with an overlay file.
inline std::unique_ptr<Dialog> dialog()
{
    auto initial = makeInfo(8);
    for (int g = 0; g < 8; ++g)
        initial->plotAxisInfo[g].overlayFileName = constructorOverlayFile(g);
    return std::make_unique<Dialog>(initial.get(), nullptr, false);
}

const int KnownPatterns[] = {0xFFFF, 0xF0F0, 0x1111, 0xF33C};
const char *const Families[] = {"Sans Serif", "Serif", "Monospace", "DejaVu Sans"};

class Generator
{
public:
    explicit Generator(quint32 seed)
        : rng(seed)
    {}

    std::unique_ptr<Plot_Screen_Info> description()
    {
        static const QStringList catalogue = names();
        const int graphs = between(1, 8);
        auto info = makeInfo(graphs);
        // The sample interval field shows six significant digits, so keep
        // intervals in the realistic range; storage shown in minutes or hours
        // keeps six digits too, so below 100000 s it comes back to the second.
        info->screenRefreshInterval = unsigned(between(10, 10000));
        info->dataSampleInterval = unsigned(between(10, 10000));
        info->dataUnits = static_cast<UnitType>(between(0, 2));
        info->dataStorage = unsigned(between(0, 99999));
        info->plotBgColorName = colorName();
        for (QString *t : {&info->title, &info->subtitle, &info->note})
            *t = text(70);
        for (QFont *f : {&info->titleFont, &info->subtitleFont, &info->noteFont})
            *f = font();
        for (bool *b :
             {&info->showTitleSubtitle, &info->showNote, &info->condenseControls, &info->legend})
            *b = coin();
        info->configFileName = QStringLiteral("/cfg/%1.xml").arg(text(8));
        for (int g = 0; g < graphs; ++g) {
            Plot_Axis_Info &record = info->plotAxisInfo[g];
            for (Single_Axis_Info *a : {&record.leftYAxis, &record.rightYAxis, &record.xAxis})
                *a = axis();
            record.numVarChannels = unsigned(between(0, 8));
            for (unsigned r = 0; r < record.numVarChannels; ++r)
                record.varChannels[r] = channel(catalogue);
            record.numOverlayChannels = unsigned(between(0, 8));
            for (unsigned r = 0; r < record.numOverlayChannels; ++r)
                record.overlayChannels[r] = channel(overlayNames(g).mid(1));
            record.traceMode = between(0, 9);
            record.showDatapoints = coin();
            record.showXYValues = coin();
            record.overlayFileName = text(30);
            record.displayType = between(0, 2);
            record.cometLength = between(0, 99);
        }
        return info;
    }

    // What the dialog does not show, or cannot show as it is; the overlay
    // file is the one the dialog keeps.
    void beyondTheDialog(Plot_Screen_Info &info)
    {
        info.screenId = between(-1000, 1000);
        info.lastSavedTime = qint64(rng.generate()) << 8;
        for (int g = 0; g < info.plotAxisInfo.size(); ++g) {
            Plot_Axis_Info &record = info.plotAxisInfo[g];
            record.overlayFileName = constructorOverlayFile(g);
            for (Single_Axis_Info *a : {&record.leftYAxis, &record.rightYAxis, &record.xAxis}) {
                a->rangeUnits = between(0, 3);
                a->gridLineWidth = coin() ? a->gridLineWidth : between(-3, 100000);
            }
            for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r) {
                for (Plot_Channel_Info *c : {&record.varChannels[r], &record.overlayChannels[r]}) {
                    c->visible = coin();
                    c->markerSize = float(between(1, 40));
                    c->lineColor.setAlpha(between(0, 255));
                    c->lineWidth = coin() ? c->lineWidth : between(-3, 100000);
                }
            }
            record.engineState = between(0, 9);
            record.firstSampleTime = between(0, 1 << 30);
            record.overlayState = between(0, 9);
            record.zoomOffset = between(-500, 500);
            record.autoScroll = coin();
            record.displayType = between(-1, 4);
            if (coin())
                record.cometLength = qint64(between(0, 1 << 20)) << between(0, 30);
        }
    }

private:
    int between(int low, int high) { return low + int(rng.bounded(quint32(high - low + 1))); }
    bool coin() { return rng.bounded(2u) == 1; }
    QString text(int maxLength)
    {
        static const QString chars = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRST"
                                                    "UVWXYZ0123456789 .,:;-_/()%#\u00e4\u00b0");
        QString s;
        for (int i = between(0, maxLength); i > 0; --i)
            s.append(chars.at(between(0, chars.size() - 1)));
        return s;
    }
    QColor color() { return QColor(between(0, 255), between(0, 255), between(0, 255)); }
    // Both spellings of a colour name occur in stored descriptions.
    QString colorName() { return coin() ? color().name().toUpper() : color().name(); }
    int pattern() { return coin() ? KnownPatterns[between(0, 3)] : between(0, 0xFFFF); }
    QFont font()
    {
        QFont f(QLatin1String(Families[between(0, 3)]), between(6, 40));
        f.setBold(coin());
        f.setItalic(coin());
        return f;
    }
    Single_Axis_Info axis()
    {
        Single_Axis_Info a;
        a.axisColorName = colorName();
        // Quarters of at most six significant digits, which the fields show exactly.
        a.rangeMin = between(-39999, 39999) / 4.0;
        a.rangeMax = between(-39999, 39999) / 4.0;
        a.autoRange = coin();
        a.numMajorTicks = unsigned(between(0, 15));
        a.numMinorTicks = unsigned(between(0, 15));
        a.label = text(20);
        a.gridColorName = colorName();
        a.gridLineStyle = pattern();
        a.gridLineWidth = between(1, 5);
        a.gridVisible = coin();
        return a;
    }
    Plot_Channel_Info channel(const QStringList &names)
    {
        Plot_Channel_Info c;
        c.xVarName = names.at(between(0, names.size() - 1));
        c.yVarName = names.at(between(0, names.size() - 1));
        c.useLeftAxis = coin();
        c.lineColor = color();
        c.lineStyle = pattern();
        c.lineWidth = between(1, 5);
        return c;
    }

    QRandomGenerator rng;
};

// Unknown patterns become solid.
inline int writtenPattern(int pattern)
{
    return std::count(std::begin(KnownPatterns), std::end(KnownPatterns), pattern) ? pattern
                                                                                   : 0xFFFF;
}

inline void writeAxis(Single_Axis_Info &axis, bool isXAxis)
{
    axis.axisColorName = QColor(axis.axisColorName).name();
    axis.gridColorName = QColor(axis.gridColorName).name();
    if (axis.autoRange)
        axis.rangeMin = axis.rangeMax = 0.0;
    axis.numMajorTicks = qMin(axis.numMajorTicks, 10ul);
    axis.numMinorTicks = qMin(axis.numMinorTicks, 10ul);
    axis.gridLineStyle = writtenPattern(axis.gridLineStyle);
    axis.gridVisible = axis.gridVisible || isXAxis;
}

// The description as the write-back gives it back. Without overlay
// channels a graph's overlay table keeps one row that the loading leaves
// alone; what the write-back makes of it is taken from the written one.
inline std::unique_ptr<Plot_Screen_Info> expectedFor(const Plot_Screen_Info &in,
                                                     const Plot_Screen_Info &written)
{
    auto out = std::make_unique<Plot_Screen_Info>();
    out->copyFrom(in);
    for (QString *t : {&out->title, &out->subtitle, &out->note})
        t->truncate(50);
    for (QFont *f : {&out->titleFont, &out->subtitleFont, &out->noteFont})
        *f = QFont(f->family(), qMin(f->pointSize(), 24)); // only family and size are kept
    out->plotBgColorName = QColor(in.plotBgColorName).name();
    for (int g = 0; g < out->plotAxisInfo.size(); ++g) {
        Plot_Axis_Info &record = out->plotAxisInfo[g];
        for (Single_Axis_Info *a : {&record.leftYAxis, &record.rightYAxis, &record.xAxis})
            writeAxis(*a, a == &record.xAxis);
        for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r)
            for (Plot_Channel_Info *c : {&record.varChannels[r], &record.overlayChannels[r]})
                c->lineStyle = writtenPattern(c->lineStyle);
        if (record.numOverlayChannels == 0 && g < written.plotAxisInfo.size())
            record.overlayChannels[0] = written.plotAxisInfo[g].overlayChannels[0];
        record.traceMode = 4;
        record.overlayFileName = constructorOverlayFile(g);
    }
    return out;
}

} // namespace RandomDescription

#endif // XY_PLOT_TESTS_EXCHANGE_RANDOM_DESCRIPTION_H

#include "stipple.h"

QVector<qreal> stippleDashPattern(int pattern)
{
    const quint16 bits = static_cast<quint16>(pattern & 0xFFFF);
    if (bits == 0xFFFF || bits == 0)
        return {};
    // Rotate so the pattern begins with an on bit that follows an off bit:
    // the runs then come in whole on/off pairs.
    int start = 0;
    auto bitAt = [bits](int i) { return (bits >> (15 - (i & 15))) & 1; };
    while (!(bitAt(start) == 1 && bitAt(start + 15) == 0))
        ++start;
    QVector<qreal> runs;
    int run = 0;
    int current = 1;
    for (int i = 0; i < 16; ++i) {
        const int bit = bitAt(start + i);
        if (bit == current) {
            ++run;
        } else {
            runs.append(run);
            current = bit;
            run = 1;
        }
    }
    runs.append(run);
    return runs;
}

QPen stipplePen(const QColor &colour, int width, int pattern)
{
    if ((pattern & 0xFFFF) == 0)
        return QPen(Qt::NoPen);
    QPen pen(colour, qMax(1, width));
    pen.setCosmetic(true);
    // Qt counts dashes in pen widths, so a wider line stretches the pattern
    // as a stipple factor would.
    const QVector<qreal> runs = stippleDashPattern(pattern);
    if (!runs.isEmpty()) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(runs);
    }
    return pen;
}

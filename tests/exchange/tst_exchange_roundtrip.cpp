// Showing a description and writing it straight back gives the description
// again, up to what the write-back deliberately changes.
#include <QRandomGenerator>
#include <QtTest>

#include "exchange_fixture.h"

using namespace ExchangeFixture;

namespace {

const int DefaultDescriptions = 500;

// Names of equal length, so no name is the stem of another and each loads
// as itself.
QStringList roundTripCatalogue()
{
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names.append(QStringLiteral("SIG_%1").arg(i, 3, 10, QLatin1Char('0')));
    return names;
}

// Overlay file of each graph slot given to the constructor. show() does not
// reload it: the dialog keeps the file chosen in it.
QString constructorOverlayFile(int g)
{
    return QStringLiteral("/data/PC_format/graph%1.log").arg(g + 1);
}

const int KnownPatterns[] = {0xFFFF, 0xF0F0, 0x1111, 0xF33C};
const char *const Families[] = {"Sans Serif", "Serif", "Monospace", "DejaVu Sans"};

class Generator
{
public:
    explicit Generator(quint32 seed)
        : rng(seed)
    {}

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
    QString colorName()
    {
        const QString name = color().name();
        return coin() ? name.toUpper() : name;
    }
    int pattern()
    {
        const int pick = between(0, 4);
        return pick < 4 ? KnownPatterns[pick] : between(0, 0xFFFF);
    }
    // Quarters of at most six significant digits, which the fields show
    // exactly.
    double range() { return between(-39999, 39999) / 4.0; }
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
        a.rangeMin = range();
        a.rangeMax = range();
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

    std::unique_ptr<Plot_Screen_Info> description(const QStringList &catalogue)
    {
        const int graphs = between(1, 8);
        auto info = makeInfo(graphs);
        // Intervals in the realistic range: the sample interval field shows
        // six significant digits, so 1234567 ms would not come back.
        info->screenRefreshInterval = unsigned(between(10, 10000));
        info->dataSampleInterval = unsigned(between(10, 10000));
        // Storage shown in minutes or hours keeps six digits too: below
        // 100000 s every period comes back to the second.
        info->dataUnits = static_cast<UnitType>(between(0, 2));
        info->dataStorage = unsigned(between(0, 99999));
        info->plotBgColorName = colorName();
        info->title = text(70);
        info->titleFont = font();
        info->subtitle = text(70);
        info->subtitleFont = font();
        info->note = text(70);
        info->noteFont = font();
        info->showTitleSubtitle = coin();
        info->showNote = coin();
        info->condenseControls = coin();
        info->legend = coin();
        info->configFileName = QStringLiteral("/cfg/%1.xml").arg(text(8));
        for (int g = 0; g < graphs; ++g) {
            Plot_Axis_Info &record = info->plotAxisInfo[g];
            record.leftYAxis = axis();
            record.rightYAxis = axis();
            record.xAxis = axis();
            record.numVarChannels = unsigned(between(0, 8));
            for (unsigned r = 0; r < record.numVarChannels; ++r)
                record.varChannels[r] = channel(catalogue);
            record.numOverlayChannels = unsigned(between(0, 8));
            const QStringList overlay = overlayNames(g).mid(1);
            for (unsigned r = 0; r < record.numOverlayChannels; ++r)
                record.overlayChannels[r] = channel(overlay);
            record.traceMode = between(0, 9);
            record.showDatapoints = coin();
            record.showXYValues = coin();
            record.overlayFileName = text(30);
            record.displayType = between(0, 2);
            record.cometLength = between(0, 99);
        }
        return info;
    }

    // What the dialog does not show, or cannot show as it is.
    void beyondTheDialog(Plot_Screen_Info &info)
    {
        info.screenId = between(-1000, 1000);
        info.lastSavedTime = qint64(rng.generate()) << 8;
        for (Plot_Axis_Info &record : info.plotAxisInfo) {
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
            record.cometLength =
                coin() ? record.cometLength : (qint64(between(0, 1 << 20)) << between(0, 30));
        }
    }

private:
    QRandomGenerator rng;
};

bool knownPattern(int pattern)
{
    return std::find(std::begin(KnownPatterns), std::end(KnownPatterns), pattern)
           != std::end(KnownPatterns);
}

QFont writtenFont(const QFont &shown)
{
    QFont font(QStringLiteral("Sans Serif"), 12);
    font.setFamily(shown.family());
    font.setPointSize(qMin(shown.pointSize(), 24));
    return font;
}

Single_Axis_Info writtenAxis(Single_Axis_Info axis, bool isXAxis)
{
    axis.axisColorName = QColor(axis.axisColorName).name();
    axis.gridColorName = QColor(axis.gridColorName).name();
    if (axis.autoRange)
        axis.rangeMin = axis.rangeMax = 0.0;
    axis.numMajorTicks = qMin(axis.numMajorTicks, 10ul);
    axis.numMinorTicks = qMin(axis.numMinorTicks, 10ul);
    if (!knownPattern(axis.gridLineStyle))
        axis.gridLineStyle = 0xFFFF;
    if (isXAxis)
        axis.gridVisible = true;
    return axis;
}

// The description as the write-back gives it back. Without overlay
// channels a graph's overlay table keeps one row that the loading leaves
// alone; what the write-back makes of it is not the description's and is
// taken from the written one.
std::unique_ptr<Plot_Screen_Info> expectedFor(const Plot_Screen_Info &in,
                                              const Plot_Screen_Info &written)
{
    std::unique_ptr<Plot_Screen_Info> out(new Plot_Screen_Info);
    out->copyFrom(in);
    // Texts are cut to 50 characters, fonts keep family and size up to 24 points.
    out->title = in.title.left(50);
    out->subtitle = in.subtitle.left(50);
    out->note = in.note.left(50);
    out->titleFont = writtenFont(in.titleFont);
    out->subtitleFont = writtenFont(in.subtitleFont);
    out->noteFont = writtenFont(in.noteFont);
    out->plotBgColorName = QColor(in.plotBgColorName).name();
    for (int g = 0; g < out->plotAxisInfo.size(); ++g) {
        Plot_Axis_Info &record = out->plotAxisInfo[g];
        record.leftYAxis = writtenAxis(record.leftYAxis, false);
        record.rightYAxis = writtenAxis(record.rightYAxis, false);
        record.xAxis = writtenAxis(record.xAxis, true);
        for (int r = 0; r < Plot_Axis_Info::MaxChannels; ++r) // unknown patterns become solid
            for (Plot_Channel_Info *c : {&record.varChannels[r], &record.overlayChannels[r]})
                c->lineStyle = knownPattern(c->lineStyle) ? c->lineStyle : 0xFFFF;
        if (record.numOverlayChannels == 0 && g < written.plotAxisInfo.size())
            record.overlayChannels[0] = written.plotAxisInfo[g].overlayChannels[0];
        record.traceMode = 4;
        record.overlayFileName = constructorOverlayFile(g);
    }
    return out;
}

// The first line where the JSON forms of two descriptions differ, with the
// lines before it to place it; empty when they are equal.
QString firstDifference(const QByteArray &expected, const QByteArray &actual)
{
    const QList<QByteArray> e = expected.split('\n');
    const QList<QByteArray> a = actual.split('\n');
    for (int i = 0; i < qMax(e.size(), a.size()); ++i) {
        if (e.value(i) == a.value(i))
            continue;
        QStringList context;
        for (int k = qMax(0, i - 6); k < i; ++k)
            context.append(QString::fromUtf8(e.value(k)));
        return QStringLiteral("%1\nexpected: %2\ngot:      %3")
            .arg(context.join(QLatin1Char('\n')), QString::fromUtf8(e.value(i)),
                 QString::fromUtf8(a.value(i)));
    }
    return QString();
}

// A dialog built as a host builds it: eight graphs, each with an overlay
// file, and the round trip's catalogue.
std::unique_ptr<XY_Plot_Config_Dialog> roundTripDialog()
{
    installNames();
    ZelVariable::setAvailableVariables(roundTripCatalogue());
    auto initial = makeInfo(8);
    for (int g = 0; g < 8; ++g)
        initial->plotAxisInfo[g].overlayFileName = constructorOverlayFile(g);
    return std::unique_ptr<XY_Plot_Config_Dialog>(
        new XY_Plot_Config_Dialog(initial.get(), nullptr, false));
}

quint32 seedOr(quint32 fallback)
{
    return qEnvironmentVariableIsSet("XY_PLOT_EXCHANGE_SEED")
               ? quint32(qEnvironmentVariableIntValue("XY_PLOT_EXCHANGE_SEED"))
               : fallback;
}

// Shows input as a fresh dialog would, writes it straight back and returns
// what was written.
const Plot_Screen_Info &showAndWriteBack(XY_Plot_Config_Dialog &dialog, Plot_Screen_Info &input)
{
    // A freshly opened graph's overlay table: no channel picked.
    for (Spreadsheet *overlay : A::xyOverlay(dialog))
        overlay->setRowCount(0);
    dialog.show(&input, bits(8), bits(8), XY_Plot_Config_Dialog::PlotArea, 0, false);
    A::writeScreenInfoToDataStructure(dialog);
    // What the event loop does between the user's actions: removed rows'
    // cells are deleted later, and piled up they slow everything down.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return *A::psi(dialog);
}

} // namespace

class ExchangeRoundTripTest : public QObject
{
    Q_OBJECT

private slots:
    void showThenWriteBack()
    {
        const auto dialog = roundTripDialog();
        const QStringList catalogue = roundTripCatalogue();
        const quint32 seed = seedOr(20240611u);
        const int descriptions = qEnvironmentVariableIsSet("XY_PLOT_EXCHANGE_DESCRIPTIONS")
                                     ? qEnvironmentVariableIntValue("XY_PLOT_EXCHANGE_DESCRIPTIONS")
                                     : DefaultDescriptions;
        Generator generate(seed);
        for (int i = 0; i < descriptions; ++i) {
            const std::unique_ptr<Plot_Screen_Info> input = generate.description(catalogue);
            const Plot_Screen_Info &written = showAndWriteBack(*dialog, *input);
            const QString difference =
                firstDifference(expectedFor(*input, written)->toJson(), written.toJson());
            if (!difference.isEmpty())
                QFAIL(qPrintable(
                    QStringLiteral("seed %1 (XY_PLOT_EXCHANGE_SEED), description %2:\n%3")
                        .arg(seed)
                        .arg(i)
                        .arg(difference)));
        }
    }

    // A host that adopts an unedited Apply through mergeDialogEdits gets its
    // own description back, member for member.
    void mergeKeepsAnUneditedDescription()
    {
        const auto dialog = roundTripDialog();
        const QStringList catalogue = roundTripCatalogue();
        const quint32 seed = seedOr(20261208u);
        Generator generate(seed);
        for (int i = 0; i < DefaultDescriptions / 5; ++i) {
            const std::unique_ptr<Plot_Screen_Info> host = generate.description(catalogue);
            generate.beyondTheDialog(*host);
            for (int g = 0; g < host->plotAxisInfo.size(); ++g)
                host->plotAxisInfo[g].overlayFileName = constructorOverlayFile(g);
            const Plot_Screen_Info &written = showAndWriteBack(*dialog, *host);

            Plot_Screen_Info merged;
            merged.copyFrom(*host);
            const QStringList replaced = mergeDialogEdits(merged, written);
            const QString difference = firstDifference(host->toJson(), merged.toJson());
            if (!difference.isEmpty() || !replaced.isEmpty())
                QFAIL(qPrintable(
                    QStringLiteral("seed %1 (XY_PLOT_EXCHANGE_SEED), description %2:\n%3%4")
                        .arg(seed)
                        .arg(i)
                        .arg(difference, replaced.join(QLatin1Char('\n')))));
        }
    }

    // Loading shows a stored name as the first catalogue name starting with
    // it; the merge keeps what was written and says so.
    void mergeReportsReplacedNames()
    {
        installNames();
        ZelVariable::setAvailableVariables(
            {QStringLiteral("N10"), QStringLiteral("N1"), QStringLiteral("OIL")});
        auto host = makeInfo(2);
        host->plotAxisInfo[1].numVarChannels = 2;
        host->plotAxisInfo[1].varChannels[0].xVarName = QStringLiteral("OIL");
        host->plotAxisInfo[1].varChannels[0].yVarName = QStringLiteral("N10");
        host->plotAxisInfo[1].varChannels[1].xVarName = QStringLiteral("OIL");
        host->plotAxisInfo[1].varChannels[1].yVarName = QStringLiteral("N1");
        XY_Plot_Config_Dialog dialog(host.get(), nullptr, false);
        dialog.show(host.get(), bits(8), bits(8), XY_Plot_Config_Dialog::PlotArea, 0, false);
        A::writeScreenInfoToDataStructure(dialog);

        Plot_Screen_Info merged;
        merged.copyFrom(*host);
        QCOMPARE(mergeDialogEdits(merged, *A::psi(dialog)),
                 QStringList{QStringLiteral("Graph 2 / channel 2 / Y variable: N1 -> N10")});
        QCOMPARE(merged.plotAxisInfo[1].varChannels[1].yVarName, QStringLiteral("N10"));
        QCOMPARE(merged.plotAxisInfo[1].varChannels[0].yVarName, QStringLiteral("N10"));
    }
};

QTEST_MAIN(ExchangeRoundTripTest)
#include "tst_exchange_roundtrip.moc"

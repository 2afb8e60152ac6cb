// Plot engine: the description of one XY plot screen as the host and the
// configuration dialog exchange it, and the process-wide PlotSingleton that
// keeps the overlay channel names of each graph slot.
#ifndef XY_PLOT_INTERFACES_PLOT_SCREEN_INFO_H
#define XY_PLOT_INTERFACES_PLOT_SCREEN_INFO_H

#include <QColor>
#include <QFont>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#if defined(XY_PLOT_ENGINE_LIBRARY)
#define XY_PLOT_ENGINE_EXPORT Q_DECL_EXPORT
#else
#define XY_PLOT_ENGINE_EXPORT Q_DECL_IMPORT
#endif

// Unit in which a time span is shown; the code is the index of the data
// storage units combo box ("Seconds", "Minutes", "Hours").
enum UnitType : qint32 {
    UnitSeconds = 0,
    UnitMinutes = 1,
    UnitHours = 2,
    UnitDays = 3
};

// Seconds to the given unit: divided by 1, 60, 3600 or 86400; any other code
// gives 0.0.
XY_PLOT_ENGINE_EXPORT double convertSecondsToUnit(double seconds, int unitCode);
// Seconds in one of the given unit (1, 60, 3600, 86400); 0 for other codes.
XY_PLOT_ENGINE_EXPORT qint64 secondsPerUnit(int unitCode);

// The four known 16-bit line stipple patterns and their combo box indexes.
enum LineStylePattern : int {
    LineStyleSolid = 0xFFFF,
    LineStyleDash = 0xF0F0,
    LineStyleDot = 0x1111,
    LineStyleDashDot = 0xF33C
};
// Pattern to combo index: 0xF0F0 -> 1, 0x1111 -> 2, 0xF33C -> 3, else 0.
XY_PLOT_ENGINE_EXPORT int lineStyleToIndex(int pattern);
// Combo index to pattern: 1 -> 0xF0F0, 2 -> 0x1111, 3 -> 0xF33C, else 0xFFFF.
XY_PLOT_ENGINE_EXPORT int indexToLineStyle(int index);

// Display type of a graph: index of its display type combo box.
enum DisplayTypeCode : int {
    DisplayFullTrace = 0,
    DisplayMarkerOnly = 1,
    DisplayComet = 2
};

// One axis of a graph.
class Single_Axis_Info
{
public:
    QString axisColorName = QStringLiteral("#FFFFFF");
    double rangeMin = -50.0;
    double rangeMax = 250.0;
    bool autoRange = true;
    unsigned long numMajorTicks = 5;
    unsigned long numMinorTicks = 4;
    QString label;
    QString gridColorName = QStringLiteral("#FFFFFF");
    int gridLineStyle = 0xFFFF;
    int gridLineWidth = 1;
    bool gridVisible = true;
    int rangeUnits = 0; // UnitType coding; used by the X range conversions
};

// One X/Y variable pair of a graph (live variables or overlay channels).
class Plot_Channel_Info
{
public:
    Plot_Channel_Info() { lineColor.setRgb(255, 225, 255, 255); }

    QString yVarName;
    bool useLeftAxis = true;
    bool visible = true;
    QColor lineColor;
    int lineStyle = 0xFFFF;
    int lineWidth = 1;
    float markerSize = 10.0f;
    QString xVarName;
};

// Everything one graph shows.
class Plot_Axis_Info
{
public:
    enum { MaxChannels = 8 };

    Plot_Axis_Info()
    {
        xAxis.numMinorTicks = 1;
        xAxis.numMajorTicks = 2;
        xAxis.rangeMin = 0.0;
        xAxis.rangeMax = 30.0;
        leftYAxis.label = QStringLiteral("Left Axis");
        rightYAxis.label = QStringLiteral("Right Axis");
        xAxis.label = QStringLiteral("X Axis");
    }

    Single_Axis_Info leftYAxis;
    Single_Axis_Info rightYAxis;
    Single_Axis_Info xAxis;
    Plot_Channel_Info varChannels[MaxChannels];
    Plot_Channel_Info overlayChannels[MaxChannels];
    unsigned long numVarChannels = 0;
    unsigned long numOverlayChannels = 0;
    int traceMode = 5; // written back as 4 by the dialog
    bool showDatapoints = false;
    bool showXYValues = false;
    QString overlayFileName;
    // Engine-private run-time state, copied with the record.
    int engineState = 0;
    qint64 firstSampleTime = 0;
    qint64 lastSampleTime = 0;
    int overlayState = 0;
    qint64 overlayFirstTime = 0;
    qint64 overlayLastTime = 0;
    int panState = 0;
    int zoomState = 0;
    qint64 panOffset = 0;
    qint64 zoomOffset = 0;
    bool engineDirty = false;
    int displayType = 0;
    qint64 cometLength = 0;
    qint64 timeScaleNumerator = 1;
    qint64 timeScaleDenominator = 1;
    bool autoScroll = true;
};

// The description of one plot screen.
class XY_PLOT_ENGINE_EXPORT Plot_Screen_Info : public QObject
{
    Q_OBJECT

public:
    explicit Plot_Screen_Info(QObject *parent = nullptr);
    ~Plot_Screen_Info() override;

    QVector<Plot_Axis_Info> plotAxisInfo;
    unsigned long numPlots = 0;
    unsigned long screenRefreshInterval = 100; // ms
    unsigned long dataSampleInterval = 20;     // ms
    unsigned long dataStorage = 30;            // s
    UnitType dataUnits = UnitSeconds;
    int screenId = 0;
    qint64 lastSavedTime = 0;
    QString plotBgColorName = QStringLiteral("#000000");
    QString title;
    QFont titleFont;
    QString subtitle;
    QFont subtitleFont;
    QString note;
    QFont noteFont;
    bool showTitleSubtitle = true;
    bool showNote = true;
    bool condenseControls = false;
    bool legend = true;
    QString configFileName;

    // Longest title, subtitle and note the screen shows.
    enum { MaxTitleLength = 50 };

    // Setters: store the value, then emit its change signal.
    void setNumPlots(unsigned long value);
    void setScreenRefreshInterval(unsigned long value);
    void setDataSampleInterval(unsigned long value);
    void setDataStorage(unsigned long value);
    void setDataUnits(UnitType value);
    void setPlotBgColorName(const QString &value);
    void setTitle(const QString &value);
    void setTitleFont(const QFont &value);
    void setSubtitle(const QString &value);
    void setSubtitleFont(const QFont &value);
    void setNote(const QString &value);
    void setNoteFont(const QFont &value);
    void setShowTitleSubtitle(bool value);
    void setShowNote(bool value);
    void setCondenseControls(bool value);
    void setLegend(bool value);
    void setConfigFileName(const QString &value);

    // Member-by-member copy of the data (no QObject state, no connections).
    void copyFrom(const Plot_Screen_Info &other);

    // Problems that make the description unusable for drawing (empty when
    // consistent): more than 8 graphs, channel counts above 8, unknown
    // codes, colours that do not parse.
    QStringList consistencyErrors() const;

    // Limits of the configuration dialog's fields and lists.
    enum {
        MinDialogGraphs = 1,
        MaxDialogGraphs = 8,
        MaxFontPointSize = 24,
        MaxCometLength = 99,       // seconds
        MaxLineWidth = 50,
        MaxLabelLength = 32767,    // an axis label field
        DialogStorageUnits = 3,    // seconds, minutes, hours
        DialogSignificantDigits = 6
    };
    // Values that the configuration dialog cannot show as they are, and so
    // would change on OK without an edit (empty when there are none). Each
    // entry names the member path, the value and the limit.
    QStringList dialogChanges() const;

    // JSON persistence of every member and record.
    QByteArray toJson() const;
    // Fills this object from JSON; on failure returns false, leaves the
    // object unchanged and describes the problem in *errorMessage.
    bool fromJson(const QByteArray &json, QString *errorMessage = nullptr);

signals:
    void numPlotsChanged(unsigned long);
    void screenRefreshIntervalChanged(unsigned long);
    void dataSampleIntervalChanged(unsigned long);
    void dataStorageChanged(unsigned long);
    void dataUnitsChanged(UnitType);
    void plotBgColorNameChanged(QString const &);
    void titleChanged(QString const &);
    void titleFontChanged(QFont const &);
    void subtitleChanged(QString const &);
    void subtitleFontChanged(QFont const &);
    void noteChanged(QString const &);
    void noteFontChanged(QFont const &);
    void showTitleSubtitleChanged(bool);
    void showNoteChanged(bool);
    void condenseControlsChanged(bool);
    void legendChanged(bool);
    void configFileNameChanged(QString const &);

private:
    Q_DISABLE_COPY(Plot_Screen_Info)
};

Q_DECLARE_METATYPE(UnitType)

// Registers "Plot_Screen_Info*" (and UnitType) with the meta-type system;
// safe to call any number of times.
XY_PLOT_ENGINE_EXPORT int registerPlotScreenInfoMetaType();

// Process-wide store of the overlay channel names of each graph slot.
// The one instance lives from its first use to the end of the process; the
// definition of pInstance comes with the configuration dialog library.
class XY_PLOT_ENGINE_EXPORT PlotSingleton : public QObject
{
    Q_OBJECT

public:
    enum { NumSlots = 8 };

    PlotSingleton();
    ~PlotSingleton() override;

    static PlotSingleton *pInstance;

    // Channel names of each slot's overlay logger file, an empty entry in
    // front; owned by the singleton, null until first needed.
    QStringList *overlayChannelNames[NumSlots];
    // Per-slot overlay time scale, 1 on creation.
    qint64 overlayTimeScale[NumSlots];

    // The instance, created on first use.
    static PlotSingleton *instance()
    {
        if (!pInstance)
            pInstance = new PlotSingleton;
        return pInstance;
    }

    // A copy of slot's list; creates an empty list for a slot never filled.
    // Slots outside 0..7 give an empty list and store nothing.
    static QStringList overlayChannelNamesOf(int slot)
    {
        if (slot < 0 || slot >= NumSlots)
            return QStringList();
        PlotSingleton *s = instance();
        if (!s->overlayChannelNames[slot])
            s->overlayChannelNames[slot] = new QStringList;
        return *s->overlayChannelNames[slot];
    }

    // Replaces slot's list (taking ownership of names), deleting the old
    // one. Slots outside 0..7 delete names and store nothing.
    static void replaceOverlayChannelNames(int slot, QStringList *names)
    {
        if (slot < 0 || slot >= NumSlots) {
            delete names;
            return;
        }
        PlotSingleton *s = instance();
        delete s->overlayChannelNames[slot];
        s->overlayChannelNames[slot] = names;
    }

private:
    Q_DISABLE_COPY(PlotSingleton)
};

#endif // XY_PLOT_INTERFACES_PLOT_SCREEN_INFO_H

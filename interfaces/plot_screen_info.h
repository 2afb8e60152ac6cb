/// @file
/// Plot engine: the description of one XY plot screen as the host and the
/// configuration dialog exchange it (Plot_Screen_Info with its records
/// Plot_Axis_Info, Single_Axis_Info and Plot_Channel_Info). It brings the
/// rest of the plot engine's API with it: the process-wide PlotSingleton,
/// the differences between descriptions, the merge of dialog edits and the
/// copy and defaults operations. Everything here is used on the GUI thread
/// only.
#ifndef XY_PLOT_INTERFACES_PLOT_SCREEN_INFO_H
#define XY_PLOT_INTERFACES_PLOT_SCREEN_INFO_H

#include <QColor>
#include <QFont>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#include <interfaces/plot_engine_export.h>
// A host that includes this header has the whole plot engine API.
#include <interfaces/plot_screen_differences.h>
#include <interfaces/plot_screen_merge.h>
#include <interfaces/plot_screen_presets.h>
#include <interfaces/plot_singleton.h>

/// Unit in which a time span is shown; the code is also the index of the
/// dialog's data storage units combo box, which offers the first three.
enum UnitType : qint32 {
    /// "Seconds"
    UnitSeconds = 0,
    /// "Minutes": 60 seconds.
    UnitMinutes = 1,
    /// "Hours": 3600 seconds.
    UnitHours = 2,
    /// Days: 86400 seconds (X axis ranges only).
    UnitDays = 3
};

/// @p seconds expressed in the unit @p unitCode (UnitType coding): divided
/// by 1, 60, 3600 or 86400; any other code gives 0.0.
XY_PLOT_ENGINE_EXPORT double convertSecondsToUnit(double seconds, int unitCode);
/// Seconds in one @p unitCode (UnitType coding): 1, 60, 3600 or 86400; 0 for
/// any other code.
XY_PLOT_ENGINE_EXPORT qint64 secondsPerUnit(int unitCode);

/// The four known 16-bit line stipple patterns (set bits are drawn, lowest
/// bit first) held in the lineStyle and gridLineStyle members; the dialog
/// shows them as the indexes 0 to 3 of a line style combo box.
enum LineStylePattern : int {
    /// Solid line, combo index 0 (and the default).
    LineStyleSolid = 0xFFFF,
    /// Dashes, combo index 1.
    LineStyleDash = 0xF0F0,
    /// Dots, combo index 2.
    LineStyleDot = 0x1111,
    /// Dash-dot, combo index 3.
    LineStyleDashDot = 0xF33C
};
/// Line style pattern to combo index: 0xF0F0 gives 1, 0x1111 gives 2,
/// 0xF33C gives 3, every other pattern 0 (so an unknown pattern is written
/// back as solid).
XY_PLOT_ENGINE_EXPORT int lineStyleToIndex(int pattern);
/// Combo index to line style pattern: 1 gives 0xF0F0, 2 gives 0x1111,
/// 3 gives 0xF33C, every other index 0xFFFF.
XY_PLOT_ENGINE_EXPORT int indexToLineStyle(int index);

/// Display type of a graph (Plot_Axis_Info::displayType): the index of its
/// display type combo box.
enum DisplayTypeCode : int {
    /// "Full Trace".
    DisplayFullTrace = 0,
    /// "Marker Only".
    DisplayMarkerOnly = 1,
    /// "Comet": uses Plot_Axis_Info::cometLength.
    DisplayComet = 2
};

/// One axis of a graph (left Y, right Y or X); a value type. The defaults
/// are those of a Y axis.
class Single_Axis_Info
{
public:
    /// Axis colour as "#rrggbb" (QColor::name() form); default "#FFFFFF".
    QString axisColorName = QStringLiteral("#FFFFFF");
    /// Lower end of the range, in the axis's own values (X: seconds);
    /// default -50.0.
    double rangeMin = -50.0;
    /// Upper end of the range; default 250.0.
    double rangeMax = 250.0;
    /// The range follows the data; rangeMin and rangeMax are then not
    /// applied. Default true.
    bool autoRange = true;
    /// Number of major tick marks; default 5.
    unsigned long numMajorTicks = 5;
    /// Number of minor tick marks between two major ones; default 4.
    unsigned long numMinorTicks = 4;
    /// Axis label; empty by default (Plot_Axis_Info names its axes).
    QString label;
    /// Grid colour as "#rrggbb"; default "#FFFFFF".
    QString gridColorName = QStringLiteral("#FFFFFF");
    /// Grid line style, a LineStylePattern; default solid.
    int gridLineStyle = 0xFFFF;
    /// Grid line width in pixels; default 1.
    int gridLineWidth = 1;
    /// Grid drawn; default true.
    bool gridVisible = true;
    /// UnitType code in which a time axis's range is expressed; used only by
    /// XY_Plot_Config_Dialog::convertXRangeToUnits(), not shown in the
    /// dialog. Default 0 (seconds).
    int rangeUnits = 0; // UnitType coding; used by the X range conversions
};

/// One X/Y pair of a graph: a live variable pair or an overlay channel pair;
/// a value type.
class Plot_Channel_Info
{
public:
    /// An empty pair on the left axis, solid, width 1, colour RGB
    /// (255, 225, 255) ("#ffe1ff").
    Plot_Channel_Info() { lineColor.setRgb(255, 225, 255, 255); }

    /// Y variable name (overlay: Y channel of the overlay file); empty for
    /// none.
    QString yVarName;
    /// Plotted against the left Y axis (true) or the right one (false).
    bool useLeftAxis = true;
    /// Drawn; the dialog never changes it. Default true.
    bool visible = true;
    /// Line colour.
    QColor lineColor;
    /// Line style, a LineStylePattern; default solid.
    int lineStyle = 0xFFFF;
    /// Line width in pixels; default 1.
    int lineWidth = 1;
    /// Marker size in pixels; the dialog never changes it. Default 10.
    float markerSize = 10.0f;
    /// X variable name (overlay: X channel of the overlay file); empty for
    /// none.
    QString xVarName;
};

/// Everything one graph of the screen shows; a value type, stored by value
/// in Plot_Screen_Info::plotAxisInfo.
class Plot_Axis_Info
{
public:
    /// Capacity of varChannels and overlayChannels.
    enum { MaxChannels = 8 };

    /// A graph with default axes: Y axes from -50 to 250 labelled
    /// "Left Axis" and "Right Axis", an X axis from 0 to 30 seconds with 2
    /// major and 1 minor ticks labelled "X Axis", no channels.
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

    /// Left Y axis: row 0 of the graph's Y axes table.
    Single_Axis_Info leftYAxis;
    /// Right Y axis: row 1 of the Y axes table.
    Single_Axis_Info rightYAxis;
    /// X axis, range in seconds: the one row of the X axis table.
    Single_Axis_Info xAxis;
    /// Live X/Y variable pairs; entry r is row r of the variable table, the
    /// first numVarChannels are valid.
    Plot_Channel_Info varChannels[MaxChannels];
    /// X/Y channel pairs of the overlay logger file; entry r is row r of the
    /// overlay table, the first numOverlayChannels are valid.
    Plot_Channel_Info overlayChannels[MaxChannels];
    /// Valid entries of varChannels, 0 to 8.
    unsigned long numVarChannels = 0;
    /// Valid entries of overlayChannels, 0 to 8.
    unsigned long numOverlayChannels = 0;
    /// Trace mode of the plot engine, not shown in the dialog; default 5,
    /// written back as 4.
    int traceMode = 5; // written back as 4 by the dialog
    /// Data points drawn ("Datapoints" Show/Hide).
    bool showDatapoints = false;
    /// X/Y values shown ("XY Values" Show/Hide).
    bool showXYValues = false;
    /// Full path of the graph's overlay logger file; empty for none.
    QString overlayFileName;
    /// Plot engine run-time state; copied with the record, never touched by
    /// the dialog (as are the members up to engineDirty).
    int engineState = 0;
    /// Plot engine: time of the first sample held.
    qint64 firstSampleTime = 0;
    /// Plot engine: time of the last sample held.
    qint64 lastSampleTime = 0;
    /// Plot engine: overlay run-time state.
    int overlayState = 0;
    /// Plot engine: time of the first overlay sample.
    qint64 overlayFirstTime = 0;
    /// Plot engine: time of the last overlay sample.
    qint64 overlayLastTime = 0;
    /// Plot engine: pan state of the graph.
    int panState = 0;
    /// Plot engine: zoom state of the graph.
    int zoomState = 0;
    /// Plot engine: pan offset.
    qint64 panOffset = 0;
    /// Plot engine: zoom offset.
    qint64 zoomOffset = 0;
    /// Plot engine: the record changed since the engine last drew it.
    bool engineDirty = false;
    /// Display type, a DisplayTypeCode (0 "Full Trace", 1 "Marker Only",
    /// 2 "Comet").
    int displayType = 0;
    /// Comet length in seconds ("Comet Length [sec]:"), used by the "Comet"
    /// display type. The dialog shows and edits it as an int from 0 to 99.
    qint64 cometLength = 0;
    /// Plot engine: numerator of the time scale; default 1.
    qint64 timeScaleNumerator = 1;
    /// Plot engine: denominator of the time scale; default 1.
    qint64 timeScaleDenominator = 1;
    /// Plot engine: the X axis scrolls with new data; default true.
    bool autoScroll = true;
};

/// The description of one plot screen, which the host hands to
/// XY_Plot_Config_Dialog and receives back, edited, from
/// XY_Plot_Config_Dialog::applyPressedSignal().
///
/// The members are public data. The dialog only reads a description it is
/// given; it fills a new one through the setters, each of which emits its
/// change signal. Use it on the GUI thread. It is a QObject: not copyable,
/// use copyFrom(). Registered with the meta-type system as
/// "Plot_Screen_Info*" (registerPlotScreenInfoMetaType()).
class XY_PLOT_ENGINE_EXPORT Plot_Screen_Info : public QObject
{
    Q_OBJECT

public:
    /// A screen with the defaults below and no graphs; @p parent, if any,
    /// owns it.
    explicit Plot_Screen_Info(QObject *parent = nullptr);
    /// Frees the records.
    ~Plot_Screen_Info() override;

    /// One record per shown graph, in graph order: entry g describes graph
    /// slot g ("Graph g+1"). At most 8 entries (1 for a plugin-mode dialog).
    QVector<Plot_Axis_Info> plotAxisInfo;
    /// Number of graphs shown: graphs 1 to numPlots; default 0.
    unsigned long numPlots = 0;
    /// Screen refresh interval in milliseconds (rate in Hz = 1000 / interval);
    /// default 100.
    unsigned long screenRefreshInterval = 100; // ms
    /// Data sample interval in milliseconds (rate in Hz = 1000 / interval);
    /// default 20.
    unsigned long dataSampleInterval = 20; // ms
    /// Data storage period in seconds, whatever dataUnits says; default 30.
    unsigned long dataStorage = 30; // s
    /// Unit in which dataStorage is shown (seconds, minutes or hours).
    UnitType dataUnits = UnitSeconds;
    /// Plot engine: identifier of the screen; not used by the dialog.
    int screenId = 0;
    /// Plot engine: when the screen was last saved; not used by the dialog.
    qint64 lastSavedTime = 0;
    /// Plot background colour as "#rrggbb"; default "#000000".
    QString plotBgColorName = QStringLiteral("#000000");
    /// Plot title; default "Plotter". The dialog writes at most
    /// MaxTitleLength characters.
    QString title;
    /// Title font; default "Sans Serif", 12 points.
    QFont titleFont;
    /// Subtitle; default empty. The dialog writes at most MaxTitleLength
    /// characters.
    QString subtitle;
    /// Subtitle font; default "Sans Serif", 12 points.
    QFont subtitleFont;
    /// Note text; default empty. The dialog writes at most MaxTitleLength
    /// characters.
    QString note;
    /// Note font; default "Sans Serif", 12 points.
    QFont noteFont;
    /// Title bar (title and subtitle) shown; default true.
    bool showTitleSubtitle = true;
    /// Note shown; default true.
    bool showNote = true;
    /// Plot controls condensed; default false.
    bool condenseControls = false;
    /// Legend shown; default true.
    bool legend = true;
    /// Name of the configuration file the screen was loaded from or is saved
    /// to; the dialog shows it in its window title. Default empty.
    QString configFileName;

    /// Longest title, subtitle and note the screen shows, in characters.
    enum { MaxTitleLength = 50 };

    /// Stores numPlots, then emits numPlotsChanged().
    void setNumPlots(unsigned long value);
    /// Stores screenRefreshInterval (ms), then emits
    /// screenRefreshIntervalChanged().
    void setScreenRefreshInterval(unsigned long value);
    /// Stores dataSampleInterval (ms), then emits dataSampleIntervalChanged().
    void setDataSampleInterval(unsigned long value);
    /// Stores dataStorage (s), then emits dataStorageChanged().
    void setDataStorage(unsigned long value);
    /// Stores dataUnits, then emits dataUnitsChanged().
    void setDataUnits(UnitType value);
    /// Stores plotBgColorName, then emits plotBgColorNameChanged().
    void setPlotBgColorName(const QString &value);
    /// Stores title as given, then emits titleChanged().
    void setTitle(const QString &value);
    /// Stores titleFont, then emits titleFontChanged().
    void setTitleFont(const QFont &value);
    /// Stores subtitle as given, then emits subtitleChanged().
    void setSubtitle(const QString &value);
    /// Stores subtitleFont, then emits subtitleFontChanged().
    void setSubtitleFont(const QFont &value);
    /// Stores note as given, then emits noteChanged().
    void setNote(const QString &value);
    /// Stores noteFont, then emits noteFontChanged().
    void setNoteFont(const QFont &value);
    /// Stores showTitleSubtitle, then emits showTitleSubtitleChanged().
    void setShowTitleSubtitle(bool value);
    /// Stores showNote, then emits showNoteChanged().
    void setShowNote(bool value);
    /// Stores condenseControls, then emits condenseControlsChanged().
    void setCondenseControls(bool value);
    /// Stores legend, then emits legendChanged().
    void setLegend(bool value);
    /// Stores configFileName, then emits configFileNameChanged().
    void setConfigFileName(const QString &value);

    /// Copies every data member of @p other into this object, member by
    /// member; no QObject state, no connections, no change signals.
    void copyFrom(const Plot_Screen_Info &other);

    /// Problems that make the description unusable for drawing, one text
    /// each (empty when consistent): more than 8 graphs, channel counts
    /// above 8, unknown codes, colours that do not parse.
    QStringList consistencyErrors() const;

    /// Limits of the configuration dialog's fields and lists.
    enum {
        /// Fewest graphs the dialog shows.
        MinDialogGraphs = 1,
        /// Most graphs the dialog shows.
        MaxDialogGraphs = 8,
        /// Largest font point size the dialog writes back.
        MaxFontPointSize = 24,
        /// Longest comet length, in seconds, the comet length field holds.
        MaxCometLength = 99,
        /// Widest line the line width fields hold.
        MaxLineWidth = 50,
        /// Longest text an axis label field holds.
        MaxLabelLength = 32767,
        /// Storage units the dialog offers: seconds, minutes, hours.
        DialogStorageUnits = 3,
        /// Significant digits of the numbers the dialog's fields show.
        DialogSignificantDigits = 6,
        /// Most major or minor ticks the dialog writes back.
        MaxTicks = 10
    };
    /// Values that the configuration dialog cannot show as they are, and so
    /// would change on OK without an edit (empty when there are none). Each
    /// entry names the member path, the value and the limit. A host can list
    /// them when it opens a screen, before the user configures anything.
    QStringList dialogChanges() const;

    /// Every member and record as a JSON document (UTF-8).
    QByteArray toJson() const;
    /// Fills this object from @p json as toJson() writes it. On failure
    /// returns false, leaves the object unchanged and, when
    /// @p errorMessage is not null, describes the problem there. Emits no
    /// change signals.
    bool fromJson(const QByteArray &json, QString *errorMessage = nullptr);

signals:
    /// numPlots was set (setNumPlots()).
    void numPlotsChanged(unsigned long);
    /// screenRefreshInterval was set, in ms.
    void screenRefreshIntervalChanged(unsigned long);
    /// dataSampleInterval was set, in ms.
    void dataSampleIntervalChanged(unsigned long);
    /// dataStorage was set, in seconds.
    void dataStorageChanged(unsigned long);
    /// dataUnits was set.
    void dataUnitsChanged(UnitType);
    /// plotBgColorName was set.
    void plotBgColorNameChanged(QString const &);
    /// title was set.
    void titleChanged(QString const &);
    /// titleFont was set.
    void titleFontChanged(QFont const &);
    /// subtitle was set.
    void subtitleChanged(QString const &);
    /// subtitleFont was set.
    void subtitleFontChanged(QFont const &);
    /// note was set.
    void noteChanged(QString const &);
    /// noteFont was set.
    void noteFontChanged(QFont const &);
    /// showTitleSubtitle was set.
    void showTitleSubtitleChanged(bool);
    /// showNote was set.
    void showNoteChanged(bool);
    /// condenseControls was set.
    void condenseControlsChanged(bool);
    /// legend was set.
    void legendChanged(bool);
    /// configFileName was set.
    void configFileNameChanged(QString const &);

private:
    Q_DISABLE_COPY(Plot_Screen_Info)
};

Q_DECLARE_METATYPE(UnitType)

/// Registers "Plot_Screen_Info*" (and UnitType) with the meta-type system, so
/// that they travel through queued connections; returns the type id of
/// "Plot_Screen_Info*". Safe to call any number of times; the dialog calls it
/// when it is first constructed.
XY_PLOT_ENGINE_EXPORT int registerPlotScreenInfoMetaType();

#endif // XY_PLOT_INTERFACES_PLOT_SCREEN_INFO_H

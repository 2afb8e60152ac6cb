/// @file
/// Frame settings of a plot screen: title, subtitle, note, their fonts, the
/// title bar, note, condensed controls and legend switches, and the
/// background colour.
#ifndef XY_PLOT_INTERFACES_BASE_PLOT_FRAME_TAB_H
#define XY_PLOT_INTERFACES_BASE_PLOT_FRAME_TAB_H

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <QtGlobal>

/// Marks the API that the base plot dialog library exports.
#if defined(XY_BASE_PLOT_DIALOG_LIBRARY)
#define XY_BASE_PLOT_DIALOG_EXPORT Q_DECL_EXPORT
#else
#define XY_BASE_PLOT_DIALOG_EXPORT Q_DECL_IMPORT
#endif

/// The "Frame" page of the dialog: editors for the frame settings of a plot
/// screen. The font and colour buttons open modal choosers.
///
/// Each getter returns what its setter last stored, or what the user chose
/// since; nothing is checked or shortened here (the dialog shortens texts
/// when it writes them back). Lives on the GUI thread; @p parent owns it.
class XY_BASE_PLOT_DIALOG_EXPORT Base_Plot_Frame_Tab : public QWidget
{
    Q_OBJECT

public:
    /// Empty texts in the widget's own font, switches off, black background.
    explicit Base_Plot_Frame_Tab(QWidget *parent = nullptr);
    /// The editors go with the page.
    ~Base_Plot_Frame_Tab() override;

    /// Shows @p title in the title field.
    void setTitle(QString const &title);
    /// The title field's text.
    QString getTitle() const;
    /// Stores the title font and names it on its button.
    void setTitleFont(QFont const &font);
    /// The title font as stored or chosen.
    QFont getTitleFont() const;
    /// Shows @p subtitle in the subtitle field.
    void setSubtitle(QString const &subtitle);
    /// The subtitle field's text.
    QString getSubtitle() const;
    /// Stores the subtitle font and names it on its button.
    void setSubtitleFont(QFont const &font);
    /// The subtitle font as stored or chosen.
    QFont getSubtitleFont() const;
    /// Shows @p note in the note field.
    void setNote(QString const &note);
    /// The note field's text.
    QString getNote() const;
    /// Stores the note font and names it on its button.
    void setNoteFont(QFont const &font);
    /// The note font as stored or chosen.
    QFont getNoteFont() const;
    /// Sets the "Show Title Bar" switch (title and subtitle shown).
    void setShowTitleBar(bool show);
    /// The "Show Title Bar" switch.
    bool getShowTitleBar() const;
    /// Sets the "Show Note" switch.
    void setShowNote(bool show);
    /// The "Show Note" switch.
    bool getShowNote() const;
    /// Sets the "Condense Controls" switch.
    void setCondenseControls(bool condense);
    /// The "Condense Controls" switch (note the spelling: Condensed).
    bool getCondensedControls() const;
    /// Sets the "Show Legend" switch.
    void setShowLegend(bool show);
    /// The "Show Legend" switch.
    bool getShowLegend() const;
    /// Stores and shows the background colour.
    void setColor(QColor const &color);
    /// The background colour as stored or chosen.
    QColor getColor() const;

private:
    struct Private;
    Private *d;
};

#endif // XY_PLOT_INTERFACES_BASE_PLOT_FRAME_TAB_H

// Frame settings of a plot screen: title, subtitle, note, their fonts, the
// title bar, note, condensed controls and legend switches, and the
// background colour.
#ifndef XY_PLOT_INTERFACES_BASE_PLOT_FRAME_TAB_H
#define XY_PLOT_INTERFACES_BASE_PLOT_FRAME_TAB_H

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <QtGlobal>

#if defined(XY_BASE_PLOT_DIALOG_LIBRARY)
#define XY_BASE_PLOT_DIALOG_EXPORT Q_DECL_EXPORT
#else
#define XY_BASE_PLOT_DIALOG_EXPORT Q_DECL_IMPORT
#endif

class XY_BASE_PLOT_DIALOG_EXPORT Base_Plot_Frame_Tab : public QWidget
{
    Q_OBJECT

public:
    explicit Base_Plot_Frame_Tab(QWidget *parent = nullptr);
    ~Base_Plot_Frame_Tab() override;

    void setTitle(QString const &title);
    QString getTitle() const;
    void setTitleFont(QFont const &font);
    QFont getTitleFont() const;
    void setSubtitle(QString const &subtitle);
    QString getSubtitle() const;
    void setSubtitleFont(QFont const &font);
    QFont getSubtitleFont() const;
    void setNote(QString const &note);
    QString getNote() const;
    void setNoteFont(QFont const &font);
    QFont getNoteFont() const;
    void setShowTitleBar(bool show);
    bool getShowTitleBar() const;
    void setShowNote(bool show);
    bool getShowNote() const;
    void setCondenseControls(bool condense);
    bool getCondensedControls() const;
    void setShowLegend(bool show);
    bool getShowLegend() const;
    void setColor(QColor const &color);
    QColor getColor() const;

private:
    struct Private;
    Private *d;
};

#endif // XY_PLOT_INTERFACES_BASE_PLOT_FRAME_TAB_H

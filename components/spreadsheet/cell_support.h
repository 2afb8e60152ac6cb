// Helpers shared by the cell widgets of the spreadsheet library.
#ifndef XY_SPREADSHEET_CELL_SUPPORT_H
#define XY_SPREADSHEET_CELL_SUPPORT_H

#include <QAbstractItemView>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QFrame>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>
#include <QWidget>

#include <cmath>

namespace xy_cells {

// What a new cell shows where it shows a choice; a kept cell is set back to
// the same.
inline QColor newCellColor()
{
    return QColor(Qt::white);
}
constexpr int newLineStyleIndex = 0;
constexpr int newLineWidth = 1;

// While one of these lives, the cells made build their editors only when
// first asked for one or brought into view. The overview makes hundreds of
// cells of which a screenful is seen, and a combo or spin box costs many
// times the cell around it. GUI thread only.
class DeferredEditors
{
public:
    DeferredEditors() { ++depth(); }
    ~DeferredEditors() { --depth(); }
    DeferredEditors(const DeferredEditors &) = delete;
    DeferredEditors &operator=(const DeferredEditors &) = delete;

    static bool active() { return depth() > 0; }

private:
    static int &depth()
    {
        static int open = 0;
        return open;
    }
};

// The one layout of a cell: no margins, so that the editors fill the table
// cell, and a small gap between two editors.
inline QHBoxLayout *cellLayout(QWidget *cell)
{
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    return layout;
}

// A combo that builds its popup list when it is first opened. QComboBox
// builds it as soon as the combo gets a font or a style of its own, which
// every cell under a style sheet does, and then lays the list out again: a
// dialog full of cells would build hundreds of popups nobody opens, each
// laying out its names.
class LazyPopupCombo : public QComboBox
{
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        QAbstractItemView *list = view();
        // Once, whoever built the list: Qt builds it too for a key press
        // that searches the items.
        if (!m_popupPrepared) {
            m_popupPrepared = true;
            // Under a style sheet a font does not pass on to children, so
            // the list gets it as well as its frame.
            if (QWidget *popup = list->parentWidget())
                popup->setFont(font());
            list->setFont(font());
            preparePopup(list);
        }
        QComboBox::showPopup();
    }

    // The popup is the combo's one direct child frame.
    bool popupBuilt() const
    {
        return findChild<QFrame *>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
    }

protected:
    // Settings of the popup list, made when it is built.
    virtual void preparePopup(QAbstractItemView *) {}

    // Until the popup exists there is nothing to hand a new font or style
    // to (moving a page into a styled tab widget is such a change); a popup
    // built later takes the combo's font and style then. What the combo
    // itself needs of the change, the widget base does: repaint and a new
    // size hint.
    void changeEvent(QEvent *event) override
    {
        const bool reachesPopup =
            event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange;
        if (reachesPopup && !popupBuilt() && !lineEdit()) {
            QWidget::changeEvent(event);
            return;
        }
        QComboBox::changeEvent(event);
    }

private:
    bool m_popupPrepared = false;
};

// A combo whose size comes from its minimum contents length alone, as with
// QComboBox::AdjustToMinimumContentsLength[WithIcon], without looking at a
// single item: QComboBox's default policy measures the text of every item
// for its size hint, which for a table of channel or variable lists is
// hundreds of thousands of text layouts; and setting one of those policies
// builds the popup of every cell up front.
class LengthSizedCombo : public LazyPopupCombo
{
public:
    LengthSizedCombo(QWidget *parent, bool roomForIcon)
        : LazyPopupCombo(parent)
        , m_roomForIcon(roomForIcon)
    {}

    QSize sizeHint() const override { return lengthHint(); }
    QSize minimumSizeHint() const override { return lengthHint(); }

protected:
    // QComboBox's own painting, with the label that prepareLabel() makes.
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        painter.setPen(palette().color(QPalette::Text));
        QStyleOptionComboBox option;
        initStyleOption(&option);
        prepareLabel(&option);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }

    // Names that do not fit lose their middle, not their end: channel
    // names share long stems and differ at the end, and a cut end would
    // make the rows of a table look alike.
    virtual void prepareLabel(QStyleOptionComboBox *option) const
    {
        if (isEditable())
            return;
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, option,
                                                    QStyle::SC_ComboBoxEditField, this);
        const int room =
            field.width() - 2 - (option->currentIcon.isNull() ? 0 : option->iconSize.width() + 4);
        // Short names fit without laying their text out to know it.
        if (option->currentText.size() * fontMetrics().maxWidth() > room)
            option->currentText =
                fontMetrics().elidedText(option->currentText, Qt::ElideMiddle, room);
    }

    // A shortened name shows whole in the tool tip, unless the combo has a
    // tip of its own.
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && !isEditable()) {
            QStyleOptionComboBox option;
            initStyleOption(&option);
            const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                        QStyle::SC_ComboBoxEditField, this);
            if (fontMetrics().horizontalAdvance(option.currentText) > field.width() - 2) {
                QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                                   option.currentText, this);
                return true;
            }
        }
        return LazyPopupCombo::event(event);
    }

private:
    QSize lengthHint() const
    {
        const QFontMetrics &fm = fontMetrics();
        const QSize icon = iconSize();
        QSize hint(minimumContentsLength() * fm.horizontalAdvance(QLatin1Char('X'))
                       + (m_roomForIcon ? icon.width() + 4 : 0),
                   qMax(int(std::ceil(QFontMetricsF(fm).height())), 14) + 2);
        if (m_roomForIcon)
            hint.setHeight(qMax(hint.height(), icon.height() + 2));
        QStyleOptionComboBox option;
        initStyleOption(&option);
        return style()
            ->sizeFromContents(QStyle::CT_ComboBox, &option, hint, this)
            .expandedTo(QApplication::globalStrut());
    }

    bool m_roomForIcon;
};

} // namespace xy_cells

#endif // XY_SPREADSHEET_CELL_SUPPORT_H

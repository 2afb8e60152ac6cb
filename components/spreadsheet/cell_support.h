// Helpers shared by the cell widgets of the spreadsheet library.
#ifndef XY_SPREADSHEET_CELL_SUPPORT_H
#define XY_SPREADSHEET_CELL_SUPPORT_H

#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

#include <cmath>

namespace xy_cells {

// The one layout of a cell: no margins, so that the editors fill the table
// cell, and a small gap between two editors.
inline QHBoxLayout *cellLayout(QWidget *cell)
{
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    return layout;
}

// A combo whose size comes from its minimum contents length alone, as with
// QComboBox::AdjustToMinimumContentsLength[WithIcon], without looking at a
// single item: QComboBox's default policy measures the text of every item
// for its size hint, which for a table of channel or variable lists is
// hundreds of thousands of text layouts; and setting one of those policies
// builds the popup of every cell up front.
class LengthSizedCombo : public QComboBox
{
public:
    LengthSizedCombo(QWidget *parent, bool roomForIcon)
        : QComboBox(parent)
        , m_roomForIcon(roomForIcon)
    {
    }

    QSize sizeHint() const override { return lengthHint(); }
    QSize minimumSizeHint() const override { return lengthHint(); }

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
        return style()->sizeFromContents(QStyle::CT_ComboBox, &option, hint, this)
            .expandedTo(QApplication::globalStrut());
    }

    bool m_roomForIcon;
};

} // namespace xy_cells

#endif // XY_SPREADSHEET_CELL_SUPPORT_H

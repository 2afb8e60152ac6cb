// The item delegate of every table: places the cell widgets and lets the
// table keep those of removed rows.
#ifndef XY_SPREADSHEET_CELL_KEEPER_H
#define XY_SPREADSHEET_CELL_KEEPER_H

#include <QStyledItemDelegate>

#include <functional>

namespace xy_table {

// The view asks its delegate to place the cell widgets and to destroy those
// of removed rows; this one places them plainly and lets the table keep the
// cells it can use again.
class CellKeeper : public QStyledItemDelegate
{
public:
    using Keep = std::function<bool(QWidget *)>;

    CellKeeper(QObject *parent, Keep keep)
        : QStyledItemDelegate(parent)
        , m_keep(std::move(keep))
    {}

    void stopKeeping() { m_keep = nullptr; }

    // A cell fills its table cell. The item delegate would ask the style
    // for the text area of an item first, which under a style sheet costs
    // more than everything else of placing a cell, for each cell each time
    // the table is laid out.
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &) const override
    {
        editor->setGeometry(option.rect);
    }

    void destroyEditor(QWidget *editor, const QModelIndex &index) const override
    {
        if (!m_keep || !m_keep(editor))
            QStyledItemDelegate::destroyEditor(editor, index);
    }

private:
    Keep m_keep;
};

} // namespace xy_table

#endif // XY_SPREADSHEET_CELL_KEEPER_H

// The "Add Row"/"Delete Row" context menu of the variable and overlay tables.
#include "spreadsheet_private.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>

bool xy_table::hasRowMenuKind(int kind)
{
    return kind == Spreadsheet::XYVarKind || kind == Spreadsheet::XYOverlayKind;
}

void Spreadsheet::Private::updateRowActions()
{
    const bool menuKind = hasRowMenuKind(kind);
    addRowAction->setEnabled(menuKind && q->rowCount() < MaxChannelRows);
    deleteRowAction->setEnabled(menuKind && q->rowCount() > 0);
}

void Spreadsheet::Private::addRow()
{
    if (!hasRowMenuKind(kind) || q->rowCount() >= MaxChannelRows)
        return;
    if (kind == XYVarKind)
        q->insertXYVarRow(q->rowCount(), 0);
    else
        q->insertXYOverlayRow(q->rowCount(), 0);
}

void Spreadsheet::Private::deleteRow()
{
    if (!hasRowMenuKind(kind) || q->rowCount() == 0 || menuRow == NoRowPointed)
        return;
    const int row = menuRow >= 0 && menuRow < q->rowCount() ? menuRow : q->rowCount() - 1;
    q->removeRow(row);
}

void Spreadsheet::contextMenuEvent(QContextMenuEvent *event)
{
    // Variable and overlay tables only; a form can switch the menu off with
    // the dynamic property "contextMenuVisible" set to false.
    const QVariant allowed = property("contextMenuVisible");
    if (!hasRowMenuKind(d->kind) || (allowed.isValid() && !allowed.toBool())) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint at = viewport()->mapFromGlobal(event->globalPos());
    d->updateRowActions();
    QPointer<Spreadsheet> self(this);
    QMenu menu;
    menu.addAction(d->addRowAction);
    menu.addAction(d->deleteRowAction);
    d->menuRow = rowAt(at.y());
    // Delete Row removes the row pointed at; below the last row there is none.
    if (d->menuRow < 0) {
        d->menuRow = Private::NoRowPointed;
        d->deleteRowAction->setEnabled(false);
    }
    menu.exec(event->globalPos());
    if (self) {
        d->menuRow = -1;
        d->updateRowActions();
    }
}

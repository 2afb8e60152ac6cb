// Tab navigation: the table leads Tab and Shift+Tab through the fields of its
// cells in reading order, and on out of the table.
#include "spreadsheet_private.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLayout>

// The table leads Tab through its cells itself, in reading order. The
// window's own Tab chain holds cells in the order they were made, which
// is no order once rows come and go, so their fields leave it: they
// keep taking the focus by click, and the table gives it to them.
void xy_table::keepOutOfTabChain(QWidget *cell)
{
    QList<QWidget *> widgets = cell->findChildren<QWidget *>();
    widgets.prepend(cell);
    for (QWidget *widget : widgets) {
        if (widget->focusPolicy() & Qt::TabFocus)
            widget->setFocusPolicy(Qt::FocusPolicy(widget->focusPolicy() & ~Qt::TabFocus));
    }
}

// The fields of the cells in reading order: rows, then columns as shown,
// then the editors of a cell from left to right (a colour cell's swatch
// lies right of its grid check box).
QVector<Spreadsheet::Private::Field> Spreadsheet::Private::tabFields() const
{
    QVector<Field> fields;
    const auto usable = [this](QWidget *w) {
        return (w->focusPolicy() & Qt::ClickFocus) && w->isEnabled() && w->isVisibleTo(q);
    };
    const QHeaderView *rows = q->verticalHeader();
    const QHeaderView *columns = q->horizontalHeader();
    for (int visualRow = 0; visualRow < q->rowCount(); ++visualRow) {
        const int row = rows->logicalIndex(visualRow);
        for (int visualColumn = 0; visualColumn < q->columnCount(); ++visualColumn) {
            const int column = columns->logicalIndex(visualColumn);
            QWidget *cell = q->cellWidget(row, column);
            if (!cell || q->isRowHidden(row) || q->isColumnHidden(column))
                continue;
            if (QLayout *layout = cell->layout()) {
                for (int i = 0; i < layout->count(); ++i) {
                    QWidget *editor = layout->itemAt(i)->widget();
                    if (editor && usable(editor))
                        fields.append({editor, row, column});
                }
            }
            if (!cell->focusProxy() && usable(cell))
                fields.append({cell, row, column});
        }
    }
    return fields;
}

int Spreadsheet::Private::fieldHolding(const QVector<Field> &fields, const QWidget *focus)
{
    for (int i = 0; focus && i < fields.size(); ++i) {
        if (fields.at(i).widget == focus || fields.at(i).widget->isAncestorOf(focus))
            return i;
    }
    return -1;
}

void Spreadsheet::Private::focusField(const Field &field, bool next)
{
    q->scrollTo(q->model()->index(field.row, field.column));
    field.widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// The widget Tab (or Shift+Tab) reaches after the table, as the window's
// own Tab chain has it, passing over everything inside the table.
QWidget *Spreadsheet::Private::neighbourOutside(bool next) const
{
    QWidget *window = q->window();
    for (QWidget *w = next ? q->nextInFocusChain() : q->previousInFocusChain(); w && w != q;
         w = next ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (q->isAncestorOf(w) || w->window() != window)
            continue;
        QWidget *proxy = w->focusProxy();
        while (proxy && proxy->focusProxy())
            proxy = proxy->focusProxy();
        const QWidget *taker = proxy ? proxy : w;
        // A compound widget is one stop: its parts that hand the focus
        // to it are passed over.
        const bool part = proxy && (next ? proxy->isAncestorOf(w) : w->isAncestorOf(proxy));
        if ((taker->focusPolicy() & Qt::TabFocus) && !part && w->isEnabled()
            && w->isVisibleTo(window))
            return w;
    }
    return nullptr;
}

bool Spreadsheet::Private::moveFocus(bool next)
{
    const QVector<Field> fields = tabFields();
    const QWidget *focus = QApplication::focusWidget();
    const int at = fieldHolding(fields, focus);
    int to = -1;
    if (at >= 0)
        to = at + (next ? 1 : -1);
    else if (focus == q && next)
        to = 0; // into the table
    if (to >= 0 && to < fields.size()) {
        focusField(fields.at(to), next);
        return true;
    }
    if (QWidget *outside = neighbourOutside(next)) {
        outside->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    // Nothing else in the window takes the focus: round the table again.
    if (!fields.isEmpty())
        focusField(next ? fields.first() : fields.last(), next);
    return true;
}

bool Spreadsheet::focusNextPrevChild(bool next)
{
    return d->moveFocus(next);
}

// Tab from the widget before the table lands on the table itself; the
// table hands the focus on to its first field (Shift+Tab: its last), and
// keeps it when it has none.
void Spreadsheet::focusInEvent(QFocusEvent *event)
{
    QTableWidget::focusInEvent(event);
    const bool forward = event->reason() == Qt::TabFocusReason;
    if (!forward && event->reason() != Qt::BacktabFocusReason)
        return;
    const QVector<Private::Field> fields = d->tabFields();
    if (!fields.isEmpty())
        d->focusField(forward ? fields.first() : fields.last(), forward);
}

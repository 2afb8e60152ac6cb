// Spreadsheet: the table that gives every row the cell widgets of its kind.
#include "spreadsheet_private.h"

#include "overlay_channels.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>

RowLayout Spreadsheet::Private::kindLayout() const
{
    switch (kind) {
    case YAxesKind:
        return RowLayout::YAxis;
    case XAxisKind:
        return RowLayout::XAxis;
    case XYVarKind:
        return RowLayout::Variables;
    case XYOverlayKind:
        return RowLayout::Overlay;
    case AllGraphsKind:
        return allGraphsRows;
    default:
        return RowLayout::None;
    }
}

QStringList Spreadsheet::Private::overlayChannels() const
{
    return xy_table::overlayChannelsOf(graphNumber);
}

void Spreadsheet::Private::showHeaders(RowLayout layout)
{
    const QVector<Column> &columns = xy_table::columnsOf(layout);
    if (columns.isEmpty())
        return;
    if (q->columnCount() < columns.size())
        q->setColumnCount(columns.size());
    QStringList labels;
    for (const Column &column : columns)
        labels << Spreadsheet::tr(column.header);
    q->setHorizontalHeaderLabels(labels);
    for (int column = 0; column < columns.size(); ++column) {
        if (columns.at(column).tip)
            q->horizontalHeaderItem(column)->setToolTip(Spreadsheet::tr(columns.at(column).tip));
    }
}

void Spreadsheet::Private::fillRow(int row, RowLayout layout)
{
    const QVector<Column> &columns = xy_table::columnsOf(layout);
    const QStringList channels = layout == RowLayout::Overlay      ? overlayChannels()
                                 : layout == RowLayout::AllOverlay ? xy_table::everyGraphsChannels()
                                                                   : QStringList();
    const int count = std::min(int(columns.size()), q->columnCount());
    QWidget *viewport = q->viewport();
    shareTableFont();
    const bool fromOverview = xy_table::isOverview(layout);
    for (int column = 0; column < count; ++column) {
        const Cell type = columns.at(column).cell;
        QWidget *cell = fromOverview ? overview.take(type, viewport, channels)
                                     : xy_table::createCell(type, viewport, channels);
        if (!fromOverview)
            xy_table::keepOutOfTabChain(cell); // the overview's cells leave it when made
        // An overview, edited on the graph tabs.
        cell->setEnabled(kind != AllGraphsKind);
        // A kept cell still shown stays so where it comes back into view.
        // A new cell on the hidden table is not hidden either, only not
        // yet shown: it would show with the table.
        const bool shown = cell->testAttribute(Qt::WA_WState_ExplicitShowHide) && !cell->isHidden();
        q->setCellWidget(row, column, cell);
        if (kind == AllGraphsKind && !shown)
            cell->hide(); // until placed in view
    }
    if (layout == RowLayout::YAxis)
        followAutoRange(row, YAxisRow::AutoRange, YAxisRow::Range);
    else if (layout == RowLayout::XAxis)
        followAutoRange(row, XAxisRow::AutoRange, XAxisRow::Range);
}

// Under a style sheet (the dialog has one) a widget does not inherit
// the font a form gives its parent, so the table's font is handed to the
// cell and its editors: cells and header then read alike, and the
// column widths measured from a probe hold for the cells.
void Spreadsheet::Private::takeTableFont(QWidget *cell) const
{
    if (!q->testAttribute(Qt::WA_SetFont))
        return;
    // Given even where it is the font the cell has now: a font the
    // cell only inherits gives way to the style sheet's when the cell
    // is polished, and the cell would paint larger than it is measured.
    const QFont font = q->font();
    if (cell->testAttribute(Qt::WA_SetFont) && cell->font() == font)
        return;
    cell->setFont(font);
    for (QWidget *editor : cell->findChildren<QWidget *>())
        editor->setFont(font);
}

// The cells live on the viewport. Given the table's font once, it hands
// it to every cell made on it as to any child; handing it to each cell
// and editor instead costs a tenth of filling a table.
void Spreadsheet::Private::shareTableFont() const
{
    if (!q->testAttribute(Qt::WA_SetFont))
        return;
    QWidget *viewport = q->viewport();
    const QFont font = q->font();
    if (!viewport->testAttribute(Qt::WA_SetFont) || viewport->font() != font)
        viewport->setFont(font);
}

void Spreadsheet::Private::fontChanged()
{
    shareTableFont();
    // Cells the viewport's new font did not reach get it themselves.
    const QFont font = q->font();
    for (int row = 0; row < q->rowCount(); ++row) {
        for (int column = 0; column < q->columnCount(); ++column) {
            QWidget *cell = q->cellWidget(row, column);
            if (cell && cell->font() != font)
                takeTableFont(cell);
        }
    }
    remeasure();
}

// The range fields are editable only while the axis is not auto ranged.
void Spreadsheet::Private::followAutoRange(int row, int checkColumn, int rangeColumn)
{
    auto *check = qobject_cast<CheckBoxWidget *>(q->cellWidget(row, checkColumn));
    auto *range = qobject_cast<LineEdit_LineEditWidget *>(q->cellWidget(row, rangeColumn));
    if (!check || !range)
        return;
    QObject::connect(check->checkBox(), &QCheckBox::clicked, range, [range](bool autoRange) {
        range->setLineEditBoxEnabled(0, !autoRange);
        range->setLineEditBoxEnabled(1, !autoRange);
    });
}

// Y axes rows are positional: the first is the left axis, the second
// the right one.
void Spreadsheet::Private::markAxisSides()
{
    if (kind != YAxesKind)
        return;
    for (int row = 0; row < q->rowCount(); ++row) {
        if (auto *side = qobject_cast<IconButtonWidget *>(q->cellWidget(row, YAxisRow::Side))) {
            side->setLeftSelected(row == 0);
            // Not the user's to change: the row is the axis.
            side->button()->setAttribute(Qt::WA_TransparentForMouseEvents);
            side->button()->setFocusPolicy(Qt::NoFocus);
        }
    }
}

void Spreadsheet::Private::rowsInserted(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    const RowLayout layout = requested != RowLayout::None ? requested : kindLayout();
    if (layout != RowLayout::None) {
        for (int row = first; row <= last; ++row)
            fillRow(row, layout);
        markAxisSides();
    }
    updateRowActions();
    fitHeightToRows();
}

void Spreadsheet::Private::refillAllRows()
{
    const RowLayout layout = kindLayout();
    for (int row = 0; row < q->rowCount(); ++row) {
        if (layout == RowLayout::None) {
            for (int column = 0; column < q->columnCount(); ++column)
                q->removeCellWidget(row, column);
        } else {
            fillRow(row, layout);
        }
    }
    markAxisSides();
}

// The insert operations name the cells they want; a row index outside
// the table appends.
void Spreadsheet::Private::insertRowWith(int row, RowLayout layout)
{
    const int columns = int(xy_table::columnsOf(layout).size());
    if (q->columnCount() < columns)
        q->setColumnCount(columns);
    requested = layout;
    q->insertRow(row >= 0 && row <= q->rowCount() ? row : q->rowCount());
    requested = RowLayout::None;
}

// The cells come on screen: with the table, or with its viewport where
// only the viewport was hidden while rows came.
void Spreadsheet::Private::cellsShown()
{
    overview.hideSpares();
    if (!measured)
        measure();
    if (geometriesPending) {
        geometriesPending = false;
        q->updateGeometries();
    }
}

bool Spreadsheet::Private::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == q->viewport()) {
        if (event->type() == QEvent::Show)
            cellsShown();
        return false;
    }
    if (watched != q) {
        // The horizontal scroll bar came or went.
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            fitHeightToRows();
        return false;
    }
    switch (event->type()) {
    case QEvent::Show:
        cellsShown();
        break;
    case QEvent::FontChange:
        fontChanged();
        break;
    case QEvent::StyleChange:
        remeasure();
        break;
    default:
        break;
    }
    return false;
}

Spreadsheet::Spreadsheet(QWidget *parent)
    : QTableWidget(parent)
    , d(new Private(this))
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setStretchLastSection(true);

    d->addRowAction = new QAction(tr("Add Row"), this);
    d->addRowAction->setObjectName(QStringLiteral("addRowAction"));
    d->deleteRowAction = new QAction(tr("Delete Row"), this);
    d->deleteRowAction->setObjectName(QStringLiteral("deleteRowAction"));
    connect(d->addRowAction, &QAction::triggered, this, [this]() { d->addRow(); });
    connect(d->deleteRowAction, &QAction::triggered, this, [this]() { d->deleteRow(); });
    d->updateRowActions();

    // However a row comes into being, it gets the cells of the table's kind.
    d->modelConnections[0] = connect(model(), &QAbstractItemModel::rowsInserted, this,
                                     [this](const QModelIndex &parent, int first, int last) {
                                         d->rowsInserted(parent, first, last);
                                     });
    d->modelConnections[1] = connect(model(), &QAbstractItemModel::rowsRemoved, this, [this]() {
        d->updateRowActions();
        d->fitHeightToRows();
    });
    d->modelConnections[2] = connect(model(), &QAbstractItemModel::modelReset, this,
                                     [this]() { d->updateRowActions(); });
    installEventFilter(d);
    viewport()->installEventFilter(d);
    d->keeper = new CellKeeper(this, [this](QWidget *cell) { return d->overview.keep(cell); });
    setItemDelegate(d->keeper);
}

// A view that drops the cell widgets of removed rows itself keeps each one's
// address in a private set for good (Qt 5): a leak per cell that every refill
// of a table repeats. removeCellWidget forgets it, so the cells go that way
// before the view's own handling of the removal; the overview's cells, which
// the table keeps for its next rows, stay at their addresses.
void Spreadsheet::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    if (!parent.isValid()) {
        d->overview.keepRows(this, start, end);
        for (int row = start; row <= end; ++row) {
            for (int column = 0; column < columnCount(); ++column) {
                QWidget *cell = cellWidget(row, column);
                if (cell && !d->overview.holds(cell))
                    removeCellWidget(row, column);
            }
        }
    }
    QTableWidget::rowsAboutToBeRemoved(parent, start, end);
}

// Kind 9 shows only the cells in view, and places them once its rows are
// all there: the dialog hides the viewport while it fills the table.
void Spreadsheet::updateEditorGeometries()
{
    if (d->kind != AllGraphsKind) {
        QTableWidget::updateEditorGeometries();
        return;
    }
    if (!viewport()->isVisible()) {
        d->geometriesPending = true;
        return;
    }
    d->overview.placeInView(this);
}

void Spreadsheet::scrollContentsBy(int dx, int dy)
{
    QTableWidget::scrollContentsBy(dx, dy);
    if (d->kind == AllGraphsKind)
        updateEditorGeometries();
}

// Each inserted row makes the view place every cell widget again, so rows
// inserted one at a time cost the square of their number; a table hidden,
// or with its viewport hidden, places them once, when they are shown.
void Spreadsheet::updateGeometries()
{
    if (!viewport()->isVisible()) {
        d->geometriesPending = true;
        return;
    }
    QTableWidget::updateGeometries();
}

Spreadsheet::~Spreadsheet()
{
    // The base class empties the model after this; d is gone by then.
    for (const QMetaObject::Connection &connection : d->modelConnections)
        disconnect(connection);
    removeEventFilter(d);
    viewport()->removeEventFilter(d);
    if (QWidget *bar = horizontalScrollBar()->parentWidget())
        bar->removeEventFilter(d);
    d->keeper->stopKeeping();
    delete d;
}

void Spreadsheet::insertXYVarRow(int row, int)
{
    d->insertRowWith(row, RowLayout::Variables);
}

void Spreadsheet::insertAllOverlayRow(int row, int)
{
    if (d->kind == AllGraphsKind && d->allGraphsRows != RowLayout::AllOverlay) {
        d->allGraphsRows = RowLayout::AllOverlay;
        d->showHeaders(RowLayout::AllOverlay);
        d->remeasure();
    }
    d->insertRowWith(row, RowLayout::AllOverlay);
}

void Spreadsheet::insertAllVarRow(int row, int)
{
    if (d->kind == AllGraphsKind && d->allGraphsRows != RowLayout::AllVariables) {
        d->allGraphsRows = RowLayout::AllVariables;
        d->showHeaders(RowLayout::AllVariables);
        d->remeasure();
    }
    d->insertRowWith(row, RowLayout::AllVariables);
}

void Spreadsheet::insertXYOverlayRow(int row, int)
{
    d->insertRowWith(row, RowLayout::Overlay);
}

void Spreadsheet::setSpreadsheetKind(int kind)
{
    d->kind = kind;
    d->followRowsInHeight();
    d->showHeaders(d->kindLayout());
    d->refillAllRows();
    d->updateRowActions();
    d->remeasure();
}

void Spreadsheet::setGraphNumber(int graphNumber)
{
    d->graphNumber = graphNumber;
    if (d->kind != XYOverlayKind)
        return;
    // Rows made before the table knew its graph get the graph's channels.
    const QStringList channels = d->overlayChannels();
    if (channels.isEmpty())
        return;
    for (int row = 0; row < rowCount(); ++row) {
        for (int column : {ChannelRow::X, ChannelRow::Y}) {
            auto *combo = qobject_cast<ComboBoxWidget *>(cellWidget(row, column));
            if (combo && combo->comboBox()->count() == 0)
                combo->setComboBoxContentsList(channels);
        }
    }
}

int Spreadsheet::spreadsheetKind() const
{
    return d->kind;
}

int Spreadsheet::graphNumber() const
{
    return d->graphNumber;
}

// Spreadsheet: the table that gives every row the cell widgets of its kind.
#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPointer>
#include <QSet>
#include <QStyle>
#include <QToolButton>
#include <QVector>

#include <algorithm>
#include <memory>

namespace {

enum class Cell {
    AxisSide,   // IconButtonWidget
    Color,      // LineEditColorWidget
    GridColor,  // LineEditColorWidget with its grid check box
    AutoRange,  // CheckBoxWidget
    Pair,       // LineEdit_LineEditWidget
    Text,       // LineEditWidget
    GraphLabel, // LineEditWidget holding a graph number
    LineStyle,  // Combo_SpinBoxWidget
    Variable,   // ZelVariable
    Channel     // ComboBoxWidget
};

struct Column
{
    Cell cell;
    const char *header;
};

// What a row holds; a table's kind decides it, except that the insert
// operations ask for a layout explicitly.
enum class RowLayout { None, YAxis, XAxis, Variables, Overlay, AllVariables, AllOverlay };

const QVector<Column> &columnsOf(RowLayout layout)
{
    static const QVector<Column> none;
    static const QVector<Column> yAxis{{Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Axis")},
                                       {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Axis Color")},
                                       {Cell::AutoRange, QT_TRANSLATE_NOOP("Spreadsheet", "Auto Range")},
                                       {Cell::Pair, QT_TRANSLATE_NOOP("Spreadsheet", "Range Min / Max")},
                                       {Cell::Pair, QT_TRANSLATE_NOOP("Spreadsheet", "Major / Minor Ticks")},
                                       {Cell::Text, QT_TRANSLATE_NOOP("Spreadsheet", "Label")},
                                       {Cell::GridColor, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Color")},
                                       {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Style / Width")}};
    static const QVector<Column> xAxis{{Cell::AutoRange, QT_TRANSLATE_NOOP("Spreadsheet", "Auto Range")},
                                       {Cell::Pair, QT_TRANSLATE_NOOP("Spreadsheet", "Range Min / Max")},
                                       {Cell::Pair, QT_TRANSLATE_NOOP("Spreadsheet", "Major / Minor Ticks")},
                                       {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Axis Color")},
                                       {Cell::Text, QT_TRANSLATE_NOOP("Spreadsheet", "Label")},
                                       {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Color")},
                                       {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Style / Width")}};
    static const QVector<Column> variables{{Cell::Variable, QT_TRANSLATE_NOOP("Spreadsheet", "X Variable")},
                                           {Cell::Variable, QT_TRANSLATE_NOOP("Spreadsheet", "Y Variable")},
                                           {Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Y Axis")},
                                           {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Line Color")},
                                           {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Line Style / Width")}};
    static const QVector<Column> overlay{{Cell::Channel, QT_TRANSLATE_NOOP("Spreadsheet", "X Channel")},
                                         {Cell::Channel, QT_TRANSLATE_NOOP("Spreadsheet", "Y Channel")},
                                         {Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Y Axis")},
                                         {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Line Color")},
                                         {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Line Style / Width")}};
    static const QVector<Column> allVariables{{Cell::GraphLabel, QT_TRANSLATE_NOOP("Spreadsheet", "Graph")},
                                              {Cell::Variable, QT_TRANSLATE_NOOP("Spreadsheet", "X Variable")},
                                              {Cell::Variable, QT_TRANSLATE_NOOP("Spreadsheet", "Y Variable")},
                                              {Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Y Axis")},
                                              {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Line Color")},
                                              {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Line Style / Width")}};
    static const QVector<Column> allOverlay{{Cell::GraphLabel, QT_TRANSLATE_NOOP("Spreadsheet", "Graph")},
                                            {Cell::Channel, QT_TRANSLATE_NOOP("Spreadsheet", "X Channel")},
                                            {Cell::Channel, QT_TRANSLATE_NOOP("Spreadsheet", "Y Channel")},
                                            {Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Y Axis")},
                                            {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Line Color")},
                                            {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Line Style / Width")}};
    switch (layout) {
    case RowLayout::YAxis:
        return yAxis;
    case RowLayout::XAxis:
        return xAxis;
    case RowLayout::Variables:
        return variables;
    case RowLayout::Overlay:
        return overlay;
    case RowLayout::AllVariables:
        return allVariables;
    case RowLayout::AllOverlay:
        return allOverlay;
    case RowLayout::None:
        break;
    }
    return none;
}

bool hasRowMenuKind(int kind)
{
    return kind == Spreadsheet::XYVarKind || kind == Spreadsheet::XYOverlayKind;
}

QWidget *createCell(Cell cell, QWidget *parent, const QStringList &channels)
{
    switch (cell) {
    case Cell::AxisSide:
        return new IconButtonWidget(parent);
    case Cell::Color:
        return new LineEditColorWidget(parent);
    case Cell::GridColor: {
        auto *color = new LineEditColorWidget(parent);
        color->setGridCheckBoxShown(true);
        return color;
    }
    case Cell::AutoRange:
        return new CheckBoxWidget(parent);
    case Cell::Pair:
        return new LineEdit_LineEditWidget(parent);
    case Cell::Text:
    case Cell::GraphLabel:
        return new LineEditWidget(parent);
    case Cell::LineStyle:
        return new Combo_SpinBoxWidget(parent);
    case Cell::Variable:
        return new ZelVariable(parent);
    case Cell::Channel: {
        auto *combo = new ComboBoxWidget(parent);
        if (!channels.isEmpty())
            combo->setComboBoxContentsList(channels); // nothing chosen
        return combo;
    }
    }
    return nullptr;
}

} // namespace

struct Spreadsheet::Private : public QObject
{
    explicit Private(Spreadsheet *table)
        : q(table)
    {
    }

    Spreadsheet *q;
    int kind = NoKind;
    int graphNumber = 0;
    RowLayout requested = RowLayout::None;       // set while an insert operation runs
    RowLayout allGraphsRows = RowLayout::AllVariables; // what a kind 9 table lists
    bool measured = false;
    int menuRow = -1;
    QAction *addRowAction = nullptr;
    QAction *deleteRowAction = nullptr;
    QMetaObject::Connection modelConnections[3];

    RowLayout kindLayout() const
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

    QStringList overlayChannels() const
    {
        // Graph numbers are 1 to 8; a table without one offers no channels.
        if (graphNumber < 1 || graphNumber > PlotSingleton::NumSlots)
            return QStringList();
        return PlotSingleton::overlayChannelNamesOf(graphNumber - 1);
    }

    // The overview lists the overlay channels of every shown graph, and the
    // position it passes along is not the graph's slot once a graph in the
    // middle has been deleted; so its rows offer every slot's channels, and
    // any stored channel name is found.
    static QStringList everyGraphsChannels()
    {
        QStringList names;
        QSet<QString> seen;
        for (int slot = 0; slot < PlotSingleton::NumSlots; ++slot) {
            for (const QString &name : PlotSingleton::overlayChannelNamesOf(slot)) {
                if (!seen.contains(name)) {
                    seen.insert(name);
                    names << name;
                }
            }
        }
        return names;
    }

    void showHeaders(RowLayout layout)
    {
        const QVector<Column> &columns = columnsOf(layout);
        if (columns.isEmpty())
            return;
        if (q->columnCount() < columns.size())
            q->setColumnCount(columns.size());
        QStringList labels;
        for (const Column &column : columns)
            labels << Spreadsheet::tr(column.header);
        q->setHorizontalHeaderLabels(labels);
    }

    void fillRow(int row, RowLayout layout)
    {
        const QVector<Column> &columns = columnsOf(layout);
        const QStringList channels = layout == RowLayout::Overlay      ? overlayChannels()
                                     : layout == RowLayout::AllOverlay ? everyGraphsChannels()
                                                                       : QStringList();
        const int count = std::min(int(columns.size()), q->columnCount());
        QWidget *viewport = q->viewport();
        for (int column = 0; column < count; ++column) {
            QWidget *cell = createCell(columns.at(column).cell, viewport, channels);
            if (kind == AllGraphsKind)
                cell->setEnabled(false); // an overview, edited on the graph tabs
            q->setCellWidget(row, column, cell);
        }
        if (layout == RowLayout::YAxis)
            followAutoRange(row, 2, 3);
        else if (layout == RowLayout::XAxis)
            followAutoRange(row, 0, 1);
    }

    // The range fields are editable only while the axis is not auto ranged.
    void followAutoRange(int row, int checkColumn, int rangeColumn)
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
    void markAxisSides()
    {
        if (kind != YAxesKind)
            return;
        for (int row = 0; row < q->rowCount(); ++row) {
            if (auto *side = qobject_cast<IconButtonWidget *>(q->cellWidget(row, 0))) {
                side->setLeftSelected(row == 0);
                // Not the user's to change: the row is the axis.
                side->button()->setAttribute(Qt::WA_TransparentForMouseEvents);
                side->button()->setFocusPolicy(Qt::NoFocus);
            }
        }
    }

    void rowsInserted(const QModelIndex &parent, int first, int last)
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
    }

    void refillAllRows()
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
    void insertRowWith(int row, RowLayout layout)
    {
        const int columns = int(columnsOf(layout).size());
        if (q->columnCount() < columns)
            q->setColumnCount(columns);
        requested = layout;
        q->insertRow(row >= 0 && row <= q->rowCount() ? row : q->rowCount());
        requested = RowLayout::None;
    }

    void updateRowActions()
    {
        const bool menuKind = hasRowMenuKind(kind);
        addRowAction->setEnabled(menuKind && q->rowCount() < MaxChannelRows);
        deleteRowAction->setEnabled(menuKind && q->rowCount() > 0);
    }

    void addRow()
    {
        if (!hasRowMenuKind(kind) || q->rowCount() >= MaxChannelRows)
            return;
        if (kind == XYVarKind)
            q->insertXYVarRow(q->rowCount(), 0);
        else
            q->insertXYOverlayRow(q->rowCount(), 0);
    }

    void deleteRow()
    {
        if (!hasRowMenuKind(kind) || q->rowCount() == 0)
            return;
        const int row = menuRow >= 0 && menuRow < q->rowCount() ? menuRow : q->rowCount() - 1;
        q->removeRow(row);
    }

    // Rows must be tall enough for the combo and spin box cells, and columns
    // wide enough for their header and their cell; measured from one probe
    // cell per column when the table is first shown or its font changes,
    // never per inserted row.
    void measure()
    {
        const RowLayout layout = kindLayout();
        const QVector<Column> &columns = columnsOf(layout);
        const QFontMetrics fm(q->font());
        const QFontMetrics headerFm(q->horizontalHeader()->font());
        const int headerPadding = 2 * q->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, q->horizontalHeader()) + 16;
        int rowHeight = fm.height() + 10;
        const int count = std::min(int(columns.size()), q->columnCount());
        for (int column = 0; column < count; ++column) {
            const Column &columnDef = columns.at(column);
            std::unique_ptr<QWidget> probe(createCell(columnDef.cell, q, QStringList()));
            probe->ensurePolished();
            QSize hint = probe->sizeHint();
            if (auto *side = qobject_cast<IconButtonWidget *>(probe.get())) {
                side->setLeftSelected(!side->getLeftSelected()); // the wider of the two
                hint = hint.expandedTo(side->sizeHint());
            }
            rowHeight = std::max(rowHeight, hint.height() + 4);
            int width = hint.width();
            const int digit = fm.horizontalAdvance(QLatin1Char('0'));
            switch (columnDef.cell) {
            case Cell::Pair:
                width = 2 * (9 * digit + 12) + 2;
                break;
            case Cell::Text:
                width = 16 * fm.averageCharWidth() + 12;
                break;
            case Cell::GraphLabel:
                width = 3 * digit + 12;
                break;
            case Cell::Color:
                width = fm.horizontalAdvance(QStringLiteral("#dddddd")) + 20;
                break;
            case Cell::GridColor:
                width = fm.horizontalAdvance(QStringLiteral("#dddddd")) + 28
                        + q->style()->pixelMetric(QStyle::PM_IndicatorWidth);
                break;
            default:
                break;
            }
            width = std::max(width, headerFm.horizontalAdvance(Spreadsheet::tr(columnDef.header)) + headerPadding);
            q->setColumnWidth(column, width);
        }
        QHeaderView *rows = q->verticalHeader();
        rows->setMinimumSectionSize(std::min(rows->minimumSectionSize(), rowHeight));
        rows->setDefaultSectionSize(rowHeight);
        for (int row = 0; row < q->rowCount(); ++row)
            q->setRowHeight(row, rowHeight);
        measured = true;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == q) {
            switch (event->type()) {
            case QEvent::Show:
                if (!measured)
                    measure();
                break;
            case QEvent::FontChange:
            case QEvent::StyleChange:
                measured = false;
                if (q->isVisible())
                    measure();
                break;
            default:
                break;
            }
        }
        return false;
    }
};

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
    d->modelConnections[0] =
        connect(model(), &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &parent, int first, int last) { d->rowsInserted(parent, first, last); });
    d->modelConnections[1] =
        connect(model(), &QAbstractItemModel::rowsRemoved, this, [this]() { d->updateRowActions(); });
    d->modelConnections[2] =
        connect(model(), &QAbstractItemModel::modelReset, this, [this]() { d->updateRowActions(); });
    installEventFilter(d);
}

Spreadsheet::~Spreadsheet()
{
    // The base class empties the model after this; d is gone by then.
    for (const QMetaObject::Connection &connection : d->modelConnections)
        disconnect(connection);
    removeEventFilter(d);
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
    }
    d->insertRowWith(row, RowLayout::AllOverlay);
}

void Spreadsheet::insertAllVarRow(int row, int)
{
    if (d->kind == AllGraphsKind && d->allGraphsRows != RowLayout::AllVariables) {
        d->allGraphsRows = RowLayout::AllVariables;
        d->showHeaders(RowLayout::AllVariables);
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
    d->showHeaders(d->kindLayout());
    d->refillAllRows();
    d->updateRowActions();
    d->measured = false;
    if (isVisible())
        d->measure();
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
        for (int column = 0; column < 2; ++column) {
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
    menu.exec(event->globalPos());
    if (self)
        d->menuRow = -1;
}

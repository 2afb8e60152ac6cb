// Spreadsheet: the table that gives every row the cell widgets of its kind.
#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include "cell_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QHash>
#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVector>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

enum class Cell {
    AxisSide,   // IconButtonWidget
    Color,      // LineEditColorWidget
    GridColor,  // LineEditColorWidget with its grid check box
    AutoRange,  // CheckBoxWidget
    Range,      // LineEdit_LineEditWidget, axis range min and max
    Ticks,      // LineEdit_LineEditWidget, major and minor tick counts
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
    const char *tip = nullptr; // what a shortened header stands for
};

// What a row holds; a table's kind decides it, except that the insert
// operations ask for a layout explicitly.
enum class RowLayout { None, YAxis, XAxis, Variables, Overlay, AllVariables, AllOverlay };

const QVector<Column> &columnsOf(RowLayout layout)
{
    static const QVector<Column> none;
    // The axes tables have the most columns; short headers let them fit the
    // dialog's width, the tips say what they stand for.
    static const char *const axisColor = QT_TRANSLATE_NOOP("Spreadsheet", "Axis color");
    static const char *const autoRange = QT_TRANSLATE_NOOP("Spreadsheet", "Automatic range");
    static const char *const range = QT_TRANSLATE_NOOP("Spreadsheet", "Range minimum / maximum");
    static const char *const ticks = QT_TRANSLATE_NOOP("Spreadsheet", "Number of major / minor ticks");
    static const char *const gridLine = QT_TRANSLATE_NOOP("Spreadsheet", "Grid line style / width");
    static const QVector<Column> yAxis{{Cell::AxisSide, QT_TRANSLATE_NOOP("Spreadsheet", "Axis")},
                                       {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Color"), axisColor},
                                       {Cell::AutoRange, QT_TRANSLATE_NOOP("Spreadsheet", "Auto"), autoRange},
                                       {Cell::Range, QT_TRANSLATE_NOOP("Spreadsheet", "Min / Max"), range},
                                       {Cell::Ticks, QT_TRANSLATE_NOOP("Spreadsheet", "Major / Minor"), ticks},
                                       {Cell::Text, QT_TRANSLATE_NOOP("Spreadsheet", "Label")},
                                       {Cell::GridColor, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Color")},
                                       {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Style / Width"), gridLine}};
    static const QVector<Column> xAxis{{Cell::AutoRange, QT_TRANSLATE_NOOP("Spreadsheet", "Auto"), autoRange},
                                       {Cell::Range, QT_TRANSLATE_NOOP("Spreadsheet", "Min / Max"), range},
                                       {Cell::Ticks, QT_TRANSLATE_NOOP("Spreadsheet", "Major / Minor"), ticks},
                                       {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Color"), axisColor},
                                       {Cell::Text, QT_TRANSLATE_NOOP("Spreadsheet", "Label")},
                                       {Cell::Color, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Color")},
                                       {Cell::LineStyle, QT_TRANSLATE_NOOP("Spreadsheet", "Grid Style / Width"), gridLine}};
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
    case Cell::Range:
    case Cell::Ticks:
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

bool isOverview(RowLayout layout)
{
    return layout == RowLayout::AllVariables || layout == RowLayout::AllOverlay;
}

// Puts a kept cell back into the state of a new one.
void resetCell(Cell cell, QWidget *widget, const QStringList &channels)
{
    switch (cell) {
    case Cell::AxisSide:
        static_cast<IconButtonWidget *>(widget)->setLeftSelected(true);
        break;
    case Cell::Color:
        static_cast<LineEditColorWidget *>(widget)->setBGStyleSheet(xy_cells::newCellColor().name());
        break;
    case Cell::GraphLabel:
        static_cast<LineEditWidget *>(widget)->setLineEditText(QString());
        break;
    case Cell::LineStyle: {
        auto *line = static_cast<Combo_SpinBoxWidget *>(widget);
        line->setComboBoxCurrentIndex(xy_cells::newLineStyleIndex);
        line->setSpinBoxValue(xy_cells::newLineWidth);
        break;
    }
    case Cell::Variable:
        static_cast<ZelVariable *>(widget)->comboBox()->setCurrentIndex(-1);
        break;
    case Cell::Channel: {
        auto *combo = static_cast<ComboBoxWidget *>(widget);
        // The list a cell holds is mostly the very list offered now, which
        // compares at once.
        const auto *names = qobject_cast<const QStringListModel *>(combo->comboBox()->model());
        if (names && names->stringList() == channels)
            combo->setComboBoxCurrentIndex(-1);
        else
            combo->setComboBoxContentsList(channels); // nothing chosen
        break;
    }
    default:
        break;
    }
}

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
    {
    }

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
    bool geometriesPending = false; // rows came while the table was hidden
    bool heightFollowsRows = false;
    // Row the open menu was asked for; -1 without a menu (Delete Row then
    // takes the last row), NoRowPointed when the menu opened below the rows.
    enum { NoRowPointed = -2 };
    int menuRow = -1;
    QAction *addRowAction = nullptr;
    QAction *deleteRowAction = nullptr;
    QMetaObject::Connection modelConnections[3];
    CellKeeper *keeper = nullptr;

    // The overview is emptied and filled again on every visit. Building
    // hundreds of cells each time is most of what a visit would cost, and
    // styled widgets leave traces in the style caches for good; so the
    // cells of its removed rows are kept, hidden, and serve the next rows.
    QHash<QWidget *, Cell> reusable;
    QHash<int, QVector<QWidget *>> spare;

    bool keep(QWidget *cell)
    {
        const auto found = reusable.constFind(cell);
        if (found == reusable.constEnd())
            return false;
        cell->hide();
        spare[int(*found)].append(cell);
        return true;
    }

    void forget(QObject *cell)
    {
        const auto found = reusable.find(static_cast<QWidget *>(cell));
        if (found == reusable.end())
            return;
        spare[int(*found)].removeAll(static_cast<QWidget *>(cell));
        reusable.erase(found);
    }

    QWidget *overviewCell(Cell cell, const QStringList &channels)
    {
        QVector<QWidget *> &kept = spare[int(cell)];
        if (!kept.isEmpty()) {
            QWidget *widget = kept.takeLast();
            resetCell(cell, widget, channels);
            return widget;
        }
        QWidget *widget = createCell(cell, q->viewport(), channels);
        reusable.insert(widget, cell);
        QObject::connect(widget, &QObject::destroyed, this, [this](QObject *gone) { forget(gone); });
        return widget;
    }

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
    // The union is asked for once per overview row; it is rebuilt only when
    // a slot's list changed. A held copy still shares its data with the
    // slot's list exactly while that list is unchanged: editing the list in
    // place detaches it, and a replaced list has data of its own.
    static QStringList everyGraphsChannels()
    {
        static QStringList heldSlots[PlotSingleton::NumSlots];
        static QStringList names;
        static bool built = false;
        bool current = built;
        for (int slot = 0; slot < PlotSingleton::NumSlots; ++slot) {
            const QStringList channels = PlotSingleton::overlayChannelNamesOf(slot);
            if (!channels.isSharedWith(heldSlots[slot])) {
                heldSlots[slot] = channels;
                current = false;
            }
        }
        if (current)
            return names;
        names.clear();
        QSet<QString> seen;
        for (const QStringList &channels : heldSlots) {
            for (const QString &name : channels) {
                if (!seen.contains(name)) {
                    seen.insert(name);
                    names << name;
                }
            }
        }
        built = true;
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
        for (int column = 0; column < columns.size(); ++column) {
            if (columns.at(column).tip)
                q->horizontalHeaderItem(column)->setToolTip(Spreadsheet::tr(columns.at(column).tip));
        }
    }

    void fillRow(int row, RowLayout layout)
    {
        const QVector<Column> &columns = columnsOf(layout);
        const QStringList channels = layout == RowLayout::Overlay      ? overlayChannels()
                                     : layout == RowLayout::AllOverlay ? everyGraphsChannels()
                                                                       : QStringList();
        const int count = std::min(int(columns.size()), q->columnCount());
        QWidget *viewport = q->viewport();
        const bool overview = isOverview(layout);
        for (int column = 0; column < count; ++column) {
            const Cell type = columns.at(column).cell;
            QWidget *cell = overview ? overviewCell(type, channels) : createCell(type, viewport, channels);
            takeTableFont(cell);
            leaveTabChainToTable(cell);
            // An overview, edited on the graph tabs.
            cell->setEnabled(kind != AllGraphsKind);
            q->setCellWidget(row, column, cell);
            if (kind == AllGraphsKind)
                cell->hide(); // until placed in view
        }
        if (layout == RowLayout::YAxis)
            followAutoRange(row, 2, 3);
        else if (layout == RowLayout::XAxis)
            followAutoRange(row, 0, 1);
    }

    // Under a style sheet (the dialog has one) a widget does not inherit
    // the font a form gives its parent, so the table's font is handed to the
    // cell and its editors: cells and header then read alike, and the
    // column widths measured from a probe hold for the cells.
    void takeTableFont(QWidget *cell) const
    {
        if (!q->testAttribute(Qt::WA_SetFont))
            return;
        // Given even where it is the font the cell has now: a font the
        // cell only inherits gives way to the style sheet's when the cell
        // is polished, and the cell would paint larger than it is measured.
        // A kept cell of the overview has it already.
        const QFont font = q->font();
        if (cell->testAttribute(Qt::WA_SetFont) && cell->font() == font)
            return;
        cell->setFont(font);
        for (QWidget *editor : cell->findChildren<QWidget *>())
            editor->setFont(font);
    }

    void fontChanged()
    {
        for (int row = 0; row < q->rowCount(); ++row) {
            for (int column = 0; column < q->columnCount(); ++column) {
                if (QWidget *cell = q->cellWidget(row, column))
                    takeTableFont(cell);
            }
        }
        remeasure();
    }

    // The table leads Tab through its cells itself, in reading order. The
    // window's own Tab chain holds cells in the order they were made, which
    // is no order once rows come and go, so their fields leave it: they
    // keep taking the focus by click, and the table gives it to them.
    static void leaveTabChainToTable(QWidget *cell)
    {
        QList<QWidget *> widgets = cell->findChildren<QWidget *>();
        widgets.prepend(cell);
        for (QWidget *widget : widgets) {
            if (widget->focusPolicy() & Qt::TabFocus)
                widget->setFocusPolicy(Qt::FocusPolicy(widget->focusPolicy() & ~Qt::TabFocus));
        }
    }

    struct Field
    {
        QWidget *widget;
        int row;
        int column;
    };

    // The fields of the cells in reading order: rows, then columns as shown,
    // then the editors of a cell from left to right (a colour cell's swatch
    // lies right of its grid check box).
    QVector<Field> tabFields() const
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

    static int fieldHolding(const QVector<Field> &fields, const QWidget *focus)
    {
        for (int i = 0; focus && i < fields.size(); ++i) {
            if (fields.at(i).widget == focus || fields.at(i).widget->isAncestorOf(focus))
                return i;
        }
        return -1;
    }

    void focusField(const Field &field, bool next)
    {
        q->scrollTo(q->model()->index(field.row, field.column));
        field.widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }

    // The widget Tab (or Shift+Tab) reaches after the table, as the window's
    // own Tab chain has it, passing over everything inside the table.
    QWidget *neighbourOutside(bool next) const
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
            if ((taker->focusPolicy() & Qt::TabFocus) && !part && w->isEnabled() && w->isVisibleTo(window))
                return w;
        }
        return nullptr;
    }

    bool moveFocus(bool next)
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
        fitHeightToRows();
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
        if (!hasRowMenuKind(kind) || q->rowCount() == 0 || menuRow == NoRowPointed)
            return;
        const int row = menuRow >= 0 && menuRow < q->rowCount() ? menuRow : q->rowCount() - 1;
        q->removeRow(row);
    }

    // Rows must be tall enough for the combo and spin box cells, and columns
    // just wide enough for their header and their cell, so that every table
    // fits the dialog's width; the names (variables, channels, labels) take
    // what the other columns leave. Measured from one probe cell per column
    // when the table is first shown or its font changes, never per inserted
    // row.
    void measure()
    {
        const RowLayout layout = kindLayout();
        const QVector<Column> &columns = columnsOf(layout);
        QHeaderView *header = q->horizontalHeader();
        const QFontMetrics fm(q->font());
        int rowHeight = fm.height() + 10;
        bool stretching = false;
        const int count = std::min(int(columns.size()), q->columnCount());
        for (int column = 0; column < count; ++column) {
            const Column &columnDef = columns.at(column);
            std::unique_ptr<QWidget> probe(createCell(columnDef.cell, q, QStringList()));
            takeTableFont(probe.get());
            probe->ensurePolished();
            QSize hint = probe->sizeHint();
            if (auto *side = qobject_cast<IconButtonWidget *>(probe.get())) {
                side->setLeftSelected(!side->getLeftSelected()); // the wider of the two
                hint = hint.expandedTo(side->sizeHint());
            }
            rowHeight = std::max(rowHeight, hint.height() + 4);
            const int width = std::max(cellWidth(columnDef.cell, probe.get(), hint.width()),
                                       headerWidth(Spreadsheet::tr(columnDef.header), column));
            const bool names = isNamesColumn(columnDef.cell);
            stretching = stretching || names;
            header->setSectionResizeMode(column, names ? QHeaderView::Stretch : QHeaderView::Interactive);
            q->setColumnWidth(column, width);
        }
        // The names columns take the slack; a stretched last column would
        // take a share of it too.
        header->setStretchLastSection(!stretching);
        QHeaderView *rows = q->verticalHeader();
        rows->setMinimumSectionSize(std::min(rows->minimumSectionSize(), rowHeight));
        rows->setDefaultSectionSize(rowHeight);
        for (int row = 0; row < q->rowCount(); ++row)
            q->setRowHeight(row, rowHeight);
        measured = true;
        fitHeightToRows();
    }

    void remeasure()
    {
        measured = false;
        if (q->isVisible())
            measure();
    }

    static bool isNamesColumn(Cell cell)
    {
        return cell == Cell::Variable || cell == Cell::Channel || cell == Cell::Text;
    }

    // A line edit as wide as `chars` digits: what its size hint adds to the
    // 17 'x' it is sized for, plus the digits.
    static int lineEditWidth(const QLineEdit *edit, int chars)
    {
        const QFontMetrics fm = edit->fontMetrics();
        const int frame = std::max(0, edit->sizeHint().width() - 17 * fm.horizontalAdvance(QLatin1Char('x')));
        return frame + chars * fm.horizontalAdvance(QLatin1Char('0'));
    }

    // Compact width of a cell: range values need about seven characters
    // ("-1250.5"), tick counts two, colours their "#rrggbb" name; the rest
    // are as wide as they ask to be.
    int cellWidth(Cell cell, QWidget *probe, int hintWidth) const
    {
        const int spacing = probe->layout() ? probe->layout()->spacing() : 0;
        const QFontMetrics fm(probe->font());
        const int colorName = fm.horizontalAdvance(QStringLiteral("#dddddd"));
        switch (cell) {
        case Cell::Range:
        case Cell::Ticks: {
            const auto *pair = static_cast<LineEdit_LineEditWidget *>(probe);
            return 2 * lineEditWidth(pair->lineEdit(0), cell == Cell::Range ? 7 : 2) + spacing + 2;
        }
        case Cell::Text:
            return lineEditWidth(static_cast<LineEditWidget *>(probe)->lineEdit(), 10);
        case Cell::GraphLabel:
            return lineEditWidth(static_cast<LineEditWidget *>(probe)->lineEdit(), 2);
        case Cell::Color:
            return colorName + 12;
        case Cell::GridColor:
            return colorName + 20 + q->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, probe);
        default:
            return hintWidth;
        }
    }

    // Width that shows a header text whole, as the header's style lays it
    // out, with a little air.
    int headerWidth(const QString &text, int column) const
    {
        QHeaderView *header = q->horizontalHeader();
        QStyleOptionHeader option;
        option.initFrom(header);
        option.section = column;
        option.text = text;
        option.fontMetrics = QFontMetrics(header->font());
        return header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width() + 2;
    }

    // The Y axes table holds its two rows only: it asks for the height of
    // header and rows and does not grow beyond it, so the X axis table below
    // it on the axes page takes the spare height and the page reads top
    // down without gaps. The other tables share the height of their page.
    void followRowsInHeight()
    {
        const bool fewRows = kind == YAxesKind;
        if (fewRows == heightFollowsRows)
            return;
        heightFollowsRows = fewRows;
        QSizePolicy policy = q->sizePolicy();
        policy.setVerticalPolicy(fewRows ? QSizePolicy::Maximum : QSizePolicy::Expanding);
        q->setSizePolicy(policy);
        q->setSizeAdjustPolicy(fewRows ? QAbstractScrollArea::AdjustToContents : QAbstractScrollArea::AdjustIgnored);
        if (QWidget *bar = q->horizontalScrollBar()->parentWidget()) {
            if (fewRows)
                bar->installEventFilter(this);
            else
                bar->removeEventFilter(this);
        }
        if (fewRows)
            fitHeightToRows();
        else
            q->setMaximumHeight(QWIDGETSIZE_MAX);
    }

    // The size hint of an adjusting scroll area counts the horizontal scroll
    // bar even while it is hidden, which would leave an empty strip under the
    // rows; the maximum height holds the table to what it shows.
    void fitHeightToRows()
    {
        if (!heightFollowsRows)
            return;
        QHeaderView *header = q->horizontalHeader();
        QScrollBar *bar = q->horizontalScrollBar();
        const int height = 2 * q->frameWidth() + (header->isHidden() ? 0 : header->sizeHint().height())
                           + q->verticalHeader()->length() + (bar->isVisibleTo(q) ? bar->sizeHint().height() : 0);
        q->setMaximumHeight(height);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != q) {
            // The horizontal scroll bar came or went.
            if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
                fitHeightToRows();
            return false;
        }
        switch (event->type()) {
        case QEvent::Show:
            if (!measured)
                measure();
            if (geometriesPending) {
                geometriesPending = false;
                q->updateGeometries();
            }
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
        connect(model(), &QAbstractItemModel::rowsRemoved, this, [this]() {
            d->updateRowActions();
            d->fitHeightToRows();
        });
    d->modelConnections[2] =
        connect(model(), &QAbstractItemModel::modelReset, this, [this]() { d->updateRowActions(); });
    installEventFilter(d);
    d->keeper = new CellKeeper(this, [this](QWidget *cell) { return d->keep(cell); });
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
        for (int row = start; row <= end; ++row) {
            for (int column = 0; column < columnCount(); ++column) {
                QWidget *cell = cellWidget(row, column);
                if (cell && !d->reusable.contains(cell))
                    removeCellWidget(row, column);
            }
        }
    }
    QTableWidget::rowsAboutToBeRemoved(parent, start, end);
}

// Each inserted row makes the view place every cell widget again, so rows
// inserted one at a time cost the square of their number; a hidden table
// places them once, when it is shown.
// The overview lists up to 128 rows of six cells, read only, of which a
// screenful is in view: only the cells in view are shown, the rest wait
// hidden until scrolled to. Showing, hiding and painting hundreds of styled
// widgets is most of what a visit to the overview would cost.
void Spreadsheet::updateEditorGeometries()
{
    if (d->kind != AllGraphsKind) {
        QTableWidget::updateEditorGeometries();
        return;
    }
    const QRect area = viewport()->rect();
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            QWidget *cell = cellWidget(row, column);
            if (!cell)
                continue;
            const QRect rect = visualRect(model()->index(row, column));
            const bool inView = rect.isValid() && rect.intersects(area);
            if (inView)
                cell->setGeometry(rect);
            cell->setVisible(inView);
        }
    }
}

void Spreadsheet::scrollContentsBy(int dx, int dy)
{
    QTableWidget::scrollContentsBy(dx, dy);
    if (d->kind == AllGraphsKind)
        updateEditorGeometries();
}

void Spreadsheet::updateGeometries()
{
    if (!isVisible()) {
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

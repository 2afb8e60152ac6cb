// Measuring a table: column widths and row heights from probe cells, and the
// height of a table that holds only a few rows.
#include "spreadsheet_private.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionHeader>

#include <algorithm>
#include <memory>

// Rows must be tall enough for the combo and spin box cells, and columns
// just wide enough for their header and their cell, so that every table
// fits the dialog's width; the names (variables, channels, labels) take
// what the other columns leave. Measured from one probe cell per column
// when the table is first shown or its font changes, never per inserted
// row.
void Spreadsheet::Private::measure()
{
    const RowLayout layout = kindLayout();
    const QVector<Column> &columns = xy_table::columnsOf(layout);
    QHeaderView *header = q->horizontalHeader();
    const QFontMetrics fm(q->font());
    int rowHeight = fm.height() + 10;
    bool stretching = false;
    const int count = std::min(int(columns.size()), q->columnCount());
    for (int column = 0; column < count; ++column) {
        const Column &columnDef = columns.at(column);
        std::unique_ptr<QWidget> probe(xy_table::createCell(columnDef.cell, q, QStringList()));
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
        header->setSectionResizeMode(column,
                                     names ? QHeaderView::Stretch : QHeaderView::Interactive);
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

void Spreadsheet::Private::remeasure()
{
    measured = false;
    if (q->isVisible())
        measure();
}

bool Spreadsheet::Private::isNamesColumn(Cell cell)
{
    return cell == Cell::Variable || cell == Cell::Channel || cell == Cell::Text;
}

// A line edit as wide as `chars` digits: what its size hint adds to the
// 17 'x' it is sized for, plus the digits.
int Spreadsheet::Private::lineEditWidth(const QLineEdit *edit, int chars)
{
    const QFontMetrics fm = edit->fontMetrics();
    const int frame =
        std::max(0, edit->sizeHint().width() - 17 * fm.horizontalAdvance(QLatin1Char('x')));
    return frame + chars * fm.horizontalAdvance(QLatin1Char('0'));
}

// Compact width of a cell: range values need about seven characters
// ("-1250.5"), tick counts two, colours their "#rrggbb" name; the rest
// are as wide as they ask to be.
int Spreadsheet::Private::cellWidth(Cell cell, QWidget *probe, int hintWidth) const
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
int Spreadsheet::Private::headerWidth(const QString &text, int column) const
{
    QHeaderView *header = q->horizontalHeader();
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = column;
    option.text = text;
    option.fontMetrics = QFontMetrics(header->font());
    return header->style()
               ->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header)
               .width()
           + 2;
}

// The Y axes table holds its two rows only: it asks for the height of
// header and rows and does not grow beyond it, so the X axis table below
// it on the axes page takes the spare height and the page reads top
// down without gaps. The other tables share the height of their page.
void Spreadsheet::Private::followRowsInHeight()
{
    const bool fewRows = kind == YAxesKind;
    if (fewRows == heightFollowsRows)
        return;
    heightFollowsRows = fewRows;
    QSizePolicy policy = q->sizePolicy();
    policy.setVerticalPolicy(fewRows ? QSizePolicy::Maximum : QSizePolicy::Expanding);
    q->setSizePolicy(policy);
    q->setSizeAdjustPolicy(fewRows ? QAbstractScrollArea::AdjustToContents
                                   : QAbstractScrollArea::AdjustIgnored);
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
void Spreadsheet::Private::fitHeightToRows()
{
    if (!heightFollowsRows)
        return;
    QHeaderView *header = q->horizontalHeader();
    QScrollBar *bar = q->horizontalScrollBar();
    const int height = 2 * q->frameWidth() + (header->isHidden() ? 0 : header->sizeHint().height())
                       + q->verticalHeader()->length()
                       + (bar->isVisibleTo(q) ? bar->sizeHint().height() : 0);
    q->setMaximumHeight(height);
}

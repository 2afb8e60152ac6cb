// LineEditColorWidget: a colour swatch that opens the colour chooser.
#include <interfaces/spreadsheet.h>

#include "cell_support.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>

// The swatch is painted straight onto the cell (no child widget for it): a
// dialog holds well over a hundred colour cells. Painting and clicks are
// handled by this filter on the cell itself.
struct LineEditColorWidget::Private : public QObject
{
    explicit Private(LineEditColorWidget *cell)
        : q(cell)
    {}

    LineEditColorWidget *q;
    QColor color = xy_cells::newCellColor();
    bool gridVisible = true;
    bool boxChecked = true;
    QCheckBox *gridBox = nullptr; // created when the grid column asks for it

    QRect swatchRect() const
    {
        QRect r = q->rect().adjusted(2, 2, -2, -2);
        if (gridBox && gridBox->isVisibleTo(q))
            r.setLeft(gridBox->geometry().right() + 4);
        return r;
    }

    void paint()
    {
        QPainter painter(q);
        const QRect r = swatchRect();
        if (r.width() <= 0 || r.height() <= 0)
            return;
        painter.fillRect(r, color);
        painter.setPen(q->palette().color(QPalette::Dark));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        // The name in black or white, whichever reads on the colour.
        painter.setPen(color.lightness() > 127 ? Qt::black : Qt::white);
        if (!q->isEnabled())
            painter.setOpacity(0.6);
        painter.drawText(r, Qt::AlignCenter, color.name());
        if (q->hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(q);
            focus.rect = r.adjusted(2, 2, -2, -2);
            q->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, q);
        }
    }

    void chooseColor()
    {
        QPointer<LineEditColorWidget> cell(q);
        const QColor chosen =
            QColorDialog::getColor(color, q, LineEditColorWidget::tr("Select Colour"));
        if (cell && chosen.isValid())
            q->setBGStyleSheet(chosen.name());
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != q)
            return false;
        switch (event->type()) {
        case QEvent::Paint:
            paint();
            return true;
        case QEvent::MouseButtonRelease: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && swatchRect().contains(mouse->pos())) {
                chooseColor();
                return true;
            }
            return false;
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                chooseColor();
                return true;
            }
            return false;
        }
        default:
            return false;
        }
    }
};

LineEditColorWidget::LineEditColorWidget(QWidget *parent)
    : QWidget(parent)
    , d(new Private(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(tr("Click to choose a colour"));
    installEventFilter(d);
}

LineEditColorWidget::~LineEditColorWidget()
{
    removeEventFilter(d);
    delete d;
}

void LineEditColorWidget::setBGStyleSheet(const QString &colorName)
{
    // A name that is no colour leaves the cell as it was.
    const QColor color(colorName);
    if (!color.isValid())
        return;
    d->color = color;
    update();
}

QString LineEditColorWidget::getBGStyleSheet() const
{
    return d->color.name();
}

void LineEditColorWidget::setGridVisible(bool visible)
{
    d->gridVisible = visible;
}

bool LineEditColorWidget::getGridVisible() const
{
    return d->gridVisible;
}

void LineEditColorWidget::setCheckBoxChecked(bool checked)
{
    d->boxChecked = checked;
    if (d->gridBox)
        d->gridBox->setChecked(checked);
}

void LineEditColorWidget::setGridCheckBoxShown(bool shown)
{
    if (shown && !d->gridBox) {
        d->gridBox = new QCheckBox(this);
        d->gridBox->setToolTip(tr("Show the grid"));
        d->gridBox->setChecked(d->boxChecked);
        xy_cells::cellLayout(this)->addWidget(d->gridBox, 0, Qt::AlignLeft | Qt::AlignVCenter);
        layout()->setContentsMargins(4, 0, 0, 0);
        // The user switching the grid on or off is the grid visibility.
        connect(d->gridBox, &QCheckBox::clicked, this, [this](bool on) {
            d->boxChecked = on;
            d->gridVisible = on;
        });
    }
    if (d->gridBox)
        d->gridBox->setVisible(shown);
    update();
}

// Combo_SpinBoxWidget: the line style, drawn as lines, and the line width.
#include <interfaces/plot_screen_info.h>
#include <interfaces/spreadsheet.h>

#include "cell_support.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSpinBox>
#include <QStyleOptionComboBox>
#include <QVector>

#include <algorithm>
#include <utility>

namespace {

const QSize styleIconSize(48, 12);
const int lineStyleCount = 4;
const int maxLineWidth = Plot_Screen_Info::MaxLineWidth;

// The plot draws a 16-bit stipple pattern one bit per step, lowest bit
// first; as a QPen dash pattern that is the lengths of the alternating runs
// of set and clear bits, starting with a set run. A full pattern is solid.
QVector<qreal> stippleDashes(int pattern)
{
    const quint16 bits = quint16(pattern);
    if (bits == 0xFFFF || bits == 0)
        return {};
    auto bitAt = [bits](int i) { return (bits >> (i % 16)) & 1; };
    int start = 0;
    while (!(bitAt(start) && !bitAt(start + 15)))
        ++start; // a set bit after a clear one
    QVector<qreal> dashes;
    int run = 0;
    int value = 1;
    for (int i = 0; i < 16; ++i) {
        if (int(bitAt(start + i)) == value) {
            ++run;
        } else {
            dashes.append(run);
            value = 1 - value;
            run = 1;
        }
    }
    dashes.append(run);
    return dashes;
}

QIcon lineStyleIcon(int pattern, const QColor &ink)
{
    QPixmap pixmap(styleIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QPen pen(ink, 2.0, Qt::SolidLine, Qt::FlatCap);
    const QVector<qreal> dashes = stippleDashes(pattern);
    if (!dashes.isEmpty())
        pen.setDashPattern(dashes); // in pen widths: one stipple bit = 2 px
    painter.setPen(pen);
    const qreal y = styleIconSize.height() / 2.0;
    painter.drawLine(QPointF(0, y), QPointF(styleIconSize.width(), y));
    return QIcon(pixmap);
}

// The four icons are drawn once per process and shared by every cell; they
// go away with the application object, like every other pixmap.
QVector<QIcon> *iconCache = nullptr;

void dropIconCache()
{
    delete iconCache;
    iconCache = nullptr;
}

const QVector<QIcon> &lineStyleIcons()
{
    if (!iconCache) {
        iconCache = new QVector<QIcon>;
        const QColor ink = QApplication::palette().color(QPalette::Text);
        for (int index = 0; index < lineStyleCount; ++index)
            iconCache->append(lineStyleIcon(indexToLineStyle(index), ink));
        qAddPostRoutine(dropIconCache);
    }
    return *iconCache;
}

// The style combo shows its lines at their full length. Setting the icon
// size on a QComboBox builds its popup list there and then, which a dialog
// with 150 of these cells would pay up front; so the closed combo paints
// its current line itself, and the popup gets the icon size when it is
// first opened.
// Its size is that of an item without text: the icon and the frame.
class LineStyleCombo : public xy_cells::LengthSizedCombo
{
public:
    explicit LineStyleCombo(QWidget *parent)
        : LengthSizedCombo(parent, true)
    {}

    QSize sizeHint() const override { return widened(LengthSizedCombo::sizeHint()); }
    QSize minimumSizeHint() const override { return widened(LengthSizedCombo::minimumSizeHint()); }

    void showPopup() override
    {
        setIconSize(styleIconSize);
        LengthSizedCombo::showPopup();
    }

protected:
    // The line at its full length, whatever icon size the combo has yet.
    void prepareLabel(QStyleOptionComboBox *option) const override
    {
        option->iconSize = styleIconSize;
    }

private:
    QSize widened(QSize hint) const
    {
        const QSize shown = iconSize();
        hint.rwidth() += std::max(0, styleIconSize.width() - shown.width());
        return hint;
    }
};

QString lineStyleName(int index)
{
    switch (index) {
    case 1:
        return Combo_SpinBoxWidget::tr("Dashed");
    case 2:
        return Combo_SpinBoxWidget::tr("Dotted");
    case 3:
        return Combo_SpinBoxWidget::tr("Dash-dot");
    default:
        return Combo_SpinBoxWidget::tr("Solid");
    }
}

} // namespace

// Style and width of a cell whose parts are not built yet.
struct Combo_SpinBoxWidget::Pending
{
    int style = xy_cells::newLineStyleIndex;
    int width = xy_cells::newLineWidth;
};

Combo_SpinBoxWidget::Combo_SpinBoxWidget(QWidget *parent)
    : QWidget(parent)
{
    if (xy_cells::DeferredEditors::active())
        m_pending = new Pending;
    else
        buildParts();
}

Combo_SpinBoxWidget::~Combo_SpinBoxWidget()
{
    delete m_pending;
}

void Combo_SpinBoxWidget::buildParts() const
{
    if (m_combo)
        return;
    auto *cell = const_cast<Combo_SpinBoxWidget *>(this);
    m_combo = new LineStyleCombo(cell);
    m_spin = new QSpinBox(cell);
    const QVector<QIcon> &icons = lineStyleIcons();
    for (int index = 0; index < lineStyleCount; ++index) {
        m_combo->addItem(icons.at(index), QString());
        m_combo->setItemData(index, lineStyleName(index), Qt::ToolTipRole);
        m_combo->setItemData(index, lineStyleName(index), Qt::AccessibleTextRole);
    }
    m_combo->setToolTip(tr("Line style"));

    m_spin->setRange(0, maxLineWidth);
    m_spin->setToolTip(tr("Line width"));

    const Pending pending = m_pending ? *m_pending : Pending();
    delete std::exchange(m_pending, nullptr);
    m_combo->setCurrentIndex(pending.style);
    m_spin->setValue(pending.width);

    // A wide column widens the style, not the width field.
    m_spin->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    QHBoxLayout *layout = xy_cells::cellLayout(cell);
    layout->addWidget(m_combo, 1);
    layout->addWidget(m_spin);
    cell->setFocusProxy(m_combo);
}

void Combo_SpinBoxWidget::setComboBoxCurrentIndex(int index)
{
    if (m_pending) {
        m_pending->style = index >= 0 && index < lineStyleCount ? index : -1;
        return;
    }
    m_combo->setCurrentIndex(index);
}

int Combo_SpinBoxWidget::getComboBoxCurrentIndex() const
{
    return m_pending ? m_pending->style : m_combo->currentIndex();
}

void Combo_SpinBoxWidget::setSpinBoxValue(int value)
{
    if (m_pending) {
        m_pending->width = std::clamp(value, 0, maxLineWidth);
        return;
    }
    m_spin->setValue(value);
}

int Combo_SpinBoxWidget::getSpinBoxValue() const
{
    return m_pending ? m_pending->width : m_spin->value();
}

QComboBox *Combo_SpinBoxWidget::comboBox() const
{
    buildParts();
    return m_combo;
}

QSpinBox *Combo_SpinBoxWidget::spinBox() const
{
    buildParts();
    return m_spin;
}

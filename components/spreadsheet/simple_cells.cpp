// The plain cells: channel combo, check box, text fields and the left/right
// Y axis button.
#include <interfaces/spreadsheet.h>

#include "cell_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QStringListModel>
#include <QToolButton>

#include <utility>

// ---------------------------------------------------------------- ComboBoxWidget

// Entries and choice of a cell whose combo is not built yet.
struct ComboBoxWidget::Pending
{
    QStringList names;
    int index = -1;
};

ComboBoxWidget::ComboBoxWidget(QWidget *parent)
    : QWidget(parent)
{
    if (xy_cells::DeferredEditors::active())
        m_pending = new Pending;
    else
        buildCombo();
}

ComboBoxWidget::~ComboBoxWidget()
{
    delete m_pending;
}

void ComboBoxWidget::buildCombo() const
{
    if (m_combo)
        return;
    auto *cell = const_cast<ComboBoxWidget *>(this);
    m_combo = new xy_cells::LengthSizedCombo(cell, false);
    // Channel lists run to hundreds of names, and the overview offers those
    // of every graph in each of its cells: the width is that of 12
    // characters, never measured from the names.
    m_combo->setMinimumContentsLength(12);
    // The names live in one string list shared with the caller's copy, not
    // in an item object per name.
    auto *names = new QStringListModel(m_combo);
    m_combo->setModel(names);
    xy_cells::cellLayout(cell)->addWidget(m_combo);
    cell->setFocusProxy(m_combo);
    if (Pending *pending = std::exchange(m_pending, nullptr)) {
        names->setStringList(pending->names);
        m_combo->setCurrentIndex(pending->index);
        delete pending;
    }
}

void ComboBoxWidget::clearContents()
{
    if (m_pending) {
        *m_pending = Pending();
        return;
    }
    m_combo->clear();
}

void ComboBoxWidget::setComboBoxContentsList(const QStringList &items)
{
    if (m_pending) {
        *m_pending = Pending{items, -1};
        return;
    }
    if (auto *names = qobject_cast<QStringListModel *>(m_combo->model())) {
        // A cell is mostly handed the very list it holds, which compares
        // at once.
        if (names->stringList() != items)
            names->setStringList(items);
        m_combo->setCurrentIndex(-1);
        return;
    }
    m_combo->clear();
    m_combo->addItems(items);
    // A new list carries no choice; the caller picks one.
    m_combo->setCurrentIndex(-1);
}

void ComboBoxWidget::setComboBoxCurrentIndex(int index)
{
    if (m_pending) {
        m_pending->index = index >= 0 && index < m_pending->names.size() ? index : -1;
        return;
    }
    m_combo->setCurrentIndex(index);
}

int ComboBoxWidget::getComboBoxCurrentIndex() const
{
    return m_pending ? m_pending->index : m_combo->currentIndex();
}

QString ComboBoxWidget::getComboBoxCurrentText() const
{
    const int index = getComboBoxCurrentIndex();
    if (index < 0)
        return QString();
    return m_pending ? m_pending->names.at(index) : m_combo->itemText(index);
}

namespace {

// Row of the first name equal to text in a channel list. The tables hand one
// list to many cells (a graph's channels to each of its rows, every graph's
// to each overview row) and look up two names per cell, so the rows of the
// last few long lists are kept. A kept copy shares the list's data exactly
// while the list is unchanged; it also keeps that data from being reused
// for another list.
int firstRowOf(const QStringList &names, const QString &text)
{
    constexpr int shortList = 32;
    if (names.size() < shortList)
        return names.indexOf(text);
    struct Rows
    {
        QStringList names;
        QHash<QString, int> first;
    };
    static Rows kept[8];
    static int next = 0;
    for (const Rows &rows : kept) {
        if (rows.names.isSharedWith(names))
            return rows.first.value(text, -1);
    }
    Rows &rows = kept[next];
    next = (next + 1) % 8;
    rows.names = names;
    rows.first.clear();
    rows.first.reserve(names.size());
    for (int row = names.size() - 1; row >= 0; --row)
        rows.first.insert(names.at(row), row); // the first row wins
    return rows.first.value(text, -1);
}

} // namespace

int ComboBoxWidget::findIndex(const QString &text) const
{
    if (m_pending)
        return firstRowOf(m_pending->names, text);
    if (const auto *names = qobject_cast<const QStringListModel *>(m_combo->model()))
        return firstRowOf(names->stringList(), text);
    return m_combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

QComboBox *ComboBoxWidget::comboBox() const
{
    buildCombo();
    return m_combo;
}

// ---------------------------------------------------------------- CheckBoxWidget

CheckBoxWidget::CheckBoxWidget(QWidget *parent)
    : QWidget(parent)
    , m_check(new QCheckBox(this))
{
    xy_cells::cellLayout(this)->addWidget(m_check, 0, Qt::AlignCenter);
    setFocusProxy(m_check);
    connect(m_check, &QCheckBox::toggled, this, &CheckBoxWidget::toggled);
}

CheckBoxWidget::~CheckBoxWidget() = default;

void CheckBoxWidget::setCheckBoxTrue(bool checked)
{
    m_check->setChecked(checked);
}

bool CheckBoxWidget::getCheckBoxTrue() const
{
    return m_check->isChecked();
}

QCheckBox *CheckBoxWidget::checkBox() const
{
    return m_check;
}

// ---------------------------------------------------------------- LineEditWidget

LineEditWidget::LineEditWidget(QWidget *parent)
    : QWidget(parent)
{
    if (xy_cells::DeferredEditors::active())
        m_pendingText = new QString;
    else
        buildField();
}

LineEditWidget::~LineEditWidget()
{
    delete m_pendingText;
}

void LineEditWidget::buildField() const
{
    if (m_edit)
        return;
    auto *cell = const_cast<LineEditWidget *>(this);
    m_edit = new QLineEdit(cell);
    xy_cells::cellLayout(cell)->addWidget(m_edit);
    cell->setFocusProxy(m_edit);
    if (QString *pending = std::exchange(m_pendingText, nullptr)) {
        m_edit->setText(*pending);
        delete pending;
    }
}

void LineEditWidget::setLineEditText(const QString &text)
{
    if (m_pendingText) {
        // As the field will hold it: at most QLineEdit's default length.
        constexpr int fieldLength = 32767;
        *m_pendingText = text.left(fieldLength);
        return;
    }
    m_edit->setText(text);
}

QString LineEditWidget::getLineEditText() const
{
    return m_pendingText ? *m_pendingText : m_edit->text();
}

QLineEdit *LineEditWidget::lineEdit() const
{
    buildField();
    return m_edit;
}

// ---------------------------------------------------------------- LineEdit_LineEditWidget

LineEdit_LineEditWidget::LineEdit_LineEditWidget(QWidget *parent)
    : QWidget(parent)
{
    QHBoxLayout *layout = xy_cells::cellLayout(this);
    for (QLineEdit *&edit : m_edits) {
        edit = new QLineEdit(this);
        layout->addWidget(edit);
    }
    setFocusProxy(m_edits[0]);
}

LineEdit_LineEditWidget::~LineEdit_LineEditWidget() = default;

void LineEdit_LineEditWidget::setLineEditText(int field, const QString &text)
{
    if (QLineEdit *edit = lineEdit(field))
        edit->setText(text);
}

QString LineEdit_LineEditWidget::getLineEditText(int field) const
{
    const QLineEdit *edit = lineEdit(field);
    return edit ? edit->text() : QString();
}

void LineEdit_LineEditWidget::setLineEditBoxEnabled(int field, bool enabled)
{
    if (QLineEdit *edit = lineEdit(field))
        edit->setEnabled(enabled);
}

void LineEdit_LineEditWidget::setLineEditFocus(int field)
{
    if (QLineEdit *edit = lineEdit(field))
        edit->setFocus();
}

QLineEdit *LineEdit_LineEditWidget::lineEdit(int field) const
{
    return field == 0 || field == 1 ? m_edits[field] : nullptr;
}

// ---------------------------------------------------------------- IconButtonWidget

namespace {

void showAxisSide(QToolButton *button, bool left)
{
    button->setArrowType(left ? Qt::LeftArrow : Qt::RightArrow);
    button->setText(left ? IconButtonWidget::tr("Left") : IconButtonWidget::tr("Right"));
    button->setToolTip(left ? IconButtonWidget::tr("Plotted against the left Y axis")
                            : IconButtonWidget::tr("Plotted against the right Y axis"));
}

} // namespace

IconButtonWidget::IconButtonWidget(QWidget *parent)
    : QWidget(parent)
{
    if (!xy_cells::DeferredEditors::active())
        buildButton();
}

IconButtonWidget::~IconButtonWidget() = default;

void IconButtonWidget::buildButton() const
{
    if (m_button)
        return;
    auto *cell = const_cast<IconButtonWidget *>(this);
    m_button = new QToolButton(cell);
    m_button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_button->setAutoRaise(true);
    // A field like the others of a row: reached by Tab and by click.
    m_button->setFocusPolicy(Qt::StrongFocus);
    showAxisSide(m_button, m_left);
    xy_cells::cellLayout(cell)->addWidget(m_button);
    cell->setFocusProxy(m_button);
    connect(m_button, &QToolButton::clicked, cell,
            [cell]() { cell->setLeftSelected(!cell->m_left); });
}

void IconButtonWidget::setLeftSelected(bool left)
{
    // The button's arrow and text ask for a new layout of the cell whenever
    // they are set, as the overview does for each of its rows on a visit.
    const bool changed = left != m_left;
    m_left = left;
    if (m_button && changed)
        showAxisSide(m_button, left);
}

bool IconButtonWidget::getLeftSelected() const
{
    return m_left;
}

QToolButton *IconButtonWidget::button() const
{
    buildButton();
    return m_button;
}

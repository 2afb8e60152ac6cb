// ZelVariable: a variable selector over the one shared catalogue.
#include <interfaces/spreadsheet.h>

#include "cell_support.h"
#include "variable_catalogue.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QListView>

using xy_cells::VariableCatalogue;

namespace {

// Catalogues run to tens of thousands of names and a dialog holds over a
// hundred selectors, so nothing here may touch every name: the size hint
// comes from a minimum contents length, and the popup lists use uniform
// item sizes and batched layout. The selector becomes an editable, type-to-find field
// only when the user comes to it: an editable combo with its completer
// costs several times a plain one to build, and its completer re-filters
// the whole catalogue each time the choice changes, which loading would pay
// for every selector.
class SelectorCombo : public xy_cells::LengthSizedCombo
{
public:
    explicit SelectorCombo(QWidget *parent)
        : LengthSizedCombo(parent, true)
    {
        // Sized from the minimum contents length alone: a sizing policy
        // would build the popup list of every selector up front, the most
        // costly part of a selector, while the user opens one at a time.
        setModel(VariableCatalogue::instance());
        setMinimumContentsLength(16);
        // setModel picked the first name; a new selector has no choice.
        setCurrentIndex(-1);
        // A new catalogue keeps the user's choice by name where the name is
        // still offered (QComboBox would pick the first name on the model
        // reset) and leaves no choice where it is gone.
        connect(model(), &QAbstractItemModel::modelAboutToBeReset, this, [this]() {
            const int current = currentIndex();
            m_hadChoice = current >= 0;
            m_keptName = m_hadChoice ? itemText(current) : QString();
            if (m_hadChoice)
                VariableCatalogue::instance()->keepChoice(m_keptName);
        });
        connect(model(), &QAbstractItemModel::modelReset, this, [this]() {
            setCurrentIndex(m_hadChoice ? VariableCatalogue::instance()->keptChoiceRow(m_keptName)
                                        : -1);
            m_keptName.clear();
        });
        // Long names do not fit a table column; the tip shows the whole one.
        connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                [this](int index) { setToolTip(index >= 0 ? itemText(index) : QString()); });
    }

protected:
    // Lay the list out without measuring every name. The picker's list is
    // laid out whole when it opens, not in batches, so that it can show
    // the current choice at once however far down the catalogue it is; with
    // uniform item sizes that is arithmetic, not text measurement.
    void preparePopup(QAbstractItemView *list) override
    {
        if (auto *names = qobject_cast<QListView *>(list)) {
            tuneList(names);
            names->setLayoutMode(QListView::SinglePass);
        }
    }

    void focusInEvent(QFocusEvent *event) override
    {
        becomeEditable();
        QComboBox::focusInEvent(event);
    }

private:
    static void tuneList(QListView *list)
    {
        if (!list)
            return;
        list->setUniformItemSizes(true);
        list->setLayoutMode(QListView::Batched);
        list->setBatchSize(256);
    }

    void becomeEditable()
    {
        if (isEditable())
            return;
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);
        // Type to find: the combo's own completer, filtering the shared
        // catalogue through its proxy (names containing the typed text, in
        // any case); QComboBox maps an accepted completion back to its row.
        if (QCompleter *finder = completer()) {
            finder->setCaseSensitivity(Qt::CaseInsensitive);
            finder->setFilterMode(Qt::MatchContains);
            finder->setCompletionMode(QCompleter::PopupCompletion);
            tuneList(qobject_cast<QListView *>(finder->popup()));
        }
        QLineEdit *edit = lineEdit();
        edit->setPlaceholderText(tr("Type to find a variable"));
        connect(edit, &QLineEdit::editingFinished, this, [this]() { resolveTypedText(); });
    }

    // Text typed into the field either names a catalogue entry (exactly, or
    // failing that in another case), which then becomes the choice, or is
    // dropped in favour of the current choice, so that the field always
    // shows the name the selector holds. An emptied field clears the choice.
    void resolveTypedText()
    {
        // A completion picked from the popup arrives after this and wins.
        const QString typed = lineEdit()->text();
        const int current = currentIndex();
        const QString currentName = current >= 0 ? itemText(current) : QString();
        if (typed == currentName)
            return;
        if (typed.isEmpty()) {
            setCurrentIndex(-1);
            return;
        }
        const QStringList &names = VariableCatalogue::instance()->names();
        int match = names.indexOf(typed);
        if (match < 0) {
            // A name typed in another case still names one entry.
            match = findText(typed, Qt::MatchFixedString);
        }
        if (match >= 0)
            setCurrentIndex(match);
        else
            lineEdit()->setText(currentName);
    }

    // The choice across a change of the catalogue.
    bool m_hadChoice = false;
    QString m_keptName;
};

} // namespace

ZelVariable::ZelVariable(QWidget *parent)
    : QWidget(parent)
    , m_combo(new SelectorCombo(this))
{
    xy_cells::cellLayout(this)->addWidget(m_combo);
    setFocusProxy(m_combo);
}

ZelVariable::~ZelVariable() = default;

QComboBox *ZelVariable::comboBox() const
{
    return m_combo;
}

void ZelVariable::setAvailableVariables(const QStringList &names)
{
    // A model reset: every selector keeps its choice by name, or has none
    // when the name is gone.
    VariableCatalogue::instance()->setNames(names);
}

QStringList ZelVariable::availableVariables()
{
    return VariableCatalogue::instance()->names();
}

QAbstractItemModel *ZelVariable::catalogueModel()
{
    return VariableCatalogue::instance();
}

int ZelVariable::findFirstStartingWith(const QString &prefix, Qt::CaseSensitivity cs)
{
    return VariableCatalogue::instance()->firstStartingWith(prefix, cs);
}

#include "unfinished_entry.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Watches one field; a child of it, so it goes with the field.
class UnfinishedEntryWatch : public QObject
{
public:
    explicit UnfinishedEntryWatch(QLineEdit *field)
        : QObject(field)
        , m_field(field)
    {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Acceptable text is finished by the line edit itself.
        if (watched != m_field || m_field->hasAcceptableInput())
            return false;
        switch (event->type()) {
        case QEvent::FocusOut:
            // A popup of the field's own (its context menu) is no leaving.
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
                emit m_field->editingFinished();
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                emit m_field->editingFinished();
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    QLineEdit *m_field;
};

} // namespace

void UnfinishedEntry::finishEveryEdit(QLineEdit *field)
{
    field->installEventFilter(new UnfinishedEntryWatch(field));
}

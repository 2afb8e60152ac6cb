#include "modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QPointer>

ModalAnswerer::ModalAnswerer(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::queueFile(const QString &path)
{
    m_files.append(path);
}

void ModalAnswerer::setMessageBoxButton(QMessageBox::StandardButton button)
{
    m_button = button;
}

void ModalAnswerer::setWhileOpen(std::function<void(QWidget *)> action)
{
    m_whileOpen = std::move(action);
}

void ModalAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == m_answering || !modal->isVisible())
        return;
    QPointer<QWidget> guard(modal);
    m_answering = modal;

    Seen s;
    s.className = QString::fromLatin1(modal->metaObject()->className());
    s.title = modal->windowTitle();
    s.flags = modal->windowFlags();
    s.hasParent = modal->parentWidget() != nullptr;
    s.focusBefore = QApplication::focusWidget();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        s.text = box->text();
        s.buttons = box->standardButtons();
        s.icon = box->icon();
    } else if (auto *fd = qobject_cast<QFileDialog *>(modal)) {
        s.directory = fd->directory().absolutePath();
        s.nameFilters = fd->nameFilters();
    }
    m_seen.append(s);

    if (m_whileOpen) {
        auto action = std::move(m_whileOpen);
        m_whileOpen = nullptr;
        action(modal);
        if (!guard)
            return;
    }

    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        QAbstractButton *button = box->button(m_button);
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().first();
        if (button)
            button->click();
        else
            box->done(0);
    } else if (auto *fd = qobject_cast<QFileDialog *>(modal)) {
        const QString path = m_files.isEmpty() ? QString() : m_files.takeFirst();
        if (path.isEmpty()) {
            fd->reject();
        } else {
            fd->selectFile(path);
            QDialog *dialog = fd; // accept() is public on QDialog
            dialog->accept();
            if (guard && dialog->isVisible())
                dialog->done(QDialog::Accepted);
        }
    } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        dialog->reject();
    }
}

// Answers the modal message boxes and file dialogs that code under test
// opens with exec(): polls QApplication::activeModalWidget() on a short
// timer, records what it saw and presses a button or picks a file.
#ifndef XY_PLOT_TESTS_MODAL_ANSWERER_H
#define XY_PLOT_TESTS_MODAL_ANSWERER_H

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Seen
    {
        QString className; // "QMessageBox", "QFileDialog", ...
        QString title;
        QString text; // message box text
        Qt::WindowFlags flags;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool hasParent = false;
        QWidget *focusBefore = nullptr;
        // File dialog details.
        QString directory;
        QStringList nameFilters;
    };

    explicit ModalAnswerer(QObject *parent = nullptr);
    ~ModalAnswerer() override;

    // Files to pick in the next file dialogs, in order; an empty string
    // cancels that dialog. With none left a file dialog is cancelled.
    void queueFile(const QString &path);

    // Button pressed in message boxes (default: Ok, or the only button).
    void setMessageBoxButton(QMessageBox::StandardButton button);

    // Something to run while the next modal widget is open (before it is
    // answered), e.g. to emit a second signal from inside a nested loop.
    void setWhileOpen(std::function<void(QWidget *)> action);

    const QList<Seen> &seen() const { return m_seen; }
    int count() const { return m_seen.size(); }
    Seen last() const { return m_seen.isEmpty() ? Seen() : m_seen.last(); }
    void clear() { m_seen.clear(); }

private slots:
    void poll();

private:
    QTimer m_timer;
    QList<Seen> m_seen;
    QStringList m_files;
    QMessageBox::StandardButton m_button = QMessageBox::Ok;
    std::function<void(QWidget *)> m_whileOpen;
    QPointer<QWidget> m_answering;
};

// Runs action on the next modal dialog of type D that opens (a colour or
// font chooser, say), from a poll timer, as its exec() would otherwise wait
// for a person.
template<typename D>
class ModalDialogAnswer
{
public:
    explicit ModalDialogAnswer(std::function<void(D *)> action)
        : m_action(std::move(action))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this]() {
            if (auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget())) {
                m_timer.stop();
                ++m_seen;
                m_action(dialog);
            }
        });
        m_timer.start();
    }
    int seen() const { return m_seen; }

private:
    QTimer m_timer;
    std::function<void(D *)> m_action;
    int m_seen = 0;
};

#endif // XY_PLOT_TESTS_MODAL_ANSWERER_H

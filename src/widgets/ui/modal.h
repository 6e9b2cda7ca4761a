// SPDX-License-Identifier: MIT
// Every message box and every modal run of a window goes through here, so
// that tests can answer them in advance and see what was shown.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QDialog;
class QWidget;

namespace zelpo::ui {

enum class MessageIcon { None, Stop, Question };

// Shows `text` in a message box with a single OK button; `details`, when
// given, behind the box's "Show Details..." button.
void showMessage(QWidget* owner, const QString& text, MessageIcon icon, const QString& details = {});

// Asks `text` in a question box with Yes (the default) and No; true for Yes.
bool askQuestion(QWidget* owner, const QString& text);

// Runs the dialog modally (after its opening sequence) and returns its result:
// QDialog::Accepted (1) for its OK button, QDialog::Rejected (0) otherwise.
int runModal(QDialog& dialog);

// Shows the wait cursor while the database works (installed once by the GUI).
void installWaitCursor();

struct ShownMessage {
    QString text;
    MessageIcon icon;
    QString details = {};
};

// While alive, messages and questions are recorded instead of shown; every
// question gets the answer set with answerQuestions() (No until then).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<ShownMessage>& messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }
    void answerQuestions(bool yes) { m_answer = yes; }

private:
    friend void showMessage(QWidget*, const QString&, MessageIcon, const QString&);
    friend bool askQuestion(QWidget*, const QString&);
    std::vector<ShownMessage> m_messages;
    bool m_answer = false;
    MessageRecorder* m_previous;
};

// While alive, runModal() hands each dialog to `handler` (after its opening
// sequence, shown but not modal) instead of running it, and returns what the
// handler returns.
class ModalHandler {
public:
    using Handler = std::function<int(QDialog&)>;
    explicit ModalHandler(Handler handler);
    ~ModalHandler();
    ModalHandler(const ModalHandler&) = delete;
    ModalHandler& operator=(const ModalHandler&) = delete;

    int runs() const { return m_runs; }

private:
    friend int runModal(QDialog&);
    Handler m_handler;
    ModalHandler* m_previous;
    int m_runs = 0;
};

} // namespace zelpo::ui

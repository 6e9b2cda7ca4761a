// SPDX-License-Identifier: MIT
#include "widgets/ui/modal.h"

#include "data/db/connection.h"
#include "widgets/res/strings.h"
#include "widgets/res/text.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace zelpo::ui {
namespace {

MessageRecorder* g_recorder = nullptr;
ModalHandler* g_handler = nullptr;

} // namespace

void showMessage(QWidget* owner, const QString& text, MessageIcon icon, const QString& details)
{
    if (g_recorder) {
        g_recorder->m_messages.push_back({ text, icon, details });
        return;
    }
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
        owner ? owner->windowTitle() : res::qtext(res::kProgramName), text, QMessageBox::Ok, owner);
    box.setAccessibleDescription(text);
    box.setDetailedText(details);
    box.exec();
}

bool askQuestion(QWidget* owner, const QString& text)
{
    if (g_recorder) {
        g_recorder->m_messages.push_back({ text, MessageIcon::Question });
        return g_recorder->m_answer;
    }
    QMessageBox box(QMessageBox::Question, owner ? owner->windowTitle() : res::qtext(res::kProgramName), text,
        QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::Yes);
    box.setAccessibleDescription(text);
    return box.exec() == QMessageBox::Yes;
}

int runModal(QDialog& dialog)
{
    if (g_handler) {
        ++g_handler->m_runs;
        dialog.show();
        const int result = g_handler->m_handler(dialog);
        dialog.hide();
        return result;
    }
    return dialog.exec();
}

void installWaitCursor()
{
    db::setWaitCursorHooks(
        { [] { QApplication::setOverrideCursor(Qt::WaitCursor); }, [] { QApplication::restoreOverrideCursor(); } });
}

MessageRecorder::MessageRecorder()
    : m_previous(g_recorder)
{
    g_recorder = this;
}

MessageRecorder::~MessageRecorder()
{
    g_recorder = m_previous;
}

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const ShownMessage& message : m_messages)
        result << message.text;
    return result;
}

ModalHandler::ModalHandler(Handler handler)
    : m_handler(std::move(handler))
    , m_previous(g_handler)
{
    g_handler = this;
}

ModalHandler::~ModalHandler()
{
    g_handler = m_previous;
}

} // namespace zelpo::ui

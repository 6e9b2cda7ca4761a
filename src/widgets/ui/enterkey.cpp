// SPDX-License-Identifier: MIT
#include "widgets/ui/enterkey.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace zelpo::ui {
namespace {

// Sees every Enter that reaches the dialog: those the focused control left
// unused are swallowed instead of pressing a default button.
class EnterFilter final : public QObject {
public:
    explicit EnterFilter(QDialog& dialog)
        : QObject(&dialog)
        , m_dialog(dialog)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_dialog || event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        auto* button = qobject_cast<QPushButton*>(m_dialog.focusWidget());
        if (button && button->isEnabled())
            button->click();
        return true;
    }

private:
    QDialog& m_dialog;
};

} // namespace

void keepOpenOnEnter(QDialog& dialog)
{
    // A dialog makes its first auto-default button the default when it is
    // shown, which Enter in any box would then press.
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    dialog.installEventFilter(new EnterFilter(dialog));
}

} // namespace zelpo::ui

// SPDX-License-Identifier: MIT
#include "widgets/ui/contextmenukey.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QShortcut>
#include <QWidget>

namespace zelpo::ui {

void offerContextMenuKey(QWidget& window)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window] {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != &window)
            target = &window;
        if (!target->isEnabled())
            return;
        // The event the toolkit sends for the Menu key: a keyboard request at
        // the centre of the control's cursor (a list's current row).
        const QPoint position = target->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, position, target->mapToGlobal(position));
        QApplication::sendEvent(target, &event);
    });
}

} // namespace zelpo::ui

// SPDX-License-Identifier: MIT
// Driving the update as a user does: the context menus' entries, the status
// lines, and waiting for the one running update to end.
#pragma once

#include "widgets/update/updaterunner.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

namespace zelpo::test {

// Chooses `entry` from the context menu that a right click on `area` opens.
inline void chooseEntry(QWidget& area, const QString& entry)
{
    bool chosen = false;
    QTimer::singleShot(0, [&chosen, entry] {
        chosen = true;
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                menu->close();
                return action->trigger();
            }
        }
        menu->close();
        ADD_FAILURE() << "no entry " << entry.toStdString();
    });
    const QPoint point(10, 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, area.mapToGlobal(point));
    QApplication::sendEvent(&area, &event);
    while (!chosen)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Runs the event loop until `done` holds (false after a minute).
template <class Condition>
bool waitFor(Condition done)
{
    const QDeadlineTimer deadline(std::chrono::minutes(1));
    while (!done() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

// Waits until no update runs: its message, if any, has been shown by then.
inline void waitForTheUpdate()
{
    EXPECT_TRUE(waitFor([] { return !ui::UpdateRunner::instance().isRunning(); }));
}

} // namespace zelpo::test

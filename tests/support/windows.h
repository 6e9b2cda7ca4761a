// SPDX-License-Identifier: MIT
// Driving windows in tests: controls by numeric ID, clicks and typing as a user does.
#pragma once

#include "support/printers.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"
#include "widgets/ui/templatedialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace zelpo::test {

inline void click(ui::TemplateDialog& window, int id)
{
    QAbstractButton* target = window.button(id);
    if (!target)
        target = window.checkBox(id);
    ASSERT_NE(target, nullptr) << "no button " << id;
    QTest::mouseClick(target, Qt::LeftButton);
}

// Replaces an edit's text by typing, so validators and length limits apply.
inline void type(ui::TemplateDialog& window, int id, const QString& text)
{
    QLineEdit* field = window.edit(id);
    ASSERT_NE(field, nullptr) << "no edit " << id;
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// The cells of a list, one row per entry, joined by '|'.
inline QStringList listRows(ui::TemplateDialog& window, int id)
{
    QStringList rows;
    ui::ListView* list = window.listView(id);
    if (!list)
        return rows;
    for (int r = 0; r < list->itemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->itemText(r, c);
        rows << cells.join(u'|');
    }
    return rows;
}

// Double-clicks a row of a list as the mouse would.
inline void doubleClickRow(ui::TemplateDialog& window, int listId, int row)
{
    ui::ListView* list = window.listView(listId);
    ASSERT_NE(list, nullptr);
    const QPoint point = list->rowRect(row).center();
    QTest::mouseMove(list->viewport(), point);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
}

enum class AskForMenu { Mouse, ShiftF10 };

// Opens the context menu of `area` (a list's viewport or the window with the
// mouse, a control with the focus with Shift+F10) and chooses `entry`; gives
// the title of the window that opened, or why none did.
inline QString chooseFromContextMenu(QWidget& area, const QString& entry, AskForMenu ask = AskForMenu::Mouse)
{
    if (ask == AskForMenu::ShiftF10) {
        area.setFocus();
        QTest::keyClick(&area, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        const QPoint point(10, 10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, area.mapToGlobal(point));
        QApplication::sendEvent(&area, &event);
    }
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return QStringLiteral("no menu");
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == entry)
            chosen = action;
    }
    if (!chosen) {
        menu->close();
        return QStringLiteral("no entry");
    }
    QString title;
    const ui::ModalHandler handler([&](QDialog& dialog) {
        title = dialog.windowTitle();
        return 0;
    });
    menu->close();
    chosen->trigger();
    return title;
}

// The game window's context entry opens the window titled `title`: with the
// mouse on the window and on its draw list, and with Shift+F10 on the list
// and on a control without a menu of its own.
template <class Window>
void expectContextEntry(const QString& database, const QString& entry, const QString& title)
{
    Window window;
    window.setDatabasePath(database);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ui::ListView* list = window.listView(1003);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(chooseFromContextMenu(*list->viewport(), entry), title);
    EXPECT_EQ(chooseFromContextMenu(window, entry), title);
    EXPECT_EQ(chooseFromContextMenu(*list, entry, AskForMenu::ShiftF10), title);
    EXPECT_EQ(chooseFromContextMenu(*window.button(1), entry, AskForMenu::ShiftF10), title);
}

} // namespace zelpo::test

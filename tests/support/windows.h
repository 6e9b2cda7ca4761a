// SPDX-License-Identifier: MIT
// Driving windows in tests: controls by numeric ID, clicks and typing as a user does.
#pragma once

#include "support/printers.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/templatedialog.h"

#include <QCheckBox>
#include <QLineEdit>
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

} // namespace zelpo::test

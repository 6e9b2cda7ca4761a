// SPDX-License-Identifier: MIT
#include "support/printers.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

#include <memory>

// The test program sets itself up as the program does (ui::installJapanese):
// the toolkit's own menus read in Japanese.
TEST(Japanese, TheEditMenuOfAFieldIsInJapanese)
{
    QLineEdit field;
    field.setText("123");
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text().section(u'\t', 0, 0);
    }
    ASSERT_EQ(texts.size(), 7);
    EXPECT_EQ(texts,
        (QStringList {
            "元に戻す(&U)", "やり直す(&R)", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)", "削除", "すべてを選択" }));
}

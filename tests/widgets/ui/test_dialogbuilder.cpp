// SPDX-License-Identifier: MIT
#include "support/printers.h"
#include "widgets/res/dialogtemplate.h"
#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/modal.h"
#include "widgets/ui/templatedialog.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using zelpo::ui::toPixels;

TEST(DialogUnits, XIsAQuarterAndYAnEighthOfTheBaseUnitsRounded)
{
    const QSize base(7, 15);
    EXPECT_EQ(toPixels(QRect(0, 0, 4, 8), base), QRect(0, 0, 7, 15));
    // 325 * 7 / 4 = 568.75 -> 569; 300 * 15 / 8 = 562.5 -> 563 (halves round up)
    EXPECT_EQ(toPixels(QRect(325, 300, 1, 1), base), QRect(569, 563, 2, 2));
    EXPECT_EQ(toPixels(QRect(7, 7, 311, 54), base), QRect(12, 13, 544, 101));
}

TEST(DialogFont, TheTemplateGothicIsIpaProportionalGothic)
{
    const QFont font = zelpo::ui::dialogFont(u"ＭＳ Ｐゴシック", 9);
    EXPECT_EQ(font.pixelSize(), 12);
    EXPECT_EQ(QFontInfo(font).family(), "IPAPGothic");
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QSize base = zelpo::ui::dialogBaseUnits(font);
    EXPECT_EQ(base, QSize((letters / 26 + 1) / 2, metrics.ascent() + metrics.descent()));
    // A line of about one em, as the platform's Gothic has, not Noto's 1.45 em.
    EXPECT_LE(base.height(), 13);
}

namespace {

constexpr zelpo::res::Control kControls[] = {
    { zelpo::res::kNoId, zelpo::res::Kind::GroupBox, u"枠", 0, 0, 100, 50 },
    { 1001, zelpo::res::Kind::Edit, u"", 4, 4, 20, 12,
        zelpo::res::Centered | zelpo::res::Border | zelpo::res::TabStop },
    { 1002, zelpo::res::Kind::Edit, u"", 4, 20, 20, 12, zelpo::res::ReadOnly },
    { 1003, zelpo::res::Kind::Button, u"押す", 30, 4, 40, 14, zelpo::res::TabStop },
    { 1, zelpo::res::Kind::DefaultButton, u"閉　じ　る", 30, 20, 40, 14, zelpo::res::TabStop },
};
constexpr zelpo::res::Dialog kDialog { 999, u"試験", u"ＭＳ Ｐゴシック", 9, 120, 60, kControls };

} // namespace

TEST(BuildDialog, ControlsCarryTheirIdsCaptionsAndStyles)
{
    zelpo::ui::TemplateDialog dialog(kDialog);
    EXPECT_EQ(dialog.windowTitle(), "試験");
    const QSize base = zelpo::ui::dialogBaseUnits(dialog.font());
    EXPECT_EQ(dialog.size(), toPixels(QRect(0, 0, 120, 60), base).size());

    QLineEdit* centred = dialog.edit(1001);
    ASSERT_NE(centred, nullptr);
    EXPECT_EQ(centred->geometry(), toPixels(QRect(4, 4, 20, 12), base));
    EXPECT_TRUE(centred->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(centred->hasFrame());
    EXPECT_EQ(centred->accessibleDescription(), "1001");
    EXPECT_EQ(centred->focusPolicy(), Qt::StrongFocus);

    QLineEdit* display = dialog.edit(1002);
    EXPECT_TRUE(display->isReadOnly());
    EXPECT_FALSE(display->hasFrame());
    EXPECT_EQ(display->focusPolicy(), Qt::ClickFocus);

    EXPECT_EQ(dialog.button(1003)->accessibleName(), "押す");
    EXPECT_TRUE(dialog.button(1)->isDefault());
    EXPECT_EQ(dialog.control(4711), nullptr);

    // The frame lies behind everything it surrounds.
    const auto children = dialog.children();
    auto* frame = dialog.findChild<QGroupBox*>();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(children.indexOf(frame), 0);
}

TEST(BuildDialog, TabFollowsTheTemplateOrder)
{
    zelpo::ui::TemplateDialog dialog(kDialog);
    dialog.show();
    // The window opens on its first Tab stop, not on its default button.
    EXPECT_EQ(dialog.focusWidget(), dialog.edit(1001));
    EXPECT_EQ(dialog.edit(1001)->nextInFocusChain(), dialog.edit(1002));
    QWidget* next = dialog.edit(1001);
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        next = next->nextInFocusChain();
        while (next->focusPolicy() != Qt::StrongFocus && next->focusPolicy() != Qt::TabFocus)
            next = next->nextInFocusChain();
        order << next->accessibleDescription();
    }
    EXPECT_EQ(order, (QStringList { "1003", "1", "1001" }));
}

TEST(BuildDialog, AModalRunAlsoOpensOnTheFirstTabStop)
{
    zelpo::ui::TemplateDialog dialog(kDialog);
    QWidget* focused = nullptr;
    const zelpo::ui::ModalHandler handler([&](QDialog& shown) {
        focused = shown.focusWidget();
        return 0;
    });
    zelpo::ui::runModal(dialog);
    EXPECT_EQ(focused, dialog.edit(1001));
}

TEST(BuildDialog, OkAcceptsAndEscapeRejects)
{
    zelpo::ui::TemplateDialog dialog(kDialog);
    dialog.show();
    dialog.button(1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.show();
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

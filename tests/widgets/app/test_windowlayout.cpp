// SPDX-License-Identifier: MIT
// Every window as the program builds it, with the font it really uses: its
// title is its template's caption, it fits a 1024 x 768 screen with a title
// bar, and every caption of its controls is drawn whole.
#include "support/testdb.h"
#include "widgets/app/CMyDlg.h"
#include "widgets/dialogs/CAboutDlg.h"
#include "widgets/dialogs/CHenkou.h"
#include "widgets/dialogs/CMinitouroku.h"
#include "widgets/dialogs/CToutoku.h"
#include "widgets/res/dialogtemplate.h"
#include "widgets/res/text.h"
#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/listview.h"
#include "widgets/update/updateline.h"
#include "widgets/windows/CMiniroto.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using zelpo::test::TempDatabase;

namespace {

// A title bar and the frame around a window, as a desktop draws them at 96 DPI.
constexpr int kTitleBar = 31;
constexpr int kFrame = 8;

struct WindowCase {
    const char* name;
    const zelpo::res::Dialog& dialog;
    std::function<std::unique_ptr<zelpo::ui::TemplateDialog>(const QString& database)> make;
    int maxClientHeight = 768 - kTitleBar - 2 * kFrame;
};

template <class Window>
std::unique_ptr<zelpo::ui::TemplateDialog> gameWindow(const QString& database)
{
    auto window = std::make_unique<Window>();
    window->setDatabasePath(database);
    return window;
}

std::unique_ptr<zelpo::ui::TemplateDialog> registration(const QString& database)
{
    auto window = std::make_unique<zelpo::CToutoku>();
    window->m_strDatabase = database;
    return window;
}

std::unique_ptr<zelpo::ui::TemplateDialog> miniRegistration(const QString& database)
{
    auto window = std::make_unique<zelpo::CMinitouroku>();
    window->m_strDatabase = database;
    return window;
}

// The editor on Mini Loto, whose labels are the longest.
std::unique_ptr<zelpo::ui::TemplateDialog> editor(const QString& database)
{
    auto window = std::make_unique<zelpo::CHenkou>();
    window->m_strDatabase = database;
    window->m_strGame = "5";
    window->m_strKaisai = "1";
    window->m_strJikai = "2";
    return window;
}

// The rectangle a control draws its caption in, the caption, and how it is
// placed there; an empty text when the control shows no caption.
struct CaptionArea {
    QString text;
    QRect area;
    Qt::Alignment alignment = Qt::AlignCenter;
    bool wraps = false;
};

CaptionArea captionArea(QWidget& control)
{
    QStyle* style = control.style();
    if (auto* label = qobject_cast<QLabel*>(&control))
        return { label->text(), label->contentsRect(), label->alignment(), label->wordWrap() };
    if (auto* check = qobject_cast<QCheckBox*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        return { check->text(), style->subElementRect(QStyle::SE_CheckBoxContents, &option, check), Qt::AlignLeft };
    }
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (button->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (button->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        return { button->text(), style->subElementRect(QStyle::SE_PushButtonContents, &option, button) };
    }
    if (auto* frame = qobject_cast<QGroupBox*>(&control)) {
        // The title sits in the frame's top edge, between its corners.
        const int corner = style->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, frame);
        return { frame->title(), frame->rect().adjusted(corner, 0, -corner, 0), Qt::AlignLeft };
    }
    if (auto* edit = qobject_cast<QLineEdit*>(&control); edit && edit->isReadOnly() && edit->isVisible()) {
        // Displays: the labels of the editor, counts and draw numbers.
        const int frameWidth = edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
        constexpr int kEditMargin = 2; // the line edit's own margin on each side
        const QMargins margins = edit->textMargins();
        const QRect area = edit->rect().adjusted(frameWidth + kEditMargin + margins.left(), frameWidth,
            -frameWidth - kEditMargin - margins.right(), -frameWidth);
        // An edit too narrow for its text shows its start rather than centring it.
        return { edit->text(), area, edit->alignment() };
    }
    return {};
}

// Empty when the caption's ink lies inside its area, else what sticks out.
std::string clipped(const QWidget& control, const CaptionArea& caption)
{
    const QFontMetrics metrics(control.font());
    const QRect area(QPoint(0, 0), caption.area.size());
    if (caption.wraps) {
        const QRect drawn
            = metrics.boundingRect(area, static_cast<int>(caption.alignment) | Qt::TextWordWrap, caption.text);
        if (drawn.height() - metrics.leading() > area.height() || drawn.width() > area.width())
            return "wraps beyond its rectangle";
        return {};
    }
    // One line: the line's cell must fit the height, the glyphs' ink the width.
    if (metrics.ascent() + metrics.descent() > area.height())
        return "cut at the bottom";
    const QFontMetricsF exact(control.font());
    const qreal advance = exact.horizontalAdvance(caption.text);
    qreal start = 0;
    if (advance <= area.width() && (caption.alignment & Qt::AlignHCenter))
        start = (area.width() - advance) / 2;
    else if (advance <= area.width() && (caption.alignment & Qt::AlignRight))
        start = area.width() - advance;
    const QRectF ink = exact.boundingRect(caption.text).translated(start, 0);
    if (ink.left() < -0.01 || ink.right() > area.width() + 0.01)
        return "cut at the side: " + std::to_string(ink.right()) + " of " + std::to_string(area.width()) + " px";
    return {};
}

class WindowLayout : public testing::TestWithParam<WindowCase> { };

TEST_P(WindowLayout, TitleIsTheCaptionAndEveryCaptionIsDrawnWhole)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3, { "123", "456", "789", "012", "345" });
    database.addNumbers4(1, 1, 2, 3, 4, { "1234", "5678", "9012", "3456", "7890" });
    database.addMiniLoto(
        1, { 3, 12, 17, 25, 31 }, { "30", "1-2-3-4-5", "6-7-8-9-10", "11-12-13-14-15", "27-28-29-30-31" });
    const WindowCase& c = GetParam();
    const std::unique_ptr<zelpo::ui::TemplateDialog> window = c.make(database.path());
    window->show();

    EXPECT_EQ(window->windowTitle(), zelpo::res::qtext(c.dialog.caption));
    EXPECT_EQ(window->font().family(), zelpo::ui::dialogFontFamily(c.dialog.fontName));
    EXPECT_LE(window->width() + 2 * kFrame, 1024);
    EXPECT_LE(window->height() + kTitleBar + 2 * kFrame, 768);
    EXPECT_LE(window->height(), c.maxClientHeight);

    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // Assistive tools name a list or a field by what it holds, never by a
        // placeholder caption or by nothing at all.
        if ((qobject_cast<zelpo::ui::ListView*>(control) || qobject_cast<QLineEdit*>(control))
            && !control->isHidden()) {
            EXPECT_FALSE(control->accessibleName().isEmpty() || control->accessibleName().startsWith("List"))
                << control->accessibleDescription().toStdString();
        }
        const CaptionArea caption = captionArea(*control);
        if (caption.text.isEmpty())
            continue;
        EXPECT_EQ(clipped(*control, caption), "")
            << "\"" << caption.text.toStdString() << "\" (" << control->accessibleDescription().toStdString() << ")";
    }
    // The update's line, with the longest text it shows between updates.
    for (auto* line : window->findChildren<zelpo::ui::UpdateLine*>()) {
        line->setIdleText("次回 第10000回 2026/12/30（水）　未登録 9999回");
        auto* text = line->findChild<QLabel*>();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(clipped(*text, captionArea(*text)), "") << text->text().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, WindowLayout,
    testing::Values(WindowCase { "About100", zelpo::res::kAboutDialog,
                        [](const QString&) { return std::make_unique<zelpo::app::CAboutDlg>(); } },
        WindowCase { "MainMenu102", zelpo::res::kMainDialog,
            [](const QString&) { return std::make_unique<zelpo::app::CMyDlg>(); } },
        WindowCase { "Editor103", zelpo::res::kEditorDialog, editor },
        // 325 x 300 dialog units: no taller than 620 pixels.
        WindowCase { "Numbers3_129", zelpo::res::kNabazu3Dialog, gameWindow<zelpo::CNabazu3>, 620 },
        WindowCase { "Numbers4_130", zelpo::res::kNabazu4Dialog, gameWindow<zelpo::CNabazu4> },
        WindowCase { "MiniLoto131", zelpo::res::kMinirotoDialog, gameWindow<zelpo::CMiniroto> },
        WindowCase { "Registration133", zelpo::res::kToutokuDialog, registration },
        WindowCase { "MiniLotoRegistration134", zelpo::res::kMinitourokuDialog, miniRegistration }),
    [](const testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

} // namespace

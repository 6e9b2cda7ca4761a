// SPDX-License-Identifier: MIT
#include "widgets/update/drawstatus.h"

#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/gamewindow.h"
#include "widgets/update/clock.h"
#include "widgets/update/updateline.h"

namespace zelpo::ui {
namespace {

QString dayText(std::chrono::year_month_day day)
{
    static const char16_t* const weekdays[] = { u"日", u"月", u"火", u"水", u"木", u"金", u"土" };
    const unsigned weekday = std::chrono::weekday(std::chrono::sys_days(day)).c_encoding();
    return QStringLiteral("%1/%2/%3（%4）")
        .arg(static_cast<int>(day.year()))
        .arg(static_cast<unsigned>(day.month()), 2, 10, QLatin1Char('0'))
        .arg(static_cast<unsigned>(day.day()), 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf16(weekdays[weekday]));
}

} // namespace

QString drawStatusText(const std::optional<update::CalendarState>& state)
{
    if (!state || !state->next.date.ok())
        return {};
    QString text = QStringLiteral("次回 第%1回 %2").arg(state->next.kaisai).arg(dayText(state->next.date));
    if (state->missing > 0)
        text += QStringLiteral("　未登録 %1回").arg(state->missing);
    return text;
}

DrawStatus::DrawStatus(GameWindow& window, Game game, QRect area)
    : m_window(window)
    , m_game(game)
    , m_line(new UpdateLine(&window))
{
    m_line->setGeometry(toPixels(area, dialogBaseUnits(window.font())));
}

void DrawStatus::refresh()
{
    m_line->setIdleText(drawStatusText(update::readCalendarState(m_game, m_window.databasePath(), currentTime())));
}

} // namespace zelpo::ui

// SPDX-License-Identifier: MIT
#include "data/update/calendarstate.h"

#include "data/db/drawcount.h"
#include "data/db/payouts.h"

#include <QDate>

namespace zelpo::update {

CalendarState calendarState(Game game, DrawDate last, std::chrono::sys_seconds now)
{
    CalendarState state;
    state.last = last;
    state.next = nextDraw(game, last);
    state.expected = expectedLatest(game, last, now);
    state.missing = drawsMissing(last, state.expected);
    return state;
}

std::optional<CalendarState> readCalendarState(Game game, const QString& databasePath, std::chrono::sys_seconds now)
{
    const std::optional<db::DrawSpan> stored = db::storedDraws(databasePath, game);
    if (!stored || stored->draws == 0)
        return std::nullopt;
    QString date;
    if (!db::readDrawDate(databasePath, game, stored->last, date).ok())
        return std::nullopt;
    const std::optional<std::chrono::year_month_day> day = dayOf(date);
    if (!day)
        return std::nullopt;
    return calendarState(game, { stored->last, *day }, now);
}

QString isoText(std::chrono::year_month_day date)
{
    if (!date.ok())
        return {};
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
        static_cast<int>(static_cast<unsigned>(date.day())))
        .toString(Qt::ISODate);
}

std::optional<std::chrono::year_month_day> dayOf(const QString& isoDate)
{
    const QDate date = QDate::fromString(isoDate, Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    const std::chrono::year_month_day day { std::chrono::year(date.year()),
        std::chrono::month(static_cast<unsigned>(date.month())), std::chrono::day(static_cast<unsigned>(date.day())) };
    return day.ok() ? std::optional(day) : std::nullopt;
}

} // namespace zelpo::update

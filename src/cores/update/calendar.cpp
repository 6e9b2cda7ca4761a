// SPDX-License-Identifier: MIT
#include "cores/update/calendar.h"

#include <algorithm>
#include <climits>

namespace zelpo::update {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::weekday;
using std::chrono::year_month_day;

// 31 December to 3 January: no draws over the new year.
bool isNewYearBreak(year_month_day day)
{
    const unsigned month = static_cast<unsigned>(day.month());
    const unsigned dayOfMonth = static_cast<unsigned>(day.day());
    return (month == 12 && dayOfMonth == 31) || (month == 1 && dayOfMonth <= 3);
}

bool isDrawWeekday(Game game, weekday day)
{
    if (game == Game::MiniLoto)
        return day == std::chrono::Tuesday;
    return day != std::chrono::Saturday && day != std::chrono::Sunday;
}

// Draw weekdays among the `count` days that follow `after`.
long long drawWeekdaysAfter(Game game, sys_days after, long long count)
{
    const long long perWeek = game == Game::MiniLoto ? 1 : 5;
    long long total = count / 7 * perWeek;
    sys_days day = after + days(count / 7 * 7);
    for (long long i = 0; i < count % 7; ++i) {
        day += days(1);
        total += isDrawWeekday(game, weekday(day)) ? 1 : 0;
    }
    return total;
}

// Draws from the day after `after` up to `until`, both valid, `after` < `until`.
long long drawsBetween(Game game, year_month_day after, year_month_day until)
{
    const sys_days from = sys_days(after);
    const sys_days to = sys_days(until);
    long long count = drawWeekdaysAfter(game, from, (to - from).count());
    // Take out the weekdays of every new year break in between.
    const int firstYear = static_cast<int>(after.year());
    const int lastYear = static_cast<int>(until.year());
    for (int year = firstYear; year <= lastYear; ++year) {
        const std::chrono::year y(year);
        const year_month_day breakDays[] = { y / 1 / 1, y / 1 / 2, y / 1 / 3, y / 12 / 31 };
        for (const year_month_day day : breakDays) {
            const sys_days at = sys_days(day);
            if (at > from && at <= to && isDrawWeekday(game, weekday(at)))
                --count;
        }
    }
    return count;
}

} // namespace

bool isDrawDay(Game game, year_month_day day)
{
    if (!day.ok())
        return false;
    return !isNewYearBreak(day) && isDrawWeekday(game, weekday(sys_days(day)));
}

DrawDate nextDraw(Game game, DrawDate last)
{
    if (!last.date.ok())
        return { last.kaisai + 1, {} };
    sys_days day = sys_days(last.date);
    do
        day += days(1);
    while (!isDrawDay(game, year_month_day(day)));
    return { last.kaisai + 1, year_month_day(day) };
}

DrawDate expectedLatest(Game game, DrawDate last, std::chrono::sys_seconds now)
{
    if (!last.date.ok())
        return last;
    // A day's draw is out from 20:00 JST, that is 11:00 UTC of the same day.
    const auto publishedUpTo = std::chrono::floor<days>(now - std::chrono::hours(11));
    sys_days day = publishedUpTo;
    while (day > sys_days(last.date) && !isDrawDay(game, year_month_day(day)))
        day -= days(1);
    if (day <= sys_days(last.date))
        return last;
    const long long kaisai = last.kaisai + drawsBetween(game, last.date, year_month_day(day));
    return { static_cast<int>(std::min<long long>(kaisai, INT_MAX)), year_month_day(day) };
}

} // namespace zelpo::update

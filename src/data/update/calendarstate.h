// SPDX-License-Identifier: MIT
// Where a database file stands against the draw calendar (cores/update/calendar.h):
// its last draw, the next one, the one that should be published by now and
// how many the file lacks.
#pragma once

#include "cores/update/calendar.h"

#include <QString>

#include <optional>

namespace zelpo::update {

struct CalendarState {
    DrawDate last;
    DrawDate next;
    DrawDate expected;
    int missing = 0;
};

// The state from `last`, the file's highest draw with its stored date.
CalendarState calendarState(Game game, DrawDate last, std::chrono::sys_seconds now);

// From the file's highest draw and that draw's stored date; nullopt when the file has no such
// dated draw (or cannot be read). Reads through the db/ query procedure, read-only.
std::optional<CalendarState> readCalendarState(Game game, const QString& databasePath, std::chrono::sys_seconds now);

// "2026-08-21"; the empty text for a date that is not a calendar day.
QString isoText(std::chrono::year_month_day date);
// The day written "2026-08-21", or nothing.
std::optional<std::chrono::year_month_day> dayOf(const QString& isoDate);

} // namespace zelpo::update

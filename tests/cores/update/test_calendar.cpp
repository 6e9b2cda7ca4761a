// SPDX-License-Identifier: MIT
#include "cores/update/calendar.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::chrono;
using zelpo::Game;
using zelpo::update::DrawDate;

constexpr year_month_day ymd(int y, unsigned m, unsigned d)
{
    return year(y) / month(m) / day(d);
}

// Hours and minutes in JST (UTC+9) of a day.
sys_seconds jst(year_month_day date, int hour, int minute = 0)
{
    return sys_seconds(sys_days(date)) + hours(hour - 9) + minutes(minute);
}

struct ExpectedCase {
    const char* name;
    Game game;
    DrawDate last;
    sys_seconds now;
    DrawDate expected;
};

void PrintTo(const ExpectedCase& c, std::ostream* os)
{
    *os << c.name;
}

class ExpectedLatest : public testing::TestWithParam<ExpectedCase> { };

TEST_P(ExpectedLatest, CountsPublishedDrawsFromTheLastStoredOne)
{
    const ExpectedCase& c = GetParam();
    const DrawDate got = zelpo::update::expectedLatest(c.game, c.last, c.now);
    EXPECT_EQ(got.kaisai, c.expected.kaisai);
    EXPECT_EQ(got.date, c.expected.date);
}

// 2026-08-21 is a Friday, 2026-08-25 a Tuesday.
INSTANTIATE_TEST_SUITE_P(Calendar, ExpectedLatest,
    testing::Values(ExpectedCase { "SameDayBeforeEight", Game::Numbers3, { 7054, ymd(2026, 8, 21) },
                        jst(ymd(2026, 8, 24), 19, 59), { 7054, ymd(2026, 8, 21) } },
        ExpectedCase { "MondayAtEightJst", Game::Numbers3, { 7054, ymd(2026, 8, 21) }, jst(ymd(2026, 8, 24), 20, 0),
            { 7055, ymd(2026, 8, 24) } },
        // 01:00 JST on Saturday is still Friday 16:00 UTC: Friday's draw is out.
        ExpectedCase { "AfterMidnightJst", Game::Numbers4, { 7054, ymd(2026, 8, 21) }, jst(ymd(2026, 8, 29), 1, 0),
            { 7059, ymd(2026, 8, 28) } },
        ExpectedCase { "WeekendAddsNothing", Game::Numbers4, { 7055, ymd(2026, 8, 24) }, jst(ymd(2026, 8, 30), 23, 0),
            { 7059, ymd(2026, 8, 28) } },
        ExpectedCase { "NowBeforeTheLastDraw", Game::Numbers3, { 7054, ymd(2026, 8, 21) }, jst(ymd(2026, 1, 1), 12, 0),
            { 7054, ymd(2026, 8, 21) } },
        ExpectedCase { "MiniLotoTuesdays", Game::MiniLoto, { 1384, ymd(2026, 4, 28) }, jst(ymd(2026, 5, 26), 20, 0),
            { 1388, ymd(2026, 5, 26) } },
        // 2025-12-30 Tue is drawn; 12-31 to 01-03 are not; 2026-01-05 Mon is.
        ExpectedCase { "NewYearBreakNumbers", Game::Numbers3, { 100, ymd(2025, 12, 29) }, jst(ymd(2026, 1, 5), 21, 0),
            { 102, ymd(2026, 1, 5) } },
        ExpectedCase { "NewYearBreakMiniLoto", Game::MiniLoto, { 10, ymd(2029, 12, 25) }, jst(ymd(2030, 1, 8), 21, 0),
            { 11, ymd(2030, 1, 8) } },
        // Years of draws at once: 6 years of weekdays less the breaks.
        ExpectedCase { "YearsBehind", Game::Numbers3, { 5340, ymd(2019, 12, 30) }, jst(ymd(2026, 8, 21), 20, 0),
            { 7054, ymd(2026, 8, 21) } },
        ExpectedCase { "UndatedLastDraw", Game::Numbers3, { 12, year_month_day {} }, jst(ymd(2026, 8, 21), 20, 0),
            { 12, year_month_day {} } }),
    [](const testing::TestParamInfo<ExpectedCase>& info) { return std::string(info.param.name); });

TEST(Calendar, NextDrawSkipsWeekendsBreaksAndOtherWeekdays)
{
    using zelpo::update::nextDraw;
    EXPECT_EQ(nextDraw(Game::Numbers3, { 7054, ymd(2026, 8, 21) }), (DrawDate { 7055, ymd(2026, 8, 24) }));
    EXPECT_EQ(nextDraw(Game::Numbers4, { 9, ymd(2026, 12, 30) }), (DrawDate { 10, ymd(2027, 1, 4) }));
    EXPECT_EQ(nextDraw(Game::MiniLoto, { 1384, ymd(2026, 4, 28) }), (DrawDate { 1385, ymd(2026, 5, 5) }));
    // 2030-12-31 is a Tuesday: the next Mini Loto is 2031-01-07.
    EXPECT_EQ(nextDraw(Game::MiniLoto, { 5, ymd(2030, 12, 24) }), (DrawDate { 6, ymd(2031, 1, 7) }));
    EXPECT_FALSE(zelpo::update::isDrawDay(Game::Numbers3, ymd(2026, 2, 30)));
}

} // namespace

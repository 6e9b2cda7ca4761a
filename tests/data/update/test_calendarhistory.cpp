// SPDX-License-Identifier: MIT
// The draw calendar against the dates of the built-in history.
#include "data/db/bundledfiles.h"
#include "data/update/calendarstate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using zelpo::Game;
using zelpo::update::DrawDate;

namespace {

std::vector<DrawDate> bundledDates(Game game)
{
    std::vector<DrawDate> dates;
    const QStringList lines
        = QString::fromUtf8(zelpo::db::bundledHistory(game)).split(u'\n', Qt::SkipEmptyParts).mid(1);
    for (const QString& line : lines) {
        const auto day = zelpo::update::dayOf(line.section(u',', 1, 1));
        EXPECT_TRUE(day) << line.toStdString();
        dates.push_back({ line.section(u',', 0, 0).toInt(), day.value_or(std::chrono::year_month_day {}) });
    }
    return dates;
}

class CalendarHistory : public testing::TestWithParam<Game> { };

// From the last draw of 2019 on, the calendar names every built-in draw's
// number and day, and at 20:00 JST of the last draw's day it expects that draw.
TEST_P(CalendarHistory, AgreesWithEveryBuiltInDateSince2020)
{
    const Game game = GetParam();
    const std::vector<DrawDate> dates = bundledDates(game);
    const auto first2020 = std::find_if(
        dates.begin(), dates.end(), [](const DrawDate& d) { return d.date.year() >= std::chrono::year(2020); });
    ASSERT_NE(first2020, dates.begin());
    ASSERT_NE(first2020, dates.end());
    int checked = 0;
    for (auto it = first2020; it != dates.end(); ++it, ++checked) {
        const DrawDate next = zelpo::update::nextDraw(game, *(it - 1));
        ASSERT_EQ(next, *it) << "after draw " << (it - 1)->kaisai << " "
                             << zelpo::update::isoText((it - 1)->date).toStdString();
    }
    EXPECT_GT(checked, game == Game::MiniLoto ? 300 : 1600);
    const auto publishedAt
        = std::chrono::sys_seconds(std::chrono::sys_days(dates.back().date)) + std::chrono::hours(11);
    EXPECT_EQ(zelpo::update::expectedLatest(game, *(first2020 - 1), publishedAt), dates.back());
    EXPECT_EQ(zelpo::update::expectedLatest(game, *(first2020 - 1), publishedAt - std::chrono::seconds(1)),
        *(dates.end() - 2));
}

std::string gameName(const testing::TestParamInfo<Game>& info)
{
    switch (info.param) {
    case Game::Numbers3:
        return "Numbers3";
    case Game::Numbers4:
        return "Numbers4";
    case Game::MiniLoto:
        break;
    }
    return "MiniLoto";
}

INSTANTIATE_TEST_SUITE_P(
    Games, CalendarHistory, testing::Values(Game::Numbers3, Game::Numbers4, Game::MiniLoto), gameName);

} // namespace

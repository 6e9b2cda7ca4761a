// SPDX-License-Identifier: MIT
// What the game windows' status line says, and which games a file holds.
#include "data/update/samples.h"
#include "widgets/update/drawstatus.h"
#include "widgets/update/fileimport.h"

#include <gtest/gtest.h>

using namespace std::chrono;
using zelpo::Game;

namespace {

TEST(DrawStatusText, TheNextDrawWithItsDayAndWhatTheFileLacks)
{
    using zelpo::update::CalendarState;
    const CalendarState current { {}, { 7055, year(2026) / 8 / 24 }, {}, 0 };
    const CalendarState behind { {}, { 7055, year(2026) / 8 / 24 }, {}, 75 };
    const CalendarState newYear { {}, { 1385, year(2027) / 1 / 5 }, {}, 1 };
    EXPECT_EQ(zelpo::ui::drawStatusText(current), "次回 第7055回 2026/08/24（月）");
    EXPECT_EQ(zelpo::ui::drawStatusText(behind), "次回 第7055回 2026/08/24（月）　未登録 75回");
    EXPECT_EQ(zelpo::ui::drawStatusText(newYear), "次回 第1385回 2027/01/05（火）　未登録 1回");
    EXPECT_EQ(zelpo::ui::drawStatusText(std::nullopt), "");
}

TEST(GamesInFile, TheGamesAFileHoldsByItsContent)
{
    using zelpo::test::sample;
    const std::pair<QByteArray, std::vector<Game>> cases[] = {
        { sample("feed-v2-numbers3-draws.full.json"), { Game::Numbers3 } },
        { sample("feed-v1-numbers4_all_full.json"), { Game::Numbers4 } },
        { sample("A1011353.CSV"), { Game::MiniLoto } },
        // An import CSV of Numbers 4 holds every column Numbers 3 reads.
        { "kaisai,date,N1000,N100,N10,N1\n7054,2026-08-21,9,5,7,7\n", { Game::Numbers4 } },
        { "kaisai,date,N100,N10,N1\n7054,2026-08-21,2,8,6\n", { Game::Numbers3 } },
        { "no draws here", {} },
    };
    for (const auto& [bytes, games] : cases)
        EXPECT_EQ(zelpo::ui::gamesInFile(bytes), games) << bytes.left(40).toStdString();
}

} // namespace

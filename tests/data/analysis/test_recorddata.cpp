// SPDX-License-Identifier: MIT
#include "cores/miniloto/prediction.h"
#include "data/analysis/recorddata.h"
#include "data/db/drawcount.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace zelpo::analysis;
using zelpo::Game;
using zelpo::test::TempDatabase;

namespace {

// The backtest reads Mini Loto's bonuses afterwards, for the draws that need
// them; the window reads them with the stored predictions. Both take the same
// bonus from whatever the field holds, a number or NULL stored by another
// program included.
TEST(RecordData, BothReadersTakeTheSameBonusFromWhatIsStored)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    const QStringList texts { "7", "07", " 7 ", "31", "32", "0", "7x", "x7", "", "　", "1 2", "007", "-7", "+7" };
    for (int i = 0; i < texts.size(); ++i)
        database.addMiniLoto(i + 1, { 1, 2, 3, 4, 5 }, { texts[i] });
    database.exec("INSERT INTO ミニロト VALUES (100,1,2,3,4,5,NULL,'','','','',' ')");
    database.exec("INSERT INTO ミニロト VALUES (101,1,2,3,4,5,12,'','','','',' ')");

    const std::optional<StoredDraws> stored = readStoredDraws(zelpo::Game::MiniLoto, database.path());
    ASSERT_TRUE(stored);
    std::vector<std::pair<int, int>> draws;
    ASSERT_TRUE(readDraws(zelpo::Game::MiniLoto, database.path(), zelpo::db::kWherePositive, [&](const Draw& draw) {
        EXPECT_EQ(draw.bonus, kBonusUnread);
        draws.push_back({ draw.kaisai, draw.occurrence });
    }));
    const std::optional<std::vector<int>> read = readBonuses(database.path(), draws);
    ASSERT_TRUE(read);
    std::vector<int> fromText;
    for (const Draw& draw : stored->draws)
        fromText.push_back(draw.bonus);
    EXPECT_EQ(*read, fromText);
    EXPECT_EQ(*read, std::vector<int>({ 7, 7, 7, 31, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12 }));
}

} // namespace

namespace {

// Where two predictions share exactly three numbers, a draw of those, one
// more of each, and the first one's fifth as the bonus: one draw, two tickets
// of class 2 or 3 decided by one bonus.
std::optional<Draw> fourOfTwoPredictions(const zelpo::miniloto::PredictedSets& sets)
{
    for (std::size_t i = 0; i < sets.size(); ++i) {
        for (std::size_t j = i + 1; j < sets.size(); ++j) {
            std::vector<int> shared;
            std::vector<int> onlyFirst;
            std::vector<int> onlySecond;
            std::set_intersection(
                sets[i].begin(), sets[i].end(), sets[j].begin(), sets[j].end(), std::back_inserter(shared));
            std::set_difference(
                sets[i].begin(), sets[i].end(), sets[j].begin(), sets[j].end(), std::back_inserter(onlyFirst));
            std::set_difference(
                sets[j].begin(), sets[j].end(), sets[i].begin(), sets[i].end(), std::back_inserter(onlySecond));
            if (shared.size() == 3) {
                Draw draw;
                draw.numbers = { shared[0], shared[1], shared[2], onlyFirst[0], onlySecond[0] };
                draw.bonus = onlyFirst[1];
                return draw;
            }
        }
    }
    return std::nullopt;
}

// The backtest from the file reads Mini Loto's bonuses only for the draws
// where a ticket has four of the five numbers; it must score exactly as the
// window does with every bonus read beforehand. Bonuses are set so that both
// class 2 and class 3 occur, and so that some draws hold two such tickets,
// whose one bonus is read once.
TEST(RecordData, MiniLotoBacktestWithBonusesReadAfterwardsScoresAsWithAllBonuses)
{
    std::mt19937 random(21);
    std::vector<Draw> draws;
    for (int kaisai = 1; kaisai <= 200; ++kaisai) {
        Draw draw;
        draw.kaisai = kaisai;
        std::vector<int> numbers(31);
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), random);
        std::copy_n(numbers.begin(), 5, draw.numbers.begin());
        draw.bonus = numbers[5];
        draws.push_back(draw);
    }
    // Every tenth draw gets four numbers of its first prediction and, every
    // other time, that prediction's fifth number as its bonus.
    zelpo::miniloto::History history;
    int twoTickets = 0;
    for (std::size_t k = 0; k < draws.size(); ++k) {
        Draw& draw = draws[k];
        if (history.count > 0 && k % 10 != 0 && k < 150) {
            if (const std::optional<Draw> both = fourOfTwoPredictions(zelpo::miniloto::predictSets(history))) {
                draw.numbers = both->numbers;
                draw.bonus = both->bonus;
                ++twoTickets;
            }
        }
        if (history.count > 0 && k % 10 == 0) {
            const zelpo::miniloto::NumberSet ticket = zelpo::miniloto::predictSets(history)[0];
            int other = 1;
            while (std::find(ticket.begin(), ticket.end(), other) != ticket.end())
                ++other;
            draw.numbers = { ticket[0], ticket[1], ticket[2], ticket[3], other };
            draw.bonus = k % 20 == 0 ? ticket[4] : (other == 31 ? 30 : other + 1);
            if (std::find(ticket.begin(), ticket.end(), draw.bonus) != ticket.end() && k % 20 != 0)
                draw.bonus = 0;
        }
        history.add(draw.numbers);
    }

    const TempDatabase database;
    for (const Draw& draw : draws) {
        const auto& n = draw.numbers;
        database.addMiniLoto(draw.kaisai, { n[0], n[1], n[2], n[3], n[4] }, { QString::number(draw.bonus) });
    }
    const std::optional<Record> fromFile = backtest(zelpo::Game::MiniLoto, database.path(), Range {});
    ASSERT_TRUE(fromFile);
    const Record withBonuses = backtest(Game::MiniLoto, draws);
    EXPECT_GE(twoTickets, 1);
    EXPECT_GE(withBonuses.classes()[1].hits, 2);
    EXPECT_GE(withBonuses.classes()[2].hits, 2);
    for (std::size_t c = 0; c < 4; ++c) {
        EXPECT_EQ(fromFile->classes()[c].hits, withBonuses.classes()[c].hits) << "class " << c + 1;
        EXPECT_EQ(fromFile->classes()[c].expected, withBonuses.classes()[c].expected);
    }
    ASSERT_EQ(fromFile->hits().size(), withBonuses.hits().size());
    for (std::size_t i = 0; i < withBonuses.hits().size(); ++i) {
        EXPECT_EQ(fromFile->hits()[i].draw, withBonuses.hits()[i].draw);
        EXPECT_EQ(fromFile->hits()[i].ticket, withBonuses.hits()[i].ticket);
        EXPECT_EQ(fromFile->hits()[i].classes, withBonuses.hits()[i].classes);
    }
}

} // namespace

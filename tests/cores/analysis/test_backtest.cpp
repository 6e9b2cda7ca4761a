// SPDX-License-Identifier: MIT
#include "cores/analysis/backtest.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace zelpo::analysis;
using zelpo::Game;

namespace {

// Draw numbers ascending with a few gaps and a few numbers stored twice.
std::vector<int> drawNumbers(std::mt19937& random, int count)
{
    std::vector<int> numbers;
    int kaisai = 1;
    for (int i = 0; i < count; ++i) {
        numbers.push_back(kaisai);
        const int step = static_cast<int>(random() % 20);
        kaisai += step == 0 ? 0 : step == 1 ? 3 : 1;
    }
    return numbers;
}

std::vector<Draw> numbersHistory(std::mt19937& random, int count)
{
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<Draw> draws;
    for (const int kaisai : drawNumbers(random, count)) {
        Draw draw;
        draw.kaisai = kaisai;
        for (int& d : draw.numbers)
            d = digit(random);
        // Now and then a value no draw can hold.
        if (random() % 50 == 0)
            draw.numbers[random() % 3] = random() % 2 ? 10 : -1;
        draws.push_back(draw);
    }
    return draws;
}

// The predictions as the game window makes them: from scratch, from every
// draw numbered before the target.
std::vector<std::string> fromScratch(Game game, const std::vector<Draw>& draws, int target)
{
    std::vector<std::string> texts;
    if (game == Game::MiniLoto) {
        zelpo::miniloto::History history;
        for (const Draw& draw : draws) {
            if (draw.kaisai < target)
                history.add(draw.numbers);
        }
        for (const std::string& text : zelpo::miniloto::predict(history))
            texts.push_back(text);
    } else if (game == Game::Numbers3) {
        std::vector<zelpo::numbers3::Digits> history;
        for (const Draw& draw : draws) {
            if (draw.kaisai < target)
                history.push_back({ draw.numbers[0], draw.numbers[1], draw.numbers[2] });
        }
        for (const std::string& text : zelpo::numbers3::predict(history))
            texts.push_back(text);
    } else {
        std::vector<zelpo::numbers4::Digits> history;
        for (const Draw& draw : draws) {
            if (draw.kaisai < target)
                history.push_back({ draw.numbers[0], draw.numbers[1], draw.numbers[2], draw.numbers[3] });
        }
        for (const std::string& text : zelpo::numbers4::predict(history))
            texts.push_back(text);
    }
    return texts;
}

void expectWalkEqualsFromScratch(Game game, const std::vector<Draw>& draws)
{
    PredictionWalk walk(game);
    int targets = 0;
    for (const Draw& draw : draws) {
        const std::span<const NumberedTicket> walked = walk.next(draw);
        const bool earlier = std::any_of(draws.begin(), draws.end(),
            [&](const Draw& other) { return other.kaisai < draw.kaisai && isScorable(game, other); });
        if (!isScorable(game, draw) || !earlier) {
            EXPECT_TRUE(walked.empty()) << "draw " << draw.kaisai << " is no target";
            continue;
        }
        ++targets;
        // Every prediction is a ticket, and its text is the window's.
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < walked.size(); ++i) {
            EXPECT_EQ(walked[i].prediction, static_cast<int>(i) + 1);
            texts.push_back(walk.text(walked[i].prediction));
            const std::optional<Ticket> parsed = parseTicket(game, texts.back());
            ASSERT_TRUE(parsed) << texts.back();
            EXPECT_EQ(parsed->numbers, walked[i].ticket.numbers) << texts.back();
        }
        ASSERT_EQ(texts, fromScratch(game, draws, draw.kaisai)) << "draw " << draw.kaisai;
    }
    EXPECT_GT(targets, static_cast<int>(draws.size()) / 2);
}

TEST(PredictionWalk, Numbers3EqualsThePredictionFromScratchForEveryTarget)
{
    std::mt19937 random(3);
    for (int run = 0; run < 3; ++run)
        expectWalkEqualsFromScratch(Game::Numbers3, numbersHistory(random, 400));
}

TEST(PredictionWalk, Numbers4EqualsThePredictionFromScratchForEveryTarget)
{
    std::mt19937 random(4);
    for (int run = 0; run < 3; ++run)
        expectWalkEqualsFromScratch(Game::Numbers4, numbersHistory(random, 400));
}

// Large stored values make the seeds wrap around 2^32 early; the walk carries
// the count and the sums as the same 32-bit patterns.
TEST(PredictionWalk, MiniLotoEqualsThePredictionFromScratchAlsoWhenTheSeedsWrap)
{
    std::mt19937 random(5);
    for (const int highest : { 31, 32767 }) {
        std::uniform_int_distribution<int> number(highest == 31 ? 1 : -32768, highest);
        std::vector<Draw> draws;
        for (const int kaisai : drawNumbers(random, 600)) {
            Draw draw;
            draw.kaisai = kaisai;
            for (int& n : draw.numbers)
                n = number(random);
            draws.push_back(draw);
        }
        expectWalkEqualsFromScratch(Game::MiniLoto, draws);
    }
}

TEST(Backtest, ScoresEveryTargetInRangeAgainstItsDraw)
{
    // 123, 123, 123: draw 2 is predicted from draw 1 alone (five times 000),
    // draw 3 from both (123, 000, 000, 200, 300); draw 1 has nothing before it.
    std::vector<Draw> draws(3);
    for (int i = 0; i < 3; ++i)
        draws[static_cast<std::size_t>(i)] = Draw { i + 1, { 1, 2, 3 }, 0 };
    const Record all = backtest(Game::Numbers3, draws, {}, true);
    EXPECT_EQ(all.draws(), 2);
    EXPECT_EQ(all.tickets(), 10);
    EXPECT_EQ(all.first(), 2);
    EXPECT_EQ(all.last(), 3);
    ASSERT_EQ(all.classes().size(), 3u);
    EXPECT_EQ(all.classes()[0].hits, 1);
    EXPECT_NEAR(all.classes()[0].expected, 0.010, 1e-15);
    EXPECT_NEAR(all.classes()[1].expected, 0.005 + (6 + 1 + 1 + 3 + 3) / 1000.0, 1e-15);
    EXPECT_NEAR(all.classes()[2].expected, 0.100, 1e-15);
    ASSERT_EQ(all.hits().size(), 1u);
    EXPECT_EQ(all.hits()[0].draw, 3);
    EXPECT_EQ(all.hits()[0].prediction, 1);
    EXPECT_EQ(all.hits()[0].ticket, "123");
    ASSERT_EQ(all.steps().size(), 2u);
    EXPECT_EQ(all.steps()[1].hits[1], 1);

    const Record second = backtest(Game::Numbers3, draws, { 2, 2 });
    EXPECT_EQ(second.draws(), 1);
    EXPECT_EQ(second.classes()[0].hits, 0);
    EXPECT_TRUE(second.steps().empty());
    EXPECT_EQ(backtest(Game::Numbers3, draws, { 4, std::nullopt }).first(), std::nullopt);
}

// A draw holding a digit outside 0..9 never enters the history: the draw
// after it has nothing before it to be predicted from.
TEST(Backtest, ADrawWithADigitOutside0To9IsNeitherScoredNorLearnedFrom)
{
    for (const Game game : { Game::Numbers3, Game::Numbers4 }) {
        const std::vector<Draw> draws { Draw { 1, { 1, 10, 3, 4 }, 0 }, Draw { 2, { 1, 2, 3, 4 }, 0 },
            Draw { 3, { 4, 5, 6, 7 }, 0 } };
        const Record record = backtest(game, draws);
        EXPECT_EQ(record.draws(), 1);
        EXPECT_EQ(record.first(), 3);
    }
}

TEST(CheckStored, CountsDrawsHoldingTicketsAndSkipsOtherTexts)
{
    Record record(Game::Numbers3);
    const std::array<std::string, 5> stored { "123", "321", "12", "923", "　" };
    checkStored(record, Draw { 5, { 1, 2, 3 }, 0 }, stored);
    checkStored(record, Draw { 6, { 1, 2, 3 }, 0 }, std::array<std::string, 5> { "", "x", "", "", "" });
    checkStored(record, Draw { 7, { 1, 12, 3 }, 0 }, stored); // not a draw the prediction reads
    EXPECT_EQ(record.draws(), 1);
    EXPECT_EQ(record.tickets(), 3);
    EXPECT_EQ(record.first(), 5);
    EXPECT_EQ(record.last(), 5);
    ASSERT_EQ(record.hits().size(), 3u);
    EXPECT_EQ(record.hits()[1].prediction, 2);
    EXPECT_EQ(record.hits()[2].prediction, 4);
    EXPECT_EQ(record.classes()[1].hits, 2);
    EXPECT_EQ(record.classes()[2].hits, 2);
}

} // namespace

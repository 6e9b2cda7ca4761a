// SPDX-License-Identifier: MIT
#include "cores/analysis/hits.h"
#include "cores/analysis/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

using namespace zelpo::analysis;
using zelpo::Game;

namespace {

Draw numbersDraw(std::string_view digits)
{
    Draw draw;
    for (std::size_t i = 0; i < digits.size(); ++i)
        draw.numbers[i] = digits[i] - '0';
    return draw;
}

struct ClassCase {
    const char* name;
    Game game;
    const char* ticket;
    const char* draw;    // Numbers: the digits
    const char* classes; // as the command line names them
    int orderings;       // of the ticket's digits: its box chance in 1000 (10000)
};

class NumbersClasses : public ::testing::TestWithParam<ClassCase> { };

TEST_P(NumbersClasses, WinsItsClassesWithItsChance)
{
    const ClassCase& c = GetParam();
    const std::optional<Ticket> ticket = parseTicket(c.game, c.ticket);
    ASSERT_TRUE(ticket);
    EXPECT_EQ(classNames(c.game, classesWon(c.game, *ticket, numbersDraw(c.draw))), c.classes);
    const double outcomes = c.game == Game::Numbers3 ? 1000 : 10000;
    const std::array<double, kMaxClasses> chance = chances(c.game, *ticket);
    EXPECT_DOUBLE_EQ(chance[0], 1 / outcomes);
    EXPECT_DOUBLE_EQ(chance[1], c.orderings / outcomes);
    EXPECT_DOUBLE_EQ(chance[2], c.game == Game::Numbers3 ? 0.01 : 0.0);
}

// Every pattern of repeated digits of both games.
INSTANTIATE_TEST_SUITE_P(Tickets, NumbersClasses,
    ::testing::Values(ClassCase { "n3_abc_same", Game::Numbers3, "123", "123", "straight,box,mini", 6 },
        ClassCase { "n3_abc_reversed", Game::Numbers3, "123", "321", "box", 6 },
        ClassCase { "n3_abc_last_two_swapped", Game::Numbers3, "123", "132", "box", 6 },
        ClassCase { "n3_abc_last_two_only", Game::Numbers3, "123", "923", "mini", 6 },
        ClassCase { "n3_abc_nothing", Game::Numbers3, "123", "456", "", 6 },
        ClassCase { "n3_aab", Game::Numbers3, "112", "211", "box", 3 },
        ClassCase { "n3_aba", Game::Numbers3, "121", "112", "box", 3 },
        ClassCase { "n3_baa", Game::Numbers3, "211", "121", "box", 3 },
        ClassCase { "n3_aab_not_a_permutation", Game::Numbers3, "112", "122", "", 3 },
        ClassCase { "n3_aaa", Game::Numbers3, "777", "777", "straight,box,mini", 1 },
        ClassCase { "n3_aaa_mini_only", Game::Numbers3, "777", "077", "mini", 1 },
        ClassCase { "n3_leading_zero", Game::Numbers3, "012", "012", "straight,box,mini", 6 },
        ClassCase { "n4_abcd", Game::Numbers4, "1234", "4321", "box", 24 },
        ClassCase { "n4_abcd_same", Game::Numbers4, "1234", "1234", "straight,box", 24 },
        ClassCase { "n4_aabc", Game::Numbers4, "1123", "3211", "box", 12 },
        ClassCase { "n4_abca", Game::Numbers4, "1231", "1123", "box", 12 },
        ClassCase { "n4_aabb", Game::Numbers4, "1122", "2121", "box", 6 },
        ClassCase { "n4_abab", Game::Numbers4, "1212", "1212", "straight,box", 6 },
        ClassCase { "n4_aaab", Game::Numbers4, "1112", "2111", "box", 4 },
        ClassCase { "n4_abbb", Game::Numbers4, "1222", "2122", "box", 4 },
        ClassCase { "n4_aaaa", Game::Numbers4, "0000", "0000", "straight,box", 1 },
        ClassCase { "n4_last_two_win_nothing", Game::Numbers4, "1234", "5634", "", 24 },
        ClassCase { "n4_multiplicity_differs", Game::Numbers4, "1123", "1223", "", 12 }),
    [](const auto& info) { return std::string(info.param.name); });

// The box chance is the share of all draws that the ticket wins as a box.
TEST(NumbersClasses, BoxChanceIsTheShareOfDrawsWon)
{
    for (const Game game : { Game::Numbers3, Game::Numbers4 }) {
        const int positions = game == Game::Numbers3 ? 3 : 4;
        const int outcomes = game == Game::Numbers3 ? 1000 : 10000;
        for (const char* text : { "123", "112", "999", "1234", "1123", "1122", "1112", "5555" }) {
            const std::optional<Ticket> ticket = parseTicket(game, text);
            if (!ticket)
                continue;
            std::array<int, kMaxClasses> won {};
            for (int n = 0; n < outcomes; ++n) {
                Draw draw;
                for (int p = positions - 1, rest = n; p >= 0; --p, rest /= 10)
                    draw.numbers[static_cast<std::size_t>(p)] = rest % 10;
                const ClassSet classes = classesWon(game, *ticket, draw);
                for (std::size_t c = 0; c < kMaxClasses; ++c)
                    won[c] += (classes >> c) & 1u;
            }
            const std::array<double, kMaxClasses> chance = chances(game, *ticket);
            for (std::size_t c = 0; c < hitClasses(game).size(); ++c)
                EXPECT_DOUBLE_EQ(chance[c], static_cast<double>(won[c]) / outcomes) << text << " class " << c;
        }
    }
}

Draw miniLotoDraw(std::array<int, 5> numbers, int bonus)
{
    Draw draw;
    draw.numbers = numbers;
    draw.bonus = bonus;
    return draw;
}

struct TallyCase {
    const char* name;
    Game game;
    std::vector<const char*> tickets;
    std::array<int, kMaxClasses> chances; // in chanceDenominator()
};

class TicketTally : public ::testing::TestWithParam<TallyCase> { };

// The tally of one draw's tickets, which a backtest sums, holds each
// ticket's own box chance: its distinct orderings in the game's positions.
TEST_P(TicketTally, SumsEveryTicketsOwnChances)
{
    const TallyCase& c = GetParam();
    std::vector<NumberedTicket> tickets;
    for (const char* text : c.tickets) {
        const std::optional<Ticket> ticket = parseTicket(c.game, text);
        ASSERT_TRUE(ticket) << text;
        tickets.push_back({ static_cast<int>(tickets.size()) + 1, *ticket });
    }
    const Draw draw = c.game == Game::MiniLoto ? miniLotoDraw({ 20, 21, 22, 23, 24 }, 25) : numbersDraw("9876");
    Tally tally;
    std::vector<ClassSet> won(tickets.size());
    DrawMatcher(c.game, draw).tally(tickets, tally, won);
    EXPECT_EQ(tally.chances, c.chances);
}

INSTANTIATE_TEST_SUITE_P(Tickets, TicketTally,
    ::testing::Values(TallyCase { "numbers4", Game::Numbers4, { "1234", "1122", "0000" }, { 3, 24 + 6 + 1, 0, 0 } },
        TallyCase { "numbers3", Game::Numbers3, { "123", "112", "777" }, { 3, 6 + 3 + 1, 30, 0 } },
        TallyCase {
            "miniloto", Game::MiniLoto, { "1-2-3-4-5", "6-7-8-9-10", "11-12-13-14-15" }, { 3, 15, 375, 9750 } }),
    [](const auto& info) { return std::string(info.param.name); });

struct MiniLotoCase {
    const char* name;
    std::array<int, 5> drawn;
    int bonus;
    const char* classes;
};

class MiniLotoClasses : public ::testing::TestWithParam<MiniLotoCase> { };

TEST_P(MiniLotoClasses, WinsItsClass)
{
    const std::optional<Ticket> ticket = parseTicket(Game::MiniLoto, "3-9-17-25-30");
    ASSERT_TRUE(ticket);
    const MiniLotoCase& c = GetParam();
    EXPECT_EQ(
        classNames(Game::MiniLoto, classesWon(Game::MiniLoto, *ticket, miniLotoDraw(c.drawn, c.bonus))), c.classes);
}

INSTANTIATE_TEST_SUITE_P(Draws, MiniLotoClasses,
    ::testing::Values(MiniLotoCase { "all_five_in_any_order", { 30, 25, 17, 9, 3 }, 1, "1" },
        MiniLotoCase { "four_and_the_bonus", { 3, 9, 17, 25, 1 }, 30, "2" },
        MiniLotoCase { "four_without_the_bonus", { 3, 9, 17, 25, 1 }, 2, "3" },
        MiniLotoCase { "four_and_no_bonus_stored", { 3, 9, 17, 25, 1 }, 0, "3" },
        MiniLotoCase { "three", { 3, 9, 17, 1, 2 }, 25, "4" },
        MiniLotoCase { "two_and_the_bonus", { 3, 9, 1, 2, 4 }, 17, "" }),
    [](const auto& info) { return std::string(info.param.name); });

// Over every set of five and every bonus among the other 26 numbers, a
// ticket wins its classes 1, 5, 125 and 3250 times in 169,911.
TEST(MiniLotoClasses, ChancesAreTheSharesOfAllDraws)
{
    const std::optional<Ticket> ticket = parseTicket(Game::MiniLoto, "2-7-11-23-31");
    ASSERT_TRUE(ticket);
    std::array<long long, kMaxClasses> won {}; // in units of 1/26 of a set
    long long sets = 0;
    std::array<int, 5> drawn {};
    for (drawn[0] = 1; drawn[0] <= 27; ++drawn[0])
        for (drawn[1] = drawn[0] + 1; drawn[1] <= 28; ++drawn[1])
            for (drawn[2] = drawn[1] + 1; drawn[2] <= 29; ++drawn[2])
                for (drawn[3] = drawn[2] + 1; drawn[3] <= 30; ++drawn[3])
                    for (drawn[4] = drawn[3] + 1; drawn[4] <= 31; ++drawn[4]) {
                        ++sets;
                        // Of the 26 numbers left, those of the ticket make the bonus a ticket number.
                        int ticketLeft = 0;
                        for (const int n : ticket->numbers)
                            ticketLeft += std::find(drawn.begin(), drawn.end(), n) == drawn.end();
                        int outsideLeft = 0;
                        for (int n = 1; n <= 31; ++n) {
                            const bool isDrawn = std::find(drawn.begin(), drawn.end(), n) != drawn.end();
                            const bool isTicket
                                = std::find(ticket->numbers.begin(), ticket->numbers.end(), n) != ticket->numbers.end();
                            if (!isDrawn && !isTicket) {
                                outsideLeft = n;
                                break;
                            }
                        }
                        int inTicket = 0;
                        for (const int n : ticket->numbers) {
                            if (std::find(drawn.begin(), drawn.end(), n) == drawn.end()) {
                                inTicket = n;
                                break;
                            }
                        }
                        const ClassSet withBonus
                            = inTicket ? classesWon(Game::MiniLoto, *ticket, miniLotoDraw(drawn, inTicket)) : 0;
                        const ClassSet without = classesWon(Game::MiniLoto, *ticket, miniLotoDraw(drawn, outsideLeft));
                        for (std::size_t c = 0; c < kMaxClasses; ++c) {
                            won[c] += ((withBonus >> c) & 1u) * ticketLeft;
                            won[c] += ((without >> c) & 1u) * (26 - ticketLeft);
                        }
                    }
    ASSERT_EQ(sets, 169911);
    const std::array<double, kMaxClasses> chance = chances(Game::MiniLoto, *ticket);
    const std::array<long long, kMaxClasses> perSets = { 1, 5, 125, 3250 };
    for (std::size_t c = 0; c < kMaxClasses; ++c) {
        EXPECT_EQ(won[c], perSets[c] * 26) << "class " << c + 1;
        EXPECT_DOUBLE_EQ(chance[c], perSets[c] / 169911.0) << "class " << c + 1;
    }
}

struct TicketCase {
    Game game;
    const char* text;
    bool isTicket;
};

class TicketTexts : public ::testing::TestWithParam<TicketCase> { };

TEST_P(TicketTexts, AreReadOnlyWhenWellFormed)
{
    EXPECT_EQ(parseTicket(GetParam().game, GetParam().text).has_value(), GetParam().isTicket) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, TicketTexts,
    ::testing::Values(TicketCase { Game::Numbers3, "047", true }, TicketCase { Game::Numbers3, "47", false },
        TicketCase { Game::Numbers3, "0471", false }, TicketCase { Game::Numbers3, " 047", false },
        TicketCase { Game::Numbers3, "04a", false }, TicketCase { Game::Numbers3, "０４７", false },
        TicketCase { Game::Numbers3, "", false }, TicketCase { Game::Numbers3, "　", false },
        TicketCase { Game::Numbers4, "0471", true }, TicketCase { Game::Numbers4, "047", false },
        TicketCase { Game::Numbers4, "04-71", false }, TicketCase { Game::MiniLoto, "3-9-17-25-30", true },
        TicketCase { Game::MiniLoto, "30-3-25-9-17", true }, TicketCase { Game::MiniLoto, "03-09-17-25-30", true },
        TicketCase { Game::MiniLoto, "3-9-17-25", false }, TicketCase { Game::MiniLoto, "3-9-17-25-30-31", false },
        TicketCase { Game::MiniLoto, "3-9-17-25-32", false }, TicketCase { Game::MiniLoto, "0-9-17-25-30", false },
        TicketCase { Game::MiniLoto, "3-9-17-25-3", false }, TicketCase { Game::MiniLoto, "3-9-17-25-", false },
        TicketCase { Game::MiniLoto, "-3-9-17-25-30", false }, TicketCase { Game::MiniLoto, "3--9-17-25-30", false },
        TicketCase { Game::MiniLoto, "3 -9-17-25-30", false }, TicketCase { Game::MiniLoto, "3-9-17-25-030", false },
        TicketCase { Game::MiniLoto, "", false }));

TEST(Bonus, IsANumberFrom1To31)
{
    EXPECT_EQ(parseBonus("7"), 7);
    EXPECT_EQ(parseBonus(" 07 "), 7);
    EXPECT_EQ(parseBonus("31"), 31);
    EXPECT_EQ(parseBonus("32"), 0);
    EXPECT_EQ(parseBonus("0"), 0);
    EXPECT_EQ(parseBonus("7a"), 0);
    EXPECT_EQ(parseBonus(""), 0);
    EXPECT_EQ(parseBonus("\xe3\x80\x80"), 0); // the full-width blank an emptied field holds
}

TEST(Draws, NumbersDigitsOutside0To9AreNotScorable)
{
    EXPECT_TRUE(isScorable(Game::Numbers3, numbersDraw("909")));
    Draw draw = numbersDraw("909");
    draw.numbers[1] = 10;
    EXPECT_FALSE(isScorable(Game::Numbers3, draw));
    draw.numbers[1] = -1;
    EXPECT_FALSE(isScorable(Game::Numbers4, draw));
    draw = numbersDraw("123");
    draw.numbers[3] = 12; // a fourth position Numbers 3 does not have
    EXPECT_TRUE(isScorable(Game::Numbers3, draw));
    EXPECT_FALSE(isScorable(Game::Numbers4, draw));
}

} // namespace

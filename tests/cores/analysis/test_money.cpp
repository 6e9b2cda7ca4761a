// SPDX-License-Identifier: MIT
#include "cores/analysis/money.h"
#include "cores/analysis/record.h"
#include "cores/analysis/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace zelpo::analysis;
using zelpo::Game;

namespace {

Ticket digitsOf(int value, std::size_t positions)
{
    Ticket ticket;
    for (std::size_t p = positions; p-- > 0; value /= 10)
        ticket.numbers[p] = value % 10;
    return ticket;
}

// What the ticket wins, worked out from the kinds' rules alone.
Yen expectedWin(TicketKind kind, const Ticket& ticket, const Draw& draw, std::size_t n, const DrawPayout& payout)
{
    const auto mine = std::span(ticket.numbers).first(n);
    const auto drawn = std::span(draw.numbers).first(n);
    const bool inOrder = std::equal(mine.begin(), mine.end(), drawn.begin());
    const bool anyOrder = std::is_permutation(mine.begin(), mine.end(), drawn.begin());
    const bool drawEqual = std::count(drawn.begin(), drawn.end(), drawn[0]) == static_cast<long>(n);
    const auto yen = [&payout](std::size_t k) { return *payout.yen(k); };
    switch (kind) {
    case TicketKind::Straight:
        return inOrder ? yen(kStraightYen) : 0;
    case TicketKind::Box:
        return anyOrder && !drawEqual ? yen(kBoxYen) : 0;
    case TicketKind::Set:
        return drawEqual ? 0 : inOrder ? yen(kSetStraightYen) : anyOrder ? yen(kSetBoxYen) : 0;
    default:
        return mine[n - 2] == drawn[n - 2] && mine[n - 1] == drawn[n - 1] ? yen(kMiniYen) : 0;
    }
}

// Every ticket against single, double, double-double, triple and all-equal
// draws; the chance per ticket is the average over the tickets the kind sells.
TEST(Money, NumbersWinningsAndChanceAgreeWithEveryTicket)
{
    struct Case {
        Game game;
        int draw;
    };
    const Case cases[] = { { Game::Numbers3, 123 }, { Game::Numbers3, 121 }, { Game::Numbers3, 77 },
        { Game::Numbers3, 777 }, { Game::Numbers4, 1234 }, { Game::Numbers4, 3113 }, { Game::Numbers4, 1213 },
        { Game::Numbers4, 5545 }, { Game::Numbers4, 0 } };
    for (const Case& c : cases) {
        const std::size_t n = c.game == Game::Numbers3 ? 3 : 4;
        const int tickets = n == 3 ? 1000 : 10000;
        const Draw draw { 1, digitsOf(c.draw, n).numbers, 0 };
        // Draws with all digits equal leave box and set NULL, as the tables do.
        const bool allEqual = c.draw == 777 || c.draw == 0;
        DrawPayout payout { 1, { 90001, 15002, 52503, 7504, 9005 } };
        if (allEqual)
            for (const std::size_t k : { kBoxYen, kSetStraightYen, kSetBoxYen })
                payout.setYen(k, std::nullopt);
        for (const KindName& kind : ticketKinds(c.game)) {
            SCOPED_TRACE(testing::Message() << c.draw << ' ' << kind.name);
            Yen sum = 0;
            Yen sold = 0;
            for (int t = 0; t < tickets; ++t) {
                const Ticket ticket = digitsOf(t, n);
                const bool equal = t % (n == 3 ? 111 : 1111) == 0;
                ASSERT_EQ(canBuy(c.game, kind.kind, ticket),
                    !equal || kind.kind == TicketKind::Straight || kind.kind == TicketKind::Mini)
                    << t;
                if (!canBuy(c.game, kind.kind, ticket))
                    continue;
                const std::optional<Yen> won = winnings(c.game, kind.kind, ticket, draw, &payout);
                ASSERT_EQ(won, expectedWin(kind.kind, ticket, draw, n, payout)) << t;
                sum += *won;
                ++sold;
            }
            const std::optional<Yen> chance = chanceWinnings(c.game, kind.kind, draw, &payout);
            ASSERT_TRUE(chance);
            EXPECT_EQ(*chance * sold, sum * chanceDenominator(c.game, kind.kind));
            const bool boxOrSet = kind.kind == TicketKind::Box || kind.kind == TicketKind::Set;
            EXPECT_TRUE(!allEqual || !boxOrSet || sum == 0);
        }
    }
}

TEST(Money, MiniLotoWinningsAndChanceAgreeWithEveryTicket)
{
    const Draw draw { 1, { 3, 9, 17, 25, 30 }, 11 };
    const DrawPayout payout { 1, { 10046801, 144302, 10003, 1004 } };
    const std::vector<int> drawn(draw.numbers.begin(), draw.numbers.end());
    Yen sum = 0;
    Yen count = 0;
    std::array<int, 5> n {};
    for (n[0] = 1; n[0] <= 27; ++n[0])
        for (n[1] = n[0] + 1; n[1] <= 28; ++n[1])
            for (n[2] = n[1] + 1; n[2] <= 29; ++n[2])
                for (n[3] = n[2] + 1; n[3] <= 30; ++n[3])
                    for (n[4] = n[3] + 1; n[4] <= 31; ++n[4]) {
                        const auto matched = std::count_if(
                            n.begin(), n.end(), [&](int x) { return std::count(drawn.begin(), drawn.end(), x); });
                        const bool bonus = std::count(n.begin(), n.end(), draw.bonus) > 0;
                        const Yen expected = matched == 5 ? 10046801
                            : matched == 4                ? (bonus ? 144302 : 10003)
                            : matched == 3                ? 1004
                                                          : 0;
                        const std::optional<Yen> won
                            = winnings(Game::MiniLoto, TicketKind::MiniLoto, Ticket { n }, draw, &payout);
                        ASSERT_EQ(won, expected);
                        sum += *won;
                        ++count;
                    }
    EXPECT_EQ(count, chanceDenominator(Game::MiniLoto, TicketKind::MiniLoto));
    EXPECT_EQ(chanceWinnings(Game::MiniLoto, TicketKind::MiniLoto, draw, &payout), sum);
}

// Which draws leave a kind unknown: no row, a NULL the kind can win, an
// amount no ticket is paid; all-equal draws know box and set without them.
TEST(Money, PayoutsLeaveAKindUnknownOnlyWhereItCanWinThem)
{
    const Numbers3Payout full { 1, "2026-01-05", 90000, 15000, 52500, 7500, 9000 };
    struct Case {
        int draw;
        void (*change)(Numbers3Payout&);
        std::array<bool, 4> known; // straight, box, set, mini
    };
    const Case cases[] = {
        { 123, [](Numbers3Payout&) {}, { true, true, true, true } },
        { 123, [](Numbers3Payout& p) { p.box.reset(); }, { true, false, true, true } },
        { 112, [](Numbers3Payout& p) { p.setBox.reset(); }, { true, true, false, true } },
        { 112, [](Numbers3Payout& p) { p.setStraight = -1; }, { true, true, false, true } },
        { 123, [](Numbers3Payout& p) { p.straight = kLargestPayout + 1; }, { false, true, true, true } },
        { 123, [](Numbers3Payout& p) { p.mini.reset(); }, { true, true, true, false } },
        { 555, [](Numbers3Payout& p) { p.box = p.setStraight = p.setBox = std::nullopt; }, { true, true, true, true } },
        { 555, [](Numbers3Payout& p) { p.straight.reset(); }, { false, true, true, true } },
    };
    for (const Case& c : cases) {
        Numbers3Payout row = full;
        c.change(row);
        const DrawPayout payout = drawPayout(row);
        const Draw draw { 1, digitsOf(c.draw, 3).numbers, 0 };
        for (std::size_t k = 0; k < 4; ++k) {
            const TicketKind kind = ticketKinds(Game::Numbers3)[k].kind;
            EXPECT_EQ(chanceWinnings(Game::Numbers3, kind, draw, &payout).has_value(), c.known[k]) << c.draw << k;
            EXPECT_EQ(winnings(Game::Numbers3, kind, digitsOf(123, 3), draw, &payout).has_value(), c.known[k]);
            EXPECT_FALSE(chanceWinnings(Game::Numbers3, kind, draw, nullptr));
        }
    }
    const DrawPayout mini = drawPayout(MiniLotoPayout { 1, "", { 1, 2, std::nullopt, 4 }, {} });
    EXPECT_FALSE(chanceWinnings(Game::MiniLoto, TicketKind::MiniLoto, Draw { 1, { 1, 2, 3, 4, 5 } }, &mini));
    const DrawPayout prizes = drawPayout(MiniLotoPayout { 1, "", { 1, 2, 3, 4 }, {} });
    EXPECT_FALSE(chanceWinnings(Game::MiniLoto, TicketKind::MiniLoto, Draw { 1, { 1, 1, 3, 4, 32 } }, &prizes));
    EXPECT_FALSE(chanceWinnings(Game::Numbers4, TicketKind::Mini, Draw {}, nullptr));
}

// Stored tickets over four draws: 123 with every payout, 777 without box and
// set, 456 without a row, 112 without box.
Record checked(const Payouts* payouts)
{
    Record record(Game::Numbers3, true, payouts);
    const std::array<std::string, 5> tickets[]
        = { { "123", "321", "111", "523" }, { "777", "123" }, { "456" }, { "121", "112" } };
    const int draws[] = { 123, 777, 456, 112 };
    for (std::size_t i = 0; i < 4; ++i)
        checkStored(record, Draw { static_cast<int>(i) + 1, digitsOf(draws[i], 3).numbers, 0 }, tickets[i]);
    return record;
}

TEST(Money, RecordCountsTheKindsOfTheDrawsWithPayoutsBesideChance)
{
    const std::vector<Numbers3Payout> rows { { 4, "", 100000, std::nullopt, 60000, 15000, 10000 },
        { 1, "", 90000, 15000, 52500, 7500, 9000 }, { 2, "", 500000, std::nullopt, std::nullopt, std::nullopt, 50000 },
        { 1, "", 1, 1, 1, 1, 1 } }; // out of order, and draw 1 again: the first row counts
    const Payouts payouts { std::span(rows) };
    const Record record = checked(&payouts);
    ASSERT_TRUE(record.money());
    const std::span<const KindMoney> kinds = record.money()->kinds();
    ASSERT_EQ(kinds.size(), 4u);
    struct Expected {
        int tickets;
        Yen won;
        double chance;
        int without;
        int firstWithout;
        int lastWithout;
    };
    const Expected expected[] = { { 8, 690000, 1560, 1, 3, 3 }, { 4, 30000, 270000 / 990.0, 2, 3, 4 },
        { 6, 135000, 450000 / 990.0, 1, 3, 3 }, { 8, 78000, 1560, 1, 3, 3 } };
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(kinds[k].tickets, expected[k].tickets) << k;
        EXPECT_EQ(kinds[k].cost(), 200 * expected[k].tickets) << k;
        EXPECT_EQ(kinds[k].won, expected[k].won) << k;
        EXPECT_DOUBLE_EQ(kinds[k].chanceWon(), expected[k].chance) << k;
        EXPECT_EQ(kinds[k].drawsWithoutPayouts, expected[k].without) << k;
        EXPECT_EQ(kinds[k].firstWithoutPayouts, expected[k].firstWithout) << k;
        EXPECT_EQ(kinds[k].lastWithoutPayouts, expected[k].lastWithout) << k;
        const std::span<const Balance> balances = record.money()->balances(k);
        ASSERT_EQ(balances.size(), 4u);
        EXPECT_EQ(balances[3].draw, 4);
        EXPECT_EQ(balances[3].balance, kinds[k].won - kinds[k].cost());
        EXPECT_DOUBLE_EQ(balances[3].chanceBalance, kinds[k].chanceWon() - static_cast<double>(kinds[k].cost()));
    }
    EXPECT_EQ(record.money()->balances(0)[0].balance, 90000 - 800);
    EXPECT_EQ(record.money()->balances(1)[2].balance, 30000 - 800);

    EXPECT_EQ(textReport(record).substr(textReport(record).find("straight\t8")),
        "straight\t8\t1600\t690000\t431.250\t1560\t0.975\n"
        "box\t4\t800\t30000\t37.500\t273\t0.341\n"
        "set\t6\t1200\t135000\t112.500\t455\t0.379\n"
        "mini\t8\t1600\t78000\t48.750\t1560\t0.975\n"
        "1\t1\t123\tstraight,box,mini\n1\t2\t321\tbox\n1\t4\t523\tmini\n2\t1\t777\tstraight,box,mini\n"
        "3\t1\t456\tstraight,box,mini\n4\t1\t121\tbox\n4\t2\t112\tstraight,box,mini\n");
    const std::string json = jsonReport(record);
    EXPECT_NE(json.find("], \"money\": [{\"kind\": \"straight\", \"tickets\": 8, \"cost\": 1600, \"won\": 690000, "
                        "\"return\": 431.25, \"chance_won\": 1560, \"chance_return\": 0.975, "
                        "\"draws_without_payouts\": 1}, {\"kind\": \"box\""),
        std::string::npos)
        << json;
    EXPECT_EQ(json.substr(json.size() - 4), "}]}\n");
}

// The hits behind each kind's winnings, as the 当たり page counts them:
// straight 4, box 6 (the straights among them), mini 5.
TEST(Money, EachKindIsTestedOnTheHitsItsWinningsComeFrom)
{
    const Record numbers = checked(nullptr);
    const std::pair<TicketKind, std::size_t> behind[]
        = { { TicketKind::Straight, 0 }, { TicketKind::Box, 1 }, { TicketKind::Set, 1 }, { TicketKind::Mini, 2 } };
    const int hits[] = { 4, 6, 6, 5 };
    for (std::size_t k = 0; k < 4; ++k) {
        const ClassScore score = scoreBehind(numbers, behind[k].first);
        EXPECT_EQ(score.hits, hits[k]) << k;
        EXPECT_DOUBLE_EQ(score.expected, numbers.classes()[behind[k].second].expected) << k;
    }
    // Mini Loto's one kind stands on its four classes together.
    Record miniLoto(Game::MiniLoto);
    const std::string texts[] = { "1-2-3-4-5", "1-2-3-4-6", "1-2-3-10-11", "20-21-22-23-24" };
    std::vector<NumberedTicket> tickets;
    for (int i = 0; i < 4; ++i)
        tickets.push_back({ i + 1, *parseTicket(Game::MiniLoto, texts[i]) });
    miniLoto.score(
        Draw { 1, { 1, 2, 3, 4, 5 }, 6 }, tickets, [&](int prediction) { return texts[prediction - 1]; }, true);
    const ClassScore all = scoreBehind(miniLoto, TicketKind::MiniLoto);
    EXPECT_EQ(all.hits, 3);
    EXPECT_NEAR(all.expected, 4 * (1 + 5 + 125 + 3250) / 169911.0, 1e-12);
}

// Chance's yen as a person rounds them: a half goes up, whatever the
// fraction's denominator, also once whole yen were folded out of it.
TEST(Money, ChanceRoundsToTheYenWithAHalfGoingUp)
{
    struct Case {
        Yen denominator;
        Yen whole;
        Yen numerator;
        Yen rounded;
    };
    for (const Case& c : { Case { 1000, 23602, 500, 23603 }, Case { 1000, 23602, 499, 23602 }, Case { 990, 0, 495, 1 },
             Case { 990, 0, 494, 0 }, Case { 100, 5, 250, 8 }, Case { 169911, 7, 0, 7 } }) {
        const ExactYen yen { c.denominator, c.whole, c.numerator };
        EXPECT_EQ(yen.rounded(), c.rounded) << c.whole << '+' << c.numerator << '/' << c.denominator;
    }
}

// A file without the payout tables, or payouts of another game: nothing
// bought, every scored draw counted, nothing fails. No payouts asked for: no
// money at all.
TEST(Money, WithoutPayoutsNothingIsBoughtAndEveryDrawIsCounted)
{
    const std::vector<Numbers4Payout> otherGame { { 1, "", 1, 1, 1, 1 } };
    for (const Payouts& none : { Payouts(), Payouts(std::span(otherGame)) }) {
        const Record record = checked(&none);
        for (const KindMoney& kind : record.money()->kinds()) {
            EXPECT_EQ(kind.tickets, 0);
            EXPECT_EQ(kind.won, 0);
            EXPECT_EQ(kind.returnRate(), 0.0);
            EXPECT_EQ(kind.chanceReturnRate(), 0.0);
            EXPECT_EQ(kind.drawsWithoutPayouts, 4);
        }
        EXPECT_NE(jsonReport(record).find("\"return\": 0, \"chance_won\": 0, \"chance_return\": 0, "
                                          "\"draws_without_payouts\": 4}]}"),
            std::string::npos);
    }
    EXPECT_EQ(checked(nullptr).money(), nullptr);
}

// A Mini Loto draw read without its bonus counts four numbers as class 3
// until the bonus is known; class 2 then moves what was won and every later
// balance.
TEST(Money, MiniLotoBonusesSettledLaterMoveWhatWasWon)
{
    const std::vector<MiniLotoPayout> rows { { 1, "", { 10000000, 150000, 10000, 1000 }, {} },
        { 2, "", { 9000000, 140000, 9000, 900 }, {} } };
    const Payouts payouts { std::span(rows) };
    Record record(Game::MiniLoto, true, &payouts);
    const std::string texts[] = { "1-2-3-4-6", "1-2-3-4-7", "1-2-3-10-11" };
    const PredictionText textOf = [&](int prediction) { return texts[prediction - 1]; };
    std::vector<NumberedTicket> tickets;
    for (int i = 0; i < 3; ++i)
        tickets.push_back({ i + 1, *parseTicket(Game::MiniLoto, texts[i]) });
    record.score(Draw { 1, { 1, 2, 3, 4, 5 }, kBonusUnread }, tickets, textOf, true);
    record.score(Draw { 2, { 1, 2, 3, 4, 5 }, 31 }, std::span(tickets).first(1), textOf, true);
    EXPECT_EQ(record.money()->kinds()[0].won, 10000 + 10000 + 1000 + 9000);
    record.settleBonuses(std::array { 6 });
    const KindMoney& money = record.money()->kinds()[0];
    EXPECT_EQ(money.won, 150000 + 10000 + 1000 + 9000);
    EXPECT_DOUBLE_EQ(money.chanceWon(),
        3 * (10000000 + 5 * 150000 + 125 * 10000 + 3250 * 1000) / 169911.0
            + (9000000 + 5 * 140000 + 125 * 9000 + 3250 * 900) / 169911.0);
    const std::span<const Balance> balances = record.money()->balances(0);
    ASSERT_EQ(balances.size(), 2u);
    EXPECT_EQ(balances[0].balance, 161000 - 600);
    EXPECT_EQ(balances[1].balance, money.won - 800);
}

// The largest payouts on 2,800,000 tickets: chance's numerator would outgrow
// 64 bits; it is folded into whole yen on the way.
TEST(Money, ChanceStaysExactPastWhatANumeratorHolds)
{
    const std::vector<MiniLotoPayout> rows { { 7, "",
        { kLargestPayout, kLargestPayout, kLargestPayout, kLargestPayout }, {} } };
    Money money(Game::MiniLoto, Payouts(std::span(rows)));
    const std::vector<NumberedTicket> tickets(100000, { 1, *parseTicket(Game::MiniLoto, "1-2-3-4-5") });
    const std::vector<ClassSet> won(tickets.size(), 1u);
    for (int i = 0; i < 28; ++i)
        money.add(Draw { 7, { 1, 2, 3, 4, 5 }, 6 }, tickets, won);
    EXPECT_EQ(money.kinds()[0].won, 2800000 * kLargestPayout);
    EXPECT_DOUBLE_EQ(money.kinds()[0].chanceWon(), 2800000.0L * 3381 * kLargestPayout / 169911);
}

} // namespace

// Draw by draw, the money counts what each ticket it can buy wins and chance's
// share for it, as winnings() and chanceWinnings() give them one at a time:
// random draws and tickets (all-equal ones among them), amounts missing here
// and there, rows missing for some draws.
TEST(Money, AddsUpEveryTicketAsItsOwnWinnings)
{
    std::mt19937 random(2026);
    for (const Game game : { Game::Numbers3, Game::Numbers4 }) {
        const std::size_t n = game == Game::Numbers3 ? 3 : 4;
        const int range = n == 3 ? 1000 : 10000;
        const int allEqual = n == 3 ? 111 : 1111;
        const auto number
            = [&] { return static_cast<int>(random() % 5 == 0 ? random() % 10 * allEqual : random() % range); };
        std::vector<DrawPayout> rows;
        std::vector<Draw> draws;
        for (int kaisai = 1; kaisai <= 400; ++kaisai) {
            draws.push_back(Draw { kaisai, digitsOf(number(), n).numbers, 0 });
            if (kaisai % 9 == 0)
                continue;
            DrawPayout& row = rows.emplace_back(kaisai, std::array<std::optional<Yen>, 5> {});
            for (std::size_t k = 0; k < 5; ++k) {
                if (random() % 13 != 0)
                    row.setYen(k, static_cast<Yen>(random() % 1'000'000));
            }
        }
        const Payouts payouts(game, rows);
        Money money(game, payouts);
        const std::span<const KindName> kinds = ticketKinds(game);
        std::vector<KindMoney> expected(kinds.size());
        for (const Draw& draw : draws) {
            std::vector<NumberedTicket> tickets;
            std::vector<ClassSet> won;
            for (int t = 0; t < 5; ++t) {
                // Some tickets repeat the draw, so that every class is won.
                const Ticket ticket = t == 0 && random() % 4 == 0 ? Ticket { draw.numbers } : digitsOf(number(), n);
                tickets.push_back({ t, ticket });
                won.push_back(classesWon(game, ticket, draw));
            }
            money.add(draw, tickets, won);
            const DrawPayout* payout = payouts.find(draw.kaisai);
            for (std::size_t k = 0; k < kinds.size(); ++k) {
                const std::optional<Yen> chance = chanceWinnings(game, kinds[k].kind, draw, payout);
                expected[k].drawsWithoutPayouts += !chance;
                for (const NumberedTicket& ticket : tickets) {
                    if (!chance || !canBuy(game, kinds[k].kind, ticket.ticket))
                        continue;
                    ++expected[k].tickets;
                    expected[k].won += *winnings(game, kinds[k].kind, ticket.ticket, draw, payout);
                    expected[k].chance.numerator += *chance;
                }
            }
        }
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            const KindMoney& counted = money.kinds()[k];
            SCOPED_TRACE(kinds[k].name);
            EXPECT_EQ(counted.tickets, expected[k].tickets);
            EXPECT_EQ(counted.won, expected[k].won);
            EXPECT_EQ(counted.chance.whole * counted.chance.denominator + counted.chance.numerator,
                expected[k].chance.numerator);
            EXPECT_EQ(counted.drawsWithoutPayouts, expected[k].drawsWithoutPayouts);
            EXPECT_GT(counted.won, 0);
        }
    }
}

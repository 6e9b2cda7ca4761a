// SPDX-License-Identifier: MIT
#include "cores/tickets/totals.h"

#include <gtest/gtest.h>

using namespace zelpo::tickets;
using zelpo::analysis::Draw;
using zelpo::analysis::DrawPayout;
using zelpo::analysis::Payouts;

namespace {

Ticket ticketOf(Game game, std::string_view kind, std::string_view numbers, int units = 1, int first = 1, int draws = 1)
{
    Ticket ticket;
    ticket.game = game;
    ticket.kind = parseKind(game, kind).value();
    ticket.numbers = parseNumbers(game, numbers).numbers.value();
    ticket.units = units;
    ticket.firstDraw = first;
    ticket.draws = draws;
    return ticket;
}

Draw drawOf(Game game, int kaisai, std::string_view numbers, int bonus = 0)
{
    return { kaisai, parseNumbers(game, numbers).numbers->numbers, bonus, 0 };
}

} // namespace

// Entry takes what the game sells and names the reason for anything else.
TEST(Tickets, EntryRefusesWhatCannotBeBought)
{
    struct Case {
        Game game;
        std::string_view kind;
        std::string_view numbers;
        int units;
        int draws;
        std::string_view reason; // a part of the refusal; empty: bought
    };
    const Case cases[] = {
        { Game::Numbers3, "straight", "777", 1, 1, "" },
        { Game::Numbers3, "mini", "000", 99, 20, "" },
        { Game::Numbers3, "box", "777", 1, 1, "すべての桁が同じ" },
        { Game::Numbers4, "set", "0000", 1, 1, "すべての桁が同じ" },
        { Game::Numbers4, "box", "0012", 1, 1, "" },
        { Game::Numbers3, "straight", "12", 1, 1, "3桁" },
        { Game::Numbers4, "straight", "12a4", 1, 1, "4桁" },
        { Game::Numbers3, "straight", "123", 0, 1, "口数" },
        { Game::Numbers3, "straight", "123", 100, 1, "口数" },
        { Game::Numbers3, "straight", "123", 1, 21, "継続回数" },
        { Game::MiniLoto, "ticket", "31-1-12-5-20", 1, 1, "" },
        { Game::MiniLoto, "ticket", "1-5-12-20-32", 1, 1, "1から31" },
        { Game::MiniLoto, "ticket", "1-5-12-20-0", 1, 1, "1から31" },
        { Game::MiniLoto, "ticket", "1-5-12-20-20", 1, 1, "重なって" },
        { Game::MiniLoto, "ticket", "1-5-12-20", 1, 1, "5つ" },
        { Game::MiniLoto, "ticket", "1-5--12-20", 1, 1, "「-」" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.numbers) + " " + std::string(c.kind));
        const Parsed parsed = parseNumbers(c.game, c.numbers);
        std::string refused = parsed.refusal;
        if (parsed.numbers) {
            Ticket ticket { 0, c.game, *parseKind(c.game, c.kind), *parsed.numbers, c.units, 7055, c.draws, {}, {} };
            refused = refusal(ticket).value_or("");
        }
        if (c.reason.empty())
            EXPECT_EQ(refused, "");
        else
            EXPECT_NE(refused.find(c.reason), std::string::npos) << refused;
    }
    EXPECT_FALSE(parseKind(Game::Numbers4, "mini"));
    EXPECT_EQ(numbersText(Game::MiniLoto, *parseNumbers(Game::MiniLoto, "31-1-12-5-20").numbers), "1-5-12-20-31");
}

// Every ticket of every kind against each digit pattern: the result is the
// money figures' winnings and chance times the units, and its prize the class
// that paid.
TEST(Tickets, ResultsAreTheMoneyRulesTimesTheUnits)
{
    const std::pair<Game, int> draws[] = { { Game::Numbers3, 123 }, { Game::Numbers3, 121 }, { Game::Numbers3, 777 },
        { Game::Numbers4, 1234 }, { Game::Numbers4, 3113 }, { Game::Numbers4, 5545 }, { Game::Numbers4, 2222 } };
    for (const auto& [game, value] : draws) {
        const int n = game == Game::Numbers3 ? 3 : 4;
        char text[16];
        std::snprintf(text, sizeof text, "%0*d", n, value);
        DrawBook book;
        book.setGame(
            game, { drawOf(game, 1, text) }, Payouts(game, { DrawPayout(1, { 90001, 15002, 52503, 7504, 9005 }) }));
        for (const zelpo::analysis::KindName& kind : zelpo::analysis::ticketKinds(game)) {
            for (int t = 0; t < (n == 3 ? 1000 : 10000); ++t) {
                char mine[16];
                std::snprintf(mine, sizeof mine, "%0*d", n, t);
                Ticket ticket = ticketOf(game, "straight", mine, 3);
                ticket.kind = kind.kind;
                if (!zelpo::analysis::canBuy(game, kind.kind, ticket.numbers))
                    continue;
                const DrawResult r = check(ticket, book).at(0);
                const Yen won = *zelpo::analysis::winnings(
                    game, kind.kind, ticket.numbers, *book.draw(game, 1), book.payout(game, 1));
                ASSERT_EQ(r.amount, 3 * won) << text << ' ' << mine << ' ' << kind.name;
                ASSERT_EQ(r.outcome == Outcome::Won, won > 0) << text << ' ' << mine << ' ' << kind.name;
                ASSERT_EQ(r.chance,
                    3 * *zelpo::analysis::chanceWinnings(game, kind.kind, *book.draw(game, 1), book.payout(game, 1)));
            }
        }
    }
    // The prize that paid, by kind.
    struct Case {
        Game game;
        std::string_view kind, ticket, draw;
        int bonus;
        Prize prize;
    };
    const Case prizes[] = {
        { Game::Numbers3, "set", "123", "123", 0, Prize::SetStraight },
        { Game::Numbers3, "set", "321", "123", 0, Prize::SetBox },
        { Game::Numbers3, "box", "123", "123", 0, Prize::Box },
        { Game::Numbers3, "mini", "923", "123", 0, Prize::Mini },
        { Game::Numbers3, "straight", "321", "123", 0, Prize::None },
        { Game::MiniLoto, "ticket", "1-2-3-4-5", "1-2-3-4-5", 9, Prize::First },
        { Game::MiniLoto, "ticket", "1-2-3-4-9", "1-2-3-4-5", 9, Prize::Second },
        { Game::MiniLoto, "ticket", "1-2-3-4-10", "1-2-3-4-5", 9, Prize::Third },
        { Game::MiniLoto, "ticket", "1-2-3-10-11", "1-2-3-4-5", 9, Prize::Fourth },
        { Game::MiniLoto, "ticket", "1-2-10-11-12", "1-2-3-4-5", 9, Prize::None },
    };
    for (const Case& c : prizes) {
        DrawBook book;
        book.setGame(c.game, { drawOf(c.game, 1, c.draw, c.bonus) },
            Payouts(c.game, { DrawPayout(1, { 10000000, 150000, 10000, 1000, 4000 }) }));
        EXPECT_EQ(check(ticketOf(c.game, c.kind, c.ticket), book).at(0).prize, c.prize) << c.ticket;
    }
}

// A continuous purchase over draws stored with payouts, stored without, and
// still to come; totals count the decided draws only, chance exactly.
TEST(Tickets, ContinuousDrawsPendingAndUnknownPayouts)
{
    DrawBook book;
    std::vector<Draw> draws { drawOf(Game::Numbers3, 10, "123"), drawOf(Game::Numbers3, 11, "456"),
        drawOf(Game::Numbers3, 12, "123") };
    book.setGame(Game::Numbers3, draws,
        Payouts(Game::Numbers3,
            { DrawPayout(10, { 90000, 15000, 50000, 7000, 9000 }),
                DrawPayout(11, { 80000, 15000, 50000, 7000, 9000 }) }),
        { { 10, "2026-01-05" }, { 11, "2026-01-06" }, { 12, "2026-01-07" } });
    EXPECT_EQ(book.nextDraw(Game::Numbers3), 13);
    std::vector<Ticket> tickets { ticketOf(Game::Numbers3, "straight", "123", 2, 10, 4) };
    tickets[0].id = 1;
    tickets.push_back(ticketOf(Game::Numbers4, "straight", "1234"));
    tickets[1].id = 2;
    const Checked checked(tickets, book);
    std::vector<Outcome> outcomes;
    for (const DrawResult& r : checked.of(0))
        outcomes.push_back(r.outcome);
    EXPECT_EQ(outcomes, (std::vector { Outcome::Won, Outcome::Lost, Outcome::Unknown, Outcome::Pending }));
    EXPECT_EQ(checked.of(0)[0].amount, 180000);

    const Summary all = summarize(tickets, checked, book, {});
    EXPECT_EQ(all.tickets, (std::vector<std::size_t> { 1, 0 }));
    EXPECT_EQ(all.totals.cost, 800);
    EXPECT_EQ(all.totals.won, 180000);
    EXPECT_EQ(all.totals.pending, 2);
    EXPECT_EQ(all.totals.unknown, 1);
    EXPECT_DOUBLE_EQ(all.totals.chanceWon, 2 * (90000 + 80000) / 1000.0);
    ASSERT_EQ(all.balances.size(), 2u);
    EXPECT_EQ(all.balances[1].date, "2026-01-06");
    EXPECT_EQ(all.balances[1].balance, 180000 - 800);
    EXPECT_DOUBLE_EQ(all.balances[1].chanceBalance, 340 - 800);

    // A closed period leaves out what is still to come; a game leaves out the others.
    const Summary january6 = summarize(tickets, checked, book, { Game::Numbers3, "2026-01-06", "2026-01-06" });
    EXPECT_EQ(january6.tickets, (std::vector<std::size_t> { 0 }));
    EXPECT_EQ(january6.totals.cost, 400);
    EXPECT_EQ(january6.totals.pending, 0);
    EXPECT_NE(comparison(january6.totals).find("低く"), std::string::npos);

    const std::vector<Win> wins = winsAmong(tickets, checked, Game::Numbers3, 10, 12);
    ASSERT_EQ(wins.size(), 2u); // draw 12 won, its payouts still to come
    EXPECT_EQ(announcement(tickets, wins),
        "購入記録の券が当せんしました\n"
        "ナンバーズ3 第10回 ストレート 123 2口: ストレート 180,000円\n"
        "ナンバーズ3 第12回 ストレート 123 2口: ストレート（配当は未記録）");
    EXPECT_TRUE(winsAmong(tickets, checked, Game::Numbers3, 11, 11).empty());
}

// SPDX-License-Identifier: MIT
// The tickets: checking 10,000 tickets of every game and kind, 1 to 20
// draws each, against 7,054 generated draws per game with a payout row for
// every draw, with the totals and the balance by date; and the 購入記録
// window opening on the built-in history with 10,000 tickets stored.
#include "cores/tickets/totals.h"
#include "data/db/history.h"
#include "data/tickets/ticketstore.h"
#include "widgets/tickets/ticketsdialog.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace zelpo::tickets;
using zelpo::analysis::Draw;
using zelpo::analysis::DrawPayout;

constexpr int kDraws = 7054;

DrawBook generatedBook()
{
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> yen(1000, 1000000);
    DrawBook book;
    for (const Game game : { Game::Numbers3, Game::Numbers4, Game::MiniLoto }) {
        std::vector<Draw> draws;
        std::vector<DrawPayout> payouts;
        std::vector<std::pair<int, std::string>> dates;
        for (int d = 1; d <= kDraws; ++d) {
            Draw draw { d, {}, 0, 0 };
            if (game == Game::MiniLoto) {
                std::vector<int> numbers { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                    22, 23, 24, 25, 26, 27, 28, 29, 30, 31 };
                std::shuffle(numbers.begin(), numbers.end(), random);
                std::copy_n(numbers.begin(), 5, draw.numbers.begin());
                draw.bonus = numbers[5];
            } else {
                for (int& n : draw.numbers)
                    n = digit(random);
            }
            draws.push_back(draw);
            payouts.emplace_back(d,
                std::array<std::optional<zelpo::analysis::Yen>, 5> {
                    yen(random), yen(random), yen(random), yen(random), yen(random) });
            dates.emplace_back(d, "2026-" + std::to_string(1 + d % 12 / 10) + std::to_string(d % 10) + "-01");
        }
        book.setGame(game, std::move(draws), zelpo::analysis::Payouts(game, std::move(payouts)), std::move(dates));
    }
    return book;
}

std::vector<Ticket> generatedTickets(int count)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> draw(1, kDraws);
    std::uniform_int_distribution<int> length(1, 20);
    std::vector<Ticket> tickets;
    const char* samples[][2] = { { "straight", "123" }, { "box", "122" }, { "set", "907" }, { "mini", "455" },
        { "straight", "0123" }, { "box", "1123" }, { "set", "9070" }, { "ticket", "3-8-14-22-31" } };
    for (int i = 0; i < count; ++i) {
        const auto& [kind, numbers] = samples[i % 8];
        const Game game = i % 8 < 4 ? Game::Numbers3 : i % 8 < 7 ? Game::Numbers4 : Game::MiniLoto;
        Ticket ticket { i + 1, game, *parseKind(game, kind), *parseNumbers(game, numbers).numbers, 1 + i % 5,
            draw(random), length(random), {}, {} };
        ticket.firstDraw = std::min(ticket.firstDraw, kDraws + 1);
        tickets.push_back(ticket);
    }
    return tickets;
}

void BM_TicketsCheck(benchmark::State& state)
{
    const DrawBook book = generatedBook();
    const std::vector<Ticket> tickets = generatedTickets(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Checked checked(tickets, book);
        const Summary summary = summarize(tickets, checked, book, {});
        benchmark::DoNotOptimize(summary.totals.won);
    }
}
BENCHMARK(BM_TicketsCheck)->Arg(10000)->Unit(benchmark::kMillisecond);

// The built-in history with the tickets of generatedTickets(), Mini Loto's
// within its 1,384 draws; made once.
const QString& databaseWithTickets()
{
    static QTemporaryDir dir;
    static QString path;
    if (path.isEmpty()) {
        path = dir.filePath(QStringLiteral("tickets.mdb"));
        zelpo::db::createDatabaseWithHistory(path);
        std::vector<Ticket> tickets = generatedTickets(10000);
        for (Ticket& ticket : tickets) {
            if (ticket.game == Game::MiniLoto)
                ticket.firstDraw = 1 + ticket.firstDraw % 1390;
            ticket.id = 0;
        }
        if (!addTickets(path, tickets))
            path.clear();
    }
    return path;
}

// Opening the window: the tickets and every game's draws, payouts and dates
// read, checked and summed, the list, the totals and the chart filled, the
// window shown and painted.
void BM_TicketsWindow(benchmark::State& state)
{
    const QString& path = databaseWithTickets();
    if (path.isEmpty()) {
        state.SkipWithError("the tickets could not be stored");
        return;
    }
    for (auto _ : state) {
        TicketsDialog window(path, {});
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.summary().totals.won);
    }
}
BENCHMARK(BM_TicketsWindow)->Unit(benchmark::kMillisecond);

} // namespace

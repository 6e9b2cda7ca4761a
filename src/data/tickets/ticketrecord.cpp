// SPDX-License-Identifier: MIT
#include "data/tickets/ticketrecord.h"

#include "data/analysis/recorddata.h"
#include "data/db/payouts.h"
#include "data/tickets/ticketstore.h"

#include <algorithm>
#include <array>
#include <limits>

namespace zelpo::tickets {
namespace {

template <class Row>
db::Status readDates(const QString& database, std::vector<std::pair<int, std::string>>& dates)
{
    std::vector<Row> rows;
    const db::Status status = db::readPayouts(database, rows);
    for (Row& row : rows) {
        if (!row.date.empty())
            dates.emplace_back(row.kaisai, std::move(row.date));
    }
    return status;
}

} // namespace

db::Status readDrawBook(const QString& database, Game game, DrawBook& book)
{
    db::Status status;
    std::optional<analysis::StoredDraws> draws = analysis::readStoredDraws(game, database, &status);
    if (!draws)
        return status;
    std::vector<std::pair<int, std::string>> dates;
    switch (game) {
    case Game::Numbers3:
        status = readDates<analysis::Numbers3Payout>(database, dates);
        break;
    case Game::Numbers4:
        status = readDates<analysis::Numbers4Payout>(database, dates);
        break;
    case Game::MiniLoto:
        status = readDates<analysis::MiniLotoPayout>(database, dates);
        break;
    }
    if (!status)
        return status;
    book.setGame(game, std::move(draws->draws), std::move(draws->payouts), std::move(dates));
    return {};
}

std::optional<TicketRecord> readTicketRecord(const QString& database, db::Status* status)
{
    TicketRecord record;
    db::Status read = readTickets(database, record.tickets);
    std::array<bool, 3> needed {};
    for (const Ticket& ticket : record.tickets)
        needed[static_cast<std::size_t>(ticket.game)] = true;
    for (const Game game : { Game::Numbers3, Game::Numbers4, Game::MiniLoto }) {
        if (read && needed[static_cast<std::size_t>(game)])
            read = readDrawBook(database, game, record.book);
    }
    if (status)
        *status = read;
    if (!read)
        return std::nullopt;
    record.checked = Checked(record.tickets, record.book);
    return record;
}

namespace {

// The game's tickets and their wins on draws `first` to `last`.
struct GameWins {
    std::vector<Ticket> tickets;
    std::vector<Win> wins;
};

GameWins winsOf(const QString& database, Game game, int first, int last)
{
    GameWins result;
    if (!readTickets(database, result.tickets))
        return {};
    std::erase_if(result.tickets,
        [&](const Ticket& t) { return t.game != game || t.lastDraw() < first || t.firstDraw > last; });
    if (result.tickets.empty())
        return result;
    DrawBook book;
    if (!readDrawBook(database, game, book))
        return {};
    const Checked checked(result.tickets, book);
    result.wins = winsAmong(result.tickets, checked, game, first, last);
    return result;
}

} // namespace

QString winAnnouncement(const QString& database, Game game, int first, int last)
{
    const GameWins found = winsOf(database, game, first, last);
    return QString::fromStdString(announcement(found.tickets, found.wins));
}

std::vector<std::pair<std::int64_t, int>> currentWins(const QString& database, Game game)
{
    const GameWins found = winsOf(database, game, 1, std::numeric_limits<int>::max());
    std::vector<std::pair<std::int64_t, int>> wins;
    for (const Win& win : found.wins)
        wins.emplace_back(found.tickets[win.ticket].id, win.result.draw);
    return wins;
}

QString winsSince(const QString& database, Game game, const std::vector<std::pair<std::int64_t, int>>& before)
{
    GameWins found = winsOf(database, game, 1, std::numeric_limits<int>::max());
    std::erase_if(found.wins, [&](const Win& win) {
        return std::find(before.begin(), before.end(), std::pair { found.tickets[win.ticket].id, win.result.draw })
            != before.end();
    });
    return QString::fromStdString(announcement(found.tickets, found.wins));
}

} // namespace zelpo::tickets

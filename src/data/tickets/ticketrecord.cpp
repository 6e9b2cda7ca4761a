// SPDX-License-Identifier: MIT
#include "data/tickets/ticketrecord.h"

#include "data/analysis/recorddata.h"
#include "data/db/payouts.h"
#include "data/tickets/ticketstore.h"

#include <array>

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

QString winAnnouncement(const QString& database, Game game, int first, int last)
{
    std::vector<Ticket> tickets;
    if (!readTickets(database, tickets) || tickets.empty())
        return {};
    // Only the game's tickets that cover the new draws are checked.
    std::erase_if(
        tickets, [&](const Ticket& t) { return t.game != game || t.lastDraw() < first || t.firstDraw > last; });
    if (tickets.empty())
        return {};
    DrawBook book;
    if (!readDrawBook(database, game, book))
        return {};
    const Checked checked(tickets, book);
    const std::vector<Win> wins = winsAmong(tickets, checked, game, first, last);
    return QString::fromStdString(announcement(tickets, wins));
}

} // namespace zelpo::tickets

// SPDX-License-Identifier: MIT
#include "data/tickets/ticketrecord.h"

#include "cores/csv/payoutcsv.h"
#include "data/analysis/recorddata.h"
#include "data/db/drawcount.h"
#include "data/db/payouts.h"
#include "data/tickets/ticketstore.h"

#include <algorithm>
#include <array>
#include <limits>

namespace zelpo::tickets {
namespace {

// The dates of the draws from the game's payout table (none without it); a
// date that is no calendar day leaves its draw undated.
db::Status readDates(const QString& database, Game game, std::vector<std::pair<int, std::string>>& dates)
{
    bool present = false;
    if (db::Status status = db::hasPayoutTable(database, game, present); !status || !present)
        return status;
    const QString select = QStringLiteral("SELECT kaisai,date FROM %1 ").arg(db::payoutTableName(game));
    int position = -1;
    return db::readBulk(database, select, db::kWherePositive, [&](const db::Row& row) {
        if (position < 0)
            position = row.position(u"date");
        std::string date = row.value(position).toString().trimmed().toStdString();
        if (db::csv::isDate(date))
            dates.emplace_back(row.integer(u"kaisai"), std::move(date));
    });
}

} // namespace

db::Status readDrawBook(const QString& database, Game game, DrawBook& book)
{
    std::vector<std::pair<int, std::string>> dates;
    if (db::Status status = readDates(database, game, dates); !status)
        return status;
    db::Status status;
    if (game == Game::MiniLoto) {
        // Its bonus decides class 2: the draws are read with it.
        std::optional<analysis::StoredDraws> draws = analysis::readStoredDraws(game, database, &status);
        if (!draws)
            return status;
        book.setGame(game, std::move(draws->draws), std::move(draws->payouts), std::move(dates));
        return {};
    }
    std::vector<analysis::Draw> draws;
    std::vector<analysis::DrawPayout> payouts;
    analysis::PayoutJoin join(game, database);
    status = analysis::readDraws(
        game, database, db::kWherePositive, join, [&](const analysis::Draw& draw, const analysis::DrawPayout* payout) {
            draws.push_back(draw);
            if (payout)
                payouts.push_back(*payout);
        });
    if (!status)
        return status;
    book.setGame(game, std::move(draws), analysis::Payouts(game, std::move(payouts)), std::move(dates));
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
    std::erase_if(
        result.tickets, [&](const Ticket& t) { return t.game != game || t.lastDraw() < first || t.firstDraw > last; });
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

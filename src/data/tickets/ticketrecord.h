// SPDX-License-Identifier: MIT
// The tickets with their results as the window and the command line show
// them: the stored tickets, and the stored draws, payouts and dates of the
// games they are for, read afresh, so that a draw edited or deleted after a
// ticket was entered changes that ticket's results.
#pragma once

#include "cores/tickets/totals.h"
#include "data/db/query.h"

#include <optional>
#include <vector>

namespace zelpo::tickets {

struct TicketRecord {
    std::vector<Ticket> tickets; // in the order of their ids
    DrawBook book;               // the draws of every game that has tickets
    Checked checked;             // the results of `tickets`
};

// Reads the tickets and what decides them; nothing on failure (`status` tells).
std::optional<TicketRecord> readTicketRecord(const QString& database, db::Status* status = nullptr);

// Reads the draws, payouts and dates of one game into `book`.
db::Status readDrawBook(const QString& database, Game game, DrawBook& book);

// The announcement of the tickets the game's draws `first` to `last` won
// ("購入記録の券が当せんしました" …), or an empty text when they won
// nothing or the tickets cannot be read: the draws are stored either way.
QString winAnnouncement(const QString& database, Game game, int first, int last);

// The wins the game's tickets hold now, as (ticket id, draw); none when the
// tickets cannot be read. With winsSince(), what a change of the draws that
// names no range (an import) made win.
std::vector<std::pair<std::int64_t, int>> currentWins(const QString& database, Game game);
// The announcement of the wins not among `before`, or an empty text.
QString winsSince(const QString& database, Game game, const std::vector<std::pair<std::int64_t, int>>& before);

} // namespace zelpo::tickets

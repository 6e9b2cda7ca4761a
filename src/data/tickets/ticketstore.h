// SPDX-License-Identifier: MIT
// The tickets in the database file: the table "購入記録", which the first
// write creates in that write's transaction; readers never create it, and a
// file without it holds no tickets. Only the ticket is stored: its results
// are worked out from the stored draws whenever they are read.
#pragma once

#include "cores/tickets/ticket.h"
#include "data/db/query.h"

#include <span>
#include <vector>

namespace zelpo::tickets {

// "購入記録".
QString ticketTable();
// CREATE TABLE IF NOT EXISTS.
QString createTicketTableStatement();

// Every stored ticket in the order of its id. A stored row that does not
// make a ticket (a game, kind or numbers this program does not know) fails
// the read as db::Failure::Read naming its id.
db::Status readTickets(const QString& database, std::vector<Ticket>& tickets);

// Stores the tickets in one transaction, all or none, each checked as entry
// checks it (a refusal fails the write as db::Failure::Write with the reason);
// `ids` gets their new ids. An empty `entered` is filled with the time now.
db::Status addTickets(
    const QString& database, std::span<const Ticket> tickets, std::vector<std::int64_t>* ids = nullptr);
// Replaces the stored ticket of the same id (its time of entry kept).
// `found` tells whether there was one.
db::Status replaceTicket(const QString& database, const Ticket& ticket, bool& found);
// Removes the tickets of the ids; `removed` counts those there were.
db::Status removeTickets(const QString& database, std::span<const std::int64_t> ids, int& removed);

} // namespace zelpo::tickets

// SPDX-License-Identifier: MIT
// The payouts built into the program (data/*-payouts.csv, a Qt resource),
// joined with the draw dates of the built-in histories, for a new file.
#pragma once

#include "cores/csv/payoutcsv.h"
#include "data/db/schema.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QSqlQuery;

namespace zelpo::db {

struct BundledPayouts {
    // One row per draw that has a date or payouts, ascending: the date from
    // the built-in history, the amounts from the payouts file (all unknown
    // for a draw that file does not have).
    std::vector<csv::PayoutRow> rows;
    QString failure; // empty unless a built-in file cannot be read
};

BundledPayouts bundledPayouts(Game game);

// Stores the rows in the game's payout table on a new file's connection;
// false when a statement failed (its error stays on `query`).
bool insertPayouts(QSqlQuery& query, Game game, const std::vector<csv::PayoutRow>& rows);

} // namespace zelpo::db

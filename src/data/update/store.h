// SPDX-License-Identifier: MIT
// Storing what an update found for one game, in one short transaction.
//
// The stored draws and payouts are read and compared with the published ones
// (plan.h), and the new draws' predictions worked out, before the
// transaction; inside it the file's draw count and highest draw are checked
// again, and when a registration or an edit changed them in between, the
// store plans again from the file as it is (a few times, then it refuses):
// neither write is lost. The new draws are appended as the registration windows append
// a draw: the winning numbers with the predictions the game window showed
// just before it (computed forward from the stored history, one draw after
// the other, as the backtest does) and " " as atari; Mini Loto keeps its
// bonus in kounyu1 and its four predictions after it. Dates and payouts go
// into the payout table, which an older file gets in the same transaction.
#pragma once

#include "data/db/query.h"
#include "data/update/plan.h"

#include <array>
#include <string>

namespace zelpo::update {

// The game's stored draws numbered from 1 and their dates and payouts.
db::Status readStoredGame(const QString& database, Game game, StoredGame& stored);

// The texts of the predictions the game window shows before each of `next`,
// with `history` stored before them: five for Numbers, four for Mini Loto.
std::vector<std::array<std::string, 5>> predictionsAhead(
    Game game, const std::vector<analysis::Draw>& history, const std::vector<PublishedDraw>& next);

struct StoreResult {
    db::Status status; // the database's answer; ok when the plan refused the update
    UpdatePlan plan;   // what was stored, or (a dry run, a refused plan) what would have been
    bool stored = false;

    bool ok() const { return status.ok() && plan.ok(); }
};

// Reads, plans and, unless `dryRun` or the plan finds a conflict or a fault,
// stores the appends and fills of the plan: all of them, or nothing.
StoreResult storeUpdate(const QString& database, Game game, const std::vector<PublishedDraw>& published, bool dryRun);

} // namespace zelpo::update

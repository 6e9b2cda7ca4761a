// SPDX-License-Identifier: MIT
// The game tables as the prediction record reads them, through the one query
// procedure: the draws numbered from 1, in draw order.
#pragma once

#include "cores/analysis/backtest.h"
#include "cores/game/game.h"
#include "data/analysis/payoutjoin.h"
#include "data/db/query.h"

#include <functional>
#include <optional>
#include <vector>

namespace zelpo::analysis {

// The draws with the texts stored beside them (Numbers kounyu1..kounyu5,
// Mini Loto kounyu2..kounyu5) and their payouts, as the window needs them for
// both the backtest and the hit check.
struct StoredDraws {
    Game game;
    std::vector<Draw> draws;
    std::vector<std::array<std::string, 5>> stored; // one per draw; Mini Loto uses four
    Payouts payouts;                                // the game's, read with the draws
};

std::optional<StoredDraws> readStoredDraws(Game game, const QString& database, db::Status* status = nullptr);

// The hit check of the stored predictions (over the whole table, or the
// draws in the range), with the money of the stored tickets read as
// purchases.
Record checkStored(const StoredDraws& draws, Range range = {});
std::optional<Record> checkStored(Game game, const QString& database, db::Status* status = nullptr);

// The draws the clause admits, in draw order, with only what the method
// needs: Mini Loto's come with kBonusUnread.
db::Status readDraws(
    Game game, const QString& database, const QString& where, const std::function<void(const Draw&)>& visit);
// The same, each draw with its payouts read in the same pass (null: none;
// see PayoutJoin::take()).
db::Status readDraws(Game game, const QString& database, const QString& where, PayoutJoin& payouts,
    const std::function<void(const Draw&, const DrawPayout*)>& visit);

// The bonuses of the given Mini Loto draws (draw number, occurrence; in draw
// order), 0 where none is stored.
std::optional<std::vector<int>> readBonuses(
    const QString& database, std::span<const std::pair<int, int>> draws, db::Status* status = nullptr);

// The backtest over the draws in memory, or read with readDraws(), with the
// money of the method's tickets against the stored payouts.
Record backtest(const StoredDraws& draws, Range range, bool keepSteps = false);
std::optional<Record> backtest(Game game, const QString& database, Range range, db::Status* status = nullptr);

} // namespace zelpo::analysis

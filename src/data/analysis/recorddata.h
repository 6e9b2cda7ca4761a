// SPDX-License-Identifier: MIT
// The game tables as the prediction record reads them, through the one query
// procedure: the draws numbered from 1, in draw order.
#pragma once

#include "cores/analysis/backtest.h"
#include "data/db/query.h"
#include "data/db/schema.h"

#include <functional>
#include <optional>
#include <vector>

namespace zelpo::analysis {

Game gameOf(db::Game game);

// The draws with the texts stored beside them (Numbers kounyu1..kounyu5,
// Mini Loto kounyu2..kounyu5), as the window needs them for both the backtest
// and the hit check.
struct StoredDraws {
    Game game;
    db::Game table; // the table they were read from
    std::vector<Draw> draws;
    std::vector<std::array<std::string, 5>> stored; // one per draw; Mini Loto uses four
};

std::optional<StoredDraws> readStoredDraws(db::Game game, const QString& database, db::Status* status = nullptr);

// The hit check of the stored predictions over the whole table.
Record checkStored(const StoredDraws& draws);
std::optional<Record> checkStored(db::Game game, const QString& database, db::Status* status = nullptr);

// The draws the clause admits, in draw order, with only what the method
// needs: Mini Loto's come with kBonusUnread.
db::Status readDraws(
    db::Game game, const QString& database, const QString& where, const std::function<void(const Draw&)>& visit);

// The bonuses of the given Mini Loto draws (draw number, occurrence; in draw
// order), 0 where none is stored.
std::optional<std::vector<int>> readBonuses(
    const QString& database, std::span<const std::pair<int, int>> draws, db::Status* status = nullptr);

// The backtest over the draws in memory, or read with readDraws().
Record backtest(const StoredDraws& draws, Range range, bool keepSteps = false);
std::optional<Record> backtest(db::Game game, const QString& database, Range range, db::Status* status = nullptr);

} // namespace zelpo::analysis

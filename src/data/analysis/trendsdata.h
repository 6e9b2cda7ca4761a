// SPDX-License-Identifier: MIT
// The trends of a game's table, read through the readers of the predictions:
// the window is the last N draws the tallies can count, oldest first.
#pragma once

#include "cores/analysis/trends.h"
#include "cores/game/game.h"
#include "data/db/query.h"

#include <optional>

namespace zelpo::analysis {

// Every section over the last `last` countable draws (all of them without
// `last`), with the window's first and last draw number; nothing when the
// read failed, `status` then tells why. A Numbers draw holding anything but
// the digits 0-9, or a Mini Loto draw that is not five different numbers
// from 1 to 31, is no draw of the window; the Mini Loto bonus plays no part.
std::optional<Trends> readTrends(
    Game game, const QString& database, std::optional<int> last = std::nullopt, db::Status* status = nullptr);

} // namespace zelpo::analysis

// SPDX-License-Identifier: MIT
// When the games are drawn, and so which draw should be the newest published
// one at a given moment: ナンバーズ3 and ナンバーズ4 every Monday to Friday,
// ミニロト every Tuesday, none from 31 December to 3 January. A draw's results
// count as published from 20:00 JST (UTC+9) of its day.
#pragma once

#include "cores/game/game.h"

#include <chrono>

namespace zelpo::update {

using zelpo::Game;

struct DrawDate {
    int kaisai = 0;
    std::chrono::year_month_day date {};

    bool operator==(const DrawDate&) const = default;
};

// ナンバーズ3/4: Monday to Friday; ミニロト: Tuesday; none from 31 December to 3 January.
bool isDrawDay(Game game, std::chrono::year_month_day day);

// The draw after `last`: its number and its day.
DrawDate nextDraw(Game game, DrawDate last);

// The newest draw that should be published at `now` (a draw counts as published from 20:00 JST,
// UTC+9, of its day), counted on from `last`; `last` itself when none is newer.
DrawDate expectedLatest(Game game, DrawDate last, std::chrono::sys_seconds now);

// How many draws `expected` lies ahead of `last` (0 when it does not).
inline int drawsMissing(DrawDate last, DrawDate expected)
{
    return expected.kaisai > last.kaisai ? expected.kaisai - last.kaisai : 0;
}

} // namespace zelpo::update

// SPDX-License-Identifier: MIT
// A record as the command line prints it.
#pragma once

#include "cores/analysis/record.h"

#include <string>

namespace zelpo::analysis {

// "numbers3", "numbers4", "miniloto".
std::string_view gameName(Game game);

// The class names of a set, joined by ",": "straight,box".
std::string classNames(Game game, ClassSet classes);

// One tab-separated line per class (class, hits, expected, ratio, p), with
// payouts one per ticket kind (kind, tickets, cost, won, return, chance won,
// chance return), then one per winning ticket (draw, prediction, ticket,
// classes).
std::string textReport(const Record& record);

// One JSON object: game, draws, tickets, first, last, classes (class, hits,
// expected, p; the numbers unrounded), hits (draw, prediction, ticket,
// classes) and with payouts money (kind, tickets, cost, won, return,
// chance_won, chance_return, draws_without_payouts; yen whole but chance_won,
// the rates unrounded), on one line.
std::string jsonReport(const Record& record);

} // namespace zelpo::analysis

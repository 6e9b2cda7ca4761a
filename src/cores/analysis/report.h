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

// One tab-separated line per class (class, hits, expected, ratio, p), then
// one per winning ticket (draw, prediction, ticket, classes).
std::string textReport(const Record& record);

// One JSON object: game, draws, tickets, first, last, classes (class, hits,
// expected, p; the numbers unrounded) and hits (draw, prediction, ticket,
// classes), on one line.
std::string jsonReport(const Record& record);

} // namespace zelpo::analysis

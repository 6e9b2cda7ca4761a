// SPDX-License-Identifier: MIT
// The trends as the command line prints them.
#pragma once

#include "cores/analysis/trends.h"

#include <string>

namespace zelpo::analysis {

// A first line "game<TAB>draws<TAB>first<TAB>last" ("-" for a missing
// kaisai), then one block per section after an empty line: its name, one
// line per row (label, observed, expected, and p where the row has one),
// then one line per test ("test", label, statistic, df, p).
std::string trendsText(const Trends& trends);

// One JSON object on one line: game, draws, first, last (null when
// missing), sections (name, rows of label, observed, expected and p where
// the row has one, tests of label, statistic, df, p); numbers unrounded.
std::string trendsJson(const Trends& trends);

} // namespace zelpo::analysis

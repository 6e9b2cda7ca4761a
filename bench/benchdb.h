// SPDX-License-Identifier: MIT
// Generated histories in database files, for the benchmarks.
#pragma once

#include "data/db/schema.h"

#include <QString>

namespace zelpo::bench {

// A database holding `draws` generated draws of every game (draw numbers
// 1..draws, digits from a fixed pseudo-random sequence) and a payout row for
// every draw. Made once per size and kept for the run.
const QString& databaseWithDraws(int draws);

} // namespace zelpo::bench

// SPDX-License-Identifier: MIT
// What the 収支 page says of the method's money over a range, in words: how
// each kind's return compares with chance's; for a return above chance, the
// test of the hits it came from, as the 当たり page tests them; plainly
// whether buying the tickets lost money; and which draws were left out for
// want of their payouts.
#pragma once

#include "cores/analysis/record.h"

#include <QString>

namespace zelpo::analysis {

// The sentences on the money of `backtest` (a record without money counts
// as one for which nothing was bought).
QString moneyVerdict(const Record& backtest);

} // namespace zelpo::analysis

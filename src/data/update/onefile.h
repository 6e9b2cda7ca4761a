// SPDX-License-Identifier: MIT
// A results file a user keeps, told apart by its content: the feed's JSON,
// one per-draw file of the bank, or a CSV in the format import reads (UTF-8
// or Shift_JIS, with an optional `date` column in YYYY-MM-DD).
#pragma once

#include "data/update/publisheddraw.h"

#include <QByteArray>

namespace zelpo::update {

Parsed parseOneFile(Game game, const QByteArray& bytes);

} // namespace zelpo::update

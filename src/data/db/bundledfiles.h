// SPDX-License-Identifier: MIT
// The files built into the program from data/ in the source tree (a Qt
// resource): each game's published draw history and its payouts.
#pragma once

#include "data/db/schema.h"

#include <QByteArray>

namespace zelpo::db {

// The game's results file as built in: the CSV text `zelpo-cli import` reads.
QByteArray bundledHistory(Game game);

// The game's payouts file as built in (payoutcsv.h reads it).
QByteArray bundledPayoutFile(Game game);

} // namespace zelpo::db

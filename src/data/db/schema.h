// SPDX-License-Identifier: MIT
// The three draw tables, in the column order every INSERT relies on.
#pragma once

#include "cores/game/game.h"

#include <QString>
#include <QStringList>

namespace zelpo::db {

// Table name as it appears in SQL ("ナンバーズ3", "ナンバーズ4", "ミニロト").
QString tableName(Game game);

// Every column of the game's table, in stored order.
const QStringList& columns(Game game);

// The winning-number columns only (N100,N10,N1 / N1000.. / NO1..NO5).
QStringList numberColumns(Game game);

// CREATE TABLE statement used by `zelpo-cli init` (and by tests that need a file).
QString createTableStatement(Game game);

} // namespace zelpo::db

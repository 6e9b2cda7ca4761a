// SPDX-License-Identifier: MIT
// The published draw histories built into the program (data/ in the source
// tree, a Qt resource), and a new database file filled with them.
#pragma once

#include "cores/game/game.h"
#include "data/db/bundledfiles.h"
#include "data/db/create.h"
#include "data/db/query.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace zelpo::db {

// What a new file holds of one game.
struct StoredHistory {
    Game game = Game::Numbers3;
    int draws = 0;
    int first = 0; // lowest draw number; 0 when there are none
    int last = 0;  // highest draw number; 0 when there are none
};

struct CreatedDatabase {
    CreateFailure failure; // Kind::None on success
    std::vector<StoredHistory> stored;

    bool ok() const { return failure.ok(); }
};

// Creates the file as createDatabaseFile() does and stores the built-in
// history of every game, with the dates and payouts of its draws, in one
// transaction. Refuses an existing file; on any failure the half-made file is
// removed again.
CreatedDatabase createDatabaseWithHistory(const QString& path);

// Whether the file can serve the windows: Missing when it is not there, Open
// when it is not a database (or not a file), Statement (with the table's name
// first in the detail) when a table or one of its columns is missing.
Status checkDatabaseFile(const QString& path);

} // namespace zelpo::db

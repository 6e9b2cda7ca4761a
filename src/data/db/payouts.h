// SPDX-License-Identifier: MIT
// The payout tables beside the game tables: "ナンバーズ3配当", "ナンバーズ4配当"
// and "ミニロト配当", one row per draw holding its date (YYYY-MM-DD) and what
// one winning ticket of each class was paid, NULL where that is unknown or
// the class was not sold that draw.
//
// A new file gets them with the game tables; an older file gets them from the
// first write that stores payouts, inside that write's transaction. Readers
// never create them: a file without them reads as one whose dates and
// payouts are all unknown.
#pragma once

#include "cores/analysis/payouts.h"
#include "data/db/query.h"
#include "data/db/schema.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

#include <vector>

namespace zelpo::db {

// "ナンバーズ3配当", "ナンバーズ4配当", "ミニロト配当".
QString payoutTableName(Game game);

// kaisai, date and the amount columns, in stored order.
QStringList payoutColumns(Game game);

// CREATE TABLE IF NOT EXISTS, with kaisai the primary key.
QString createPayoutTableStatement(Game game);

// The INSERT of a whole row, one placeholder per column of payoutColumns().
QString insertPayoutStatement(Game game);

// Creates the three tables on a new file's connection; false when a statement
// failed (its error stays on `query`).
bool createPayoutTables(QSqlQuery& query);

// Creates whichever of the three tables the file lacks, as part of the
// writer's transaction: they are kept with its changes or rolled back with them.
void ensurePayoutTables(Writer& writer);

// Stores what is known of one draw's payouts, creating the tables first when
// the file has none: a known date or amount replaces the stored one, an
// unknown one leaves it as it is (a row is added when the draw has none). An
// amount outside 0..csv::kLargestAmount or a date that is no calendar day
// refuses the whole write.
void storePayout(Writer& writer, const analysis::Numbers3Payout& payout);
void storePayout(Writer& writer, const analysis::Numbers4Payout& payout);
void storePayout(Writer& writer, const analysis::MiniLotoPayout& payout);

// The game's stored payouts in ascending draw number, `where` (" WHERE
// kaisai>=100") narrowing them as for read(). A file without the table gives
// none and succeeds. A date or amount that cannot be read (not a calendar
// day, not a whole number from 0 to csv::kLargestAmount) fails the read as
// Failure::Read, and `rows` is then empty.
Status readPayouts(const QString& database, std::vector<analysis::Numbers3Payout>& rows, const QString& where = {});
Status readPayouts(const QString& database, std::vector<analysis::Numbers4Payout>& rows, const QString& where = {});
Status readPayouts(const QString& database, std::vector<analysis::MiniLotoPayout>& rows, const QString& where = {});

// Whether the file holds the game's payout table; a file made before them
// does not. Looking never creates it.
Status hasPayoutTable(const QString& database, Game game, bool& present);

// A stored amount as every payout reader takes it: nothing for NULL or a
// blank text; not `readable` for anything that is not a whole number from 0
// to csv::kLargestAmount.
struct StoredAmount {
    bool readable = true;
    std::optional<analysis::Yen> yen;
};
StoredAmount storedAmount(const QVariant& value);
// The same for the cell at a Row::position(), taking the integers this
// program stores without a QVariant.
StoredAmount storedAmount(const Row& row, int position);

// The failure (Failure::Read) of a stored amount that cannot be read, naming
// the file, the table, the draw, the column and what it holds.
Status unreadableAmount(const QString& database, Game game, int kaisai, const QString& column, const QVariant& value);

// The stored date of one draw; empty when unknown (no table, no row, NULL).
Status readDrawDate(const QString& database, Game game, int kaisai, QString& date);

} // namespace zelpo::db

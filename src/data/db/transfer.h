// SPDX-License-Identifier: MIT
// Draw histories in and out of the database as CSV files.
#pragma once

#include "cores/csv/draws.h"
#include "cores/csv/encoding.h"
#include "cores/csv/problem.h"
#include "data/db/query.h"
#include "data/db/schema.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace zelpo::db {

// The game's SELECT of every column, in stored order, ending in a blank.
QString fullSelect(Game game);

csv::Table csvTable(Game game);

struct InputBytes {
    QByteArray bytes;
    std::optional<csv::Problem> problem; // too large
    QString error;                       // the system's reason when reading failed
    bool ok() const { return !problem && error.isEmpty(); }
};

// Reads an open device to its end, a file or an endless stream alike, and
// stops as soon as it holds more than csv::kLargestInput bytes.
InputBytes readInput(QIODevice& device);

struct DecodedText {
    std::string utf8; // without a byte-order mark
    std::optional<csv::Problem> problem;
};

// The file's bytes as UTF-8, read in `encoding` or, when none is given, in
// the encoding detectEncoding() finds. Bytes that do not belong to the
// encoding are a problem on the line that holds them, never silently
// replaced. More than csv::kLargestInput bytes are refused as too large.
DecodedText decodeText(const QByteArray& bytes, std::optional<csv::Encoding> encoding);

inline constexpr int kConflictsReported = 5;

struct ImportResult {
    Status status;                       // the database's answer
    std::optional<csv::Problem> problem; // the first fault of the file
    QStringList conflicts;               // the first kConflictsReported, one line each
    int conflictCount = 0;
    int imported = 0;
    int alreadyStored = 0;
    int storedDraws = 0; // rows with kaisai above 0 after the import
    int highestDraw = 0;

    bool ok() const { return !problem && conflictCount == 0 && status.ok(); }
};

// Checks every row of the file, then appends the draws that are not stored
// yet, in one transaction. A draw stored with the same numbers is skipped and
// counted; one stored with other numbers is a conflict. On any fault of the
// file, any conflict or any refusal of the database nothing is written.
ImportResult importDraws(
    const QString& database, Game game, QByteArray bytes, std::optional<csv::Encoding> encoding = std::nullopt);

struct ExportResult {
    Status status;
    QByteArray text; // UTF-8 without a byte-order mark; empty unless status is ok
    int draws = 0;
};

// Every row of the game's table in ascending kaisai, every column, under a
// header of the table's own column names.
ExportResult exportDraws(const QString& database, Game game);

} // namespace zelpo::db

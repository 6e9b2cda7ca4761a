// SPDX-License-Identifier: MIT
// Making a new database file: the only place that may create one. Its
// failures come in parts, with the system's reason where the system refused.
#pragma once

#include <QString>

#include <functional>

class QSqlQuery;

namespace zelpo::db {

// Fills the new tables; false when a statement failed (its error stays on `query`).
using FillTables = std::function<bool(QSqlQuery& query)>;

// Why a new database file was not made, in parts: the windows say it in
// Japanese, the command line with describe(). Never the driver's own words.
struct CreateFailure {
    enum class Kind {
        None,
        NoName,  // the path is empty
        Exists,  // something is there under that name (a dangling link included); errno EEXIST
        System,  // the system refused: `systemError` is the errno, `reason` its text
                 // (a full disk or an I/O error the engine met counts here too)
        Engine,  // the engine refused a statement: `reason` is its own words
        BuiltIn, // a built-in history or payouts file is unreadable: `reason` says what is wrong
    };
    Kind kind = Kind::None;
    QString path;        // as it was named
    int systemError = 0; // errno, for Exists and System; else 0
    QString reason;

    bool ok() const { return kind == Kind::None; }
};

// "cannot create PATH: Permission denied", "PATH already exists; ..." (English).
QString describe(const CreateFailure& failure);

// Makes the folders a new file at `path` needs, as the user's data folder on
// a first run; the system's reason when one cannot be made.
CreateFailure makeFolderFor(const QString& path);

// Creates a new database file holding the three tables and their payout
// tables (payouts.h), filled by `fill` when given, all in one transaction.
// Refuses to touch an existing file; leaves no file behind when it fails.
CreateFailure createDatabaseFile(const QString& path, const FillTables& fill = {});

} // namespace zelpo::db

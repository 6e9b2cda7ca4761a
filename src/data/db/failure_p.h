// SPDX-License-Identifier: MIT
// How the query procedure turns the engine's errors into failures.
#pragma once

#include "data/db/failure.h"

class QSqlError;

namespace zelpo::db {

// The failure an engine error stands for: a lock is Busy, a file that is not
// a database is Open, a repeated key is Duplicate, anything else `fallback`;
// the engine's own words are the detail.
Status classify(const QSqlError& error, Failure fallback);
// The same for an error the engine reported itself: its result code and words.
Status classify(int engineCode, const QString& text, Failure fallback);

// A failure found after the file was opened, with the file named.
Status inFile(const QString& path, const Status& status);

} // namespace zelpo::db

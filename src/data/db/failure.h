// SPDX-License-Identifier: MIT
// What went wrong with a database file, kept with its reason: every query
// function returns a Status, the windows choose the message, the command
// line the exit status.
#pragma once

#include <QString>

namespace zelpo::db {

enum class Failure {
    None,
    Missing,   // the file is not there
    Open,      // the file is there but cannot be opened (not a database, no permission,
               // a game table that is not a plain stored table)
    Busy,      // another program holds a lock longer than we wait
    Statement, // the engine refused the statement (bad SQL, missing table or column)
    Read,      // a value could not be read while walking the rows, a draw number included
    Duplicate, // a draw number that is already stored
    Write,     // any other refused change
};

class Status {
public:
    Status() = default;
    Status(Failure failure, QString detail)
        : m_failure(failure)
        , m_detail(std::move(detail))
    {
    }

    bool ok() const { return m_failure == Failure::None; }
    explicit operator bool() const { return ok(); }
    Failure failure() const { return m_failure; }
    const QString& detail() const { return m_detail; }

private:
    Failure m_failure = Failure::None;
    QString m_detail;
};

// A human-readable English summary of a failure, for the command line and logs.
// Failures found once the file is open name the file in their detail.
// Control characters are escaped (see shownText()).
QString describe(const Status& status);

// A path or a value as a message of the command line shows it: control
// characters escaped ("a\\nb"), bytes that are not UTF-8 as \\xNN, nothing cut.
QString shownText(const QString& text);

} // namespace zelpo::db

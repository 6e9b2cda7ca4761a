// SPDX-License-Identifier: MIT
// The one way the program touches its database file.
//
// Every query function of every window goes through read() or write(): the
// statement is the function's fixed SQL text with the caller's WHERE clause
// appended when it is not empty; the file is opened for the call (read-only
// for readers, read-write but never created for writers), the rows are walked,
// and the file is closed again before the call returns. The wait cursor is
// shown for the whole call when a GUI has installed it.
#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>

#include <functional>
#include <optional>

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

// `path` as the absolute name of a plain file: never read as an SQLite URI
// ("file:x.db"), as the engine's ":memory:" or as one of Qt's ":/" resources.
QString plainFilePath(const QString& path);

// A stored value as a whole number: integers, reals without a fraction and
// texts holding a decimal integer (blanks around it allowed), within the int
// range. Anything else, null included, gives nothing.
std::optional<int> integerValue(const QVariant& value);

// One row of a result, columns looked up by name as the windows do.
class Row {
public:
    explicit Row(const QSqlQuery& query);

    // The column's integer value. A value that is not an integer (null, text,
    // a number outside the int range) ends the walk as a failed read.
    int integer(QStringView column) const;
    // The column's text; a null cell reads as the empty text.
    QString text(QStringView column) const;

private:
    QVariant value(QStringView column) const;
    const QSqlQuery& m_query;
    QStringList m_names; // column names of the result, looked up without allocating
};

using RowVisitor = std::function<void(const Row&)>;

// The statement as a query function builds it: fixed text, then the clause.
QString statementText(QStringView fixedSql, const QString& where);

// The statement read() runs: the function's statement, its rows ordered by
// the numeric value of `kaisai`, converted first when `irregular` (the file
// stores some draw numbers as text, reals or nulls).
QString orderedStatement(QStringView fixedSql, const QString& where, bool irregular);

// Runs a reader's SELECT and hands every row to `visit`, in ascending numeric
// `kaisai` order whatever order (or storage class) the file keeps them in.
// A row whose `kaisai` integerValue() cannot read (null, '12a', 1.5) is an
// unreadable row: the walk ends there and the result is Failure::Read, for
// every reader and count alike. Rows visited before it are then not a whole
// answer; a caller shows nothing of them.
Status read(const QString& database, QStringView fixedSql, const QString& where, const RowVisitor& visit);

// The open read-write connection a writer works on; every change made through
// it is one transaction, committed only when the work returns normally.
class Writer {
public:
    // Runs a statement; a refusal aborts the whole write (and rolls back).
    void exec(const QString& sql);
    // True when the SELECT returns at least one row.
    bool exists(const QString& sql);
    // Prepared statements for bulk work: prepare once, bind and run many times.
    QSqlQuery prepare(const QString& sql);
    void exec(QSqlQuery& prepared);
    // Aborts the write with the given failure (rolled back, reported by write()).
    [[noreturn]] void refuse(Failure failure, const QString& detail);

private:
    friend Status write(const QString&, QStringView, const QString&, const std::function<void(Writer&)>&);
    explicit Writer(const QString& connection)
        : m_connection(connection)
    {
    }
    QString m_connection;
};

// Opens the file read-write (never creating it), checks the writer's fixed
// SELECT (with `where` when not empty) against the file, then runs `work`
// inside one transaction: all of its changes are stored, or none.
Status write(
    const QString& database, QStringView fixedSelect, const QString& where, const std::function<void(Writer&)>& work);

// The GUI shows its wait cursor through these; the command line leaves them unset.
struct WaitCursorHooks {
    void (*begin)() = nullptr;
    void (*end)() = nullptr;
};
void setWaitCursorHooks(WaitCursorHooks hooks);

// How long a locked file is waited for before a query gives up.
inline constexpr int kBusyTimeoutMs = 1500;

} // namespace zelpo::db

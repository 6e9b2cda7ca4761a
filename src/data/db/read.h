// SPDX-License-Identifier: MIT
// Reading a game table: the statement a reader runs, its rows in draw order,
// and the values of a row.
#pragma once

#include "data/db/failure.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>

#include <functional>
#include <optional>

struct sqlite3_stmt;

namespace zelpo::db {

// A stored value as a whole number: integers, reals without a fraction and
// texts holding a decimal integer (blanks around it allowed), within the int
// range. Anything else, null included, gives nothing.
std::optional<int> integerValue(const QVariant& value);

// One row of a result, columns looked up by name as the windows do.
class Row {
public:
    explicit Row(const QSqlQuery& query);
    // A row of a statement stepped on the engine itself (readBulk()).
    explicit Row(sqlite3_stmt* statement);

    // The column's integer value. A value that is not an integer (null, text,
    // a number outside the int range) ends the walk as a failed read.
    int integer(QStringView column) const;
    // The same for the column at a position().
    int integer(int position) const;
    // The column's text; a null cell reads as the empty text.
    QString text(QStringView column) const;
    // The column's value as the engine gives it (null, a number, a text),
    // for readers that tell them apart without a detour through text.
    QVariant value(QStringView column) const;
    // Where value() finds the column, for readers that take many columns of
    // many rows by position; -1 when the result has no such column.
    int position(QStringView column) const;
    // The value at a position(); null for -1.
    QVariant value(int position) const;
    // The value at a position() when the file stores an integer there,
    // taken without a QVariant; nothing for anything else (null, a text, a
    // real), which value() then gives.
    std::optional<qint64> storedInteger(int position) const;

private:
    const QSqlQuery* m_query = nullptr;
    sqlite3_stmt* m_statement = nullptr;
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

// The same walk for readers of tens of thousands of rows (a backtest's draws
// and their payouts): the statement is stepped on the engine behind Qt's
// driver, and a cell becomes a QVariant only when asked for, the one Qt's
// driver would give. Where that driver is not built on this program's
// SQLite library, it is read() itself.
Status readBulk(const QString& database, QStringView fixedSql, const QString& where, const RowVisitor& visit);

} // namespace zelpo::db

// SPDX-License-Identifier: MIT
// Changing a game table: one transaction per write, all of its changes
// stored or none.
#pragma once

#include "data/db/failure.h"

#include <QSqlQuery>
#include <QString>
#include <QStringView>

#include <functional>

namespace zelpo::db {

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

} // namespace zelpo::db

// SPDX-License-Identifier: MIT
#include "data/db/writer.h"

#include "data/db/connection_p.h"
#include "data/db/failure_p.h"
#include "data/db/read.h"

#include <QSqlDatabase>
#include <QSqlError>

namespace zelpo::db {
namespace {

struct WriteAbort {
    Status status;
};

// Rolls back unless committed.
class Transaction {
public:
    explicit Transaction(QSqlDatabase database)
        : m_database(std::move(database))
    {
    }
    ~Transaction()
    {
        if (m_active) {
            QSqlQuery rollback(m_database);
            rollback.exec(QStringLiteral("ROLLBACK"));
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    Status begin()
    {
        QSqlQuery query(m_database);
        // IMMEDIATE takes the write lock now, so a busy file fails here, before any work.
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return classify(query.lastError(), Failure::Write);
        m_active = true;
        return {};
    }
    Status commit()
    {
        QSqlQuery query(m_database);
        if (!query.exec(QStringLiteral("COMMIT")))
            return classify(query.lastError(), Failure::Write);
        m_active = false;
        return {};
    }

private:
    QSqlDatabase m_database;
    bool m_active = false;
};

} // namespace

void Writer::exec(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(sql))
        throw WriteAbort { classify(query.lastError(), Failure::Write) };
}

bool Writer::exists(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(sql))
        throw WriteAbort { classify(query.lastError(), Failure::Statement) };
    return query.next();
}

QSqlQuery Writer::prepare(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.prepare(sql))
        throw WriteAbort { classify(query.lastError(), Failure::Statement) };
    return query;
}

void Writer::exec(QSqlQuery& prepared)
{
    if (!prepared.exec())
        throw WriteAbort { classify(prepared.lastError(), Failure::Write) };
}

void Writer::refuse(Failure failure, const QString& detail)
{
    throw WriteAbort { Status(failure, detail) };
}

Status write(
    const QString& database, QStringView fixedSelect, const QString& where, const std::function<void(Writer&)>& work)
{
    const WaitCursor waitCursor;
    Connection connection;
    if (Status opened = connection.open(database, false); !opened)
        return opened;

    {
        QSqlQuery check(connection.database());
        check.setForwardOnly(true);
        if (!check.exec(statementText(fixedSelect, where)))
            return inFile(database, classify(check.lastError(), Failure::Statement));
    }

    Transaction transaction(connection.database());
    if (Status begun = transaction.begin(); !begun)
        return inFile(database, begun);
    Writer writer(connection.name());
    try {
        work(writer);
    } catch (const WriteAbort& abort) {
        return inFile(database, abort.status);
    }
    return inFile(database, transaction.commit());
}

} // namespace zelpo::db

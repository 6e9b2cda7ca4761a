// SPDX-License-Identifier: MIT
#include "data/db/read.h"

#include "cores/csv/problem.h"
#include "data/db/connection_p.h"
#include "data/db/failure_p.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

#include <sqlite3.h>

#include <cmath>
#include <limits>
#include <memory>

namespace zelpo::db {
namespace {

struct ReadError {
    QString detail;
};

// A cell as Qt's driver gives it: integers as qlonglong, reals as double
// (the queries' default precision), texts as QString, blobs as QByteArray.
QVariant engineValue(sqlite3_stmt* statement, int position)
{
    switch (sqlite3_column_type(statement, position)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(statement, position)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, position));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, position)),
            sqlite3_column_bytes(statement, position)));
    default:
        return QVariant(QString(static_cast<const QChar*>(sqlite3_column_text16(statement, position)),
            sqlite3_column_bytes16(statement, position) / static_cast<int>(sizeof(QChar))));
    }
}

} // namespace

Row::Row(const QSqlQuery& query)
    : m_query(&query)
{
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        m_names << record.fieldName(i);
}

Row::Row(sqlite3_stmt* statement)
    : m_statement(statement)
{
    for (int i = 0; i < sqlite3_column_count(statement); ++i)
        m_names << QString::fromUtf8(sqlite3_column_name(statement, i));
}

int Row::position(QStringView column) const
{
    // Columns are asked for as the SELECT spells them; a file made elsewhere
    // may spell them in another case, which SQL does not tell apart.
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (QStringView(m_names[i]) == column)
            return static_cast<int>(i);
    }
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (QStringView(m_names[i]).compare(column, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

QVariant Row::value(int position) const
{
    if (position < 0 || position >= m_names.size())
        return QVariant();
    return m_statement ? engineValue(m_statement, position) : m_query->value(position);
}

QVariant Row::value(QStringView column) const
{
    const int found = position(column);
    if (found < 0)
        throw ReadError { QStringLiteral("no column %1").arg(column) };
    return value(found);
}

std::optional<qint64> Row::storedInteger(int position) const
{
    if (position < 0 || position >= m_names.size())
        return std::nullopt;
    if (m_statement) {
        if (sqlite3_column_type(m_statement, position) != SQLITE_INTEGER)
            return std::nullopt;
        return sqlite3_column_int64(m_statement, position);
    }
    const QVariant cell = m_query->value(position);
    if (cell.isNull() || cell.metaType() != QMetaType::fromType<qlonglong>())
        return std::nullopt;
    return *static_cast<const qlonglong*>(cell.constData());
}

std::optional<int> integerValue(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    qlonglong n = 0;
    // Integers come back as integers from a file this program wrote; texts
    // and reals only from files made elsewhere.
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
        n = value.toLongLong(&ok);
    } else if (value.typeId() == QMetaType::Double) {
        const double d = value.toDouble();
        ok = std::isfinite(d) && d == std::floor(d) && std::abs(d) <= std::numeric_limits<int>::max();
        n = ok ? static_cast<qlonglong>(d) : 0;
    } else {
        n = value.toString().trimmed().toLongLong(&ok);
    }
    if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(n);
}

int Row::integer(QStringView column) const
{
    const int found = position(column);
    if (found < 0)
        throw ReadError { QStringLiteral("no column %1").arg(column) };
    return integer(found);
}

int Row::integer(int position) const
{
    if (const std::optional<qint64> stored = storedInteger(position);
        stored && *stored >= std::numeric_limits<int>::min() && *stored <= std::numeric_limits<int>::max())
        return static_cast<int>(*stored);
    if (position < 0 || position >= m_names.size())
        throw ReadError { QStringLiteral("no column %1").arg(position) };
    const QString& column = m_names[position];
    const QVariant v = value(position);
    if (v.isNull())
        throw ReadError { QStringLiteral("%1 is empty").arg(column) };
    const std::optional<int> n = integerValue(v);
    if (!n)
        throw ReadError { QStringLiteral("%1 holds \"%2\", not a whole number")
                              .arg(column, QString::fromStdString(csv::forMessage(v.toString().toStdString()))) };
    return *n;
}

QString Row::text(QStringView column) const
{
    const QVariant v = value(column);
    return v.isNull() ? QString() : v.toString();
}

QString statementText(QStringView fixedSql, const QString& where)
{
    QString sql = fixedSql.toString();
    if (!where.isEmpty())
        sql += where;
    return sql;
}

QString orderedStatement(QStringView fixedSql, const QString& where, bool irregular)
{
    // By the number's value: a file made elsewhere may hold the numbers as
    // texts, which the engine would otherwise order as 1, 10, 100, 2 ...
    return QStringLiteral("SELECT * FROM (") + statementText(fixedSql, where)
        + (irregular ? QStringLiteral(") ORDER BY CAST(kaisai AS INTEGER)") : QStringLiteral(") ORDER BY kaisai"));
}

namespace {

// The engine behind a connection, when this program's own SQLite library can
// step its statements: Qt's driver is built on the very same library (the
// same source), as it is on Debian. Asked once.
sqlite3* engineOf(const QSqlDatabase& database)
{
    const QVariant handle = database.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    static const bool sameLibrary = [&database] {
        QSqlQuery query(database);
        return query.exec(QStringLiteral("SELECT sqlite_source_id()")) && query.next()
            && query.value(0).toString() == QLatin1String(sqlite3_sourceid());
    }();
    return sameLibrary ? *static_cast<sqlite3* const*>(handle.constData()) : nullptr;
}

Status engineFailure(const QString& database, sqlite3* engine, Failure fallback)
{
    return inFile(
        database, classify(sqlite3_extended_errcode(engine), QString::fromUtf8(sqlite3_errmsg(engine)), fallback));
}

// Hands one row to `visit`. Every reader and every count walks only draws
// with a readable number, whether or not it asks for the number itself;
// `checked`: the walk has numbers that are not plain integers to read.
void visitRow(const Row& row, bool checked, const RowVisitor& visit)
{
    if (checked)
        row.integer(u"kaisai");
    visit(row);
}

Status walkRows(QSqlQuery& query, bool checked, const RowVisitor& visit)
{
    const Row row(query);
    while (query.next())
        visitRow(row, checked, visit);
    if (query.lastError().isValid())
        return classify(query.lastError(), Failure::Read);
    return {};
}

Status walkEngineRows(
    const QString& database, sqlite3* engine, const QString& sql, bool checked, const RowVisitor& visit)
{
    sqlite3_stmt* prepared = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(engine, text.constData(), static_cast<int>(text.size()), &prepared, nullptr) != SQLITE_OK)
        return engineFailure(database, engine, Failure::Statement);
    // Finished before the connection closes.
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(prepared, sqlite3_finalize);
    const Row row(prepared);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(prepared)) == SQLITE_ROW)
        visitRow(row, checked, visit);
    return step == SQLITE_DONE ? Status() : engineFailure(database, engine, Failure::Read);
}

Status walk(const QString& database, QStringView fixedSql, const QString& where, const RowVisitor& visit, bool bulk)
{
    const WaitCursor waitCursor;
    Connection connection;
    if (Status opened = connection.open(database, true); !opened)
        return opened;
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    // Draw numbers stored as int-sized integers, as this program stores them,
    // are ordered by the engine as they stand (for a keyed table in the key's
    // order, with no sort) and need no check. Any other value makes the walk
    // convert them to order them, and check every one.
    const QString irregular = QStringLiteral("SELECT 1 FROM (") + statementText(fixedSql, where)
        + QStringLiteral(") WHERE typeof(kaisai)<>'integer' OR kaisai NOT BETWEEN -2147483648 AND 2147483647 LIMIT 1");
    if (!query.exec(irregular))
        return inFile(database, classify(query.lastError(), Failure::Statement));
    const bool checked = query.next();
    query.finish();
    const QString statement = orderedStatement(fixedSql, where, checked);
    try {
        if (sqlite3* engine = bulk ? engineOf(connection.database()) : nullptr)
            return walkEngineRows(database, engine, statement, checked, visit);
        if (!query.exec(statement))
            return inFile(database, classify(query.lastError(), Failure::Statement));
        return inFile(database, walkRows(query, checked, visit));
    } catch (const ReadError& error) {
        return inFile(database, { Failure::Read, error.detail });
    }
}

} // namespace

Status read(const QString& database, QStringView fixedSql, const QString& where, const RowVisitor& visit)
{
    return walk(database, fixedSql, where, visit, false);
}

Status readBulk(const QString& database, QStringView fixedSql, const QString& where, const RowVisitor& visit)
{
    return walk(database, fixedSql, where, visit, true);
}

} // namespace zelpo::db

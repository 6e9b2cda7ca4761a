// SPDX-License-Identifier: MIT
#include "data/db/query.h"

#include "cores/csv/csvformat.h"
#include "data/db/payouts.h"
#include "data/db/schema.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

#include <cmath>
#include <limits>

namespace zelpo::db {
namespace {

WaitCursorHooks g_waitCursor;

class WaitCursor {
public:
    WaitCursor()
    {
        if (g_waitCursor.begin)
            g_waitCursor.begin();
    }
    ~WaitCursor()
    {
        if (g_waitCursor.end)
            g_waitCursor.end();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

struct ReadError {
    QString detail;
};

struct WriteAbort {
    Status status;
};

// SQLite's result codes, as Qt's driver reports them.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteConstraint = 19;
constexpr int kSqliteNotADatabase = 26;
constexpr int kSqliteCantOpen = 14;

// The engine's own words ("no such table: ミニロト"); the driver's tail
// ("Unable to execute statement") only when the engine said nothing.
QString engineText(const QSqlError& error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

Status classify(const QSqlError& error, Failure fallback)
{
    const QString text = engineText(error);
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    if (ok) {
        if (code == kSqliteBusy || code == kSqliteLocked)
            return { Failure::Busy, text };
        if (code == kSqliteNotADatabase || code == kSqliteCantOpen)
            return { Failure::Open, text };
        if (code == kSqliteConstraint
            && (text.contains(QLatin1String("UNIQUE")) || text.contains(QLatin1String("PRIMARY KEY"))))
            return { Failure::Duplicate, text };
    }
    return { fallback, text };
}

// SQLite URI for the file, so that the open mode can say "never create". The
// path is made absolute first: a plain file name is never read as a URI or as
// one of the engine's special names.
QString fileUri(const QString& path, bool readOnly)
{
    const QString absolute = plainFilePath(path);
    QString escaped;
    escaped.reserve(absolute.size() + 16);
    for (const QChar c : absolute) {
        if (c == u'%' || c == u'?' || c == u'#')
            escaped += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return QStringLiteral("file:") + escaped + (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw"));
}

// A file made elsewhere may hold, under a game or payout table's name,
// something that runs code on every read or write: a view (a recursive one
// never ends, a joined one can yield billions of rows), a virtual table,
// computed columns (a zeroblob of a gigabyte per row) or triggers. Only stored tables are read
// or written; anything else under those names makes the file unusable.
Status checkGameTables(const QSqlDatabase& database)
{
    QStringList names;
    for (const Game game : { Game::Numbers3, Game::Numbers4, Game::MiniLoto }) {
        names << QLatin1Char('\'') + tableName(game) + QLatin1Char('\'');
        names << QLatin1Char('\'') + payoutTableName(game) + QLatin1Char('\'');
    }
    const QString list = names.join(u',');
    QSqlQuery query(database);
    query.setForwardOnly(true);
    const QString sql = QStringLiteral(
        "SELECT m.name FROM sqlite_master m WHERE m.name IN (%1) AND (m.type<>'table' OR m.sql LIKE 'CREATE VIRTUAL%' "
        "OR EXISTS (SELECT 1 FROM pragma_table_xinfo(m.name) x WHERE x.hidden IN (2,3))) "
        "UNION ALL SELECT tbl_name FROM sqlite_master WHERE type='trigger' AND tbl_name IN (%1)")
                            .arg(list);
    if (!query.exec(sql))
        return classify(query.lastError(), Failure::Open);
    if (query.next()) {
        return { Failure::Open,
            QStringLiteral("%1 is not a plain stored table (a view, a virtual table, computed columns or triggers)")
                .arg(query.value(0).toString()) };
    }
    return {};
}

// One named connection for the length of one query function.
class Connection {
public:
    Connection()
        : m_name(QStringLiteral("zelpo-%1").arg(++s_serial))
    {
    }
    ~Connection()
    {
        {
            QSqlDatabase database = QSqlDatabase::database(m_name, false);
            if (database.isOpen())
                database.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    Status open(const QString& path, bool readOnly)
    {
        const QFileInfo info(plainFilePath(path));
        if (path.isEmpty() || !info.exists())
            return { Failure::Missing, path };
        if (info.isDir())
            return { Failure::Open, QStringLiteral("%1 is a folder, not a database file").arg(path) };
        if (!info.isFile())
            return { Failure::Open, QStringLiteral("%1 is not a regular file").arg(path) };
        // The engine would take an empty file for an empty database and then
        // report each table as missing.
        if (info.size() == 0)
            return { Failure::Open, QStringLiteral("%1 is an empty file, not a database").arg(path) };
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        database.setDatabaseName(fileUri(path, readOnly));
        QString options = QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
        if (readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        database.setConnectOptions(options);
        if (!database.open()) {
            const Status failed = classify(database.lastError(), Failure::Open);
            return { failed.failure(), QStringLiteral("%1: %2").arg(path, failed.detail()) };
        }
        if (const Status checked = checkGameTables(database); !checked)
            return { checked.failure(), QStringLiteral("%1: %2").arg(path, checked.detail()) };
        return {};
    }

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }
    const QString& name() const { return m_name; }

private:
    static inline int s_serial = 0;
    QString m_name;
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

// A failure found after the file was opened, with the file named.
Status inFile(const QString& path, const Status& status)
{
    if (status.ok())
        return status;
    return { status.failure(), QStringLiteral("%1: %2").arg(path, status.detail()) };
}

} // namespace

QString plainFilePath(const QString& path)
{
    if (path.isEmpty())
        return path;
    return QFileInfo(path.startsWith(u':') ? QStringLiteral("./") + path : path).absoluteFilePath();
}

Row::Row(const QSqlQuery& query)
    : m_query(query)
{
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        m_names << record.fieldName(i);
}

QVariant Row::value(QStringView column) const
{
    // Columns are asked for as the SELECT spells them; a file made elsewhere
    // may spell them in another case, which SQL does not tell apart.
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (QStringView(m_names[i]) == column)
            return m_query.value(static_cast<int>(i));
    }
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (QStringView(m_names[i]).compare(column, Qt::CaseInsensitive) == 0)
            return m_query.value(static_cast<int>(i));
    }
    throw ReadError { QStringLiteral("no column %1").arg(column) };
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
    const QVariant v = value(column);
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

Status read(const QString& database, QStringView fixedSql, const QString& where, const RowVisitor& visit)
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
    if (!query.exec(orderedStatement(fixedSql, where, checked)))
        return inFile(database, classify(query.lastError(), Failure::Statement));
    try {
        const Row row(query);
        while (query.next()) {
            // Every reader and every count walks only draws with a readable
            // number, whether or not it asks for the number itself.
            if (checked)
                row.integer(u"kaisai");
            visit(row);
        }
    } catch (const ReadError& error) {
        return inFile(database, { Failure::Read, error.detail });
    }
    if (query.lastError().isValid())
        return inFile(database, classify(query.lastError(), Failure::Read));
    return {};
}

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

void setWaitCursorHooks(WaitCursorHooks hooks)
{
    g_waitCursor = hooks;
}

} // namespace zelpo::db

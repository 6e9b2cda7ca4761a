// SPDX-License-Identifier: MIT
#include "data/db/connection.h"

#include "data/db/connection_p.h"
#include "data/db/failure_p.h"
#include "data/db/payouts.h"
#include "data/db/schema.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace zelpo::db {
namespace {

WaitCursorHooks g_waitCursor;

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
// computed columns (a zeroblob of a gigabyte per row) or triggers. Only stored
// tables are read or written; anything else under those names makes the file
// unusable.
Status checkGameTables(const QSqlDatabase& database)
{
    QStringList names;
    for (const Game game : kGames) {
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

} // namespace

QString plainFilePath(const QString& path)
{
    if (path.isEmpty())
        return path;
    return QFileInfo(path.startsWith(u':') ? QStringLiteral("./") + path : path).absoluteFilePath();
}

void setWaitCursorHooks(WaitCursorHooks hooks)
{
    g_waitCursor = hooks;
}

WaitCursor::WaitCursor()
{
    if (g_waitCursor.begin)
        g_waitCursor.begin();
}

WaitCursor::~WaitCursor()
{
    if (g_waitCursor.end)
        g_waitCursor.end();
}

Connection::Connection()
    : m_name(QStringLiteral("zelpo-%1").arg(++s_serial))
{
}

Connection::~Connection()
{
    {
        QSqlDatabase database = QSqlDatabase::database(m_name, false);
        if (database.isOpen())
            database.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

Status Connection::open(const QString& path, bool readOnly)
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
    if (!database.open())
        return inFile(path, classify(database.lastError(), Failure::Open));
    return inFile(path, checkGameTables(database));
}

} // namespace zelpo::db

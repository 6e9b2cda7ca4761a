// SPDX-License-Identifier: MIT
#include "data/db/failure.h"

#include "cores/csv/problem.h"
#include "data/db/failure_p.h"

#include <QSqlError>

namespace zelpo::db {
namespace {

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

} // namespace

QString shownText(const QString& text)
{
    return QString::fromStdString(csv::forMessage(text.toStdString(), std::string::npos));
}

QString describe(const Status& status)
{
    const QString detail = shownText(status.detail());
    switch (status.failure()) {
    case Failure::None:
        return QStringLiteral("ok");
    case Failure::Missing:
        if (detail.isEmpty())
            return QStringLiteral("no database file was named");
        return QStringLiteral("database file not found: %1").arg(detail);
    case Failure::Open:
        return QStringLiteral("cannot open the database: %1").arg(detail);
    case Failure::Busy:
        return QStringLiteral("the database is locked by another program: %1").arg(detail);
    case Failure::Statement:
        return QStringLiteral("the database refused the query: %1").arg(detail);
    case Failure::Read:
        return QStringLiteral("a stored value could not be read: %1").arg(detail);
    case Failure::Duplicate:
        return QStringLiteral("the draw is already stored: %1").arg(detail);
    case Failure::Write:
        return QStringLiteral("the database refused the change: %1").arg(detail);
    }
    return detail;
}

Status classify(const QSqlError& error, Failure fallback)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return classify(ok ? code : -1, engineText(error), fallback);
}

Status classify(int engineCode, const QString& text, Failure fallback)
{
    const int code = engineCode < 0 ? -1 : engineCode & 0xff;
    if (code == kSqliteBusy || code == kSqliteLocked)
        return { Failure::Busy, text };
    if (code == kSqliteNotADatabase || code == kSqliteCantOpen)
        return { Failure::Open, text };
    if (code == kSqliteConstraint
        && (text.contains(QLatin1String("UNIQUE")) || text.contains(QLatin1String("PRIMARY KEY"))))
        return { Failure::Duplicate, text };
    return { fallback, text };
}

Status inFile(const QString& path, const Status& status)
{
    if (status.ok())
        return status;
    return { status.failure(), QStringLiteral("%1: %2").arg(path, status.detail()) };
}

} // namespace zelpo::db

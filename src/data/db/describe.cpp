// SPDX-License-Identifier: MIT
// Failures as the command line and the logs say them, in English.
#include "cores/csv/csvformat.h"
#include "data/db/query.h"

namespace zelpo::db {

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

} // namespace zelpo::db

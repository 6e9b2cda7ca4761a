// SPDX-License-Identifier: MIT
#include "data/db/read.h"

#include "cores/csv/problem.h"
#include "data/db/connection_p.h"
#include "data/db/failure_p.h"

#include <QSqlError>
#include <QSqlRecord>

#include <cmath>
#include <limits>

namespace zelpo::db {
namespace {

struct ReadError {
    QString detail;
};

} // namespace

Row::Row(const QSqlQuery& query)
    : m_query(query)
{
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        m_names << record.fieldName(i);
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
    return position < 0 ? QVariant() : m_query.value(position);
}

QVariant Row::value(QStringView column) const
{
    const int found = position(column);
    if (found < 0)
        throw ReadError { QStringLiteral("no column %1").arg(column) };
    return m_query.value(found);
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

} // namespace zelpo::db

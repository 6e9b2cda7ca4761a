// SPDX-License-Identifier: MIT
#include "data/db/payouthistory.h"

#include "data/db/bundledfiles.h"
#include "data/db/payouts.h"
#include "data/db/transfer.h"

#include <QSqlQuery>

#include <map>

namespace zelpo::db {
namespace {

std::string_view view(const QByteArray& bytes)
{
    return { bytes.constData(), static_cast<std::size_t>(bytes.size()) };
}

QString unreadable(const QString& what, const std::optional<csv::Problem>& problem)
{
    return QStringLiteral("the built-in %1 is unreadable%2")
        .arg(what, problem ? QStringLiteral(": ") + QString::fromStdString(csv::describe(*problem)) : QString());
}

} // namespace

BundledPayouts bundledPayouts(Game game)
{
    BundledPayouts result;
    const QByteArray history = bundledHistory(game);
    const QByteArray payoutFile = bundledPayoutFile(game);
    const csv::PayoutRows dates = csv::readDates(view(history));
    if (history.isEmpty() || dates.problem) {
        result.failure = unreadable(tableName(game) + QStringLiteral(" history"), dates.problem);
        return result;
    }
    const csv::PayoutRows payouts = csv::readPayouts(csvTable(game), view(payoutFile));
    if (payoutFile.isEmpty() || payouts.problem) {
        result.failure = unreadable(payoutTableName(game), payouts.problem);
        return result;
    }

    const std::size_t amounts = csv::payoutColumns(csvTable(game)).size();
    std::map<int, csv::PayoutRow> joined;
    for (const csv::PayoutRow& row : dates.rows) {
        csv::PayoutRow& draw = joined[row.kaisai];
        draw = row;
        draw.amounts.resize(amounts);
    }
    for (const csv::PayoutRow& row : payouts.rows) {
        csv::PayoutRow& draw = joined[row.kaisai];
        draw.kaisai = row.kaisai;
        draw.amounts = row.amounts;
        if (draw.date.empty())
            draw.date = row.date;
    }
    for (auto& [kaisai, row] : joined)
        result.rows.push_back(std::move(row));
    return result;
}

bool insertPayouts(QSqlQuery& query, Game game, const std::vector<csv::PayoutRow>& rows)
{
    if (!query.prepare(insertPayoutStatement(game)))
        return false;
    for (const csv::PayoutRow& row : rows) {
        int column = 0;
        query.bindValue(column++, row.kaisai);
        query.bindValue(column++, row.date.empty() ? QVariant() : QVariant(QString::fromStdString(row.date)));
        for (const std::optional<std::int64_t>& amount : row.amounts)
            query.bindValue(column++, amount ? QVariant(static_cast<qlonglong>(*amount)) : QVariant());
        if (!query.exec())
            return false;
    }
    return true;
}

} // namespace zelpo::db

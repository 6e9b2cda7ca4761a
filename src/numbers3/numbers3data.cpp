// SPDX-License-Identifier: MIT
#include "numbers3/numbers3data.h"

#include "numbers3/listing.h"
#include "numbers3/prediction.h"

namespace zelpo::numbers3 {

db::Status readDraws(
    const QString& database, const QString& where, const std::function<void(const QStringList& cells)>& onRow)
{
    QStringList cells;
    return db::read(database, kSearchSql, where, [&](const db::Row& row) {
        cells.clear();
        cells << QString::number(row.integer(u"kaisai"))
              << QString::fromStdString(
                     winningNumberText({ row.integer(u"N100"), row.integer(u"N10"), row.integer(u"N1") }))
              << row.text(u"kounyu1") << row.text(u"kounyu2") << row.text(u"kounyu3") << row.text(u"kounyu4")
              << row.text(u"kounyu5");
        onRow(cells);
    });
}

std::optional<QStringList> predictNext(const QString& database, const QString& where, db::Status* status)
{
    Predictor predictor;
    const db::Status result = db::read(database, kPredictSql, where, [&predictor](const db::Row& row) {
        predictor.add({ row.integer(u"N100"), row.integer(u"N10"), row.integer(u"N1") });
    });
    if (status)
        *status = result;
    if (!result)
        return std::nullopt;
    QStringList texts;
    for (const std::string& text : predictor.result())
        texts << QString::fromStdString(text);
    return texts;
}

std::optional<DigitCounts> digitCounts(const QString& database, const QString& where, db::Status* status)
{
    DigitCounts counts(3);
    const db::Status result = db::read(database, kDataSql, where, [&counts](const db::Row& row) {
        counts.add(std::array { row.integer(u"N100"), row.integer(u"N10"), row.integer(u"N1") });
    });
    if (status)
        *status = result;
    if (!result)
        return std::nullopt;
    return counts;
}

} // namespace zelpo::numbers3

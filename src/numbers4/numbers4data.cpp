// SPDX-License-Identifier: MIT
#include "numbers4/numbers4data.h"

#include "numbers3/listing.h"
#include "numbers4/prediction.h"

namespace zelpo::numbers4 {

db::Status readDraws(
    const QString& database, const QString& where, const std::function<void(const QStringList& cells)>& onRow)
{
    QStringList cells;
    return db::read(database, kSearchSql, where, [&](const db::Row& row) {
        cells.clear();
        cells << QString::number(row.integer(u"kaisai"))
              << QString::fromStdString(numbers3::winningNumberText(
                     { row.integer(u"N1000"), row.integer(u"N100"), row.integer(u"N10"), row.integer(u"N1") }))
              << row.text(u"kounyu1") << row.text(u"kounyu2") << row.text(u"kounyu3") << row.text(u"kounyu4")
              << row.text(u"kounyu5");
        onRow(cells);
    });
}

std::optional<QStringList> predictNext(const QString& database, const QString& where, db::Status* status)
{
    Predictor predictor;
    const db::Status result = db::read(database, kPredictSql, where, [&predictor](const db::Row& row) {
        predictor.add({ row.integer(u"N1000"), row.integer(u"N100"), row.integer(u"N10"), row.integer(u"N1") });
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

std::optional<numbers3::DigitCounts> digitCounts(const QString& database, const QString& where, db::Status* status)
{
    numbers3::DigitCounts counts(4);
    const db::Status result = db::read(database, kDataSql, where, [&counts](const db::Row& row) {
        counts.add(std::array { row.integer(u"N1000"), row.integer(u"N100"), row.integer(u"N10"), row.integer(u"N1") });
    });
    if (status)
        *status = result;
    if (!result)
        return std::nullopt;
    return counts;
}

} // namespace zelpo::numbers4

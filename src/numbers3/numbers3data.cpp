// SPDX-License-Identifier: MIT
#include "numbers3/numbers3data.h"

#include "numbers3/listing.h"

namespace zelpo::numbers3 {

db::Status readDraws(const QString& database, const QString& where,
    const std::function<void(const QStringList& cells)>& onRow)
{
    QStringList cells;
    return db::read(database, kSearchSql, where, [&](const db::Row& row) {
        cells.clear();
        cells << QString::number(row.integer(u"kaisai"))
              << QString::fromStdString(winningNumberText({row.integer(u"N100"), row.integer(u"N10"), row.integer(u"N1")}))
              << row.text(u"kounyu1") << row.text(u"kounyu2") << row.text(u"kounyu3") << row.text(u"kounyu4")
              << row.text(u"kounyu5");
        onRow(cells);
    });
}

} // namespace zelpo::numbers3

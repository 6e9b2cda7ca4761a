// SPDX-License-Identifier: MIT
#include "data/db/drawcount.h"

#include "data/db/schema.h"

#include <algorithm>

namespace zelpo::db {
namespace {

constexpr QStringView kSelectKaisai = u"SELECT kaisai ";

// The winning-number columns of the table a count text names, or none for
// another text.
QStringList countedNumbers(QStringView fixedSql)
{
    if (fixedSql == kCountNumbers3)
        return numberColumns(Game::Numbers3);
    if (fixedSql == kCountNumbers4)
        return numberColumns(Game::Numbers4);
    if (fixedSql == kCountMiniLoto)
        return numberColumns(Game::MiniLoto);
    return {};
}

} // namespace

std::optional<int> nextDrawNumber(const QString& database, QStringView fixedSql, const QString& where, Status* status)
{
    // The count reads each row's winning numbers as the listing, the
    // predictions and the statistics do, so that a row none of them can read
    // makes the count fail too instead of counting a draw nobody can show.
    const QStringList numbers = countedNumbers(fixedSql);
    QString sql = fixedSql.toString();
    if (!numbers.isEmpty() && fixedSql.startsWith(kSelectKaisai))
        sql.replace(0, kSelectKaisai.size(), QStringLiteral("SELECT kaisai,%1 ").arg(numbers.join(u',')));

    int counter = 1;
    const Status result = read(database, sql, where, [&](const Row& row) {
        row.integer(u"kaisai");
        for (const QString& column : numbers)
            row.integer(column);
        ++counter;
    });
    if (status)
        *status = result;
    if (!result)
        return std::nullopt;
    return counter;
}

QStringView countStatement(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return kCountNumbers3;
    case Game::Numbers4:
        return kCountNumbers4;
    case Game::MiniLoto:
        break;
    }
    return kCountMiniLoto;
}

std::optional<DrawSpan> storedDraws(const QString& database, Game game, Status* status)
{
    DrawSpan stored;
    const Status result = read(database, countStatement(game), kWherePositive, [&](const Row& row) {
        const int kaisai = row.integer(u"kaisai");
        stored.first = stored.draws == 0 ? kaisai : std::min(stored.first, kaisai);
        stored.last = stored.draws == 0 ? kaisai : std::max(stored.last, kaisai);
        ++stored.draws;
    });
    if (status)
        *status = result;
    if (!result)
        return std::nullopt;
    return stored;
}

} // namespace zelpo::db

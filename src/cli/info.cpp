// SPDX-License-Identifier: MIT
// zelpo-cli info [--db PATH]: which database file is used and what it holds.
// Tab-separated lines: "file", the path and its size in bytes; then per game
// its name, the number of draws, the first and last draw number ("-" when
// there are none) and the next draw number as the game's window shows it.
#include "cli/args.h"
#include "cli/cli.h"
#include "db/drawcount.h"
#include "db/query.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <limits>

namespace zelpo::cli {
namespace {

struct GameTable {
    const char* name;
    QStringView countSql; // the window's own count text
};

constexpr std::array kGames {
    GameTable { "numbers3", db::kCountNumbers3 },
    GameTable { "numbers4", db::kCountNumbers4 },
    GameTable { "miniloto", db::kCountMiniLoto },
};

} // namespace

int runInfo(Context& context)
{
    QStringList args = context.args;
    bool missingValue = false;
    const std::optional<QString> option = takeOption(args, QStringLiteral("--db"), &missingValue);
    if (missingValue || !args.isEmpty())
        return usageError(context);
    const QString database = option.value_or(context.defaultDatabase);
    const QFileInfo file(database);
    if (!file.isFile()) {
        context.err << "zelpo-cli info: there is no database at " << file.absoluteFilePath()
                    << "; create it with 'zelpo-cli init'\n";
        return 1;
    }

    QStringList lines { QStringLiteral("file\t%1\t%2").arg(file.absoluteFilePath()).arg(file.size()) };
    for (const GameTable& game : kGames) {
        int draws = 0;
        int first = std::numeric_limits<int>::max();
        int last = 0;
        db::Status status = db::read(database, game.countSql, db::kWherePositive, [&](const db::Row& row) {
            const int kaisai = row.integer(u"kaisai");
            ++draws;
            first = std::min(first, kaisai);
            last = std::max(last, kaisai);
        });
        std::optional<int> next;
        if (status.ok())
            next = db::nextDrawNumber(database, game.countSql, db::kWherePositive, &status);
        if (!next) {
            context.err << "zelpo-cli info: " << game.name << ": " << db::describe(status) << '\n';
            return 1;
        }
        lines << QStringLiteral("%1\t%2\t%3\t%4\t%5")
                     .arg(QLatin1String(game.name))
                     .arg(draws)
                     .arg(draws ? QString::number(first) : QStringLiteral("-"))
                     .arg(draws ? QString::number(last) : QStringLiteral("-"))
                     .arg(*next);
    }
    for (const QString& line : lines)
        context.out << line << '\n';
    return 0;
}

} // namespace zelpo::cli

// SPDX-License-Identifier: MIT
// zelpo-cli stats GAME [--db PATH]: the digit counts per position, as the
// game's window lists them: a header line, then one line per position, units
// first, the cells separated by tabs.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "data/db/drawcount.h"
#include "data/numbers3/numbers3data.h"
#include "data/numbers4/numbers4data.h"

#include <array>

namespace zelpo::cli {
namespace {

struct GameStatistics {
    const char* name;
    const numbers::Table& table;
};

constexpr std::array kGames {
    GameStatistics { "numbers3", numbers3::kTable },
    GameStatistics { "numbers4", numbers4::kTable },
};

void printLine(QTextStream& out, const std::vector<std::string>& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i)
        out << (i ? "\t" : "") << QString::fromStdString(cells[i]);
    out << '\n';
}

} // namespace

int runStats(Context& context)
{
    const auto choice = takeGameAndDatabase(context, kGames);
    if (!choice)
        return 2;
    const GameStatistics* game = choice->game;
    const QString& database = choice->database;
    db::Status status;
    const std::optional<numbers::DigitCounts> counts
        = numbers::digitCounts(game->table, database, db::kWherePositive, &status);
    if (!counts) {
        context.err << "zelpo-cli stats: " << db::describe(status) << '\n';
        return 1;
    }
    std::vector<std::string> header;
    for (const numbers::StatisticsColumn& column : numbers::statisticsColumns())
        header.emplace_back(column.header);
    printLine(context.out, header);
    for (const std::vector<std::string>& row : numbers::statisticsRows(*counts))
        printLine(context.out, row);
    return 0;
}

} // namespace zelpo::cli

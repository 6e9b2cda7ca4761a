// SPDX-License-Identifier: MIT
// zelpo-cli info [--db PATH]: which database file is used and what it holds.
// Tab-separated lines: "file", the path and its size in bytes; then per game
// its name, the number of draws, the first and last draw number ("-" when
// there are none), the next draw number as the game's window shows it and
// the date of the last draw ("-" when the file does not know it), then from
// the draw calendar the draw that should be the newest published one by now,
// its date, and how many draws the file lacks up to it ("-" three times when
// the last draw has no stored date).
// A game whose table cannot be read is named on standard error and the others
// are still listed; the command then fails.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "data/db/drawcount.h"
#include "data/db/payouts.h"
#include "data/db/query.h"
#include "data/update/calendarstate.h"

#include <QFileInfo>

namespace zelpo::cli {
namespace {

// The file at `database` is one info can read, or why it is not.
QString notADatabaseFile(const Context& context, const QString& database)
{
    const QFileInfo file(database);
    const QString shown = db::shownText(file.absoluteFilePath());
    if (!file.exists() && file.isSymLink())
        return QStringLiteral("%1 is a link to nothing").arg(shown);
    if (!file.exists()) {
        return QStringLiteral("there is no database at %1; create it with: %2")
            .arg(shown, initCommand(context, database));
    }
    if (const QString kind = notARegularFile(database); !kind.isEmpty())
        return QStringLiteral("%1 is %2, not a database file").arg(shown, kind);
    return {};
}

// A failure of one table; any other leaves nothing to read in the others.
bool concernsOneTable(const db::Status& status)
{
    return status.failure() == db::Failure::Statement || status.failure() == db::Failure::Read;
}

// "7127\t2026-12-07\t73": the draw expected by now, its date and how many
// the file lacks; "-" for each when the last draw has no date.
QString calendarColumns(Game game, int last, const QString& lastDate, std::chrono::sys_seconds now)
{
    const std::optional<std::chrono::year_month_day> day = update::dayOf(lastDate);
    if (!day)
        return QStringLiteral("-\t-\t-");
    const update::CalendarState state = update::calendarState(game, { last, *day }, now);
    return QStringLiteral("%1\t%2\t%3")
        .arg(state.expected.kaisai)
        .arg(update::isoText(state.expected.date))
        .arg(state.missing);
}

} // namespace

int runInfo(Context& context)
{
    QStringList args = context.args;
    bool missingValue = false;
    const std::optional<QString> option = takeOption(args, QStringLiteral("--db"), &missingValue);
    if (missingValue || !args.isEmpty())
        return usageError(context);
    const QString database = option.value_or(context.defaultDatabase);
    if (const QString problem = notADatabaseFile(context, database); !problem.isEmpty()) {
        context.err << "zelpo-cli info: " << problem << '\n';
        return 1;
    }

    const QFileInfo file(database);
    context.out << "file\t" << db::shownText(file.absoluteFilePath()) << '\t' << file.size() << '\n';
    int code = 0;
    const std::chrono::sys_seconds now = update::currentTime();
    for (const NamedGame& game : kNamedGames) {
        db::Status status;
        const std::optional<db::DrawSpan> stored = db::storedDraws(database, game.game, &status);
        std::optional<int> next;
        if (stored)
            next = db::nextDrawNumber(database, db::countStatement(game.game), db::kWherePositive, &status);
        QString date; // of the last draw
        if (next && stored->draws > 0)
            status = db::readDrawDate(database, game.game, stored->last, date);
        if (!next || !status.ok()) {
            context.err << "zelpo-cli info: " << game.name << ": " << db::describe(status) << '\n';
            code = 1;
            if (!concernsOneTable(status))
                break;
            continue;
        }
        const auto number = [&](int value) { return stored->draws ? QString::number(value) : QStringLiteral("-"); };
        context.out << game.name << '\t' << stored->draws << '\t' << number(stored->first) << '\t'
                    << number(stored->last) << '\t' << *next << '\t' << (date.isEmpty() ? QStringLiteral("-") : date)
                    << '\t' << calendarColumns(game.game, stored->last, date, now) << '\n';
    }
    return code;
}

} // namespace zelpo::cli

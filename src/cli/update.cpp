// SPDX-License-Identifier: MIT
// zelpo-cli update [GAME] [--db PATH] [--source feed|official|URL|PATH]
// [--dry-run] [--json]: appends the draws published since the highest stored
// one, with the predictions the windows would have stored, and fills in the
// dates and payouts the file lacks. Without GAME all three games.
//
// One line per game on standard output:
//   numbers3: 76 new draws, 7055 to 7130 (feed)
//   numbers3: up to date at 7130 (feed)
//   numbers3: failed: <reason>
// or one JSON object with --json. Notes (sources that failed before the one
// that answered, filled-in draws, a dry run) go to standard error.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "data/tickets/ticketrecord.h"
#include "data/update/sourceurls.h"
#include "data/update/updaterun.h"

namespace zelpo::cli {
namespace {

using update::Game;
using update::GameOutcome;

std::optional<Game> gameNamed(const QString& name)
{
    for (const Game game : { Game::Numbers3, Game::Numbers4, Game::MiniLoto }) {
        if (update::gameKey(game) == name)
            return game;
    }
    return std::nullopt;
}

// What the line says after "numbers3: ".
QString summary(const GameOutcome& outcome)
{
    switch (outcome.status) {
    case GameOutcome::Status::Updated:
        if (outcome.added == 1)
            return QStringLiteral("1 new draw, %1 (%2)").arg(outcome.first).arg(outcome.source);
        return QStringLiteral("%1 new draws, %2 to %3 (%4)")
            .arg(outcome.added)
            .arg(outcome.first)
            .arg(outcome.last)
            .arg(outcome.source);
    case GameOutcome::Status::Current:
        return QStringLiteral("up to date at %1 (%2)").arg(outcome.highest).arg(outcome.source);
    case GameOutcome::Status::Failed:
        return QStringLiteral("failed: ") + outcome.reason;
    case GameOutcome::Status::Cancelled:
        break;
    }
    return QStringLiteral("failed: cancelled");
}

// The summary without the source in brackets, for the JSON "message".
QString message(const GameOutcome& outcome)
{
    if (outcome.status == GameOutcome::Status::Failed)
        return outcome.reason;
    const QString line = summary(outcome);
    return line.left(line.lastIndexOf(QStringLiteral(" (")));
}

QString jsonString(const QString& text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += u'\\' + QString(c);
        else if (c == u'\n')
            quoted += QStringLiteral("\\n");
        else if (c.unicode() < 0x20)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + u'"';
}

QString jsonNumber(int value, bool known)
{
    return known ? QString::number(value) : QStringLiteral("null");
}

QString jsonReport(const std::vector<GameOutcome>& outcomes)
{
    QStringList games;
    for (const GameOutcome& outcome : outcomes) {
        const char* status = outcome.status == GameOutcome::Status::Updated ? "updated"
            : outcome.status == GameOutcome::Status::Current                ? "current"
                                                                            : "failed";
        const bool added = outcome.added > 0;
        games << QStringLiteral("{\"game\": %1, \"status\": \"%2\", \"source\": %3, \"new\": %4, \"first\": %5, "
                                "\"last\": %6, \"filled\": %7, \"message\": %8}")
                     .arg(jsonString(update::gameKey(outcome.game)), QLatin1String(status),
                         outcome.source.isEmpty() ? QStringLiteral("null") : jsonString(outcome.source))
                     .arg(outcome.added)
                     .arg(jsonNumber(outcome.first, added), jsonNumber(outcome.last, added))
                     .arg(outcome.filled)
                     .arg(jsonString(message(outcome)));
    }
    return QStringLiteral("{\"games\": [") + games.join(QStringLiteral(", ")) + QStringLiteral("]}\n");
}

void printNotes(QTextStream& err, const GameOutcome& outcome, bool dryRun)
{
    const QString prefix = QStringLiteral("zelpo-cli update: %1: ").arg(update::gameKey(outcome.game));
    if (outcome.status == GameOutcome::Status::Failed)
        return; // the line says why
    for (const QString& failure : outcome.failures)
        err << prefix << failure << '\n';
    if (outcome.filled > 0) {
        err << prefix << (dryRun ? "would fill in" : "filled in") << " the date or payouts of " << outcome.filled
            << " stored draws\n";
    }
}

} // namespace

int runUpdate(Context& context)
{
    QStringList args = context.args;
    const bool json = takeFlag(args, QStringLiteral("--json"));
    const bool dryRun = takeFlag(args, QStringLiteral("--dry-run"));
    bool missingDatabase = false;
    bool missingSource = false;
    const std::optional<QString> database = takeOption(args, QStringLiteral("--db"), &missingDatabase);
    const std::optional<QString> source = takeOption(args, QStringLiteral("--source"), &missingSource);
    if (missingDatabase || missingSource || args.size() > 1
        || (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))))
        return usageError(context);

    update::UpdateRequest request;
    request.database = database.value_or(context.defaultDatabase);
    request.source = source.value_or(QString());
    request.dryRun = dryRun;
    if (args.isEmpty()) {
        request.games = { Game::Numbers3, Game::Numbers4, Game::MiniLoto };
    } else if (const std::optional<Game> game = gameNamed(args.first())) {
        request.games = { *game };
    } else {
        return usageError(context, unknownGame(args.first()));
    }
    const bool sourceIsFile = source && *source != QLatin1String("feed") && *source != QLatin1String("official");
    if (sourceIsFile && args.isEmpty()) {
        return usageError(
            context, QStringLiteral("a file holds the draws of one game: name the game to read from ") + *source);
    }

    const std::vector<GameOutcome> outcomes = update::updateBlocking(request, update::sourceUrls());
    bool failed = false;
    for (const GameOutcome& outcome : outcomes) {
        failed = failed || outcome.status == GameOutcome::Status::Failed;
        printNotes(context.err, outcome, dryRun);
        if (!json)
            context.out << update::gameKey(outcome.game) << ": " << summary(outcome) << '\n';
        // The wins of the bought tickets the new draws decided.
        if (!json && !dryRun && outcome.status == GameOutcome::Status::Updated && outcome.added > 0) {
            const QString wins = tickets::winAnnouncement(request.database, outcome.game, outcome.first, outcome.last);
            if (!wins.isEmpty())
                context.out << wins << '\n';
        }
    }
    if (json)
        context.out << jsonReport(outcomes);
    if (dryRun)
        context.err << "zelpo-cli update: a dry run: nothing was stored\n";
    return failed ? 1 : 0;
}

} // namespace zelpo::cli

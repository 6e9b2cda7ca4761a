// SPDX-License-Identifier: MIT
// zelpo-cli update [GAME] [--db PATH] [--source feed|official|URL|PATH]
// [--dry-run] [--json]: appends the draws published since the highest stored
// one, with the predictions the windows would have stored, and fills in the
// dates and payouts the file lacks. Without GAME all three games.
//
// One line per game on standard output:
//   numbers3: 76 new draws, 7055 to 7130 (feed)
//   numbers3: up to date at 7130 (feed)
//   numbers3: 77 draws missing: stored up to 7054, expected up to 7131 (2026-12-08) (feed)
//   numbers3: failed: source feed: https://...: HTTP 404; source official: ...
//   numbers3: failed: the internet could not be reached (source feed: ...)
// ("source NAME" is the source as --source names it: feed, official, a file;
// "would add 76 new draws" in a dry run) or one JSON object with --json.
// Notes (sources that failed before the one that answered, sources that stop
// short of the draw calendar, disagreements on older stored draws, filled-in
// draws, a dry run) go to standard error. A game still missing draws the
// calendar says are out fails the command, as a failed game does.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "data/tickets/ticketrecord.h"
#include "data/update/sourceurls.h"
#include "data/update/updaterun.h"

namespace zelpo::cli {
namespace {

using update::GameOutcome;

// "7131 (2026-12-08)".
QString drawText(int kaisai, const QString& date)
{
    return date.isEmpty() ? QString::number(kaisai) : QStringLiteral("%1 (%2)").arg(kaisai).arg(date);
}

// What the line says after "numbers3: ".
QString summary(const GameOutcome& outcome, bool dryRun)
{
    const QString would = dryRun ? QStringLiteral("would add ") : QString();
    switch (outcome.status) {
    case GameOutcome::Status::Updated:
        if (outcome.added == 1)
            return would + QStringLiteral("1 new draw, %1 (%2)").arg(outcome.first).arg(outcome.source);
        return would
            + QStringLiteral("%1 new draws, %2 to %3 (%4)")
                  .arg(outcome.added)
                  .arg(outcome.first)
                  .arg(outcome.last)
                  .arg(outcome.source);
    case GameOutcome::Status::Current:
        return QStringLiteral("up to date at %1 (%2)").arg(outcome.highest).arg(outcome.source);
    case GameOutcome::Status::Behind:
        return QStringLiteral("%1 draw%2 missing: stored up to %3, expected up to %4 (%5)")
            .arg(outcome.missing)
            .arg(outcome.missing == 1 ? QString() : QStringLiteral("s"))
            .arg(outcome.highest)
            .arg(drawText(outcome.expected.kaisai, update::isoText(outcome.expected.date)), outcome.source);
    case GameOutcome::Status::Failed:
        return QStringLiteral("failed: ") + outcome.reason;
    case GameOutcome::Status::Cancelled:
        break;
    }
    return QStringLiteral("failed: cancelled");
}

// The summary without the source in brackets, for the JSON "message".
QString message(const GameOutcome& outcome, bool dryRun)
{
    if (outcome.status == GameOutcome::Status::Failed)
        return outcome.reason;
    const QString line = summary(outcome, dryRun);
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

const char* statusKey(GameOutcome::Status status)
{
    switch (status) {
    case GameOutcome::Status::Updated:
        return "updated";
    case GameOutcome::Status::Current:
        return "current";
    case GameOutcome::Status::Behind:
        return "behind";
    case GameOutcome::Status::Failed:
    case GameOutcome::Status::Cancelled:
        break;
    }
    return "failed";
}

QString jsonDate(const QDate& date)
{
    return date.isValid() ? jsonString(date.toString(Qt::ISODate)) : QStringLiteral("null");
}

// "stops": where the sources that stopped short end; "notes": the older
// stored draws a source disagrees on.
QString jsonSourceNotes(const GameOutcome& outcome)
{
    QStringList stops;
    for (const update::SourceStop& stop : outcome.stops) {
        stops << QStringLiteral("{\"source\": %1, \"latest\": %2, \"date\": %3}")
                     .arg(jsonString(stop.source))
                     .arg(stop.latest)
                     .arg(jsonDate(stop.date));
    }
    QStringList notes;
    for (const auto& [source, note] : outcome.notes) {
        notes << QStringLiteral("{\"draw\": %1, \"source\": %2, \"stored\": %3, \"published\": %4, \"message\": %5}")
                     .arg(note.kaisai)
                     .arg(jsonString(source), jsonString(note.stored), jsonString(note.published),
                         jsonString(update::describe(note)));
    }
    return QStringLiteral("\"stops\": [%1], \"notes\": [%2]")
        .arg(stops.join(QStringLiteral(", ")), notes.join(QStringLiteral(", ")));
}

QString jsonReport(const std::vector<GameOutcome>& outcomes, bool dryRun)
{
    QStringList games;
    for (const GameOutcome& outcome : outcomes) {
        const bool added = outcome.added > 0;
        const bool expected = outcome.expected.kaisai > 0;
        games << QStringLiteral(
            "{\"game\": %1, \"status\": \"%2\", \"source\": %3, \"new\": %4, \"first\": %5, "
            "\"last\": %6, \"filled\": %7, \"expected\": %8, \"missing\": %9, %10, \"message\": %11}")
                     .arg(jsonString(update::gameKey(outcome.game)), QLatin1String(statusKey(outcome.status)),
                         outcome.source.isEmpty() ? QStringLiteral("null") : jsonString(outcome.source))
                     .arg(outcome.added)
                     .arg(jsonNumber(outcome.first, added), jsonNumber(outcome.last, added))
                     .arg(outcome.filled)
                     .arg(jsonNumber(outcome.expected.kaisai, expected))
                     .arg(outcome.missing)
                     .arg(jsonSourceNotes(outcome), jsonString(message(outcome, dryRun)));
    }
    return QStringLiteral("{%1\"games\": [").arg(dryRun ? QStringLiteral("\"dry_run\": true, ") : QString())
        + games.join(QStringLiteral(", ")) + QStringLiteral("]}\n");
}

void printNotes(QTextStream& err, const GameOutcome& outcome, bool dryRun)
{
    const QString prefix = QStringLiteral("zelpo-cli update: %1: ").arg(update::gameKey(outcome.game));
    if (outcome.status == GameOutcome::Status::Failed)
        return; // the line says why
    for (const update::SourceFailure& failure : outcome.failures)
        err << prefix << failure.text() << '\n';
    for (const update::SourceStop& stop : outcome.stops) {
        err << prefix << stop.source << ": stops at draw " << drawText(stop.latest, stop.date.toString(Qt::ISODate))
            << '\n';
    }
    for (const auto& [source, note] : outcome.notes)
        err << prefix << source << ": " << update::describe(note) << "; the stored draw is kept\n";
    if (outcome.status == GameOutcome::Status::Updated && outcome.missing > 0) {
        err << prefix << outcome.missing << " draw" << (outcome.missing == 1 ? "" : "s") << " still missing up to "
            << drawText(outcome.expected.kaisai, update::isoText(outcome.expected.date)) << '\n';
    }
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
    const qsizetype sourceAt = args.indexOf(QStringLiteral("--source"));
    const bool emptySource = args.contains(QStringLiteral("--source="))
        || (sourceAt >= 0 && sourceAt + 1 < args.size() && args[sourceAt + 1].isEmpty());
    const std::optional<QString> database = takeOption(args, QStringLiteral("--db"), &missingDatabase);
    const std::optional<QString> source = takeOption(args, QStringLiteral("--source"), &missingSource);
    if (missingSource && emptySource) {
        return usageError(context,
            QStringLiteral("--source is empty: name feed, official, a file's address (https://...) or its path"));
    }
    if (missingDatabase || missingSource || args.size() > 1
        || (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))))
        return usageError(context);

    update::UpdateRequest request;
    request.database = database.value_or(context.defaultDatabase);
    request.source = source.value_or(QString());
    request.dryRun = dryRun;
    if (args.isEmpty()) {
        request.games = { Game::Numbers3, Game::Numbers4, Game::MiniLoto };
    } else if (const std::optional<Game> game = parseGame(args.first())) {
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
        failed
            = failed || outcome.status == GameOutcome::Status::Failed || outcome.status == GameOutcome::Status::Behind;
        printNotes(context.err, outcome, dryRun);
        if (!json)
            context.out << update::gameKey(outcome.game) << ": " << summary(outcome, dryRun) << '\n';
        // The wins of the bought tickets the new draws decided.
        if (!json && !dryRun && outcome.status == GameOutcome::Status::Updated && outcome.added > 0) {
            const QString wins = tickets::winAnnouncement(request.database, outcome.game, outcome.first, outcome.last);
            if (!wins.isEmpty())
                context.out << wins << '\n';
        }
    }
    if (json)
        context.out << jsonReport(outcomes, dryRun);
    if (dryRun)
        context.err << "zelpo-cli update: a dry run: nothing was stored\n";
    return failed ? 1 : 0;
}

} // namespace zelpo::cli

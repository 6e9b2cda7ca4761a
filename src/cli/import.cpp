// SPDX-License-Identifier: MIT
// zelpo-cli import GAME FILE [--db PATH] [--encoding NAME]: appends the draws
// of a CSV file to the game's table, all of them or none.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "data/db/transfer.h"
#include "data/tickets/ticketrecord.h"

#include <QFile>
#include <QFileInfo>

namespace zelpo::cli {
namespace {

std::optional<QByteArray> readFile(const QString& path, QTextStream& err)
{
    const QString shown = db::shownText(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        err << "zelpo-cli: cannot read " << shown << ": no such file\n";
        return std::nullopt;
    }
    if (info.isDir()) {
        err << "zelpo-cli: cannot read " << shown << ": it is a folder\n";
        return std::nullopt;
    }
    // A pipe, a device or a file alike: read up to the limit and no further.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "zelpo-cli: cannot read " << shown << ": " << file.errorString() << '\n';
        return std::nullopt;
    }
    db::InputBytes input = db::readInput(file);
    if (input.problem) {
        err << "zelpo-cli: " << shown << ": " << QString::fromStdString(db::csv::describe(*input.problem)) << '\n';
        return std::nullopt;
    }
    if (!input.error.isEmpty()) {
        err << "zelpo-cli: cannot read " << shown << ": " << input.error << '\n';
        return std::nullopt;
    }
    return std::move(input.bytes);
}

} // namespace

int runImport(Context& context)
{
    QStringList args = context.args;
    bool missingDatabase = false;
    bool missingEncoding = false;
    const std::optional<QString> databaseOption = takeOption(args, QStringLiteral("--db"), &missingDatabase);
    const std::optional<QString> encodingOption = takeOption(args, QStringLiteral("--encoding"), &missingEncoding);
    if (missingDatabase || missingEncoding || args.size() != 2)
        return usageError(context);
    const std::optional<Game> game = parseGame(args.first());
    if (!game)
        return usageError(context, unknownGame(args.first()));
    std::optional<db::csv::Encoding> encoding;
    if (encodingOption) {
        encoding = db::csv::encodingNamed(encodingOption->toStdString());
        if (!encoding) {
            return usageError(context,
                QStringLiteral("unknown encoding '%1' (utf-8 or shift_jis)").arg(db::shownText(*encodingOption)));
        }
    }

    const QString path = args.last();
    std::optional<QByteArray> bytes = readFile(path, context.err);
    if (!bytes) {
        context.err << "zelpo-cli: nothing imported\n";
        return 1;
    }

    const QString database = databaseOption.value_or(context.defaultDatabase);
    const std::vector<std::pair<std::int64_t, int>> winsBefore = tickets::currentWins(database, *game);
    const db::ImportResult result = db::importDraws(database, *game, std::move(*bytes), encoding);
    if (result.problem) {
        context.err << "zelpo-cli: " << db::shownText(path) << ": "
                    << QString::fromStdString(db::csv::describe(*result.problem)) << '\n';
    } else if (result.conflictCount > 0) {
        for (const QString& conflict : result.conflicts)
            context.err << "zelpo-cli: " << conflict << '\n';
        if (result.conflictCount > result.conflicts.size()) {
            context.err << "zelpo-cli: and " << result.conflictCount - result.conflicts.size()
                        << " more draws stored with other numbers\n";
        }
    } else if (!result.status.ok()) {
        context.err << "zelpo-cli: " << db::describe(result.status) << '\n';
        if (result.status.failure() == db::Failure::Missing)
            context.err << "zelpo-cli: create it first with: " << initCommand(context, database) << '\n';
    }
    if (!result.ok()) {
        context.err << "zelpo-cli: nothing imported\n";
        return 1;
    }

    context.out << "imported " << result.imported << " draws, " << result.alreadyStored << " already stored\n";
    // The wins of the bought tickets the new draws decided.
    if (result.imported > 0) {
        if (const QString wins = tickets::winsSince(database, *game, winsBefore); !wins.isEmpty())
            context.out << wins << '\n';
    }
    if (result.highestDraw > result.storedDraws) {
        // The windows number the next draw by counting the stored ones.
        context.err << "zelpo-cli: note: the stored draws of this game are not numbered 1 to " << result.storedDraws
                    << " without gaps (the highest is " << result.highestDraw
                    << "); the windows will number the next draw " << result.storedDraws + 1 << '\n';
    }
    return 0;
}

} // namespace zelpo::cli

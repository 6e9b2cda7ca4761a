// SPDX-License-Identifier: MIT
// zelpo-cli export GAME [FILE] [--db PATH] [--force]: the game's table as CSV,
// on standard output or into a file.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "data/db/transfer.h"

#include <QFileInfo>

#include <string_view>
#include <vector>

namespace zelpo::cli {
namespace {

constexpr int kRowsNamed = 10;

// The export holds every row as stored; a row that import would refuse makes
// the file a backup that cannot be restored whole, which the user must know.
void warnAboutRowsImportRefuses(QTextStream& err, Game game, const QByteArray& text)
{
    const std::vector<db::csv::Problem> problems = db::csv::rowProblems(
        db::csvTable(game), std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (problems.empty())
        return;
    err << "zelpo-cli: warning: import would refuse " << problems.size() << (problems.size() == 1 ? " row" : " rows")
        << " of this export:\n";
    for (std::size_t i = 0; i < problems.size() && i < kRowsNamed; ++i)
        err << "zelpo-cli:   " << QString::fromStdString(db::csv::describe(problems[i])) << '\n';
    if (problems.size() > kRowsNamed)
        err << "zelpo-cli:   and " << problems.size() - kRowsNamed << " more\n";
}

} // namespace

int runExport(Context& context)
{
    QStringList args = context.args;
    bool missingDatabase = false;
    const std::optional<QString> databaseOption = takeOption(args, QStringLiteral("--db"), &missingDatabase);
    const bool force = takeFlag(args, QStringLiteral("--force"));
    const bool hasFile = args.size() == 2;
    if (missingDatabase || args.isEmpty() || args.size() > 2)
        return usageError(context);
    const std::optional<Game> game = parseGame(args.first());
    if (!game)
        return usageError(context, unknownGame(args.first()));
    const QString database = databaseOption.value_or(context.defaultDatabase);
    const QString path = hasFile ? args.last() : QString();
    const QString shown = db::shownText(path);

    if (hasFile) {
        const QFileInfo target(path);
        // Replacing a named pipe or a device by a regular file would break
        // whatever else uses it; those are never written, --force or not.
        if (const QString kind = notARegularFile(path); !kind.isEmpty()) {
            context.err << "zelpo-cli: " << shown << " is " << kind
                        << "; export writes only regular files or standard output\n";
            return 1;
        }
        if (target.exists() && target.canonicalFilePath() == QFileInfo(database).canonicalFilePath()) {
            context.err << "zelpo-cli: " << shown << " is the database itself; choose another file\n";
            return 1;
        }
        if (target.exists() && !force) {
            context.err << "zelpo-cli: " << shown << " already exists; give --force to replace it\n";
            return 1;
        }
    }

    const db::ExportResult result = db::exportDraws(database, *game);
    if (!result.status.ok()) {
        context.err << "zelpo-cli: " << db::describe(result.status) << '\n';
        return 1;
    }
    if (!hasFile) {
        context.out << QString::fromUtf8(result.text);
    } else if (const QString failure = replaceFile(path, result.text); !failure.isEmpty()) {
        // Written aside and renamed into place: a failed export leaves no half
        // file, and a file it was to replace as it was.
        context.err << "zelpo-cli: cannot write " << shown << ": " << failure << '\n';
        return 1;
    } else {
        context.out << "exported " << result.draws << " draws to " << shown << '\n';
    }
    warnAboutRowsImportRefuses(context.err, *game, result.text);
    return 0;
}

} // namespace zelpo::cli

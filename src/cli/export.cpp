// SPDX-License-Identifier: MIT
// zelpo-cli export GAME [FILE] [--db PATH] [--force]: the game's table as CSV,
// on standard output or into a file.
#include "cli/args.h"
#include "cli/cli.h"
#include "db/transfer.h"

#include <QFileInfo>
#include <QSaveFile>

namespace zelpo::cli {
namespace {

void printUsage(QTextStream& stream)
{
    stream << "usage: zelpo-cli export numbers3|numbers4|miniloto [FILE] [--db PATH] [--force]\n";
}

} // namespace

int runExport(Context& context)
{
    QStringList args = context.args;
    bool missingDatabase = false;
    const std::optional<QString> databaseOption = takeOption(args, QStringLiteral("--db"), &missingDatabase);
    const bool force = takeFlag(args, QStringLiteral("--force"));
    const bool hasFile = args.size() == 2;
    if (missingDatabase || args.isEmpty() || args.size() > 2 || args.first().startsWith(QLatin1String("--"))
        || (hasFile && args.last().startsWith(QLatin1String("--")))) {
        printUsage(context.err);
        return 2;
    }
    const std::optional<db::Game> game = parseGame(args.first());
    if (!game) {
        context.err << "zelpo-cli export: unknown game '" << args.first() << "'\n";
        printUsage(context.err);
        return 2;
    }
    const QString database = databaseOption.value_or(context.defaultDatabase);
    const QString path = hasFile ? args.last() : QString();

    if (hasFile) {
        const QFileInfo target(path);
        if (target.exists() && target.canonicalFilePath() == QFileInfo(database).canonicalFilePath()) {
            context.err << "zelpo-cli: " << path << " is the database itself; choose another file\n";
            return 1;
        }
        if (target.exists() && !force) {
            context.err << "zelpo-cli: " << path << " already exists; give --force to replace it\n";
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
        return 0;
    }

    // Written aside and renamed into place: a failed export leaves no half file
    // and leaves a file it was to replace as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(result.text) != result.text.size() || !file.commit()) {
        context.err << "zelpo-cli: cannot write " << path << ": " << file.errorString() << '\n';
        return 1;
    }
    context.out << "exported " << result.draws << " draws to " << path << '\n';
    return 0;
}

} // namespace zelpo::cli

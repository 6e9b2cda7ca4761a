// SPDX-License-Identifier: MIT
// zelpo-cli init [--empty] [PATH]: a new database holding the published
// history of every game, or bare tables with --empty.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "data/db/create.h"
#include "data/db/history.h"
#include "data/db/schema.h"

namespace zelpo::cli {
int runInit(Context& context)
{
    QStringList args = context.args;
    const bool empty = takeFlag(args, QStringLiteral("--empty"));
    // A path is a plain file name, never empty.
    if (args.size() > 1 || (!args.isEmpty() && args.first().isEmpty()))
        return usageError(context);
    const QString path = args.isEmpty() ? context.defaultDatabase : args.first();
    // The default may lie in the user's data folder, which a first run has to make.
    db::CreatedDatabase created { args.isEmpty() ? db::makeFolderFor(path) : db::CreateFailure {}, {} };
    if (created.ok() && empty)
        created.failure = db::createDatabaseFile(path);
    else if (created.ok())
        created = db::createDatabaseWithHistory(path);
    if (!created.ok()) {
        context.err << "zelpo-cli: " << db::describe(created.failure) << '\n';
        return 1;
    }
    context.out << "created " << db::shownText(path) << (empty ? " with empty tables\n" : "\n");
    for (const db::StoredHistory& stored : created.stored) {
        context.out << gameName(stored.game) << ": " << stored.draws << " draws, " << stored.first << " to "
                    << stored.last << '\n';
    }
    return 0;
}

} // namespace zelpo::cli

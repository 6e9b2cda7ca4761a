// SPDX-License-Identifier: MIT
#include "cli/cli.h"
#include "db/schema.h"

namespace zelpo::cli {

int runInit(Context& context)
{
    if (context.args.size() > 1) {
        context.err << "usage: zelpo-cli init [PATH]\n";
        return 2;
    }
    const QString path = context.args.isEmpty() ? context.defaultDatabase : context.args.first();
    const QString failure = db::createDatabaseFile(path);
    if (!failure.isEmpty()) {
        context.err << "zelpo-cli: " << failure << '\n';
        return 1;
    }
    context.out << "created " << path << '\n';
    return 0;
}

} // namespace zelpo::cli

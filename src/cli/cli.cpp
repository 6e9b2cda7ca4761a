// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include "cli/commands.h"
#include "data/db/query.h"
#include "data/versions.h"

#include <QIODevice>

namespace zelpo::cli {
namespace {

bool isHelp(const QString& argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

int dispatch(const QStringList& arguments, QTextStream& out, QTextStream& err, const QString& defaultDatabase)
{
    if (arguments.isEmpty()) {
        printOverallUsage(err);
        return 2;
    }
    const QString& first = arguments.first();
    // "--help backtest" asks for the command's usage as "backtest --help" does.
    const Command* asked = arguments.size() == 2 && isHelp(first) ? findCommand(arguments[1]) : nullptr;
    if (asked) {
        printUsage(out, *asked);
        return 0;
    }
    if (arguments.size() == 1 && isHelp(first)) {
        printOverallUsage(out);
        return 0;
    }
    if (arguments.size() == 1 && first == QLatin1String("--version")) {
        const app::RunningVersions versions = app::runningVersions();
        out << versions.program << '\n' << versions.toolkit << '\n';
        if (!versions.engine.isEmpty())
            out << versions.engine << '\n';
        return 0;
    }
    if (isHelp(first) || first == QLatin1String("--version")) {
        err << "zelpo-cli: " << first << " takes no other arguments\n";
        printOverallUsage(err);
        return 2;
    }
    const Command* command = findCommand(first);
    if (!command) {
        err << "zelpo-cli: unknown command '" << db::shownText(first) << "'\n";
        printOverallUsage(err);
        return 2;
    }
    Context context { arguments.mid(1), out, err, defaultDatabase, command };
    const OptionCheck check = checkOptions(*command, context.args);
    if (check.help) {
        printUsage(out, *command);
        return 0;
    }
    if (!check.unknown.isEmpty())
        return usageError(context, QStringLiteral("unknown option '%1'").arg(db::shownText(check.unknown)));
    return command->run(context);
}

} // namespace

QString cannotWriteOutput(const QString& reason)
{
    return QStringLiteral("cannot write standard output: %1").arg(reason);
}

int usageError(Context& context, const QString& problem)
{
    if (!problem.isEmpty())
        context.err << "zelpo-cli " << context.command->name << ": " << problem << '\n';
    printUsage(context.err, *context.command);
    return 2;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err, const QString& defaultDatabase)
{
    int code = dispatch(arguments, out, err, defaultDatabase);
    // Every answer, the usage and the versions included, is flushed and
    // checked here: a script must never take a cut-short output for a whole one.
    out.flush();
    if (out.status() == QTextStream::WriteFailed) {
        const QIODevice* device = out.device();
        err << "zelpo-cli: "
            << cannotWriteOutput(device ? device->errorString() : QStringLiteral("the stream refused the text"))
            << '\n';
        code = code == 0 ? 1 : code;
    }
    err.flush();
    return code;
}

} // namespace zelpo::cli

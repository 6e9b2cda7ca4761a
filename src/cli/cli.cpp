// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <QIODevice>

#include <array>

namespace zelpo::cli {
namespace {

struct Command {
    const char* name;
    int (*run)(Context&);
    const char* usage;
};

constexpr std::array kCommands {
    Command { "init", runInit,
        "init [--empty] [PATH]  create a database holding the published history (--empty: bare tables)" },
    Command { "info", runInfo, "info [--db PATH]       which database is used and what it holds, per game" },
    Command { "import", runImport,
        "import GAME FILE [--db PATH] [--encoding utf-8|shift_jis]  append the draws of a CSV file" },
    Command { "export", runExport, "export GAME [FILE] [--db PATH] [--force]  write the game's table as CSV" },
    Command { "predict", runPredict, "predict GAME [--db PATH]  print the predictions for the next draw" },
    Command { "search", runSearch,
        "search GAME --straight|--box DIGITS | miniloto N N N N N [--db PATH]  list the matching draws" },
    Command { "stats", runStats, "stats GAME [--db PATH]    print the digit counts per position" },
    Command { "check", runCheck, "check GAME [--db PATH] [--json]  score the stored predictions against their draws" },
    Command { "backtest", runBacktest,
        "backtest GAME [--db PATH] [--from N] [--to N] [--json]  score the predictions the program made before each "
        "draw" },
};

void printUsage(QTextStream& stream)
{
    stream << "usage: zelpo-cli COMMAND [ARGS]\n\ncommands:\n";
    for (const Command& command : kCommands)
        stream << "  " << command.usage << '\n';
}

} // namespace

QString cannotWriteOutput(const QString& reason)
{
    return QStringLiteral("cannot write standard output: %1").arg(reason);
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err, const QString& defaultDatabase)
{
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help")
        || arguments.first() == QLatin1String("-h")) {
        printUsage(arguments.isEmpty() ? err : out);
        return arguments.isEmpty() ? 2 : 0;
    }
    for (const Command& command : kCommands) {
        if (arguments.first() == QLatin1String(command.name)) {
            Context context { arguments.mid(1), out, err, defaultDatabase };
            int code = command.run(context);
            out.flush();
            if (out.status() == QTextStream::WriteFailed) {
                // A script must never take a cut-short output for a whole one.
                const QIODevice* device = out.device();
                err << "zelpo-cli: "
                    << cannotWriteOutput(device ? device->errorString() : QStringLiteral("the stream refused the text"))
                    << '\n';
                code = code == 0 ? 1 : code;
            }
            err.flush();
            return code;
        }
    }
    err << "zelpo-cli: unknown command '" << arguments.first() << "'\n";
    printUsage(err);
    return 2;
}

} // namespace zelpo::cli

// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zelpo::cli {
namespace {

constexpr Option kDatabase { "--db", "PATH", "the database to use instead of the program's own" };
constexpr const char* kGameNote = "GAME: numbers3, numbers4 or miniloto";

constexpr std::array kInitOptions { Option { "--empty", nullptr, "bare tables instead of the published history" } };
constexpr std::array kDatabaseOnly { kDatabase };
constexpr std::array kImportOptions { kDatabase,
    Option { "--encoding", "utf-8|shift_jis", "the file's encoding when it cannot be told from its bytes" } };
constexpr std::array kExportOptions { kDatabase, Option { "--force", nullptr, "replace FILE when it exists" } };
constexpr std::array kSearchOptions {
    Option { "--straight", nullptr, "the digits in their places", true },
    Option { "--box", nullptr, "the digits in any order", true },
    kDatabase,
};
constexpr Option kJson { "--json", nullptr, "one JSON object instead of tab-separated lines" };
constexpr std::array kCheckOptions { kDatabase, kJson };
constexpr std::array kBacktestOptions { kDatabase, Option { "--from", "N", "the first draw to score" },
    Option { "--to", "N", "the last draw to score" }, kJson };
constexpr std::array kTrendsOptions { kDatabase, Option { "--last", "N", "only the latest N draws (all without it)" },
    kJson };
constexpr std::array kUpdateOptions { kDatabase,
    Option { "--source", "feed|official|URL|PATH", "read only this source (a URL or file needs GAME)" },
    Option { "--dry-run", nullptr, "fetch and check, store nothing" }, kJson };

constexpr std::array kTicketsOptions { Option { "--kind", "KIND", "add: the kind of ticket" },
    Option { "--numbers", "NUMBERS", "add: the numbers bought" },
    Option { "--units", "N", "add: units from 1 to 99 (1 without it)" },
    Option { "--draw", "N", "add: the first draw (the next one without it)" },
    Option { "--draws", "K", "add: consecutive draws from 1 to 20 (1 without it)" },
    Option { "--memo", "TEXT", "add: a note kept with the ticket" }, kDatabase,
    Option { "--force", nullptr, "export: replace FILE when it exists" }, kJson };

constexpr std::array kCommands {
    Command { "init", runInit, "[PATH]", kInitOptions,
        "create a database holding the published history (the program's own when no PATH is given)", nullptr },
    Command { "info", runInfo, "", kDatabaseOnly, "which database is used and what it holds, per game", nullptr },
    Command { "import", runImport, "GAME FILE", kImportOptions, "append the draws of a CSV file", kGameNote },
    Command { "export", runExport, "GAME [FILE]", kExportOptions,
        "write the game's table as CSV (on standard output without FILE)", kGameNote },
    Command { "predict", runPredict, "GAME", kDatabaseOnly, "print the predictions for the next draw", kGameNote },
    Command { "search", runSearch, "numbers3|numbers4 --straight|--box DIGITS | miniloto N N N N N", kSearchOptions,
        "list the matching draws",
        "DIGITS: one digit per position, highest first, _ for an open position (1_3_)\n"
        "N: the five Mini Loto numbers, in any order" },
    Command { "stats", runStats, "numbers3|numbers4", kDatabaseOnly, "print the digit counts per position", nullptr },
    Command { "check", runCheck, "GAME", kCheckOptions, "score the stored predictions against their draws", kGameNote },
    Command { "backtest", runBacktest, "GAME", kBacktestOptions,
        "score the predictions the program made before each draw", kGameNote },
    Command { "trends", runTrends, "GAME", kTrendsOptions,
        "each statistic of the draws beside what chance alone gives, with its test", kGameNote },
    Command { "update", runUpdate, "[GAME]", kUpdateOptions,
        "fetch the draws published since the last stored one, with their dates and payouts (all games without GAME)",
        kGameNote },
    Command { "tickets", runTickets, "add|list|remove|export|import ...", kTicketsOptions,
        "the tickets bought: each with its result on every draw it covers, and the money beside chance",
        "tickets add GAME --kind KIND --numbers NUMBERS [--units N] [--draw N] [--draws K] [--memo TEXT]\n"
        "    prints the new ticket's id\n"
        "tickets list [GAME] [--json]   each ticket with its results, then the totals\n"
        "tickets remove ID              the ticket removed\n"
        "tickets export [GAME] [FILE] [--force]   the tickets as CSV (standard output without FILE)\n"
        "tickets import FILE            the tickets of a CSV file: all of them, or none when a row is refused\n"
        "GAME: numbers3, numbers4 or miniloto\n"
        "KIND: straight, box, set or mini (numbers3); straight, box or set (numbers4); ticket (miniloto)\n"
        "NUMBERS: the digits (123, 0123) or five numbers joined by - in any order (1-5-12-20-31)\n"
        "exit status: 0 done, 1 refused or failed (nothing stored), 2 arguments that do not fit" },
};

QString synopsis(const Command& command)
{
    QString text = QLatin1String(command.name);
    if (*command.operands)
        text += u' ' + QLatin1String(command.operands);
    for (const Option& option : command.options) {
        if (option.inOperands)
            continue;
        text += QStringLiteral(" [") + QLatin1String(option.name);
        if (option.value)
            text += u' ' + QLatin1String(option.value);
        text += u']';
    }
    return text;
}

void printNotes(QTextStream& stream, const char* notes)
{
    if (!notes)
        return;
    for (const QString& line : QString::fromLatin1(notes).split(u'\n'))
        stream << "  " << line << '\n';
}

const Option* findOption(const Command& command, QStringView name)
{
    const auto found = std::find_if(command.options.begin(), command.options.end(),
        [&](const Option& option) { return name == QLatin1String(option.name); });
    return found == command.options.end() ? nullptr : &*found;
}

} // namespace

std::span<const Command> commands()
{
    return kCommands;
}

const Command* findCommand(const QString& name)
{
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
        [&](const Command& command) { return name == QLatin1String(command.name); });
    return found == kCommands.end() ? nullptr : &*found;
}

void printOverallUsage(QTextStream& stream)
{
    stream << "usage: zelpo-cli COMMAND [ARGS]\n"
              "       zelpo-cli COMMAND --help   the command's whole usage\n"
              "       zelpo-cli --version        the versions of the program, Qt and SQLite\n\n"
              "commands:\n";
    for (const Command& command : kCommands)
        stream << "  " << synopsis(command) << "\n      " << command.summary << '\n';
}

void printUsage(QTextStream& stream, const Command& command)
{
    stream << "usage: zelpo-cli " << synopsis(command) << '\n' << command.summary << '\n';
    printNotes(stream, command.notes);
    std::size_t width = 0;
    for (const Option& option : command.options)
        width = std::max(width, std::strlen(option.name) + (option.value ? std::strlen(option.value) + 1 : 0));
    for (const Option& option : command.options) {
        QString name = QLatin1String(option.name);
        if (option.value)
            name += u' ' + QLatin1String(option.value);
        stream << "  " << name.leftJustified(static_cast<qsizetype>(width) + 2) << option.help << '\n';
    }
}

OptionCheck checkOptions(const Command& command, const QStringList& args)
{
    OptionCheck check;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            check.help = true;
            continue;
        }
        // Operands: anything else, "-" included.
        if (arg.size() < 2 || !arg.startsWith(u'-'))
            continue;
        const qsizetype equals = arg.indexOf(u'=');
        const Option* option = findOption(command, equals < 0 ? QStringView(arg) : QStringView(arg).left(equals));
        if (!option) {
            if (check.unknown.isEmpty())
                check.unknown = arg;
            continue;
        }
        // The value of an option is never read as one.
        if (option->value && equals < 0)
            ++i;
    }
    return check;
}

} // namespace zelpo::cli

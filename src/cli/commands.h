// SPDX-License-Identifier: MIT
// The commands of zelpo-cli and the options each takes: the one table that
// the overall usage, every command's own usage and the check for options a
// command does not take are all made from.
#pragma once

#include "cli/context.h"

#include <QStringList>
#include <QTextStream>

#include <span>

namespace zelpo::cli {

struct Option {
    const char* name;  // "--db"
    const char* value; // what it takes ("PATH"), or nullptr for a flag
    const char* help;
    bool inOperands = false; // written into the operands instead of as [--name VALUE]
};

struct Command {
    const char* name;
    int (*run)(Context&);
    const char* operands; // what comes before the options: "GAME [FILE]"
    std::span<const Option> options;
    const char* summary;
    const char* notes; // lines of their own for the operands, or nullptr
};

std::span<const Command> commands();

// The subcommands, each in a file of its own.
int runInit(Context& context);
int runInfo(Context& context);
int runPredict(Context& context);
int runSearch(Context& context);
int runImport(Context& context);
int runExport(Context& context);
int runStats(Context& context);
int runCheck(Context& context);
int runBacktest(Context& context);
int runUpdate(Context& context);
int runTrends(Context& context);
int runTickets(Context& context);
const Command* findCommand(const QString& name);

// "usage: zelpo-cli COMMAND [ARGS]" and a synopsis line per command.
void printOverallUsage(QTextStream& stream);
// The command's synopsis with all its options, what it does, and each option.
void printUsage(QTextStream& stream, const Command& command);

// What the arguments are before the command sees them: a request for its
// usage (--help or -h in place of an argument), an option it does not take
// (`unknown` names it), or neither.
struct OptionCheck {
    bool help = false;
    QString unknown;
};
OptionCheck checkOptions(const Command& command, const QStringList& args);

} // namespace zelpo::cli

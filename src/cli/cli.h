// SPDX-License-Identifier: MIT
// zelpo-cli: the command-line companion of the windows. Every subcommand uses
// the same data access and cores as the windows do.
#pragma once

#include "cli/context.h"

#include <QStringList>
#include <QTextStream>

namespace zelpo::cli {

// Runs `arguments` (without the program name); returns the exit code: 0 when
// the command did what it was asked, 1 when it failed (standard output that
// could not be written included), 2 for arguments it cannot take.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err, const QString& defaultDatabase);

// "cannot write standard output: <reason>"
QString cannotWriteOutput(const QString& reason);

// Arguments the command cannot take: "zelpo-cli COMMAND: <problem>" when a
// problem is given, then the command's whole usage, on the error stream.
// Returns 2, the exit status of a usage error.
int usageError(Context& context, const QString& problem = {});

} // namespace zelpo::cli

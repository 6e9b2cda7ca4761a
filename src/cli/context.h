// SPDX-License-Identifier: MIT
// What a subcommand of zelpo-cli is run with.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace zelpo::cli {

struct Command;

struct Context {
    QStringList args;        // the subcommand's own arguments
    QTextStream& out;        // results
    QTextStream& err;        // messages
    QString defaultDatabase; // the program's own database (see data/paths.h)
    const Command* command = nullptr;
};

} // namespace zelpo::cli

// SPDX-License-Identifier: MIT
// Running zelpo-cli in the test process, with its two streams captured.
#pragma once

#include "cli/cli.h"
#include "support/printers.h"

namespace zelpo::test {

struct Outcome {
    int code;
    QString out;
    QString err;
};

inline Outcome runCli(const QStringList& args, const QString& defaultDatabase)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = zelpo::cli::run(args, outStream, errStream, defaultDatabase);
    return { code, out, err };
}

} // namespace zelpo::test

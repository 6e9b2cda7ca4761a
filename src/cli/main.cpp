// SPDX-License-Identifier: MIT
#include "app/paths.h"
#include "cli/cli.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The name of the user's data folder, shared with the program.
    QCoreApplication::setApplicationName(QStringLiteral("zelpo"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return zelpo::cli::run(QCoreApplication::arguments().mid(1), out, err, zelpo::app::defaultDatabasePath());
}

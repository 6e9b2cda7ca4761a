// SPDX-License-Identifier: MIT
// Where the database and the help file lie: next to the executable.
#pragma once

#include <QString>

namespace zelpo::app {

// The directory part of an executable's full file name, ending with a separator.
QString basePath(const QString& executableFile);

QString databasePath(const QString& executableFile);
QString helpPath(const QString& executableFile);

// The same for the running program.
QString defaultDatabasePath();
QString defaultHelpPath();

} // namespace zelpo::app

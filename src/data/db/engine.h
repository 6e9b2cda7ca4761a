// SPDX-License-Identifier: MIT
// The database engine the program runs with.
#pragma once

#include <QString>

namespace zelpo::db {

// The version of SQLite behind the toolkit's driver, as it reports itself
// ("3.40.1"), or an empty text when the driver is not there.
QString engineVersion();

} // namespace zelpo::db

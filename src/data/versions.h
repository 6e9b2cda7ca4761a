// SPDX-License-Identifier: MIT
// The versions the program runs with, as the about box shows them and
// `zelpo-cli --version` prints them: those of the toolkit and of SQLite found
// at run time, not those the program was built against.
#pragma once

#include <QString>

namespace zelpo::app {

struct RunningVersions {
    QString program; // "ナンバーズ Zelpo  Version 1.30"
    QString toolkit; // "Qt 6.4.2"
    QString engine;  // "SQLite 3.40.1", or empty when the driver is missing
};

RunningVersions runningVersions();

} // namespace zelpo::app

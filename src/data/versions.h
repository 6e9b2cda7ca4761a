// SPDX-License-Identifier: MIT
// The versions the program runs with, as the about box shows them and
// `zelpo-cli --version` prints them: those of the toolkit and of SQLite found
// at run time, not those the program was built against.
#pragma once

#include <QString>

#include <string_view>

namespace zelpo::app {

// The program's name and version, as the about box and `zelpo-cli --version` show them.
inline constexpr std::u16string_view kVersionLine = u"ナンバーズ Zelpo  Version 1.30";

struct RunningVersions {
    QString program; // "ナンバーズ Zelpo  Version 1.30"
    QString toolkit; // "Qt 6.4.2"
    QString engine;  // "SQLite 3.40.1", or empty when the driver is missing
};

RunningVersions runningVersions();

} // namespace zelpo::app

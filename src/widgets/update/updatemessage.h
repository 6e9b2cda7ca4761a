// SPDX-License-Identifier: MIT
// What the windows say at the end of an update, in the program's own words.
#pragma once

#include "data/update/updaterun.h"

#include <QString>

namespace zelpo::ui {

// "ナンバーズ３", "ナンバーズ４", "ミニロト".
QString gameName(Game game);

// "公開フィード" for the feed, "みずほ銀行" for the bank, the name of a file
// (without its folder or address).
QString sourceName(const QString& source);

// One paragraph per game: what was added, that it was current, or why it
// failed: a conflict with both values, each source's failure in plain words,
// and, when no source could be reached at all, that the internet could not
// be reached. A cancelled update says that nothing was stored.
QString updateMessage(const std::vector<update::GameOutcome>& outcomes);

// The message box's details: each failed source's address and low-level
// reason, one a line; empty when nothing failed.
QString updateDetails(const std::vector<update::GameOutcome>& outcomes);

// True when a game failed: the message then shows the stop icon.
bool anyFailed(const std::vector<update::GameOutcome>& outcomes);

} // namespace zelpo::ui

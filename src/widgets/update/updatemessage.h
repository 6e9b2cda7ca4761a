// SPDX-License-Identifier: MIT
// What the windows say at the end of an update, in the program's own words.
#pragma once

#include "data/update/updaterun.h"

#include <QString>

namespace zelpo::ui {

// "ナンバーズ３", "ナンバーズ４", "ミニロト".
QString gameName(update::Game game);

// "公開フィード" for the feed, "みずほ銀行" for the bank, a file's URL or path as it is.
QString sourceName(const QString& source);

// One paragraph per game: what was added, that it was current, or why it
// failed (a conflict in these words, other reasons as the source gave them);
// a cancelled update says that nothing was stored.
QString updateMessage(const std::vector<update::GameOutcome>& outcomes);

// True when a game failed: the message then shows the stop icon.
bool anyFailed(const std::vector<update::GameOutcome>& outcomes);

} // namespace zelpo::ui

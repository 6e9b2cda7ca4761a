// SPDX-License-Identifier: MIT
// "ファイルから取り込む...": the update from a results file the user keeps,
// the feed's JSON or a CSV in the import format, told apart by content. It
// runs as the update does, with the same checks and the same message.
#pragma once

#include "data/update/updaterun.h"

#include <QByteArray>

#include <optional>
#include <vector>

class QWidget;

namespace zelpo::ui {

// Asks for the file (a modal run) and updates `game` from it; without a
// game, every game whose draws the file holds (all three when it holds
// none, so that the message says for each why not).
void importFromFile(QWidget* owner, const QString& database, std::optional<Game> game);

// The games whose draws the one-file reader finds in `bytes`.
std::vector<Game> gamesInFile(const QByteArray& bytes);

} // namespace zelpo::ui

// SPDX-License-Identifier: MIT
// Where the 購入記録 is reached from: the main menu and every game window's
// context menu, and the announcement of the tickets that new draws won.
#pragma once

#include "cores/game/game.h"

#include <QString>

#include <optional>
#include <span>

class QWidget;

namespace zelpo::ui {
class GameWindow;
}

namespace zelpo::tickets {

// Runs the 購入記録 window on the file (modally, through ui::runModal()).
void openTickets(QWidget* owner, const QString& database, const QString& helpPath, std::optional<Game> game = {});

// Puts "購入記録(&K)..." and "予想を購入記録へ(&P)..." into the context menu
// of the game window and its lists; the second takes the texts of the
// controls `predictionIds` for the draw the window shows as its next one.
void offerTickets(ui::GameWindow& window, QWidget& drawList, Game game, std::span<const int> predictionIds);

// After draws `first` to `last` of the game were stored by a window: shows
// the wins of the tickets they decided, nothing when there are none.
void announceWins(QWidget* owner, const QString& database, Game game, int first, int last);

} // namespace zelpo::tickets

// SPDX-License-Identifier: MIT
// The update's entries in a game window's context menu.
#pragma once

#include "data/update/updaterun.h"

#include <functional>

class QWidget;

namespace zelpo::ui {

class GameWindow;

// The entries of the context menus.
inline constexpr char16_t kUpdateEntry[] = u"最新の当選数字を取得(&U)...";
inline constexpr char16_t kImportEntry[] = u"ファイルから取り込む...";

// Puts the update of `game` and the import of a file of it into the context
// menu of the window and its draw list. `afterStore` is called whenever an
// update, from any window, stored draws of `game` while this one is open.
void offerUpdate(GameWindow& window, QWidget& drawList, Game game, std::function<void()> afterStore);

} // namespace zelpo::ui

// SPDX-License-Identifier: MIT
// Shift+F10 opens the context menu of the control with the focus, as the
// Menu key does, for keyboards that have no Menu key.
#pragma once

class QWidget;

namespace zelpo::ui {

// Gives `window` the shortcut; the menu is the one the Menu key would open,
// at the same place (the focused control's cursor or current row).
void offerContextMenuKey(QWidget& window);

} // namespace zelpo::ui

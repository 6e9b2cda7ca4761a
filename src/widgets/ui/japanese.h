// SPDX-License-Identifier: MIT
// The toolkit's own texts (edit menus, standard buttons) in Japanese, and the
// dialog font for everything that has no template of its own.
#pragma once

class QApplication;

namespace zelpo::ui {

// Installs the toolkit's Japanese translation ("qtbase_ja") on `app`, whatever
// the user's locale. Returns false when the translation is not installed.
bool installJapanese(QApplication& app);

} // namespace zelpo::ui

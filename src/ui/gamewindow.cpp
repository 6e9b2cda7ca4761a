// SPDX-License-Identifier: MIT
#include "ui/gamewindow.h"

#include "ui/help.h"

namespace zelpo::ui {

void GameWindow::OnHelpB()
{
    openHelp(this, m_strHelp);
}

} // namespace zelpo::ui

// SPDX-License-Identifier: MIT
#include "app/gamewindow.h"

#include "ui/help.h"

namespace zelpo::app {

void GameWindow::OnHelpB()
{
    ui::openHelp(this, m_strHelp);
}

} // namespace zelpo::app

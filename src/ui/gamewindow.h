// SPDX-License-Identifier: MIT
// What every game window shares: the two paths its opener copies in, and help.
#pragma once

#include "ui/templatedialog.h"

namespace zelpo::ui {

class GameWindow : public TemplateDialog {
    Q_OBJECT
public:
    using TemplateDialog::TemplateDialog;

    QString m_strHelp;     // full path of the help file
    QString m_strDatabase; // full path of the database file

protected:
    // The help button of the window: the desktop opens this window's copy of the path.
    void OnHelpB();
};

} // namespace zelpo::ui

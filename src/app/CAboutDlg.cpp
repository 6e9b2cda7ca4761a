// SPDX-License-Identifier: MIT
#include "app/CAboutDlg.h"

namespace zelpo::app {

CAboutDlg::CAboutDlg(QWidget* parent)
    : ui::TemplateDialog(res::kAboutDialog, parent)
{
}

CAboutDlg::~CAboutDlg() = default;

} // namespace zelpo::app

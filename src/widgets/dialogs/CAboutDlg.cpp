// SPDX-License-Identifier: MIT
#include "widgets/dialogs/CAboutDlg.h"

#include "data/versions.h"

#include <QLabel>

namespace zelpo::app {

CAboutDlg::CAboutDlg(QWidget* parent)
    : ui::TemplateDialog(res::kAboutDialog, parent)
{
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::onInitDialog()
{
    const RunningVersions versions = runningVersions();
    if (auto* toolkit = qobject_cast<QLabel*>(control(res::kAboutToolkitLine)))
        toolkit->setText(versions.toolkit);
    if (auto* line = qobject_cast<QLabel*>(control(res::kAboutEngineLine)); line && !versions.engine.isEmpty())
        line->setText(versions.engine);
}

} // namespace zelpo::app

// SPDX-License-Identifier: MIT
#include "app/CAboutDlg.h"

#include "db/engine.h"

#include <QLabel>

namespace zelpo::app {

CAboutDlg::CAboutDlg(QWidget* parent)
    : ui::TemplateDialog(res::kAboutDialog, parent)
{
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::onInitDialog()
{
    // The versions the program runs with, not those it was built against.
    if (auto* toolkit = qobject_cast<QLabel*>(control(res::kAboutToolkitLine)))
        toolkit->setText(QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion())));
    const QString engine = db::engineVersion();
    if (auto* line = qobject_cast<QLabel*>(control(res::kAboutEngineLine)); line && !engine.isEmpty())
        line->setText(QStringLiteral("SQLite %1").arg(engine));
}

} // namespace zelpo::app

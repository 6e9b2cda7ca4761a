// SPDX-License-Identifier: MIT
#include "app/CMyApp.h"

#include "app/CMyDlg.h"
#include "app/firstrun.h"
#include "ui/modal.h"

#include <QIcon>

namespace zelpo::app {

CMyApp::CMyApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("zelpo"));
    setApplicationDisplayName(QStringLiteral("ナンバーズ Zelpo"));
    setWindowIcon(QIcon(QStringLiteral(":/zelpo/zelpo.png")));
    ui::installWaitCursor();
}

CMyApp::~CMyApp() = default;

int CMyApp::InitInstance()
{
    CMyDlg dialog;
    dialog.setPathsFrom(applicationFilePath());
    prepareDatabase(nullptr, dialog.m_strDatabase);
    ui::runModal(dialog);
    return 0;
}

} // namespace zelpo::app

// SPDX-License-Identifier: MIT
#include "widgets/app/CMyApp.h"

#include "widgets/app/CMyDlg.h"
#include "widgets/app/firstrun.h"
#include "widgets/ui/japanese.h"
#include "widgets/ui/modal.h"

#include <QIcon>

namespace zelpo::app {

CMyApp::CMyApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("zelpo"));
    // The desktop finds the menu entry and its icon for the windows by this
    // name (Wayland), or by the window class "zelpo" that the entry names as
    // its StartupWMClass (X11).
    setDesktopFileName(QStringLiteral(ZELPO_APP_ID));
    // No display name: the toolkit would append it to every window title,
    // and a title is exactly its template's caption.
    setWindowIcon(QIcon(QStringLiteral(":/zelpo/zelpo.png")));
    ui::installJapanese(*this);
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

// SPDX-License-Identifier: MIT
#include "widgets/app/CMyApp.h"

#include "widgets/app/CMyDlg.h"
#include "widgets/app/firstrun.h"
#include "widgets/ui/japanese.h"
#include "widgets/ui/modal.h"
#include "widgets/update/startcheck.h"

#include <QIcon>
#include <QPointer>
#include <QTimer>

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
    return runMainMenu(applicationFilePath());
}

int runMainMenu(const QString& executableFile)
{
    CMyDlg dialog;
    dialog.setPathsFrom(executableFile);
    const StartupDatabase database = prepareDatabase(nullptr, dialog.m_strDatabase);
    if (database == StartupDatabase::Usable || database == StartupDatabase::Created)
        ui::askAboutStartCheckOnce(nullptr);
    // Once the main menu is up: the check waits for nothing and shows no window.
    QTimer::singleShot(0, &dialog, [&dialog] {
        ui::runStartCheck(dialog.m_strDatabase, [menu = QPointer<CMyDlg>(&dialog)](const QString& notice) {
            if (menu)
                menu->showNotice(notice);
        });
    });
    ui::runModal(dialog);
    return 0;
}

} // namespace zelpo::app

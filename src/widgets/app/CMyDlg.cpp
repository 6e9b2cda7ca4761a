// SPDX-License-Identifier: MIT
#include "widgets/app/CMyDlg.h"

#include "data/paths.h"
#include "widgets/dialogs/CAboutDlg.h"
#include "widgets/res/strings.h"
#include "widgets/res/text.h"
#include "widgets/tickets/ticketentries.h"
#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/help.h"
#include "widgets/ui/modal.h"
#include "widgets/update/fileimport.h"
#include "widgets/update/startcheck.h"
#include "widgets/update/updateentries.h"
#include "widgets/update/updateline.h"
#include "widgets/update/updaterunner.h"
#include "widgets/windows/CMiniroto.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>

#include <memory>

namespace zelpo::app {

CMyDlg::CMyDlg(QWidget* parent)
    : ui::TemplateDialog(res::kMainDialog, parent)
    , m_hIcon(QStringLiteral(":/zelpo/zelpo.png"))
{
    // The main menu is the program's main window: a normal top-level window
    // that can be minimised, which window managers refuse to dialogs.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint);
    connect(button(1000), &QPushButton::clicked, this, &CMyDlg::OnButton1);
    connect(button(1001), &QPushButton::clicked, this, &CMyDlg::OnButton2);
    connect(button(1002), &QPushButton::clicked, this, &CMyDlg::OnButton3);
    connect(button(1015), &QPushButton::clicked, this, &CMyDlg::OnAbout);
    connect(button(1016), &QPushButton::clicked, this, &CMyDlg::OnButton5);

    // The line sits below the template's buttons, in a strip the window grows
    // by: kHeightWithLine dialog units in all.
    const QSize base = ui::dialogBaseUnits(font());
    m_updateLine = new ui::UpdateLine(this, 3);
    m_updateLine->setGeometry(ui::toPixels(QRect(8, res::kMainDialog.cy - 4, res::kMainDialog.cx - 16, 30), base));
    setFixedSize(ui::toPixels(QRect(0, 0, res::kMainDialog.cx, kHeightWithLine), base).size());
}

CMyDlg::~CMyDlg() = default;

void CMyDlg::onInitDialog()
{
    setWindowIcon(m_hIcon);
    if (m_strDatabase.isEmpty() && m_strHelp.isEmpty())
        setPathsFrom(QCoreApplication::applicationFilePath());
}

void CMyDlg::setPathsFrom(const QString& executableFile)
{
    m_strDatabase = databaseLocation(executableFile, userDataFolder());
    m_strHelp = helpPath(executableFile);
}

template <class Window>
void CMyDlg::openGameWindow()
{
    const auto window = std::make_unique<Window>();
    window->setDatabasePath(m_strDatabase);
    window->setHelpPath(m_strHelp);
    ui::runModal(*window);
}

void CMyDlg::OnButton1()
{
    openGameWindow<CNabazu3>();
}

void CMyDlg::OnButton2()
{
    openGameWindow<CNabazu4>();
}

void CMyDlg::OnButton3()
{
    openGameWindow<CMiniroto>();
}

void CMyDlg::OnAbout()
{
    CAboutDlg about;
    ui::runModal(about);
}

void CMyDlg::OnButton5()
{
    ui::openHelp(this, m_strHelp);
}

void CMyDlg::OnUpdate()
{
    ui::runUpdate(this, m_strDatabase, { Game::Numbers3, Game::Numbers4, Game::MiniLoto });
}

void CMyDlg::OnImport()
{
    ui::importFromFile(this, m_strDatabase, std::nullopt);
}

void CMyDlg::showNotice(const QString& notice)
{
    m_updateLine->setIdleText(notice);
}

void CMyDlg::contextMenuEvent(QContextMenuEvent* event)
{
    // Stands in for the entry the window's system menu had on its home platform.
    QMenu menu(this);
    QAction* update = menu.addAction(QString::fromUtf16(ui::kUpdateEntry));
    connect(update, &QAction::triggered, this, &CMyDlg::OnUpdate);
    QAction* import = menu.addAction(QString::fromUtf16(ui::kImportEntry));
    connect(import, &QAction::triggered, this, &CMyDlg::OnImport);
    QAction* check = menu.addAction(QString::fromUtf16(ui::kStartCheckEntry));
    check->setCheckable(true);
    check->setChecked(ui::readStartCheckSettings().enabled.value_or(false));
    connect(check, &QAction::toggled, this, [](bool on) { ui::setStartCheckEnabled(on); });
    QAction* tickets = menu.addAction(QStringLiteral("購入記録(&K)..."));
    connect(tickets, &QAction::triggered, this, [this] { tickets::openTickets(this, m_strDatabase, m_strHelp); });
    menu.addSeparator();
    QAction* about = menu.addAction(res::qtext(res::kAboutMenuEntry));
    connect(about, &QAction::triggered, this, &CMyDlg::OnAbout);
    menu.exec(event->globalPos());
}

} // namespace zelpo::app

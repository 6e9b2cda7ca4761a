// SPDX-License-Identifier: MIT
#include "widgets/ui/help.h"

#include "data/paths.h"
#include "widgets/res/dialogtemplate.h"
#include "widgets/res/strings.h"
#include "widgets/res/text.h"
#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/helpviewer.h"
#include "widgets/ui/modal.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QUrl>

namespace zelpo::ui {
namespace {

ShellOpenOverride* g_override = nullptr;

struct WindowPage {
    const res::Dialog* dialog;
    const char* page;
};

// The main menu's help is the start page itself.
const WindowPage kWindowPages[] = {
    { &res::kNabazu3Dialog, "numbers3.html" },
    { &res::kNabazu4Dialog, "numbers4.html" },
    { &res::kMinirotoDialog, "miniloto.html" },
    { &res::kToutokuDialog, "registration.html" },
    { &res::kMinitourokuDialog, "miniloto-registration.html" },
    { &res::kEditorDialog, "editor.html" },
};

bool isReadableFile(const QString& path)
{
    const QFileInfo file(path);
    return file.isFile() && file.isReadable();
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// Qt hands a file to xdg-open whenever that launcher is installed, and
// xdg-open starts in the background even when nothing on the machine can show
// HTML, so "started" is no answer. Ask instead whether a browser is there:
// one named by the environment, one of the usual ones, or the desktop's
// default application for HTML.
bool desktopHasBrowser()
{
    for (const char* variable : { "DEFAULT_BROWSER", "BROWSER" }) {
        const QString browser = qEnvironmentVariable(variable);
        if (!browser.isEmpty() && !QStandardPaths::findExecutable(browser).isEmpty())
            return true;
    }
    for (const char* browser : { "x-www-browser", "firefox", "firefox-esr", "chromium", "google-chrome", "epiphany",
             "konqueror", "falkon", "opera" }) {
        if (!QStandardPaths::findExecutable(QString::fromLatin1(browser)).isEmpty())
            return true;
    }
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return false;
    QProcess query;
    query.start(xdgMime, { QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html") });
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    return query.exitCode() == 0
        && QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed().endsWith(QLatin1String(".desktop"));
}
#else
bool desktopHasBrowser()
{
    return true;
}
#endif

bool desktopOpens(const QString& path)
{
    return desktopHasBrowser() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

QString manualPage(int templateId)
{
    for (const WindowPage& entry : kWindowPages) {
        if (entry.dialog->id == templateId)
            return QString::fromLatin1(entry.page);
    }
    return {};
}

QString manualPagePath(const QString& startPage, const QString& page)
{
    if (page.isEmpty())
        return startPage;
    return QFileInfo(startPage).dir().filePath(app::kManualFolder.toString() + u'/' + page);
}

bool openHelp(QWidget* owner, const QString& startPage, const QString& page)
{
    if (!isReadableFile(startPage)) {
        showMessage(owner, res::qtext(res::kHelpFailed) + u'\n' + res::qtext(res::kHelpNotFound).arg(startPage),
            MessageIcon::None);
        return false;
    }
    QString shown = manualPagePath(startPage, page);
    if (!isReadableFile(shown))
        shown = startPage;
    if (g_override ? g_override->m_opener(shown) : desktopOpens(shown))
        return true;
    HelpViewer viewer(startPage, shown, owner);
    runModal(viewer);
    return true;
}

QPushButton* addHelpButton(QWidget& window, int id, std::function<QString()> startPage, const QString& page)
{
    auto* button = new QPushButton(QStringLiteral("ヘ　ル　プ"), &window);
    identifyControl(*button, id);
    const auto open = [&window, startPage = std::move(startPage), page] { openHelp(&window, startPage(), page); };
    QObject::connect(button, &QPushButton::clicked, &window, open);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, &window, open);
    return button;
}

ShellOpenOverride::ShellOpenOverride(Opener opener)
    : m_opener(std::move(opener))
    , m_previous(g_override)
{
    g_override = this;
}

ShellOpenOverride::~ShellOpenOverride()
{
    g_override = m_previous;
}

} // namespace zelpo::ui

// SPDX-License-Identifier: MIT
#include "ui/help.h"

#include "res/strings.h"
#include "ui/modal.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace zelpo::ui {
namespace {

ShellOpenOverride* g_override = nullptr;

} // namespace

bool openHelp(QWidget* owner, const QString& helpPath)
{
    // The desktop launcher reports success even for a file that is not there.
    const QFileInfo file(helpPath);
    bool opened = false;
    if (file.isFile() && file.isReadable()) {
        opened = g_override ? g_override->m_opener(helpPath) : QDesktopServices::openUrl(QUrl::fromLocalFile(helpPath));
    }
    if (!opened) {
        showMessage(owner, QString::fromUtf16(res::kHelpFailed.data(), static_cast<qsizetype>(res::kHelpFailed.size())),
            MessageIcon::None);
    }
    return opened;
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

// SPDX-License-Identifier: MIT
// Opening the manual: the desktop's browser when there is one, else the
// program's own viewer. Every help button of the program comes through here.
#pragma once

#include <QString>

#include <functional>

class QPushButton;
class QWidget;

namespace zelpo::ui {

// The manual's page (a file name in the pages' folder) that explains the
// window built from dialog template `templateId`; empty for the start page.
QString manualPage(int templateId);

// Where `page` of the manual lies when its start page is `startPage`: in the
// folder "help" beside the start page. An empty `page` is the start page.
QString manualPagePath(const QString& startPage, const QString& page);

// Shows `page` of the manual whose start page is `startPage` (the help file
// path of the windows). The desktop opens it when it has a browser for it;
// otherwise the program's own viewer shows it, modally. A page that is
// missing falls back to the start page; a missing start page means that
// there is no manual at all, which gives "起動できませんでした" in a plain
// OK box, followed by the place where the manual was looked for. Returns
// whether the manual was shown.
bool openHelp(QWidget* owner, const QString& startPage, const QString& page = {});

// The ヘ　ル　プ button of a window built without a template, with control ID
// `id`, and F1 anywhere in the window doing the same: both show `page` of the
// manual whose start page `startPage()` gives at that moment.
QPushButton* addHelpButton(QWidget& window, int id, std::function<QString()> startPage, const QString& page);

// While alive, the desktop is not asked: `opener` answers instead, true when
// it took the file, false when the desktop cannot show it.
class ShellOpenOverride {
public:
    using Opener = std::function<bool(const QString& path)>;
    explicit ShellOpenOverride(Opener opener);
    ~ShellOpenOverride();
    ShellOpenOverride(const ShellOpenOverride&) = delete;
    ShellOpenOverride& operator=(const ShellOpenOverride&) = delete;

private:
    friend bool openHelp(QWidget*, const QString&, const QString&);
    Opener m_opener;
    ShellOpenOverride* m_previous;
};

} // namespace zelpo::ui

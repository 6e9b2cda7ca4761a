// SPDX-License-Identifier: MIT
// Opening the help file with the desktop's "open" handler.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace zelpo::ui {

// Opens `helpPath` with the desktop. A file that is missing or that the
// desktop cannot open gives "起動できませんでした" in a plain OK box.
// Returns whether the desktop took the file.
bool openHelp(QWidget* owner, const QString& helpPath);

// While alive, the desktop is not asked: `opener` answers instead.
class ShellOpenOverride {
public:
    using Opener = std::function<bool(const QString& path)>;
    explicit ShellOpenOverride(Opener opener);
    ~ShellOpenOverride();
    ShellOpenOverride(const ShellOpenOverride&) = delete;
    ShellOpenOverride& operator=(const ShellOpenOverride&) = delete;

private:
    friend bool openHelp(QWidget*, const QString&);
    Opener m_opener;
    ShellOpenOverride* m_previous;
};

} // namespace zelpo::ui

// SPDX-License-Identifier: MIT
// What every game window shares: the two paths its opener copies in, help,
// and the context menu of the window and its draw list.
#pragma once

#include "widgets/ui/templatedialog.h"

#include <functional>
#include <vector>

namespace zelpo::ui {

class GameWindow : public TemplateDialog {
    Q_OBJECT
public:
    using TemplateDialog::TemplateDialog;

    QString m_strHelp;     // full path of the help file
    QString m_strDatabase; // full path of the database file

    // A right click on the window or on `list` opens a context menu that
    // holds `entry`; choosing it runs `run`.
    void addContextEntry(QWidget& list, const QString& entry, std::function<void()> run);

protected:
    // The help button of the window: the manual's page on this window, found
    // beside the start page of this window's copy of the help file path.
    void OnHelpB();

private:
    void showContextMenu(QWidget& area, const QPoint& position);

    struct ContextEntry {
        QString text;
        std::function<void()> run;
    };
    std::vector<ContextEntry> m_contextEntries;
};

} // namespace zelpo::ui

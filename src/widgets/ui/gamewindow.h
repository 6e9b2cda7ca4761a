// SPDX-License-Identifier: MIT
// What every game window shares: the two paths its opener copies in, the
// controls all three have and how they are wired, help, and the context menu
// of the window and its draw list.
#pragma once

#include "widgets/ui/templatedialog.h"

#include <functional>
#include <vector>

namespace zelpo::ui {

class ListView;

class GameWindow : public TemplateDialog {
    Q_OBJECT
public:
    // Control IDs every game window has.
    static constexpr int kListButtonId = 1000;    // 当 選 数 字 一 覧
    static constexpr int kPredictButtonId = 1001; // 予　　想
    static constexpr int kSearchButtonId = 1002;  // 検　索
    static constexpr int kDrawListId = 1003;      // the draws with the predictions stored beside them
    static constexpr int kNextDrawId = 1009;      // the number of the draw predicted
    static constexpr int kClearButtonId = 1017;   // クリア
    static constexpr int kHelpButtonId = 1019;    // ヘ　ル　プ
    // The search switches of the two Numbers windows.
    static constexpr int kStraightId = 1010; // ストレート
    static constexpr int kBoxId = 1011;      // ボックス

    using TemplateDialog::TemplateDialog;

    // The files the window works on, set by its opener before it is shown.
    const QString& databasePath() const { return m_strDatabase; }
    void setDatabasePath(const QString& path) { m_strDatabase = path; }
    const QString& helpPath() const { return m_strHelp; }
    void setHelpPath(const QString& path) { m_strHelp = path; }

    // A right click on the window or on `list` opens a context menu that
    // holds `entry`; choosing it runs `run`.
    void addContextEntry(QWidget& list, const QString& entry, std::function<void()> run);

protected:
    // The window's own handlers of the controls every game window has.
    struct Handlers {
        std::function<void()> list;
        std::function<void()> predict;
        std::function<void()> search;
        std::function<void()> clear;
        std::function<void()> registration; // the button with `registrationId`
        std::function<void()> editDraw;     // a double click on the draw list
        std::function<void()> help;
    };
    void connectControls(int registrationId, const Handlers& on);
    // The handlers of the Numbers windows' search switches.
    void connectSwitches(const std::function<void()>& straight, const std::function<void()>& box);

    ListView& drawList() const;

    // The help button of the window: the manual's page on this window, found
    // beside the start page of this window's copy of the help file path.
    void OnHelpB();

    QString m_strHelp;     // full path of the help file
    QString m_strDatabase; // full path of the database file

private:
    void showContextMenu(QWidget& area, const QPoint& position);

    struct ContextEntry {
        QString text;
        std::function<void()> run;
    };
    std::vector<ContextEntry> m_contextEntries;
};

} // namespace zelpo::ui

// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/ui/templatedialog.h"

#include <QIcon>

namespace zelpo::ui {
class UpdateLine;
}

namespace zelpo::app {

// The main menu: opens the three game windows, the about box and help, and
// updates every game from its context menu. Below its buttons, a line shows
// the update's progress, and after the start-up check what it did.
class CMyDlg final : public ui::TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMyDlg)
public:
    // The template's 170 dialog units and the strip of the update's line below.
    static constexpr int kHeightWithLine = 202;

    explicit CMyDlg(QWidget* parent = nullptr);
    ~CMyDlg() override;

    QString m_strHelp;     // full path of the help file
    QString m_strDatabase; // full path of the database file

    // Computes both paths from the executable's full file name (the database
    // by the rule of data/paths.h).
    void setPathsFrom(const QString& executableFile);

    void OnButton1(); // ナンバーズ　３
    void OnButton2(); // ナンバーズ　４
    void OnButton3(); // ミ ニ ロ ト
    void OnAbout();
    void OnButton5(); // help
    void OnUpdate();  // 最新の当選数字を取得: every game
    void OnImport();  // ファイルから取り込む: the games the file holds

    // Shows `notice` in the line below the buttons until the next one.
    void showNotice(const QString& notice);
    ui::UpdateLine& updateLine() const { return *m_updateLine; }

protected:
    void onInitDialog() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    template <class Window>
    void openGameWindow();

    QIcon m_hIcon;
    ui::UpdateLine* m_updateLine = nullptr;
};

} // namespace zelpo::app

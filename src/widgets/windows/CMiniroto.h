// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/ui/gamewindow.h"

#include <memory>

namespace zelpo::ui {
class DrawStatus;
class ListView;
} // namespace zelpo::ui

namespace zelpo {

// The Mini Loto window: next draw number, four predictions, the list of
// draws, search, and the way to the registration window.
class CMiniroto final : public ui::GameWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMiniroto)
public:
    // Control IDs of this window beside those of every game window.
    static constexpr int kPredictionIds[] = { 1004, 1005, 1006, 1007 };         // 予想数字１..４
    static constexpr int kSearchNumberIds[] = { 1016, 1015, 1012, 1013, 1014 }; // the five numbers searched
    static constexpr int kFoundCountId = 1008;                                  // 検索件数
    static constexpr int kRegisterButtonId = 1018;                              // 当選数字登録

    explicit CMiniroto(QWidget* parent = nullptr);
    ~CMiniroto() override;

    // List-view routines of the draw list.
    int AddColumn(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx);
    void AddItem(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx);
    int DeleteItem();

    // Query functions: true when the database answered.
    bool searchME(QString strDatabase, QString strWhere);
    bool kaisuMI(QString strDatabase, QString strWhere);
    bool yosouMI(QString strDatabase, QString strWhere);

    void OnYosou();    // 予　　想
    void OnitiranB();  // 当 選 数 字 一 覧
    void Onkensaku();  // 検　索
    void Onkuria();    // クリア
    void OntourokuB(); // 当選数字登録
    void Onhelp();
    void OnDblclkList1();

protected:
    void onInitDialog() override;

private:
    std::unique_ptr<ui::DrawStatus> m_drawStatus; // the next draw, and the update while one runs
};

} // namespace zelpo

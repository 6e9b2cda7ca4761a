// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/ui/gamewindow.h"

#include <memory>

namespace zelpo::ui {
class DrawStatus;
class ListView;
} // namespace zelpo::ui

namespace zelpo {

// The Numbers 4 window: next draw number, predictions, the list of draws,
// search and digit statistics.
class CNabazu4 final : public ui::GameWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CNabazu4)
public:
    // Control IDs of this window beside those of every game window.
    static constexpr int kPredictionIds[] = { 1004, 1005, 1006, 1007, 1008 }; // 予想数字１..５
    static constexpr int kSearchDigitIds[] = { 1015, 1012, 1013, 1014 };      // 四桁, 三桁, 二桁, 一桁
    static constexpr int kRegisterButtonId = 1016;                            // 当選数字登録
    static constexpr int kFoundCountId = 1018;                                // 検索件数
    static constexpr int kStatisticsListId = 1023;                            // 出現回数

    explicit CNabazu4(QWidget* parent = nullptr);
    ~CNabazu4() override;

    // List-view routines: the draw list and the statistics list.
    int AddColumn(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx);
    void AddItem(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx);
    int DeleteItem();
    int AddColumn2(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx);
    void AddItem2(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx);

    // Query functions: true when the database answered.
    bool yosouDE(QString strDatabase, QString strWhere);
    bool searchDE(QString strDatabase, QString strWhere);
    bool kaisuDE(QString strDatabase, QString strWhere);
    bool Data(QString strDatabase, QString strWhere);

    void OnYosouB();        // 予　　想
    void OnItiranB();       // 当 選 数 字 一 覧
    void OnTourokuB();      // 当選数字登録
    void OnKensakuB();      // 検　索
    void OnCheckSutoreto(); // ストレート
    void OnCheckBokkusu();  // ボックス
    void OnKuriaB();        // クリア
    void OnDblclkList1();

protected:
    void onInitDialog() override;

private:
    ui::ListView& list2() const;
    std::unique_ptr<ui::DrawStatus> m_drawStatus; // the next draw, and the update while one runs
};

} // namespace zelpo

// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/ui/gamewindow.h"

namespace zelpo::ui {
class ListView;
}

namespace zelpo {

// The Numbers 3 window: next draw number, predictions, the list of draws,
// search and digit statistics.
class CNabazu3 final : public ui::GameWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CNabazu3)
public:
    explicit CNabazu3(QWidget* parent = nullptr);
    ~CNabazu3() override;

    // List-view routines: the draw list 1003 and the statistics list 1022.
    int AddColumn(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx);
    void AddItem(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx);
    int DeleteItem();
    int AddColumn2(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx);
    void AddItem2(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx);
    int DeleteItem2();

    // Query functions: true when the database answered.
    bool searchDB(QString strDatabase, QString strWhere);
    bool yosouDB(QString strDatabase, QString strWhere);
    bool kaisuDB(QString strDatabase, QString strWhere);
    bool Data(QString strDatabase, QString strWhere);

    void OnButton1();  // 当 選 数 字 一 覧
    void OnButton2();  // 予　　想
    void OnButton3();  // 検　索
    void OnSutoreto(); // ストレート
    void OnBokkusu();  // ボックス
    void OnKuriaB();   // クリア
    void OnTourokuB(); // 当選数字登録
    void OnDblclkList1();

protected:
    void onInitDialog() override;

private:
    ui::ListView& list1() const;
    ui::ListView& list3() const;
};

} // namespace zelpo

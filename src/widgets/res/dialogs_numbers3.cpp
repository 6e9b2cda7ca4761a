// SPDX-License-Identifier: MIT
// The Numbers 3 window (129).
#include "widgets/res/dialogtemplate.h"

namespace zelpo::res {
namespace {

constexpr Control kControls[] = {
    { kNoId, Kind::GroupBox, u"", 7, 7, 311, 54 },
    { kNoId, Kind::Static, u"第", 34, 13, 8, 8 },
    { 1009, Kind::Edit, u"", 42, 13, 22, 12, ReadOnly | Centered, u"予想する開催回" },
    { kNoId, Kind::Static, u"回の予想。", 69, 13, 36, 8 },
    { 1001, Kind::Button, u"予　　想", 257, 15, 61, 22, TabStop },
    { 1004, Kind::Edit, u"", 9, 37, 61, 14, Centered | Border | TabStop, u"予想数字１" },
    { 1005, Kind::Edit, u"", 70, 37, 61, 14, Centered | Border | TabStop, u"予想数字２" },
    { 1006, Kind::Edit, u"", 132, 37, 61, 14, Centered | Border | TabStop, u"予想数字３" },
    { 1007, Kind::Edit, u"", 193, 37, 61, 14, Centered | Border | TabStop, u"予想数字４" },
    { 1008, Kind::Edit, u"", 254, 37, 61, 14, Centered | Border | TabStop, u"予想数字５" },
    { kNoId, Kind::GroupBox, u"　詳細情報　", 7, 66, 311, 63 },
    { 1022, Kind::ListView, u"List3", 14, 77, 298, 39, Border, u"出現回数" },
    { kNoId, Kind::Static, u"＊出現回数", 264, 119, 39, 8 },
    { kNoId, Kind::GroupBox, u"", 113, 127, 205, 36 },
    { 1000, Kind::Button, u"当 選 数 字 一 覧", 7, 137, 72, 21, TabStop },
    { 1010, Kind::CheckBox, u"ストレート", 121, 137, 47, 10, TabStop },
    { 1011, Kind::CheckBox, u"ボックス", 121, 148, 42, 10, TabStop },
    { 1002, Kind::Button, u"検　索", 167, 137, 54, 21, TabStop },
    { 1017, Kind::Button, u"クリア", 224, 137, 18, 21, TabStop },
    { kNoId, Kind::Static, u"三桁", 247, 135, 16, 8 },
    { kNoId, Kind::Static, u"二桁", 269, 135, 16, 8 },
    { kNoId, Kind::Static, u"一桁", 289, 136, 16, 8 },
    { 1012, Kind::Edit, u"", 247, 147, 15, 12, Centered | Border | TabStop | Number, u"検索する三桁目" },
    { 1013, Kind::Edit, u"", 269, 147, 15, 12, Centered | Border | TabStop | Number, u"検索する二桁目" },
    { 1014, Kind::Edit, u"", 289, 147, 15, 12, Centered | Border | TabStop | Number, u"検索する一桁目" },
    { 1003, Kind::ListView, u"List1", 7, 168, 311, 81, Border | TabStop, u"当選数字一覧" },
    { kNoId, Kind::Static, u"検索件数-----", 7, 253, 51, 8 },
    { 1016, Kind::Edit, u"", 60, 253, 17, 12, ReadOnly, u"検索件数" },
    { kNoId, Kind::Static, u"件", 78, 253, 9, 8 },
    { 1015, Kind::Button, u"当選数字登録", 7, 267, 55, 25, TabStop },
    { 1019, Kind::Button, u"ヘ　ル　プ", 63, 267, 55, 25, TabStop },
    { 1, Kind::DefaultButton, u"閉　じ　る", 119, 267, 199, 25, TabStop },
};

} // namespace

const Dialog kNabazu3Dialog { 129, u"ナンバーズ３予想", u"ＭＳ Ｐゴシック", 11, 325, 300, kControls };

} // namespace zelpo::res

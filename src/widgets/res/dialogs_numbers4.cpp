// SPDX-License-Identifier: MIT
// The Numbers 4 window (130).
#include "widgets/res/dialogtemplate.h"

namespace zelpo::res {
namespace {

constexpr Control kControls[] = {
    { 1, Kind::DefaultButton, u"閉　じ　る", 140, 336, 223, 33, TabStop },
    { 1003, Kind::ListView, u"List1", 7, 212, 356, 101, Border | TabStop, u"当選数字一覧" },
    { 1004, Kind::Edit, u"", 10, 46, 70, 17, Centered | Border | TabStop, u"予想数字１" },
    { 1005, Kind::Edit, u"", 80, 46, 70, 17, Centered | Border | TabStop, u"予想数字２" },
    { 1006, Kind::Edit, u"", 151, 46, 70, 17, Centered | Border | TabStop, u"予想数字３" },
    { 1007, Kind::Edit, u"", 221, 46, 70, 17, Centered | Border | TabStop, u"予想数字４" },
    { 1008, Kind::Edit, u"", 291, 46, 70, 17, Centered | Border | TabStop, u"予想数字５" },
    { 1009, Kind::Edit, u"", 48, 16, 25, 15, Centered | ReadOnly, u"予想する開催回" },
    { 1000, Kind::Button, u"当 選 数 字 一 覧", 8, 172, 82, 26, TabStop },
    { 1001, Kind::Button, u"予　　想", 290, 19, 70, 27, TabStop },
    { kNoId, Kind::Static, u"第", 39, 16, 9, 10 },
    { kNoId, Kind::Static, u"回の予想。", 79, 16, 41, 10 },
    { 1002, Kind::Button, u"検　索", 164, 172, 64, 26, TabStop },
    { 1010, Kind::CheckBox, u"ストレート", 119, 172, 54, 13, TabStop },
    { 1011, Kind::CheckBox, u"ボックス", 119, 186, 48, 13, TabStop },
    { 1012, Kind::Edit, u"", 282, 185, 17, 15, Centered | Border | TabStop | Number, u"検索する三桁目" },
    { 1013, Kind::Edit, u"", 307, 185, 17, 15, Centered | Border | TabStop | Number, u"検索する二桁目" },
    { 1014, Kind::Edit, u"", 330, 185, 17, 15, Centered | Border | TabStop | Number, u"検索する一桁目" },
    { 1015, Kind::Edit, u"", 258, 185, 17, 15, Centered | Border | TabStop | Number, u"検索する四桁目" },
    { kNoId, Kind::GroupBox, u"", 108, 161, 255, 45 },
    { kNoId, Kind::GroupBox, u"", 8, 9, 355, 69 },
    { kNoId, Kind::Static, u"三桁", 282, 170, 18, 10 },
    { kNoId, Kind::Static, u"二桁", 307, 170, 18, 10 },
    { kNoId, Kind::Static, u"一桁", 330, 171, 18, 10 },
    { kNoId, Kind::Static, u"四桁", 259, 171, 15, 8 },
    { 1016, Kind::Button, u"当選数字登録", 7, 336, 63, 33, TabStop },
    { 1017, Kind::Button, u"クリア", 233, 172, 20, 26, TabStop },
    { kNoId, Kind::Static, u"検索件数-----", 8, 320, 58, 10 },
    { 1018, Kind::Edit, u"", 69, 320, 19, 12, ReadOnly, u"検索件数" },
    { kNoId, Kind::Static, u"件", 89, 320, 10, 10 },
    { 1019, Kind::Button, u"ヘ　ル　プ", 73, 336, 62, 33, TabStop },
    { 1023, Kind::ListView, u"List2", 15, 94, 341, 58, Border, u"出現回数" },
    { kNoId, Kind::GroupBox, u"  詳細情報  ", 7, 83, 356, 79 },
};

} // namespace

const Dialog kNabazu4Dialog { 130, u"ナンバーズ４予想", u"ＭＳ Ｐゴシック", 9, 375, 377, kControls };

} // namespace zelpo::res

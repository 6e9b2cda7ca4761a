// SPDX-License-Identifier: MIT
// The Mini Loto window (131) and its registration window (134).
#include "widgets/res/dialogtemplate.h"

namespace zelpo::res {
namespace {

constexpr Control kMinirotoControls[] = {
    { kNoId, Kind::GroupBox, u"", 8, 7, 355, 72 },
    { kNoId, Kind::Static, u"第", 39, 16, 9, 10 },
    { 1009, Kind::Edit, u"", 48, 16, 25, 15, ReadOnly | Centered, u"予想する開催回" },
    { kNoId, Kind::Static, u"回の予想。", 79, 16, 41, 10 },
    { 1001, Kind::Button, u"予　　想", 278, 17, 70, 27, TabStop },
    { 1004, Kind::Edit, u"", 10, 52, 70, 12, Centered | Border, u"予想数字１" },
    { 1005, Kind::Edit, u"", 98, 52, 70, 12, Centered | Border, u"予想数字２" },
    { 1006, Kind::Edit, u"", 187, 52, 70, 12, Centered | Border, u"予想数字３" },
    { 1007, Kind::Edit, u"", 279, 52, 70, 12, Centered | Border, u"予想数字４" },
    { 1000, Kind::Button, u"当 選 数 字 一 覧", 8, 97, 82, 26, TabStop },
    { kNoId, Kind::GroupBox, u"", 108, 86, 255, 45 },
    { 1002, Kind::Button, u"検　索", 116, 97, 64, 26, TabStop },
    { 1017, Kind::Button, u"クリア", 187, 97, 20, 26, TabStop },
    { kNoId, Kind::Static, u"一つ目", 217, 98, 20, 8 },
    { kNoId, Kind::Static, u"二つ目", 247, 98, 20, 8 },
    { kNoId, Kind::Static, u"三つ目", 277, 98, 20, 8 },
    { kNoId, Kind::Static, u"四つ目", 306, 98, 20, 8 },
    { kNoId, Kind::Static, u"五つ目", 336, 98, 20, 8 },
    { 1016, Kind::Edit, u"", 217, 110, 17, 15, Centered | Border | TabStop | Number, u"検索する一つ目" },
    { 1015, Kind::Edit, u"", 247, 110, 17, 15, Centered | Border | TabStop | Number, u"検索する二つ目" },
    { 1012, Kind::Edit, u"", 277, 110, 17, 15, Centered | Border | TabStop | Number, u"検索する三つ目" },
    { 1013, Kind::Edit, u"", 306, 110, 17, 15, Centered | Border | TabStop | Number, u"検索する四つ目" },
    { 1014, Kind::Edit, u"", 336, 110, 17, 15, Centered | Border | TabStop | Number, u"検索する五つ目" },
    { 1003, Kind::ListView, u"", 7, 139, 356, 138, Border | TabStop, u"当選数字一覧" },
    { kNoId, Kind::Static, u"検索件数", 7, 288, 28, 8 },
    { 1008, Kind::Edit, u"", 36, 289, 23, 12, ReadOnly | Centered, u"検索件数" },
    { kNoId, Kind::Static, u"件", 61, 288, 8, 8 },
    { 1018, Kind::Button, u"当選数字登録", 7, 306, 63, 26, TabStop },
    { 1019, Kind::Button, u"ヘ　ル　プ", 73, 306, 62, 26, TabStop },
    { 1, Kind::DefaultButton, u"閉　　じ　　る", 140, 306, 226, 26, TabStop },
};

constexpr Control kMinitourokuControls[] = {
    { kNoId, Kind::Static, u"開催回数", 14, 16, 32, 8, Centered },
    { 1004, Kind::Edit, u"", 14, 30, 32, 12, ReadOnly | Centered | Border, u"開催回数" },
    { kNoId, Kind::Static, u"一つ目", 59, 16, 22, 8, Centered },
    { kNoId, Kind::Static, u"二つ目", 95, 16, 22, 8, Centered },
    { kNoId, Kind::Static, u"三つ目", 129, 16, 22, 8, Centered },
    { kNoId, Kind::Static, u"四つ目", 164, 16, 22, 8, Centered },
    { kNoId, Kind::Static, u"五つ目", 198, 16, 22, 8, Centered },
    { 1005, Kind::Edit, u"", 59, 30, 22, 12, Centered | Border | TabStop | Number, u"一つ目" },
    { 1006, Kind::Edit, u"", 95, 30, 22, 12, Centered | Border | TabStop | Number, u"二つ目" },
    { 1007, Kind::Edit, u"", 129, 30, 22, 12, Centered | Border | TabStop | Number, u"三つ目" },
    { 1008, Kind::Edit, u"", 164, 30, 22, 12, Centered | Border | TabStop | Number, u"四つ目" },
    { 1009, Kind::Edit, u"", 198, 30, 22, 12, Centered | Border | TabStop | Number, u"五つ目" },
    { kNoId, Kind::Static, u"サービス", 230, 16, 34, 8, Centered },
    { 1012, Kind::Edit, u"", 236, 30, 22, 12, Centered | Border | TabStop, u"サービス数字" },
    { kNoId, Kind::Static, u"予想数字１", 12, 55, 50, 8, Centered },
    { kNoId, Kind::Static, u"予想数字２", 74, 55, 50, 8, Centered },
    { kNoId, Kind::Static, u"予想数字３", 142, 55, 50, 8, Centered },
    { kNoId, Kind::Static, u"予想数字４", 213, 55, 50, 8, Centered },
    { 1013, Kind::Edit, u"", 12, 73, 50, 12, Centered | Border, u"予想数字１" },
    { 1014, Kind::Edit, u"", 74, 73, 50, 12, Centered | Border, u"予想数字２" },
    { 1015, Kind::Edit, u"", 142, 73, 50, 12, Centered | Border, u"予想数字３" },
    { 1010, Kind::Edit, u"", 213, 73, 50, 12, Centered | Border, u"予想数字４" },
    { 1000, Kind::Button, u"追　　加", 12, 98, 60, 25, TabStop },
    { 1, Kind::DefaultButton, u"閉　じ　る", 213, 98, 61, 25, TabStop },
};

} // namespace

const Dialog kMinirotoDialog { 131, u"ミニロト予想", u"ＭＳ Ｐゴシック", 9, 373, 339, kMinirotoControls };
const Dialog kMinitourokuDialog { 134, u"ミニロト登録", u"ＭＳ Ｐゴシック", 9, 281, 130, kMinitourokuControls };

} // namespace zelpo::res

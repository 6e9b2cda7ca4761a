// SPDX-License-Identifier: MIT
// The draw editor (103).
#include "widgets/res/dialogtemplate.h"

namespace zelpo::res {
namespace {

constexpr unsigned kLabel = ReadOnly | Centered;
constexpr unsigned kNumber = Centered | Border | TabStop | Number;
constexpr unsigned kPurchase = Centered | Border | TabStop;

constexpr Control kControls[] = {
    { kNoId, Kind::Static, u"第", 16, 11, 8, 8 },
    { 1019, Kind::Edit, u"", 24, 11, 23, 12, kLabel, u"開催回" },
    { kNoId, Kind::Static, u"回開催", 47, 11, 24, 8 },
    { 1001, Kind::Button, u"上", 73, 9, 20, 11, TabStop },
    { 1002, Kind::Button, u"下", 99, 9, 20, 11, TabStop },
    { 1024, Kind::PushLikeCheckBox, u"×１０", 125, 9, 26, 11, TabStop },
    // Hidden: the game code, the first draw number and the next-draw number.
    { 1020, Kind::Edit, u"", 195, 7, 18, 12 },
    { 1021, Kind::Edit, u"", 216, 7, 18, 12 },
    { 1025, Kind::Edit, u"", 175, 7, 18, 12 },
    { 1004, Kind::Edit, u"", 13, 34, 41, 12, kLabel, u"見出し１" },
    { 1005, Kind::Edit, u"", 63, 34, 41, 12, kLabel, u"見出し２" },
    { 1006, Kind::Edit, u"", 112, 34, 41, 12, kLabel, u"見出し３" },
    { 1007, Kind::Edit, u"", 161, 34, 41, 12, kLabel, u"見出し４" },
    { 1008, Kind::Edit, u"", 209, 34, 41, 12, kLabel, u"見出し５" },
    { 1009, Kind::Edit, u"", 13, 46, 41, 14, kNumber, u"当選数字１" },
    { 1012, Kind::Edit, u"", 63, 46, 41, 14, kNumber, u"当選数字２" },
    { 1013, Kind::Edit, u"", 111, 46, 41, 14, kNumber, u"当選数字３" },
    { 1014, Kind::Edit, u"", 161, 46, 41, 14, kNumber, u"当選数字４" },
    { 1015, Kind::Edit, u"", 209, 46, 41, 14, kNumber, u"当選数字５" },
    { kNoId, Kind::GroupBox, u"予想数字　＆　購入数字", 7, 66, 245, 39 },
    { 1022, Kind::Edit, u"", 13, 74, 41, 12, kLabel, u"予想数字の見出し" },
    { 1010, Kind::Edit, u"", 9, 86, 46, 14, kPurchase, u"予想数字１" },
    { 1011, Kind::Edit, u"", 57, 86, 46, 14, kPurchase, u"予想数字２" },
    { 1016, Kind::Edit, u"", 105, 86, 46, 14, kPurchase, u"予想数字３" },
    { 1017, Kind::Edit, u"", 153, 86, 46, 14, kPurchase, u"予想数字４" },
    { 1018, Kind::Edit, u"", 201, 86, 46, 14, kPurchase, u"予想数字５" },
    { 1000, Kind::Button, u"登　　録", 7, 106, 81, 20, TabStop },
    { 1, Kind::DefaultButton, u"閉　じ　る", 171, 106, 81, 20, TabStop },
};

} // namespace

const Dialog kEditorDialog { 103, u"　　編　　集", u"ＭＳ Ｐゴシック", 9, 259, 133, kControls };

} // namespace zelpo::res

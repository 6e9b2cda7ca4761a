// SPDX-License-Identifier: MIT
// The Numbers draw registration window (133).
#include "widgets/res/dialogtemplate.h"

namespace zelpo::res {
namespace {

// Template order is Tab order: 1005, 1006, 1007, 1022, 1011, 1015, 1016, then 1000.
constexpr Control kControls[] = {
    { kNoId, Kind::GroupBox, u"ナンバーズ３　登録", 20, 7, 245, 102 },
    { kNoId, Kind::Static, u"開催回数", 46, 21, 32, 8 },
    { 1004, Kind::Edit, u"", 37, 35, 51, 12, ReadOnly | Border, u"ナンバーズ３の開催回数" },
    { kNoId, Kind::Static, u"三桁", 116, 21, 16, 8 },
    { kNoId, Kind::Static, u"二桁", 171, 21, 16, 8 },
    { kNoId, Kind::Static, u"一桁", 215, 21, 16, 8 },
    { 1005, Kind::Edit, u"", 101, 35, 44, 12, Border | TabStop | Number, u"ナンバーズ３の三桁目" },
    { 1006, Kind::Edit, u"", 156, 35, 40, 12, Border | TabStop | Number, u"ナンバーズ３の二桁目" },
    { 1007, Kind::Edit, u"", 206, 35, 40, 12, Border | TabStop | Number, u"ナンバーズ３の一桁目" },
    { kNoId, Kind::Static, u"予想数字１", 24, 72, 40, 8 },
    { kNoId, Kind::Static, u"予想数字２", 75, 72, 40, 8 },
    { kNoId, Kind::Static, u"予想数字３", 124, 72, 40, 8 },
    { kNoId, Kind::Static, u"予想数字４", 177, 72, 40, 8 },
    { kNoId, Kind::Static, u"予想数字５", 229, 72, 40, 8 },
    { 1008, Kind::Edit, u"", 24, 88, 34, 12, Border, u"ナンバーズ３の予想数字１" },
    { 1009, Kind::Edit, u"", 75, 88, 34, 12, Border, u"ナンバーズ３の予想数字２" },
    { 1012, Kind::Edit, u"", 124, 88, 34, 12, Border, u"ナンバーズ３の予想数字３" },
    { 1013, Kind::Edit, u"", 177, 88, 34, 12, Border, u"ナンバーズ３の予想数字４" },
    { 1014, Kind::Edit, u"", 229, 88, 34, 12, Border, u"ナンバーズ３の予想数字５" },
    { kNoId, Kind::GroupBox, u"ナンバーズ４　登録", 20, 121, 245, 102 },
    { kNoId, Kind::Static, u"開催回数", 46, 135, 32, 8 },
    { 1010, Kind::Edit, u"", 37, 149, 39, 12, ReadOnly | Border, u"ナンバーズ４の開催回数" },
    { kNoId, Kind::Static, u"四桁", 107, 134, 16, 8 },
    { kNoId, Kind::Static, u"三桁", 146, 135, 16, 8 },
    { kNoId, Kind::Static, u"二桁", 186, 135, 16, 8 },
    { kNoId, Kind::Static, u"一桁", 227, 135, 16, 8 },
    { 1022, Kind::Edit, u"", 102, 149, 23, 12, Border | TabStop | Number, u"ナンバーズ４の四桁目" },
    { 1011, Kind::Edit, u"", 143, 149, 23, 12, Border | TabStop | Number, u"ナンバーズ４の三桁目" },
    { 1015, Kind::Edit, u"", 183, 149, 22, 12, Border | TabStop | Number, u"ナンバーズ４の二桁目" },
    { 1016, Kind::Edit, u"", 224, 149, 22, 12, Border | TabStop | Number, u"ナンバーズ４の一桁目" },
    { kNoId, Kind::Static, u"予想数字１", 24, 186, 40, 8 },
    { kNoId, Kind::Static, u"予想数字２", 75, 186, 40, 8 },
    { kNoId, Kind::Static, u"予想数字３", 124, 186, 40, 8 },
    { kNoId, Kind::Static, u"予想数字４", 177, 186, 40, 8 },
    { kNoId, Kind::Static, u"予想数字５", 229, 186, 40, 8 },
    { 1017, Kind::Edit, u"", 24, 202, 34, 12, Border, u"ナンバーズ４の予想数字１" },
    { 1018, Kind::Edit, u"", 75, 202, 34, 12, Border, u"ナンバーズ４の予想数字２" },
    { 1019, Kind::Edit, u"", 124, 202, 34, 12, Border, u"ナンバーズ４の予想数字３" },
    { 1020, Kind::Edit, u"", 177, 202, 34, 12, Border, u"ナンバーズ４の予想数字４" },
    { 1021, Kind::Edit, u"", 229, 202, 34, 12, Border, u"ナンバーズ４の予想数字５" },
    { 1000, Kind::Button, u"追　　加", 21, 232, 93, 25, TabStop },
    { 1, Kind::DefaultButton, u"閉　じ　る", 170, 232, 94, 25 },
};

} // namespace

const Dialog kToutokuDialog { 133, u"当選数字登録", u"ＭＳ Ｐゴシック", 9, 283, 264, kControls };

} // namespace zelpo::res

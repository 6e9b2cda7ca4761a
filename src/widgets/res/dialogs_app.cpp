// SPDX-License-Identifier: MIT
// The main menu (102) and the about box (100).
#include "data/versions.h"
#include "widgets/res/dialogtemplate.h"
#include "widgets/res/strings.h"

namespace zelpo::res {
namespace {

constexpr Control kMainControls[] = {
    { kNoId, Kind::Static, u"ナンバーズ３、４＆ミニロト予想", 14, 12, 158, 10, Centered },
    { 1000, Kind::Button, u"ナンバーズ　３", 30, 32, 126, 22, TabStop },
    { 1001, Kind::Button, u"ナンバーズ　４", 30, 58, 126, 22, TabStop },
    { 1002, Kind::Button, u"ミ ニ ロ ト", 30, 84, 126, 22, TabStop },
    { 1015, Kind::Button, u"バージョン情報", 30, 114, 61, 18, TabStop },
    { 1016, Kind::Button, u"ヘ　ル　プ", 95, 114, 61, 18, TabStop },
    { 1, Kind::DefaultButton, u"閉　じ　る", 30, 140, 126, 20, TabStop },
};

constexpr Control kAboutControls[] = {
    { kNoId, Kind::Icon, u"", 11, 14, 20, 20 },
    { kNoId, Kind::Static, app::kVersionLine, 40, 10, 170, 8 },
    { kNoId, Kind::Static, u"ライセンス: MIT", 40, 24, 170, 8 },
    // Filled when the box opens with the versions the program runs with.
    { kAboutToolkitLine, Kind::Static, u"Qt", 40, 36, 170, 8 },
    { kAboutEngineLine, Kind::Static, u"SQLite", 40, 48, 170, 8 },
    { 1, Kind::DefaultButton, u"OK", 184, 62, 40, 14, TabStop },
};

} // namespace

const Dialog kMainDialog { 102, kProgramName, u"ＭＳ Ｐゴシック", 9, 186, 170, kMainControls };
const Dialog kAboutDialog { 100, u"ナンバーズのﾊﾞｰｼﾞｮﾝ情報", u"ＭＳ Ｐゴシック", 9, 235, 84, kAboutControls };

} // namespace zelpo::res

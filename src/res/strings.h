// SPDX-License-Identifier: MIT
// Texts shared by several windows.
#pragma once

#include <string_view>

namespace zelpo::res {

inline constexpr std::u16string_view kDatabaseFileName = u"ナンバーズ.mdb";
inline constexpr std::u16string_view kHelpFileName = u"ナンバーズ３＆４＆ミニロト.HLP";
inline constexpr std::u16string_view kAboutMenuEntry = u"ナンバーズ のﾊﾞｰｼﾞｮﾝ情報(&A)...";
inline constexpr std::u16string_view kVersionLine = u"ナンバーズ Zelpo  Version 1.30";
inline constexpr std::u16string_view kHelpFailed = u"起動できませんでした";

} // namespace zelpo::res

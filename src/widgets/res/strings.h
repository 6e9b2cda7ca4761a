// SPDX-License-Identifier: MIT
// Texts shared by several windows.
#pragma once

#include <string_view>

namespace zelpo::res {

// The program's name: the main menu's caption and the title of a message
// box that has no window to belong to.
inline constexpr std::u16string_view kProgramName = u"ナンバーズ Zelpo";
inline constexpr std::u16string_view kAboutMenuEntry = u"ナンバーズ のﾊﾞｰｼﾞｮﾝ情報(&A)...";
inline constexpr std::u16string_view kHelpFailed = u"起動できませんでした";
// Follows kHelpFailed when the manual is not there: where it was looked for.
inline constexpr std::u16string_view kHelpNotFound = u"マニュアルが見つかりません。次の場所を探しました。\n%1";
// A read of the database failed (missing file, unreadable value): nothing was shown.
inline constexpr std::u16string_view kReadFailed = u"　データベースを読み込めませんでした。。";

// Start-up without a usable database.
inline constexpr std::u16string_view kDatabaseMissingQuestion
    = u"　データベース（ナンバーズ.mdb）が見つかりません。。\n過去の当選数字を入れて作成しますか？";
inline constexpr std::u16string_view kDatabaseUnusable = u"　データベース（ナンバーズ.mdb）を使えません。。";
inline constexpr std::u16string_view kDatabaseNotCreated
    = u"　データベース（ナンバーズ.mdb）を作成できませんでした。。";
inline constexpr std::u16string_view kDatabaseNotADatabase = u"データベースのファイルではないか、読めません。";
inline constexpr std::u16string_view kDatabaseTableMissing = u"表「%1」がないか、列が足りません。";
inline constexpr std::u16string_view kDatabaseBusy = u"ほかのプログラムが使っています。";
// Why the file could not be made, for the reasons a user can act on; any
// other reason is shown as the system gives it.
inline constexpr std::u16string_view kCreateNoPermission = u"この場所に書き込む権限がありません。";
inline constexpr std::u16string_view kCreateReadOnly = u"この場所は読み取り専用です。";
inline constexpr std::u16string_view kCreateNoFolder = u"フォルダーがありません。";
inline constexpr std::u16string_view kCreateNotAFolder = u"途中の名前がフォルダーではありません。";
inline constexpr std::u16string_view kCreateDiskFull = u"ディスクに空きがありません。";
inline constexpr std::u16string_view kCreateExists = u"同じ名前のものがすでにあります。";

// The games as the windows' titles name them, with full-width digits, in the
// order of zelpo::Game.
inline constexpr std::u16string_view kGameTitles[] = { u"ナンバーズ３", u"ナンバーズ４", u"ミニロト" };

// The draw list of both Numbers windows: header and width in pixels per column.
struct ListColumn {
    std::u16string_view header;
    int width;
};
inline constexpr ListColumn kNumbersDrawColumns[] = {
    { u"開催回数", 70 },
    { u"当選数字", 80 },
    { u"予想数字１", 90 },
    { u"予想数字２", 90 },
    { u"予想数字３", 90 },
    { u"予想数字４", 90 },
    { u"予想数字５", 90 },
};

} // namespace zelpo::res

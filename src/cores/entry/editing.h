// SPDX-License-Identifier: MIT
// The rules of the draw editor that need no window: which game a code names,
// how "上" and "下" step, how a shown draw is written back.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zelpo::entry {

enum class EditedGame { Numbers3, Numbers4, MiniLoto };

// "3", "4" or "5", as the game windows hand it in.
std::optional<EditedGame> gameFromCode(std::string_view code);

// How many of the five number fields the game uses, and how many digits each takes.
int numberFieldCount(EditedGame game);
int numberFieldLength(EditedGame game);

// The numbers Mini Loto draws from.
inline constexpr int kMiniLotoLowest = 1;
inline constexpr int kMiniLotoHighest = 31;

// True when `text` is a winning number of the game as the editor writes it:
// one digit for the Numbers games, 1 to 31 in one or two digits for Mini Loto.
bool isGameNumber(EditedGame game, std::string_view text);

inline constexpr std::string_view kMissingFieldMessage = "　当選数字に記入漏れがあります。。";
inline constexpr std::string_view kWriteFailedMessage = "　データベースに書き込めませんでした。。";
inline constexpr std::string_view kNoHigherMessage = "　これ以上はありません。。";
inline constexpr std::string_view kNoLowerMessage = "　これ以下はありません。。";

// The integer at the start of `text`, as atoi reads it: leading blanks, an
// optional sign, digits; 0 when there are none. Clamped to the int range.
int leadingInteger(std::string_view text);

// The outcome of "上" or "下": the draw to load, or the message to show instead.
struct Step {
    int drawNumber = 0;
    std::string_view message; // empty when the step is allowed

    bool allowed() const { return message.empty(); }
};

// From the draw shown in field 1019 (a gap row shows nothing and counts as 0),
// by 1 or by 10 with "×１０" pressed; the editor stays within 1 and the
// next-draw number less one.
Step stepUp(std::string_view shown, std::string_view nextDraw, bool tenfold);
Step stepDown(std::string_view shown, bool tenfold);

// "WHERE kaisai=" and the draw number, or nothing when the text is not an integer.
std::optional<std::string> drawClause(std::string_view drawNumber);

// A stored winning number as the editor shows it: Mini Loto numbers 0..9 get
// a leading zero (3 shows as "03"); everything else in plain decimal.
std::string shownNumber(EditedGame game, int value);

// What the editor's fields hold when "登　　録" is pressed.
struct EditorFields {
    std::array<std::string, 5> numbers;   // fields 1009, 1012, 1013, 1014, 1015
    std::array<std::string, 5> purchases; // fields 1010, 1011, 1016, 1017, 1018
    std::string drawNumber;               // field 1019
};

enum class SaveCheck {
    Ready,        // `sql` holds the UPDATE
    MissingField, // a field the game requires is empty
    Unwritable,   // the values cannot make a valid statement (no draw shown, a number that is not one,
                  // a text holding a NUL character)
};

struct Update {
    SaveCheck check = SaveCheck::Unwritable;
    std::string sql;
};

// The UPDATE that writes the fields back to the shown draw. Empty purchase
// fields are stored as "　" (but the Mini Loto bonus number, field 1010, is
// required instead); a number field that is empty or holds no number of the
// game is missing; texts go in quoted with their quotes escaped.
Update buildUpdate(EditedGame game, const EditorFields& fields);

} // namespace zelpo::entry

// SPDX-License-Identifier: MIT
#include "cores/entry/editing.h"

#include "cores/sql/sqltext.h"

#include <climits>

namespace zelpo::entry {
namespace {

constexpr std::string_view kFullWidthBlank = "　";

bool isInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return db::isDigits(text);
}

std::string_view tablePrefix(EditedGame game)
{
    switch (game) {
    case EditedGame::Numbers3:
        return "UPDATE ナンバーズ3 ";
    case EditedGame::Numbers4:
        return "UPDATE ナンバーズ4 ";
    case EditedGame::MiniLoto:
        break;
    }
    return "UPDATE ミニロト ";
}

const std::array<std::string_view, 5>& numberColumns(EditedGame game)
{
    static constexpr std::array<std::string_view, 5> kNumbers3 { "N100", "N10", "N1", "", "" };
    static constexpr std::array<std::string_view, 5> kNumbers4 { "N1000", "N100", "N10", "N1", "" };
    static constexpr std::array<std::string_view, 5> kMiniLoto { "NO1", "NO2", "NO3", "NO4", "NO5" };
    switch (game) {
    case EditedGame::Numbers3:
        return kNumbers3;
    case EditedGame::Numbers4:
        return kNumbers4;
    case EditedGame::MiniLoto:
        break;
    }
    return kMiniLoto;
}

} // namespace

std::optional<EditedGame> gameFromCode(std::string_view code)
{
    if (code == "3")
        return EditedGame::Numbers3;
    if (code == "4")
        return EditedGame::Numbers4;
    if (code == "5")
        return EditedGame::MiniLoto;
    return std::nullopt;
}

int numberFieldCount(EditedGame game)
{
    switch (game) {
    case EditedGame::Numbers3:
        return 3;
    case EditedGame::Numbers4:
        return 4;
    case EditedGame::MiniLoto:
        break;
    }
    return 5;
}

int numberFieldLength(EditedGame game)
{
    return game == EditedGame::MiniLoto ? 2 : 1;
}

bool isGameNumber(EditedGame game, std::string_view text)
{
    if (!db::isDigits(text) || text.size() > static_cast<std::size_t>(numberFieldLength(game)))
        return false;
    if (game != EditedGame::MiniLoto)
        return true;
    const int value = leadingInteger(text);
    return value >= kMiniLotoLowest && value <= kMiniLotoHighest;
}

int leadingInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

Step stepUp(std::string_view shown, std::string_view nextDraw, bool tenfold)
{
    const long long target = static_cast<long long>(leadingInteger(shown)) + (tenfold ? 10 : 1);
    if (leadingInteger(nextDraw) <= target)
        return { 0, kNoHigherMessage };
    return { static_cast<int>(target), {} };
}

Step stepDown(std::string_view shown, bool tenfold)
{
    const int current = leadingInteger(shown);
    const int step = tenfold ? 10 : 1;
    if (current <= step)
        return { 0, kNoLowerMessage };
    return { current - step, {} };
}

std::optional<std::string> drawClause(std::string_view drawNumber)
{
    if (!isInteger(drawNumber))
        return std::nullopt;
    return "WHERE kaisai=" + std::string(drawNumber);
}

std::string shownNumber(EditedGame game, int value)
{
    std::string text = std::to_string(value);
    if (game == EditedGame::MiniLoto && value >= 0 && value <= 9)
        text.insert(0, 1, '0');
    return text;
}

Update buildUpdate(EditedGame game, const EditorFields& fields)
{
    const int count = numberFieldCount(game);
    std::array<std::string, 5> purchases = fields.purchases;
    // The Mini Loto bonus number lives in kounyu1 and must be given.
    const std::size_t firstFilled = game == EditedGame::MiniLoto ? 1 : 0;
    for (std::size_t i = firstFilled; i < purchases.size(); ++i) {
        if (purchases[i].empty())
            purchases[i] = kFullWidthBlank;
    }

    // A number the game cannot have counts as not filled in: the field may
    // show a stored value that no draw of the game can hold.
    for (int i = 0; i < count; ++i) {
        if (!isGameNumber(game, fields.numbers[static_cast<std::size_t>(i)]))
            return { SaveCheck::MissingField, {} };
    }
    if (purchases[0].empty())
        return { SaveCheck::MissingField, {} };

    if (!isInteger(fields.drawNumber))
        return { SaveCheck::Unwritable, {} };
    for (const std::string& purchase : purchases) {
        if (!db::isQuotable(purchase))
            return { SaveCheck::Unwritable, {} };
    }

    std::string sql(tablePrefix(game));
    const auto& columns = numberColumns(game);
    for (int i = 0; i < count; ++i) {
        sql += i == 0 ? "SET " : ",";
        sql += columns[static_cast<std::size_t>(i)];
        sql += '=';
        sql += fields.numbers[static_cast<std::size_t>(i)];
    }
    for (std::size_t i = 0; i < purchases.size(); ++i) {
        sql += ",kounyu";
        sql += std::to_string(i + 1);
        sql += '=';
        sql += db::quoted(purchases[i]);
    }
    sql += ",atari=' ' WHERE kaisai=";
    sql += fields.drawNumber;
    return { SaveCheck::Ready, std::move(sql) };
}

} // namespace zelpo::entry

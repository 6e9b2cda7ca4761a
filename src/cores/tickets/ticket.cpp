// SPDX-License-Identifier: MIT
#include "cores/tickets/ticket.h"

#include "cores/tickets/text_p.h"

#include "cores/csv/draws.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace zelpo::tickets {
namespace {

std::size_t digitCount(Game game)
{
    return game == Game::Numbers3 ? 3 : 4;
}

const analysis::KindName* findKind(Game game, TicketKind kind)
{
    for (const analysis::KindName& k : analysis::ticketKinds(game)) {
        if (k.kind == kind)
            return &k;
    }
    return nullptr;
}

Parsed refused(std::string reason)
{
    return { std::nullopt, std::move(reason) };
}

Parsed parseDigits(Game game, std::string_view text)
{
    const std::size_t n = digitCount(game);
    if (text.size() != n || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return refused(concat(
            gameLabel(game), "の数字は", std::to_string(n), "桁の数字で書きます（例: ", n == 3 ? "123" : "0123", "）"));
    analysis::Ticket ticket;
    for (std::size_t i = 0; i < n; ++i)
        ticket.numbers[i] = text[i] - '0';
    return { ticket, {} };
}

Parsed parseMiniLoto(std::string_view text)
{
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('-', start), text.size());
        const std::string_view part = text.substr(start, end - start);
        int value = 0;
        const auto [at, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || part.size() > 2 || error != std::errc() || at != part.data() + part.size())
            return refused("ミニロトの数字は1から31までの5つの数を「-」でつないで書きます（例: 1-5-12-20-31）");
        numbers.push_back(value);
        start = end + 1;
    }
    if (numbers.size() != 5)
        return refused(concat("ミニロトの数字は5つです（", std::to_string(numbers.size()), "つあります）"));
    if (std::any_of(numbers.begin(), numbers.end(), [](int n) { return n < 1 || n > 31; }))
        return refused("ミニロトの数字は1から31までです");
    std::sort(numbers.begin(), numbers.end());
    if (std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end())
        return refused("ミニロトの数字が重なっています");
    // The ticket as every reader of the game's tickets takes it.
    const std::optional<analysis::Ticket> ticket = analysis::parseTicket(Game::MiniLoto,
        numbersText(Game::MiniLoto, { { numbers[0], numbers[1], numbers[2], numbers[3], numbers[4] } }));
    if (!ticket)
        return refused("ミニロトの数字として読めません");
    return { ticket, {} };
}

} // namespace

std::string_view gameName(Game game)
{
    return gameId(game);
}

std::string_view gameLabel(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return "ナンバーズ3";
    case Game::Numbers4:
        return "ナンバーズ4";
    case Game::MiniLoto:
        return "ミニロト";
    }
    return {};
}

std::optional<Game> parseGame(std::string_view name)
{
    for (const Game game : { Game::Numbers3, Game::Numbers4, Game::MiniLoto }) {
        if (gameName(game) == name)
            return game;
    }
    return std::nullopt;
}

std::optional<TicketKind> parseKind(Game game, std::string_view name)
{
    for (const analysis::KindName& k : analysis::ticketKinds(game)) {
        if (k.name == name)
            return k.kind;
    }
    return std::nullopt;
}

std::string_view kindName(Game game, TicketKind kind)
{
    const analysis::KindName* found = findKind(game, kind);
    return found ? found->name : std::string_view();
}

std::string_view kindLabel(Game game, TicketKind kind)
{
    const analysis::KindName* found = findKind(game, kind);
    return found ? found->label : std::string_view();
}

Parsed parseNumbers(Game game, std::string_view text)
{
    return game == Game::MiniLoto ? parseMiniLoto(text) : parseDigits(game, text);
}

std::string numbersText(Game game, const analysis::Ticket& numbers)
{
    std::string text;
    if (game == Game::MiniLoto) {
        for (const int n : numbers.numbers) {
            if (!text.empty())
                text += '-';
            text += std::to_string(n);
        }
        return text;
    }
    for (std::size_t i = 0; i < digitCount(game); ++i)
        text += static_cast<char>('0' + numbers.numbers[i]);
    return text;
}

std::optional<std::string> refusal(const Ticket& ticket)
{
    if (ticket.units < 1 || ticket.units > kMostUnits)
        return concat("口数は1から", std::to_string(kMostUnits), "までです");
    if (ticket.draws < 1 || ticket.draws > kMostDraws)
        return concat("継続回数は1から", std::to_string(kMostDraws), "回までです");
    if (ticket.firstDraw < 1 || ticket.lastDraw() > db::csv::kHighestDraw)
        return concat("回号は1から", std::to_string(db::csv::kHighestDraw), "までです");
    if (!findKind(ticket.game, ticket.kind))
        return concat(gameLabel(ticket.game), "にその種類の券はありません");
    // The numbers as the text they were read from must read back the same.
    const Parsed again = parseNumbers(ticket.game, numbersText(ticket.game, ticket.numbers));
    if (!again.numbers)
        return again.refusal;
    if (!analysis::canBuy(ticket.game, ticket.kind, *again.numbers))
        return concat("すべての桁が同じ数字は", kindLabel(ticket.game, ticket.kind), "では買えません");
    if (ticket.memo.size() > kLongestMemo)
        return concat("メモが長すぎます（", std::to_string(kLongestMemo), "バイトまで）");
    return std::nullopt;
}

} // namespace zelpo::tickets

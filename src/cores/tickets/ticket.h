// SPDX-License-Identifier: MIT
// A ticket the user bought: the game, the kind, the numbers, the units, the
// draws it covers and a memo; read from the texts the user types and checked
// against what the game sells, with a Japanese reason for what it refuses.
#pragma once

#include "cores/analysis/money.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelpo::tickets {

using analysis::TicketKind;
using analysis::Yen;
using zelpo::Game;

inline constexpr int kMostUnits = 99;
inline constexpr int kMostDraws = 20;
// The longest memo kept, in bytes of UTF-8.
inline constexpr std::size_t kLongestMemo = 400;

struct Ticket {
    std::int64_t id = 0; // 0 until stored
    Game game = Game::Numbers3;
    TicketKind kind = TicketKind::Straight;
    analysis::Ticket numbers; // Mini Loto's in ascending order
    int units = 1;
    int firstDraw = 1;
    int draws = 1; // consecutive draws from firstDraw
    std::string memo;
    std::string entered; // "YYYY-MM-DD HH:MM:SS", local time

    int lastDraw() const { return firstDraw + draws - 1; }
    // What the ticket cost over all of its draws.
    Yen cost() const { return analysis::kTicketPrice * units * draws; }
    bool covers(int draw) const { return draw >= firstDraw && draw <= lastDraw(); }
};

// "numbers3", "numbers4", "miniloto"; and the game as the windows name it.
std::string_view gameName(Game game);
std::string_view gameLabel(Game game);
std::optional<Game> parseGame(std::string_view name);

// The kind by the name the command line takes ("straight", "ticket") for the
// game; nothing when the game has no such kind.
std::optional<TicketKind> parseKind(Game game, std::string_view name);
std::string_view kindName(Game game, TicketKind kind);
std::string_view kindLabel(Game game, TicketKind kind);

// The numbers read from a text, or the Japanese reason they cannot be.
struct Parsed {
    std::optional<analysis::Ticket> numbers;
    std::string refusal;
};
// Numbers: the digits ("123", "0123"). Mini Loto: five numbers joined by "-"
// in any order ("20-1-5-12-31"), kept in ascending order.
Parsed parseNumbers(Game game, std::string_view text);
// "123", "1-5-12-20-31".
std::string numbersText(Game game, const analysis::Ticket& numbers);

// Why the ticket cannot be bought (units, draws, a kind the game does not
// sell for its numbers, a memo too long), or nothing when it can.
std::optional<std::string> refusal(const Ticket& ticket);

} // namespace zelpo::tickets

// SPDX-License-Identifier: MIT
// Tickets and what they win: a ticket is one prediction of a game, read from
// its text; its hit classes against a draw and its chance of each class
// against a uniformly random draw.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zelpo::analysis {

enum class Game { Numbers3, Numbers4, MiniLoto };

inline constexpr std::size_t kMaxClasses = 4;

// A class as the command line names it ("straight", "1") and as the window
// shows it ("ストレート", "1等").
struct HitClass {
    std::string_view name;
    std::string_view label;
};

// The game's classes, most valuable first: straight, box (and mini for
// Numbers 3); Mini Loto 1 to 4.
std::span<const HitClass> hitClasses(Game game);

// Set of classes of one ticket: bit i stands for hitClasses(game)[i].
using ClassSet = unsigned;

// A drawn result. Numbers: `numbers` holds the digits, most significant
// first. Mini Loto: the five numbers and the bonus (0 when there is none).
struct Draw {
    int kaisai = 0;
    std::array<int, 5> numbers {};
    int bonus = 0;
};

// Numbers: every digit of the game's positions within 0..9.
bool isScorable(Game game, const Draw& draw);

// Numbers: exactly 3 (4) ASCII digits. Mini Loto: five distinct numbers 1..31
// joined by "-", each written with one or two digits.
struct Ticket {
    std::array<int, 5> numbers {};
};
std::optional<Ticket> parseTicket(Game game, std::string_view text);

// Mini Loto's bonus as stored: a number 1..31 in ASCII digits, blanks around
// it ignored; anything else is no bonus (0).
int parseBonus(std::string_view text);

// The classes the ticket wins against the draw (a scorable draw).
ClassSet classesWon(Game game, const Ticket& ticket, const Draw& draw);

// The ticket's chance of each class against a uniformly random draw.
std::array<double, kMaxClasses> chances(Game game, const Ticket& ticket);

} // namespace zelpo::analysis

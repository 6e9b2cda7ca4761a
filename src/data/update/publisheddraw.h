// SPDX-License-Identifier: MIT
// A draw as a results source publishes it, and the one check every draw
// passes before the program sees it, whichever source it came from.
#pragma once

#include "cores/game/game.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace zelpo::update {

// "numbers3", "numbers4", "miniloto": the names the command line and the feed use.
QString gameKey(Game game);
// "Numbers 3", "Numbers 4", "Mini Loto": the names messages use.
QString gameTitle(Game game);
// How many winning numbers a draw has: 3, 4 or 5.
int numberCount(Game game);

// Every amount of money and every count of tickets lies below this.
inline constexpr qint64 kAmountLimit = 10'000'000'000;
// Draw numbers run from 1 to this, as the game tables allow.
inline constexpr int kHighestDraw = 32767;

// Whole yen, or a number of winning tickets. Nothing means unknown, not sold or
// nothing paid; 0 is a real value (no ticket won that class).
using Amount = std::optional<qint64>;

struct Payouts {
    // ナンバーズ: yen per winning ticket of each class; mini is Numbers 3 only.
    Amount straight;
    Amount box;
    Amount setStraight;
    Amount setBox;
    Amount mini;
    // ミニロト: yen per winning ticket and the winning tickets of classes 1 to 4.
    std::array<Amount, 4> prize;
    std::array<Amount, 4> winners;

    bool operator==(const Payouts&) const = default;
    bool empty() const { return *this == Payouts {}; }
};

struct PublishedDraw {
    Game game = Game::Numbers3;
    int kaisai = 0;
    QDate date; // null when the source gives none
    // Numbers: the digits from the highest place down. Mini Loto: the five
    // numbers in ascending order, as the bank publishes them and the table holds them.
    std::vector<int> numbers;
    std::optional<int> bonus; // Mini Loto only
    Payouts payouts;

    bool operator==(const PublishedDraw&) const = default;
};

// What a parser gives: every draw, ascending by draw number, or what is wrong.
struct Parsed {
    std::vector<PublishedDraw> draws;
    QString error; // English, naming the draw or the place; `draws` is then empty

    bool ok() const { return error.isEmpty(); }
};

Parsed failed(QString error);

// The first fault of the draws, or an empty text. The draws must be of the
// game, ascending without repeats in draw number (1 to kHighestDraw) and in
// date where dates are given; Numbers digits 0-9; Mini Loto five distinct
// numbers 1-31 and a bonus 1-31 not among them; every amount whole, from 0
// and below kAmountLimit, and only the classes the game has.
QString checkDraws(Game game, const std::vector<PublishedDraw>& draws);

// Sorts the draws by draw number and checks them: the last step of every parser.
Parsed checked(Game game, std::vector<PublishedDraw> draws);

} // namespace zelpo::update

// SPDX-License-Identifier: MIT
// The published payouts of one draw, one type per game, as the payout tables
// "ナンバーズ3配当", "ナンバーズ4配当" and "ミニロト配当" hold them. Amounts are
// yen per winning 200-yen ticket; nothing stands for NULL (unknown, or not
// sold that draw), which is not the same as 0.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zelpo::analysis {

using Yen = std::int64_t;

struct Numbers3Payout {
    int kaisai = 0;
    std::string date; // YYYY-MM-DD; empty when unknown
    std::optional<Yen> straight;
    std::optional<Yen> box;
    std::optional<Yen> setStraight;
    std::optional<Yen> setBox;
    std::optional<Yen> mini;
};

struct Numbers4Payout {
    int kaisai = 0;
    std::string date;
    std::optional<Yen> straight;
    std::optional<Yen> box;
    std::optional<Yen> setStraight;
    std::optional<Yen> setBox;
};

struct MiniLotoPayout {
    int kaisai = 0;
    std::string date;
    std::array<std::optional<Yen>, 4> prizes;           // prize1 .. prize4
    std::array<std::optional<std::int64_t>, 4> winners; // winners1 .. winners4
};

} // namespace zelpo::analysis

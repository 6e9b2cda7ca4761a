// SPDX-License-Identifier: MIT
// The published payouts of the draws: one row per draw as the payout tables
// "ナンバーズ3配当", "ナンバーズ4配当" and "ミニロト配当" hold it, and the rows of
// one game found by draw number. Amounts are yen per winning 200-yen ticket;
// nothing stands for NULL (unknown, or not sold that draw), distinct from 0.
#pragma once

#include "cores/analysis/hits.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

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

    bool operator==(const Numbers3Payout&) const = default;
};

struct Numbers4Payout {
    int kaisai = 0;
    std::string date;
    std::optional<Yen> straight;
    std::optional<Yen> box;
    std::optional<Yen> setStraight;
    std::optional<Yen> setBox;

    bool operator==(const Numbers4Payout&) const = default;
};

struct MiniLotoPayout {
    int kaisai = 0;
    std::string date;
    std::array<std::optional<Yen>, 4> prizes;           // prize1 .. prize4
    std::array<std::optional<std::int64_t>, 4> winners; // winners1 .. winners4

    bool operator==(const MiniLotoPayout&) const = default;
};

// The largest amount taken as a payout: no lottery of the country pays more
// for one ticket. A larger or negative amount counts as unknown, which also
// keeps every sum of a history within 64 bits.
inline constexpr Yen kLargestPayout = 1'000'000'000;

// Where each amount sits in DrawPayout::yen: Numbers straight, box,
// set_straight, set_box, mini; Mini Loto prize1 .. prize4 from 0.
inline constexpr std::size_t kStraightYen = 0;
inline constexpr std::size_t kBoxYen = 1;
inline constexpr std::size_t kSetStraightYen = 2;
inline constexpr std::size_t kSetBoxYen = 3;
inline constexpr std::size_t kMiniYen = 4;
inline constexpr std::size_t kPrize1Yen = 0;

// One draw's amounts as the money reads them, any game; small, as a history
// holds tens of thousands of them.
struct DrawPayout {
    int kaisai = 0;
    std::array<std::int32_t, 5> amounts {}; // yen, where known (kLargestPayout fits)
    std::uint8_t known = 0;                 // bit k: amounts[k] is known

    DrawPayout() = default;
    // Amounts outside 0..kLargestPayout count as unknown.
    DrawPayout(int number, const std::array<std::optional<Yen>, 5>& yen);

    bool has(std::size_t k) const { return (known >> k & 1u) != 0; }
    std::optional<Yen> yen(std::size_t k) const { return has(k) ? std::optional<Yen>(amounts[k]) : std::nullopt; }
    void setYen(std::size_t k, std::optional<Yen> yen);
};

DrawPayout drawPayout(const Numbers3Payout& payout);
DrawPayout drawPayout(const Numbers4Payout& payout);
DrawPayout drawPayout(const MiniLotoPayout& payout);

// The payout rows of one game, found by draw number. Copies share the rows.
// Empty (the default) when the file holds no payouts at all.
class Payouts {
public:
    Payouts() = default;
    explicit Payouts(std::span<const Numbers3Payout> rows);
    explicit Payouts(std::span<const Numbers4Payout> rows);
    explicit Payouts(std::span<const MiniLotoPayout> rows);
    // Rows already in the form the money reads, as a reader of the tables
    // collects them; amounts outside 0..kLargestPayout count as unknown.
    Payouts(Game game, std::vector<DrawPayout> rows);

    // The game the rows were given for; nothing for the default.
    std::optional<Game> game() const { return m_game; }
    std::size_t size() const { return m_rows ? m_rows->size() : 0; }
    // The row of the draw, or null when it has none. Of rows sharing a
    // number the first counts.
    const DrawPayout* find(int kaisai) const;
    // The same, looking first at `next`, which is left after the row found
    // (or where the draw's row would be): draws asked for in ascending order
    // are found one step each.
    const DrawPayout* find(int kaisai, std::size_t& next) const;

private:
    template <class Row>
    void keep(Game game, std::span<const Row> rows);
    void keep(Game game, std::vector<DrawPayout> rows);

    std::optional<Game> m_game;
    std::shared_ptr<const std::vector<DrawPayout>> m_rows; // ascending draw number
};

} // namespace zelpo::analysis

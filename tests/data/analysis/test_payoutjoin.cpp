// SPDX-License-Identifier: MIT
#include "cores/analysis/report.h"
#include "data/analysis/recorddata.h"
#include "data/db/history.h"
#include "data/db/payouts.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <tuple>

using namespace zelpo::analysis;
using zelpo::Game;
using zelpo::test::TempDatabase;
namespace db = zelpo::db;

namespace {

// Every kind's tickets, won, chance won and draws without payouts.
using KindFigures = std::tuple<int, Yen, double, int>;

std::vector<KindFigures> moneyOf(const Record& record)
{
    std::vector<KindFigures> figures;
    EXPECT_NE(record.money(), nullptr);
    for (const KindMoney& kind : record.money() ? record.money()->kinds() : std::span<const KindMoney>())
        figures.emplace_back(kind.tickets, kind.won, kind.chanceWon(), kind.drawsWithoutPayouts);
    return figures;
}

QString sqlAmount(const std::optional<Yen>& yen)
{
    return yen ? QString::number(*yen) : QStringLiteral("NULL");
}

// A small history of the game in a file and in memory: random draws, each
// with stored tickets; a payout row for most, with a NULL amount here and
// there, and none for every seventh draw.
struct History {
    Game game;
    TempDatabase database;
    std::vector<Draw> draws;
    std::vector<std::array<std::string, 5>> stored;
    std::vector<DrawPayout> payouts;

    explicit History(Game which)
        : game(which)
    {
        std::mt19937 random(static_cast<unsigned>(which) + 7);
        const bool mini = game == Game::MiniLoto;
        const std::size_t size = game == Game::Numbers3 ? 3 : game == Game::Numbers4 ? 4 : 5;
        QStringList drawRows;
        QStringList payoutRows;
        for (int kaisai = 1; kaisai <= 60; ++kaisai) {
            Draw draw { kaisai, {}, 0 };
            std::vector<int> pool(mini ? 31 : 10);
            std::iota(pool.begin(), pool.end(), mini ? 1 : 0);
            std::shuffle(pool.begin(), pool.end(), random);
            QStringList values { QString::number(kaisai) };
            for (std::size_t p = 0; p < size; ++p) {
                // Numbers digits may repeat; every eleventh draw is all one digit.
                draw.numbers[p] = mini ? pool[p] : kaisai % 11 == 0 ? 7 : pool[random() % 10];
                values << QString::number(draw.numbers[p]);
            }
            if (mini)
                draw.bonus = pool[5];
            std::array<std::string, 5>& tickets = stored.emplace_back();
            QStringList texts;
            if (mini)
                texts << QString::number(draw.bonus);
            for (std::size_t t = 0; t < (mini ? 4u : 5u); ++t) {
                std::string text;
                for (std::size_t p = 0; p < size; ++p) {
                    // Piece by piece: GCC 12 at -O2 reports a false -Wrestrict on "…" + std::string&&.
                    if (p && mini)
                        text += '-';
                    text += std::to_string(mini ? pool[(p + t) % 8] : pool[(p + t) % 10]);
                }
                tickets[t] = text;
                texts << QString::fromStdString(text);
            }
            while (texts.size() < 5)
                texts << QString();
            values << u'\'' + texts.join(QStringLiteral("','")) + QStringLiteral("',' '");
            drawRows << u'(' + values.join(u',') + u')';
            draws.push_back(draw);
            if (kaisai % 7 == 0)
                continue;
            DrawPayout& payout = payouts.emplace_back(DrawPayout { kaisai, {} });
            QStringList amounts { QString::number(kaisai), QStringLiteral("'2026-01-05'") };
            const std::size_t count = mini ? 4 : game == Game::Numbers3 ? 5 : 4;
            for (std::size_t a = 0; a < count; ++a) {
                if (kaisai % 5 != static_cast<int>(a))
                    payout.setYen(a, 1000 + static_cast<Yen>(random() % 90000));
                amounts << sqlAmount(payout.yen(a));
                if (mini)
                    amounts << QStringLiteral("NULL"); // winners: not read
            }
            payoutRows << u'(' + amounts.join(u',') + u')';
        }
        database.exec(QStringLiteral("INSERT INTO %1 VALUES %2").arg(db::tableName(game), drawRows.join(u',')));
        database.exec(QStringLiteral("INSERT INTO %1 VALUES %2").arg(db::payoutTableName(game), payoutRows.join(u',')));
    }

    Payouts inMemory() const { return Payouts(game, payouts); }
};

class PayoutsFromTheFile : public ::testing::TestWithParam<Game> { };

// The draws' payouts, read in the same pass as the draws, count as the same
// payouts given in memory: for the backtest over any range and for the
// stored predictions.
TEST_P(PayoutsFromTheFile, CountAsTheSamePayoutsInMemory)
{
    const History history(GetParam());
    const Payouts payouts = history.inMemory();
    for (const Range range : { Range {}, Range { 20, std::nullopt }, Range { 10, 30 } }) {
        const std::optional<Record> fromFile = backtest(history.game, history.database.path(), range);
        ASSERT_TRUE(fromFile);
        const Record inMemory = backtest(history.game, history.draws, range, false, &payouts);
        EXPECT_EQ(moneyOf(*fromFile), moneyOf(inMemory)) << range.from.value_or(0);
        EXPECT_GT(std::get<0>(moneyOf(*fromFile)[0]), 0);
        EXPECT_GT(std::get<3>(moneyOf(*fromFile)[0]), 0);
    }

    const std::optional<Record> checked = checkStored(history.game, history.database.path());
    ASSERT_TRUE(checked);
    Record expected(history.game, false, &payouts);
    for (std::size_t i = 0; i < history.draws.size(); ++i)
        checkStored(
            expected, history.draws[i], std::span(history.stored[i]).first(history.game == Game::MiniLoto ? 4 : 5));
    EXPECT_EQ(moneyOf(*checked), moneyOf(expected));
}

// A file made before the payout tables: nothing bought, every scored draw
// without payouts, no failure, and nothing created by reading.
TEST_P(PayoutsFromTheFile, AFileWithoutTheTablesBuysNothing)
{
    const History history(GetParam());
    for (const Game game : zelpo::kGames)
        history.database.exec("DROP TABLE " + db::payoutTableName(game));
    const QStringList before = history.database.dump();
    const std::optional<Record> fromFile = backtest(history.game, history.database.path(), Range {});
    ASSERT_TRUE(fromFile);
    const std::optional<StoredDraws> stored = readStoredDraws(history.game, history.database.path());
    ASSERT_TRUE(stored);
    for (const Record& record : { *fromFile, checkStored(*stored) }) {
        for (const KindFigures& kind : moneyOf(record))
            EXPECT_EQ(kind, KindFigures(0, 0, 0.0, record.draws()));
    }
    EXPECT_EQ(history.database.dump(), before);
}

// An amount the file holds unreadably fails every reader, naming it.
TEST_P(PayoutsFromTheFile, AnUnreadableAmountFailsTheRead)
{
    const History history(GetParam());
    const QString column = GetParam() == Game::MiniLoto ? "prize3" : "set_box";
    history.database.exec(
        QStringLiteral("UPDATE %1 SET %2='9x' WHERE kaisai=8").arg(db::payoutTableName(history.game), column));
    db::Status status;
    EXPECT_FALSE(backtest(history.game, history.database.path(), Range {}, &status));
    EXPECT_EQ(status.failure(), db::Failure::Read);
    EXPECT_TRUE(status.detail().contains(QStringLiteral("draw 8: %1 holds \"9x\"").arg(column)))
        << status.detail().toStdString();
    EXPECT_FALSE(checkStored(history.game, history.database.path(), &status));
    EXPECT_EQ(status.failure(), db::Failure::Read);
    // Before the range's first draw it is not read.
    EXPECT_TRUE(backtest(history.game, history.database.path(), Range { 9, std::nullopt }));
}

INSTANTIATE_TEST_SUITE_P(Games, PayoutsFromTheFile, ::testing::Values(Game::Numbers3, Game::Numbers4, Game::MiniLoto),
    [](const auto& info) { return std::string(zelpo::analysis::gameName(info.param)); });

} // namespace

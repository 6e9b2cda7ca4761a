// SPDX-License-Identifier: MIT
#include "data/miniloto/minilotodata.h"
#include "data/numbers3/numbers3data.h"
#include "data/numbers4/numbers4data.h"
#include "data/update/store.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

using namespace zelpo::update;
using zelpo::Game;
using zelpo::test::TempDatabase;

namespace {

const char* table(Game game)
{
    return game == Game::Numbers3 ? "ナンバーズ3" : game == Game::Numbers4 ? "ナンバーズ4" : "ミニロト";
}

// Draw k's numbers: digits that walk through 0..9, or five numbers from 1 to 31 with the bonus base + 2.
std::vector<int> numbersOf(Game game, int k)
{
    if (game == Game::MiniLoto) {
        const int base = k % 20;
        return { base + 1, base + 3, base + 6, base + 9, base + 12 };
    }
    std::vector<int> digits { k * 7 % 10, k * 3 % 10, k * 9 % 10, k % 10 };
    digits.resize(static_cast<std::size_t>(numberCount(game)));
    return digits;
}

// Draws 1 to `count` as a registration stored them, without dates or payouts.
void storeHistory(const TempDatabase& database, Game game, int count)
{
    const QString numbers = game == Game::MiniLoto ? "k%20+1, k%20+3, k%20+6, k%20+9, k%20+12, k%20+2"
        : game == Game::Numbers3                   ? "k*7%10, k*3%10, k*9%10, '1'"
                                                   : "k*7%10, k*3%10, k*9%10, k%10, '1'";
    database.exec(QString("WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k+1 FROM n WHERE k<%1) "
                          "INSERT INTO %2 SELECT k, %3, '2', '3', '4', '5', ' ' FROM n")
                      .arg(count)
                      .arg(table(game), numbers));
}

PublishedDraw publishedDraw(Game game, int k)
{
    PublishedDraw draw { game, k, QDate(2026, 1, 1).addDays(k), numbersOf(game, k), {}, {} };
    if (game == Game::MiniLoto) {
        draw.bonus = k % 20 + 2;
        draw.payouts.prize[0] = 1000 * k;
        draw.payouts.winners[3] = 0;
    } else {
        draw.payouts.straight = 1000 * k;
    }
    return draw;
}

// What the registration window shows for draw k: the predictions from the draws before it.
QStringList registrationRow(const TempDatabase& database, Game game, int k)
{
    const QString where = QString("WHERE kaisai>0 AND kaisai<%1").arg(k);
    const std::optional<QStringList> predictions = game == Game::Numbers3
        ? zelpo::numbers3::predictNext(database.path(), where)
        : game == Game::Numbers4 ? zelpo::numbers4::predictNext(database.path(), where)
                                 : zelpo::miniloto::predictNext(database.path(), where);
    QStringList row;
    for (const int n : numbersOf(game, k))
        row << QString::number(n);
    if (game == Game::MiniLoto)
        row << QString::number(k % 20 + 2);
    return row << predictions.value_or(QStringList { "no predictions" }) << " ";
}

class Stores : public testing::TestWithParam<Game> { };

TEST_P(Stores, NewDrawsAsTheRegistrationStoresThemAndWhatTheFileLacks)
{
    const Game game = GetParam();
    const TempDatabase database;
    // An older file: no payout tables.
    for (const char* name : { "ナンバーズ3配当", "ナンバーズ4配当", "ミニロト配当" })
        database.exec(QString("DROP TABLE %1").arg(name));
    storeHistory(database, game, 30);
    std::vector<PublishedDraw> published;
    for (int k = 29; k <= 34; ++k)
        published.push_back(publishedDraw(game, k));

    const StoreResult result = storeUpdate(database.path(), game, published, false);
    ASSERT_TRUE(result.ok()) << result.plan.reason().toStdString() << zelpo::db::describe(result.status).toStdString();
    EXPECT_TRUE(result.stored);
    EXPECT_EQ(result.plan.appends.size(), 4u);
    EXPECT_EQ(result.plan.fills.size(), 2u); // draws 29 and 30 gain their dates and payouts
    for (int k = 31; k <= 34; ++k) {
        const QStringList stored = database.rows(QString("SELECT * FROM %1 WHERE kaisai=%2").arg(table(game)).arg(k));
        ASSERT_EQ(stored.size(), 1) << k;
        EXPECT_EQ(stored[0].section('|', 1), registrationRow(database, game, k).join('|')) << k;
    }
    const QString suffix = game == Game::MiniLoto ? "|0" : "|";
    QStringList payouts;
    for (int k = 29; k <= 34; ++k)
        payouts << QString("%1|%2|%3").arg(k).arg(QDate(2026, 1, 1).addDays(k).toString(Qt::ISODate)).arg(1000 * k)
                + suffix;
    EXPECT_EQ(database.rows(QString("SELECT kaisai,date,%1 FROM %2配当 ORDER BY kaisai")
                                .arg(game == Game::MiniLoto ? "prize1,winners4" : "straight,box", table(game))),
        payouts);
}

TEST_P(Stores, TheFirstDrawOfAnEmptyTableGetsThePredictionsOfNoHistory)
{
    const Game game = GetParam();
    const TempDatabase database;
    const QStringList expected = registrationRow(database, game, 1);
    ASSERT_TRUE(storeUpdate(database.path(), game, { publishedDraw(game, 1) }, false).ok());
    EXPECT_EQ(database.rows(QString("SELECT * FROM %1").arg(table(game))), QStringList { "1|" + expected.join('|') });
}

INSTANTIATE_TEST_SUITE_P(Update, Stores, testing::Values(Game::Numbers3, Game::Numbers4, Game::MiniLoto),
    [](const auto& info) { return gameKey(info.param).toStdString(); });

struct RefusalCase {
    const char* name;
    std::vector<int> draws; // published, from draw 30 on: -1 for other numbers than stored
    bool dryRun;
    const char* reason;
};

class StoresNothing : public testing::TestWithParam<RefusalCase> { };

TEST_P(StoresNothing, WhenThePlanOrTheRunSaysSo)
{
    const RefusalCase& c = GetParam();
    const TempDatabase database;
    storeHistory(database, Game::Numbers3, 30);
    std::vector<PublishedDraw> published;
    for (const int k : c.draws) {
        published.push_back(publishedDraw(Game::Numbers3, k < 0 ? 30 : k));
        if (k < 0)
            published.back().numbers = { 9, 9, 9 };
    }
    const QStringList before = database.dump();
    const StoreResult result = storeUpdate(database.path(), Game::Numbers3, published, c.dryRun);
    EXPECT_FALSE(result.stored);
    EXPECT_EQ(result.plan.reason(), QString::fromUtf8(c.reason));
    EXPECT_EQ(database.dump(), before);
}

INSTANTIATE_TEST_SUITE_P(Update, StoresNothing,
    testing::Values(
        RefusalCase { "a_conflict", { -1, 31, 32 }, false, "draw 30 is stored as 000 but published as 999" },
        RefusalCase { "a_gap", { 32, 33 }, false, "draw 31 is missing (the source publishes draws up to 33)" },
        RefusalCase { "a_dry_run", { 30, 31, 32 }, true, "" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

// SPDX-License-Identifier: MIT
#include "data/db/payouts.h"
#include "db/drawcount.h"
#include "db/history.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

using zelpo::db::Game;
using zelpo::test::TempDatabase;
namespace analysis = zelpo::analysis;

namespace {

// "kaisai|date|amount|..." with NULL for what is unknown.
QString line(int kaisai, const std::string& date, const std::vector<std::optional<std::int64_t>>& amounts)
{
    QStringList fields { QString::number(kaisai),
        date.empty() ? QStringLiteral("NULL") : QString::fromStdString(date) };
    for (const auto& amount : amounts)
        fields << (amount ? QString::number(*amount) : QStringLiteral("NULL"));
    return fields.join(u'|');
}

QStringList lines(const std::vector<analysis::Numbers3Payout>& rows)
{
    QStringList result;
    for (const auto& p : rows)
        result << line(p.kaisai, p.date, { p.straight, p.box, p.setStraight, p.setBox, p.mini });
    return result;
}

QStringList lines(const std::vector<analysis::MiniLotoPayout>& rows)
{
    QStringList result;
    for (const auto& p : rows) {
        std::vector<std::optional<std::int64_t>> amounts;
        for (std::size_t i = 0; i < 4; ++i)
            amounts.insert(amounts.end(), { p.prizes[i], p.winners[i] });
        result << line(p.kaisai, p.date, amounts);
    }
    return result;
}

template <class Payout>
QStringList readBack(const QString& database)
{
    std::vector<Payout> rows;
    const zelpo::db::Status status = zelpo::db::readPayouts(database, rows);
    EXPECT_TRUE(status.ok()) << zelpo::db::describe(status).toStdString();
    return lines(rows);
}

// A file made before the payout tables: the game tables only.
class OlderFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const Game game : zelpo::db::kGames)
            database.exec("DROP TABLE " + zelpo::db::payoutTableName(game));
        database.addNumbers3(1, 1, 9, 1);
    }
    zelpo::db::Status store(const std::function<void(zelpo::db::Writer&)>& work) const
    {
        return zelpo::db::write(database.path(), zelpo::db::kCountNumbers3, {}, work);
    }

    const TempDatabase database;
    const QString& path = database.path();
};

TEST_F(OlderFile, ReadersFindNothingAndCreateNothing)
{
    const QStringList before = database.dump();
    std::vector<analysis::Numbers3Payout> n3(1);
    EXPECT_TRUE(zelpo::db::readPayouts(path, n3).ok());
    EXPECT_TRUE(n3.empty());
    EXPECT_EQ(readBack<analysis::MiniLotoPayout>(path), QStringList());
    QString date = "x";
    EXPECT_TRUE(zelpo::db::readDrawDate(path, Game::Numbers3, 1, date).ok());
    EXPECT_EQ(date, "");
    EXPECT_TRUE(zelpo::db::checkDatabaseFile(path).ok());
    EXPECT_EQ(database.dump(), before);
}

TEST_F(OlderFile, TheFirstWriteOfPayoutsCreatesTheTablesInItsOwnTransaction)
{
    const QStringList before = database.dump();
    const analysis::Numbers3Payout first { 1, "1994-10-07", 119800, std::nullopt, 79800, 19900, 0 };
    const zelpo::db::Status refused = store([&](zelpo::db::Writer& writer) {
        zelpo::db::storePayout(writer, first);
        writer.refuse(zelpo::db::Failure::Write, "the rest of the write failed");
    });
    EXPECT_EQ(refused.failure(), zelpo::db::Failure::Write);
    EXPECT_EQ(database.dump(), before);

    ASSERT_TRUE(store([&](zelpo::db::Writer& writer) { zelpo::db::storePayout(writer, first); }).ok());
    EXPECT_EQ(database.rows("SELECT name FROM sqlite_master WHERE name LIKE '%配当' ORDER BY name"),
        (QStringList { "ナンバーズ3配当", "ナンバーズ4配当", "ミニロト配当" }));
    // A later fill: what it knows replaces the stored value, what it does not know keeps it.
    const analysis::Numbers3Payout later { 1, "", 119900, 39900, std::nullopt, std::nullopt, std::nullopt };
    analysis::MiniLotoPayout mini { 2, "1999-04-27", {}, {} };
    mini.prizes[3] = 1100;
    ASSERT_TRUE(store([&](zelpo::db::Writer& writer) {
        zelpo::db::storePayout(writer, later);
        zelpo::db::storePayout(writer, mini);
    }).ok());
    EXPECT_EQ(readBack<analysis::Numbers3Payout>(path), QStringList { "1|1994-10-07|119900|39900|79800|19900|0" });
    EXPECT_EQ(readBack<analysis::MiniLotoPayout>(path),
        QStringList { "2|1999-04-27|NULL|NULL|NULL|NULL|NULL|NULL|1100|NULL" });

    // Values no draw can have refuse the whole write.
    const QStringList stored = database.dump();
    for (const analysis::Numbers4Payout& bad : { analysis::Numbers4Payout { 0, "", 1, 1, 1, 1 },
             analysis::Numbers4Payout { 3, "2026-02-29", 1, 1, 1, 1 }, analysis::Numbers4Payout { 3, "", -1, 1, 1, 1 },
             analysis::Numbers4Payout { 3, "", 1, 1, 1'000'000'001, 1 } }) {
        EXPECT_EQ(store([&](zelpo::db::Writer& writer) { zelpo::db::storePayout(writer, bad); }).failure(),
            zelpo::db::Failure::Write)
            << bad.kaisai << ' ' << bad.date;
    }
    EXPECT_EQ(database.dump(), stored);
}

struct StoredCase {
    const char* name;
    const char* sql; // statements, one a line, run on a file holding draw 1 of ナンバーズ3配当
    zelpo::db::Failure failure;
    const char* detail;
};

class StoredPayouts : public ::testing::TestWithParam<StoredCase> { };

TEST_P(StoredPayouts, WhatCannotBeReadFailsTheRead)
{
    const TempDatabase database;
    database.exec("INSERT INTO ナンバーズ3配当 VALUES (1,'1994-10-07',119800,NULL,79800,19900,11900)");
    for (const QString& sql : QString::fromUtf8(GetParam().sql).split(u'\n'))
        database.exec(sql);
    std::vector<analysis::Numbers3Payout> rows;
    const zelpo::db::Status status = zelpo::db::readPayouts(database.path(), rows);
    EXPECT_EQ(status.failure(), GetParam().failure);
    EXPECT_TRUE(status.detail().contains(QString::fromUtf8(GetParam().detail))) << status.detail().toStdString();
    EXPECT_TRUE(rows.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredPayouts,
    ::testing::Values(StoredCase { "text", "UPDATE ナンバーズ3配当 SET box='abc'", zelpo::db::Failure::Read,
                          "ナンバーズ3配当 draw 1: box holds \"abc\", not a whole number from 0 to 1000000000" },
        StoredCase {
            "fraction", "UPDATE ナンバーズ3配当 SET mini=1.5", zelpo::db::Failure::Read, "mini holds \"1.5\"" },
        StoredCase { "negative", "UPDATE ナンバーズ3配当 SET straight=-1", zelpo::db::Failure::Read, "straight holds" },
        StoredCase { "no_date", "UPDATE ナンバーズ3配当 SET date='1994-10-32'", zelpo::db::Failure::Read,
            "date holds \"1994-10-32\", not a date written YYYY-MM-DD" },
        StoredCase { "view", "DROP TABLE ナンバーズ4配当\nCREATE VIEW ナンバーズ4配当 AS SELECT * FROM ナンバーズ3配当",
            zelpo::db::Failure::Open, "ナンバーズ4配当 is not a plain stored table" },
        StoredCase { "trigger", "CREATE TRIGGER t AFTER INSERT ON ミニロト配当 BEGIN DELETE FROM ナンバーズ3; END",
            zelpo::db::Failure::Open, "ミニロト配当 is not a plain stored table" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

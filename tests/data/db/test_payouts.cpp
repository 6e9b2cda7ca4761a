// SPDX-License-Identifier: MIT
#include "data/db/drawcount.h"
#include "data/db/history.h"
#include "data/db/payouts.h"
#include "support/testdb.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using zelpo::Game;
using zelpo::test::TempDatabase;
namespace analysis = zelpo::analysis;

namespace {

QStringList dataLines(const QString& name)
{
    QFile file(QStringLiteral(ZELPO_DATA_DIR "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts).mid(1);
}

using Amounts = std::vector<std::optional<std::int64_t>>;
Amounts amounts(const analysis::Numbers3Payout& p)
{
    return { p.straight, p.box, p.setStraight, p.setBox, p.mini };
}
Amounts amounts(const analysis::Numbers4Payout& p)
{
    return { p.straight, p.box, p.setStraight, p.setBox };
}
Amounts amounts(const analysis::MiniLotoPayout& p)
{
    Amounts result;
    for (std::size_t i = 0; i < 4; ++i)
        result.insert(result.end(), { p.prizes[i], p.winners[i] });
    return result;
}

// The rows as readPayouts() gives them: "kaisai|date|amount|..." with NULL for what is unknown.
template <class Payout>
QStringList readBack(const QString& database)
{
    std::vector<Payout> rows;
    const zelpo::db::Status status = zelpo::db::readPayouts(database, rows);
    EXPECT_TRUE(status.ok()) << zelpo::db::describe(status).toStdString();
    QStringList result;
    for (const Payout& p : rows) {
        QStringList fields { QString::number(p.kaisai), p.date.empty() ? "NULL" : QString::fromStdString(p.date) };
        for (const auto& amount : amounts(p))
            fields << (amount ? QString::number(*amount) : "NULL");
        result << fields.join(u'|');
    }
    return result;
}

// One new database for every game's case: filling it takes seconds.
const TempDatabase& bundledDatabase()
{
    static const auto database = [] {
        auto made = std::make_unique<TempDatabase>();
        EXPECT_TRUE(QFile::remove(made->path()));
        const zelpo::db::CreatedDatabase created = zelpo::db::createDatabaseWithHistory(made->path());
        EXPECT_TRUE(created.ok()) << describe(created.failure).toStdString();
        return made;
    }();
    return *database;
}

struct BundledCase {
    const char* name;
    Game game;
    const char* history;
    const char* payouts;
    QStringList (*read)(const QString&);
};

class BundledPayouts : public ::testing::TestWithParam<BundledCase> { };

// Every draw of the history has its row: the history's date and the payouts
// file's amounts, an empty field stored as NULL and never as 0.
TEST_P(BundledPayouts, ANewDatabaseHoldsTheDatesAndPayoutsOfTheFiles)
{
    const BundledCase& c = GetParam();
    std::map<int, QString> amounts;
    for (const QString& row : dataLines(QLatin1String(c.payouts))) {
        QStringList fields = row.split(u',');
        const int kaisai = fields.takeFirst().toInt();
        for (QString& field : fields)
            field = field.isEmpty() ? QStringLiteral("NULL") : field;
        amounts[kaisai] = fields.join(u'|');
    }
    const QString unknown = QStringList(zelpo::db::payoutColumns(c.game).size() - 2, "NULL").join(u'|');
    QStringList expected;
    for (const QString& row : dataLines(QLatin1String(c.history))) {
        const int kaisai = row.section(u',', 0, 0).toInt();
        const auto found = amounts.find(kaisai);
        expected << QStringLiteral("%1|%2|%3")
                        .arg(kaisai)
                        .arg(row.section(u',', 1, 1), found == amounts.end() ? unknown : found->second);
    }
    ASSERT_GT(expected.size(), 1000);

    EXPECT_EQ(c.read(bundledDatabase().path()), expected);
}

INSTANTIATE_TEST_SUITE_P(Games, BundledPayouts,
    ::testing::Values(BundledCase { "numbers3", Game::Numbers3, "numbers3.csv", "numbers3-payouts.csv",
                          readBack<analysis::Numbers3Payout> },
        BundledCase {
            "numbers4", Game::Numbers4, "numbers4.csv", "numbers4-payouts.csv", readBack<analysis::Numbers4Payout> },
        BundledCase {
            "miniloto", Game::MiniLoto, "miniloto.csv", "miniloto-payouts.csv", readBack<analysis::MiniLotoPayout> }),
    [](const auto& info) { return std::string(info.param.name); });

// A file made before the payout tables: the game tables only.
class OlderFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const Game game : zelpo::kGames)
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
    // The largest amount a class can pay is stored and read back; one yen more is refused below.
    const analysis::Numbers4Payout largest { 3, "", 1'000'000'000, std::nullopt, std::nullopt, 0 };
    ASSERT_TRUE(store([&](zelpo::db::Writer& writer) {
        zelpo::db::storePayout(writer, later);
        zelpo::db::storePayout(writer, mini);
        zelpo::db::storePayout(writer, largest);
    }).ok());
    EXPECT_EQ(readBack<analysis::Numbers3Payout>(path), QStringList { "1|1994-10-07|119900|39900|79800|19900|0" });
    EXPECT_EQ(readBack<analysis::MiniLotoPayout>(path),
        QStringList { "2|1999-04-27|NULL|NULL|NULL|NULL|NULL|NULL|1100|NULL" });
    EXPECT_EQ(readBack<analysis::Numbers4Payout>(path), QStringList { "3|NULL|1000000000|NULL|NULL|0" });

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
        StoredCase { "no_date", "UPDATE ナンバーズ3配当 SET date='1994-10-32'", zelpo::db::Failure::Read,
            "date holds \"1994-10-32\", not a date written YYYY-MM-DD" },
        StoredCase { "view", "DROP TABLE ナンバーズ4配当\nCREATE VIEW ナンバーズ4配当 AS SELECT * FROM ナンバーズ3配当",
            zelpo::db::Failure::Open, "ナンバーズ4配当 is not a plain stored table" },
        StoredCase { "trigger", "CREATE TRIGGER t AFTER INSERT ON ミニロト配当 BEGIN DELETE FROM ナンバーズ3; END",
            zelpo::db::Failure::Open, "ミニロト配当 is not a plain stored table" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

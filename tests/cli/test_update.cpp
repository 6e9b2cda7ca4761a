// SPDX-License-Identifier: MIT
#include "data/update/publishedsources.h"
#include "support/cli.h"

#include <gtest/gtest.h>

using zelpo::test::OlderHistory;
using zelpo::test::PublishedSources;
using zelpo::test::Reply;
using zelpo::test::runCli;

namespace {

TEST(UpdateCommand, AppendsEachGamesNewDrawsOrSaysItIsCurrent)
{
    const PublishedSources sources;
    const OlderHistory file(7051, 7054, 1352);
    const auto result = runCli({ "update", "--db", file.path() }, {});
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(result.out,
        "numbers3: 3 new draws, 7052 to 7054 (feed)\n"
        "numbers4: up to date at 7054 (feed)\n"
        "miniloto: 1 new draw, 1353 (official)\n");
    EXPECT_EQ(file.rows("SELECT kaisai,N100,N10,N1 FROM ナンバーズ3 WHERE kaisai>7051"),
        (QStringList { "7052|8|7|2", "7053|9|1|9", "7054|2|8|6" }));
    EXPECT_EQ(file.rows("SELECT * FROM ナンバーズ3配当 WHERE kaisai=7054"),
        QStringList { "7054|2026-08-21|100100|16600|58300|8300|10000" });
    EXPECT_EQ(file.rows("SELECT NO1,NO5,kounyu1 FROM ミニロト WHERE kaisai=1353"), QStringList { "6|18|5" });

    const auto again = runCli({ "update", "numbers3", "--db", file.path(), "--json" }, {});
    EXPECT_EQ(again.code, 0);
    EXPECT_EQ(again.out,
        "{\"games\": [{\"game\": \"numbers3\", \"status\": \"current\", \"source\": \"feed\", \"new\": 0, "
        "\"first\": null, \"last\": null, \"filled\": 0, \"expected\": 7054, \"missing\": 0, \"stops\": [], "
        "\"notes\": [], \"message\": \"up to date at 7054\"}]}\n");
}

TEST(UpdateCommand, AFailedGameFailsTheCommandAndTheOthersAreStillUpdated)
{
    PublishedSources sources;
    sources.route("/bank/miniloto/miniloto.csv", Reply { 500, {}, {}, Reply::Mode::Normal });
    const OlderHistory file(7053, 7054, 1352);
    const auto result = runCli({ "update", "--db", file.path(), "--json" }, {});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out,
        "{\"games\": [{\"game\": \"numbers3\", \"status\": \"updated\", \"source\": \"feed\", \"new\": 1, "
        "\"first\": 7054, \"last\": 7054, \"filled\": 0, \"expected\": 7053, \"missing\": 0, \"stops\": [], "
        "\"notes\": [], \"message\": \"1 new draw, 7054\"}, "
        "{\"game\": \"numbers4\", \"status\": \"current\", \"source\": \"feed\", \"new\": 0, \"first\": null, "
        "\"last\": null, \"filled\": 0, \"expected\": 7054, \"missing\": 0, \"stops\": [], \"notes\": [], "
        "\"message\": \"up to date at 7054\"}, "
        "{\"game\": \"miniloto\", \"status\": \"failed\", \"source\": null, \"new\": 0, \"first\": null, "
        "\"last\": null, \"filled\": 0, \"expected\": 1352, \"missing\": 0, \"stops\": [], \"notes\": [], "
        "\"message\": \"source official: "
            + sources.server.url("/bank/miniloto/miniloto.csv") + ": HTTP 500 Status\"}]}\n");
    EXPECT_EQ(file.rows("SELECT max(kaisai) FROM ナンバーズ3"), QStringList { "7054" });
}

TEST(UpdateCommand, AConflictNamesTheDrawAndBothNumbersAndTheNextSourceIsAsked)
{
    const PublishedSources sources;
    const OlderHistory file(7054, 7053, 1384);
    file.exec("UPDATE ナンバーズ4 SET N1=0 WHERE kaisai=7050"); // published as 9929
    const QString conflict = "source feed: draw 7050 is stored as 9920 but published as 9929";

    const QByteArray before = file.hash();
    const auto named = runCli({ "update", "numbers4", "--db", file.path(), "--source", "feed" }, {});
    EXPECT_EQ(named.code, 1);
    EXPECT_EQ(named.out, "numbers4: failed: " + conflict + "\n");
    EXPECT_EQ(file.hash(), before);

    // The bank publishes only what the file lacks, and agrees with it.
    const auto fallback = runCli({ "update", "numbers4", "--db", file.path() }, {});
    EXPECT_EQ(fallback.code, 0);
    EXPECT_EQ(fallback.out, "numbers4: 1 new draw, 7054 (official)\n");
    EXPECT_EQ(fallback.err, "zelpo-cli update: numbers4: " + conflict + "\n");
}

TEST(UpdateCommand, ADryRunChecksAndStoresNothing)
{
    const PublishedSources sources;
    const OlderHistory file(7051, 7054, 1384);
    const QByteArray before = file.hash();
    const auto result = runCli({ "update", "numbers3", "--dry-run", "--db", file.path() }, {});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, "numbers3: would add 3 new draws, 7052 to 7054 (feed)\n");
    EXPECT_EQ(result.err, "zelpo-cli update: a dry run: nothing was stored\n");
    const auto json = runCli({ "update", "numbers3", "--dry-run", "--json", "--db", file.path() }, {});
    EXPECT_EQ(json.code, 0);
    EXPECT_TRUE(json.out.startsWith("{\"dry_run\": true, \"games\": [{\"game\": \"numbers3\", \"status\": \"updated\""))
        << json.out.toStdString();
    EXPECT_TRUE(json.out.contains("\"message\": \"would add 3 new draws, 7052 to 7054\"")) << json.out.toStdString();
    // The status is the one the update would have had.
    file.exec("UPDATE ナンバーズ3 SET N1=0 WHERE kaisai=7051");
    const QByteArray changed = file.hash();
    const auto refused = runCli({ "update", "numbers3", "--dry-run", "--source", "feed", "--db", file.path() }, {});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.out.startsWith("numbers3: failed: source feed: draw 7051")) << refused.out.toStdString();
    EXPECT_EQ(file.hash(), changed);
}

TEST(UpdateCommand, ArgumentsItCannotTakeAreUsageErrors)
{
    for (const QStringList& args : { QStringList { "update", "numbers5" }, { "update", "numbers3", "miniloto" },
             { "update", "--source", "draws.json" }, { "update", "--db" }, { "update", "--jsn" } }) {
        const auto result = runCli(args, "unused.mdb");
        EXPECT_EQ(result.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("usage: zelpo-cli update")) << result.err.toStdString();
        EXPECT_EQ(result.out, "");
    }
}

} // namespace

// SPDX-License-Identifier: MIT
// zelpo-cli update --source with one file: what it says when the file will not do.
#include "data/update/publishedsources.h"
#include "support/cli.h"

#include <QFile>

#include <gtest/gtest.h>

using zelpo::test::OlderHistory;
using zelpo::test::runCli;

namespace {

struct OneFileCase {
    const char* name;
    const char* game;
    const char* file;     // a sample's name, "{export:GAME:LAST}" for the file's own export up to LAST, or "-" for none
    const char* expected; // standard output after "GAME: failed: PATH: "
};

void PrintTo(const OneFileCase& c, std::ostream* os)
{
    *os << c.name;
}

class OneFile : public testing::TestWithParam<OneFileCase> { };

TEST_P(OneFile, SaysWhyOnceAndPlainly)
{
    const OneFileCase& c = GetParam();
    const OlderHistory database(7054, 7054, 1384);
    QString path = database.dir() + "/draws.csv";
    const QString file = QString::fromUtf8(c.file);
    if (file.startsWith("{export:")) {
        const QStringList parts = file.mid(8).chopped(1).split(':');
        const auto exported = runCli({ "export", parts[0], "--db", database.path() }, {});
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(exported.out.section('\n', 0, parts[1].toInt()).toUtf8() + "\n");
    } else if (file == "bad-bytes") {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("kaisai,N100,N10,N1\n7055,\xff\xfe,2,3\n");
    } else if (file != "-") {
        path = QStringLiteral(ZELPO_UPDATE_SAMPLES "/") + file;
    }
    const QByteArray before = database.hash();
    const auto result = runCli({ "update", c.game, "--db", database.path(), "--source", path }, {});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out, QStringLiteral("%1: failed: source %2: %3\n").arg(c.game, path, c.expected));
    EXPECT_EQ(result.out.count(path), 1);
    EXPECT_FALSE(result.out.contains("--")) << "advice of an option update does not take";
    EXPECT_EQ(database.hash(), before);
}

INSTANTIATE_TEST_SUITE_P(UpdateCommand, OneFile,
    testing::Values(OneFileCase { "not_there", "numbers3", "-", "No such file or directory" },
        OneFileCase { "feed_of_numbers4_read_as_numbers3", "numbers3", "feed-v1-numbers4_all_full.json",
            "this is a file of Numbers 4 draws, not Numbers 3" },
        OneFileCase { "feed_of_numbers3_read_as_numbers4", "numbers4", "feed-v2-numbers3-draws.full.json",
            "this is a file of Numbers 3 draws, not Numbers 4" },
        // A Numbers 4 export has the Numbers 3 columns too; its N1000 column tells.
        OneFileCase { "export_of_numbers4_read_as_numbers3", "numbers3", "{export:numbers4:7054}",
            "this is a file of Numbers 4 draws, not Numbers 3" },
        OneFileCase { "export_of_numbers3_read_as_numbers4", "numbers4", "{export:numbers3:7054}",
            "this is a file of Numbers 3 draws, not Numbers 4" },
        OneFileCase { "ends_before_the_last_stored_draw", "numbers3", "{export:numbers3:7049}",
            "the file ends at draw 7049, before the last stored draw 7054" },
        OneFileCase {
            "neither_utf8_nor_shift_jis", "numbers3", "bad-bytes", "line 2: the text is neither UTF-8 nor Shift_JIS" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpdateCommand, AnEmptySourceIsAUsageErrorWithItsReason)
{
    for (const QStringList& source : { QStringList { "--source", "" }, QStringList { "--source=" } }) {
        const auto result = runCli(QStringList { "update", "numbers3" } + source, "unused.mdb");
        EXPECT_EQ(result.code, 2);
        EXPECT_TRUE(result.err.startsWith("zelpo-cli update: --source is empty: name feed, official,"))
            << result.err.toStdString();
    }
}

} // namespace

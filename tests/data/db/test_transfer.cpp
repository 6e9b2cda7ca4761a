// SPDX-License-Identifier: MIT
#include "data/db/transfer.h"
#include "support/testdb.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using zelpo::Game;
using zelpo::db::Failure;
using zelpo::test::FileLock;
using zelpo::test::TempDatabase;

namespace {

QStringList tableRows(const TempDatabase& database, Game game)
{
    return database.rows(QStringLiteral("SELECT * FROM %1 ORDER BY kaisai").arg(zelpo::db::tableName(game)));
}

QString problemText(const zelpo::db::ImportResult& result)
{
    return result.problem ? QString::fromStdString(zelpo::db::csv::describe(*result.problem)) : QString();
}

// Texts a user may well have typed over a prediction.
const QStringList kTricky { "1,2", "say \"hi\"", "O'Neil", "two\nlines", "\u3000", "", "予想 ", " " };

void fillTricky(const TempDatabase& database, Game game)
{
    // Stored out of order, as another program may have left them.
    for (const int kaisai : { 5, 2, 8, 1, 7, 3, 6, 4 }) {
        QStringList kounyu;
        for (int k = 0; k < 5; ++k)
            kounyu << kTricky[(kaisai + k) % kTricky.size()];
        switch (game) {
        case Game::Numbers3:
            database.addNumbers3(kaisai, kaisai % 10, 0, 9, kounyu);
            break;
        case Game::Numbers4:
            database.addNumbers4(kaisai, 0, kaisai % 10, 0, 9, kounyu);
            break;
        case Game::MiniLoto:
            database.addMiniLoto(kaisai, { 31, kaisai, 10 + kaisai, 20, 21 }, kounyu);
            break;
        }
    }
}

class RoundTrip : public testing::TestWithParam<Game> { };

TEST_P(RoundTrip, ExportThenImportIntoAnEmptyDatabaseGivesBackTheSameTable)
{
    const Game game = GetParam();
    const TempDatabase source(TempDatabase::Tables::Unkeyed);
    fillTricky(source, game);

    const zelpo::db::ExportResult exported = zelpo::db::exportDraws(source.path(), game);
    ASSERT_TRUE(exported.status.ok()) << zelpo::db::describe(exported.status).toStdString();
    const QStringList lines = QString::fromUtf8(exported.text).split(u'\n');
    EXPECT_EQ(lines.first(), zelpo::db::columns(game).join(u','));
    EXPECT_FALSE(exported.text.startsWith("\xEF\xBB\xBF"));

    const TempDatabase target;
    const zelpo::db::ImportResult imported = zelpo::db::importDraws(target.path(), game, exported.text);
    ASSERT_TRUE(imported.ok()) << problemText(imported).toStdString()
                               << zelpo::db::describe(imported.status).toStdString();
    EXPECT_EQ(imported.imported, exported.draws);
    EXPECT_EQ(tableRows(target, game), tableRows(source, game));

    // And the same file once more: everything is already there.
    const zelpo::db::ImportResult again = zelpo::db::importDraws(target.path(), game, exported.text);
    EXPECT_TRUE(again.ok());
    EXPECT_EQ(again.imported, 0);
    EXPECT_EQ(again.alreadyStored, exported.draws);
    EXPECT_EQ(tableRows(target, game), tableRows(source, game));
}

INSTANTIATE_TEST_SUITE_P(Games, RoundTrip, testing::Values(Game::Numbers3, Game::Numbers4, Game::MiniLoto));

TEST(Export, RowsInAscendingDrawOrder)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    for (const int kaisai : { 3, 1, 2 })
        database.addNumbers3(kaisai, kaisai, 0, 0, { "a,b" });
    const zelpo::db::ExportResult exported = zelpo::db::exportDraws(database.path(), Game::Numbers3);
    ASSERT_TRUE(exported.status.ok());
    EXPECT_EQ(exported.draws, 3);
    EXPECT_EQ(QString::fromUtf8(exported.text),
        "kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5,atari\n"
        "1,1,0,0,\"a,b\",,,,,\" \"\n"
        "2,2,0,0,\"a,b\",,,,,\" \"\n"
        "3,3,0,0,\"a,b\",,,,,\" \"\n");
}

TEST(Export, AValueThatIsNotANumberFailsTheExportWithNoText)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addNumbers3(1, 1, 2, 3);
    database.exec("INSERT INTO ナンバーズ3 VALUES (2,'x',2,3,'','','','','',' ')");
    const zelpo::db::ExportResult exported = zelpo::db::exportDraws(database.path(), Game::Numbers3);
    EXPECT_EQ(exported.status.failure(), Failure::Read);
    EXPECT_TRUE(exported.text.isEmpty());
}

TEST(Import, StoresTheProgramsValuesForWhatTheFileLacks)
{
    const TempDatabase database;
    const auto result = zelpo::db::importDraws(database.path(), Game::MiniLoto,
        "kaisai,date,NO1,NO2,NO3,NO4,NO5,bonus\n2,x,11,2,30,4,5,07\n1,y,1,3,17,20,25,26\n");
    ASSERT_TRUE(result.ok()) << problemText(result).toStdString();
    EXPECT_EQ(tableRows(database, Game::MiniLoto),
        (QStringList {
            "1|1|3|17|20|25|26|\u3000|\u3000|\u3000|\u3000| ", "2|11|2|30|4|5|7|\u3000|\u3000|\u3000|\u3000| " }));
}

// ---- Encodings ---------------------------------------------------------------

struct EncodedCase {
    const char* name;
    QByteArray bytes;
    std::optional<zelpo::db::csv::Encoding> encoding;
};

class ImportEncoded : public testing::TestWithParam<EncodedCase> { };

TEST_P(ImportEncoded, ReadsTheTextAsWritten)
{
    const TempDatabase database;
    const auto result = zelpo::db::importDraws(database.path(), Game::Numbers3, GetParam().bytes, GetParam().encoding);
    ASSERT_TRUE(result.ok()) << problemText(result).toStdString() << zelpo::db::describe(result.status).toStdString();
    EXPECT_EQ(tableRows(database, Game::Numbers3), (QStringList { "1|1|2|3|予想|\u3000|①|\u3000|\u3000| " }));
}

// 予想 and ① (a Windows extension of Shift_JIS) in the prediction columns, a
// Japanese name for an unknown column.
const QByteArray kShiftJis(
    "kaisai,\x93\xFA\x95\x74,N100,N10,N1,kounyu1,kounyu3\r\n1,\x97\x5C,1,2,3,\x97\x5C\x91\x7A,\x87\x40\r\n");
const QByteArray kUtf8("kaisai,日付,N100,N10,N1,kounyu1,kounyu3\n1,予,1,2,3,予想,①\n");

INSTANTIATE_TEST_SUITE_P(Files, ImportEncoded,
    testing::Values(EncodedCase { "utf8", kUtf8, std::nullopt },
        EncodedCase { "utf8_bom", "\xEF\xBB\xBF" + kUtf8, std::nullopt },
        EncodedCase { "utf8_bom_named", "\xEF\xBB\xBF" + kUtf8, zelpo::db::csv::Encoding::Utf8 },
        EncodedCase { "shift_jis_detected", kShiftJis, std::nullopt },
        EncodedCase { "shift_jis_named", kShiftJis, zelpo::db::csv::Encoding::ShiftJis }),
    [](const testing::TestParamInfo<EncodedCase>& info) { return info.param.name; });

TEST(ImportEncodedProblem, BytesThatFitNoEncodingAreRefusedNotReplaced)
{
    const TempDatabase database;
    struct Case {
        QByteArray bytes;
        std::optional<zelpo::db::csv::Encoding> encoding;
        QString problem;
    };
    const QList<Case> cases {
        { "kaisai,N100,N10,N1\n1,1,2,3\n2,1,2,3,\xFF\xFF\n", std::nullopt,
            "line 3: the text is neither UTF-8 nor Shift_JIS; name its encoding with --encoding" },
        // Shift_JIS on line 2 that is not UTF-8; the byte that fits neither is on line 4.
        { "kaisai,N100,N10,N1,kounyu1\r\n1,1,2,3,\x97\x5C\x91\x7A\r\n2,1,2,3,x\r\n3,1,2,3,\x81\x20\r\n", std::nullopt,
            "line 4: the text is neither UTF-8 nor Shift_JIS; name its encoding with --encoding" },
        { kShiftJis, zelpo::db::csv::Encoding::Utf8, "line 1: the text is not valid UTF-8" },
        { "kaisai,N100,N10,N1\n1,1,2,3,\x97", zelpo::db::csv::Encoding::ShiftJis,
            "line 2: the text is not valid Shift_JIS" },
        { QByteArray("\xFF\xFEk\0", 4), std::nullopt, "the file is in UTF-16; save it as UTF-8 or Shift_JIS" },
    };
    for (const Case& c : cases) {
        const auto result = zelpo::db::importDraws(database.path(), Game::Numbers3, c.bytes, c.encoding);
        EXPECT_EQ(problemText(result), c.problem);
    }
    EXPECT_TRUE(tableRows(database, Game::Numbers3).isEmpty());
}

TEST(ImportEncodedProblem, ALargeShiftJisFileDecodesWholeAcrossItsSlices)
{
    // 予 (0x97 0x5C) over and over, so that characters straddle every slice
    // boundary of the decoder; the header is an odd number of bytes long.
    QByteArray bytes = "kaisai,N100,N10,N1,kounyu1\n";
    QString expected;
    for (int kaisai = 1; kaisai <= 60; ++kaisai) {
        bytes += QByteArray::number(kaisai) + ",1,2,3,";
        bytes += QByteArray(40'000, 'x').replace("x", "\x97\x5C");
        bytes += '\n';
    }
    const zelpo::db::DecodedText decoded = zelpo::db::decodeText(bytes, zelpo::db::csv::Encoding::ShiftJis);
    ASSERT_FALSE(decoded.problem);
    EXPECT_EQ(QString::fromStdString(decoded.utf8).count(u'予'), 60 * 40'000);
    EXPECT_EQ(QString::fromStdString(decoded.utf8).count(u'\uFFFD'), 0);
}

// ---- Draws already stored ----------------------------------------------------

TEST(ImportStored, TheSameNumbersAreSkippedAndCounted)
{
    const TempDatabase database;
    database.addNumbers3(2, 4, 5, 6, { "mine" });
    const auto result = zelpo::db::importDraws(
        database.path(), Game::Numbers3, "kaisai,N100,N10,N1,kounyu1\n1,1,2,3,a\n2,4,5,6,theirs\n3,7,8,9,c\n");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(result.alreadyStored, 1);
    EXPECT_EQ(database.rows("SELECT kaisai,kounyu1 FROM ナンバーズ3 ORDER BY kaisai"),
        (QStringList { "1|a", "2|mine", "3|c" }));
}

TEST(ImportStored, AnyDrawStoredWithOtherNumbersImportsNothing)
{
    const TempDatabase database;
    database.addNumbers4(1, 1, 2, 3, 4);
    database.addNumbers4(3, 9, 9, 9, 9);
    const auto result = zelpo::db::importDraws(
        database.path(), Game::Numbers4, "kaisai,N1000,N100,N10,N1\n1,1,2,3,4\n2,0,0,0,0\n3,0,9,9,9\n");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.conflictCount, 1);
    EXPECT_EQ(result.conflicts, QStringList { "draw 3 is stored with 9999, line 4 of the file has 0999" });
    EXPECT_EQ(result.imported, 0);
    EXPECT_EQ(tableRows(database, Game::Numbers4).size(), 2);
}

TEST(ImportStored, ConflictsAreCountedAllAndListedUpToAFew)
{
    const TempDatabase database;
    QByteArray file = "kaisai,N100,N10,N1\n";
    for (int kaisai = 1; kaisai <= 8; ++kaisai) {
        database.addNumbers3(kaisai, 0, 0, 0);
        file += QByteArray::number(kaisai) + ",1,1,1\n";
    }
    const auto result = zelpo::db::importDraws(database.path(), Game::Numbers3, file);
    EXPECT_EQ(result.conflictCount, 8);
    EXPECT_EQ(result.conflicts.size(), zelpo::db::kConflictsReported);
    EXPECT_EQ(result.status.failure(), Failure::Duplicate);
}

TEST(ImportStored, MiniLotoComparesTheSetOfNumbersAndABonusOnlyWhenBothAreNumbers)
{
    const TempDatabase database;
    database.addMiniLoto(1, { 20, 1, 25, 3, 17 }, { "26" });
    database.addMiniLoto(2, { 2, 11, 12, 21, 30 }, { "\u3000" });
    database.addMiniLoto(3, { 1, 8, 10, 24, 30 }, { "27" });
    const QByteArray file
        = "kaisai,NO1,NO2,NO3,NO4,NO5,bonus\n1,1,3,17,20,25,26\n2,2,11,12,21,30,28\n3,1,8,10,24,30,28\n";
    const auto result = zelpo::db::importDraws(database.path(), Game::MiniLoto, file);
    EXPECT_EQ(result.conflicts,
        QStringList {
            "draw 3 is stored with 01-08-10-24-30 bonus 27, line 4 of the file has 01-08-10-24-30 bonus 28" });

    database.exec("UPDATE ミニロト SET kounyu1='28' WHERE kaisai=3");
    const auto retried = zelpo::db::importDraws(database.path(), Game::MiniLoto, file);
    EXPECT_TRUE(retried.ok());
    EXPECT_EQ(retried.alreadyStored, 3);
}

TEST(ImportStored, AnUnkeyedTableHoldingADrawTwiceDifferentlyIsAConflict)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addNumbers3(1, 1, 2, 3);
    database.addNumbers3(1, 3, 2, 1);
    database.exec("INSERT INTO ナンバーズ3 VALUES (2,'x',2,3,'','','','','',' ')");
    const auto result
        = zelpo::db::importDraws(database.path(), Game::Numbers3, "kaisai,N100,N10,N1\n1,1,2,3\n2,1,2,3\n");
    EXPECT_EQ(result.conflicts,
        (QStringList { "draw 1 is stored with 321, line 2 of the file has 123",
            "draw 2 is stored with numbers that are not readable, line 3 of the file has 123" }));
    EXPECT_EQ(tableRows(database, Game::Numbers3).size(), 3);
}

TEST(ImportStored, ReportsWhereTheWindowsWillNumberTheNextDraw)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 1, 1);
    const auto result
        = zelpo::db::importDraws(database.path(), Game::Numbers3, "kaisai,N100,N10,N1\n5,1,2,3\n6,1,2,3\n");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.storedDraws, 3);
    EXPECT_EQ(result.highestDraw, 6);
}

// ---- The database refuses ------------------------------------------------------

TEST(ImportDatabase, MissingLockedOrWithoutTablesLeavesEverythingAsItWas)
{
    const QByteArray file = "kaisai,N100,N10,N1\n1,1,2,3\n";
    {
        const TempDatabase dir;
        const QString missing = dir.dir() + "/none.mdb";
        EXPECT_EQ(zelpo::db::importDraws(missing, Game::Numbers3, file).status.failure(), Failure::Missing);
        EXPECT_FALSE(QFileInfo::exists(missing));
    }
    {
        const TempDatabase database;
        {
            const FileLock lock(database.path());
            EXPECT_EQ(zelpo::db::importDraws(database.path(), Game::Numbers3, file).status.failure(), Failure::Busy);
        }
        EXPECT_TRUE(tableRows(database, Game::Numbers3).isEmpty());
    }
    {
        const TempDatabase bare(TempDatabase::Tables::None);
        EXPECT_EQ(zelpo::db::importDraws(bare.path(), Game::Numbers3, file).status.failure(), Failure::Statement);
    }
}

// ---- The real histories, when they are at hand --------------------------------

TEST(RealHistories, ImportAsTheyAreAndExportBackToTheSameDraws)
{
    const QString dir = qEnvironmentVariable("ZELPO_SHARED_DATA");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        GTEST_SKIP() << "ZELPO_SHARED_DATA is not a folder";
    const TempDatabase database;
    const struct {
        Game game;
        const char* file;
    } files[] { { Game::Numbers3, "numbers3.csv" }, { Game::Numbers4, "numbers4.csv" },
        { Game::MiniLoto, "miniloto.csv" } };
    for (const auto& f : files) {
        QFile file(dir + u'/' + f.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.file;
        const QByteArray bytes = file.readAll();
        // The files grow: every line after the header is a draw, numbered from 1.
        const auto draws = static_cast<int>(bytes.trimmed().count('\n'));
        const auto result = zelpo::db::importDraws(database.path(), f.game, bytes);
        ASSERT_TRUE(result.ok()) << f.file << ": " << problemText(result).toStdString();
        EXPECT_EQ(result.imported, draws) << f.file;
        EXPECT_EQ(result.highestDraw, draws) << f.file;

        const auto exported = zelpo::db::exportDraws(database.path(), f.game);
        const TempDatabase copy;
        ASSERT_TRUE(zelpo::db::importDraws(copy.path(), f.game, exported.text).ok());
        EXPECT_EQ(tableRows(copy, f.game), tableRows(database, f.game)) << f.file;
    }
    // Spot checks against the files' own first rows.
    EXPECT_EQ(database.rows("SELECT kaisai,N100,N10,N1 FROM ナンバーズ3 WHERE kaisai=2"), QStringList { "2|9|8|8" });
    EXPECT_EQ(database.rows("SELECT NO1,NO5,kounyu1 FROM ミニロト WHERE kaisai=1"), QStringList { "1|25|26" });
}

} // namespace

namespace {

// The limit is inclusive, both where the size is known up front and where
// the bytes are counted as they come.
TEST(ReadInput, TakesExactlyTheLimitAndRefusesOneByteMore)
{
    constexpr auto kLimit = static_cast<qint64>(zelpo::db::csv::kLargestInput);
    ASSERT_EQ(kLimit, 67'108'864);
    for (const qint64 size : { kLimit, kLimit + 1 }) {
        QBuffer file;
        file.setData(QByteArray(size, 'x'));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const zelpo::db::InputBytes input = zelpo::db::readInput(file);
        EXPECT_EQ(input.problem.has_value(), size > kLimit) << size;
        EXPECT_EQ(input.bytes.size(), size > kLimit ? 0 : size);
        if (size == kLimit) {
            EXPECT_FALSE(zelpo::db::decodeText(file.data(), zelpo::db::csv::Encoding::Utf8).problem);
        }
    }
}

} // namespace

// SPDX-License-Identifier: MIT
#include "data/update/feedjson.h"
#include "data/update/officialcsv.h"
#include "data/update/officialtext.h"
#include "data/update/onefile.h"
#include "samples.h"
#include "support/printers.h"

#include <gtest/gtest.h>

#include <functional>

namespace zelpo::update {
// Failures show the draw, not its bytes.
void PrintTo(const PublishedDraw& d, std::ostream* os)
{
    *os << gameKey(d.game).toStdString() << " #" << d.kaisai << ' ' << d.date.toString(Qt::ISODate).toStdString()
        << " [";
    for (const int n : d.numbers)
        *os << n << ' ';
    *os << "] bonus " << d.bonus.value_or(-1) << (d.payouts.empty() ? " no payouts" : " with payouts");
}
} // namespace zelpo::update

using namespace zelpo::update;
using zelpo::Game;
using zelpo::test::sample;
using zelpo::test::shiftJis;

namespace {

using Parser = std::function<Parsed(Game, const QByteArray&)>;

struct SampleCase {
    const char* name;
    QByteArray bytes;
    Game game;
    Parser parser;
    std::size_t draws;
    PublishedDraw latest;
};

class Samples : public testing::TestWithParam<SampleCase> { };

TEST_P(Samples, GiveEveryDrawAndTheLatestInFull)
{
    const SampleCase& c = GetParam();
    const Parsed parsed = c.parser(c.game, c.bytes);
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.draws.size(), c.draws);
    EXPECT_EQ(parsed.draws.back(), c.latest);
    // A user's own copy of the file reads the same.
    const Parsed asOneFile = parseOneFile(c.game, c.bytes);
    EXPECT_EQ(asOneFile.draws, parsed.draws) << asOneFile.error.toStdString();
}

using zelpo::test::miniLotoDraw1353;
using zelpo::test::numbers3Draw7054;
using zelpo::test::numbers4Draw7054;
using zelpo::test::withoutPayouts;

INSTANTIATE_TEST_SUITE_P(Recorded, Samples,
    testing::Values(SampleCase { "feed_v2_full", sample("feed-v2-numbers3-draws.full.json"), Game::Numbers3,
                        parseFeedJson, 5, numbers3Draw7054() },
        SampleCase { "feed_v2_min", sample("feed-v2-numbers3-draws.min.json"), Game::Numbers3, parseFeedJson, 5,
            withoutPayouts(numbers3Draw7054()) },
        SampleCase { "feed_v2_latest", sample("feed-v2-numbers3-latest.json"), Game::Numbers3, parseFeedJson, 1,
            numbers3Draw7054() },
        SampleCase { "feed_v1_full", sample("feed-v1-numbers4_all_full.json"), Game::Numbers4, parseFeedJson, 5,
            numbers4Draw7054() },
        SampleCase { "feed_v1_min", sample("feed-v1-numbers4_all_min.json"), Game::Numbers4, parseFeedJson, 5,
            withoutPayouts(numbers4Draw7054()) },
        SampleCase {
            "feed_v1_latest", sample("feed-v1-latest.json"), Game::Numbers4, parseFeedJson, 1, numbers4Draw7054() },
        SampleCase {
            "official_numbers3", sample("A1007054.CSV"), Game::Numbers3, parseOfficialDraw, 1, numbers3Draw7054() },
        SampleCase {
            "official_numbers4", sample("A1007054.CSV"), Game::Numbers4, parseOfficialDraw, 1, numbers4Draw7054() },
        SampleCase {
            "official_miniloto", sample("A1011353.CSV"), Game::MiniLoto, parseOfficialDraw, 1, miniLotoDraw1353() },
        // A file the program exported: Mini Loto's bonus in kounyu1, where the table keeps it.
        SampleCase { "exported_miniloto", "kaisai,date,NO1,NO2,NO3,NO4,NO5,kounyu1\n1353,2025-09-23,6,11,13,14,18,5\n",
            Game::MiniLoto, parseOneFile, 1, withoutPayouts(miniLotoDraw1353()) }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OfficialIndex, NamesTheLatestDrawOfTheGamesLottery)
{
    const OfficialIndex numbers = parseOfficialIndex(Game::Numbers4, sample("numbers.csv"));
    ASSERT_TRUE(numbers.ok()) << numbers.error.toStdString();
    EXPECT_EQ(numbers.latest, 7054);
    EXPECT_EQ(numbers.entries.size(), 10u);
    EXPECT_EQ(numbers.entries.back().date, QDate(2026, 8, 10));
    const OfficialIndex miniLoto = parseOfficialIndex(Game::MiniLoto, sample("miniloto.csv"));
    EXPECT_EQ(miniLoto.latest, 1353) << miniLoto.error.toStdString();
    EXPECT_EQ(officialFileName(Game::Numbers3, 7054), QStringLiteral("A1007054.CSV"));
    EXPECT_EQ(officialFileName(Game::MiniLoto, 521), QStringLiteral("A1010521.CSV"));
}

// A class not sold or not won stays unknown; no winning ticket is a count of 0.
TEST(Payouts, NothingPaidIsNoAmountAndNoWinnerIsZero)
{
    const Parsed feed = parseFeedJson(Game::Numbers3,
        R"([{"draw_no": 35, "draw_date": "1995-03-21", "result": {"values": [3, 3, 3]},
             "prize": {"straight": 65500, "box": 0, "set_straight": null, "mini": 6500}}])");
    ASSERT_TRUE(feed.ok()) << feed.error.toStdString();
    EXPECT_EQ(feed.draws[0].payouts.straight, 65500);
    EXPECT_FALSE(feed.draws[0].payouts.box || feed.draws[0].payouts.setStraight || feed.draws[0].payouts.setBox);

    const QString text = QStringLiteral(
        "A51\r\n第1353回ミニロト,数字選択式全国自治宝くじ,令和7年9月23日,東京\r\n本数字,06,11,13,14,18,ボーナス数字,"
        "05\r\n"
        "１等,該当なし,該当なし\r\n２等,６７口,１５９９００円\r\n３等,1512口,12200円\r\n４等,45382口,1000円\r\n");
    const Parsed official = parseOfficialDraw(Game::MiniLoto, shiftJis(text));
    ASSERT_TRUE(official.ok()) << official.error.toStdString();
    EXPECT_EQ(official.draws[0].payouts.prize[0], std::nullopt);
    EXPECT_EQ(official.draws[0].payouts.winners[0], 0);
    EXPECT_EQ(official.draws[0].payouts.prize[1], 159900); // full-width digits read as plain ones
}

TEST(EraDate, ReadsHeiseiAndReiwaWithinTheirYears)
{
    using official::eraDate;
    EXPECT_EQ(eraDate(QStringLiteral("令和８年 ８月２１日")), QDate(2026, 8, 21));
    EXPECT_EQ(eraDate(QStringLiteral("令和元年5月1日")), QDate(2019, 5, 1));
    EXPECT_EQ(eraDate(QStringLiteral("平成31年4月30日")), QDate(2019, 4, 30));
    EXPECT_EQ(eraDate(QStringLiteral("平成21年10月8日")), QDate(2009, 10, 8));
    for (const char* wrong :
        { "平成31年5月1日", "令和元年4月30日", "平成元年1月7日", "令和8年2月30日", "2026年8月21日", "令和8年8月" })
        EXPECT_TRUE(eraDate(QString::fromUtf8(wrong)).isNull()) << wrong;
}

enum class Kind { Feed, Official, Index, OneFile };

struct FaultCase {
    const char* name;
    Game game;
    Kind kind;
    QByteArray bytes; // UTF-8; the bank's files are turned into Shift_JIS first
    const char* says;
};

class Faults : public testing::TestWithParam<FaultCase> { };

TEST_P(Faults, AreRefusedNamingWhatIsWrong)
{
    const FaultCase& c = GetParam();
    const bool bank = c.kind == Kind::Official || c.kind == Kind::Index;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(c.bytes);
    const QByteArray bytes = bank && !utf8.hasError() ? shiftJis(text) : c.bytes;
    QString error;
    switch (c.kind) {
    case Kind::Feed:
        error = parseFeedJson(c.game, bytes).error;
        break;
    case Kind::Official:
        error = parseOfficialDraw(c.game, bytes).error;
        break;
    case Kind::Index:
        error = parseOfficialIndex(c.game, bytes).error;
        break;
    case Kind::OneFile:
        error = parseOneFile(c.game, bytes).error;
        break;
    }
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.says))) << error.toStdString();
}

QByteArray v2(const char* entries)
{
    return QByteArray("[") + entries + "]";
}

const char* const kDraw = R"({"draw_no": 7054, "draw_date": "2026-08-21", "result": {"values": [2, 8, 6]}})";
const QByteArray kNumbersHead
    = "A50\n第7054回ナンバーズ,数字選択式全国自治宝くじ,令和8年8月21日,東京\nナンバーズ３抽せん数字,286\n";
const QByteArray kClasses = "ストレート,286,83口,100100円\nボックス,470口,16600円\nセット（ストレート）,133口,58300円\n"
                            "セット（ボックス）,596口,8300円\n";
const QByteArray kMiniLotoHead = "A51\n第1353回ミニロト,数字選択式全国自治宝くじ,令和7年9月23日,東京\n";
const QByteArray kMiniLotoClasses
    = "１等,15口,9947500円\n２等,67口,159900円\n３等,1512口,12200円\n４等,45382口,1000円\n";

INSTANTIATE_TEST_SUITE_P(Inputs, Faults,
    testing::Values(FaultCase { "malformed_json", Game::Numbers3, Kind::Feed, R"([{"draw_no": 1,)", "not valid JSON" },
        FaultCase { "numbers4_feed_as_numbers3", Game::Numbers3, Kind::Feed, sample("feed-v1-numbers4_all_full.json"),
            "wrong game: 4 digits" },
        FaultCase { "numbers3_feed_as_numbers4", Game::Numbers4, Kind::Feed, sample("feed-v2-numbers3-draws.min.json"),
            "wrong game: 3 digits" },
        FaultCase { "latest_of_the_other_game", Game::Numbers4, Kind::Feed, sample("feed-v2-numbers3-latest.json"),
            "wrong game: the file holds \"numbers3\"" },
        FaultCase {
            "miniloto_from_the_feed", Game::MiniLoto, Kind::Feed, v2(kDraw), "Numbers 3 and Numbers 4 draws only" },
        FaultCase { "version_file", Game::Numbers3, Kind::Feed, R"({"latest_draw_no": 7054})", "version file" },
        FaultCase { "no_draws", Game::Numbers3, Kind::Feed, "[]", "holds no draws" },
        FaultCase { "digit_ten", Game::Numbers3, Kind::Feed,
            v2(R"({"draw_no": 1, "date": "1994-10-07", "digits": [1, 10, 1]})"), "10 is not a digit" },
        FaultCase { "fractional_draw", Game::Numbers3, Kind::Feed,
            v2(R"({"draw_no": 7.5, "date": "1994-10-07", "digits": [1, 1, 1]})"), "draw_no 7.5 is not a draw number" },
        FaultCase { "no_such_day", Game::Numbers3, Kind::Feed,
            v2(R"({"draw_no": 1, "date": "1994-02-30", "digits": [1, 1, 1]})"), "\"1994-02-30\" is not a date" },
        FaultCase { "dates_going_back", Game::Numbers3, Kind::Feed,
            v2(R"({"draw_no": 1, "date": "1994-10-07", "digits": [1, 1, 1]}, {"draw_no": 2, "date": "1994-10-07", "digits": [1, 1, 1]})"),
            "draw 2 is dated 1994-10-07, not after draw 1" },
        FaultCase { "a_draw_twice", Game::Numbers3, Kind::Feed, v2((kDraw + QByteArray(",") + kDraw).constData()),
            "draw 7054 appears twice" },
        FaultCase { "payout_of_ten_digits", Game::Numbers3, Kind::Feed,
            v2(R"({"draw_no": 1, "date": "1994-10-07", "digits": [1, 1, 1], "prize": {"straight": 10000000000}})"),
            "straight 10000000000 is not from 0 to 9999999999" },
        FaultCase { "negative_payout", Game::Numbers3, Kind::Feed,
            v2(R"({"draw_no": 1, "date": "1994-10-07", "digits": [1, 1, 1], "prize": {"box": -5}})"),
            "box -5 is not from 0" },
        FaultCase { "payout_in_fractions_of_a_yen", Game::Numbers3, Kind::Feed,
            v2(R"({"draw_no": 1, "date": "1994-10-07", "digits": [1, 1, 1], "prize": {"mini": 100.5}})"),
            "mini 100.5 is not whole yen" },
        FaultCase { "written_number_disagrees", Game::Numbers4, Kind::Feed,
            v2(R"({"draw_no": 1, "date": "1994-10-07", "digits": [1, 1, 4, 9], "winning_number": "1194"})"),
            "written \"1194\" but its digits are 1149" },
        FaultCase { "miniloto_file_as_numbers", Game::Numbers3, Kind::Official, sample("A1011353.CSV"),
            "wrong game: the file belongs to another lottery (A51)" },
        FaultCase {
            "not_a_bank_file", Game::Numbers3, Kind::Official, "kaisai,N100,N10,N1\n", "is not the opening line" },
        FaultCase { "numbers4_section_missing", Game::Numbers4, Kind::Official, kNumbersHead + kClasses,
            "no line \"ナンバーズ4抽せん数字\"" },
        FaultCase { "class_missing", Game::Numbers3, Kind::Official, kNumbersHead + kClasses, "no line for \"ミニ\"" },
        FaultCase { "amount_not_in_yen", Game::Numbers3, Kind::Official,
            kNumbersHead + kClasses + "ミニ,下２ケタ,790口,一万円\n", "\"一万円\" is not an amount in yen" },
        FaultCase { "date_after_its_era", Game::MiniLoto, Kind::Official,
            "A51\n第1353回ミニロト,数字選択式全国自治宝くじ,平成32年1月7日,東京\n",
            "\"平成32年1月7日\" is not a date of the" },
        FaultCase { "bonus_among_the_numbers", Game::MiniLoto, Kind::Official,
            kMiniLotoHead + "本数字,06,11,13,14,18,ボーナス数字,18\n" + kMiniLotoClasses,
            "bonus 18 is also a drawn number" },
        FaultCase { "number_drawn_twice", Game::MiniLoto, Kind::Official,
            kMiniLotoHead + "本数字,06,11,11,14,18,ボーナス数字,05\n" + kMiniLotoClasses, "11 is drawn twice" },
        FaultCase { "number_above_31", Game::MiniLoto, Kind::Official,
            kMiniLotoHead + "本数字,06,11,13,14,32,ボーナス数字,05\n" + kMiniLotoClasses,
            "32 is not a number from 1 to 31" },
        FaultCase { "not_shift_jis", Game::MiniLoto, Kind::Official, "\xFF\xFF\xFF", "not Shift_JIS" },
        FaultCase { "index_of_the_other_lottery", Game::MiniLoto, Kind::Index, sample("numbers.csv"), "wrong game" },
        FaultCase { "csv_with_a_short_row", Game::Numbers3, Kind::OneFile, "kaisai,N100,N10,N1\n1,2,3\n", "line 2" },
        FaultCase { "csv_with_no_such_date", Game::Numbers3, Kind::OneFile,
            "kaisai,date,N100,N10,N1\n1,1994-13-07,2,3,4\n", "line 2, column date: \"1994-13-07\" is not a date" },
        FaultCase { "csv_miniloto_without_bonus", Game::MiniLoto, Kind::OneFile,
            "kaisai,NO1,NO2,NO3,NO4,NO5\n1,1,2,3,4,5\n", "no bonus number" },
        FaultCase { "bank_index_as_a_file", Game::Numbers3, Kind::OneFile, sample("numbers.csv"), "index of draws" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

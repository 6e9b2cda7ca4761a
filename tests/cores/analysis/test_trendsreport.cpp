// SPDX-License-Identifier: MIT
#include "cores/analysis/minilototrends.h"
#include "cores/analysis/numberstrends.h"
#include "cores/analysis/trendsentence.h"
#include "cores/analysis/trendsreport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace zelpo::analysis;

namespace {

Trends handMade()
{
    Trends trends;
    trends.game = "numbers3";
    trends.draws = 2;
    trends.first = 5;
    trends.last = 6;
    trends.sections.push_back({ "gaps", { { "1:0", 1, 10, 0.9 } }, {} });
    trends.sections.push_back(
        { "sums", { { "a\"b\\", 2, 1 / 3.0, std::nullopt } }, { { "sums", 1.5, 1, 0.22067136191984682 } } });
    return trends;
}

TEST(TrendsReport, JsonHoldsEveryFieldUnroundedAndEscaped)
{
    EXPECT_EQ(trendsJson(handMade()),
        "{\"game\": \"numbers3\", \"draws\": 2, \"first\": 5, \"last\": 6, \"sections\": ["
        "{\"name\": \"gaps\", \"rows\": [{\"label\": \"1:0\", \"observed\": 1, \"expected\": 10, \"p\": 0.9}], "
        "\"tests\": []}, "
        "{\"name\": \"sums\", \"rows\": [{\"label\": \"a\\\"b\\\\\", \"observed\": 2, \"expected\": "
        "0.3333333333333333}], "
        "\"tests\": [{\"label\": \"sums\", \"statistic\": 1.5, \"df\": 1, \"p\": 0.22067136191984682}]}]}\n");
    Trends empty;
    empty.game = "miniloto";
    EXPECT_EQ(trendsJson(empty),
        "{\"game\": \"miniloto\", \"draws\": 0, \"first\": null, \"last\": null, "
        "\"sections\": []}\n");
    // A figure JSON cannot hold is written as null rather than as a broken document.
    empty.sections.push_back({ "sums", { { "0", 0, std::nan(""), std::numeric_limits<double>::infinity() } }, {} });
    EXPECT_NE(trendsJson(empty).find("\"expected\": null, \"p\": null"), std::string::npos) << trendsJson(empty);
}

TEST(TrendsReport, TextHasAHeaderThenOneBlockPerSection)
{
    EXPECT_EQ(trendsText(handMade()),
        "numbers3\t2\t5\t6\n"
        "\ngaps\n1:0\t1\t10.000\t0.9\n"
        "\nsums\na\"b\\\t2\t0.333\ntest\tsums\t1.500\t1\t0.2207\n");
}

TEST(TrendsReport, SectionsComeInTheGamesOrder)
{
    const auto names = [](const Trends& trends) {
        std::string joined;
        for (const TrendSection& section : trends.sections)
            joined += section.name + ' ';
        return joined;
    };
    EXPECT_EQ(names(numbersTrends(std::span<const std::array<int, 3>>())),
        "digits gaps sums patterns odd_even high_low pulls ");
    EXPECT_EQ(names(minilotoTrends({})), "numbers gaps sums odd_even high_low consecutive pulls pairs ");
}

TEST(TrendSentence, SaysWhereTheTestFallsAtTheFivePercentLevel)
{
    struct Case {
        const char* section;
        const char* label;
        double p;
        std::vector<std::string> pieces;
    };
    for (const Case& c : std::vector<Case> { { "sums", "sums", 0.43, { "「合計値」", "43%", "偶然の範囲内" } },
             // Just under 5% must never read as 5%.
             { "sums", "sums", 0.04999, { "4.9%", "5%を下回りました", "検定を20回行えば1回は" } },
             { "pulls", "pulls", 0.05, { "5.0%", "偶然の範囲内" } },
             { "digits", "2", 0.008694, { "「桁ごとの数字（十の位）」", "0.87%", "下回りました" } },
             { "numbers", "numbers", 1e-9, { "0.1%未満", "下回りました" } } }) {
        const std::string sentence = testSentence("numbers3", c.section, { c.label, 1, 1, c.p });
        for (const std::string& piece : c.pieces)
            EXPECT_NE(sentence.find(piece), std::string::npos) << sentence << " lacks " << piece;
    }
}

TEST(TrendSentence, NotesOnlyForTheSectionsWithoutATest)
{
    EXPECT_NE(sectionNote("numbers3", "gaps").find("1/10"), std::string::npos);
    EXPECT_NE(sectionNote("miniloto", "gaps").find("5/31"), std::string::npos);
    EXPECT_NE(sectionNote("miniloto", "pairs").find("465通り"), std::string::npos);
    EXPECT_EQ(sectionNote("miniloto", "sums"), "");
    EXPECT_EQ(sectionTitle("consecutive"), "連続数字");
    EXPECT_EQ(sectionTitle("unknown"), "unknown");
    EXPECT_NE(independenceNote().find("抽選は毎回独立しており"), std::string_view::npos);
}

// One name for a digit's place across the program, counted from the left as
// the trends count positions; other labels keep their own titles.
TEST(TrendSentence, NamesEachPlaceAndRow)
{
    struct Case {
        const char* game;
        const char* label;
        const char* title;
    };
    for (const Case& c : { Case { "numbers3", "1:0", "百の位の0" }, Case { "numbers3", "3:9", "一の位の9" },
             Case { "numbers4", "1:5", "千の位の5" }, Case { "numbers4", "4:2", "一の位の2" },
             Case { "numbers3", "4:2", "4:2" }, Case { "miniloto", "1:2", "1:2" },
             Case { "numbers4", "double-double", "ダブルダブル" }, Case { "miniloto", "without", "なし" },
             Case { "miniloto", "3-17", "3-17" }, Case { "numbers3", "15-24", "15-24" } })
        EXPECT_EQ(rowTitle(c.game, c.label), c.title) << c.game << ' ' << c.label;
    EXPECT_TRUE(testSentence("numbers4", "digits", { "1", 1, 9, 0.5 }).starts_with("「桁ごとの数字（千の位）」"));
    EXPECT_EQ(placeName("numbers4", 0), "");
}

} // namespace

// SPDX-License-Identifier: MIT
#include "cores/numbers4/search.h"

#include <gtest/gtest.h>

#include <map>

using zelpo::db::SearchClause;
using zelpo::db::SearchKind;
using zelpo::numbers4::searchClause;

namespace {

// Positions as the command line writes them: thousands first, "_" for an empty one.
struct Digits {
    std::string thousands, hundreds, tens, units;
    explicit Digits(std::string_view pattern)
    {
        std::string* fields[] = { &thousands, &hundreds, &tens, &units };
        for (int i = 0; i < 4; ++i)
            *fields[i] = pattern[i] == '_' ? std::string() : std::string(1, pattern[i]);
    }
    SearchClause search(SearchKind kind) const { return searchClause(kind, thousands, hundreds, tens, units); }
};

struct PatternCase {
    const char* digits;
    const char* expected;
};

void PrintTo(const PatternCase& c, std::ostream* os)
{
    *os << c.digits;
}

class Numbers4Straight : public testing::TestWithParam<PatternCase> { };

TEST_P(Numbers4Straight, OpensAndJoinsEachPositionWithItsOwnFragment)
{
    EXPECT_EQ(Digits(GetParam().digits).search(SearchKind::Straight), SearchClause::where(GetParam().expected));
}

// Every opening and every joining fragment, with and without the leading blank.
INSTANTIATE_TEST_SUITE_P(Fragments, Numbers4Straight,
    testing::Values(PatternCase { "0___", " WHERE N1000=0" }, PatternCase { "_2__", " WHERE N100=2" },
        PatternCase { "__3_", "WHERE N10=3" }, PatternCase { "___4", "WHERE N1=4" },
        PatternCase { "1_3_", " WHERE N1000=1 AND N10=3" }, PatternCase { "12__", " WHERE N1000=1 AND N100=2" },
        PatternCase { "_2_4", " WHERE N100=2 AND N1=4" }, PatternCase { "__34", "WHERE N10=3 AND N1=4" },
        PatternCase { "1234", " WHERE N1000=1 AND N100=2 AND N10=3 AND N1=4" }));

class Numbers4BoxMissing : public testing::TestWithParam<PatternCase> { };

TEST_P(Numbers4BoxMissing, NamesExactlyTheEmptyPositionsFromTheRight)
{
    EXPECT_EQ(Digits(GetParam().digits).search(SearchKind::Box), SearchClause::message(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(AllFifteen, Numbers4BoxMissing,
    testing::Values(PatternCase { "123_", "　一桁目が記入されてません。。" },
        PatternCase { "12_4", "　二桁目が記入されてません。。" },
        PatternCase { "1_34", "　三桁目が記入されてません。。" },
        PatternCase { "_234", "　四桁目が記入されてません。。" },
        PatternCase { "12__", "　一、二桁目が記入されてません。。" },
        PatternCase { "1_3_", "　一、三桁目が記入されてません。。" },
        PatternCase { "_23_", "　一、四桁目が記入されてません。。" },
        PatternCase { "1__4", "　二、三桁目が記入されてません。。" },
        PatternCase { "_2_4", "　二、四桁目が記入されてません。。" },
        PatternCase { "__34", "　三、四桁目が記入されてません。。" },
        PatternCase { "1___", "　一、二、三桁目が記入されてません。。" },
        PatternCase { "_2__", "　一、二、四桁目が記入されてません。。" },
        PatternCase { "__3_", "　一、三、四桁目が記入されてません。。" },
        PatternCase { "___4", "　二、三、四桁目が記入されてません。。" },
        PatternCase { "____", "　一、二、三、四桁目が記入されてません。。" }));

TEST(Numbers4Box, FourDigitsGiveTheTwentyFourOrderingsInLexicographicOrder)
{
    EXPECT_EQ(Digits("1234").search(SearchKind::Box),
        SearchClause::where("WHERE (N1000= 1 AND N100=2 AND N10=3 AND N1=4) OR (N1000=1 AND N100=2 AND N10=4 AND N1=3) "
                            "OR (N1000=1 AND N100=3 AND N10=2 AND N1=4) OR (N1000=1 AND N100=3 AND N10=4 AND N1=2) "
                            "OR (N1000=1 AND N100=4 AND N10=2 AND N1=3) OR (N1000=1 AND N100=4 AND N10=3 AND N1=2) "
                            "OR (N1000=2 AND N100=1 AND N10=3 AND N1=4) OR (N1000=2 AND N100=1 AND N10=4 AND N1=3) "
                            "OR (N1000=2 AND N100=3 AND N10=1 AND N1=4) OR (N1000=2 AND N100=3 AND N10=4 AND N1=1) "
                            "OR (N1000=2 AND N100=4 AND N10=1 AND N1=3) OR (N1000=2 AND N100=4 AND N10=3 AND N1=1) "
                            "OR (N1000=3 AND N100=1 AND N10=2 AND N1=4) OR (N1000=3 AND N100=1 AND N10=4 AND N1=2) "
                            "OR (N1000=3 AND N100=2 AND N10=1 AND N1=4) OR (N1000=3 AND N100=2 AND N10=4 AND N1=1) "
                            "OR (N1000=3 AND N100=4 AND N10=1 AND N1=2) OR (N1000=3 AND N100=4 AND N10=2 AND N1=1) "
                            "OR (N1000=4 AND N100=1 AND N10=2 AND N1=3) OR (N1000=4 AND N100=1 AND N10=3 AND N1=2) "
                            "OR (N1000=4 AND N100=2 AND N10=1 AND N1=3) OR (N1000=4 AND N100=2 AND N10=3 AND N1=1) "
                            "OR (N1000=4 AND N100=3 AND N10=1 AND N1=2) OR (N1000=4 AND N100=3 AND N10=2 AND N1=1)"));
}

// Orderings are taken by position, so repeated digits repeat terms rather than merging them.
TEST(Numbers4Box, RepeatedDigitsKeepAllTwentyFourTerms)
{
    const std::map<std::string, std::pair<std::size_t, int>> expected { { "1123", { 12, 2 } }, { "1122", { 6, 4 } },
        { "1112", { 4, 6 } }, { "1111", { 1, 24 } } };
    for (const auto& [digits, shape] : expected) {
        const SearchClause clause = Digits(digits).search(SearchKind::Box);
        ASSERT_TRUE(clause.isWhere()) << digits;
        std::string text = clause.text();
        ASSERT_TRUE(text.starts_with("WHERE (N1000= ") && text.ends_with(")")) << text;
        // Normalise the first term to the form of the others, then count the terms.
        text = "(N1000=" + text.substr(14, text.size() - 15);
        std::map<std::string, int> terms;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find(") OR (", start)) != std::string::npos; start = end + 5)
            ++terms[text.substr(start, end - start)];
        ++terms[text.substr(start)];
        EXPECT_EQ(terms.size(), shape.first) << digits;
        for (const auto& [term, count] : terms)
            EXPECT_EQ(count, shape.second) << digits << ' ' << term;
    }
}

TEST(Numbers4ClauseMessages, KindAndAtLeastOneDigit)
{
    EXPECT_EQ(Digits("1234").search(SearchKind::None),
        SearchClause::message("　ボックスかストレートをチェックしてください。。"));
    EXPECT_EQ(Digits("____").search(SearchKind::Straight), SearchClause::message("　最低一項目記入してください。。"));
}

TEST(Numbers4ClauseMessages, AnythingButOneAsciiDigitIsRefusedOnceEveryMessageIsPast)
{
    for (const char* bad : { "a", "'", " ", "%", "12", "\xEF\xBC\x94" /* full-width 4 */, "4 " }) {
        for (int position = 0; position < 4; ++position) {
            std::string texts[] = { "1", "2", "3", "4" };
            texts[position] = bad;
            for (const SearchKind kind : { SearchKind::Straight, SearchKind::Box })
                EXPECT_TRUE(searchClause(kind, texts[0], texts[1], texts[2], texts[3]).isRefused())
                    << bad << " at " << position;
        }
    }
    // An empty position is still named before a bad character elsewhere is looked at.
    EXPECT_EQ(
        searchClause(SearchKind::Box, "x", "2", "3", ""), SearchClause::message("　一桁目が記入されてません。。"));
}

} // namespace

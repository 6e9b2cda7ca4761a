// SPDX-License-Identifier: MIT
#include "cores/numbers3/search.h"

#include <gtest/gtest.h>

using zelpo::db::SearchClause;
using zelpo::db::SearchKind;
using zelpo::numbers3::searchClause;

namespace {

struct ClauseCase {
    SearchKind kind;
    const char* hundreds;
    const char* tens;
    const char* units;
    const char* clause;
};

void PrintTo(const ClauseCase& c, std::ostream* os)
{
    *os << (c.kind == SearchKind::Box ? "box " : "straight ") << '[' << c.hundreds << '|' << c.tens << '|' << c.units
        << ']';
}

class Numbers3Clause : public testing::TestWithParam<ClauseCase> { };

TEST_P(Numbers3Clause, IsExactlyTheTextTheListIsQueriedWith)
{
    const ClauseCase& c = GetParam();
    EXPECT_EQ(searchClause(c.kind, c.hundreds, c.tens, c.units), SearchClause::where(c.clause));
}

// Digits 1, 2, 3 (and 4, 5, 6) tell the hundreds, tens and units apart in the expected texts.
INSTANTIATE_TEST_SUITE_P(Straight, Numbers3Clause,
    testing::Values(ClauseCase { SearchKind::Straight, "1", "2", "3", " WHERE N100=1 AND N10=2 AND N1=3" },
        ClauseCase { SearchKind::Straight, "1", "2", "", " WHERE N100=1 AND N10=2" },
        ClauseCase { SearchKind::Straight, "3", "", "7", " WHERE N100=3 AND N1=7" },
        ClauseCase { SearchKind::Straight, "", "2", "3", "WHERE N10=2 AND N1=3" },
        ClauseCase { SearchKind::Straight, "0", "", "", " WHERE N100=0" },
        ClauseCase { SearchKind::Straight, "", "5", "", "WHERE N10=5" },
        ClauseCase { SearchKind::Straight, "", "", "0", "WHERE N1=0" }));

INSTANTIATE_TEST_SUITE_P(Box, Numbers3Clause,
    testing::Values(
        ClauseCase { SearchKind::Box, "1", "2", "3",
            "WHERE (N100= 1 AND N10=2 AND N1=3) OR ( N100=1 AND N10=3 AND N1=2) OR ( N100=2 AND N10=3 AND N1=1) "
            "OR ( N100=2 AND N10=1 AND N1=3) OR ( N100=3 AND N10=2 AND N1=1) OR ( N100=3 AND N10=1 AND N1=2)" },
        ClauseCase { SearchKind::Box, "1", "1", "2",
            "WHERE (N100= 1 AND N10=1 AND N1=2) OR ( N100=1 AND N10=2 AND N1=1) OR ( N100=1 AND N10=2 AND N1=1) "
            "OR ( N100=1 AND N10=1 AND N1=2) OR ( N100=2 AND N10=1 AND N1=1) OR ( N100=2 AND N10=1 AND N1=1)" },
        ClauseCase { SearchKind::Box, "4", "5", "",
            "WHERE (N100= 4 AND N10=5) OR ( N100=5 AND N10=4) OR ( N100=5 AND N1=4) OR ( N100=4 AND N1=5) "
            "OR ( N10=4 AND N1=5) OR ( N10=5 AND N1=4)" },
        ClauseCase { SearchKind::Box, "4", "", "6",
            "WHERE (N100=4 AND N10=6) OR ( N100=6 AND N10=4) OR ( N100=6 AND N1=4) OR ( N100=4 AND N1=6) "
            "OR ( N10=4 AND N1=6) OR ( N10=6 AND N1=4)" },
        ClauseCase { SearchKind::Box, "", "5", "6",
            "WHERE (N100= 6 AND N10=5) OR ( N100=5 AND N10=6) OR ( N100=5 AND N1=6) OR ( N100=6 AND N1=5) "
            "OR ( N10=6 AND N1=5) OR ( N10=5 AND N1=6)" },
        ClauseCase { SearchKind::Box, "7", "", "", "WHERE N100=7 OR N10=7 OR N1=7" },
        ClauseCase { SearchKind::Box, "", "8", "", "WHERE N100=8 OR N10=8 OR N1=8" },
        ClauseCase { SearchKind::Box, "", "", "9", "WHERE N100=9 OR N10=9 OR N1=9" }));

TEST(Numbers3ClauseMessages, NoKindComesBeforeEmptyInputs)
{
    for (const char* digit : { "", "1" })
        EXPECT_EQ(searchClause(SearchKind::None, digit, "", ""),
            SearchClause::message("　ボックスかストレートをチェックしてください。。"));
    for (const SearchKind kind : { SearchKind::Straight, SearchKind::Box })
        EXPECT_EQ(searchClause(kind, "", "", ""), SearchClause::message("　最低一項目記入してください。。"));
}

TEST(Numbers3ClauseMessages, AnythingButOneAsciiDigitIsRefused)
{
    for (const char* bad : { "a", "'", " ", ";", "-", "12", "\xEF\xBC\x91" /* full-width 1 */, "1'", "\xE3\x80\x80" }) {
        for (const SearchKind kind : { SearchKind::Straight, SearchKind::Box }) {
            EXPECT_TRUE(searchClause(kind, bad, "", "").isRefused()) << bad;
            EXPECT_TRUE(searchClause(kind, "1", bad, "2").isRefused()) << bad;
            EXPECT_TRUE(searchClause(kind, "", "", bad).isRefused()) << bad;
        }
    }
}

} // namespace

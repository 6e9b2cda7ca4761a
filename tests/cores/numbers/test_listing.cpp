// SPDX-License-Identifier: MIT
#include "cores/numbers/listing.h"

#include <gtest/gtest.h>

TEST(WinningNumberText, KeepsLeadingZerosAndJoinsDigits)
{
    EXPECT_EQ(zelpo::numbers::winningNumberText({ 0, 4, 7 }), "047");
    EXPECT_EQ(zelpo::numbers::winningNumberText({ 0, 0, 0, 0 }), "0000");
    EXPECT_EQ(zelpo::numbers::winningNumberText({ 9, 1, 0 }), "910");
}

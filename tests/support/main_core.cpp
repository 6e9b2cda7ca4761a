// SPDX-License-Identifier: MIT
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // A fixed moment before every stored draw: the draw calendar expects
    // nothing newer than a file holds, whatever day the suite runs; tests of
    // the calendar set a moment of their own.
    qputenv("ZELPO_NOW", "2000-01-01T00:00:00Z");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// SPDX-License-Identifier: MIT
#include "app/paths.h"
#include "support/printers.h"

#include <gtest/gtest.h>

struct PathCase {
    const char* executable;
    const char* database;
    const char* help;
};

class Paths : public ::testing::TestWithParam<PathCase> { };

TEST_P(Paths, LieNextToTheExecutable)
{
    const QString executable = QString::fromUtf8(GetParam().executable);
    EXPECT_EQ(zelpo::app::databasePath(executable), QString::fromUtf8(GetParam().database));
    EXPECT_EQ(zelpo::app::helpPath(executable), QString::fromUtf8(GetParam().help));
}

INSTANTIATE_TEST_SUITE_P(Executables, Paths,
    ::testing::Values(PathCase { "/home/u/zelpo/bin/zelpo", "/home/u/zelpo/bin/ナンバーズ.mdb",
                          "/home/u/zelpo/bin/ナンバーズ３＆４＆ミニロト.HLP" },
        PathCase { "/zelpo", "/ナンバーズ.mdb", "/ナンバーズ３＆４＆ミニロト.HLP" },
        PathCase { "/opt/数字 dir/zelpo.bin", "/opt/数字 dir/ナンバーズ.mdb",
            "/opt/数字 dir/ナンバーズ３＆４＆ミニロト.HLP" }));

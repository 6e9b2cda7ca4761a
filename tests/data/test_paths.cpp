// SPDX-License-Identifier: MIT
#include "data/paths.h"
#include "support/printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

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
                          "/home/u/zelpo/bin/ナンバーズ３＆４＆ミニロト.html" },
        PathCase { "/zelpo", "/ナンバーズ.mdb", "/ナンバーズ３＆４＆ミニロト.html" },
        PathCase { "/opt/数字 dir/zelpo.bin", "/opt/数字 dir/ナンバーズ.mdb",
            "/opt/数字 dir/ナンバーズ３＆４＆ミニロト.html" }));

namespace {

// HOME and XDG_DATA_HOME in a temporary folder for one test, and the
// application named as both executables name it.
class UserEnvironment {
public:
    explicit UserEnvironment(bool withXdgDataHome)
        : m_saved(QProcessEnvironment::systemEnvironment())
        , m_name(QCoreApplication::applicationName())
    {
        qputenv("HOME", path("home").toUtf8());
        withXdgDataHome ? qputenv("XDG_DATA_HOME", path("xdg").toUtf8()) : qunsetenv("XDG_DATA_HOME");
        QCoreApplication::setApplicationName("zelpo");
    }
    ~UserEnvironment()
    {
        for (const char* name : { "HOME", "XDG_DATA_HOME" }) {
            m_saved.contains(name) ? qputenv(name, m_saved.value(name).toUtf8()) : qunsetenv(name);
        }
        QCoreApplication::setApplicationName(m_name);
    }
    UserEnvironment(const UserEnvironment&) = delete;
    UserEnvironment& operator=(const UserEnvironment&) = delete;

    QString path(const QString& relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_saved;
    QString m_name;
};

struct LocationCase {
    const char* name;
    bool xdgDataHome;
    bool databaseInFolder;
    bool folderWritable;
    const char* expected; // relative to the temporary folder
};

class DatabaseLocation : public ::testing::TestWithParam<LocationCase> { };

TEST_P(DatabaseLocation, BesideTheProgramOrInTheUserDataFolder)
{
    const LocationCase& c = GetParam();
    const UserEnvironment user(c.xdgDataHome);
    ASSERT_TRUE(QDir().mkpath(user.path("bin")));
    if (c.databaseInFolder) {
        QFile file(user.path("bin/ナンバーズ.mdb"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QStringList asked;
    const QString location = zelpo::app::databaseLocation(
        user.path("bin/zelpo"), zelpo::app::userDataFolder(), [&](const QString& folder) {
            asked << folder;
            return c.folderWritable;
        });
    EXPECT_EQ(location, user.path(QString::fromUtf8(c.expected)));
    // Only the program's own folder is ever in question.
    for (const QString& folder : asked)
        EXPECT_EQ(folder, user.path("bin/"));
}

INSTANTIATE_TEST_SUITE_P(Folders, DatabaseLocation,
    ::testing::Values(LocationCase { "writable", false, false, true, "bin/ナンバーズ.mdb" },
        LocationCase { "read_only_holding_the_database", false, true, false, "bin/ナンバーズ.mdb" },
        LocationCase { "read_only_empty", false, false, false, "home/.local/share/zelpo/ナンバーズ.mdb" },
        LocationCase { "read_only_empty_xdg", true, false, false, "xdg/zelpo/ナンバーズ.mdb" }),
    [](const auto& info) { return std::string(info.param.name); });

// Without a home in the environment the folder is never built on an empty
// one ("//.local/share/zelpo"): the password database names the home.
TEST(DatabaseLocation, AnUnsetOrEmptyHomeIsNeverTheRoot)
{
    const passwd* user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    const QString expected = QDir::cleanPath(QFile::decodeName(user->pw_dir) + "/.local/share/zelpo");
    const UserEnvironment environment(false);
    for (const bool unset : { true, false }) {
        unset ? qunsetenv("HOME") : qputenv("HOME", "");
        EXPECT_EQ(zelpo::app::userDataFolder(), expected);
        EXPECT_FALSE(zelpo::app::userDataFolder().startsWith("//"));
    }
    // And with no data folder at all the database stays beside the program.
    EXPECT_EQ(zelpo::app::databaseLocation("/opt/zelpo/zelpo", QString(), [](const QString&) { return false; }),
        "/opt/zelpo/ナンバーズ.mdb");
}

TEST(DatabaseLocation, TheRealCheckAsksTheSystem)
{
    const QTemporaryDir dir;
    EXPECT_TRUE(zelpo::app::isFolderWritable(dir.path()));
    EXPECT_FALSE(zelpo::app::isFolderWritable(dir.filePath("missing")));
    QFile file(dir.filePath("plain"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_FALSE(zelpo::app::isFolderWritable(file.fileName()));
    // A folder without write permission refuses every user but root; the
    // installed-program test runs the real binaries as an ordinary user.
    if (geteuid() != 0) {
        ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        EXPECT_FALSE(zelpo::app::isFolderWritable(dir.path()));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

} // namespace

// Where the manual is found: beside the program first, then in the data folder
// of an installed one; when neither has it, beside the program (where the
// help buttons then say that it cannot be opened).
TEST(Paths, TheManualOfAnInstalledProgramIsInItsDataFolder)
{
    const QTemporaryDir prefix;
    const QDir root(prefix.path());
    const QString executable = root.filePath(QStringLiteral("bin/zelpo"));
    const QString beside = root.filePath(QStringLiteral("bin/ナンバーズ３＆４＆ミニロト.html"));
    const QString installed = root.filePath(QStringLiteral("share/zelpo/ナンバーズ３＆４＆ミニロト.html"));
    ASSERT_TRUE(root.mkpath(QStringLiteral("bin")) && root.mkpath(QStringLiteral("share/zelpo")));
    EXPECT_EQ(zelpo::app::helpPath(executable), beside);

    const auto create = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };
    ASSERT_TRUE(create(installed));
    EXPECT_EQ(zelpo::app::helpPath(executable), installed);
    ASSERT_TRUE(create(beside));
    EXPECT_EQ(zelpo::app::helpPath(executable), beside);
}

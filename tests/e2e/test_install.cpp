// SPDX-License-Identifier: MIT
// The program installed into a temporary prefix, as `cmake --install` puts
// it, run by an ordinary user whose program folder is not writable.
#include "data/db/history.h"
#include "support/testdb.h"
#include "support/xserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

using zelpo::test::XServer;

namespace {

constexpr const char* kAppId = "io.github.zelpo.Zelpo";
constexpr uint kNobody = 65534;

struct Finished {
    int code = -1;
    QString out;
    QString err;
};

Finished finish(QProcess& process)
{
    Finished result;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        result.code = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// A prefix in a fresh folder, and a home for the user who runs the program.
class InstalledPrefix {
public:
    InstalledPrefix()
    {
        // An ordinary user has to reach the files.
        QFile::setPermissions(m_root.path(),
            QFile::permissions(m_root.path()) | QFileDevice::ExeOther | QFileDevice::ReadOther | QFileDevice::ExeGroup
                | QFileDevice::ReadGroup);
        QDir().mkpath(home());
        QProcess install;
        install.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        install.start(QStringLiteral(ZELPO_CMAKE_COMMAND),
            { QStringLiteral("--install"), QStringLiteral(ZELPO_BUILD_DIR), QStringLiteral("--prefix"), prefix() });
        m_ok = install.waitForFinished(120000) && install.exitStatus() == QProcess::NormalExit
            && install.exitCode() == 0;
        if (!m_ok)
            return;
        // Root may write anywhere: run as nobody then; anyone else loses the write permission.
        if (geteuid() == 0)
            m_ok = ::chown(QFile::encodeName(home()).constData(), kNobody, kNobody) == 0;
        else
            m_ok = QFile::setPermissions(file("bin"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    ~InstalledPrefix()
    {
        QFile::setPermissions(file("bin"), QFile::permissions(file("bin")) | QFileDevice::WriteOwner);
    }
    InstalledPrefix(const InstalledPrefix&) = delete;
    InstalledPrefix& operator=(const InstalledPrefix&) = delete;

    bool ok() const { return m_ok; }
    QString prefix() const { return m_root.filePath(QStringLiteral("usr")); }
    QString file(const QString& relative) const { return prefix() + u'/' + relative; }
    QString home() const { return m_root.filePath(QStringLiteral("home")); }
    QString userDatabase() const { return home() + QStringLiteral("/.local/share/zelpo/ナンバーズ.mdb"); }

    // Starts an installed program as the ordinary user, with the temporary home.
    void start(QProcess& process, const QString& program, const QStringList& arguments,
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment()) const
    {
        environment.insert(QStringLiteral("HOME"), home());
        environment.remove(QStringLiteral("XDG_DATA_HOME"));
        environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(home());
        if (geteuid() == 0) {
            process.start(QStringLiteral("setpriv"),
                QStringList { QStringLiteral("--reuid=%1").arg(kNobody), QStringLiteral("--regid=%1").arg(kNobody),
                    QStringLiteral("--clear-groups"), QStringLiteral("--"), file(QStringLiteral("bin/") + program) }
                    + arguments);
        } else {
            process.start(file(QStringLiteral("bin/") + program), arguments);
        }
    }

    Finished run(const QString& program, const QStringList& arguments) const
    {
        QProcess process;
        start(process, program, arguments);
        return finish(process);
    }

    QString text(const QString& relative) const
    {
        QFile file(this->file(relative));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QTemporaryDir m_root;
    bool m_ok = false;
};

// The value of a field of a desktop entry ("Name=value") or of a Debian
// paragraph ("Name: value"), its first line.
QString field(const QString& text, const QString& name)
{
    const QRegularExpression line(
        QStringLiteral("^%1[:=] ?(.*)$").arg(QRegularExpression::escape(name)), QRegularExpression::MultilineOption);
    return line.match(text).captured(1).trimmed();
}

Finished runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return finish(process);
}

} // namespace

TEST(Installed, DocumentationHasTheCopyrightInDebiansFormatAndTheChangelog)
{
    const InstalledPrefix installed;
    ASSERT_TRUE(installed.ok());
    // Machine-readable: a header, then paragraphs; every licence a Files
    // paragraph names is written out in a paragraph of its own.
    const QStringList paragraphs = installed.text("share/doc/zelpo/copyright").split(QRegularExpression("\\n\\s*\\n"));
    ASSERT_GE(paragraphs.size(), 3);
    EXPECT_EQ(field(paragraphs[0], "Format"), "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/");
    const QString projectLicense
        = QRegularExpression("<project_license>([^<]+)</project_license>")
              .match(installed.text("share/metainfo/" + QLatin1String(kAppId) + ".metainfo.xml"))
              .captured(1);
    QStringList named;
    QStringList written;
    for (const QString& paragraph : paragraphs.mid(1)) {
        const QString license = field(paragraph, "License");
        if (!paragraph.startsWith("Files:") && paragraph.contains("\n "))
            written << license;
        else
            named << license;
        if (field(paragraph, "Files") == "*") { // the program's own, as its metadata says
            EXPECT_EQ(license, projectLicense);
        }
    }
    for (const QString& license : named)
        EXPECT_TRUE(written.contains(license)) << license.toStdString() << " is not written out";
    // Every source of the built-in histories that the data's README names.
    const QString sources
        = installed.text("share/doc/zelpo/README.data.md").section("Sources:", 1).section("\n\n", 0, 0);
    const QRegularExpression repository("[A-Za-z0-9-]+/[A-Za-z0-9._-]+");
    ASSERT_TRUE(sources.contains(repository));
    for (const QRegularExpressionMatch& match : repository.globalMatch(sources))
        EXPECT_TRUE(installed.text("share/doc/zelpo/copyright").contains(match.captured()))
            << match.captured().toStdString();

    // The changelog, compressed, opens with this version's entry in Debian's format.
    const QTemporaryDir dir;
    const Finished unpacked = runTool("gzip", { "-dc", installed.file("share/doc/zelpo/changelog.gz") });
    ASSERT_EQ(unpacked.code, 0) << unpacked.err.toStdString();
    EXPECT_TRUE(unpacked.out.startsWith(QStringLiteral("zelpo (%1) ").arg(ZELPO_VERSION)))
        << unpacked.out.toStdString();
    const QString parser = QStandardPaths::findExecutable("dpkg-parsechangelog");
    if (parser.isEmpty())
        GTEST_SKIP() << "dpkg-dev is not installed";
    QFile plain(dir.filePath("changelog"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly) && plain.write(unpacked.out.toUtf8()) > 0);
    plain.close();
    const Finished parsed = runTool(parser, { "-l", plain.fileName(), "-S", "Version" });
    EXPECT_EQ(parsed.code, 0);
    EXPECT_EQ(parsed.out.trimmed(), ZELPO_VERSION);
    EXPECT_EQ(parsed.err, "");
}

TEST(Installed, FilesLieWhereTheDesktopLooksAndValidate)
{
    const InstalledPrefix installed;
    ASSERT_TRUE(installed.ok());
    const QString id = QLatin1String(kAppId);
    for (const QString& program : { QStringLiteral("bin/zelpo"), QStringLiteral("bin/zelpo-cli") })
        EXPECT_TRUE(QFileInfo(installed.file(program)).isExecutable()) << program.toStdString();
    const QString desktop = installed.file("share/applications/" + id + ".desktop");
    const QString metainfo = installed.file("share/metainfo/" + id + ".metainfo.xml");
    // The manual in the data folder where the installed program looks for it.
    for (const QString& file : { desktop, metainfo, installed.file("share/icons/hicolor/64x64/apps/" + id + ".png"),
             installed.file("share/zelpo/ナンバーズ３＆４＆ミニロト.html"),
             installed.file("share/zelpo/help/numbers3.html"), installed.file("share/zelpo/help/images/numbers3.png") })
        EXPECT_TRUE(QFileInfo(file).isFile()) << file.toStdString();

    const QString desktopValidate = QStandardPaths::findExecutable("desktop-file-validate");
    const QString appstreamcli = QStandardPaths::findExecutable("appstreamcli");
    if (desktopValidate.isEmpty() || appstreamcli.isEmpty())
        GTEST_SKIP() << "desktop-file-utils or appstream is not installed";
    QProcess desktopValidation;
    desktopValidation.start(desktopValidate, { desktop });
    const Finished desktopCheck = finish(desktopValidation);
    EXPECT_EQ(desktopCheck.code, 0);
    EXPECT_EQ(desktopCheck.out + desktopCheck.err, "");
    QProcess metainfoValidation;
    metainfoValidation.start(appstreamcli, { "validate", "--no-net", metainfo });
    const Finished metainfoCheck = finish(metainfoValidation);
    EXPECT_EQ(metainfoCheck.code, 0) << metainfoCheck.out.toStdString() << metainfoCheck.err.toStdString();
}

TEST(Installed, TheFirstStartAsksAndCreatesTheDatabaseInTheUserDataFolder)
{
    const XServer x;
    ASSERT_TRUE(x.running());
    const InstalledPrefix installed;
    ASSERT_TRUE(installed.ok());

    QProcess zelpo;
    zelpo.setProcessChannelMode(QProcess::ForwardedChannels);
    installed.start(zelpo, "zelpo", {}, x.environment());
    ASSERT_TRUE(zelpo.waitForStarted());

    // The question comes before the main menu, under the program's name.
    const QString question = x.waitForWindow("ナンバーズ Zelpo");
    ASSERT_FALSE(question.isEmpty()) << "the question did not appear";
    // The class of its windows is the one the menu entry names, so the desktop
    // shows them under the entry's name and icon.
    const QString startupClass
        = field(installed.text("share/applications/" + QLatin1String(kAppId) + ".desktop"), "StartupWMClass");
    EXPECT_FALSE(startupClass.isEmpty());
    EXPECT_EQ(x.property(question, "WM_CLASS").split("\", \"").value(1), startupClass);
    EXPECT_FALSE(QFileInfo::exists(installed.userDatabase()));
    x.focus(question);
    x.key("Return"); // Yes is the default answer
    const QDeadlineTimer deadline(30000);
    while (!QFileInfo::exists(installed.userDatabase()) && !deadline.hasExpired())
        QThread::msleep(100);
    ASSERT_TRUE(QFileInfo::exists(installed.userDatabase()));

    // Then, once, whether to check for new results at each start; No keeps the test off the internet.
    const QString check = x.waitForWindow("ナンバーズ Zelpo", 20000, question);
    ASSERT_FALSE(check.isEmpty()) << "the question on the check at start-up did not appear";
    x.focus(check);
    x.key("Escape");
    const QString menu = x.waitForWindow("ナンバーズ Zelpo", 20000, check);
    ASSERT_FALSE(menu.isEmpty()) << "the main menu did not appear";
    x.focus(menu);
    x.key("Escape");
    ASSERT_TRUE(zelpo.waitForFinished(20000));
    EXPECT_EQ(zelpo.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(installed.file("bin/ナンバーズ.mdb")));
    // zelpo-cli follows the same rule: it finds that file and will not make another.
    const Finished info = installed.run("zelpo-cli", { "info" });
    ASSERT_EQ(info.code, 0) << info.err.toStdString();
    const QString history = QString::fromUtf8(zelpo::db::bundledHistory(zelpo::Game::Numbers3));
    const qsizetype numbers3 = history.count(u'\n') - 1;
    // The calendar's columns follow (the draw expected by now depends on the day).
    EXPECT_EQ(info.out.section(u'\n', 0, 1).section(u'\t', 0, 7),
        QStringLiteral("file\t%1\t%2\nnumbers3\t%3\t1\t%3\t%4\t%5")
            .arg(installed.userDatabase())
            .arg(QFileInfo(installed.userDatabase()).size())
            .arg(numbers3)
            .arg(numbers3 + 1)
            .arg(history.trimmed().section(u'\n', -1).section(u',', 1, 1)));
    const Finished init = installed.run("zelpo-cli", { "init" });
    EXPECT_EQ(init.code, 1);
    EXPECT_TRUE(init.err.contains(installed.userDatabase() + " already exists")) << init.err.toStdString();
}

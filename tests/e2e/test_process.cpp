// SPDX-License-Identifier: MIT
// The zelpo-cli binary as a script meets it: standard output on a full
// device, a pipe whose reader has gone, a closed descriptor or a file-size
// limit, and inputs with no end. Limits are set by the test on the child.
#include "support/testdb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using zelpo::test::TempDatabase;

namespace {

struct Finished {
    int code = -1;   // exit status, or -1 when a signal ended the program
    QString err;     // standard error
    long peakKb = 0; // peak resident memory
};

constexpr int kClosed = -2;

// Runs zelpo-cli with `in` and `out` as its standard input and output (a
// descriptor, kClosed, or -1 to inherit), `prepare` run in the child.
Finished runBinary(const QStringList& args, int in, int out, const std::function<void()>& prepare = {})
{
    std::vector<std::string> texts { std::string(ZELPO_BIN_DIR) + "/zelpo-cli" };
    for (const QString& arg : args)
        texts.push_back(QFile::encodeName(arg).toStdString());
    std::vector<char*> argv;
    for (std::string& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    int errPipe[2];
    EXPECT_EQ(::pipe(errPipe), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (in >= 0)
            ::dup2(in, STDIN_FILENO);
        if (out >= 0)
            ::dup2(out, STDOUT_FILENO);
        else if (out == kClosed)
            ::close(STDOUT_FILENO);
        ::dup2(errPipe[1], STDERR_FILENO);
        ::close(errPipe[0]);
        if (prepare)
            prepare();
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(errPipe[1]);
    QByteArray err;
    char buffer[4096];
    for (ssize_t got; (got = ::read(errPipe[0], buffer, sizeof buffer)) > 0;)
        err.append(buffer, got);
    ::close(errPipe[0]);
    int status = 0;
    rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromUtf8(err), usage.ru_maxrss };
}

// Far below what reading a whole endless stream, or collecting every field
// of a line of commas, would take; far above what a bounded read needs.
constexpr long kCeilingKb = 768 * 1024;
constexpr rlim_t kCeilingBytes = rlim_t { 1536 } * 1024 * 1024; // address space, not resident memory

// A ceiling the child cannot pass where the build allows one; the address
// space of a sanitizer build is reserved up front, so there the peak is
// compared afterwards instead.
void limitMemory()
{
#if !defined(__SANITIZE_ADDRESS__)
    const rlimit limit { kCeilingBytes, kCeilingBytes };
    ::setrlimit(RLIMIT_AS, &limit);
#endif
}

TempDatabase withDraws()
{
    TempDatabase database;
    for (int kaisai = 1; kaisai <= 20; ++kaisai)
        database.addNumbers3(kaisai, kaisai % 10, (kaisai * 3) % 10, (kaisai * 7) % 10);
    return database;
}

enum class Output { FullDevice, ReaderGone, Closed };

struct WriteFailure {
    const char* name;
    QStringList args;
    Output output;
    const char* message;
};

class CliStandardOutput : public testing::TestWithParam<WriteFailure> { };

TEST_P(CliStandardOutput, AFailedWriteIsReportedAndFails)
{
    const TempDatabase database = withDraws();
    int out = kClosed;
    int pipeEnds[2] = { -1, -1 };
    if (GetParam().output == Output::FullDevice) {
        out = ::open("/dev/full", O_WRONLY);
        if (out < 0)
            GTEST_SKIP() << "no /dev/full here";
    } else if (GetParam().output == Output::ReaderGone) {
        ASSERT_EQ(::pipe(pipeEnds), 0);
        ::close(pipeEnds[0]);
        out = pipeEnds[1];
    }
    const Finished finished = runBinary(GetParam().args + QStringList { "--db", database.path() }, -1, out);
    if (out >= 0)
        ::close(out);
    EXPECT_EQ(finished.code, 1);
    EXPECT_EQ(finished.err, QStringLiteral("zelpo-cli: cannot write standard output: %1\n").arg(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(Commands, CliStandardOutput,
    testing::Values(
        WriteFailure { "export_full", { "export", "numbers3" }, Output::FullDevice, "No space left on device" },
        WriteFailure { "predict_full", { "predict", "numbers3" }, Output::FullDevice, "No space left on device" },
        WriteFailure { "stats_full", { "stats", "numbers3" }, Output::FullDevice, "No space left on device" },
        WriteFailure {
            "backtest_full", { "backtest", "numbers3", "--json" }, Output::FullDevice, "No space left on device" },
        WriteFailure { "check_reader_gone", { "check", "numbers3" }, Output::ReaderGone, "Broken pipe" },
        WriteFailure { "search_full", { "search", "numbers3", "--straight", "1__" }, Output::FullDevice,
            "No space left on device" },
        WriteFailure { "export_reader_gone", { "export", "numbers3" }, Output::ReaderGone, "Broken pipe" },
        WriteFailure {
            "search_reader_gone", { "search", "numbers3", "--box", "137" }, Output::ReaderGone, "Broken pipe" },
        WriteFailure { "predict_closed", { "predict", "numbers3" }, Output::Closed, "Bad file descriptor" }),
    [](const testing::TestParamInfo<WriteFailure>& info) { return info.param.name; });

// The binary's standard output through a pipe, as a user's terminal or a
// script gets it; small enough to wait in the pipe until the program ends.
std::pair<Finished, QString> runWithOutput(const QStringList& args, const std::function<void()>& prepare = {})
{
    int ends[2];
    EXPECT_EQ(::pipe(ends), 0);
    const Finished finished = runBinary(args, -1, ends[1], prepare);
    ::close(ends[1]);
    QByteArray out;
    char buffer[4096];
    for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, got);
    ::close(ends[0]);
    return { finished, QString::fromUtf8(out) };
}

struct Answer {
    const char* name;
    QStringList args;
    const char* firstLine;
};

class CliAnswersOnStandardOutput : public testing::TestWithParam<Answer> { };

TEST_P(CliAnswersOnStandardOutput, ExitsZeroWithTheTextWritten)
{
    const auto [finished, out] = runWithOutput(GetParam().args);
    EXPECT_EQ(finished.code, 0);
    EXPECT_EQ(finished.err, "");
    EXPECT_EQ(out.section(u'\n', 0, 0), QString::fromUtf8(GetParam().firstLine));
    EXPECT_TRUE(out.endsWith(u'\n'));
}

INSTANTIATE_TEST_SUITE_P(Requests, CliAnswersOnStandardOutput,
    testing::Values(Answer { "help", { "--help" }, "usage: zelpo-cli COMMAND [ARGS]" },
        Answer { "h", { "-h" }, "usage: zelpo-cli COMMAND [ARGS]" },
        Answer { "command_help", { "backtest", "--help" },
            "usage: zelpo-cli backtest GAME [--db PATH] [--from N] [--to N] [--json]" },
        Answer { "version", { "--version" }, "ナンバーズ Zelpo  Version 1.30" }),
    [](const testing::TestParamInfo<Answer>& info) { return info.param.name; });

// Root writes anywhere: the program runs as nobody then, who may enter the
// folders but not write in the last one.
TEST(CliInitProcess, AFolderItCannotWriteGivesTheSystemsReasonAndThePath)
{
    const QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFileDevice::ExeOther | QFileDevice::ReadOther);
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    ASSERT_TRUE(QFile::setPermissions(dir.filePath("locked"),
        QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther));
    const QString path = dir.filePath("locked/ナンバーズ.mdb");
    const auto [finished, out] = runWithOutput({ "init", path }, [] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(126);
    });
    EXPECT_EQ(finished.code, 1);
    EXPECT_EQ(finished.err, "zelpo-cli: cannot create " + path + ": Permission denied\n");
    EXPECT_EQ(out, "");
    EXPECT_FALSE(QFileInfo::exists(path));
    QFile::setPermissions(
        dir.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(CliExportProcess, AFileSizeLimitLeavesNoFileAndSaysWhy)
{
    const TempDatabase database = withDraws();
    const QString file = database.dir() + "/out.csv";
    const Finished finished = runBinary({ "export", "numbers3", file, "--db", database.path() }, -1, -1, [] {
        const rlimit limit { 100, 100 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(finished.code, 1);
    EXPECT_EQ(finished.err, "zelpo-cli: cannot write " + file + ": File too large\n");
    EXPECT_EQ(QDir(database.dir()).entryList(QDir::Files), QStringList { "ナンバーズ.mdb" });
}

TEST(CliImportProcess, AStreamIsReadNoFurtherThanTheLimit)
{
    const TempDatabase database;
    const QStringList before = database.dump();
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const pid_t generator = ::fork();
    if (generator == 0) {
        // 400 MB of one endless line, unless the reader stops first.
        std::signal(SIGPIPE, SIG_DFL);
        ::close(ends[0]);
        const std::string chunk(1 << 20, 'x');
        for (int i = 0; i < 400; ++i) {
            if (::write(ends[1], chunk.data(), chunk.size()) < 0)
                ::_exit(0);
        }
        ::_exit(0);
    }
    ::close(ends[1]);
    const Finished finished
        = runBinary({ "import", "numbers3", "/dev/stdin", "--db", database.path() }, ends[0], -1, limitMemory);
    ::close(ends[0]);
    ::waitpid(generator, nullptr, 0);
    EXPECT_EQ(finished.code, 1);
    EXPECT_TRUE(finished.err.startsWith("zelpo-cli: /dev/stdin: too large to be a draw history"))
        << finished.err.toStdString();
    EXPECT_LT(finished.peakKb, kCeilingKb);
    EXPECT_EQ(database.dump(), before);
}

TEST(CliImportProcess, ALineOfCommasCostsNoMoreThanItsBytes)
{
    const TempDatabase database;
    const QString file = database.dir() + "/commas.csv";
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("kaisai,N100,N10,N1\n1");
        out.write(QByteArray(63 * 1024 * 1024, ','));
    }
    const Finished finished = runBinary({ "import", "numbers3", file, "--db", database.path() }, -1, -1, limitMemory);
    EXPECT_EQ(finished.code, 1);
    EXPECT_EQ(finished.err.section(u'\n', 0, 0),
        "zelpo-cli: " + file + ": line 2: more than 4 fields where the header has 4");
    EXPECT_LT(finished.peakKb, kCeilingKb);
    RecordProperty("peak_kb", static_cast<int>(finished.peakKb));
}

} // namespace

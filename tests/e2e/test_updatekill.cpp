// SPDX-License-Identifier: MIT
// zelpo-cli update killed at any moment: the file is left as it was before
// the update or as it is after it, never in between, and never damaged.
#include "data/db/history.h"
#include "support/testdb.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>

using zelpo::test::TempDatabase;

namespace {

const QString kFeedCut = QStringLiteral(ZELPO_UPDATE_SAMPLES "/feed-v1-numbers4_all_full-cut.json");

// The built-in history with Numbers 4 cut at draw 6854: the update adds 6855 to 7054.
class CutHistory : public TempDatabase {
public:
    CutHistory()
    {
        // Made once, copied for each run.
        static const std::unique_ptr<TempDatabase> base = [] {
            auto made = std::make_unique<TempDatabase>();
            QFile::remove(made->path());
            EXPECT_TRUE(zelpo::db::createDatabaseWithHistory(made->path()).ok());
            made->exec("DELETE FROM ナンバーズ4 WHERE kaisai>6854");
            made->exec("DELETE FROM ナンバーズ4配当 WHERE kaisai>6854");
            return made;
        }();
        QFile::remove(path());
        EXPECT_TRUE(QFile::copy(base->path(), path()));
    }
    // The Numbers 4 draws and payout rows: count and highest of each.
    QStringList state() const
    {
        return rows("SELECT (SELECT COUNT(*)||'/'||MAX(kaisai) FROM ナンバーズ4), "
                    "(SELECT COUNT(*)||'/'||MAX(kaisai) FROM ナンバーズ4配当)");
    }
};

QProcess* startUpdate(const QString& database, QObject* parent = nullptr)
{
    auto* process = new QProcess(parent);
    process->setProgram(QStringLiteral(ZELPO_BIN_DIR "/zelpo-cli"));
    process->setArguments({ "update", "numbers4", "--db", database, "--source", kFeedCut });
    process->start();
    EXPECT_TRUE(process->waitForStarted(10000));
    return process;
}

TEST(UpdateKilled, LeavesTheFileAsBeforeOrAsAfter)
{
    const QStringList before { "6854/6854|6854/6854" };
    const QStringList after { "7054/7054|7054/7054" };

    // One whole run gives the span to kill within.
    const CutHistory whole;
    ASSERT_EQ(whole.state(), before);
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QProcess> run(startUpdate(whole.path()));
    ASSERT_TRUE(run->waitForFinished(120000));
    const qint64 span = timer.elapsed();
    ASSERT_EQ(run->exitCode(), 0) << run->readAllStandardError().toStdString();
    ASSERT_EQ(whole.state(), after);

    // Kills spread over the run, most of them over its later part where the store is.
    const unsigned seed = std::random_device {}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<qint64> moment(span / 4, span + span / 10);
    int asBefore = 0;
    int asAfter = 0;
    for (int i = 0; i < 10; ++i) {
        const CutHistory file;
        std::unique_ptr<QProcess> update(startUpdate(file.path()));
        const qint64 at = moment(random);
        QThread::msleep(static_cast<unsigned long>(at));
        update->kill();
        ASSERT_TRUE(update->waitForFinished(30000));
        EXPECT_EQ(file.rows("PRAGMA integrity_check"), QStringList { "ok" }) << "seed " << seed << ", killed at " << at;
        const QStringList state = file.state();
        EXPECT_TRUE(state == before || state == after)
            << state.join(' ').toStdString() << ": seed " << seed << ", killed at " << at << " ms";
        asBefore += state == before;
        asAfter += state == after;
    }
    // Which side each kill lands on is luck; that both are possible is not the test's to demand.
    std::printf("killed 10 runs: %d left as before, %d as after\n", asBefore, asAfter);
}

} // namespace

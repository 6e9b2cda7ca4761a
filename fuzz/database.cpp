// SPDX-License-Identifier: MIT
// The query walk over a database file: any bytes as the file, then what the
// windows and the command line read from it (draw counts, the three
// listings, the predictions, the digit counts, the export). Each call ends in
// a result or a failure it reports, never a crash, a hang or unbounded memory
// (run with -rss_limit_mb=512 -timeout=5).
#include "data/db/drawcount.h"
#include "data/db/transfer.h"
#include "data/miniloto/minilotodata.h"
#include "data/numbers3/numbers3data.h"
#include "data/numbers4/numbers4data.h"
#include "require.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>

namespace {

using namespace zelpo;
using fuzz::require;

// Made once and never destroyed: the fuzzer ends the process with exit(),
// where Qt's own teardown must not run after its statics are gone.
QTemporaryDir* g_folder = nullptr;
QString g_path;

void writeFile(const std::uint8_t* data, std::size_t size)
{
    QFile file(g_path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the database file can be written");
    require(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) == static_cast<qint64>(size),
        "the database file is written whole");
}

void removeLeftovers()
{
    // A reader opens read-only and must leave nothing behind; remove anyway so
    // that one input never sees another's journal.
    for (const char* suffix : { "-journal", "-wal", "-shm" })
        QFile::remove(g_path + QLatin1String(suffix));
}

void checkStatus(bool produced, const db::Status& status, const char* what)
{
    require(produced == status.ok(), what, db::describe(status).toStdString());
}

// True when SQLite finds nothing wrong with the file's structure. A damaged
// table b-tree (a row key out of order) is read in the order it is stored:
// the engine trusts its own index for ORDER BY on the key.
bool soundFile()
{
    bool sound = false;
    {
        QSqlDatabase check = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fuzz-check"));
        check.setDatabaseName(g_path);
        check.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (check.open()) {
            QSqlQuery query(check);
            sound = query.exec(QStringLiteral("PRAGMA quick_check")) && query.next()
                && query.value(0).toString() == QLatin1String("ok") && !query.next();
        }
        check.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fuzz-check"));
    return sound;
}

// Walks one listing: seven cells a row, draw numbers in ascending numeric
// order (from a sound file).
class ListingCheck {
public:
    void operator()(const QStringList& cells)
    {
        require(cells.size() == 7, "a listed draw has seven cells");
        bool ok = false;
        const qlonglong kaisai = cells[0].toLongLong(&ok);
        require(ok, "a listed draw number is an integer", cells[0].toStdString());
        if (m_last && *m_last > kaisai) {
            require(!soundFile(), "draws are listed in ascending numeric order",
                std::to_string(*m_last) + " before " + std::to_string(kaisai));
        }
        m_last = kaisai;
    }

private:
    std::optional<qlonglong> m_last;
};

using Listing
    = std::function<db::Status(const QString&, const QString&, const std::function<void(const QStringList&)>&)>;

void checkListing(const Listing& list)
{
    ListingCheck check;
    list(g_path, db::kWhereListAll, std::ref(check));
}

db::Status listNumbers3(
    const QString& database, const QString& where, const std::function<void(const QStringList&)>& onRow)
{
    return numbers::readDraws(numbers3::kTable, database, where, onRow);
}

db::Status listNumbers4(
    const QString& database, const QString& where, const std::function<void(const QStringList&)>& onRow)
{
    return numbers::readDraws(numbers4::kTable, database, where, onRow);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** argv)
{
    static int count = 1;
    new QCoreApplication(count, *argv);
    g_folder = new QTemporaryDir();
    require(g_folder->isValid(), "a temporary folder for the database file");
    g_path = g_folder->filePath(QStringLiteral("fuzz.mdb"));
    std::atexit([] { g_folder->remove(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeFile(data, size);
    db::Status status;

    for (const QStringView count : { db::kCountNumbers3, db::kCountNumbers4, db::kCountMiniLoto }) {
        const std::optional<int> next = db::nextDrawNumber(g_path, count, db::kWherePositive, &status);
        checkStatus(next.has_value(), status, "a draw count is a number or a failure");
        require(!next || *next >= 1, "the next draw number is at least 1");
    }

    checkListing(listNumbers3);
    checkListing(listNumbers4);
    checkListing(miniloto::readDraws);

    auto predictions3 = numbers3::predictNext(g_path, db::kWherePositive, &status);
    checkStatus(predictions3.has_value(), status, "a prediction is made or its failure told");
    if (const auto& predictions = predictions3) {
        require(predictions->size() == 5, "five Numbers 3 predictions");
        for (const QString& text : *predictions)
            require(text.size() == 3, "a Numbers 3 prediction has three digits", text.toStdString());
    }
    auto predictions4 = numbers4::predictNext(g_path, db::kWherePositive, &status);
    checkStatus(predictions4.has_value(), status, "a prediction is made or its failure told");
    if (const auto& predictions = predictions4) {
        require(predictions->size() == 5, "five Numbers 4 predictions");
        for (const QString& text : *predictions)
            require(text.size() == 4, "a Numbers 4 prediction has four digits", text.toStdString());
    }
    const auto predictionsMini = miniloto::predictNext(g_path, db::kWherePositive, &status);
    checkStatus(predictionsMini.has_value(), status, "a prediction is made or its failure told");
    require(!predictionsMini || predictionsMini->size() == 4, "four Mini Loto predictions");

    numbers::digitCounts(numbers3::kTable, g_path, db::kWherePositive);
    numbers::digitCounts(numbers4::kTable, g_path, db::kWherePositive);
    for (const Game game : kGames) {
        const db::ExportResult exported = db::exportDraws(g_path, game);
        require(exported.status.ok() || exported.text.isEmpty(), "a failed export gives no text");
    }

    removeLeftovers();
    return 0;
}

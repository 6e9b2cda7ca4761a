// SPDX-License-Identifier: MIT
#include "data/db/history.h"

#include "data/db/payouthistory.h"
#include "data/db/query.h"
#include "data/db/transfer.h"

#include <QFileInfo>
#include <QSqlQuery>

#include <algorithm>

namespace zelpo::db {
namespace {

QString insertStatement(Game game)
{
    QStringList marks;
    for (qsizetype i = 0; i < columns(game).size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(tableName(game), columns(game).join(u','), marks.join(u','));
}

} // namespace

CreatedDatabase createDatabaseWithHistory(const QString& path)
{
    CreatedDatabase result;
    // Read every built-in file before anything is created: a fault there
    // leaves no file behind.
    std::vector<std::pair<Game, csv::Draws>> histories;
    std::vector<BundledPayouts> payouts;
    for (const Game game : kGames) {
        const QByteArray bytes = bundledHistory(game);
        csv::Draws draws = csv::readDraws(csvTable(game), std::string_view(bytes.constData(), bytes.size()));
        if (bytes.isEmpty() || draws.problem) {
            result.failure = { CreateFailure::Kind::BuiltIn, path, 0,
                QStringLiteral("the built-in %1 history is unreadable%2")
                    .arg(tableName(game),
                        draws.problem ? QStringLiteral(": ") + QString::fromStdString(csv::describe(*draws.problem))
                                      : QString()) };
            return result;
        }
        histories.emplace_back(game, std::move(draws));
        payouts.push_back(bundledPayouts(game));
        if (!payouts.back().failure.isEmpty()) {
            result.failure = { CreateFailure::Kind::BuiltIn, path, 0, payouts.back().failure };
            return result;
        }
    }

    const QString atari = QStringLiteral(" ");
    result.failure = createDatabaseFile(path, [&](QSqlQuery& query) {
        for (const auto& [game, history] : histories) {
            if (!query.prepare(insertStatement(game)))
                return false;
            const auto numberCount = static_cast<std::size_t>(numberColumns(game).size());
            for (const csv::Draw& draw : history.draws) {
                int column = 0;
                query.bindValue(column++, draw.kaisai);
                for (std::size_t n = 0; n < numberCount; ++n)
                    query.bindValue(column++, draw.numbers[n]);
                for (const std::string& kounyu : draw.kounyu)
                    query.bindValue(column++, QString::fromStdString(kounyu));
                query.bindValue(column, atari);
                if (!query.exec())
                    return false;
            }
        }
        for (std::size_t i = 0; i < histories.size(); ++i) {
            if (!insertPayouts(query, histories[i].first, payouts[i].rows))
                return false;
        }
        return true;
    });
    if (!result.ok())
        return result;

    for (const auto& [game, history] : histories) {
        StoredHistory stored { game, static_cast<int>(history.draws.size()), 0, 0 };
        if (!history.draws.empty()) {
            const auto [lowest, highest] = std::minmax_element(history.draws.begin(), history.draws.end(),
                [](const csv::Draw& a, const csv::Draw& b) { return a.kaisai < b.kaisai; });
            stored.first = lowest->kaisai;
            stored.last = highest->kaisai;
        }
        result.stored.push_back(stored);
    }
    return result;
}

Status checkDatabaseFile(const QString& path)
{
    if (!QFileInfo::exists(path))
        return { Failure::Missing, path };
    if (!QFileInfo(path).isFile())
        return { Failure::Open, QStringLiteral("%1 is not a file").arg(path) };
    // Every column of every table, as the windows name them; no row is read.
    for (const Game game : kGames) {
        const Status status = read(path, fullSelect(game), QStringLiteral("WHERE 0"), [](const Row&) {});
        if (!status.ok()) {
            if (status.failure() == Failure::Statement)
                return { Failure::Statement, tableName(game) + QStringLiteral(": ") + status.detail() };
            return status;
        }
    }
    return {};
}

} // namespace zelpo::db

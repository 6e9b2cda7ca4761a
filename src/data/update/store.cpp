// SPDX-License-Identifier: MIT
#include "data/update/store.h"

#include "cores/analysis/backtest.h"
#include "data/analysis/recorddata.h"
#include "data/db/payouts.h"
#include "data/entry/toutokudata.h"
#include "data/miniloto/minilotodata.h"

#include <QSqlQuery>

#include <type_traits>

namespace zelpo::update {
namespace {

std::optional<qint64> amount(const std::optional<std::int64_t>& stored)
{
    return stored ? std::optional<qint64>(*stored) : std::nullopt;
}

QDate dateOf(const std::string& text)
{
    return QDate::fromString(QString::fromStdString(text), Qt::ISODate);
}

std::string textOf(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate).toStdString() : std::string();
}

template <class Row>
db::Status readPayoutsOf(const QString& database, std::vector<StoredPayout>& payouts)
{
    std::vector<Row> rows;
    const db::Status status = db::readPayouts(database, rows);
    for (const Row& row : rows) {
        StoredPayout& payout = payouts.emplace_back();
        payout.kaisai = row.kaisai;
        payout.date = dateOf(row.date);
        if constexpr (std::is_same_v<Row, analysis::MiniLotoPayout>) {
            for (std::size_t i = 0; i < row.prizes.size(); ++i) {
                payout.payouts.prize[i] = amount(row.prizes[i]);
                payout.payouts.winners[i] = amount(row.winners[i]);
            }
        } else {
            payout.payouts.straight = amount(row.straight);
            payout.payouts.box = amount(row.box);
            payout.payouts.setStraight = amount(row.setStraight);
            payout.payouts.setBox = amount(row.setBox);
            if constexpr (std::is_same_v<Row, analysis::Numbers3Payout>)
                payout.payouts.mini = amount(row.mini);
        }
    }
    return status;
}

// What the registration window would have shown for a draw with nothing stored before it.
std::array<std::string, 5> emptyHistoryPredictions(Game game)
{
    std::array<std::string, 5> texts;
    if (game == Game::MiniLoto) {
        const miniloto::Predictions four = miniloto::predict(miniloto::History {});
        std::copy(four.begin(), four.end(), texts.begin());
    } else if (game == Game::Numbers3) {
        texts = numbers3::Predictor {}.result();
    } else {
        texts = numbers4::Predictor {}.result();
    }
    return texts;
}

analysis::Draw drawOf(const PublishedDraw& published)
{
    analysis::Draw draw;
    draw.kaisai = published.kaisai;
    std::copy(published.numbers.begin(), published.numbers.end(), draw.numbers.begin());
    draw.bonus = published.bonus.value_or(0);
    return draw;
}

// The statement the registration window runs for the draw.
QString insertStatement(Game game, const PublishedDraw& draw, const std::array<std::string, 5>& predictions)
{
    std::optional<std::string> sql;
    if (game == Game::MiniLoto) {
        miniloto::DrawEntry entry;
        entry.kaisai = std::to_string(draw.kaisai);
        for (std::size_t i = 0; i < entry.numbers.size(); ++i)
            entry.numbers[i] = std::to_string(draw.numbers[i]);
        entry.bonus = std::to_string(draw.bonus.value_or(0));
        std::copy_n(predictions.begin(), entry.predictions.size(), entry.predictions.begin());
        sql = miniloto::insertStatement(entry);
    } else {
        entry::NumbersDraw row;
        row.kaisai = std::to_string(draw.kaisai);
        for (const int digit : draw.numbers)
            row.digits.push_back(std::to_string(digit));
        row.predictions = predictions;
        sql = entry::insertStatement(
            game == Game::Numbers3 ? entry::NumbersGame::Numbers3 : entry::NumbersGame::Numbers4, row);
    }
    return sql ? QString::fromStdString(*sql) : QString();
}

void storePayoutOf(db::Writer& writer, Game game, const PublishedDraw& draw)
{
    if (!draw.date.isValid() && draw.payouts.empty())
        return;
    const Payouts& pay = draw.payouts;
    const std::string date = textOf(draw.date);
    switch (game) {
    case Game::Numbers3:
        return db::storePayout(writer,
            analysis::Numbers3Payout {
                draw.kaisai, date, pay.straight, pay.box, pay.setStraight, pay.setBox, pay.mini });
    case Game::Numbers4:
        return db::storePayout(
            writer, analysis::Numbers4Payout { draw.kaisai, date, pay.straight, pay.box, pay.setStraight, pay.setBox });
    case Game::MiniLoto:
        break;
    }
    analysis::MiniLotoPayout payout { draw.kaisai, date, {}, {} };
    std::copy(pay.prize.begin(), pay.prize.end(), payout.prizes.begin());
    std::copy(pay.winners.begin(), pay.winners.end(), payout.winners.begin());
    db::storePayout(writer, payout);
}

QStringView appendSql(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return entry::kAppendNumbers3Sql;
    case Game::Numbers4:
        return entry::kAppendNumbers4Sql;
    case Game::MiniLoto:
        break;
    }
    return miniloto::kAppendSql;
}

} // namespace

db::Status readStoredGame(const QString& database, Game game, StoredGame& stored)
{
    stored = {};
    db::Status status;
    std::optional<analysis::StoredDraws> draws = analysis::readStoredDraws(game, database, &status);
    if (!draws)
        return status;
    stored.draws = std::move(draws->draws);
    switch (game) {
    case Game::Numbers3:
        status = readPayoutsOf<analysis::Numbers3Payout>(database, stored.payouts);
        break;
    case Game::Numbers4:
        status = readPayoutsOf<analysis::Numbers4Payout>(database, stored.payouts);
        break;
    case Game::MiniLoto:
        status = readPayoutsOf<analysis::MiniLotoPayout>(database, stored.payouts);
        break;
    }
    if (!status)
        stored = {};
    return status;
}

std::vector<std::array<std::string, 5>> predictionsAhead(
    Game game, const std::vector<analysis::Draw>& history, const std::vector<PublishedDraw>& next)
{
    analysis::PredictionWalk walk(game);
    for (const analysis::Draw& draw : history)
        walk.next(draw);
    std::vector<std::array<std::string, 5>> predictions;
    predictions.reserve(next.size());
    for (const PublishedDraw& published : next) {
        const std::span<const analysis::NumberedTicket> tickets = walk.next(drawOf(published));
        if (tickets.empty()) {
            predictions.push_back(emptyHistoryPredictions(game));
            continue;
        }
        std::array<std::string, 5>& texts = predictions.emplace_back();
        for (const analysis::NumberedTicket& ticket : tickets)
            texts[static_cast<std::size_t>(ticket.prediction) - 1] = walk.text(ticket.prediction);
    }
    return predictions;
}

namespace {

// What the store checks again inside its transaction: the draws the windows
// count and the highest of them.
struct FileMark {
    int draws = 0;
    int highest = 0;
    bool operator==(const FileMark&) const = default;
};

FileMark markOf(const StoredGame& stored)
{
    return { static_cast<int>(stored.draws.size()), stored.highest() };
}

FileMark markInTransaction(db::Writer& writer, Game game)
{
    QSqlQuery query
        = writer.prepare(QStringLiteral("SELECT COUNT(*), MAX(CAST(kaisai AS INTEGER)) FROM %1 WHERE kaisai>0")
                             .arg(db::tableName(game)));
    writer.exec(query);
    if (!query.next())
        return {};
    return { query.value(0).toInt(), query.value(1).toInt() };
}

// A registration or an edit that lands between the read and the store makes
// the store plan again from the file as it is now, this many times at most.
constexpr int kStoreAttempts = 3;

} // namespace

StoreResult storeUpdate(const QString& database, Game game, const std::vector<PublishedDraw>& published, bool dryRun)
{
    StoreResult result;
    for (int attempt = 0; attempt < kStoreAttempts; ++attempt) {
        // The reading, the plan and the predictions (a walk over the whole
        // history) happen before the transaction, which then stays short.
        StoredGame stored;
        result.status = readStoredGame(database, game, stored);
        if (!result.status)
            return result;
        result.plan = planUpdate(game, stored, published);
        if (dryRun || !result.plan.ok())
            return result;
        const auto predictions = predictionsAhead(game, stored.draws, result.plan.appends);
        QStringList inserts;
        for (std::size_t i = 0; i < result.plan.appends.size(); ++i) {
            inserts << insertStatement(game, result.plan.appends[i], predictions[i]);
            if (inserts.back().isEmpty()) {
                result.status = db::Status(db::Failure::Statement,
                    QStringLiteral("draw %1 cannot be written as a row").arg(result.plan.appends[i].kaisai));
                return result;
            }
        }
        const FileMark read = markOf(stored);
        bool changed = false;
        result.status = db::write(database, appendSql(game), {}, [&](db::Writer& writer) {
            if (markInTransaction(writer, game) != read) {
                changed = true;
                writer.refuse(db::Failure::Write, QStringLiteral("the file changed while the update was being stored"));
            }
            for (const QString& insert : inserts)
                writer.exec(insert);
            for (const PublishedDraw& draw : result.plan.appends)
                storePayoutOf(writer, game, draw);
            for (const PublishedDraw& fill : result.plan.fills)
                storePayoutOf(writer, game, fill);
        });
        if (!changed)
            break;
    }
    result.stored = result.ok();
    return result;
}

} // namespace zelpo::update

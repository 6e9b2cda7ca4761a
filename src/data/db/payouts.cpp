// SPDX-License-Identifier: MIT
#include "data/db/payouts.h"

#include "cores/csv/payoutcsv.h"
#include "data/db/transfer.h"

#include <QSqlQuery>

#include <optional>

namespace zelpo::db {
namespace {

using Amount = std::optional<std::int64_t>;

// Each game's payout as kaisai, date and its amounts in stored order.
struct Values {
    int kaisai = 0;
    std::string date;
    std::vector<Amount*> amounts;
};

Values valuesOf(analysis::Numbers3Payout& p)
{
    return { p.kaisai, p.date, { &p.straight, &p.box, &p.setStraight, &p.setBox, &p.mini } };
}

Values valuesOf(analysis::Numbers4Payout& p)
{
    return { p.kaisai, p.date, { &p.straight, &p.box, &p.setStraight, &p.setBox } };
}

Values valuesOf(analysis::MiniLotoPayout& p)
{
    Values values { p.kaisai, p.date, {} };
    for (std::size_t i = 0; i < p.prizes.size(); ++i)
        values.amounts.insert(values.amounts.end(), { &p.prizes[i], &p.winners[i] });
    return values;
}

constexpr Game gameOf(const analysis::Numbers3Payout&)
{
    return Game::Numbers3;
}
constexpr Game gameOf(const analysis::Numbers4Payout&)
{
    return Game::Numbers4;
}
constexpr Game gameOf(const analysis::MiniLotoPayout&)
{
    return Game::MiniLoto;
}

// An empty QVariant is bound as NULL; a typed one would be bound as 0 or ''.
QVariant nullable(const Amount& amount)
{
    return amount ? QVariant(static_cast<qlonglong>(*amount)) : QVariant();
}

QVariant nullable(const std::string& date)
{
    return date.empty() ? QVariant() : QVariant(QString::fromStdString(date));
}

QString amountRange()
{
    return QStringLiteral("a whole number from 0 to %1").arg(csv::kLargestAmount);
}

template <class Payout>
void store(Writer& writer, Payout payout)
{
    const Game game = gameOf(payout);
    const Values values = valuesOf(payout);
    const QString table = payoutTableName(game);
    const QString draw = QStringLiteral("%1 draw %2").arg(table).arg(values.kaisai);
    if (values.kaisai < 1 || values.kaisai > csv::kHighestDraw)
        writer.refuse(
            Failure::Write, QStringLiteral("%1 is not a draw number from 1 to %2").arg(draw).arg(csv::kHighestDraw));
    if (!values.date.empty() && !csv::isDate(values.date))
        writer.refuse(Failure::Write, QStringLiteral("%1: the date is not written YYYY-MM-DD").arg(draw));
    for (const Amount* amount : values.amounts) {
        if (*amount && (**amount < 0 || **amount > csv::kLargestAmount))
            writer.refuse(
                Failure::Write, QStringLiteral("%1: %2 is not %3").arg(draw).arg(**amount).arg(amountRange()));
    }
    ensurePayoutTables(writer);

    // What is known replaces what is stored; what is not keeps it.
    const QStringList columns = payoutColumns(game);
    QStringList sets;
    for (const QString& column : columns.mid(1))
        sets << QStringLiteral("%1=COALESCE(?,%1)").arg(column);
    QSqlQuery update = writer.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE kaisai=?").arg(table, sets.join(u',')));
    QSqlQuery insert = writer.prepare(insertPayoutStatement(game));
    // The UPDATE takes the date and amounts, then the draw; the INSERT the draw first.
    QVariantList known { nullable(values.date) };
    for (const Amount* amount : values.amounts)
        known << nullable(*amount);
    for (int i = 0; i < known.size(); ++i) {
        update.bindValue(i, known[i]);
        insert.bindValue(i + 1, known[i]);
    }
    update.bindValue(static_cast<int>(known.size()), values.kaisai);
    insert.bindValue(0, values.kaisai);
    writer.exec(update);
    if (update.numRowsAffected() == 0)
        writer.exec(insert);
}

// Walks the stored rows of the game's table, `amounts` naming the amount
// columns to read (none for the dates only).
using Visit = std::function<void(int kaisai, std::string date, std::vector<Amount> amounts)>;

Status unreadable(const QString& database, const QString& table, int kaisai, const QString& column,
    const QVariant& value, const QString& what)
{
    return { Failure::Read,
        QStringLiteral("%1: %2 draw %3: %4 holds \"%5\", not %6")
            .arg(database, table)
            .arg(kaisai)
            .arg(column, QString::fromStdString(csv::forMessage(value.toString().trimmed().toStdString())), what) };
}

Status walk(const QString& database, Game game, const QStringList& amounts, const QString& where, const Visit& visit)
{
    bool present = false;
    if (Status status = hasPayoutTable(database, game, present); !status || !present)
        return status;

    const QString table = payoutTableName(game);
    Status failure;
    const QString select = QStringLiteral("SELECT kaisai,date%1 FROM %2 ")
                               .arg(amounts.isEmpty() ? QString() : u',' + amounts.join(u','), table);
    Status status = read(database, select, where, [&](const Row& row) {
        if (!failure)
            return;
        const int kaisai = row.integer(u"kaisai");
        const QString date = row.text(u"date").trimmed();
        if (!date.isEmpty() && !csv::isDate(date.toStdString())) {
            failure = unreadable(
                database, table, kaisai, QStringLiteral("date"), date, QStringLiteral("a date written YYYY-MM-DD"));
            return;
        }
        std::vector<Amount> values;
        for (const QString& column : amounts) {
            const QVariant value = row.value(column);
            const StoredAmount amount = storedAmount(value);
            if (!amount.readable) {
                failure = unreadableAmount(database, game, kaisai, column, value);
                return;
            }
            values.push_back(amount.yen);
        }
        visit(kaisai, date.toStdString(), std::move(values));
    });
    return status ? failure : status;
}

template <class Payout>
Status readAll(const QString& database, std::vector<Payout>& rows, const QString& where)
{
    rows.clear();
    const Game game = gameOf(Payout {});
    const Status status
        = walk(database, game, payoutColumns(game).mid(2), where, [&](int kaisai, std::string date, auto amounts) {
              Payout& payout = rows.emplace_back();
              Values values = valuesOf(payout);
              payout.kaisai = kaisai;
              payout.date = std::move(date);
              for (std::size_t i = 0; i < amounts.size(); ++i)
                  *values.amounts[i] = amounts[i];
          });
    if (!status)
        rows.clear();
    return status;
}

} // namespace

QString payoutTableName(Game game)
{
    return tableName(game) + QStringLiteral("配当");
}

QStringList payoutColumns(Game game)
{
    QStringList columns { QStringLiteral("kaisai"), QStringLiteral("date") };
    for (const std::string& column : csv::payoutColumns(csvTable(game)))
        columns << QString::fromStdString(column);
    return columns;
}

QString createPayoutTableStatement(Game game)
{
    QStringList definitions;
    for (const QString& column : payoutColumns(game)) {
        if (column == QLatin1String("kaisai"))
            definitions << QStringLiteral("kaisai INTEGER PRIMARY KEY");
        else if (column == QLatin1String("date"))
            definitions << QStringLiteral("date TEXT");
        else
            definitions << column + QStringLiteral(" INTEGER");
    }
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
        .arg(payoutTableName(game), definitions.join(QStringLiteral(", ")));
}

QString insertPayoutStatement(Game game)
{
    const QStringList columns = payoutColumns(game);
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(payoutTableName(game), columns.join(u','), marks.join(u','));
}

bool createPayoutTables(QSqlQuery& query)
{
    for (const Game game : kGames) {
        if (!query.exec(createPayoutTableStatement(game)))
            return false;
    }
    return true;
}

void ensurePayoutTables(Writer& writer)
{
    for (const Game game : kGames)
        writer.exec(createPayoutTableStatement(game));
}

void storePayout(Writer& writer, const analysis::Numbers3Payout& payout)
{
    store(writer, payout);
}

void storePayout(Writer& writer, const analysis::Numbers4Payout& payout)
{
    store(writer, payout);
}

void storePayout(Writer& writer, const analysis::MiniLotoPayout& payout)
{
    store(writer, payout);
}

Status readPayouts(const QString& database, std::vector<analysis::Numbers3Payout>& rows, const QString& where)
{
    return readAll(database, rows, where);
}

Status readPayouts(const QString& database, std::vector<analysis::Numbers4Payout>& rows, const QString& where)
{
    return readAll(database, rows, where);
}

Status readPayouts(const QString& database, std::vector<analysis::MiniLotoPayout>& rows, const QString& where)
{
    return readAll(database, rows, where);
}

Status hasPayoutTable(const QString& database, Game game, bool& present)
{
    present = false;
    const QString lookup
        = QStringLiteral("SELECT 1 AS kaisai FROM sqlite_master WHERE name='%1' ").arg(payoutTableName(game));
    return read(database, lookup, {}, [&](const Row&) { present = true; });
}

namespace {

// An amount stored as an integer, as this program stores them.
StoredAmount integerAmount(qint64 yen)
{
    if (yen < 0 || yen > csv::kLargestAmount)
        return { false, std::nullopt };
    return { true, yen };
}

} // namespace

StoredAmount storedAmount(const QVariant& value)
{
    // The integers this program stores, without the general conversion.
    if (value.metaType() == QMetaType::fromType<qlonglong>() && !value.isNull())
        return integerAmount(*static_cast<const qlonglong*>(value.constData()));
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
        return {};
    const std::optional<int> number = integerValue(value);
    if (!number || *number < 0 || *number > csv::kLargestAmount)
        return { false, std::nullopt };
    return { true, *number };
}

StoredAmount storedAmount(const Row& row, int position)
{
    if (const std::optional<qint64> yen = row.storedInteger(position))
        return integerAmount(*yen);
    return storedAmount(row.value(position));
}

Status unreadableAmount(const QString& database, Game game, int kaisai, const QString& column, const QVariant& value)
{
    return unreadable(database, payoutTableName(game), kaisai, column, value, amountRange());
}

Status readDrawDate(const QString& database, Game game, int kaisai, QString& date)
{
    date.clear();
    return walk(database, game, {}, QStringLiteral("WHERE kaisai=%1").arg(kaisai),
        [&](int, std::string found, auto) { date = QString::fromStdString(found); });
}

} // namespace zelpo::db

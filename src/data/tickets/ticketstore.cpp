// SPDX-License-Identifier: MIT
#include "data/tickets/ticketstore.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

namespace zelpo::tickets {
namespace {

// Every write first checks that the file is one of this program's.
constexpr QStringView kFixedSelect = u"SELECT kaisai FROM ナンバーズ3 ";
const QString kNoRows = QStringLiteral("WHERE 0");

constexpr QStringView kReadSql = u"SELECT id AS kaisai,game,kind,numbers,units,first_draw,draw_count,memo,entered "
                                 u"FROM 購入記録 ";

QString text(std::string_view value)
{
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

std::string utf8(const QString& value)
{
    return value.toUtf8().toStdString();
}

db::Status tablePresent(const QString& database, bool& present)
{
    present = false;
    const QString lookup
        = QStringLiteral("SELECT 1 AS kaisai FROM sqlite_master WHERE type='table' AND name='%1' ").arg(ticketTable());
    return db::read(database, lookup, {}, [&](const db::Row&) { present = true; });
}

void refuseUnlessBuyable(db::Writer& writer, const Ticket& ticket)
{
    if (const std::optional<std::string> refused = refusal(ticket))
        writer.refuse(db::Failure::Write, text(*refused));
}

void bindTicket(QSqlQuery& query, const Ticket& ticket)
{
    query.bindValue(0, text(gameName(ticket.game)));
    query.bindValue(1, text(kindName(ticket.game, ticket.kind)));
    query.bindValue(2, text(numbersText(ticket.game, ticket.numbers)));
    query.bindValue(3, ticket.units);
    query.bindValue(4, ticket.firstDraw);
    query.bindValue(5, ticket.draws);
    query.bindValue(6, text(ticket.memo));
}

} // namespace

QString ticketTable()
{
    return QStringLiteral("購入記録");
}

QString createTicketTableStatement()
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS 購入記録 (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                          "game TEXT NOT NULL, kind TEXT NOT NULL, numbers TEXT NOT NULL, units INTEGER NOT NULL, "
                          "first_draw INTEGER NOT NULL, draw_count INTEGER NOT NULL, memo TEXT NOT NULL DEFAULT '', "
                          "entered TEXT NOT NULL)");
}

db::Status readTickets(const QString& database, std::vector<Ticket>& tickets)
{
    tickets.clear();
    bool present = false;
    if (db::Status status = tablePresent(database, present); !status || !present)
        return status;
    db::Status failure;
    db::Status status = db::read(database, kReadSql, {}, [&](const db::Row& row) {
        if (!failure)
            return;
        Ticket ticket;
        ticket.id = row.integer(u"kaisai");
        const std::optional<Game> game = parseGame(utf8(row.text(u"game")));
        const std::optional<TicketKind> kind = game ? parseKind(*game, utf8(row.text(u"kind"))) : std::nullopt;
        const Parsed numbers = game ? parseNumbers(*game, utf8(row.text(u"numbers"))) : Parsed {};
        if (kind && numbers.numbers) {
            ticket.game = *game;
            ticket.kind = *kind;
            ticket.numbers = *numbers.numbers;
            ticket.units = row.integer(u"units");
            ticket.firstDraw = row.integer(u"first_draw");
            ticket.draws = row.integer(u"draw_count");
            ticket.memo = utf8(row.text(u"memo"));
            ticket.entered = utf8(row.text(u"entered"));
        }
        if (!kind || !numbers.numbers || refusal(ticket)) {
            failure = db::Status(db::Failure::Read,
                QStringLiteral("%1: the ticket %2 in 購入記録 is not one this program can read")
                    .arg(database)
                    .arg(ticket.id));
            return;
        }
        tickets.push_back(std::move(ticket));
    });
    if (status && !failure)
        status = failure;
    if (!status)
        tickets.clear();
    return status;
}

db::Status addTickets(const QString& database, std::span<const Ticket> tickets, std::vector<std::int64_t>* ids)
{
    if (ids)
        ids->clear();
    std::vector<std::int64_t> added;
    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    db::Status status = db::write(database, kFixedSelect, kNoRows, [&](db::Writer& writer) {
        writer.exec(createTicketTableStatement());
        QSqlQuery insert = writer.prepare(
            QStringLiteral("INSERT INTO 購入記録 (game,kind,numbers,units,first_draw,draw_count,memo,entered) VALUES "
                           "(?,?,?,?,?,?,?,?)"));
        for (const Ticket& ticket : tickets) {
            refuseUnlessBuyable(writer, ticket);
            bindTicket(insert, ticket);
            insert.bindValue(7, ticket.entered.empty() ? now : text(ticket.entered));
            writer.exec(insert);
            added.push_back(insert.lastInsertId().toLongLong());
        }
    });
    if (status && ids)
        *ids = std::move(added);
    return status;
}

db::Status replaceTicket(const QString& database, const Ticket& ticket, bool& found)
{
    found = false;
    return db::write(database, kFixedSelect, kNoRows, [&](db::Writer& writer) {
        writer.exec(createTicketTableStatement());
        refuseUnlessBuyable(writer, ticket);
        QSqlQuery update = writer.prepare(QStringLiteral(
            "UPDATE 購入記録 SET game=?,kind=?,numbers=?,units=?,first_draw=?,draw_count=?,memo=? WHERE id=?"));
        bindTicket(update, ticket);
        update.bindValue(7, static_cast<qlonglong>(ticket.id));
        writer.exec(update);
        found = update.numRowsAffected() > 0;
    });
}

db::Status removeTickets(const QString& database, std::span<const std::int64_t> ids, int& removed)
{
    removed = 0;
    bool present = false;
    if (db::Status status = tablePresent(database, present); !status || !present)
        return status;
    return db::write(database, kFixedSelect, kNoRows, [&](db::Writer& writer) {
        QSqlQuery remove = writer.prepare(QStringLiteral("DELETE FROM 購入記録 WHERE id=?"));
        for (const std::int64_t id : ids) {
            remove.bindValue(0, static_cast<qlonglong>(id));
            writer.exec(remove);
            removed += remove.numRowsAffected();
        }
    });
}

} // namespace zelpo::tickets

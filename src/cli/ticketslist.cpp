// SPDX-License-Identifier: MIT
// zelpo-cli tickets list [GAME] [--json], export [GAME] [FILE] and import FILE:
// the tickets with their results and totals, and the tickets as CSV.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/output.h"
#include "cli/tickets_p.h"
#include "cores/tickets/ticketcsv.h"
#include "data/db/transfer.h"
#include "data/tickets/ticketrecord.h"
#include "data/tickets/ticketstore.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zelpo::cli::tickets {
namespace {

using namespace zelpo::tickets;

QString text(std::string_view value)
{
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

// The operand that names a game, taken from the front of `args` when there.
std::optional<Game> takeGame(QStringList& args)
{
    if (args.isEmpty())
        return std::nullopt;
    const std::optional<Game> game = zelpo::tickets::parseGame(args.first().toStdString());
    if (game)
        args.removeFirst();
    return game;
}

std::optional<TicketRecord> readRecord(Context& context, const QString& database)
{
    db::Status status;
    std::optional<TicketRecord> record = readTicketRecord(database, &status);
    if (!record)
        context.err << "zelpo-cli tickets: " << db::describe(status) << '\n';
    return record;
}

QJsonValue nullable(bool known, const QJsonValue& value)
{
    return known ? value : QJsonValue(QJsonValue::Null);
}

QJsonObject jsonOf(const Ticket& ticket, std::span<const DrawResult> results)
{
    QJsonArray draws;
    for (const DrawResult& r : results) {
        draws.append(QJsonObject { { QStringLiteral("draw"), r.draw },
            { QStringLiteral("status"), text(outcomeName(r.outcome)) },
            { QStringLiteral("class"), nullable(r.outcome == Outcome::Won, text(prizeName(r.prize))) }, // decided only
            { QStringLiteral("amount"), nullable(r.decided(), static_cast<qint64>(r.amount)) } });
    }
    return QJsonObject { { QStringLiteral("id"), static_cast<qint64>(ticket.id) },
        { QStringLiteral("game"), text(gameName(ticket.game)) },
        { QStringLiteral("kind"), text(kindName(ticket.game, ticket.kind)) },
        { QStringLiteral("numbers"), text(numbersText(ticket.game, ticket.numbers)) },
        { QStringLiteral("units"), ticket.units }, { QStringLiteral("first"), ticket.firstDraw },
        { QStringLiteral("draws"), ticket.draws }, { QStringLiteral("memo"), text(ticket.memo) },
        { QStringLiteral("results"), draws } };
}

QJsonObject jsonOf(const Totals& totals)
{
    return QJsonObject { { QStringLiteral("cost"), static_cast<qint64>(totals.cost) },
        { QStringLiteral("won"), static_cast<qint64>(totals.won) },
        { QStringLiteral("balance"), static_cast<qint64>(totals.balance()) },
        { QStringLiteral("return"), totals.returnRate() }, { QStringLiteral("chance_won"), totals.chanceWon },
        { QStringLiteral("chance_return"), totals.chanceReturnRate() }, { QStringLiteral("pending"), totals.pending },
        { QStringLiteral("unknown"), totals.unknown } };
}

void printText(QTextStream& out, const TicketRecord& record, const Summary& summary)
{
    // Oldest first, as a terminal is read from the top.
    for (auto at = summary.tickets.rbegin(); at != summary.tickets.rend(); ++at) {
        const Ticket& t = record.tickets[*at];
        out << t.id << '\t' << text(gameName(t.game)) << '\t' << text(kindName(t.game, t.kind)) << '\t'
            << text(numbersText(t.game, t.numbers)) << '\t' << t.units << '\t' << t.firstDraw << '-' << t.lastDraw()
            << '\t' << text(t.memo).replace(u'\n', u' ').replace(u'\t', u' ') << '\n';
        for (const DrawResult& r : record.checked.of(*at)) {
            out << '\t' << r.draw << '\t' << text(outcomeName(r.outcome)) << '\t'
                << (r.outcome == Outcome::Won ? text(prizeName(r.prize)) : QStringLiteral("-")) << '\t'
                << (r.decided() ? QString::number(r.amount) : QStringLiteral("-")) << '\n';
        }
    }
    const Totals& totals = summary.totals;
    out << "cost\t" << totals.cost << "\nwon\t" << totals.won << "\nbalance\t" << totals.balance() << "\nreturn\t"
        << QString::number(totals.returnRate(), 'f', 3) << "\nchance_won\t" << QString::number(totals.chanceWon, 'f', 0)
        << "\nchance_return\t" << QString::number(totals.chanceReturnRate(), 'f', 3) << "\npending\t" << totals.pending
        << "\nunknown\t" << totals.unknown << '\n';
}

} // namespace

int runList(Context& context, QStringList args)
{
    bool missing = false;
    const std::optional<QString> database = takeOption(args, QStringLiteral("--db"), &missing);
    const bool json = takeFlag(args, QStringLiteral("--json"));
    const std::optional<Game> game = takeGame(args);
    if (missing || !args.isEmpty())
        return args.isEmpty() ? usageError(context) : usageError(context, unknownGame(args.first()));
    const std::optional<TicketRecord> record = readRecord(context, database.value_or(context.defaultDatabase));
    if (!record)
        return 1;
    const Summary summary = summarize(record->tickets, record->checked, record->book, { game, {}, {} });
    if (!json) {
        printText(context.out, *record, summary);
        return 0;
    }
    QJsonArray tickets;
    for (const std::size_t i : summary.tickets)
        tickets.append(jsonOf(record->tickets[i], record->checked.of(i)));
    const QJsonObject root { { QStringLiteral("tickets"), tickets },
        { QStringLiteral("totals"), jsonOf(summary.totals) } };
    context.out << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Compact)) << '\n';
    return 0;
}

int runExport(Context& context, QStringList args)
{
    bool missing = false;
    const std::optional<QString> database = takeOption(args, QStringLiteral("--db"), &missing);
    const bool force = takeFlag(args, QStringLiteral("--force"));
    const std::optional<Game> game = takeGame(args);
    if (missing || args.size() > 1)
        return usageError(context);
    const QString path = args.isEmpty() ? QString() : args.first();
    const QString shown = db::shownText(path);
    if (!path.isEmpty()) {
        if (const QString kind = notARegularFile(path); !kind.isEmpty()) {
            context.err << "zelpo-cli tickets: " << shown << " is " << kind << "; export writes only regular files\n";
            return 1;
        }
        if (QFileInfo::exists(path) && !force) {
            context.err << "zelpo-cli tickets: " << shown << " already exists; give --force to replace it\n";
            return 1;
        }
    }
    std::vector<Ticket> tickets;
    if (const db::Status status = readTickets(database.value_or(context.defaultDatabase), tickets); !status) {
        context.err << "zelpo-cli tickets: " << db::describe(status) << '\n';
        return 1;
    }
    std::erase_if(tickets, [&](const Ticket& t) { return game && t.game != *game; });
    const QByteArray bytes = QByteArray::fromStdString(writeCsv(tickets));
    if (path.isEmpty()) {
        context.out << QString::fromUtf8(bytes);
        return 0;
    }
    if (const QString failure = replaceFile(path, bytes); !failure.isEmpty()) {
        context.err << "zelpo-cli tickets: cannot write " << shown << ": " << failure << '\n';
        return 1;
    }
    context.out << "exported " << tickets.size() << " tickets to " << shown << '\n';
    return 0;
}

int runImport(Context& context, QStringList args)
{
    bool missing = false;
    const std::optional<QString> database = takeOption(args, QStringLiteral("--db"), &missing);
    if (missing || args.size() != 1)
        return usageError(context);
    const QString shown = db::shownText(args.first());
    QFile file(args.first());
    if (QFileInfo(file).isDir() || !file.open(QIODevice::ReadOnly)) {
        context.err << "zelpo-cli tickets: cannot read " << shown << ": "
                    << (QFileInfo(file).isDir() ? QStringLiteral("it is a folder") : file.errorString()) << '\n';
        return 1;
    }
    const db::InputBytes input = db::readInput(file);
    if (input.problem || !input.error.isEmpty()) {
        context.err << "zelpo-cli tickets: cannot read " << shown << ": "
                    << (input.problem ? QString::fromStdString(db::csv::describe(*input.problem)) : input.error)
                    << '\n';
        return 1;
    }
    const CsvTickets read = readCsv(input.bytes.toStdString());
    if (!read.problems.empty()) {
        for (const RowProblem& problem : read.problems)
            printRefusal(context, shown + QStringLiteral(": ") + QString::fromStdString(describe(problem)));
        context.err << "zelpo-cli tickets: nothing imported\n";
        return 1;
    }
    if (const db::Status status = addTickets(database.value_or(context.defaultDatabase), read.tickets); !status) {
        context.err << "zelpo-cli tickets: " << db::describe(status) << "\nzelpo-cli tickets: nothing imported\n";
        return 1;
    }
    context.out << "imported " << read.tickets.size() << " tickets\n";
    return 0;
}

} // namespace zelpo::cli::tickets

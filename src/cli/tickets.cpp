// SPDX-License-Identifier: MIT
// zelpo-cli tickets add|list|remove|export|import: the tickets the user bought.
// add takes one ticket and prints its id; remove takes ids. Refused entries
// store nothing and exit 1; arguments that do not fit exit 2.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/tickets_p.h"
#include "data/db/drawcount.h"
#include "data/tickets/ticketstore.h"

namespace zelpo::cli {
namespace tickets {
namespace {

using namespace zelpo::tickets;

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

void printRefusal(Context& context, const QString& reason)
{
    context.err << "zelpo-cli tickets: " << reason << '\n';
}

int runAdd(Context& context, QStringList args)
{
    bool missing = false;
    QStringList taken;
    std::array<std::optional<QString>, 7> options;
    static constexpr const char* kNames[] = { "--kind", "--numbers", "--units", "--draw", "--draws", "--memo", "--db" };
    for (std::size_t i = 0; i < options.size(); ++i) {
        bool missingValue = false;
        options[i] = takeOption(args, QLatin1String(kNames[i]), &missingValue);
        missing = missing || missingValue;
    }
    const auto& [kind, numbers, units, draw, draws, memo, database] = options;
    if (missing || args.size() != 1 || !kind || !numbers)
        return usageError(context);
    const std::optional<Game> game = zelpo::tickets::parseGame(args.first().toStdString());
    if (!game)
        return usageError(context, unknownGame(args.first()));
    Ticket ticket;
    ticket.game = *game;
    const std::optional<TicketKind> parsedKind = parseKind(*game, kind->toStdString());
    if (!parsedKind) {
        return usageError(context, QStringLiteral("%1 has no kind '%2'").arg(args.first(), db::shownText(*kind)));
    }
    ticket.kind = *parsedKind;
    for (auto [text, value, name] : { std::tuple { &units, &ticket.units, "--units" },
             std::tuple { &draws, &ticket.draws, "--draws" }, std::tuple { &draw, &ticket.firstDraw, "--draw" } }) {
        if (!*text)
            continue;
        const std::optional<int> number = wholeNumber(**text);
        if (!number)
            return usageError(context,
                QStringLiteral("%1 needs a whole number, not '%2'").arg(QLatin1String(name), db::shownText(**text)));
        *value = *number;
    }
    const QString path = database.value_or(context.defaultDatabase);
    if (!draw) {
        db::Status status;
        const std::optional<db::DrawSpan> stored = db::storedDraws(path, *game, &status);
        if (!stored) {
            context.err << "zelpo-cli tickets: " << db::describe(status) << '\n';
            return 1;
        }
        ticket.firstDraw = stored->last + 1;
    }
    const Parsed parsed = parseNumbers(*game, numbers->toStdString());
    if (!parsed.numbers) {
        printRefusal(context, QString::fromStdString(parsed.refusal));
        return 1;
    }
    ticket.numbers = *parsed.numbers;
    ticket.memo = memo.value_or(QString()).toStdString();
    if (const std::optional<std::string> refused = refusal(ticket)) {
        printRefusal(context, QString::fromStdString(*refused));
        return 1;
    }
    std::vector<std::int64_t> ids;
    if (const db::Status status = addTickets(path, std::span(&ticket, 1), &ids); !status) {
        context.err << "zelpo-cli tickets: " << db::describe(status) << '\n';
        return 1;
    }
    context.out << ids.at(0) << '\n';
    return 0;
}

int runRemove(Context& context, QStringList args)
{
    bool missing = false;
    const std::optional<QString> database = takeOption(args, QStringLiteral("--db"), &missing);
    if (missing || args.isEmpty())
        return usageError(context);
    std::vector<std::int64_t> ids;
    for (const QString& arg : args) {
        bool ok = false;
        const qint64 id = arg.toLongLong(&ok);
        if (!ok || id < 1)
            return usageError(context, QStringLiteral("'%1' is not a ticket id").arg(db::shownText(arg)));
        ids.push_back(id);
    }
    int removed = 0;
    if (const db::Status status = removeTickets(database.value_or(context.defaultDatabase), ids, removed); !status) {
        context.err << "zelpo-cli tickets: " << db::describe(status) << '\n';
        return 1;
    }
    context.out << "removed " << removed << (removed == 1 ? " ticket\n" : " tickets\n");
    if (removed < static_cast<int>(ids.size())) {
        printRefusal(context,
            QStringLiteral("%1 of the ids named no stored ticket").arg(ids.size() - static_cast<std::size_t>(removed)));
        return 1;
    }
    return 0;
}

} // namespace tickets

int runTickets(Context& context)
{
    QStringList args = context.args;
    if (args.isEmpty())
        return usageError(context);
    const QString part = args.takeFirst();
    if (part == QLatin1String("add"))
        return tickets::runAdd(context, args);
    if (part == QLatin1String("list"))
        return tickets::runList(context, args);
    if (part == QLatin1String("remove"))
        return tickets::runRemove(context, args);
    if (part == QLatin1String("export"))
        return tickets::runExport(context, args);
    if (part == QLatin1String("import"))
        return tickets::runImport(context, args);
    return usageError(
        context, QStringLiteral("unknown part '%1' (add, list, remove, export or import)").arg(db::shownText(part)));
}

} // namespace zelpo::cli

// SPDX-License-Identifier: MIT
// zelpo-cli check GAME [--db PATH] [--json]: the hit check of the predictions
// stored with the draws.
// zelpo-cli backtest GAME [--db PATH] [--from N] [--to N] [--json]: the
// program's own method scored draw by draw against the draws that followed.
// Both print one line per class (class, hits, expected, ratio, p) and one per
// winning ticket, tab-separated, or one JSON object with --json.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cores/analysis/report.h"
#include "data/analysis/recorddata.h"
#include "data/db/drawcount.h"

namespace zelpo::cli {
namespace {

struct Request {
    Game game;
    QString database;
    analysis::Range range;
    bool json = false;
};

std::optional<Request> parse(Context& context, bool withRange)
{
    const auto usage = [&](const QString& problem = {}) {
        usageError(context, problem);
        return std::nullopt;
    };
    QStringList args = context.args;
    Request request { Game::Numbers3, {}, {}, takeFlag(args, QStringLiteral("--json")) };
    if (withRange) {
        for (auto [name, bound] :
            { std::pair { "--from", &request.range.from }, std::pair { "--to", &request.range.to } }) {
            bool missingValue = false;
            const std::optional<QString> text = takeOption(args, QLatin1String(name), &missingValue);
            if (missingValue)
                return usage();
            if (text) {
                bool ok = false;
                *bound = text->toInt(&ok);
                if (!ok) {
                    return usage(QStringLiteral("%1 needs a draw number, not '%2'")
                                     .arg(QLatin1String(name), db::shownText(*text)));
                }
            }
        }
        const analysis::Range& range = request.range;
        if (range.from && range.to && *range.from > *range.to)
            return usage(QStringLiteral("--from %1 comes after --to %2").arg(*range.from).arg(*range.to));
    }
    Context rest { args, context.out, context.err, context.defaultDatabase, context.command };
    const auto choice = takeGameAndDatabase(rest, kNamedGames);
    if (!choice)
        return std::nullopt;
    request.game = choice->game->game;
    request.database = choice->database;
    return request;
}

int print(Context& context, const std::optional<analysis::Record>& record, const db::Status& status, bool json)
{
    if (!record) {
        context.err << "zelpo-cli " << context.command->name << ": " << db::describe(status) << '\n';
        return 1;
    }
    context.out << QString::fromStdString(json ? analysis::jsonReport(*record) : analysis::textReport(*record));
    return 0;
}

// "--from 9000", "--from 1 --to 5", as the user gave the range.
QString rangeText(const analysis::Range& range)
{
    QStringList parts;
    if (range.from)
        parts << QStringLiteral("--from %1").arg(*range.from);
    if (range.to)
        parts << QStringLiteral("--to %1").arg(*range.to);
    return parts.join(u' ');
}

// A range that scores nothing is most likely a mistyped one: say which draws there are.
void warnAboutAnEmptyRange(Context& context, const Request& request, const analysis::Record& record)
{
    if (record.draws() > 0 || (!request.range.from && !request.range.to))
        return;
    context.err << "zelpo-cli backtest: warning: no draw in " << rangeText(request.range) << " was scored; ";
    db::Status status;
    const std::optional<db::DrawSpan> stored = db::storedDraws(request.database, request.game, &status);
    if (!stored)
        context.err << "the stored draws cannot be read: " << db::describe(status) << '\n';
    else if (stored->draws == 0)
        context.err << "no draws are stored\n";
    else
        context.err << "the stored draws run from " << stored->first << " to " << stored->last << '\n';
}

} // namespace

int runCheck(Context& context)
{
    const std::optional<Request> request = parse(context, false);
    if (!request)
        return 2;
    db::Status status;
    return print(context, analysis::checkStored(request->game, request->database, &status), status, request->json);
}

int runBacktest(Context& context)
{
    const std::optional<Request> request = parse(context, true);
    if (!request)
        return 2;
    db::Status status;
    const std::optional<analysis::Record> record
        = analysis::backtest(request->game, request->database, request->range, &status);
    const int code = print(context, record, status, request->json);
    if (record)
        warnAboutAnEmptyRange(context, *request, *record);
    return code;
}

} // namespace zelpo::cli

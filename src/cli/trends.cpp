// SPDX-License-Identifier: MIT
// zelpo-cli trends GAME [--db PATH] [--last N] [--json]: what the draws show
// (counts, gaps, sums, patterns, pulls, pairs), each row beside what chance
// alone gives, with the tests; over the last N draws or all of them.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cores/analysis/trendsreport.h"
#include "data/analysis/trendsdata.h"

#include <algorithm>
#include <climits>

namespace zelpo::cli {
namespace {

// A count of draws written in the digits 0-9 alone, from 1 up; one too
// large for an int asks for every draw all the same.
std::optional<int> drawCount(const QString& text)
{
    long long value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = std::min<long long>(value * 10 + (c.unicode() - u'0'), INT_MAX);
    }
    return text.isEmpty() || value == 0 ? std::nullopt : std::optional<int>(static_cast<int>(value));
}

} // namespace

int runTrends(Context& context)
{
    QStringList args = context.args;
    const bool json = takeFlag(args, QStringLiteral("--json"));
    bool missingValue = false;
    const std::optional<QString> lastText = takeOption(args, QStringLiteral("--last"), &missingValue);
    if (missingValue)
        return usageError(context);
    std::optional<int> last;
    if (lastText) {
        last = drawCount(*lastText);
        if (!last) {
            return usageError(context,
                QStringLiteral("--last needs a whole number of draws from 1, not '%1'").arg(db::shownText(*lastText)));
        }
    }
    Context rest { args, context.out, context.err, context.defaultDatabase, context.command };
    const auto choice = takeGameAndDatabase(rest, kNamedGames);
    if (!choice)
        return 2;
    db::Status status;
    const std::optional<analysis::Trends> trends
        = analysis::readTrends(choice->game->game, choice->database, last, &status);
    if (!trends) {
        context.err << "zelpo-cli trends: " << db::describe(status) << '\n';
        return 1;
    }
    context.out << QString::fromStdString(json ? analysis::trendsJson(*trends) : analysis::trendsText(*trends));
    return 0;
}

} // namespace zelpo::cli

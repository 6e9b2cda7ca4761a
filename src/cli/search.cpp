// SPDX-License-Identifier: MIT
// zelpo-cli search: the history search of a game's window, for scripts.
//
//   zelpo-cli search numbers3 --straight|--box DIGITS [--db PATH]
//   zelpo-cli search numbers4 --straight|--box DIGITS [--db PATH]
//   zelpo-cli search miniloto N N N N N [--db PATH]
//
// DIGITS has one character per position, hundreds (or thousands) first, "_"
// for a position left open: 1_3_. The matching draws are printed as the
// window lists them, one a line, cells separated by tabs, and the count last.
// Exit status: 0 when draws were found; 1 when none were (the window's
// message on standard error) or the database failed; 2 for a usage error or
// an input the window would refuse with a message.
#include "cores/miniloto/search.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cores/numbers3/search.h"
#include "cores/numbers4/search.h"
#include "data/miniloto/minilotodata.h"
#include "data/numbers3/numbers3data.h"
#include "data/numbers4/numbers4data.h"

#include <array>

namespace zelpo::cli {
namespace {

using ReadDraws = db::Status (*)(
    const QString& database, const QString& where, const std::function<void(const QStringList& cells)>& onRow);

struct GameSearch {
    const char* name;
    int digits; // positions of DIGITS; 0 for the five Mini Loto numbers
    ReadDraws readDraws;
};

constexpr std::array kGames {
    GameSearch { "numbers3", 3,
        [](const QString& database, const QString& where, const std::function<void(const QStringList&)>& onRow) {
            return numbers::readDraws(numbers3::kTable, database, where, onRow);
        } },
    GameSearch { "numbers4", 4,
        [](const QString& database, const QString& where, const std::function<void(const QStringList&)>& onRow) {
            return numbers::readDraws(numbers4::kTable, database, where, onRow);
        } },
    GameSearch { "miniloto", 0, miniloto::readDraws },
};

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// DIGITS as the window's edits hold them: one digit or empty per position.
std::optional<std::vector<std::string>> positions(const QString& digits, int count)
{
    if (digits.size() != count)
        return std::nullopt;
    std::vector<std::string> texts;
    for (const QChar c : digits) {
        if (c == u'_')
            texts.emplace_back();
        else if (c >= u'0' && c <= u'9')
            texts.emplace_back(1, static_cast<char>(c.unicode()));
        else
            return std::nullopt;
    }
    return texts;
}

} // namespace

int runSearch(Context& context)
{
    QStringList args = context.args;
    bool missingValue = false;
    const std::optional<QString> databaseOption = takeOption(args, QStringLiteral("--db"), &missingValue);
    const bool straight = takeFlag(args, QStringLiteral("--straight"));
    const bool box = takeFlag(args, QStringLiteral("--box"));
    const GameSearch* game = nullptr;
    for (const GameSearch& candidate : kGames) {
        if (!args.isEmpty() && args.first() == QLatin1String(candidate.name))
            game = &candidate;
    }
    const bool numbers = game && game->digits > 0;
    if (missingValue || !game || (numbers ? straight == box || args.size() != 2 : straight || box || args.size() != 6))
        return usageError(context);

    db::SearchClause clause = db::SearchClause::refused();
    if (numbers) {
        const std::optional<std::vector<std::string>> texts = positions(args[1], game->digits);
        if (!texts) {
            context.err << "zelpo-cli search: DIGITS takes 0 to 9 or _ for each of the " << game->digits
                        << " positions\n";
            return 2;
        }
        const db::SearchKind kind = straight ? db::SearchKind::Straight : db::SearchKind::Box;
        const std::vector<std::string>& t = *texts;
        clause = game->digits == 3 ? numbers3::searchClause(kind, t[0], t[1], t[2])
                                   : numbers4::searchClause(kind, t[0], t[1], t[2], t[3]);
    } else {
        std::array<std::string, 5> texts;
        for (int i = 0; i < 5; ++i)
            texts[i] = args[i + 1].toStdString();
        clause = miniloto::searchClause({ texts[0], texts[1], texts[2], texts[3], texts[4] });
        if (clause.isRefused()) {
            context.err << "zelpo-cli search: the numbers are one or two digits 0 to 9\n";
            return 2;
        }
    }
    if (clause.isMessage()) {
        context.err << fromUtf8(clause.text()) << '\n';
        return 2;
    }

    QStringList lines;
    const db::Status status = game->readDraws(databaseOption.value_or(context.defaultDatabase), fromUtf8(clause.text()),
        [&lines](const QStringList& cells) { lines << cells.join(u'\t'); });
    if (!status) {
        context.err << "zelpo-cli search: " << db::describe(status) << '\n';
        return 1;
    }
    for (const QString& line : lines)
        context.out << line << '\n';
    context.out << lines.size() << '\n';
    if (lines.isEmpty()) {
        context.err << fromUtf8(db::kSearchNoHits) << '\n';
        return 1;
    }
    return 0;
}

} // namespace zelpo::cli

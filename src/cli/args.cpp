// SPDX-License-Identifier: MIT
#include "cli/args.h"

#include "data/db/query.h"

#include <algorithm>

namespace zelpo::cli {
namespace {

// The path as a shell takes it back: quoted unless plain, control characters escaped.
QString shellWord(const QString& path)
{
    const bool plain = !path.isEmpty() && std::all_of(path.begin(), path.end(), [](QChar c) {
        return c.unicode() >= 0x80 || c.isLetterOrNumber() || QStringView(u"/._-+,:@%").contains(c);
    });
    if (plain)
        return db::shownText(path);
    QString quoted = path;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return db::shownText(u'\'' + quoted + u'\'');
}

} // namespace

std::optional<QString> takeOption(QStringList& args, const QString& name, bool* missingValue)
{
    if (missingValue)
        *missingValue = false;
    const QString prefix = name + u'=';
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString value;
        if (args[i].startsWith(prefix)) {
            value = args[i].mid(prefix.size());
            args.removeAt(i);
        } else if (args[i] == name && i + 1 < args.size()) {
            value = args[i + 1];
            args.remove(i, 2);
        } else if (args[i] == name) {
            args.removeAt(i);
        } else {
            continue;
        }
        // An empty value names nothing: "--db ''" is a usage error, not a file.
        if (value.isEmpty()) {
            if (missingValue)
                *missingValue = true;
            return std::nullopt;
        }
        return value;
    }
    return std::nullopt;
}

bool takeFlag(QStringList& args, const QString& name)
{
    return args.removeAll(name) > 0;
}

QString unknownGame(const QString& text)
{
    return QStringLiteral("unknown game '%1'").arg(db::shownText(text));
}

QString initCommand(const Context& context, const QString& database)
{
    if (database == context.defaultDatabase)
        return QStringLiteral("zelpo-cli init");
    return QStringLiteral("zelpo-cli init ") + shellWord(database);
}

std::optional<Game> parseGame(const QString& text)
{
    for (const NamedGame& named : kNamedGames) {
        if (text == QLatin1String(named.name))
            return named.game;
    }
    return std::nullopt;
}

const char* gameName(Game game)
{
    for (const NamedGame& named : kNamedGames) {
        if (named.game == game)
            return named.name;
    }
    return "";
}

std::optional<std::pair<qsizetype, QString>> takeGameAndDatabase(Context& context, const QStringList& names)
{
    QStringList args = context.args;
    bool missingValue = false;
    const std::optional<QString> database = takeOption(args, QStringLiteral("--db"), &missingValue);
    if (missingValue || args.size() != 1) {
        usageError(context);
        return std::nullopt;
    }
    const qsizetype game = names.indexOf(args.first());
    if (game < 0) {
        usageError(context, unknownGame(args.first()));
        return std::nullopt;
    }
    return std::pair { game, database.value_or(context.defaultDatabase) };
}

} // namespace zelpo::cli

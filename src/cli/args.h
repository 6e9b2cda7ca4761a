// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli.h"
#include "cores/game/game.h"

#include <QStringList>

#include <array>
#include <optional>
#include <utility>

namespace zelpo::cli {

// Removes "--name VALUE" (or "--name=VALUE") from `args` and returns VALUE.
// `missingValue` is set when the option is given without a value.
std::optional<QString> takeOption(QStringList& args, const QString& name, bool* missingValue = nullptr);

// Removes a bare flag such as "--box"; true when it was there.
bool takeFlag(QStringList& args, const QString& name);

// "numbers3", "numbers4" or "miniloto": a game by the name the commands use.
std::optional<Game> parseGame(const QString& text);
const char* gameName(Game game);
// "unknown game 'TEXT'", for usageError().
QString unknownGame(const QString& text);

// The command that creates `database`: "zelpo-cli init" for the program's
// own (whose folder it makes), else "zelpo-cli init PATH" with the path as a
// shell takes it back (quoted unless plain, control characters escaped).
QString initCommand(const Context& context, const QString& database);

// Every game by the name the commands take, for the commands that take any.
struct NamedGame {
    const char* name;
    Game game;
};

inline constexpr std::array kNamedGames {
    NamedGame { "numbers3", Game::Numbers3 },
    NamedGame { "numbers4", Game::Numbers4 },
    NamedGame { "miniloto", Game::MiniLoto },
};

// The same over plain names: the index of the named game, and the database.
std::optional<std::pair<qsizetype, QString>> takeGameAndDatabase(Context& context, const QStringList& names);

// For subcommands of the form "COMMAND GAME [--db PATH]": the entry of `games`
// (each with a `name`) that the arguments name, and the database to use.
// Prints the command's usage (after the unknown game) to the context's error
// stream and gives nothing when the arguments do not fit.
template <class Entry>
struct GameChoice {
    const Entry* game;
    QString database;
};

template <class Entry, std::size_t N>
std::optional<GameChoice<Entry>> takeGameAndDatabase(Context& context, const std::array<Entry, N>& games)
{
    QStringList names;
    for (const Entry& entry : games)
        names << QLatin1String(entry.name);
    const std::optional<std::pair<qsizetype, QString>> choice = takeGameAndDatabase(context, names);
    if (!choice)
        return std::nullopt;
    return GameChoice<Entry> { &games[static_cast<std::size_t>(choice->first)], choice->second };
}

} // namespace zelpo::cli

// SPDX-License-Identifier: MIT
// The three games, one type for every layer of the program.
#pragma once

#include <string_view>

namespace zelpo {

enum class Game { Numbers3, Numbers4, MiniLoto };

// Every game, in the order the program lists them.
inline constexpr Game kGames[] = { Game::Numbers3, Game::Numbers4, Game::MiniLoto };

// "numbers3", "numbers4", "miniloto": the names the command line, JSON and
// stored tickets use.
constexpr std::string_view gameId(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return "numbers3";
    case Game::Numbers4:
        return "numbers4";
    case Game::MiniLoto:
        return "miniloto";
    }
    return {};
}

} // namespace zelpo

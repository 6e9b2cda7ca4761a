// SPDX-License-Identifier: MIT
// The rules every reader of a results source keeps, whatever bytes it is
// given: a failure says what is wrong and gives no draws; an answer holds at
// least one draw (the sources read its last one at once), every draw of the
// game asked for and passing the one check every draw passes.
#pragma once

#include "data/update/publisheddraw.h"
#include "require.h"

#include <QByteArray>

#include <array>

namespace zelpo::fuzz {

inline constexpr std::array kGames { zelpo::Game::Numbers3, zelpo::Game::Numbers4, zelpo::Game::MiniLoto };

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline void checkParsed(zelpo::Game game, const zelpo::update::Parsed& parsed, const char* reader)
{
    if (!parsed.ok()) {
        require(parsed.draws.empty(), "a failed read gives no draws", reader);
        return;
    }
    require(!parsed.draws.empty(), "an answer holds a draw", reader);
    for (const zelpo::update::PublishedDraw& draw : parsed.draws)
        require(draw.game == game, "every draw is of the game asked for", reader);
    const QString fault = zelpo::update::checkDraws(game, parsed.draws);
    require(fault.isEmpty(), "every draw passes the check", std::string(reader) + ": " + fault.toStdString());
}

} // namespace zelpo::fuzz

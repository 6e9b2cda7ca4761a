// SPDX-License-Identifier: MIT
// The feed's JSON reader on any bytes, as each game's feed is read.
#include "data/update/feedjson.h"
#include "published.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = zelpo::fuzz::bytesOf(data, size);
    (void)zelpo::update::looksLikeJson(bytes);
    for (const zelpo::Game game : zelpo::fuzz::kGames)
        zelpo::fuzz::checkParsed(game, zelpo::update::parseFeedJson(game, bytes), "feed JSON");
    return 0;
}

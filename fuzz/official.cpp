// SPDX-License-Identifier: MIT
// The bank's readers on any bytes: the index that names the latest draws and
// the file of one draw. The index's latest draw is the highest it lists.
#include "data/update/officialcsv.h"
#include "published.h"

#include <algorithm>
#include <cstdint>

using zelpo::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = zelpo::fuzz::bytesOf(data, size);
    for (const zelpo::Game game : zelpo::fuzz::kGames) {
        const zelpo::update::OfficialIndex index = zelpo::update::parseOfficialIndex(game, bytes);
        if (index.ok()) {
            require(!index.entries.empty(), "an index read lists a draw");
            const auto highest = std::max_element(index.entries.begin(), index.entries.end(),
                [](const auto& a, const auto& b) { return a.kaisai < b.kaisai; });
            require(index.latest == highest->kaisai, "the latest draw is the highest listed");
            require(index.latest >= 1 && index.latest <= zelpo::update::kHighestDraw, "the latest draw is a draw");
        } else {
            require(index.latest == 0, "a failed index names no latest draw", index.error.toStdString());
        }
        const zelpo::update::Parsed draw = zelpo::update::parseOfficialDraw(game, bytes);
        zelpo::fuzz::checkParsed(game, draw, "bank draw file");
        require(!draw.ok() || draw.draws.size() == 1, "a draw's file holds one draw");
    }
    return 0;
}

// SPDX-License-Identifier: MIT
// The reader of one results file (the feed's JSON, or a CSV in the import
// format with an optional date), as `--source PATH` and the file import read it.
#include "data/update/onefile.h"
#include "published.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = zelpo::fuzz::bytesOf(data, size);
    for (const zelpo::Game game : zelpo::fuzz::kGames)
        zelpo::fuzz::checkParsed(game, zelpo::update::parseOneFile(game, bytes), "one file");
    return 0;
}

// SPDX-License-Identifier: MIT
// The public JSON feed of Numbers 3 and Numbers 4 results (hazimekom/numbers4-api).
//
// Two generations of the feed are read alike. Numbers 3 (api/v2/games/numbers3/):
// draws.full.json and draws.min.json are arrays of
//   {"draw_no": 1, "draw_date": "1994-10-07", "result": {"values": [1, 9, 1], "display": "191"},
//    "prize": {"straight": 119800, "box": 39900, "set_straight": 79800, "set_box": 19900, "mini": 11900}}
// (draws.min.json without "prize"), and latest.json is one such object with "game": "numbers3".
// Numbers 4 (api/v1/): numbers4_all_full.json and numbers4_all_min.json are arrays of
//   {"draw_no": 1, "date": "1994-10-07", "digits": [1, 1, 4, 9], "winning_number": "1149",
//    "prize": {"straight": 942600, "box": 78500, "set_straight": 510500, "set_box": 39200}}
// and latest.json is one such object.
//
// A prize of 0 or null reads as nothing paid: the feed writes 0 where a class
// was not sold (the box and sets of a Numbers 3 triple such as 333), and no
// sold class pays 0 yen.
#pragma once

#include "data/update/publisheddraw.h"

#include <QByteArray>

namespace zelpo::update {

// Every draw of the file, checked; a file of the other game, a version file
// or anything the feed does not write is an error naming what is wrong.
Parsed parseFeedJson(Game game, const QByteArray& bytes);

// Whether the bytes look like JSON rather than CSV: the first character after
// a byte-order mark and blanks opens an array or an object.
bool looksLikeJson(const QByteArray& bytes);

} // namespace zelpo::update

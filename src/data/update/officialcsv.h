// SPDX-License-Identifier: MIT
// The results files of the bank that administers the draws: Shift_JIS CSV,
// one line of fields after another, every file opening with a line "A5x"
// (x: 0 Numbers, 1 Mini Loto).
//
// The index (numbers.csv, miniloto.csv) lists the draws of about the last
// year, newest first, each under its own "A5x" line:
//   A50
//   第7073回ナンバーズ,数字選択式全国自治宝くじ,令和8年9月17日,東京 宝くじドリーム館
// One file per draw: A100NNNN.CSV holds Numbers 3 and Numbers 4 of draw NNNN,
//   A50 / title line as above / 支払期間,...
//   ナンバーズ３抽せん数字,188
//   ストレート,188,62口,87100円 / ボックス,253口,29000円 / セット（ストレート）,162口,58000円 /
//   セット（ボックス）,419口,14500円 / ミニ,下２ケタ,468口,8700円 / 販売実績額,...
//   ナンバーズ４抽せん数字,6916 / the four classes of Numbers 4 alike / 販売実績額,...
//   then the winning conditions of each class in words.
// A101NNNN.CSV holds one Mini Loto draw:
//   A51 / 第1384回ミニロト,... / 支払期間,... / 本数字,07,12,13,17,29,ボーナス数字,22 /
//   １等,5口,11227100円 ... ４等,... / 販売実績額,... / the winning conditions in words.
// A class nobody won reads "該当なし" in place of its tickets and its amount.
#pragma once

#include "data/update/publisheddraw.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace zelpo::update {

struct OfficialIndex {
    struct Entry {
        int kaisai = 0;
        QDate date;
    };
    std::vector<Entry> entries; // as the file lists them, newest first
    int latest = 0;             // the highest draw number listed
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// The index of the game's lottery (the Numbers index serves both Numbers games).
OfficialIndex parseOfficialIndex(Game game, const QByteArray& bytes);

// One per-draw file: the game's draw with its date and payouts, checked.
Parsed parseOfficialDraw(Game game, const QByteArray& bytes);

// "A1007073.CSV", "A1011384.CSV": the name of the game's file of a draw. The
// number takes its last four digits, as the bank's own pages name the files.
QString officialFileName(Game game, int kaisai);

} // namespace zelpo::update

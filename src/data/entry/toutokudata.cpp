// SPDX-License-Identifier: MIT
#include "data/entry/toutokudata.h"

#include <array>

namespace zelpo::entry {
namespace {

struct Statements {
    NumbersGame game;
    QString kaisai;
    QString insert;
    QString stored;
};

std::optional<Statements> statements(NumbersGame game, const NumbersDraw& draw)
{
    const std::optional<std::string> insert = insertStatement(game, draw);
    const std::optional<std::string> stored = storedDrawQuery(game, draw.kaisai);
    if (!insert || !stored)
        return std::nullopt;
    return Statements { game, QString::fromStdString(draw.kaisai), QString::fromStdString(*insert),
        QString::fromStdString(*stored) };
}

} // namespace

AppendResult appendDraws(
    const QString& database, const QString& where, const NumbersDraw& numbers3, const NumbersDraw& numbers4)
{
    const std::optional<Statements> rows3 = statements(NumbersGame::Numbers3, numbers3);
    const std::optional<Statements> rows4 = statements(NumbersGame::Numbers4, numbers4);
    if (!rows3 || !rows4) {
        return { { db::Failure::Statement,
                     QStringLiteral(
                         "the draw number and the digits must be digits, the predictions free of NUL characters") },
            rows3 ? NumbersGame::Numbers4 : NumbersGame::Numbers3 };
    }
    const std::array<const Statements*, 2> rows { &*rows3, &*rows4 };

    NumbersGame current = NumbersGame::Numbers3;
    const db::Status status = db::write(database, kAppendNumbers3Sql, where, [&](db::Writer& writer) {
        // The Numbers 4 table must answer its view too before anything is stored.
        current = NumbersGame::Numbers4;
        writer.exists(db::statementText(kAppendNumbers4Sql, where));
        for (const Statements* row : rows) {
            current = row->game;
            // A table without a key would take a second row under the same number.
            if (writer.exists(row->stored))
                writer.refuse(db::Failure::Duplicate, row->kaisai);
        }
        for (const Statements* row : rows) {
            current = row->game;
            writer.exec(row->insert);
        }
    });
    return { status, current };
}

} // namespace zelpo::entry

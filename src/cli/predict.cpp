// SPDX-License-Identifier: MIT
// zelpo-cli predict GAME [--db PATH]: the predictions for the next draw, one
// per line, exactly as the game's window shows them.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "data/db/drawcount.h"
#include "data/miniloto/minilotodata.h"
#include "data/numbers3/numbers3data.h"
#include "data/numbers4/numbers4data.h"

#include <array>

namespace zelpo::cli {
namespace {

// The data function a game's window predicts with: the texts, or nothing and why.
using PredictNext = std::optional<QStringList> (*)(const QString& database, const QString& where, db::Status* status);

struct GamePrediction {
    const char* name;
    PredictNext predictNext;
};

// A game is added to the command by adding its line here.
constexpr std::array kGames {
    GamePrediction { "numbers3", numbers3::predictNext },
    GamePrediction { "numbers4", numbers4::predictNext },
    GamePrediction { "miniloto", miniloto::predictNext },
};

} // namespace

int runPredict(Context& context)
{
    const auto choice = takeGameAndDatabase(context, kGames);
    if (!choice)
        return 2;
    const GamePrediction* game = choice->game;
    const QString& database = choice->database;
    db::Status status;
    const std::optional<QStringList> predictions = game->predictNext(database, db::kWherePositive, &status);
    if (!predictions) {
        context.err << "zelpo-cli predict: " << db::describe(status) << '\n';
        return 1;
    }
    for (const QString& text : *predictions)
        context.out << text << '\n';
    return 0;
}

} // namespace zelpo::cli

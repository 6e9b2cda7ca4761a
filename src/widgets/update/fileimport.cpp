// SPDX-License-Identifier: MIT
#include "widgets/update/fileimport.h"

#include "data/update/feedjson.h"
#include "data/update/onefile.h"
#include "widgets/ui/modal.h"
#include "widgets/update/updaterunner.h"

#include <QFile>
#include <QFileDialog>

#include <algorithm>

namespace zelpo::ui {
namespace {

constexpr Game kGames[] = { Game::Numbers3, Game::Numbers4, Game::MiniLoto };

QString chooseFile(QWidget* owner)
{
    QFileDialog dialog(owner, QStringLiteral("当選数字のファイルを選んでください"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        { QStringLiteral("当選数字のファイル (*.json *.csv *.CSV *.txt)"), QStringLiteral("すべてのファイル (*)") });
    if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::vector<Game> gamesInFile(const QByteArray& bytes)
{
    std::vector<Game> games;
    for (const Game game : kGames) {
        if (update::parseOneFile(game, bytes).ok())
            games.push_back(game);
    }
    // An import CSV of Numbers 4 has every column a Numbers 3 one needs (N1000
    // is one more); the feed and the bank say which game they are.
    const auto numbers3 = std::find(games.begin(), games.end(), Game::Numbers3);
    const bool csv = !update::looksLikeJson(bytes) && !bytes.startsWith("A5");
    if (csv && numbers3 != games.end() && std::find(games.begin(), games.end(), Game::Numbers4) != games.end())
        games.erase(numbers3);
    return games;
}

void importFromFile(QWidget* owner, const QString& database, std::optional<Game> game)
{
    if (refuseSecondUpdate(owner))
        return;
    const QString path = chooseFile(owner);
    if (path.isEmpty())
        return;
    std::vector<Game> games;
    if (game) {
        games.push_back(*game);
    } else {
        // Read once more by the update itself: this look only picks the games.
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            games = gamesInFile(file.read(update::Transport {}.largestBody));
        if (games.empty())
            games.assign(std::begin(kGames), std::end(kGames));
    }
    runUpdate(owner, database, games, path);
}

} // namespace zelpo::ui

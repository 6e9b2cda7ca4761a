// SPDX-License-Identifier: MIT
#include "widgets/update/updateentries.h"

#include "widgets/ui/gamewindow.h"
#include "widgets/update/fileimport.h"
#include "widgets/update/updaterunner.h"

namespace zelpo::ui {

void offerUpdate(GameWindow& window, QWidget& drawList, Game game, std::function<void()> afterStore)
{
    window.addContextEntry(drawList, QString::fromUtf16(kUpdateEntry),
        [&window, game] { runUpdate(&window, window.databasePath(), { game }); });
    window.addContextEntry(drawList, QString::fromUtf16(kImportEntry),
        [&window, game] { importFromFile(&window, window.databasePath(), game); });
    if (!afterStore)
        return;
    QObject::connect(&UpdateRunner::instance(), &UpdateRunner::finished, &window,
        [game, afterStore](const std::vector<update::GameOutcome>& outcomes) {
            if (storedAny(outcomes, game))
                afterStore();
        });
}

} // namespace zelpo::ui

// SPDX-License-Identifier: MIT
#include "widgets/tickets/ticketentries.h"

#include "data/tickets/ticketstore.h"
#include "widgets/tickets/predictionpurchase.h"
#include "widgets/tickets/ticketsdialog.h"
#include "widgets/ui/gamewindow.h"
#include "widgets/ui/modal.h"

namespace zelpo::tickets {
namespace {

void buyPredictions(ui::GameWindow& window, Game game, std::span<const int> predictionIds)
{
    QStringList predictions;
    for (const int id : predictionIds) {
        if (const QString text = window.text(id).trimmed(); !text.isEmpty())
            predictions << text;
    }
    bool numbered = false;
    const int draw = window.text(ui::GameWindow::kNextDrawId).trimmed().toInt(&numbered);
    if (predictions.isEmpty() || !numbered || draw < 1) {
        ui::showMessage(
            &window, QStringLiteral("　予想がありません。先に「予　　想」を押してください。。"), ui::MessageIcon::Stop);
        return;
    }
    PredictionPurchase purchase(game, draw, predictions, &window);
    if (ui::runModal(purchase) != QDialog::Accepted)
        return;
    QStringList skipped;
    const std::vector<Ticket> tickets
        = ticketsOfPredictions(game, purchase.kind(), purchase.units(), draw, predictions, skipped);
    if (!tickets.empty()) {
        if (const db::Status status = addTickets(window.databasePath(), tickets); !status) {
            ui::showMessage(&window, QStringLiteral("　購入記録を書き込めませんでした。。\n") + db::describe(status),
                ui::MessageIcon::Stop);
            return;
        }
    }
    QString message = QStringLiteral("第%1回の%2枚の券を購入記録に加えました。").arg(draw).arg(tickets.size());
    if (!skipped.isEmpty())
        message
            += QStringLiteral("\nこの種類では買えない予想は加えませんでした: ") + skipped.join(QStringLiteral("、"));
    ui::showMessage(&window, message, ui::MessageIcon::None);
}

} // namespace

void openTickets(QWidget* owner, const QString& database, const QString& helpPath, std::optional<Game> game)
{
    TicketsDialog dialog(database, helpPath, game, owner);
    ui::runModal(dialog);
}

void offerTickets(ui::GameWindow& window, QWidget& drawList, Game game, std::span<const int> predictionIds)
{
    window.addContextEntry(drawList, QStringLiteral("購入記録(&K)..."),
        [&window, game] { openTickets(&window, window.databasePath(), window.helpPath(), game); });
    window.addContextEntry(drawList, QStringLiteral("予想を購入記録へ(&P)..."),
        [&window, game, predictionIds] { buyPredictions(window, game, predictionIds); });
}

void announceWins(QWidget* owner, const QString& database, Game game, int first, int last)
{
    const QString wins = winAnnouncement(database, game, first, last);
    if (!wins.isEmpty())
        ui::showMessage(owner, wins, ui::MessageIcon::None);
}

} // namespace zelpo::tickets

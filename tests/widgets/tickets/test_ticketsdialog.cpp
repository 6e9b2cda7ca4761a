// SPDX-License-Identifier: MIT
#include "data/tickets/ticketstore.h"
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/dialogs/CMinitouroku.h"
#include "widgets/tickets/balancechart.h"
#include "widgets/tickets/predictionpurchase.h"
#include "widgets/tickets/ticketeditor.h"
#include "widgets/tickets/ticketsdialog.h"
#include "widgets/ui/modal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableView>

#include <gtest/gtest.h>

using namespace zelpo::tickets;
using zelpo::test::TempDatabase;

namespace {

Ticket ticketOf(Game game, std::string_view kind, std::string_view numbers, int first, int draws = 1, int units = 1)
{
    return { 0, game, *parseKind(game, kind), *parseNumbers(game, numbers).numbers, units, first, draws, {}, {} };
}

// Numbers 3 draws 1 (paid) and 2 (no payouts yet); a box ticket over draws
// 1 to 3 and a Numbers 4 ticket still to be drawn.
void fill(const TempDatabase& database)
{
    database.addNumbers3(1, 1, 2, 3);
    database.addNumbers3(2, 4, 5, 6);
    database.exec("INSERT INTO ナンバーズ3配当 VALUES (1,'2026-01-05',90000,15000,52500,7500,9000)");
    ASSERT_TRUE(addTickets(database.path(),
        std::vector {
            ticketOf(Game::Numbers3, "box", "321", 1, 3, 2), ticketOf(Game::Numbers4, "straight", "1234", 5) }));
}

QString cell(const TicketsDialog& dialog, int row, int column)
{
    return dialog.list()->model()->index(row, column).data().toString();
}

} // namespace

TEST(TicketsWindow, ListsNewestFirstWithResultsTotalsAndFilters)
{
    const TempDatabase database;
    fill(database);
    TicketsDialog dialog(database.path(), {});
    ASSERT_TRUE(dialog.readOk());
    ASSERT_EQ(dialog.list()->model()->rowCount(), 2);
    EXPECT_EQ(cell(dialog, 0, 0), "2");
    EXPECT_EQ(cell(dialog, 0, 6), "未抽せん");
    EXPECT_EQ(cell(dialog, 1, 5), "第1〜3回");
    EXPECT_EQ(cell(dialog, 1, 6), "当せん 1・未抽せん 1・配当不明 1");
    EXPECT_EQ(cell(dialog, 1, 7), "30,000円");
    EXPECT_TRUE(dialog.totalsLabel()->text().startsWith("購入 400円　当せん金 30,000円　収支 29,600円　払戻率 7500.0%"))
        << dialog.totalsLabel()->text().toStdString();
    EXPECT_TRUE(dialog.sentenceLabel()->text().contains("高くなっています"));
    EXPECT_EQ(dialog.chart()->pointCount(0), 1);

    dialog.list()->selectRow(1);
    ASSERT_GE(dialog.drawResults()->count(), 3);
    EXPECT_EQ(dialog.drawResults()->item(0)->text(), "第1回（2026-01-05）　当せん ボックス 30,000円");

    dialog.gameFilter()->setCurrentIndex(2); // ナンバーズ4
    ASSERT_EQ(dialog.list()->model()->rowCount(), 1);
    EXPECT_EQ(dialog.summary().totals.pending, 1);
    EXPECT_EQ(dialog.summary().totals.cost, 0);

    // The periods, on a fixed day.
    const QDate day(2026, 5, 20);
    const std::pair<int, Filter> periods[] = { { 0, { Game::Numbers4, "", "" } },
        { 1, { Game::Numbers4, "2026-01-01", "" } }, { 2, { Game::Numbers4, "2025-01-01", "2025-12-31" } },
        { 3, { Game::Numbers4, "2026-02-20", "" } }, { 4, { Game::Numbers4, "2025-05-20", "" } } };
    for (const auto& [index, expected] : periods) {
        dialog.periodFilter()->setCurrentIndex(index);
        const Filter filter = dialog.filter(day);
        EXPECT_EQ(filter.from + '/' + filter.to, expected.from + '/' + expected.to) << index;
    }
    // A closed period leaves out the ticket still to be drawn.
    dialog.periodFilter()->setCurrentIndex(2);
    EXPECT_EQ(dialog.list()->model()->rowCount(), 0);
}

// Entry refuses what cannot be bought and stays open; deleting asks first.
TEST(TicketsWindow, EntryEditAndDeleteGoThroughTheModalSeam)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    zelpo::ui::MessageRecorder messages;
    TicketsDialog dialog(database.path(), {});
    QString refused;
    {
        const zelpo::ui::ModalHandler handler([&](QDialog& shown) {
            auto& editor = dynamic_cast<TicketEditor&>(shown);
            EXPECT_EQ(editor.firstDrawBox()->value(), 2); // the next draw
            editor.kindBox()->setCurrentIndex(1);         // ボックス
            editor.numbersEdit()->setText("777");
            editor.accept();
            refused = editor.reasonLabel()->text();
            editor.numbersEdit()->setText("778");
            editor.unitsBox()->setValue(3);
            editor.accept();
            return editor.result();
        });
        dialog.onAdd();
    }
    EXPECT_EQ(refused, "すべての桁が同じ数字はボックスでは買えません");
    ASSERT_EQ(dialog.list()->model()->rowCount(), 1);
    EXPECT_EQ(cell(dialog, 0, 3), "778");
    EXPECT_EQ(cell(dialog, 0, 4), "3");

    {
        const zelpo::ui::ModalHandler handler([](QDialog& shown) {
            auto& editor = dynamic_cast<TicketEditor&>(shown);
            editor.numbersEdit()->setText("123");
            editor.accept();
            return editor.result();
        });
        dialog.onEdit();
    }
    EXPECT_EQ(cell(dialog, 0, 3), "123");

    dialog.onDelete();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().front().contains("削除しますか")) << messages.texts().front().toStdString();
    EXPECT_EQ(dialog.list()->model()->rowCount(), 1);
    messages.answerQuestions(true);
    dialog.onDelete();
    EXPECT_EQ(dialog.list()->model()->rowCount(), 0);
}

// A registered draw that decides a ticket announces its win, and only its win.
TEST(TicketsWindow, RegistrationAnnouncesTheWinsOfTheNewDraw)
{
    const TempDatabase database;
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 });
    database.exec("INSERT INTO ミニロト配当 (kaisai,date,prize1,prize2,prize3,prize4) VALUES "
                  "(2,'2026-05-05',10000000,150000,10000,1000)");
    ASSERT_TRUE(addTickets(database.path(),
        std::vector { ticketOf(Game::MiniLoto, "ticket", "3-12-17-25-31", 2, 1, 2),
            ticketOf(Game::MiniLoto, "ticket", "1-2-4-6-8", 2) }));
    zelpo::ui::MessageRecorder messages;
    zelpo::CMinitouroku window;
    window.m_strDatabase = database.path();
    window.show();
    ASSERT_EQ(window.text(1004), "2");
    const int numbers[] = { 1005, 1006, 1007, 1008, 1009 };
    const char* drawn[] = { "03", "12", "17", "25", "30" };
    for (int i = 0; i < 5; ++i)
        zelpo::test::type(window, numbers[i], drawn[i]);
    zelpo::test::type(window, 1012, "7");
    zelpo::test::click(window, 1000);
    EXPECT_EQ(messages.texts(),
        QStringList { "購入記録の券が当せんしました\nミニロト 第2回 ミニロト 3-12-17-25-31 2口: 3等 20,000円" });
}

TEST(TicketsWindow, PredictionsBecomeTicketsOfTheKindPicked)
{
    QStringList skipped;
    const std::vector<Ticket> tickets
        = ticketsOfPredictions(Game::Numbers3, TicketKind::Box, 4, 7055, { "123", "777", "12", "" }, skipped);
    ASSERT_EQ(tickets.size(), 1u);
    EXPECT_EQ(tickets[0].units, 4);
    EXPECT_EQ(tickets[0].firstDraw, 7055);
    EXPECT_EQ(skipped, (QStringList { "777", "12" }));
}

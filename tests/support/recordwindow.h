// SPDX-License-Identifier: MIT
// Driving 予想の成績 in tests: its lists' rows, its labels, typing a range
// as a user does, running the window on a database, and a history with payouts.
#pragma once

#include "support/testdb.h"
#include "widgets/record/predictionrecorddialog.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"

#include <QLabel>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace zelpo::test::record {

using zelpo::analysis::PredictionRecordDialog;

inline QStringList rows(const PredictionRecordDialog& dialog, int id)
{
    QStringList result;
    auto* list = qobject_cast<zelpo::ui::ListView*>(dialog.control(id));
    if (!list)
        return result;
    for (int r = 0; r < list->itemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->itemText(r, c);
        result << cells.join(u'|');
    }
    return result;
}

// Types a draw number into a bound and confirms it with Enter, as a user
// does; the Enter is the box's, and the window stays open.
inline void typeBound(const PredictionRecordDialog& dialog, int id, const QString& number)
{
    auto* bound = qobject_cast<QSpinBox*>(dialog.control(id));
    ASSERT_NE(bound, nullptr);
    bound->selectAll();
    QTest::keyClicks(bound, number);
    QTest::keyClick(bound, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter closed the window";
}

// Runs the window for the game's table and hands the open window to `inspect`.
inline int withWindow(
    zelpo::Game game, const QString& database, const std::function<void(PredictionRecordDialog&)>& inspect)
{
    const zelpo::ui::ModalHandler handler([&](QDialog& dialog) {
        auto* window = qobject_cast<PredictionRecordDialog*>(&dialog);
        EXPECT_NE(window, nullptr);
        if (window)
            inspect(*window);
        return 0;
    });
    zelpo::analysis::openPredictionRecord(nullptr, game, database);
    return handler.runs();
}

// Draws 1 to 4 all 123, predicted as 000 five times for draw 2 and as 123,
// 000, 000, 200, 300 for draw 3; 123 and 321 stored with draw 3. Draw 2 pays
// no mini, draw 4 has no payouts.
inline void addMoneyHistory(const TempDatabase& database)
{
    for (int kaisai = 1; kaisai <= 4; ++kaisai)
        database.addNumbers3(kaisai, 1, 2, 3, kaisai == 3 ? QStringList { "123", "321" } : QStringList {});
    database.exec("INSERT INTO ナンバーズ3配当 VALUES (2,'2026-01-05',90000,15000,52500,7500,NULL),"
                  "(3,'2026-01-06',100000,16000,58000,8000,10000)");
}

inline QString text(const PredictionRecordDialog& dialog, int id)
{
    return qobject_cast<QLabel*>(dialog.control(id))->text();
}

} // namespace zelpo::test::record

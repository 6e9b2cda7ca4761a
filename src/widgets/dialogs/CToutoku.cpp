// SPDX-License-Identifier: MIT
#include "widgets/dialogs/CToutoku.h"

#include "data/db/drawcount.h"
#include "data/entry/toutokudata.h"
#include "data/numbers3/numbers3data.h"
#include "data/numbers4/numbers4data.h"
#include "widgets/tickets/ticketentries.h"
#include "widgets/ui/modal.h"

#include <QLineEdit>
#include <QPushButton>

namespace zelpo {
namespace {

// Highest position first.
constexpr int kNumbers3Digits[] = { 1005, 1006, 1007 };
constexpr int kNumbers4Digits[] = { 1022, 1011, 1015, 1016 };
constexpr int kNumbers3Predictions[] = { 1008, 1009, 1012, 1013, 1014 };
constexpr int kNumbers4Predictions[] = { 1017, 1018, 1019, 1020, 1021 };

} // namespace

CToutoku::CToutoku(QWidget* parent)
    : ui::TemplateDialog(res::kToutokuDialog, parent)
{
    connect(button(1000), &QPushButton::clicked, this, &CToutoku::OnButton1);
}

CToutoku::~CToutoku() = default;

void CToutoku::onInitDialog()
{
    refresh();
    for (const int id : kNumbers3Digits) {
        edit(id)->clear();
        edit(id)->setMaxLength(1);
    }
    for (const int id : kNumbers4Digits) {
        edit(id)->clear();
        edit(id)->setMaxLength(1);
    }
}

void CToutoku::refresh()
{
    const QString clause = db::kWherePositive;
    kaisuuDB(m_strDatabase, clause);
    yosouDT(m_strDatabase, clause);
    kaisuuDW(m_strDatabase, clause);
    yosouDE(m_strDatabase, clause);
}

bool CToutoku::kaisuuDB(QString strDatabase, QString strWhere)
{
    return showNextDrawNumber(1004, db::kCountNumbers3, strDatabase, strWhere);
}

bool CToutoku::kaisuuDW(QString strDatabase, QString strWhere)
{
    return showNextDrawNumber(1010, db::kCountNumbers4, strDatabase, strWhere);
}

bool CToutoku::yosouDT(QString strDatabase, QString strWhere)
{
    return showTexts(kNumbers3Predictions, numbers3::predictNext(strDatabase, strWhere));
}

bool CToutoku::yosouDE(QString strDatabase, QString strWhere)
{
    return showTexts(kNumbers4Predictions, numbers4::predictNext(strDatabase, strWhere));
}

entry::NumbersDraw CToutoku::numbers3Draw() const
{
    entry::NumbersDraw draw;
    draw.kaisai = text(1004).toStdString();
    for (const int id : kNumbers3Digits)
        draw.digits.push_back(text(id).toStdString());
    for (std::size_t i = 0; i < draw.predictions.size(); ++i)
        draw.predictions[i] = text(kNumbers3Predictions[i]).toStdString();
    return draw;
}

entry::NumbersDraw CToutoku::numbers4Draw() const
{
    entry::NumbersDraw draw;
    draw.kaisai = text(1010).toStdString();
    for (const int id : kNumbers4Digits)
        draw.digits.push_back(text(id).toStdString());
    for (std::size_t i = 0; i < draw.predictions.size(); ++i)
        draw.predictions[i] = text(kNumbers4Predictions[i]).toStdString();
    return draw;
}

bool CToutoku::tuikaDBDW(QString strDatabase, QString strWhere)
{
    const entry::AppendResult result = entry::appendDraws(strDatabase, strWhere, numbers3Draw(), numbers4Draw());
    if (result.status) {
        for (const auto& [game, id] : { std::pair { Game::Numbers3, 1004 }, std::pair { Game::Numbers4, 1010 } })
            tickets::announceWins(this, strDatabase, game, text(id).trimmed().toInt(), text(id).trimmed().toInt());
        return true;
    }
    if (result.status.failure() == db::Failure::Duplicate) {
        const bool three = result.game == entry::NumbersGame::Numbers3;
        ui::showMessage(this,
            QStringLiteral("　%1の第%2回はすでに登録されています。。")
                .arg(
                    three ? QStringLiteral("ナンバーズ３") : QStringLiteral("ナンバーズ４"), text(three ? 1004 : 1010)),
            ui::MessageIcon::Stop);
    } else {
        ui::showMessage(this, QStringLiteral("　データベースに書き込めませんでした。。"), ui::MessageIcon::Stop);
    }
    return false;
}

void CToutoku::OnButton1()
{
    // Both groups are read before anything is stored, so that after a
    // registration neither message appears.
    const bool numbers3Complete = entry::complete(numbers3Draw());
    const bool numbers4Complete = entry::complete(numbers4Draw());
    if (numbers3Complete && numbers4Complete) {
        // A refused pair keeps what was typed and stays on the same draw numbers.
        if (tuikaDBDW(m_strDatabase, QString())) {
            for (const int id : kNumbers3Digits)
                edit(id)->clear();
            for (const int id : kNumbers4Digits)
                edit(id)->clear();
            refresh();
        }
    }
    if (!numbers4Complete)
        ui::showMessage(this, QStringLiteral("　ナンバーズ４に記入漏れがあります。。"), ui::MessageIcon::Stop);
    if (!numbers3Complete)
        ui::showMessage(this, QStringLiteral("　ナンバーズ３に記入漏れがあります。。"), ui::MessageIcon::Stop);
}

} // namespace zelpo

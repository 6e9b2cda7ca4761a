// SPDX-License-Identifier: MIT
#include "widgets/dialogs/CMinitouroku.h"

#include "data/db/drawcount.h"
#include "data/miniloto/minilotodata.h"
#include "widgets/tickets/ticketentries.h"
#include "widgets/ui/modal.h"

#include <QLineEdit>
#include <QPushButton>

namespace zelpo {
namespace {

constexpr int kNumberEdits[] = { 1005, 1006, 1007, 1008, 1009 };
constexpr int kPredictionEdits[] = { 1013, 1014, 1015, 1010 };

} // namespace

CMinitouroku::CMinitouroku(QWidget* parent)
    : ui::TemplateDialog(res::kMinitourokuDialog, parent)
{
    connect(button(1000), &QPushButton::clicked, this, &CMinitouroku::OntuikaB);
}

CMinitouroku::~CMinitouroku() = default;

void CMinitouroku::onInitDialog()
{
    kaisuuMI(m_strDatabase, db::kWherePositive);
    yosouMI(m_strDatabase, db::kWherePositive);
    for (const int id : kNumberEdits) {
        edit(id)->clear();
        edit(id)->setMaxLength(2);
    }
}

bool CMinitouroku::kaisuuMI(QString strDatabase, QString strWhere)
{
    return showNextDrawNumber(1004, db::kCountMiniLoto, strDatabase, strWhere);
}

bool CMinitouroku::yosouMI(QString strDatabase, QString strWhere)
{
    return showTexts(kPredictionEdits, miniloto::predictNext(strDatabase, strWhere));
}

bool CMinitouroku::tuikaMI(QString strDatabase, QString strWhere)
{
    miniloto::DrawEntry entry;
    entry.kaisai = text(1004).toStdString();
    for (std::size_t i = 0; i < entry.numbers.size(); ++i)
        entry.numbers[i] = text(kNumberEdits[i]).toStdString();
    entry.bonus = text(1012).toStdString();
    for (std::size_t i = 0; i < entry.predictions.size(); ++i)
        entry.predictions[i] = text(kPredictionEdits[i]).toStdString();

    if (miniloto::missingNumber(entry)) {
        ui::showMessage(this, QStringLiteral("　ミニロトの当選数字が記入されてません。。"), ui::MessageIcon::Stop);
        return true;
    }
    const db::Status status = miniloto::appendDraw(strDatabase, strWhere, entry);
    if (status.failure() == db::Failure::Duplicate) {
        ui::showMessage(this, QStringLiteral("　ミニロトの第%1回はすでに登録されています。。").arg(text(1004)),
            ui::MessageIcon::Stop);
        return false;
    }
    if (!status) {
        ui::showMessage(this, QStringLiteral("　データベースに書き込めませんでした。。"), ui::MessageIcon::Stop);
        return false;
    }
    tickets::announceWins(
        this, strDatabase, Game::MiniLoto, text(1004).trimmed().toInt(), text(1004).trimmed().toInt());
    return true;
}

void CMinitouroku::OntuikaB()
{
    // A refused draw keeps what was typed and stays on the same draw number.
    if (!tuikaMI(m_strDatabase, QString()))
        return;
    for (const int id : kNumberEdits)
        edit(id)->clear();
    kaisuuMI(m_strDatabase, db::kWherePositive);
    yosouMI(m_strDatabase, db::kWherePositive);
}

} // namespace zelpo

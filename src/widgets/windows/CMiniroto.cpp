// SPDX-License-Identifier: MIT
#include "widgets/windows/CMiniroto.h"

#include "cores/miniloto/search.h"
#include "data/db/drawcount.h"
#include "data/miniloto/minilotodata.h"
#include "widgets/dialogs/CHenkou.h"
#include "widgets/dialogs/CMinitouroku.h"
#include "widgets/record/predictionrecorddialog.h"
#include "widgets/tickets/ticketentries.h"
#include "widgets/trends/trendsdialog.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"
#include "widgets/update/drawstatus.h"
#include "widgets/update/updateentries.h"
#include "widgets/windows/searchrun.h"

#include <QLineEdit>

#include <memory>

namespace zelpo {

CMiniroto::CMiniroto(QWidget* parent)
    : ui::GameWindow(res::kMinirotoDialog, parent)
{
    connectControls(kRegisterButtonId,
        { .list = [this] { OnitiranB(); },
            .predict = [this] { OnYosou(); },
            .search = [this] { Onkensaku(); },
            .clear = [this] { Onkuria(); },
            .registration = [this] { OntourokuB(); },
            .editDraw = [this] { OnDblclkList1(); },
            .help = [this] { Onhelp(); } });
    analysis::offerPredictionRecord(*this, drawList(), Game::MiniLoto);
    analysis::offerTrends(*this, drawList(), Game::MiniLoto);
    // Where the found count leaves room: the next draw, and the update while one runs.
    m_drawStatus = std::make_unique<ui::DrawStatus>(*this, Game::MiniLoto, QRect(75, 286, 288, 16));
    tickets::offerTickets(*this, drawList(), Game::MiniLoto, kPredictionIds);
    // The new next-draw number, as after a registration.
    ui::offerUpdate(*this, drawList(), Game::MiniLoto, [this] {
        if (!kaisuMI(databasePath(), db::kWherePositive))
            reportReadFailure();
        m_drawStatus->refresh();
    });
}

CMiniroto::~CMiniroto() = default;

void CMiniroto::onInitDialog()
{
    AddColumn(QStringLiteral("開催回数"), 0, 0, 0, 70);
    AddColumn(QStringLiteral("当選数字"), 1, 0, 0, 100);
    AddColumn(QStringLiteral("サービス"), 2, 0, 2, 70);
    AddColumn(QStringLiteral("予想数字１"), 3, 0, 0, 100);
    AddColumn(QStringLiteral("予想数字２"), 4, 0, 0, 100);
    AddColumn(QStringLiteral("予想数字３"), 5, 0, 0, 100);
    AddColumn(QStringLiteral("予想数字４"), 6, 0, 0, 100);

    if (!kaisuMI(m_strDatabase, db::kWherePositive))
        reportReadFailure();
    m_drawStatus->refresh();

    drawList().setExtendedStyle(ui::ListView::kTwoClickActivate);
    for (const int id : kSearchNumberIds) {
        edit(id)->clear();
        edit(id)->setMaxLength(2);
    }
}

int CMiniroto::AddColumn(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx)
{
    return ui::addColumn(drawList(), lptstrItem, nItem, nSubItem, nFmt, cx);
}

void CMiniroto::AddItem(const QString& lptstrItem, int nItem, int nSubItem, int, int)
{
    ui::addItem(drawList(), lptstrItem, nItem, nSubItem, true);
}

int CMiniroto::DeleteItem()
{
    return ui::deleteItems(drawList());
}

bool CMiniroto::searchME(QString strDatabase, QString strWhere)
{
    static constexpr int kFormats[] = { 0, 0, 2, 0, 0, 0, 0 };
    static constexpr int kWidths[] = { 70, 100, 70, 100, 100, 100, 100 };
    // Rows reach the list only once every row has been read.
    QList<QStringList> rows;
    const db::Status status
        = miniloto::readDraws(strDatabase, strWhere, [&rows](const QStringList& cells) { rows << cells; });
    if (!status)
        return false;
    const ui::ListView::Batch batch(drawList());
    for (int r = 0; r < rows.size(); ++r) {
        for (int column = 0; column < rows[r].size(); ++column)
            AddItem(rows[r][column], r, column, kFormats[column], kWidths[column]);
    }
    return true;
}

bool CMiniroto::kaisuMI(QString strDatabase, QString strWhere)
{
    return showNextDrawNumber(kNextDrawId, db::kCountMiniLoto, strDatabase, strWhere);
}

bool CMiniroto::yosouMI(QString strDatabase, QString strWhere)
{
    return showTexts(kPredictionIds, miniloto::predictNext(strDatabase, strWhere));
}

void CMiniroto::OnYosou()
{
    if (!yosouMI(m_strDatabase, db::kWherePositive))
        reportReadFailure();
}

void CMiniroto::OnitiranB()
{
    DeleteItem();
    if (!searchME(m_strDatabase, db::kWhereListAll)) {
        reportReadFailure();
        return;
    }
    setText(kFoundCountId, QStringLiteral("---"));
}

void CMiniroto::Onkensaku()
{
    std::string numbers[5];
    for (int i = 0; i < 5; ++i)
        numbers[i] = ui::searchInput(*this, kSearchNumberIds[i]);
    const db::SearchClause clause
        = miniloto::searchClause({ numbers[0], numbers[1], numbers[2], numbers[3], numbers[4] });
    ui::runSearch(
        *this, clause, kDrawListId, kFoundCountId, [this] { DeleteItem(); },
        [this](const QString& where) { return searchME(m_strDatabase, where); });
}

void CMiniroto::Onkuria()
{
    for (const int id : kSearchNumberIds)
        setText(id, QString());
}

void CMiniroto::OntourokuB()
{
    const auto registration = std::make_unique<CMinitouroku>();
    registration->m_strDatabase = m_strDatabase;
    if (ui::runModal(*registration) != QDialog::Accepted)
        return;
    if (!kaisuMI(m_strDatabase, db::kWherePositive))
        reportReadFailure();
    m_drawStatus->refresh();
}

void CMiniroto::Onhelp()
{
    OnHelpB();
}

void CMiniroto::OnDblclkList1()
{
    const int item = drawList().hotItem();
    if (item < 0)
        return;
    CHenkou editor;
    editor.m_strDatabase = m_strDatabase;
    editor.m_strGame = QStringLiteral("5");
    editor.m_strKaisai = drawList().itemText(item, 0);
    editor.m_strJikai = text(kNextDrawId);
    ui::runModal(editor);
}

} // namespace zelpo

// SPDX-License-Identifier: MIT
#include "widgets/windows/CNabazu3.h"

#include "cores/numbers3/search.h"
#include "data/db/drawcount.h"
#include "data/numbers3/numbers3data.h"
#include "widgets/dialogs/CHenkou.h"
#include "widgets/dialogs/CToutoku.h"
#include "widgets/record/predictionrecorddialog.h"
#include "widgets/res/dialogtemplate.h"
#include "widgets/res/strings.h"
#include "widgets/res/text.h"
#include "widgets/tickets/ticketentries.h"
#include "widgets/trends/trendsdialog.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"
#include "widgets/update/drawstatus.h"
#include "widgets/update/updateentries.h"
#include "widgets/windows/searchrun.h"

#include <QLineEdit>

namespace zelpo {

CNabazu3::CNabazu3(QWidget* parent)
    : ui::GameWindow(res::kNabazu3Dialog, parent)
{
    connectControls(kRegisterButtonId,
        { .list = [this] { OnButton1(); },
            .predict = [this] { OnButton2(); },
            .search = [this] { OnButton3(); },
            .clear = [this] { OnKuriaB(); },
            .registration = [this] { OnTourokuB(); },
            .editDraw = [this] { OnDblclkList1(); },
            .help = [this] { OnHelpB(); } });
    connectSwitches([this] { OnSutoreto(); }, [this] { OnBokkusu(); });
    analysis::offerPredictionRecord(*this, drawList(), Game::Numbers3);
    analysis::offerTrends(*this, drawList(), Game::Numbers3);
    // Where the found count leaves room: the next draw, and the update while one runs.
    m_drawStatus = std::make_unique<ui::DrawStatus>(*this, Game::Numbers3, QRect(92, 253, 226, 12));
    tickets::offerTickets(*this, drawList(), Game::Numbers3, kPredictionIds);
    // The new next-draw number, as after a registration.
    ui::offerUpdate(*this, drawList(), Game::Numbers3, [this] {
        if (!kaisuDB(databasePath(), db::kWherePositive))
            reportReadFailure();
        m_drawStatus->refresh();
    });
}

CNabazu3::~CNabazu3() = default;

ui::ListView& CNabazu3::list3() const
{
    return *listView(kStatisticsListId);
}

void CNabazu3::onInitDialog()
{
    int column = 0;
    for (const res::ListColumn& draws : res::kNumbersDrawColumns)
        AddColumn(res::qtext(draws.header), column++, 0, 0, draws.width);

    column = 0;
    for (const numbers::StatisticsColumn& statistics : numbers::statisticsColumns()) {
        AddColumn2(QString::fromUtf8(statistics.header.data(), static_cast<qsizetype>(statistics.header.size())),
            column++, 0, numbers::kStatisticsAlignment, statistics.width);
    }

    const QString clause = db::kWherePositive;
    const bool counted = kaisuDB(m_strDatabase, clause);
    const bool tallied = Data(m_strDatabase, clause);
    if (!counted || !tallied)
        reportReadFailure();
    m_drawStatus->refresh();

    drawList().setExtendedStyle(ui::ListView::kTwoClickActivate);
    for (const int id : kSearchDigitIds) {
        edit(id)->clear();
        edit(id)->setMaxLength(1);
    }
}

int CNabazu3::AddColumn(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx)
{
    return ui::addColumn(drawList(), lptstrItem, nItem, nSubItem, nFmt, cx);
}

void CNabazu3::AddItem(const QString& lptstrItem, int nItem, int nSubItem, int, int)
{
    ui::addItem(drawList(), lptstrItem, nItem, nSubItem, true);
}

int CNabazu3::DeleteItem()
{
    return ui::deleteItems(drawList());
}

int CNabazu3::AddColumn2(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx)
{
    return ui::addColumn(list3(), lptstrItem, nItem, nSubItem, nFmt, cx);
}

void CNabazu3::AddItem2(const QString& lptstrItem, int nItem, int nSubItem, int, int)
{
    ui::addItem(list3(), lptstrItem, nItem, nSubItem);
}

int CNabazu3::DeleteItem2()
{
    return ui::deleteItems(list3());
}

bool CNabazu3::searchDB(QString strDatabase, QString strWhere)
{
    // Rows reach the list only once every row has been read.
    QList<QStringList> rows;
    const db::Status status = numbers::readDraws(
        numbers3::kTable, strDatabase, strWhere, [&rows](const QStringList& cells) { rows << cells; });
    if (!status)
        return false;
    const ui::ListView::Batch batch(drawList());
    for (int r = 0; r < rows.size(); ++r) {
        for (int column = 0; column < rows[r].size(); ++column)
            AddItem(rows[r][column], r, column, 0, res::kNumbersDrawColumns[column].width);
    }
    return true;
}

bool CNabazu3::yosouDB(QString strDatabase, QString strWhere)
{
    return showTexts(kPredictionIds, numbers3::predictNext(strDatabase, strWhere));
}

bool CNabazu3::kaisuDB(QString strDatabase, QString strWhere)
{
    return showNextDrawNumber(kNextDrawId, db::kCountNumbers3, strDatabase, strWhere);
}

bool CNabazu3::Data(QString strDatabase, QString strWhere)
{
    const std::optional<numbers::DigitCounts> counts = numbers::digitCounts(numbers3::kTable, strDatabase, strWhere);
    if (!counts)
        return false;
    const auto& columns = numbers::statisticsColumns();
    int r = 0;
    for (const std::vector<std::string>& cells : numbers::statisticsRows(*counts)) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            AddItem2(QString::fromStdString(cells[c]), r, static_cast<int>(c), numbers::kStatisticsAlignment,
                columns[c].width);
        }
        ++r;
    }
    return true;
}

void CNabazu3::OnButton1()
{
    DeleteItem();
    if (!searchDB(m_strDatabase, db::kWhereListAll)) {
        reportReadFailure();
        return;
    }
    setText(kFoundCountId, QString());
}

void CNabazu3::OnButton2()
{
    if (!yosouDB(m_strDatabase, db::kWherePositive))
        reportReadFailure();
}

void CNabazu3::OnButton3()
{
    const db::SearchClause clause
        = numbers3::searchClause(ui::searchKind(*this, kStraightId, kBoxId), ui::searchInput(*this, kSearchDigitIds[0]),
            ui::searchInput(*this, kSearchDigitIds[1]), ui::searchInput(*this, kSearchDigitIds[2]));
    ui::runSearch(
        *this, clause, kDrawListId, kFoundCountId, [this] { DeleteItem(); },
        [this](const QString& where) { return searchDB(m_strDatabase, where); });
}

void CNabazu3::OnSutoreto()
{
    ui::excludeOther(*this, kStraightId, kBoxId);
}

void CNabazu3::OnBokkusu()
{
    ui::excludeOther(*this, kBoxId, kStraightId);
}

void CNabazu3::OnKuriaB()
{
    for (const int id : kSearchDigitIds)
        setText(id, QString());
}

void CNabazu3::OnTourokuB()
{
    const QString clause = db::kWherePositive;
    // The five predictions are brought up to date before the registration window opens.
    if (!yosouDB(m_strDatabase, clause))
        reportReadFailure();
    CToutoku registration;
    registration.m_strDatabase = m_strDatabase;
    if (ui::runModal(registration) != QDialog::Accepted)
        return;
    if (!kaisuDB(m_strDatabase, clause))
        reportReadFailure();
    m_drawStatus->refresh();
}

void CNabazu3::OnDblclkList1()
{
    const int item = drawList().hotItem();
    if (item < 0)
        return;
    CHenkou editor;
    editor.m_strDatabase = m_strDatabase;
    editor.m_strGame = QStringLiteral("3");
    editor.m_strKaisai = drawList().itemText(item, 0);
    editor.m_strJikai = text(kNextDrawId);
    ui::runModal(editor);
}

} // namespace zelpo

// SPDX-License-Identifier: MIT
#include "widgets/windows/CNabazu4.h"

#include "cores/numbers4/search.h"
#include "data/db/drawcount.h"
#include "data/numbers4/numbers4data.h"
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

CNabazu4::CNabazu4(QWidget* parent)
    : ui::GameWindow(res::kNabazu4Dialog, parent)
{
    connectControls(kRegisterButtonId,
        { .list = [this] { OnItiranB(); },
            .predict = [this] { OnYosouB(); },
            .search = [this] { OnKensakuB(); },
            .clear = [this] { OnKuriaB(); },
            .registration = [this] { OnTourokuB(); },
            .editDraw = [this] { OnDblclkList1(); },
            .help = [this] { OnHelpB(); } });
    connectSwitches([this] { OnCheckSutoreto(); }, [this] { OnCheckBokkusu(); });
    analysis::offerPredictionRecord(*this, drawList(), Game::Numbers4);
    analysis::offerTrends(*this, drawList(), Game::Numbers4);
    // Where the found count leaves room: the next draw, and the update while one runs.
    m_drawStatus = std::make_unique<ui::DrawStatus>(*this, Game::Numbers4, QRect(104, 317, 259, 15));
    tickets::offerTickets(*this, drawList(), Game::Numbers4, kPredictionIds);
    // The new next-draw number, as after a registration.
    ui::offerUpdate(*this, drawList(), Game::Numbers4, [this] {
        if (!kaisuDE(databasePath(), db::kWherePositive))
            reportReadFailure();
        m_drawStatus->refresh();
    });
}

CNabazu4::~CNabazu4() = default;

ui::ListView& CNabazu4::list2() const
{
    return *listView(kStatisticsListId);
}

void CNabazu4::onInitDialog()
{
    for (const int id : kSearchDigitIds) {
        edit(id)->clear();
        edit(id)->setMaxLength(1);
    }

    int column = 0;
    for (const res::ListColumn& draws : res::kNumbersDrawColumns)
        AddColumn(res::qtext(draws.header), column++, 0, 0, draws.width);

    column = 0;
    for (const numbers::StatisticsColumn& statistics : numbers::statisticsColumns()) {
        AddColumn2(QString::fromUtf8(statistics.header.data(), static_cast<qsizetype>(statistics.header.size())),
            column++, 0, numbers::kStatisticsAlignment, statistics.width);
    }

    const bool counted = kaisuDE(m_strDatabase, db::kWherePositive);
    const bool tallied = Data(m_strDatabase, db::kWherePositive);
    if (!counted || !tallied)
        reportReadFailure();
    m_drawStatus->refresh();

    drawList().setExtendedStyle(ui::ListView::kTwoClickActivate);
}

int CNabazu4::AddColumn(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx)
{
    return ui::addColumn(drawList(), lptstrItem, nItem, nSubItem, nFmt, cx);
}

void CNabazu4::AddItem(const QString& lptstrItem, int nItem, int nSubItem, int, int)
{
    ui::addItem(drawList(), lptstrItem, nItem, nSubItem, true);
}

int CNabazu4::DeleteItem()
{
    return ui::deleteItems(drawList());
}

int CNabazu4::AddColumn2(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx)
{
    return ui::addColumn(list2(), lptstrItem, nItem, nSubItem, nFmt, cx);
}

void CNabazu4::AddItem2(const QString& lptstrItem, int nItem, int nSubItem, int, int)
{
    ui::addItem(list2(), lptstrItem, nItem, nSubItem);
}

bool CNabazu4::yosouDE(QString strDatabase, QString strWhere)
{
    return showTexts(kPredictionIds, numbers4::predictNext(strDatabase, strWhere));
}

bool CNabazu4::searchDE(QString strDatabase, QString strWhere)
{
    // Rows reach the list only once every row has been read.
    QList<QStringList> rows;
    const db::Status status = numbers::readDraws(
        numbers4::kTable, strDatabase, strWhere, [&rows](const QStringList& cells) { rows << cells; });
    if (!status)
        return false;
    const ui::ListView::Batch batch(drawList());
    for (int r = 0; r < rows.size(); ++r) {
        for (int column = 0; column < rows[r].size(); ++column)
            AddItem(rows[r][column], r, column, 0, res::kNumbersDrawColumns[column].width);
    }
    return true;
}

bool CNabazu4::kaisuDE(QString strDatabase, QString strWhere)
{
    return showNextDrawNumber(kNextDrawId, db::kCountNumbers4, strDatabase, strWhere);
}

void CNabazu4::OnYosouB()
{
    if (!yosouDE(m_strDatabase, db::kWherePositive))
        reportReadFailure();
}

void CNabazu4::OnItiranB()
{
    DeleteItem();
    if (!searchDE(m_strDatabase, db::kWhereListAll)) {
        reportReadFailure();
        return;
    }
    setText(kFoundCountId, QStringLiteral("---"));
}

void CNabazu4::OnTourokuB()
{
    CToutoku registration;
    registration.m_strDatabase = m_strDatabase;
    if (ui::runModal(registration) != QDialog::Accepted)
        return;
    if (!kaisuDE(m_strDatabase, db::kWherePositive))
        reportReadFailure();
    m_drawStatus->refresh();
}

void CNabazu4::OnKensakuB()
{
    const db::SearchClause clause = numbers4::searchClause(ui::searchKind(*this, kStraightId, kBoxId),
        ui::searchInput(*this, kSearchDigitIds[0]), ui::searchInput(*this, kSearchDigitIds[1]),
        ui::searchInput(*this, kSearchDigitIds[2]), ui::searchInput(*this, kSearchDigitIds[3]));
    ui::runSearch(
        *this, clause, kDrawListId, kFoundCountId, [this] { DeleteItem(); },
        [this](const QString& where) { return searchDE(m_strDatabase, where); });
}

void CNabazu4::OnCheckSutoreto()
{
    ui::excludeOther(*this, kStraightId, kBoxId);
}

void CNabazu4::OnCheckBokkusu()
{
    ui::excludeOther(*this, kBoxId, kStraightId);
}

void CNabazu4::OnKuriaB()
{
    for (const int id : kSearchDigitIds)
        setText(id, QString());
}

bool CNabazu4::Data(QString strDatabase, QString strWhere)
{
    const std::optional<numbers::DigitCounts> counts = numbers::digitCounts(numbers4::kTable, strDatabase, strWhere);
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

void CNabazu4::OnDblclkList1()
{
    const int item = drawList().hotItem();
    if (item < 0)
        return;
    CHenkou editor;
    editor.m_strDatabase = m_strDatabase;
    editor.m_strGame = QStringLiteral("4");
    editor.m_strKaisai = drawList().itemText(item, 0);
    editor.m_strJikai = text(kNextDrawId);
    ui::runModal(editor);
}

} // namespace zelpo

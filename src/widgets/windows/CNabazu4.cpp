// SPDX-License-Identifier: MIT
#include "widgets/windows/CNabazu4.h"

#include "cores/numbers4/search.h"
#include "data/db/drawcount.h"
#include "data/numbers4/numbers4data.h"
#include "widgets/dialogs/CHenkou.h"
#include "widgets/dialogs/CToutoku.h"
#include "widgets/dialogs/predictionrecorddialog.h"
#include "widgets/res/dialogtemplate.h"
#include "widgets/res/strings.h"
#include "widgets/res/text.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"
#include "widgets/ui/searchrun.h"
#include "widgets/ui/updatedialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace zelpo {

CNabazu4::CNabazu4(QWidget* parent)
    : ui::GameWindow(res::kNabazu4Dialog, parent)
{
    connect(button(1000), &QPushButton::clicked, this, &CNabazu4::OnItiranB);
    connect(button(1001), &QPushButton::clicked, this, &CNabazu4::OnYosouB);
    connect(button(1016), &QPushButton::clicked, this, &CNabazu4::OnTourokuB);
    connect(button(1002), &QPushButton::clicked, this, &CNabazu4::OnKensakuB);
    // The switches answer their state, however it changed (a click, Space, an assistive tool).
    connect(checkBox(1010), &QCheckBox::toggled, this, &CNabazu4::OnCheckSutoreto);
    connect(checkBox(1011), &QCheckBox::toggled, this, &CNabazu4::OnCheckBokkusu);
    connect(button(1017), &QPushButton::clicked, this, &CNabazu4::OnKuriaB);
    connect(button(1019), &QPushButton::clicked, this, &CNabazu4::OnHelpB);
    connect(&list1(), &ui::ListView::listDoubleClicked, this, &CNabazu4::OnDblclkList1);
    analysis::offerPredictionRecord(*this, list1(), db::Game::Numbers4);
    // The new next-draw number, as after a registration.
    ui::offerUpdate(*this, list1(), update::Game::Numbers4, [this] {
        if (!kaisuDE(m_strDatabase, db::kWherePositive))
            reportReadFailure();
    });
}

CNabazu4::~CNabazu4() = default;

ui::ListView& CNabazu4::list1() const
{
    return *listView(1003);
}

ui::ListView& CNabazu4::list2() const
{
    return *listView(1023);
}

void CNabazu4::onInitDialog()
{
    for (const int id : { 1015, 1012, 1013, 1014 }) {
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

    list1().setExtendedStyle(ui::ListView::kTwoClickActivate);
}

int CNabazu4::AddColumn(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx)
{
    return ui::addColumn(list1(), lptstrItem, nItem, nSubItem, nFmt, cx);
}

void CNabazu4::AddItem(const QString& lptstrItem, int nItem, int nSubItem, int, int)
{
    ui::addItem(list1(), lptstrItem, nItem, nSubItem, true);
}

int CNabazu4::DeleteItem()
{
    return ui::deleteItems(list1());
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
    static constexpr int kFields[] = { 1004, 1005, 1006, 1007, 1008 };
    return showTexts(kFields, numbers4::predictNext(strDatabase, strWhere));
}

bool CNabazu4::searchDE(QString strDatabase, QString strWhere)
{
    // Rows reach the list only once every row has been read.
    QList<QStringList> rows;
    const db::Status status = numbers::readDraws(
        numbers4::kTable, strDatabase, strWhere, [&rows](const QStringList& cells) { rows << cells; });
    if (!status)
        return false;
    const ui::ListView::Batch batch(list1());
    for (int r = 0; r < rows.size(); ++r) {
        for (int column = 0; column < rows[r].size(); ++column)
            AddItem(rows[r][column], r, column, 0, res::kNumbersDrawColumns[column].width);
    }
    return true;
}

bool CNabazu4::kaisuDE(QString strDatabase, QString strWhere)
{
    return showNextDrawNumber(1009, db::kCountNumbers4, strDatabase, strWhere);
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
    setText(1018, QStringLiteral("---"));
}

void CNabazu4::OnTourokuB()
{
    CToutoku registration;
    registration.m_strDatabase = m_strDatabase;
    if (ui::runModal(registration) == QDialog::Accepted && !kaisuDE(m_strDatabase, db::kWherePositive))
        reportReadFailure();
}

void CNabazu4::OnKensakuB()
{
    const db::SearchClause clause
        = numbers4::searchClause(ui::searchKind(*this, 1010, 1011), ui::searchInput(*this, 1015),
            ui::searchInput(*this, 1012), ui::searchInput(*this, 1013), ui::searchInput(*this, 1014));
    ui::runSearch(
        *this, clause, 1003, 1018, [this] { DeleteItem(); },
        [this](const QString& where) { return searchDE(m_strDatabase, where); });
}

void CNabazu4::OnCheckSutoreto()
{
    ui::excludeOther(*this, 1010, 1011);
}

void CNabazu4::OnCheckBokkusu()
{
    ui::excludeOther(*this, 1011, 1010);
}

void CNabazu4::OnKuriaB()
{
    for (const int id : { 1015, 1012, 1013, 1014 })
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
    const int item = list1().hotItem();
    if (item < 0)
        return;
    CHenkou editor;
    editor.m_strDatabase = m_strDatabase;
    editor.m_strGame = QStringLiteral("4");
    editor.m_strKaisai = list1().itemText(item, 0);
    editor.m_strJikai = text(1009);
    ui::runModal(editor);
}

} // namespace zelpo

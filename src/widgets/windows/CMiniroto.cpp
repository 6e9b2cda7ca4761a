// SPDX-License-Identifier: MIT
#include "widgets/windows/CMiniroto.h"

#include "cores/miniloto/search.h"
#include "data/db/drawcount.h"
#include "data/miniloto/minilotodata.h"
#include "widgets/dialogs/CHenkou.h"
#include "widgets/dialogs/CMinitouroku.h"
#include "widgets/dialogs/predictionrecorddialog.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"
#include "widgets/ui/searchrun.h"
#include "widgets/ui/updatedialog.h"

#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace zelpo {
namespace {

constexpr int kPredictionEdits[] = { 1004, 1005, 1006, 1007 };
constexpr int kSearchEdits[] = { 1016, 1015, 1012, 1013, 1014 };

} // namespace

CMiniroto::CMiniroto(QWidget* parent)
    : ui::GameWindow(res::kMinirotoDialog, parent)
{
    connect(button(1001), &QPushButton::clicked, this, &CMiniroto::OnYosou);
    connect(button(1000), &QPushButton::clicked, this, &CMiniroto::OnitiranB);
    connect(button(1002), &QPushButton::clicked, this, &CMiniroto::Onkensaku);
    connect(button(1017), &QPushButton::clicked, this, &CMiniroto::Onkuria);
    connect(button(1018), &QPushButton::clicked, this, &CMiniroto::OntourokuB);
    connect(button(1019), &QPushButton::clicked, this, &CMiniroto::Onhelp);
    connect(&list1(), &ui::ListView::listDoubleClicked, this, &CMiniroto::OnDblclkList1);
    analysis::offerPredictionRecord(*this, list1(), db::Game::MiniLoto);
    // The new next-draw number, as after a registration.
    ui::offerUpdate(*this, list1(), update::Game::MiniLoto, [this] {
        if (!kaisuMI(m_strDatabase, db::kWherePositive))
            reportReadFailure();
    });
}

CMiniroto::~CMiniroto() = default;

ui::ListView& CMiniroto::list1() const
{
    return *listView(1003);
}

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

    list1().setExtendedStyle(ui::ListView::kTwoClickActivate);
    for (const int id : kSearchEdits) {
        edit(id)->clear();
        edit(id)->setMaxLength(2);
    }
}

int CMiniroto::AddColumn(const QString& lptstrItem, int nItem, int nSubItem, int nFmt, int cx)
{
    return ui::addColumn(list1(), lptstrItem, nItem, nSubItem, nFmt, cx);
}

void CMiniroto::AddItem(const QString& lptstrItem, int nItem, int nSubItem, int, int)
{
    ui::addItem(list1(), lptstrItem, nItem, nSubItem, true);
}

int CMiniroto::DeleteItem()
{
    return ui::deleteItems(list1());
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
    const ui::ListView::Batch batch(list1());
    for (int r = 0; r < rows.size(); ++r) {
        for (int column = 0; column < rows[r].size(); ++column)
            AddItem(rows[r][column], r, column, kFormats[column], kWidths[column]);
    }
    return true;
}

bool CMiniroto::kaisuMI(QString strDatabase, QString strWhere)
{
    return showNextDrawNumber(1009, db::kCountMiniLoto, strDatabase, strWhere);
}

bool CMiniroto::yosouMI(QString strDatabase, QString strWhere)
{
    return showTexts(kPredictionEdits, miniloto::predictNext(strDatabase, strWhere));
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
    setText(1008, QStringLiteral("---"));
}

void CMiniroto::Onkensaku()
{
    std::string numbers[5];
    for (int i = 0; i < 5; ++i)
        numbers[i] = ui::searchInput(*this, kSearchEdits[i]);
    const db::SearchClause clause
        = miniloto::searchClause({ numbers[0], numbers[1], numbers[2], numbers[3], numbers[4] });
    ui::runSearch(
        *this, clause, 1003, 1008, [this] { DeleteItem(); },
        [this](const QString& where) { return searchME(m_strDatabase, where); });
}

void CMiniroto::Onkuria()
{
    for (const int id : kSearchEdits)
        setText(id, QString());
}

void CMiniroto::OntourokuB()
{
    const auto registration = std::make_unique<CMinitouroku>();
    registration->m_strDatabase = m_strDatabase;
    if (ui::runModal(*registration) == QDialog::Accepted && !kaisuMI(m_strDatabase, db::kWherePositive))
        reportReadFailure();
}

void CMiniroto::Onhelp()
{
    OnHelpB();
}

void CMiniroto::OnDblclkList1()
{
    const int item = list1().hotItem();
    if (item < 0)
        return;
    CHenkou editor;
    editor.m_strDatabase = m_strDatabase;
    editor.m_strGame = QStringLiteral("5");
    editor.m_strKaisai = list1().itemText(item, 0);
    editor.m_strJikai = text(1009);
    ui::runModal(editor);
}

} // namespace zelpo

// SPDX-License-Identifier: MIT
#include "widgets/tickets/ticketmodel.h"

#include <QBrush>
#include <QColor>

#include <array>

namespace zelpo::tickets {
namespace {

QString text(std::string_view value)
{
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

} // namespace

QString resultText(std::span<const DrawResult> results)
{
    std::array<int, 4> counts {};
    for (const DrawResult& result : results)
        ++counts[static_cast<std::size_t>(result.outcome)];
    if (results.size() == 1)
        return resultText(results.front());
    QStringList parts;
    for (const Outcome outcome : { Outcome::Won, Outcome::Lost, Outcome::Pending, Outcome::Unknown }) {
        if (const int count = counts[static_cast<std::size_t>(outcome)])
            parts << QStringLiteral("%1 %2").arg(text(outcomeLabel(outcome))).arg(count);
    }
    return parts.join(u'・');
}

QString resultText(const DrawResult& result)
{
    if (result.outcome == Outcome::Unknown && result.prize != Prize::None)
        return QStringLiteral("%1（%2）").arg(text(outcomeLabel(result.outcome)), text(prizeLabel(result.prize)));
    if (result.outcome != Outcome::Won)
        return text(outcomeLabel(result.outcome));
    return QStringLiteral("%1 %2 %3円")
        .arg(text(outcomeLabel(result.outcome)), text(prizeLabel(result.prize)), text(yenText(result.amount)));
}

TicketModel::TicketModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

TicketModel::~TicketModel() = default;

void TicketModel::setRows(const TicketRecord* record, std::vector<std::size_t> rows)
{
    beginResetModel();
    m_record = record;
    m_rows = record ? std::move(rows) : std::vector<std::size_t>();
    endResetModel();
}

int TicketModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TicketModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TicketModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_record || index.row() >= rowCount())
        return {};
    const std::size_t at = m_rows[static_cast<std::size_t>(index.row())];
    const Ticket& t = m_record->tickets[at];
    const std::span<const DrawResult> results = m_record->checked.of(at);
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() == Id || index.column() == Units || index.column() == Won;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role == Qt::ForegroundRole && index.column() == Result) {
        const bool won = std::any_of(
            results.begin(), results.end(), [](const DrawResult& r) { return r.outcome == Outcome::Won; });
        const bool waiting = std::any_of(
            results.begin(), results.end(), [](const DrawResult& r) { return r.outcome == Outcome::Pending; });
        if (won)
            return QBrush(QColor(0xB0, 0x20, 0x20));
        if (waiting)
            return QBrush(QColor(0x20, 0x50, 0xA0));
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Id:
        return static_cast<qlonglong>(t.id);
    case GameColumn:
        return text(gameLabel(t.game));
    case Kind:
        return text(kindLabel(t.game, t.kind));
    case Numbers:
        return text(numbersText(t.game, t.numbers));
    case Units:
        return t.units;
    case Draws:
        return t.draws == 1 ? QStringLiteral("第%1回").arg(t.firstDraw)
                            : QStringLiteral("第%1〜%2回").arg(t.firstDraw).arg(t.lastDraw());
    case Result:
        return resultText(results);
    case Won: {
        Yen won = 0;
        for (const DrawResult& r : results)
            won += r.amount;
        return won > 0 ? text(yenText(won)) + u'円' : QString();
    }
    case Memo:
        return text(t.memo).replace(u'\n', u' ');
    default:
        return {};
    }
}

QVariant TicketModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList headers { QStringLiteral("番号"), QStringLiteral("ゲーム"), QStringLiteral("種類"),
        QStringLiteral("数字"), QStringLiteral("口数"), QStringLiteral("回号"), QStringLiteral("結果"),
        QStringLiteral("当せん金"), QStringLiteral("メモ") };
    return headers.value(section);
}

} // namespace zelpo::tickets

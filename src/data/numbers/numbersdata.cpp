// SPDX-License-Identifier: MIT
#include "data/numbers/numbersdata.h"

#include "cores/numbers/listing.h"

#include <algorithm>

namespace zelpo::numbers {

namespace {

// The row's digits, most significant first; places past the table's positions hold 0.
std::array<int, 4> digitsOf(const Table& table, const db::Row& row)
{
    std::array<int, 4> digits {};
    for (std::size_t p = 0; p < static_cast<std::size_t>(table.positions); ++p)
        digits[p] = row.integer(table.digitColumns[p]);
    return digits;
}

std::optional<QStringList> texts(const Predictions& predictions)
{
    QStringList result;
    for (const std::string& text : predictions)
        result << QString::fromStdString(text);
    return result;
}

} // namespace

db::Status readDraws(const Table& table, const QString& database, const QString& where,
    const std::function<void(const QStringList& cells)>& onRow)
{
    QStringList cells;
    return db::read(database, table.searchSql, where, [&](const db::Row& row) {
        const std::array<int, 4> digits = digitsOf(table, row);
        cells.clear();
        cells << QString::number(row.integer(u"kaisai"))
              << QString::fromStdString(
                     winningNumberText(std::span(digits).first(static_cast<std::size_t>(table.positions))))
              << row.text(u"kounyu1") << row.text(u"kounyu2") << row.text(u"kounyu3") << row.text(u"kounyu4")
              << row.text(u"kounyu5");
        onRow(cells);
    });
}

template <std::size_t Positions>
std::optional<QStringList> predictNext(const Table& table, Composition<Positions> compose, const QString& database,
    const QString& where, db::Status* status)
{
    DigitChains<Positions> chains;
    const db::Status result = db::read(database, table.predictSql, where, [&](const db::Row& row) {
        const std::array<int, 4> digits = digitsOf(table, row);
        typename DigitChains<Positions>::Draw draw;
        std::copy_n(digits.begin(), Positions, draw.begin());
        chains.add(draw);
    });
    if (status)
        *status = result;
    if (!result)
        return std::nullopt;
    return texts(compose(chains));
}

template std::optional<QStringList> predictNext<3>(
    const Table&, Composition<3>, const QString&, const QString&, db::Status*);
template std::optional<QStringList> predictNext<4>(
    const Table&, Composition<4>, const QString&, const QString&, db::Status*);

std::optional<DigitCounts> digitCounts(
    const Table& table, const QString& database, const QString& where, db::Status* status)
{
    DigitCounts counts(table.positions);
    const db::Status result = db::read(database, table.dataSql, where, [&](const db::Row& row) {
        const std::array<int, 4> digits = digitsOf(table, row);
        counts.add(std::span(digits).first(static_cast<std::size_t>(table.positions)));
    });
    if (status)
        *status = result;
    if (!result)
        return std::nullopt;
    return counts;
}

} // namespace zelpo::numbers

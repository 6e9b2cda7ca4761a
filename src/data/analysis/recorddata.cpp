// SPDX-License-Identifier: MIT
#include "data/analysis/recorddata.h"

#include "data/db/drawcount.h"
#include "data/miniloto/minilotodata.h"
#include "data/numbers3/numbers3data.h"
#include "data/numbers4/numbers4data.h"

#include <algorithm>

namespace zelpo::analysis {
namespace {

// Mini Loto's draws without their bonus, and the bonuses alone.
constexpr QStringView kMiniLotoDrawsSql = u"SELECT kaisai,NO1,NO2,NO3,NO4,NO5 FROM ミニロト ";
constexpr QStringView kMiniLotoBonusSql = u"SELECT kaisai,kounyu1 FROM ミニロト ";
constexpr QStringView kMiniLotoColumns[] = { u"NO1", u"NO2", u"NO3", u"NO4", u"NO5" };

const numbers::Table& numbersTable(Game game)
{
    return game == Game::Numbers3 ? numbers3::kTable : numbers4::kTable;
}

// The bonus as stored, read without a detour through a std::string: one
// number for every draw of the history.
int bonusOf(const QString& text)
{
    char ascii[8];
    if (text.size() > static_cast<qsizetype>(sizeof ascii))
        return 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80)
            return 0;
        ascii[i] = static_cast<char>(c);
    }
    return parseBonus(std::string_view(ascii, static_cast<std::size_t>(text.size())));
}

// Counts the rows of each draw number as they come, in draw order.
class Occurrences {
public:
    int next(int kaisai)
    {
        m_count = kaisai == m_kaisai ? m_count + 1 : 0;
        m_kaisai = kaisai;
        return m_count;
    }

private:
    int m_kaisai = 0;
    int m_count = 0;
};

// Where a draw's columns sit in the rows of a statement, found in its first
// row: the number, the digits or numbers, and Mini Loto's bonus (-1 when the
// statement leaves it out).
class DrawColumns {
public:
    explicit DrawColumns(Game game)
        : m_game(game)
    {
    }

    Draw drawOf(const db::Row& row)
    {
        if (m_kaisai < 0)
            find(row);
        Draw draw;
        draw.kaisai = row.integer(m_kaisai);
        for (std::size_t k = 0; k < m_count; ++k)
            draw.numbers[k] = row.integer(m_numbers[k]);
        if (m_game == Game::MiniLoto)
            draw.bonus = m_bonus < 0 ? kBonusUnread : bonusOf(row.value(m_bonus).toString());
        return draw;
    }

private:
    void find(const db::Row& row)
    {
        m_kaisai = position(row, u"kaisai");
        if (m_game == Game::MiniLoto) {
            m_count = std::size(kMiniLotoColumns);
            for (std::size_t k = 0; k < m_count; ++k)
                m_numbers[k] = position(row, kMiniLotoColumns[k]);
            m_bonus = row.position(u"kounyu1");
        } else {
            const numbers::Table& table = numbersTable(m_game);
            m_count = static_cast<std::size_t>(table.positions);
            for (std::size_t p = 0; p < m_count; ++p)
                m_numbers[p] = position(row, table.digitColumns[p]);
        }
    }

    // A column every draw statement holds: its absence ends the walk as
    // Row::integer() ends it.
    static int position(const db::Row& row, QStringView column)
    {
        const int found = row.position(column);
        if (found < 0)
            row.integer(column);
        return found;
    }

    Game m_game;
    int m_kaisai = -1;
    std::array<int, 5> m_numbers {};
    std::size_t m_count = 0;
    int m_bonus = -1;
};

QStringView storedSql(Game game)
{
    return game == Game::MiniLoto ? miniloto::kSearchSql : numbersTable(game).searchSql;
}

QStringView drawsSql(Game game)
{
    return game == Game::MiniLoto ? kMiniLotoDrawsSql : numbersTable(game).predictSql;
}

template <class T>
std::optional<T> unlessFailed(const db::Status& result, db::Status* status, T&& value)
{
    if (status)
        *status = result;
    if (!result)
        return std::nullopt;
    return std::forward<T>(value);
}

} // namespace

std::optional<StoredDraws> readStoredDraws(Game game, const QString& database, db::Status* status)
{
    static constexpr QStringView kColumns[] = { u"kounyu1", u"kounyu2", u"kounyu3", u"kounyu4", u"kounyu5" };
    // Mini Loto keeps its bonus in kounyu1 and its predictions after it.
    const std::size_t firstStored = game == Game::MiniLoto ? 1 : 0;
    StoredDraws result { game, {}, {}, {} };
    PayoutJoin join(game, database);
    if (!join.status())
        return unlessFailed(join.status(), status, std::move(result));
    std::vector<DrawPayout> payouts;
    Occurrences occurrences;
    DrawColumns columns(game);
    std::array<int, 5> texts {}; // where the stored texts sit; found in the first row
    db::Status read
        = db::readBulk(database, join.statement(storedSql(game)), db::kWherePositive, [&](const db::Row& row) {
              if (result.draws.empty()) {
                  for (std::size_t k = firstStored; k < std::size(kColumns); ++k)
                      texts[k - firstStored] = row.position(kColumns[k]);
              }
              Draw& draw = result.draws.emplace_back(columns.drawOf(row));
              draw.occurrence = occurrences.next(draw.kaisai);
              std::array<std::string, 5>& stored = result.stored.emplace_back();
              for (std::size_t k = 0; k + firstStored < std::size(kColumns); ++k)
                  stored[k] = row.value(texts[k]).toString().toStdString();
              if (const DrawPayout* payout = join.take(row, draw.kaisai))
                  payouts.push_back(*payout);
          });
    if (read)
        read = join.status();
    result.payouts = Payouts(result.game, std::move(payouts));
    return unlessFailed(read, status, std::move(result));
}

Record checkStored(const StoredDraws& draws, Range range)
{
    Record record(draws.game, false, &draws.payouts);
    const std::size_t count = draws.game == Game::MiniLoto ? 4 : 5;
    for (std::size_t i = 0; i < draws.draws.size(); ++i) {
        if (range.contains(draws.draws[i].kaisai))
            checkStored(record, draws.draws[i], std::span(draws.stored[i]).first(count));
    }
    return record;
}

std::optional<Record> checkStored(Game game, const QString& database, db::Status* status)
{
    const std::optional<StoredDraws> draws = readStoredDraws(game, database, status);
    if (!draws)
        return std::nullopt;
    return checkStored(*draws);
}

db::Status readDraws(
    Game game, const QString& database, const QString& where, const std::function<void(const Draw&)>& visit)
{
    Occurrences occurrences;
    DrawColumns columns(game);
    return db::readBulk(database, drawsSql(game), where, [&](const db::Row& row) {
        Draw draw = columns.drawOf(row);
        draw.occurrence = occurrences.next(draw.kaisai);
        visit(draw);
    });
}

db::Status readDraws(Game game, const QString& database, const QString& where, PayoutJoin& payouts,
    const std::function<void(const Draw&, const DrawPayout*)>& visit)
{
    if (!payouts.status())
        return payouts.status();
    Occurrences occurrences;
    DrawColumns columns(game);
    const db::Status read = db::readBulk(database, payouts.statement(drawsSql(game)), where, [&](const db::Row& row) {
        Draw draw = columns.drawOf(row);
        draw.occurrence = occurrences.next(draw.kaisai);
        visit(draw, payouts.take(row, draw.kaisai));
    });
    return read ? payouts.status() : read;
}

std::optional<std::vector<int>> readBonuses(
    const QString& database, std::span<const std::pair<int, int>> draws, db::Status* status)
{
    std::vector<int> bonuses(draws.size(), 0);
    if (draws.empty())
        return bonuses;
    QStringList numbers;
    for (const auto& [kaisai, occurrence] : draws) {
        if (numbers.isEmpty() || numbers.back() != QString::number(kaisai))
            numbers << QString::number(kaisai);
    }
    Occurrences occurrences;
    const db::Status read = db::read(database, kMiniLotoBonusSql,
        QStringLiteral("WHERE kaisai IN (%1)").arg(numbers.join(u',')), [&](const db::Row& row) {
            const int kaisai = row.integer(u"kaisai");
            const std::pair draw { kaisai, occurrences.next(kaisai) };
            const auto found = std::lower_bound(draws.begin(), draws.end(), draw);
            if (found != draws.end() && *found == draw)
                bonuses[static_cast<std::size_t>(found - draws.begin())] = bonusOf(row.text(u"kounyu1"));
        });
    return unlessFailed(read, status, std::move(bonuses));
}

Record backtest(const StoredDraws& draws, Range range, bool keepSteps)
{
    return backtest(draws.game, draws.draws, range, keepSteps, &draws.payouts);
}

std::optional<Record> backtest(Game game, const QString& database, Range range, db::Status* status)
{
    // Draws after the last target can change nothing, and draws before the
    // first need no payouts.
    QString where = db::kWherePositive;
    if (range.to)
        where += QStringLiteral(" AND kaisai<=%1").arg(*range.to);
    // The money is counted from the payouts read with each draw.
    const Payouts none(game, {});
    Backtest walk(game, range, false, &none);
    PayoutJoin join(game, database, range.from);
    const db::Status read = readDraws(
        game, database, where, join, [&](const Draw& draw, const DrawPayout* payout) { walk.add(draw, payout); });
    if (!read)
        return unlessFailed(read, status, Record(walk.record()));
    Record record = walk.record();
    const std::vector<std::pair<int, int>> undecided = record.undecidedDraws();
    const std::optional<std::vector<int>> bonuses = readBonuses(database, undecided, status);
    if (!bonuses)
        return std::nullopt;
    record.settleBonuses(*bonuses);
    return record;
}

} // namespace zelpo::analysis

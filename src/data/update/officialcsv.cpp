// SPDX-License-Identifier: MIT
#include "data/update/officialcsv.h"

#include "data/update/officialtext.h"

#include <algorithm>

namespace zelpo::update {

using official::Row;

namespace {

int expectedMark(Game game)
{
    return game == Game::MiniLoto ? 1 : 0;
}

QString lotteryName(Game game)
{
    return game == Game::MiniLoto ? QStringLiteral("ミニロト") : QStringLiteral("ナンバーズ");
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + (text.size() > 40 ? text.left(40) + QStringLiteral("…") : text) + QLatin1Char('"');
}

QString atLine(const Row& row, const QString& what)
{
    return QStringLiteral("line %1: %2").arg(row.line).arg(what);
}

// The first line of a file: the right lottery's mark.
QString markFault(Game game, const std::vector<Row>& rows)
{
    if (rows.empty())
        return QStringLiteral("the file is empty");
    const std::optional<int> mark = official::lotteryMark(rows.front());
    if (!mark)
        return atLine(rows.front(),
            quoted(rows.front().fields.join(QLatin1Char(',')))
                + QStringLiteral(" is not the opening line of a results file of the bank"));
    if (*mark != expectedMark(game))
        return QStringLiteral("wrong game: the file belongs to another lottery (A5%1), not %2")
            .arg(*mark)
            .arg(gameTitle(game));
    return {};
}

// The title line of a draw: its number and date.
QString readTitle(Game game, const Row& row, int& kaisai, QDate& date)
{
    const std::optional<official::Title> title = official::drawTitle(row.label());
    if (!title)
        return atLine(row, quoted(row.label()) + QStringLiteral(" is not a draw title (第N回...)"));
    if (title->name != lotteryName(game))
        return QStringLiteral("wrong game: draw %1 is of %2, not %3")
            .arg(title->kaisai)
            .arg(title->name, gameTitle(game));
    const QString dateText = row.fields.size() > 2 ? row.fields[2] : QString();
    date = official::eraDate(dateText);
    if (date.isNull())
        return atLine(row, quoted(dateText) + QStringLiteral(" is not a date of the 平成 or 令和 era"));
    kaisai = title->kaisai;
    return {};
}

// Tickets ("62口", "該当なし") and yen ("87100円", "該当なし") of one class line.
QString readClass(const Row& row, Amount& winners, Amount& yen)
{
    const QString& tickets = row.fields[row.fields.size() - 2];
    const QString& amount = row.fields.back();
    if (official::saysNone(amount)) {
        yen.reset();
    } else if (const std::optional<qint64> value = official::countWithUnit(amount, QChar(u'円'))) {
        yen = *value;
    } else {
        return atLine(row, quoted(amount) + QStringLiteral(" is not an amount in yen"));
    }
    if (tickets == QStringLiteral("該当なし")) {
        winners = 0;
    } else if (official::saysNone(tickets)) {
        winners.reset();
    } else if (const std::optional<qint64> value = official::countWithUnit(tickets, QChar(u'口'))) {
        winners = *value;
    } else {
        return atLine(row, quoted(tickets) + QStringLiteral(" is not a number of tickets"));
    }
    return {};
}

QString readNumbers(Game game, const std::vector<Row>& rows, PublishedDraw& draw)
{
    const QString heading
        = game == Game::Numbers3 ? QStringLiteral("ナンバーズ3抽せん数字") : QStringLiteral("ナンバーズ4抽せん数字");
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const Row& row) { return row.label() == heading; });
    if (found == rows.end())
        return QStringLiteral("the file has no line %1").arg(quoted(heading));
    if (std::find_if(found + 1, rows.end(), [&](const Row& row) { return row.label() == heading; }) != rows.end())
        return QStringLiteral("the file has the line %1 twice").arg(quoted(heading));
    const QString digits = found->fields.value(1);
    if (digits.size() != numberCount(game))
        return atLine(*found, quoted(digits) + QStringLiteral(" is not a %1 number").arg(gameTitle(game)));
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return atLine(*found, quoted(digits) + QStringLiteral(" is not a %1 number").arg(gameTitle(game)));
        draw.numbers.push_back(c.unicode() - u'0');
    }

    Payouts& pay = draw.payouts;
    const std::pair<QString, Amount*> classes[] = {
        { QStringLiteral("ストレート"), &pay.straight },
        { QStringLiteral("ボックス"), &pay.box },
        { QStringLiteral("セット(ストレート)"), &pay.setStraight },
        { QStringLiteral("セット(ボックス)"), &pay.setBox },
        { QStringLiteral("ミニ"), &pay.mini },
    };
    const std::size_t classCount = game == Game::Numbers3 ? 5 : 4;
    std::vector<bool> seen(classCount, false);
    // The classes follow the number, one line each, until the sales line or
    // the winning conditions (which name the classes again, in words).
    for (auto row = found + 1; row != rows.end() && row->fields.size() >= 3; ++row) {
        const auto cls
            = std::find_if(classes, classes + classCount, [&](const auto& c) { return c.first == row->label(); });
        const auto index = static_cast<std::size_t>(cls - classes);
        if (cls == classes + classCount || seen[index])
            break;
        seen[index] = true;
        if (index == 0 && row->fields.size() == 4 && row->fields[1] != digits)
            return atLine(
                *row, QStringLiteral("the straight line names %1, not %2").arg(quoted(row->fields[1]), digits));
        Amount winners;
        QString fault = readClass(*row, winners, *cls->second);
        if (!fault.isEmpty())
            return fault;
    }
    for (std::size_t i = 0; i < classCount; ++i) {
        if (!seen[i])
            return QStringLiteral("the %1 section has no line for %2").arg(gameTitle(game), quoted(classes[i].first));
    }
    return {};
}

QString readMiniLoto(const std::vector<Row>& rows, PublishedDraw& draw)
{
    const auto found = std::find_if(
        rows.begin(), rows.end(), [](const Row& row) { return row.label() == QStringLiteral("本数字"); });
    if (found == rows.end())
        return QStringLiteral("the file has no line \"本数字\"");
    const QStringList& fields = found->fields;
    const qsizetype bonusAt = fields.indexOf(QStringLiteral("ボーナス数字"));
    if (bonusAt < 0 || bonusAt != fields.size() - 2)
        return atLine(*found, QStringLiteral("the line does not end in one bonus number (ボーナス数字)"));
    for (qsizetype i = 1; i < fields.size(); ++i) {
        if (i == bonusAt)
            continue;
        const std::optional<int> number = official::wholeNumber(fields[i]);
        if (!number || fields[i].size() > 2)
            return atLine(*found, quoted(fields[i]) + QStringLiteral(" is not a number from 1 to 31"));
        (i < bonusAt ? draw.numbers.emplace_back() : draw.bonus.emplace()) = *number;
    }
    std::sort(draw.numbers.begin(), draw.numbers.end());

    for (int k = 0; k < 4; ++k) {
        const QString label = QString::number(k + 1) + QStringLiteral("等");
        const auto row = std::find_if(
            found + 1, rows.end(), [&](const Row& r) { return r.label() == label && r.fields.size() >= 3; });
        if (row == rows.end())
            return QStringLiteral("the file has no line for class %1").arg(quoted(label));
        QString fault = readClass(
            *row, draw.payouts.winners[static_cast<std::size_t>(k)], draw.payouts.prize[static_cast<std::size_t>(k)]);
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}

} // namespace

OfficialIndex parseOfficialIndex(Game game, const QByteArray& bytes)
{
    OfficialIndex index;
    const official::Rows read = official::readRows(bytes);
    index.error = read.error;
    if (index.ok())
        index.error = markFault(game, read.rows);
    for (std::size_t i = 0; index.ok() && i < read.rows.size(); ++i) {
        const std::optional<int> mark = official::lotteryMark(read.rows[i]);
        if (!mark)
            continue;
        if (*mark != expectedMark(game)) {
            index.error = markFault(game, { read.rows[i] });
        } else if (i + 1 == read.rows.size()) {
            index.error = atLine(read.rows[i], QStringLiteral("the file ends after a mark line"));
        } else {
            OfficialIndex::Entry entry;
            index.error = readTitle(game, read.rows[i + 1], entry.kaisai, entry.date);
            index.latest = std::max(index.latest, entry.kaisai);
            index.entries.push_back(entry);
        }
    }
    if (index.ok() && index.entries.empty())
        index.error = QStringLiteral("the index lists no draws");
    if (!index.ok()) {
        index.entries.clear();
        index.latest = 0;
    }
    return index;
}

Parsed parseOfficialDraw(Game game, const QByteArray& bytes)
{
    const official::Rows read = official::readRows(bytes);
    if (!read.error.isEmpty())
        return failed(read.error);
    QString fault = markFault(game, read.rows);
    if (!fault.isEmpty())
        return failed(fault);
    if (read.rows.size() < 2)
        return failed(QStringLiteral("the file ends before the title of its draw"));
    PublishedDraw draw;
    draw.game = game;
    fault = readTitle(game, read.rows[1], draw.kaisai, draw.date);
    if (fault.isEmpty())
        fault = game == Game::MiniLoto ? readMiniLoto(read.rows, draw) : readNumbers(game, read.rows, draw);
    if (!fault.isEmpty())
        return failed(draw.kaisai > 0 ? QStringLiteral("draw %1: ").arg(draw.kaisai) + fault : fault);
    return checked(game, { draw });
}

QString officialFileName(Game game, int kaisai)
{
    return QStringLiteral("A10%1%2.CSV").arg(expectedMark(game)).arg(kaisai % 10000, 4, 10, QLatin1Char('0'));
}

} // namespace zelpo::update

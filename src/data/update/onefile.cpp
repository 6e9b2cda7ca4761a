// SPDX-License-Identifier: MIT
#include "data/update/onefile.h"

#include "cores/csv/draws.h"
#include "cores/csv/records.h"
#include "data/db/transfer.h"
#include "data/update/feedjson.h"
#include "data/update/officialcsv.h"
#include "data/update/officialtext.h"

#include <algorithm>
#include <unordered_map>

namespace zelpo::update {

namespace csv = db::csv;

namespace {

csv::Table tableOf(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return csv::Table::Numbers3;
    case Game::Numbers4:
        return csv::Table::Numbers4;
    case Game::MiniLoto:
        break;
    }
    return csv::Table::MiniLoto;
}

QString problemText(const csv::Problem& problem)
{
    return QString::fromStdString(csv::describe(problem));
}

bool sameName(const std::string& a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return (x >= 'A' && x <= 'Z' ? x - 'A' + 'a' : x) == y; });
}

// The `date` column of the file, by the line each record starts on; the
// import itself has no use for it. A date that is given must be one.
QString readDates(std::string_view utf8, std::unordered_map<std::size_t, QDate>& dates)
{
    const csv::Records split = csv::splitRecords(utf8);
    if (split.records.empty())
        return {};
    const std::vector<std::string>& header = split.records.front().fields;
    const auto column
        = std::find_if(header.begin(), header.end(), [](const std::string& name) { return sameName(name, "date"); });
    if (column == header.end())
        return {};
    const auto at = static_cast<std::size_t>(column - header.begin());
    for (std::size_t i = 1; i < split.records.size(); ++i) {
        const csv::Record& record = split.records[i];
        if (at >= record.fields.size() || record.fields[at].empty())
            continue;
        const QString text = QString::fromStdString(record.fields[at]);
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (text.size() != 10 || !date.isValid()) {
            // Appended piece by piece: "x" + string + "y" trips a false -Wrestrict of GCC 12.
            std::string reason = "\"";
            reason += csv::forMessage(record.fields[at]);
            reason += "\" is not a date (YYYY-MM-DD)";
            return problemText(csv::Problem { record.line, *column, std::move(reason) });
        }
        dates.emplace(record.line, date);
    }
    return {};
}

Parsed parseImportCsv(Game game, const QByteArray& bytes)
{
    const db::DecodedText text = db::decodeText(bytes, std::nullopt);
    if (text.problem) {
        // The import's advice names its --encoding, which an update has not.
        csv::Problem problem = *text.problem;
        if (const auto advice = problem.reason.find("; name its encoding"); advice != std::string::npos)
            problem.reason.erase(advice);
        return failed(problemText(problem));
    }
    const csv::Draws read = csv::readDraws(tableOf(game), text.utf8);
    if (read.problem)
        return failed(problemText(*read.problem));
    std::unordered_map<std::size_t, QDate> dates;
    QString fault = readDates(text.utf8, dates);
    if (!fault.isEmpty())
        return failed(fault);

    std::vector<PublishedDraw> draws;
    draws.reserve(read.draws.size());
    const auto count = static_cast<std::ptrdiff_t>(numberCount(game));
    for (const csv::Draw& row : read.draws) {
        PublishedDraw draw;
        draw.game = game;
        draw.kaisai = row.kaisai;
        draw.numbers.assign(row.numbers.begin(), row.numbers.begin() + count);
        if (game == Game::MiniLoto) {
            // A file the program exported holds the bonus in kounyu1, as the table does.
            draw.bonus = row.bonus ? row.bonus : official::wholeNumber(QString::fromStdString(row.kounyu[0]));
            if (!draw.bonus) {
                return failed(QStringLiteral("line %1: no bonus number (a bonus column, or kounyu1 as the program "
                                             "exports it); every published Mini Loto draw has one")
                                  .arg(row.line));
            }
            std::sort(draw.numbers.begin(), draw.numbers.end());
        }
        if (const auto date = dates.find(row.line); date != dates.end())
            draw.date = date->second;
        draws.push_back(std::move(draw));
    }
    if (draws.empty())
        return failed(QStringLiteral("the file holds no draws"));
    return checked(game, std::move(draws));
}

Parsed parseAs(Game game, const QByteArray& bytes);

// A results file holds one game. Read as the other Numbers game it may still
// parse (a Numbers 4 import file has the N100, N10 and N1 columns of a
// Numbers 3 one), so the file's own marks decide: the digits of its first
// draw read as the other game, or a Numbers 4 header read as Numbers 3.
bool holdsOtherNumbersGame(Game game, const QByteArray& bytes, const Parsed& asGame)
{
    if (game == Game::MiniLoto)
        return false;
    const Game other = game == Game::Numbers3 ? Game::Numbers4 : Game::Numbers3;
    if (!parseAs(other, bytes).ok())
        return false;
    if (!asGame.ok())
        return true;
    const QByteArray header = bytes.left(bytes.indexOf('\n'));
    return game == Game::Numbers3 && !looksLikeJson(bytes) && header.toLower().contains("n1000");
}

Parsed parseAs(Game game, const QByteArray& bytes)
{
    if (looksLikeJson(bytes))
        return parseFeedJson(game, bytes);
    if (bytes.startsWith("A5")) {
        const official::Rows rows = official::readRows(bytes);
        const auto marks = std::count_if(rows.rows.begin(), rows.rows.end(),
            [](const official::Row& row) { return official::lotteryMark(row).has_value(); });
        if (marks > 1)
            return failed(QStringLiteral("this is the bank's index of draws, which holds no winning numbers"));
        return parseOfficialDraw(game, bytes);
    }
    return parseImportCsv(game, bytes);
}

} // namespace

Parsed parseOneFile(Game game, const QByteArray& bytes)
{
    Parsed parsed = parseAs(game, bytes);
    if (holdsOtherNumbersGame(game, bytes, parsed)) {
        const Game other = game == Game::Numbers3 ? Game::Numbers4 : Game::Numbers3;
        return failed(QStringLiteral("this is a file of %1 draws, not %2").arg(gameTitle(other), gameTitle(game)));
    }
    return parsed;
}

} // namespace zelpo::update

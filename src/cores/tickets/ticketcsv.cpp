// SPDX-License-Identifier: MIT
#include "cores/tickets/ticketcsv.h"

#include "cores/tickets/text_p.h"

#include "cores/csv/payoutcsv.h"
#include "cores/csv/records.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <tuple>

namespace zelpo::tickets {
namespace {

namespace csv = db::csv;

constexpr std::array<std::string_view, 9> kColumns
    = { "id", "game", "kind", "numbers", "units", "first", "draws", "memo", "entered" };
enum Column : std::size_t { Id, GameColumn, Kind, Numbers, Units, First, Draws, Memo, Entered };
constexpr std::array kNeeded = { GameColumn, Kind, Numbers, First };

std::optional<int> wholeNumber(std::string_view text)
{
    int value = 0;
    const auto [at, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || at != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The ticket of one row, or the reason it cannot be one.
std::optional<Ticket> ticketOf(
    const std::array<std::optional<std::size_t>, kColumns.size()>& at, const csv::Record& record, std::string& reason)
{
    const auto field = [&](Column column) -> std::string_view {
        const std::optional<std::size_t> index = at[column];
        return index && *index < record.fields.size() ? std::string_view(record.fields[*index]) : std::string_view();
    };
    Ticket ticket;
    const std::optional<Game> game = parseGame(field(GameColumn));
    if (!game) {
        reason = concat("game は numbers3, numbers4, miniloto のどれかです（「", field(GameColumn), "」）");
        return std::nullopt;
    }
    ticket.game = *game;
    const std::optional<TicketKind> kind = parseKind(*game, field(Kind));
    if (!kind) {
        reason = concat(gameLabel(*game), "に「", field(Kind), "」という種類の券はありません");
        return std::nullopt;
    }
    ticket.kind = *kind;
    const Parsed numbers = parseNumbers(*game, field(Numbers));
    if (!numbers.numbers) {
        reason = numbers.refusal;
        return std::nullopt;
    }
    ticket.numbers = *numbers.numbers;
    for (const auto& [column, value, name] : { std::tuple { First, &ticket.firstDraw, "first" },
             std::tuple { Units, &ticket.units, "units" }, std::tuple { Draws, &ticket.draws, "draws" } }) {
        if (column != First && field(column).empty())
            continue;
        const std::optional<int> number = wholeNumber(field(column));
        if (!number) {
            reason = concat(name, " は整数です（「", field(column), "」）");
            return std::nullopt;
        }
        *value = *number;
    }
    ticket.memo = std::string(field(Memo));
    ticket.entered = std::string(field(Entered));
    if (!ticket.entered.empty() && !isEntryTime(ticket.entered)) {
        reason = concat("entered は「YYYY-MM-DD HH:MM:SS」の日時です（「", ticket.entered, "」）");
        return std::nullopt;
    }
    if (const std::optional<std::string> refused = refusal(ticket)) {
        reason = *refused;
        return std::nullopt;
    }
    return ticket;
}

} // namespace

std::string writeCsv(std::span<const Ticket> tickets)
{
    std::string out;
    csv::appendRecord(out, std::vector<std::string>(kColumns.begin(), kColumns.end()));
    for (const Ticket& t : tickets) {
        csv::appendRecord(out,
            { std::to_string(t.id), std::string(gameName(t.game)), std::string(kindName(t.game, t.kind)),
                numbersText(t.game, t.numbers), std::to_string(t.units), std::to_string(t.firstDraw),
                std::to_string(t.draws), t.memo, t.entered });
    }
    return out;
}

CsvTickets readCsv(std::string_view text)
{
    CsvTickets result;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    const csv::Records records = csv::splitRecords(text, kColumns.size() * 4);
    if (records.problem) {
        result.problems.push_back({ records.problem->line, concat("CSVとして読めません: ", records.problem->reason) });
        return result;
    }
    if (records.records.empty()) {
        result.problems.push_back({ 0, "見出しの行がありません" });
        return result;
    }
    std::array<std::optional<std::size_t>, kColumns.size()> at {};
    const csv::Record& header = records.records.front();
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const auto found = std::find(kColumns.begin(), kColumns.end(), header.fields[i]);
        if (found != kColumns.end() && !at[static_cast<std::size_t>(found - kColumns.begin())])
            at[static_cast<std::size_t>(found - kColumns.begin())] = i;
    }
    for (const Column column : kNeeded) {
        if (!at[column])
            result.problems.push_back({ header.line, concat("見出しに ", kColumns[column], " の列がありません") });
    }
    if (!result.problems.empty())
        return result;
    for (std::size_t r = 1; r < records.records.size(); ++r) {
        std::string reason;
        if (std::optional<Ticket> ticket = ticketOf(at, records.records[r], reason))
            result.tickets.push_back(std::move(*ticket));
        else
            result.problems.push_back({ records.records[r].line, std::move(reason) });
    }
    if (!result.problems.empty())
        result.tickets.clear();
    return result;
}

std::string describe(const RowProblem& problem)
{
    return problem.line == 0 ? problem.reason : concat(std::to_string(problem.line), "行目: ", problem.reason);
}

bool isEntryTime(std::string_view text)
{
    if (text.size() != 19 || text[10] != ' ' || !csv::isDate(text.substr(0, 10)))
        return false;
    const auto two = [&](std::size_t at, int most) {
        const std::optional<int> n = wholeNumber(text.substr(at, 2));
        return n && *n >= 0 && *n <= most && text[at] >= '0';
    };
    return two(11, 23) && text[13] == ':' && two(14, 59) && text[16] == ':' && two(17, 59);
}

} // namespace zelpo::tickets

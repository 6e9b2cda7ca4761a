// SPDX-License-Identifier: MIT
// The statement and clause builders: any field texts in; either refused, or a
// statement that SQLite's own parser accepts and whose typed texts stay inside
// their quotes.
//
// SQLite itself is the judge. Every statement is prepared on an in-memory
// database holding the three tables; it must be one statement without
// parameters, and touch the same tables and columns (as SQLite's authorizer
// reports them) as the same builder fed harmless values. Then it is run: a
// search must return exactly the draws its inputs describe, and an INSERT or
// UPDATE must store exactly what was typed, in the one row it names, and
// nothing else. Text that got out of its quotes could not pass all three.
#include "cores/entry/editing.h"
#include "cores/entry/registration.h"
#include "cores/miniloto/registration.h"
#include "cores/miniloto/search.h"
#include "cores/numbers3/search.h"
#include "cores/numbers4/search.h"
#include "data/db/schema.h"
#include "data/entry/henkoudata.h"
#include "data/miniloto/minilotodata.h"
#include "data/numbers3/numbers3data.h"
#include "data/numbers4/numbers4data.h"
#include "require.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace zelpo;
using fuzz::require;

constexpr int kRows = 200; // draws 1..200 in every table
constexpr std::size_t kLongestText = 48;

// ---- Stored draws ------------------------------------------------------------

struct StoredDraw {
    std::int64_t kaisai = 0;
    std::vector<int> numbers;
};

// The same pseudo-random draws every run, so that searches have hits.
std::vector<StoredDraw> storedDraws(Game game)
{
    std::uint32_t state = 12345u + static_cast<std::uint32_t>(game);
    const auto next = [&state](int modulus) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(modulus));
    };
    std::vector<StoredDraw> draws;
    for (int kaisai = 1; kaisai <= kRows; ++kaisai) {
        StoredDraw draw { kaisai, {} };
        if (game == Game::MiniLoto) {
            while (draw.numbers.size() < 5) {
                const int number = 1 + next(31);
                if (std::find(draw.numbers.begin(), draw.numbers.end(), number) == draw.numbers.end())
                    draw.numbers.push_back(number);
            }
        } else {
            const int count = game == Game::Numbers3 ? 3 : 4;
            for (int i = 0; i < count; ++i)
                draw.numbers.push_back(next(10));
        }
        draws.push_back(std::move(draw));
    }
    return draws;
}

std::string tableText(Game game)
{
    return db::tableName(game).toStdString();
}

// ---- The database --------------------------------------------------------------

using Cells = std::vector<std::string>; // "i:5", "t:text", "r:1.5", "n"; "*" in an expectation matches anything
using Dump = std::map<std::int64_t, Cells>;

class Database {
public:
    Database()
    {
        require(sqlite3_open(":memory:", &m_db) == SQLITE_OK, "an in-memory database opens");
        for (const Game game : kGames) {
            exec(db::createTableStatement(game).toStdString());
            for (const StoredDraw& draw : storedDraws(game)) {
                std::string sql = "INSERT INTO " + tableText(game) + " VALUES (" + std::to_string(draw.kaisai);
                for (const int number : draw.numbers)
                    sql += ',' + std::to_string(number);
                for (int k = 1; k <= 5; ++k)
                    sql += ",'p" + std::to_string(draw.kaisai) + '-' + std::to_string(k) + '\'';
                exec(sql + ",' ')");
            }
        }
    }
    ~Database() { sqlite3_close(m_db); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const std::string& sql)
    {
        char* error = nullptr;
        const int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error);
        const std::string detail = sql + '\n' + (error ? error : "");
        sqlite3_free(error);
        require(rc == SQLITE_OK, "a statement of the harness runs", detail);
    }

    // Prepares the builder's statement; what SQLite's authorizer was asked
    // while compiling it is left in `access`.
    sqlite3_stmt* prepare(const std::string& sql, std::vector<std::string>& access)
    {
        access.clear();
        sqlite3_set_authorizer(m_db, &Database::authorize, &access);
        sqlite3_stmt* statement = nullptr;
        const char* tail = nullptr;
        const int rc = sqlite3_prepare_v2(m_db, sql.data(), static_cast<int>(sql.size()), &statement, &tail);
        sqlite3_set_authorizer(m_db, nullptr, nullptr);
        require(
            rc == SQLITE_OK && statement, "SQLite's parser accepts the statement", sql + '\n' + sqlite3_errmsg(m_db));
        const std::string_view rest(tail, static_cast<std::size_t>(sql.data() + sql.size() - tail));
        require(rest.find_first_not_of(" \t\r\n") == std::string_view::npos, "the text is one statement", sql);
        require(sqlite3_bind_parameter_count(statement) == 0, "the statement has no parameters", sql);
        return statement;
    }

    // Every row of the table by draw number, each cell typed.
    Dump dump(Game game)
    {
        std::vector<std::string> access;
        sqlite3_stmt* statement = prepare("SELECT rowid,* FROM " + tableText(game), access);
        Dump rows;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            Cells cells;
            for (int c = 1; c < sqlite3_column_count(statement); ++c)
                cells.push_back(cell(statement, c));
            rows.emplace(sqlite3_column_int64(statement, 0), std::move(cells));
        }
        sqlite3_finalize(statement);
        return rows;
    }

    static std::string cell(sqlite3_stmt* statement, int column)
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        const std::string value(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
        switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return "i:" + value;
        case SQLITE_FLOAT:
            return "r:" + value;
        case SQLITE_TEXT:
            return "t:" + value;
        case SQLITE_NULL:
            return "n";
        default:
            return "b:" + value;
        }
    }

    sqlite3* handle() const { return m_db; }

private:
    static int authorize(void* log, int action, const char* a, const char* b, const char* c, const char* d)
    {
        std::string entry = std::to_string(action);
        for (const char* part : { a, b, c, d })
            entry += std::string("|") + (part ? part : "");
        static_cast<std::vector<std::string>*>(log)->push_back(std::move(entry));
        return SQLITE_OK;
    }

    sqlite3* m_db = nullptr;
};

Database& database()
{
    static Database instance;
    return instance;
}

// ---- Checks ------------------------------------------------------------------

// The value of a run of ASCII digits, when it fits in 64 bits.
std::optional<std::int64_t> digitValue(std::string_view text)
{
    std::int64_t value = 0;
    for (const char c : text) {
        if (value > (INT64_MAX - (c - '0')) / 10)
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::int64_t> integerValue(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const std::optional<std::int64_t> value = digitValue(text);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

bool isDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return isDigits(text);
}

// SQL text ends at a NUL character: no quoted value can hold one.
bool quotable(const std::string& text)
{
    return text.find('\0') == std::string::npos;
}

std::string utf8(QStringView text)
{
    return text.toString().toStdString();
}

// The statement as the query procedure runs a reader's clause.
std::string readerStatement(QStringView fixedSql, const std::string& where)
{
    return "SELECT * FROM (" + utf8(fixedSql) + where + ") ORDER BY kaisai";
}

// Prepares both statements and compares what they touch.
sqlite3_stmt* prepareLike(const std::string& sql, const std::string& harmless)
{
    std::vector<std::string> expected;
    sqlite3_finalize(database().prepare(harmless, expected));
    std::vector<std::string> access;
    sqlite3_stmt* statement = database().prepare(sql, access);
    require(access == expected, "the statement touches what the harmless one touches", sql + "\nvs\n" + harmless);
    return statement;
}

// A reader: its rows' draw numbers must be exactly those `admits` picks.
void checkReader(Game game, const std::string& sql, const std::string& harmless,
    const std::function<bool(const StoredDraw&)>& admits)
{
    sqlite3_stmt* statement = prepareLike(sql, harmless);
    std::vector<std::int64_t> found;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
        found.push_back(sqlite3_column_int64(statement, 0));
    sqlite3_finalize(statement);
    require(rc == SQLITE_DONE, "the query runs", sql + '\n' + sqlite3_errmsg(database().handle()));

    std::vector<std::int64_t> expected;
    for (const StoredDraw& draw : storedDraws(game)) {
        if (admits(draw))
            expected.push_back(draw.kaisai);
    }
    require(found == expected, "the query returns the draws its inputs describe", sql);
}

// A writer, run inside a transaction that is rolled back: when the engine
// takes it, the table must be `expect(before)`; when it refuses, unchanged.
// `mustRun` says the engine has no reason to refuse.
void checkWriter(Game game, const std::string& sql, const std::string& harmless,
    const std::function<void(Dump&)>& expect, bool mustRun)
{
    Database& db = database();
    db.exec("BEGIN");
    const Dump before = db.dump(game);
    sqlite3_stmt* statement = prepareLike(sql, harmless);
    const int rc = sqlite3_step(statement);
    const std::string error = sqlite3_errmsg(db.handle());
    sqlite3_finalize(statement);
    const Dump after = db.dump(game);
    db.exec("ROLLBACK");

    require(!mustRun || rc == SQLITE_DONE, "the statement runs", sql + '\n' + error);
    Dump expected = before;
    if (rc == SQLITE_DONE)
        expect(expected);
    bool same = after.size() == expected.size();
    auto e = expected.cbegin();
    for (auto a = after.cbegin(); same && a != after.cend(); ++a, ++e) {
        same = a->first == e->first && a->second.size() == e->second.size();
        for (std::size_t c = 0; same && c < a->second.size(); ++c)
            same = e->second[c] == "*" || e->second[c] == a->second[c];
    }
    require(same, "the statement stores what was typed, where it was meant to, and nothing else", sql);
}

std::string text(std::string_view typed)
{
    return "t:" + std::string(typed);
}

// A bare number as SQLite stores it in an INTEGER column.
std::string number(std::string_view digits)
{
    const std::optional<std::int64_t> value = digitValue(digits);
    return value && digits.size() <= 18 ? "i:" + std::to_string(*value) : "*";
}

// ---- The builders ------------------------------------------------------------

struct Input {
    explicit Input(FuzzedDataProvider& provider)
        : m_provider(provider)
    {
    }
    std::string next() { return m_provider.ConsumeRandomLengthString(kLongestText); }

private:
    FuzzedDataProvider& m_provider;
};

db::SearchKind searchKind(int code)
{
    return code == 0 ? db::SearchKind::None : code == 1 ? db::SearchKind::Straight : db::SearchKind::Box;
}

// True when `draw` holds the given digits in different positions, in any order.
bool holdsInAnyOrder(const std::vector<int>& draw, const std::vector<int>& given)
{
    std::vector<bool> used(draw.size(), false);
    const std::function<bool(std::size_t)> place = [&](std::size_t g) {
        if (g == given.size())
            return true;
        for (std::size_t p = 0; p < draw.size(); ++p) {
            if (used[p] || draw[p] != given[g])
                continue;
            used[p] = true;
            if (place(g + 1))
                return true;
            used[p] = false;
        }
        return false;
    };
    return place(0);
}

void checkNumbersSearch(Game game, db::SearchKind kind, const std::vector<std::string>& typed)
{
    const bool four = game == Game::Numbers4;
    const auto build = [&](const std::vector<std::string>& inputs) {
        return four ? numbers4::searchClause(kind, inputs[0], inputs[1], inputs[2], inputs[3])
                    : numbers3::searchClause(kind, inputs[0], inputs[1], inputs[2]);
    };
    const db::SearchClause clause = build(typed);
    const bool anyGiven = std::any_of(typed.begin(), typed.end(), [](const std::string& t) { return !t.empty(); });
    const bool allGiven = std::all_of(typed.begin(), typed.end(), [](const std::string& t) { return !t.empty(); });
    const bool wellTyped = std::all_of(
        typed.begin(), typed.end(), [](const std::string& t) { return t.empty() || (t.size() == 1 && isDigits(t)); });

    if (kind == db::SearchKind::None || !anyGiven || (four && kind == db::SearchKind::Box && !allGiven)) {
        require(clause.isMessage() && !clause.text().empty(), "an incomplete search shows a message");
        return;
    }
    if (!wellTyped) {
        require(clause.isRefused(), "a search with anything but a digit is refused", clause.text());
        return;
    }
    require(clause.isWhere(), "a search with digits gives a clause");

    std::vector<std::string> harmless;
    std::vector<int> given;
    std::vector<int> byPosition;
    for (const std::string& t : typed) {
        harmless.push_back(t.empty() ? "" : "1");
        byPosition.push_back(t.empty() ? -1 : t[0] - '0');
        if (!t.empty())
            given.push_back(t[0] - '0');
    }
    const QStringView fixedSql = four ? numbers4::kSearchSql : numbers3::kSearchSql;
    checkReader(game, readerStatement(fixedSql, clause.text()), readerStatement(fixedSql, build(harmless).text()),
        [&](const StoredDraw& draw) {
            if (kind == db::SearchKind::Box)
                return holdsInAnyOrder(draw.numbers, given);
            for (std::size_t p = 0; p < byPosition.size(); ++p) {
                if (byPosition[p] >= 0 && draw.numbers[p] != byPosition[p])
                    return false;
            }
            return true;
        });
}

void checkMiniLotoSearch(const std::array<std::string, 5>& typed)
{
    const auto build = [](const std::array<std::string, 5>& inputs) {
        return miniloto::searchClause({ inputs[0], inputs[1], inputs[2], inputs[3], inputs[4] });
    };
    const db::SearchClause clause = build(typed);
    if (std::any_of(typed.begin(), typed.end(), [](const std::string& t) { return t.empty(); })) {
        require(clause.isMessage(), "a Mini Loto search needs all five numbers");
        return;
    }
    if (!std::all_of(typed.begin(), typed.end(), [](const std::string& t) { return t.size() <= 2 && isDigits(t); })) {
        require(clause.isRefused(), "a Mini Loto search with anything but numbers is refused", clause.text());
        return;
    }
    require(clause.isWhere(), "a Mini Loto search with five numbers gives a clause");
    std::vector<int> given;
    for (const std::string& t : typed)
        given.push_back(static_cast<int>(*digitValue(t)));
    const std::array<std::string, 5> harmless { "1", "2", "3", "4", "5" };
    checkReader(Game::MiniLoto, readerStatement(miniloto::kSearchSql, clause.text()),
        readerStatement(miniloto::kSearchSql, build(harmless).text()), [&](const StoredDraw& draw) {
            return std::all_of(draw.numbers.begin(), draw.numbers.end(),
                [&](int n) { return std::find(given.begin(), given.end(), n) != given.end(); });
        });
}

// The rows a draw-number query admits: the one stored under that number.
std::function<bool(const StoredDraw&)> drawNumbered(std::optional<std::int64_t> kaisai)
{
    return [kaisai](const StoredDraw& draw) { return kaisai && draw.kaisai == *kaisai; };
}

void checkStoredDrawQuery(Game game, const std::string& kaisai)
{
    const std::optional<std::string> sql = game == Game::MiniLoto
        ? miniloto::storedDrawQuery(kaisai)
        : entry::storedDrawQuery(
            game == Game::Numbers3 ? entry::NumbersGame::Numbers3 : entry::NumbersGame::Numbers4, kaisai);
    require(sql.has_value() == isDigits(kaisai), "a draw query is built exactly for a draw number of digits", kaisai);
    if (!sql)
        return;
    const std::string harmless = game == Game::MiniLoto
        ? *miniloto::storedDrawQuery("1")
        : *entry::storedDrawQuery(
            game == Game::Numbers3 ? entry::NumbersGame::Numbers3 : entry::NumbersGame::Numbers4, "1");
    checkReader(game, *sql, harmless, drawNumbered(digitValue(kaisai)));
}

// The row an INSERT must add: the draw number, the numbers bare, the texts.
void checkInsert(Game game, const std::optional<std::string>& sql, const std::string& harmless,
    const std::string& kaisai, const std::vector<std::string>& numbers, const std::vector<std::string>& texts)
{
    const std::optional<std::int64_t> key = digitValue(kaisai);
    const bool free = key && (*key < 1 || *key > kRows);
    checkWriter(
        game, *sql, harmless,
        [&](Dump& rows) {
            require(key.has_value(), "a row is stored only under a draw number SQLite can key");
            Cells cells { "i:" + std::to_string(*key) };
            for (const std::string& n : numbers)
                cells.push_back(number(n));
            for (const std::string& t : texts)
                cells.push_back(text(t));
            cells.push_back(text(" "));
            rows[*key] = cells;
        },
        free);
}

void checkNumbersInsert(Game game, const entry::NumbersDraw& draw)
{
    const auto which = game == Game::Numbers3 ? entry::NumbersGame::Numbers3 : entry::NumbersGame::Numbers4;
    const std::optional<std::string> sql = entry::insertStatement(which, draw);
    const bool writable = isDigits(draw.kaisai) && draw.digits.size() == entry::digitCount(which)
        && std::all_of(draw.digits.begin(), draw.digits.end(), [](const std::string& d) { return isDigits(d); })
        && std::all_of(draw.predictions.begin(), draw.predictions.end(), quotable);
    require(sql.has_value() == writable, "a registration is built exactly when its bare values are digits");
    if (!sql)
        return;
    entry::NumbersDraw harmless { "1", std::vector<std::string>(draw.digits.size(), "1"), {} };
    harmless.predictions.fill("x");
    checkInsert(game, sql, *entry::insertStatement(which, harmless), draw.kaisai, draw.digits,
        { draw.predictions.begin(), draw.predictions.end() });
}

void checkMiniLotoInsert(const miniloto::DrawEntry& entry)
{
    const std::optional<std::string> sql = miniloto::insertStatement(entry);
    const bool writable = isDigits(entry.kaisai)
        && std::all_of(entry.numbers.begin(), entry.numbers.end(), [](const std::string& n) { return isDigits(n); })
        && quotable(entry.bonus) && std::all_of(entry.predictions.begin(), entry.predictions.end(), quotable);
    require(sql.has_value() == writable, "a Mini Loto registration is built exactly when its bare values are digits");
    if (!sql)
        return;
    miniloto::DrawEntry harmless { "1", { "1", "2", "3", "4", "5" }, "x", { "x", "x", "x", "x" } };
    std::vector<std::string> texts { entry.bonus };
    texts.insert(texts.end(), entry.predictions.begin(), entry.predictions.end());
    checkInsert(Game::MiniLoto, sql, *miniloto::insertStatement(harmless), entry.kaisai,
        { entry.numbers.begin(), entry.numbers.end() }, texts);
}

entry::EditedGame edited(Game game)
{
    return game == Game::Numbers3 ? entry::EditedGame::Numbers3
        : game == Game::Numbers4  ? entry::EditedGame::Numbers4
                                  : entry::EditedGame::MiniLoto;
}

void checkDrawClause(Game game, const std::string& drawNumber)
{
    const std::optional<std::string> clause = entry::drawClause(drawNumber);
    require(clause.has_value() == isInteger(drawNumber), "the editor's clause is built exactly for an integer");
    if (!clause)
        return;
    const QStringView fixedSql = game == Game::Numbers3 ? entry::kNumbers3DrawSql
        : game == Game::Numbers4                        ? entry::kNumbers4DrawSql
                                                        : entry::kMiniLotoDrawSql;
    checkReader(game, readerStatement(fixedSql, *clause), readerStatement(fixedSql, *entry::drawClause("1")),
        drawNumbered(integerValue(drawNumber)));
}

void checkUpdate(Game game, const entry::EditorFields& fields)
{
    const entry::EditedGame which = edited(game);
    const entry::Update update = entry::buildUpdate(which, fields);
    const auto count = static_cast<std::size_t>(entry::numberFieldCount(which));
    const auto length = static_cast<std::size_t>(entry::numberFieldLength(which));
    const bool miniLoto = game == Game::MiniLoto;

    // A number the game cannot have counts as not filled in.
    const auto gameNumber = [&](const std::string& n) {
        if (!isDigits(n) || n.size() > length)
            return false;
        return !miniLoto || (*digitValue(n) >= 1 && *digitValue(n) <= 31);
    };
    const bool missing
        = !std::all_of(fields.numbers.begin(), fields.numbers.begin() + static_cast<std::ptrdiff_t>(count), gameNumber)
        || (miniLoto && fields.purchases[0].empty());
    const bool writable
        = isInteger(fields.drawNumber) && std::all_of(fields.purchases.begin(), fields.purchases.end(), quotable);
    const entry::SaveCheck expected = missing ? entry::SaveCheck::MissingField
        : writable                            ? entry::SaveCheck::Ready
                                              : entry::SaveCheck::Unwritable;
    require(update.check == expected, "the editor's save check");
    if (update.check != entry::SaveCheck::Ready)
        return;

    entry::EditorFields harmless;
    harmless.numbers.fill("1");
    harmless.purchases.fill("x");
    harmless.drawNumber = "1";
    const std::optional<std::int64_t> key = integerValue(fields.drawNumber);
    checkWriter(
        game, update.sql, entry::buildUpdate(which, harmless).sql,
        [&](Dump& rows) {
            if (!key || rows.count(*key) == 0)
                return;
            Cells& cells = rows[*key];
            for (std::size_t i = 0; i < count; ++i)
                cells[1 + i] = number(fields.numbers[i]);
            for (std::size_t k = 0; k < 5; ++k) {
                const std::string& typed = fields.purchases[k];
                cells[1 + count + k] = text(typed.empty() ? "\u3000" : typed);
            }
            cells[1 + count + 5] = text(" ");
        },
        true);
}

Game gameOf(int code)
{
    return code == 0 ? Game::Numbers3 : code == 1 ? Game::Numbers4 : Game::MiniLoto;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const int builder = provider.ConsumeIntegralInRange(0, 8);
    const int option = provider.ConsumeIntegralInRange(0, 5);
    Input input(provider);

    switch (builder) {
    case 0:
    case 1: {
        const Game game = builder == 0 ? Game::Numbers3 : Game::Numbers4;
        std::vector<std::string> typed(game == Game::Numbers3 ? 3 : 4);
        for (std::string& t : typed)
            t = input.next();
        checkNumbersSearch(game, searchKind(option % 3), typed);
        break;
    }
    case 2: {
        std::array<std::string, 5> typed;
        for (std::string& t : typed)
            t = input.next();
        checkMiniLotoSearch(typed);
        break;
    }
    case 3: {
        const Game game = gameOf(option % 2);
        entry::NumbersDraw draw;
        draw.kaisai = input.next();
        // Usually the game's own count, sometimes one off.
        const int count = (game == Game::Numbers3 ? 3 : 4) + (option / 2) - 1;
        for (int i = 0; i < count; ++i)
            draw.digits.push_back(input.next());
        for (std::string& p : draw.predictions)
            p = input.next();
        checkNumbersInsert(game, draw);
        break;
    }
    case 4:
        checkStoredDrawQuery(gameOf(option % 3), input.next());
        break;
    case 5: {
        miniloto::DrawEntry entry;
        entry.kaisai = input.next();
        for (std::string& n : entry.numbers)
            n = input.next();
        entry.bonus = input.next();
        for (std::string& p : entry.predictions)
            p = input.next();
        checkMiniLotoInsert(entry);
        break;
    }
    case 6:
        checkDrawClause(gameOf(option % 3), input.next());
        break;
    default: {
        entry::EditorFields fields;
        for (std::string& n : fields.numbers)
            n = input.next();
        for (std::string& p : fields.purchases)
            p = input.next();
        fields.drawNumber = input.next();
        checkUpdate(gameOf(option % 3), fields);
        break;
    }
    }
    return 0;
}

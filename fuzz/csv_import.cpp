// SPDX-License-Identifier: MIT
// The CSV reader as import uses it: any bytes, any encoding guess; either the
// draws or a problem on a line of the file. Every accepted file, written back
// as export writes it and read again, must give the same draws. Reading
// takes memory in proportion to the file, whatever its shape.
#include "cores/csv/records.h"
#include "data/db/transfer.h"
#include "require.h"

#include <sanitizer/allocator_interface.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

using namespace zelpo::db;
using zelpo::Game;
using zelpo::fuzz::require;

constexpr std::array kGames { Game::Numbers3, Game::Numbers4, Game::MiniLoto };

// ---- Memory held while reading ------------------------------------------------

// Live heap bytes, counted through the sanitizer's allocation hooks.
std::size_t g_live = 0;
std::size_t g_peak = 0;

void onMalloc(const volatile void* /*pointer*/, std::size_t size)
{
    g_live += size;
    g_peak = std::max(g_peak, g_live);
}

void onFree(const volatile void* pointer)
{
    g_live -= std::min(g_live, __sanitizer_get_allocated_size(pointer));
}

// What reading may hold at its peak: a fixed part (the table of draw numbers
// seen is 256 KiB), a few hundred bytes per accepted draw however short its
// row ("1,2,3,4"), and a small multiple of the file: 64 MB of any input must
// stay within a few hundred MB.
constexpr std::size_t kFixedBytes = 512 * 1024;
constexpr std::size_t kBytesPerDraw = 512;
constexpr std::size_t kBytesPerInputByte = 24;

std::string_view view(const QByteArray& bytes)
{
    return { bytes.constData(), static_cast<std::size_t>(bytes.size()) };
}

void checkProblem(const csv::Problem& problem, std::string_view text)
{
    require(!problem.reason.empty(), "a problem says what is wrong");
    require(
        problem.line <= csv::lineAt(text, text.size()), "a problem names a line of the file", csv::describe(problem));
}

void checkDraw(Game game, const csv::Draw& draw)
{
    require(draw.kaisai >= 1 && draw.kaisai <= csv::kHighestDraw, "an accepted draw number is 1 to 32767");
    const std::size_t count = static_cast<std::size_t>(numberColumns(game).size());
    const int low = game == Game::MiniLoto ? 1 : 0;
    const int high = game == Game::MiniLoto ? 31 : 9;
    for (std::size_t i = 0; i < count; ++i) {
        require(draw.numbers[i] >= low && draw.numbers[i] <= high, "an accepted number is in the game's range");
        if (game == Game::MiniLoto) {
            for (std::size_t j = 0; j < i; ++j)
                require(draw.numbers[j] != draw.numbers[i], "an accepted Mini Loto draw has five different numbers");
        }
    }
}

// The file export writes for these draws: the table's own header, then each
// draw in ascending draw order with every column.
std::string exported(Game game, std::vector<csv::Draw> draws)
{
    std::sort(draws.begin(), draws.end(), [](const csv::Draw& a, const csv::Draw& b) { return a.kaisai < b.kaisai; });
    std::vector<std::string> fields;
    for (const QString& column : columns(game))
        fields.push_back(column.toStdString());
    std::string text;
    csv::appendRecord(text, fields);
    const std::size_t count = static_cast<std::size_t>(numberColumns(game).size());
    for (const csv::Draw& draw : draws) {
        fields.clear();
        fields.push_back(std::to_string(draw.kaisai));
        for (std::size_t i = 0; i < count; ++i)
            fields.push_back(std::to_string(draw.numbers[i]));
        fields.insert(fields.end(), draw.kounyu.begin(), draw.kounyu.end());
        fields.emplace_back(" ");
        csv::appendRecord(text, fields);
    }
    return text;
}

void checkRoundTrip(Game game, const std::vector<csv::Draw>& draws)
{
    const std::string text = exported(game, draws);
    const DecodedText decoded = decodeText(QByteArray(text.data(), static_cast<qsizetype>(text.size())), std::nullopt);
    require(!decoded.problem, "an exported file decodes", decoded.problem ? csv::describe(*decoded.problem) : "");
    const csv::Draws again = csv::readDraws(csvTable(game), decoded.utf8);
    require(!again.problem, "an exported file reads back", again.problem ? csv::describe(*again.problem) : "");
    require(again.draws.size() == draws.size(), "an exported file reads back with every draw");

    std::vector<const csv::Draw*> sorted;
    for (const csv::Draw& draw : draws)
        sorted.push_back(&draw);
    std::sort(sorted.begin(), sorted.end(), [](const auto* a, const auto* b) { return a->kaisai < b->kaisai; });
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const csv::Draw& before = *sorted[i];
        const csv::Draw& after = again.draws[i];
        require(after.kaisai == before.kaisai && after.numbers == before.numbers && after.kounyu == before.kounyu,
            "an exported draw reads back as it was", "draw " + std::to_string(before.kaisai));
    }
}

void checkImport(Game game, const QByteArray& bytes, std::optional<csv::Encoding> encoding)
{
    const std::size_t before = g_live;
    g_peak = g_live;
    const DecodedText decoded = decodeText(bytes, encoding);
    if (decoded.problem) {
        checkProblem(*decoded.problem, view(bytes));
        return;
    }
    const csv::Draws read = csv::readDraws(csvTable(game), decoded.utf8);
    const std::size_t held = g_peak - before;
    const std::size_t bound
        = kFixedBytes + kBytesPerDraw * read.draws.size() + kBytesPerInputByte * static_cast<std::size_t>(bytes.size());
    require(held <= bound, "reading takes memory in proportion to the file",
        std::to_string(held) + " bytes held for a file of " + std::to_string(bytes.size()) + " bytes with "
            + std::to_string(read.draws.size()) + " draws");
    // What export warns about is exactly what import refuses, first fault first.
    const std::vector<csv::Problem> warned = csv::rowProblems(csvTable(game), decoded.utf8);
    if (read.problem) {
        require(read.draws.empty(), "a refused file gives no draws");
        checkProblem(*read.problem, decoded.utf8);
        require(!warned.empty() && warned.front() == *read.problem, "export warns first of the fault import refuses",
            csv::describe(*read.problem) + (warned.empty() ? "" : " vs " + csv::describe(warned.front())));
        return;
    }
    require(warned.empty(), "export warns of nothing in a file import accepts",
        warned.empty() ? "" : csv::describe(warned.front()));
    std::vector<bool> seen(csv::kHighestDraw + 1, false);
    for (const csv::Draw& draw : read.draws) {
        checkDraw(game, draw);
        require(!seen[static_cast<std::size_t>(draw.kaisai)], "an accepted file holds each draw once");
        seen[static_cast<std::size_t>(draw.kaisai)] = true;
    }
    checkRoundTrip(game, read.draws);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const Game game : kGames)
        checkImport(game, bytes, std::nullopt);
    // The encodings a user can name, on one table chosen by the input.
    const Game named = kGames[size % kGames.size()];
    checkImport(named, bytes, csv::Encoding::Utf8);
    checkImport(named, bytes, csv::Encoding::ShiftJis);
    return 0;
}

// SPDX-License-Identifier: MIT
#include "data/db/transfer.h"

#include "cores/csv/records.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QVariant>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zelpo::db {
namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

csv::Problem problem(std::size_t line, const char* reason)
{
    return csv::Problem { line, {}, reason };
}

// What one stored row says about a draw the file also has.
struct StoredDraw {
    bool readable = true;
    std::array<int, 5> numbers {};
    std::optional<int> bonus; // Mini Loto: kounyu1 when it holds a number from 1 to 31
};

// A draw's numbers as the game's window lists them: Numbers digits joined,
// Mini Loto numbers joined by "-" with the ten texts "0" to "9" given a zero.
QString numbersText(Game game, const std::array<int, 5>& numbers, std::optional<int> bonus)
{
    QString text;
    const int count = static_cast<int>(numberColumns(game).size());
    for (int i = 0; i < count; ++i) {
        const int number = numbers[static_cast<std::size_t>(i)];
        if (game == Game::MiniLoto) {
            if (i > 0)
                text += u'-';
            if (number >= 0 && number <= 9)
                text += u'0';
        }
        text += QString::number(number);
    }
    if (bonus)
        text += QStringLiteral(" bonus %1").arg(*bonus);
    return text;
}

// The five Mini Loto numbers as a set; nothing when one is outside 1 to 31.
std::optional<std::uint32_t> numberSet(const std::array<int, 5>& numbers)
{
    std::uint32_t set = 0;
    for (const int n : numbers) {
        if (n < 1 || n > 31)
            return std::nullopt;
        set |= std::uint32_t { 1 } << n;
    }
    return set;
}

bool sameDraw(Game game, const csv::Draw& draw, const StoredDraw& stored)
{
    if (!stored.readable)
        return false;
    if (game != Game::MiniLoto) {
        const auto count = static_cast<std::ptrdiff_t>(numberColumns(game).size());
        return std::equal(draw.numbers.begin(), draw.numbers.begin() + count, stored.numbers.begin());
    }
    if (draw.bonus && stored.bonus && *draw.bonus != *stored.bonus)
        return false;
    // The order of the five numbers is only the order they were typed in.
    const std::optional<std::uint32_t> theirs = numberSet(stored.numbers);
    return theirs && *theirs == numberSet(draw.numbers);
}

std::optional<int> storedBonus(const QVariant& value)
{
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    if (ok && number >= 1 && number <= 31)
        return number;
    return std::nullopt;
}

} // namespace

QString fullSelect(Game game)
{
    return QStringLiteral("SELECT %1 FROM %2 ").arg(columns(game).join(u','), tableName(game));
}

csv::Table csvTable(Game game)
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

InputBytes readInput(QIODevice& device)
{
    InputBytes result;
    constexpr qint64 kChunk = 1 << 20;
    constexpr auto kLargest = static_cast<qint64>(csv::kLargestInput);
    if (!device.isSequential() && device.size() > kLargest) {
        result.problem = csv::tooLarge(static_cast<std::size_t>(device.size()));
        return result;
    }
    if (!device.isSequential())
        result.bytes.reserve(device.size());
    for (;;) {
        const qint64 had = result.bytes.size();
        // One byte beyond the limit is enough to know the input is too large.
        const qint64 wanted = std::min(kChunk, kLargest + 1 - had);
        result.bytes.resize(had + wanted);
        const qint64 got = device.read(result.bytes.data() + had, wanted);
        if (got < 0) {
            result.bytes.clear();
            result.error = device.errorString();
            return result;
        }
        result.bytes.resize(had + got);
        if (result.bytes.size() > kLargest) {
            result.problem = csv::tooLarge(static_cast<std::size_t>(result.bytes.size()));
            result.bytes.clear();
            return result;
        }
        if (got == 0) // the end of a file, or a stream closed by its writer
            return result;
    }
}

namespace {

// The line of the first byte that does not belong to Shift_JIS. Line breaks
// are never part of a Shift_JIS character, so each line decodes on its own.
std::size_t firstBadShiftJisLine(std::string_view bytes)
{
    QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const QByteArrayView line(bytes.data() + start, static_cast<qsizetype>(end - start));
        const QString decoded = decoder.decode(line);
        if (decoder.hasError())
            return csv::lineAt(bytes, start);
        start = end + 1;
    }
    return 0;
}

} // namespace

DecodedText decodeText(const QByteArray& bytes, std::optional<csv::Encoding> encoding)
{
    DecodedText result;
    if (static_cast<std::size_t>(bytes.size()) > csv::kLargestInput) {
        result.problem = csv::tooLarge(static_cast<std::size_t>(bytes.size()));
        return result;
    }
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const csv::Encoding chosen = encoding.value_or(csv::detectEncoding(view));
    switch (chosen) {
    case csv::Encoding::Utf16:
        result.problem = problem(0, "the file is in UTF-16; save it as UTF-8 or Shift_JIS");
        return result;
    case csv::Encoding::Utf8: {
        const std::string_view text = view.substr(csv::utf8BomLength(view));
        if (const auto bad = csv::firstInvalidUtf8(text)) {
            result.problem = problem(csv::lineAt(text, *bad), "the text is not valid UTF-8");
            return result;
        }
        result.utf8.assign(text);
        return result;
    }
    case csv::Encoding::ShiftJis:
        break;
    }

    QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        result.problem = problem(0, "this build cannot read Shift_JIS; save the file as UTF-8");
        return result;
    }
    // In slices of whole lines (a line break is never part of a character),
    // each turned into UTF-8 at once: the whole text is never held as UTF-16.
    QStringEncoder encoder(QStringConverter::Utf8);
    constexpr qsizetype kSlice = 1 << 20;
    for (qsizetype at = 0, end = 0; at < bytes.size() && !decoder.hasError(); at = end) {
        end = at + kSlice < bytes.size() ? bytes.indexOf('\n', at + kSlice) : -1;
        end = end < 0 ? bytes.size() : end + 1;
        const QString slice = decoder.decode(QByteArrayView(bytes).sliced(at, end - at));
        const std::size_t had = result.utf8.size();
        result.utf8.resize(had + static_cast<std::size_t>(encoder.requiredSpace(slice.size())));
        char* written = encoder.appendToBuffer(result.utf8.data() + had, slice);
        result.utf8.resize(static_cast<std::size_t>(written - result.utf8.data()));
    }
    if (decoder.hasError()) {
        result.utf8.clear();
        const std::size_t line = firstBadShiftJisLine(view);
        result.problem = problem(line,
            encoding ? "the text is not valid Shift_JIS"
                     : "the text is neither UTF-8 nor Shift_JIS; name its encoding with --encoding");
        return result;
    }
    return result;
}

ImportResult importDraws(const QString& database, Game game, QByteArray bytes, std::optional<csv::Encoding> encoding)
{
    ImportResult result;
    DecodedText decoded = decodeText(bytes, encoding);
    // Each form of the text is let go as soon as the next one is made, so
    // that a large file is held about once while the database does its work.
    bytes = QByteArray();
    if (decoded.problem) {
        result.problem = std::move(decoded.problem);
        return result;
    }
    csv::Draws file = csv::readDraws(csvTable(game), decoded.utf8);
    decoded.utf8 = std::string();
    if (file.problem) {
        result.problem = std::move(file.problem);
        return result;
    }
    std::vector<csv::Draw>& draws = file.draws;
    std::sort(draws.begin(), draws.end(), [](const csv::Draw& a, const csv::Draw& b) { return a.kaisai < b.kaisai; });

    const QStringList& allColumns = columns(game);
    const QStringList numbers = numberColumns(game);
    const std::size_t numberCount = static_cast<std::size_t>(numbers.size());
    const QString table = tableName(game);

    int imported = 0;
    int alreadyStored = 0;
    int storedDraws = 0;
    int highestDraw = 0;
    QStringList conflicts;
    int conflictCount = 0;

    result.status = write(database, fullSelect(game), QString(), [&](Writer& writer) {
        // Draw number -> its place in `draws`; the file holds each number once.
        std::vector<int> indexOf(csv::kHighestDraw + 1, -1);
        for (std::size_t i = 0; i < draws.size(); ++i)
            indexOf[static_cast<std::size_t>(draws[i].kaisai)] = static_cast<int>(i);
        enum class Seen : char { No, Same, Other };
        std::vector<Seen> seen(draws.size(), Seen::No);

        QSqlQuery stored
            = writer.prepare(QStringLiteral("SELECT kaisai,%1,kounyu1 FROM %2").arg(numbers.join(u','), table));
        writer.exec(stored);
        while (stored.next()) {
            // A draw number the readers cannot read is not a stored draw.
            const int kaisai = integerValue(stored.value(0)).value_or(0);
            if (kaisai <= 0)
                continue;
            ++storedDraws;
            highestDraw = std::max(highestDraw, kaisai);
            if (kaisai > csv::kHighestDraw || indexOf[static_cast<std::size_t>(kaisai)] < 0)
                continue;
            const auto index = static_cast<std::size_t>(indexOf[static_cast<std::size_t>(kaisai)]);
            StoredDraw row;
            for (std::size_t i = 0; i < numberCount; ++i) {
                const QVariant value = stored.value(static_cast<int>(i + 1));
                bool readable = false;
                row.numbers[i] = value.isNull() ? 0 : value.toString().trimmed().toInt(&readable);
                row.readable = row.readable && readable;
            }
            if (game == Game::MiniLoto)
                row.bonus = storedBonus(stored.value(static_cast<int>(numberCount + 1)));

            const csv::Draw& draw = draws[index];
            if (sameDraw(game, draw, row)) {
                if (seen[index] == Seen::No)
                    seen[index] = Seen::Same;
                continue;
            }
            if (seen[index] == Seen::Other)
                continue;
            seen[index] = Seen::Other;
            if (++conflictCount <= kConflictsReported) {
                const QString was = row.readable ? numbersText(game, row.numbers, draw.bonus ? row.bonus : std::nullopt)
                                                 : QStringLiteral("numbers that are not readable");
                conflicts << QStringLiteral("draw %1 is stored with %2, line %3 of the file has %4")
                                 .arg(kaisai)
                                 .arg(was)
                                 .arg(draw.line)
                                 .arg(numbersText(game, draw.numbers, draw.bonus));
            }
        }
        stored.finish();
        if (conflictCount > 0)
            writer.refuse(
                Failure::Duplicate, QStringLiteral("%1 draws are stored with other numbers").arg(conflictCount));

        QStringList marks;
        for (qsizetype i = 0; i < allColumns.size(); ++i)
            marks << QStringLiteral("?");
        QSqlQuery insert = writer.prepare(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, allColumns.join(u','), marks.join(u',')));
        const QString atari = QStringLiteral(" ");
        for (std::size_t i = 0; i < draws.size(); ++i) {
            if (seen[i] == Seen::Same) {
                ++alreadyStored;
                continue;
            }
            csv::Draw& draw = draws[i];
            int column = 0;
            insert.bindValue(column++, draw.kaisai);
            for (std::size_t n = 0; n < numberCount; ++n)
                insert.bindValue(column++, draw.numbers[n]);
            for (std::string& kounyu : draw.kounyu) {
                insert.bindValue(column++, fromUtf8(kounyu));
                kounyu = std::string(); // bound; not needed again
            }
            insert.bindValue(column, atari);
            writer.exec(insert);
            ++imported;
            ++storedDraws;
            highestDraw = std::max(highestDraw, draw.kaisai);
        }
        insert.finish();
    });

    result.conflicts = conflicts;
    result.conflictCount = conflictCount;
    if (result.status.ok()) {
        result.imported = imported;
        result.alreadyStored = alreadyStored;
        result.storedDraws = storedDraws;
        result.highestDraw = highestDraw;
    }
    return result;
}

ExportResult exportDraws(const QString& database, Game game)
{
    ExportResult result;
    const QStringList& allColumns = columns(game);
    const qsizetype integerColumns = 1 + numberColumns(game).size();

    std::vector<std::string> fields;
    for (const QString& column : allColumns)
        fields.push_back(column.toStdString());
    std::string text;
    csv::appendRecord(text, fields);

    int draws = 0;
    result.status = read(database, fullSelect(game), QString(), [&](const Row& row) {
        for (qsizetype i = 0; i < allColumns.size(); ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (i < integerColumns)
                fields[at] = std::to_string(row.integer(allColumns[i]));
            else
                fields[at] = row.text(allColumns[i]).toStdString();
        }
        csv::appendRecord(text, fields);
        ++draws;
    });
    if (result.status.ok()) {
        result.text = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
        result.draws = draws;
    }
    return result;
}

} // namespace zelpo::db

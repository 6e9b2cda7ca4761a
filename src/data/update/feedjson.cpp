// SPDX-License-Identifier: MIT
#include "data/update/feedjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <limits>

namespace zelpo::update {

namespace {

constexpr qsizetype kLargestFeed = 64 * 1024 * 1024;

// A value as JSON writes it, short, for messages.
QString shown(const QJsonValue& value)
{
    QString text;
    if (value.isString())
        text = QLatin1Char('"') + value.toString() + QLatin1Char('"');
    else if (value.isUndefined())
        text = QStringLiteral("nothing");
    else
        text = QString::fromUtf8(QJsonDocument(QJsonArray { value }).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
    return text.size() > 40 ? text.left(40) + QStringLiteral("…") : text;
}

std::optional<qint64> wholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const qint64 sentinel = std::numeric_limits<qint64>::min();
    const qint64 whole = value.toInteger(sentinel);
    if (whole == sentinel)
        return std::nullopt;
    return whole;
}

class EntryReader {
public:
    EntryReader(Game game, const QJsonObject& entry, qsizetype index)
        : m_game(game)
        , m_entry(entry)
        , m_where(QStringLiteral("entry %1").arg(index + 1))
    {
    }

    std::optional<PublishedDraw> read(QString& error)
    {
        PublishedDraw draw;
        draw.game = m_game;
        if (!readNumber(draw) || !readGame() || !readDate(draw) || !readDigits(draw) || !readPrize(draw)) {
            error = m_error;
            return std::nullopt;
        }
        return draw;
    }

private:
    bool fail(QString what)
    {
        m_error = m_where + QStringLiteral(": ") + what;
        return false;
    }

    bool readNumber(PublishedDraw& draw)
    {
        const QJsonValue value = m_entry.value(QLatin1String("draw_no"));
        const std::optional<qint64> number = wholeNumber(value);
        if (!number || *number < 1 || *number > kHighestDraw)
            return fail(
                QStringLiteral("draw_no %1 is not a draw number from 1 to %2").arg(shown(value)).arg(kHighestDraw));
        draw.kaisai = static_cast<int>(*number);
        m_where = QStringLiteral("draw %1").arg(draw.kaisai);
        return true;
    }

    bool readGame()
    {
        const QJsonValue value = m_entry.value(QLatin1String("game"));
        if (value.isUndefined() || value == QJsonValue(gameKey(m_game)))
            return true;
        return fail(QStringLiteral("wrong game: the file holds %1 draws, not %2").arg(shown(value), gameKey(m_game)));
    }

    bool readDate(PublishedDraw& draw)
    {
        const QJsonValue date = m_entry.value(QLatin1String("date"));
        const QJsonValue drawDate = m_entry.value(QLatin1String("draw_date"));
        if (!date.isUndefined() && !drawDate.isUndefined() && date != drawDate)
            return fail(QStringLiteral("date %1 and draw_date %2 differ").arg(shown(date), shown(drawDate)));
        const QJsonValue value = date.isUndefined() ? drawDate : date;
        const QString text = value.toString();
        draw.date = QDate::fromString(text, Qt::ISODate);
        if (!value.isString() || text.size() != 10 || !draw.date.isValid())
            return fail(QStringLiteral("date %1 is not a date (YYYY-MM-DD)").arg(shown(value)));
        return true;
    }

    bool readDigits(PublishedDraw& draw)
    {
        const QJsonValue digits = m_entry.value(QLatin1String("digits"));
        const QJsonObject result = m_entry.value(QLatin1String("result")).toObject();
        const QJsonValue values = result.value(QLatin1String("values"));
        if (!digits.isUndefined() && !values.isUndefined() && digits != values)
            return fail(QStringLiteral("digits and result.values differ"));
        const QJsonValue value = digits.isUndefined() ? values : digits;
        if (!value.isArray())
            return fail(QStringLiteral("the winning digits are missing"));
        QString display;
        for (const QJsonValue& element : value.toArray()) {
            const std::optional<qint64> digit = wholeNumber(element);
            if (!digit || *digit < 0 || *digit > 9)
                return fail(QStringLiteral("%1 is not a digit from 0 to 9").arg(shown(element)));
            draw.numbers.push_back(static_cast<int>(*digit));
            display += QString::number(*digit);
        }
        const int expected = numberCount(m_game);
        if (draw.numbers.size() != static_cast<std::size_t>(expected)) {
            return fail(QStringLiteral("wrong game: %1 digits, where a %2 draw has %3")
                            .arg(draw.numbers.size())
                            .arg(gameTitle(m_game))
                            .arg(expected));
        }
        // The number as text, where the feed gives it too, must say the same.
        for (const QJsonValue& written :
            { m_entry.value(QLatin1String("winning_number")), result.value(QLatin1String("display")) }) {
            if (!written.isUndefined() && written != QJsonValue(display))
                return fail(
                    QStringLiteral("the number is written %1 but its digits are %2").arg(shown(written), display));
        }
        return true;
    }

    bool readPrize(PublishedDraw& draw)
    {
        const QJsonValue prize = m_entry.value(QLatin1String("prize"));
        if (prize.isUndefined() || prize.isNull())
            return true;
        if (!prize.isObject())
            return fail(QStringLiteral("prize %1 is not an object").arg(shown(prize)));
        const QJsonObject classes = prize.toObject();
        std::pair<const char*, Amount*> fields[] = {
            { "straight", &draw.payouts.straight },
            { "box", &draw.payouts.box },
            { "set_straight", &draw.payouts.setStraight },
            { "set_box", &draw.payouts.setBox },
            { "mini", &draw.payouts.mini },
        };
        for (const auto& [name, amount] : fields) {
            if (m_game == Game::Numbers4 && amount == &draw.payouts.mini)
                continue; // Numbers 4 has no mini class
            const QJsonValue value = classes.value(QLatin1String(name));
            if (value.isUndefined() || value.isNull())
                continue;
            const std::optional<qint64> yen = wholeNumber(value);
            if (!yen)
                return fail(QStringLiteral("prize %1 %2 is not whole yen").arg(QLatin1String(name), shown(value)));
            if (*yen != 0)
                *amount = *yen;
        }
        return true;
    }

    Game m_game;
    const QJsonObject& m_entry;
    QString m_where;
    QString m_error;
};

} // namespace

bool looksLikeJson(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    for (const char c : view) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        return c == '[' || c == '{';
    }
    return false;
}

Parsed parseFeedJson(Game game, const QByteArray& bytes)
{
    if (game == Game::MiniLoto)
        return failed(QStringLiteral("wrong game: the JSON feed carries Numbers 3 and Numbers 4 draws only"));
    if (bytes.size() > kLargestFeed)
        return failed(QStringLiteral("the file is larger than %1 bytes").arg(kLargestFeed));
    QJsonParseError parseError;
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (document.isNull()) {
        return failed(
            QStringLiteral("not valid JSON: %1 at byte %2").arg(parseError.errorString()).arg(parseError.offset + 1));
    }
    QJsonArray entries;
    if (document.isObject()) {
        if (document.object().contains(QLatin1String("latest_draw_no")))
            return failed(QStringLiteral("this is the feed's version file, which holds no draws"));
        entries.append(document.object());
    } else {
        entries = document.array();
    }
    if (entries.isEmpty())
        return failed(QStringLiteral("the file holds no draws"));

    std::vector<PublishedDraw> draws;
    draws.reserve(static_cast<std::size_t>(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QJsonValue entry = entries.at(i);
        if (!entry.isObject())
            return failed(QStringLiteral("entry %1 is %2, not a draw").arg(i + 1).arg(shown(entry)));
        QString error;
        const QJsonObject object = entry.toObject();
        std::optional<PublishedDraw> draw = EntryReader(game, object, i).read(error);
        if (!draw)
            return failed(error);
        draws.push_back(std::move(*draw));
    }
    return checked(game, std::move(draws));
}

} // namespace zelpo::update

// SPDX-License-Identifier: MIT
#include "data/update/officialtext.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace zelpo::update::official {

namespace {

QString plainWidth(QString text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0x3000)
            continue;
        out += (u >= 0xFF01 && u <= 0xFF5E) ? QChar(static_cast<char16_t>(u - 0xFEE0)) : c;
    }
    return out;
}

} // namespace

Rows readRows(const QByteArray& shiftJis)
{
    QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return Rows { {}, QStringLiteral("this build cannot read Shift_JIS") };
    const QString text = decoder.decode(shiftJis);
    if (decoder.hasError())
        return Rows { {}, QStringLiteral("the file is not Shift_JIS text") };

    Rows result;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = plainWidth(text).split(lineBreak);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        Row row;
        row.line = static_cast<int>(i + 1);
        for (const QString& field : lines[i].split(QLatin1Char(',')))
            row.fields << field.trimmed();
        result.rows.push_back(std::move(row));
    }
    return result;
}

QDate eraDate(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(平成|令和)(元|[0-9]{1,2})年([0-9]{1,2})月([0-9]{1,2})日$"));
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    const QRegularExpressionMatch match = form.match(plainWidth(compact));
    if (!match.hasMatch())
        return {};
    const bool heisei = match.captured(1) == QStringLiteral("平成");
    const int eraYear = match.captured(2) == QStringLiteral("元") ? 1 : match.captured(2).toInt();
    const QDate date(eraYear + (heisei ? 1988 : 2018), match.captured(3).toInt(), match.captured(4).toInt());
    const QDate heiseiFirst(1989, 1, 8);
    const QDate reiwaFirst(2019, 5, 1);
    if (!date.isValid() || eraYear < 1)
        return {};
    if (heisei ? (date < heiseiFirst || date >= reiwaFirst) : date < reiwaFirst)
        return {};
    return date;
}

std::optional<Title> drawTitle(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^第([0-9]{1,6})回(.+)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<int> kaisai = wholeNumber(match.captured(1));
    if (!kaisai)
        return std::nullopt;
    return Title { *kaisai, match.captured(2).trimmed() };
}

std::optional<int> wholeNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return text.toInt();
}

std::optional<qint64> countWithUnit(const QString& text, QChar unit)
{
    if (text.size() < 2 || text.back() != unit || text.size() > 16)
        return std::nullopt;
    const QString digits = text.chopped(1);
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return digits.toLongLong();
}

bool saysNone(const QString& text)
{
    return text == QStringLiteral("該当なし") || text == QStringLiteral("-") || text.isEmpty();
}

std::optional<int> lotteryMark(const Row& row)
{
    const QString& mark = row.label();
    if (row.fields.size() != 1 || mark.size() != 3 || !mark.startsWith(QStringLiteral("A5"))
        || mark[2] < QLatin1Char('0') || mark[2] > QLatin1Char('9'))
        return std::nullopt;
    return mark[2].unicode() - u'0';
}

} // namespace zelpo::update::official

// SPDX-License-Identifier: MIT
// The pieces of text the bank's results files are made of: Shift_JIS bytes,
// full-width letters and digits, dates of the Japanese era, "87100円", "62口".
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zelpo::update::official {

// One line of a file, split at commas, each field without the blanks around it.
struct Row {
    int line = 0; // from 1
    QStringList fields;

    const QString& label() const { return fields.front(); }
};

struct Rows {
    std::vector<Row> rows; // lines with any text; never a row without fields
    QString error;         // the bytes are not Shift_JIS
};

// Decodes Shift_JIS, makes full-width letters, digits and signs (U+FF01 to
// U+FF5E) plain ASCII and drops full-width blanks, as the bank's own pages
// read these files, then splits lines (CRLF, LF or CR) and fields.
Rows readRows(const QByteArray& shiftJis);

// "令和8年9月17日", "平成21年10月8日", "令和元年5月1日" (blanks anywhere): the day
// it names, or a null date when the text is no such date or the day lies
// outside its era (平成 1989-01-08 to 2019-04-30, 令和 from 2019-05-01).
QDate eraDate(const QString& text);

// "第7073回ナンバーズ" gives 7073 and "ナンバーズ"; nothing when the text is not
// of that form.
struct Title {
    int kaisai = 0;
    QString name;
};
std::optional<Title> drawTitle(const QString& text);

// Plain digits, at most nine ("07" gives 7); nothing for anything else.
std::optional<int> wholeNumber(const QString& text);

// A whole number followed by `unit`: "87100円" with unit 円, "62口" with 口.
std::optional<qint64> countWithUnit(const QString& text, QChar unit);

// "該当なし" (no winning ticket), "-" or an empty field (not sold).
bool saysNone(const QString& text);

// "A50", "A51": the first line of every results file of the bank, whose digit
// names the lottery (0 Numbers, 1 Mini Loto); nothing when it is not one.
std::optional<int> lotteryMark(const Row& row);

} // namespace zelpo::update::official

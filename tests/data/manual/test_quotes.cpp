// SPDX-License-Identifier: MIT
// The manual quotes the program's messages exactly: every message it quotes
// (a 「…」 quote that reads as a message, or a cell of a table of messages)
// is one of the texts in the program's sources, with the manual's blank
// standing where the program puts a number or a name.
#include "support/printers.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList filesUnder(const QString& root, const QStringList& patterns)
{
    QStringList files;
    QDirIterator it(root, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

// Leading full-width blanks and line breaks are the message box's layout,
// which the manual's running text leaves out.
QString normalised(QString text)
{
    text.remove(u'\n');
    while (text.startsWith(u'　'))
        text.remove(0, 1);
    return text;
}

// The string literals of a C++ source outside comments, each as a pattern:
// %1.. match any text, and a literal joined to more text with + matches a
// message that goes on before or after it. One pass of one expression reads
// comments, character literals and string literals in the order they come.
QList<QRegularExpression> literalPatterns(const QString& source)
{
    static const QRegularExpression token(
        QStringLiteral(
            R"re(//[^\n]*|/\*.*?\*/|'(?:[^'\\]|\\.)+'|(\+\s*(?:\w+\()?)?\w*"((?:[^"\\\n]|\\.)*)"(\)?\s*\+)?)re"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression placeholder(QStringLiteral(R"(%\d)"));
    QList<QRegularExpression> patterns;
    for (const QRegularExpressionMatch& match : token.globalMatch(source)) {
        QStringList parts
            = normalised(match.captured(2).replace(QStringLiteral("\\n"), QStringLiteral("\n"))).split(placeholder);
        if (parts.join(QString()).size() < 4) // a comment, or a lone blank or "件" that could stand for anything
            continue;
        for (QString& part : parts)
            part = QRegularExpression::escape(part);
        patterns << QRegularExpression(
            QRegularExpression::anchoredPattern((match.hasCaptured(1) ? QStringLiteral(".+") : QString())
                + parts.join(QStringLiteral("(.+)")) + (match.hasCaptured(3) ? QStringLiteral(".+") : QString())));
    }
    return patterns;
}

// The messages a page quotes: the cells of its message tables, one per line,
// and 「…」 quotes that end as the program's messages do.
QStringList quotedMessages(const QString& html)
{
    static const QRegularExpression cell(QStringLiteral(R"(<td class="msg">(.*?)</td>)"));
    static const QRegularExpression quote(QStringLiteral("「([^」]*(?:。。|？|でした))」"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QStringList messages;
    for (const QRegularExpressionMatch& match : cell.globalMatch(html)) {
        for (QString line : match.captured(1).split(QRegularExpression(QStringLiteral("<br\\s*/?>")))) {
            line = line.remove(tag).trimmed();
            if (line.endsWith(QStringLiteral(" など")))
                line.chop(3);
            if (!line.isEmpty() && !line.startsWith(u'（')) // a note on the message, not a quote
                messages << line;
        }
    }
    for (const QRegularExpressionMatch& match : quote.globalMatch(html))
        messages << match.captured(1);
    return messages;
}

TEST(ManualQuotes, EveryQuotedMessageIsTheProgramsOwnText)
{
    QList<QRegularExpression> program;
    for (const QString& source : filesUnder(QStringLiteral(ZELPO_SOURCE_DIR), { "*.h", "*.cpp" }))
        program << literalPatterns(readText(source));
    ASSERT_GT(program.size(), 100);

    int checked = 0;
    for (const QString& page : filesUnder(QStringLiteral(ZELPO_MANUAL_DIR), { "*.html" })) {
        for (const QString& message : quotedMessages(readText(page))) {
            ++checked;
            const QString text = normalised(message);
            const bool found = std::any_of(program.begin(), program.end(),
                [&](const QRegularExpression& pattern) { return pattern.match(text).hasMatch(); });
            EXPECT_TRUE(found) << page.section(u'/', -2).toStdString() << ": 「" << message.toStdString() << "」";
        }
    }
    // The read failure, the write failure, the search messages and the first start at least.
    EXPECT_GT(checked, 20);
}

} // namespace

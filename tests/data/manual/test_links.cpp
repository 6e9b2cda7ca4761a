// SPDX-License-Identifier: MIT
// The manual's link checker: every link and image of every page leads to a
// file of the manual (and to an anchor on it where the link names one), and
// every page can be reached from the start page.
#include "support/printers.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

const QString kStartPage = QStringLiteral("ナンバーズ３＆４＆ミニロト.html");

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QSet<QString> anchorsOf(const QString& html)
{
    static const QRegularExpression anchor(QStringLiteral(R"re((?:id|name)\s*=\s*"([^"]+)")re"));
    QSet<QString> anchors;
    for (const QRegularExpressionMatch& match : anchor.globalMatch(html))
        anchors.insert(match.captured(1));
    return anchors;
}

// Every broken link of the manual in `root` as "page: link (why)", and every
// page that no chain of links from the start page reaches.
QStringList checkManual(const QString& root)
{
    static const QRegularExpression reference(QStringLiteral(R"re(\b(?:href|src)\s*=\s*"([^"]*)")re"));
    const QDir base(root);
    QStringList problems;
    QSet<QString> pages;
    QHash<QString, QStringList> linksFrom;
    QDirIterator files(root, { QStringLiteral("*.html") }, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        pages.insert(QFileInfo(files.next()).canonicalFilePath());

    for (const QString& page : pages) {
        const QString name = base.relativeFilePath(page);
        for (const QRegularExpressionMatch& match : reference.globalMatch(readText(page))) {
            const QString link = match.captured(1);
            const QUrl url(link);
            if (!url.scheme().isEmpty()) // a link out of the manual: nothing to check here
                continue;
            const QString path = url.path(QUrl::FullyDecoded);
            const QString target = path.isEmpty() ? page : QFileInfo(page).dir().absoluteFilePath(path);
            const QFileInfo file(target);
            if (!file.isFile()) {
                problems << name + QStringLiteral(": ") + link + QStringLiteral(" (no such file)");
                continue;
            }
            if (!file.canonicalFilePath().startsWith(base.canonicalPath() + u'/')) {
                problems << name + QStringLiteral(": ") + link + QStringLiteral(" (outside the manual)");
                continue;
            }
            if (url.hasFragment() && !anchorsOf(readText(target)).contains(url.fragment(QUrl::FullyDecoded)))
                problems << name + QStringLiteral(": ") + link + QStringLiteral(" (no such anchor)");
            if (target.endsWith(QLatin1String(".html")))
                linksFrom[page] << file.canonicalFilePath();
        }
    }

    QSet<QString> reached;
    QStringList queue { QFileInfo(base.filePath(kStartPage)).canonicalFilePath() };
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        if (page.isEmpty() || reached.contains(page))
            continue;
        reached.insert(page);
        queue << linksFrom.value(page);
    }
    for (const QString& page : pages) {
        if (!reached.contains(page))
            problems << base.relativeFilePath(page) + QStringLiteral(" (not reached from the start page)");
    }
    problems.sort();
    return problems;
}

void write(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

} // namespace

TEST(Manual, EveryLinkAndImageResolves)
{
    const QString root = QStringLiteral(ZELPO_MANUAL_DIR);
    ASSERT_TRUE(QFileInfo(root + u'/' + kStartPage).isFile());
    EXPECT_EQ(checkManual(root), QStringList {});
}

TEST(Manual, TheCheckerFindsWhatIsBroken)
{
    const QTemporaryDir dir;
    const QDir root(dir.filePath(QStringLiteral("manual")));
    write(root.filePath(kStartPage),
        QStringLiteral(
            R"(<a href="help/a.html#there">a</a> <a href="help/a.html#gone">a</a> <a href="https://example.org/">out</a>)"));
    write(root.filePath(QStringLiteral("help/a.html")),
        QStringLiteral(
            R"(<h2 id="there">x</h2><img src="images/missing.png"> <a href="../ナンバーズ３＆４＆ミニロト.html">home</a>
<a href="%E6%97%A5.html">escaped</a> <a href="#there">here</a> <a href="../../outside.html">up</a>)"));
    write(root.filePath(QStringLiteral("help/日.html")), QStringLiteral("<p>reached</p>"));
    write(root.filePath(QStringLiteral("help/lost.html")), QStringLiteral("<p>nothing links here</p>"));
    write(dir.filePath(QStringLiteral("outside.html")), QString());
    EXPECT_EQ(checkManual(root.path()),
        (QStringList { QStringLiteral("help/a.html: ../../outside.html (outside the manual)"),
            QStringLiteral("help/a.html: images/missing.png (no such file)"),
            QStringLiteral("help/lost.html (not reached from the start page)"),
            QStringLiteral("ナンバーズ３＆４＆ミニロト.html: help/a.html#gone (no such anchor)") }));
}

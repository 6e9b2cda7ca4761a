// SPDX-License-Identifier: MIT
#include "support/xserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

namespace zelpo::test {

XServer::XServer()
{
    QDir().mkpath(m_config.filePath(QStringLiteral("zelpo")));
    QFile settings(m_config.filePath(QStringLiteral("zelpo/zelpo.conf")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write("[update]\ncheck_at_start=false\n");
    int fds[2];
    if (pipe(fds) != 0)
        return;
    m_server.setProgram(QStringLiteral("Xvfb"));
    m_server.setArguments({ QStringLiteral("-displayfd"), QString::number(fds[1]), QStringLiteral("-screen"),
        QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-dpi"), QStringLiteral("96"),
        QStringLiteral("-nolisten"), QStringLiteral("tcp") });
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.setChildProcessModifier([fds] { ::close(fds[0]); });
    m_server.start();
    ::close(fds[1]);
    QByteArray number;
    char c = 0;
    while (::read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(fds[0]);
    if (!number.isEmpty())
        m_display = u':' + QString::fromLatin1(number);
}

XServer::~XServer()
{
    m_server.terminate();
    m_server.waitForFinished(5000);
}

QProcessEnvironment XServer::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QString XServer::xdotool(const QStringList& arguments, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString XServer::waitForWindow(const QString& title, int timeoutMs, const QString& except) const
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QStringList found = xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), u'^' + title + u'$' })
                                .split(u'\n', Qt::SkipEmptyParts);
        found.removeAll(except);
        if (!found.isEmpty())
            return found.last();
        QThread::msleep(100);
    }
    return {};
}

void XServer::focus(const QString& window) const
{
    xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), window });
}

void XServer::typeText(const QString& text) const
{
    xdotool({ QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text });
}

void XServer::key(const QString& keys) const
{
    // "5 Tab 0": one key (or chord) per argument, as xdotool takes them.
    xdotool(QStringList { QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30") }
        + keys.split(u' ', Qt::SkipEmptyParts));
}

void XServer::clickControl(const QString& window, const QRect& control, const QSize& templateSize, int clicks) const
{
    int pixelsWide = 0;
    int pixelsHigh = 0;
    const QString shell = xdotool({ QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window });
    for (const QString& line : shell.split(u'\n')) {
        if (line.startsWith(QLatin1String("WIDTH=")))
            pixelsWide = line.mid(6).toInt();
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            pixelsHigh = line.mid(7).toInt();
    }
    ASSERT_GT(pixelsWide, 0) << shell.toStdString();
    const QPointF centre = QRectF(control).center();
    const QString x = QString::number(qRound(centre.x() * pixelsWide / templateSize.width()));
    const QString y = QString::number(qRound(centre.y() * pixelsHigh / templateSize.height()));
    // The pointer rests on the control first, as a hand would, so that lists see their hot row.
    xdotool({ QStringLiteral("mousemove"), QStringLiteral("--window"), window, x, y });
    QThread::msleep(100);
    xdotool({ QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(clicks), QStringLiteral("--delay"),
        QStringLiteral("80"), QStringLiteral("1") });
}

QString XServer::property(const QString& window, const QString& name) const
{
    QProcess process;
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("xprop"), { QStringLiteral("-id"), window, QStringLiteral("-notype"), name });
    if (!process.waitForFinished(10000))
        return {};
    // "_NET_WM_NAME = "ナンバーズ３予想"" -> ナンバーズ３予想
    QString value = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    value = value.mid(value.indexOf(u'=') + 1).trimmed();
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.mid(1, value.size() - 2);
    return value;
}

Installation::Installation(Database database)
{
    const QString bin = QStringLiteral(ZELPO_BIN_DIR);
    m_ok = QFile::copy(bin + QStringLiteral("/zelpo"), program(QStringLiteral("zelpo")))
        && QFile::copy(bin + QStringLiteral("/zelpo-cli"), program(QStringLiteral("zelpo-cli")));
    if (!m_ok)
        return;
    QProcess init;
    QStringList arguments { QStringLiteral("init") };
    if (database == Database::Empty)
        arguments << QStringLiteral("--empty");
    init.start(program(QStringLiteral("zelpo-cli")), arguments);
    m_ok = init.waitForFinished(30000) && init.exitCode() == 0;
}

bool Installation::addManual() const
{
    const QDir bin(QStringLiteral(ZELPO_BIN_DIR));
    const QString startPage = QStringLiteral("ナンバーズ３＆４＆ミニロト.html");
    if (!QFile::copy(bin.filePath(startPage), m_dir.filePath(startPage)))
        return false;
    QDirIterator pages(bin.filePath(QStringLiteral("help")), QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString page = pages.next();
        const QString copy = m_dir.filePath(bin.relativeFilePath(page));
        if (!QDir().mkpath(QFileInfo(copy).path()) || !QFile::copy(page, copy))
            return false;
    }
    return true;
}

QString Installation::database() const
{
    return m_dir.filePath(QStringLiteral("ナンバーズ.mdb"));
}

} // namespace zelpo::test

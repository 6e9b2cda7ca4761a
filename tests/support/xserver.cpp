// SPDX-License-Identifier: MIT
#include "support/xserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>

#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace zelpo::test {

namespace {

constexpr int kAttempts = 5;
constexpr int kStartMs = 60000; // a machine busy with other builds starts Xvfb slowly

// One authority entry for any display (FamilyWild, no display number):
// 16-bit big-endian lengths before each field.
QByteArray authorityEntry(const QByteArray& cookie)
{
    QByteArray entry;
    const auto field = [&entry](const QByteArray& bytes) {
        entry.append(static_cast<char>(bytes.size() >> 8)).append(static_cast<char>(bytes.size() & 0xff));
        entry.append(bytes);
    };
    entry.append('\xff').append('\xff');
    field({});
    field({});
    field(QByteArrayLiteral("MIT-MAGIC-COOKIE-1"));
    field(cookie);
    return entry;
}

// The line Xvfb writes to `fd` once it listens; empty when it fails or stays silent.
QByteArray readLine(int fd, int timeoutMs)
{
    QByteArray line;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        pollfd ready { fd, POLLIN, 0 };
        const int polled = ::poll(&ready, 1, static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0)));
        if (polled < 0 && errno == EINTR)
            continue;
        char c = 0;
        if (polled <= 0 || ::read(fd, &c, 1) != 1)
            return {};
        if (c == '\n')
            return line;
        line += c;
    }
}

} // namespace

XServer::XServer()
{
    QDir().mkpath(m_config.filePath(QStringLiteral("zelpo")));
    QFile settings(m_config.filePath(QStringLiteral("zelpo/zelpo.conf")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write("[update]\ncheck_at_start=false\n");
    std::array<quint32, 4> words {};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    QByteArray cookie;
    for (const quint32 word : words)
        cookie.append(reinterpret_cast<const char*>(&word), sizeof word);
    QFile authority(m_dir.filePath(QStringLiteral("Xauthority")));
    if (!m_dir.isValid() || !authority.open(QIODevice::WriteOnly) || authority.write(authorityEntry(cookie)) < 0
        || !authority.flush())
        return;
    // A test may start the program as another user (the installed program
    // runs as nobody when the tests run as root): it reads the cookie and the
    // settings too.
    const auto readable
        = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const auto enterable = readable | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    authority.setPermissions(readable);
    settings.setPermissions(readable);
    for (const QString& folder : { m_dir.path(), m_config.path(), m_config.filePath(QStringLiteral("zelpo")) })
        QFile::setPermissions(folder, enterable);
    for (int attempt = 0; attempt < kAttempts && m_display.isEmpty(); ++attempt)
        m_display = start();
}

XServer::~XServer()
{
    stop();
}

QString XServer::start()
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    m_server.setProgram(QStringLiteral("Xvfb"));
    m_server.setArguments({ QStringLiteral("-displayfd"), QString::number(fds[1]), QStringLiteral("-auth"),
        m_dir.filePath(QStringLiteral("Xauthority")), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
        QStringLiteral("-nolisten"), QStringLiteral("unix"), QStringLiteral("-noreset"), QStringLiteral("-screen"),
        QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-dpi"), QStringLiteral("96") });
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.setChildProcessModifier([fds] {
        ::close(fds[0]);
        // The server goes with the test, even one that crashes.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    m_server.start();
    ::close(fds[1]);
    const QByteArray number = readLine(fds[0], kStartMs);
    ::close(fds[0]);
    if (!number.isEmpty()) {
        // Used only once a client of ours has been admitted; that client's
        // leaving does not reset the server (-noreset) under the program
        // that connects next.
        m_display = u':' + QString::fromLatin1(number);
        if (xdotool({ QStringLiteral("getdisplaygeometry") }, kStartMs) == QLatin1String("1280 1024"))
            return m_display;
        m_display.clear();
    }
    stop();
    return {};
}

void XServer::stop()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(5000)) {
        m_server.kill();
        m_server.waitForFinished();
    }
}

QProcessEnvironment XServer::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("XAUTHORITY"), m_dir.filePath(QStringLiteral("Xauthority")));
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

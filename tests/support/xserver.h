// SPDX-License-Identifier: MIT
// A private X server (Xvfb) for end-to-end tests of the real binaries, and
// xdotool to look at and drive their windows.
//
// The server is private to the test whatever else runs on the machine: it
// picks a free display itself, listens only on an abstract socket (no file in
// /tmp/.X11-unix that another server could unlink or bind over), admits only
// clients holding its own cookie, and is used only once a client has reached it.
#pragma once

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace zelpo::test {

class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool running() const { return !m_display.isEmpty(); }
    const QString& display() const { return m_display; }
    QProcessEnvironment environment() const;

    // Runs xdotool with the arguments; its standard output, trimmed.
    QString xdotool(const QStringList& arguments, int timeoutMs = 10000) const;
    // The id of a visible window with exactly this title, waiting up to
    // `timeoutMs`; a window other than `except` when that is given.
    QString waitForWindow(const QString& title, int timeoutMs = 20000, const QString& except = {}) const;
    // Gives the window the keyboard focus (there is no window manager).
    void focus(const QString& window) const;
    // Types text and presses keys on the focused window.
    void typeText(const QString& text) const;
    void key(const QString& keys) const;
    // Clicks the centre of a control given in dialog units, the window's
    // template being `templateSize` dialog units: the window's size gives the scale.
    void clickControl(const QString& window, const QRect& control, const QSize& templateSize, int clicks = 1) const;
    // A property of the window as a window manager reads it (xprop), its
    // value only: _NET_WM_NAME gives the title without quotes.
    QString property(const QString& window, const QString& name) const;

private:
    // Starts one server; its display once a client has been admitted, else empty.
    QString start();
    void stop();

    QTemporaryDir m_dir; // holds the cookie
    QProcess m_server;
    QString m_display;
    // The settings of a user who said No to the check at start-up: no
    // question stands before the main menu, and nothing reaches the internet.
    QTemporaryDir m_config;
};

// A copy of the real program in a folder of its own, with a fresh database
// beside it (made by `zelpo-cli init`, with the built-in history or empty),
// as a user would keep it.
class Installation {
public:
    enum class Database { Created, Empty };
    explicit Installation(Database database = Database::Created);
    bool ok() const { return m_ok; }
    // Copies the manual of the build beside the program, as the build lays it out.
    bool addManual() const;
    QString program(const QString& name) const { return m_dir.filePath(name); }
    QString database() const;
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

} // namespace zelpo::test

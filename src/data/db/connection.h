// SPDX-License-Identifier: MIT
// The database file itself: which file a path names, how long a locked file
// is waited for, and the wait cursor shown meanwhile.
//
// Query functions open the file through read() or write() only, never
// creating it; the one place that may create a file is create.h.
#pragma once

#include <QString>

namespace zelpo::db {

// `path` as the absolute name of a plain file: never read as an SQLite URI
// ("file:x.db"), as the engine's ":memory:" or as one of Qt's ":/" resources.
QString plainFilePath(const QString& path);

// How long a locked file is waited for before a query gives up.
inline constexpr int kBusyTimeoutMs = 1500;

// The GUI shows its wait cursor through these; the command line leaves them unset.
struct WaitCursorHooks {
    void (*begin)() = nullptr;
    void (*end)() = nullptr;
};
void setWaitCursorHooks(WaitCursorHooks hooks);

} // namespace zelpo::db

// SPDX-License-Identifier: MIT
// What read() and write() share: one named connection for the length of one
// query function, and the wait cursor around it.
#pragma once

#include "data/db/failure.h"

#include <QSqlDatabase>

namespace zelpo::db {

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing plain file, read-only or read-write, never creating
    // it, and checks that its game tables are plain stored tables.
    Status open(const QString& path, bool readOnly);

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }
    const QString& name() const { return m_name; }

private:
    static inline int s_serial = 0;
    QString m_name;
};

} // namespace zelpo::db

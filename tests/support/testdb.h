// SPDX-License-Identifier: MIT
// A database file in a temporary directory, set up and inspected directly
// (not through the program's own query procedure).
#pragma once

#include "support/printers.h"

#include <QStringList>
#include <QTemporaryDir>

#include <initializer_list>

namespace zelpo::test {

class TempDatabase {
public:
    enum class Tables { Keyed, Unkeyed, None };

    // A fresh "ナンバーズ.mdb" with the three tables (keyed: as `zelpo-cli init`
    // makes them; unkeyed: as another program might, without a primary key).
    explicit TempDatabase(Tables tables = Tables::Keyed);

    const QString& path() const { return m_path; }
    QString dir() const { return m_dir.path(); }

    // Runs statements on a connection of its own; a failure fails the test.
    void exec(const QString& sql) const;
    // Every row of a SELECT, its values joined by '|'.
    QStringList rows(const QString& sql) const;
    // The schema and every row of every table, with each value's storage class.
    QStringList dump() const;

    // Rows with every column; missing kounyu texts are stored as "".
    void addNumbers3(int kaisai, int h, int t, int u, const QStringList& kounyu = {}) const;
    void addNumbers4(int kaisai, int th, int h, int t, int u, const QStringList& kounyu = {}) const;
    void addMiniLoto(int kaisai, std::initializer_list<int> numbers, const QStringList& kounyu = {}) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Holds a write lock on the file until destroyed, as another program might.
class FileLock {
public:
    explicit FileLock(const QString& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    QString m_connection;
};

} // namespace zelpo::test

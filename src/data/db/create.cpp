// SPDX-License-Identifier: MIT
#include "data/db/create.h"

#include "data/db/connection.h"
#include "data/db/failure.h"
#include "data/db/payouts.h"
#include "data/db/schema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelpo::db {
namespace {

// SQLite's result codes for a refusal that comes from the system.
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteIoError = 10;
constexpr int kSqliteFull = 13;

CreateFailure systemFailure(const QString& path, int error)
{
    return { CreateFailure::Kind::System, path, error, QString::fromLocal8Bit(std::strerror(error)) };
}

CreateFailure engineFailure(const QString& path, const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    if (ok && code == kSqliteFull)
        return systemFailure(path, ENOSPC);
    if (ok && code == kSqliteIoError)
        return systemFailure(path, EIO);
    if (ok && code == kSqliteReadOnly)
        return systemFailure(path, EROFS);
    // The engine's words alone: the driver's tail comes translated with the toolkit.
    const QString words = error.databaseText().trimmed();
    return { CreateFailure::Kind::Engine, path, 0,
        words.isEmpty() ? QStringLiteral("the engine refused the new file") : words };
}

// mkdir -p: 0, or the errno of the first folder that cannot be made.
int makeFolders(const QByteArray& folder)
{
    struct stat status { };
    if (::stat(folder.constData(), &status) == 0)
        return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT)
        return errno;
    const qsizetype slash = folder.lastIndexOf('/');
    if (slash > 0) {
        if (const int error = makeFolders(folder.left(slash)); error != 0)
            return error;
    }
    if (::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST)
        return errno;
    return 0;
}

} // namespace

QString describe(const CreateFailure& failure)
{
    const QString path = shownText(failure.path);
    switch (failure.kind) {
    case CreateFailure::Kind::None:
        return {};
    case CreateFailure::Kind::NoName:
        return QStringLiteral("no file name was given");
    case CreateFailure::Kind::Exists:
        return QStringLiteral("%1 already exists; it is left as it is").arg(path);
    case CreateFailure::Kind::System:
    case CreateFailure::Kind::Engine:
    case CreateFailure::Kind::BuiltIn:
        break;
    }
    return QStringLiteral("cannot create %1: %2").arg(path, shownText(failure.reason));
}

CreateFailure makeFolderFor(const QString& path)
{
    const QString file = plainFilePath(path);
    if (file.isEmpty())
        return { CreateFailure::Kind::NoName, path, 0, {} };
    if (const int error = makeFolders(QFile::encodeName(QFileInfo(file).absolutePath())); error != 0)
        return systemFailure(path, error);
    return {};
}

CreateFailure createDatabaseFile(const QString& path, const FillTables& fill)
{
    if (path.isEmpty())
        return { CreateFailure::Kind::NoName, path, 0, {} };
    // The engine reads "file:..." as a URI and ":memory:" as no file at all;
    // the plain path is always the file it names.
    const QString file = plainFilePath(path);
    const QByteArray encoded = QFile::encodeName(file);
    // The file is made here rather than by the engine: O_EXCL refuses whatever
    // is under the name (a link to nowhere included), and a refusal comes with
    // the system's reason, not the engine's "unable to open database file".
    const int descriptor = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return errno == EEXIST ? CreateFailure { CreateFailure::Kind::Exists, path, EEXIST, {} }
                               : systemFailure(path, errno);
    ::close(descriptor);

    const QString name = QStringLiteral("zelpo-init");
    CreateFailure failure;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(file);
        if (!database.open()) {
            failure = engineFailure(path, database.lastError());
        } else {
            QSqlQuery query(database);
            const bool ok = query.exec(QStringLiteral("BEGIN")) && query.exec(createTableStatement(Game::Numbers3))
                && query.exec(createTableStatement(Game::Numbers4)) && query.exec(createTableStatement(Game::MiniLoto))
                && createPayoutTables(query) && (!fill || fill(query)) && query.exec(QStringLiteral("COMMIT"));
            if (!ok)
                failure = engineFailure(path, query.lastError());
            query.finish();
            database.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.ok())
        ::unlink(encoded.constData());
    return failure;
}

} // namespace zelpo::db

// SPDX-License-Identifier: MIT
#include "widgets/app/firstrun.h"

#include "data/db/history.h"
#include "widgets/res/strings.h"
#include "widgets/res/text.h"
#include "widgets/ui/modal.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelpo::app {
namespace {

// The system's own words for an error number, in the user's language where
// the system has it.
QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A stop message: what went wrong, the file once, and the system's reason
// when it gave one.
QString stopText(const QString& what, const QString& database, const QString& reason)
{
    return what + u'\n' + database + (reason.isEmpty() ? QString() : u'\n' + reason);
}

// Why the system will not let the file be read (no permission, a folder),
// or 0. Never blocks, even on a named pipe.
int readRefusal(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    char byte = 0;
    const int error = ::read(fd, &byte, 1) < 0 && errno != EAGAIN ? errno : 0;
    ::close(fd);
    return error;
}

QString unusableText(const QString& database, const db::Status& status)
{
    QString reason;
    switch (status.failure()) {
    case db::Failure::Statement:
        reason = res::qtext(res::kDatabaseTableMissing).arg(status.detail().section(QLatin1String(": "), 0, 0));
        break;
    case db::Failure::Busy:
        reason = res::qtext(res::kDatabaseBusy);
        break;
    default:
        reason = res::qtext(res::kDatabaseNotADatabase);
        break;
    }
    // The engine's own words are English and name the file again; the
    // system's reason, when it refuses the file, is the one worth showing.
    const int refusal = readRefusal(database);
    return stopText(
        res::qtext(res::kDatabaseUnusable) + u'\n' + reason, database, refusal ? systemReason(refusal) : QString());
}

// Why the file was not made, in the windows' words where a user can act on it.
QString notCreatedReason(const db::CreateFailure& failure)
{
    switch (failure.systemError) {
    case EACCES:
    case EPERM:
        return res::qtext(res::kCreateNoPermission);
    case EROFS:
        return res::qtext(res::kCreateReadOnly);
    case ENOENT:
        return res::qtext(res::kCreateNoFolder);
    case ENOTDIR:
        return res::qtext(res::kCreateNotAFolder);
    case ENOSPC:
    case EDQUOT:
        return res::qtext(res::kCreateDiskFull);
    case EEXIST:
        return res::qtext(res::kCreateExists);
    default:
        return failure.reason;
    }
}

} // namespace

StartupDatabase prepareDatabase(QWidget* owner, const QString& database)
{
    const db::Status status = db::checkDatabaseFile(database);
    if (status.ok())
        return StartupDatabase::Usable;
    if (status.failure() != db::Failure::Missing) {
        ui::showMessage(owner, unusableText(database, status), ui::MessageIcon::Stop);
        return StartupDatabase::Unusable;
    }

    if (!ui::askQuestion(owner, res::qtext(res::kDatabaseMissingQuestion)))
        return StartupDatabase::Declined;
    // The user's data folder does not exist before the first run.
    db::CreatedDatabase created { db::makeFolderFor(database), {} };
    if (created.ok())
        created = db::createDatabaseWithHistory(database);
    if (!created.ok()) {
        ui::showMessage(owner,
            res::qtext(res::kDatabaseNotCreated) + u'\n' + database + u'\n' + notCreatedReason(created.failure),
            ui::MessageIcon::Stop);
        return StartupDatabase::NotCreated;
    }
    return StartupDatabase::Created;
}

} // namespace zelpo::app

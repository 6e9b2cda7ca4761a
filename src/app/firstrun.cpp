// SPDX-License-Identifier: MIT
#include "app/firstrun.h"

#include "db/history.h"
#include "res/strings.h"
#include "res/text.h"
#include "ui/modal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// Makes the folders a new file in `folder` needs, one mkdir(2) at a time:
// 0, or the error of the first refusal.
int makeFolders(const QString& folder)
{
    QString made;
    for (const QString& part : QDir::cleanPath(QFileInfo(folder).absoluteFilePath()).split(u'/', Qt::SkipEmptyParts)) {
        made += u'/' + part;
        if (::mkdir(QFile::encodeName(made).constData(), 0777) != 0 && errno != EEXIST)
            return errno;
    }
    return 0;
}

// Why the system will not let the file be created, or 0 when it would (the
// failure was then the engine's). The file made to ask is removed again.
int createRefusal(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    ::close(fd);
    ::unlink(name.constData());
    return 0;
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
    int refusal = makeFolders(QFileInfo(database).absolutePath());
    QString reason;
    if (!refusal) {
        const db::CreatedDatabase created = db::createDatabaseWithHistory(database);
        if (created.ok())
            return StartupDatabase::Created;
        refusal = createRefusal(database);
        // Only the engine refused (a full disk, say): its words, without the path again.
        reason = created.failure.section(database + QLatin1String(": "), -1);
    }
    ui::showMessage(owner,
        stopText(res::qtext(res::kDatabaseNotCreated), database, refusal ? systemReason(refusal) : reason),
        ui::MessageIcon::Stop);
    return StartupDatabase::NotCreated;
}

} // namespace zelpo::app

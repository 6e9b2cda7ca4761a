// SPDX-License-Identifier: MIT
#include "app/firstrun.h"

#include "db/history.h"
#include "res/strings.h"
#include "res/text.h"
#include "ui/modal.h"

#include <cerrno>

namespace zelpo::app {
namespace {

// The stop message: what is wrong, then the file, then the engine's own words.
QString unusableText(const QString& database, const db::Status& status)
{
    QString reason;
    QString detail = status.detail();
    switch (status.failure()) {
    case db::Failure::Statement: {
        const qsizetype colon = detail.indexOf(QLatin1String(": "));
        reason = res::qtext(res::kDatabaseTableMissing).arg(detail.left(colon));
        detail = detail.mid(colon + 2);
        break;
    }
    case db::Failure::Busy:
        reason = res::qtext(res::kDatabaseBusy);
        break;
    default:
        reason = res::qtext(res::kDatabaseNotADatabase);
        break;
    }
    return res::qtext(res::kDatabaseUnusable) + u'\n' + reason + u'\n' + database + u'\n' + detail;
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

// SPDX-License-Identifier: MIT
#include "app/paths.h"

#include "res/strings.h"
#include "res/text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zelpo::app {

QString basePath(const QString& executableFile)
{
    const qsizetype slash = executableFile.lastIndexOf(u'/');
    return slash < 0 ? QString() : executableFile.left(slash + 1);
}

QString databasePath(const QString& executableFile)
{
    return basePath(executableFile) + res::qtext(res::kDatabaseFileName);
}

QString helpPath(const QString& executableFile)
{
    const QString name = res::qtext(res::kHelpFileName);
    const QString beside = basePath(executableFile) + name;
    if (QFileInfo::exists(beside))
        return beside;
    // An installed program keeps the manual with its data, found from the
    // executable so that a program installed under any prefix finds its own.
    const QString installed
        = QDir::cleanPath(basePath(executableFile) + QStringLiteral(ZELPO_DATA_FROM_BIN) + u'/' + name);
    return QFileInfo::exists(installed) ? installed : beside;
}

bool isFolderWritable(const QString& folder)
{
    // access(2) underneath: the user's permissions and a read-only mount both count.
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString databaseLocation(const QString& executableFile, const QString& userDataFolder, const FolderWritable& writable)
{
    const QString besideProgram = databasePath(executableFile);
    if (QFileInfo::exists(besideProgram) || writable(basePath(executableFile)))
        return besideProgram;
    return userDataFolder + u'/' + res::qtext(res::kDatabaseFileName);
}

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString defaultDatabasePath()
{
    return databaseLocation(QCoreApplication::applicationFilePath(), userDataFolder());
}

QString defaultHelpPath()
{
    return helpPath(QCoreApplication::applicationFilePath());
}

} // namespace zelpo::app

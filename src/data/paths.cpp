// SPDX-License-Identifier: MIT
#include "data/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace zelpo::app {

QString basePath(const QString& executableFile)
{
    const qsizetype slash = executableFile.lastIndexOf(u'/');
    return slash < 0 ? QString() : executableFile.left(slash + 1);
}

QString databasePath(const QString& executableFile)
{
    return basePath(executableFile) + kDatabaseFileName.toString();
}

QString helpPath(const QString& executableFile)
{
    const QString name = kHelpFileName.toString();
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
    if (userDataFolder.isEmpty() || QFileInfo::exists(besideProgram) || writable(basePath(executableFile)))
        return besideProgram;
    return userDataFolder + u'/' + kDatabaseFileName.toString();
}

QString userDataFolder()
{
    // With HOME unset or empty the toolkit would build the folder on the root
    // ("//.local/share/zelpo"); the user's entry in the password database
    // names the home then. Without either there is no data folder.
    if (!qgetenv("XDG_DATA_HOME").startsWith('/') && !qgetenv("HOME").startsWith('/')) {
        const passwd* user = ::getpwuid(::geteuid());
        const QString home = user && user->pw_dir ? QFile::decodeName(user->pw_dir) : QString();
        if (!home.startsWith(u'/'))
            return {};
        return QDir::cleanPath(home + QStringLiteral("/.local/share/") + QCoreApplication::applicationName());
    }
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

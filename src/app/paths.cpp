// SPDX-License-Identifier: MIT
#include "app/paths.h"

#include "res/strings.h"
#include "res/text.h"

#include <QCoreApplication>

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
    return basePath(executableFile) + res::qtext(res::kHelpFileName);
}

QString defaultDatabasePath()
{
    return databasePath(QCoreApplication::applicationFilePath());
}

QString defaultHelpPath()
{
    return helpPath(QCoreApplication::applicationFilePath());
}

} // namespace zelpo::app

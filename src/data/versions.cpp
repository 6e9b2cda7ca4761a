// SPDX-License-Identifier: MIT
#include "data/versions.h"

#include "data/db/engine.h"

namespace zelpo::app {

RunningVersions runningVersions()
{
    const QString engine = db::engineVersion();
    return { QString::fromUtf16(kVersionLine.data(), static_cast<qsizetype>(kVersionLine.size())),
        QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion())),
        engine.isEmpty() ? QString() : QStringLiteral("SQLite %1").arg(engine) };
}

} // namespace zelpo::app

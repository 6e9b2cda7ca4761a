// SPDX-License-Identifier: MIT
#include "data/versions.h"

#include "data/db/engine.h"
#include "widgets/res/strings.h"
#include "widgets/res/text.h"

namespace zelpo::app {

RunningVersions runningVersions()
{
    const QString engine = db::engineVersion();
    return { res::qtext(res::kVersionLine), QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion())),
        engine.isEmpty() ? QString() : QStringLiteral("SQLite %1").arg(engine) };
}

} // namespace zelpo::app

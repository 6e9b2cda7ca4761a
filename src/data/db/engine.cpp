// SPDX-License-Identifier: MIT
#include "data/db/engine.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace zelpo::db {

QString engineVersion()
{
    const QString name = QStringLiteral("zelpo-engine-version");
    QString version;
    {
        QSqlDatabase memory = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        memory.setDatabaseName(QStringLiteral(":memory:"));
        if (memory.open()) {
            QSqlQuery query(memory);
            if (query.exec(QStringLiteral("SELECT sqlite_version()")) && query.next())
                version = query.value(0).toString();
            query.finish();
            memory.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return version;
}

} // namespace zelpo::db

// SPDX-License-Identifier: MIT
// Every results source on one local HTTPS server, serving the recorded
// samples, as the program itself finds them: the settings file names the
// server's addresses, and the server's certificate is trusted for as long as
// the fixture lives (the program's own checks stay on).
#pragma once

#include "data/db/history.h"
#include "samples.h"
#include "support/testdb.h"
#include "testserver.h"

#include <QCryptographicHash>
#include <QFile>

#include <QSettings>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelpo::test {

class PublishedSources {
public:
    PublishedSources()
        : m_trusted(QSslConfiguration::defaultConfiguration())
    {
        QSslConfiguration trusting = m_trusted;
        trusting.addCaCertificates(QSslCertificate::fromPath(QStringLiteral(ZELPO_UPDATE_TLS "/server.crt")));
        QSslConfiguration::setDefaultConfiguration(trusting);

        const std::pair<const char*, const char*> files[] = {
            { "/feed/n3/latest.json", "feed-v2-numbers3-latest.json" },
            { "/feed/n3/draws.full.json", "feed-v2-numbers3-draws.full.json" },
            { "/feed/n4/latest.json", "feed-v1-latest.json" },
            { "/feed/n4/all.json", "feed-v1-numbers4_all_full.json" },
            { "/bank/numbers/numbers.csv", "numbers.csv" },
            { "/bank/numbers/A1007054.CSV", "A1007054.CSV" },
            { "/bank/miniloto/miniloto.csv", "miniloto.csv" },
            { "/bank/miniloto/A1011353.CSV", "A1011353.CSV" },
        };
        for (const auto& [path, file] : files)
            route(QString::fromLatin1(path), Reply { 200, sample(file), {}, Reply::Mode::Normal });

        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        QSettings settings(QStringLiteral("zelpo"), QStringLiteral("zelpo"));
        const std::pair<const char*, const char*> keys[] = {
            { "numbers3_feed", "/feed/n3/draws.full.json" },
            { "numbers3_feed_latest", "/feed/n3/latest.json" },
            { "numbers4_feed", "/feed/n4/all.json" },
            { "numbers4_feed_latest", "/feed/n4/latest.json" },
            // The feed's second host answers 404 unless a test routes it: never the real one.
            { "numbers3_feed_2", "/feed2/n3/draws.full.json" },
            { "numbers3_feed_latest_2", "/feed2/n3/latest.json" },
            { "numbers4_feed_2", "/feed2/n4/all.json" },
            { "numbers4_feed_latest_2", "/feed2/n4/latest.json" },
            { "numbers_official_index", "/bank/numbers/numbers.csv" },
            { "numbers_official_folder", "/bank/numbers/" },
            { "miniloto_official_index", "/bank/miniloto/miniloto.csv" },
            { "miniloto_official_folder", "/bank/miniloto/" },
        };
        for (const auto& [key, path] : keys)
            settings.setValue(QStringLiteral("update/") + QLatin1String(key), server.url(QString::fromLatin1(path)));
    }
    ~PublishedSources() { QSslConfiguration::setDefaultConfiguration(m_trusted); }
    PublishedSources(const PublishedSources&) = delete;
    PublishedSources& operator=(const PublishedSources&) = delete;

    void route(const QString& path, Reply reply) { server.route(path, std::move(reply)); }

    LocalServer server { LocalServer::Tls::SelfSigned };

private:
    QSslConfiguration m_trusted;
    QTemporaryDir m_settings;
};

// The built-in history up to the draws given, as a file made some time ago.
class OlderHistory : public TempDatabase {
public:
    OlderHistory(int numbers3, int numbers4, int miniLoto)
    {
        // The built-in history is stored once, and copied for each test.
        static const QTemporaryDir made;
        static const QString bundled = made.filePath("bundled.mdb");
        static const bool created = zelpo::db::createDatabaseWithHistory(bundled).ok();
        EXPECT_TRUE(created);
        QFile::remove(path());
        QFile::copy(bundled, path());
        for (const auto& [table, last] : { std::pair { "ナンバーズ3", numbers3 }, std::pair { "ナンバーズ4", numbers4 },
                 std::pair { "ミニロト", miniLoto } }) {
            exec(QString("DELETE FROM %1 WHERE kaisai>%2").arg(table).arg(last));
            exec(QString("DELETE FROM %1配当 WHERE kaisai>%2").arg(table).arg(last));
        }
    }

    QByteArray hash() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                              : QByteArray();
    }
};

} // namespace zelpo::test

// SPDX-License-Identifier: MIT
#include "data/update/sourceurls.h"

#include <QSettings>

namespace zelpo::update {

namespace {

const QString kFeed = QStringLiteral("https://hazimekom.github.io/numbers4-api/");
const QString kBank = QStringLiteral("https://www.mizuhobank.co.jp/retail/takarakuji/");

struct Key {
    const char* name;
    QString SourceUrls::*field;
};

const Key kKeys[] = {
    { "update/numbers3_feed", &SourceUrls::numbers3Feed },
    { "update/numbers3_feed_latest", &SourceUrls::numbers3FeedLatest },
    { "update/numbers4_feed", &SourceUrls::numbers4Feed },
    { "update/numbers4_feed_latest", &SourceUrls::numbers4FeedLatest },
    { "update/numbers_official_index", &SourceUrls::numbersOfficialIndex },
    { "update/numbers_official_folder", &SourceUrls::numbersOfficialFolder },
    { "update/miniloto_official_index", &SourceUrls::miniLotoOfficialIndex },
    { "update/miniloto_official_folder", &SourceUrls::miniLotoOfficialFolder },
};

} // namespace

QString SourceUrls::feed(Game game) const
{
    return game == Game::Numbers3 ? numbers3Feed : game == Game::Numbers4 ? numbers4Feed : QString();
}

QString SourceUrls::feedLatest(Game game) const
{
    return game == Game::Numbers3 ? numbers3FeedLatest : game == Game::Numbers4 ? numbers4FeedLatest : QString();
}

QString SourceUrls::officialIndex(Game game) const
{
    return game == Game::MiniLoto ? miniLotoOfficialIndex : numbersOfficialIndex;
}

QString SourceUrls::officialFolder(Game game) const
{
    return game == Game::MiniLoto ? miniLotoOfficialFolder : numbersOfficialFolder;
}

SourceUrls presetSourceUrls()
{
    SourceUrls urls;
    urls.numbers3Feed = kFeed + QStringLiteral("api/v2/games/numbers3/draws.full.json");
    urls.numbers3FeedLatest = kFeed + QStringLiteral("api/v2/games/numbers3/latest.json");
    urls.numbers4Feed = kFeed + QStringLiteral("api/v1/numbers4_all_full.json");
    urls.numbers4FeedLatest = kFeed + QStringLiteral("api/v1/latest.json");
    urls.numbersOfficialIndex = kBank + QStringLiteral("numbers/csv/numbers.csv");
    urls.numbersOfficialFolder = kBank + QStringLiteral("numbers/csv/");
    urls.miniLotoOfficialIndex = kBank + QStringLiteral("loto/miniloto/csv/miniloto.csv");
    urls.miniLotoOfficialFolder = kBank + QStringLiteral("loto/miniloto/csv/");
    return urls;
}

SourceUrls sourceUrls(const QSettings& settings)
{
    SourceUrls urls = presetSourceUrls();
    for (const Key& key : kKeys) {
        const QString value = settings.value(QLatin1String(key.name)).toString().trimmed();
        if (!value.isEmpty())
            urls.*key.field = value;
    }
    return urls;
}

SourceUrls sourceUrls()
{
    const QSettings settings(QStringLiteral("zelpo"), QStringLiteral("zelpo"));
    return sourceUrls(settings);
}

} // namespace zelpo::update

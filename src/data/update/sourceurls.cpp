// SPDX-License-Identifier: MIT
#include "data/update/sourceurls.h"

#include <QSettings>

namespace zelpo::update {

namespace {

const QString kFeed = QStringLiteral("https://hazimekom.github.io/numbers4-api/");
// The feed's own README names this host as serving the same paths.
const QString kFeedSecond = QStringLiteral("https://numbers4-1d961.web.app/");
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
    { "update/numbers3_feed_2", &SourceUrls::numbers3FeedSecond },
    { "update/numbers3_feed_latest_2", &SourceUrls::numbers3FeedLatestSecond },
    { "update/numbers4_feed_2", &SourceUrls::numbers4FeedSecond },
    { "update/numbers4_feed_latest_2", &SourceUrls::numbers4FeedLatestSecond },
    { "update/numbers_official_index", &SourceUrls::numbersOfficialIndex },
    { "update/numbers_official_folder", &SourceUrls::numbersOfficialFolder },
    { "update/miniloto_official_index", &SourceUrls::miniLotoOfficialIndex },
    { "update/miniloto_official_folder", &SourceUrls::miniLotoOfficialFolder },
};

} // namespace

std::vector<SourceUrls::FeedFiles> SourceUrls::feeds(Game game) const
{
    std::vector<FeedFiles> hosts;
    if (game == Game::Numbers3)
        hosts = { { numbers3Feed, numbers3FeedLatest }, { numbers3FeedSecond, numbers3FeedLatestSecond } };
    else if (game == Game::Numbers4)
        hosts = { { numbers4Feed, numbers4FeedLatest }, { numbers4FeedSecond, numbers4FeedLatestSecond } };
    std::erase_if(hosts, [](const FeedFiles& files) { return files.all.isEmpty(); });
    return hosts;
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
    urls.numbers3FeedSecond = kFeedSecond + QStringLiteral("api/v2/games/numbers3/draws.full.json");
    urls.numbers3FeedLatestSecond = kFeedSecond + QStringLiteral("api/v2/games/numbers3/latest.json");
    urls.numbers4FeedSecond = kFeedSecond + QStringLiteral("api/v1/numbers4_all_full.json");
    urls.numbers4FeedLatestSecond = kFeedSecond + QStringLiteral("api/v1/latest.json");
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

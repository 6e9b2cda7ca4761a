// SPDX-License-Identifier: MIT
// Where the results sources live. The presets can be changed in the settings
// file (~/.config/zelpo/zelpo.conf on Linux: organisation and application
// "zelpo"), group [update], for the day a site moves:
//   numbers3_feed, numbers3_feed_latest, numbers4_feed, numbers4_feed_latest,
//   numbers3_feed_2, numbers3_feed_latest_2, numbers4_feed_2, numbers4_feed_latest_2
//   (the feed's second host, tried when the first fails),
//   numbers_official_index, numbers_official_folder,
//   miniloto_official_index, miniloto_official_folder
#pragma once

#include "data/update/publisheddraw.h"

#include <QString>

#include <vector>

class QSettings;

namespace zelpo::update {

struct SourceUrls {
    QString numbers3Feed;       // every draw, with payouts
    QString numbers3FeedLatest; // the latest draw alone: the cheap check
    QString numbers4Feed;
    QString numbers4FeedLatest;
    // The same files on the feed's second host.
    QString numbers3FeedSecond;
    QString numbers3FeedLatestSecond;
    QString numbers4FeedSecond;
    QString numbers4FeedLatestSecond;
    QString numbersOfficialIndex;  // the bank's index of the last year's draws
    QString numbersOfficialFolder; // where its per-draw files lie
    QString miniLotoOfficialIndex;
    QString miniLotoOfficialFolder;

    bool operator==(const SourceUrls&) const = default;

    struct FeedFiles {
        QString all;    // every draw
        QString latest; // the latest draw alone; may be empty
    };
    // The game's feed on each host that serves it, in the order to try
    // (Mini Loto has no feed: none).
    std::vector<FeedFiles> feeds(Game game) const;
    QString officialIndex(Game game) const;
    QString officialFolder(Game game) const;
};

SourceUrls presetSourceUrls();

// The presets, each replaced by the settings' value where one is set.
SourceUrls sourceUrls(const QSettings& settings);

// The same from the program's own settings file.
SourceUrls sourceUrls();

} // namespace zelpo::update

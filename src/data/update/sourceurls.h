// SPDX-License-Identifier: MIT
// Where the results sources live. The presets can be changed in the settings
// file (~/.config/zelpo/zelpo.conf on Linux: organisation and application
// "zelpo"), group [update], for the day a site moves:
//   numbers3_feed, numbers3_feed_latest, numbers4_feed, numbers4_feed_latest,
//   numbers_official_index, numbers_official_folder,
//   miniloto_official_index, miniloto_official_folder
#pragma once

#include "data/update/publisheddraw.h"

#include <QString>

class QSettings;

namespace zelpo::update {

struct SourceUrls {
    QString numbers3Feed;       // every draw, with payouts
    QString numbers3FeedLatest; // the latest draw alone: the cheap check
    QString numbers4Feed;
    QString numbers4FeedLatest;
    QString numbersOfficialIndex;  // the bank's index of the last year's draws
    QString numbersOfficialFolder; // where its per-draw files lie
    QString miniLotoOfficialIndex;
    QString miniLotoOfficialFolder;

    bool operator==(const SourceUrls&) const = default;

    // The game's addresses (Mini Loto has no feed: empty).
    QString feed(Game game) const;
    QString feedLatest(Game game) const;
    QString officialIndex(Game game) const;
    QString officialFolder(Game game) const;
};

SourceUrls presetSourceUrls();

// The presets, each replaced by the settings' value where one is set.
SourceUrls sourceUrls(const QSettings& settings);

// The same from the program's own settings file.
SourceUrls sourceUrls();

} // namespace zelpo::update

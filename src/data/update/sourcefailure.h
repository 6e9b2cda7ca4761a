// SPDX-License-Identifier: MIT
// Why a results source gave no answer, kept in parts: which source, what
// kind of failure, the low-level reason and where it happened. The windows
// and the command line each put it in their own words.
#pragma once

#include "data/update/download.h"

#include <QString>

#include <vector>

namespace zelpo::update {

enum class FailureKind {
    Lookup,      // the host's name could not be looked up: offline, or no such host
    Connection,  // the host could not be reached or connected to
    Timeout,     // connected, but no answer in time; or the game's sources ran out of time
    Certificate, // the server's certificate is not trusted
    Refused,     // the server refused: an HTTP error, a bad redirect, not https, too large, cut short
    Content,     // what came is not what the source publishes: unreadable, a value out of range, another game
    Missing,     // a draw between the asked one and the source's latest is missing
    Disagrees,   // the source disagrees with the stored draws
    Unavailable, // the source does not carry what was asked (the feed has no Mini Loto; too many bank files)
    File,        // a local file could not be read
};

struct SourceFailure {
    QString source; // "feed", "official", a file's URL or path
    FailureKind kind = FailureKind::Content;
    QString reason; // English: "Host example.com not found", "HTTP 404", "draw 1225 is stored as ..."
    QString detail; // the address or path concerned; empty when the failure is the source's as a whole

    bool operator==(const SourceFailure&) const = default;

    // "source feed: https://...: HTTP 404" in English, for the command line and logs.
    QString text() const;
};

// The kind of a failed download.
FailureKind failureKind(DownloadFailure failure);

// The download's failure as the source's.
SourceFailure downloadFailure(const QString& source, const Downloaded& download);

// True when there are failures and every one is a lookup or a connection
// failure: the internet, or the sources' hosts, could not be reached at all.
bool unreachable(const std::vector<SourceFailure>& failures);

} // namespace zelpo::update

// SPDX-License-Identifier: MIT
// How each kind of source is read; Fetch (fetch.h) runs them in turn.
//  - feed: the latest-draw file first when asked for the cheap check, the
//    whole history only when it holds something from `from` on; each of the
//    feed's hosts in turn, the next when one cannot be read;
//  - official: the index for the latest draw, then one file per draw from
//    `from` to it, and before them the files of the stored draws that lack
//    payouts, as many as fit (at most kMostOfficialFiles in all);
//  - file: one file at a URL or a local path.
#pragma once

#include "data/update/download.h"
#include "data/update/publisheddraw.h"
#include "data/update/sourcefailure.h"
#include "data/update/sourceurls.h"

#include <QObject>

#include <functional>
#include <memory>

class QNetworkAccessManager;

namespace zelpo::update {

// The bank serves one file per draw: more than this many in one update is
// the feed's or a file's work.
inline constexpr int kMostOfficialFiles = 400;

struct SourceOutcome {
    std::vector<PublishedDraw> draws; // ascending by draw number
    int latest = 0;                   // the newest draw the source publishes
    // Each host or file that failed, in order: when the source answered
    // after all, these are what it answered in spite of; otherwise the last
    // is why it failed.
    std::vector<SourceFailure> failures;
    bool answered = false;
    bool cancelled = false;
};

class SourceRun : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SourceRun)

public:
    struct Setup {
        Game game = Game::Numbers3;
        int from = 1;
        bool cheapCheck = true;
        SourceUrls urls;
        Transport transport;
        QNetworkAccessManager* manager = nullptr; // outlives the run
        std::vector<int> refill {};               // FetchRequest::refill
    };

    ~SourceRun() override;

    virtual void start() = 0;
    void cancel();
    const SourceOutcome& outcome() const { return m_outcome; }

Q_SIGNALS:
    void progress(int drawsRead, int drawsExpected); // expected 0 when not known yet
    void finished();

protected:
    explicit SourceRun(Setup setup);

    // Downloads `url`, then hands its body to `then`. A failed download ends
    // the run, or goes to `orElse` when one is given (a cancel always ends it).
    void fetch(const QString& url, std::function<void(const QByteArray&)> then,
        std::function<void(const Downloaded&)> orElse = {});
    // Ends the run; finished() follows once the current call has returned.
    void finish(std::vector<PublishedDraw> draws, int latest);
    // Keeps a failure the run goes on from.
    void note(SourceFailure failure);
    // Ends the run as failed.
    void fail(SourceFailure failure);
    void fail(FailureKind kind, const QString& reason, const QString& detail = {});
    // The name the run's failures go by.
    virtual QString name() const = 0;

    const Setup m_setup;

private:
    void end();

    std::unique_ptr<Download> m_download;
    SourceOutcome m_outcome;
    bool m_ended = false;
};

// "feed", "official", or anything else: a file's URL or path.
std::unique_ptr<SourceRun> makeSourceRun(const QString& source, SourceRun::Setup setup);

} // namespace zelpo::update

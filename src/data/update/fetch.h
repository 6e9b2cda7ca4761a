// SPDX-License-Identifier: MIT
// Reading the published draws of one game from the first source that answers.
//
// Without a source named, the game's sources are tried in turn: the feed and
// then the bank for Numbers 3 and 4, the bank for Mini Loto. A source that
// fails in any way (network, format, a value, a missing draw) gives its place
// to the next, and the result tells which source answered and why each one
// before it failed. A source named ("feed", "official", a URL or a path) is
// the only one tried. The sources of one game have Transport::allSources
// together: when it runs out, the source being read fails as timed out and
// no other is tried.
//
// A source whose newest draw lies more than kStaleDraws behind the draw the
// calendar expects (`expected`) has stopped publishing: what it has is kept,
// the result names where it stops, and the next source is asked for the rest.
//
// What an answer guarantees: every draw from `from` up to the latest the
// source publishes, each checked (checkDraws()), ascending; a source may give
// older draws too (the feed gives its whole history). Storing them is the
// caller's work.
#pragma once

#include "data/update/download.h"
#include "data/update/publisheddraw.h"
#include "data/update/sourcefailure.h"
#include "data/update/sourceurls.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class QNetworkAccessManager;

namespace zelpo::update {

class SourceRun;

struct FetchRequest {
    Game game = Game::Numbers3;
    int from = 1;   // the first draw wanted: the highest stored + 1 for an update
    QString source; // empty: the game's sources in turn; "feed", "official", or a file's URL or path
    // Let the feed answer from its latest-draw file alone when it publishes
    // nothing from `from` on, instead of reading its whole history.
    bool cheapCheck = true;
    // Checks an answer against what the caller holds (an update: the stored
    // draws). A reason given makes the source count as failed, and the next
    // one is tried.
    std::function<QString(const std::vector<PublishedDraw>& draws)> accept;
    // The draw the calendar expects to be published by now; 0 when unknown.
    int expected = 0;
    // Stored draws below `from` whose payouts the caller lacks, ascending: a
    // source read draw by draw (the bank) reads them too, the newest first
    // within its cap on files, and a file it cannot read is passed over.
    std::vector<int> refill {};
};

// More draws than this behind the calendar and a source counts as stopped.
inline constexpr int kStaleDraws = 2;

// A source that answered but stops short of the calendar.
struct SourceStop {
    QString source;
    int latest = 0; // its newest draw
    QDate date;     // that draw's date, when it gives one

    bool operator==(const SourceStop&) const = default;
};

struct FetchResult {
    QString source;                      // "feed", "official", the URL or path; empty when none answered
    std::vector<PublishedDraw> draws;    // ascending; holds every draw from `from` to `latest`
    int latest = 0;                      // the newest draw the answering source publishes
    std::vector<SourceFailure> failures; // in the order met (a source may fail on more than one host)
    // The sources that answered but stop short of the calendar, in the order
    // tried; `draws` holds what each had beyond the one before.
    std::vector<SourceStop> stops;
    bool cancelled = false;

    bool ok() const { return !source.isEmpty(); }
};

// The sources a request tries, in order.
QStringList sourcesFor(const FetchRequest& request);

class Fetch final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Fetch)

public:
    Fetch(FetchRequest request, SourceUrls urls, Transport transport = {}, QObject* parent = nullptr);
    ~Fetch() override;

    void start();
    // Stops at once; finished() follows with `cancelled` set and no other source tried.
    void cancel();
    bool isFinished() const { return m_finished; }
    const FetchResult& result() const { return m_result; }

Q_SIGNALS:
    void sourceStarted(const QString& source);
    void progress(const QString& source, int drawsRead, int drawsExpected); // expected 0 when not known
    void finished();

private:
    void startNext();
    void onRunFinished();
    void end();
    void onOverTime();

    FetchRequest m_request;
    SourceUrls m_urls;
    Transport m_transport;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    QStringList m_sources; // still to try
    QString m_current;     // the one being read
    std::unique_ptr<SourceRun> m_run;
    QTimer m_deadline; // Transport::allSources
    bool m_overTime = false;
    FetchResult m_result;
    bool m_finished = false;
};

// Fetches and waits for the answer in an event loop of its own: for the command line.
FetchResult fetchBlocking(const FetchRequest& request, const SourceUrls& urls, const Transport& transport = {});

} // namespace zelpo::update

// SPDX-License-Identifier: MIT
// An update of one or more games, as the command line and the windows run it.
//
// Each game in turn: its stored draws are read, then its published draws are
// fetched from the first source that answers (fetch.h) and agrees with them
// (plan.h: a source whose draws conflict with the stored ones, or leave a
// gap, counts as failed and the next one is tried). Once every game has its
// answer, each is stored in a transaction of its own (store.h). A cancel stops
// the reading, and then nothing at all is stored.
#pragma once

#include "data/update/calendarstate.h"
#include "data/update/fetch.h"
#include "data/update/plan.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <utility>

namespace zelpo::update {

struct UpdateRequest {
    QString database;
    std::vector<Game> games; // updated in this order
    QString source;          // empty: each game's sources in turn; "feed", "official", a URL or a path
    bool dryRun = false;     // fetch and check, store nothing
    // The moment the calendar counts the published draws at.
    std::chrono::sys_seconds now = currentTime();
};

struct GameOutcome {
    // Behind: the sources had nothing new, but the calendar says draws are
    // out that the file lacks (`missing`); never called current.
    enum class Status { Updated, Current, Behind, Failed, Cancelled };
    Game game = Game::Numbers3;
    Status status = Status::Cancelled;
    QString source; // the source that answered; empty when none did
    int added = 0;  // new draws, numbered first to last
    int first = 0;
    int last = 0;
    int highest = 0; // the highest stored draw after the update (in a dry run: it would be)
    int filled = 0;  // stored draws whose date or payouts were filled in
    QString reason;  // Failed: why, in English
    // Each source (or host of one) that failed, in the order tried; when one
    // answered after them, these are what it was preferred to.
    std::vector<SourceFailure> failures;
    // The first conflict of each source that had one, with the source's name.
    std::vector<std::pair<QString, Conflict>> conflicts;
    // Disagreements on older stored draws of the source that answered: the
    // stored draws were kept as they are.
    std::vector<std::pair<QString, Conflict>> notes;
    // Sources that answered but stop short of the calendar (fetch.h).
    std::vector<SourceStop> stops;
    // The draw the calendar expects by now, with its date (kaisai 0 when the
    // file's last draw has no date), and how many draws up to it the file
    // still lacks after the update (in a dry run: would lack).
    DrawDate expected;
    int missing = 0;
};

class UpdateRun final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateRun)

public:
    UpdateRun(UpdateRequest request, SourceUrls urls, Transport transport = {}, QObject* parent = nullptr);
    ~UpdateRun() override;

    void start();
    // Stops the reading; finished() follows, every game not yet failed
    // counting as cancelled, and nothing is stored.
    void cancel();
    bool isFinished() const { return m_finished; }
    const std::vector<GameOutcome>& outcomes() const { return m_outcomes; }

Q_SIGNALS:
    void sourceStarted(zelpo::Game game, const QString& source);
    void progress(zelpo::Game game, const QString& source, int drawsRead, int drawsExpected);
    void finished();

private:
    void startNext();
    void onFetched();
    void storeAll();
    void end();
    QString checkAnswer(const std::vector<PublishedDraw>& draws);

    UpdateRequest m_request;
    SourceUrls m_urls;
    Transport m_transport;
    std::vector<GameOutcome> m_outcomes;
    std::vector<std::vector<PublishedDraw>> m_answers; // per game, once fetched
    std::size_t m_current = 0;                         // the game being read
    StoredGame m_stored;                               // of the game being read
    QString m_source;                                  // the source being read
    std::unique_ptr<Fetch> m_fetch;
    bool m_started = false;
    bool m_cancelled = false;
    bool m_finished = false;
};

// Runs the update in an event loop of its own: for the command line.
std::vector<GameOutcome> updateBlocking(
    const UpdateRequest& request, const SourceUrls& urls, const Transport& transport = {});

} // namespace zelpo::update

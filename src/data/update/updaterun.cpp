// SPDX-License-Identifier: MIT
#include "data/update/updaterun.h"

#include "data/update/store.h"

#include <QEventLoop>

#include <algorithm>

namespace zelpo::update {
namespace {

// The draw the calendar expects by `now`, counted on from the newest stored
// draw with a date (a draw registered by hand has none); kaisai 0 when no
// stored draw has one.
DrawDate expectedDraw(Game game, const StoredGame& stored, std::chrono::sys_seconds now)
{
    const int highest = stored.highest();
    const auto payout = std::find_if(stored.payouts.rbegin(), stored.payouts.rend(),
        [highest](const StoredPayout& row) { return row.kaisai <= highest && row.date.isValid(); });
    if (highest == 0 || payout == stored.payouts.rend())
        return {};
    const std::optional<std::chrono::year_month_day> day = dayOf(payout->date.toString(Qt::ISODate));
    if (!day)
        return {};
    const DrawDate expected = expectedLatest(game, { payout->kaisai, *day }, now);
    return expected.kaisai >= highest ? expected : DrawDate { highest, {} };
}

} // namespace

UpdateRun::UpdateRun(UpdateRequest request, SourceUrls urls, Transport transport, QObject* parent)
    : QObject(parent)
    , m_request(std::move(request))
    , m_urls(std::move(urls))
    , m_transport(transport)
{
    for (const Game game : m_request.games) {
        GameOutcome& outcome = m_outcomes.emplace_back();
        outcome.game = game;
    }
    m_answers.resize(m_outcomes.size());
}

UpdateRun::~UpdateRun() = default;

void UpdateRun::start()
{
    if (m_started)
        return;
    m_started = true;
    QMetaObject::invokeMethod(this, &UpdateRun::startNext, Qt::QueuedConnection);
}

void UpdateRun::cancel()
{
    if (m_finished || m_cancelled)
        return;
    m_cancelled = true;
    if (m_fetch)
        return m_fetch->cancel(); // its finished() ends the run
    if (m_started)
        return; // the queued first step ends it
    end();
}

void UpdateRun::startNext()
{
    if (m_cancelled)
        return end();
    if (m_current >= m_outcomes.size())
        return storeAll();
    GameOutcome& outcome = m_outcomes[m_current];
    if (const db::Status read = readStoredGame(m_request.database, outcome.game, m_stored); !read) {
        outcome.status = GameOutcome::Status::Failed;
        outcome.reason = db::describe(read);
        ++m_current;
        return startNext();
    }
    outcome.expected = expectedDraw(outcome.game, m_stored, m_request.now);
    FetchRequest request;
    request.game = outcome.game;
    // Sources are held to the calendar only while it says draws are missing.
    request.expected = outcome.expected.kaisai > m_stored.highest() ? outcome.expected.kaisai : 0;
    request.refill = m_stored.lackingPayouts();
    request.from = m_stored.highest() + 1;
    request.source = m_request.source;
    // Dates the file lacks come only from a source's whole history.
    request.cheapCheck = !m_stored.lacksDates();
    request.accept = [this](const std::vector<PublishedDraw>& draws) { return checkAnswer(draws); };
    m_fetch = std::make_unique<Fetch>(std::move(request), m_urls, m_transport);
    const Game game = outcome.game;
    connect(m_fetch.get(), &Fetch::sourceStarted, this, [this, game](const QString& source) {
        m_source = source;
        Q_EMIT sourceStarted(game, source);
    });
    connect(m_fetch.get(), &Fetch::progress, this,
        [this, game](const QString& source, int read, int expected) { Q_EMIT progress(game, source, read, expected); });
    connect(m_fetch.get(), &Fetch::finished, this, &UpdateRun::onFetched);
    m_fetch->start();
}

QString UpdateRun::checkAnswer(const std::vector<PublishedDraw>& draws)
{
    // A file given to read from that stops below the file's last draw has
    // nothing to add, whatever it agrees with.
    const bool isFile = m_source != QLatin1String("feed") && m_source != QLatin1String("official");
    if (isFile && !draws.empty() && draws.back().kaisai < m_stored.highest()) {
        return QStringLiteral("the file ends at draw %1, before the last stored draw %2")
            .arg(draws.back().kaisai)
            .arg(m_stored.highest());
    }
    const UpdatePlan plan = planUpdate(m_outcomes[m_current].game, m_stored, draws);
    if (!plan.conflicts.empty())
        m_outcomes[m_current].conflicts.emplace_back(m_source, plan.conflicts.front());
    return plan.reason();
}

void UpdateRun::onFetched()
{
    // The fetch is the sender: it goes once its signal has returned.
    Fetch* fetch = m_fetch.release();
    fetch->deleteLater();
    const FetchResult& result = fetch->result();
    GameOutcome& outcome = m_outcomes[m_current];
    outcome.failures = result.failures;
    outcome.stops = result.stops;
    if (result.cancelled || m_cancelled) {
        m_cancelled = true;
        return end();
    }
    if (result.ok()) {
        outcome.source = result.source;
        m_answers[m_current] = result.draws;
    } else {
        outcome.status = GameOutcome::Status::Failed;
        QStringList reasons;
        for (const SourceFailure& failure : result.failures)
            reasons << failure.text();
        outcome.reason = reasons.join(QStringLiteral("; "));
        if (unreachable(result.failures))
            outcome.reason = QStringLiteral("the internet could not be reached (%1)").arg(outcome.reason);
    }
    m_stored = {};
    ++m_current;
    startNext();
}

void UpdateRun::storeAll()
{
    for (std::size_t i = 0; i < m_outcomes.size(); ++i) {
        GameOutcome& outcome = m_outcomes[i];
        if (outcome.status == GameOutcome::Status::Failed)
            continue;
        const StoreResult stored = storeUpdate(m_request.database, outcome.game, m_answers[i], m_request.dryRun);
        m_answers[i].clear();
        const UpdatePlan& plan = stored.plan;
        if (!stored.status.ok()) {
            outcome.status = GameOutcome::Status::Failed;
            outcome.reason = db::describe(stored.status);
            continue;
        }
        if (!plan.ok()) {
            // The file changed while the sources were read.
            outcome.status = GameOutcome::Status::Failed;
            // Told as the answering source's failure, so the message names it.
            outcome.failures.push_back({ outcome.source, FailureKind::Disagrees, plan.reason(), {} });
            outcome.reason = outcome.failures.back().text();
            if (!plan.conflicts.empty())
                outcome.conflicts.emplace_back(outcome.source, plan.conflicts.front());
            continue;
        }
        outcome.added = static_cast<int>(plan.appends.size());
        if (outcome.added > 0) {
            outcome.first = plan.appends.front().kaisai;
            outcome.last = plan.appends.back().kaisai;
        }
        outcome.highest = outcome.added > 0 ? outcome.last : plan.highest;
        outcome.filled = static_cast<int>(plan.fills.size());
        for (const Conflict& note : plan.notes)
            outcome.notes.emplace_back(outcome.source, note);
        outcome.missing = drawsMissing({ outcome.highest, {} }, outcome.expected);
        if (outcome.added > 0)
            outcome.status = GameOutcome::Status::Updated;
        else
            outcome.status = outcome.missing > 0 ? GameOutcome::Status::Behind : GameOutcome::Status::Current;
    }
    end();
}

void UpdateRun::end()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_cancelled) {
        // Nothing was stored: what was read is dropped with the rest.
        for (GameOutcome& outcome : m_outcomes) {
            if (outcome.status != GameOutcome::Status::Failed)
                outcome.status = GameOutcome::Status::Cancelled;
        }
    }
    QMetaObject::invokeMethod(
        this, [this] { Q_EMIT finished(); }, Qt::QueuedConnection);
}

std::vector<GameOutcome> updateBlocking(
    const UpdateRequest& request, const SourceUrls& urls, const Transport& transport)
{
    UpdateRun run(request, urls, transport);
    QEventLoop loop;
    QObject::connect(&run, &UpdateRun::finished, &loop, &QEventLoop::quit);
    run.start();
    loop.exec();
    return run.outcomes();
}

} // namespace zelpo::update

// SPDX-License-Identifier: MIT
#include "data/update/fetch.h"

#include "data/update/sourcerun.h"

#include <QEventLoop>
#include <QNetworkAccessManager>

namespace zelpo::update {

namespace {

// The first draw from `from` to `latest` the draws lack, described; or empty.
QString missingDraw(const std::vector<PublishedDraw>& draws, int from, int latest)
{
    int expected = from;
    for (const PublishedDraw& draw : draws) {
        if (draw.kaisai < from)
            continue;
        if (draw.kaisai != expected)
            break;
        ++expected;
    }
    if (expected > latest)
        return {};
    return QStringLiteral("draw %1 is missing (the source publishes draws up to %2)").arg(expected).arg(latest);
}

// `earlier` followed by what `later` has beyond it.
std::vector<PublishedDraw> joined(const std::vector<PublishedDraw>& earlier, std::vector<PublishedDraw> later)
{
    if (earlier.empty())
        return later;
    const int last = earlier.back().kaisai;
    std::vector<PublishedDraw> draws = earlier;
    for (PublishedDraw& draw : later) {
        if (draw.kaisai > last)
            draws.push_back(std::move(draw));
    }
    return draws;
}

} // namespace

QStringList sourcesFor(const FetchRequest& request)
{
    if (!request.source.isEmpty())
        return { request.source };
    if (request.game == Game::MiniLoto)
        return { QStringLiteral("official") };
    return { QStringLiteral("feed"), QStringLiteral("official") };
}

Fetch::Fetch(FetchRequest request, SourceUrls urls, Transport transport, QObject* parent)
    : QObject(parent)
    , m_request(std::move(request))
    , m_urls(std::move(urls))
    , m_transport(transport)
{
    m_request.from = std::max(m_request.from, 1);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(m_transport.allSources);
    connect(&m_deadline, &QTimer::timeout, this, &Fetch::onOverTime);
}

Fetch::~Fetch() = default;

void Fetch::start()
{
    if (m_manager || m_finished)
        return;
    m_manager = makeNetworkManager();
    m_sources = sourcesFor(m_request);
    m_deadline.start();
    startNext();
}

void Fetch::cancel()
{
    if (m_finished)
        return;
    if (m_run)
        return m_run->cancel(); // its finished() ends the fetch as cancelled
    m_result.cancelled = true;
    end();
}

void Fetch::startNext()
{
    if (m_sources.isEmpty())
        return end();
    const QString source = m_sources.takeFirst();
    m_current = source;
    SourceRun::Setup setup { m_request.game, m_request.from, m_request.cheapCheck, m_urls, m_transport, m_manager.get(),
        m_request.refill };
    m_run = makeSourceRun(source, std::move(setup));
    connect(m_run.get(), &SourceRun::progress, this,
        [this, source](int read, int expected) { Q_EMIT progress(source, read, expected); });
    connect(m_run.get(), &SourceRun::finished, this, &Fetch::onRunFinished);
    Q_EMIT sourceStarted(source);
    m_run->start();
}

void Fetch::onRunFinished()
{
    // The run is the sender: it goes once its signal has returned.
    SourceRun* run = m_run.release();
    run->deleteLater();
    const QString& source = m_current;
    SourceOutcome outcome = run->outcome();
    if (outcome.cancelled && m_overTime) {
        m_result.failures.push_back({ source, FailureKind::Timeout,
            QStringLiteral("the sources of a game have %1 s together, and they ran out")
                .arg(std::chrono::duration_cast<std::chrono::seconds>(m_transport.allSources).count()),
            {} });
        return end();
    }
    if (outcome.cancelled) {
        m_result.cancelled = true;
        return end();
    }
    m_result.failures.insert(m_result.failures.end(), outcome.failures.begin(), outcome.failures.end());
    if (!outcome.answered)
        return startNext();
    QString error = missingDraw(outcome.draws, m_request.from, outcome.latest);
    FailureKind kind = FailureKind::Missing;
    // After a source that stopped, the next one answers for what lies beyond it.
    std::vector<PublishedDraw> draws;
    if (error.isEmpty()) {
        draws = joined(m_result.draws, std::move(outcome.draws));
        if (m_request.accept) {
            error = m_request.accept(draws);
            kind = FailureKind::Disagrees;
        }
    }
    if (!error.isEmpty()) {
        m_result.failures.push_back({ source, kind, error, {} });
        return startNext();
    }
    m_result.source = source;
    m_result.draws = std::move(draws);
    m_result.latest = std::max(m_result.latest, outcome.latest);
    if (m_request.expected > 0 && m_result.latest < m_request.expected - kStaleDraws) {
        QDate date;
        if (!m_result.draws.empty() && m_result.draws.back().kaisai == m_result.latest)
            date = m_result.draws.back().date;
        m_result.stops.push_back({ source, m_result.latest, date });
        m_request.from = std::max(m_request.from, m_result.latest + 1);
        return startNext();
    }
    end();
}

void Fetch::end()
{
    if (m_finished)
        return;
    m_finished = true;
    m_deadline.stop();
    m_sources.clear();
    QMetaObject::invokeMethod(
        this, [this] { Q_EMIT finished(); }, Qt::QueuedConnection);
}

void Fetch::onOverTime()
{
    if (m_finished || !m_run)
        return;
    m_overTime = true;
    m_sources.clear();
    m_run->cancel(); // its finished() records the failure
}

FetchResult fetchBlocking(const FetchRequest& request, const SourceUrls& urls, const Transport& transport)
{
    Fetch fetch(request, urls, transport);
    QEventLoop loop;
    QObject::connect(&fetch, &Fetch::finished, &loop, &QEventLoop::quit);
    fetch.start();
    loop.exec();
    return fetch.result();
}

} // namespace zelpo::update

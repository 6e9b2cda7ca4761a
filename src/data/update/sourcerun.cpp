// SPDX-License-Identifier: MIT
#include "data/update/sourcerun.h"

#include "data/db/transfer.h"
#include "data/update/feedjson.h"
#include "data/update/officialcsv.h"
#include "data/update/onefile.h"

#include <QFile>

#include <algorithm>

namespace zelpo::update {

SourceRun::SourceRun(Setup setup)
    : m_setup(std::move(setup))
{
}

SourceRun::~SourceRun() = default;

void SourceRun::cancel()
{
    if (m_ended)
        return;
    if (m_download) {
        m_download->cancel(); // its finished() ends the run as cancelled
        return;
    }
    m_outcome.cancelled = true;
    end();
}

void SourceRun::fetch(
    const QString& url, std::function<void(const QByteArray&)> then, std::function<void(const Downloaded&)> orElse)
{
    if (m_ended)
        return; // cancelled while the last file was being read
    m_download = std::make_unique<Download>(QUrl(url), m_setup.transport, m_setup.manager);
    Download* download = m_download.get();
    connect(download, &Download::finished, this, [this, download, then = std::move(then), orElse = std::move(orElse)] {
        // The download is the sender: it goes once its signal has returned.
        m_download.release()->deleteLater();
        const Downloaded& result = download->result();
        if (result.failure == DownloadFailure::Cancelled) {
            m_outcome.cancelled = true;
            return end();
        }
        if (!result.ok()) {
            if (orElse)
                return orElse(result);
            return fail(downloadFailure(name(), result));
        }
        then(result.body);
    });
    download->start();
}

void SourceRun::finish(std::vector<PublishedDraw> draws, int latest)
{
    m_outcome.draws = std::move(draws);
    m_outcome.latest = latest;
    m_outcome.answered = true;
    end();
}

void SourceRun::note(SourceFailure failure)
{
    m_outcome.failures.push_back(std::move(failure));
}

void SourceRun::fail(SourceFailure failure)
{
    m_outcome.draws.clear();
    m_outcome.latest = 0;
    note(std::move(failure));
    end();
}

void SourceRun::fail(FailureKind kind, const QString& reason, const QString& detail)
{
    fail(SourceFailure { name(), kind, reason, detail });
}

void SourceRun::end()
{
    if (m_ended)
        return;
    m_ended = true;
    QMetaObject::invokeMethod(
        this, [this] { Q_EMIT finished(); }, Qt::QueuedConnection);
}

namespace {

// A failure that the next try of the same host would meet again.
bool hostDown(const Downloaded& download)
{
    switch (failureKind(download.failure)) {
    case FailureKind::Lookup:
    case FailureKind::Connection:
    case FailureKind::Timeout:
    case FailureKind::Certificate:
        return true;
    default:
        return false;
    }
}

class FeedRun final : public SourceRun {
public:
    explicit FeedRun(Setup setup)
        : SourceRun(std::move(setup))
        , m_hosts(m_setup.urls.feeds(m_setup.game))
    {
    }

    QString name() const override { return QStringLiteral("feed"); }

    void start() override
    {
        if (m_hosts.empty())
            return fail(
                FailureKind::Unavailable, QStringLiteral("the feed carries no %1 draws").arg(gameTitle(m_setup.game)));
        tryHost();
    }

private:
    // The latest-draw file only spares reading the whole history: when it is
    // missing or unreadable, the whole history answers instead; when the host
    // cannot be reached, the next host is tried.
    void tryHost()
    {
        const SourceUrls::FeedFiles& files = m_hosts[m_host];
        if (!m_setup.cheapCheck || files.latest.isEmpty())
            return readAll();
        fetch(
            files.latest,
            [this](const QByteArray& body) {
                const Parsed parsed = parseFeedJson(m_setup.game, body);
                if (parsed.ok() && parsed.draws.back().kaisai < m_setup.from)
                    return finish(parsed.draws, parsed.draws.back().kaisai);
                readAll();
            },
            [this](const Downloaded& download) {
                if (!hostDown(download))
                    return readAll();
                nextHost(downloadFailure(name(), download));
            });
    }

    void readAll()
    {
        const QString all = m_hosts[m_host].all;
        fetch(
            all,
            [this, all](const QByteArray& body) {
                Parsed parsed = parseFeedJson(m_setup.game, body);
                if (!parsed.ok())
                    return nextHost(SourceFailure { name(), FailureKind::Content, parsed.error, all });
                const int count = static_cast<int>(parsed.draws.size());
                Q_EMIT progress(count, count);
                const int latest = parsed.draws.back().kaisai;
                finish(std::move(parsed.draws), latest);
            },
            [this](const Downloaded& download) { nextHost(downloadFailure(name(), download)); });
    }

    void nextHost(SourceFailure failure)
    {
        if (++m_host >= m_hosts.size())
            return fail(std::move(failure));
        note(std::move(failure));
        tryHost();
    }

    const std::vector<SourceUrls::FeedFiles> m_hosts;
    std::size_t m_host = 0;
};

class OfficialRun final : public SourceRun {
public:
    explicit OfficialRun(Setup setup)
        : SourceRun(std::move(setup))
    {
    }

    QString name() const override { return QStringLiteral("official"); }

    void start() override
    {
        const QString index = m_setup.urls.officialIndex(m_setup.game);
        fetch(index, [this, index](const QByteArray& body) {
            const OfficialIndex read = parseOfficialIndex(m_setup.game, body);
            if (!read.ok())
                return fail(FailureKind::Content, read.error, index);
            m_latest = read.latest;
            m_next = m_setup.from;
            const int count = m_latest - m_setup.from + 1;
            if (count > kMostOfficialFiles) {
                return fail(FailureKind::Unavailable,
                    QStringLiteral("draws %1 to %2 would be %3 files of the bank, more than %4; "
                                   "read them from the feed or a file")
                        .arg(m_setup.from)
                        .arg(m_latest)
                        .arg(count)
                        .arg(kMostOfficialFiles));
            }
            // The stored draws that lack payouts take the files left over, the newest first.
            const std::size_t room = static_cast<std::size_t>(kMostOfficialFiles - std::max(count, 0));
            for (auto it = m_setup.refill.rbegin(); it != m_setup.refill.rend() && m_refill.size() < room; ++it) {
                if (*it < m_setup.from && *it <= m_latest)
                    m_refill.insert(m_refill.begin(), *it);
            }
            m_files = std::max(count, 0) + static_cast<int>(m_refill.size());
            Q_EMIT progress(0, m_files);
            readRefill();
        });
    }

private:
    QString fileUrl(int kaisai) const
    {
        QString folder = m_setup.urls.officialFolder(m_setup.game);
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        return folder + officialFileName(m_setup.game, kaisai);
    }

    // A stored draw's file: what it adds is its payouts; one the bank no
    // longer serves, or cannot be read, is passed over.
    void readRefill()
    {
        if (m_refill.empty())
            return readNext();
        const int kaisai = m_refill.front();
        m_refill.erase(m_refill.begin());
        Q_EMIT progress(++m_read, m_files);
        fetch(
            fileUrl(kaisai),
            [this, kaisai](const QByteArray& body) {
                Parsed parsed = parseOfficialDraw(m_setup.game, body);
                if (parsed.ok() && parsed.draws.front().kaisai == kaisai)
                    m_draws.push_back(std::move(parsed.draws.front()));
                readRefill();
            },
            [this](const Downloaded&) { readRefill(); });
    }

    void readNext()
    {
        if (m_next > m_latest) {
            Parsed all = checked(m_setup.game, std::move(m_draws));
            if (!all.ok())
                return fail(FailureKind::Content, all.error);
            return finish(std::move(all.draws), m_latest);
        }
        const QString url = fileUrl(m_next);
        fetch(url, [this, url](const QByteArray& body) {
            Parsed parsed = parseOfficialDraw(m_setup.game, body);
            if (!parsed.ok())
                return fail(FailureKind::Content, parsed.error, url);
            if (parsed.draws.front().kaisai != m_next) {
                return fail(FailureKind::Content,
                    QStringLiteral("the file holds draw %1, not %2").arg(parsed.draws.front().kaisai).arg(m_next), url);
            }
            m_draws.push_back(std::move(parsed.draws.front()));
            Q_EMIT progress(++m_read, m_files);
            ++m_next;
            readNext();
        });
    }

    std::vector<PublishedDraw> m_draws;
    std::vector<int> m_refill; // the stored draws' files still to read
    int m_files = 0;           // files to read in all
    int m_read = 0;
    int m_latest = 0;
    int m_next = 0;
};

class FileRun final : public SourceRun {
public:
    FileRun(QString location, Setup setup)
        : SourceRun(std::move(setup))
        , m_location(std::move(location))
    {
    }

    QString name() const override { return m_location; }

    void start() override
    {
        const QUrl url(m_location);
        const QString scheme = url.scheme().toLower();
        if (scheme == QStringLiteral("http") || scheme == QStringLiteral("https"))
            return fetch(m_location, [this](const QByteArray& body) { read(body); });
        const QString path = url.isLocalFile() ? url.toLocalFile() : m_location;
        // The failure is told with the source, which names the file: not again here.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(FailureKind::File, file.errorString(), path);
        db::InputBytes input = db::readInput(file);
        if (!input.ok()) {
            return fail(input.problem ? FailureKind::Content : FailureKind::File,
                input.problem ? QString::fromStdString(db::csv::describe(*input.problem)) : input.error, path);
        }
        read(input.bytes);
    }

private:
    void read(const QByteArray& body)
    {
        Parsed parsed = parseOneFile(m_setup.game, body);
        if (!parsed.ok())
            return fail(FailureKind::Content, parsed.error, m_location);
        const int count = static_cast<int>(parsed.draws.size());
        Q_EMIT progress(count, count);
        const int latest = parsed.draws.back().kaisai;
        finish(std::move(parsed.draws), latest);
    }

    QString m_location;
};

} // namespace

std::unique_ptr<SourceRun> makeSourceRun(const QString& source, SourceRun::Setup setup)
{
    if (source == QStringLiteral("feed"))
        return std::make_unique<FeedRun>(std::move(setup));
    if (source == QStringLiteral("official"))
        return std::make_unique<OfficialRun>(std::move(setup));
    return std::make_unique<FileRun>(source, std::move(setup));
}

} // namespace zelpo::update

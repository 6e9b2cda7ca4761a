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
    fail(QStringLiteral("cancelled"));
}

void SourceRun::fetch(const QString& url, std::function<void(const QByteArray&)> then, std::function<void()> orElse)
{
    if (m_ended)
        return; // cancelled while the last file was being read
    m_download = std::make_unique<Download>(QUrl(url), m_setup.transport, m_setup.manager);
    Download* download = m_download.get();
    connect(download, &Download::finished, this, [this, download, then = std::move(then), orElse = std::move(orElse)] {
        // The download is the sender: it goes once its signal has returned.
        m_download.release()->deleteLater();
        const Downloaded& result = download->result();
        if (!result.ok()) {
            m_outcome.cancelled = result.failure == DownloadFailure::Cancelled;
            if (orElse && !m_outcome.cancelled)
                return orElse();
            return fail(result.error);
        }
        then(result.body);
    });
    download->start();
}

void SourceRun::finish(std::vector<PublishedDraw> draws, int latest)
{
    m_outcome.draws = std::move(draws);
    m_outcome.latest = latest;
    end();
}

void SourceRun::fail(const QString& error)
{
    m_outcome.draws.clear();
    m_outcome.latest = 0;
    m_outcome.error = error;
    end();
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

class FeedRun final : public SourceRun {
public:
    explicit FeedRun(Setup setup)
        : SourceRun(std::move(setup))
    {
    }

    void start() override
    {
        const QString latest = m_setup.urls.feedLatest(m_setup.game);
        if (m_setup.urls.feed(m_setup.game).isEmpty())
            return fail(QStringLiteral("the feed carries no %1 draws").arg(gameTitle(m_setup.game)));
        if (!m_setup.cheapCheck || latest.isEmpty())
            return readAll();
        // The latest-draw file only spares reading the whole history: when it
        // is missing or unreadable, the whole history answers instead.
        fetch(
            latest,
            [this](const QByteArray& body) {
                const Parsed parsed = parseFeedJson(m_setup.game, body);
                if (parsed.ok() && parsed.draws.back().kaisai < m_setup.from)
                    return finish(parsed.draws, parsed.draws.back().kaisai);
                readAll();
            },
            [this] { readAll(); });
    }

private:
    void readAll()
    {
        const QString all = m_setup.urls.feed(m_setup.game);
        fetch(all, [this, all](const QByteArray& body) {
            Parsed parsed = parseFeedJson(m_setup.game, body);
            if (!parsed.ok())
                return fail(all + QStringLiteral(": ") + parsed.error);
            const int count = static_cast<int>(parsed.draws.size());
            Q_EMIT progress(count, count);
            const int latest = parsed.draws.back().kaisai;
            finish(std::move(parsed.draws), latest);
        });
    }
};

class OfficialRun final : public SourceRun {
public:
    explicit OfficialRun(Setup setup)
        : SourceRun(std::move(setup))
    {
    }

    void start() override
    {
        const QString index = m_setup.urls.officialIndex(m_setup.game);
        fetch(index, [this, index](const QByteArray& body) {
            const OfficialIndex read = parseOfficialIndex(m_setup.game, body);
            if (!read.ok())
                return fail(index + QStringLiteral(": ") + read.error);
            m_latest = read.latest;
            m_next = m_setup.from;
            const int count = m_latest - m_setup.from + 1;
            if (count > kMostOfficialFiles) {
                return fail(QStringLiteral("draws %1 to %2 would be %3 files of the bank, more than %4; "
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
            [this] { readRefill(); });
    }

    void readNext()
    {
        if (m_next > m_latest) {
            Parsed all = checked(m_setup.game, std::move(m_draws));
            if (!all.ok())
                return fail(all.error);
            return finish(std::move(all.draws), m_latest);
        }
        const QString url = fileUrl(m_next);
        fetch(url, [this, url](const QByteArray& body) {
            Parsed parsed = parseOfficialDraw(m_setup.game, body);
            if (!parsed.ok())
                return fail(url + QStringLiteral(": ") + parsed.error);
            if (parsed.draws.front().kaisai != m_next) {
                return fail(QStringLiteral("%1: the file holds draw %2, not %3")
                                .arg(url)
                                .arg(parsed.draws.front().kaisai)
                                .arg(m_next));
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
            return fail(file.errorString());
        db::InputBytes input = db::readInput(file);
        if (!input.ok())
            return fail(input.problem ? QString::fromStdString(db::csv::describe(*input.problem)) : input.error);
        read(input.bytes);
    }

private:
    void read(const QByteArray& body)
    {
        Parsed parsed = parseOneFile(m_setup.game, body);
        if (!parsed.ok())
            return fail(parsed.error);
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

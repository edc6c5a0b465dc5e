#include "scan/ScanDriver.h"

#include "engines/CountText.h"
#include "results/ScanResults.h"
#include "scan/PacedFetcher.h"
#include "scan/PageFetcher.h"
#include "scan/ScanLog.h"
#include "scan/SourceQuery.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#endif

ScanDriver::ScanDriver(PageFetcher* fetcher, SourceReader readSources, ScanResults* results, QObject* parent)
    : QObject(parent)
    , m_fetcher(fetcher)
    , m_readSources(std::move(readSources))
    , m_results(results)
{
    // Rows never move, but clearing or replacing them takes the current one.
    connect(results, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_row = -1; });
}

SourceQuery* ScanDriver::queryFor(const Source& source)
{
    SourceQuery*& query = m_queriesByKey[source.settingsKey.toLower()];
    if (query)
        return query;
    auto* paced = new PacedFetcher(m_fetcher->sibling(), this);
    paced->setPolicy(m_pacing);
    query = new SourceQuery(paced, this);
    // A query serves the source wherever it stands in the running scan.
    SourceQuery* const asked = query;
    connect(query, &SourceQuery::finished, this, [this, asked](const SourceQuery::Answer& answer) {
        answered(static_cast<int>(m_scanQueries.indexOf(asked)), answer.outcome, answer.count);
    });
    connect(query, &SourceQuery::retrying, this,
            [this, asked](const FetchReport& answer, int waitMs) { retrying(asked, answer, waitMs); });
    return query;
}

void ScanDriver::setNetworkSettings(const NetworkSettings& settings)
{
    m_fetcher->setNetworkSettings(settings);
    for (SourceQuery* query : std::as_const(m_queriesByKey))
        query->pacedFetcher()->pageFetcher()->setNetworkSettings(settings);
}

void ScanDriver::setPacing(const PacedFetcher::Policy& pacing)
{
    m_pacing = pacing;
    for (SourceQuery* query : std::as_const(m_queriesByKey))
        query->pacedFetcher()->setPolicy(pacing);
}

namespace {

// The sources of a settings.ini as the file holds them now: read again only
// when the file has changed (its size, its time of change to the
// nanosecond, or the file itself), which a query costs much less to look
// at than to read.
class CurrentSourceList
{
public:
    explicit CurrentSourceList(const QString& settingsIni)
        : m_path(QFile::encodeName(settingsIni).toStdString())
        , m_settingsIni(settingsIni)
    {}

    const SourceList& sources()
    {
        const std::optional<Stamp> stamp = stampOf(m_path);
        if (!stamp || stamp != m_stamp) {
            m_sources = SourceList::read(m_settingsIni);
            m_stamp = stamp;
        }
        return m_sources;
    }

private:
    // The file's size, time of change and, where the system tells it, its
    // identity, which a new file renamed over the old one changes.
    struct Stamp
    {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type changed;
        std::uintmax_t identity = 0;
        bool operator==(const Stamp&) const = default;
    };

    static std::optional<Stamp> stampOf(const std::filesystem::path& path)
    {
#ifdef Q_OS_LINUX
        // One call where the portable way takes two, once per query.
        struct stat status;
        if (::stat(path.c_str(), &status) != 0)
            return std::nullopt;
        const auto changed =
            std::chrono::seconds(status.st_mtim.tv_sec) + std::chrono::nanoseconds(status.st_mtim.tv_nsec);
        return Stamp{std::uintmax_t(status.st_size),
                     std::filesystem::file_time_type(
                         std::chrono::duration_cast<std::filesystem::file_time_type::duration>(changed)),
                     std::uintmax_t(status.st_ino)};
#else
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (error)
            return std::nullopt;
        const std::filesystem::file_time_type changed = std::filesystem::last_write_time(path, error);
        return error ? std::nullopt : std::optional<Stamp>(Stamp{size, changed, 0});
#endif
    }

    std::filesystem::path m_path;
    QString m_settingsIni;
    std::optional<Stamp> m_stamp;
    SourceList m_sources;
};

} // namespace

ScanDriver::SourceReader ScanDriver::settingsOf(const QString& settingsIni)
{
    const auto current = std::make_shared<CurrentSourceList>(settingsIni);
    return {[current] { return current->sources().active(); },
            [current](const Source& asListed) {
                const Source* now = current->sources().find(asListed.settingsKey);
                return now && now->isValid() ? *now : asListed;
            }};
}

void ScanDriver::start(const QStringList& sites, const RankThresholds& thresholds, EngineOrder order)
{
    if (m_running || sites.isEmpty())
        return;
    QList<Source> sources = m_readSources.sources();
    if (sources.isEmpty())
        return;
    m_sources = std::move(sources);
    m_scanQueries.clear();
    for (const Source& source : std::as_const(m_sources))
        m_scanQueries << queryFor(source);
    m_results->setSourceColumns(ResultsColumns::columnsOf(m_sources));
    m_sites = sites;
    m_thresholds = thresholds;
    m_order = order;
    m_siteIndex = 0;
    m_grandTotal = 0;
    m_stopRequested = false;
    m_running = true;
    if (m_log)
        m_log->clear();
    // The first site starts from the event loop like every other one.
    QTimer::singleShot(0, this, &ScanDriver::nextSite);
}

void ScanDriver::requestStop()
{
    if (!m_running)
        return;
    m_stopRequested = true;
    // The site's other queries finish, but nothing waits any longer: a
    // query held back for its interval or for a server that asked to slow
    // down ends now.
    if (!m_siteInProgress)
        return;
    for (int index = 0; index < m_queries.size(); ++index) {
        if (m_queries[index].state == Query::State::Asked && queryOf(index)->pacedFetcher()->isWaiting())
            stopQuery(index);
    }
}

void ScanDriver::stopQuery(int sourceIndex)
{
    queryOf(sourceIndex)->cancel();
    QueryOutcome stoppedOutcome{QueryOutcome::Kind::Stopped, {}, {}};
    stoppedOutcome.fetch.address = m_queries[sourceIndex].address;
    answered(sourceIndex, stoppedOutcome, {});
}

void ScanDriver::retrying(SourceQuery* query, const FetchReport& answer, int waitMs)
{
    const int index = static_cast<int>(m_scanQueries.indexOf(query));
    if (!m_running || !m_siteInProgress || index < 0 || index >= m_queries.size())
        return;
    if (m_stopRequested) {
        stopQuery(index);
        return;
    }
    const QString site = m_sites[m_siteIndex];
    const QString again = QCoreApplication::translate("ScanDriver", "asked again in %1 s").arg((waitMs + 999) / 1000);
    logQuery(site, m_queries[index].source, {QueryOutcome::Kind::Failed, answer, again}, {});
    emit waiting(m_siteIndex, site, index + 1, waitMs, answer.httpStatus);
}

void ScanDriver::stopNow()
{
    if (!m_running)
        return;
    if (m_siteInProgress) {
        const QString site = m_sites[m_siteIndex];
        for (int index = 0; index < m_queries.size(); ++index) {
            Query& query = m_queries[index];
            if (query.state == Query::State::Answered)
                continue;
            QueryOutcome stoppedOutcome{QueryOutcome::Kind::Stopped, {}, {}};
            // Only a query that went out is in the log; the cell of one still
            // to come says "stopped" as well, without an address.
            if (query.state == Query::State::Asked) {
                queryOf(index)->cancel();
                stoppedOutcome.fetch.address = query.address;
                logQuery(site, query.source, stoppedOutcome, {});
                stoppedOutcome.fetch.address.clear();
            }
            m_results->setEngineCell(m_row, index + 1, {}, stoppedOutcome);
        }
        completeRow();
    }
    end();
    emit stopped();
}

qint64 ScanDriver::completeRow()
{
    qint64 rowTotal = 0;
    if (m_row >= 0) {
        m_results->completeRow(m_row, m_thresholds);
        rowTotal = m_results->row(m_row).total.value_or(0);
    }
    m_grandTotal += rowTotal;
    m_siteInProgress = false;
    return rowTotal;
}

void ScanDriver::end()
{
    m_running = false;
    m_stopRequested = false;
}

void ScanDriver::nextSite()
{
    if (!m_running)
        return;
    // The stop request is looked at only before a site that is still to
    // come: a stop during the last site lets the scan end normally (and the
    // next start forgets the request).
    if (m_siteIndex >= siteCount()) {
        end();
        emit finished(m_grandTotal);
        return;
    }
    if (m_stopRequested) {
        end();
        emit stopped();
        return;
    }
    m_answered = 0;
    m_queries = QList<Query>(m_sources.size());
    m_siteInProgress = true;
    m_row = m_results->insertSite(m_siteIndex, m_sites[m_siteIndex]);
    emit siteStarted(m_siteIndex, m_sites[m_siteIndex]);
    if (m_order == EngineOrder::OneAtATime) {
        querySource(0);
        return;
    }
    // Every answer comes from the event loop, so all are out before the
    // first is read.
    for (int index = 0; index < m_sources.size(); ++index)
        querySource(index);
}

void ScanDriver::querySource(int sourceIndex)
{
    Query& query = m_queries[sourceIndex];
    query.source = m_readSources.current(m_sources[sourceIndex]);
    query.address = query.source.redacted(query.source.queryAddress(m_sites[m_siteIndex]));
    query.state = Query::State::Asked;
    queryOf(sourceIndex)->ask(query.source, m_sites[m_siteIndex]);
    // After a stop request nothing waits for its interval.
    if (m_stopRequested && queryOf(sourceIndex)->pacedFetcher()->isWaiting())
        stopQuery(sourceIndex);
}

void ScanDriver::answered(int sourceIndex, const QueryOutcome& outcome, const std::optional<qint64>& count)
{
    if (!m_running || !m_siteInProgress || sourceIndex >= m_queries.size())
        return;
    Query& query = m_queries[sourceIndex];
    if (query.state != Query::State::Asked)
        return;
    query.state = Query::State::Answered;
    const QString site = m_sites[m_siteIndex];
    m_results->setEngineCell(m_row, sourceIndex + 1, count, outcome);
    logQuery(site, query.source, outcome, count);
    ++m_answered;
    emit engineDone(m_siteIndex, site, sourceIndex + 1, CountText::of(count));
    // A receiver may have stopped the scan.
    if (!m_running)
        return;
    if (m_answered < m_sources.size()) {
        if (m_order == EngineOrder::OneAtATime)
            querySource(m_answered);
        return;
    }
    completeSite();
}

void ScanDriver::completeSite()
{
    const qint64 rowTotal = completeRow();
    emit siteFinished(m_siteIndex, m_sites[m_siteIndex], rowTotal);
    ++m_siteIndex;
    // Back to the event loop before the next site, where a stop is honoured.
    QTimer::singleShot(0, this, &ScanDriver::nextSite);
}

void ScanDriver::logQuery(const QString& site, const Source& source, const QueryOutcome& outcome,
                          const std::optional<qint64>& count)
{
    if (m_log)
        // The universal time is read without a time-zone lookup; the log shows
        // it as local time.
        m_log->append({QDateTime::currentDateTimeUtc(), site, source.name, outcome, count});
}

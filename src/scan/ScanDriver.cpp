#include "scan/ScanDriver.h"

#include "engines/CountExtraction.h"
#include "engines/EngineSettingsFile.h"
#include "engines/EngineTable.h"
#include "results/ScanResults.h"
#include "scan/PageFetcher.h"
#include "scan/ScanLog.h"

#include <QTimer>

ScanDriver::ScanDriver(PageFetcher* fetcher, SettingsReader readSettings, ScanResults* results, QObject* parent)
    : QObject(parent)
    , m_fetcher(fetcher)
    , m_readSettings(std::move(readSettings))
    , m_results(results)
{
    // One at a time, the answer is always that of the engine whose turn it is.
    connect(m_fetcher, &PageFetcher::finished, this,
            [this](const QString& page, const FetchReport& report) { pageFetched(m_answered, page, report); });
}

PageFetcher* ScanDriver::fetcherOf(int engineIndex)
{
    if (m_order == EngineOrder::OneAtATime)
        return m_fetcher;
    PageFetcher*& fetcher = m_engineFetchers[static_cast<std::size_t>(engineIndex)];
    if (!fetcher) {
        fetcher = new PageFetcher(m_fetcher->limits(), this);
        fetcher->setNetworkSettings(m_fetcher->networkSettings());
        connect(fetcher, &PageFetcher::finished, this,
                [this, engineIndex](const QString& page, const FetchReport& report) {
                    pageFetched(engineIndex, page, report);
                });
    }
    return fetcher;
}

void ScanDriver::setNetworkSettings(const NetworkSettings& settings)
{
    m_fetcher->setNetworkSettings(settings);
    for (PageFetcher* fetcher : m_engineFetchers) {
        if (fetcher)
            fetcher->setNetworkSettings(settings);
    }
}

ScanDriver::SettingsReader ScanDriver::settingsOf(const QString& settingsIni)
{
    return [settingsIni](const Engine& engine) { return EngineSettingsFile::engineSettings(settingsIni, engine); };
}

QString ScanDriver::cellText(const Engine& engine, const QString& countText)
{
    if (engine.cellKeepsSeparators)
        return countText;
    QString text = countText;
    text.remove(QLatin1Char(','));
    return text;
}

ScanDriver::Answer ScanDriver::readAnswer(const Engine& engine, const CountMarkers& markers, const QString& page,
                                          const FetchReport& report)
{
    // No page, no count: an error page or a part read before a time-out
    // would read as "nothing found" by some engines' rules.
    if (!report.pageReceived())
        return {{QueryOutcome::Kind::Failed, report}, {}, -1};
    const CountReading reading = readEngineCount(page, engine, markers);
    return {{reading.kind, report}, cellText(engine, reading.text), reading.position};
}

void ScanDriver::start(const QStringList& sites, const RankThresholds& thresholds, EngineOrder order)
{
    if (m_running || sites.isEmpty())
        return;
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
    if (m_running)
        m_stopRequested = true;
}

void ScanDriver::stopNow()
{
    if (!m_running)
        return;
    if (m_siteInProgress) {
        const QString site = m_sites[m_siteIndex];
        for (int index = 0; index < engineCount; ++index) {
            Query& query = m_queries[static_cast<std::size_t>(index)];
            if (query.state == Query::State::Answered)
                continue;
            QueryOutcome stoppedOutcome{QueryOutcome::Kind::Stopped, {}};
            // Only a query that went out is in the log; the cell of one still
            // to come says "stopped" as well, without an address.
            if (query.state == Query::State::Asked) {
                fetcherOf(index)->cancel();
                stoppedOutcome.fetch.address = query.address;
                logQuery(site, index + 1, stoppedOutcome, {});
                stoppedOutcome.fetch.address.clear();
            }
            m_results->setEngineCell(m_row.row(), index + 1, {}, stoppedOutcome);
        }
        completeRow();
    }
    end();
    emit stopped();
}

qint64 ScanDriver::completeRow()
{
    qint64 rowTotal = 0;
    if (m_row.isValid()) {
        m_results->completeRow(m_row.row(), m_thresholds);
        rowTotal = m_results->row(m_row.row()).total.value_or(0);
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
    m_queries.fill({});
    m_siteInProgress = true;
    m_row = m_results->index(m_results->insertSite(m_siteIndex, m_sites[m_siteIndex]), 0);
    emit siteStarted(m_siteIndex, m_sites[m_siteIndex]);
    if (m_order == EngineOrder::OneAtATime) {
        queryEngine(0);
        return;
    }
    // Every answer comes from the event loop, so all six are out before the
    // first is read.
    for (int index = 0; index < engineCount; ++index)
        queryEngine(index);
}

void ScanDriver::queryEngine(int engineIndex)
{
    const Engine& engine = engines()[static_cast<std::size_t>(engineIndex)];
    const EngineSettings settings = m_readSettings(engine);
    Query& query = m_queries[static_cast<std::size_t>(engineIndex)];
    query.markers = settings.markers;
    query.address = engine.queryAddress(settings.queryTemplate, m_sites[m_siteIndex]);
    query.state = Query::State::Asked;
    fetcherOf(engineIndex)->fetch(query.address);
}

void ScanDriver::pageFetched(int engineIndex, const QString& page, const FetchReport& report)
{
    if (!m_running || !m_siteInProgress)
        return;
    Query& query = m_queries[static_cast<std::size_t>(engineIndex)];
    if (query.state != Query::State::Asked)
        return;
    query.state = Query::State::Answered;
    const Engine& engine = engines()[static_cast<std::size_t>(engineIndex)];
    const QString site = m_sites[m_siteIndex];
    const Answer answer = readAnswer(engine, query.markers, page, report);
    const QString& cell = answer.cellText;
    m_results->setEngineCell(m_row.row(), engine.number, cell, answer.outcome);
    logQuery(site, engine.number, answer.outcome, cell);
    ++m_answered;
    emit engineDone(m_siteIndex, site, engine.number, cell);
    // A receiver may have stopped the scan.
    if (!m_running)
        return;
    if (m_answered < engineCount) {
        if (m_order == EngineOrder::OneAtATime)
            queryEngine(m_answered);
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

void ScanDriver::logQuery(const QString& site, int engineNumber, const QueryOutcome& outcome, const QString& cellText)
{
    if (m_log)
        // The universal time is read without a time-zone lookup; the log shows
        // it as local time.
        m_log->append({QDateTime::currentDateTimeUtc(), site, engineNumber, outcome, cellText});
}

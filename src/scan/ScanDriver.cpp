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
    connect(m_fetcher, &PageFetcher::finished, this, &ScanDriver::pageFetched);
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

void ScanDriver::start(const QStringList& sites, const RankThresholds& thresholds)
{
    if (m_running || sites.isEmpty())
        return;
    m_sites = sites;
    m_thresholds = thresholds;
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
    const bool queryRunning = m_fetcher->isBusy();
    m_fetcher->cancel();
    if (m_siteInProgress) {
        const QString site = m_sites[m_siteIndex];
        QueryOutcome stoppedOutcome{QueryOutcome::Kind::Stopped, {}};
        if (queryRunning) {
            stoppedOutcome.fetch.address = m_address;
            logQuery(site, m_engineIndex + 1, stoppedOutcome, {});
            stoppedOutcome.fetch.address.clear();
        }
        for (int engine = m_engineIndex + 1; engine <= engineCount; ++engine)
            m_results->setEngineCell(m_row.row(), engine, {}, stoppedOutcome);
        if (m_row.isValid()) {
            m_results->completeRow(m_row.row(), m_thresholds);
            m_grandTotal += m_results->row(m_row.row()).total.value_or(0);
        }
        m_siteInProgress = false;
    }
    m_running = false;
    m_stopRequested = false;
    emit stopped();
}

void ScanDriver::nextSite()
{
    if (!m_running)
        return;
    // The stop request is looked at only before a site that is still to
    // come: a stop during the last site lets the scan end normally (and the
    // next start forgets the request).
    if (m_siteIndex >= siteCount()) {
        m_running = false;
        m_stopRequested = false;
        emit finished(m_grandTotal);
        return;
    }
    if (m_stopRequested) {
        m_running = false;
        m_stopRequested = false;
        emit stopped();
        return;
    }
    m_engineIndex = 0;
    m_siteInProgress = true;
    m_row = m_results->index(m_results->insertSite(m_siteIndex, m_sites[m_siteIndex]), 0);
    emit siteStarted(m_siteIndex, m_sites[m_siteIndex]);
    queryEngine();
}

void ScanDriver::queryEngine()
{
    const Engine& engine = engines()[static_cast<std::size_t>(m_engineIndex)];
    const EngineSettings settings = m_readSettings(engine);
    m_markers = settings.markers;
    m_address = engine.queryAddress(settings.queryTemplate, m_sites[m_siteIndex]);
    m_fetcher->fetch(m_address);
}

void ScanDriver::pageFetched(const QString& page, const FetchReport& report)
{
    if (!m_running)
        return;
    const Engine& engine = engines()[static_cast<std::size_t>(m_engineIndex)];
    const QString site = m_sites[m_siteIndex];
    const Answer answer = readAnswer(engine, m_markers, page, report);
    const QString& cell = answer.cellText;
    m_results->setEngineCell(m_row.row(), engine.number, cell, answer.outcome);
    logQuery(site, engine.number, answer.outcome, cell);
    ++m_engineIndex;
    emit engineDone(m_siteIndex, site, engine.number, cell);
    // A receiver may have stopped the scan.
    if (!m_running)
        return;
    if (m_engineIndex < engineCount) {
        queryEngine();
        return;
    }
    completeSite();
}

void ScanDriver::completeSite()
{
    const QString site = m_sites[m_siteIndex];
    qint64 rowTotal = 0;
    if (m_row.isValid()) {
        m_results->completeRow(m_row.row(), m_thresholds);
        rowTotal = m_results->row(m_row.row()).total.value_or(0);
    }
    m_grandTotal += rowTotal;
    m_siteInProgress = false;
    emit siteFinished(m_siteIndex, site, rowTotal);
    ++m_siteIndex;
    // Back to the event loop before the next site, where a stop is honoured.
    QTimer::singleShot(0, this, &ScanDriver::nextSite);
}

void ScanDriver::logQuery(const QString& site, int engineNumber, const QueryOutcome& outcome, const QString& cellText)
{
    if (m_log)
        m_log->append({QDateTime::currentDateTime(), site, engineNumber, outcome, cellText});
}

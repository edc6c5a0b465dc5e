#include "scan/ScanDriver.h"

#include "engines/CountExtraction.h"
#include "engines/EngineSettingsFile.h"
#include "engines/EngineTable.h"
#include "results/ScanResults.h"
#include "scan/PageFetcher.h"

#include <QTimer>

ScanDriver::ScanDriver(PageFetcher* fetcher, TemplateReader readTemplate, ScanResults* results, QObject* parent)
    : QObject(parent)
    , m_fetcher(fetcher)
    , m_readTemplate(std::move(readTemplate))
    , m_results(results)
{
    connect(m_fetcher, &PageFetcher::finished, this, &ScanDriver::pageFetched);
}

ScanDriver::TemplateReader ScanDriver::templatesOf(const QString& settingsIni)
{
    return [settingsIni](const Engine& engine) { return EngineSettingsFile::queryTemplate(settingsIni, engine); };
}

QString ScanDriver::cellText(const Engine& engine, const QString& countText)
{
    if (engine.cellKeepsSeparators)
        return countText;
    QString text = countText;
    text.remove(QLatin1Char(','));
    return text;
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
    // The first site starts from the event loop like every other one.
    QTimer::singleShot(0, this, &ScanDriver::nextSite);
}

void ScanDriver::requestStop()
{
    if (m_running)
        m_stopRequested = true;
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
    m_row = m_results->index(m_results->insertSite(m_siteIndex, m_sites[m_siteIndex]), 0);
    emit siteStarted(m_siteIndex, m_sites[m_siteIndex]);
    queryEngine();
}

void ScanDriver::queryEngine()
{
    const Engine& engine = engines()[static_cast<std::size_t>(m_engineIndex)];
    const QString site = m_sites[m_siteIndex];
    m_fetcher->fetch(engine.queryAddress(m_readTemplate(engine), site));
}

void ScanDriver::pageFetched(const QString& page, bool pageReceived)
{
    if (!m_running)
        return;
    const Engine& engine = engines()[static_cast<std::size_t>(m_engineIndex)];
    const QString site = m_sites[m_siteIndex];
    const QString cell = cellText(engine, parseEngineCount(page, engine));
    m_results->setEngineCell(m_row.row(), engine.number, cell, pageReceived);
    emit engineDone(m_siteIndex, site, engine.number, cell);

    if (++m_engineIndex < engineCount) {
        queryEngine();
        return;
    }
    qint64 rowTotal = 0;
    if (m_row.isValid()) {
        m_results->completeRow(m_row.row(), m_thresholds);
        rowTotal = m_results->row(m_row.row()).total.value_or(0);
    }
    m_grandTotal += rowTotal;
    emit siteFinished(m_siteIndex, site, rowTotal);
    ++m_siteIndex;
    // Back to the event loop before the next site, where a stop is honoured.
    QTimer::singleShot(0, this, &ScanDriver::nextSite);
}

#include "scan/ScanDriver.h"

#include "scan/CountExtraction.h"
#include "scan/EngineTable.h"
#include "scan/PageFetcher.h"

#include <QTimer>

#include <cmath>

namespace {

constexpr double maxCountValue = 1e15;

} // namespace

ScanDriver::ScanDriver(PageFetcher* fetcher, TemplateReader readTemplate, QObject* parent)
    : QObject(parent)
    , m_fetcher(fetcher)
    , m_readTemplate(std::move(readTemplate))
{
    connect(m_fetcher, &PageFetcher::finished, this, &ScanDriver::pageFetched);
}

qint64 ScanDriver::countValue(const QString& cellText)
{
    QString digits = cellText;
    digits.remove(QLatin1Char(','));
    digits = digits.trimmed();
    if (!isPlainNumber(digits))
        return 0;
    bool ok = false;
    const double value = digits.toDouble(&ok);
    // A count of ten characters is far below this; anything beyond it is no
    // count, and rounding it would overflow.
    if (!ok || !std::isfinite(value) || std::fabs(value) >= maxCountValue)
        return 0;
    return qRound64(value);
}

QString ScanDriver::cellText(const Engine& engine, const QString& countText)
{
    if (engine.number == 5)
        return countText;
    QString text = countText;
    text.remove(QLatin1Char(','));
    return text;
}

int ScanDriver::rankOf(qint64 rowTotal, int lowThreshold, int boundary)
{
    if (rowTotal < lowThreshold)
        return 1;
    if (rowTotal >= boundary)
        return 3;
    return 2;
}

void ScanDriver::start(const QStringList& sites)
{
    if (m_running || sites.isEmpty())
        return;
    m_sites = sites;
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
    m_rowTotal = 0;
    m_engineIndex = 0;
    emit siteStarted(m_siteIndex, m_sites[m_siteIndex]);
    queryEngine();
}

void ScanDriver::queryEngine()
{
    const Engine& engine = engines()[static_cast<std::size_t>(m_engineIndex)];
    const QString site = m_sites[m_siteIndex];
    m_fetcher->fetch(engine.queryAddress(m_readTemplate(engine), site));
}

void ScanDriver::pageFetched(const QString& page)
{
    if (!m_running)
        return;
    const Engine& engine = engines()[static_cast<std::size_t>(m_engineIndex)];
    const QString site = m_sites[m_siteIndex];
    const QString cell = cellText(engine, ParseEngineData(page, engine.number));
    const qint64 value = countValue(cell);
    m_rowTotal += value;
    m_grandTotal += value;
    emit engineDone(m_siteIndex, site, engine.number, cell);

    if (++m_engineIndex < engineCount) {
        queryEngine();
        return;
    }
    emit siteFinished(m_siteIndex, site, m_rowTotal);
    ++m_siteIndex;
    // Back to the event loop before the next site, where a stop is honoured.
    QTimer::singleShot(0, this, &ScanDriver::nextSite);
}

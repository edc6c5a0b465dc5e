#include "scan/PacedFetcher.h"

#include "scan/PageFetcher.h"

#include <algorithm>

namespace {

bool asksToSlowDown(const FetchReport& report)
{
    return report.failure == FetchFailure::HttpStatus && (report.httpStatus == 429 || report.httpStatus == 503);
}

} // namespace

PacedFetcher::PacedFetcher(PageFetcher* fetcher, QObject* parent)
    : QObject(parent)
    , m_fetcher(fetcher)
{
    m_fetcher->setParent(this);
    m_wait.setSingleShot(true);
    // A coarse timer may fire early, and a server counting its callers would see it.
    m_wait.setTimerType(Qt::PreciseTimer);
    connect(&m_wait, &QTimer::timeout, this, &PacedFetcher::send);
    connect(m_fetcher, &PageFetcher::finished, this, &PacedFetcher::answered);
}

void PacedFetcher::fetch(const QString& address, const QList<SourceHeader>& headers, const QString& userAgent)
{
    cancel();
    m_busy = true;
    m_address = address;
    m_headers = headers;
    m_userAgent = userAgent;
    m_retry = 0;
    const qint64 since = m_sinceRequest.isValid() ? m_sinceRequest.elapsed() : m_policy.intervalMs;
    // Even without a wait, the request leaves from the event loop, as
    // finished() must never come from inside this call.
    m_wait.start(static_cast<int>(std::max<qint64>(0, m_policy.intervalMs - since)));
}

void PacedFetcher::cancel()
{
    m_wait.stop();
    m_fetcher->cancel();
    m_busy = false;
}

int PacedFetcher::backoffMs(const FetchReport& answer, int retry) const
{
    const qint64 wait =
        answer.retryAfterMs ? *answer.retryAfterMs : qint64(m_policy.firstBackoffMs) << std::clamp(retry - 1, 0, 20);
    return static_cast<int>(std::clamp<qint64>(wait, 0, m_policy.maxWaitMs));
}

void PacedFetcher::send()
{
    m_sinceRequest.start();
    m_fetcher->fetch(m_address, m_headers, m_userAgent);
}

void PacedFetcher::answered(const QString& page, const FetchReport& report)
{
    if (!m_busy)
        return;
    if (asksToSlowDown(report)) {
        if (m_retry < m_policy.retries) {
            ++m_retry;
            // The interval holds between tries as between queries.
            const qint64 sinceRequest = m_sinceRequest.elapsed();
            const int wait = std::max<int>(backoffMs(report, m_retry),
                                           static_cast<int>(std::max<qint64>(0, m_policy.intervalMs - sinceRequest)));
            m_wait.start(wait);
            emit retrying(report, wait, m_retry);
            return;
        }
        FetchReport limited = report;
        limited.failure = FetchFailure::RateLimited;
        m_busy = false;
        emit finished(page, limited);
        return;
    }
    m_busy = false;
    emit finished(page, report);
}

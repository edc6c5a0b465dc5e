#pragma once

#include "engines/QueryOutcome.h"
#include "engines/Source.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class PageFetcher;

// One source's queries as a server that limits its callers wants them: never
// two at once, never closer together than the source's least interval, and
// an answer of 429 or 503 ("too many requests", "unavailable") waited out
// and asked again a few times before the query counts as failed. Waits run
// on a timer, so the thread stays free, and cancel() ends any of them at once.
class PacedFetcher : public QObject
{
    Q_OBJECT

public:
    struct Policy
    {
        int intervalMs = 0;        // least time from one request of the source to its next
        int retries = 3;           // a query is asked again at most this often
        int firstBackoffMs = 2000; // without Retry-After: this, then twice as long each time
        int maxWaitMs = 120000;    // no wait is longer, whatever the server asks
    };

    // Fetches through the fetcher, which it takes over.
    explicit PacedFetcher(PageFetcher* fetcher, QObject* parent = nullptr);

    void setPolicy(const Policy& policy) { m_policy = policy; }
    const Policy& policy() const { return m_policy; }
    PageFetcher* pageFetcher() const { return m_fetcher; }

    // Starts the query: at once, or when the interval since the source's
    // previous request has passed. finished() follows exactly once, always
    // from the event loop. A query still running is abandoned first.
    void fetch(const QString& address, const QList<SourceHeader>& headers = {}, const QString& userAgent = {});
    // Abandons the query, in flight or waiting; its finished() is not emitted.
    void cancel();
    bool isBusy() const { return m_busy; }
    // Whether the query waits, for its interval or for a server that asked
    // to slow down, rather than being in flight.
    bool isWaiting() const { return m_wait.isActive() && m_wait.interval() > 0; }

    // How long the next try waits after a 429 or 503 answer: its
    // Retry-After when it gave one, else the doubling back-off, capped.
    int backoffMs(const FetchReport& answer, int retry) const;

signals:
    // A try was answered with 429 or 503 and is asked again after waitMs.
    void retrying(const FetchReport& answer, int waitMs, int retry);
    // The query's last answer; a 429 or 503 after the last retry has failed
    // as RateLimited.
    void finished(const QString& pageText, const FetchReport& report);

private:
    void send();
    void answered(const QString& page, const FetchReport& report);

    PageFetcher* m_fetcher;
    Policy m_policy;
    QTimer m_wait;
    // Since the source's previous request went out.
    QElapsedTimer m_sinceRequest;
    QString m_address;
    QList<SourceHeader> m_headers;
    QString m_userAgent;
    int m_retry = 0;
    bool m_busy = false;
};

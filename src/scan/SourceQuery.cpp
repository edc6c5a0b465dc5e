#include "scan/SourceQuery.h"

#include "engines/CountText.h"
#include "engines/EngineTable.h"
#include "scan/PacedFetcher.h"
#include "scan/WebGraphLookup.h"
#include "webgraph/WebGraphIndexCache.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <QTimer>

#include <memory>

SourceQuery::SourceQuery(PacedFetcher* fetcher, QObject* parent)
    : QObject(parent)
    , m_fetcher(fetcher)
{
    connect(m_fetcher, &PacedFetcher::finished, this, &SourceQuery::pageFetched);
    connect(m_fetcher, &PacedFetcher::retrying, this, [this](const FetchReport& answer, int waitMs, int retry) {
        if (!m_busy)
            return;
        FetchReport shown = answer;
        shown.address = m_source.redacted(answer.address);
        shown.detail = m_source.redacted(answer.detail);
        emit retrying(shown, waitMs, retry);
    });
}

void SourceQuery::ask(const Source& source, const QString& site)
{
    cancel();
    m_source = source;
    m_busy = true;
    if (source.kind == Source::Kind::WebGraph) {
        lookUp(site);
        return;
    }
    const QString address = source.queryAddress(site);
    if (address.isEmpty() && !source.isBuiltIn()) {
        // Nothing to fetch: the site gives no host to put in the address.
        const quint64 id = m_askId;
        QTimer::singleShot(0, this, [this, id] {
            if (!m_busy || m_askId != id)
                return;
            FetchReport report;
            report.failure = FetchFailure::NoSiteHost;
            pageFetched({}, report);
        });
        return;
    }
    PacedFetcher::Policy policy = m_fetcher->policy();
    policy.intervalMs = source.intervalMs;
    m_fetcher->setPolicy(policy);
    m_fetcher->fetch(address, source.headers, source.userAgent);
}

void SourceQuery::lookUp(const QString& site)
{
    // A lookup reads a few pages of a file that may be large and not yet in
    // memory, and the first one opens it: a worker does both.
    auto promise = std::make_shared<QPromise<Answer>>();
    auto* watcher = new QFutureWatcher<Answer>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, id = m_askId] {
        watcher->deleteLater();
        if (!m_busy || m_askId != id)
            return;
        m_busy = false;
        emit finished(watcher->result(), {});
    });
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, source = m_source, site, indexes = WebGraphIndexCache::shared()] {
        promise->start();
        promise->addResult(WebGraphLookup::answer(source, site, *indexes));
        promise->finish();
    });
}

void SourceQuery::cancel()
{
    if (m_busy && m_source.kind != Source::Kind::WebGraph)
        m_fetcher->cancel();
    m_busy = false;
    ++m_askId;
}

void SourceQuery::pageFetched(const QString& page, const FetchReport& report)
{
    if (!m_busy)
        return;
    m_busy = false;
    emit finished(readAnswer(m_source, page, report), page);
}

SourceQuery::Answer SourceQuery::readAnswer(const Source& source, const QString& page, const FetchReport& report)
{
    FetchReport shown = report;
    shown.address = source.redacted(report.address);
    shown.detail = source.redacted(report.detail);
    if (!report.pageReceived())
        return {{QueryOutcome::Kind::Failed, shown, {}}, {}, -1};
    const CountReading reading = readSourceCount(page, source);
    const std::optional<qint64> count = countOf(source, reading.text);
    if (!count && !reading.text.isEmpty())
        return {{QueryOutcome::Kind::NoCount, shown, QStringLiteral("\"%1\" is no count").arg(reading.text)},
                {},
                reading.position};
    return {{reading.kind, shown, reading.reason}, count, reading.position};
}

std::optional<qint64> SourceQuery::countOf(const Source& source, const QString& countText)
{
    if (source.engine && source.engine->cellKeepsSeparators)
        return CountText::number(countText);
    QString text = countText;
    text.remove(QLatin1Char(','));
    return CountText::number(text);
}

#include "scan/SourceTest.h"

#include "engines/CountText.h"
#include "scan/PacedFetcher.h"
#include "scan/PageFetcher.h"

namespace {

constexpr qsizetype excerptLength = 200;
// How much of the excerpt comes before the count, for the marker before it.
constexpr qsizetype excerptLead = 80;

} // namespace

SourceTest::SourceTest(PageFetcher* fetcher, QObject* parent)
    : QObject(parent)
    , m_query(new SourceQuery(new PacedFetcher(fetcher, this), this))
{
    connect(m_query, &SourceQuery::finished, this, [this](const SourceQuery::Answer& answer, const QString& page) {
        emit finished({answer.outcome, answer.count, excerptOf(page, answer.position)});
    });
}

void SourceTest::start(const Source& source, const QString& site)
{
    m_query->ask(source, site.isEmpty() ? defaultSite() : site);
}

void SourceTest::cancel()
{
    m_query->cancel();
}

PageFetcher* SourceTest::pageFetcher() const
{
    return m_query->pacedFetcher()->pageFetcher();
}

bool SourceTest::isRunning() const
{
    return m_query->isBusy();
}

QString SourceTest::excerptOf(const QString& page, qsizetype position)
{
    const qsizetype start = position < 0 ? 0 : std::max<qsizetype>(0, position - excerptLead);
    return page.mid(start, excerptLength);
}

QString SourceTest::describe(const Source& source, const Result& result)
{
    const FetchReport& fetch = result.outcome.fetch;
    QStringList lines;
    lines << source.name + QStringLiteral(": ") + outcomeText(result.outcome);
    lines << tr("Address: %1").arg(fetch.address);
    if (!source.headers.isEmpty())
        lines << tr("Headers: %1").arg(source.maskedHeaders().join(QStringLiteral(", ")));
    if (source.kind == Source::Kind::WebGraph)
        lines << tr("Looked up in %1 ms").arg(fetch.elapsedMs);
    else
        lines << tr("HTTP status: %1, %2 bytes, %3 ms")
                     .arg(fetch.httpStatus > 0 ? QString::number(fetch.httpStatus) : tr("none"))
                     .arg(fetch.bytes)
                     .arg(fetch.elapsedMs);
    lines << tr("Count recorded: %1")
                 .arg(result.count ? CountText::of(result.count) : tr("(none, the cell stays empty)"));
    if (!result.excerpt.isEmpty()) {
        const bool around =
            result.outcome.kind == QueryOutcome::Kind::Counted || result.outcome.kind == QueryOutcome::Kind::NoResults;
        lines << (around ? tr("The page around the markers:") : tr("The page begins:"));
        // A server may echo what it was sent.
        lines << source.redacted(result.excerpt);
    }
    return lines.join(u'\n');
}

#include "scan/EngineTest.h"

#include "engines/EngineTable.h"
#include "scan/PageFetcher.h"
#include "scan/ScanDriver.h"

namespace {

constexpr qsizetype excerptLength = 200;
// How much of the excerpt comes before the count, for the marker before it.
constexpr qsizetype excerptLead = 80;

} // namespace

EngineTest::EngineTest(PageFetcher* fetcher, QObject* parent)
    : QObject(parent)
    , m_fetcher(fetcher)
{
    connect(m_fetcher, &PageFetcher::finished, this, &EngineTest::pageFetched);
}

void EngineTest::start(const Engine& engine, const QString& queryTemplate, const CountMarkers& markers,
                       const QString& site)
{
    m_engine = &engine;
    m_markers = markers;
    m_running = true;
    m_fetcher->fetch(engine.queryAddress(queryTemplate, site.isEmpty() ? defaultSite() : site));
}

void EngineTest::cancel()
{
    m_fetcher->cancel();
    m_running = false;
}

bool EngineTest::isRunning() const
{
    return m_running;
}

void EngineTest::pageFetched(const QString& page, const FetchReport& report)
{
    if (!m_running)
        return;
    m_running = false;
    const ScanDriver::Answer answer = ScanDriver::readAnswer(*m_engine, m_markers, page, report);
    emit finished({answer.outcome, answer.cellText, excerptOf(page, answer.position)});
}

QString EngineTest::excerptOf(const QString& page, qsizetype position)
{
    const qsizetype start = position < 0 ? 0 : std::max<qsizetype>(0, position - excerptLead);
    return page.mid(start, excerptLength);
}

QString EngineTest::describe(const Engine& engine, const Result& result)
{
    const FetchReport& fetch = result.outcome.fetch;
    QStringList lines;
    lines << engine.header() + QStringLiteral(": ") + outcomeText(result.outcome);
    lines << QStringLiteral("Address: ") + fetch.address;
    lines << QStringLiteral("HTTP status: %1, %2 bytes, %3 ms")
                 .arg(fetch.httpStatus > 0 ? QString::number(fetch.httpStatus) : QStringLiteral("none"))
                 .arg(fetch.bytes)
                 .arg(fetch.elapsedMs);
    lines << QStringLiteral("Count recorded: ") +
                 (result.cellText.isEmpty() ? QStringLiteral("(none, the cell stays empty)") : result.cellText);
    if (!result.excerpt.isEmpty()) {
        const bool around =
            result.outcome.kind == QueryOutcome::Kind::Counted || result.outcome.kind == QueryOutcome::Kind::NoResults;
        lines << (around ? QStringLiteral("The page around the markers:") : QStringLiteral("The page begins:"));
        lines << result.excerpt;
    }
    return lines.join(u'\n');
}

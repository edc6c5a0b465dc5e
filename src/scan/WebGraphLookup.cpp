#include "scan/WebGraphLookup.h"

#include "engines/SiteName.h"
#include "webgraph/WebGraphIndexCache.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

namespace {

SourceQuery::Answer failed(FetchReport report, FetchFailure failure, const QString& reason = {})
{
    report.failure = failure;
    report.detail = reason;
    return {{QueryOutcome::Kind::Failed, report, {}}, {}, -1};
}

} // namespace

QString WebGraphLookup::nameOf(const QString& site, WebGraphFormat::Level level)
{
    const QString host = siteHost(site);
    return level == WebGraphFormat::Level::Domain ? registeredDomain(host) : host;
}

SourceQuery::Answer WebGraphLookup::answer(const Source& source, const QString& site, WebGraphIndexCache& indexes)
{
    QElapsedTimer timer;
    timer.start();
    FetchReport report;
    report.address = source.queryAddress(site);
    if (siteHost(site).isEmpty())
        return failed(report, FetchFailure::NoSiteHost);
    const WebGraphIndexCache::Opened opened = indexes.open(source.indexFile);
    if (!opened.index)
        return failed(report, FetchFailure::IndexUnusable, opened.error);
    const WebGraphIndex& index = *opened.index;
    if (!index.release().isEmpty())
        report.address += QStringLiteral(" (%1)").arg(index.release());
    const bool rank = source.graphValue == Source::GraphValue::Rank;
    if (rank && !index.hasRanks())
        return failed(report, FetchFailure::IndexUnusable,
                      QCoreApplication::translate("WebGraphLookup",
                                                  "the web-graph index %1 holds no ranks: build it with the ranks "
                                                  "file, or ask for Value=indegree")
                          .arg(QDir::toNativeSeparators(source.indexFile)));

    const QString name = nameOf(site, index.level());
    const std::optional<WebGraphEntry> entry = index.find(reversedHostName(name));
    report.elapsedMs = timer.elapsed();
    if (!entry)
        return {{QueryOutcome::Kind::NotInGraph, report, name}, {}, -1};
    if (rank && !entry->harmonicPosition)
        return {{QueryOutcome::Kind::NotInGraph, report,
                 QCoreApplication::translate("WebGraphLookup", "%1 is in the graph but not in its ranks").arg(name)},
                {},
                -1};
    const quint64 value = rank ? *entry->harmonicPosition : entry->inDegree;
    return {{QueryOutcome::Kind::Counted, report, {}}, static_cast<qint64>(value), -1};
}

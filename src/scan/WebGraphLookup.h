#pragma once

#include "scan/SourceQuery.h"
#include "webgraph/WebGraphFormat.h"

class WebGraphIndexCache;

// How a web-graph source answers for a site, without a fetch: the site's
// host in ASCII form without a leading "www.", or its registered domain for
// an index of the domain graph, reversed ("uk.co.example") and found in
// the source's index. Runs on any thread.
namespace WebGraphLookup {

// The name a site is looked up as in an index of this level; empty when
// the site names no host.
QString nameOf(const QString& site, WebGraphFormat::Level level);

// Found: counted, the in-degree (or the rank's position) as the cell's
// text. Not in the graph (or, asking for the rank, not among its ranks):
// "not in the web graph", naming what was looked up. An index that is
// missing, of another version, damaged or without the ranks asked for:
// failed, its reason from the index. The report's address names the index
// file and the graph's release.
SourceQuery::Answer answer(const Source& source, const QString& site, WebGraphIndexCache& indexes);

} // namespace WebGraphLookup

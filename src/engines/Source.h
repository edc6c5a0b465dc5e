#pragma once

#include "engines/CountExtraction.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Engine;

// One header a user source sends with each request, such as an API key.
// Its value is secret: wherever a header is shown it is shown masked.
struct SourceHeader
{
    QString name;
    QString value;

    bool operator==(const SourceHeader&) const = default;
};

// The name, ": " and four bullets (U+2022): the one way a header is ever
// shown (scan log, CSV, tool tips, messages, --list-sources, Options).
QString maskedHeader(const SourceHeader& header);
// Whether a value is what maskedHeader() shows in its place.
bool isMaskedValue(const QString& value);

// One source a scan asks about each site: one of the six built-in engines,
// or a source of the user's own from settings.ini (a section
// "[Source <name>]"). Its name is the results column's caption, the section
// of the saved searches and the chart's series.
//
// How a source is asked depends on its kind; SourceQuery (scan/) is the one
// place that asks. Every kind but the web graph is fetched over http or
// https; a web-graph source ("webgraph:<index file>") is answered from a
// local index without a fetch. Any other address makes a user source invalid.
struct Source
{
    enum class Kind {
        Engine,   // a built-in engine: its template, markers and count rule
        WebPage,  // the count read from a page by the Before/After markers
        Json,     // the count read from a JSON reply by a dotted path
        WebGraph, // the site's in-degree or rank looked up in a web-graph index
    };
    // What a web-graph source gives (Value=).
    enum class GraphValue {
        InDegree, // referring domains (or hosts): the links counted into the index
        Rank,     // the harmonic-centrality position, 1 for the most central
    };
    // What a user source puts for {site}.
    enum class SiteForm {
        Listed, // the text as the URL list holds it
        Host,   // siteHost()
        Domain, // registeredDomain() of the host
    };

    Kind kind = Kind::WebPage;
    QString name;
    // Where settings.ini keeps it: the engine's key (sections Engines,
    // Markers, Hidden), or the user source's section name.
    QString settingsKey;
    const Engine* engine = nullptr; // the built-in engine, else null
    QString queryTemplate;
    SiteForm siteForm = SiteForm::Listed;
    QList<SourceHeader> headers;
    CountMarkers markers;
    QString jsonPath;
    GraphValue graphValue = GraphValue::InDegree;
    // A web-graph source's index file: the path after "webgraph:", a
    // relative one taken from the folder of settings.ini.
    QString indexFile;
    bool countsTowardTotal = true;
    // The least time in milliseconds between two of its queries ("Interval=",
    // for an engine "[Pacing] <key>="); 0 asks as fast as answers come.
    int intervalMs = 0;
    // The user agent its queries go out with ("UserAgent="); empty is the
    // one of the network settings.
    QString userAgent;
    bool hidden = false; // a built-in engine the user does not ask
    // Why the source cannot be asked; empty when it can.
    QString invalidReason;

    static Source builtIn(const Engine& engine);

    // A user source's kind by its address and JSON path.
    static Kind kindOf(const QString& queryTemplate, const QString& jsonPath);
    // Whether an address names a web-graph index: "webgraph:" and a path,
    // letter case of the scheme ignored.
    static bool isWebGraphQuery(const QString& queryTemplate);
    // The path a web-graph address names, as written.
    static QString webGraphPath(const QString& queryTemplate);
    static QString webGraphQuery(const QString& path) { return QStringLiteral("webgraph:") + path; }

    bool isBuiltIn() const { return engine != nullptr; }
    bool isValid() const { return invalidReason.isEmpty(); }
    // Asked by a scan: valid and not hidden.
    bool isActive() const { return isValid() && !hidden; }

    // Whether the source has a page a browser can show for a site: every
    // engine, and a user source whose address is http or https.
    bool hasWebPage() const;

    // "Google", "All The Web", the source's name: the source in the status
    // bar's "Scanning <site> on <source>".
    QString statusName() const;
    // The text of its rows in the web-results list.
    QString webViewText() const;

    // The site in the source's site form; empty when the site names no host.
    QString siteText(const QString& listedSite) const;
    // The address a scan asks: for an engine its template, the site as
    // listed and its suffix; for a user source the template with every
    // {site} replaced by the site (percent-encoded) or, without {site}, the
    // site appended as it is. Empty when the site names no host. For a
    // web-graph source, "webgraph:" and its index file.
    QString queryAddress(const QString& listedSite) const;

    // The headers as they may be shown.
    QStringList maskedHeaders() const;
    // The text with the value of every header replaced by the four
    // bullets, for anything a server or the network may echo back.
    QString redacted(const QString& text) const;
};

// "web page", "JSON", "web graph": how --list-sources names the kind.
QString kindName(Source::Kind kind);
// The same in the user's language, for windows.
QString shownKindName(Source::Kind kind);

// "indegree", "rank": the values of Value=.
QString graphValueName(Source::GraphValue value);

// "listed", "host", "domain": the values of Site=.
QString siteFormName(Source::SiteForm form);

// The count of a reply by the source's rule: the engine's own (or its
// markers), the markers of a web page, or the JSON path. A web-graph source
// reads no reply and gets no count here.
CountReading readSourceCount(const QString& page, const Source& source);

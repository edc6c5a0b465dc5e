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
// place that asks, so that a kind answered without a fetch (a local index)
// is added there and in kindName(). Every kind of today is fetched over
// http or https; any other address makes a user source invalid.
struct Source
{
    enum class Kind {
        Engine,  // a built-in engine: its template, markers and count rule
        WebPage, // the count read from a page by the Before/After markers
        Json,    // the count read from a JSON reply by a dotted path
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

    bool isBuiltIn() const { return engine != nullptr; }
    bool isValid() const { return invalidReason.isEmpty(); }
    // Asked by a scan: valid and not hidden.
    bool isActive() const { return isValid() && !hidden; }

    // Whether the source has a page a browser can show for a site: every
    // engine, and a user source whose address is http or https.
    bool hasWebPage() const;

    // " on Google", " on <name>": follows "Scanning " + site.
    QString statusSuffix() const;
    // The text of its rows in the web-results list.
    QString webViewText() const;

    // The site in the source's site form; empty when the site names no host.
    QString siteText(const QString& listedSite) const;
    // The address a scan asks: for an engine its template, the site as
    // listed and its suffix; for a user source the template with every
    // {site} replaced by the site (percent-encoded) or, without {site}, the
    // site appended as it is. Empty when the site names no host.
    QString queryAddress(const QString& listedSite) const;

    // The headers as they may be shown.
    QStringList maskedHeaders() const;
    // The text with the value of every header replaced by the four
    // bullets, for anything a server or the network may echo back.
    QString redacted(const QString& text) const;
};

// "web page", "JSON": how --list-sources and Options name the kind.
QString kindName(Source::Kind kind);

// "listed", "host", "domain": the values of Site=.
QString siteFormName(Source::SiteForm form);

// The count of a reply by the source's rule: the engine's own (or its
// markers), the markers of a web page, or the JSON path.
CountReading readSourceCount(const QString& page, const Source& source);

#pragma once

#include <QMetaType>
#include <QString>

#include <optional>

// Why a fetch gave no page.
enum class FetchFailure {
    None,
    NotHttp,    // the address is no http or https address
    NoSiteHost, // the site gives no host for a source asked about hosts or domains
    HostNotFound,
    ConnectionRefused,
    ConnectionClosed, // closed or reset by the server before the answer was whole
    Tls,              // detail says what was wrong with the certificate, when known
    Proxy,            // the proxy refused, failed or asked for credentials; detail names it
    IdleTimeout,
    TotalTimeout,
    TooManyRedirects, // past the limit, or redirected out of the web
    SizeCap,
    HttpStatus,  // the server answered 4xx or 5xx
    RateLimited, // the server answered 429 or 503 to every try
    Network,     // any other network error
    // A web-graph source's index is missing, older, damaged or holds no
    // ranks when they are asked for; detail gives the reason.
    IndexUnusable,
};

// How a fetch ended, as the page fetcher reports it beside the page text.
struct FetchReport
{
    FetchFailure failure = FetchFailure::None;
    int httpStatus = 0; // 0 when no status line came
    // How long a 429 or 503 answer asked the client to wait (its
    // Retry-After, in seconds or as a date), when it said.
    std::optional<qint64> retryAfterMs;
    qint64 bytes = 0; // of the page handed over
    qint64 elapsedMs = 0;
    QString address;
    // More about a failure of kind Network, Tls or Proxy: the network
    // layer's words, the certificate's fault, or the proxy and what it did;
    // for one of kind IndexUnusable, the reason.
    QString detail;

    bool pageReceived() const { return failure == FetchFailure::None; }
};

// What one query of a site to an engine came to.
struct QueryOutcome
{
    enum class Kind {
        Counted,   // the page gave a count
        NoResults, // the page said nothing was found
        NoCount,   // a page came back without a count the engine's rule recognises
        Failed,    // no page (fetch.failure says why)
        Stopped,   // the scan was stopped before or during the query
        // A web-graph source's index was asked and does not hold the site's
        // name (or holds no rank for it); the reason names what was looked up.
        NotInGraph,
    };

    Kind kind = Kind::Counted;
    FetchReport fetch;
    // Why a page gave no count, when its rule says (a JSON reply's path
    // missing, for one).
    QString reason = {};

    // Whether the cell deserves the user's attention: failed, a page without
    // a count, or a site the web graph does not hold.
    bool isSuspect() const { return kind == Kind::Failed || kind == Kind::NoCount || kind == Kind::NotInGraph; }
};

// The texts below are for the user: in the user's language where the
// program has a translator installed, as written otherwise. Files and the
// command line keep fixed keys and English words of their own.

// "connection refused", "HTTP status 404", ... for the user.
QString failureText(const FetchReport& report);
// "counted", "no results", "no count on the page", "failed", "stopped",
// "not in the web graph".
QString kindText(QueryOutcome::Kind kind);
// The kind and, for a failure or a page whose rule said why it holds no
// count, the reason: "failed: connection refused".
QString outcomeText(const QueryOutcome& outcome);

Q_DECLARE_METATYPE(FetchFailure)
Q_DECLARE_METATYPE(FetchReport)
Q_DECLARE_METATYPE(QueryOutcome::Kind)

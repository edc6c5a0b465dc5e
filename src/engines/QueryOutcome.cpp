#include "engines/QueryOutcome.h"

#include <QCoreApplication>

namespace {

// The texts are English in the code and translated as they are shown; a
// program without a translator (the command line) shows them as written.
QString shown(const char* text)
{
    return QCoreApplication::translate("QueryOutcome", text);
}

} // namespace

QString failureText(const FetchReport& report)
{
    switch (report.failure) {
    case FetchFailure::None:
        return {};
    case FetchFailure::NotHttp:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "not an http or https address"));
    case FetchFailure::NoSiteHost:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "the site names no host"));
    case FetchFailure::HostNotFound:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "host not found"));
    case FetchFailure::ConnectionRefused:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "connection refused"));
    case FetchFailure::ConnectionClosed:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "connection closed by the server"));
    case FetchFailure::Tls:
        return report.detail.isEmpty()
                   ? shown(QT_TRANSLATE_NOOP("QueryOutcome", "secure connection (TLS) failed"))
                   : shown(QT_TRANSLATE_NOOP("QueryOutcome", "secure connection (TLS) failed: %1")).arg(report.detail);
    case FetchFailure::Proxy:
        return report.detail.isEmpty() ? shown(QT_TRANSLATE_NOOP("QueryOutcome", "proxy failed")) : report.detail;
    case FetchFailure::IdleTimeout:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "timed out waiting for data"));
    case FetchFailure::TotalTimeout:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "timed out: the page took too long"));
    case FetchFailure::TooManyRedirects:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "too many redirections"));
    case FetchFailure::SizeCap:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "page larger than the size limit"));
    case FetchFailure::RateLimited:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "rate limited (HTTP %1)")).arg(report.httpStatus);
    case FetchFailure::HttpStatus:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "HTTP status %1")).arg(report.httpStatus);
    case FetchFailure::Network:
        return report.detail.isEmpty()
                   ? shown(QT_TRANSLATE_NOOP("QueryOutcome", "network error"))
                   : shown(QT_TRANSLATE_NOOP("QueryOutcome", "network error: %1")).arg(report.detail);
    case FetchFailure::IndexUnusable:
        return report.detail.isEmpty() ? shown(QT_TRANSLATE_NOOP("QueryOutcome", "the web-graph index cannot be used"))
                                       : report.detail;
    }
    return {};
}

QString kindText(QueryOutcome::Kind kind)
{
    switch (kind) {
    case QueryOutcome::Kind::Counted:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "counted"));
    case QueryOutcome::Kind::NoResults:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "no results"));
    case QueryOutcome::Kind::NoCount:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "no count on the page"));
    case QueryOutcome::Kind::Failed:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "failed"));
    case QueryOutcome::Kind::Stopped:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "stopped"));
    case QueryOutcome::Kind::NotInGraph:
        return shown(QT_TRANSLATE_NOOP("QueryOutcome", "not in the web graph"));
    }
    return {};
}

QString outcomeText(const QueryOutcome& outcome)
{
    if (outcome.kind == QueryOutcome::Kind::Failed) {
        const QString failure = kindText(outcome.kind) + QStringLiteral(": ") + failureText(outcome.fetch);
        return outcome.reason.isEmpty() ? failure : failure + QStringLiteral("; ") + outcome.reason;
    }
    if (!outcome.reason.isEmpty())
        return kindText(outcome.kind) + QStringLiteral(": ") + outcome.reason;
    return kindText(outcome.kind);
}

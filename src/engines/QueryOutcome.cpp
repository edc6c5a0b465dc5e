#include "engines/QueryOutcome.h"

QString failureText(const FetchReport& report)
{
    switch (report.failure) {
    case FetchFailure::None:
        return {};
    case FetchFailure::NotHttp:
        return QStringLiteral("not an http or https address");
    case FetchFailure::NoSiteHost:
        return QStringLiteral("the site names no host");
    case FetchFailure::HostNotFound:
        return QStringLiteral("host not found");
    case FetchFailure::ConnectionRefused:
        return QStringLiteral("connection refused");
    case FetchFailure::ConnectionClosed:
        return QStringLiteral("connection closed by the server");
    case FetchFailure::Tls:
        return report.detail.isEmpty() ? QStringLiteral("secure connection (TLS) failed")
                                       : QStringLiteral("secure connection (TLS) failed: %1").arg(report.detail);
    case FetchFailure::Proxy:
        return report.detail.isEmpty() ? QStringLiteral("proxy failed") : report.detail;
    case FetchFailure::IdleTimeout:
        return QStringLiteral("timed out waiting for data");
    case FetchFailure::TotalTimeout:
        return QStringLiteral("timed out: the page took too long");
    case FetchFailure::TooManyRedirects:
        return QStringLiteral("too many redirections");
    case FetchFailure::SizeCap:
        return QStringLiteral("page larger than the size limit");
    case FetchFailure::RateLimited:
        return QStringLiteral("rate limited (HTTP %1)").arg(report.httpStatus);
    case FetchFailure::HttpStatus:
        return QStringLiteral("HTTP status %1").arg(report.httpStatus);
    case FetchFailure::Network:
        return report.detail.isEmpty() ? QStringLiteral("network error")
                                       : QStringLiteral("network error: %1").arg(report.detail);
    }
    return {};
}

QString kindText(QueryOutcome::Kind kind)
{
    switch (kind) {
    case QueryOutcome::Kind::Counted:
        return QStringLiteral("counted");
    case QueryOutcome::Kind::NoResults:
        return QStringLiteral("no results");
    case QueryOutcome::Kind::NoCount:
        return QStringLiteral("no count on the page");
    case QueryOutcome::Kind::Failed:
        return QStringLiteral("failed");
    case QueryOutcome::Kind::Stopped:
        return QStringLiteral("stopped");
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

#include "scan/PageFetcher.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace {

// What the network layer may hold of a reply before this fetcher has read
// it. Without a bound it keeps reading a fast server's body into memory
// while the event loop is busy, far past the page's size cap.
constexpr qint64 replyBufferBytes = 1024 * 1024;

bool isWebScheme(const QString& scheme)
{
    return scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 ||
           scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

// The target of a redirection: a 301, 302, 303, 307 or 308 response with a
// Location, resolved against the address that gave it. Empty for any other
// response, which is the page whatever its status.
QUrl redirectionTarget(const QNetworkReply& reply)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool redirection = status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
    const QByteArray location = reply.rawHeader("Location").trimmed();
    if (!redirection || location.isEmpty())
        return {};
    return reply.url().resolved(QUrl(QString::fromUtf8(location)));
}

// The port an address reaches, given or implied by its scheme.
int portOf(const QUrl& url)
{
    return url.port(url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443 : 80);
}

// Whether a redirection stays with the server the headers were meant for:
// the same host and port, and not from https to plain http.
bool isSameServer(const QUrl& target, const QUrl& original)
{
    const bool downgraded = target.scheme().compare(original.scheme(), Qt::CaseInsensitive) != 0 &&
                            target.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0;
    return target.host().compare(original.host(), Qt::CaseInsensitive) == 0 && portOf(target) == portOf(original) &&
           !downgraded;
}

} // namespace

PageFetcher::PageFetcher(QObject* parent)
    : PageFetcher(Limits{}, parent)
{}

PageFetcher::PageFetcher(const Limits& limits, QObject* parent)
    : QObject(parent)
    , m_limits(limits)
    , m_manager(new QNetworkAccessManager(this))
{
    m_manager->setProxy(QNetworkProxy::NoProxy);
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(m_limits.idleTimeoutMs);
    m_totalTimer.setSingleShot(true);
    m_totalTimer.setInterval(m_limits.totalTimeoutMs);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] { timedOut(FetchFailure::IdleTimeout); });
    connect(&m_totalTimer, &QTimer::timeout, this, [this] { timedOut(FetchFailure::TotalTimeout); });
}

PageFetcher::~PageFetcher()
{
    dropReply();
}

bool PageFetcher::isFetchable(const QString& address)
{
    const QUrl url(address);
    return url.isValid() && isWebScheme(url.scheme()) && !url.host().isEmpty();
}

void PageFetcher::fetch(const QString& address, const QList<SourceHeader>& headers)
{
    cancel();
    m_busy = true;
    const quint64 id = ++m_fetchId;
    m_address = address;
    m_headers = headers;
    m_headersFor = QUrl(address);
    m_httpStatus = 0;
    m_elapsed.start();

    if (!isFetchable(address)) {
        // finished() must never come from inside fetch(): callers are state
        // machines that set their next state after starting a fetch.
        QTimer::singleShot(0, this, [this, id] {
            if (m_busy && m_fetchId == id)
                finishWith({}, FetchFailure::NotHttp);
        });
        return;
    }

    m_redirects = 0;
    m_idleTimer.start();
    m_totalTimer.start();
    request(QUrl(address));
}

void PageFetcher::request(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Mozilla"));
    if (isSameServer(url, m_headersFor)) {
        for (const SourceHeader& header : std::as_const(m_headers))
            request.setRawHeader(header.name.toLatin1(), header.value.toLatin1());
    }
    // Redirections are followed here rather than by Qt: a browser follows
    // them between http and https in both directions and shows the body of
    // a redirection that names no target, and Qt 6.4 loses its way in a
    // chain of redirections with empty bodies on a kept-alive connection.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

    m_reply = m_manager->get(request);
    m_reply->setReadBufferSize(std::min(replyBufferBytes, std::max<qint64>(m_limits.maxBytes, 1)));
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &PageFetcher::headersReceived);
    connect(m_reply, &QNetworkReply::readyRead, this, &PageFetcher::readAvailable);
    connect(m_reply, &QNetworkReply::finished, this, &PageFetcher::replyFinished);
}

void PageFetcher::headersReceived()
{
    m_idleTimer.start();
    m_httpStatus = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QUrl target = redirectionTarget(*m_reply);
    if (target.isEmpty())
        return;
    // A browser does not follow a redirection out of the web either, and
    // past the limit there is no page at all, not even a redirection's body.
    if (!target.isValid() || !isWebScheme(target.scheme()) || target.host().isEmpty() ||
        m_redirects >= m_limits.maxRedirects) {
        finishWith({}, FetchFailure::TooManyRedirects);
        return;
    }
    ++m_redirects;
    dropReply(false);
    m_page.clear();
    request(target);
}

void PageFetcher::cancel()
{
    dropReply();
    m_busy = false;
    m_page.clear();
    ++m_fetchId;
}

void PageFetcher::readAvailable()
{
    if (!m_reply)
        return;
    m_idleTimer.start();
    // Only what has arrived: read(n) sets aside n bytes before it reads, and
    // the room left is megabytes.
    const qint64 room = std::min(m_limits.maxBytes - m_page.size(), m_reply->bytesAvailable());
    if (room > 0)
        m_page += m_reply->read(room);
    if (m_page.size() < m_limits.maxBytes)
        return;
    // A page of exactly the limit that says so is whole.
    const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
    const bool whole = announced.isValid() && announced.toLongLong() == m_page.size();
    if (!whole)
        finishWith(m_page, FetchFailure::SizeCap);
}

// A time-out ends the fetch with what has arrived, for whoever wants to see
// it; the fetch has failed all the same.
void PageFetcher::timedOut(FetchFailure failure)
{
    readAvailable();
    if (m_reply)
        finishWith(m_page, failure);
}

void PageFetcher::replyFinished()
{
    if (!m_reply)
        return;
    readAvailable();
    if (!m_reply)
        return;
    m_httpStatus = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    finishWith(m_page, failureOf(*m_reply, m_httpStatus));
}

FetchFailure PageFetcher::failureOf(const QNetworkReply& reply, int httpStatus)
{
    if (httpStatus >= 400)
        return FetchFailure::HttpStatus;
    switch (reply.error()) {
    case QNetworkReply::NoError:
        return FetchFailure::None;
    case QNetworkReply::ConnectionRefusedError:
        return FetchFailure::ConnectionRefused;
    case QNetworkReply::HostNotFoundError:
        return FetchFailure::HostNotFound;
    case QNetworkReply::RemoteHostClosedError:
        return FetchFailure::ConnectionClosed;
    case QNetworkReply::SslHandshakeFailedError:
        return FetchFailure::Tls;
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return FetchFailure::TooManyRedirects;
    case QNetworkReply::TimeoutError:
        return FetchFailure::TotalTimeout;
    default:
        break;
    }
    return FetchFailure::Network;
}

void PageFetcher::finishWith(const QByteArray& bytes, FetchFailure failure)
{
    FetchReport report;
    report.failure = failure;
    report.httpStatus = m_httpStatus;
    report.bytes = bytes.size();
    report.elapsedMs = m_elapsed.isValid() ? m_elapsed.elapsed() : 0;
    report.address = m_address;
    if (failure == FetchFailure::Network && m_reply)
        report.detail = m_reply->errorString();
    const QString text = QString::fromLatin1(bytes);
    dropReply();
    m_busy = false;
    m_page.clear();
    // Last, as a receiver may start the next fetch or delete this fetcher.
    emit finished(text, report);
}

void PageFetcher::dropReply(bool stopTimers)
{
    if (stopTimers) {
        m_idleTimer.stop();
        m_totalTimer.stop();
    }
    if (QNetworkReply* reply = std::exchange(m_reply, nullptr)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

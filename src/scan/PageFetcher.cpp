#include "scan/PageFetcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThreadPool>
#include <QUrl>

#if QT_CONFIG(ssl)
#include <QSslError>
#endif

#include <algorithm>
#include <memory>
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

// The proxies the desktop or the environment set for each server. Asking
// the system goes through a proxy library's thread and costs more than a
// query to a nearby server, tens of milliseconds at times, so each server's
// answer serves the requests of a few seconds, and then the next request
// still takes it while a worker asks the system again. A change of the
// settings counts within those seconds and one request more.
class SystemProxyFactory : public QNetworkProxyFactory
{
public:
    explicit SystemProxyFactory(qint64 keptMs)
        : m_keptMs(keptMs)
    {}

    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override
    {
        constexpr qsizetype mostServers = 64;
        const QUrl& url = query.url();
        const QString server = url.scheme() + u' ' + url.host() + u' ' + QString::number(url.port());
        const QMutexLocker lock(&m_state->mutex);
        const qint64 now = m_state->clock.elapsed();
        const auto kept = m_state->answers.find(server);
        if (kept != m_state->answers.end()) {
            if (now - kept->askedAtMs >= m_keptMs && !kept->asking) {
                kept->asking = true;
                // The worker may outlive the factory, so it holds the answers.
                QThreadPool::globalInstance()->start([state = m_state, server, query] {
                    const QList<QNetworkProxy> proxies = systemProxyForQuery(query);
                    const QMutexLocker answerLock(&state->mutex);
                    state->answers.insert(server, {proxies, state->clock.elapsed(), false});
                });
            }
            return kept->proxies;
        }
        if (m_state->answers.size() >= mostServers)
            m_state->answers.clear();
        const QList<QNetworkProxy> proxies = systemProxyForQuery(query);
        m_state->answers.insert(server, {proxies, now, false});
        return proxies;
    }

private:
    struct Answer
    {
        QList<QNetworkProxy> proxies;
        qint64 askedAtMs = 0;
        bool asking = false;
    };
    struct Answers
    {
        Answers() { clock.start(); }
        // Requests may be set off from more than one thread.
        QMutex mutex;
        QElapsedTimer clock;
        QHash<QString, Answer> answers;
    };
    const qint64 m_keptMs;
    const std::shared_ptr<Answers> m_state = std::make_shared<Answers>();
};

QNetworkProxy manualProxy(const NetworkSettings& settings)
{
    if (settings.proxyHost.isEmpty())
        return QNetworkProxy::NoProxy;
    return QNetworkProxy(QNetworkProxy::HttpProxy, settings.proxyHost, settings.proxyPort, settings.proxyUser,
                         settings.proxyPassword);
}

// A header value as it may go on the wire: one line of text.
QByteArray headerValue(const QString& text)
{
    QByteArray value = text.toLatin1();
    value.replace('\r', ' ').replace('\n', ' ');
    return value.trimmed();
}

#if QT_CONFIG(ssl)
// What was wrong with the server's certificate, in the words of a failed
// query's reason.
QString certificateFault(const QList<QSslError>& errors)
{
    for (const QSslError& error : errors) {
        switch (error.error()) {
        case QSslError::SelfSignedCertificate:
        case QSslError::SelfSignedCertificateInChain:
            return QCoreApplication::translate("PageFetcher", "the certificate is self-signed");
        case QSslError::CertificateExpired:
            return QCoreApplication::translate("PageFetcher", "the certificate has expired");
        case QSslError::CertificateNotYetValid:
            return QCoreApplication::translate("PageFetcher", "the certificate is not valid yet");
        case QSslError::HostNameMismatch:
            return QCoreApplication::translate("PageFetcher", "the certificate is for another host name");
        case QSslError::CertificateRevoked:
            return QCoreApplication::translate("PageFetcher", "the certificate has been revoked");
        case QSslError::UnableToGetLocalIssuerCertificate:
        case QSslError::UnableToGetIssuerCertificate:
        case QSslError::CertificateUntrusted:
            return QCoreApplication::translate("PageFetcher", "the certificate is not from a trusted authority");
        default:
            break;
        }
    }
    return errors.isEmpty() ? QString() : errors.first().errorString();
}
#endif

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
    : PageFetcher(limits, std::make_shared<QNetworkAccessManager>(), parent)
{
    setNetworkSettings(m_network);
}

PageFetcher::PageFetcher(const Limits& limits, std::shared_ptr<QNetworkAccessManager> manager, QObject* parent)
    : QObject(parent)
    , m_limits(limits)
    , m_manager(std::move(manager))
{
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

PageFetcher* PageFetcher::sibling(QObject* parent) const
{
    auto* fetcher = new PageFetcher(m_limits, m_manager, parent);
    fetcher->m_network = m_network;
    return fetcher;
}

void PageFetcher::setNetworkSettings(const NetworkSettings& settings)
{
    m_network = settings;
    switch (settings.proxy) {
    case NetworkSettings::ProxyChoice::System:
        m_manager->setProxyFactory(new SystemProxyFactory(m_limits.systemProxyKeptMs));
        break;
    case NetworkSettings::ProxyChoice::None:
        m_manager->setProxy(QNetworkProxy::NoProxy);
        break;
    case NetworkSettings::ProxyChoice::Manual:
        m_manager->setProxy(manualProxy(settings));
        break;
    }
}

QString PageFetcher::proxyOf(const QUrl& url) const
{
    QList<QNetworkProxy> proxies;
    switch (m_network.proxy) {
    case NetworkSettings::ProxyChoice::System:
        proxies = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
        break;
    case NetworkSettings::ProxyChoice::None:
        break;
    case NetworkSettings::ProxyChoice::Manual:
        proxies = {manualProxy(m_network)};
        break;
    }
    for (const QNetworkProxy& proxy : std::as_const(proxies)) {
        if (proxy.type() != QNetworkProxy::NoProxy && proxy.type() != QNetworkProxy::DefaultProxy)
            return QStringLiteral("%1:%2").arg(proxy.hostName()).arg(proxy.port());
    }
    return {};
}

std::optional<qint64> PageFetcher::retryAfterMs(const QByteArray& value, const QDateTime& now)
{
    const QByteArray text = value.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    if (std::all_of(text.cbegin(), text.cend(), [](char c) { return c >= '0' && c <= '9'; })) {
        // Anything past a day is as good as "much later"; the caller caps it anyway.
        return text.size() > 6 ? qint64(86400000) : text.toLongLong() * 1000;
    }
    // HTTP dates are written in universal time with the zone "GMT".
    QDateTime when =
        QLocale::c().toDateTime(QString::fromLatin1(text), QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
    when.setTimeSpec(Qt::UTC);
    if (!when.isValid())
        when = QDateTime::fromString(QString::fromLatin1(text), Qt::RFC2822Date);
    if (!when.isValid())
        return std::nullopt;
    return std::max<qint64>(0, now.msecsTo(when));
}

bool PageFetcher::isFetchable(const QString& address)
{
    const QUrl url(address);
    return url.isValid() && isWebScheme(url.scheme()) && !url.host().isEmpty();
}

void PageFetcher::fetch(const QString& address, const QList<SourceHeader>& headers, const QString& userAgent)
{
    cancel();
    m_busy = true;
    const quint64 id = ++m_fetchId;
    m_address = address;
    m_headers = headers;
    m_userAgent = userAgent;
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
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      headerValue(m_userAgent.isEmpty() ? m_network.userAgent : m_userAgent));
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
#if QT_CONFIG(ssl)
    m_tlsErrors.clear();
    connect(m_reply, &QNetworkReply::sslErrors, this, [this](const QList<QSslError>& errors) { m_tlsErrors = errors; });
#endif
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
    FetchFailure failure = failureOf(*m_reply, m_httpStatus);
    // Through a proxy, the connection that failed is the one to the proxy.
    const bool reachingFailure = failure == FetchFailure::ConnectionRefused ||
                                 failure == FetchFailure::ConnectionClosed || failure == FetchFailure::HostNotFound;
    if (reachingFailure && !proxyOf(m_reply->url()).isEmpty())
        failure = FetchFailure::Proxy;
    finishWith(m_page, failure);
}

FetchFailure PageFetcher::failureOf(const QNetworkReply& reply, int httpStatus)
{
    switch (reply.error()) {
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError:
        return FetchFailure::Proxy;
    default:
        break;
    }
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
    report.detail = failureDetail(failure);
    if (m_reply && (m_httpStatus == 429 || m_httpStatus == 503))
        report.retryAfterMs = retryAfterMs(m_reply->rawHeader("Retry-After"), QDateTime::currentDateTimeUtc());
    const QString text = QString::fromLatin1(bytes);
    dropReply();
    m_busy = false;
    m_page.clear();
    // Last, as a receiver may start the next fetch or delete this fetcher.
    emit finished(text, report);
}

QString PageFetcher::failureDetail(FetchFailure failure) const
{
    if (!m_reply)
        return {};
    switch (failure) {
    case FetchFailure::Network:
        return m_reply->errorString();
    case FetchFailure::Tls:
#if QT_CONFIG(ssl)
        return certificateFault(m_tlsErrors);
#else
        return {};
#endif
    case FetchFailure::Proxy: {
        const QString proxy = proxyOf(m_reply->url());
        const QString name = proxy.isEmpty() ? QStringLiteral("the proxy") : QStringLiteral("proxy ") + proxy;
        switch (m_reply->error()) {
        case QNetworkReply::ProxyConnectionRefusedError:
        case QNetworkReply::ConnectionRefusedError:
            return name + QStringLiteral(" refused the connection");
        case QNetworkReply::ProxyConnectionClosedError:
        case QNetworkReply::RemoteHostClosedError:
            return name + QStringLiteral(" closed the connection");
        case QNetworkReply::ProxyNotFoundError:
        case QNetworkReply::HostNotFoundError:
            return name + QStringLiteral(" was not found");
        case QNetworkReply::ProxyTimeoutError:
            return name + QStringLiteral(" did not answer in time");
        case QNetworkReply::ProxyAuthenticationRequiredError:
            return name + QStringLiteral(" asks for a user name and password");
        default:
            return name + QStringLiteral(" failed: ") + m_reply->errorString();
        }
    }
    default:
        return {};
    }
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

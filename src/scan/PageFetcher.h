#pragma once

#include "base/NetworkSettings.h"
#include "engines/QueryOutcome.h"
#include "engines/Source.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QtNetwork/qtnetworkglobal.h>

#include <memory>

#if QT_CONFIG(ssl)
#include <QSslError>
#endif

class QNetworkAccessManager;
class QNetworkReply;

// Fetches one web page at a time without ever blocking the thread it lives
// on: fetch() starts the request and finished() later hands over the whole
// body as text, one character per byte (Latin-1), so character counts equal
// byte counts. The request goes out without a cache, through the proxy and
// with the user agent of the network settings (by default the system's
// proxy and "Mozilla"); redirections are followed as a browser would. A
// fetch that fails gives the text read until then, which is usually the
// empty text (an error status's body is handed over too); finished() says
// with a FetchReport how the fetch ended.
class PageFetcher : public QObject
{
    Q_OBJECT

public:
    struct Limits
    {
        int idleTimeoutMs = 30000;         // nothing received for this long ends the fetch
        int totalTimeoutMs = 120000;       // a fetch ends this long after it began
        qint64 maxBytes = 8 * 1024 * 1024; // reading stops here, and the fetch fails
        int maxRedirects = 10;             // one more gives the empty text
        int systemProxyKeptMs = 10000;     // the system's proxy for a server is asked again after this long
    };

    explicit PageFetcher(QObject* parent = nullptr);
    explicit PageFetcher(const Limits& limits, QObject* parent = nullptr);
    ~PageFetcher() override;

    // A fetcher with this one's limits and network settings that shares its
    // connections: fetchers that run side by side reuse the same open
    // connections and one network thread. Either may outlive the other.
    PageFetcher* sibling(QObject* parent = nullptr) const;

    const Limits& limits() const { return m_limits; }

    // Applies to the fetches started from now on.
    void setNetworkSettings(const NetworkSettings& settings);
    const NetworkSettings& networkSettings() const { return m_network; }

    // Starts fetching the address. finished() follows exactly once, always
    // from the event loop (never from inside this call). Only http and https
    // addresses are requested; any other address finishes with the empty text
    // without a request. A fetch still running is abandoned first, as by
    // cancel(). The headers go with the request, and with a redirection only
    // to the same host and port (never from https to http), so that a key
    // meant for one service reaches no other. A user agent given here
    // replaces the network settings' one for this fetch.
    void fetch(const QString& address, const QList<SourceHeader>& headers = {}, const QString& userAgent = {});
    bool isBusy() const { return m_busy; }
    // Abandons the running fetch at once; its finished() is not emitted.
    void cancel();

    // Whether fetch() would send a request for this address.
    static bool isFetchable(const QString& address);

    // The wait a Retry-After header asks for: whole seconds, or an HTTP
    // date less the time now (0 when it has passed); nothing when the
    // value is neither.
    static std::optional<qint64> retryAfterMs(const QByteArray& value, const QDateTime& now);

signals:
    // The report's failure is None only when a whole answer came with a
    // status below 400; otherwise it says why not: the server could not be
    // reached, answered with an HTTP error, took too long, sent more than
    // the size limit, redirected out of the web or too often, or the address
    // was not fetchable.
    void finished(const QString& pageText, const FetchReport& report);

private:
    void request(const QUrl& url);
    void headersReceived();
    void readAvailable();
    void replyFinished();
    void timedOut(FetchFailure failure);
    void finishWith(const QByteArray& bytes, FetchFailure failure);
    static FetchFailure failureOf(const QNetworkReply& reply, int httpStatus);
    // Why the failure happened, in words beyond its kind; empty when the kind says it all.
    QString failureDetail(FetchFailure failure) const;
    // "host:port" of the proxy the request to the url goes through; empty for a direct connection.
    PageFetcher(const Limits& limits, std::shared_ptr<QNetworkAccessManager> manager, QObject* parent);
    QString proxyOf(const QUrl& url) const;
    void dropReply(bool stopTimers = true);

    Limits m_limits;
    NetworkSettings m_network;
    std::shared_ptr<QNetworkAccessManager> m_manager;
    QNetworkReply* m_reply = nullptr;
    QByteArray m_page;
    QTimer m_idleTimer;
    QTimer m_totalTimer;
    QElapsedTimer m_elapsed;
    QString m_address;
    QList<SourceHeader> m_headers;
    QString m_userAgent; // of this fetch; empty for the network settings' one
    QUrl m_headersFor;   // the address the headers were given for
    int m_httpStatus = 0;
    int m_redirects = 0;
#if QT_CONFIG(ssl)
    // What the certificate check found, for the reason of a failed handshake.
    QList<QSslError> m_tlsErrors;
#endif
    bool m_busy = false;
    quint64 m_fetchId = 0;
};

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QSslConfiguration>
#include <QString>
#include <QTcpServer>
#include <QUrl>

#include <functional>
#include <optional>
#include <utility>

class LoopbackConnection;
class LoopbackListener;

// An HTTP/1.1 server on 127.0.0.1 with a port of its own, run entirely on the
// event loop of the thread that owns it: nothing in it ever blocks. Tests give
// it a response per path (or a handler that computes responses) and read back
// every request it received. Responses can be delayed, withheld, trickled in
// small pieces or sent without end, so clients can be tested against slow and
// broken servers. Connections are kept alive as HTTP/1.1 allows, which suits
// both QNetworkAccessManager and a browser engine.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT

public:
    using Header = std::pair<QByteArray, QByteArray>;

    struct Request
    {
        QByteArray method;     // "GET", "HEAD", "POST", ...
        QByteArray target;     // path with query, exactly as sent
        QByteArray version;    // "HTTP/1.1"
        QList<Header> headers; // in the order received, names as sent
        QByteArray body;

        // The first value of a header, the name compared without case; empty when absent.
        QByteArray header(const QByteArray& name) const;
        bool hasHeader(const QByteArray& name) const;
        // The target without its query, and the query without "?".
        QString path() const;
        QString query() const;
    };

    struct Response
    {
        // How the end of the body is made known to the client.
        enum class Framing { ContentLength, Chunked, UntilClose };

        int status = 200;
        QByteArray body;
        // Extra headers. Content-Type defaults to text/html and Cache-Control to
        // no-store when not given here. A Content-Length or Transfer-Encoding
        // given here replaces the server's own framing header, so a test can
        // announce more than it sends.
        QList<Header> headers;
        Framing framing = Framing::ContentLength;

        int delayMs = 0;          // wait this long before answering at all
        bool neverAnswer = false; // read the request, then stay silent
        int chunkSize = 0;        // > 0: send the body in pieces of this many bytes
        int chunkDelayMs = 0;     // pause between two pieces
        bool endless = false;     // repeat the body (or 'x' when empty) without end;
                                  // framed Chunked, otherwise until close

        static Response page(const QByteArray& body, int status = 200);
        static Response redirect(const QByteArray& location, int status = 302);
        // Reads the request, then stays silent.
        static Response silence();
        Response& withHeader(const QByteArray& name, const QByteArray& value);
        QByteArray header(const QByteArray& name) const;
    };

    using Handler = std::function<Response(const Request&)>;
    // The group a request counts in for the overlap record.
    using Grouping = std::function<QString(const Request&)>;

    explicit LoopbackHttpServer(QObject* parent = nullptr);
    // An HTTPS server: every connection is encrypted with the configuration's
    // certificate and key before a request is read.
    explicit LoopbackHttpServer(const QSslConfiguration& tls, QObject* parent = nullptr);
    ~LoopbackHttpServer() override;

    bool isListening() const;
    quint16 port() const;
    // The server's address for a path with optional query, such as "/a?b=c";
    // https for a server made with a TLS configuration.
    QUrl url(const QString& pathAndQuery = QStringLiteral("/")) const;
    // A loopback port on which nothing listens.
    static quint16 closedPort();

    // A fixed response for a target. A request whose whole target (with
    // query) has a response gets it; otherwise the response of its path
    // without the query; otherwise the handler's; otherwise 404.
    void setResponse(const QString& target, const Response& response);
    void setPage(const QString& target, const QByteArray& body, int status = 200);
    void removeResponse(const QString& target);
    void setHandler(Handler handler);

    const QList<Request>& requests() const { return m_requests; }
    qsizetype requestCount() const { return m_requests.size(); }
    void clearRequests();
    // Client connections currently open.
    int openConnectionCount() const { return static_cast<int>(m_connections.size()); }

    // The overlap record: how many requests were at most answered at the
    // same time, from the whole request until the response's last byte or
    // the client's hang-up, in one group or in all. Requests are grouped by
    // their path unless setGrouping says otherwise; clearRequests starts the
    // record afresh. A request answered without delay may be over before
    // the next one is read, so tests that look for overlaps delay answers.
    void setGrouping(Grouping grouping) { m_grouping = std::move(grouping); }
    int maxOverlap(const QString& group) const { return m_maxOverlap.value(group); }
    int maxOverlap() const { return m_maxOverlapAll; }

signals:
    void requestReceived(const LoopbackHttpServer::Request& request);

private:
    friend class LoopbackConnection;
    LoopbackHttpServer(std::optional<QSslConfiguration> tls, QObject* parent);
    Response respond(const Request& request);
    // A request's answer begins and ends; begin gives its group.
    QString answerBegins(const Request& request);
    void answerEnds(const QString& group);

    LoopbackListener* m_server;
    QHash<QString, Response> m_responses;
    Handler m_handler;
    QSet<LoopbackConnection*> m_connections;
    QList<Request> m_requests;
    Grouping m_grouping;
    QHash<QString, int> m_overlap;
    QHash<QString, int> m_maxOverlap;
    int m_overlapAll = 0;
    int m_maxOverlapAll = 0;
};

Q_DECLARE_METATYPE(LoopbackHttpServer::Request)
Q_DECLARE_METATYPE(LoopbackHttpServer::Response)

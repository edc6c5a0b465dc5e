#include "loopback/LoopbackHttpServer.h"

#include <QHostAddress>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// A request head larger than this is refused: the client is broken.
constexpr qsizetype maxHeadSize = 64 * 1024;
constexpr qsizetype maxRequestBodySize = 64 * 1024 * 1024;
// Pieces of an endless body sent without a piece size of their own.
constexpr qsizetype endlessPieceSize = 64 * 1024;
// An endless or fast body waits for the socket to drain above this many
// unsent bytes, so a slow reader does not make the server's memory grow.
constexpr qint64 highWater = 256 * 1024;

bool sameName(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 303:
        return "See Other";
    case 304:
        return "Not Modified";
    case 307:
        return "Temporary Redirect";
    case 308:
        return "Permanent Redirect";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 411:
        return "Length Required";
    case 500:
        return "Internal Server Error";
    case 501:
        return "Not Implemented";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

bool statusHasNoBody(int status)
{
    return (status >= 100 && status < 200) || status == 204 || status == 304;
}

QByteArray findHeader(const QList<LoopbackHttpServer::Header>& headers, const QByteArray& name)
{
    for (const auto& [key, value] : headers) {
        if (sameName(key, name))
            return value;
    }
    return {};
}

bool containsHeader(const QList<LoopbackHttpServer::Header>& headers, const QByteArray& name)
{
    return std::any_of(headers.cbegin(), headers.cend(), [&](const auto& h) { return sameName(h.first, name); });
}

bool listsToken(const QByteArray& value, const QByteArray& token)
{
    const QList<QByteArray> parts = value.split(',');
    return std::any_of(parts.cbegin(), parts.cend(), [&](const QByteArray& p) { return sameName(p.trimmed(), token); });
}

} // namespace

// One client connection: reads requests one after the other (partial reads,
// keep-alive and pipelining included) and answers each in turn.
class LoopbackConnection : public QObject
{
public:
    LoopbackConnection(LoopbackHttpServer* server, QTcpSocket* socket);
    ~LoopbackConnection() override;

private:
    enum class State { ReadingHead, ReadingBody, Responding };
    using Response = LoopbackHttpServer::Response;

    void parseIncoming();
    bool parseHead(const QByteArray& head);
    void requestComplete();
    void sendHead();
    void sendNextPiece();
    void finishResponse();
    void refuse(int status);
    void after(int ms, void (LoopbackConnection::*step)());
    void onBytesWritten();

    LoopbackHttpServer* m_server;
    QTcpSocket* m_socket;
    QByteArray m_incoming;
    State m_state = State::ReadingHead;
    LoopbackHttpServer::Request m_request;
    qsizetype m_bodyLength = 0;
    Response m_response;
    bool m_keepAlive = true;
    bool m_sendBody = true;
    qsizetype m_sent = 0;
    bool m_waitingForDrain = false;
    QTimer m_timer;
    void (LoopbackConnection::*m_timerStep)() = nullptr;
    // The overlap group of the request being answered, if one is.
    std::optional<QString> m_answering;
};

LoopbackConnection::LoopbackConnection(LoopbackHttpServer* server, QTcpSocket* socket)
    : QObject(server)
    , m_server(server)
    , m_socket(socket)
{
    m_server->m_connections.insert(this);
    m_socket->setParent(this);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_timerStep)
            (this->*m_timerStep)();
    });
    connect(m_socket, &QTcpSocket::readyRead, this, [this] {
        m_incoming += m_socket->readAll();
        parseIncoming();
    });
    connect(m_socket, &QTcpSocket::bytesWritten, this, &LoopbackConnection::onBytesWritten);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        m_timer.stop();
        deleteLater();
    });
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        deleteLater();
    else if (m_socket->bytesAvailable() > 0)
        QTimer::singleShot(0, this, [this] {
            m_incoming += m_socket->readAll();
            parseIncoming();
        });
}

LoopbackConnection::~LoopbackConnection()
{
    if (m_answering)
        m_server->answerEnds(*m_answering);
    m_server->m_connections.remove(this);
}

void LoopbackConnection::after(int ms, void (LoopbackConnection::*step)())
{
    m_timerStep = step;
    m_timer.start(std::max(ms, 0));
}

void LoopbackConnection::parseIncoming()
{
    while (m_state != State::Responding) {
        if (m_state == State::ReadingHead) {
            // Empty lines before a request line are allowed and skipped.
            while (m_incoming.startsWith("\r\n") || m_incoming.startsWith('\n'))
                m_incoming.remove(0, m_incoming.startsWith('\n') ? 1 : 2);
            qsizetype end = m_incoming.indexOf("\r\n\r\n");
            qsizetype skip = 4;
            const qsizetype bareEnd = m_incoming.indexOf("\n\n");
            if (bareEnd >= 0 && (end < 0 || bareEnd < end)) {
                end = bareEnd;
                skip = 2;
            }
            if (end < 0) {
                if (m_incoming.size() > maxHeadSize)
                    refuse(400);
                return;
            }
            const QByteArray head = m_incoming.left(end);
            m_incoming.remove(0, end + skip);
            if (!parseHead(head))
                return;
            m_state = State::ReadingBody;
        }
        if (m_incoming.size() < m_bodyLength)
            return;
        m_request.body = m_incoming.left(m_bodyLength);
        m_incoming.remove(0, m_bodyLength);
        requestComplete();
    }
}

bool LoopbackConnection::parseHead(const QByteArray& head)
{
    m_request = {};
    QList<QByteArray> lines = head.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    const QList<QByteArray> requestLine = lines.takeFirst().split(' ');
    if (requestLine.size() != 3 || !requestLine[2].startsWith("HTTP/")) {
        refuse(400);
        return false;
    }
    m_request.method = requestLine[0];
    m_request.target = requestLine[1];
    m_request.version = requestLine[2];
    for (const QByteArray& line : std::as_const(lines)) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            m_request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }

    if (m_request.hasHeader("Transfer-Encoding")) {
        refuse(501);
        return false;
    }
    m_bodyLength = 0;
    if (m_request.hasHeader("Content-Length")) {
        bool ok = false;
        m_bodyLength = m_request.header("Content-Length").toLongLong(&ok);
        if (!ok || m_bodyLength < 0 || m_bodyLength > maxRequestBodySize) {
            refuse(400);
            return false;
        }
    }

    const QByteArray connection = m_request.header("Connection");
    if (m_request.version == "HTTP/1.0")
        m_keepAlive = listsToken(connection, "keep-alive");
    else
        m_keepAlive = !listsToken(connection, "close");
    return true;
}

void LoopbackConnection::requestComplete()
{
    m_state = State::Responding;
    m_answering = m_server->answerBegins(m_request);
    m_response = m_server->respond(m_request);
    if (m_response.endless && m_response.framing == Response::Framing::ContentLength)
        m_response.framing = Response::Framing::UntilClose;
    if (m_response.framing == Response::Framing::UntilClose)
        m_keepAlive = false;
    m_sendBody = m_request.method != "HEAD" && !statusHasNoBody(m_response.status);
    m_sent = 0;
    m_waitingForDrain = false;
    if (m_response.neverAnswer)
        return;
    if (m_response.delayMs > 0)
        after(m_response.delayMs, &LoopbackConnection::sendHead);
    else
        sendHead();
}

void LoopbackConnection::sendHead()
{
    const QList<LoopbackHttpServer::Header>& given = m_response.headers;
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(m_response.status) + ' ' + reasonPhrase(m_response.status) + "\r\n";
    for (const auto& [name, value] : given)
        head += name + ": " + value + "\r\n";
    if (!containsHeader(given, "Content-Type"))
        head += "Content-Type: text/html\r\n";
    if (!containsHeader(given, "Cache-Control"))
        head += "Cache-Control: no-store\r\n";
    // A Content-Length or Transfer-Encoding given by the test is sent as it
    // stands, so a test can announce more than it sends.
    if (!containsHeader(given, "Content-Length") && !containsHeader(given, "Transfer-Encoding")) {
        if (m_response.framing == Response::Framing::ContentLength && !statusHasNoBody(m_response.status))
            head += "Content-Length: " + QByteArray::number(m_response.body.size()) + "\r\n";
        else if (m_response.framing == Response::Framing::Chunked && m_sendBody)
            head += "Transfer-Encoding: chunked\r\n";
    }
    head += m_keepAlive ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
    head += "\r\n";
    m_socket->write(head);
    if (m_sendBody)
        sendNextPiece();
    else
        finishResponse();
}

void LoopbackConnection::sendNextPiece()
{
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    const QByteArray& body = m_response.body;
    if (!m_response.endless && m_sent >= body.size()) {
        finishResponse();
        return;
    }

    QByteArray piece;
    if (m_response.endless) {
        const QByteArray pattern = body.isEmpty() ? QByteArray("x") : body;
        const qsizetype size = m_response.chunkSize > 0 ? m_response.chunkSize : endlessPieceSize;
        piece.reserve(size);
        while (piece.size() < size) {
            const qsizetype offset = m_sent % pattern.size();
            const qsizetype take = std::min(size - piece.size(), pattern.size() - offset);
            piece.append(pattern.constData() + offset, take);
            m_sent += take;
        }
    } else {
        const qsizetype size = m_response.chunkSize > 0 ? m_response.chunkSize : body.size() - m_sent;
        piece = body.mid(m_sent, size);
        m_sent += piece.size();
    }

    if (m_response.framing == Response::Framing::Chunked)
        m_socket->write(QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n");
    else
        m_socket->write(piece);

    if (!m_response.endless && m_sent >= body.size())
        finishResponse();
    else if (m_socket->bytesToWrite() > highWater)
        m_waitingForDrain = true;
    else
        after(m_response.chunkDelayMs, &LoopbackConnection::sendNextPiece);
}

void LoopbackConnection::onBytesWritten()
{
    if (m_waitingForDrain && m_socket->bytesToWrite() <= highWater / 4) {
        m_waitingForDrain = false;
        after(m_response.chunkDelayMs, &LoopbackConnection::sendNextPiece);
    }
}

void LoopbackConnection::finishResponse()
{
    if (m_answering)
        m_server->answerEnds(*std::exchange(m_answering, std::nullopt));
    if (m_sendBody && m_response.framing == Response::Framing::Chunked)
        m_socket->write("0\r\n\r\n");
    if (!m_keepAlive) {
        m_socket->disconnectFromHost();
        return;
    }
    m_state = State::ReadingHead;
    m_request = {};
    m_response = {};
    if (!m_incoming.isEmpty())
        parseIncoming();
}

void LoopbackConnection::refuse(int status)
{
    m_state = State::Responding;
    m_socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) +
                    "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    m_socket->disconnectFromHost();
}

QByteArray LoopbackHttpServer::Request::header(const QByteArray& name) const
{
    return findHeader(headers, name);
}

bool LoopbackHttpServer::Request::hasHeader(const QByteArray& name) const
{
    return containsHeader(headers, name);
}

QString LoopbackHttpServer::Request::path() const
{
    const qsizetype mark = target.indexOf('?');
    return QString::fromLatin1(mark < 0 ? target : target.left(mark));
}

QString LoopbackHttpServer::Request::query() const
{
    const qsizetype mark = target.indexOf('?');
    return mark < 0 ? QString() : QString::fromLatin1(target.mid(mark + 1));
}

LoopbackHttpServer::Response LoopbackHttpServer::Response::page(const QByteArray& body, int status)
{
    Response response;
    response.status = status;
    response.body = body;
    return response;
}

LoopbackHttpServer::Response LoopbackHttpServer::Response::silence()
{
    Response response;
    response.neverAnswer = true;
    return response;
}

LoopbackHttpServer::Response LoopbackHttpServer::Response::redirect(const QByteArray& location, int status)
{
    Response response;
    response.status = status;
    response.headers.append({"Location", location});
    return response;
}

LoopbackHttpServer::Response& LoopbackHttpServer::Response::withHeader(const QByteArray& name, const QByteArray& value)
{
    headers.append({name, value});
    return *this;
}

QByteArray LoopbackHttpServer::Response::header(const QByteArray& name) const
{
    return findHeader(headers, name);
}

// Accepts connections as they come, or, with a TLS configuration, starts the
// server side of the handshake on each before handing it over; a connection
// whose handshake fails is closed by the client and never sends a request.
class LoopbackListener : public QTcpServer
{
public:
    LoopbackListener(std::optional<QSslConfiguration> configuration, QObject* parent)
        : QTcpServer(parent)
        , tls(std::move(configuration))
    {}

    const std::optional<QSslConfiguration> tls;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        if (!tls) {
            QTcpServer::incomingConnection(descriptor);
            return;
        }
        auto* socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setSslConfiguration(*tls);
        socket->startServerEncryption();
        addPendingConnection(socket);
    }
};

LoopbackHttpServer::LoopbackHttpServer(QObject* parent)
    : LoopbackHttpServer(std::nullopt, parent)
{}

LoopbackHttpServer::LoopbackHttpServer(const QSslConfiguration& tls, QObject* parent)
    : LoopbackHttpServer(std::optional<QSslConfiguration>(tls), parent)
{}

LoopbackHttpServer::LoopbackHttpServer(std::optional<QSslConfiguration> tls, QObject* parent)
    : QObject(parent)
    , m_server(new LoopbackListener(std::move(tls), this))
{
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection())
            new LoopbackConnection(this, socket);
    });
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        qWarning("LoopbackHttpServer: cannot listen: %s", qPrintable(m_server->errorString()));
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    m_server->close();
    const QSet<LoopbackConnection*> connections = m_connections;
    qDeleteAll(connections);
}

bool LoopbackHttpServer::isListening() const
{
    return m_server->isListening();
}

quint16 LoopbackHttpServer::port() const
{
    return m_server->serverPort();
}

QUrl LoopbackHttpServer::url(const QString& pathAndQuery) const
{
    const QString path = pathAndQuery.startsWith(u'/') ? pathAndQuery : u'/' + pathAndQuery;
    const QString scheme = m_server->tls ? QStringLiteral("https") : QStringLiteral("http");
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme).arg(port()).arg(path));
}

quint16 LoopbackHttpServer::closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

void LoopbackHttpServer::setResponse(const QString& target, const Response& response)
{
    m_responses.insert(target, response);
}

void LoopbackHttpServer::setPage(const QString& target, const QByteArray& body, int status)
{
    setResponse(target, Response::page(body, status));
}

void LoopbackHttpServer::removeResponse(const QString& target)
{
    m_responses.remove(target);
}

void LoopbackHttpServer::setHandler(Handler handler)
{
    m_handler = std::move(handler);
}

void LoopbackHttpServer::clearRequests()
{
    m_requests.clear();
    m_maxOverlap = m_overlap;
    m_maxOverlapAll = m_overlapAll;
}

QString LoopbackHttpServer::answerBegins(const Request& request)
{
    const QString group = m_grouping ? m_grouping(request) : request.path();
    const int overlap = ++m_overlap[group];
    m_maxOverlap[group] = std::max(m_maxOverlap.value(group), overlap);
    m_maxOverlapAll = std::max(m_maxOverlapAll, ++m_overlapAll);
    return group;
}

void LoopbackHttpServer::answerEnds(const QString& group)
{
    --m_overlap[group];
    --m_overlapAll;
}

LoopbackHttpServer::Response LoopbackHttpServer::respond(const Request& request)
{
    m_requests.append(request);
    emit requestReceived(request);
    const QString target = QString::fromLatin1(request.target);
    if (const auto it = m_responses.constFind(target); it != m_responses.cend())
        return *it;
    if (const auto it = m_responses.constFind(request.path()); it != m_responses.cend())
        return *it;
    if (m_handler)
        return m_handler(request);
    return Response::page("<html><body>Not Found</body></html>", 404);
}

#include "loopback/LoopbackHttpServer.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include <memory>

namespace {

struct RawResponse
{
    int status = 0;
    QByteArray head;
    QByteArray body;

    QByteArray header(const QByteArray& name) const
    {
        const QList<QByteArray> lines = head.split('\n');
        for (QByteArray line : lines) {
            line = line.trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).compare(name, Qt::CaseInsensitive) == 0)
                return line.mid(colon + 1).trimmed();
        }
        return {};
    }
};

// Takes one whole response framed by Content-Length or chunked encoding from
// the front of buffer; false while it is incomplete.
bool takeResponse(QByteArray& buffer, RawResponse& response, bool headRequest = false)
{
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return false;
    RawResponse r;
    r.head = buffer.left(headEnd);
    r.status = r.head.mid(9, 3).toInt();
    qsizetype pos = headEnd + 4;
    if (headRequest) {
        // no body follows
    } else if (r.header("Transfer-Encoding") == "chunked") {
        for (;;) {
            const qsizetype lineEnd = buffer.indexOf("\r\n", pos);
            if (lineEnd < 0)
                return false;
            bool ok = false;
            const qsizetype size = buffer.mid(pos, lineEnd - pos).toLongLong(&ok, 16);
            if (!ok)
                return false;
            if (buffer.size() < lineEnd + 2 + size + 2)
                return false;
            r.body += buffer.mid(lineEnd + 2, size);
            pos = lineEnd + 2 + size + 2;
            if (size == 0)
                break;
        }
    } else {
        const qsizetype length = r.header("Content-Length").toLongLong();
        if (buffer.size() < pos + length)
            return false;
        r.body = buffer.mid(pos, length);
        pos += length;
    }
    buffer.remove(0, pos);
    response = r;
    return true;
}

// A raw client connection that collects everything the server sends.
class RawClient
{
public:
    explicit RawClient(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
        socket.connectToHost(QHostAddress::LocalHost, port);
    }

    bool waitConnected()
    {
        return QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000);
    }

    QTcpSocket socket;
    QByteArray received;
};

} // namespace

class LoopbackHttpServerTest : public QObject
{
    Q_OBJECT

private:
    // Waits for the next whole response on the client.
    static bool nextResponse(RawClient& client, RawResponse& response, bool headRequest = false)
    {
        return QTest::qWaitFor([&] { return takeResponse(client.received, response, headRequest); }, 5000);
    }

private slots:
    void listensOnLoopback()
    {
        LoopbackHttpServer server;
        QVERIFY(server.isListening());
        QVERIFY(server.port() != 0);
        QCOMPARE(server.url(QStringLiteral("/a?b=c")).toString(),
                 QStringLiteral("http://127.0.0.1:%1/a?b=c").arg(server.port()));
        QCOMPARE(server.url(QStringLiteral("x")).path(), QStringLiteral("/x"));
    }

    void requestArrivingInPieces()
    {
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/page"), "hello");
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        const QByteArray request = "GET /page?x=1 HTTP/1.1\r\nHost: here\r\nUser-Agent: Tester\r\n\r\n";
        for (char c : request) {
            client.socket.write(&c, 1);
            client.socket.flush();
            QTest::qWait(1);
        }
        RawResponse response;
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.status, 200);
        QCOMPARE(response.body, QByteArray("hello"));
        QCOMPARE(response.header("Content-Type"), QByteArray("text/html"));
        QCOMPARE(server.requestCount(), 1);
        const LoopbackHttpServer::Request& seen = server.requests().first();
        QCOMPARE(seen.method, QByteArray("GET"));
        QCOMPARE(seen.target, QByteArray("/page?x=1"));
        QCOMPARE(seen.path(), QStringLiteral("/page"));
        QCOMPARE(seen.query(), QStringLiteral("x=1"));
        QCOMPARE(seen.header("user-agent"), QByteArray("Tester"));
        QVERIFY(!seen.hasHeader("Accept"));
    }

    void keepAliveAndPipelining()
    {
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/a"), "first");
        server.setPage(QStringLiteral("/b"), "second");
        RawClient client(server.port());
        QVERIFY(client.waitConnected());

        client.socket.write("GET /a HTTP/1.1\r\nHost: h\r\n\r\n");
        RawResponse response;
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.body, QByteArray("first"));
        QCOMPARE(response.header("Connection"), QByteArray("keep-alive"));

        // Two requests in one write, answered in order on the same connection.
        client.socket.write("GET /b HTTP/1.1\r\nHost: h\r\n\r\nGET /a HTTP/1.1\r\nHost: h\r\n\r\n");
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.body, QByteArray("second"));
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.body, QByteArray("first"));
        QCOMPARE(client.socket.state(), QAbstractSocket::ConnectedState);
        QCOMPARE(server.requestCount(), 3);
    }

    void connectionClose_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("asked to close") << QByteArray("GET /a HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n");
        QTest::newRow("HTTP/1.0") << QByteArray("GET /a HTTP/1.0\r\n\r\n");
    }

    void connectionClose()
    {
        QFETCH(QByteArray, request);
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/a"), "bye");
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write(request);
        RawResponse response;
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.body, QByteArray("bye"));
        QCOMPARE(response.header("Connection"), QByteArray("close"));
        QTRY_COMPARE(client.socket.state(), QAbstractSocket::UnconnectedState);
        QTRY_COMPARE(server.openConnectionCount(), 0);
    }

    void requestBodyIsRecorded()
    {
        LoopbackHttpServer server;
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write("POST /form HTTP/1.1\r\nHost: h\r\nContent-Length: 7\r\n\r\na=1");
        QTest::qWait(20);
        client.socket.write("&b=2GET /next HTTP/1.1\r\n\r\n");
        RawResponse response;
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.status, 404);
        QVERIFY(nextResponse(client, response));
        QCOMPARE(server.requestCount(), 2);
        QCOMPARE(server.requests()[0].method, QByteArray("POST"));
        QCOMPARE(server.requests()[0].body, QByteArray("a=1&b=2"));
        QCOMPARE(server.requests()[1].target, QByteArray("/next"));
    }

    void routing_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");

        QTest::newRow("whole target first") << QByteArray("/r?q=1") << 200 << QByteArray("exact");
        QTest::newRow("then the path") << QByteArray("/r?q=2") << 200 << QByteArray("path");
        QTest::newRow("then the handler") << QByteArray("/h?q=3") << 201 << QByteArray("handled /h q=3");
        QTest::newRow("given status and body") << QByteArray("/missing") << 404 << QByteArray("custom");
    }

    void routing()
    {
        QFETCH(QByteArray, target);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/r?q=1"), "exact");
        server.setPage(QStringLiteral("/r"), "path");
        server.setPage(QStringLiteral("/missing"), "custom", 404);
        server.setHandler([](const LoopbackHttpServer::Request& request) {
            return LoopbackHttpServer::Response::page(
                "handled " + request.path().toLatin1() + ' ' + request.query().toLatin1(), 201);
        });
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write("GET " + target + " HTTP/1.1\r\nHost: h\r\n\r\n");
        RawResponse response;
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.status, status);
        QCOMPARE(response.body, body);
    }

    void unknownPathWithoutHandlerIs404()
    {
        LoopbackHttpServer server;
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write("GET /nothing HTTP/1.1\r\n\r\n");
        RawResponse response;
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.status, 404);
    }

    void headSendsNoBody()
    {
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/a"), "0123456789");
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write("HEAD /a HTTP/1.1\r\n\r\nGET /a HTTP/1.1\r\n\r\n");
        RawResponse response;
        QVERIFY(nextResponse(client, response, true));
        QCOMPARE(response.header("Content-Length"), QByteArray("10"));
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.body, QByteArray("0123456789"));
    }

    void redirectAndHeaders()
    {
        LoopbackHttpServer server;
        server.setResponse(QStringLiteral("/old"), LoopbackHttpServer::Response::redirect("/new", 301)
                                                       .withHeader("Set-Cookie", "a=b")
                                                       .withHeader("Cache-Control", "max-age=5"));
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write("GET /old HTTP/1.1\r\n\r\n");
        RawResponse response;
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.status, 301);
        QCOMPARE(response.header("Location"), QByteArray("/new"));
        QCOMPARE(response.header("Set-Cookie"), QByteArray("a=b"));
        QCOMPARE(response.header("Cache-Control"), QByteArray("max-age=5"));
        QCOMPARE(response.head.count("Cache-Control"), 1);
    }

    void trickledChunkedBody()
    {
        LoopbackHttpServer server;
        LoopbackHttpServer::Response slow = LoopbackHttpServer::Response::page("abcdefghijklmnopqrstuvwxyz");
        slow.framing = LoopbackHttpServer::Response::Framing::Chunked;
        slow.chunkSize = 5;
        slow.chunkDelayMs = 10;
        slow.delayMs = 20;
        server.setResponse(QStringLiteral("/slow"), slow);
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write("GET /slow HTTP/1.1\r\n\r\n");
        RawResponse response;
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.header("Transfer-Encoding"), QByteArray("chunked"));
        QCOMPARE(response.body, QByteArray("abcdefghijklmnopqrstuvwxyz"));
        QVERIFY(client.received.isEmpty()); // nothing after the last chunk
    }

    void untilCloseBody()
    {
        LoopbackHttpServer server;
        LoopbackHttpServer::Response response = LoopbackHttpServer::Response::page("whole body");
        response.framing = LoopbackHttpServer::Response::Framing::UntilClose;
        server.setResponse(QStringLiteral("/c"), response);
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write("GET /c HTTP/1.1\r\n\r\n");
        QTRY_COMPARE(client.socket.state(), QAbstractSocket::UnconnectedState);
        QVERIFY(!client.received.contains("Content-Length"));
        QVERIFY(client.received.endsWith("\r\n\r\nwhole body"));
    }

    void endlessBodyRunsUntilTheClientLeaves()
    {
        LoopbackHttpServer server;
        LoopbackHttpServer::Response endless = LoopbackHttpServer::Response::page("0123456789");
        endless.endless = true;
        server.setResponse(QStringLiteral("/forever"), endless);
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write("GET /forever HTTP/1.1\r\n\r\n");
        QTRY_VERIFY(client.received.size() > 3 * 1024 * 1024);
        const qsizetype headEnd = client.received.indexOf("\r\n\r\n") + 4;
        QVERIFY(!client.received.left(headEnd).contains("Content-Length"));
        QCOMPARE(client.received.mid(headEnd, 25), QByteArray("0123456789012345678901234"));
        QCOMPARE(server.openConnectionCount(), 1);
        client.socket.abort();
        QTRY_COMPARE(server.openConnectionCount(), 0);
    }

    void neverAnswer()
    {
        LoopbackHttpServer server;
        LoopbackHttpServer::Response silent;
        silent.neverAnswer = true;
        server.setResponse(QStringLiteral("/silent"), silent);
        server.setPage(QStringLiteral("/other"), "other");
        QSignalSpy received(&server, &LoopbackHttpServer::requestReceived);
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write("GET /silent HTTP/1.1\r\n\r\n");
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.first().first().value<LoopbackHttpServer::Request>().target, QByteArray("/silent"));

        // Another client is served meanwhile.
        RawClient other(server.port());
        QVERIFY(other.waitConnected());
        other.socket.write("GET /other HTTP/1.1\r\n\r\n");
        RawResponse response;
        QVERIFY(nextResponse(other, response));
        QCOMPARE(response.body, QByteArray("other"));
        QVERIFY(client.received.isEmpty());
    }

    void givenContentLengthIsSentAsItStands()
    {
        LoopbackHttpServer server;
        server.setResponse(QStringLiteral("/short"),
                           LoopbackHttpServer::Response::page("abc").withHeader("Content-Length", "100"));
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write("GET /short HTTP/1.1\r\n\r\n");
        QTRY_VERIFY(client.received.endsWith("\r\n\r\nabc"));
        QCOMPARE(client.received.count("Content-Length"), 1);
        QVERIFY(client.received.contains("Content-Length: 100\r\n"));
    }

    void malformedRequestIsRefused()
    {
        LoopbackHttpServer server;
        RawClient client(server.port());
        QVERIFY(client.waitConnected());
        client.socket.write("NONSENSE\r\n\r\n");
        RawResponse response;
        QVERIFY(nextResponse(client, response));
        QCOMPARE(response.status, 400);
        QTRY_COMPARE(client.socket.state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(server.requestCount(), 0);
    }

    void destroyingTheServerClosesConnections()
    {
        auto server = std::make_unique<LoopbackHttpServer>();
        LoopbackHttpServer::Response silent;
        silent.neverAnswer = true;
        server->setResponse(QStringLiteral("/silent"), silent);
        RawClient client(server->port());
        QVERIFY(client.waitConnected());
        client.socket.write("GET /silent HTTP/1.1\r\n\r\n");
        QTRY_COMPARE(server->requestCount(), 1);
        server.reset();
        QTRY_COMPARE(client.socket.state(), QAbstractSocket::UnconnectedState);
    }
};

QTEST_GUILESS_MAIN(LoopbackHttpServerTest)
#include "tst_loopbackhttpserver.moc"

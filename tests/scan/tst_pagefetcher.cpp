#include "loopback/LoopbackHttpServer.h"
#include "scan/PageFetcher.h"
#include "support/ScopedEnvironment.h"
#include "support/TestCertificates.h"

#include <QFile>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <optional>

using Response = LoopbackHttpServer::Response;

Q_DECLARE_METATYPE(NetworkSettings::ProxyChoice)
Q_DECLARE_METATYPE(TestCertificates::Server)

namespace {

QByteArray patternBytes(qsizetype size)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < size; ++i)
        bytes.append(static_cast<char>('a' + i % 26));
    return bytes;
}

QByteArray allByteValues()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(static_cast<char>(i));
    return bytes;
}

Response trickled(const QByteArray& body, int chunkSize, int chunkDelayMs)
{
    Response response = Response::page(body);
    response.chunkSize = chunkSize;
    response.chunkDelayMs = chunkDelayMs;
    return response;
}

Response endless(const QByteArray& pattern, int chunkSize = 0, int chunkDelayMs = 0)
{
    Response response = Response::page(pattern);
    response.endless = true;
    response.chunkSize = chunkSize;
    response.chunkDelayMs = chunkDelayMs;
    return response;
}

// What one fetch gave.
struct Outcome
{
    bool finishedInsideFetch = false;
    bool finished = false;
    QString text;
    bool pageReceived = false;
    FetchReport report;
};

Outcome fetchPage(PageFetcher& fetcher, const QString& address)
{
    QSignalSpy spy(&fetcher, &PageFetcher::finished);
    Outcome outcome;
    fetcher.fetch(address);
    outcome.finishedInsideFetch = !spy.isEmpty();
    outcome.finished = outcome.finishedInsideFetch || spy.wait(20000);
    if (outcome.finished) {
        outcome.text = spy.first().first().toString();
        outcome.report = spy.first().at(1).value<FetchReport>();
        outcome.pageReceived = outcome.report.pageReceived();
    }
    return outcome;
}

// The memory the process holds (its resident set) in bytes; -1 where the
// system does not say.
qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
}

// A server on a thread of its own, so that it sends as fast as the client
// takes the data, as a remote server does, rather than in turns with the
// client on one event loop.
class ServerThread
{
public:
    explicit ServerThread(const Response& response)
    {
        m_thread.start();
        QObject starter;
        starter.moveToThread(&m_thread);
        QMetaObject::invokeMethod(
            &starter,
            [this, &response] {
                m_server = new LoopbackHttpServer;
                m_server->setResponse(QStringLiteral("/page"), response);
                m_url = m_server->url(QStringLiteral("/page"));
            },
            Qt::BlockingQueuedConnection);
    }

    ~ServerThread()
    {
        QMetaObject::invokeMethod(m_server, &QObject::deleteLater);
        m_thread.quit();
        m_thread.wait();
    }

    QString url() const { return m_url.toString(); }

private:
    QThread m_thread;
    LoopbackHttpServer* m_server = nullptr;
    QUrl m_url;
};

NetworkSettings proxyChoice(NetworkSettings::ProxyChoice choice, quint16 port = 0)
{
    NetworkSettings settings;
    settings.proxy = choice;
    if (choice == NetworkSettings::ProxyChoice::Manual) {
        settings.proxyHost = QStringLiteral("127.0.0.1");
        settings.proxyPort = port;
    }
    return settings;
}

} // namespace

#define FETCH(fetcher, address, outcome)                                                                               \
    const Outcome outcome = fetchPage(fetcher, address);                                                               \
    QVERIFY(!outcome.finishedInsideFetch);                                                                             \
    QVERIFY(outcome.finished)

class PageFetcherTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultLimits()
    {
        const PageFetcher fetcher;
        QCOMPARE(fetcher.limits().idleTimeoutMs, 30000);
        QCOMPARE(fetcher.limits().totalTimeoutMs, 120000);
        QCOMPARE(fetcher.limits().maxBytes, qint64(8 * 1024 * 1024));
        QCOMPARE(fetcher.limits().maxRedirects, 10);
        QVERIFY(!fetcher.isBusy());
    }

    void bodies_data()
    {
        QTest::addColumn<Response>("response");

        QTest::newRow("0 bytes") << Response::page({});
        QTest::newRow("256 bytes") << Response::page(patternBytes(256));
        QTest::newRow("300 bytes") << Response::page(patternBytes(300));
        QTest::newRow("every byte value") << Response::page(allByteValues());
        QTest::newRow("2 MiB") << Response::page(patternBytes(2 * 1024 * 1024));
        Response chunked = Response::page(patternBytes(1000));
        chunked.framing = Response::Framing::Chunked;
        chunked.chunkSize = 64;
        QTest::newRow("chunked") << chunked;
        Response untilClose = Response::page(patternBytes(700));
        untilClose.framing = Response::Framing::UntilClose;
        QTest::newRow("ended by closing") << untilClose;
        QTest::newRow("trickled") << trickled(patternBytes(300), 7, 2);
        Response late = Response::page("late");
        late.delayMs = 100;
        QTest::newRow("late answer") << late;
    }

    void bodies()
    {
        QFETCH(Response, response);
        LoopbackHttpServer server;
        server.setResponse(QStringLiteral("/page"), response);
        PageFetcher fetcher;
        FETCH(fetcher, server.url(QStringLiteral("/page")).toString(), outcome);
        QCOMPARE(outcome.text.size(), response.body.size());
        QVERIFY(outcome.pageReceived);
        for (qsizetype i = 0; i < response.body.size(); ++i) {
            if (outcome.text[i].unicode() != static_cast<uchar>(response.body[i]))
                QFAIL(qPrintable(QStringLiteral("character %1 differs").arg(i)));
        }
    }

    void compressedBodyIsDecoded()
    {
        const QByteArray page = "<html>" + patternBytes(5000) + "</html>";
        LoopbackHttpServer server;
        // qCompress writes a zlib stream after a four-byte length.
        server.setResponse(QStringLiteral("/z"),
                           Response::page(qCompress(page).mid(4)).withHeader("Content-Encoding", "deflate"));
        PageFetcher fetcher;
        FETCH(fetcher, server.url(QStringLiteral("/z")).toString(), outcome);
        QCOMPARE(outcome.text, QString::fromLatin1(page));
    }

    void statusIsNotExamined_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("404") << 404;
        QTest::newRow("500") << 500;
        QTest::newRow("403") << 403;
    }

    void statusIsNotExamined()
    {
        QFETCH(int, status);
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/err"), "<html>error page</html>", status);
        PageFetcher fetcher;
        FETCH(fetcher, server.url(QStringLiteral("/err")).toString(), outcome);
        QCOMPARE(outcome.text, QStringLiteral("<html>error page</html>"));
        // The page is there, but the query failed.
        QCOMPARE(outcome.report.failure, FetchFailure::HttpStatus);
        QCOMPARE(outcome.report.httpStatus, status);
    }

    void requestAsSent()
    {
        LoopbackHttpServer server;
        server.setResponse(QStringLiteral("/search"),
                           Response::page("cacheable").withHeader("Cache-Control", "max-age=3600"));
        PageFetcher fetcher;
        const QString address = server.url(QStringLiteral("/search?q=link:http://a.example/x&hl=en")).toString();
        for (int i = 0; i < 2; ++i) {
            FETCH(fetcher, address, outcome);
            QCOMPARE(outcome.text, QStringLiteral("cacheable"));
        }
        // Both fetches went to the server: nothing is answered from a cache.
        QCOMPARE(server.requestCount(), 2);
        const LoopbackHttpServer::Request& request = server.requests().first();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.target, QByteArray("/search?q=link:http://a.example/x&hl=en"));
        QCOMPARE(request.header("User-Agent"), QByteArray("Mozilla"));
    }

    void applicationProxyIsNotUsed()
    {
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/direct"), "direct");
        const QNetworkProxy previous = QNetworkProxy::applicationProxy();
        QNetworkProxy::setApplicationProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", LoopbackHttpServer::closedPort()));
        PageFetcher fetcher;
        const Outcome outcome = fetchPage(fetcher, server.url(QStringLiteral("/direct")).toString());
        QNetworkProxy::setApplicationProxy(previous);
        QVERIFY(outcome.finished);
        QCOMPARE(outcome.text, QStringLiteral("direct"));
    }

    void userAgent_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("default") << QString() << QByteArray("Mozilla");
        QTest::newRow("own") << QStringLiteral("QuorvexScan/1.0 (+https://example.net/bot)")
                             << QByteArray("QuorvexScan/1.0 (+https://example.net/bot)");
        // A line break would start a header of its own.
        QTest::newRow("line break") << QStringLiteral("Agent\r\nX-Injected: 1") << QByteArray("Agent  X-Injected: 1");
    }

    void userAgent()
    {
        QFETCH(QString, setting);
        QFETCH(QByteArray, sent);
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/"), "page");
        PageFetcher fetcher;
        NetworkSettings settings;
        if (!setting.isEmpty())
            settings.userAgent = setting;
        fetcher.setNetworkSettings(settings);
        FETCH(fetcher, server.url().toString(), outcome);
        QVERIFY(outcome.pageReceived);
        QCOMPARE(server.requests().first().header("User-Agent"), sent);
        QVERIFY(!server.requests().first().hasHeader("X-Injected"));
    }

    // Queries to a host that does not resolve reach the page only through
    // the proxy, which gets the whole address as its request target.
    void proxies_data()
    {
        QTest::addColumn<NetworkSettings::ProxyChoice>("choice");
        QTest::addColumn<bool>("environmentProxy");
        QTest::addColumn<bool>("throughProxy");
        QTest::newRow("system, from http_proxy") << NetworkSettings::ProxyChoice::System << true << true;
        QTest::newRow("system, none set") << NetworkSettings::ProxyChoice::System << false << false;
        QTest::newRow("none, despite http_proxy") << NetworkSettings::ProxyChoice::None << true << false;
        QTest::newRow("manual") << NetworkSettings::ProxyChoice::Manual << false << true;
    }

    void proxies()
    {
        QFETCH(NetworkSettings::ProxyChoice, choice);
        QFETCH(bool, environmentProxy);
        QFETCH(bool, throughProxy);
        LoopbackHttpServer proxy;
        proxy.setHandler(
            [](const LoopbackHttpServer::Request& request) { return Response::page("proxied " + request.target); });
        const QByteArray proxyAddress = "http://127.0.0.1:" + QByteArray::number(proxy.port());
        ScopedEnvironment httpProxy("http_proxy", environmentProxy ? proxyAddress : QByteArray());
        ScopedEnvironment noProxy("no_proxy", QByteArray());
        PageFetcher fetcher;
        fetcher.setNetworkSettings(proxyChoice(choice, proxy.port()));
        const QString address = QStringLiteral("http://engine.invalid/search?q=link:a.example");
        FETCH(fetcher, address, outcome);
        if (throughProxy) {
            QVERIFY(outcome.pageReceived);
            QCOMPARE(outcome.text, QStringLiteral("proxied ") + address);
        } else {
            QCOMPARE(outcome.report.failure, FetchFailure::HostNotFound);
            QCOMPARE(proxy.requestCount(), 0);
        }
    }

    // The system's proxy for a server serves until its answer is old; the
    // next request still takes that answer while the system is asked again,
    // and the requests after it take the new one.
    void systemProxyIsAskedAgain()
    {
        LoopbackHttpServer first;
        first.setHandler([](const LoopbackHttpServer::Request&) { return Response::page("first"); });
        LoopbackHttpServer second;
        second.setHandler([](const LoopbackHttpServer::Request&) { return Response::page("second"); });
        ScopedEnvironment noProxy("no_proxy", QByteArray());
        std::optional<ScopedEnvironment> httpProxy;
        httpProxy.emplace("http_proxy", "http://127.0.0.1:" + QByteArray::number(first.port()));
        PageFetcher::Limits limits;
        limits.systemProxyKeptMs = 0;
        PageFetcher fetcher(limits);
        fetcher.setNetworkSettings(proxyChoice(NetworkSettings::ProxyChoice::System));
        const QString address = QStringLiteral("http://engine.invalid/");
        FETCH(fetcher, address, asked);
        QCOMPARE(asked.text, QStringLiteral("first"));

        httpProxy.reset();
        httpProxy.emplace("http_proxy", "http://127.0.0.1:" + QByteArray::number(second.port()));
        FETCH(fetcher, address, kept);
        QCOMPARE(kept.text, QStringLiteral("first"));
        QTRY_COMPARE_WITH_TIMEOUT(fetchPage(fetcher, address).text, QStringLiteral("second"), 10000);
    }

    void refusingProxyIsNamed_data()
    {
        QTest::addColumn<NetworkSettings::ProxyChoice>("choice");
        QTest::newRow("system") << NetworkSettings::ProxyChoice::System;
        QTest::newRow("manual") << NetworkSettings::ProxyChoice::Manual;
    }

    void refusingProxyIsNamed()
    {
        QFETCH(NetworkSettings::ProxyChoice, choice);
        const quint16 port = LoopbackHttpServer::closedPort();
        ScopedEnvironment httpProxy("http_proxy", "http://127.0.0.1:" + QByteArray::number(port));
        PageFetcher fetcher;
        fetcher.setNetworkSettings(proxyChoice(choice, port));
        FETCH(fetcher, QStringLiteral("http://engine.invalid/"), outcome);
        QCOMPARE(outcome.report.failure, FetchFailure::Proxy);
        QCOMPARE(failureText(outcome.report), QStringLiteral("proxy 127.0.0.1:%1 refused the connection").arg(port));
    }

    // The client trusts the test authority and nothing else; each server
    // certificate has one fault, and the reason names it.
    void tlsCertificates_data()
    {
        QTest::addColumn<TestCertificates::Server>("server");
        QTest::addColumn<QString>("reason");
        QTest::newRow("valid") << TestCertificates::Server::Valid << QString();
        QTest::newRow("self-signed") << TestCertificates::Server::SelfSigned
                                     << QStringLiteral(
                                            "secure connection (TLS) failed: the certificate is self-signed");
        QTest::newRow("expired") << TestCertificates::Server::Expired
                                 << QStringLiteral("secure connection (TLS) failed: the certificate has expired");
        QTest::newRow("host-name mismatch")
            << TestCertificates::Server::OtherHost
            << QStringLiteral("secure connection (TLS) failed: the certificate is for another host name");
    }

    void tlsCertificates()
    {
        QFETCH(TestCertificates::Server, server);
        QFETCH(QString, reason);
        const TestCertificates& certificates = TestCertificates::instance();
        QVERIFY2(certificates.isValid(), qPrintable(certificates.error()));
        certificates.trustAuthority();
        LoopbackHttpServer secure(certificates.server(server));
        secure.setPage(QStringLiteral("/search"), "<html>secure</html>");
        PageFetcher fetcher;
        fetcher.setNetworkSettings(proxyChoice(NetworkSettings::ProxyChoice::None));
        FETCH(fetcher, secure.url(QStringLiteral("/search")).toString(), outcome);
        QCOMPARE(failureText(outcome.report), reason);
        QCOMPARE(outcome.pageReceived, reason.isEmpty());
        QCOMPARE(outcome.text, reason.isEmpty() ? QStringLiteral("<html>secure</html>") : QString());
    }

    void redirects_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");

        QTest::newRow("302 relative") << "/r302"
                                      << "final page";
        QTest::newRow("301") << "/r301"
                             << "final page";
        QTest::newRow("303") << "/r303"
                             << "final page";
        QTest::newRow("307") << "/r307"
                             << "final page";
        QTest::newRow("308") << "/r308"
                             << "final page";
        QTest::newRow("to another server") << "/elsewhere"
                                           << "other server";
        QTest::newRow("chain of 10") << "/hop?n=10"
                                     << "end of chain";
        QTest::newRow("chain of 11 gives nothing") << "/hop?n=11"
                                                   << "";
        QTest::newRow("out of the web gives nothing") << "/toftp"
                                                      << "";
        QTest::newRow("no location: the page itself") << "/nolocation"
                                                      << "moved, nowhere";
        QTest::newRow("relative to the folder") << "/dir/here"
                                                << "in the folder";
        QTest::newRow("endless redirection body") << "/endlessmove"
                                                  << "final page";
        QTest::newRow("cycle") << "/ping"
                               << "";
        QTest::newRow("unusable location") << "/badlocation"
                                           << "";
    }

    void redirects()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        LoopbackHttpServer other;
        other.setPage(QStringLiteral("/there"), "other server");
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/final"), "final page");
        for (int status : {301, 302, 303, 307, 308}) {
            Response redirect = Response::redirect("/final", status);
            redirect.body = "redirect body";
            server.setResponse(QStringLiteral("/r%1").arg(status), redirect);
        }
        server.setResponse(QStringLiteral("/elsewhere"),
                           Response::redirect(other.url(QStringLiteral("/there")).toEncoded()));
        server.setResponse(QStringLiteral("/toftp"), Response::redirect("ftp://127.0.0.1/file"));
        server.setPage(QStringLiteral("/nolocation"), "moved, nowhere", 302);
        server.setResponse(QStringLiteral("/dir/here"), Response::redirect("there"));
        server.setPage(QStringLiteral("/dir/there"), "in the folder");
        Response endlessMove = endless("moving ");
        endlessMove.status = 301;
        endlessMove.withHeader("Location", "/final");
        server.setResponse(QStringLiteral("/endlessmove"), endlessMove);
        server.setResponse(QStringLiteral("/ping"), Response::redirect("/pong"));
        server.setResponse(QStringLiteral("/pong"), Response::redirect("/ping"));
        server.setResponse(QStringLiteral("/badlocation"), Response::redirect("http://:80:x/"));
        server.setHandler([](const LoopbackHttpServer::Request& request) {
            const int n = request.query().mid(2).toInt();
            if (n == 0)
                return Response::page("end of chain");
            return Response::redirect("/hop?n=" + QByteArray::number(n - 1));
        });

        PageFetcher fetcher;
        FETCH(fetcher, server.url(path).toString(), outcome);
        QCOMPARE(outcome.text, expected);
    }

    // A source's headers (an API key) go to its server only, not to where
    // it redirects.
    void headersStayWithTheirServer_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("otherServer");
        QTest::addColumn<QByteArray>("keyAtTheEnd");
        QTest::newRow("no redirection") << "/final" << false << QByteArray("k3y-value");
        QTest::newRow("redirected on the same server") << "/moved" << false << QByteArray("k3y-value");
        QTest::newRow("redirected to another port") << "/elsewhere" << true << QByteArray();
        QTest::newRow("redirected to another host name") << "/byname" << true << QByteArray();
    }

    void headersStayWithTheirServer()
    {
        QFETCH(QString, path);
        QFETCH(bool, otherServer);
        QFETCH(QByteArray, keyAtTheEnd);
        LoopbackHttpServer other;
        other.setPage(QStringLiteral("/there"), "other server");
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/final"), "final page");
        server.setResponse(QStringLiteral("/moved"), Response::redirect("/final"));
        server.setResponse(QStringLiteral("/elsewhere"),
                           Response::redirect(other.url(QStringLiteral("/there")).toEncoded()));
        server.setResponse(QStringLiteral("/byname"),
                           Response::redirect("http://localhost:" + QByteArray::number(server.port()) + "/final"));
        PageFetcher fetcher;
        QSignalSpy spy(&fetcher, &PageFetcher::finished);
        fetcher.fetch(server.url(path).toString(), {{"X-Api-Key", "k3y-value"}});
        QVERIFY(spy.wait(20000));
        const QList<LoopbackHttpServer::Request>& last =
            (otherServer && path == "/elsewhere" ? other : server).requests();
        QVERIFY(!last.isEmpty());
        QCOMPARE(last.last().header("X-Api-Key"), keyAtTheEnd);
        QCOMPARE(server.requests().first().header("X-Api-Key"), QByteArray("k3y-value"));
    }

    void redirectionsAreCountedPerFetch()
    {
        LoopbackHttpServer server;
        server.setHandler([](const LoopbackHttpServer::Request& request) {
            const int n = request.query().mid(2).toInt();
            return n == 0 ? Response::page("end") : Response::redirect("/hop?n=" + QByteArray::number(n - 1));
        });
        PageFetcher::Limits limits;
        limits.maxRedirects = 3;
        PageFetcher fetcher(limits);
        for (int round = 0; round < 2; ++round) {
            FETCH(fetcher, server.url(QStringLiteral("/hop?n=3")).toString(), outcome);
            QCOMPARE(outcome.text, QStringLiteral("end"));
        }
        FETCH(fetcher, server.url(QStringLiteral("/hop?n=4")).toString(), outcome);
        QCOMPARE(outcome.text, QString());
    }

    void failures_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<FetchFailure>("failure");
        QTest::newRow("closed port") << QStringLiteral("http://127.0.0.1:%1/").arg(LoopbackHttpServer::closedPort())
                                     << FetchFailure::ConnectionRefused;
        QTest::newRow("unresolvable host")
            << QStringLiteral("http://nonexistent.invalid/") << FetchFailure::HostNotFound;
        QTest::newRow("not http") << QStringLiteral("ftp://127.0.0.1/") << FetchFailure::NotHttp;
    }

    void failures()
    {
        QFETCH(QString, address);
        QFETCH(FetchFailure, failure);
        PageFetcher fetcher;
        FETCH(fetcher, address, outcome);
        QCOMPARE(outcome.text, QString());
        QCOMPARE(outcome.report.failure, failure);
        QCOMPARE(outcome.report.address, address);
        QCOMPARE(outcome.report.httpStatus, 0);
    }

    // A server that takes the request and closes the connection without a
    // word, and one that redirects to itself.
    void brokenServers_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<FetchFailure>("failure");
        Response cutShort = Response::page("<html>cut short</html>");
        cutShort.headers << LoopbackHttpServer::Header("Content-Length", "5000");
        cutShort.framing = Response::Framing::UntilClose;
        QTest::newRow("closed before the end") << cutShort << FetchFailure::ConnectionClosed;
        QTest::newRow("redirect loop") << Response::redirect("/page") << FetchFailure::TooManyRedirects;
    }

    void brokenServers()
    {
        QFETCH(Response, response);
        QFETCH(FetchFailure, failure);
        LoopbackHttpServer server;
        server.setResponse(QStringLiteral("/page"), response);
        PageFetcher fetcher;
        FETCH(fetcher, server.url(QStringLiteral("/page")).toString(), outcome);
        QCOMPARE(outcome.report.failure, failure);
    }

    void onlyWebAddressesAreRequested_data()
    {
        QTest::addColumn<QString>("address"); // %1 stands for the server's port
        QTest::addColumn<bool>("requested");

        QTest::newRow("empty") << QString() << false;
        QTest::newRow("no scheme") << QStringLiteral("example.com") << false;
        QTest::newRow("host and port, no scheme") << QStringLiteral("127.0.0.1:%1/page") << false;
        QTest::newRow("name and port, no scheme") << QStringLiteral("localhost:%1/page") << false;
        QTest::newRow("ftp") << QStringLiteral("ftp://127.0.0.1:%1/page") << false;
        QTest::newRow("file") << QStringLiteral("file:///etc/hostname") << false;
        QTest::newRow("http without host") << QStringLiteral("http:///page") << false;
        QTest::newRow("http") << QStringLiteral("http://127.0.0.1:%1/page") << true;
        QTest::newRow("scheme in capitals") << QStringLiteral("HTTP://127.0.0.1:%1/page") << true;
    }

    void onlyWebAddressesAreRequested()
    {
        QFETCH(QString, address);
        QFETCH(bool, requested);
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/page"), "page");
        if (address.contains(QStringLiteral("%1")))
            address = address.arg(server.port());
        QCOMPARE(PageFetcher::isFetchable(address), requested);
        PageFetcher fetcher;
        FETCH(fetcher, address, outcome);
        QCOMPARE(outcome.text, requested ? QStringLiteral("page") : QString());
        QCOMPARE(outcome.pageReceived, requested);
        QCOMPARE(server.requestCount(), requested ? 1 : 0);
    }

    void limits_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<int>("idleTimeoutMs");
        QTest::addColumn<int>("totalTimeoutMs");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<QByteArray>("expectedPrefix");
        QTest::addColumn<qint64>("expectedSize"); // -1: any size below maxBytes, not 0
        QTest::addColumn<FetchFailure>("failure");

        const QByteArray body = patternBytes(300);
        QTest::newRow("idle: part read") << trickled(body, 5, 600000) << 500 << 600000 << qint64(1 << 20)
                                         << body.left(5) << qint64(5) << FetchFailure::IdleTimeout;
        QTest::newRow("idle: no answer") << Response::silence() << 300 << 600000 << qint64(1 << 20) << QByteArray()
                                         << qint64(0) << FetchFailure::IdleTimeout;
        QTest::newRow("total: endless trickle") << endless(body, 100, 20) << 600000 << 500 << qint64(1 << 20) << body
                                                << qint64(-1) << FetchFailure::TotalTimeout;
        Response late = Response::page(body);
        late.delayMs = 600000;
        QTest::newRow("total: late answer")
            << late << 600000 << 300 << qint64(1 << 20) << QByteArray() << qint64(0) << FetchFailure::TotalTimeout;
        QTest::newRow("size: endless") << endless(body) << 600000 << 600000 << qint64(100000) << body << qint64(100000)
                                       << FetchFailure::SizeCap;
        QTest::newRow("size: longer body") << Response::page(body) << 600000 << 600000 << qint64(256) << body.left(256)
                                           << qint64(256) << FetchFailure::SizeCap;
        QTest::newRow("size: body of the limit")
            << Response::page(body) << 600000 << 600000 << qint64(300) << body << qint64(300) << FetchFailure::None;
    }

    void limits()
    {
        QFETCH(Response, response);
        QFETCH(int, idleTimeoutMs);
        QFETCH(int, totalTimeoutMs);
        QFETCH(qint64, maxBytes);
        QFETCH(QByteArray, expectedPrefix);
        QFETCH(qint64, expectedSize);
        QFETCH(FetchFailure, failure);
        LoopbackHttpServer server;
        server.setResponse(QStringLiteral("/page"), response);
        PageFetcher::Limits limits;
        limits.idleTimeoutMs = idleTimeoutMs;
        limits.totalTimeoutMs = totalTimeoutMs;
        limits.maxBytes = maxBytes;
        PageFetcher fetcher(limits);
        FETCH(fetcher, server.url(QStringLiteral("/page")).toString(), outcome);
        if (expectedSize >= 0) {
            QCOMPARE(outcome.text.size(), expectedSize);
        } else {
            QVERIFY(!outcome.text.isEmpty());
            QVERIFY(outcome.text.size() < maxBytes);
        }
        // Each limit fails the query; the part read is handed over all the same.
        QCOMPARE(outcome.report.failure, failure);
        QCOMPARE(outcome.report.bytes, outcome.text.size());
        // An endless body repeats its pattern; whatever was read must follow it.
        for (qsizetype i = 0; i < outcome.text.size(); i += expectedPrefix.size()) {
            const QString part = outcome.text.mid(i, expectedPrefix.size());
            QCOMPARE(part, QString::fromLatin1(expectedPrefix.left(part.size())));
        }
        // A fetch that ends before its response does lets go of the server.
        if (response.endless || response.neverAnswer || response.delayMs > 0 || response.chunkDelayMs > 0)
            QTRY_COMPARE(server.openConnectionCount(), 0);
        QVERIFY(!fetcher.isBusy());
    }

    void cappedEndlessBodyKeepsMemoryBounded_data()
    {
        QTest::addColumn<Response::Framing>("framing");
        QTest::newRow("chunked") << Response::Framing::Chunked;
        QTest::newRow("until close") << Response::Framing::UntilClose;
    }

    void cappedEndlessBodyKeepsMemoryBounded()
    {
        QFETCH(Response::Framing, framing);
#ifdef __SANITIZE_ADDRESS__
        QSKIP("AddressSanitizer holds freed memory back, so the size of the process says nothing here");
#endif
        const qint64 idle = residentBytes();
        if (idle < 0)
            QSKIP("the memory of the process cannot be read here");
        Response response = endless(patternBytes(1000));
        response.framing = framing;
        ServerThread server(response);
        qint64 peak = idle;
        {
            PageFetcher fetcher;
            // A window keeps its event loop busy now and then, as this
            // timer does, while the network thread goes on receiving.
            QTimer busyWindow;
            QObject::connect(&busyWindow, &QTimer::timeout, [&peak] {
                peak = std::max(peak, residentBytes());
                QThread::msleep(5);
            });
            busyWindow.start(0);
            FETCH(fetcher, server.url(), outcome);
            QCOMPARE(outcome.text.size(), fetcher.limits().maxBytes);
        }
        QTest::qWait(200);
        const qint64 after = residentBytes();
        // The page alone takes 8 MiB as bytes and 16 MiB as text; once it is
        // gone, less than its text stays.
        QVERIFY2(peak - idle < (64 << 20),
                 qPrintable(QStringLiteral("%1 MB more at the peak").arg((peak - idle) >> 20)));
        QVERIFY2(after - idle < (16 << 20),
                 qPrintable(QStringLiteral("%1 MB more after the fetch").arg((after - idle) >> 20)));
    }

    void finishedExactlyOnce_data()
    {
        QTest::addColumn<QString>("path"); // empty: the closed port
        QTest::newRow("page") << QStringLiteral("/page");
        QTest::newRow("refused address") << QStringLiteral("refused");
        QTest::newRow("closed port") << QString();
        QTest::newRow("time-out") << QStringLiteral("/silent");
        QTest::newRow("size cap") << QStringLiteral("/endless");
    }

    void finishedExactlyOnce()
    {
        QFETCH(QString, path);
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/page"), "page");
        server.setResponse(QStringLiteral("/silent"), Response::silence());
        server.setResponse(QStringLiteral("/endless"), endless("abc"));
        PageFetcher::Limits limits;
        limits.idleTimeoutMs = 200;
        limits.maxBytes = 1000;
        PageFetcher fetcher(limits);
        QSignalSpy spy(&fetcher, &PageFetcher::finished);
        const QString address = path.isEmpty()
                                    ? QStringLiteral("http://127.0.0.1:%1/").arg(LoopbackHttpServer::closedPort())
                                : path == QLatin1String("refused") ? QStringLiteral("no address")
                                                                   : server.url(path).toString();
        fetcher.fetch(address);
        QCOMPARE(spy.count(), 0);
        QVERIFY(fetcher.isBusy());
        QTRY_COMPARE(spy.count(), 1);
        QVERIFY(!fetcher.isBusy());
        QTest::qWait(300);
        QCOMPARE(spy.count(), 1);
    }

    void cancelRunningFetch()
    {
        LoopbackHttpServer server;
        server.setResponse(QStringLiteral("/silent"), Response::silence());
        server.setPage(QStringLiteral("/page"), "page");
        PageFetcher fetcher;
        QSignalSpy spy(&fetcher, &PageFetcher::finished);
        fetcher.fetch(server.url(QStringLiteral("/silent")).toString());
        QTRY_COMPARE(server.requestCount(), 1);
        fetcher.cancel();
        QVERIFY(!fetcher.isBusy());
        QTRY_COMPARE(server.openConnectionCount(), 0);
        QTest::qWait(100);
        QCOMPARE(spy.count(), 0);

        // The fetcher serves the next fetch as usual.
        FETCH(fetcher, server.url(QStringLiteral("/page")).toString(), outcome);
        QCOMPARE(outcome.text, QStringLiteral("page"));
    }

    void cancelBeforeARefusedAddressFinishes()
    {
        PageFetcher fetcher;
        QSignalSpy spy(&fetcher, &PageFetcher::finished);
        fetcher.fetch(QStringLiteral("example.com"));
        fetcher.cancel();
        QTest::qWait(100);
        QCOMPARE(spy.count(), 0);
        fetcher.cancel(); // nothing running: no effect
        QVERIFY(!fetcher.isBusy());
    }

    void fetchWhileBusyReplacesTheRunningFetch()
    {
        LoopbackHttpServer server;
        server.setResponse(QStringLiteral("/silent"), Response::silence());
        server.setPage(QStringLiteral("/page"), "page");
        PageFetcher fetcher;
        QSignalSpy spy(&fetcher, &PageFetcher::finished);
        fetcher.fetch(server.url(QStringLiteral("/silent")).toString());
        fetcher.fetch(QString());
        fetcher.fetch(server.url(QStringLiteral("/page")).toString());
        QTRY_COMPARE(spy.count(), 1);
        QTest::qWait(100);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toString(), QStringLiteral("page"));
    }

    void nextFetchFromTheFinishedSignal()
    {
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/1"), "one");
        server.setPage(QStringLiteral("/2"), "two");
        PageFetcher fetcher;
        QStringList pages;
        connect(&fetcher, &PageFetcher::finished, this, [&](const QString& text) {
            QVERIFY(!fetcher.isBusy());
            pages << text;
            if (pages.size() == 1)
                fetcher.fetch(server.url(QStringLiteral("/2")).toString());
            else if (pages.size() == 2)
                fetcher.fetch(QStringLiteral("not an address"));
        });
        fetcher.fetch(server.url(QStringLiteral("/1")).toString());
        QTRY_COMPARE(pages.size(), 3);
        QCOMPARE(pages, QStringList({"one", "two", ""}));
    }

    void fetcherDeletedByItsReceiver()
    {
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/page"), "page");
        auto* fetcher = new PageFetcher;
        QString text;
        bool done = false;
        connect(fetcher, &PageFetcher::finished, this, [&](const QString& pageText) {
            text = pageText;
            done = true;
            delete fetcher;
        });
        fetcher->fetch(server.url(QStringLiteral("/page")).toString());
        QTRY_VERIFY(done);
        QCOMPARE(text, QStringLiteral("page"));
        QTRY_COMPARE(server.openConnectionCount(), 0);
    }

    void fetcherDeletedWhileBusy()
    {
        LoopbackHttpServer server;
        server.setResponse(QStringLiteral("/silent"), Response::silence());
        auto* fetcher = new PageFetcher;
        fetcher->fetch(server.url(QStringLiteral("/silent")).toString());
        QTRY_COMPARE(server.requestCount(), 1);
        delete fetcher;
        QTRY_COMPARE(server.openConnectionCount(), 0);
    }
};

QTEST_GUILESS_MAIN(PageFetcherTest)
#include "tst_pagefetcher.moc"

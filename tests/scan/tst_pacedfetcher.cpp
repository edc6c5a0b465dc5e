#include "loopback/LoopbackHttpServer.h"
#include "scan/PacedFetcher.h"
#include "scan/PageFetcher.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using Response = LoopbackHttpServer::Response;

namespace {

// The moments, in milliseconds from the start, at which the server received
// each request.
class ArrivalClock : public QObject
{
public:
    explicit ArrivalClock(LoopbackHttpServer& server)
    {
        m_clock.start();
        connect(&server, &LoopbackHttpServer::requestReceived, this, [this] { arrivals << m_clock.elapsed(); });
    }

    QList<qint64> gaps() const
    {
        QList<qint64> result;
        for (qsizetype i = 1; i < arrivals.size(); ++i)
            result << arrivals[i] - arrivals[i - 1];
        return result;
    }

    QList<qint64> arrivals;

private:
    QElapsedTimer m_clock;
};

PacedFetcher::Policy policy(int intervalMs, int firstBackoffMs = 2000)
{
    PacedFetcher::Policy policy;
    policy.intervalMs = intervalMs;
    policy.firstBackoffMs = firstBackoffMs;
    return policy;
}

// Server and client clocks differ by the time a request takes to travel.
constexpr qint64 slack = 15;

} // namespace

class PacedFetcherTest : public QObject
{
    Q_OBJECT

private slots:
    void retryAfter_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<qint64>("waitMs"); // -1: no wait given
        QTest::newRow("seconds") << QByteArray("30") << qint64(30000);
        QTest::newRow("zero") << QByteArray(" 0 ") << qint64(0);
        QTest::newRow("HTTP date") << QByteArray("Wed, 09 Dec 2026 12:00:45 GMT") << qint64(45000);
        QTest::newRow("date passed") << QByteArray("Wed, 09 Dec 2026 11:00:00 GMT") << qint64(0);
        QTest::newRow("negative") << QByteArray("-5") << qint64(-1);
        QTest::newRow("fraction") << QByteArray("1.5") << qint64(-1);
        QTest::newRow("words") << QByteArray("soon") << qint64(-1);
        QTest::newRow("absent") << QByteArray() << qint64(-1);
    }

    void retryAfter()
    {
        QFETCH(QByteArray, value);
        QFETCH(qint64, waitMs);
        const QDateTime now(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
        QCOMPARE(PageFetcher::retryAfterMs(value, now).value_or(-1), waitMs);
    }

    // Three queries of a source one after another: each leaves no sooner
    // than the interval after the one before, the first at once.
    void intervalIsKept()
    {
        LoopbackHttpServer server;
        server.setPage(QStringLiteral("/q"), "page");
        ArrivalClock clock(server);
        PacedFetcher fetcher(new PageFetcher);
        fetcher.setPolicy(policy(300));
        QSignalSpy finished(&fetcher, &PacedFetcher::finished);
        for (int i = 0; i < 3; ++i) {
            fetcher.fetch(server.url(QStringLiteral("/q")).toString());
            QVERIFY(finished.wait(5000));
        }
        QCOMPARE(clock.arrivals.size(), 3);
        for (const qint64 gap : clock.gaps())
            QVERIFY2(gap >= 300 - slack, qPrintable(QString::number(gap)));
    }

    // A server that asks to slow down is waited for as it says, or by the
    // doubling back-off, and asked again at most three times.
    void slowDownAnswers_data()
    {
        QTest::addColumn<QList<Response>>("answers");
        QTest::addColumn<QList<qint64>>("leastGaps");
        QTest::addColumn<FetchFailure>("failure");
        QTest::addColumn<QString>("page");
        QTest::newRow("429 with Retry-After: 1, then a count")
            << QList<Response>{Response::page("busy", 429).withHeader("Retry-After", "1"), Response::page("42")}
            << QList<qint64>{1000} << FetchFailure::None << QStringLiteral("42");
        QTest::newRow("503 every time") << QList<Response>{Response::page("down", 503), Response::page("down", 503),
                                                           Response::page("down", 503), Response::page("down", 503)}
                                        << QList<qint64>{50, 100, 200} << FetchFailure::RateLimited
                                        << QStringLiteral("down");
        QTest::newRow("another error is not asked again")
            << QList<Response>{Response::page("gone", 500)} << QList<qint64>{} << FetchFailure::HttpStatus
            << QStringLiteral("gone");
    }

    void slowDownAnswers()
    {
        QFETCH(QList<Response>, answers);
        QFETCH(QList<qint64>, leastGaps);
        QFETCH(FetchFailure, failure);
        QFETCH(QString, page);
        LoopbackHttpServer server;
        qsizetype asked = 0;
        server.setHandler([&](const LoopbackHttpServer::Request&) { return answers.value(asked++, answers.last()); });
        ArrivalClock clock(server);
        PacedFetcher fetcher(new PageFetcher);
        fetcher.setPolicy(policy(0, 50));
        QSignalSpy retrying(&fetcher, &PacedFetcher::retrying);
        QSignalSpy finished(&fetcher, &PacedFetcher::finished);
        fetcher.fetch(server.url(QStringLiteral("/q")).toString());
        QVERIFY(finished.wait(10000));
        QCOMPARE(clock.arrivals.size(), answers.size());
        QCOMPARE(retrying.size(), leastGaps.size());
        const QList<qint64> gaps = clock.gaps();
        for (qsizetype i = 0; i < gaps.size(); ++i)
            QVERIFY2(gaps[i] >= leastGaps[i] - slack, qPrintable(QString::number(gaps[i])));
        QCOMPARE(finished.first().first().toString(), page);
        const FetchReport report = finished.first().at(1).value<FetchReport>();
        QCOMPARE(report.failure, failure);
        if (failure == FetchFailure::RateLimited)
            QCOMPARE(failureText(report), QStringLiteral("rate limited (HTTP 503)"));
    }

    // Waits are capped, and cancel() ends one at once without an answer.
    void cancelEndsTheWait()
    {
        LoopbackHttpServer server;
        server.setResponse(QStringLiteral("/q"), Response::page("busy", 429).withHeader("Retry-After", "100000"));
        PacedFetcher fetcher(new PageFetcher);
        QSignalSpy retrying(&fetcher, &PacedFetcher::retrying);
        QSignalSpy finished(&fetcher, &PacedFetcher::finished);
        fetcher.fetch(server.url(QStringLiteral("/q")).toString());
        QVERIFY(retrying.wait(5000));
        QCOMPARE(retrying.first().at(1).toInt(), 120000);
        fetcher.cancel();
        QVERIFY(!fetcher.isBusy());
        QTest::qWait(100);
        QCOMPARE(finished.size(), 0);
        QCOMPARE(server.requestCount(), 1);
    }
};

QTEST_GUILESS_MAIN(PacedFetcherTest)
#include "tst_pacedfetcher.moc"

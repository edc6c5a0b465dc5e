#include "EngineServer.h"
#include "engines/EngineTable.h"
#include "loopback/EnginePages.h"
#include "results/ScanResults.h"
#include "scan/PageFetcher.h"
#include "scan/ScanDriver.h"
#include "scan/ScanLog.h"

#include <QHash>
#include <QTest>
#include <QTimer>

namespace {

// A driver scanning through the real network code against an engine server,
// with everything it reports written down in order.
class ScanRun
{
public:
    explicit ScanRun(EngineServer& server)
        : driver(
              &fetcher,
              [this](const Engine& engine) {
                  ++templateReads;
                  return EngineSettings{templates.value(engine.number), markers.value(engine.number)};
              },
              &results)
    {
        driver.setLog(&log);
        for (const Engine& engine : engines())
            templates.insert(engine.number, EnginePages::loopbackTemplate(engine, server.port()));
        QObject::connect(&driver, &ScanDriver::siteStarted, [this](int index, const QString& site) {
            events << QStringLiteral("start %1 %2").arg(index).arg(site);
        });
        QObject::connect(&driver, &ScanDriver::engineDone,
                         [this](int index, const QString& site, int engine, const QString& cell) {
                             events << QStringLiteral("engine %1 %2 %3").arg(index).arg(engine).arg(site);
                             cells[site] << cell;
                         });
        QObject::connect(&driver, &ScanDriver::siteFinished, [this](int index, const QString& site, qint64 total) {
            events << QStringLiteral("site %1 %2").arg(index).arg(site);
            rowTotals[site] = total;
        });
        QObject::connect(&driver, &ScanDriver::finished, [this](qint64 total) {
            events << QStringLiteral("finished");
            grandTotal = total;
            ended = true;
        });
        QObject::connect(&driver, &ScanDriver::stopped, [this] {
            events << QStringLiteral("stopped");
            ended = true;
        });
    }

    bool waitForEnd(int timeoutMs = 30000)
    {
        return QTest::qWaitFor([this] { return ended; }, timeoutMs);
    }

    PageFetcher fetcher;
    QHash<int, QString> templates;
    QHash<int, CountMarkers> markers;
    int templateReads = 0;
    ScanResults results;
    ScanLog log;
    ScanDriver driver;
    QStringList events;
    QHash<QString, QStringList> cells;
    QHash<QString, qint64> rowTotals;
    qint64 grandTotal = -1;
    bool ended = false;
};

QStringList eventsOfAFullSite(int index, const QString& site)
{
    QStringList events{QStringLiteral("start %1 %2").arg(index).arg(site)};
    for (int engine = 1; engine <= engineCount; ++engine)
        events << QStringLiteral("engine %1 %2 %3").arg(index).arg(engine).arg(site);
    events << QStringLiteral("site %1 %2").arg(index).arg(site);
    return events;
}

} // namespace

class ScanDriverTest : public QObject
{
    Q_OBJECT

private slots:
    void cellText_data()
    {
        QTest::addColumn<int>("engine");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("cell");
        QTest::newRow("Google drops commas") << 1 << "1,234,567"
                                             << "1234567";
        QTest::newRow("AllTheWeb drops commas") << 6 << "12,345"
                                                << "12345";
        QTest::newRow("MSN keeps the text") << 5 << "1,234"
                                            << "1,234";
        QTest::newRow("empty stays empty") << 2 << ""
                                           << "";
        QTest::newRow("no results") << 3 << "0"
                                    << "0";
    }

    void cellText()
    {
        QFETCH(int, engine);
        QFETCH(QString, count);
        QFETCH(QString, cell);
        QCOMPARE(ScanDriver::cellText(*engineByNumber(engine), count), cell);
    }

    void asksEveryEngineForEverySiteInOrder()
    {
        EngineServer server;
        ScanRun run(server);
        const QStringList sites{"www.alpha.example", "http://beta.example/"};
        run.driver.start(sites);
        QVERIFY(run.driver.isRunning());
        QVERIFY2(run.events.isEmpty(), "the scan must not begin inside start()");
        QVERIFY(run.waitForEnd());
        QVERIFY(!run.driver.isRunning());

        QStringList expectedEvents = eventsOfAFullSite(0, sites[0]) + eventsOfAFullSite(1, sites[1]);
        expectedEvents << QStringLiteral("finished");
        QCOMPARE(run.events, expectedEvents);

        QStringList expectedTargets;
        for (const QString& site : sites) {
            for (const Engine& engine : engines())
                expectedTargets << EnginePages::pathAndQuery(engine) + site + QString::fromLatin1(engine.querySuffix);
        }
        QStringList targets;
        for (const auto& request : server.http().requests()) {
            targets << QString::fromLatin1(request.target);
            QCOMPARE(request.header("User-Agent"), QByteArray("Mozilla"));
        }
        QCOMPARE(targets, expectedTargets);

        qint64 grand = 0;
        for (const QString& site : sites) {
            QStringList expectedCells;
            qint64 total = 0;
            for (int engine = 1; engine <= engineCount; ++engine) {
                expectedCells << server.expectedCell(site, engine);
                total += expectedCells.last().toLongLong();
            }
            QCOMPARE(run.cells[site], expectedCells);
            QCOMPARE(run.rowTotals[site], total);
            grand += total;
            // Each site's row of the results, at its place in the list.
            const ResultRow& row = run.results.row(static_cast<int>(sites.indexOf(site)));
            QCOMPARE(row.site, site);
            QCOMPARE(row.total, total);
            for (int engine = 1; engine <= engineCount; ++engine)
                QCOMPARE(row.engine(engine).text, expectedCells[engine - 1]);
        }
        QCOMPARE(run.grandTotal, grand);
        QCOMPARE(run.templateReads, 12);
    }

    void rowTotalSkipsEmptyCells()
    {
        EngineServer server;
        const QString site = QStringLiteral("mixed.example");
        server.setCount(site, 1, 1234);
        server.setCount(site, 2, EngineServer::unrecognised);
        server.setCount(site, 3, EngineServer::noResults);
        server.setCount(site, 4, 56);
        server.setCount(site, 5, EngineServer::noResults);
        server.setCount(site, 6, EngineServer::unrecognised);
        ScanRun run(server);
        run.driver.start({site});
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.cells[site], QStringList({"1234", "", "0", "56", "0", ""}));
        QCOMPARE(run.rowTotals[site], qint64(1290));
        // The engines without markers answered "Service Unavailable".
        QList<QueryOutcome::Kind> kinds;
        for (const EngineCell& cell : run.results.row(0).engines)
            kinds << cell.outcome.kind;
        using Kind = QueryOutcome::Kind;
        QCOMPARE(kinds, QList<Kind>({Kind::Counted, Kind::Failed, Kind::NoResults, Kind::Counted, Kind::NoResults,
                                     Kind::Failed}));
        QCOMPARE(run.grandTotal, qint64(1290));
    }

    void totalsGoBeyond32Bits()
    {
        EngineServer server;
        const QStringList sites{"big.example", "bigger.example"};
        for (const QString& site : sites) {
            for (int engine = 1; engine <= engineCount; ++engine)
                server.setCount(site, engine, EngineServer::noResults);
            // Ask and MSN print ten digits without their commas.
            server.setCount(site, 4, 9999999999);
            server.setCount(site, 5, 9999999999);
        }
        ScanRun run(server);
        run.driver.start(sites);
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.rowTotals[sites[0]], qint64(19999999998));
        QCOMPARE(run.grandTotal, qint64(39999999996));
    }

    void queriesOneAtATime()
    {
        EngineServer server;
        server.setDelay(15);
        ScanRun run(server);
        int answered = 0;
        QList<int> answeredAtRequest;
        QObject::connect(&run.driver, &ScanDriver::engineDone, [&] { ++answered; });
        QObject::connect(&server.http(), &LoopbackHttpServer::requestReceived, [&] { answeredAtRequest << answered; });
        run.driver.start({"one.example", "two.example"});
        QVERIFY(run.waitForEnd());
        QList<int> expected;
        for (int i = 0; i < 12; ++i)
            expected << i;
        QCOMPARE(answeredAtRequest, expected);
    }

    void stopEndsTheScanBeforeTheNextSite()
    {
        EngineServer server;
        ScanRun run(server);
        const QStringList sites{"s1.example", "s2.example", "s3.example", "s4.example", "s5.example"};
        QObject::connect(&run.driver, &ScanDriver::engineDone, [&](int index, const QString&, int engine) {
            if (index == 2 && engine == 3)
                run.driver.requestStop();
        });
        run.driver.start(sites);
        QVERIFY(run.waitForEnd());
        QStringList expected =
            eventsOfAFullSite(0, sites[0]) + eventsOfAFullSite(1, sites[1]) + eventsOfAFullSite(2, sites[2]);
        expected << QStringLiteral("stopped");
        QCOMPARE(run.events, expected);
        QCOMPARE(server.http().requestCount(), 18);
        QVERIFY(!run.driver.isRunning());
        QVERIFY(!run.driver.isStopRequested());
    }

    void stopBeforeTheFirstSiteScansNothing()
    {
        EngineServer server;
        ScanRun run(server);
        run.driver.start({"a.example"});
        run.driver.requestStop();
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.events, QStringList({"stopped"}));
        QCOMPARE(server.http().requestCount(), 0);
    }

    void stopDuringTheLastSiteComesTooLate()
    {
        EngineServer server;
        ScanRun run(server);
        const auto stopAtLastSite = QObject::connect(&run.driver, &ScanDriver::siteStarted, [&](int index) {
            if (index == 1)
                run.driver.requestStop();
        });
        run.driver.start({"a.example", "b.example"});
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.events.last(), QStringLiteral("finished"));

        // The request does not carry over into the next scan.
        QObject::disconnect(stopAtLastSite);
        run.ended = false;
        run.events.clear();
        run.driver.start({"c.example", "d.example"});
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.events.size(), 2 * 8 + 1);
        QCOMPARE(run.events.last(), QStringLiteral("finished"));
    }

    void stopWhileIdleIsForgotten()
    {
        EngineServer server;
        ScanRun run(server);
        run.driver.requestStop();
        QVERIFY(!run.driver.isStopRequested());
        run.driver.start({"a.example"});
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.events.last(), QStringLiteral("finished"));
    }

    void startWhileRunningOrWithoutSitesDoesNothing()
    {
        EngineServer server;
        ScanRun run(server);
        run.driver.start({});
        QVERIFY(!run.driver.isRunning());
        QTest::qWait(20);
        QVERIFY(run.events.isEmpty());

        run.driver.start({"a.example"});
        QObject::connect(&run.driver, &ScanDriver::siteStarted, [&] {
            run.driver.start({"intruder.example", "other.example"});
        });
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.events, eventsOfAFullSite(0, QStringLiteral("a.example")) + QStringList{"finished"});
        QCOMPARE(server.http().requestCount(), 6);
    }

    void eventsAreProcessedBetweenSites()
    {
        EngineServer server;
        ScanRun run(server);
        // Something posted while a site ends is handled before the next site
        // begins: the scan goes back to the event loop between sites.
        QObject::connect(&run.driver, &ScanDriver::siteFinished, [&](int index) {
            QTimer::singleShot(0, [&run, index] { run.events << QStringLiteral("posted %1").arg(index); });
        });
        run.driver.start({"a.example", "b.example"});
        QVERIFY(run.waitForEnd());
        QCOMPARE(run.events.indexOf(QStringLiteral("posted 0")),
                 run.events.indexOf(QStringLiteral("site 0 a.example")) + 1);
        QVERIFY(run.events.indexOf(QStringLiteral("posted 0")) <
                run.events.indexOf(QStringLiteral("start 1 b.example")));
    }
};

QTEST_GUILESS_MAIN(ScanDriverTest)
#include "tst_scandriver.moc"

#include "EngineServer.h"
#include "engines/CountText.h"
#include "engines/EngineTable.h"
#include "loopback/EnginePages.h"
#include "results/ScanResults.h"
#include "scan/PageFetcher.h"
#include "scan/ScanDriver.h"
#include "scan/ScanLog.h"
#include "scan/SourceQuery.h"

#include <QAbstractItemModelTester>
#include <QHash>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <ctime>
#include <filesystem>

namespace {

// A driver scanning through the real network code against an engine server,
// with everything it reports written down in order.
class ScanRun
{
public:
    explicit ScanRun(EngineServer& server)
        : driver(&fetcher,
                 {[] { return SourceList().all(); },
                  [this](const Source& listed) {
                      ++templateReads;
                      Source source = listed;
                      source.queryTemplate = templates.value(listed.engine->number);
                      source.markers = markers.value(listed.engine->number);
                      return source;
                  }},
                 &results)
    {
        driver.setLog(&log);
        // A server that asks to slow down is asked again at once.
        driver.setPacing({0, retries, 1, 1});
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

    static constexpr int retries = 3;
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

using Kind = QueryOutcome::Kind;

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
    void initTestCase()
    {
        // A zone away from universal time, so that a clock time shown in
        // the wrong zone differs; POSIX form, known without zone files.
        qputenv("TZ", "XST-5:30");
        tzset();
    }

    // The log takes each moment however it comes and shows it by the
    // user's clock.
    void logShowsLocalClockTime_data()
    {
        QTest::addColumn<QDateTime>("time");
        const QDateTime local(QDate(2026, 3, 4), QTime(13, 5, 6, 789));
        QTest::newRow("local") << local;
        QTest::newRow("universal") << local.toUTC();
    }

    void logShowsLocalClockTime()
    {
        QFETCH(QDateTime, time);
        QVERIFY(time.toUTC().time() != QTime(13, 5, 6, 789));
        ScanLog log;
        QAbstractItemModelTester tester(&log, QAbstractItemModelTester::FailureReportingMode::QtTest);
        log.append({time, QStringLiteral("a.example"), QStringLiteral("Google"), {}, 5});
        QCOMPARE(log.index(0, ScanLog::Time).data().toString(), QStringLiteral("13:05:06.789"));
    }

    void countOf_data()
    {
        QTest::addColumn<int>("engine");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QVariant>("number"); // invalid: no count
        QTest::newRow("Google drops commas") << 1 << "1,234,567" << QVariant(qint64(1234567));
        QTest::newRow("AllTheWeb drops commas") << 6 << "12,345" << QVariant(qint64(12345));
        QTest::newRow("MSN keeps the text, which is no count") << 5 << "1,234" << QVariant();
        QTest::newRow("MSN count") << 5 << "1234" << QVariant(qint64(1234));
        QTest::newRow("full stops stay") << 2 << "1.234" << QVariant();
        QTest::newRow("empty stays empty") << 2 << "" << QVariant();
        QTest::newRow("no results") << 3 << "0" << QVariant(qint64(0));
    }

    void countOf()
    {
        QFETCH(int, engine);
        QFETCH(QString, count);
        QFETCH(QVariant, number);
        const std::optional<qint64> read = SourceQuery::countOf(Source::builtIn(*engineByNumber(engine)), count);
        QCOMPARE(read.has_value(), number.isValid());
        if (read)
            QCOMPARE(*read, number.toLongLong());
    }

    // A page's count as the cell holds it: a text the source's rule leaves
    // that is no count makes no count, saying what it was.
    void readAnswer_data()
    {
        QTest::addColumn<QString>("count"); // as the page prints it
        QTest::addColumn<int>("kind");
        QTest::addColumn<QVariant>("number"); // invalid: no count
        QTest::newRow("commas") << "1,234" << int(QueryOutcome::Kind::Counted) << QVariant(qint64(1234));
        QTest::newRow("full stops") << "1.234" << int(QueryOutcome::Kind::NoCount) << QVariant();
        QTest::newRow("words") << "many" << int(QueryOutcome::Kind::NoCount) << QVariant();
    }

    void readAnswer()
    {
        QFETCH(QString, count);
        QFETCH(int, kind);
        QFETCH(QVariant, number);
        const QString page = "<p>Results <b>1</b> - <b>10</b> of about <b>" + count + "</b> linking to a.example</p>";
        const SourceQuery::Answer answer =
            SourceQuery::readAnswer(Source::builtIn(*engineByNumber(1)), page, FetchReport{});
        QCOMPARE(int(answer.outcome.kind), kind);
        QCOMPARE(answer.count.has_value(), number.isValid());
        if (answer.count)
            QCOMPARE(*answer.count, number.toLongLong());
        QCOMPARE(answer.outcome.reason.contains(count), !number.isValid());
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
                QCOMPARE(row.engine(engine).text(), expectedCells[engine - 1]);
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
        QCOMPARE(kinds, QList<Kind>({Kind::Counted, Kind::Failed, Kind::NoResults, Kind::Counted, Kind::NoResults,
                                     Kind::Failed}));
        QCOMPARE(run.grandTotal, qint64(1290));
    }

    // Every engine answers alike; the cells, their outcomes and the log
    // say how. A query without a page never counts, not even for the
    // engines whose rules read any page without a count as "0".
    void outcomeOfEachAnswer_data()
    {
        QTest::addColumn<qint64>("answer"); // a count, or one of EngineServer's stand-ins
        QTest::addColumn<bool>("closedPort");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QList<Kind>>("kinds");
        QTest::addColumn<FetchFailure>("failure");
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<int>("tries"); // of each query, each one a line of the log

        const QList<Kind> failed(6, Kind::Failed);
        QTest::newRow("counted") << qint64(1234) << false << QStringList(6, "1234") << QList<Kind>(6, Kind::Counted)
                                 << FetchFailure::None << 200 << 1;
        // Ask's rule knows no sentence for "nothing found": its "0" is a page without a count.
        QTest::newRow("no results") << EngineServer::noResults << false << QStringList(6, "0")
                                    << QList<Kind>({Kind::NoResults, Kind::NoResults, Kind::NoResults, Kind::NoCount,
                                                    Kind::NoResults, Kind::NoResults})
                                    << FetchFailure::None << 200 << 1;
        QTest::newRow("markers missing") << EngineServer::withoutMarkers << false
                                         << QStringList({"", "", "", "0", "0", ""}) << QList<Kind>(6, Kind::NoCount)
                                         << FetchFailure::None << 200 << 1;
        // An engine that stays unavailable is asked again, then fails as rate limited.
        QTest::newRow("status 503") << EngineServer::unrecognised << false << QStringList(6, "") << failed
                                    << FetchFailure::RateLimited << 503 << 1 + ScanRun::retries;
        QTest::newRow("closed port") << qint64(1234) << true << QStringList(6, "") << failed
                                     << FetchFailure::ConnectionRefused << 0 << 1;
    }

    void outcomeOfEachAnswer()
    {
        QFETCH(qint64, answer);
        QFETCH(bool, closedPort);
        QFETCH(QStringList, cells);
        QFETCH(QList<Kind>, kinds);
        QFETCH(FetchFailure, failure);
        QFETCH(int, httpStatus);
        QFETCH(int, tries);
        EngineServer server;
        const QString site = QStringLiteral("a.example");
        for (int engine = 1; engine <= engineCount; ++engine)
            server.setCount(site, engine, answer);
        ScanRun run(server);
        if (closedPort) {
            for (const Engine& engine : engines())
                run.templates[engine.number] = EnginePages::loopbackTemplate(engine, LoopbackHttpServer::closedPort());
        }
        run.driver.start({site});
        QVERIFY(run.waitForEnd());

        const ResultRow& row = run.results.row(0);
        QCOMPARE(run.cells[site], cells);
        // A row of empty cells has no total.
        std::optional<qint64> total;
        for (const QString& cell : cells) {
            if (!cell.isEmpty())
                total = total.value_or(0) + cell.toLongLong();
        }
        QCOMPARE(row.total, total);
        QCOMPARE(run.log.rowCount(), engineCount * tries);
        QCOMPARE(run.log.failedCount(), failure == FetchFailure::None ? 0 : engineCount * tries);
        for (int engine = 1; engine <= engineCount; ++engine) {
            const QueryOutcome& outcome = row.engine(engine).outcome;
            QCOMPARE(outcome.kind, kinds[engine - 1]);
            QCOMPARE(outcome.fetch.failure, failure);
            QCOMPARE(outcome.fetch.httpStatus, httpStatus);
            QCOMPARE(outcome.fetch.address, engineByNumber(engine)->queryAddress(run.templates.value(engine), site));
            // The log says the same, query by query.
            const ScanLogEntry& entry = run.log.entries().at(engine * tries - 1);
            if (tries > 1)
                QVERIFY(run.log.entries().at(engine * tries - 2).outcome.reason.startsWith("asked again in"));
            QCOMPARE(entry.site, site);
            QCOMPARE(entry.source, engineByNumber(engine)->header());
            QCOMPARE(entry.outcome.kind, outcome.kind);
            QCOMPARE(CountText::of(entry.count), cells[engine - 1]);
            QCOMPARE(entry.outcome.fetch.bytes, outcome.fetch.bytes);
        }
        QCOMPARE(row.engine(1).outcome.fetch.bytes > 0, !closedPort);
    }

    // Markers in settings.ini replace the engine's rule, for that engine only.
    void markersFromTheSettingsFile()
    {
        LoopbackHttpServer api;
        api.setPage(QStringLiteral("/api"), R"({"site":"a.example","backlinks": 4321,"pages":7})");
        EngineServer server;
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("settings.ini"));
        QByteArray text = server.settingsIni();
        text.replace(EnginePages::loopbackTemplate(*engineByNumber(4), server.port()).toLatin1(),
                     api.url(QStringLiteral("/api?q=")).toString().toLatin1());
        text += "[Markers]\r\nAsk.Before=\"backlinks\":\r\nAsk.After=,\r\n";
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();

        const QString site = QStringLiteral("a.example");
        server.setCount(site, 5, EngineServer::withoutMarkers);
        PageFetcher fetcher;
        ScanResults results;
        ScanDriver driver(&fetcher, ScanDriver::settingsOf(ini), &results);
        QSignalSpy finished(&driver, &ScanDriver::finished);
        driver.start({site});
        QVERIFY(finished.wait(30000));
        QCOMPARE(results.row(0).engine(4).text(), QStringLiteral("4321"));
        QCOMPARE(results.row(0).engine(4).outcome.kind, Kind::Counted);
        // MSN keeps its own rule.
        QCOMPARE(results.row(0).engine(5).text(), QStringLiteral("0"));
        QCOMPARE(results.row(0).engine(5).outcome.kind, Kind::NoCount);
        QCOMPARE(results.row(0).engine(1).text(), server.expectedCell(site, 1));
    }

    // A source is read afresh before its query whenever settings.ini has
    // changed, even to a file of the same size and time of change.
    void sourceReadAgainWhenTheFileChanges_data()
    {
        QTest::addColumn<QByteArray>("changedAddress");
        QTest::addColumn<bool>("sameTime");
        QTest::newRow("longer") << QByteArray("https://bb.example/?q=") << false;
        QTest::newRow("same size, later") << QByteArray("https://b.example/?q=") << false;
        QTest::newRow("same size and time, another file") << QByteArray("https://b.example/?q=") << true;
    }

    void sourceReadAgainWhenTheFileChanges()
    {
        QFETCH(QByteArray, changedAddress);
        QFETCH(bool, sameTime);
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("settings.ini"));
        const auto write = [](const QString& path, const QByteArray& address) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) &&
                   file.write("[Source Alpha]\r\nQuery=" + address + "\r\nBefore=<b>\r\nAfter=</b>\r\n") > 0;
        };
        QVERIFY(write(ini, "https://a.example/?q="));
        const std::filesystem::file_time_type written = std::filesystem::last_write_time(ini.toStdString());
        const ScanDriver::SourceReader reader = ScanDriver::settingsOf(ini);
        const Source alpha = reader.sources().last();
        QCOMPARE(alpha.name, QStringLiteral("Alpha"));
        QCOMPARE(reader.current(alpha).queryTemplate, QStringLiteral("https://a.example/?q="));

        const QString replacement = folder.filePath(QStringLiteral("new.ini"));
        QVERIFY(write(replacement, changedAddress));
        std::filesystem::last_write_time(replacement.toStdString(),
                                         sameTime ? written : written + std::chrono::seconds(2));
        QVERIFY(QFile::remove(ini) && QFile::rename(replacement, ini));
        QCOMPARE(reader.current(alpha).queryTemplate, QString::fromLatin1(changedAddress));
    }

    // The second stop does not wait for an engine that never answers: the
    // scan ends at once with the site's remaining cells empty, whether the
    // engines are asked one at a time or all at once.
    void stopNowAbandonsTheRunningQuery_data()
    {
        QTest::addColumn<bool>("atOnce");
        QTest::addColumn<QList<int>>("answered"); // engines with a count when Stop comes
        QTest::newRow("one at a time") << false << QList<int>{1, 2};
        QTest::newRow("all at once") << true << QList<int>{1, 2, 4, 5, 6};
    }

    void stopNowAbandonsTheRunningQuery()
    {
        QFETCH(bool, atOnce);
        QFETCH(QList<int>, answered);
        EngineServer server;
        LoopbackHttpServer silent;
        silent.setHandler([](const LoopbackHttpServer::Request&) { return LoopbackHttpServer::Response::silence(); });
        ScanRun run(server);
        run.templates[3] = EnginePages::loopbackTemplate(*engineByNumber(3), silent.port());
        const QString site = QStringLiteral("a.example");
        QSignalSpy asked(&silent, &LoopbackHttpServer::requestReceived);
        QSignalSpy done(&run.driver, &ScanDriver::engineDone);
        run.driver.start({site, "b.example"}, {},
                         atOnce ? ScanDriver::EngineOrder::AllAtOnce : ScanDriver::EngineOrder::OneAtATime);
        QVERIFY(asked.wait(20000));
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), answered.size(), 20000);
        run.driver.requestStop();
        QVERIFY(run.driver.isRunning());
        run.driver.stopNow();
        // Far below the fetcher's idle limit of many seconds.
        QVERIFY(run.waitForEnd(2000));
        QCOMPARE(run.fetcher.limits().idleTimeoutMs, 30000);
        QVERIFY(!run.driver.isRunning());
        QVERIFY(!run.fetcher.isBusy());
        QCOMPARE(run.events.last(), QStringLiteral("stopped"));
        QVERIFY(!run.events.contains(QStringLiteral("site 0 a.example")));

        const ResultRow& row = run.results.row(0);
        QCOMPARE(run.results.rowCount(), 1);
        qint64 total = 0;
        for (int engine = 1; engine <= engineCount; ++engine) {
            if (answered.contains(engine)) {
                total += server.expectedCell(site, engine).toLongLong();
                continue;
            }
            QCOMPARE(row.engine(engine).text(), QString());
            QCOMPARE(row.engine(engine).outcome.kind, Kind::Stopped);
        }
        QCOMPARE(row.total, total);
        QCOMPARE(run.log.rowCount(), answered.size() + 1);
        QCOMPARE(run.log.entries().last().outcome.kind, Kind::Stopped);
        QCOMPARE(run.log.entries().last().source, engineByNumber(3)->header());
        QCOMPARE(run.log.answeredCount(), answered.size());
        QTRY_COMPARE(silent.openConnectionCount(), 0);
    }

    // A source that asked to slow down for a minute is not waited for once
    // the scan is stopped, by either Stop.
    void stopEndsAWait_data()
    {
        QTest::addColumn<bool>("stopNow");
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("stop, one at a time") << false << false;
        QTest::newRow("stop, all at once") << false << true;
        QTest::newRow("double stop") << true << false;
    }

    void stopEndsAWait()
    {
        QFETCH(bool, stopNow);
        QFETCH(bool, atOnce);
        EngineServer server;
        LoopbackHttpServer busy;
        busy.setHandler([](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::Response::page("busy", 429).withHeader("Retry-After", "60");
        });
        ScanRun run(server);
        run.driver.setPacing({});
        run.templates[2] = EnginePages::loopbackTemplate(*engineByNumber(2), busy.port());
        QSignalSpy waiting(&run.driver, &ScanDriver::waiting);
        run.driver.start({"a.example", "b.example"}, {},
                         atOnce ? ScanDriver::EngineOrder::AllAtOnce : ScanDriver::EngineOrder::OneAtATime);
        QVERIFY(waiting.wait(20000));
        QCOMPARE(waiting.first().at(2).toInt(), 2);
        QCOMPARE(waiting.first().at(3).toInt(), 60000);
        QCOMPARE(waiting.first().at(4).toInt(), 429);
        run.driver.requestStop();
        if (stopNow)
            run.driver.stopNow();
        // Far below the minute the server asked for.
        QVERIFY(run.waitForEnd(10000));
        QCOMPARE(run.events.last(), QStringLiteral("stopped"));
        QCOMPARE(busy.requestCount(), 1);
        const ResultRow& row = run.results.row(0);
        QCOMPARE(run.results.rowCount(), 1);
        QCOMPARE(row.engine(2).outcome.kind, Kind::Stopped);
        QCOMPARE(row.engine(2).text(), QString());
        if (!stopNow && !atOnce)
            QCOMPARE(row.engine(6).outcome.kind, Kind::Counted);
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

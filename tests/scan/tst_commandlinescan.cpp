#include "EngineServer.h"
#include "app/MainStatusBar.h"
#include "app/MainWindow.h"
#include "base/UserSettings.h"
#include "charts/ChartPanel.h"
#include "charts/ChartWidget.h"
#include "charts/SavedSearchChart.h"
#include "engines/EngineTable.h"
#include "lists/UrlListCommands.h"
#include "loopback/EnginePages.h"
#include "results/KeptSession.h"
#include "results/ResultsCsv.h"
#include "results/ScanResults.h"
#include "saved/SaveData.h"
#include "saved/SaveSearchDialog.h"
#include "saved/SavedSearches.h"
#include "scan/CommandLineScan.h"
#include "scan/ScanController.h"
#include "scan/ScanLog.h"
#include "support/ScopedEnvironment.h"
#include "support/TestContext.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace {

// What a row of hostileCommandLines puts in the folder besides the list.
enum class Setup { None, Fifo, Folder, LinkToSettings, RawNames, NoAddresses, AllFail, SavedLinkOut };

// The bytes of a file named by bytes, read without the program's code.
QByteArray nativeFile(const QString& folder, const QByteArray& name)
{
    std::ifstream file(std::filesystem::path(folder.toStdString()) / name.toStdString(), std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(file), {}));
}

const QStringList sites{"www.alpha.example", "http://beta.example/"};

// A backlink API that answers only with its key, and an intranet page.
void serveUserSources(LoopbackHttpServer& api)
{
    api.setHandler([](const LoopbackHttpServer::Request& request) {
        if (request.path() == QLatin1String("/page"))
            return LoopbackHttpServer::Response::page("<p>Backlinks: <b>5,600</b></p>");
        if (request.header("X-Api-Key") != "k3y-0123456789")
            return LoopbackHttpServer::Response::page(R"({"error":"key"})", 401);
        const QByteArray count = request.query().endsWith("alpha.example") ? "1200" : "34";
        return LoopbackHttpServer::Response::page(R"({"data":{"items":[{"refDomains":)" + count + "}]}}")
            .withHeader("Content-Type", "application/json");
    });
}

// The records of a CSV file without quoted fields, split into fields.
QList<QStringList> records(const QByteArray& csv)
{
    QList<QStringList> split;
    for (const QString& line : QString::fromUtf8(csv).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        split << line.split(u',');
    return split;
}

// An application folder whose engines are the loopback engine server.
struct Fixture
{
    Fixture() { test.folder.writeFile("settings.ini", server.settingsIni()); }

    void failEngine(int number)
    {
        QByteArray ini = test.folder.readFile("settings.ini");
        ini.replace(EnginePages::loopbackTemplate(*engineByNumber(number), server.port()).toLatin1(),
                    QStringLiteral("http://127.0.0.1:%1/x?q=").arg(LoopbackHttpServer::closedPort()).toLatin1());
        test.folder.writeFile("settings.ini", ini);
    }

    int scan(const CommandLineScan::Options& options)
    {
        QBuffer output(&standardOutput);
        output.open(QIODevice::WriteOnly);
        QTextStream stream(&messages);
        return CommandLineScan(test.folder.folder(), test.folder.settings(), test.clock).run(options, output, stream);
    }

    // A process of the built program in this folder, without a display.
    QProcess* program(const QStringList& arguments, const QString& platform = {})
    {
        QProcess* process = newProcess(platform);
        process->start(QStringLiteral(QUORVEX_PROGRAM), arguments);
        return process;
    }

    // The program run by the shell with these words after its name, so that
    // an argument can hold bytes that are not UTF-8.
    QProcess* programInShell(const QString& words)
    {
        QProcess* process = newProcess({});
        process->start(QStringLiteral("/bin/sh"), {"-c", "exec \"$QUORVEX\" " + words});
        return process;
    }

    QProcess* newProcess(const QString& platform)
    {
        auto* process = new QProcess(&server.http());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        if (!platform.isEmpty())
            environment.insert("QT_QPA_PLATFORM", platform);
        environment.insert("QUORVEX_HOME", test.folder.path());
        environment.insert("QUORVEX", QStringLiteral(QUORVEX_PROGRAM));
        process->setProcessEnvironment(environment);
        process->setWorkingDirectory(test.folder.path());
        return process;
    }

    // The engine server answers from this event loop while the program runs.
    static bool waitFor(QProcess* process)
    {
        return QTest::qWaitFor([process] { return process->state() == QProcess::NotRunning; }, 60000);
    }

    QString listFile() const { return test.folder.filePath("Lists/sites.txt"); }

    // The engine server's settings with Altavista and Ask hidden, and three
    // sources of the user's own on the API server: a JSON API that needs
    // its key, a page read by markers that stays out of the total, and one
    // that cannot be asked.
    void addUserSources(const LoopbackHttpServer& api)
    {
        const QString base = api.url(QStringLiteral("/")).toString();
        test.folder.writeFile("settings.ini", server.settingsIni() +
                                                  "\r\n[Hidden]\r\nAltavista=1\r\nAsk=1\r\n"
                                                  "\r\n[Source Referring Domains]\r\nQuery=" +
                                                  base.toLatin1() +
                                                  "links?domain={site}\r\nSite=domain\r\nHeader1=X-Api-Key: " + apiKey +
                                                  "\r\nJson=data.items.0.refDomains\r\n"
                                                  "\r\n[Source Intranet]\r\nQuery=" +
                                                  base.toLatin1() +
                                                  "page?q=\r\nBefore=<b>\r\nAfter=</b>\r\nTotal=0\r\n"
                                                  "\r\n[Source Broken]\r\nQuery=webgraph:/srv/index\r\nJson=n\r\n");
    }

    static constexpr char apiKey[] = "k3y-0123456789";

    EngineServer server;
    TestContext test;
    QByteArray standardOutput;
    QString messages;
};

} // namespace

Q_DECLARE_METATYPE(Setup)

class CommandLineScanTest : public QObject
{
    Q_OBJECT

private slots:
    void exitStatus_data()
    {
        QTest::addColumn<QByteArray>("list"); // no file when null
        QTest::addColumn<QString>("csv");
        QTest::addColumn<int>("failingEngine"); // -1: no settings.ini
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QByteArray list = "www.alpha.example\r\nhttp://beta.example/\r\n";
        QTest::newRow("every query answered") << list << "out.csv" << 0 << 0 << "[2/2] http://beta.example/ ... ";
        QTest::newRow("some queries failed") << list << "out.csv" << 3 << 3 << "2 of 12 queries got no page.";
        QTest::newRow("no list file") << QByteArray() << "out.csv" << 0 << 2
                                      << "The URL list file \"%1\" could not be read: The file does not exist.";
        QTest::newRow("no engine addresses")
            << list << "out.csv" << -1 << 2 << "settings.ini\" is missing, so a scan has no search engine addresses.";
        QTest::newRow("no URL in the list")
            << QByteArray("\r\n") << "out.csv" << 0 << 2 << "The URL list file \"%1\" holds no URL.";
        QTest::newRow("CSV not writable")
            << list << "missing/out.csv" << 3 << 1 << "The results could not be written to \"";
    }

    void exitStatus()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, csv);
        QFETCH(int, failingEngine);
        QFETCH(int, status);
        QFETCH(QString, message);
        Fixture f;
        if (!list.isNull())
            f.test.folder.writeFile("Lists/sites.txt", list);
        if (failingEngine > 0)
            f.failEngine(failingEngine);
        if (failingEngine < 0)
            QFile::remove(f.test.folder.filePath("settings.ini"));
        QCOMPARE(f.scan({f.listFile(), f.test.folder.filePath(csv), false, false}), status);
        QVERIFY2(f.messages.contains(message.arg(QDir::toNativeSeparators(f.listFile()))), qPrintable(f.messages));
        QCOMPARE(QFile::exists(f.test.folder.filePath(csv)), status == 0 || status == 3);
    }

    // The window and the command line scan alike: the same rows, written as
    // the window's export writes them.
    void sameRowsAsTheWindow()
    {
        Fixture f;
        f.server.setCount("www.alpha.example", 3, EngineServer::noResults);
        f.server.setCount("http://beta.example/", 6, EngineServer::unrecognised);
        f.test.folder.settings().setAutoSort(false);
        f.test.folder.writeFile("Lists/sites.txt", "www.alpha.example\r\nhttp://beta.example/\r\n");
        QCOMPARE(f.scan({f.listFile(), "-", false, true}), 3);
        QVERIFY(f.messages.startsWith("1 of 12 queries got no page."));

        MainWindow window(f.test.context, f.test.makeBrowser);
        window.urlListCommands()->appendUrls(sites);
        QSignalSpy ended(window.scanController(), &ScanController::scanEnded);
        window.scanController()->start();
        QVERIFY(ended.wait(60000));
        QCOMPARE(f.standardOutput, ResultsCsv::encode(window.results()->sourceColumns(), window.results()->rows()));
    }

    // Asking a site's engines at the same time changes the order of the
    // requests only: the same pages give the same rows, totals, saved
    // counts, progress lines and exit status, and no engine is ever asked
    // twice at once.
    void parallelEnginesChangeNothingButTheOrder_data()
    {
        QTest::addColumn<QList<int>>("delays");  // per engine, in ms
        QTest::addColumn<int>("refusingEngine"); // 0: none
        QTest::newRow("answers in the table's order") << QList<int>{50, 60, 70, 80, 90, 100} << 0;
        QTest::newRow("answers in reverse order") << QList<int>{150, 120, 90, 60, 30, 0} << 0;
        QTest::newRow("mixed order, one engine refusing") << QList<int>{40, 0, 0, 80, 10, 20} << 3;
    }

    void parallelEnginesChangeNothingButTheOrder()
    {
        QFETCH(QList<int>, delays);
        QFETCH(int, refusingEngine);
        const QByteArray list = "www.alpha.example\r\nhttp://beta.example/\r\ngamma.example\r\nwww.alpha.example\r\n";
        const QStringList files{"Saved/alpha.example.qvh", "Saved/beta.example.qvh", "Saved/gamma.example.qvh"};
        Fixture oneAtATime;
        Fixture atOnce;
        for (Fixture* f : {&oneAtATime, &atOnce}) {
            f->server.setCount("www.alpha.example", 2, EngineServer::noResults);
            f->server.setCount("http://beta.example/", 5, EngineServer::withoutMarkers);
            f->server.setCount("gamma.example", 1, EngineServer::unrecognised);
            for (int engine = 1; engine <= engineCount; ++engine)
                f->server.setEngineDelay(engine, delays[engine - 1]);
            if (refusingEngine > 0)
                f->failEngine(refusingEngine);
            f->test.folder.writeFile("Lists/sites.txt", list);
        }
        const int status =
            oneAtATime.scan({oneAtATime.listFile(), oneAtATime.test.folder.filePath("out.csv"), true, false, false});
        QCOMPARE(atOnce.scan({atOnce.listFile(), atOnce.test.folder.filePath("out.csv"), true, false, true}), status);
        QCOMPARE(atOnce.messages, oneAtATime.messages);
        QCOMPARE(atOnce.test.folder.readFile("out.csv"), oneAtATime.test.folder.readFile("out.csv"));
        for (const QString& file : files)
            QCOMPARE(atOnce.test.folder.readFile(file), oneAtATime.test.folder.readFile(file));
        QVERIFY(oneAtATime.test.folder.readFile("out.csv").contains("Domain Name,Total,"));

        QCOMPARE(oneAtATime.server.http().maxOverlap(), 1);
        // The option did ask engines at the same time.
        QVERIFY(atOnce.server.http().maxOverlap() > 1);
        for (int engine = 1; engine <= engineCount; ++engine)
            QCOMPARE(atOnce.server.maxOverlap(engine), engine == refusingEngine ? 0 : 1);
    }

    // Hidden engines are neither asked nor shown, exported or saved.
    void hiddenEngines_data()
    {
        QTest::addColumn<QByteArray>("hidden");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("header"); // or the message
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("none") << QByteArray() << 0
                              << "Domain Name,Total,Google,Altavista,Yahoo!,Ask,MSN,All The Web,Rank"
                              << QStringList{"1", "2", "3", "4", "5", "6"};
        QTest::newRow("two") << QByteArray("Altavista=1\r\natw=1\r\nAsk=0\r\n") << 0
                             << "Domain Name,Total,Google,Yahoo!,Ask,MSN,Rank" << QStringList{"1", "3", "4", "5"};
        QTest::newRow("all") << QByteArray("Google=1\r\nAltavista=1\r\nYahoo=1\r\nAsk=1\r\nMSN=1\r\nATW=1\r\n") << 2
                             << "leaves no source to ask: every engine is hidden." << QStringList{};
    }

    void hiddenEngines()
    {
        QFETCH(QByteArray, hidden);
        QFETCH(int, status);
        QFETCH(QString, header);
        QFETCH(QStringList, asked);
        Fixture f;
        if (!hidden.isNull())
            f.test.folder.writeFile("settings.ini", f.server.settingsIni() + "[Hidden]\r\n" + hidden);
        f.test.folder.writeFile("Lists/sites.txt", "www.alpha.example\r\n");
        QCOMPARE(f.scan({f.listFile(), "-", true, true}), status);
        QStringList engines;
        for (const QString& query : f.server.queries())
            engines << query.section(u':', 0, 0);
        QCOMPARE(engines, asked);
        if (status != 0) {
            QVERIFY2(f.messages.contains(header), qPrintable(f.messages));
            return;
        }
        QCOMPARE(f.standardOutput.left(f.standardOutput.indexOf("\r\n")), header.toUtf8());
        const std::optional<SavedSearchChart> saved = SavedSearchChart::read(
            f.test.folder.filePath("Saved/alpha.example.qvh"), "alpha.example.qvh", f.test.clock.today());
        QVERIFY(saved);
        QCOMPARE(saved->selectorEntries(), header.split(u',').mid(2, asked.size()) << "All Engines");
    }

    // Two sources of the user's own beside four engines, from the window and
    // from the command line, asked one at a time and all at once: the key
    // reaches the API and nothing shown; the columns, the CSV, the saved
    // searches and the charts have the sources' names; the page source stays
    // out of the total; the source that cannot be asked is named.
    void userSources_data()
    {
        QTest::addColumn<bool>("window");
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("command line, one at a time") << false << false;
        QTest::newRow("command line, all at once") << false << true;
        QTest::newRow("window, one at a time") << true << false;
        QTest::newRow("window, all at once") << true << true;
    }

    void userSources()
    {
        QFETCH(bool, window);
        QFETCH(bool, atOnce);
        LoopbackHttpServer api;
        serveUserSources(api);
        Fixture f;
        f.addUserSources(api);
        f.test.folder.settings().setParallelEngines(atOnce);
        f.test.folder.settings().setAutoSort(false);
        f.test.folder.writeFile("Lists/sites.txt", "www.alpha.example\r\nhttp://beta.example/\r\n");

        QByteArray csv;
        QString shown;
        std::unique_ptr<MainWindow> main;
        if (window) {
            main = std::make_unique<MainWindow>(f.test.context, f.test.makeBrowser);
            main->urlListCommands()->appendUrls(sites);
            QSignalSpy ended(main->scanController(), &ScanController::scanEnded);
            main->scanController()->start();
            QVERIFY(ended.wait(60000));
            csv = ResultsCsv::encode(main->results()->sourceColumns(), main->results()->rows());
            const ScanLog* log = main->scanController()->log();
            QList<int> all(log->rowCount());
            std::iota(all.begin(), all.end(), 0);
            shown = log->rowsAsText(all) + f.test.prompts.messages().join(u'\n');
            for (int row = 0; row < main->results()->rowCount(); ++row) {
                for (int column = 0; column < main->results()->columnCount(); ++column)
                    shown += main->results()->index(row, column).data(Qt::ToolTipRole).toString();
            }
            const ChartGrid& chart = main->chartPanel()->chart()->grid();
            QStringList series;
            for (int row = 0; row < chart.rowCount(); ++row)
                series << chart.rowLabel(row);
            QCOMPARE(series, (QStringList{"Google", "Yahoo!", "MSN", "All The Web", "Referring Domains", "Intranet"}));
        } else {
            QCOMPARE(f.scan({f.listFile(), "-", true, false, atOnce}), 0);
            csv = f.standardOutput;
            shown = f.messages;
        }
        QVERIFY2(shown.contains("[Source Broken] is skipped: the Query address does not begin") ||
                     shown.contains("Source Broken: the Query address does not begin"),
                 qPrintable(shown));
        QVERIFY(!shown.contains(Fixture::apiKey));
        QVERIFY(!csv.contains(Fixture::apiKey));

        const QList<QStringList> table = records(csv);
        QCOMPARE(table.size(), 3);
        QCOMPARE(
            table[0],
            QString("Domain Name,Total,Google,Yahoo!,MSN,All The Web,Referring Domains,Intranet,Rank").split(u','));
        for (int row = 1; row <= 2; ++row) {
            const QString site = sites[row - 1];
            QCOMPARE(table[row][0], site);
            QCOMPARE(table[row].mid(6, 2), (QStringList{row == 1 ? "1200" : "34", "5600"}));
            qint64 total = table[row][6].toLongLong();
            for (const int engine : {1, 3, 5, 6})
                total += f.server.expectedCell(site, engine).toLongLong();
            QCOMPARE(table[row][1], QString::number(total));
        }

        QStringList asked;
        for (const LoopbackHttpServer::Request& request : api.requests()) {
            asked << request.target;
            QCOMPARE(request.header("X-Api-Key"), request.path() == "/links" ? QByteArray(Fixture::apiKey) : "");
        }
        asked.sort();
        QCOMPARE(asked, (QStringList{"/links?domain=alpha.example", "/links?domain=beta.example",
                                     "/page?q=http://beta.example/", "/page?q=www.alpha.example"}));
        QCOMPARE(f.server.queries().size(), 8);
        if (window)
            return;
        // The saved history has a section per source, and charts them.
        const std::optional<SavedSearchChart> saved = SavedSearchChart::read(
            f.test.folder.filePath("Saved/alpha.example.qvh"), "alpha.example.qvh", f.test.clock.today());
        QVERIFY(saved);
        QCOMPARE(saved->selectorEntries(), (QStringList{"Google", "Yahoo!", "MSN", "All The Web", "Referring Domains",
                                                        "Intranet", "All Engines"}));
        QCOMPARE(saved->grid(4).value(0, 0), std::optional<double>(1200));
        QCOMPARE(saved->grid(6).columnCount(), 6);
    }

    // A scan behind a proxy named by http_proxy, with no setting changed:
    // the sources' hosts do not resolve, so every count comes through the
    // proxy. The paced source is never asked faster than its interval, its
    // 429 is waited out and asked again, and each source goes out with its
    // user agent.
    void behindAProxyPacedAndBackedOff_data()
    {
        QTest::addColumn<bool>("window");
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("command line, one at a time") << false << false;
        QTest::newRow("command line, all at once") << false << true;
        QTest::newRow("window, all at once") << true << true;
    }

    void behindAProxyPacedAndBackedOff()
    {
        QFETCH(bool, window);
        QFETCH(bool, atOnce);
        constexpr int intervalMs = 400;
        struct Arrival
        {
            qint64 atMs;
            QByteArray target;
            QByteArray userAgent;
        };
        QList<Arrival> arrivals;
        QElapsedTimer clock;
        clock.start();
        bool slowedDown = false;
        LoopbackHttpServer proxy;
        proxy.setHandler([&](const LoopbackHttpServer::Request& request) {
            arrivals.append({clock.elapsed(), request.target, request.header("User-Agent")});
            if (request.target.startsWith("http://api.invalid/")) {
                if (!slowedDown) {
                    slowedDown = true;
                    return LoopbackHttpServer::Response::page("slow down", 429).withHeader("Retry-After", "1");
                }
                return LoopbackHttpServer::Response::page(R"({"n": 77})").withHeader("Content-Type",
                                                                                    "application/json");
            }
            return LoopbackHttpServer::Response::page("<p>links: <b>9</b></p>");
        });
        ScopedEnvironment httpProxy("http_proxy", "http://127.0.0.1:" + QByteArray::number(proxy.port()));
        ScopedEnvironment noProxy("no_proxy", QByteArray());
        Fixture f;
        f.test.folder.writeFile(
            "settings.ini", f.server.settingsIni() +
                                "\r\n[Hidden]\r\nGoogle=1\r\nAltavista=1\r\nYahoo=1\r\nAsk=1\r\nMSN=1\r\nATW=1\r\n"
                                "\r\n[Source Paced]\r\nQuery=http://api.invalid/v1?d={site}\r\nJson=n\r\nInterval=" +
                                QByteArray::number(intervalMs) +
                                "\r\nUserAgent=Probe/1.0\r\n"
                                "\r\n[Source Plain]\r\nQuery=http://pages.invalid/?q=\r\nBefore=<b>\r\nAfter=</b>\r\n");
        f.test.folder.settings().setParallelEngines(atOnce);
        const QStringList listed{"a.example", "b.example", "c.example"};
        f.test.folder.writeFile("Lists/sites.txt", listed.join("\r\n").toLatin1());

        QByteArray csv;
        QStringList statuses;
        QString logText;
        if (window) {
            MainWindow main(f.test.context, f.test.makeBrowser);
            main.urlListCommands()->appendUrls(listed);
            QObject::connect(main.scanController(), &ScanController::statusText,
                             [&](const QString& text) { statuses << text; });
            QSignalSpy ended(main.scanController(), &ScanController::scanEnded);
            main.scanController()->start();
            QVERIFY(ended.wait(60000));
            csv = ResultsCsv::encode(main.results()->sourceColumns(), main.results()->rows());
            QList<int> all(main.scanController()->log()->rowCount());
            std::iota(all.begin(), all.end(), 0);
            logText = main.scanController()->log()->rowsAsText(all);
        } else {
            QCOMPARE(f.scan({f.listFile(), "-", false, true, atOnce}), 0);
            csv = f.standardOutput;
        }

        const QList<QStringList> table = records(csv);
        QCOMPARE(table.size(), 4);
        for (int row = 1; row <= 3; ++row)
            QCOMPARE(table[row].mid(1, 3), (QStringList{"86", "77", "9"}));
        QList<qint64> pacedTimes;
        for (const Arrival& arrival : std::as_const(arrivals)) {
            const bool paced = arrival.target.startsWith("http://api.invalid/");
            QCOMPARE(arrival.userAgent, paced ? QByteArray("Probe/1.0") : QByteArray("Mozilla"));
            if (paced)
                pacedTimes << arrival.atMs;
        }
        // Three sites and the one try asked again.
        QCOMPARE(pacedTimes.size(), 4);
        QVERIFY2(pacedTimes[1] - pacedTimes[0] >= 950, "the 429 was waited out");
        for (qsizetype at = 2; at < pacedTimes.size(); ++at)
            QVERIFY2(pacedTimes[at] - pacedTimes[at - 1] >= intervalMs - 20, "the interval was kept");
        if (window) {
            QVERIFY2(statuses.contains("Waiting 1 s: Paced asked to slow down"), qPrintable(statuses.join('\n')));
            QVERIFY2(logText.contains("asked again in 1 s"), qPrintable(logText));
        }
    }

    // --list-sources names what a scan asks, masks header values and says
    // what it cannot ask; without a readable settings.ini it fails.
    void listSources_data()
    {
        QTest::addColumn<bool>("settings");
        QTest::addColumn<int>("status");
        QTest::newRow("sources") << true << 0;
        QTest::newRow("settings.ini unreadable") << false << 2;
    }

    void listSources()
    {
        QFETCH(bool, settings);
        QFETCH(int, status);
        LoopbackHttpServer api;
        Fixture f;
        f.addUserSources(api);
        // A folder in its place cannot be read as a file.
        if (!settings) {
            QFile::remove(f.test.folder.filePath("settings.ini"));
            QVERIFY(QDir(f.test.folder.path()).mkdir("settings.ini"));
        }
        QProcess* process = f.program({"--list-sources"});
        QVERIFY(Fixture::waitFor(process));
        QCOMPARE(process->exitCode(), status);
        const QString output = QString::fromUtf8(process->readAllStandardOutput());
        const QString errors = QString::fromUtf8(process->readAllStandardError());
        QVERIFY(!(output + errors).contains(Fixture::apiKey));
        if (!settings) {
            QVERIFY2(errors.contains("could not be read"), qPrintable(errors));
            QVERIFY(output.isEmpty());
            return;
        }
        const QString base = api.url(QStringLiteral("/")).toString();
        QStringList expected;
        for (const Engine& engine : engines()) {
            if (engine.number != 2 && engine.number != 4)
                expected << engine.header() + "\tweb page\t" + EnginePages::loopbackTemplate(engine, f.server.port()) +
                                "\t\tcounts toward the total";
        }
        expected << "Referring Domains\tJSON\t" + base +
                        "links?domain={site}\tX-Api-Key: \u2022\u2022\u2022\u2022\t"
                        "counts toward the total"
                 << "Intranet\tweb page\t" + base + "page?q=\t\tnot in the total";
        QCOMPARE(output.split(u'\n', Qt::SkipEmptyParts), expected);
        QVERIFY2(errors.contains("[Source Broken] is skipped: the Query address does not begin"), qPrintable(errors));
    }

    // What a daily scan saves is what the Save Search Results dialog saves.
    void saveEachWritesWhatTheDialogWrites_data()
    {
        QTest::addColumn<QByteArray>("before"); // no saved search when null
        QTest::newRow("into the saved search (Ok)")
            << QByteArray("\r\n[Google]\r\n12-07-26=5\r\n\r\n[Other]\r\nx=1\r\n\r\n[MSN]\r\n12-08-26=1\r\n");
        QTest::newRow("a new saved search (Save)") << QByteArray();
    }

    void saveEachWritesWhatTheDialogWrites()
    {
        QFETCH(QByteArray, before);
        Fixture byScan;
        Fixture byDialog;
        const QString file = "Saved/alpha.example.qvh";
        for (Fixture* f : {&byScan, &byDialog}) {
            if (!before.isNull())
                f->test.folder.writeFile(file, before);
        }
        byScan.test.folder.writeFile("Lists/sites.txt", "www.alpha.example\r\n");
        QCOMPARE(byScan.scan({byScan.listFile(), {}, true, false}), 0);

        QStringList cells;
        for (int engine = 1; engine <= engineCount; ++engine)
            cells << byScan.server.expectedCell("www.alpha.example", engine);
        SaveSearchDialog dialog(
            byDialog.test.context,
            SaveData::countsOf(ResultsColumns::builtInColumns(), ResultRow::completed("www.alpha.example", cells, {})));
        if (before.isNull()) {
            dialog.findChild<QLineEdit*>("Text1")->setText("alpha.example");
            dialog.findChild<QPushButton*>("Command3")->click();
        } else {
            dialog.findChild<QComboBox*>("Combo1")->setCurrentText("alpha.example");
            dialog.findChild<QPushButton*>("Command1")->click();
        }
        QCOMPARE(dialog.savedName(), QStringLiteral("alpha.example"));
        QCOMPARE(byScan.test.folder.readFile(file), byDialog.test.folder.readFile(file));
        QVERIFY(byScan.test.folder.readFile(file).contains("\r\n12-08-26="));
    }

    // The built program, with neither a display nor a platform named.
    void programWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("Quorvex 1.0\n");
        QTest::newRow("help") << QStringList{"--help"} << 0 << QByteArray("--scan <file>");
        QTest::newRow("scan") << QStringList{"--scan", "Lists/sites.txt", "--csv", "-", "--quiet"} << 0
                              << QByteArray("Domain Name,Total,");
        QTest::newRow("unreadable list") << QStringList{"--scan", "missing.txt"} << 2 << QByteArray();
        QTest::newRow("unknown option") << QStringList{"--scna", "Lists/sites.txt"} << 2 << QByteArray();
        QTest::newRow("CSV without a scan") << QStringList{"--csv", "-"} << 2 << QByteArray();
        QTest::newRow("scan, engines at the same time")
            << QStringList{"--scan", "Lists/sites.txt", "--parallel-engines", "--csv", "-", "--quiet"} << 0
            << QByteArray("Domain Name,Total,");
        QTest::newRow("engines at the same time without a scan")
            << QStringList{"--parallel-engines"} << 2 << QByteArray();
    }

    void programWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        Fixture f;
        f.test.folder.writeFile("Lists/sites.txt", "www.alpha.example\r\n");
        QProcess* process = f.program(arguments);
        QVERIFY(Fixture::waitFor(process));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), status);
        const QByteArray written = process->readAllStandardOutput();
        QVERIFY2(written.contains(output), written.constData());
        QCOMPARE(process->readAllStandardError().isEmpty(), status == 0);
        QCOMPARE(f.server.queries().size(), arguments.contains("--csv") && status == 0 ? 6 : 0);
    }

    // The built program given hostile arguments and files: it does what a
    // careful program would, and the file it must not touch stays as it was.
    void hostileCommandLines_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("words"); // for the shell, after the program's name
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");   // a part of standard error
        QTest::addColumn<QByteArray>("output"); // a part of the CSV written
        QTest::addColumn<QString>("untouched");
        const QString scan = "--scan Lists/sites.txt --quiet ";
        const QByteArray alpha = "www.alpha.example,";
        QTest::newRow("CSV into a FIFO") << Setup::Fifo << scan + "--csv out.csv" << 0 << "" << alpha << "";
        QTest::newRow("CSV onto a folder") << Setup::Folder << scan + "--csv out.csv" << 1
                                           << "out.csv\": It is not a regular file" << QByteArray() << "out.csv";
        QTest::newRow("CSV onto the list") << Setup::None << scan + "--csv Lists/sites.txt" << 2
                                           << "would replace the URL list file" << QByteArray() << "Lists/sites.txt";
        QTest::newRow("CSV through a link to settings.ini")
            << Setup::LinkToSettings << scan + "--csv out.csv" << 2 << "would replace the program's file settings.ini"
            << QByteArray() << "settings.ini";
        QTest::newRow("CSV into Saved/") << Setup::None << scan + "--csv Saved/../Saved/x.csv" << 2
                                         << "a file of the saved searches folder" << QByteArray() << "Saved/x.csv";
        QTest::newRow("unknown single-dash option")
            << Setup::None << "-x Lists/sites.txt" << 2 << "Unknown option 'x'." << QByteArray() << "";
        QTest::newRow("double dash") << Setup::None << "-- Lists/sites.txt" << 2 << "Unknown option '--'."
                                     << QByteArray() << "";
        QTest::newRow("file names not UTF-8")
            << Setup::RawNames << "--scan \"$(printf 'caf\\351.txt')\" --csv \"$(printf 'caf\\351.csv')\" --quiet" << 0
            << "" << alpha << "";
        QTest::newRow("[Engines] without addresses")
            << Setup::NoAddresses << scan << 2 << "holds no search engine address." << QByteArray() << "";
        QTest::newRow("every query failed") << Setup::AllFail << scan + "--csv - --save-each" << 3
                                            << "Nothing of www.alpha.example was saved" << alpha + ",,,,,,,\r\n"
                                            << "Saved/alpha.example.qvh";
        QTest::newRow("two sites, one saved search")
            << Setup::None << scan + "--save-each" << 0
            << "www.alpha.example and http://alpha.example/ are both saved into the saved search \"alpha.example\""
            << QByteArray() << "";
        QTest::newRow("saved search linked out of Saved/")
            << Setup::SavedLinkOut << scan + "--save-each" << 1
            << "Saved/alpha.example.qvh\": It is a link to a file outside" << QByteArray() << "outside.qvh";
    }

    void hostileCommandLines()
    {
#if !defined(Q_OS_UNIX)
        QSKIP("needs a POSIX shell, FIFOs and file names of any bytes");
#else
        QFETCH(Setup, setup);
        QFETCH(QString, words);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(QByteArray, output);
        QFETCH(QString, untouched);
        Fixture f;
        const QString folder = f.test.folder.path();
        const QByteArray list = "www.alpha.example\r\nhttp://alpha.example/\r\n";
        f.test.folder.writeFile("Lists/sites.txt", list);
        f.test.folder.writeFile("outside.qvh", "[Google]\r\n12-01-26=1\r\n");
        QProcess reader;
        switch (setup) {
        case Setup::Fifo:
            QCOMPARE(mkfifo(QFile::encodeName(f.test.folder.filePath("out.csv")).constData(), 0600), 0);
            // A reader that is never written to is ended below, so a wrong
            // write cannot hang the test.
            reader.start("cat", {f.test.folder.filePath("out.csv")});
            QVERIFY(reader.waitForStarted());
            break;
        case Setup::Folder:
            QVERIFY(QDir(folder).mkdir("out.csv"));
            break;
        case Setup::LinkToSettings:
            QVERIFY(QFile::link(f.test.folder.filePath("settings.ini"), f.test.folder.filePath("out.csv")));
            break;
        case Setup::RawNames:
            std::ofstream(std::filesystem::path(folder.toStdString()) / "caf\xE9.txt") << list.constData();
            break;
        case Setup::NoAddresses:
            f.test.folder.writeFile("settings.ini", "[Engines]\r\nGoogle=\r\n\r\n[Markers]\r\nMSN.After=,\r\n");
            break;
        case Setup::AllFail:
            for (int engine = 1; engine <= engineCount; ++engine)
                f.failEngine(engine);
            break;
        case Setup::SavedLinkOut:
            QVERIFY(QFile::link("../outside.qvh", f.test.folder.filePath("Saved/alpha.example.qvh")));
            break;
        case Setup::None:
            break;
        }
        const QByteArray before = untouched.isEmpty() ? QByteArray() : f.test.folder.readFile(untouched);

        QProcess* process = f.programInShell(words);
        QVERIFY(Fixture::waitFor(process));
        const QByteArray errors = process->readAllStandardError();
        QCOMPARE(process->exitCode(), status);
        QVERIFY2(errors.contains(message.toUtf8()), errors.constData());
        QByteArray written = process->readAllStandardOutput();
        if (setup == Setup::Fifo) {
            reader.waitForFinished(10000);
            QCOMPARE(reader.state(), QProcess::NotRunning);
            written = reader.readAllStandardOutput();
            QVERIFY(!QFileInfo(f.test.folder.filePath("out.csv")).isFile());
        }
        if (setup == Setup::RawNames)
            written = nativeFile(folder, "caf\xE9.csv");
        QVERIFY2(written.contains(output), written.constData());
        if (!untouched.isEmpty())
            QCOMPARE(f.test.folder.readFile(untouched), before);
#endif
    }

    // The program is killed right after its list changed; the next start
    // has the list back, and the results of the last completed scan.
    void keptSessionSurvivesAKill()
    {
        Fixture f;
        const KeptSession session(f.test.folder.folder());
        const KeptSession::Results results{QDateTime(QDate(2026, 12, 7), QTime(9, 15)),
                                           {ResultRow::completed("kept.example", {"1", "2"}, {})}};
        QVERIFY(session.writeResults(results, nullptr));
        const QStringList urls{"one.example", "two.example", "three.example"};
        f.test.folder.writeFile("Lists/sites.txt", "one.example\r\ntwo.example\r\nthree.example\r\n");

        QProcess* process = f.program({f.listFile()}, "offscreen");
        QVERIFY(QTest::qWaitFor([&] { return session.readUrls() == urls; }, 30000));
        process->kill();
        QVERIFY(Fixture::waitFor(process));

        MainWindow window(f.test.context, f.test.makeBrowser);
        QCOMPARE(window.urlListCommands()->urls(), urls);
        QCOMPARE(ResultsCsv::encode(window.results()->sourceColumns(), window.results()->rows()),
                 ResultsCsv::encode(results.columns, results.rows));
        QCOMPARE(window.statusPanels()->panelText(1),
                 "Results of " + QLocale().toString(results.completed, QLocale::ShortFormat));
    }
};

QTEST_MAIN(CommandLineScanTest)
#include "tst_commandlinescan.moc"

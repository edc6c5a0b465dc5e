// Times a scan of 1000 sites in the real main window (offscreen) against a
// loopback server that answers at once in the engines' page formats, next to
// a bare loop of page fetches of the same addresses and the command-line scan
// (in this process, and as the built program with its peak memory). Prints
// queries per second, the scan's own time per query beyond the bare fetch,
// and the longest time the event loop went without handling events (a 1 ms
// timer's largest gap). Run by hand; a Release build gives the figures that
// count.
//
//   bench_scan [sites [hidden]]

#include "app/MainWindow.h"
#include "base/IniFile.h"
#include "base/UserSettings.h"
#include "engines/CountExtraction.h"
#include "engines/EngineTable.h"
#include "lists/UrlListCommands.h"
#include "lists/UrlListFile.h"
#include "loopback/EnginePages.h"
#include "loopback/LoopbackHttpServer.h"
#include "results/ScanResults.h"
#include "scan/CommandLineScan.h"
#include "scan/PageFetcher.h"
#include "scan/ScanController.h"
#include "support/TestContext.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

// The largest gap between two ticks of a 1 ms timer while it runs.
class StallMeter
{
public:
    StallMeter()
    {
        m_timer.setInterval(1);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
    }

    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }

    double stop()
    {
        m_timer.stop();
        m_longest = std::max(m_longest, m_clock.nsecsElapsed() - m_last);
        return m_longest / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

QStringList siteList(int count)
{
    QStringList sites;
    for (int i = 0; i < count; ++i)
        sites << QStringLiteral("www.site-%1.example.com").arg(i);
    return sites;
}

struct Figures
{
    double seconds = 0;
    double longestStallMs = 0;
};

Figures bareFetches(const LoopbackHttpServer& server, const QStringList& sites)
{
    QStringList addresses;
    QList<const Engine*> queried;
    for (const QString& site : sites) {
        for (const Engine& engine : engines()) {
            addresses << engine.queryAddress(EnginePages::loopbackTemplate(engine, server.port()), site);
            queried << &engine;
        }
    }
    PageFetcher fetcher;
    qsizetype next = 0;
    bool done = false;
    qsizetype counted = 0;
    QObject::connect(&fetcher, &PageFetcher::finished, [&](const QString& page) {
        // Reading the count is part of a query's work in a scan too.
        counted += parseEngineCount(page, *queried[next - 1]).size();
        if (next < addresses.size())
            fetcher.fetch(addresses[next++]);
        else
            done = true;
    });
    StallMeter stalls;
    QElapsedTimer clock;
    clock.start();
    stalls.start();
    fetcher.fetch(addresses[next++]);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const Figures figures{clock.nsecsElapsed() / 1e9, stalls.stop()};
    if (counted == 0)
        qWarning("No page held a count.");
    return figures;
}

Figures scan(MainWindow& window, const QStringList& sites)
{
    auto* list = window.findChild<QListWidget*>(QStringLiteral("List1"));
    list->clear();
    window.urlListCommands()->appendUrls(sites);
    ScanController* controller = window.scanController();
    bool ended = false;
    const auto connection = QObject::connect(controller, &ScanController::scanEnded, [&] { ended = true; });
    StallMeter stalls;
    QElapsedTimer clock;
    clock.start();
    stalls.start();
    controller->start();
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = clock.nsecsElapsed() / 1e9;
    // Whatever the end of the scan left for the event loop (a repaint of the
    // sorted table) counts as part of it.
    QCoreApplication::processEvents();
    const Figures figures{seconds, stalls.stop()};
    QObject::disconnect(connection);
    return figures;
}

Figures commandLineScan(TestContext& test, const QString& listFile)
{
    QByteArray csv;
    QBuffer output(&csv);
    output.open(QIODevice::WriteOnly);
    QString messages;
    QTextStream stream(&messages);
    StallMeter stalls;
    QElapsedTimer clock;
    clock.start();
    stalls.start();
    CommandLineScan(test.folder.folder(), test.folder.settings(), test.clock)
        .run({listFile, QStringLiteral("-"), false, true}, output, stream);
    return {clock.nsecsElapsed() / 1e9, stalls.stop()};
}

// The high-water mark of a process's resident memory in MiB, as Linux keeps
// it; -1 where there is none to read.
double peakResidentMiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// The built program's scan, start-up included; its peak resident memory in
// MiB, or -1 where the platform does not tell.
Figures programScan(TestContext& test, const QString& listFile, double& peakMiB)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUORVEX_HOME"), test.folder.path());
    program.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(QUORVEX_PROGRAM), {QStringLiteral("--scan"), listFile, QStringLiteral("--csv"),
                                                    test.folder.filePath("out.csv"), QStringLiteral("--quiet")});
    // The loopback server answers from this event loop; the mark is read
    // while the program runs, as it goes with the process.
    peakMiB = -1;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout,
                     [&] { peakMiB = std::max(peakMiB, peakResidentMiB(program.processId())); });
    sampler.start(20);
    while (program.state() != QProcess::NotRunning)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (program.exitCode() != 0)
        qWarning("The program ended with %d: %s", program.exitCode(), program.readAllStandardError().constData());
    return {seconds, 0};
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int siteCount = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    const int queries = siteCount * engineCount;
    QTextStream out(stdout);

    LoopbackHttpServer server;
    server.setHandler([](const LoopbackHttpServer::Request& request) {
        const auto query = EnginePages::recognise(request.target);
        if (!query)
            return LoopbackHttpServer::Response::page("<html><body>Not Found</body></html>", 404);
        return LoopbackHttpServer::Response::page(
            EnginePages::resultPage(query->engineNumber, EnginePages::demoCount(query->site, query->engineNumber)));
    });
    const QStringList sites = siteList(siteCount);

    TestContext test;
    test.folder.writeFile(QStringLiteral("settings.ini"), EnginePages::loopbackSettingsIni(server.port()));
    test.folder.settings().setShowHelpAtStart(false);
    MainWindow window(test.context, test.makeBrowser);
    // "hidden" leaves the window unshown, which tells the painting's share.
    const bool shown = !(argc > 2 && QByteArray(argv[2]) == "hidden");
    if (shown)
        window.show();
    if (shown && !QTest::qWaitForWindowExposed(&window)) {
        out << "The window did not show.\n";
        return 1;
    }

    // Once each to warm up connections and caches, then the figures.
    bareFetches(server, siteList(20));
    scan(window, siteList(20));

    const Figures bare = bareFetches(server, sites);
    const Figures scanned = scan(window, sites);
    const int rows = window.results()->rowCount();

    // A second scan with the first one's rows kept: work that grows with
    // the table would show here.
    test.folder.settings().setClearBeforeScan(false);
    const Figures kept = scan(window, sites);

    // The template read before every query, alone.
    QElapsedTimer readClock;
    readClock.start();
    qsizetype readSize = 0;
    for (int i = 0; i < queries; ++i)
        readSize += readIniKey(QStringLiteral("Engines"), QStringLiteral("ATW"), QString(),
                               test.folder.filePath(QStringLiteral("settings.ini")))
                        .size();
    const double readMs = readClock.nsecsElapsed() / 1e6 / queries;

    const QString listFile = test.folder.filePath(QStringLiteral("Lists/bench.txt"));
    QString error;
    UrlListFile::write(listFile, sites, error);
    const Figures lineScan = commandLineScan(test, listFile);
    double peakMiB = -1;
    const Figures programmed = programScan(test, listFile, peakMiB);

    const auto perQueryMs = [&](const Figures& figures) { return figures.seconds * 1000.0 / queries; };
    out << "Sites " << siteCount << ", queries " << queries << ", rows after the scan " << rows << "\n";
    out << "Bare fetch loop:        " << queries / bare.seconds << " queries/s, " << perQueryMs(bare)
        << " ms per query, longest event-loop stall " << bare.longestStallMs << " ms\n";
    out << "Scan in the window:     " << queries / scanned.seconds << " queries/s, " << perQueryMs(scanned)
        << " ms per query, longest event-loop stall " << scanned.longestStallMs << " ms\n";
    out << "Scan above " << rows << " rows: " << queries / kept.seconds << " queries/s, " << perQueryMs(kept)
        << " ms per query, longest event-loop stall " << kept.longestStallMs << " ms\n";
    out << "Command-line scan:      " << queries / lineScan.seconds << " queries/s, " << perQueryMs(lineScan)
        << " ms per query (" << perQueryMs(lineScan) / perQueryMs(bare) << " x the bare loop)\n";
    out << "quorvex --scan:         " << queries / programmed.seconds << " queries/s, " << perQueryMs(programmed)
        << " ms per query with start-up (" << perQueryMs(programmed) / perQueryMs(bare)
        << " x the bare loop), peak resident memory " << peakMiB << " MiB; goals 1.1 x, 60 MiB\n";
    out << "Template read from settings.ini: " << readMs << " ms per query" << (readSize ? "" : " (nothing read)")
        << "\n";
    out << "Scan overhead per query: " << perQueryMs(scanned) - perQueryMs(bare) << " ms (with kept rows "
        << perQueryMs(kept) - perQueryMs(bare) << " ms); goal below 1 ms, stalls below 50 ms\n";
    return 0;
}

// Times a scan of 1000 sites in the real main window (offscreen) against a
// loopback server that answers at once in the engines' page formats, next to
// a bare loop of page fetches of the same addresses and the command-line scan
// (in this process, and as the built program with its peak memory). Prints
// queries per second, the scans' time against the bare fetch loop, the
// longest time the event loop went without handling events (a 1 ms timer's
// largest gap) during scans that end with 1000 and with 5000 rows in the
// table, and the time to sort the largest table by a column. The scans and
// sorts run several rounds, interleaved, and the best time of each counts
// (the longest stall of any round): this machine's speed varies between
// runs. Run by hand; a Release build gives the figures that count.
//
//   bench_scan [sites [hidden]] [--rounds N]

#include "app/MainWindow.h"
#include "base/IniDocument.h"
#include "base/UserSettings.h"
#include "engines/CountExtraction.h"
#include "engines/EngineTable.h"
#include "lists/UrlListCommands.h"
#include "lists/UrlListFile.h"
#include "loopback/EnginePages.h"
#include "loopback/LoopbackHttpServer.h"
#include "results/ResultsView.h"
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
#include <ctime>
#include <random>

namespace {

struct Figures
{
    double seconds = 0;
    // The process's processor time, all threads (the loopback server's and
    // the network's included): less disturbed than the wall-clock time by
    // other work on the machine.
    double processorSeconds = 0;
    double longestStallMs = 0;
};

// The time a step takes, and the largest gap between two ticks of a 1 ms
// timer while it runs: the longest the event loop went without handling
// events.
class Meter
{
public:
    Meter()
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
        m_processorStart = std::clock();
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }

    Figures stop()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_timer.stop();
        m_longest = std::max(m_longest, now - m_last);
        return {now / 1e9, double(std::clock() - m_processorStart) / CLOCKS_PER_SEC, m_longest / 1e6};
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::clock_t m_processorStart = 0;
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
    Meter meter;
    meter.start();
    fetcher.fetch(addresses[next++]);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const Figures figures = meter.stop();
    if (counted == 0)
        qWarning("No page held a count.");
    return figures;
}

// Rows as a finished scan leaves them, with counts spread over several
// orders of magnitude, some equal and some missing.
QList<ResultRow> scannedRows(int count)
{
    std::mt19937 random(17);
    std::uniform_int_distribution<int> digits(0, 9);
    QList<ResultRow> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        QStringList cells;
        for (int engine = 0; engine < engineCount; ++engine) {
            qint64 limit = 1;
            for (int length = digits(random); length > 0; --length)
                limit *= 10;
            cells << (limit == 1 ? QString() : QString::number(random() % limit));
        }
        rows << ResultRow::completed(QStringLiteral("www.kept-%1.example.com").arg(i), cells, RankThresholds{});
    }
    return rows;
}

Figures scan(MainWindow& window, const QStringList& sites)
{
    auto* list = window.findChild<QListWidget*>(QStringLiteral("List1"));
    list->clear();
    window.urlListCommands()->appendUrls(sites);
    // The list is shown before Start is pressed, as it is for a user.
    QCoreApplication::processEvents();
    ScanController* controller = window.scanController();
    bool ended = false;
    const auto connection = QObject::connect(controller, &ScanController::scanEnded, [&] { ended = true; });
    Meter meter;
    meter.start();
    controller->start();
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // Whatever the end of the scan left for the event loop (a repaint of the
    // sorted table) counts as part of it.
    QCoreApplication::processEvents();
    const Figures figures = meter.stop();
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
    Meter meter;
    meter.start();
    CommandLineScan(test.folder.folder(), test.folder.settings(), test.clock)
        .run({listFile, QStringLiteral("-"), false, true}, output, stream);
    return meter.stop();
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
    return {seconds, 0, 0};
}

// A scan of the sites in the window over a table that already holds the
// kept rows, with clearing before the scan off, as a user adding to earlier
// results has it.
Figures scanOver(MainWindow& window, TestContext& test, const QStringList& sites, const QList<ResultRow>& kept)
{
    test.folder.settings().setClearBeforeScan(false);
    window.results()->setRows(kept);
    QCoreApplication::processEvents();
    const Figures figures = scan(window, sites);
    test.folder.settings().setClearBeforeScan(true);
    return figures;
}

// Milliseconds to sort the table of the window by a column as the header
// click does, and with the repaint that follows.
struct SortFigures
{
    double sortMs = 0;
    double withRepaintMs = 0;
};

SortFigures sortTable(MainWindow& window, int column, Qt::SortOrder order)
{
    QElapsedTimer clock;
    clock.start();
    window.resultsView()->sortByColumn(column, order);
    const double sortMs = clock.nsecsElapsed() / 1e6;
    QCoreApplication::processEvents();
    return {sortMs, clock.nsecsElapsed() / 1e6};
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    int rounds = 3;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--rounds")); at >= 0) {
        rounds = std::max(1, arguments.value(at + 1).toInt());
        arguments.remove(at, std::min<qsizetype>(2, arguments.size() - at));
    }
    const int siteCount = arguments.isEmpty() ? 1000 : arguments.first().toInt();
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
    const bool shown = arguments.value(1) != QLatin1String("hidden");
    if (shown)
        window.show();
    if (shown && !QTest::qWaitForWindowExposed(&window)) {
        out << "The window did not show.\n";
        return 1;
    }

    // Once each to warm up connections and caches, then the figures.
    bareFetches(server, siteList(20));
    scan(window, siteList(20));

    // The best time of the rounds, with the longest stall of any.
    const auto keepBest = [](Figures& best, const Figures& round) {
        const double stall = std::max(best.longestStallMs, round.longestStallMs);
        if (best.seconds == 0 || round.seconds < best.seconds)
            best = round;
        best.longestStallMs = stall;
    };
    const auto keepFastest = [](SortFigures& best, const SortFigures& round) {
        if (best.sortMs == 0 || round.sortMs < best.sortMs)
            best = round;
    };
    // Scans with the rows of earlier ones kept: work that grows with the
    // table would show there, up to the largest table a stall is judged at.
    constexpr int largestScannedTable = 5000;
    constexpr int sortedRows = 32767;
    Figures bare, scanned, kept, keptMost;
    SortFigures totalUp, totalDown, countUp, domainUp;
    int rows = 0, keptRows = 0, keptMostRows = 0;
    for (int round = 0; round < rounds; ++round) {
        keepBest(bare, bareFetches(server, sites));
        keepBest(scanned, scan(window, sites));
        rows = window.results()->rowCount();
        keepBest(kept, scanOver(window, test, sites, scannedRows(rows)));
        keptRows = window.results()->rowCount();
        keepBest(keptMost, scanOver(window, test, sites,
                                    scannedRows(std::max(0, largestScannedTable - static_cast<int>(sites.size())))));
        keptMostRows = window.results()->rowCount();

        // The largest table, sorted by total both ways, by a count and by
        // site, as header clicks sort it.
        window.results()->setRows(scannedRows(sortedRows));
        QCoreApplication::processEvents();
        keepFastest(totalUp, sortTable(window, ResultsColumns::total, Qt::AscendingOrder));
        keepFastest(totalDown, sortTable(window, ResultsColumns::total, Qt::DescendingOrder));
        keepFastest(countUp, sortTable(window, ResultsColumns::firstEngine, Qt::AscendingOrder));
        keepFastest(domainUp, sortTable(window, ResultsColumns::domainName, Qt::AscendingOrder));
        // The next round starts as the first did: no results and no web
        // results, whose clearing would count as the next scan's.
        window.clearResults();
        QCoreApplication::processEvents();
    }

    // The template read before every query, alone.
    QElapsedTimer readClock;
    readClock.start();
    qsizetype readSize = 0;
    for (int i = 0; i < queries; ++i) {
        IniDocument settings;
        settings.load(test.folder.filePath(QStringLiteral("settings.ini")));
        readSize += settings.value(QStringLiteral("Engines"), QStringLiteral("ATW")).value_or(QString()).size();
    }
    const double readMs = readClock.nsecsElapsed() / 1e6 / queries;

    const QString listFile = test.folder.filePath(QStringLiteral("Lists/bench.txt"));
    QString error;
    UrlListFile::write(listFile, sites, error);
    Figures lineScan, programmed;
    double peakMiB = -1;
    for (int round = 0; round < rounds; ++round) {
        keepBest(lineScan, commandLineScan(test, listFile));
        double roundPeakMiB = -1;
        keepBest(programmed, programScan(test, listFile, roundPeakMiB));
        peakMiB = std::max(peakMiB, roundPeakMiB);
    }

    const auto perQueryMs = [&](const Figures& figures) { return figures.seconds * 1000.0 / queries; };
    // Against the bare loop: in time, and in processor time.
    const auto ratios = [&](const Figures& figures) {
        return QStringLiteral("%1 x the bare loop (processor time %2 x)")
            .arg(figures.seconds / bare.seconds, 0, 'f', 2)
            .arg(figures.processorSeconds / bare.processorSeconds, 0, 'f', 2);
    };
    const auto stalls = [](const Figures& figures) {
        return QStringLiteral("longest event-loop stall %1 ms").arg(figures.longestStallMs, 0, 'f', 1);
    };
    out << "Sites " << siteCount << ", queries " << queries << ", best of " << rounds << " rounds\n";
    out << "Bare fetch loop:          " << queries / bare.seconds << " queries/s, " << perQueryMs(bare)
        << " ms per query, " << stalls(bare) << "\n";
    out << "Scan in the window:       " << perQueryMs(scanned) << " ms per query, " << ratios(scanned)
        << "; goal 1.1 x\n";
    out << "Command-line scan:        " << perQueryMs(lineScan) << " ms per query, " << ratios(lineScan)
        << "; goal 1.1 x\n";
    out << "quorvex --scan:           " << perQueryMs(programmed) << " ms per query with start-up, "
        << programmed.seconds / bare.seconds << " x the bare loop, peak resident memory " << peakMiB
        << " MiB; goal 60 MiB\n";
    out << "Window scan to " << rows << " rows:   " << stalls(scanned) << "\n";
    out << "  over " << keptRows - rows << " kept rows: " << perQueryMs(kept) << " ms per query, " << ratios(kept)
        << ", " << stalls(kept) << "; goal 1.1 x\n";
    out << "  over " << keptMostRows - rows << " kept rows: " << perQueryMs(keptMost) << " ms per query, "
        << ratios(keptMost) << ", " << stalls(keptMost) << "; goal 1.1 x, stalls under 16 ms up to "
        << largestScannedTable << " rows\n";
    out << "Template read from settings.ini: " << readMs << " ms per query" << (readSize ? "" : " (nothing read)")
        << "\n";
    const auto sortLine = [&](const char* what, const SortFigures& figures, const char* goal) {
        out << "Sort of " << sortedRows << " rows by " << what << ": " << figures.sortMs << " ms, "
            << figures.withRepaintMs << " ms with the repaint" << goal << "\n";
    };
    sortLine("total, ascending", totalUp, "; goal 30 ms");
    sortLine("total, descending", totalDown, "; goal 30 ms");
    sortLine("the first count", countUp, "; goal 30 ms");
    sortLine("domain name", domainUp, "; goal 30 ms");
    return 0;
}

// Times scans that ask a site's six engines one at a time against scans that
// ask them at the same time, in the window (offscreen) and on the command
// line (in this process), against a loopback server that answers every query
// in the engine's page format after a fixed pause. Prints each scan's time,
// the ratio, whether both ways gave the same CSV, and the most queries one
// engine had at once. Run by hand; a Release build gives the figures that
// count.
//
//   bench_parallel_engines [sites [delay-ms]]     (defaults: 100 sites, 100 ms)

#include "app/MainWindow.h"
#include "base/UserSettings.h"
#include "engines/EngineTable.h"
#include "lists/UrlListCommands.h"
#include "lists/UrlListFile.h"
#include "loopback/EnginePages.h"
#include "loopback/LoopbackHttpServer.h"
#include "results/ResultsCsv.h"
#include "results/ScanResults.h"
#include "scan/CommandLineScan.h"
#include "scan/ScanController.h"
#include "support/TestContext.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>
#include <QTextStream>

#include <algorithm>

namespace {

QStringList siteList(int count)
{
    QStringList sites;
    for (int i = 0; i < count; ++i)
        sites << QStringLiteral("www.site-%1.example.com").arg(i);
    return sites;
}

struct Timed
{
    double seconds = 0;
    QByteArray csv;
};

Timed windowScan(MainWindow& window, UserSettings& settings, const QStringList& sites, bool atOnce)
{
    settings.setParallelEngines(atOnce);
    auto* list = window.findChild<QListWidget*>(QStringLiteral("List1"));
    list->clear();
    window.urlListCommands()->appendUrls(sites);
    ScanController* controller = window.scanController();
    bool ended = false;
    const auto connection = QObject::connect(controller, &ScanController::scanEnded, [&] { ended = true; });
    QElapsedTimer clock;
    clock.start();
    controller->start();
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = clock.nsecsElapsed() / 1e9;
    QObject::disconnect(connection);
    return {seconds, ResultsCsv::encode(window.results()->sourceColumns(), window.results()->rows())};
}

Timed commandLineScan(TestContext& test, const QString& listFile, bool atOnce)
{
    QByteArray csv;
    QBuffer output(&csv);
    output.open(QIODevice::WriteOnly);
    QString messages;
    QTextStream stream(&messages);
    QElapsedTimer clock;
    clock.start();
    CommandLineScan(test.folder.folder(), test.folder.settings(), test.clock)
        .run({listFile, QStringLiteral("-"), false, true, atOnce}, output, stream);
    return {clock.nsecsElapsed() / 1e9, csv};
}

int mostAtOnceOfOneEngine(const LoopbackHttpServer& server)
{
    int most = 0;
    for (const Engine& engine : engines())
        most = std::max(most, server.maxOverlap(QString::number(engine.number)));
    return most;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int siteCount = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100;
    const int delayMs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 100;
    QTextStream out(stdout);

    LoopbackHttpServer server;
    server.setHandler([delayMs](const LoopbackHttpServer::Request& request) {
        const auto query = EnginePages::recognise(request.target);
        if (!query)
            return LoopbackHttpServer::Response::page("<html><body>Not Found</body></html>", 404);
        LoopbackHttpServer::Response response = LoopbackHttpServer::Response::page(
            EnginePages::resultPage(query->engineNumber, EnginePages::demoCount(query->site, query->engineNumber)));
        response.delayMs = delayMs;
        return response;
    });
    server.setGrouping([](const LoopbackHttpServer::Request& request) {
        const auto query = EnginePages::recognise(request.target);
        return query ? QString::number(query->engineNumber) : request.path();
    });
    const QStringList sites = siteList(siteCount);

    TestContext test;
    test.folder.writeFile(QStringLiteral("settings.ini"), EnginePages::loopbackSettingsIni(server.port()));
    test.folder.settings().setShowHelpAtStart(false);
    MainWindow window(test.context, test.makeBrowser);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        out << "The window did not show.\n";
        return 1;
    }
    const QString listFile = test.folder.filePath(QStringLiteral("Lists/bench.txt"));
    QString error;
    if (!UrlListFile::write(listFile, sites, error)) {
        out << "The list file could not be written: " << error << "\n";
        return 1;
    }

    // Once each way to warm up connections.
    windowScan(window, test.folder.settings(), siteList(2), false);
    windowScan(window, test.folder.settings(), siteList(2), true);
    server.clearRequests();

    const Timed windowOne = windowScan(window, test.folder.settings(), sites, false);
    const Timed windowAll = windowScan(window, test.folder.settings(), sites, true);
    const Timed lineOne = commandLineScan(test, listFile, false);
    const Timed lineAll = commandLineScan(test, listFile, true);

    out << "Sites " << siteCount << ", queries " << siteCount * engineCount << ", every answer after " << delayMs
        << " ms\n";
    const auto report = [&](const char* name, const Timed& one, const Timed& all) {
        out << name << one.seconds << " s one at a time, " << all.seconds
            << " s at the same time: " << one.seconds / all.seconds << " x faster; results "
            << (one.csv == all.csv ? "identical" : "DIFFER") << "\n";
    };
    report("Scan in the window: ", windowOne, windowAll);
    report("Command-line scan:  ", lineOne, lineAll);
    out << "Most queries of one engine at once: " << mostAtOnceOfOneEngine(server)
        << "; most queries at once: " << server.maxOverlap() << "; goal at least 5 x\n";
    return 0;
}

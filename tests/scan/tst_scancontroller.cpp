#include "EngineServer.h"
#include "app/MainMenus.h"
#include "app/MainStatusBar.h"
#include "app/MainWindow.h"
#include "app/ToolStrip.h"
#include "charts/ChartPanel.h"
#include "charts/ChartWidget.h"
#include "engines/EngineTable.h"
#include "lists/UrlListCommands.h"
#include "lists/UrlPanel.h"
#include "loopback/EnginePages.h"
#include "results/ResultsSortProxy.h"
#include "results/ResultsView.h"
#include "results/ScanResults.h"
#include "scan/ScanController.h"
#include "scan/ScanDriver.h"
#include "scan/ScanLog.h"
#include "scan/ScanLogWindow.h"
#include "support/EventCounter.h"
#include "support/ModelTexts.h"
#include "support/TestContext.h"
#include "webview/WebViewPanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

const QStringList webRowTypes{"Home Page", "Google", "AltaVista", "Yahoo", "Ask", "MSN", "AllTheWeb"};

QList<qint64> totalsOf(const QAbstractItemModel* results)
{
    QList<qint64> totals;
    for (const QString& text : columnTexts(results, 1))
        totals << text.toLongLong();
    return totals;
}

int rowOf(const ScanResults* results, const QString& site)
{
    return static_cast<int>(columnTexts(results, 0).indexOf(site));
}

// The rank icon the table shows for a row: 1..3, 0 for none, -1 for another.
int rankShown(const QTableView* table, int row)
{
    const QVariant icon = table->model()->index(row, 0).data(Qt::DecorationRole);
    for (int rank = 1; rank <= 3; ++rank) {
        if (icon.value<QIcon>().cacheKey() == rankIcon(rank).cacheKey())
            return rank;
    }
    return icon.isValid() ? -1 : 0;
}

// The real main window scanning against an engine server, with what the
// window showed after every query and at the chart's moment written down.
struct ScanWindow
{
    ScanWindow()
    {
        test.folder.writeFile(QStringLiteral("settings.ini"), server.settingsIni());
        scan = window.scanController();
        table = window.resultsView()->table();
        results = window.results();
        shown = window.resultsView()->shownResults();
        webRows = window.webViewPanel()->resultsList();
        progress = window.statusPanels()->progressBar();
        start = window.toolStrip()->startButton();
        stop = window.toolStrip()->stopButton();
        // Connected after the window's own handling, so these see its result.
        QObject::connect(scan->driver(), &ScanDriver::engineDone, [this] {
            statusTexts << window.statusPanels()->panelText(1);
            progressValues << progress->value();
        });
        QObject::connect(&window, &MainWindow::currentResultsChartRequested, [this](const QList<ResultRow>& rows) {
            ++chartRequests;
            totalsAtChart.clear();
            for (const ResultRow& row : rows)
                totalsAtChart << row.total.value_or(0);
        });
    }

    // Points the engines at another server's port, in settings.ini.
    void moveEngines(const QList<int>& engineNumbers, quint16 port)
    {
        QByteArray ini = server.settingsIni();
        for (const int number : engineNumbers) {
            const Engine& engine = *engineByNumber(number);
            ini.replace(EnginePages::loopbackTemplate(engine, server.port()).toLatin1(),
                        EnginePages::loopbackTemplate(engine, port).toLatin1());
        }
        test.folder.writeFile(QStringLiteral("settings.ini"), ini);
    }

    void setSites(const QStringList& sites)
    {
        window.findChild<QListWidget*>(QStringLiteral("List1"))->clear();
        window.urlListCommands()->appendUrls(sites);
    }

    UserSettings& settings() { return test.folder.settings(); }

    // Every engine of the site answers with no results except Ask, which
    // reports the whole total.
    void setTotal(const QString& site, qint64 total)
    {
        for (int engine = 1; engine <= engineCount; ++engine)
            server.setCount(site, engine, engine == 4 ? total : EngineServer::noResults);
    }

    bool runScan()
    {
        QSignalSpy ended(scan, &ScanController::scanEnded);
        start->click();
        return scan->isScanning() && ended.wait(60000);
    }

    QStringList expectedRow(const QString& site) const
    {
        QStringList cells{site, QString()};
        qint64 total = 0;
        for (int engine = 1; engine <= engineCount; ++engine) {
            cells << server.expectedCell(site, engine);
            total += cells.last().toLongLong();
        }
        cells[1] = QString::number(total);
        return cells;
    }

    EngineServer server;
    TestContext test;
    MainWindow window{test.context, test.makeBrowser};
    ScanController* scan;
    QTableView* table;
    ScanResults* results;
    ResultsSortProxy* shown;
    QTreeWidget* webRows;
    QProgressBar* progress;
    QAbstractButton* start;
    QAbstractButton* stop;
    QStringList statusTexts;
    QList<int> progressValues;
    int chartRequests = 0;
    QList<qint64> totalsAtChart;
};

} // namespace

class ScanControllerTest : public QObject
{
    Q_OBJECT

private slots:
    // With the engines asked at the same time, answering in another order
    // than the table's, everything the window shows is the same but the
    // order of the status texts.
    void scanOfThreeSites_data()
    {
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("one engine at a time") << false;
        QTest::newRow("six engines at the same time") << true;
    }

    void scanOfThreeSites()
    {
        QFETCH(bool, atOnce);
        ScanWindow scan;
        scan.settings().setParallelEngines(atOnce);
        // The last engines answer first.
        for (int engine = 1; engine <= engineCount; ++engine)
            scan.server.setEngineDelay(engine, (engineCount - engine) * 20);
        // Listed in an order that neither sort keeps.
        const QStringList sites{"www.medium.example", "www.high.example", "www.low.example"};
        scan.setTotal(sites[0], 700);
        scan.server.setCount(sites[1], 1, 1234567);
        scan.server.setCount(sites[1], 2, 5678);
        scan.server.setCount(sites[1], 3, EngineServer::noResults);
        scan.server.setCount(sites[1], 4, 56);
        scan.server.setCount(sites[1], 5, 2345);
        scan.server.setCount(sites[1], 6, 120345);
        scan.setTotal(sites[2], 300);
        scan.setSites(sites);

        QVERIFY(scan.progress->isHidden());
        QSignalSpy ended(scan.scan, &ScanController::scanEnded);
        scan.start->click();
        // Scanning: the window says so and Stop is available.
        QCOMPARE(scan.start->text(), QStringLiteral("Searching..."));
        QVERIFY(!scan.start->isEnabled());
        QVERIFY(scan.stop->isEnabled());
        QVERIFY(scan.window.menus().stop->isEnabled());
        QVERIFY(scan.window.menus().scan->isEnabled());
        QVERIFY(!scan.progress->isHidden());
        QCOMPARE(scan.progress->minimum(), 0);
        QCOMPARE(scan.progress->maximum(), 18);
        QCOMPARE(scan.progress->value(), 0);
        QVERIFY(ended.wait(60000));
        QVERIFY(scan.window.statusPanels()->updatesEnabled());
        QVERIFY(scan.table->updatesEnabled());
        QVERIFY(scan.webRows->updatesEnabled());

        QCOMPARE(scan.results->rowCount(), 3);
        QCOMPARE(rowTexts(scan.shown, 0),
                 QStringList({"www.high.example", "1362991", "1234567", "5678", "0", "56", "2345", "120345"}));
        QCOMPARE(rowTexts(scan.shown, 1), QStringList({"www.medium.example", "700", "0", "0", "0", "700", "0", "0"}));
        QCOMPARE(rowTexts(scan.shown, 2), QStringList({"www.low.example", "300", "0", "0", "0", "300", "0", "0"}));
        QCOMPARE(rankShown(scan.table, 0), 3);
        QCOMPARE(rankShown(scan.table, 1), 2);
        QCOMPARE(rankShown(scan.table, 2), 1);

        QStringList expectedWebRows;
        for (const QString& site : sites) {
            for (const QString& type : webRowTypes)
                expectedWebRows << type + u'|' + site;
        }
        QStringList webRows;
        for (int row = 0; row < scan.webRows->topLevelItemCount(); ++row)
            webRows << scan.webRows->topLevelItem(row)->text(0) + u'|' + scan.webRows->topLevelItem(row)->text(1);
        QCOMPARE(webRows, expectedWebRows);

        // The status and the progress follow the queries at most once per
        // repaint: the first answer shows at once, a later one shows no
        // query answered after it, and the end shows every step.
        QStringList expectedStatus;
        for (const QString& site : sites) {
            for (const Engine& engine : engines())
                expectedStatus << QStringLiteral("Scanning ") + site + QStringLiteral(" on ") + engine.statusName();
        }
        QCOMPARE(scan.statusTexts.size(), expectedStatus.size());
        QCOMPARE(scan.progressValues.first(), 1);
        qsizetype shownBefore = 0;
        for (qsizetype query = 0; query < scan.statusTexts.size(); ++query) {
            const qsizetype shown = expectedStatus.indexOf(scan.statusTexts[query]);
            QVERIFY2(shown >= 0, qPrintable(scan.statusTexts[query]));
            QVERIFY(scan.progressValues[query] <= query + 1);
            if (query > 0)
                QVERIFY(scan.progressValues[query] >= scan.progressValues[query - 1]);
            if (!atOnce) {
                QVERIFY(shown <= query && shown >= shownBefore);
                shownBefore = shown;
            }
        }
        if (!atOnce) {
            QCOMPARE(scan.statusTexts.first(), expectedStatus.first());
            // Answers 300 ms a site apart move the status on during the scan.
            QVERIFY(shownBefore >= expectedStatus.size() / 2);
        }
        QCOMPARE(scan.progress->value(), 18);
        QCOMPARE(scan.server.http().maxOverlap() > 1, atOnce);
        for (int engine = 1; engine <= engineCount; ++engine)
            QCOMPARE(scan.server.maxOverlap(engine), 1);
        QCOMPARE(scan.window.statusPanels()->panelText(1), QStringLiteral("Search Complete.  Found 1363991 links."));

        // The chart saw the table sorted by total, smallest first; the table
        // ends largest first.
        QCOMPARE(scan.chartRequests, 1);
        QCOMPARE(scan.totalsAtChart, QList<qint64>({300, 700, 1362991}));
        QCOMPARE(totalsOf(scan.shown), QList<qint64>({1362991, 700, 300}));
        // The chart view shows those rows: one series per site in the
        // ascending order, scaled by the first (smallest) site.
        const ChartGrid& chart = scan.window.chartPanel()->chart()->grid();
        QCOMPARE(chart.title(), QStringLiteral("Temporary Search Results"));
        QCOMPARE(chart.columnCount(), 3);
        QCOMPARE(chart.columnLabel(0), QStringLiteral("www.low.example"));
        QCOMPARE(chart.columnLabel(2), QStringLiteral("www.high.example"));
        QCOMPARE(chart.rowCount(), 6);
        QCOMPARE(chart.rowLabel(5), QStringLiteral("All The Web"));
        QCOMPARE(chart.value(0, 2), std::optional<double>(1234567));
        QCOMPARE(chart.valueAxisTitle(), QStringLiteral("Linking Sites"));

        QCOMPARE(scan.start->text(), QStringLiteral("S&tart"));
        QVERIFY(scan.start->isEnabled());
        QVERIFY(!scan.stop->isEnabled());
        QVERIFY(!scan.window.menus().stop->isEnabled());
        QVERIFY(scan.progress->isHidden());
        QVERIFY(!scan.scan->isScanning());
        QVERIFY(!scan.window.resultsView()->isScanRunning());
        QVERIFY(scan.test.prompts.shown().isEmpty());
    }

    void menuCommandsStartAndStopToo()
    {
        ScanWindow scan;
        const QStringList sites{"a.example", "b.example", "c.example"};
        scan.setSites(sites);
        QObject::connect(scan.scan->driver(), &ScanDriver::siteStarted, [&](int index) {
            if (index == 1)
                scan.window.menus().stop->trigger();
        });
        QSignalSpy ended(scan.scan, &ScanController::scanEnded);
        scan.window.menus().scan->trigger();
        QVERIFY(scan.scan->isScanning());
        QVERIFY(ended.wait(60000));
        QCOMPARE(columnTexts(scan.shown, 0), sites.first(2));
        QCOMPARE(scan.chartRequests, 0);
    }

    void demonstrationCountsFillTheCells()
    {
        ScanWindow scan;
        scan.settings().setAutoSort(false);
        const QStringList sites{"http://www.one.example/", "two.example", "www.three.example"};
        scan.setSites(sites);
        QVERIFY(scan.runScan());
        for (int row = 0; row < sites.size(); ++row)
            QCOMPARE(rowTexts(scan.shown, row), scan.expectedRow(sites[row]));
    }

    void withoutClearingASecondScanGoesAbove()
    {
        ScanWindow scan;
        scan.settings().setClearBeforeScan(false);
        scan.setTotal(QStringLiteral("first.example"), 100);
        scan.setTotal(QStringLiteral("second.example"), 200);
        scan.setTotal(QStringLiteral("third.example"), 5);
        scan.setTotal(QStringLiteral("fourth.example"), 50);
        scan.setSites({"first.example", "second.example"});
        QVERIFY(scan.runScan());
        QCOMPARE(columnTexts(scan.shown, 0), QStringList({"second.example", "first.example"}));

        // The table was left sorted; the new rows still go where the scan
        // puts them while it runs.
        QStringList topRowsWhileScanning;
        QObject::connect(scan.scan->driver(), &ScanDriver::siteFinished, [&](int index) {
            QCoreApplication::processEvents();
            topRowsWhileScanning << scan.shown->rowAt(index).site;
        });
        scan.setSites({"third.example", "fourth.example"});
        QVERIFY(scan.runScan());
        QCOMPARE(topRowsWhileScanning, QStringList({"third.example", "fourth.example"}));
        QCOMPARE(columnTexts(scan.shown, 0),
                 QStringList({"second.example", "first.example", "fourth.example", "third.example"}));
        QCOMPARE(columnTexts(scan.webRows->model(), 1).size(), 28);
        QCOMPARE(columnTexts(scan.webRows->model(), 1).mid(0, 7), QStringList(7, QStringLiteral("first.example")));
        QCOMPARE(columnTexts(scan.webRows->model(), 1).mid(14, 7), QStringList(7, QStringLiteral("third.example")));
    }

    void withoutClearingOrSortingRowsStayInScanOrder()
    {
        ScanWindow scan;
        scan.settings().setClearBeforeScan(false);
        scan.settings().setAutoSort(false);
        scan.setSites({"a.example", "b.example"});
        QVERIFY(scan.runScan());
        scan.setSites({"c.example", "d.example", "e.example"});
        QVERIFY(scan.runScan());
        QCOMPARE(columnTexts(scan.shown, 0),
                 QStringList({"c.example", "d.example", "e.example", "a.example", "b.example"}));
        // Without auto-sort the chart is still rebuilt.
        QCOMPARE(scan.chartRequests, 2);
    }

    void clearingIsTheDefault()
    {
        ScanWindow scan;
        scan.setSites({"a.example"});
        QVERIFY(scan.runScan());
        scan.setSites({"b.example"});
        QVERIFY(scan.runScan());
        QCOMPARE(columnTexts(scan.shown, 0), QStringList({"b.example"}));
        QCOMPARE(columnTexts(scan.webRows->model(), 1), QStringList(7, QStringLiteral("b.example")));
    }

    void stopDuringTheThirdOfFiveSites()
    {
        ScanWindow scan;
        const QStringList sites{"s1.example", "s2.example", "s3.example", "s4.example", "s5.example"};
        // Totals rising in list order: a sort would reverse the rows.
        for (int i = 0; i < sites.size(); ++i)
            scan.setTotal(sites[i], 100 * (i + 1));
        scan.setSites(sites);
        bool stopShown = false;
        QObject::connect(scan.scan->driver(), &ScanDriver::engineDone, [&](int index, const QString&, int engine) {
            if (index == 2 && engine == 3 && !stopShown) {
                stopShown = true;
                scan.stop->click();
                // Stop hides the progress bar at once; the scan finishes its site.
                QVERIFY(scan.progress->isHidden());
                QCOMPARE(scan.start->text(), QStringLiteral("Searching..."));
                QVERIFY(scan.stop->isEnabled());
            }
        });
        QVERIFY(scan.runScan());
        QVERIFY(stopShown);

        QCOMPARE(scan.results->rowCount(), 3);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(rowTexts(scan.shown, row), scan.expectedRow(sites[row]));
            QCOMPARE(rankShown(scan.table, row), 1);
        }
        QCOMPARE(scan.webRows->topLevelItemCount(), 21);
        QCOMPARE(scan.server.http().requestCount(), 18);
        QCOMPARE(scan.window.statusPanels()->panelText(1), QStringLiteral("Scan stopped."));
        QCOMPARE(scan.chartRequests, 0);
        QCOMPARE(scan.start->text(), QStringLiteral("S&tart"));
        QVERIFY(scan.start->isEnabled());
        QVERIFY(!scan.stop->isEnabled());
        QVERIFY(!scan.window.menus().stop->isEnabled());
        QVERIFY(scan.progress->isHidden());
        QVERIFY(!scan.window.resultsView()->isScanRunning());
        QVERIFY(scan.window.statusPanels()->updatesEnabled());
        QVERIFY(scan.table->updatesEnabled());
    }

    void windowIsRepaintedDuringTheScan()
    {
        ScanWindow scan;
        scan.settings().setShowHelpAtStart(false);
        scan.server.setDelay(30);
        scan.setSites({"a.example", "b.example"});
        scan.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scan.window));
        // Paints of the status bar and the table while the scan runs: they
        // are held back between repaints, but never stopped.
        EventCounter paints(QEvent::Paint);
        paints.watch(scan.window.statusPanels());
        paints.watch(scan.table->viewport());
        int paintsAtSecondSite = -1;
        QObject::connect(scan.scan->driver(), &ScanDriver::siteStarted, [&](int index) {
            if (index == 1)
                paintsAtSecondSite = paints.count(scan.table->viewport());
        });
        QVERIFY(scan.runScan());
        QVERIFY(paints.count(scan.window.statusPanels()) > 0);
        QVERIFY(paintsAtSecondSite > 0);
        QVERIFY(scan.window.statusPanels()->updatesEnabled());
    }

    void stopDuringTheLastSiteLetsTheScanEndAndIsForgotten()
    {
        ScanWindow scan;
        scan.setSites({"a.example", "b.example"});
        const auto stopAtLastSite = QObject::connect(scan.scan->driver(), &ScanDriver::siteStarted, [&](int index) {
            if (index == 1)
                scan.stop->click();
        });
        QVERIFY(scan.runScan());
        QCOMPARE(scan.results->rowCount(), 2);
        QVERIFY(scan.window.statusPanels()->panelText(1).startsWith(QStringLiteral("Search Complete.  Found ")));
        QCOMPARE(scan.chartRequests, 1);

        QObject::disconnect(stopAtLastSite);
        scan.setSites({"c.example", "d.example", "e.example"});
        QVERIFY(scan.runScan());
        QCOMPARE(scan.results->rowCount(), 3);
        QCOMPARE(scan.chartRequests, 2);
        QCOMPARE(scan.server.http().requestCount(), 30);
    }

    // Start with nothing to scan says so and takes the user to the Add
    // button; nothing else changes.
    void emptyListAsksForSites_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Start") << false;
        QTest::newRow("Start Scan") << true;
    }

    void emptyListAsksForSites()
    {
        QFETCH(bool, byMenu);
        ScanWindow scan;
        scan.settings().setShowHelpAtStart(false);
        scan.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&scan.window));
        scan.results->setRows({ResultRow{"kept.example", {}, 5, 1}});
        scan.webRows->addTopLevelItem(new QTreeWidgetItem(QStringList{"Home Page", "kept.example"}));
        scan.window.statusPanels()->setPanelText(1, QStringLiteral("before"));
        if (byMenu)
            scan.window.menus().scan->trigger();
        else
            scan.start->click();
        QTest::qWait(50);
        QCOMPARE(scan.window.statusPanels()->panelText(1), QStringLiteral("Add sites to the URL list first."));
        QCOMPARE(QApplication::focusWidget(), scan.window.urlPanel()->addButton());
        QVERIFY(!scan.scan->isScanning());
        QCOMPARE(scan.start->text(), QStringLiteral("S&tart"));
        QVERIFY(scan.start->isEnabled());
        QVERIFY(!scan.stop->isEnabled());
        QVERIFY(scan.progress->isHidden());
        QCOMPARE(scan.results->rowCount(), 1);
        QCOMPARE(scan.webRows->topLevelItemCount(), 1);
        QCOMPARE(scan.server.http().requestCount(), 0);
        QCOMPARE(scan.chartRequests, 0);
    }

    void unreachableEngineLeavesItsCellsEmpty()
    {
        ScanWindow scan;
        QByteArray ini = scan.server.settingsIni();
        ini.replace(
            EnginePages::loopbackTemplate(*engineByNumber(3), scan.server.port()).toLatin1(),
            QStringLiteral("http://127.0.0.1:%1/search?p=link:").arg(LoopbackHttpServer::closedPort()).toLatin1());
        scan.test.folder.writeFile(QStringLiteral("settings.ini"), ini);
        const QStringList sites{"a.example", "b.example"};
        scan.setSites(sites);
        QVERIFY(scan.runScan());
        for (const QString& site : sites) {
            const int row = rowOf(scan.results, site);
            QVERIFY(row >= 0);
            QCOMPARE(scan.results->row(row).engine(3).text(), QString());
            QCOMPARE(scan.results->row(row).engine(3).outcome.kind, QueryOutcome::Kind::Failed);
            QCOMPARE(scan.results->row(row).engine(3).outcome.fetch.failure, FetchFailure::ConnectionRefused);
            QCOMPARE(scan.results->row(row).engine(1).text(), scan.server.expectedCell(site, 1));
            QCOMPARE(scan.results->row(row).engine(1).outcome.kind, QueryOutcome::Kind::Counted);
        }
        QVERIFY(scan.test.prompts.shown().isEmpty());
        QCOMPARE(scan.server.http().requestCount(), 10);
    }

    // Failed queries are marked in the table, counted in the status bar
    // (whose count opens the scan log), and a scan of nothing but failures
    // says so once.
    void failedQueriesAreShown_data()
    {
        QTest::addColumn<QList<int>>("closedEngines");
        QTest::addColumn<QString>("failureText");
        QTest::addColumn<bool>("messageShown");
        QTest::addColumn<QStringList>("sites");
        QTest::addColumn<QStringList>("copiedSites"); // as the scan log's copy has them
        const QStringList plain{"a.example", "b.example"};
        QTest::newRow("all answer") << QList<int>{} << QString() << false << plain << plain;
        QTest::newRow("Ask at a closed port")
            << QList<int>{4} << QStringLiteral("2 of 12 queries failed") << false << plain << plain;
        QTest::newRow("all at a closed port")
            << QList<int>{1, 2, 3, 4, 5, 6} << QStringLiteral("12 of 12 queries failed") << true << plain << plain;
        // A spreadsheet would run these as formulas.
        QTest::newRow("sites like formulas")
            << QList<int>{} << QString() << false << QStringList{"=1+2.example", "@b.example"}
            << QStringList{"'=1+2.example", "'@b.example"};
    }

    void failedQueriesAreShown()
    {
        QFETCH(QList<int>, closedEngines);
        QFETCH(QString, failureText);
        QFETCH(bool, messageShown);
        QFETCH(QStringList, sites);
        QFETCH(QStringList, copiedSites);
        ScanWindow scan;
        scan.moveEngines(closedEngines, LoopbackHttpServer::closedPort());
        scan.setSites(sites);
        QVERIFY(scan.runScan());

        QVERIFY(scan.window.statusPanels()->panelText(1).startsWith(QStringLiteral("Search Complete.  Found ")));
        QCOMPARE(scan.window.statusPanels()->panelText(2), failureText);
        for (int row = 0; row < 2; ++row) {
            for (int engine = 1; engine <= engineCount; ++engine) {
                const QModelIndex cell = scan.table->model()->index(row, 1 + engine);
                const bool failed = closedEngines.contains(engine);
                QCOMPARE(cell.data().toString().isEmpty(), failed);
                QCOMPARE(cell.data(Qt::DecorationRole).isValid(), failed);
                QCOMPARE(cell.data(Qt::ToolTipRole).toString().contains(QStringLiteral("failed: connection refused")),
                         failed);
            }
        }
        const QStringList messages = scan.test.prompts.messages();
        QCOMPARE(messages.size(), messageShown ? 1 : 0);
        if (messageShown) {
            QVERIFY(messages.first().contains(QStringLiteral("\"connection refused\"")));
            QVERIFY(messages.first().contains(QStringLiteral("Options")));
        }

        // The count in the status bar opens the log; the menu item does too.
        auto* panel = scan.window.statusPanels()->findChild<QLabel*>(QStringLiteral("Panel2"));
        QTest::mouseClick(panel, Qt::LeftButton);
        auto* logWindow = scan.window.findChild<ScanLogWindow*>();
        QCOMPARE(logWindow != nullptr, !failureText.isEmpty());
        if (!logWindow)
            logWindow = scan.window.showScanLog();
        QVERIFY(logWindow->isVisible());
        QTableView* logTable = logWindow->table();
        QCOMPARE(logTable->model()->rowCount(), 12);

        // Ctrl+C copies the selected rows, a line each, tab-separated.
        logTable->selectRow(3);
        logTable->selectionModel()->select(logTable->model()->index(9, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        logTable->setFocus();
        QTest::keySequence(logTable, QKeySequence::Copy);
        const QStringList lines =
            QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const QStringList fields = lines[i].split(u'\t');
            QCOMPARE(fields.size(), 9);
            QCOMPARE(fields[1], copiedSites[i]);
            QCOMPARE(fields[2], engineByNumber(4)->header());
            const EngineCell& cell = scan.results->row(rowOf(scan.results, sites[i])).engine(4);
            QCOMPARE(fields[3], cell.outcome.fetch.address);
            QCOMPARE(fields[7].startsWith(QStringLiteral("failed")), closedEngines.contains(4));
            QCOMPARE(fields[8], cell.text());
        }
    }

    // The first Stop waits for the site's last query and says how to stop
    // now; the second ends the scan at once, though an engine never answers.
    void secondStopStopsNow()
    {
        ScanWindow scan;
        LoopbackHttpServer silent;
        silent.setHandler([](const LoopbackHttpServer::Request&) { return LoopbackHttpServer::Response::silence(); });
        scan.moveEngines({3}, silent.port());
        scan.setSites({"a.example", "b.example"});
        QSignalSpy asked(&silent, &LoopbackHttpServer::requestReceived);
        QSignalSpy ended(scan.scan, &ScanController::scanEnded);
        scan.start->click();
        QVERIFY(asked.wait(20000));

        scan.stop->click();
        QCOMPARE(scan.window.statusPanels()->panelText(1),
                 QStringLiteral("Stopping after a.example... press Stop again to stop now"));
        QVERIFY(scan.scan->isScanning());
        scan.stop->click();
        // Far below the fetcher's idle limit of many seconds.
        QVERIFY(ended.count() == 1 || ended.wait(2000));
        QVERIFY(!scan.scan->isScanning());
        QVERIFY(scan.start->isEnabled());
        QVERIFY(!scan.stop->isEnabled());
        QCOMPARE(scan.window.statusPanels()->panelText(1), QStringLiteral("Scan stopped."));
        QCOMPARE(scan.results->rowCount(), 1);
        const qint64 firstTwo = scan.server.expectedCell("a.example", 1).toLongLong() +
                                scan.server.expectedCell("a.example", 2).toLongLong();
        QCOMPARE(columnTexts(scan.shown, 1), QStringList({QString::number(firstTwo)}));
        QCOMPARE(scan.server.http().requestCount(), 2);
        QVERIFY(scan.test.prompts.shown().isEmpty());
    }

    void missingSettingsFileAsksForTheSiteItself()
    {
        ScanWindow scan;
        QFile::remove(scan.test.folder.filePath(QStringLiteral("settings.ini")));
        scan.server.http().setPage(QStringLiteral("/own"), "<html><body>Welcome</body></html>");
        const QString site = scan.server.address(QStringLiteral("/own"));
        scan.setSites({site});
        QVERIFY(scan.runScan());
        QCOMPARE(rowTexts(scan.shown, 0), QStringList({site, "0", "", "", "", "0", "0", ""}));
        QCOMPARE(scan.server.http().requestCount(), 6);
        QVERIFY(scan.test.prompts.shown().isEmpty());
    }

    void templateEditedDuringTheScan()
    {
        ScanWindow scan;
        scan.setSites({"a.example", "b.example"});
        QObject::connect(scan.scan->driver(), &ScanDriver::engineDone, [&](int index, const QString&, int engine) {
            if (index == 0 && engine == 2) {
                QByteArray ini = scan.server.settingsIni();
                ini.replace(EnginePages::pathAndQuery(*engineByNumber(3)).toLatin1(), "/edited?p=link:");
                scan.test.folder.writeFile(QStringLiteral("settings.ini"), ini);
            }
        });
        QVERIFY(scan.runScan());
        const auto& requests = scan.server.http().requests();
        QCOMPARE(requests.size(), 12);
        QCOMPARE(requests[1].target,
                 EnginePages::pathAndQuery(*engineByNumber(2)).toLatin1() + QByteArray("a.example"));
        QCOMPARE(requests[2].target, QByteArray("/edited?p=link:a.example"));
        QCOMPARE(requests[8].target, QByteArray("/edited?p=link:b.example"));
    }

    void rankIcons_data()
    {
        QTest::addColumn<QVariant>("low");
        QTest::addColumn<QVariant>("boundary");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("rank");
        const QVariant unset;
        QTest::newRow("499") << unset << unset << qint64(499) << 1;
        QTest::newRow("500") << unset << unset << qint64(500) << 2;
        QTest::newRow("999") << unset << unset << qint64(999) << 2;
        QTest::newRow("1000") << unset << unset << qint64(1000) << 3;
        QTest::newRow("nothing found") << unset << unset << qint64(0) << 1;
        QTest::newRow("stored thresholds") << QVariant("100") << QVariant("200") << qint64(150) << 2;
        QTest::newRow("stored boundary reached") << QVariant("100") << QVariant("200") << qint64(200) << 3;
        QTest::newRow("empty low counts as 500") << QVariant("") << QVariant("200") << qint64(499) << 1;
        QTest::newRow("words count as the defaults") << QVariant("many") << QVariant("x1") << qint64(999) << 2;
        QTest::newRow("empty boundary counts as 1000") << QVariant("10") << QVariant("") << qint64(1000) << 3;
        QTest::newRow("beyond 32 bits") << unset << unset << qint64(4294967296) << 3;
    }

    void rankIcons()
    {
        QFETCH(QVariant, low);
        QFETCH(QVariant, boundary);
        QFETCH(qint64, total);
        QFETCH(int, rank);
        ScanWindow scan;
        if (low.isValid())
            scan.settings().setRankNumberText(0, low.toString());
        if (boundary.isValid())
            scan.settings().setRankNumberText(1, boundary.toString());
        // Ask prints ten digits at most; larger totals take two engines.
        if (total > 9999999999) {
            scan.setTotal(QStringLiteral("site.example"), total / 2);
            scan.server.setCount(QStringLiteral("site.example"), 5, total - total / 2);
        } else {
            scan.setTotal(QStringLiteral("site.example"), total);
        }
        scan.setSites({"site.example"});
        QVERIFY(scan.runScan());
        QCOMPARE(scan.results->index(0, 1).data().toString(), QString::number(total));
        QCOMPARE(rankShown(scan.table, 0), rank);
    }

    void thresholdsAreReadAtTheStart()
    {
        ScanWindow scan;
        scan.setTotal(QStringLiteral("a.example"), 150);
        scan.setTotal(QStringLiteral("b.example"), 150);
        scan.setSites({"a.example", "b.example"});
        QObject::connect(scan.scan->driver(), &ScanDriver::siteStarted, [&] {
            scan.settings().setRankNumberText(0, QStringLiteral("100"));
            scan.settings().setAutoSort(false);
        });
        QVERIFY(scan.runScan());
        // The low threshold as it was at the start; auto-sort as at the end.
        QCOMPARE(rankShown(scan.table, 0), 1);
        QCOMPARE(rankShown(scan.table, 1), 1);
        QCOMPARE(scan.chartRequests, 1);
        QCOMPARE(columnTexts(scan.shown, 0), QStringList({"a.example", "b.example"}));
    }

    void autoSortIsReadAgainAfterTheChart()
    {
        ScanWindow scan;
        scan.setTotal(QStringLiteral("a.example"), 10);
        scan.setTotal(QStringLiteral("b.example"), 30);
        scan.setTotal(QStringLiteral("c.example"), 20);
        scan.setSites({"a.example", "b.example", "c.example"});
        QObject::connect(&scan.window, &MainWindow::currentResultsChartRequested,
                         [&] { scan.settings().setAutoSort(false); });
        QVERIFY(scan.runScan());
        QCOMPARE(scan.totalsAtChart, QList<qint64>({10, 20, 30}));
        QCOMPARE(totalsOf(scan.shown), QList<qint64>({10, 20, 30}));
    }

    void startAndClearingWaitWhileTheScanRuns()
    {
        ScanWindow scan;
        scan.setSites({"a.example", "b.example"});
        ResultsView* view = scan.window.resultsView();
        bool tried = false;
        QObject::connect(scan.scan->driver(), &ScanDriver::engineDone, [&](int index, const QString&, int engine) {
            if (index != 0 || engine != 1 || tried)
                return;
            tried = true;
            scan.window.urlListCommands()->appendUrls({"late.example"});
            scan.window.menus().scan->trigger();
            scan.window.menus().clearResults->trigger();
            view->clearAllButton()->click();
            scan.window.clearResults();
            const bool ascendingBefore = view->columnSortAscending(1);
            emit scan.table->horizontalHeader()->sectionClicked(1);
            QCOMPARE(view->columnSortAscending(1), ascendingBefore);
        });
        QVERIFY(scan.runScan());
        QVERIFY(tried);
        QCOMPARE(scan.results->rowCount(), 2);
        QCOMPARE(scan.webRows->topLevelItemCount(), 14);
        QCOMPARE(scan.server.http().requestCount(), 12);
        QCOMPARE(scan.chartRequests, 1);

        // Once the scan is over, clearing and header sorting work again.
        const bool ascendingBefore = view->columnSortAscending(1);
        emit scan.table->horizontalHeader()->sectionClicked(1);
        QCOMPARE(view->columnSortAscending(1), !ascendingBefore);
        view->clearAllButton()->click();
        QCOMPARE(scan.results->rowCount(), 0);
        QCOMPARE(scan.webRows->topLevelItemCount(), 0);
    }

    void eventsAreHandledBetweenAndDuringFetches()
    {
        ScanWindow scan;
        scan.server.setDelay(20);
        scan.setSites({"a.example", "b.example"});
        int ticks = 0;
        QTimer ticker;
        ticker.setInterval(0);
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        QList<int> ticksAtRequest;
        QList<int> ticksAtAnswer;
        QObject::connect(&scan.server.http(), &LoopbackHttpServer::requestReceived, [&] { ticksAtRequest << ticks; });
        QObject::connect(scan.scan->driver(), &ScanDriver::engineDone, [&] { ticksAtAnswer << ticks; });
        ticker.start();
        QVERIFY(scan.runScan());
        QCOMPARE(ticksAtRequest.size(), 12);
        QCOMPARE(ticksAtAnswer.size(), 12);
        for (int i = 0; i < 12; ++i) {
            // The timer kept running while a page was on its way...
            QVERIFY2(ticksAtAnswer[i] > ticksAtRequest[i], qPrintable(QString::number(i)));
            // ...and between one answer and the next request.
            if (i + 1 < 12)
                QVERIFY2(ticksAtRequest[i + 1] > ticksAtAnswer[i], qPrintable(QString::number(i)));
        }
    }
};

QTEST_MAIN(ScanControllerTest)
#include "tst_scancontroller.moc"

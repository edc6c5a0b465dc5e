#include "app/MainMenus.h"
#include "app/MainStatusBar.h"
#include "app/MainWindow.h"
#include "base/IniFile.h"
#include "engines/EngineTable.h"
#include "engines/SourceList.h"
#include "results/ResultsView.h"
#include "results/ScanResults.h"
#include "support/TestContext.h"
#include "webview/WebResultsList.h"
#include "webview/WebViewPanel.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString blankPage = QStringLiteral("navigate about:blank");
const QString noticeText =
    QStringLiteral("You must first select the item in the results list you wish to view web results for.");

// The rows a scan adds for a site: its home page, then one per engine.
void addSiteRows(QTreeWidget* list, const QString& site)
{
    static_cast<WebResultsList*>(list)->addSiteRows(site, SourceList().all());
}

// The row of an engine's result page for the site.
QTreeWidgetItem* addEngineRow(WebResultsList* list, int engineNumber, const QString& site)
{
    return list->addSourceRow(Source::builtIn(*engineByNumber(engineNumber)), engineNumber, site);
}

QStringList columnTexts(const QTreeWidget* list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

void clickRow(QTreeWidget* list, QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers = {})
{
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
}

void clickHeader(QTreeWidget* list, int column)
{
    QHeaderView* header = list->header();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

// A main window with recording browsers, shown on the screen.
struct Setup
{
    explicit Setup(TestAppFolder::Content content = TestAppFolder::Content::Installed)
        : test(content)
    {}

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    // Shows the Website View and forgets the browser's first page.
    bool showWebsiteView()
    {
        if (!show())
            return false;
        window.showView(MainWindow::WebsiteView);
        if (!test.browser())
            return false;
        test.browser()->clearRequests();
        return true;
    }

    QStringList requests() const { return test.browser() ? test.browser()->requests() : QStringList(); }

    WebViewPanel* panel() const { return window.webViewPanel(); }
    QTreeWidget* webList() const { return window.findChild<QTreeWidget*>(QStringLiteral("ListView2")); }
    QTableView* results() const { return window.findChild<QTableView*>(QStringLiteral("ListView1")); }
    // Adds a results row for the site and gives its index.
    QModelIndex addResultsRow(const QString& site)
    {
        QList<ResultRow> rows = window.results()->rows();
        rows << ResultRow::completed(site, {}, {});
        window.results()->setRows(rows);
        return results()->model()->index(static_cast<int>(rows.size()) - 1, 0);
    }
    QLineEdit* addressBox() const { return window.findChild<QLineEdit*>(QStringLiteral("Text1")); }
    QToolButton* button(const QString& name) const { return window.findChild<QToolButton*>(name); }
    int currentView() const { return window.tabs()->currentIndex(); }

    TestContext test;
    MainWindow window{test.context, test.makeBrowser};
};

} // namespace

class WebViewTest : public QObject
{
    Q_OBJECT

private slots:
    void browserIsMadeWhenTheWebsiteViewIsFirstShown()
    {
        Setup setup;
        QVERIFY(setup.show());
        setup.window.showView(MainWindow::ChartView);
        // Without a browser the buttons have nothing to drive.
        setup.button(QStringLiteral("Command8"))->click();
        setup.button(QStringLiteral("Command70"))->click();
        QVERIFY(setup.test.browsers.isEmpty());
        QCOMPARE(setup.panel()->browser(), nullptr);

        setup.window.showView(MainWindow::WebsiteView);
        QCOMPARE(setup.test.browsers.size(), 1);
        QCOMPARE(setup.panel()->browser(), setup.test.browser());
        QCOMPARE(setup.requests(), QStringList{blankPage});

        setup.window.showView(MainWindow::DataView);
        setup.window.showView(MainWindow::WebsiteView);
        QCOMPARE(setup.test.browsers.size(), 1);
        QCOMPARE(setup.requests(), QStringList{blankPage});
    }

    void noBrowserWhileTheWindowIsNotShown()
    {
        Setup setup;
        setup.window.showView(MainWindow::WebsiteView);
        QVERIFY(setup.test.browsers.isEmpty());
    }

    void browserIsMadeForAnAddressOpenedBeforeTheViewIsShown()
    {
        Setup setup;
        QVERIFY(setup.show());
        addSiteRows(setup.webList(), QStringLiteral("example.com"));
        setup.results()->setCurrentIndex(setup.addResultsRow(QStringLiteral("example.com")));
        QVERIFY(setup.test.browsers.isEmpty());

        setup.window.resultsView()->webResultsButton()->click();
        QCOMPARE(setup.test.browsers.size(), 1);
        QCOMPARE(setup.requests(), QStringList({blankPage, QStringLiteral("navigate http://example.com")}));
        QCOMPARE(setup.currentView(), int(MainWindow::WebsiteView));
    }

    void rowClickOpensItsPage_data()
    {
        QTest::addColumn<int>("engine"); // 0: the home page; -1: a row the list did not make, reading "Google"
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("expected");

        QTest::newRow("home page") << 0 << "example.com/a b"
                                   << "navigate http://example.com/a%20b";
        QTest::newRow("home page, full address") << 0 << "http://x.org/p?q=1"
                                                 << "navigate http://x.org/p?q=1";
        QTest::newRow("google") << 1 << "site/a b"
                                << "navigate http://www.google.com/search?hl=en&ie=UTF-8&q=link:site%2Fa%20b";
        QTest::newRow("altavista") << 2 << "x.org"
                                   << "navigate http://www.altavista.com/web/results?q=link:x.org";
        QTest::newRow("yahoo") << 3 << "http://x.org"
                               << "navigate http://search.yahoo.com/search?fr=fp-pull-web-t&p=link:http%3A%2F%2Fx.org";
        QTest::newRow("ask") << 4 << "x.org"
                             << "navigate http://www.ask.com/web?qsrc=1&o=312&q=links:x.org";
        QTest::newRow("msn") << 5 << "x.org%20y"
                             << "navigate http://search.msn.com/results.aspx?FORM=SMCRT&q=link:x.org%2520y";
        QTest::newRow("alltheweb, no suffix")
            << 6 << "x.org"
            << "navigate http://www.alltheweb.com/search?cat=web&cs=utf8&q=link:x.org";
        QTest::newRow("a row of another kind") << -1 << "x.org"
                                               << "";
    }

    void rowClickOpensItsPage()
    {
        QFETCH(int, engine);
        QFETCH(QString, site);
        QFETCH(QString, expected);
        Setup setup;
        WebResultsList* list = setup.panel()->webResultsList();
        list->addHomePageRow(QStringLiteral("other.example"));
        QTreeWidgetItem* row = engine < 0    ? new QTreeWidgetItem(list, {QStringLiteral("Google"), site})
                               : engine == 0 ? list->addHomePageRow(site)
                                             : addEngineRow(list, engine, site);
        QVERIFY(setup.showWebsiteView());

        clickRow(list, row);
        QVERIFY(row->isSelected());
        QCOMPARE(setup.requests(), expected.isEmpty() ? QStringList() : QStringList{expected});
    }

    void clickWithoutASelectedRowDoesNothing()
    {
        Setup setup;
        addSiteRows(setup.webList(), QStringLiteral("x.org"));
        QVERIFY(setup.showWebsiteView());
        QTreeWidgetItem* row = setup.webList()->topLevelItem(0);
        clickRow(setup.webList(), row);
        QCOMPARE(setup.requests().size(), 1);
        setup.test.browser()->clearRequests();

        // A control-click takes the selection away from the row.
        clickRow(setup.webList(), row, Qt::ControlModifier);
        QVERIFY(setup.webList()->selectedItems().isEmpty());
        QVERIFY(setup.requests().isEmpty());
    }

    void templatesAreReadOnEveryClick()
    {
        Setup setup;
        QTreeWidgetItem* row = addEngineRow(setup.panel()->webResultsList(), 4, QStringLiteral("x.org"));
        QVERIFY(setup.showWebsiteView());
        clickRow(setup.webList(), row);
        QCOMPARE(setup.test.browser()->lastNavigation(),
                 QUrl(QStringLiteral("http://www.ask.com/web?qsrc=1&o=312&q=links:x.org")));

        QVERIFY(writeProfileString(QStringLiteral("Engines"), QStringLiteral("Ask"),
                                   QStringLiteral("http://ask.example/?q="), setup.test.context.folder.settingsIni()));
        clickRow(setup.webList(), row);
        QCOMPARE(setup.test.browser()->lastNavigation(), QUrl(QStringLiteral("http://ask.example/?q=x.org")));
    }

    void emptyTemplateOpensTheEncodedSiteAsAnAddress()
    {
        Setup setup(TestAppFolder::Content::Empty);
        QVERIFY(
            setup.test.folder.writeFile(QStringLiteral("settings.ini"), "[Engines]\r\nAsk=http://k.example/?q=\r\n"));
        WebResultsList* list = setup.panel()->webResultsList();
        QTreeWidgetItem* plain = addEngineRow(list, 1, QStringLiteral("example.com"));
        QTreeWidgetItem* full = addEngineRow(list, 1, QStringLiteral("http://x.org/"));
        QVERIFY(setup.showWebsiteView());

        clickRow(setup.webList(), plain);
        QCOMPARE(setup.requests(), QStringList{QStringLiteral("navigate http://example.com")});
        // "http%3A%2F%2Fx.org%2F" is no address: nothing is opened.
        setup.test.browser()->clearRequests();
        clickRow(setup.webList(), full);
        QVERIFY(setup.requests().isEmpty());
    }

    void showWebResults_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("web results button") << "button";
        QTest::newRow("pop-up menu item") << "menu";
        QTest::newRow("double-click on the row") << "double-click";
    }

    void showWebResults()
    {
        QFETCH(QString, trigger);
        Setup setup;
        for (int site = 0; site < 30; ++site)
            addSiteRows(setup.webList(), QStringLiteral("site%1.example").arg(site));
        addSiteRows(setup.webList(), QStringLiteral("target.example"));
        addSiteRows(setup.webList(), QStringLiteral("after.example"));
        setup.addResultsRow(QStringLiteral("site0.example"));
        const QModelIndex resultsRow = setup.addResultsRow(QStringLiteral("target.example"));
        QVERIFY(setup.show());
        QCOMPARE(setup.currentView(), int(MainWindow::DataView));

        if (trigger == QLatin1String("button")) {
            setup.results()->setCurrentIndex(resultsRow);
            QTest::mouseClick(setup.window.resultsView()->webResultsButton(), Qt::LeftButton);
        } else if (trigger == QLatin1String("menu")) {
            setup.results()->setCurrentIndex(resultsRow);
            setup.window.menus().webResults->trigger();
        } else {
            // The table takes a double-click on the row it saw pressed.
            const QPoint centre = setup.results()->visualRect(resultsRow).center();
            QTest::mouseClick(setup.results()->viewport(), Qt::LeftButton, {}, centre);
            QCOMPARE(setup.currentView(), int(MainWindow::DataView));
            QTest::mouseDClick(setup.results()->viewport(), Qt::LeftButton, {}, centre);
        }

        QCOMPARE(setup.currentView(), int(MainWindow::WebsiteView));
        QTreeWidget* list = setup.webList();
        QTreeWidgetItem* row = list->topLevelItem(30 * 7);
        QCOMPARE(row->text(1), QStringLiteral("target.example"));
        QCOMPARE(list->currentItem(), row);
        QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem*>{row});
        QVERIFY(list->viewport()->rect().contains(list->visualItemRect(row)));
        QCOMPARE(setup.requests(), QStringList({blankPage, QStringLiteral("navigate http://target.example")}));
        QVERIFY(setup.test.prompts.shown().isEmpty());
    }

    void showWebResultsOpensTheFirstRowInTheListsOrder()
    {
        Setup setup;
        addSiteRows(setup.webList(), QStringLiteral("x.org"));
        QVERIFY(setup.showWebsiteView());
        clickHeader(setup.webList(), 0);
        QCOMPARE(setup.webList()->topLevelItem(0)->text(0), QStringLiteral("Yahoo"));
        setup.window.showView(MainWindow::DataView);

        setup.results()->setCurrentIndex(setup.addResultsRow(QStringLiteral("x.org")));
        setup.window.resultsView()->webResultsButton()->click();
        QCOMPARE(setup.webList()->currentItem(), setup.webList()->topLevelItem(0));
        QCOMPARE(setup.requests(),
                 QStringList{QStringLiteral("navigate http://search.yahoo.com/search?fr=fp-pull-web-t&p=link:x.org")});
    }

    void showWebResultsWithoutASelectedResultsRow_data()
    {
        QTest::addColumn<bool>("clearFirst");
        QTest::newRow("nothing selected") << false;
        QTest::newRow("after clearing the results") << true;
    }

    void showWebResultsWithoutASelectedResultsRow()
    {
        QFETCH(bool, clearFirst);
        Setup setup;
        addSiteRows(setup.webList(), QStringLiteral("x.org"));
        const QModelIndex row = setup.addResultsRow(QStringLiteral("x.org"));
        QVERIFY(setup.show());
        if (clearFirst) {
            setup.results()->setCurrentIndex(row);
            setup.window.clearResults();
        }

        setup.window.resultsView()->webResultsButton()->click();
        QCOMPARE(setup.test.prompts.shown().size(), 1);
        const ScriptedPrompts::Shown& shown = setup.test.prompts.shown().first();
        QCOMPARE(shown.kind, ScriptedPrompts::Kind::Notice);
        QCOMPARE(shown.text, noticeText);
        QCOMPARE(shown.caption, QStringLiteral("Quorvex Full"));
        QCOMPARE(setup.currentView(), int(MainWindow::DataView));
        QVERIFY(setup.test.browsers.isEmpty());
    }

    void showWebResultsWithoutAMatchingRowDoesNothing_data()
    {
        QTest::addColumn<QString>("site");
        QTest::newRow("site not in the list") << "y.org";
        QTest::newRow("other letter case") << "X.org";
        QTest::newRow("trailing slash") << "x.org/";
        QTest::newRow("surrounding space") << " x.org";
    }

    void showWebResultsWithoutAMatchingRowDoesNothing()
    {
        QFETCH(QString, site);
        Setup setup;
        addSiteRows(setup.webList(), QStringLiteral("x.org"));
        QVERIFY(setup.show());
        setup.results()->setCurrentIndex(setup.addResultsRow(site));

        setup.window.resultsView()->webResultsButton()->click();
        QVERIFY(setup.test.prompts.shown().isEmpty());
        QCOMPARE(setup.currentView(), int(MainWindow::DataView));
        QVERIFY(setup.webList()->selectedItems().isEmpty());
        QVERIFY(setup.test.browsers.isEmpty());
    }

    void headerClicksShareOneOrder()
    {
        Setup setup;
        QTreeWidget* list = setup.webList();
        new QTreeWidgetItem(list, {QStringLiteral("Home Page"), QStringLiteral("b.example")});
        new QTreeWidgetItem(list, {QStringLiteral("Google"), QStringLiteral("c.example")});
        new QTreeWidgetItem(list, {QStringLiteral("MSN"), QStringLiteral("a.example")});
        QVERIFY(setup.showWebsiteView());

        clickHeader(list, 1);
        QCOMPARE(columnTexts(list, 1), QStringList({"c.example", "b.example", "a.example"}));
        clickHeader(list, 1);
        QCOMPARE(columnTexts(list, 1), QStringList({"a.example", "b.example", "c.example"}));
        clickHeader(list, 0);
        QCOMPARE(columnTexts(list, 0), QStringList({"MSN", "Home Page", "Google"}));

        // Rows added later take their place in the list's order.
        new QTreeWidgetItem(list, {QStringLiteral("Yahoo"), QStringLiteral("d.example")});
        new QTreeWidgetItem(list, {QStringLiteral("Ask"), QStringLiteral("d.example")});
        QTRY_COMPARE(columnTexts(list, 0), QStringList({"Yahoo", "MSN", "Home Page", "Google", "Ask"}));
        // Clearing keeps the order for the next scan's rows.
        setup.window.clearResults();
        new QTreeWidgetItem(list, {QStringLiteral("Ask"), QStringLiteral("e.example")});
        new QTreeWidgetItem(list, {QStringLiteral("MSN"), QStringLiteral("e.example")});
        QTRY_COMPARE(columnTexts(list, 0), QStringList({"MSN", "Ask"}));
    }

    void headerClickOnAnEmptyListChangesNothing()
    {
        Setup setup;
        QTreeWidget* list = setup.webList();
        QVERIFY(setup.showWebsiteView());
        clickHeader(list, 1);
        QVERIFY(!list->isSortingEnabled());

        new QTreeWidgetItem(list, {QStringLiteral("Google"), QStringLiteral("a.example")});
        new QTreeWidgetItem(list, {QStringLiteral("Ask"), QStringLiteral("b.example")});
        // Rows stay in the order added until a header is clicked.
        QTest::qWait(0);
        QCOMPARE(columnTexts(list, 1), QStringList({"a.example", "b.example"}));
        clickHeader(list, 1);
        QCOMPARE(columnTexts(list, 1), QStringList({"b.example", "a.example"}));
    }

    void browserButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("request");
        QTest::newRow("back") << "Command8"
                              << "back";
        QTest::newRow("forward") << "Command9"
                                 << "forward";
        QTest::newRow("stop") << "Command11"
                              << "stop";
        QTest::newRow("refresh") << "Command70"
                                 << "reload";
    }

    void browserButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, request);
        Setup setup;
        QVERIFY(setup.showWebsiteView());
        QTest::mouseClick(setup.button(name), Qt::LeftButton);
        QCOMPARE(setup.requests(), QStringList{request});
    }

    void addressBox_data()
    {
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        for (const bool enter : {false, true}) {
            const char* how = enter ? "enter" : "button";
            QTest::addRow("%s: host only", how) << enter << "example.com"
                                                << "navigate http://example.com";
            QTest::addRow("%s: full address", how) << enter << "http://127.0.0.1:8080/a b?c=d"
                                                   << "navigate http://127.0.0.1:8080/a%20b?c=d";
            QTest::addRow("%s: junk text", how) << enter << "junk text"
                                                << "";
            QTest::addRow("%s: nothing typed", how) << enter << ""
                                                    << "";
        }
    }

    void addressBox()
    {
        QFETCH(bool, enter);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        Setup setup;
        QVERIFY(setup.showWebsiteView());
        QTest::keyClicks(setup.addressBox(), typed);
        if (enter)
            QTest::keyClick(setup.addressBox(), Qt::Key_Return);
        else
            QTest::mouseClick(setup.button(QStringLiteral("Command10")), Qt::LeftButton);
        QCOMPARE(setup.requests(), expected.isEmpty() ? QStringList() : QStringList{expected});
        QCOMPARE(setup.addressBox()->text(), typed);
    }

    // Addresses that would run a script in the page shown or open local
    // files are refused, whether they come from a row or the address box.
    void onlyWebAddressesOpen_data()
    {
        QTest::addColumn<int>("engine"); // 0: a Home Page row; -1: typed into the address box
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("scheme");
        QTest::newRow("script as a list site") << 0 << "javascript:alert(document.cookie)"
                                               << "javascript";
        QTest::newRow("file template") << 5 << "x.org"
                                       << "file";
        QTest::newRow("typed file address") << -1 << "file:///etc/passwd"
                                            << "file";
        QTest::newRow("typed data address") << -1 << "data:text/html,<script>alert(1)</script>"
                                            << "data";
        QTest::newRow("typed browser page") << -1 << "chrome://settings"
                                            << "chrome";
    }

    void onlyWebAddressesOpen()
    {
        QFETCH(int, engine);
        QFETCH(QString, text);
        QFETCH(QString, scheme);
        Setup setup;
        QVERIFY(writeProfileString("Engines", "MSN", "file:///etc/passwd?q=", setup.test.context.folder.settingsIni()));
        WebResultsList* list = setup.panel()->webResultsList();
        QTreeWidgetItem* row = engine == 0  ? list->addHomePageRow(text)
                               : engine > 0 ? addEngineRow(list, engine, text)
                                            : nullptr;
        QVERIFY(setup.showWebsiteView());
        if (row) {
            clickRow(list, row);
        } else {
            setup.addressBox()->setText(text);
            QTest::keyClick(setup.addressBox(), Qt::Key_Return);
        }
        QVERIFY(setup.requests().isEmpty());
        QCOMPARE(setup.window.statusPanels()->panelText(2), "Not opened: " + scheme + ": address");
    }

    void browserEventsReachTheStatusBarAndTheAddressBox()
    {
        Setup setup;
        QVERIFY(setup.showWebsiteView());
        RecordingBrowser* browser = setup.test.browser();
        MainStatusBar* status = setup.window.statusPanels();

        browser->showStatus(QStringLiteral("http://hover.example/link"));
        QCOMPARE(status->panelText(1), QStringLiteral("http://hover.example/link"));
        browser->showStatus(QString());
        QCOMPARE(status->panelText(1), QString());

        // The scan's failures give way to the page while it opens, and come back.
        status->setFailureText(QStringLiteral("2 of 6 queries failed"));
        browser->beginLoad(QUrl(QStringLiteral("http://a.example/start")));
        QCOMPARE(status->panelText(2), QStringLiteral("Opening http://a.example/start"));
        QCOMPARE(setup.addressBox()->text(), QString());

        browser->completeLoad(QUrl(QStringLiteral("http://b.example/reached")));
        QCOMPARE(setup.addressBox()->text(), QStringLiteral("http://b.example/reached"));
        QCOMPARE(status->panelText(2), QStringLiteral("2 of 6 queries failed"));
        QCOMPARE(status->panelText(1), QString());
    }
};

QTEST_MAIN(WebViewTest)
#include "tst_webview.moc"

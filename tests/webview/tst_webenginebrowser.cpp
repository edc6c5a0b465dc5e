#include "app/MainStatusBar.h"
#include "app/MainWindow.h"
#include "loopback/LoopbackHttpServer.h"
#include "support/TestContext.h"
#include "webview/BrowserFactory.h"
#include "webview/WebViewPanel.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

using Response = LoopbackHttpServer::Response;

namespace {

// The engine can take a while to start on a busy machine.
constexpr int patience = 60000;

} // namespace

class WebEngineBrowserTest : public QObject
{
    Q_OBJECT

public:
    // Runs before the application object exists.
    static void initMain()
    {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        // The engine's sandbox cannot run as root, as tests may.
        if (!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        // The test reaches the loopback server only: no proxy, none of the
        // engine's own background requests.
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        flags += " --disable-background-networking --no-proxy-server";
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    }

private slots:
    void pagesOpenFromTheAddressBox()
    {
        LoopbackHttpServer server;
        QVERIFY(server.isListening());
        server.setPage(QStringLiteral("/page"), "<html><head><title>Page</title></head><body>page</body></html>");
        server.setPage(QStringLiteral("/final"), "<html><head><title>Final</title></head><body>final</body></html>");
        server.setResponse(QStringLiteral("/start"),
                           Response::redirect(server.url(QStringLiteral("/final")).toEncoded()));
        const QString hostAndPort = QStringLiteral("127.0.0.1:%1").arg(server.port());
        const QString page = server.url(QStringLiteral("/page")).toString();
        const QString start = server.url(QStringLiteral("/start")).toString();
        const QString final = server.url(QStringLiteral("/final")).toString();

        TestContext test;
        test.makeBrowser = makeWebEngineBrowser;
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.findChild<QWebEngineView*>(QStringLiteral("WebBrowser1")));

        window.showView(MainWindow::WebsiteView);
        auto* view = window.findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"));
        QVERIFY(view);
        QVERIFY(view->isVisible());
        auto* address = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
        MainStatusBar* status = window.statusPanels();
        QTRY_COMPARE_WITH_TIMEOUT(address->text(), QStringLiteral("about:blank"), patience);

        // Typed as into an address bar; the box then shows the full address.
        QStringList panelTwo;
        connect(window.findChild<WebViewPanel*>(), &WebViewPanel::statusPanelText, this,
                [&panelTwo](int panel, const QString& text) {
                    if (panel == 2)
                        panelTwo << text;
                });
        address->setText(hostAndPort + QStringLiteral("/page"));
        QTest::keyClick(address, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(address->text(), page, patience);
        QCOMPARE(panelTwo, (QStringList{QStringLiteral("Opening ") + page, QString()}));
        QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("Page"), patience);

        // After a redirection the box shows the address reached.
        address->setText(hostAndPort + QStringLiteral("/start"));
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("Command10")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(address->text(), final, patience);
        QVERIFY(panelTwo.contains(QStringLiteral("Opening ") + start));
        QTRY_COMPARE_WITH_TIMEOUT(status->panelText(2), QString(), patience);
        QVERIFY(std::any_of(server.requests().cbegin(), server.requests().cend(),
                            [](const LoopbackHttpServer::Request& request) { return request.path() == "/final"; }));

        // Back opens the page before, and says so.
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("Command8")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(address->text(), page, patience);
        QCOMPARE(panelTwo.last(), QString());
        QCOMPARE(panelTwo.at(panelTwo.size() - 2), QStringLiteral("Opening ") + page);
    }

    // A page's links and redirections open web addresses only; pages read
    // from files reach neither the web nor other files. (The engine itself
    // keeps a web page's links away from local files and its own pages.)
    void pagesOpenWebAddressesOnly_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("scheme");
        QTest::newRow("link to a mail address") << "mailto:someone@example.com"
                                                << "mailto";
        QTest::newRow("link of another scheme") << "quorvextest:x"
                                                << "quorvextest";
        QTest::newRow("redirection to another scheme") << "/elsewhere"
                                                       << "quorvextest";
    }

    void pagesOpenWebAddressesOnly()
    {
        QFETCH(QString, link);
        QFETCH(QString, scheme);
        LoopbackHttpServer server;
        QVERIFY(server.isListening());
        server.setPage(QStringLiteral("/links"),
                       "<html><head><title>Links</title></head><body style='margin:0'><a style='display:block;"
                       "width:100px;height:100px' href='" +
                           link.toUtf8() + "'>away</a></body></html>");
        server.setResponse(QStringLiteral("/elsewhere"), Response::redirect("quorvextest:y"));
        TestContext test;
        test.makeBrowser = makeWebEngineBrowser;
        MainWindow window(test.context, test.makeBrowser);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showView(MainWindow::WebsiteView);
        auto* view = window.findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"));
        QWebEngineSettings* settings = view->page()->profile()->settings();
        QVERIFY(!settings->testAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls));
        QVERIFY(!settings->testAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls));

        window.webViewPanel()->openAddress(server.url(QStringLiteral("/links")).toString());
        QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("Links"), patience);
        // A click of the user's: the engine hands such links on only then.
        QTest::qWait(500);
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(12, 12));
        QTRY_COMPARE_WITH_TIMEOUT(window.statusPanels()->panelText(2), "Not opened: " + scheme + ": address", patience);
        QCOMPARE(view->title(), QStringLiteral("Links"));
    }
};

QTEST_MAIN(WebEngineBrowserTest)
#include "tst_webenginebrowser.moc"

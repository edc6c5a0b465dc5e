#include "base/IniFile.h"
#include "engines/EngineTable.h"
#include "support/TestAppFolder.h"
#include "webview/WebAddresses.h"

#include <QTest>

namespace {

const QByteArray sampleSettings = "[Engines]\r\n"
                                  "Google=http://g.example/search?q=link:\r\n"
                                  "Altavista=http://a.example/web?q=link:\r\n"
                                  "Yahoo=http://y.example/search?p=link:\r\n"
                                  "Ask=http://k.example/web?q=links:\r\n"
                                  "MSN=http://m.example/results?q=link:\r\n"
                                  "ATW=http://w.example/search?q=link:\r\n";

// The settings key of the engine's page, the empty text for the site's home page.
QString keyOf(int engineNumber)
{
    return engineNumber == 0 ? QString() : engineByNumber(engineNumber)->key();
}

} // namespace

class WebAddressesTest : public QObject
{
    Q_OBJECT

private slots:
    void rowAddress_data()
    {
        QTest::addColumn<int>("engine"); // 0: the site's home page
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("expected");

        QTest::newRow("home page, not encoded") << 0 << "site/a b?c=1"
                                                << "site/a b?c=1";
        QTest::newRow("google") << 1 << "site/a b"
                                << "http://g.example/search?q=link:site%2Fa%20b";
        QTest::newRow("altavista") << 2 << "site/a b"
                                   << "http://a.example/web?q=link:site%2Fa%20b";
        QTest::newRow("yahoo") << 3 << "http://x.org/"
                               << "http://y.example/search?p=link:http%3A%2F%2Fx.org%2F";
        QTest::newRow("ask") << 4 << "x.org"
                             << "http://k.example/web?q=links:x.org";
        QTest::newRow("msn") << 5 << "a%20b"
                             << "http://m.example/results?q=link:a%2520b";
        QTest::newRow("alltheweb gets no suffix here") << 6 << "x.org"
                                                       << "http://w.example/search?q=link:x.org";
    }

    void rowAddress()
    {
        QFETCH(int, engine);
        QFETCH(QString, site);
        QFETCH(QString, expected);
        TestAppFolder app(TestAppFolder::Content::Empty);
        QVERIFY(app.writeFile(QStringLiteral("settings.ini"), sampleSettings));
        QCOMPARE(webResultAddress(keyOf(engine), site, app.folder().settingsIni()), expected);
    }

    void templatesAreReadOnEveryCall()
    {
        TestAppFolder app(TestAppFolder::Content::Empty);
        const QString ini = app.folder().settingsIni();
        const QString msn = keyOf(5);
        QVERIFY(app.writeFile(QStringLiteral("settings.ini"), sampleSettings));
        QCOMPARE(webResultAddress(msn, QStringLiteral("x.org"), ini),
                 QStringLiteral("http://m.example/results?q=link:x.org"));

        QVERIFY(writeProfileString(QStringLiteral("Engines"), QStringLiteral("MSN"),
                                   QStringLiteral("http://changed.example/?q="), ini));
        QCOMPARE(webResultAddress(msn, QStringLiteral("x.org"), ini),
                 QStringLiteral("http://changed.example/?q=x.org"));

        QVERIFY(app.writeFile(QStringLiteral("settings.ini"), "[Engines]\r\nGoogle=http://g2.example/?q=\r\n"));
        QCOMPARE(webResultAddress(keyOf(1), QStringLiteral("x.org"), ini),
                 QStringLiteral("http://g2.example/?q=x.org"));
        QCOMPARE(webResultAddress(msn, QStringLiteral("x.org"), ini), QStringLiteral("x.org"));
    }

    void emptyTemplateLeavesTheEncodedSite_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("key missing") << QByteArray("[Engines]\r\nGoogle=http://g.example/?q=\r\n");
        QTest::newRow("key empty") << QByteArray("[Engines]\r\nAsk=\r\n");
        QTest::newRow("section missing") << QByteArray("[Other]\r\nAsk=http://k.example/?q=\r\n");
        QTest::newRow("no settings.ini") << QByteArray();
    }

    void emptyTemplateLeavesTheEncodedSite()
    {
        QFETCH(QByteArray, settings);
        TestAppFolder app(TestAppFolder::Content::Empty);
        if (!settings.isNull())
            QVERIFY(app.writeFile(QStringLiteral("settings.ini"), settings));
        QCOMPARE(webResultAddress(keyOf(4), QStringLiteral("x.org/a b"), app.folder().settingsIni()),
                 QStringLiteral("x.org%2Fa%20b"));
    }

    void installedTemplatesAreUsed()
    {
        TestAppFolder app;
        QCOMPARE(webResultAddress(keyOf(1), QStringLiteral("site/a b"), app.folder().settingsIni()),
                 QStringLiteral("http://www.google.com/search?hl=en&ie=UTF-8&q=link:site%2Fa%20b"));
    }

    void browserUrlReadsLikeAnAddressBar_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bare host") << "example.com"
                                   << "http://example.com";
        QTest::newRow("host with path") << "example.com/a b"
                                        << "http://example.com/a%20b";
        QTest::newRow("full address") << "https://example.com/x?y=1"
                                      << "https://example.com/x?y=1";
        QTest::newRow("encoded query stays encoded") << "http://g.example/search?q=link:site%2Fa%20b%3A"
                                                     << "http://g.example/search?q=link:site%2Fa%20b%3A";
        QTest::newRow("blank page") << "about:blank"
                                    << "about:blank";
        QTest::newRow("surrounding spaces") << "  example.com  "
                                            << "http://example.com";
        QTest::newRow("loopback with port") << "127.0.0.1:8080/a"
                                            << "http://127.0.0.1:8080/a";
        QTest::newRow("two words") << "junk text"
                                   << "";
        QTest::newRow("encoded address without a template") << "http%3A%2F%2Fx.org%2F"
                                                            << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blanks") << "   "
                                << "";
    }

    void browserUrlReadsLikeAnAddressBar()
    {
        QFETCH(QString, address);
        QFETCH(QString, expected);
        const QUrl url = browserUrl(address);
        QCOMPARE(url.toString(QUrl::FullyEncoded), expected);
        QCOMPARE(url.isEmpty(), expected.isEmpty());
    }
};

QTEST_GUILESS_MAIN(WebAddressesTest)
#include "tst_webaddresses.moc"

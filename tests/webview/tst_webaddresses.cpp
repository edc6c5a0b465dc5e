#include "base/IniFile.h"
#include "support/TestAppFolder.h"
#include "webview/WebAddresses.h"

#include <QTest>

using OptionalText = std::optional<QString>;

namespace {

const QByteArray sampleSettings = "[Engines]\r\n"
                                  "Google=http://g.example/search?q=link:\r\n"
                                  "Altavista=http://a.example/web?q=link:\r\n"
                                  "Yahoo=http://y.example/search?p=link:\r\n"
                                  "Ask=http://k.example/web?q=links:\r\n"
                                  "MSN=http://m.example/results?q=link:\r\n"
                                  "ATW=http://w.example/search?q=link:\r\n";

} // namespace

class WebAddressesTest : public QObject
{
    Q_OBJECT

private slots:
    void rowAddress_data()
    {
        QTest::addColumn<QString>("rowText");
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("opens");

        QTest::newRow("home page, not encoded") << "Home Page"
                                                << "site/a b?c=1"
                                                << "site/a b?c=1" << true;
        QTest::newRow("google") << "Google"
                                << "site/a b"
                                << "http://g.example/search?q=link:site%2Fa%20b" << true;
        QTest::newRow("altavista") << "AltaVista"
                                   << "site/a b"
                                   << "http://a.example/web?q=link:site%2Fa%20b" << true;
        QTest::newRow("yahoo") << "Yahoo"
                               << "http://x.org/"
                               << "http://y.example/search?p=link:http%3A%2F%2Fx.org%2F" << true;
        QTest::newRow("ask") << "Ask"
                             << "x.org"
                             << "http://k.example/web?q=links:x.org" << true;
        QTest::newRow("msn") << "MSN"
                             << "a%20b"
                             << "http://m.example/results?q=link:a%2520b" << true;
        QTest::newRow("alltheweb gets no suffix here") << "AllTheWeb"
                                                       << "x.org"
                                                       << "http://w.example/search?q=link:x.org" << true;
        QTest::newRow("engine key is not a row text") << "Altavista"
                                                      << "x.org"
                                                      << "" << false;
        QTest::newRow("settings key is not a row text") << "ATW"
                                                        << "x.org"
                                                        << "" << false;
        QTest::newRow("column header is not a row text") << "All The Web"
                                                         << "x.org"
                                                         << "" << false;
        QTest::newRow("letter case counts") << "google"
                                            << "x.org"
                                            << "" << false;
        QTest::newRow("home page in other case") << "Home page"
                                                 << "x.org"
                                                 << "" << false;
        QTest::newRow("padded text") << "Google "
                                     << "x.org"
                                     << "" << false;
        QTest::newRow("empty text") << ""
                                    << "x.org"
                                    << "" << false;
    }

    void rowAddress()
    {
        QFETCH(QString, rowText);
        QFETCH(QString, site);
        QFETCH(QString, expected);
        QFETCH(bool, opens);
        TestAppFolder app(TestAppFolder::Content::Empty);
        QVERIFY(app.writeFile(QStringLiteral("settings.ini"), sampleSettings));
        const OptionalText address = webResultAddress(rowText, site, app.folder().settingsIni());
        QCOMPARE(address.has_value(), opens);
        if (opens)
            QCOMPARE(*address, expected);
    }

    void templatesAreReadOnEveryCall()
    {
        TestAppFolder app(TestAppFolder::Content::Empty);
        const QString ini = app.folder().settingsIni();
        QVERIFY(app.writeFile(QStringLiteral("settings.ini"), sampleSettings));
        QCOMPARE(webResultAddress(QStringLiteral("MSN"), QStringLiteral("x.org"), ini),
                 OptionalText(QStringLiteral("http://m.example/results?q=link:x.org")));

        QVERIFY(WriteProfileString(QStringLiteral("Engines"), QStringLiteral("MSN"),
                                   QStringLiteral("http://changed.example/?q="), ini));
        QCOMPARE(webResultAddress(QStringLiteral("MSN"), QStringLiteral("x.org"), ini),
                 OptionalText(QStringLiteral("http://changed.example/?q=x.org")));

        QVERIFY(app.writeFile(QStringLiteral("settings.ini"), "[Engines]\r\nGoogle=http://g2.example/?q=\r\n"));
        QCOMPARE(webResultAddress(QStringLiteral("Google"), QStringLiteral("x.org"), ini),
                 OptionalText(QStringLiteral("http://g2.example/?q=x.org")));
        QCOMPARE(webResultAddress(QStringLiteral("MSN"), QStringLiteral("x.org"), ini),
                 OptionalText(QStringLiteral("x.org")));
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
        QCOMPARE(webResultAddress(QStringLiteral("Ask"), QStringLiteral("x.org/a b"), app.folder().settingsIni()),
                 OptionalText(QStringLiteral("x.org%2Fa%20b")));
    }

    void installedTemplatesAreUsed()
    {
        TestAppFolder app;
        QCOMPARE(webResultAddress(QStringLiteral("Google"), QStringLiteral("site/a b"), app.folder().settingsIni()),
                 OptionalText(QStringLiteral("http://www.google.com/search?hl=en&ie=UTF-8&q=link:site%2Fa%20b")));
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

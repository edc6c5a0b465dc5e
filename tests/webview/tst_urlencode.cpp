#include "webview/UrlEncode.h"

#include <QTest>

class UrlEncodeTest : public QObject
{
    Q_OBJECT

private slots:
    void everyEncodedCharacter_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("escape");
        QTest::newRow("percent") << "%"
                                 << "%25";
        QTest::newRow("space") << " "
                               << "%20";
        QTest::newRow("less than") << "<"
                                   << "%3C";
        QTest::newRow("greater than") << ">"
                                      << "%3E";
        QTest::newRow("hash") << "#"
                              << "%23";
        QTest::newRow("left brace") << "{"
                                    << "%7B";
        QTest::newRow("right brace") << "}"
                                     << "%7D";
        QTest::newRow("bar") << "|"
                             << "%7C";
        QTest::newRow("backslash") << "\\"
                                   << "%5C";
        QTest::newRow("caret") << "^"
                               << "%5E";
        QTest::newRow("tilde") << "~"
                               << "%7E";
        QTest::newRow("left bracket") << "["
                                      << "%5B";
        QTest::newRow("right bracket") << "]"
                                       << "%5D";
        QTest::newRow("grave accent") << "`"
                                      << "%60";
        QTest::newRow("semicolon") << ";"
                                   << "%3B";
        QTest::newRow("slash") << "/"
                               << "%2F";
        QTest::newRow("question mark") << "?"
                                       << "%3F";
        QTest::newRow("colon") << ":"
                               << "%3A";
        QTest::newRow("at") << "@"
                            << "%40";
        QTest::newRow("equals") << "="
                                << "%3D";
        QTest::newRow("ampersand") << "&"
                                   << "%26";
        QTest::newRow("dollar") << "$"
                                << "%24";
        QTest::newRow("line feed") << "\n"
                                   << "%0A";
        QTest::newRow("carriage return") << "\r"
                                         << "%0D";
    }

    void everyEncodedCharacter()
    {
        QFETCH(QString, character);
        QFETCH(QString, escape);
        QCOMPARE(urlEncode(character), escape);
        // Every occurrence, wherever it stands.
        QCOMPARE(urlEncode(character + QStringLiteral("a") + character + character),
                 escape + QStringLiteral("a") + escape + escape);
    }

    void examples_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("path and query") << "site/d e?f=1"
                                        << "site%2Fd%20e%3Ff%3D1";
        QTest::newRow("an escape in the site is escaped again") << "%20"
                                                                << "%2520";
        QTest::newRow("percent before a later escape") << "%<"
                                                       << "%25%3C";
        QTest::newRow("scheme and user") << "http://user@host"
                                         << "http%3A%2F%2Fuser%40host";
        QTest::newRow("line ends") << "a\r\nb"
                                   << "a%0D%0Ab";
        QTest::newRow("letters digits and other marks stay") << "Az09-_.!*'(),+\""
                                                             << "Az09-_.!*'(),+\"";
        QTest::newRow("beyond ascii stays") << QStringLiteral("b\u00fccher.de/\u00e9t\u00e9 \u65e5")
                                            << QStringLiteral("b\u00fccher.de%2F\u00e9t\u00e9%20\u65e5");
        QTest::newRow("tab stays") << "a\tb"
                                   << "a\tb";
        QTest::newRow("empty") << ""
                               << "";
    }

    void examples()
    {
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        QCOMPARE(urlEncode(text), encoded);
    }
};

QTEST_GUILESS_MAIN(UrlEncodeTest)
#include "tst_urlencode.moc"

#include "lists/ClipboardUrls.h"

#include <QTest>

class ClipboardUrlsTest : public QObject
{
    Q_OBJECT

private slots:
    void fromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("urls");
        QTest::newRow("host, www host, two spaces")
            << "example.com\r\nwww.example.org\r\n  "
            << QStringList{"http://www.example.com", "http://www.example.org", "http://www.  "};
        QTest::newRow("www. anywhere, also in the path")
            << "example.com/www.page" << QStringList{"http://example.com/www.page"};
        QTest::newRow("www. in capitals") << "WWW.Example.COM" << QStringList{"http://WWW.Example.COM"};
        QTest::newRow("http:// taken unchanged") << "http://example.com" << QStringList{"http://example.com"};
        QTest::newRow("http:// in capitals") << "HTTP://Example.com" << QStringList{"HTTP://Example.com"};
        QTest::newRow("http:// anywhere") << "see http://example.com" << QStringList{"see http://example.com"};
        QTest::newRow("https:// taken unchanged") << "https://example.com\nhttps://www.example.org"
                                                  << QStringList{"https://example.com", "https://www.example.org"};
        QTest::newRow("http without slashes is no scheme")
            << "http:example.com" << QStringList{"http://www.http:example.com"};
        QTest::newRow("nothing trimmed") << " example.com " << QStringList{"http://www. example.com "};
        QTest::newRow("empty lines dropped, LF line ends") << "\na.com\n\r\n\nb.com\n"
                                                           << QStringList{"http://www.a.com", "http://www.b.com"};
        QTest::newRow("duplicates kept") << "a.com\r\na.com" << QStringList{"http://www.a.com", "http://www.a.com"};
        QTest::newRow("empty clipboard") << "" << QStringList{};
        QTest::newRow("only line ends") << "\r\n\r\n" << QStringList{};
    }

    void fromText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, urls);
        QCOMPARE(ClipboardUrls::fromText(text), urls);
    }
};

QTEST_GUILESS_MAIN(ClipboardUrlsTest)
#include "tst_clipboardurls.moc"

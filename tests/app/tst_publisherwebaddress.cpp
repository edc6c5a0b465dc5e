#include "Branding.h"
#include "app/BrandingInfo.h"
#include "app/PublisherWebAddress.h"

#include <QTest>

class PublisherWebAddressTest : public QObject
{
    Q_OBJECT

private slots:
    void address_data()
    {
        QTest::addColumn<QString>("comments");
        QTest::addColumn<QString>("expected");

        QTest::newRow("no scheme") << "www.quorvex.example"
                                   << "http://www.quorvex.example";
        QTest::newRow("http") << "http://www.quorvex.example"
                              << "http://www.quorvex.example";
        QTest::newRow("https") << "https://www.quorvex.example/"
                               << "https://www.quorvex.example/";
        QTest::newRow("upper-case HTTP") << "HTTP://WWW.QUORVEX.EXAMPLE"
                                         << "HTTP://WWW.QUORVEX.EXAMPLE";
        QTest::newRow("mixed-case Https") << "Https://quorvex.example"
                                          << "Https://quorvex.example";
        QTest::newRow("scheme in the middle") << "Visit http://quorvex.example today"
                                              << "Visit http://quorvex.example today";
        QTest::newRow("https in the middle") << "see https://x.example"
                                             << "see https://x.example";
        QTest::newRow("scheme without slashes") << "http:quorvex.example"
                                                << "http://http:quorvex.example";
        QTest::newRow("other scheme") << "ftp://files.example"
                                      << "http://ftp://files.example";
        QTest::newRow("empty") << ""
                               << "http://";
    }

    void address()
    {
        QFETCH(QString, comments);
        QFETCH(QString, expected);
        QCOMPARE(publisherWebAddress(comments), expected);
    }

    void openerReceivesTheAddress_data()
    {
        QTest::addColumn<QString>("comments");
        QTest::addColumn<QUrl>("expected");

        QTest::newRow("no scheme") << "www.quorvex.example/about" << QUrl("http://www.quorvex.example/about");
        QTest::newRow("https kept") << "HTTPS://secure.example" << QUrl("https://secure.example");
    }

    void openerReceivesTheAddress()
    {
        QFETCH(QString, comments);
        QFETCH(QUrl, expected);
        QList<QUrl> opened;
        openPublisherWebAddress(comments, [&opened](const QUrl& url) { opened.append(url); });
        QCOMPARE(opened, QList<QUrl>{expected});
    }

    void buildBrandingIsOpenedByDefault()
    {
        QList<QUrl> opened;
        openPublisherWebAddress([&opened](const QUrl& url) { opened.append(url); });
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first(), QUrl(publisherWebAddress(QString::fromUtf8(Branding::comments))));
    }

    void versionText_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("expected");

        QTest::newRow("1.5") << 1 << 5 << "1.5";
        QTest::newRow("2.0") << 2 << 0 << "2.0";
        QTest::newRow("minor of two digits") << 1 << 12 << "1.12";
        QTest::newRow("no padding") << 10 << 1 << "10.1";
    }

    void versionText()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, expected);
        BrandingInfo branding;
        branding.versionMajor = major;
        branding.versionMinor = minor;
        QCOMPARE(branding.versionText(), expected);
    }
};

QTEST_GUILESS_MAIN(PublisherWebAddressTest)
#include "tst_publisherwebaddress.moc"

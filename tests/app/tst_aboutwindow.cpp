#include "Branding.h"
#include "app/AboutWindow.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

namespace {

BrandingInfo sampleBranding(int major, int minor)
{
    BrandingInfo branding;
    branding.productName = QStringLiteral("Quorvex");
    branding.companyName = QStringLiteral("Sample Publisher Ltd");
    branding.comments = QStringLiteral("www.sample.example");
    branding.versionMajor = major;
    branding.versionMinor = minor;
    return branding;
}

QString labelText(const QWidget& window, const char* name)
{
    const QLabel* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QString::fromLatin1(name));
}

} // namespace

class AboutWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("version");

        QTest::newRow("1.5") << 1 << 5 << "1.5";
        QTest::newRow("2.0") << 2 << 0 << "2.0";
        QTest::newRow("3.14") << 3 << 14 << "3.14";
    }

    void texts()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, version);

        AboutWindow window(sampleBranding(major, minor), [](const QUrl&) {});
        QCOMPARE(window.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(window.windowTitle(), QStringLiteral("About Quorvex"));
        QCOMPARE(labelText(window, "Label1"), QStringLiteral("Quorvex"));
        QCOMPARE(labelText(window, "Label2"), QStringLiteral("Version:"));
        QCOMPARE(labelText(window, "lblVersion"), version);
        QCOMPARE(labelText(window, "Label3"), QStringLiteral("Owned By:"));
        QCOMPARE(labelText(window, "lblCompany"), QStringLiteral("Sample Publisher Ltd"));
        QCOMPARE(labelText(window, "Label4"), QStringLiteral("Website:"));
        QCOMPARE(labelText(window, "lblWebsite"), QStringLiteral("www.sample.example"));
    }

    void layout()
    {
        AboutWindow window(sampleBranding(1, 5), [](const QUrl&) {});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(497, 169));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

        // The banner lies across the top and carries the product name.
        const QLabel* banner = window.findChild<QLabel*>(QStringLiteral("Picture1"));
        QVERIFY(banner);
        QCOMPARE(banner->geometry(), QRect(0, 0, 497, 68));
        QCOMPARE(banner->pixmap().size(), QSize(497, 68));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label1"))->parentWidget(), banner);

        // Three rows below it, top to bottom, each value right of its caption.
        const char* const rows[][2] = {{"Label2", "lblVersion"}, {"Label3", "lblCompany"}, {"Label4", "lblWebsite"}};
        int previousTop = banner->geometry().bottom();
        for (const auto& row : rows) {
            const QLabel* caption = window.findChild<QLabel*>(QString::fromLatin1(row[0]));
            const QLabel* value = window.findChild<QLabel*>(QString::fromLatin1(row[1]));
            QVERIFY(caption && value);
            QVERIFY(caption->geometry().top() > previousTop);
            QVERIFY(value->geometry().left() > caption->geometry().left());
            QVERIFY(value->geometry().bottom() <= window.height());
            previousTop = caption->geometry().top();
        }
    }

    void escapeClosesIt()
    {
        AboutWindow window(sampleBranding(1, 0), [](const QUrl&) {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void clickingTheWebsiteOpensIt_data()
    {
        QTest::addColumn<QString>("comments");
        QTest::addColumn<QUrl>("opened");

        QTest::newRow("no scheme") << "www.sample.example" << QUrl("http://www.sample.example");
        QTest::newRow("https") << "https://secure.sample.example" << QUrl("https://secure.sample.example");
        QTest::newRow("upper-case HTTP") << "HTTP://WWW.SAMPLE.EXAMPLE" << QUrl("http://www.sample.example");
    }

    void clickingTheWebsiteOpensIt()
    {
        QFETCH(QString, comments);
        QFETCH(QUrl, opened);

        BrandingInfo branding = sampleBranding(1, 5);
        branding.comments = comments;
        QList<QUrl> urls;
        AboutWindow window(branding, [&urls](const QUrl& url) { urls.append(url); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QLabel* website = window.findChild<QLabel*>(QStringLiteral("lblWebsite"));
        QTest::mouseClick(website, Qt::LeftButton);
        QCOMPARE(urls, QList<QUrl>{opened});

        // Clicking the other labels opens nothing.
        QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("lblCompany")), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("Label4")), Qt::LeftButton);
        QCOMPARE(urls.size(), 1);
    }

    void buildBrandingByDefault()
    {
        QPointer<AboutWindow> window = AboutWindow::open([](const QUrl&) {});
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("About Quorvex"));
        QCOMPARE(labelText(*window, "lblVersion"),
                 QString::number(Branding::versionMajor) + QLatin1Char('.') + QString::number(Branding::versionMinor));
        QCOMPARE(labelText(*window, "lblCompany"), QString::fromUtf8(Branding::companyName));
        QCOMPARE(labelText(*window, "lblWebsite"), QString::fromUtf8(Branding::comments));
        window->close();
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "tst_aboutwindow.moc"

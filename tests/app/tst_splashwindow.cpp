#include "app/SplashWindow.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

BrandingInfo sampleBranding()
{
    BrandingInfo branding;
    branding.productName = QStringLiteral("Quorvex");
    branding.companyName = QStringLiteral("Sample Publisher Ltd");
    branding.comments = QStringLiteral("www.sample.example");
    branding.versionMajor = 1;
    branding.versionMinor = 5;
    return branding;
}

} // namespace

class SplashWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void shape()
    {
        SplashWindow splash(sampleBranding());
        QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash.windowType(), Qt::SplashScreen);
        QCOMPARE(splash.size(), QSize(478, 318));
        const QLabel* picture = splash.findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().size(), QSize(476, 316));
        QVERIFY(splash.rect().contains(picture->geometry()));
        QCOMPARE(splash.tickInterval(), SplashWindow::defaultTickInterval);
        QVERIFY(!splash.isTimerRunning());
    }

    void counterAdvancesByTwo_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("counter");
        QTest::addColumn<bool>("finished");

        QTest::newRow("none") << 0 << 0 << false;
        QTest::newRow("one") << 1 << 2 << false;
        QTest::newRow("ten") << 10 << 20 << false;
        QTest::newRow("74") << 74 << 148 << false;
        QTest::newRow("75") << 75 << 150 << true;
    }

    void counterAdvancesByTwo()
    {
        QFETCH(int, ticks);
        QFETCH(int, counter);
        QFETCH(bool, finished);

        SplashWindow splash(sampleBranding());
        splash.setTickInterval(60000); // the test drives the ticks itself
        splash.start();
        QVERIFY(splash.isVisible());
        QSignalSpy finishedSpy(&splash, &SplashWindow::finished);
        for (int i = 0; i < ticks; ++i)
            splash.tick();

        QCOMPARE(splash.counter(), counter);
        QCOMPARE(finishedSpy.count(), finished ? 1 : 0);
        QCOMPARE(splash.isVisible(), !finished);
        QCOMPARE(splash.isTimerRunning(), !finished);
    }

    void finishedBeforeHiding()
    {
        // The main window opens from finished(), while the splash still shows.
        SplashWindow splash(sampleBranding());
        splash.setTickInterval(60000);
        splash.start();
        bool visibleAtFinish = false;
        connect(&splash, &SplashWindow::finished, this, [&] { visibleAtFinish = splash.isVisible(); });
        for (int i = 0; i < 75; ++i)
            splash.tick();
        QVERIFY(visibleAtFinish);
        QVERIFY(!splash.isVisible());
    }

    void timerRunsToTheEnd()
    {
        SplashWindow splash(sampleBranding());
        splash.setTickInterval(1);
        QSignalSpy finishedSpy(&splash, &SplashWindow::finished);
        splash.start();
        QVERIFY(splash.isTimerRunning());
        QVERIFY(finishedSpy.wait(10000));
        QCOMPARE(finishedSpy.count(), 1);
        QCOMPARE(splash.counter(), 150);
        QVERIFY(!splash.isTimerRunning());
        QVERIFY(!splash.isVisible());
        // The stopped timer gives no further ticks.
        QTest::qWait(20);
        QCOMPARE(splash.counter(), 150);
        QCOMPARE(finishedSpy.count(), 1);
    }
};

QTEST_MAIN(SplashWindowTest)
#include "tst_splashwindow.moc"

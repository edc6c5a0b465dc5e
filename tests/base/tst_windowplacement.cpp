#include "base/WindowPlacement.h"

#include <QTest>

// The screens' available areas, side by side as a desktop arranges them,
// and a window frame with a 30-pixel title bar.
class WindowPlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void placedOnScreens_data()
    {
        QTest::addColumn<QList<QRect>>("areas");
        QTest::addColumn<QRect>("client");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("placed");
        const QList<QRect> one{QRect(0, 0, 800, 600)};
        const QList<QRect> two{QRect(0, 0, 1280, 900), QRect(1280, 0, 1024, 768)};
        const QList<QRect> leftOfPrimary{QRect(0, 0, 1280, 900), QRect(-1920, -200, 1920, 1080)};
        const QSize small(300, 200);
        QTest::newRow("inside stays") << one << QRect(100, 100, 400, 300) << small << QRect(100, 100, 400, 300);
        QTest::newRow("off every screen, right and below")
            << one << QRect(5000, 4000, 400, 300) << small << QRect(396, 296, 400, 300);
        QTest::newRow("off every screen, left and above")
            << one << QRect(-3000, -2000, 400, 300) << small << QRect(4, 30, 400, 300);
        QTest::newRow("title bar above the screen")
            << one << QRect(100, 10, 400, 300) << small << QRect(100, 30, 400, 300);
        QTest::newRow("partly off") << one << QRect(600, 400, 400, 300) << small << QRect(396, 296, 400, 300);
        QTest::newRow("larger than the screen") << one << QRect(0, 0, 1200, 900) << small << QRect(4, 30, 792, 566);
        QTest::newRow("saved at half the scale factor")
            << QList<QRect>{QRect(0, 0, 640, 450)} << QRect(300, 200, 878, 760) << small << QRect(4, 30, 632, 416);
        QTest::newRow("minimum larger than the screen: title bar and menus stay")
            << one << QRect(-200, -100, 1000, 800) << QSize(900, 700) << QRect(4, 30, 900, 700);
        QTest::newRow("on the second screen")
            << two << QRect(1500, 100, 600, 400) << small << QRect(1500, 100, 600, 400);
        QTest::newRow("mostly on the second screen")
            << two << QRect(2000, 500, 600, 400) << small << QRect(1700, 364, 600, 400);
        QTest::newRow("on a screen that is gone: the nearest")
            << two << QRect(-1500, 100, 600, 400) << small << QRect(4, 100, 600, 400);
        QTest::newRow("on a screen left of the primary")
            << leftOfPrimary << QRect(-1500, 0, 800, 600) << small << QRect(-1500, 0, 800, 600);
        QTest::newRow("no screen") << QList<QRect>{} << QRect(-1500, 0, 800, 600) << small << QRect(-1500, 0, 800, 600);
    }

    void placedOnScreens()
    {
        QFETCH(QList<QRect>, areas);
        QFETCH(QRect, client);
        QFETCH(QSize, minimum);
        QFETCH(QRect, placed);
        QCOMPARE(::placedOnScreens(client, QMargins(4, 30, 4, 4), areas, minimum), placed);
    }
};

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "tst_windowplacement.moc"

#include "charts/ChartProjection.h"

#include <QTest>

#include <algorithm>

namespace {

QList<Point3> corners(double w, double h, double d)
{
    QList<Point3> result;
    for (const double x : {0.0, w})
        for (const double y : {0.0, h})
            for (const double z : {0.0, d})
                result.append({x, y, z});
    return result;
}

} // namespace

class ChartProjectionTest : public QObject
{
    Q_OBJECT

private slots:
    void theBoxFillsTheTarget_data()
    {
        QTest::addColumn<double>("yaw");
        QTest::addColumn<double>("pitch");
        QTest::newRow("straight on") << 0.0 << 0.0;
        QTest::newRow("usual view") << 24.0 << 16.0;
        QTest::newRow("turned left") << -60.0 << 40.0;
        QTest::newRow("from high above") << 10.0 << 70.0;
    }

    void theBoxFillsTheTarget()
    {
        QFETCH(double, yaw);
        QFETCH(double, pitch);
        const QRectF target(20, 30, 600, 400);
        const ChartProjection projection(500, 300, 150, ViewAngle{yaw, pitch}, target);
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
        for (const Point3& corner : corners(500, 300, 150)) {
            const QPointF p = projection.map(corner);
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        const QRectF seen(QPointF(left, top), QPointF(right, bottom));
        // Inside the target, touching it across or up and down.
        QVERIFY(target.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(seen));
        QVERIFY(qAbs(seen.width() - target.width()) < 1e-6 || qAbs(seen.height() - target.height()) < 1e-6);
        // It stands on the bottom of the target, where the labels go beneath.
        QCOMPARE(seen.bottom(), target.bottom());
    }

    void straightOnIsAFlatChart()
    {
        const ChartProjection projection(400, 200, 0, ViewAngle{0, 0}, QRectF(0, 0, 400, 200));
        QCOMPARE(projection.map({0, 0, 0}), QPointF(0, 200));
        QCOMPARE(projection.map({400, 200, 0}), QPointF(400, 0));
        QCOMPARE(projection.map({100, 50, 0}), QPointF(100, 150));
    }

    void depthGrowsAwayFromTheViewer()
    {
        const ChartProjection projection(400, 200, 100, ViewAngle{24, 16}, QRectF(0, 0, 400, 300));
        QVERIFY(projection.depthOf({100, 50, 80}) > projection.depthOf({100, 50, 10}));
        // Turned to the right, the right-hand side comes nearer.
        QVERIFY(projection.depthOf({350, 50, 50}) < projection.depthOf({50, 50, 50}));
        // Seen from above, higher points are nearer.
        QVERIFY(projection.depthOf({100, 150, 50}) < projection.depthOf({100, 10, 50}));
        // Farther back is higher up and to the right on the screen.
        const QPointF front = projection.map({100, 50, 0});
        const QPointF back = projection.map({100, 50, 100});
        QVERIFY(back.x() > front.x());
        QVERIFY(back.y() < front.y());
    }

    void facesTurnedToTheViewer_data()
    {
        QTest::addColumn<double>("yaw");
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("right");
        QTest::newRow("turned right shows the right side") << 30.0 << false << true;
        QTest::newRow("turned left shows the left side") << -30.0 << true << false;
    }

    void facesTurnedToTheViewer()
    {
        QFETCH(double, yaw);
        QFETCH(bool, left);
        QFETCH(bool, right);
        const ChartProjection projection(400, 200, 100, ViewAngle{yaw, 20}, QRectF(0, 0, 400, 300));
        QVERIFY(projection.faces({0, 0, -1}));
        QVERIFY(!projection.faces({0, 0, 1}));
        QVERIFY(projection.faces({0, 1, 0}));
        QVERIFY(!projection.faces({0, -1, 0}));
        QCOMPARE(projection.faces({-1, 0, 0}), left);
        QCOMPARE(projection.faces({1, 0, 0}), right);
    }

    void anglesStayWithinLimits()
    {
        const ViewAngle angle = ViewAngle{200, -40}.clamped();
        QCOMPARE(angle.yaw, ViewAngle::maxYaw);
        QCOMPARE(angle.pitch, ViewAngle::minPitch);
        QCOMPARE((ViewAngle{-200, 500}.clamped()), (ViewAngle{ViewAngle::minYaw, ViewAngle::maxPitch}));
    }
};

QTEST_GUILESS_MAIN(ChartProjectionTest)
#include "tst_chartprojection.moc"

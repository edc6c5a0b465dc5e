#include "charts/ValueAxis.h"

#include <QTest>

#include <cmath>

namespace {

bool isRoundStep(double step)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(step)));
    const double multiple = step / magnitude;
    for (const double round : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (std::abs(multiple - round) < 1e-9)
            return true;
    }
    return false;
}

} // namespace

class ValueAxisTest : public QObject
{
    Q_OBJECT

private slots:
    void rangesTakeInTheValuesOnRoundTicks_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("maxIntervals");
        QTest::addColumn<bool>("wholeNumbers");

        QTest::newRow("counts") << 0.0 << 15'400.0 << 8 << true;
        QTest::newRow("small counts") << 0.0 << 3.0 << 8 << true;
        QTest::newRow("scaled fractions") << 0.0 << 1.55 << 6 << false;
        QTest::newRow("negative and positive") << -150.0 << 712.0 << 6 << true;
        QTest::newRow("all negative") << -80.0 << -20.0 << 5 << true;
        QTest::newRow("one interval") << 0.0 << 999.0 << 1 << true;
        QTest::newRow("huge") << 0.0 << 4.2e9 << 8 << true;
        QTest::newRow("value on a tick") << 0.0 << 16'000.0 << 8 << true;
    }

    void rangesTakeInTheValuesOnRoundTicks()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(int, maxIntervals);
        QFETCH(bool, wholeNumbers);
        const ValueAxis axis = ValueAxis::forRange(low, high, maxIntervals, wholeNumbers);
        QVERIFY(axis.minimum <= std::min(low, 0.0));
        QVERIFY(axis.maximum >= std::max(high, 0.0));
        QVERIFY2(isRoundStep(axis.step), qPrintable(QString::number(axis.step)));
        QVERIFY(axis.intervals() >= 1);
        QVERIFY(axis.intervals() <= maxIntervals);
        // No more than one step of room beyond the values on either side.
        QVERIFY(axis.maximum - std::max(high, 0.0) < axis.step);
        QVERIFY(std::min(low, 0.0) - axis.minimum < axis.step);
        if (wholeNumbers)
            QCOMPARE(axis.step, std::round(axis.step));
        const QList<double> ticks = axis.ticks();
        QCOMPARE(ticks.first(), axis.minimum);
        QCOMPARE(ticks.last(), axis.maximum);
        QVERIFY(ticks.contains(0.0));
    }

    void aValueOnATickEndsTheAxis()
    {
        const ValueAxis axis = ValueAxis::forRange(0, 16'000, 8, true);
        QCOMPARE(axis.maximum, 16'000.0);
        QCOMPARE(axis.step, 2'000.0);
        QCOMPARE(axis.decimals, 0);
    }

    void wholeNumbersNeverStepByFractions()
    {
        const ValueAxis axis = ValueAxis::forRange(0, 3, 8, true);
        QCOMPARE(axis.step, 1.0);
        QCOMPARE(axis.ticks(), (QList<double>{0, 1, 2, 3}));
        QCOMPARE(axis.decimals, 0);
        // A step of 2.5 is no whole number.
        QCOMPARE(ValueAxis::forRange(0, 10, 4, true).step, 5.0);
        QCOMPARE(ValueAxis::forRange(0, 10, 4, false).step, 2.5);
    }

    void decimalsFollowTheStep_data()
    {
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("maxIntervals");
        QTest::addColumn<int>("decimals");
        QTest::newRow("2.5 steps of tenths") << 0.9 << 4 << 2;
        QTest::newRow("steps of 0.5") << 2.0 << 4 << 1;
        QTest::newRow("steps of 2") << 10.0 << 5 << 0;
    }

    void decimalsFollowTheStep()
    {
        QFETCH(double, high);
        QFETCH(int, maxIntervals);
        QFETCH(int, decimals);
        const ValueAxis axis = ValueAxis::forRange(0, high, maxIntervals, false);
        QCOMPARE(axis.decimals, decimals);
    }

    void zerosAndNoValuesStillHaveAScale()
    {
        const ValueAxis whole = ValueAxis::forRange(0, 0, 8, true);
        QCOMPARE(whole.minimum, 0.0);
        QCOMPARE(whole.maximum, 4.0);
        const ValueAxis fractions = ValueAxis::forRange(0, 0, 5, false);
        QCOMPARE(fractions.minimum, 0.0);
        QCOMPARE(fractions.maximum, 1.0);
        QCOMPARE(fractions.step, 0.2);
    }

    void ticksHaveNoNegativeZero()
    {
        const ValueAxis axis = ValueAxis::forRange(-0.3, 0.3, 6, false);
        for (const double tick : axis.ticks())
            QVERIFY(!(tick == 0 && std::signbit(tick)));
    }

    void fractionPlacesValuesAlongTheAxis()
    {
        const ValueAxis axis = ValueAxis::forRange(-100, 300, 4, true);
        QCOMPARE(axis.fraction(axis.minimum), 0.0);
        QCOMPARE(axis.fraction(axis.maximum), 1.0);
        QCOMPARE(axis.baselineFraction(), 0.25);
    }
};

QTEST_GUILESS_MAIN(ValueAxisTest)
#include "tst_valueaxis.moc"

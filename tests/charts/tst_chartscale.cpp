#include "charts/ChartScale.h"

#include <QTest>

class ChartScaleTest : public QObject
{
    Q_OBJECT

private slots:
    void largestNumber_data()
    {
        QTest::addColumn<QList<qint64>>("numbers");
        QTest::addColumn<qint64>("largest");
        QTest::newRow("no numbers (n = 0)") << QList<qint64>{} << qint64(0);
        QTest::newRow("one") << QList<qint64>{7} << qint64(7);
        QTest::newRow("largest first") << QList<qint64>{9, 3, 5} << qint64(9);
        QTest::newRow("largest last") << QList<qint64>{1, 3, 500} << qint64(500);
        QTest::newRow("all negative") << QList<qint64>{-4, -2, -9} << qint64(-2);
        QTest::newRow("beyond 32 bits") << QList<qint64>{3'000'000'000LL, 12} << qint64(3'000'000'000LL);
    }

    void largestNumber()
    {
        QFETCH(QList<qint64>, numbers);
        QFETCH(qint64, largest);
        QCOMPARE(::largestNumber(numbers), largest);
    }

    void scaleTable_data()
    {
        QTest::addColumn<qint64>("largestCount");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("title");
        QTest::newRow("0") << qint64(0) << 1 << "Linking Sites";
        QTest::newRow("1,000,000") << qint64(1'000'000) << 1 << "Linking Sites";
        QTest::newRow("1,000,001") << qint64(1'000'001) << 10 << "Linking Sites x10";
        QTest::newRow("10,000,000") << qint64(10'000'000) << 10 << "Linking Sites x10";
        QTest::newRow("10,000,001") << qint64(10'000'001) << 100 << "Linking Sites x100";
        QTest::newRow("100,000,000") << qint64(100'000'000) << 100 << "Linking Sites x100";
        QTest::newRow("100,000,001") << qint64(100'000'001) << 1000 << "Linking Sites x1000";
        QTest::newRow("5,000,000,000") << qint64(5'000'000'000LL) << 1000 << "Linking Sites x1000";
        QTest::newRow("negative") << qint64(-5) << 1 << "Linking Sites";
    }

    void scaleTable()
    {
        QFETCH(qint64, largestCount);
        QFETCH(int, divisor);
        QFETCH(QString, title);
        const ChartScale scale = ChartScale::forLargestCount(largestCount);
        QCOMPARE(scale.divisor, divisor);
        QCOMPARE(scale.valueAxisTitle, title);
    }

    void fractionsAreKept()
    {
        QCOMPARE(ChartScale::forLargestCount(2'000'000).apply(15), 1.5);
        QCOMPARE(ChartScale::forLargestCount(200'000'000).apply(123'456'789), 123'456.789);
        QCOMPARE(ChartScale::forLargestCount(10).apply(15), 15.0);
    }
};

QTEST_GUILESS_MAIN(ChartScaleTest)
#include "tst_chartscale.moc"

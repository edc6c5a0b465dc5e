#include "saved/SavedDateKey.h"

#include <QTest>

class SavedDateKeyTest : public QObject
{
    Q_OBJECT

private slots:
    // Each key read as of 8 Dec 2026 and put in time order: "key=yyyy-mm-dd",
    // or "key=" for a key that is no date.
    void keysInDateOrder_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("ordered");
        QTest::newRow("this century") << QStringList{"05-02-06"} << QStringList{"05-02-06=2006-05-02"};
        QTest::newRow("newest first, across a new year")
            << QStringList{"01-06-27", "12-09-26", "11-25-26"}
            << QStringList{"11-25-26=2026-11-25", "12-09-26=2026-12-09", "01-06-27=2027-01-06"};
        QTest::newRow("across the century")
            << QStringList{"01-09-00", "12-31-99"} << QStringList{"12-31-99=1999-12-31", "01-09-00=2000-01-09"};
        QTest::newRow("more than a year ahead is the last century")
            << QStringList{"05-02-06", "12-09-27", "12-01-27"}
            << QStringList{"12-09-27=1927-12-09", "05-02-06=2006-05-02", "12-01-27=2027-12-01"};
        QTest::newRow("leap day, spaces around") << QStringList{" 02-29-24 "} << QStringList{" 02-29-24 =2024-02-29"};
        QTest::newRow("keys that are no date last, as given")
            << QStringList{"today", "05-02-06", "02-29-25", "13-01-06", "5-02-06", "2006-05-02", "05-01-06"}
            << QStringList{"05-01-06=2006-05-01", "05-02-06=2006-05-02", "today=", "02-29-25=", "13-01-06=", "5-02-06=",
                           "2006-05-02="};
        QTest::newRow("a date twice keeps its order")
            << QStringList{"05-02-06 ", "04-01-06", "05-02-06"}
            << QStringList{"04-01-06=2006-04-01", "05-02-06 =2006-05-02", "05-02-06=2006-05-02"};
    }

    void keysInDateOrder()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, ordered);
        QStringList read;
        for (const SavedDateKey::DatedKey& dated : SavedDateKey::inDateOrder(keys, QDate(2026, 12, 8))) {
            QCOMPARE(dated.key, keys.value(dated.position));
            read.append(dated.key + u'=' + (dated.date ? dated.date->toString(Qt::ISODate) : QString()));
        }
        QCOMPARE(read, ordered);
    }
};

QTEST_GUILESS_MAIN(SavedDateKeyTest)
#include "tst_saveddatekey.moc"

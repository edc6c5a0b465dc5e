#include "saved/HistoryCsv.h"
#include "saved/SavedDateKey.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

class HistoryCsvTest : public QObject
{
    Q_OBJECT

private slots:
    void dateOfAKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QDate>("date"); // invalid for no date
        QTest::newRow("this century") << "05-02-06" << QDate(2006, 5, 2);
        QTest::newRow("less than a year ahead") << "12-01-27" << QDate(2027, 12, 1);
        QTest::newRow("more than a year ahead") << "12-09-27" << QDate(1927, 12, 9);
        QTest::newRow("last century") << "12-31-99" << QDate(1999, 12, 31);
        QTest::newRow("spaces around") << " 01-09-00 " << QDate(2000, 1, 9);
        QTest::newRow("leap day") << "02-29-24" << QDate(2024, 2, 29);
        QTest::newRow("no such day") << "02-29-25" << QDate();
        QTest::newRow("month 13") << "13-01-06" << QDate();
        QTest::newRow("one-digit month") << "5-02-06" << QDate();
        QTest::newRow("other order") << "2006-05-02" << QDate();
        QTest::newRow("words") << "today" << QDate();
    }

    void dateOfAKey()
    {
        QFETCH(QString, key);
        QFETCH(QDate, date);
        const std::optional<QDate> read = SavedDateKey::toDate(key, QDate(2026, 12, 8));
        QCOMPARE(read.value_or(QDate()), date);
    }

    // Dates oldest first whatever the file's order, a column per section, a
    // gap where a section has no count for a date, keys that are no date last.
    void historyOfASavedSearch()
    {
        QTemporaryDir dir;
        const QString saved = dir.filePath("site.qvh");
        QVERIFY(writeBytes(saved, "\r\n[Google]\r\n05-03-06=300\r\n99-99-99=7\r\n05-01-06=100\r\n12-30-99=1\r\n"
                                  "\r\n[MSN, \"Live\"]\r\n05-02-06=\r\n05-01-06=10=x\r\n05-03-06=30\r\n"
                                  "\r\n[Ask]\r\n05-03-06=1,5\r\nlater=4\r\n"));
        QString error;
        QVERIFY2(HistoryCsv::write(saved, dir.filePath("site.csv"), QDate(2026, 12, 8), &error), qPrintable(error));
        QCOMPARE(readBytes(dir.filePath("site.csv")), QByteArray("Date,Google,\"MSN, \"\"Live\"\"\",Ask\r\n"
                                                                 "1999-12-30,1,,\r\n"
                                                                 "2006-05-01,100,10,\r\n"
                                                                 "2006-05-02,,,\r\n"
                                                                 "2006-05-03,300,30,\r\n"
                                                                 "99-99-99,7,,\r\n"
                                                                 "later,,,4\r\n"));

        QVERIFY(
            !HistoryCsv::write(dir.filePath("missing.qvh"), dir.filePath("missing.csv"), QDate(2026, 12, 8), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("missing.csv")));
    }
};

QTEST_GUILESS_MAIN(HistoryCsvTest)
#include "tst_historycsv.moc"

#include "saved/HistoryCsv.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

class HistoryCsvTest : public QObject
{
    Q_OBJECT

private slots:
    // Dates oldest first whatever the file's order, a column per section, a
    // gap where a section has no count for a date, keys that are no date last.
    void historyOfASavedSearch()
    {
        QTemporaryDir dir;
        const QString saved = dir.filePath("site.qvh");
        QVERIFY(writeBytes(saved, "\r\n[Google]\r\n05-03-06=300\r\n99-99-99=7\r\n05-01-06=100\r\n12-30-99=1\r\n"
                                  "\r\n[MSN, \"Live\"]\r\n05-02-06=\r\n05-01-06=10=x\r\n05-03-06=30\r\n"
                                  "\r\n[Ask]\r\n05-03-06=1,5\r\nlater=4\r\n"
                                  "\r\n[+cmd()]\r\n@x=9\r\n"));
        QString error;
        QVERIFY2(HistoryCsv::write(saved, dir.filePath("site.csv"), QDate(2026, 12, 8), &error), qPrintable(error));
        // Section names and keys a spreadsheet would run as formulas get an
        // apostrophe.
        QCOMPARE(readBytes(dir.filePath("site.csv")), QByteArray("Date,Google,\"MSN, \"\"Live\"\"\",Ask,'+cmd()\r\n"
                                                                 "1999-12-30,1,,,\r\n"
                                                                 "2006-05-01,100,10,,\r\n"
                                                                 "2006-05-02,,,,\r\n"
                                                                 "2006-05-03,300,30,,\r\n"
                                                                 "99-99-99,7,,,\r\n"
                                                                 "later,,,4,\r\n"
                                                                 "'@x,,,,9\r\n"));

        QVERIFY(
            !HistoryCsv::write(dir.filePath("missing.qvh"), dir.filePath("missing.csv"), QDate(2026, 12, 8), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("missing.csv")));
    }
};

QTEST_GUILESS_MAIN(HistoryCsvTest)
#include "tst_historycsv.moc"

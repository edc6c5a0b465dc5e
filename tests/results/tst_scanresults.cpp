#include "engines/CountText.h"
#include "results/KeptSession.h"
#include "results/ResultsCsv.h"
#include "results/ResultsSortProxy.h"
#include "results/ScanResults.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ScanResultsTest : public QObject
{
    Q_OBJECT

private slots:
    void rankOf_data()
    {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("boundary");
        QTest::addColumn<int>("rank");
        QTest::newRow("499") << qint64(499) << 500 << 1000 << 1;
        QTest::newRow("500") << qint64(500) << 500 << 1000 << 2;
        QTest::newRow("999") << qint64(999) << 500 << 1000 << 2;
        QTest::newRow("1000") << qint64(1000) << 500 << 1000 << 3;
        QTest::newRow("nothing found") << qint64(0) << 500 << 1000 << 1;
        QTest::newRow("zero low threshold") << qint64(0) << 0 << 1000 << 2;
        QTest::newRow("beyond 32 bits") << qint64(5000000000) << 500 << 1000 << 3;
        QTest::newRow("low above boundary, below low") << qint64(700) << 1000 << 500 << 1;
        QTest::newRow("low above boundary, above both") << qint64(1200) << 1000 << 500 << 3;
    }

    void rankOf()
    {
        QFETCH(qint64, total);
        QFETCH(int, low);
        QFETCH(int, boundary);
        QFETCH(int, rank);
        QCOMPARE(::rankOf(total, {low, boundary}), rank);
    }

    // A scan's row: the cells as shown, their sum and the rank; the CSV
    // record of the row.
    void completedRow_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("empty cells count nothing") << "a.example" << QStringList{"1234", "", "0", "56", "0", ""}
                                                   << QByteArray("a.example,1290,1234,,0,56,0,,high");
        // A total of 0 would say that no page links to the site.
        QTest::newRow("no count at all") << "b.example" << QStringList(6) << QByteArray("b.example,,,,,,,,");
        QTest::newRow("no count beside counts")
            << "c.example" << QStringList{"700", "", "", "", "", "0"} << QByteArray("c.example,700,700,,,,,0,medium");
        QTest::newRow("beyond 32 bits") << "d.example" << QStringList{"9999999999", "9999999999", "", "", "", ""}
                                        << QByteArray("d.example,19999999998,9999999999,9999999999,,,,,high");
        QTest::newRow("beyond 64 bits stops at the largest")
            << "e.example" << QStringList{"9223372036854775807", "5", "", "", "", ""}
            << QByteArray("e.example,9223372036854775807,9223372036854775807,5,,,,,high");
        QTest::newRow("quoted site") << "http://x.example/?a=1,b=\"2\"" << QStringList(6, "1")
                                     << QByteArray("\"http://x.example/?a=1,b=\"\"2\"\"\",6,1,1,1,1,1,1,low");
        QTest::newRow("spaces around a site")
            << " y.example" << QStringList(6, "1") << QByteArray("\" y.example\",6,1,1,1,1,1,1,low");
        // A spreadsheet would run these as formulas.
        QTest::newRow("formula site") << "=HYPERLINK(\"http://x.example\",\"a\")" << QStringList(6, "1")
                                      << QByteArray(
                                             "\"'=HYPERLINK(\"\"http://x.example\"\",\"\"a\"\")\",6,1,1,1,1,1,1,low");
        QTest::newRow("plus and at site")
            << "+1@x" << QStringList{"1", "", "", "", "", ""} << QByteArray("'+1@x,1,1,,,,,,low");
        QTest::newRow("line break and UTF-8") << QStringLiteral("caf\u00e9\nbar") << QStringList(6, "1")
                                              << QByteArray("\"caf\xc3\xa9\nbar\",6,1,1,1,1,1,1,low");
    }

    void completedRow()
    {
        QFETCH(QString, site);
        QFETCH(QStringList, cells);
        QFETCH(QByteArray, record);
        ScanResults results;
        QAbstractItemModelTester tester(&results, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int row = results.insertSite(5, site);
        QCOMPARE(row, 0);
        QCOMPARE(results.index(0, 1).data().toString(), QString());
        for (int engine = 1; engine <= 6; ++engine)
            results.setEngineCell(row, engine, CountText::number(cells[engine - 1]), QueryOutcome{});
        QCOMPARE(results.index(0, 0).data(ScanResults::RankRole).toInt(), 0);
        results.completeRow(row, {});
        QCOMPARE(results.index(0, 0).data(ScanResults::RankRole).toInt(), results.row(0).rank);
        for (int column = 2; column < 8; ++column) {
            QCOMPARE(results.index(0, column).data().toString(), cells[column - 2]);
            QCOMPARE(results.index(0, column).data(ScanResults::SortKeyRole),
                     cells[column - 2].isEmpty() ? QVariant() : QVariant(cells[column - 2].toLongLong()));
        }
        const QByteArray header = "Domain Name,Total,Google,Altavista,Yahoo!,Ask,MSN,All The Web,Rank\r\n";
        QCOMPARE(ResultsCsv::encode(results.sourceColumns(), results.rows()), header + record + "\r\n");
    }

    void keptSession()
    {
        QTemporaryDir dir;
        const KeptSession session{ApplicationFolder(dir.path())};
        QVERIFY(session.readUrls().isEmpty());
        QVERIFY(!session.readResults());

        const QStringList urls{"http://a.example/", QStringLiteral("caf\u00e9.example"), " spaced "};
        KeptSession::Results results{QDateTime(QDate(2026, 12, 8), QTime(14, 30, 5)),
                                     {ResultRow::completed("a.example", {"9999999999", "9999999999", "1,234"}, {}),
                                      ResultRow::completed("failed.example", {}, {})}};
        QString error;
        QVERIFY2(session.writeUrls(urls, &error), qPrintable(error));
        QVERIFY2(session.writeResults(results, &error), qPrintable(error));

        QCOMPARE(session.readUrls(), urls);
        const std::optional<KeptSession::Results> read = session.readResults();
        QVERIFY(read);
        QCOMPARE(read->completed, results.completed);
        QCOMPARE(ResultsCsv::encode(read->columns, read->rows), ResultsCsv::encode(results.columns, results.rows));
        QCOMPARE(read->rows[0].engine(1).count, std::optional<qint64>(9999999999));

        session.forget();
        QVERIFY(session.readUrls().isEmpty());
        QVERIFY(!session.readResults());
    }

    // Other sources keep each row's cells of the sources that stay, by name;
    // the kept session keeps the columns its rows belong to (totals worked
    // out afresh by them), and a file from before sources could differ has
    // the six engines'.
    void sourceColumns_data()
    {
        QTest::addColumn<QByteArray>("keptSources"); // JSON of "sources", none when null
        QTest::addColumn<QString>("csv");
        QTest::newRow("remapped") << QByteArray()
                                  << "Domain Name,Total,MSN,New,google,Rank\r\na.example,15,5,,1,low\r\n";
        QTest::newRow("kept columns") << QByteArray(R"([{"name":"API","inTotal":false},{"name":"Google"}])")
                                      << "Domain Name,Total,API,Google,Rank\r\na.example,2,1,2,low\r\n";
        QTest::newRow("older file") << QByteArray("")
                                    << "Domain Name,Total,Google,Altavista,Yahoo!,Ask,MSN,All The Web,Rank\r\n"
                                       "a.example,15,1,2,3,4,5,,low\r\n";
    }

    void sourceColumns()
    {
        QFETCH(QByteArray, keptSources);
        QFETCH(QString, csv);
        ScanResults results;
        results.setRows({ResultRow::completed("a.example", {"1", "2", "3", "4", "5"}, {})});
        if (keptSources.isNull()) {
            results.setSourceColumns({{"MSN", true}, {"New", true}, {"google", false}});
        } else {
            QTemporaryDir dir;
            const KeptSession session{ApplicationFolder(dir.path())};
            QVERIFY(session.writeResults({QDateTime::currentDateTime(), results.rows()}, nullptr));
            const QString path = session.resultsPath();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QByteArray json = file.readAll();
            file.close();
            const qsizetype sources = json.indexOf("\"sources\"");
            const qsizetype end = json.indexOf(']', sources) + 1;
            json.replace(sources, end - sources,
                         keptSources.isEmpty() ? "\"other\": 0" : "\"sources\": " + keptSources);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(json);
            file.close();
            const std::optional<KeptSession::Results> kept = session.readResults();
            QVERIFY(kept);
            results.setSourceColumns(kept->columns);
            results.setRows(kept->rows);
        }
        QCOMPARE(QString::fromUtf8(ResultsCsv::encode(results.sourceColumns(), results.rows())), csv);
        QCOMPARE(results.headerData(2, Qt::Horizontal).toString(), csv.section(u',', 2, 2));
    }
};

QTEST_GUILESS_MAIN(ScanResultsTest)
#include "tst_scanresults.moc"

#include "app/SessionKeeper.h"
#include "base/UserSettings.h"
#include "lists/UrlListCommands.h"
#include "lists/UrlPanel.h"
#include "results/ResultsCsv.h"
#include "results/ResultsSortProxy.h"
#include "results/ScanResults.h"
#include "support/TestContext.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QList<ResultRow> rowsOf(int count, const QString& prefix)
{
    QList<ResultRow> rows;
    for (int i = 0; i < count; ++i)
        rows << ResultRow::completed(prefix + QString::number(i), {QString::number(i), "7"}, {});
    return rows;
}

struct Keeper
{
    TestContext test;
    UrlPanel panel;
    UrlListCommands urlList{&panel, test.prompts, test.folder.folder()};
    ScanResults results;
    ResultsSortProxy shown{&results};
    SessionKeeper keeper{&urlList, &shown, test.context};
    KeptSession session{test.folder.folder()};
};

} // namespace

class SessionKeeperTest : public QObject
{
    Q_OBJECT

private slots:
    // The results are written away from the window's thread; what is on
    // disk once the writes are done is the table as it was at the last
    // keep, whatever the tables before it, and the table can change at once.
    void keptResultsAreTheLastTable_data()
    {
        QTest::addColumn<QList<int>>("tableSizes");
        QTest::newRow("one table") << QList<int>{3};
        QTest::newRow("a large table, then a small one") << QList<int>{20000, 1};
        QTest::newRow("an empty table last") << QList<int>{50, 0};
    }

    void keptResultsAreTheLastTable()
    {
        QFETCH(QList<int>, tableSizes);
        Keeper k;
        QList<ResultRow> last;
        for (int table = 0; table < tableSizes.size(); ++table) {
            last = rowsOf(tableSizes[table], QStringLiteral("t%1-").arg(table));
            k.results.setRows(last);
            k.keeper.keepResults();
        }
        // The next scan may clear the table while the file is written.
        k.results.clear();
        k.keeper.waitForWrites();
        const std::optional<KeptSession::Results> kept = k.session.readResults();
        QVERIFY(kept);
        QCOMPARE(ResultsCsv::encode(kept->columns, kept->rows), ResultsCsv::encode(k.results.sourceColumns(), last));
        QVERIFY(k.test.prompts.messages().isEmpty());
    }

    // Switching keeping off right after a scan leaves no results file
    // behind, even though the write had not ended.
    void keepingOffForgetsAWriteUnderWay()
    {
        Keeper k;
        k.results.setRows(rowsOf(20000, QStringLiteral("site")));
        k.keeper.keepResults();
        k.test.folder.settings().setKeepUrlList(false);
        k.keeper.keepList();
        k.keeper.waitForWrites();
        QVERIFY(!QFile::exists(k.session.resultsPath()));
    }

    // Every outcome and failure comes back as it was kept, and a damaged
    // entry leaves its cell a plain count.
    void outcomesComeBack()
    {
        Keeper k;
        // A row per kind but a plain count's, a column per failure.
        constexpr int failures = int(FetchFailure::IndexUnusable) + 1;
        KeptSession::Results kept{QDateTime::currentDateTime(), {}, {}};
        for (int column = 1; column <= failures; ++column)
            kept.columns << SourceColumn{QStringLiteral("S%1").arg(column), true};
        QStringList expected;
        for (int kind = 1; kind <= int(QueryOutcome::Kind::NotInGraph); ++kind) {
            ResultRow row = ResultRow::completed(QStringLiteral("s%1.example").arg(kind), {}, {});
            for (int failure = 0; failure < failures; ++failure) {
                QueryOutcome outcome{QueryOutcome::Kind(kind), {}, QStringLiteral("reason %1").arg(failure)};
                outcome.fetch.failure = FetchFailure(failure);
                outcome.fetch.httpStatus = 400 + failure;
                outcome.fetch.detail = QStringLiteral("detail");
                row.engine(failure + 1).outcome = outcome;
                expected << outcomeText(outcome);
            }
            kept.rows << row;
        }
        QVERIFY(k.session.writeResults(kept, nullptr));
        std::optional<KeptSession::Results> read = k.session.readResults();
        QVERIFY(read);
        QStringList restored;
        for (const ResultRow& row : read->rows) {
            for (const EngineCell& cell : row.engines)
                restored << outcomeText(cell.outcome);
        }
        QCOMPARE(restored, expected);

        QByteArray damaged = k.test.folder.readFile("last-results.json");
        damaged.replace("\"kind\": \"failed\"", "\"kind\": \"exploded\"");
        k.test.folder.writeFile("last-results.json", damaged);
        read = k.session.readResults();
        QVERIFY(read);
        const int failedRow = int(QueryOutcome::Kind::Failed) - 1;
        QCOMPARE(read->rows.at(failedRow).engines.first().outcome.kind, QueryOutcome::Kind::Counted);
    }

    // A write that fails is said once, from the window's thread.
    void failedWriteIsReportedOnce()
    {
        Keeper k;
        // A folder where the file should go cannot be replaced by a file.
        QVERIFY(QDir().mkpath(k.session.resultsPath()));
        k.results.setRows(rowsOf(2, QStringLiteral("site")));
        k.keeper.keepResults();
        k.keeper.keepResults();
        k.keeper.waitForWrites();
        QTRY_COMPARE(k.test.prompts.messages().size(), 1);
        QVERIFY(k.test.prompts.messages().first().startsWith(QStringLiteral("The results could not be kept")));
        QTest::qWait(20);
        QCOMPARE(k.test.prompts.messages().size(), 1);
    }
};

QTEST_MAIN(SessionKeeperTest)
#include "tst_sessionkeeper.moc"

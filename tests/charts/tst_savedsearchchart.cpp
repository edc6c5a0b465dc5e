#include "base/IniDocument.h"
#include "charts/SavedSearchChart.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <tuple>

namespace {

using Values = QList<std::optional<double>>;

const QDate today(2026, 12, 8);

Values column(const ChartGrid& grid, int c)
{
    Values values;
    for (int row = 0; row < grid.rowCount(); ++row)
        values.append(grid.value(row, c));
    return values;
}

QStringList rowLabels(const ChartGrid& grid)
{
    QStringList labels;
    for (int row = 0; row < grid.rowCount(); ++row)
        labels.append(grid.rowLabel(row));
    return labels;
}

// A saved search as the program writes it: a leading empty line, an empty
// line before every further section, CR LF line ends, newest date first.
QByteArray savedSearch(const QList<std::pair<QByteArray, QList<QByteArray>>>& sections)
{
    QByteArray bytes;
    for (const auto& [name, lines] : sections) {
        bytes += "\r\n[" + name + "]\r\n";
        for (const QByteArray& line : lines)
            bytes += line + "\r\n";
    }
    return bytes;
}

} // namespace

class SavedSearchChartTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    SavedSearchChart readFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        if (!writeBytes(path, bytes))
            qFatal("cannot write the test file");
        return SavedSearchChart::read(path, name, today).value();
    }

private slots:
    void titleIsTheFileNameWithoutQvh_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "Example.qvh"
                               << "Example";
        QTest::newRow("dot in the name") << "a.b.qvh"
                                         << "a.b";
        QTest::newRow("letter case ignored") << "Site.QVH"
                                             << "Site";
        QTest::newRow("every .qvh removed") << "x.qvh.y.Qvh"
                                            << "x.y";
    }

    void titleIsTheFileNameWithoutQvh()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, title);
        QCOMPARE(SavedSearchChart::titleFor(fileName), title);
    }

    void selectorListsTheSectionsInFileOrderThenAllEngines()
    {
        const SavedSearchChart chart = readFile(
            "order.qvh", savedSearch({{"MSN", {"05-02-06=3"}}, {"Google", {"05-02-06=1"}}, {"Ask", {"05-02-06=2"}}}));
        QCOMPARE(chart.selectorEntries(), (QStringList{"MSN", "Google", "Ask", "All Engines"}));
        QVERIFY(chart.selectorEnabled());
        QCOMPARE(chart.title(), QStringLiteral("order"));
    }

    void oneEngine()
    {
        const SavedSearchChart chart =
            readFile("site.qvh", savedSearch({{"Google", {"05-03-06=1500", "05-02-06=1400", "05-01-06=1250"}},
                                              {"MSN", {"05-03-06=80", "05-01-06=75"}}}));
        const ChartGrid grid = chart.grid(1);
        QCOMPARE(grid.title(), QStringLiteral("site"));
        QCOMPARE(grid.categoryAxisTitle(), QStringLiteral("Search Date"));
        QCOMPARE(grid.valueAxisTitle(), QStringLiteral("Linking Sites"));
        QCOMPARE(grid.columnCount(), 1);
        QCOMPARE(grid.columnLabel(0), QStringLiteral("MSN"));
        QCOMPARE(rowLabels(grid), (QStringList{"05-01-06", "05-03-06"}));
        QCOMPARE(column(grid, 0), (Values{75, 80}));
        QCOMPARE(rowLabels(chart.grid(0)), (QStringList{"05-01-06", "05-02-06", "05-03-06"}));
        QCOMPARE(column(chart.grid(0), 0), (Values{1250, 1400, 1500}));
    }

    void oneEngineScale_data()
    {
        QTest::addColumn<QByteArray>("largest");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("title");
        QTest::newRow("100,000,001") << QByteArray("100000001") << 1000 << "Linking Sites x1000";
        QTest::newRow("100,000,000") << QByteArray("100000000") << 100 << "Linking Sites x100";
        QTest::newRow("10,000,000") << QByteArray("10000000") << 10 << "Linking Sites x10";
        QTest::newRow("1,000,000") << QByteArray("1000000") << 1 << "Linking Sites";
    }

    void oneEngineScale()
    {
        QFETCH(QByteArray, largest);
        QFETCH(int, divisor);
        QFETCH(QString, title);
        const SavedSearchChart chart =
            readFile("scale.qvh", savedSearch({{"Google", {"05-02-06=15", "05-01-06=" + largest}}}));
        const ChartGrid grid = chart.grid(0);
        QCOMPARE(grid.valueAxisTitle(), title);
        // Fractions stay: 15 divided by 10 is charted as 1.5.
        QCOMPARE(grid.value(1, 0), std::optional<double>(15.0 / divisor));
        QCOMPARE(grid.value(0, 0), std::optional<double>(largest.toDouble() / divisor));
    }

    void countsThatAreNoWholeNumberAreGaps_data()
    {
        QTest::addColumn<QByteArray>("count");
        QTest::newRow("empty, as saved for an engine without a count") << QByteArray("");
        QTest::newRow("text") << QByteArray("abc");
        QTest::newRow("fraction") << QByteArray("1.5");
        QTest::newRow("digits then text") << QByteArray("12abc");
    }

    void countsThatAreNoWholeNumberAreGaps()
    {
        QFETCH(QByteArray, count);
        const SavedSearchChart chart =
            readFile("gaps.qvh", savedSearch({{"Google", {"05-03-06=20", "05-02-06=" + count, "05-01-06=10"}}}));
        const ChartGrid grid = chart.grid(0);
        QCOMPARE(rowLabels(grid), (QStringList{"05-01-06", "05-02-06", "05-03-06"}));
        QCOMPARE(column(grid, 0), (Values{10, std::nullopt, 20}));
    }

    void theCountEndsAtTheSecondEquals()
    {
        const SavedSeries series = SavedSeries::fromLines({"05-02-06=12=7", "; a note", "05-01-06= 9 "});
        QCOMPARE(series.size(), 2);
        QCOMPARE(series.date(0), QStringLiteral("05-02-06"));
        QCOMPARE(series.count(0), std::optional<qint64>(12));
        QCOMPARE(series.count(1), std::optional<qint64>(9));
    }

    void everySectionIsRead_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("engines");
        QTest::addColumn<QList<qint64>>("firstCounts");

        // 100 KB of sections, as many as once froze the window.
        QList<std::pair<QByteArray, QList<QByteArray>>> sections;
        QStringList engines;
        QList<qint64> firstCounts;
        for (int i = 0; i < 4000; ++i) {
            const QByteArray number = QByteArray::number(i);
            sections.append({"Site " + number, {"05-02-06=" + number, "05-01-06=7"}});
            engines.append(QStringLiteral("Site %1").arg(i));
            firstCounts.append(i);
        }
        QTest::newRow("4000 sections") << savedSearch(sections) << engines << firstCounts;
        // A section read by its name is the first of that name.
        QTest::newRow("repeated name") << savedSearch({{"Google", {"a=1"}}, {"MSN", {"a=2"}}, {"google", {"a=3"}}})
                                       << QStringList{"Google", "MSN", "google"} << QList<qint64>{1, 2, 1};
        QTest::newRow("name not valid in an INI file")
            << savedSearch({{"A=B", {"a=1"}}}) << QStringList{"A=B"} << QList<qint64>{-1};
    }

    void everySectionIsRead()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, engines);
        QFETCH(QList<qint64>, firstCounts);
        const SavedSearchChart chart = readFile("sections.qvh", file);
        QCOMPARE(chart.selectorEntries(), engines + QStringList{"All Engines"});
        QList<qint64> firsts;
        for (int engine = 0; engine < chart.engineCount(); ++engine)
            firsts.append(chart.series(engine).count(0).value_or(-1));
        QCOMPARE(firsts, firstCounts);
    }

    // Rows are dates: every engine's value sits on its own date, whatever
    // its position in the engine's section.
    void allEnginesMatchRowsByDate()
    {
        const SavedSearchChart chart =
            readFile("all.qvh", savedSearch({{"Google", {"05-03-06=300", "05-02-06=200", "05-01-06=100"}},
                                             {"MSN", {"05-03-06=30", "05-01-06=10", "04-28-06=5"}}}));
        QCOMPARE(chart.selectorEntries().last(), QStringLiteral("All Engines"));
        const ChartGrid grid = chart.grid(2);
        QCOMPARE(grid.title(), QStringLiteral("all"));
        QCOMPARE(grid.columnCount(), 2);
        QCOMPARE(grid.columnLabel(0), QStringLiteral("Google"));
        QCOMPARE(grid.columnLabel(1), QStringLiteral("MSN"));
        QCOMPARE(rowLabels(grid), (QStringList{"04-28-06", "05-01-06", "05-02-06", "05-03-06"}));
        QCOMPARE(column(grid, 0), (Values{std::nullopt, 100, 200, 300}));
        QCOMPARE(column(grid, 1), (Values{5, 10, std::nullopt, 30}));
    }

    // The history reads in time across a new year, for one engine and for
    // all; keys that are no date stay at the end in file order, undated.
    void rowsRunOldestFirst_data()
    {
        QTest::addColumn<int>("entry");
        QTest::newRow("one engine") << 0;
        QTest::newRow("all engines") << 2;
    }

    void rowsRunOldestFirst()
    {
        QFETCH(int, entry);
        const SavedSearchChart chart =
            readFile("wrap.qvh",
                     savedSearch({{"Google", {"01-06-27=128", "later=1", "12-09-26=110", "99-99-99=2", "11-25-26=102"}},
                                  {"MSN", {"01-06-27=12", "11-25-26=10"}}}));
        const ChartGrid grid = chart.grid(entry);
        QCOMPARE(rowLabels(grid), (QStringList{"11-25-26", "12-09-26", "01-06-27", "later", "99-99-99"}));
        QCOMPARE(column(grid, 0), (Values{102, 110, 128, 1, 2}));
        QList<QDate> dates;
        for (int row = 0; row < grid.rowCount(); ++row)
            dates.append(grid.rowDate(row));
        QCOMPARE(dates, (QList<QDate>{{2026, 11, 25}, {2026, 12, 9}, {2027, 1, 6}, {}, {}}));
    }

    void allEnginesThreeDatesThenTwo()
    {
        const SavedSearchChart chart =
            readFile("two.qvh", savedSearch({{"Google", {"05-03-06=3", "05-02-06=2", "05-01-06=1"}},
                                             {"MSN", {"05-03-06=30", "05-02-06=20"}}}));
        const ChartGrid grid = chart.grid(2);
        QCOMPARE(rowLabels(grid), (QStringList{"05-01-06", "05-02-06", "05-03-06"}));
        // Google's oldest count is still shown; MSN has none that day.
        QCOMPARE(column(grid, 0), (Values{1, 2, 3}));
        QCOMPARE(column(grid, 1), (Values{std::nullopt, 20, 30}));
    }

    void allEnginesScaleFromTheFirstEngine_data()
    {
        QTest::addColumn<QByteArray>("firstLargest");
        QTest::addColumn<QByteArray>("secondLargest");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("title");
        QTest::newRow("first large") << QByteArray("200000000") << QByteArray("50") << 1000 << "Linking Sites x1000";
        QTest::newRow("only a later engine large")
            << QByteArray("50") << QByteArray("200000000") << 1 << "Linking Sites";
    }

    void allEnginesScaleFromTheFirstEngine()
    {
        QFETCH(QByteArray, firstLargest);
        QFETCH(QByteArray, secondLargest);
        QFETCH(int, divisor);
        QFETCH(QString, title);
        const SavedSearchChart chart =
            readFile("scaled.qvh", savedSearch({{"Yahoo!", {"05-02-06=" + firstLargest, "05-01-06=40"}},
                                                {"Ask", {"05-02-06=" + secondLargest, "05-01-06=30"}}}));
        const ChartGrid grid = chart.grid(2);
        QCOMPARE(grid.valueAxisTitle(), title);
        QCOMPARE(grid.value(1, 0), std::optional<double>(firstLargest.toDouble() / divisor));
        QCOMPARE(grid.value(1, 1), std::optional<double>(secondLargest.toDouble() / divisor));
        QCOMPARE(grid.value(0, 1), std::optional<double>(30.0 / divisor));
    }

    void singleDateSeriesAreNoticed()
    {
        const SavedSearchChart chart =
            readFile("one.qvh", savedSearch({{"Google", {"05-02-06=2", "05-01-06=1"}}, {"MSN", {"05-02-06=20"}}}));
        QVERIFY(!chart.drawsSingleDateSeries(0));
        QVERIFY(chart.drawsSingleDateSeries(1));
        QVERIFY(chart.drawsSingleDateSeries(2));
        // The single date is still drawn.
        QCOMPARE(column(chart.grid(1), 0), (Values{20}));
        QCOMPARE(rowLabels(chart.grid(1)), (QStringList{"05-02-06"}));

        const SavedSearchChart twoDates = readFile("two-dates.qvh", savedSearch({{"Google", {"a=1", "b=2"}}}));
        QVERIFY(!twoDates.drawsSingleDateSeries(0));
        QVERIFY(!twoDates.drawsSingleDateSeries(1));
    }

    void aSectionWithoutDatesHasNoRows()
    {
        const SavedSearchChart chart =
            readFile("nodates.qvh", savedSearch({{"Google", {}}, {"MSN", {"05-02-06=20", "05-01-06=10"}}}));
        QCOMPARE(chart.selectorEntries(), (QStringList{"Google", "MSN", "All Engines"}));
        QCOMPARE(chart.grid(0).rowCount(), 0);
        QCOMPARE(chart.grid(0).columnLabel(0), QStringLiteral("Google"));
        QVERIFY(!chart.drawsSingleDateSeries(0));
        const ChartGrid all = chart.grid(2);
        QCOMPARE(rowLabels(all), (QStringList{"05-01-06", "05-02-06"}));
        QCOMPARE(column(all, 0), (Values{std::nullopt, std::nullopt}));
        QCOMPARE(all.valueAxisTitle(), QStringLiteral("Linking Sites"));
    }

    void aSearchWithoutSections_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("empty file") << true;
        QTest::newRow("file removed") << false;
    }

    void aSearchWithoutSections()
    {
        QFETCH(bool, fileExists);
        const QString path = m_dir.filePath("gone.qvh");
        QFile::remove(path);
        if (fileExists)
            QVERIFY(writeBytes(path, "\r\n"));
        const SavedSearchChart chart = SavedSearchChart::read(path, "gone.qvh", today).value();
        QCOMPARE(chart.selectorEntries(), QStringList{"All Engines"});
        QVERIFY(!chart.selectorEnabled());
        const ChartGrid grid = chart.grid(0);
        QCOMPARE(grid.title(), QStringLiteral("gone"));
        QCOMPARE(grid.columnCount(), 0);
        QCOMPARE(grid.rowCount(), 0);
        QCOMPARE(grid.valueAxisTitle(), QStringLiteral("Linking Sites"));
        QCOMPARE(grid.categoryAxisTitle(), QStringLiteral("Search Date"));
        QVERIFY(!chart.drawsSingleDateSeries(0));
    }

    // What the INI document writes reads back as the same history.
    void filesWrittenByTheIniDocument()
    {
        const QString path = m_dir.filePath("written.qvh");
        IniDocument document;
        document.clearSection("Google");
        QVERIFY(document.save(path));
        const std::tuple<QString, QString, QString> writes[] = {
            {"Google", "05-01-06", "10"}, {"Google", "05-02-06", "20"}, {"All The Web", "05-02-06", "7"}};
        for (const auto& [section, key, value] : writes) {
            document.load(path);
            QVERIFY(document.setValue(section, key, value));
            QVERIFY(document.save(path));
        }
        const SavedSearchChart chart = SavedSearchChart::read(path, "written.qvh", today).value();
        QCOMPARE(chart.selectorEntries(), (QStringList{"Google", "All The Web", "All Engines"}));
        QCOMPARE(rowLabels(chart.grid(0)), (QStringList{"05-01-06", "05-02-06"}));
        QCOMPARE(column(chart.grid(0), 0), (Values{10, 20}));
        QCOMPARE(column(chart.grid(2), 1), (Values{std::nullopt, 7}));
    }

    void anIndexOutsideTheSelectorGivesAnEmptyChart()
    {
        const SavedSearchChart chart = readFile("x.qvh", savedSearch({{"Google", {"05-02-06=2"}}}));
        for (const int index : {-1, 2, 5}) {
            const ChartGrid grid = chart.grid(index);
            QCOMPARE(grid.columnCount(), 0);
            QCOMPARE(grid.title(), QStringLiteral("x"));
            QVERIFY(!chart.drawsSingleDateSeries(index));
        }
    }
};

QTEST_GUILESS_MAIN(SavedSearchChartTest)
#include "tst_savedsearchchart.moc"

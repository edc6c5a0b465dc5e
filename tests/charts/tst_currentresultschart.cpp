#include "charts/CurrentResultsChart.h"
#include "engines/CountText.h"
#include "results/ResultRow.h"
#include "results/ResultsColumns.h"

#include <QTest>

#include <optional>

namespace {

const QStringList captions = {"Google", "Altavista", "Yahoo!", "Ask", "MSN", "All The Web"};

struct Site
{
    QString name;
    QStringList engineCells;
};

ChartGrid build(const QList<Site>& sites)
{
    QList<ResultRow> rows;
    for (const Site& site : sites)
        rows << ResultRow::completed(site.name, site.engineCells, {});
    return CurrentResultsChart::build(ResultsColumns::builtInColumns(), rows);
}

QList<std::optional<double>> column(const ChartGrid& grid, int c)
{
    QList<std::optional<double>> values;
    for (int row = 0; row < grid.rowCount(); ++row)
        values.append(grid.value(row, c));
    return values;
}

} // namespace

class CurrentResultsChartTest : public QObject
{
    Q_OBJECT

private slots:
    void oneSeriesPerSiteOneRowPerEngine()
    {
        const QList<Site> sites = {
            {"www.one.example", {"120", "45", "300", "7", "88", "19"}},
            {"two.example", {"5", "0", "12", "1", "3", "2"}},
            {"three.example", {"1", "2", "3", "4", "5", "6"}},
        };
        const ChartGrid grid = build(sites);
        QCOMPARE(grid.title(), QStringLiteral("Temporary Search Results"));
        QCOMPARE(grid.valueAxisTitle(), QStringLiteral("Linking Sites"));
        QCOMPARE(grid.categoryAxisTitle(), QStringLiteral("Search Engine"));
        QCOMPARE(grid.columnCount(), 3);
        QCOMPARE(grid.columnLabel(0), QStringLiteral("www.one.example"));
        QCOMPARE(grid.columnLabel(1), QStringLiteral("two.example"));
        QCOMPARE(grid.columnLabel(2), QStringLiteral("three.example"));
        QCOMPARE(grid.rowCount(), 6);
        for (int row = 0; row < 6; ++row)
            QCOMPARE(grid.rowLabel(row), captions[row]);
        QCOMPARE(column(grid, 0), (QList<std::optional<double>>{120, 45, 300, 7, 88, 19}));
        QCOMPARE(column(grid, 1), (QList<std::optional<double>>{5, 0, 12, 1, 3, 2}));
        QCOMPARE(column(grid, 2), (QList<std::optional<double>>{1, 2, 3, 4, 5, 6}));
    }

    void cellsWithoutANumberCountAsZero_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::newRow("empty") << "";
        QTest::newRow("dash") << "-";
        QTest::newRow("text") << "n/a";
        QTest::newRow("spaces") << "  ";
    }

    void cellsWithoutANumberCountAsZero()
    {
        QFETCH(QString, cell);
        const ChartGrid grid = build({{"site", {"10", cell, "30", "40", "50", "60"}}});
        QCOMPARE(grid.value(1, 0), std::optional<double>(0));
        QCOMPARE(grid.value(0, 0), std::optional<double>(10));
    }

    // The first site's counts decide the scale of every site.
    void scaleFromTheFirstSite_data()
    {
        QTest::addColumn<QList<Site>>("sites");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("title");

        QTest::newRow("100,000,001 divides by 1000")
            << QList<Site>{{"a", {"5", "100000001", "7", "", "-", "9"}}, {"b", {"1500", "2", "3", "4", "5", "6"}}}
            << 1000 << "Linking Sites x1000";
        QTest::newRow("100,000,000 divides by 100")
            << QList<Site>{{"a", {"5", "6", "100000000", "8", "9", "10"}}, {"b", {"1500", "2", "3", "4", "5", "6"}}}
            << 100 << "Linking Sites x100";
        QTest::newRow("10,000,000 divides by 10")
            << QList<Site>{{"a", {"10000000", "6", "7", "8", "9", "10"}}, {"b", {"1500", "2", "3", "4", "5", "6"}}}
            << 10 << "Linking Sites x10";
        QTest::newRow("1,000,000 is not divided")
            << QList<Site>{{"a", {"5", "6", "7", "8", "9", "1000000"}}, {"b", {"1500", "2", "3", "4", "5", "6"}}} << 1
            << "Linking Sites";
        QTest::newRow("only a later site large: no division")
            << QList<Site>{{"a", {"5", "6", "7", "8", "9", "10"}}, {"b", {"1500", "2", "300000000", "4", "5", "6"}}}
            << 1 << "Linking Sites";
        QTest::newRow("the first site's only large count is Google's")
            << QList<Site>{{"a", {"250000000", "6", "7", "-", "", "10"}}, {"b", {"1500", "2", "3", "4", "5", "6"}}}
            << 1000 << "Linking Sites x1000";
    }

    void scaleFromTheFirstSite()
    {
        QFETCH(QList<Site>, sites);
        QFETCH(int, divisor);
        QFETCH(QString, title);
        const ChartGrid grid = build(sites);
        QCOMPARE(grid.valueAxisTitle(), title);
        for (int c = 0; c < sites.size(); ++c) {
            for (int row = 0; row < 6; ++row) {
                const double count = static_cast<double>(CountText::number(sites[c].engineCells[row]).value_or(0));
                QCOMPARE(grid.value(row, c), std::optional<double>(count / divisor));
            }
        }
    }

    void fractionsAreCharted()
    {
        const ChartGrid grid = build({{"a", {"2000015", "15", "0", "0", "0", "0"}}});
        QCOMPARE(grid.valueAxisTitle(), QStringLiteral("Linking Sites x10"));
        QCOMPARE(grid.value(0, 0), std::optional<double>(200001.5));
        QCOMPARE(grid.value(1, 0), std::optional<double>(1.5));
    }

    void anEmptyTableGivesNoSeries()
    {
        const ChartGrid grid = build({});
        QCOMPARE(grid.columnCount(), 0);
        QCOMPARE(grid.title(), QStringLiteral("Temporary Search Results"));
        QCOMPARE(grid.valueAxisTitle(), QStringLiteral("Linking Sites"));
        QCOMPARE(grid.rowCount(), 6);
        QCOMPARE(grid.rowLabel(5), QStringLiteral("All The Web"));
    }

    void missingCellsCountAsZero()
    {
        const ChartGrid grid = build({{"short row", {"12", "3"}}});
        QCOMPARE(grid.rowCount(), 6);
        QCOMPARE(grid.value(0, 0), std::optional<double>(12));
        QCOMPARE(grid.value(5, 0), std::optional<double>(0));
        QCOMPARE(grid.rowLabel(3), QStringLiteral("Ask"));
    }
};

QTEST_GUILESS_MAIN(CurrentResultsChartTest)
#include "tst_currentresultschart.moc"

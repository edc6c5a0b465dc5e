#include "charts/CurrentResultsChart.h"

#include "charts/ChartScale.h"
#include "results/ResultRow.h"

QString CurrentResultsChart::title()
{
    return QStringLiteral("Temporary Search Results");
}

QString CurrentResultsChart::categoryAxisTitle()
{
    return QStringLiteral("Search Engine");
}

ChartGrid CurrentResultsChart::build(const QList<ResultRow>& rows)
{
    ChartGrid grid;
    grid.setTitle(title());
    grid.setCategoryAxisTitle(categoryAxisTitle());
    grid.setColumnCount(static_cast<int>(rows.size()));
    grid.setRowCount(engineCount);
    for (const Engine& engine : engines())
        grid.setRowLabel(engine.number - 1, engine.header());

    QList<qint64> firstSiteCounts;
    if (!rows.isEmpty()) {
        for (const EngineCell& cell : rows.first().engines)
            firstSiteCounts.append(cell.value);
    }
    const ChartScale scale = ChartScale::forLargestCount(largestNumber(firstSiteCounts));
    grid.setValueAxisTitle(scale.valueAxisTitle);

    for (int column = 0; column < rows.size(); ++column) {
        const ResultRow& row = rows[column];
        grid.setColumnLabel(column, row.site);
        for (const Engine& engine : engines())
            grid.setValue(engine.number - 1, column, scale.apply(row.engine(engine.number).value));
    }
    return grid;
}

#include "charts/CurrentResultsChart.h"

#include "charts/ChartScale.h"
#include "charts/SavedSeries.h"
#include "scan/EngineTable.h"

QString CurrentResultsChart::title()
{
    return QStringLiteral("Temporary Search Results");
}

QString CurrentResultsChart::categoryAxisTitle()
{
    return QStringLiteral("Search Engine");
}

qint64 CurrentResultsChart::countOf(const QString& cellText)
{
    return SavedSeries::parseCount(cellText).value_or(0);
}

ChartGrid CurrentResultsChart::build(const QList<Site>& sites, const QStringList& engineCaptions)
{
    ChartGrid grid;
    grid.setTitle(title());
    grid.setCategoryAxisTitle(categoryAxisTitle());
    grid.setColumnCount(static_cast<int>(sites.size()));
    grid.setRowCount(engineCount);
    for (int row = 0; row < engineCount; ++row)
        grid.setRowLabel(row, engineCaptions.value(row));

    QList<qint64> firstSiteCounts;
    if (!sites.isEmpty()) {
        for (int row = 0; row < engineCount; ++row)
            firstSiteCounts.append(countOf(sites.first().engineCells.value(row)));
    }
    const ChartScale scale = ChartScale::forLargestCount(LargestNumber(firstSiteCounts));
    grid.setValueAxisTitle(scale.valueAxisTitle);

    for (int column = 0; column < sites.size(); ++column) {
        const Site& site = sites[column];
        grid.setColumnLabel(column, site.name);
        for (int row = 0; row < engineCount; ++row)
            grid.setValue(row, column, scale.apply(countOf(site.engineCells.value(row))));
    }
    return grid;
}

#include "charts/CurrentResultsChart.h"

#include "charts/ChartScale.h"
#include "results/ResultRow.h"
#include "results/ResultsColumns.h"

#include <QCoreApplication>

QString CurrentResultsChart::title()
{
    return QCoreApplication::translate("CurrentResultsChart", "Temporary Search Results");
}

QString CurrentResultsChart::categoryAxisTitle()
{
    return QCoreApplication::translate("CurrentResultsChart", "Search Engine");
}

ChartGrid CurrentResultsChart::build(const QList<SourceColumn>& columns, const QList<ResultRow>& rows)
{
    ChartGrid grid;
    grid.setTitle(title());
    grid.setCategoryAxisTitle(categoryAxisTitle());
    grid.setColumnCount(static_cast<int>(rows.size()));
    const int sourceCount = static_cast<int>(columns.size());
    grid.setRowCount(sourceCount);
    for (int source = 0; source < sourceCount; ++source)
        grid.setRowLabel(source, columns[source].name);

    QList<qint64> firstSiteCounts;
    if (!rows.isEmpty()) {
        for (int source = 0; source < sourceCount; ++source)
            firstSiteCounts.append(rows.first().engine(source + 1).count.value_or(0));
    }
    const ChartScale scale = ChartScale::forLargestCount(largestNumber(firstSiteCounts));
    grid.setValueAxisTitle(scale.valueAxisTitle);

    for (int column = 0; column < rows.size(); ++column) {
        const ResultRow& row = rows[column];
        grid.setColumnLabel(column, row.site);
        for (int source = 0; source < sourceCount; ++source)
            grid.setValue(source, column, scale.apply(row.engine(source + 1).count.value_or(0)));
    }
    return grid;
}

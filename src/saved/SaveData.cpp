#include "saved/SaveData.h"

#include "results/ResultRow.h"
#include "results/ResultsColumns.h"

QList<SavedCount> SaveData::countsOf(const QList<SourceColumn>& columns, const ResultRow& row)
{
    QList<SavedCount> counts;
    for (qsizetype index = 0; index < columns.size(); ++index)
        counts.append({columns[index].name, row.engine(static_cast<int>(index) + 1).text()});
    return counts;
}

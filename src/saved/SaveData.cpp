#include "saved/SaveData.h"

#include "results/ResultRow.h"

QList<SavedCount> SaveData::countsOf(const ResultRow& row)
{
    QList<SavedCount> counts;
    for (const Engine& engine : engines())
        counts.append({engine.header(), row.engine(engine.number).text});
    return counts;
}

#include "results/ResultsColumns.h"

#include "engines/EngineTable.h"
#include "engines/Source.h"

QList<SourceColumn> ResultsColumns::builtInColumns()
{
    QList<SourceColumn> columns;
    for (const Engine& engine : engines())
        columns << SourceColumn{engine.header(), true};
    return columns;
}

QList<SourceColumn> ResultsColumns::columnsOf(const QList<Source>& sources)
{
    QList<SourceColumn> columns;
    for (const Source& source : sources)
        columns << SourceColumn{source.name, source.countsTowardTotal};
    return columns;
}

QList<bool> ResultsColumns::countsTowardTotal(const QList<SourceColumn>& columns)
{
    QList<bool> counted;
    for (const SourceColumn& column : columns)
        counted << column.countsTowardTotal;
    return counted;
}

QStringList ResultsColumns::captions(const QList<SourceColumn>& columns)
{
    QStringList captions{QStringLiteral("Domain Name"), QStringLiteral("Total")};
    for (const SourceColumn& column : columns)
        captions << column.name;
    return captions;
}

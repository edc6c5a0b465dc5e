#include "results/ResultsColumns.h"

#include "engines/EngineTable.h"

QStringList ResultsColumns::captions()
{
    QStringList result = {QStringLiteral("Domain Name"), QStringLiteral("Total")};
    for (const Engine& engine : engines())
        result << engine.header();
    return result;
}

#pragma once

#include "charts/ChartGrid.h"

#include <QList>
#include <QString>

struct ResultRow;
struct SourceColumn;

// The chart of the results right after a scan: one series per site, one row
// per source, labelled with the source columns' captions.
class CurrentResultsChart
{
public:
    static QString title();
    static QString categoryAxisTitle();

    // The first site's counts decide the scale of every site. A cell without a
    // count counts as 0.
    static ChartGrid build(const QList<SourceColumn>& columns, const QList<ResultRow>& rows);
};

#pragma once

#include "charts/ChartGrid.h"

#include <QList>
#include <QString>
#include <QStringList>

// The chart of the results table right after a scan: one series per site,
// one row per engine, labelled with the engine columns' captions.
class CurrentResultsChart
{
public:
    struct Site
    {
        QString name;            // the "Domain Name" cell
        QStringList engineCells; // the six engine cells, in column order
    };

    static QString title();
    static QString categoryAxisTitle();

    // The first site's counts decide the scale of every site. A cell that
    // does not hold a whole number ("-", empty) counts as 0.
    static ChartGrid build(const QList<Site>& sites, const QStringList& engineCaptions);

    static qint64 countOf(const QString& cellText);
};

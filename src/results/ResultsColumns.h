#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct Source;

// A column of the results for one source: its caption (the source's name,
// also the saved-search section and the chart's series) and whether its
// counts go into the row total.
struct SourceColumn
{
    QString name;
    bool countsTowardTotal = true;

    bool operator==(const SourceColumn&) const = default;
};

// Columns of the results table, by 0-based index: the site, the row total,
// then one column per source in the scan's order.
namespace ResultsColumns {

inline constexpr int domainName = 0;
inline constexpr int total = 1;
inline constexpr int firstEngine = 2;

// The columns of the six built-in engines, what the results show before a
// scan says otherwise.
QList<SourceColumn> builtInColumns();

// The columns of these sources, in their order.
QList<SourceColumn> columnsOf(const QList<Source>& sources);

// Whether each column counts toward the total, for ResultRow::complete().
QList<bool> countsTowardTotal(const QList<SourceColumn>& columns);

// "Domain Name", "Total", then the sources' names. Saved-search sections
// and chart rows use these captions.
QStringList captions(const QList<SourceColumn>& columns);

} // namespace ResultsColumns

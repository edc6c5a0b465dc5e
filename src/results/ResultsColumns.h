#pragma once

#include <QStringList>

// Columns of the results table, by 0-based index: the site, the row total,
// then one column per engine in the engine table's order.
namespace ResultsColumns {

inline constexpr int domainName = 0;
inline constexpr int total = 1;
inline constexpr int firstEngine = 2;
inline constexpr int count = 8;

// Column index of the engine with this number (1..6).
constexpr int ofEngine(int engineNumber)
{
    return firstEngine + engineNumber - 1;
}

// "Domain Name", "Total", "Google", "Altavista", "Yahoo!", "Ask", "MSN",
// "All The Web". Saved-search sections and chart rows use these captions.
QStringList captions();

} // namespace ResultsColumns

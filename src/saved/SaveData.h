#pragma once

#include <QList>
#include <QString>

struct ResultRow;

// One engine's count of a results row waiting to be saved: the section it
// goes into (the engine column's caption) and the cell text.
struct SavedCount
{
    QString caption;
    QString count;
};

namespace SaveData {

// The six engine counts of the row, in column order.
QList<SavedCount> countsOf(const ResultRow& row);

// A cell showing exactly this text is not saved.
inline constexpr char notSaved[] = "-";

} // namespace SaveData

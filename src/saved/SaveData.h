#pragma once

#include <QList>
#include <QString>

struct ResultRow;
struct SourceColumn;

// One source's count of a results row waiting to be saved: the section it
// goes into (the source column's caption) and the cell text.
struct SavedCount
{
    QString caption;
    QString count;
};

namespace SaveData {

// The row's count of each source, in column order.
QList<SavedCount> countsOf(const QList<SourceColumn>& columns, const ResultRow& row);

// A cell showing exactly this text is not saved.
inline constexpr char notSaved[] = "-";

} // namespace SaveData

#pragma once

#include <QDate>
#include <QString>

// The history of a saved search as a CSV file (Csv): a header record "Date"
// and the engine sections in file order, then one record per saved date,
// oldest first, the date written yyyy-mm-dd (SavedDateKey), each engine's
// count or nothing where that date has no count. Keys that are no date
// follow the dates as they stand, in the order the file first lists them.
namespace HistoryCsv {

// Reads the saved search and writes its history through the program's safe
// file write. Fails when the saved search cannot be read.
bool write(const QString& savedSearchPath, const QString& csvPath, const QDate& today, QString* error);

} // namespace HistoryCsv

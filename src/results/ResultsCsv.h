#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct ResultRow;

// The results as a CSV file (Csv): a header record "Domain Name", "Total",
// the six engine captions and "Rank", then one record per row with the
// table's texts (numbers without separators) and the rank as "low",
// "medium" or "high".
namespace ResultsCsv {

QByteArray encode(const QList<ResultRow>& rows);

// Writes the file through the program's safe file write.
bool write(const QString& path, const QList<ResultRow>& rows, QString* error);

} // namespace ResultsCsv

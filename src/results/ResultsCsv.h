#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct ResultRow;
struct SourceColumn;

// The results as a CSV file (Csv): a header record of the column captions in
// table order ("Domain Name", "Total", the sources' names) and "Rank", then
// one record per row with the table's texts (numbers without separators)
// and the rank as "low", "medium" or "high".
namespace ResultsCsv {

QByteArray encode(const QList<SourceColumn>& columns, const QList<ResultRow>& rows);

// Writes the file through the program's safe file write.
bool write(const QString& path, const QList<SourceColumn>& columns, const QList<ResultRow>& rows, QString* error);

} // namespace ResultsCsv

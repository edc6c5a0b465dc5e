#include "results/ResultsCsv.h"

#include "base/LocalFile.h"
#include "results/Csv.h"
#include "results/ResultRow.h"
#include "results/ResultsColumns.h"

QByteArray ResultsCsv::encode(const QList<ResultRow>& rows)
{
    QByteArray bytes = Csv::record(ResultsColumns::captions() << QStringLiteral("Rank"));
    for (const ResultRow& row : rows) {
        QStringList fields;
        for (int column = 0; column < ResultsColumns::count; ++column)
            fields << row.columnText(column);
        fields << rankName(row.rank);
        bytes += Csv::record(fields);
    }
    return bytes;
}

bool ResultsCsv::write(const QString& path, const QList<ResultRow>& rows, QString* error)
{
    return LocalFile::writeBytes(path, encode(rows), error);
}

#include "results/ResultsCsv.h"

#include "base/LocalFile.h"
#include "results/Csv.h"
#include "results/ResultRow.h"
#include "results/ResultsColumns.h"

QByteArray ResultsCsv::encode(const QList<SourceColumn>& columns, const QList<ResultRow>& rows)
{
    const QStringList captions = ResultsColumns::captions(columns);
    QByteArray bytes = Csv::record(QStringList(captions) << QStringLiteral("Rank"));
    for (const ResultRow& row : rows) {
        QStringList fields;
        for (int column = 0; column < captions.size(); ++column)
            fields << row.columnText(column);
        fields << rankName(row.rank);
        bytes += Csv::record(fields);
    }
    return bytes;
}

bool ResultsCsv::write(const QString& path, const QList<SourceColumn>& columns, const QList<ResultRow>& rows,
                       QString* error)
{
    return LocalFile::writeBytes(path, encode(columns, rows), error);
}

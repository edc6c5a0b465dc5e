#include "saved/HistoryCsv.h"

#include "base/LocalFile.h"
#include "engines/CountText.h"
#include "results/Csv.h"
#include "saved/SavedDateKey.h"
#include "saved/SavedSearchFile.h"

namespace {

QByteArray encodeFile(const SavedSearchFile& file, const QDate& today)
{
    const QList<SavedDateKey::DatedKey> rows = SavedDateKey::inDateOrder(file.keys(), today);
    QStringList header{QStringLiteral("Date")};
    for (const SavedSearchFile::Section& section : file.sections())
        header << section.name;
    QByteArray bytes = Csv::record(header);
    for (const SavedDateKey::DatedKey& row : rows) {
        QStringList fields{row.date ? row.date->toString(Qt::ISODate) : row.key};
        for (const SavedSearchFile::Section& section : file.sections())
            fields << CountText::of(section.series.countOf(row.key));
        bytes += Csv::record(fields);
    }
    return bytes;
}

} // namespace

bool HistoryCsv::write(const QString& savedSearchPath, const QString& csvPath, const QDate& today, QString* error)
{
    SavedSearchFile file;
    if (file.read(savedSearchPath, error) != IniDocument::LoadStatus::Loaded)
        return false;
    return LocalFile::writeBytes(csvPath, encodeFile(file, today), error);
}

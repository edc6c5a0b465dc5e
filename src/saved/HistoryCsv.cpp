#include "saved/HistoryCsv.h"

#include "base/IniDocument.h"
#include "base/LocalFile.h"
#include "charts/SavedSeries.h"
#include "results/Csv.h"
#include "saved/SavedDateKey.h"

#include <QHash>
#include <QList>
#include <QSet>

#include <optional>

namespace {

struct Section
{
    QString name;
    // The first line of a key counts.
    QHash<QString, std::optional<qint64>> counts;
};

// The section's "key=count" lines, read as the saved-search chart reads them.
Section readSection(const IniDocument& document, const QString& name, QStringList& keys, QSet<QString>& listed)
{
    Section section{name, {}};
    const SavedSeries series =
        SavedSeries::fromLines(document.sectionText(name).value_or(QString()).split(QStringLiteral("\r\n")));
    for (int line = 0; line < series.size(); ++line) {
        const QString key = series.date(line);
        if (!section.counts.contains(key))
            section.counts.insert(key, series.count(line));
        if (!listed.contains(key)) {
            listed.insert(key);
            keys.append(key);
        }
    }
    return section;
}

QByteArray encodeDocument(const IniDocument& document, const QDate& today)
{
    QList<Section> sections;
    QStringList keys;
    QSet<QString> listed;
    for (const QString& name : document.sectionNames())
        sections.append(readSection(document, name, keys, listed));
    const QList<SavedDateKey::DatedKey> rows = SavedDateKey::inDateOrder(keys, today);

    QStringList header{QStringLiteral("Date")};
    for (const Section& section : std::as_const(sections))
        header << section.name;
    QByteArray bytes = Csv::record(header);
    for (const SavedDateKey::DatedKey& row : rows) {
        QStringList fields{row.date ? row.date->toString(Qt::ISODate) : row.key};
        for (const Section& section : std::as_const(sections)) {
            const std::optional<qint64> count = section.counts.value(row.key);
            fields << (count ? QString::number(*count) : QString());
        }
        bytes += Csv::record(fields);
    }
    return bytes;
}

} // namespace

bool HistoryCsv::write(const QString& savedSearchPath, const QString& csvPath, const QDate& today, QString* error)
{
    IniDocument document;
    if (document.load(savedSearchPath, error) != IniDocument::LoadStatus::Loaded)
        return false;
    return LocalFile::writeBytes(csvPath, encodeDocument(document, today), error);
}

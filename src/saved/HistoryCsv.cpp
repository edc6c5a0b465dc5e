#include "saved/HistoryCsv.h"

#include "base/IniDocument.h"
#include "base/LocalFile.h"
#include "results/CountValue.h"
#include "results/Csv.h"
#include "saved/SavedDateKey.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace {

struct Section
{
    QString name;
    // Key text to count text; the first line of a key counts.
    QHash<QString, QString> counts;
};

// The section's "key=count" lines; the count is the text between the first
// and the second "=", as the saved-search chart reads it.
Section readSection(const IniDocument& document, const QString& name, QStringList& keys, QSet<QString>& listed)
{
    Section section{name, {}};
    const QStringList lines = document.sectionText(name).value_or(QString()).split(QStringLiteral("\r\n"));
    for (const QString& line : lines) {
        const QStringList parts = line.split(u'=');
        if (parts.size() < 2)
            continue;
        const QString key = parts[0].trimmed();
        if (!section.counts.contains(key))
            section.counts.insert(key, parts[1]);
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
            const std::optional<qint64> count = countValue(section.counts.value(row.key));
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

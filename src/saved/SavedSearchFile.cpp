#include "saved/SavedSearchFile.h"

#include "base/IniFileAccess.h"

#include <QHash>
#include <QSet>

SavedSearchFile::SavedSearchFile(IniDocument document)
    : m_document(std::move(document))
{
    QHash<QString, qsizetype> firstOfName;
    for (const IniDocument::Section& section : m_document.sections()) {
        const QString key = IniFileAccess::nameKey(section.name);
        const auto first = firstOfName.constFind(key);
        if (first != firstOfName.cend()) {
            m_sections.append({section.name, m_sections.at(*first).series});
            continue;
        }
        firstOfName.insert(key, m_sections.size());
        m_sections.append(
            {section.name, isValidIniName(section.name) ? SavedSeries::fromLines(section.lines) : SavedSeries()});
    }
}

IniDocument::LoadStatus SavedSearchFile::read(const QString& path, QString* error)
{
    IniDocument document;
    const IniDocument::LoadStatus status = document.load(path, error);
    *this = SavedSearchFile(std::move(document));
    return status;
}

QStringList SavedSearchFile::keys() const
{
    QStringList keys;
    QSet<QString> listed;
    for (const Section& section : m_sections) {
        for (const QString& key : section.series.dates()) {
            if (!listed.contains(key)) {
                listed.insert(key);
                keys.append(key);
            }
        }
    }
    return keys;
}

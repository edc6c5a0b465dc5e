#pragma once

#include "base/IniDocument.h"
#include "saved/SavedSeries.h"

#include <QList>
#include <QString>
#include <QStringList>

// A saved-search file as read, the one reader of the format that
// SavedSearches writes: INI text with a section per source caption, each
// holding a "date=count" line per save, newest first. The chart, the
// history's CSV and every save read the files through here.
class SavedSearchFile
{
public:
    struct Section
    {
        QString name;
        SavedSeries series;
    };

    SavedSearchFile() = default;
    explicit SavedSearchFile(IniDocument document);

    // Reads the file. A missing file reads as one without sections; one
    // that cannot be read leaves nothing, and the error says why.
    IniDocument::LoadStatus read(const QString& path, QString* error = nullptr);

    // Every section in file order, duplicates included, each with the
    // series that reading it by its name gives: a section whose name an
    // earlier one has (letter case ignored) has that earlier section's
    // series, and one whose name no INI file can hold has none.
    const QList<Section>& sections() const { return m_sections; }

    // Every date key once, in the order the sections first list them.
    QStringList keys() const;

    // The file's lines, for a save to change.
    const IniDocument& document() const { return m_document; }

private:
    IniDocument m_document;
    QList<Section> m_sections;
};

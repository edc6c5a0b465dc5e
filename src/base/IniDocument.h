#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The lines of one INI file as the INI routines see them (IniFileAccess
// tells headers from key lines). After a read, every header line is preceded
// by exactly one empty slot and there is no other empty line. A key's value
// is everything after the first "=" of its line (";" and "#" lines are key
// lines too).
class IniDocument
{
public:
    enum class LoadStatus { Loaded, Missing, Failed };

    IniDocument() = default;

    // The document a read of this text gives.
    static IniDocument fromText(const QString& text);

    // Reads the file. A missing or unreadable file leaves the document empty;
    // the status tells which.
    LoadStatus load(const QString& file, QString* error = nullptr);

    // The file text: every line trimmed of leading and trailing spaces
    // (except one whose leading spaces tell what it is to the reader) and
    // ended by CR LF (empty slots become empty lines).
    QString toText() const;
    bool save(const QString& file, QString* error = nullptr) const;

    bool isEmpty() const { return m_lines.isEmpty(); }
    const QStringList& lines() const { return m_lines; }

    // The value of the key in the section, or nothing when either is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;
    // The section's lines joined by CR LF (so it ends with CR LF when a
    // section follows, from the empty slot before it).
    std::optional<QString> sectionText(const QString& section) const;
    // Section names in file order, duplicates included.
    QStringList sectionNames() const;

    struct Section
    {
        QString name;
        QStringList lines; // its key lines in file order, without empty ones
    };
    // Every section with its lines, in file order, duplicates included, in
    // one pass over the document (reading the sections one by one by name
    // goes through the document once per section).
    QList<Section> sections() const;

    // Replaces the key's line in place, or inserts it first in its section,
    // or appends the section at the end after an empty slot. Changes nothing
    // and returns false on an empty document.
    bool setValue(const QString& section, const QString& key, const QString& value);
    // Deletes every key line of the section, or appends its header (after an
    // empty slot) when the section is missing.
    void clearSection(const QString& section);

    // Brings the lines into the form a save followed by a read gives, so
    // that several changes made in memory equal the same changes made each
    // through its own file write.
    void normalise();

private:
    // Index of the section's first header, or -1.
    int findHeader(const QString& section) const;
    // Index of the key's first line in the section of that header, or -1.
    int findKey(int header, const QString& key) const;
    // Index one past the section's last line: the next header, or the end.
    int sectionEnd(int header) const;

    QStringList m_lines;
};

// A valid section or key name holds none of "[", "]" and "="; the empty
// name is valid.
bool isValidIniName(const QString& name);

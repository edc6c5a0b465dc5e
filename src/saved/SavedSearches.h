#pragma once

#include "saved/SaveData.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The saved searches of one folder (the application's Saved folder): files
// named after the search with the extension ".qvh", in INI form, one section
// per engine caption and one key per saved date ("mm-dd-yy"), the most
// recent first. Every save is written in one go through a temporary file, so
// a save that fails leaves the earlier file whole.
class SavedSearches
{
public:
    explicit SavedSearches(const QString& folder);

    QString folder() const { return m_folder; }

    // The names of the saved searches (file names without the extension,
    // whose letter case does not matter), sorted ignoring letter case.
    QStringList names() const;

    // The file of the search with this name: name + ".qvh", or the listed
    // file whose extension is written in other letter case.
    QString fileName(const QString& name) const;
    QString filePath(const QString& name) const;

    // A name for a new search is refused when it is empty, begins with "."
    // or holds any of / \ : * ? " < > |.
    static bool isValidName(const QString& name);
    static QString invalidNameCharacters();

    // The name the counts of a site are saved under by a scan that saves
    // each site: the site without its scheme, a leading "www." and trailing
    // "/", every character a name may not hold (and a leading ".") made "_".
    static QString nameForSite(const QString& site);

    // Adds the counts under the date (SavedDateKey) to an existing saved
    // search: a date already saved gets its value replaced, a new date comes
    // first in its section, a missing engine section is added at the end.
    // Cells showing "-" are skipped. Fails when the file is missing or empty.
    bool appendCounts(const QString& name, const QList<SavedCount>& counts, const QDate& date,
                      QString* error = nullptr) const;

    // Starts the saved search anew: every engine section that receives a
    // count is emptied first, so it keeps only this date; sections of
    // skipped ("-") engines stay as they were. Creates the file when needed.
    bool startSearch(const QString& name, const QList<SavedCount>& counts, const QDate& date,
                     QString* error = nullptr) const;

    // What a scan that saves each site does: appendCounts() into the saved
    // search when its file holds anything, else startSearch().
    bool addCounts(const QString& name, const QList<SavedCount>& counts, const QDate& date,
                   QString* error = nullptr) const;

private:
    enum class WriteMode { Append, StartAnew, AppendOrStart };
    bool write(const QString& name, const QList<SavedCount>& counts, const QDate& date, WriteMode mode,
               QString* error) const;

    QString m_folder;
};

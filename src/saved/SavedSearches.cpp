#include "saved/SavedSearches.h"

#include "base/FileChecks.h"
#include "base/IniDocument.h"
#include "base/IniFileAccess.h"
#include "saved/SavedDateKey.h"
#include "saved/SavedSearchFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>

namespace {

const QLatin1String extension(".qvh");

// A saved search is started only under a name a file may have.
bool refusesName(const QString& name, QString* error)
{
    if (SavedSearches::isValidName(name))
        return false;
    IniFileAccess::setError(
        error, QCoreApplication::translate("SavedSearches", "The name cannot be used for a saved search."));
    return true;
}

} // namespace

SavedSearches::SavedSearches(const QString& folder)
    : m_folder(folder)
{}

QStringList SavedSearches::names() const
{
    const QStringList files = QDir(m_folder).entryList({u'*' + extension}, QDir::Files, QDir::NoSort);
    QStringList result;
    result.reserve(files.size());
    for (const QString& file : files)
        result.append(file.chopped(extension.size()));
    std::sort(result.begin(), result.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return result;
}

QString SavedSearches::fileName(const QString& name) const
{
    const QString expected = name + extension;
    const QDir folder(m_folder);
    if (folder.exists(expected))
        return expected;
    // The listing ignores the extension's letter case; where the file system
    // does not, the name must lead back to the file it was listed from.
    const QStringList files = folder.entryList({u'*' + extension}, QDir::Files, QDir::Name);
    const auto listed = std::find_if(files.cbegin(), files.cend(), [&](const QString& file) {
        return file.compare(expected, Qt::CaseInsensitive) == 0 && file.startsWith(name, Qt::CaseSensitive);
    });
    return listed != files.cend() ? *listed : expected;
}

QString SavedSearches::filePath(const QString& name) const
{
    return QDir(m_folder).filePath(fileName(name));
}

QString SavedSearches::invalidNameCharacters()
{
    return QStringLiteral("/\\:*?\"<>|");
}

bool SavedSearches::isValidName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(u'.'))
        return false;
    const QString forbidden = invalidNameCharacters();
    return std::none_of(name.cbegin(), name.cend(), [&](QChar c) { return forbidden.contains(c); });
}

QString SavedSearches::nameForSite(const QString& site)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    QString name = site.trimmed();
    name.remove(scheme);
    if (name.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        name.remove(0, 4);
    while (name.endsWith(u'/'))
        name.chop(1);
    const QString forbidden = invalidNameCharacters();
    for (QChar& c : name) {
        if (forbidden.contains(c) || c.category() == QChar::Other_Control)
            c = u'_';
    }
    if (name.startsWith(u'.') || name.isEmpty())
        name.prepend(u'_');
    return name;
}

bool SavedSearches::appendCounts(const QString& name, const QList<SavedCount>& counts, const QDate& date,
                                 QString* error) const
{
    return write(name, counts, date, WriteMode::Append, error);
}

bool SavedSearches::startSearch(const QString& name, const QList<SavedCount>& counts, const QDate& date,
                                QString* error) const
{
    if (refusesName(name, error))
        return false;
    return write(name, counts, date, WriteMode::StartAnew, error);
}

bool SavedSearches::addCounts(const QString& name, const QList<SavedCount>& counts, const QDate& date,
                              QString* error) const
{
    return write(name, counts, date, WriteMode::AppendOrStart, error);
}

bool SavedSearches::write(const QString& name, const QList<SavedCount>& counts, const QDate& date, WriteMode mode,
                          QString* error) const
{
    const QString path = filePath(name);
    const QString key = SavedDateKey::fromDate(date);
    // The folder is the program's: a link in it that leads elsewhere (put
    // there by someone else, say) must not have a save write over the file
    // it leads to.
    if (QFileInfo(path).isSymLink() && !leadsIntoFolder(path, m_folder)) {
        IniFileAccess::setError(error, QCoreApplication::translate("SavedSearches",
                                                                   "It is a link to a file outside the folder of "
                                                                   "the saved searches, so nothing is written to it."));
        return false;
    }

    SavedSearchFile file;
    QString loadError;
    const IniDocument::LoadStatus status = file.read(path, &loadError);
    IniDocument document = file.document();
    // The file read once decides whether the counts go into it or start it.
    const bool restartSections =
        mode == WriteMode::StartAnew ||
        (mode == WriteMode::AppendOrStart && (status != IniDocument::LoadStatus::Loaded || document.isEmpty()));
    if (mode == WriteMode::AppendOrStart && restartSections && refusesName(name, error))
        return false;
    if (status == IniDocument::LoadStatus::Failed || (status == IniDocument::LoadStatus::Missing && !restartSections)) {
        IniFileAccess::setError(error, loadError);
        return false;
    }
    if (!restartSections) {
        if (document.isEmpty()) {
            IniFileAccess::setError(error, QCoreApplication::translate("SavedSearches", "The file is empty."));
            return false;
        }
    }

    // All counts go into one document that is saved once. Between the
    // changes the document is brought into the form a save and a fresh read
    // would give, so the result is the same as writing the counts one by one.
    bool changed = false;
    for (const SavedCount& count : counts) {
        if (count.count == QLatin1String(SaveData::notSaved))
            continue;
        if (!IniFileAccess::checkWriteArguments(count.caption, key, count.count, error))
            return false;
        if (changed)
            document.normalise();
        if (restartSections) {
            document.clearSection(count.caption);
            document.normalise();
        }
        document.setValue(count.caption, key, count.count);
        changed = true;
    }
    if (!changed)
        return true;
    return document.save(path, error);
}

#include "base/FileChecks.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

qsizetype lastSeparator(const QString& path)
{
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}

// As the file systems of each platform compare names.
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
constexpr Qt::CaseSensitivity fileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity fileNameCase = Qt::CaseSensitive;
#endif

bool hasWildcards(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

} // namespace

QString fileNameFromPath(const QString& path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString existingFilePath(const QString& path)
{
    const QString name = fileNameFromPath(path);
    if (name.isEmpty() || hasWildcards(name))
        return {};

    // The folder part keeps its trailing separator so that a file in the
    // root ("/name", "C:\name") is looked for in the root.
    const qsizetype separator = lastSeparator(path);
    const QString folderPath = separator < 0 ? QStringLiteral(".") : path.left(separator + 1);
    const QDir folder(folderPath);
    const QStringList files = folder.entryList(QDir::Files);
    for (const QString& file : files) {
        if (file.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(file);
    }
    return {};
}

bool fileExists(const QString& path)
{
    return !existingFilePath(path).isEmpty();
}

QString withExtension(const QString& fileName, const QString& extension)
{
    if (fileName.endsWith(extension, Qt::CaseInsensitive))
        return fileName;
    return fileName + extension;
}

QString resolvedFilePath(const QString& path)
{
    QFileInfo info(path);
    if (info.isSymLink() && !info.exists())
        info.setFile(info.symLinkTarget());
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

bool leadsIntoFolder(const QString& path, const QString& folder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (canonicalFolder.isEmpty())
        return false;
    const QString prefix = canonicalFolder.endsWith(u'/') ? canonicalFolder : canonicalFolder + u'/';
    return resolvedFilePath(path).startsWith(prefix, fileNameCase);
}

bool leadToSameFile(const QString& path, const QString& otherPath)
{
    return resolvedFilePath(path).compare(resolvedFilePath(otherPath), fileNameCase) == 0;
}
